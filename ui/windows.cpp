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
constexpr float kHighlightLow = 0.6f;
constexpr float kHighlightStep = 0.02f;

const TGameInput* MenuInput() { return GameInput.empty() ? nullptr : GameInput[0].get(); }

bool Pressed(int action) {
  const TGameInput* input = MenuInput();
  return input && input->ButtonPress(action, INPUT_PRESSED) == 1;
}

bool DirectionPressed(int action) {
  const TGameInput* input = MenuInput();
  return input && input->DirectionalButtonPress(action, INPUT_PRESSED) == 1;
}

// Labels of a column, centred on the middle of the screen by their precomputed half widths.
template <size_t N>
void DrawColumn(int kind, const char* const (&labels)[N], const std::array<float, N>& half,
                float top, float spacing) {
  for (size_t i = 0; i < N; ++i) {
    DrawShadowText(kind, labels[i], fScreenWidth / 2 - half[i], top + spacing * i);
  }
}

template <size_t N>
void MeasureColumn(const char* const (&labels)[N], std::array<float, N>& half) {
  for (size_t i = 0; i < N; ++i) half[i] = HalfTextWidth(labels[i]);
}

}  // namespace

float HalfTextWidth(const char* text) { return static_cast<float>(TextWidth(text) / 2); }

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

// ---- TMenuWindow --------------------------------------------------------------------------------

void TMenuWindow::ResetHighlight() {
  fHighlightAlpha = 1;
  fHighlightAlphaModifier = -kHighlightStep;
}

void TMenuWindow::PulseHighlight() {
  fHighlightAlpha += fHighlightAlphaModifier;
  if (fHighlightAlpha >= 1) {
    fHighlightAlphaModifier = -kHighlightStep;
  } else if (fHighlightAlpha <= kHighlightLow) {
    fHighlightAlphaModifier = kHighlightStep;
  }
}

void TMenuWindow::DrawHighlight(float x, float y) const {
  SetAlpha(fHighlightAlpha);
  DrawImage(imgHighlight, x, y, 0);
  SetAlpha(1);
}

void TMenuWindow::MoveCursor(int32_t& active, int count) {
  if (DirectionPressed(ACTION_UP)) {
    active = active == 0 ? count - 1 : active - 1;
  } else if (DirectionPressed(ACTION_DOWN)) {
    active = active == count - 1 ? 0 : active + 1;
  } else {
    return;
  }
  PlaySound(sndTVSelectPon);
}

// ---- The small clouds ---------------------------------------------------------------------------

struct CloudKind {
  float scale, dx, y;  // at the start; x is W/2 + dx
  double heading, speed;
  float growth;
  bool growsForEver;  // otherwise only while the scale is below 1.5
  bool leavesLeft;    // starts over once x <= -1800; otherwise once y <= -500
  const ImagePtr* image;
  float widen;  // added to the drawn horizontal scale
};

namespace {

constexpr float kCloudMaxScale = 1.5f;
constexpr float kCloudLeftEdge = -1800;
constexpr float kCloudTopEdge = -500;
constexpr float kCloudFadeIn = 0.05f;

// clang-format off
const CloudKind kCloudKinds[] = {
  // scale  dx    y     heading speed growth   for ever leaves left image                 widen
  {  0.6f,  200,  460,  200,    9,    0.0035f, false,   true,       &imgMainTitleCloud1,  0     },
  {  0.8f,  280,  400,  230,    11,   0.0075f, false,   false,      &imgMainTitleCloud3,  0     },
  {  0.5f,  200,  480,  190,    7.5,  0.005f,  false,   true,       &imgMainTitleCloud1,  0.25f },
  {  0.8f,  250,  400,  260,    12,   0.009f,  false,   false,      &imgMainTitleCloud2,  0.25f },
  {  0.7f,  220,  400,  210,    10,   0.007f,  true,    false,      &imgMainTitleCloud2,  0.1f  },
};
// clang-format on
static_assert(std::size(kCloudKinds) == 5);

}  // namespace

const CloudKind& TCloud1::Kind() const { return kCloudKinds[0]; }
const CloudKind& TCloud2::Kind() const { return kCloudKinds[1]; }
const CloudKind& TCloud3::Kind() const { return kCloudKinds[2]; }
const CloudKind& TCloud4::Kind() const { return kCloudKinds[3]; }
const CloudKind& TCloud5::Kind() const { return kCloudKinds[4]; }

void TCloud1::ResetGameData() {
  const CloudKind& k = Kind();
  fAlpha = 0;
  fScale = k.scale;
  x = fScreenWidth / 2 + k.dx;
  y = k.y;
}

void TCloud1::Move() {
  const CloudKind& k = Kind();
  x = static_cast<float>(x + Cos(k.heading) * k.speed);
  y = static_cast<float>(y + Sin(k.heading) * k.speed);
  if (fAlpha < 1) fAlpha += kCloudFadeIn;
  if (k.growsForEver || fScale < kCloudMaxScale) fScale += k.growth;
  if (k.leavesLeft ? x <= kCloudLeftEdge : y <= kCloudTopEdge) ResetGameData();
}

void TCloud1::Draw() {
  const CloudKind& k = Kind();
  SetAlpha(fAlpha);
  SetScale(fScale + k.widen, fScale);
  DrawImage(*k.image, x, y, 0);
  SetAlpha(1);
  SetScale(1, 1);
}

// ---- The title ----------------------------------------------------------------------------------

namespace {

constexpr const char* kTitleLabels[kTitleEntries] = {"Start", "Option", "Credit", "Exit"};
constexpr float kTitleMenuTop = 500;
constexpr float kTitleMenuSpacing = 40;
constexpr int kSplashFrames = 75;  // the card stays this long before it fades out
constexpr float kTitleMusicFade = 0.1f;
constexpr float kSunLow = 1, kSunHigh = 1.1f;
constexpr float kSunGrow = 0.0025f;

// A row of great clouds: where copy i starts, how fast the row drifts left, and where a copy
// that has drifted past the left edge comes back in.
struct GreatCloudRow {
  float start, spacing, speed, wrapTo;
};
constexpr float kGreatCloudLeftEdge = -1240;
constexpr GreatCloudRow kLowerRow = {-1240, 1100, 0.4f, 2060};
constexpr GreatCloudRow kUpperRow = {-840, 1500, 1.5f, 2560};
constexpr GreatCloudRow kUpperRow2 = {-1090, 1250, 0.7f, 2560};

void ResetRow(std::array<float, 4>& xs, const GreatCloudRow& row) {
  for (size_t i = 0; i < xs.size(); ++i) xs[i] = row.spacing * i + row.start;
}

void DriftRow(std::array<float, 4>& xs, const GreatCloudRow& row) {
  for (float& x : xs) {
    x -= row.speed;
    if (x < kGreatCloudLeftEdge) x = row.wrapTo;
  }
}

}  // namespace

void TWindowTitle::Init() {
  Cloud = {std::make_shared<TCloud1>(), std::make_shared<TCloud2>(), std::make_shared<TCloud3>(),
           std::make_shared<TCloud4>(), std::make_shared<TCloud5>()};
  SetImageFont(fntProciono18);
  MeasureColumn(kTitleLabels, xAdjustment);
  ReadConfig();
  iMode = TITLE_MODE_SPLASH;
}

void TWindowTitle::ReadConfig() {
  if (!GameInput.empty() && GameInput[0]) LoadBindings(*GameInput[0]);
}

void TWindowTitle::ResetGameDataCustom() {
  iActiveMenu = TITLE_START;
  iExecuteCode = -1;
  fScaleSun = 1;
  fScaleSunScaler = 0.002f;
  ResetHighlight();
  ResetRow(fGreatCloudx, kLowerRow);
  ResetRow(fGreatCloudx2, kUpperRow);
  ResetRow(fGreatCloudx3, kUpperRow2);
  for (const auto& cloud : Cloud) cloud->ResetGameData();
  // Spread out from the start rather than all leaving the same corner.
  for (const auto& [cloud, moves] : {std::pair{0, 31}, {1, 13}, {4, 6}}) {
    for (int i = 0; i < moves; ++i) Cloud[cloud]->Move();
  }
  if (iMode == TITLE_MODE_MENU && BGMPlayer) {
    BGMPlayer->ResetGameData();
    BGMPlayer->Play(BGM_MAIN_TITLE);
  }
}

void TWindowTitle::MoveCustom() {
  if (iMode == TITLE_MODE_SPLASH) {
    // Nothing moves behind the card. (The fade steps by 0.1 in floats, so "black again" is
    // taken as reaching 1, not as hitting it exactly.)
    if (iDelayCounter == kSplashFrames) bFade = 1;
    if (iDelayCounter > kSplashFrames && fAlphaFade >= 1) {
      iMode = TITLE_MODE_MENU;
      bFade = 0;
      if (BGMPlayer) {
        BGMPlayer->ResetGameData();
        BGMPlayer->Play(BGM_MAIN_TITLE);
      }
    }
    return;
  }
  if (iMode == TITLE_MODE_MENU) MoveMenu();
  if (bFade == 1 && BGMPlayer) BGMPlayer->FadeOff(kTitleMusicFade);
  MoveSky();
  PulseHighlight();
}

void TWindowTitle::MoveMenu() {
  if (BGMPlayer) BGMPlayer->Move();
  MoveCursor(iActiveMenu, kTitleEntries);
  // Confirming again during the fade-out changes the choice: the manager reads it once black.
  if (Pressed(ACTION_ATTACK)) {
    iExecuteCode = iActiveMenu;
    bFade = 1;
    PlaySound(sndTVConfirmMetalHit);
  }
}

void TWindowTitle::MoveSky() {
  fScaleSun += fScaleSunScaler;
  if (fScaleSun >= kSunHigh) {
    fScaleSunScaler = -kSunGrow;
  } else if (fScaleSun <= kSunLow) {
    fScaleSunScaler = kSunGrow;
  }
  DriftRow(fGreatCloudx, kLowerRow);
  DriftRow(fGreatCloudx2, kUpperRow);
  DriftRow(fGreatCloudx3, kUpperRow2);
  for (const auto& cloud : Cloud) cloud->Move();
}

void TWindowTitle::DrawCustom() {
  const float w = fScreenWidth;
  if (iMode == TITLE_MODE_SPLASH) {
    DrawRect(0, 0, w, fScreenHeight);
    DrawImage(imgOstrakinSplash, w / 2, fScreenHeight / 2, 0);
    return;
  }
  DrawSky();
  if (iMode != TITLE_MODE_MENU) return;
  SetImageFont(fntProciono18);
  DrawHighlight(w / 2, kTitleMenuTop + kTitleMenuSpacing * iActiveMenu);
  DrawColumn(TEXT_BLACK, kTitleLabels, xAdjustment, kTitleMenuTop, kTitleMenuSpacing);
}

void TWindowTitle::DrawSky() {
  const float w = fScreenWidth;
  DrawImage(imgMainTitleSky, w / 2, 0, 0);
  SetScale(fScaleSun, 1);
  DrawImage(imgMainTitleSun, w / 2 + 167, 570, 0);
  SetScale(1, 1);
  // The upper rows are the same cloud turned over and seen through, so the sky reads deep.
  for (size_t i = 0; i < fGreatCloudx.size(); ++i) {
    DrawImage(imgMainTitleGreatCloud, fGreatCloudx[i], 350, 0);
    SetAlpha(0.7f);
    SetScale(-1, -0.9f);
    DrawImage(imgMainTitleGreatCloud, fGreatCloudx2[i], 280, 0);
    SetScale(-1, 0.9f);
    DrawImage(imgMainTitleGreatCloud, fGreatCloudx3[i], 280, 0);
    SetAlpha(1);
    SetScale(1, 1);
  }
  for (const auto& cloud : Cloud) cloud->Draw();
  DrawImage(imgMainTitleHills, w / 2, 300, 0);
  DrawImage(imgGameTitle, w / 2, 0, 0);
}

// ---- Options ------------------------------------------------------------------------------------

namespace {

constexpr float kOptionTop = 250;
constexpr float kOptionSpacing = 50;
constexpr int kDifficultyLevels = 3;
constexpr const char* kDifficultyLabels[kDifficultyLevels] = {
    "Difficulty: Easy", "Difficulty: Normal", "Difficulty: Hard"};

}  // namespace

const char* DifficultyLabel(int level) {
  return level >= 0 && level < kDifficultyLevels ? kDifficultyLabels[level] : "";
}

void TWindowOption::Init() {
  SetImageFont(fntProciono18);
  // The difficulty row is centred once, on the Normal label, whatever level it shows.
  const char* const measured[kOptionEntries] = {"Configure Keyboard", "Configure Gamepad",
                                                kDifficultyLabels[DIFFICULTY_NORMAL], "Exit"};
  MeasureColumn(measured, xAdjustment);
  SetDifficulty(DIFFICULTY_NORMAL);
}

void TWindowOption::ResetGameDataCustom() {
  iMode = 0;
  iActiveMenu = OPTION_KEYBOARD;
  iExecuteCode = -1;
  ResetHighlight();
}

void TWindowOption::MoveCustom() {
  MoveCursor(iActiveMenu, kOptionEntries);
  if (Pressed(ACTION_ATTACK)) {
    PlaySound(sndTVSelectPon);
    if (iActiveMenu == OPTION_DIFFICULTY) {
      // Normal, Hard, Easy and round again, at once and without leaving.
      SetDifficulty((iDifficulty + 1) % kDifficultyLevels);
    } else {
      iExecuteCode = iActiveMenu;
      bFade = 1;
    }
  }
  PulseHighlight();
}

void TWindowOption::DrawCustom() {
  if (iMode != 0) return;
  const float w = fScreenWidth;
  DrawImage(imgMenuBackdrop, fScreenWidth / 2, 0, 0);
  SetImageFont(fntProciono18);
  DrawHighlight(w / 2, kOptionTop + kOptionSpacing * iActiveMenu);
  const char* const labels[kOptionEntries] = {"Configure Keyboard", "Configure Gamepad",
                                              DifficultyLabel(iDifficulty), "Exit"};
  DrawColumn(TEXT_WHITE, labels, xAdjustment, kOptionTop, kOptionSpacing);
}

// ---- Credits ------------------------------------------------------------------------------------

namespace {

// Everything the player sees and hears was made by the game's own generator at build time.
// clang-format off
constexpr const char* kCreditText[kCreditLines] = {
  "PROGRAM",
  "Ostrakin",
  "GRAPHIC",
  "Ostrakin",
  "SOUND EFFECT",
  "Synthesised by Talvenne's own generator,",
  "which also paints every picture",
  "MUSIC",
  "Composed by the same generator",
};
constexpr float kCreditY[kCreditLines] = {50, 90, 200, 240, 350, 390, 430, 500, 540};
// clang-format on

}  // namespace

void TWindowCredit::Init() {
  SetImageFont(fntMincho23);
  MeasureColumn(kCreditText, xAdjustment);
}

void TWindowCredit::MoveCustom() {
  if (Pressed(ACTION_ATTACK)) bFade = 1;
}

void TWindowCredit::DrawCustom() {
  DrawImage(imgMenuBackdrop, fScreenWidth / 2, 0, 0);
  SetImageFont(fntMincho23);
  for (int k = 0; k < kCreditLines; ++k) {
    DrawShadowText(TEXT_WHITE, kCreditText[k], fScreenWidth / 2 - xAdjustment[k], kCreditY[k]);
  }
}
