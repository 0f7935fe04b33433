#pragma once
// The four pieces of music. Each is written on a bar grid whose bars exactly fill its loop:
// the game restarts a piece after a fixed number of frames (60 per second) and lets the old
// copy's tail ring over the new start, so a piece is its loop plus a tail with no new notes.

#include <cstdint>
#include <vector>

#include "score.h"

namespace audiogen {

constexpr int64_t kSamplesPerFrame = kRate / 60;
constexpr int64_t LoopSamples(int frames) { return frames * kSamplesPerFrame; }

struct PieceRecipe {
  const char* name;  // file name without ".ogg"
  int loopFrames;    // where the game restarts it; a piece it plays to the end (CrypticIllusion)
                     // just has its music end there, before the tail
  double tailSeconds;
  float roomSize, damping;
  Score (*compose)();
};

// In the order the game loads them.
const std::vector<PieceRecipe>& PieceRecipes();

Score ComposeImpendingDanger();
Score ComposeBruteForce();
Score ComposeCrypticIllusion();
Score ComposeMainTitle();

// Loudness every piece is brought to (integrated, LUFS-like) and its sample ceiling.
constexpr float kMusicLoudness = -15.0f;
constexpr float kMusicCeilingDb = -1.8f;

struct RenderedPiece {
  Pcm pcm;  // the loop and its tail, at the common loudness, not yet limited
  double bpm = 0;
  int bars = 0;
};
RenderedPiece RenderPiece(const PieceRecipe& recipe);

// Limits a rendered piece to `ceilingDb` and fades its very end to silence.
Pcm MasterPiece(const RenderedPiece& piece, float ceilingDb = kMusicCeilingDb);

}  // namespace audiogen
