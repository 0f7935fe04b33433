// Every test runs without a display or a sound card, however the test binary is started, and
// with every character kind in the spawn table, as in the game.

#include <cstdlib>

#include "app/program.h"

namespace {

const bool kDriversChosen = [] {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  RegisterCharacterKinds();
  return true;
}();

}  // namespace
