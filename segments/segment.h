#pragma once
// The pieces a game is made of: cutscenes and stages, played one after the other by the manager.
// A segment runs a small script (a step counter), fades from and to black, can slow the world to
// a third, and raises a finished flag the manager polls. A stage adds the blinking GO arrow, the
// checks its script uses to send the heroine out at the end, and the score tally.
//
// Screen-fixed things are drawn at view positions (ViewX, ViewY in world/globals.h).

#include <array>
#include <cstdint>
#include <memory>

// Script steps from here on belong to the score tally.
constexpr int kTallyFirstStep = 100;

class TGameSegment {
 public:
  virtual ~TGameSegment() = default;

  int32_t iSegmentCounter = 0;  // the script step
  float fAlphaFade = 0;         // the black overlay: 0 clear .. 1 black
  int32_t bFade = 0;            // 0 fades towards clear, 1 towards black
  int32_t bSlowMotion = 0;      // 1: the world moves on every third frame only
  int32_t iSlowMotionCounter = 0;
  int32_t iDelayCounter = 0;      // frames, for the subclass's animations and waits
  int32_t iFadeDelayCounter = 0;  // frames waited at full black; never reset (see Handle...)
  int32_t bSegmentFinished = 0;

  virtual void Init() {}
  virtual void InitSegment() {}
  virtual int SegmentIsFinished() { return bSegmentFinished; }
  // At full black: waits 50 frames, then finishes the segment. The wait is counted once per
  // segment object for the whole run, so a later fade-out of the same object ends at once.
  virtual void HandleFadeTransition();
  virtual void SegmentManager() {}
  // The fade alone, for the back-to-title fade while the world stands still.
  virtual void MoveESCFade() { FadeStep(); }
  virtual void Move() {}
  virtual void MoveSegment() {}
  virtual void DrawScore() {}
  virtual void Draw() {}
  virtual void Draw2() { DrawForeground(); }
  virtual void DrawForeground() {}
  virtual void DrawAlpha();

 protected:
  // 0.05 a frame towards the side bFade asks for; not clamped, it may end a hair past 0 or 1.
  void FadeStep();
  // Re-arms the segment as it becomes current: the first script step, fading in from black, at
  // full speed, not finished. The frame counters keep their values.
  void Restart();
};

// The GO arrow: shown after a wave is beaten, blinking three times with a beep each time.
class TGo {
 public:
  virtual ~TGo() = default;

  int32_t iDelayCounter = 0;
  int32_t iStatus = 0;  // 0 hidden, 1 showing
  int32_t bVisible = 0;

  virtual void Init() { SetStatus(0); }
  // 1 (re)starts the blink from its first frame, with a beep.
  virtual void SetStatus(int status);
  virtual void Move();
  virtual void Draw();
};

constexpr int kPlayerSlots = 2;

class TStage : public TGameSegment {
 public:
  std::shared_ptr<TGo> Go;
  // What the tally still has to count, per player slot (iCodePlayer).
  std::array<int32_t, kPlayerSlots> iBonusScore{};
  std::array<float, kPlayerSlots> fLifeScore{};
  std::array<int32_t, kPlayerSlots> iComboScore{};  // combo units, 100 points each
  std::array<int32_t, kPlayerSlots> iTotalScore{};
  int32_t iScoreDelayCounter = 0;  // frames waited in a tally pause
  int32_t iBonus = 0;              // this stage's clear bonus
  // The tally's picture: the heroine's portrait slides in, green streaks rush to the left.
  float fCharSpeed = 0;
  float xChar = 0;  // world x
  std::array<float, 8> xMotionBlur{};
  std::array<float, 8> yMotionBlur{};
  std::array<float, 8> MotionBlurSpeed{};  // pixels a frame, leftwards

  void Init() override;
  void Move() override;
  void Draw2() override;
  void DrawScore() override;

  // Steps the script uses; each advances iSegmentCounter when it acts.
  virtual void SetAuto();
  virtual void CheckUnconsciousEnemy();
  virtual void CheckAutoStageExit();
  virtual void CheckOutsideScreen();
  // The tally, once the stage's fade-out and wait are over.
  virtual void PrepareBonusScore();
  virtual void CountBonusScore();
  virtual void DelayBonusScore();
  virtual void DelayBonusScore2();

 protected:
  // The tally's own steps (100 .. 103); a stage's script hands over to it.
  void MoveTally();
};
