#pragma once
// Start-up for the benchmarks that run the real manager: the headless platform, every picture and
// font, a 1366 x 768 window, the plane lines, the combo counter and the music player.

#include <memory>
#include <string>

#include "actors/combo_counter.h"
#include "audio/bgm_player.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

inline void OpenLoadedWorld() {
  InitPlatform(BackendKind::Headless);
  ResetGlobals();
  std::string failed;
  LoadImages(failed);
  fScreenWidth = 1366;
  fScreenHeight = 768;
  OpenGraphics(1366, 768, 0, 0, 0);
  LoadFonts(failed);
  ComputePlaneLines();
  ComboCounter = std::make_shared<TComboCounter>();
  BGMPlayer = std::make_shared<TBGMPlayer>();
  BGMPlayer->ResetGameData();
}
