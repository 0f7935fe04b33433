#pragma once
// Everything the game may use of the machine.

#include "platform/audio.h"     // IWYU pragma: export
#include "platform/graphics.h"  // IWYU pragma: export
#include "platform/system.h"    // IWYU pragma: export
