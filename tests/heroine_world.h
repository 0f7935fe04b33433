#pragma once
// The heroine alone on a stretch three screens wide, at Normal, reading the keyboard through her
// own TGameInput with the built-in bindings, her devices answering from `devices`: what the
// heroine's and the enemies' tests and benchmarks start from. The platform must be up; callers
// place her, fill her bars and seed the generator as their scene needs.

#include <memory>

#include "actors/combo_counter.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/globals.h"

inline void PlaceHeroineAlone(float width, float height, const DeviceState& devices) {
  ResetGlobals();
  fScreenWidth = width;
  fScreenHeight = height;
  ComputePlaneLines();
  SetDifficulty(DIFFICULTY_NORMAL);
  fStageLength = 3 * fScreenWidth;
  fScrollLimitX = fStageLength;
  ComboCounter = std::make_shared<TComboCounter>();
  OverrideDeviceState(&devices);
  GameInput.assign(1, std::make_shared<TGameInput>());
  GameInput[0]->Init(0, INPUT_KEYBOARD);
  GameInput[0]->SetDefaultConfig();
  Momo = std::make_shared<TMomo>();
  Momo->Init(0, 0);
  CharacterList.push_back(Momo);
  Momo->SetLive();
  Momo->ResetGameData();
}
