#pragma once
// The eight screen modes and the small window that lets the player pick one.

#include <array>
#include <functional>

struct ScreenMode {
  const char* label;  // as the chooser draws it
  int width;
  int height;
  bool fullScreen;
};

// clang-format off
constexpr std::array<ScreenMode, 8> kScreenModes = {{
  // label                      width  height  full screen
  {"(1)1024x768 Windowed",      1024,  768,    false},
  {"(2)1280x768 Windowed",      1280,  768,    false},
  {"(3)1280x720 Windowed",      1280,  720,    false},
  {"(4)1366x768 Windowed",      1366,  768,    false},
  {"(5)1024x768 Fullscreen",    1024,  768,    true},
  {"(6)1280x768 Fullscreen",    1280,  768,    true},
  {"(7)1280x720 Fullscreen",    1280,  720,    true},
  {"(8)1366x768 Fullscreen",    1366,  768,    true},
}};
// clang-format on

// The mode of the lowest digit key 1 to 8 held now, 0 when none is.
int HeldModeKey();

enum class ChooserEnd {
  Chosen,    // a digit key chose the mode
  Closed,    // a close request or a signal asked the program to end instead
  NoWindow,  // the chooser window could not be opened (PlatformError() says why)
};

// Opens the 320 x 240 chooser window and waits for a digit key 1 to 8, calling
// afterFirstFrame once its first frame is shown.
ChooserEnd RunScreenModeChooser(ScreenMode& chosen,
                                const std::function<void()>& afterFirstFrame = {});
