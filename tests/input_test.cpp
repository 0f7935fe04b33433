// The action statuses of TGameInput: the four-state step, the stick rules and the two devices.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "input/game_input.h"
#include "platform/system.h"

namespace {

constexpr int kAttackKey = 88;  // X, the built-in Attack key
constexpr int kAttackButton = 0;

// Devices answer from `devices` for the whole test, whatever the back end.
class GameInputTest : public testing::Test {
 protected:
  void SetUp() override {
    OverrideDeviceState(&devices);
    input.Init(0, INPUT_BOTH);
    input.SetDefaultConfig();
  }
  void TearDown() override { OverrideDeviceState(nullptr); }

  void Stick(float x, float y) {
    devices.pads[0].connected = true;
    devices.pads[0].x = x;
    devices.pads[0].y = y;
  }
  void Button(int button, bool down) {
    devices.pads[0].connected = true;
    if (down)
      devices.pads[0].buttons |= 1u << button;
    else
      devices.pads[0].buttons &= ~(1u << button);
  }
  std::vector<int> Directions() const {
    return {input.GamepadStatus[ACTION_LEFT], input.GamepadStatus[ACTION_UP],
            input.GamepadStatus[ACTION_RIGHT], input.GamepadStatus[ACTION_DOWN]};
  }

  DeviceState devices;
  TGameInput input;
};

// ---- The status step ---------------------------------------------------------------------------

struct PressSequence {
  const char* name;
  std::vector<bool> down;     // the input in each poll
  std::vector<int> statuses;  // the status after each poll
};

// clang-format off
const PressSequence kPressSequences[] = {
    {"tap for one poll", {true, false, false}, {1, 3, 0}},
    {"hold, then let go", {true, true, true, false, false}, {1, 2, 2, 3, 0}},
    // Pressed again in the poll right after its release: stays released while held, no new
    // press until it has been up for one poll.
    {"re-press after release", {true, false, true, true, false, true, true}, {1, 3, 3, 3, 0, 1, 2}},
    {"never pressed", {false, false}, {0, 0}},
};
// clang-format on

TEST_F(GameInputTest, StatusesFollowThePressesOnBothDevices) {
  for (const int type : {INPUT_KEYBOARD, INPUT_GAMEPAD}) {
    for (const PressSequence& sequence : kPressSequences) {
      SCOPED_TRACE(std::string(sequence.name) + (type == INPUT_KEYBOARD ? " (keys)" : " (pad)"));
      input.Init(0, type);
      for (size_t poll = 0; poll < sequence.down.size(); ++poll) {
        devices.keys[kAttackKey] = type == INPUT_KEYBOARD && sequence.down[poll];
        Button(kAttackButton, type == INPUT_GAMEPAD && sequence.down[poll]);
        input.CheckInput();
        const int expected = sequence.statuses[poll];
        const auto& statuses = type == INPUT_KEYBOARD ? input.KeyboardStatus : input.GamepadStatus;
        EXPECT_EQ(statuses[ACTION_ATTACK], expected) << "poll " << poll;
        for (int kind = 0; kind <= 4; ++kind) {
          const int answer = kind >= 1 && kind <= 3 && kind == expected ? 1 : 0;
          EXPECT_EQ(input.ButtonPress(ACTION_ATTACK, kind), answer)
              << "poll " << poll << " kind " << kind;
          EXPECT_EQ(input.DirectionalButtonPress(ACTION_ATTACK, kind),
                    kind == INPUT_HELD ? type == INPUT_KEYBOARD && sequence.down[poll] : answer)
              << "poll " << poll << " kind " << kind;
        }
      }
    }
  }
}

TEST_F(GameInputTest, ResetGameDataClearsStatusesButKeepsBindings) {
  devices.keys[kAttackKey] = 1;
  Button(kAttackButton, true);
  input.CheckInput();
  const ActionArray keys = input.Keyboard;
  input.ResetGameData();
  EXPECT_EQ(input.KeyboardStatus, ActionArray{});
  EXPECT_EQ(input.GamepadStatus, ActionArray{});
  EXPECT_EQ(input.Keyboard, keys);
  // Still held, so the next poll starts over with a press.
  input.CheckInput();
  EXPECT_EQ(input.ButtonPress(ACTION_ATTACK, INPUT_PRESSED), 1);
}

// ---- The stick ---------------------------------------------------------------------------------

struct StickCase {
  const char* name;
  std::vector<std::pair<float, float>> positions;  // one per poll
  std::vector<int> left, up, right, down;          // status after each poll
};

const float kJustOut = std::nextafter(kStickThreshold, 1.0f);

// clang-format off
const StickCase kStickCases[] = {
    {"up-left counts only Left", {{-1, -1}, {-1, -1}, {0, 0}}, {1, 2, 3}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {"Up comes before Right", {{1, -1}}, {0}, {1}, {0}, {0}},
    {"Right comes before Down", {{1, 1}}, {0}, {0}, {1}, {0}},
    {"the bounds are inside the dead zone",
     {{-0.2f, 0}, {0.2f, 0}, {0, -0.2f}, {0, 0.2f}, {0.2f, 0.2f}},
     {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    {"just beyond the bounds",
     {{-kJustOut, 0}, {0, 0}, {0, -kJustOut}, {0, 0}, {kJustOut, 0}, {0, 0}, {0, kJustOut}},
     // A released direction goes back to 0 at the next rest, not when another is pushed.
     {1, 3, 3, 0, 0, 0, 0}, {0, 0, 1, 3, 3, 0, 0}, {0, 0, 0, 0, 1, 3, 3}, {0, 0, 0, 0, 0, 0, 1}},
    // Left is only released once the stick rests, even though Right took over.
    {"swung across without resting",
     {{-1, 0}, {-1, 0}, {1, 0}, {1, 0}, {0, 0}, {0, 0}},
     {1, 2, 2, 2, 3, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 1, 2, 3, 0}, {0, 0, 0, 0, 0, 0}},
    // Left is pushed again while it still reads released: it stays released.
    {"pushed again on release", {{-1, 0}, {0, 0}, {-1, 0}, {0, 0}, {-1, 0}},
     {1, 3, 3, 0, 1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
};
// clang-format on

TEST_F(GameInputTest, StickRulesTakeTheFirstDirectionAndRestInsideThreshold) {
  for (const int type : {INPUT_GAMEPAD, INPUT_BOTH}) {
    for (const StickCase& c : kStickCases) {
      SCOPED_TRACE(std::string(c.name) + (type == INPUT_BOTH ? " (both)" : " (pad)"));
      input.Init(0, type);
      for (size_t poll = 0; poll < c.positions.size(); ++poll) {
        Stick(c.positions[poll].first, c.positions[poll].second);
        input.CheckInput();
        EXPECT_EQ(Directions(),
                  (std::vector<int>{c.left[poll], c.up[poll], c.right[poll], c.down[poll]}))
            << "poll " << poll;
      }
    }
  }
}

TEST_F(GameInputTest, HeldDirectionsReadTheStickItself) {
  input.Init(0, INPUT_GAMEPAD);
  Stick(-1, -1);
  input.CheckInput();
  EXPECT_EQ(input.ButtonPress(ACTION_UP, INPUT_PRESSED), 0);
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_UP, INPUT_HELD), 1);
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_LEFT, INPUT_HELD), 1);
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_RIGHT, INPUT_HELD), 0);
  // Read now, not at the poll: the stick has moved since.
  Stick(0.2f, kJustOut);
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_LEFT, INPUT_HELD), 0);
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_RIGHT, INPUT_HELD), 0);
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_DOWN, INPUT_HELD), 1);
  // Only the four directions live on the stick.
  EXPECT_EQ(input.DirectionalButtonPress(ACTION_ATTACK, INPUT_HELD), 0);
}

TEST_F(GameInputTest, StickFollowsThePortOfThePlayer) {
  input.Init(1, INPUT_GAMEPAD);
  Stick(-1, 0);  // port 0
  input.CheckInput();
  EXPECT_EQ(input.GamepadStatus[ACTION_LEFT], 0);
  devices.pads[1] = PadState{true, 1u << kAttackButton, -1, 0};
  input.CheckInput();
  EXPECT_EQ(input.GamepadStatus[ACTION_LEFT], 1);
  EXPECT_EQ(input.GamepadStatus[ACTION_ATTACK], 1);
}

// ---- Devices together --------------------------------------------------------------------------

TEST_F(GameInputTest, EitherDeviceAnswersWhenBothAreOn) {
  Button(kAttackButton, true);
  input.CheckInput();
  input.CheckInput();  // held on the pad
  devices.keys[kAttackKey] = 1;
  input.CheckInput();  // pressed on the keyboard in the same frame
  EXPECT_EQ(input.ButtonPress(ACTION_ATTACK, INPUT_PRESSED), 1);
  EXPECT_EQ(input.ButtonPress(ACTION_ATTACK, INPUT_HELD), 1);
  EXPECT_EQ(input.ButtonPress(ACTION_ATTACK, INPUT_RELEASED), 0);
}

struct DeviceCase {
  int type;
  bool key, pad;  // what is down
  int pressed;    // ButtonPress(Attack, 1) after one poll
  int leftHeld;   // DirectionalButtonPress(Left, 2) with the same device(s) pushing left
};

TEST_F(GameInputTest, TypeChoosesTheDevices) {
  // clang-format off
  const DeviceCase cases[] = {
      // type            key    pad    pressed leftHeld
      {INPUT_KEYBOARD,   true,  false, 1,      1},
      {INPUT_KEYBOARD,   false, true,  0,      0},
      {INPUT_GAMEPAD,    true,  false, 0,      0},
      {INPUT_GAMEPAD,    false, true,  1,      1},
      {INPUT_BOTH,       true,  false, 1,      1},
      {INPUT_BOTH,       false, true,  1,      1},
      {3,                true,  true,  0,      0},  // polls both, but answers nothing
      {-1,               true,  true,  0,      0},
  };
  // clang-format on
  for (const DeviceCase& c : cases) {
    SCOPED_TRACE("type " + std::to_string(c.type) + (c.key ? " key" : "") + (c.pad ? " pad" : ""));
    input.Init(0, c.type);
    devices = DeviceState{};
    devices.keys[kAttackKey] = c.key;
    devices.keys[input.Keyboard[ACTION_LEFT]] = c.key;
    Button(kAttackButton, c.pad);
    Stick(c.pad ? -1.0f : 0.0f, 0);
    input.CheckInput();
    EXPECT_EQ(input.ButtonPress(ACTION_ATTACK, INPUT_PRESSED), c.pressed);
    EXPECT_EQ(input.DirectionalButtonPress(ACTION_LEFT, INPUT_PRESSED), c.pressed);
    EXPECT_EQ(input.DirectionalButtonPress(ACTION_LEFT, INPUT_HELD), c.leftHeld);
  }
}

TEST_F(GameInputTest, CodesThatNameNoKeyOrButtonNeverReadAsDown) {
  devices.keys.fill(1);
  devices.keys[0] = 0;  // no keyboard ever holds code 0
  devices.pads[0] = PadState{true, 0xFFFFFFFFu, 0, 0};
  const int32_t keys[] = {0, -1, 256, 1000, INT_MAX, INT_MIN, -88};
  const int32_t buttons[] = {-1, 32, 33, 1000, INT_MAX, INT_MIN, -31};
  for (int i = 0; i < kButtonActionCount; ++i) {
    input.Keyboard[i] = keys[i % std::size(keys)];
    input.Gamepad[i] = buttons[i % std::size(buttons)];
  }
  input.CheckInput();
  for (int i = 0; i < kButtonActionCount; ++i) {
    EXPECT_EQ(input.KeyboardStatus[i], INPUT_UP) << "key code " << input.Keyboard[i];
    EXPECT_EQ(input.GamepadStatus[i], INPUT_UP) << "button " << input.Gamepad[i];
    EXPECT_EQ(input.DirectionalButtonPress(i, INPUT_HELD), 0) << i;
  }
  // Out-of-range actions answer nothing either.
  for (const int index : {-1, kActionCount, 1000}) {
    EXPECT_EQ(input.ButtonPress(index, INPUT_PRESSED), 0);
    EXPECT_EQ(input.DirectionalButtonPress(index, INPUT_HELD), 0);
  }
}

TEST(GameInputDefaults, BuiltInTableLeavesPauseAndSpareKeysAlone) {
  TGameInput input;
  input.Keyboard.fill(-7);
  input.Gamepad.fill(-7);
  input.SetDefaultConfig();
  EXPECT_EQ(input.Gamepad, (ActionArray{0, 1, 2, 3, 9, 5, 6, 7, 8, 4, -7, -7, -7, -7}));
  EXPECT_EQ(input.Keyboard, (ActionArray{88, 90, 67, 13, -7, -7, -7, -7, 32, 13, 37, 38, 39, 40}));
}

}  // namespace
