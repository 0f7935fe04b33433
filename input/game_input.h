#pragma once
// The game's only view of the keyboard and the pad: each action is bound to a key code and a pad
// button, and every action keeps a four-state status per device that advances once per poll.

#include <array>
#include <cstdint>

// Action indices; the same index addresses all four arrays of TGameInput.
constexpr int ACTION_ATTACK = 0;  // also Start, and confirm in menus and overlays
constexpr int ACTION_MAGIC = 1;
constexpr int ACTION_JUMP = 2;
constexpr int ACTION_DASH = 3;  // dash, or switch plane
constexpr int ACTION_PAUSE = 4;
// 5 to 9 are spare actions: polled like the others, read by no game code.
constexpr int ACTION_LEFT = 10;
constexpr int ACTION_UP = 11;
constexpr int ACTION_RIGHT = 12;
constexpr int ACTION_DOWN = 13;
constexpr int kActionCount = 14;
// Actions 0 to 9 are pad buttons; on the pad the four directions always come from the stick.
constexpr int kButtonActionCount = 10;
// The pad's back button, bound to no action: it does what Esc does (leaves a configuration
// screen, asks whether to go back to the title).
constexpr int kPadBackButton = 6;

// Status of one action on one device, and the `kind` a query asks about.
constexpr int INPUT_UP = 0;
constexpr int INPUT_PRESSED = 1;   // went down in this poll
constexpr int INPUT_HELD = 2;      // still down
constexpr int INPUT_RELEASED = 3;  // went up in this poll (stays 3 while pressed again)

// iType: which devices a poll and a query look at.
constexpr int INPUT_KEYBOARD = 0;
constexpr int INPUT_GAMEPAD = 1;
constexpr int INPUT_BOTH = 2;

// The stick must leave -0.2 .. 0.2 (bounds included) to count as a direction.
constexpr float kStickThreshold = 0.2f;

using ActionArray = std::array<int32_t, kActionCount>;

// One status step: the status an action moves to from `status` in a poll where its input is
// `down` (or up).
int32_t NextInputStatus(int32_t status, bool down);

class TGameInput {
 public:
  ActionArray Gamepad{};         // pad button bound to each action (10 to 13 unused)
  ActionArray GamepadStatus{};   // status of each action as seen on the pad
  ActionArray Keyboard{};        // key code bound to each action
  ActionArray KeyboardStatus{};  // status of each action as seen on the keyboard
  int32_t iCodePlayer = 0;       // pad port
  int32_t iType = INPUT_KEYBOARD;
  uint32_t pollCount = 0;  // polls so far: tells one poll's statuses from the next one's

  void Init(int codePlayer, int type);
  // Clears every status; the bindings stay.
  void ResetGameData();
  // The built-in bindings: Gamepad 0 to 9, Keyboard 0 to 3 and 8 to 13. Keyboard 4 to 7 (Pause
  // and three spares) keep what they hold.
  void SetDefaultConfig();

  // The per-frame poll; exactly one per frame, before that frame's queries.
  void CheckInput();
  void CheckKeyboard();
  void CheckGamepad();
  void CheckBoth();

  // 1 when the action's status equals `kind` (1 pressed, 2 held, 3 released) on the device(s)
  // of iType, else 0.
  int ButtonPress(int index, int kind) const;
  // As ButtonPress, except that "held" reads the devices right now: the stick for the pad,
  // the bound key for the keyboard.
  int DirectionalButtonPress(int index, int kind) const;
  // 1 when the action was released in the last poll and the caller has not been told of that
  // poll yet (`seen` keeps the poll it was last told of), else 0. On frames where nothing polls,
  // the last poll's statuses stay; a toggle must not flip again on each of them.
  int ReleasedInNewPoll(int index, uint32_t& seen) const;

  // Dumps Gamepad 0 to 9 and Keyboard 0 to 13 to "test.con" (a debugging aid; never read).
  bool WriteConfig() const;

 private:
  void StepKeyboard(int index);
  void StepGamepadButton(int index);
  void StepStick();
  bool KeyboardHeld(int index) const;
  bool StickHeld(int index) const;
};
