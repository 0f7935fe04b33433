#include "segments/segment.h"

#include <string>

#include "actors/character.h"
#include "platform/platform.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {

constexpr float kFadeStep = 0.05f;
constexpr int kBlackWaitFrames = 50;  // at full black before a segment counts as finished

constexpr int kGoShownFrames = 125;  // three blinks of 25 frames, 25 apart
constexpr int kGoBlinkFrames = 25;

// The tally.
constexpr int kTallyFirstWait = 80;  // frames before the counting starts
constexpr int kTallyLastWait = 120;  // frames between the last tick and the fade
constexpr int kBonusTick = 1000;
constexpr float kLifeTick = 100;
constexpr int kPointsPerComboUnit = 100;
constexpr float kPortraitRushSpeed = 80;
constexpr float kPortraitDriftSpeed = 0.1f;
constexpr float kPortraitStart = 600;  // left of the view
constexpr int kStreaks = 8;
constexpr float kStreakTop = 125;
constexpr float kStreakSpacing = 64;
constexpr float kStreakBaseSpeed = 80;
constexpr int kStreakExtraSpeed = 60;
constexpr float kStreakWrapLeft = 500;

// The slot of a player character in the tally's arrays, or -1 for a character that is not one
// of the players (cut-scene copies read no slot).
int PlayerSlot(const TCharacter& c) {
  if (c.iAffiliation != SIDE_HEROINE) return -1;
  return c.iCodePlayer >= 0 && c.iCodePlayer < kPlayerSlots ? c.iCodePlayer : -1;
}

}  // namespace

// ---- TGameSegment -------------------------------------------------------------------------------

void TGameSegment::FadeStep() {
  if (bFade == 0 && fAlphaFade > 0) {
    fAlphaFade -= kFadeStep;
  } else if (bFade == 1 && fAlphaFade < 1) {
    fAlphaFade += kFadeStep;
  }
}

void TGameSegment::Restart() {
  iSegmentCounter = 0;
  fAlphaFade = 1;
  bFade = 0;
  bSlowMotion = 0;
  iSlowMotionCounter = 0;
  bSegmentFinished = 0;
}

void TGameSegment::HandleFadeTransition() {
  if (fAlphaFade < 1) return;
  if (iFadeDelayCounter >= kBlackWaitFrames) {
    bSegmentFinished = 1;
  } else {
    ++iFadeDelayCounter;
  }
}

void TGameSegment::DrawAlpha() {
  if (fAlphaFade <= 0) return;
  SetColor(0, 0, 0);
  SetAlpha(fAlphaFade);
  DrawRect(ViewX(0), ViewY(-1), fScreenWidth, fScreenHeight);
  SetColor(255, 255, 255);
  SetAlpha(1);
}

// ---- TGo ----------------------------------------------------------------------------------------

void TGo::SetStatus(int status) {
  iStatus = status;
  if (status != 1) return;
  iDelayCounter = 0;
  bVisible = 1;
  PlaySound(sndTVbeep3);
}

void TGo::Move() {
  if (iStatus != 1) return;
  if (iDelayCounter >= kGoShownFrames) {
    SetStatus(0);
    return;
  }
  ++iDelayCounter;
  if (iDelayCounter % kGoBlinkFrames != 0) return;
  bVisible = bVisible ? 0 : 1;
  if (bVisible) PlaySound(sndTVbeep3);
}

void TGo::Draw() {
  if (iStatus == 1 && bVisible == 1) DrawImage(imgGo, ViewX(fScreenWidth - 200), ViewY(60), 0);
}

// ---- TStage -------------------------------------------------------------------------------------

void TStage::Init() {
  Go = std::make_shared<TGo>();
  Go->Init();
}

void TStage::Move() {
  SegmentManager();
  if (bSlowMotion == 0) {
    MoveSegment();
    Go->Move();
  } else {
    ++iSlowMotionCounter;
    if (iSlowMotionCounter % 3 == 0) MoveSegment();
  }
  FadeStep();
  if (iSegmentCounter < kTallyFirstStep) return;
  xChar += fCharSpeed;
  if (xChar > fWorldX + fScreenWidth / 2) fCharSpeed = kPortraitDriftSpeed;
  for (int i = 0; i < kStreaks; ++i) {
    xMotionBlur[i] -= MotionBlurSpeed[i];
    if (xMotionBlur[i] < fWorldX - kStreakWrapLeft) xMotionBlur[i] = fWorldX + fScreenWidth;
  }
}

void TStage::Draw2() {
  DrawForeground();
  Go->Draw();
}

void TStage::SetAuto() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_HEROINE) continue;
    c->SetAuto(1);
    ++iSegmentCounter;
  }
}

void TStage::CheckUnconsciousEnemy() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation == SIDE_ENEMY && c->iMode != MODE_DEAD) return;
  }
  ++iSegmentCounter;
}

void TStage::CheckAutoStageExit() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_HEROINE || c->iMode != MODE_AUTO_STAND) continue;
    c->SetMode(MODE_AUTO_RUN_OUT);
    ++iSegmentCounter;
  }
}

void TStage::CheckOutsideScreen() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_HEROINE || c->IsInsideScreen() != 0) continue;
    bFade = 1;
    ++iSegmentCounter;
  }
}

void TStage::PrepareBonusScore() {
  if (bSegmentFinished != 1) return;
  iScoreDelayCounter = 0;
  bSegmentFinished = 0;
  iSegmentCounter = kTallyFirstStep;
  fAlphaFade = 1;
  bFade = 0;
  bSlowMotion = 0;
  iBonusScore = {};
  fLifeScore = {};
  iComboScore = {};
  iTotalScore = {};
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    const int slot = PlayerSlot(*c);
    if (slot < 0) continue;
    iBonusScore[slot] = iBonus;
    fLifeScore[slot] = static_cast<float>(c->CountLifeBonus());
    iComboScore[slot] = c->iMaxCombo;
    c->SetMode(MODE_INACTIVE);
  }
  fCharSpeed = kPortraitRushSpeed;
  xChar = fWorldX - kPortraitStart;
  for (int i = 0; i < kStreaks; ++i) {
    xMotionBlur[i] = fWorldX + static_cast<float>(Rand(0, static_cast<int>(fScreenWidth)));
    yMotionBlur[i] = kStreakTop + kStreakSpacing * static_cast<float>(i);
    MotionBlurSpeed[i] = kStreakBaseSpeed + static_cast<float>(Rand(0, kStreakExtraSpeed));
  }
}

void TStage::DelayBonusScore() {
  if (iScoreDelayCounter < kTallyFirstWait) {
    ++iScoreDelayCounter;
  } else {
    ++iSegmentCounter;
  }
}

void TStage::CountBonusScore() {
  // One tick a frame of the first phase that has something left: bonus, life, then combo.
  const auto pending = [](const auto& remaining) { return remaining[0] > 0 || remaining[1] > 0; };
  const auto tick = [this](auto& remaining, auto step, float points) {
    for (const std::shared_ptr<TCharacter>& c : CharacterList) {
      const int slot = PlayerSlot(*c);
      if (slot < 0 || remaining[slot] <= 0) continue;
      remaining[slot] -= step;
      c->fScore += points;
      iTotalScore[slot] += static_cast<int32_t>(points);
      PlaySound(sndTVbeep3);
    }
  };
  if (pending(iBonusScore)) {
    tick(iBonusScore, kBonusTick, static_cast<float>(kBonusTick));
  } else if (pending(fLifeScore)) {
    tick(fLifeScore, kLifeTick, kLifeTick);
  } else if (pending(iComboScore)) {
    tick(iComboScore, 1, static_cast<float>(kPointsPerComboUnit));
  } else {
    ++iSegmentCounter;
    iScoreDelayCounter = 0;
  }
}

void TStage::DelayBonusScore2() {
  if (iScoreDelayCounter < kTallyLastWait) {
    ++iScoreDelayCounter;
  } else {
    bFade = 1;
    ++iSegmentCounter;
  }
}

void TStage::MoveTally() {
  switch (iSegmentCounter) {
    case kTallyFirstStep:
      DelayBonusScore();
      break;
    case kTallyFirstStep + 1:
      CountBonusScore();
      break;
    case kTallyFirstStep + 2:
      DelayBonusScore2();
      break;
    case kTallyFirstStep + 3:
      HandleFadeTransition();
      break;
    default:
      break;
  }
}

void TStage::DrawScore() {
  if (iSegmentCounter < kTallyFirstStep) return;
  SetColor(0, 0, 0);
  DrawRect(ViewX(0), ViewY(-1), fScreenWidth, fScreenHeight + 2);
  SetColor(255, 255, 255);
  DrawImage(imgGreenBGHorizontal, ViewX(0), ViewY(120), 0);
  for (int i = 0; i < kStreaks; ++i) DrawImage(imgMotionBlurGreen, xMotionBlur[i], yMotionBlur[i]);
  DrawImage(imgArtMomoStageIntermission, xChar, ViewY(0), 0);
  SetAlpha(0.6f);
  SetColor(0, 0, 0);
  DrawRect(ViewX(180), ViewY(240), 500, 400);
  SetColor(255, 255, 255);
  SetAlpha(1);

  SetImageFont(fntProciono24);
  const auto line = [](const char* label, long long value, float y) {
    DrawShadowText(TEXT_WHITE, label, ViewX(220), ViewY(y));
    DrawShadowText(TEXT_WHITE, std::to_string(value), ViewX(400), ViewY(y));
  };
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    const int slot = PlayerSlot(*c);
    if (slot < 0) continue;
    DrawImage(imgStageClear, ViewX(fScreenWidth / 2), ViewY(170), 0);
    line("Bonus", iBonusScore[slot], 250);
    line("Life", static_cast<long long>(fLifeScore[slot]), 300);
    line("Combo 100x", iComboScore[slot], 350);
    line("Total", iTotalScore[slot], 450);
  }
}
