// Every test runs without a display or a sound card, however the test binary is started.

#include <cstdlib>

namespace {

const bool kDriversChosen = [] {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  return true;
}();

}  // namespace
