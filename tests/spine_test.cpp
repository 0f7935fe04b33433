// The program's spine: planes, the screen-mode chooser, shadowed text and the small helpers.

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>

#include "app/command_line.h"
#include "app/screen_modes.h"
#include "platform/platform.h"
#include "tests/test_support.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {

TEST(Planes, GroundLinesFollowTheScreenHeight) {
  for (const auto& [height, back, middle, front] :
       {std::tuple{768.0f, 618.0f, 663.0f, 708.0f}, std::tuple{720.0f, 570.0f, 615.0f, 660.0f}}) {
    fScreenHeight = height;
    ComputePlaneLines();
    EXPECT_EQ(fPlaneY[0], back);
    EXPECT_EQ(fPlaneY[2], middle);
    EXPECT_EQ(fPlaneY[4], front);
    EXPECT_EQ(fPlaneY[1], 0);
    EXPECT_EQ(fPlaneY[3], 0);
  }
  ResetGlobals();
}

class Chooser : public HeadlessWindow {};

TEST_F(Chooser, LowestHeldDigitWins) {
  struct Case {
    std::vector<int> held;
    int mode;
  };
  const Case cases[] = {
      {{50, 55}, 2},  // 2 and 7 together
      {{56}, 8},
      {{55, 49}, 1},
      {{57, 48, 13}, 0},  // 9, 0 and Enter choose nothing
  };
  for (const Case& c : cases) {
    headless::ReleaseAll();
    for (int key : c.held) headless::SetKey(key, true);
    EXPECT_EQ(HeldModeKey(), c.mode);
  }
  headless::ReleaseAll();
}

TEST_F(Chooser, ModeFourOpensTheWideScreen) {
  // Opening the chooser window releases every key, so the digit comes from a device record.
  DeviceState held;
  held.keys[52] = 1;
  OverrideDeviceState(&held);
  ScreenMode mode{};
  ASSERT_EQ(RunScreenModeChooser(mode), ChooserEnd::Chosen);
  OverrideDeviceState(nullptr);
  EXPECT_EQ(mode.width, 1366);
  EXPECT_EQ(mode.height, 768);
  EXPECT_FALSE(mode.fullScreen);
  EXPECT_STREQ(mode.label, "(4)1366x768 Windowed");
  EXPECT_EQ(GraphicsWidth(), 320);
  EXPECT_EQ(GraphicsHeight(), 240);
  // The labels were drawn with the built-in font in white.
  EXPECT_GT(CountLit(ReadBack()), 200);
}

TEST_F(Chooser, EveryLabelNamesItsModesSize) {
  for (int i = 0; i < 8; ++i) {
    const ScreenMode& mode = kScreenModes[i];
    const std::string size = std::to_string(mode.width) + "x" + std::to_string(mode.height);
    const std::string label = mode.label;
    EXPECT_EQ(label.substr(0, 3), "(" + std::to_string(i + 1) + ")");
    EXPECT_NE(label.find(size), std::string::npos) << label;
    EXPECT_NE(label.find(mode.fullScreen ? "Fullscreen" : "Windowed"), std::string::npos) << label;
  }
}

// With no digit ever pressed, a close request or a terminating signal still ends the chooser.
TEST_F(Chooser, CloseRequestAndSignalsEndIt) {
  const std::function<void()> asks[] = {
      [] { headless::RequestClose(); },
      [] { std::raise(SIGTERM); },
      [] { std::raise(SIGHUP); },
  };
  for (const auto& ask : asks) {
    ScreenMode mode{};
    int frames = 0;
    EXPECT_EQ(RunScreenModeChooser(mode,
                                   [&] {
                                     ++frames;
                                     ask();
                                   }),
              ChooserEnd::Closed);
    EXPECT_EQ(frames, 1);
    EXPECT_EQ(AppTerminate(), 0) << "the request was answered";
  }
}

TEST_F(Chooser, ShadowTextColoursAndLeavesWhite) {
  OpenWindow(200, 60);
  SetBlend(ALPHABLEND);
  SetColor(10, 20, 30);
  DrawShadowText(7, "I", 10, 10);
  EXPECT_EQ(GraphicsState().color_red, 255);
  EXPECT_EQ(GraphicsState().color_green, 255);
  EXPECT_EQ(GraphicsState().color_blue, 255);
  // The built-in I has a vertical bar in column 3 of its cell; the shadow lies one pixel
  // right and down of the text.
  const Picture picture = ReadBack();
  ExpectNear(picture.At(10 + 3, 10 + 6), Rgb{0, 0, 255});
  ExpectNear(picture.At(10 + 4, 10 + 7), Rgb{100, 100, 100});
}

TEST(Helpers, RadiusIsStrictAndBackstabStopsAtSkills) {
  EXPECT_EQ(IsWithinRadius(0, 0, 3, 4, 5), 0);
  EXPECT_EQ(IsWithinRadius(0, 0, 3, 4, 5.001f), 1);
  EXPECT_EQ(IsWithinRadius(10, 10, 10, 10, 0.5f), 1);
  EXPECT_EQ(IsBackstabAttack(49), 1);
  EXPECT_EQ(IsBackstabAttack(50), 0);
  EXPECT_EQ(IsBackstabAttack(0), 1);
}

TEST(CommandLineFlags, ValuesAndErrors) {
  auto parse = [](std::vector<const char*> args, CommandLine& options, std::string& error) {
    args.insert(args.begin(), "talvenne");
    return ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()), options,
                            error);
  };
  CommandLine options;
  std::string error;
  ASSERT_TRUE(parse({"--headless", "--frames", "60", "--screenshot", "59:out.png", "--seed", "-5"},
                    options, error));
  EXPECT_EQ(options.mode, 1) << "headless without --mode uses mode 1";
  EXPECT_EQ(options.frames, 60);
  EXPECT_EQ(options.seed, -5);
  ASSERT_EQ(options.screenshots.size(), 1u);
  EXPECT_EQ(options.screenshots[0].frame, 59);
  EXPECT_EQ(options.screenshots[0].path, "out.png");
  EXPECT_FALSE(options.difficulty) << "the options screen's Normal unless asked";
  for (const auto& [word, level] : {std::pair{"easy", DIFFICULTY_EASY},
                                    {"normal", DIFFICULTY_NORMAL},
                                    {"hard", DIFFICULTY_HARD}}) {
    ASSERT_TRUE(parse({"--difficulty", word}, options, error)) << error;
    EXPECT_EQ(options.difficulty, level);
  }

  const std::vector<std::vector<const char*>> bad = {
      {"--bogus"},
      {"--mode"},
      {"--mode", "0"},
      {"--mode", "9"},
      {"--mode", "3x"},
      {"--frames", "-1"},
      {"--screenshot", "59"},
      {"--screenshot", "x:y.png"},
      {"--seed", ""},
      {"--difficulty"},
      {"--difficulty", "Hard"},
      {"--difficulty", ""},
      {"--difficulty", "hard", "--difficulty", "brutal"},
      {"--input", "a", "--replay", "b"},
  };
  for (const auto& args : bad) {
    CommandLine fresh;
    std::string message;
    EXPECT_FALSE(parse(args, fresh, message)) << args[0];
    EXPECT_FALSE(message.empty()) << args[0];
  }
}

// A trace is written like a recording: it may not name a file the run reads or writes besides.
TEST(CommandLineFlags, TraceNamesNoOtherFileOfTheRun) {
  const std::vector<std::vector<const char*>> clashes = {
      {"--replay", "r.rec", "--trace", "r.rec"},
      {"--input", "s.txt", "--trace", "./s.txt"},
      {"--record", "a.rec", "--trace", "a.rec"},
      {"--trace", "x.png", "--screenshot", "1:x.png"},
  };
  for (std::vector<const char*> args : clashes) {
    args.insert(args.begin(), "talvenne");
    CommandLine options;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                  options, error))
        << args[2];
    EXPECT_NE(error.find("--trace"), std::string::npos) << error;
    EXPECT_NE(error.find("name the same file"), std::string::npos) << error;
  }
}

}  // namespace
