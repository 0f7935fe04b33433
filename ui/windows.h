#pragma once
// Full-screen menu windows: the title, the options and the credits. Every window runs the same
// frame cycle (a frame counter, one input poll, its own logic, a fade to and from black) and
// tells the manager what was chosen through iExecuteCode, fading to black first; the manager
// acts once the screen is black. Windows draw in screen coordinates.

#include <array>
#include <cstdint>
#include <memory>

class TWindow {
 public:
  virtual ~TWindow() = default;

  int32_t iDelayCounter = 0;  // frames, 1 .. 1200 and round again
  float fAlphaFade = 0;       // the black overlay: 0 clear .. 1 black
  int32_t bFade = 0;          // 0 towards clear, 1 towards black
  int32_t iMode = 0;
  int32_t iStatus = 0;
  int32_t iActiveMenu = 0;
  int32_t iExecuteCode = 0;  // the chosen entry; -1 for none

  virtual void Init() {}
  // Entering the window: it fades in from black.
  virtual void ResetGameData();
  virtual void ResetGameDataCustom() {}
  virtual void Move();
  virtual void MoveCustom() {}
  virtual void Draw();
  virtual void DrawCustom() {}
};

// A window with a menu: a pulsing highlight bar on the chosen row. The title, the options and
// the two configuration screens are such windows.
class TMenuWindow : public TWindow {
 public:
  float fHighlightAlpha = 0;
  float fHighlightAlphaModifier = 0;

 protected:
  void ResetHighlight();
  // One frame of the pulse between 0.6 and 1.
  void PulseHighlight();
  void DrawHighlight(float x, float y) const;
  // Up or Down pressed moves `active` among `count` rows, round the ends, with a beep; Up wins
  // when both come in one frame.
  static void MoveCursor(int32_t& active, int count);
};

// Half the width of `text` in the current font, as labels are centred.
float HalfTextWidth(const char* text);

// ---- The title ----------------------------------------------------------------------------------

// Entries of the title menu, as iExecuteCode reports them.
constexpr int TITLE_START = 0;
constexpr int TITLE_OPTION = 1;
constexpr int TITLE_CREDIT = 2;
constexpr int TITLE_EXIT = 3;  // the frame loop ends the program
constexpr int kTitleEntries = 4;

// Title window modes.
constexpr int TITLE_MODE_MENU = 1;
constexpr int TITLE_MODE_SPLASH = 2;  // the maker's card, once per run

// The small clouds of the title sky: each drifts up and to the left while it grows, and starts
// over once it has left the sky. TCloud1 to TCloud5 differ only in their numbers.
struct CloudKind;
class TCloud1 {
 public:
  virtual ~TCloud1() = default;

  float fScale = 0;
  float x = 0;
  float y = 0;
  float fAlpha = 0;

  virtual void ResetGameData();
  virtual void Move();
  virtual void Draw();

 protected:
  virtual const CloudKind& Kind() const;
};
class TCloud2 : public TCloud1 {
 protected:
  const CloudKind& Kind() const override;
};
class TCloud3 : public TCloud1 {
 protected:
  const CloudKind& Kind() const override;
};
class TCloud4 : public TCloud1 {
 protected:
  const CloudKind& Kind() const override;
};
class TCloud5 : public TCloud1 {
 protected:
  const CloudKind& Kind() const override;
};

// The title: the maker's splash at start, then the animated sky (pulsing sun, three rows of
// great clouds, five small clouds, hills, the logo) under the menu Start, Option, Credit, Exit.
// It reads the binding files when it is made and plays the title music.
class TWindowTitle : public TMenuWindow {
 public:
  void Init() override;
  void ResetGameDataCustom() override;
  void MoveCustom() override;
  void DrawCustom() override;
  virtual void ReadConfig();

  float fScaleSun = 0;
  float fScaleSunScaler = 0;
  std::array<float, 4> fGreatCloudx{};   // lower row
  std::array<float, 4> fGreatCloudx2{};  // first upper row
  std::array<float, 4> fGreatCloudx3{};  // second upper row
  std::array<std::shared_ptr<TCloud1>, 5> Cloud;
  std::array<float, kTitleEntries> xAdjustment{};

 private:
  void MoveMenu();
  void MoveSky();
  void DrawSky();
};

// ---- Options and credits ------------------------------------------------------------------------

// Entries of the options menu, as iExecuteCode reports them.
constexpr int OPTION_KEYBOARD = 0;
constexpr int OPTION_GAMEPAD = 1;
constexpr int OPTION_DIFFICULTY = 2;  // switches in place; the window stays
constexpr int OPTION_EXIT = 3;
constexpr int kOptionEntries = 4;

// The label of the difficulty item for a level, "Difficulty: Normal" and so on.
const char* DifficultyLabel(int level);

// Configure Keyboard, Configure Gamepad, the difficulty (Easy, Normal, Hard; not saved) and
// Exit. The difficulty starts at Normal when the window is made.
class TWindowOption : public TMenuWindow {
 public:
  void Init() override;
  void ResetGameDataCustom() override;
  void MoveCustom() override;
  void DrawCustom() override;

  std::array<float, kOptionEntries> xAdjustment{};
};

constexpr int kCreditLines = 9;

// A page of centred lines, left with Attack/Start.
class TWindowCredit : public TWindow {
 public:
  void Init() override;
  void MoveCustom() override;
  void DrawCustom() override;

  std::array<float, kCreditLines> xAdjustment{};
};
