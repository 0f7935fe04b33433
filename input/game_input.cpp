#include "input/game_input.h"

#include <algorithm>

#include "input/binding_files.h"
#include "platform/system.h"

namespace {

// clang-format off
// The built-in bindings; -1 leaves an entry as it is.
struct DefaultBinding { int32_t gamepad; int32_t keyboard; };
constexpr DefaultBinding kDefaultBindings[] = {
    // pad  key
    {  0,   88 },  // Attack/Start: X
    {  1,   90 },  // Magic: Z
    {  2,   67 },  // Jump: C
    {  3,   13 },  // Dash/Switch Plane: Enter
    {  9,   -1 },  // Pause: start button; the key is the player's (see ReadBindingFiles)
    {  5,   -1 },
    {  6,   -1 },
    {  7,   -1 },
    {  8,   32 },  // Space
    {  4,   13 },  // Enter
    { -1,   37 },  // Left
    { -1,   38 },  // Up
    { -1,   39 },  // Right
    { -1,   40 },  // Down
};
// clang-format on
static_assert(std::size(kDefaultBindings) == kActionCount);

bool ValidAction(int index) { return index >= 0 && index < kActionCount; }

}  // namespace

int32_t NextInputStatus(int32_t status, bool down) {
  switch (status) {
    case INPUT_UP:
      return down ? INPUT_PRESSED : INPUT_UP;
    case INPUT_PRESSED:
    case INPUT_HELD:
      return down ? INPUT_HELD : INPUT_RELEASED;
    case INPUT_RELEASED:
      // A press right after a release gives no new "pressed" until the input has been up once.
      return down ? INPUT_RELEASED : INPUT_UP;
    default:
      return status;
  }
}

void TGameInput::Init(int codePlayer, int type) {
  iCodePlayer = codePlayer;
  iType = type;
  ResetGameData();
}

void TGameInput::ResetGameData() {
  GamepadStatus.fill(INPUT_UP);
  KeyboardStatus.fill(INPUT_UP);
}

void TGameInput::SetDefaultConfig() {
  for (int i = 0; i < kActionCount; ++i) {
    if (kDefaultBindings[i].gamepad >= 0) Gamepad[i] = kDefaultBindings[i].gamepad;
    if (kDefaultBindings[i].keyboard >= 0) Keyboard[i] = kDefaultBindings[i].keyboard;
  }
}

// ---- Polling -----------------------------------------------------------------------------------

void TGameInput::CheckInput() {
  ++pollCount;
  if (iType == INPUT_GAMEPAD)
    CheckGamepad();
  else if (iType == INPUT_KEYBOARD)
    CheckKeyboard();
  else
    CheckBoth();
}

void TGameInput::StepKeyboard(int index) {
  KeyboardStatus[index] = NextInputStatus(KeyboardStatus[index], KeyDown(Keyboard[index]) != 0);
}

void TGameInput::StepGamepadButton(int index) {
  GamepadStatus[index] =
      NextInputStatus(GamepadStatus[index], JoyDown(Gamepad[index], iCodePlayer) != 0);
}

// The first direction the stick points to, in the order Left, Up, Right, Down, is the only one
// pressed in this poll; the others keep their status until the stick rests again, so a stick
// swung across without resting leaves the old direction held.
void TGameInput::StepStick() {
  const float x = JoyX(iCodePlayer);
  const float y = JoyY(iCodePlayer);
  int direction = -1;
  if (x < -kStickThreshold)
    direction = ACTION_LEFT;
  else if (y < -kStickThreshold)
    direction = ACTION_UP;
  else if (x > kStickThreshold)
    direction = ACTION_RIGHT;
  else if (y > kStickThreshold)
    direction = ACTION_DOWN;

  if (direction >= 0) {
    GamepadStatus[direction] = NextInputStatus(GamepadStatus[direction], true);
    return;
  }
  for (int i = ACTION_LEFT; i <= ACTION_DOWN; ++i) {
    GamepadStatus[i] = NextInputStatus(GamepadStatus[i], false);
  }
}

void TGameInput::CheckKeyboard() {
  for (int i = 0; i < kActionCount; ++i) StepKeyboard(i);
}

void TGameInput::CheckGamepad() {
  for (int i = 0; i < kButtonActionCount; ++i) StepGamepadButton(i);
  StepStick();
}

void TGameInput::CheckBoth() {
  for (int i = 0; i < kButtonActionCount; ++i) {
    StepKeyboard(i);
    StepGamepadButton(i);
  }
  for (int i = kButtonActionCount; i < kActionCount; ++i) StepKeyboard(i);
  StepStick();
}

// ---- Queries -----------------------------------------------------------------------------------

int TGameInput::ButtonPress(int index, int kind) const {
  if (!ValidAction(index) || kind < INPUT_PRESSED || kind > INPUT_RELEASED) return 0;
  const bool onKeyboard = KeyboardStatus[index] == kind;
  const bool onGamepad = GamepadStatus[index] == kind;
  switch (iType) {
    case INPUT_KEYBOARD:
      return onKeyboard ? 1 : 0;
    case INPUT_GAMEPAD:
      return onGamepad ? 1 : 0;
    case INPUT_BOTH:
      return onKeyboard || onGamepad ? 1 : 0;
    default:
      return 0;
  }
}

int TGameInput::ReleasedInNewPoll(int index, uint32_t& seen) const {
  if (seen == pollCount || !ButtonPress(index, INPUT_RELEASED)) return 0;
  seen = pollCount;
  return 1;
}

bool TGameInput::KeyboardHeld(int index) const { return KeyDown(Keyboard[index]) != 0; }

bool TGameInput::StickHeld(int index) const {
  switch (index) {
    case ACTION_LEFT:
      return JoyX(iCodePlayer) < -kStickThreshold;
    case ACTION_UP:
      return JoyY(iCodePlayer) < -kStickThreshold;
    case ACTION_RIGHT:
      return JoyX(iCodePlayer) > kStickThreshold;
    case ACTION_DOWN:
      return JoyY(iCodePlayer) > kStickThreshold;
    default:
      return false;
  }
}

int TGameInput::DirectionalButtonPress(int index, int kind) const {
  if (kind != INPUT_HELD) return ButtonPress(index, kind);
  if (!ValidAction(index)) return 0;
  switch (iType) {
    case INPUT_KEYBOARD:
      return KeyboardHeld(index) ? 1 : 0;
    case INPUT_GAMEPAD:
      return StickHeld(index) ? 1 : 0;
    case INPUT_BOTH:
      return StickHeld(index) || KeyboardHeld(index) ? 1 : 0;
    default:
      return 0;
  }
}

bool TGameInput::WriteConfig() const {
  std::array<int32_t, kButtonActionCount + kActionCount> values{};
  std::copy(Gamepad.begin(), Gamepad.begin() + kButtonActionCount, values.begin());
  std::copy(Keyboard.begin(), Keyboard.end(), values.begin() + kButtonActionCount);
  return WriteBindingFile(kDebugBindingFile, values);
}
