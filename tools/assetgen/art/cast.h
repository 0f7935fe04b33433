#pragma once
// What the painters of people share: each kind's build and costume, and storyboards of key
// poses. A strip of n frames samples its keys evenly (looping strips wrap around), so one table
// serves kinds whose strips have different frame counts; a table with one key per frame is drawn
// exactly as written.

#include <algorithm>
#include <cmath>
#include <vector>

#include "art/art.h"
#include "art/skeleton.h"

namespace art {

struct Cast {
  Build build;
  Look look;
};
const Cast& CastOf(Kind kind);

enum Playback { kOnce, kLoop };

struct Board {
  Kind kind;
  Role role;
  Playback playback;
  std::vector<Pose> keys;
};

// The key pose under frame i of n.
template <typename T, typename BlendFn>
T Sample(const std::vector<T>& keys, Playback playback, int i, int n, BlendFn blend) {
  const int k = int(keys.size());
  if (k == 1) return keys[0];
  double t;
  if (playback == kLoop)
    t = double(i) * k / n;
  else
    t = n > 1 ? double(i) * (k - 1) / (n - 1) : 0.0;
  const int a = int(std::floor(t)) % k;
  const int b = playback == kLoop ? (a + 1) % k : std::min(a + 1, k - 1);
  return blend(keys[a], keys[b], t - std::floor(t));
}

// The table of a kind for a role, or else the one of the `shared` kind that serves every kind
// without its own; null when neither has one.
template <typename B>
const B* FindBoardIn(const std::vector<B>& boards, Kind kind, Role role, Kind shared) {
  const B* fallback = nullptr;
  for (const B& b : boards) {
    if (b.role != role) continue;
    if (b.kind == kind) return &b;
    if (b.kind == shared) fallback = &b;
  }
  return fallback;
}

// The dragon, the heroine riding it, the raiders in its saddle and the flying dragon.
bool IsMounted(Kind kind, Role role);
void PaintMounted(const Frame& f, Kind kind, Role role);

}  // namespace art
