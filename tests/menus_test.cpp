// The menus and overlays played through the manager as a player plays them: the splash and the
// title menu, the options with the difficulty, the key and pad configuration screens with their
// binding files, the pause and the back-to-title question.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <vector>

#include "audio_fixtures.h"
#include "game_fixtures.h"
#include "input/binding_files.h"
#include "platform/audio_internal.h"
#include "ui/config_windows.h"
#include "ui/overlays.h"
#include "ui/windows.h"
#include "world/assets.h"

namespace {

namespace fs = std::filesystem;

constexpr int kKeyUpArrow = 38;
constexpr int kKeyDownArrow = 40;
constexpr int kKeyA = 65;

using TitleTest = GameFixture;

TEST_F(TitleTest, TheSplashComesFirstDeafAndStillThenTheMenuFadesInWithItsMusic) {
  EXPECT_EQ(Title().iMode, TITLE_MODE_SPLASH);
  const float cloud = Title().fGreatCloudx[1];
  Frames(20);
  Tap(kKeyX);
  Tap(kKeyDownArrow);
  EXPECT_EQ(Title().iExecuteCode, -1);
  EXPECT_EQ(Title().iActiveMenu, TITLE_START);
  EXPECT_EQ(Title().fGreatCloudx[1], cloud);
  EXPECT_NE(BGMPlayer->iPlayingBGM, BGM_MAIN_TITLE);
  // The card stays until frame 75, fades out over 10 frames, and the menu fades in after it.
  const int toMenu = FramesUntil([this] { return Title().iMode == TITLE_MODE_MENU; }, 200);
  EXPECT_EQ(26 + toMenu, 85);
  EXPECT_EQ(Title().bFade, 0);
  EXPECT_EQ(BGMPlayer->iPlayingBGM, BGM_MAIN_TITLE);
  Frames(1);
  EXPECT_LT(Title().fGreatCloudx[1], cloud);
}

TEST_F(TitleTest, TheCursorWrapsRoundAndUpWinsOverDown) {
  ToTitleMenu();
  struct Step {
    std::vector<int> keys;  // pressed together
    int expected;
  };
  const Step steps[] = {
      {{kKeyUpArrow}, TITLE_EXIT},
      {{kKeyDownArrow}, TITLE_START},
      {{kKeyDownArrow}, TITLE_OPTION},
      {{kKeyUpArrow, kKeyDownArrow}, TITLE_START},
  };
  for (const Step& step : steps) {
    for (int key : step.keys) Key(key, true);
    Frames(2);
    for (int key : step.keys) Key(key, false);
    Frames(2);  // released, then seen up, so that it can be pressed again
    EXPECT_EQ(Title().iActiveMenu, step.expected);
  }
}

TEST_F(TitleTest, ExitIsReportedInTheFrameItIsConfirmed) {
  ToTitleMenu();
  Tap(kKeyUpArrow);
  Key(kKeyX, true);
  Frames(1);
  // The frame loop ends the program on this, without waiting for the fade.
  EXPECT_EQ(Title().iExecuteCode, TITLE_EXIT);
  EXPECT_LT(Title().fAlphaFade, 1);
}

TEST_F(TitleTest, TheManagerActsOnTheLastChoiceConfirmedDuringTheFadeOut) {
  ToTitleMenu();
  Tap(kKeyX);  // Start
  ASSERT_EQ(Title().bFade, 1);
  Tap(kKeyDownArrow);
  Key(kKeyX, true);  // Option, before the screen is black
  Frames(1);
  Key(kKeyX, false);
  ASSERT_LT(Title().fAlphaFade, 1);
  EXPECT_GT(FramesUntil([] { return Manager->iMode != MANAGER_TITLE; }, 20), 0);
  EXPECT_EQ(Manager->iMode, MANAGER_OPTIONS);
}

// From the title into the options, faded in.
class OptionsTest : public GameFixture {
 protected:
  TWindowOption& Options() { return static_cast<TWindowOption&>(*Manager->WindowOption); }
  void OpenOptions() {
    ToTitleMenu();
    Tap(kKeyDownArrow);
    Tap(kKeyX);
    ASSERT_GT(
        FramesUntil(
            [this] { return Manager->iMode == MANAGER_OPTIONS && Options().fAlphaFade <= 0; }, 60),
        0);
  }
  // A tap, then a frame up so that the same key can be pressed again.
  void Press(int code) {
    Tap(code);
    Frames(1);
  }
  void Choose(int item) {
    while (Options().iActiveMenu != item) Press(kKeyDownArrow);
    Press(kKeyX);
  }
};

TEST_F(OptionsTest, TheDifficultyItemSwitchesInPlaceAndComesBackAfterThree) {
  OpenOptions();
  EXPECT_EQ(iDifficulty, DIFFICULTY_NORMAL);
  struct Level {
    int difficulty;
    float stat, delay;
    int shift;
    const char* label;
  };
  const Level levels[] = {
      {DIFFICULTY_HARD, 1.2f, 0.5f, 1, "Difficulty: Hard"},
      {DIFFICULTY_EASY, 0.7f, 1.6f, -1, "Difficulty: Easy"},
      {DIFFICULTY_NORMAL, 1.0f, 1.0f, 0, "Difficulty: Normal"},
  };
  for (const Level& level : levels) {
    Choose(OPTION_DIFFICULTY);
    EXPECT_EQ(iDifficulty, level.difficulty);
    EXPECT_EQ(fEnemyStatFactor, level.stat);
    EXPECT_EQ(fEnemyDelayFactor, level.delay);
    EXPECT_EQ(iDifficultyShift, level.shift);
    EXPECT_STREQ(DifficultyLabel(iDifficulty), level.label);
    EXPECT_EQ(Options().bFade, 0);
    EXPECT_EQ(Options().iActiveMenu, OPTION_DIFFICULTY);
  }
  Frames(20);
  EXPECT_EQ(Manager->iMode, MANAGER_OPTIONS);
}

// A foe of the first wave that takes its hit points from the difficulty, as the enemy kinds do:
// a Saberman has 144 on Normal.
class ScaledSaberman : public StandInFoe {
 public:
  void ResetGameData() override {
    StandInFoe::ResetGameData();
    fHPMax = fHP = 144 * fEnemyStatFactor;
  }
};

TEST_F(OptionsTest, HardChosenInTheOptionsReachesTheFirstWave) {
  RegisterSpawn(16, [](int id) -> std::shared_ptr<TCharacter> {
    auto foe = std::make_shared<ScaledSaberman>();
    foe->iType = TYPE_SABERMAN;
    foe->Init(CODE_PLAYER_NONE, id);
    return foe;
  });
  OpenOptions();
  Choose(OPTION_DIFFICULTY);
  Choose(OPTION_EXIT);
  ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_TITLE; }, 30), 0);
  EnterFirstStage();
  const auto foes = Enemies();
  ASSERT_EQ(foes.size(), 2u);
  for (const auto& foe : foes) EXPECT_FLOAT_EQ(foe->fHP, 172.8f);
  EXPECT_EQ(iDifficultyShift + 2, 3);  // three may engage at once on Hard
}

// The configuration screens, in a folder of their own so that the binding files they write
// stay there.
class ConfigTest : public OptionsTest {
 protected:
  void SetUp() override {
    home_ = fs::current_path();
    folder_ = fs::temp_directory_path() /
              ("talvenne_config_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
    fs::create_directories(folder_);
    fs::current_path(folder_);
    GameFixture::SetUp();
  }
  void TearDown() override {
    GameFixture::TearDown();
    fs::current_path(home_);
    fs::remove_all(folder_);
  }

  TWindowConfigKey& KeyScreen() {
    return static_cast<TWindowConfigKey&>(*Manager->WindowConfigKey);
  }
  TWindowConfigPad& PadScreen() {
    return static_cast<TWindowConfigPad&>(*Manager->WindowConfigPad);
  }
  // Opens a configuration screen with Attack still held from choosing it.
  void OpenConfig(int item, int mode) {
    OpenOptions();
    while (Options().iActiveMenu != item) Press(kKeyDownArrow);
    Key(kKeyX, true);
    ASSERT_GT(FramesUntil([mode] { return Manager->iMode == mode; }, 30), 0);
  }
  void PressButton(int button) {
    devices.pads[0].connected = true;
    devices.pads[0].buttons |= 1u << button;
    Frames(2);
    devices.pads[0].buttons &= ~(1u << button);
    Frames(1);
  }
  static std::vector<int32_t> FileInts(const char* name, size_t count) {
    std::vector<int32_t> values(count, -1);
    std::string why;
    if (ReadBindingFile(name, values, why) != BindingFileRead::Read) values.clear();
    return values;
  }

  fs::path home_, folder_;
};

TEST_F(ConfigTest, TheKeyThatChoseTheScreenMustBeLetGoAndPressedAgain) {
  OpenConfig(OPTION_KEYBOARD, MANAGER_KEY_CONFIG);
  Frames(5);
  EXPECT_EQ(KeyScreen().iCurrentKey, ACTION_LEFT);
  Key(kKeyX, false);
  Frames(1);
  Press(kKeyX);
  EXPECT_EQ(KeyScreen().iCurrentKey, ACTION_UP);
  EXPECT_EQ(GameInput[0]->Keyboard[ACTION_LEFT], kKeyX);
}

TEST_F(ConfigTest, ADuplicateIsRefusedWithTheWarningOnEveryRow) {
  OpenConfig(OPTION_KEYBOARD, MANAGER_KEY_CONFIG);
  Key(kKeyX, false);
  Press(kKeyA);  // Left
  // A on every later row, Pause included, is refused: 60 frames of warning, nothing bound.
  const int laterRows[] = {ACTION_UP,    ACTION_RIGHT, ACTION_DOWN, ACTION_ATTACK,
                           ACTION_MAGIC, ACTION_JUMP,  ACTION_DASH, ACTION_PAUSE};
  int next = 'B';
  for (int action : laterRows) {
    SCOPED_TRACE(action);
    ASSERT_EQ(KeyScreen().iCurrentKey, action);
    const auto before = GameInput[0]->Keyboard;
    Key(kKeyA, true);
    Frames(1);
    EXPECT_STREQ(KeyScreen().Notice(), kDuplicateWarning);
    const int shown = 1 + FramesUntil([this] { return KeyScreen().Notice() == nullptr; }, 100);
    EXPECT_EQ(shown, kWarningFrames);
    Key(kKeyA, false);
    Frames(1);
    EXPECT_EQ(KeyScreen().iCurrentKey, action);
    EXPECT_EQ(GameInput[0]->Keyboard, before);
    Press(next++);  // a fresh key binds the row
  }
  EXPECT_EQ(KeyScreen().iCurrentKey, kConfigDone);
  EXPECT_STREQ(KeyScreen().Notice(), kSavingNotice);
}

TEST_F(ConfigTest, TwoNewKeysInOneFrameBindTheLowerAndTheOtherWaitsForItsRelease) {
  OpenConfig(OPTION_KEYBOARD, MANAGER_KEY_CONFIG);
  Key(kKeyX, false);
  Frames(1);
  Key('D', true);
  Key('C', true);
  Frames(1);
  EXPECT_EQ(GameInput[0]->Keyboard[ACTION_LEFT], 'C');
  Key('C', false);
  Frames(10);  // D still held
  EXPECT_EQ(KeyScreen().iCurrentKey, ACTION_UP);
  Key('D', false);
  Frames(1);
  Press('D');
  EXPECT_EQ(GameInput[0]->Keyboard[ACTION_UP], 'D');
}

TEST_F(ConfigTest, AFullRebindingIsWrittenAfter120FramesAndDrivesHerAtTheNextStart) {
  bindingFiles = true;
  for (int spare = 5; spare <= 9; ++spare) GameInput[0]->Keyboard[spare] = 200 + spare;
  OpenConfig(OPTION_KEYBOARD, MANAGER_KEY_CONFIG);
  Key(kKeyX, false);
  // Left, Up, Right, Down, then Attack/Start, Magic, Jump, Dash, Pause; 112 (F1) has no name.
  const int newKeys[] = {'J', 'I', 'L', 'K', 'F', 'D', 'S', 'A', 112};
  for (int code : newKeys) Press(code);
  EXPECT_STREQ(KeyName(112), "");
  EXPECT_EQ(KeyScreen().iMode, 1);
  // The file is written on the 120th frame after the last binding (three of them have passed
  // in the press), then the screen fades out.
  fs::remove(kKeyBindingFile);
  ASSERT_EQ(FramesUntil([] { return fs::exists(kKeyBindingFile); }, 200), kSaveDelayFrames - 3);
  const std::vector<int32_t> expected = {'F', 'D', 'S', 'A', 112, 205, 206,
                                         207, 208, 209, 'J', 'I', 'L', 'K'};
  EXPECT_EQ(FileInts(kKeyBindingFile, kKeyBindingCount), expected);
  EXPECT_GT(FramesUntil([] { return Manager->iMode == MANAGER_OPTIONS; }, 20), 0);

  // The next start reads the file: F starts the game and L runs her right.
  GameFixture::TearDown();
  GameFixture::SetUp();
  EXPECT_EQ(GameInput[0]->Keyboard[ACTION_RIGHT], 'L');
  EnterFirstStage('F');
  const float x = Momo->x;
  Key('L', true);
  Frames(30);
  EXPECT_GT(Momo->x, x + 50);
}

TEST_F(ConfigTest, ThePadScreenBindsFiveButtonsAndWritesThem) {
  OpenConfig(OPTION_GAMEPAD, MANAGER_PAD_CONFIG);
  Key(kKeyX, false);
  PressButton(3);
  PressButton(3);  // refused for Magic
  EXPECT_EQ(PadScreen().iCurrentPad, ACTION_MAGIC);
  EXPECT_EQ(PadScreen().iWarningCounter, kWarningFrames - 3);
  for (int button : {2, 1, 0, 9}) PressButton(button);
  EXPECT_EQ(PadScreen().iCurrentPad, kConfigDone);
  fs::remove(kPadBindingFile);  // the defaults, written at start for want of one
  ASSERT_GT(FramesUntil([] { return fs::exists(kPadBindingFile); }, 200), 0);
  EXPECT_EQ(FileInts(kPadBindingFile, kPadBindingCount), (std::vector<int32_t>{3, 2, 1, 0, 9}));
  EXPECT_EQ(fs::file_size(kPadBindingFile), 20u);
}

// A keyboard-only player in the pad screen, a pad-only player in the key screen, anyone halfway
// through: Esc or the pad's back button leaves for the options, nothing saved or changed.
TEST_F(ConfigTest, EscOrTheBackButtonLeavesWithTheOldBindings) {
  struct Case {
    int item, mode;
    bool byPad;  // the back button, else Esc
    bool oneRowFirst;
  };
  const Case cases[] = {
      {OPTION_GAMEPAD, MANAGER_PAD_CONFIG, false, false},
      {OPTION_GAMEPAD, MANAGER_PAD_CONFIG, true, true},
      {OPTION_KEYBOARD, MANAGER_KEY_CONFIG, true, false},
      {OPTION_KEYBOARD, MANAGER_KEY_CONFIG, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + (c.byPad ? " back button" : " Esc") +
                 (c.oneRowFirst ? " after one row" : ""));
    GameFixture::TearDown();
    GameFixture::SetUp();
    const ActionArray keys = GameInput[0]->Keyboard;
    const ActionArray pad = GameInput[0]->Gamepad;
    fs::remove(kKeyBindingFile);
    fs::remove(kPadBindingFile);
    OpenConfig(c.item, c.mode);
    Key(kKeyX, false);
    Frames(1);
    if (c.oneRowFirst) {
      if (c.mode == MANAGER_PAD_CONFIG) {
        PressButton(3);
        ASSERT_EQ(GameInput[0]->Gamepad[ACTION_ATTACK], 3);
      } else {
        Press(kKeyA);
        ASSERT_EQ(GameInput[0]->Keyboard[ACTION_LEFT], kKeyA);
      }
    }
    if (c.byPad) {
      devices.pads[0].connected = true;
      devices.pads[0].buttons = 1u << kButtonCancel;
    } else {
      Key(kKeyEsc, true);
    }
    ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_OPTIONS; }, 30), 0);
    devices.pads[0] = PadState{};
    Key(kKeyEsc, false);
    EXPECT_EQ(GameInput[0]->Keyboard, keys);
    EXPECT_EQ(GameInput[0]->Gamepad, pad);
    EXPECT_FALSE(fs::exists(kKeyBindingFile));
    EXPECT_FALSE(fs::exists(kPadBindingFile));
  }
}

TEST_F(ConfigTest, EscHeldWhenTheScreenOpensMustBeLetGoFirst) {
  Key(kKeyEsc, true);
  OpenConfig(OPTION_KEYBOARD, MANAGER_KEY_CONFIG);
  Frames(5);
  EXPECT_EQ(Manager->iMode, MANAGER_KEY_CONFIG);
  Key(kKeyEsc, false);
  Frames(1);
  Key(kKeyEsc, true);
  EXPECT_GT(FramesUntil([] { return Manager->iMode == MANAGER_OPTIONS; }, 30), 0);
}

// A folder where the file cannot be written: the screen and standard error say so, and the new
// keys drive her for the rest of the run.
TEST_F(ConfigTest, ARebindingThatCannotBeSavedSaysSoAndHolds) {
  fs::remove(kKeyBindingFile);
  fs::create_directory(kKeyBindingFile);  // in the way of the file
  OpenConfig(OPTION_KEYBOARD, MANAGER_KEY_CONFIG);
  Key(kKeyX, false);
  const int newKeys[] = {'J', 'I', 'L', 'K', 'F', 'D', 'S', 'A', 'Q'};
  for (int code : newKeys) Press(code);
  testing::internal::CaptureStderr();
  const int frames = FramesUntil(
      [this] {
        const char* notice = KeyScreen().Notice();
        return notice && std::string_view(notice) != kSavingNotice;
      },
      200);
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_GT(frames, 0);
  EXPECT_STREQ(KeyScreen().Notice(), kNotSavedNotice);
  EXPECT_NE(said.find("not saved"), std::string::npos) << said;
  EXPECT_NE(said.find(kKeyBindingFile), std::string::npos) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  // The notice stays long enough to be read, then the screen fades back to the options.
  Frames(kSaveDelayFrames - 1);
  EXPECT_STREQ(KeyScreen().Notice(), kNotSavedNotice);
  ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_OPTIONS; }, 40), 0);
  EXPECT_TRUE(fs::is_directory(kKeyBindingFile));
  EXPECT_EQ(GameInput[0]->Keyboard[ACTION_RIGHT], 'L');
  EXPECT_EQ(GameInput[0]->Keyboard[ACTION_ATTACK], 'F');
}

TEST(KeyNames, NamedRangesAndGaps) {
  const std::pair<int, const char*> cases[] = {
      {8, "Backspace"}, {27, "Esc"}, {37, "Left"}, {48, "0"},  {57, "9"},  {65, "A"},
      {90, "Z"},        {96, "0"},   {105, "9"},   {106, "*"}, {190, "."}, {226, "\\"},
      {0, ""},          {108, ""},   {112, ""},    {255, ""},  {-1, ""},
  };
  for (const auto& [code, name] : cases) EXPECT_STREQ(KeyName(code), name) << code;
}

// ---- The overlays -------------------------------------------------------------------------------

using OverlayTest = GameFixture;

TEST_F(OverlayTest, EscOpensNothingWhileSheIsInactive) {
  StartGame();
  ASSERT_EQ(Momo->iMode, MODE_INACTIVE);
  Key(kKeyEsc, true);
  Frames(3);
  Key(kKeyEsc, false);
  Frames(1);
  EXPECT_EQ(Momo->IsESC(), 0);
  EXPECT_EQ(Manager->ESC->iStatus, 0);
}

// Released with Attack in the skill list, Pause pauses the fading list; one more press resumes
// it for good, although nothing polls the controls once the list fades.
TEST_F(OverlayTest, OnePressOfPauseResumesTheFadingSkillList) {
  StartGame();
  ASSERT_GT(FramesUntil([this] { return Segment().fAlphaFade <= 0; }, 60), 0);
  Key(kKeyX, true);
  Key(kKeyP, true);
  Frames(2);
  Key(kKeyX, false);
  Key(kKeyP, false);
  Frames(1);
  ASSERT_EQ(Momo->IsPaused(), 1);
  Frames(20);
  EXPECT_EQ(Momo->IsPaused(), 1) << "a paused game waits";
  Tap(kKeyP);
  EXPECT_EQ(Momo->IsPaused(), 0);
  EXPECT_GT(FramesUntil([] { return Manager->iStage == 1; }, 200), 0);
  EXPECT_EQ(Momo->IsPaused(), 0);
}

TEST_F(OverlayTest, ThePauseBeepsOnceAndBlinksEvery40Frames) {
  const fs::path beep = fs::temp_directory_path() / "talvenne_pause_beep.ogg";
  ASSERT_TRUE(WriteOggVorbis(beep, 22050, 1, SineTone(22050, 22050 * 4, 880, 0.3f)));
  sndTVbeep3 = LoadSound(beep.string(), 0);
  fs::remove(beep);
  ASSERT_TRUE(sndTVbeep3);
  RegisterStandInSoldiers();
  EnterFirstStage();
  const int voices = platform_detail::LiveVoiceCount();
  Tap(kKeyP);
  ASSERT_EQ(Momo->IsPaused(), 1);
  EXPECT_EQ(Manager->Pause->iStatus, 1);
  std::vector<int> shown;
  for (int frame = 0; frame < 120; ++frame) {
    shown.push_back(Manager->Pause->bVisible);
    Frames(1);
  }
  EXPECT_EQ(platform_detail::LiveVoiceCount(), voices + 1);
  // The word is off from the 40th paused frame and back on at the 80th.
  EXPECT_EQ(Manager->Pause->iDelayCounter, 120);
  for (int frame = 0; frame < 120; ++frame) {
    EXPECT_EQ(shown[frame], (frame / 40) % 2 == 0 ? 1 : 0) << frame;
  }
}

}  // namespace
