#include "music.h"

#include <algorithm>

namespace audiogen {

const std::vector<PieceRecipe>& PieceRecipes() {
  // clang-format off
  static const std::vector<PieceRecipe> kPieces = {
      // name               loop (frames)  tail (s)  room   damping  composer
      {"ImpendingDanger",   7070,          4.0,      0.78f, 0.35f,   ComposeImpendingDanger},
      {"BruteForce",        6800,          4.0,      0.75f, 0.4f,    ComposeBruteForce},
      {"CrypticIllusion",   3900,          4.0,      0.9f,  0.3f,    ComposeCrypticIllusion},
      {"MainTitle",         4105,          4.5,      0.85f, 0.3f,    ComposeMainTitle},
  };
  // clang-format on
  return kPieces;
}

RenderedPiece RenderPiece(const PieceRecipe& recipe) {
  Score score = recipe.compose();
  RenderedPiece out;
  out.bpm = score.Bpm();
  out.bars = score.bars();
  out.pcm = score.Render(recipe.tailSeconds, recipe.roomSize, recipe.damping);
  const size_t loop = static_cast<size_t>(LoopSamples(recipe.loopFrames));
  for (auto& ch : out.pcm.channels) {
    Biquad dc;
    dc.Highpass(28.0, 0.7);
    for (float& v : ch) v = dc.Process(v);
  }
  // Loudness is that of the loop; the tail only rings out.
  std::vector<float> left(out.pcm.channels[0].begin(), out.pcm.channels[0].begin() + loop);
  std::vector<float> right(out.pcm.channels[1].begin(), out.pcm.channels[1].begin() + loop);
  float gain = DbToGain(kMusicLoudness - MeasureLoudness({&left, &right}, 0.4).integrated);
  for (auto& ch : out.pcm.channels) {
    for (float& v : ch) v *= gain;
  }
  return out;
}

Pcm MasterPiece(const RenderedPiece& piece, float ceilingDb) {
  Pcm pcm = piece.pcm;
  Limit({&pcm.channels[0], &pcm.channels[1]}, DbToGain(ceilingDb), 0.15);
  // The reverb has all but died by the end; make sure the last moment is true silence.
  const size_t fade = static_cast<size_t>(Samples(1.0));
  for (auto& ch : pcm.channels) {
    for (size_t i = 0; i < fade; ++i) {
      float t = static_cast<float>(i + 1) / static_cast<float>(fade);
      ch[ch.size() - fade + i] *= (1.0f - t) * (1.0f - t);
    }
  }
  return pcm;
}

}  // namespace audiogen
