#pragma once
// The game manager: the one object the frame loop drives. It owns the menu windows, the pause and
// back-to-title overlays, the segments of a game and the handlers of the characters, hit boxes and
// effects, and switches between the title, the game and the menu screens. In the game it runs the
// current segment, decides each frame whether the world moves, stands paused, waits for the
// back-to-title answer or plays out a game over, and moves from segment to segment: skill list,
// first castle stage, second castle stage, map, then back to the title.
//
// For training it can also run the practice yard instead of the title (see bPractice).

#include <array>
#include <cstdint>
#include <memory>

class TCharacterHandler;
class TEffectHandler;
class TESC;
class TGameSegment;
class TOvermind;
class TPause;
class TProjectileHandler;
class TWindow;

// Manager modes.
constexpr int MANAGER_TITLE = 0;
constexpr int MANAGER_GAME = 1;
constexpr int MANAGER_OPTIONS = 2;
constexpr int MANAGER_PAD_CONFIG = 3;
constexpr int MANAGER_KEY_CONFIG = 4;
constexpr int MANAGER_CREDITS = 5;

// The segments of a game, in play order.
constexpr int SEGMENT_SKILL_LIST = 0;
constexpr int SEGMENT_CASTLE = 1;
constexpr int SEGMENT_CASTLE2 = 2;
constexpr int SEGMENT_MAP = 3;
constexpr int kSegmentCount = 4;

// A game over plays on this many frames before the screen fades.
constexpr int kGameOverFrames = 240;

class TManager {
 public:
  virtual ~TManager() = default;

  std::shared_ptr<TOvermind> Overmind;
  std::shared_ptr<TCharacterHandler> CharacterHandler;
  std::shared_ptr<TEffectHandler> EffectHandler;
  std::shared_ptr<TProjectileHandler> ProjectileHandler;
  std::array<std::shared_ptr<TGameSegment>, kSegmentCount> Stage;
  int32_t iMode = MANAGER_TITLE;
  int32_t iStage = 0;  // index into Stage of the current segment
  std::shared_ptr<TWindow> WindowTitle;
  std::shared_ptr<TWindow> WindowOption;
  std::shared_ptr<TWindow> WindowConfigPad;
  std::shared_ptr<TWindow> WindowConfigKey;
  std::shared_ptr<TWindow> WindowCredit;
  std::shared_ptr<TPause> Pause;
  std::shared_ptr<TESC> ESC;
  int32_t iGameOverDelayCounter = 0;  // frames since the heroine's game over
  int32_t bBack2TitleScreen = 0;      // 1 while the game fades out after "Yes"

  // Set before Init: the program starts in the practice yard (the heroine and straw-men on a
  // stretch of castle floor) instead of the title. Leaving the yard leads to the title, and from
  // there to ordinary games.
  int32_t bPractice = 0;
  std::shared_ptr<TGameSegment> PracticeYard;

  // The hit-box overlay over the game (never over the menu screens); the frame loop sets it.
  int32_t bShowHitboxes = 0;

  virtual void Init();
  virtual void SetMode(int mode);
  virtual void Move();
  virtual void MoveMainTitleTransition();
  virtual void MoveCutsceneManager();
  virtual void MoveCutSceneElements();
  virtual void ClearStageElements();
  virtual void MoveCutSceneTransition();
  virtual void MoveStageManager();
  virtual void MoveStageElements();
  virtual void MoveStageTransition(int maxEngaged, int refill);
  virtual void Draw();

  // The segment being played: one of Stage, or the practice yard.
  TGameSegment& CurrentSegment();
  // The segment index the trace reports: iStage, or -1 in the practice yard.
  int TracedStage() const { return bInPracticeYard ? -1 : iStage; }
  // That segment's script step; -1 when there is none (before Init).
  int TracedStep() const;

 private:
  // The window of a menu mode; nullptr in the game.
  TWindow* CurrentWindow() const;
  void MoveWindowMode();
  void MoveGame();
  // The frame of a segment when nothing stops the game: the segment, its world and, once it
  // has finished, the way on.
  void MoveSegmentFrame(TGameSegment& segment);
  void StartPractice();
  // The title, with the view back at the origin.
  void ReturnToTitle();

  int32_t bInPracticeYard = 0;
};
