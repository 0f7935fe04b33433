#pragma once
// Sound-making recipes shared by the effects and the music: swishes, thumps, cracks, metal,
// drums and FM tones. Each returns a mono Sound at unit-ish level; callers mix and scale.

#include <cstdint>
#include <initializer_list>

#include "synth.h"

namespace audiogen {

// Filtered noise whose band-pass centre travels start -> peak -> end while the level rises to
// its peak at `peakAt` (fraction of the length) and falls away: the air a blade cuts.
struct SwishParams {
  double seconds = 0.3;
  double peakAt = 0.35;
  float startHz = 500, peakHz = 2500, endHz = 900;
  float q = 2.0f;
  float whistle = 0.0f;  // level of a narrow band an octave and a half above, the blade's edge
  float body = 0.3f;     // level of a low, broad band under the swish
};
Sound Swish(const SwishParams& p, uint64_t seed);

// A sine whose pitch falls exponentially from `startHz` to `endHz`: kicks, thuds, bodies.
Sound Thump(float startHz, float endHz, double sweepTau, double decayTau, double seconds);

// Noise through a fixed filter with a short attack and an exponential decay.
enum class NoiseBand { kLow, kHigh, kBand };
Sound NoiseHit(NoiseBand band, float hz, float q, double attack, double decayTau, double seconds,
               uint64_t seed);

// Decaying inharmonic partials, each {ratio, level, decay time constant}: bells, blades, plates.
struct Partial {
  float ratio, level;
  double tau;
};
Sound Partials(float baseHz, std::initializer_list<Partial> partials, double seconds,
               uint64_t seed);

// Two-operator FM: carrier at `hz`, modulator at `hz * ratio`, index falling from `index` to
// `index * indexEnd` with time constant `indexTau`; amplitude by attack and decay.
struct FmParams {
  float ratio = 1.0f, index = 2.0f, indexEnd = 0.2f;
  double indexTau = 0.1, attack = 0.002, decayTau = 0.3, seconds = 0.6;
  float glideTo = 0.0f;  // 0: steady pitch; otherwise the pitch slides to this frequency
  double glideTau = 0.1;
};
Sound FmTone(float hz, const FmParams& p);

// Drum kit, velocity 0..1.
Sound Kick(float vel, uint64_t seed);
Sound Snare(float vel, uint64_t seed);
Sound HiHat(float vel, bool open, uint64_t seed);
Sound Crash(float vel, uint64_t seed);
Sound Tom(float hz, float vel, uint64_t seed);
Sound Taiko(float vel, uint64_t seed);
Sound Timpani(float hz, float vel, uint64_t seed);
Sound Shaker(float vel, uint64_t seed);

// Soft saturation with unity gain for small signals.
void Saturate(Sound* s, float drive);

}  // namespace audiogen
