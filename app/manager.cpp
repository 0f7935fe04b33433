#include "app/manager.h"

#include "actors/character_handler.h"
#include "actors/combo_counter.h"
#include "audio/bgm_player.h"
#include "combat/projectile.h"
#include "enemies/overmind.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "segments/castle.h"
#include "segments/cutscenes.h"
#include "segments/practice_yard.h"
#include "segments/segment.h"
#include "ui/config_windows.h"
#include "ui/hitbox_overlay.h"
#include "ui/overlays.h"
#include "ui/windows.h"
#include "world/globals.h"

namespace {

constexpr float kFullRefill = 2000;  // more than any maximum: the bars fill up
constexpr float kStageToStageHP = 64;
constexpr float kStageToStageMP = 48;
constexpr int kEngagedAtStart = 2;
constexpr float kQuitMusicFade = 0.05f;

// What the game does each frame while a segment is current, and what follows it.
struct SegmentRun {
  bool cutscene;  // the world update of a cutscene (only cut-scene actors move)
  bool refill;    // she is refilled and left alone for the next segment
  bool last;      // the title follows
};
// clang-format off
constexpr SegmentRun kSegmentRuns[kSegmentCount] = {
  // cutscene  refill  last
  {  true,     true,   false },  // skill list
  {  false,    false,  false },  // first castle stage
  {  false,    true,   false },  // second castle stage
  {  true,     true,   true  },  // map
};
// clang-format on

TGameInput* InputOf(const TCharacter& c) {
  if (c.iCodePlayer < 0 || c.iCodePlayer >= static_cast<int>(GameInput.size())) return nullptr;
  return GameInput[c.iCodePlayer].get();
}

// The slow-motion rule: a slowed world moves on every third frame only.
bool WorldMovesThisFrame(const TGameSegment& s) {
  return s.bSlowMotion == 0 || s.iSlowMotionCounter % 3 == 0;
}

}  // namespace

// ---- Set-up -------------------------------------------------------------------------------------

void TManager::Init() {
  // The sound effects are loaded before the manager is made (StartGame), so that a missing one
  // stops the program with its name.
  Pause = std::make_shared<TPause>();
  Pause->Init();
  ESC = std::make_shared<TESC>();
  ESC->Init();
  Overmind = std::make_shared<TOvermind>();
  CharacterHandler = std::make_shared<TCharacterHandler>();
  ProjectileHandler = std::make_shared<TProjectileHandler>();
  EffectHandler = std::make_shared<TEffectHandler>();

  if (GameInput.empty()) GameInput.resize(1);
  GameInput[0] = std::make_shared<TGameInput>();
  GameInput[0]->Init(0, INPUT_BOTH);

  Momo = std::make_shared<TMomo>();
  Momo->Init(0, 0);
  CharacterList.push_back(Momo);

  WindowTitle = std::make_shared<TWindowTitle>();
  WindowOption = std::make_shared<TWindowOption>();
  WindowConfigPad = std::make_shared<TWindowConfigPad>();
  WindowConfigKey = std::make_shared<TWindowConfigKey>();
  WindowCredit = std::make_shared<TWindowCredit>();
  for (const auto& window :
       {WindowTitle, WindowOption, WindowConfigPad, WindowConfigKey, WindowCredit}) {
    window->Init();
  }

  SetMode(MANAGER_TITLE);

  Stage[SEGMENT_CASTLE] = std::make_shared<TStageCastle>();
  Stage[SEGMENT_CASTLE]->Init();
  Stage[SEGMENT_CASTLE2] = std::make_shared<TStageCastle2>();
  Stage[SEGMENT_CASTLE2]->Init();
  Stage[SEGMENT_SKILL_LIST] = std::make_shared<TCutsceneSkillList>();
  Stage[SEGMENT_MAP] = std::make_shared<TCutsceneMap1>();

  if (bPractice) StartPractice();
}

void TManager::StartPractice() {
  PracticeYard = std::make_shared<TPracticeYard>();
  PracticeYard->Init();
  iMode = MANAGER_GAME;
  bInPracticeYard = 1;
  bBack2TitleScreen = 0;
  Momo->SetLive();
  Momo->SetMount(0, -1);
  CharacterHandler->ResetGameData();
  Momo->AddHP(kFullRefill);
  Momo->AddMP(kFullRefill);
  PracticeYard->InitSegment();
  PracticeYard->Move();
  Overmind->SetMaxEngagedCombatant(kEngagedAtStart);
}

void TManager::SetMode(int mode) {
  iMode = mode;
  switch (mode) {
    case MANAGER_TITLE:
      bInPracticeYard = 0;
      WindowTitle->ResetGameData();
      break;
    case MANAGER_OPTIONS:
      WindowOption->ResetGameData();
      break;
    case MANAGER_PAD_CONFIG:
      WindowConfigPad->ResetGameData();
      break;
    case MANAGER_KEY_CONFIG:
      WindowConfigKey->ResetGameData();
      break;
    case MANAGER_CREDITS:
      WindowCredit->ResetGameData();
      break;
    case MANAGER_GAME:
      // A new game, on the segment objects of the last one, re-armed as each becomes current.
      bBack2TitleScreen = 0;
      Momo->SetLive();
      Momo->SetMount(0, -1);
      iStage = SEGMENT_SKILL_LIST;
      CharacterHandler->ResetGameData();
      Momo->AddHP(kFullRefill);
      Momo->AddMP(kFullRefill);
      Stage[iStage]->InitSegment();
      Stage[iStage]->Move();
      Overmind->SetMaxEngagedCombatant(kEngagedAtStart);
      break;
    default:
      break;
  }
}

TGameSegment& TManager::CurrentSegment() {
  return bInPracticeYard ? *PracticeYard : *Stage[iStage];
}

int TManager::TracedStep() const {
  if (bInPracticeYard) return PracticeYard->iSegmentCounter;
  if (iStage < 0 || iStage >= kSegmentCount || !Stage[iStage]) return -1;
  return Stage[iStage]->iSegmentCounter;
}

// ---- Update -------------------------------------------------------------------------------------

void TManager::Move() {
  if (iMode == MANAGER_GAME) {
    MoveGame();
  } else {
    MoveWindowMode();
  }
  // The draw order, settled whether or not the frame is drawn: the next update walks the list in
  // this order, so runs with and without drawing stay the same.
  CharacterHandler->Sort();
}

TWindow* TManager::CurrentWindow() const {
  switch (iMode) {
    case MANAGER_TITLE:
      return WindowTitle.get();
    case MANAGER_OPTIONS:
      return WindowOption.get();
    case MANAGER_PAD_CONFIG:
      return WindowConfigPad.get();
    case MANAGER_KEY_CONFIG:
      return WindowConfigKey.get();
    case MANAGER_CREDITS:
      return WindowCredit.get();
    default:
      return nullptr;
  }
}

void TManager::MoveWindowMode() {
  TWindow* window = CurrentWindow();
  if (!window) return;
  window->Move();
  // A window hands over only once it has faded to black, on the entry chosen last.
  if (window->fAlphaFade < 1) return;
  const int code = window->iExecuteCode;
  switch (iMode) {
    case MANAGER_TITLE:
      if (code == TITLE_START) SetMode(MANAGER_GAME);
      if (code == TITLE_OPTION) SetMode(MANAGER_OPTIONS);
      if (code == TITLE_CREDIT) SetMode(MANAGER_CREDITS);
      break;
    case MANAGER_OPTIONS:
      if (code == OPTION_KEYBOARD) SetMode(MANAGER_KEY_CONFIG);
      if (code == OPTION_GAMEPAD) SetMode(MANAGER_PAD_CONFIG);
      if (code == OPTION_EXIT) SetMode(MANAGER_TITLE);
      break;
    case MANAGER_PAD_CONFIG:
    case MANAGER_KEY_CONFIG:
      SetMode(MANAGER_OPTIONS);
      break;
    case MANAGER_CREDITS:
      SetMode(MANAGER_TITLE);
      break;
    default:
      break;
  }
}

// One frame of play. Unpaused: the segment's script, then (when the world moves) the engagement
// limit, the characters (enemies before the heroine, by descending id; she polls her input first
// thing in her update and moves the view last), the hit boxes and the effects, then the next
// segment, the combo counter and the checks for Pause and Esc. In a cutscene only its actors move
// (her cutscene copy moves the view) and only a script waiting for a button polls the input.
// Paused or asking about the title, the world stands still and the input is polled here.
void TManager::MoveGame() {
  TGameSegment& s = CurrentSegment();
  if (bBack2TitleScreen == 1) {
    // "Yes" to the question: the world stands still while the screen and the music fade.
    if (BGMPlayer) BGMPlayer->FadeOff(kQuitMusicFade);
    s.MoveESCFade();
    s.HandleFadeTransition();
    MoveMainTitleTransition();
  } else if (Momo->iMode == MOMO_GAME_OVER) {
    // The world plays on a while before the screen fades and the title returns.
    if (BGMPlayer) BGMPlayer->FadeOff(kQuitMusicFade);
    s.Move();
    MoveStageManager();
    if (iMode != MANAGER_GAME) return;  // its own watch has already gone back to the title
    if (++iGameOverDelayCounter == kGameOverFrames) s.bFade = 1;
    s.HandleFadeTransition();
    MoveMainTitleTransition();
  } else if (Momo->IsPaused() == 0 && Momo->IsESC() == 0) {
    MoveSegmentFrame(s);
    if (ComboCounter) ComboCounter->Move();
    Momo->PauseCheck();
    Momo->ESCCheck();
    if (Momo->iMode == MOMO_GAME_OVER) {
      iGameOverDelayCounter = 0;
    } else if (Momo->IsPaused() == 1) {
      Pause->SetStatus(1);
    } else if (Momo->IsESC() == 1) {
      ESC->SetStatus(1);
    }
  } else if (Momo->IsPaused() == 1) {
    // Paused: only the music and the pause itself go on; the next Pause release resumes.
    if (BGMPlayer) BGMPlayer->Move();
    if (TGameInput* input = InputOf(*Momo)) input->CheckInput();
    Momo->PauseCheck();
    if (Momo->IsPaused() == 0) {
      Pause->SetStatus(0);
    } else {
      Pause->Move();
    }
  } else {
    // The back-to-title question: the world waits for the answer.
    if (BGMPlayer) BGMPlayer->Move();
    if (TGameInput* input = InputOf(*Momo)) input->CheckInput();
    Momo->ESCSelectionCheck();
    ESC->GetInput(Momo->iESCActiveCursor);
    if (Momo->IsESC() == 0) {
      ESC->SetStatus(0);
      if (Momo->iESCActiveCursor == 1) {
        bBack2TitleScreen = 1;
        s.bFade = 1;
      }
    }
  }
}

void TManager::MoveSegmentFrame(TGameSegment& segment) {
  segment.Move();
  if (bInPracticeYard) {
    MoveStageManager();  // the yard has no end of its own
    return;
  }
  const SegmentRun& run = kSegmentRuns[iStage];
  if (run.cutscene) {
    MoveCutsceneManager();
  } else {
    MoveStageManager();
  }
  if (run.last) {
    MoveMainTitleTransition();
  } else {
    MoveStageTransition(iDifficultyShift + 2, run.refill ? 1 : 0);
  }
}

void TManager::ReturnToTitle() {
  SetMode(MANAGER_TITLE);
  fWorldX = 0;
  fWorldY = 0;
  SetOrigin(0, 0);
}

void TManager::MoveMainTitleTransition() {
  if (CurrentSegment().SegmentIsFinished() != 1) return;
  ClearStageElements();
  ReturnToTitle();
}

void TManager::MoveCutsceneManager() {
  if (WorldMovesThisFrame(CurrentSegment())) MoveCutSceneElements();
}

void TManager::MoveCutSceneElements() {
  CharacterHandler->MoveCutscene();
  ProjectileHandler->Move();
  EffectHandler->Move();
}

void TManager::ClearStageElements() {
  CharacterHandler->Clear();
  ProjectileHandler->Clear();
  EffectHandler->Clear();
}

void TManager::MoveCutSceneTransition() {
  if (CurrentSegment().SegmentIsFinished() != 1) return;
  ClearStageElements();
  ++iStage;
  Stage[iStage]->InitSegment();
  Stage[iStage]->Move();
  MoveCutsceneManager();
}

void TManager::MoveStageManager() {
  if (WorldMovesThisFrame(CurrentSegment())) MoveStageElements();
}

void TManager::MoveStageElements() {
  Overmind->SetAI();
  CharacterHandler->Move();
  ProjectileHandler->Move();
  EffectHandler->Move();
  // A second watch over a game over, beside the manager's own: the heroine lying in it long
  // enough starts the fade, and the end of the fade returns to the title.
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_HEROINE || c->iMode != MOMO_GAME_OVER ||
        c->iDelayCounter < kGameOverFrames) {
      continue;
    }
    TGameSegment& s = CurrentSegment();
    if (s.bFade == 0) {
      s.bFade = 1;
      continue;
    }
    s.HandleFadeTransition();
    if (s.SegmentIsFinished() != 1) continue;
    ClearStageElements();
    ++iStage;
    Momo->AddHP(kFullRefill);
    Momo->AddMP(kFullRefill);
    ReturnToTitle();
    return;  // the lists have just been cleared
  }
}

void TManager::MoveStageTransition(int maxEngaged, int refill) {
  if (CurrentSegment().SegmentIsFinished() != 1) return;
  ClearStageElements();
  ++iStage;
  if (refill == 1) {
    Momo->AddHP(kFullRefill);
    Momo->AddMP(kFullRefill);
    CharacterHandler->ClearAll();
  } else {
    Momo->AddHP(kStageToStageHP);
    Momo->AddMP(kStageToStageMP);
  }
  CharacterHandler->ResetGameData();
  TGameSegment& next = *Stage[iStage];
  next.InitSegment();
  next.Move();
  Overmind->SetMaxEngagedCombatant(maxEngaged);
  // The new segment's first world update comes in this same frame, always a stage's, even for
  // the map.
  MoveStageManager();
}

// ---- Drawing ------------------------------------------------------------------------------------

void TManager::Draw() {
  if (TWindow* window = CurrentWindow()) {
    window->Draw();
    return;
  }
  TGameSegment& s = CurrentSegment();
  s.Draw();
  for (int plane = 0; plane <= 4; ++plane) {
    EffectHandler->Draw(1, plane);
    ProjectileHandler->Draw(1, plane);
    CharacterHandler->Draw(plane);
    ProjectileHandler->Draw(0, plane);
    EffectHandler->Draw(0, plane);
  }
  s.Draw2();
  CharacterHandler->DrawBossGUI();
  if (ComboCounter) ComboCounter->Draw();
  Pause->Draw();
  ESC->Draw();
  s.DrawScore();
  Momo->DrawGUI();
  s.DrawAlpha();
  if (bShowHitboxes) DrawHitboxOverlay();
}
