// Gamepads as SDL itself delivers them: a virtual pad of SDL's own, plugged in, played, pulled
// out and plugged in again while a game runs on the real (sdl) back end.

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/log.h"
#include "tests/game_fixtures.h"

namespace {

class VirtualPadGame : public GameFixture {
 protected:
  // The sdl back end reads the machine's pads; the offscreen video driver still stands in for
  // the display (test_environment.cpp).
  static void SetUpTestSuite() {
    ShutdownPlatform();
    ASSERT_TRUE(InitPlatform(BackendKind::Sdl)) << PlatformError();
  }
  static void TearDownTestSuite() { ShutdownPlatform(); }

  void SetUp() override {
    GameFixture::SetUp();
    logPath_ = (std::filesystem::temp_directory_path() /
                ("talvenne-pads-" + std::to_string(getpid()) + ".log"))
                   .string();
    std::filesystem::remove(logPath_);
    ASSERT_TRUE(OpenLog(logPath_));
  }
  void TearDown() override {
    if (pad_) Pull();
    CloseLog();
    std::filesystem::remove(logPath_);
    GameFixture::TearDown();
  }

  void Plug() {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Virtual Test Pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();
    pad_ = SDL_JoystickOpen(index);
    ASSERT_NE(pad_, nullptr) << SDL_GetError();
  }
  // Pulled out as it is, whatever is held.
  void Pull() {
    const SDL_JoystickID instance = SDL_JoystickInstanceID(pad_);
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == instance) SDL_JoystickDetachVirtual(i);
    }
    SDL_JoystickClose(pad_);
    pad_ = nullptr;
  }
  void Stick(float x) {
    SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX, static_cast<Sint16>(x * 32767));
  }
  void Attack(bool down) {
    SDL_JoystickSetVirtualButton(pad_, SDL_CONTROLLER_BUTTON_A, down ? 1 : 0);
  }
  // How far she runs in `frames` frames.
  float Run(int frames) {
    const float from = Momo->x;
    Frames(frames);
    return Momo->x - from;
  }
  // The log's lines about pads, without the time of day each line starts with.
  std::vector<std::string> PadLogLines() const {
    std::ifstream in(logPath_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      const std::string text = line.substr(line.find(' ') + 1);
      if (text.starts_with("pad ")) lines.push_back(text);
    }
    return lines;
  }

  SDL_Joystick* pad_ = nullptr;
  std::string logPath_;
};

TEST_F(VirtualPadGame, APadPluggedInMidGamePlaysReadsReleasedWhenPulledAndPlaysAgain) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  OverrideDeviceState(nullptr);  // from here on the game reads the devices themselves
  EXPECT_EQ(Run(20), 0.0f);

  Plug();
  Stick(1);
  EXPECT_GT(Run(30), 0.0f) << "a pad plugged in mid-game plays";
  Stick(0);
  Frames(5);
  Attack(true);
  ASSERT_GT(
      FramesUntil([] { return Momo->iMode >= MOMO_STRIKE1 && Momo->iMode <= MOMO_STRIKE4; }, 10), 0)
      << "mode " << Momo->iMode;
  Stick(1);
  Frames(1);
  ASSERT_EQ(JoyDown(0, 0), 1);
  ASSERT_GT(JoyX(0), 0.9f);

  // Pulled out mid-combo, the button and the stick held: released and centred at once, before
  // the system's word that it went.
  Pull();
  EXPECT_EQ(JoyDown(0, 0), 0);
  EXPECT_EQ(JoyX(0), 0.0f);
  EXPECT_EQ(ReadDeviceState().pads[0], PadState{});
  ASSERT_GT(FramesUntil([] { return Momo->iMode == MODE_STANCE; }, 120), 0);
  EXPECT_EQ(Run(20), 0.0f) << "she stands: nothing holds the stick";

  Plug();
  Stick(1);
  EXPECT_GT(Run(30), 0.0f) << "plugged in again, it plays again";
  EXPECT_EQ(ReadDeviceState().pads[0].connected, true);

  const std::vector<std::string> expected = {
      "pad plugged in: Virtual Test Pad as pad 1",
      "pad pulled out: Virtual Test Pad as pad 1",
      "pad plugged in: Virtual Test Pad as pad 1",
  };
  EXPECT_EQ(PadLogLines(), expected);
}

}  // namespace
