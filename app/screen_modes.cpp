#include "app/screen_modes.h"

#include "platform/platform.h"
#include "world/assets.h"

namespace {
constexpr int kKeyOne = 49;  // the digit keys 1 to 8 are 49 to 56
}

int HeldModeKey() {
  for (int mode = 1; mode <= 8; ++mode) {
    if (KeyDown(kKeyOne + mode - 1)) return mode;
  }
  return 0;
}

bool RunScreenModeChooser(ScreenMode& chosen, const std::function<void()>& afterFirstFrame) {
  if (!OpenGraphics(320, 240, 0, 60, 0)) return false;
  SetWindowIcon(WindowIconName());
  // The chooser waits for a digit, whatever else happens: a close request stays pending for
  // the game window to answer.
  int mode = 0;
  for (bool first = true; mode == 0; first = false) {
    Cls();
    for (int i = 0; i < 8; ++i) DrawText(kScreenModes[i].label, 0, 20.0f + i * 20);
    DrawText("Press 1-8 to proceed:", 0, 190);
    Flip(-1);
    if (first && afterFirstFrame) afterFirstFrame();
    mode = HeldModeKey();
  }
  chosen = kScreenModes[mode - 1];
  return true;
}
