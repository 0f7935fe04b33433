#pragma once
// The game's sound effects: one recipe per file, mono, mastered to a common loudness.

#include <string_view>
#include <vector>

#include "synth.h"

namespace audiogen {

struct EffectRecipe {
  const char* name;  // file name without ".ogg", as the game loads it
  Sound (*render)();
};

// Every effect, in the order the game loads them.
const std::vector<EffectRecipe>& EffectRecipes();

// Loudest 200 ms window every effect is brought to (LUFS-like, K-weighted).
constexpr float kEffectLoudness = -13.0f;
constexpr double kEffectLoudnessWindow = 0.2;
// Ceiling of the mastered samples, below the -1 dBFS promised after decoding to leave room for
// the codec's overshoot.
constexpr float kEffectCeilingDb = -1.8f;

// Renders a recipe and masters it: trims the silent end, removes DC, brings it to the common
// loudness and limits its peaks to `ceilingDb`.
std::vector<float> MakeEffect(const EffectRecipe& recipe, float ceilingDb = kEffectCeilingDb);

}  // namespace audiogen
