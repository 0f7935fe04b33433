#include "ui/windows.h"

#include "audio/bgm_player.h"
#include "input/binding_files.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {
constexpr float kWindowFadeStep = 0.1f;
constexpr float kTitleMusicFade = 0.1f;
constexpr const char* kStartPrompt = "Press Attack to start";
}  // namespace

// ---- TWindow ------------------------------------------------------------------------------------

void TWindow::ResetGameData() {
  fAlphaFade = 1;
  bFade = 0;
  iDelayCounter = 0;
  ResetGameDataCustom();
}

void TWindow::Move() {
  iDelayCounter = NextDelayCounter(iDelayCounter);
  if (!GameInput.empty() && GameInput[0]) GameInput[0]->CheckInput();
  MoveCustom();
  if (bFade == 0 && fAlphaFade > 0) {
    fAlphaFade -= kWindowFadeStep;
  } else if (bFade == 1 && fAlphaFade < 1) {
    fAlphaFade += kWindowFadeStep;
  }
}

void TWindow::Draw() {
  DrawCustom();
  if (fAlphaFade <= 0) return;
  SetColor(0, 0, 0);
  SetAlpha(fAlphaFade);
  DrawRect(0, 0, fScreenWidth, fScreenHeight);
  SetColor(255, 255, 255);
  SetAlpha(1);
}

// ---- The stand-in title -------------------------------------------------------------------------

void TWindowTitle::Init() { ReadConfig(); }

void TWindowTitle::ReadConfig() {
  if (!GameInput.empty() && GameInput[0]) ReadBindingFiles(*GameInput[0]);
}

void TWindowTitle::ResetGameDataCustom() {
  iActiveMenu = TITLE_START;
  iExecuteCode = -1;
  if (BGMPlayer) {
    BGMPlayer->ResetGameData();
    BGMPlayer->Play(BGM_MAIN_TITLE);
  }
}

void TWindowTitle::MoveCustom() {
  if (BGMPlayer) BGMPlayer->Move();
  const TGameInput* input = GameInput.empty() ? nullptr : GameInput[0].get();
  if (input && input->ButtonPress(ACTION_ATTACK, INPUT_PRESSED) == 1) {
    iExecuteCode = iActiveMenu;
    bFade = 1;
    PlaySound(sndTVConfirmMetalHit);
  }
  if (bFade == 1 && BGMPlayer) BGMPlayer->FadeOff(kTitleMusicFade);
}

void TWindowTitle::DrawCustom() {
  const float w = fScreenWidth;
  DrawImage(imgMainTitleSky, w / 2, 0, 0);
  DrawImage(imgMainTitleHills, w / 2, 300, 0);
  DrawImage(imgGameTitle, w / 2, 0, 0);
  SetImageFont(fntProciono22);
  DrawShadowText(TEXT_BLACK, kStartPrompt, w / 2 - static_cast<float>(TextWidth(kStartPrompt) / 2),
                 560);
}

// ---- The stand-in options window ----------------------------------------------------------------

void TWindowOption::Init() { SetDifficulty(DIFFICULTY_NORMAL); }
