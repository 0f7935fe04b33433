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

ChooserEnd RunScreenModeChooser(ScreenMode& chosen, const std::function<void()>& afterFirstFrame) {
  if (!OpenGraphics(320, 240, 0, 60, 0)) return ChooserEnd::NoWindow;
  SetWindowIcon(WindowIconName());
  // The close box, SIGTERM or SIGHUP end the program here as they would a game: a player who
  // closes the chooser wants no game window.
  int mode = 0;
  for (bool first = true; mode == 0; first = false) {
    Cls();
    for (int i = 0; i < 8; ++i) DrawText(kScreenModes[i].label, 0, 20.0f + i * 20);
    DrawText("Press 1-8 to proceed:", 0, 190);
    Flip(-1);
    if (first && afterFirstFrame) afterFirstFrame();
    if (AppTerminate()) return ChooserEnd::Closed;
    mode = HeldModeKey();
  }
  chosen = kScreenModes[mode - 1];
  return ChooserEnd::Chosen;
}
