#pragma once
// The building blocks every sound and piece of music is made from: oscillators, noise, filters,
// envelopes, a reverb, a limiter and a loudness meter. All of it is plain per-sample DSP with no
// hidden state shared between calls, so the same recipe always gives the same samples.

#include <cmath>
#include <cstdint>
#include <vector>

namespace audiogen {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kInvRate = 1.0 / kRate;

inline int Samples(double seconds) { return static_cast<int>(seconds * kRate + 0.5); }
float MidiToHz(float midi);
// tanh within 0.2% for the saturators, at a fraction of the cost of std::tanh.
inline float SoftClip(float x) {
  if (x > 3.0f) return 1.0f;
  if (x < -3.0f) return -1.0f;
  float x2 = x * x;
  return x * (27.0f + x2) / (27.0f + 9.0f * x2);
}
float DbToGain(float db);
float GainToDb(float gain);

// Small, fast and fully reproducible pseudo-random numbers (xorshift64*).
class Rng {
 public:
  explicit Rng(uint64_t seed);
  uint64_t Next();
  float Uniform();  // [0, 1)
  float Bipolar();  // [-1, 1)
  float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }

 private:
  uint64_t state_;
};

// Sine of a phase given in turns (1.0 = one cycle), from a table: the FM and additive voices call
// this millions of times, so it and the oscillators below are inline.
constexpr int kSineTableSize = 4096;
extern const float* const kSineTable;  // kSineTableSize + 1 entries, the last repeating the first
inline float SineTurns(double phase) {
  double p = (phase - std::floor(phase)) * kSineTableSize;
  int i = static_cast<int>(p);
  float frac = static_cast<float>(p - i);
  return kSineTable[i] + (kSineTable[i + 1] - kSineTable[i]) * frac;
}

// Band-limited saw and pulse (polyBLEP) with a running phase in turns.
class Oscillator {
 public:
  explicit Oscillator(double phase = 0.0) : phase_(phase) {}
  float Saw(double freq) {
    double dt = freq * kInvRate;
    double v = 2.0 * phase_ - 1.0 - Blep(phase_, dt);
    Advance(dt);
    return static_cast<float>(v);
  }
  float Pulse(double freq, float width) {
    double dt = freq * kInvRate;
    double second = phase_ + (1.0 - width);
    if (second >= 1.0) second -= 1.0;
    double v = (phase_ < width ? 1.0 : -1.0) + Blep(phase_, dt) - Blep(second, dt);
    Advance(dt);
    return static_cast<float>(v);
  }
  float Sine(double freq) {
    float v = SineTurns(phase_);
    Advance(freq * kInvRate);
    return v;
  }
  float Triangle(double freq) {
    double v = phase_ < 0.5 ? 4.0 * phase_ - 1.0 : 3.0 - 4.0 * phase_;
    Advance(freq * kInvRate);
    return static_cast<float>(v);
  }

 private:
  // The correction polyBLEP subtracts around a step of height 2 at phase 0.
  static double Blep(double t, double dt) {
    if (t < dt) {
      t /= dt;
      return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
      t = (t - 1.0) / dt;
      return t * t + t + t + 1.0;
    }
    return 0.0;
  }
  void Advance(double inc) {
    phase_ += inc;
    if (phase_ >= 1.0) phase_ -= std::floor(phase_);
  }
  double phase_;
};

// Robert Bristow-Johnson's biquads, transposed direct form II.
class Biquad {
 public:
  void Lowpass(double freq, double q);
  void Highpass(double freq, double q);
  void Bandpass(double freq, double q);  // 0 dB at the centre
  void Peak(double freq, double q, double gainDb);
  void HighShelf(double freq, double q, double gainDb);
  float Process(float x) {
    float y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return y;
  }
  void Reset() { z1_ = z2_ = 0.0f; }

 private:
  void Set(double b0, double b1, double b2, double a0, double a1, double a2);
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, z1_ = 0, z2_ = 0;
};

// A biquad whose cutoff moves: coefficients are recomputed every few samples, which is plenty for
// sweeps and cheap enough for every note of a piece.
class SweptFilter {
 public:
  enum class Kind { kLowpass, kHighpass, kBandpass };
  SweptFilter(Kind kind, double q) : kind_(kind), q_(q) {}
  float Process(float x, double freq) {
    if (countdown_-- <= 0) Retune(freq);
    return biquad_.Process(x);
  }

 private:
  void Retune(double freq);
  Kind kind_;
  double q_;
  Biquad biquad_;
  int countdown_ = 0;
};

// Attack-decay-sustain-release, advanced one sample per call. Attack is linear (seconds); decay
// and release are exponential with the given time constants, and the release ends in true
// silence once it has fallen 50 dB (about 5.75 time constants), well under anything else
// sounding by then.
class Adsr {
 public:
  Adsr(double attack, double decayTau, float sustain, double releaseTau);
  float Next() {
    switch (stage_) {
      case Stage::kAttack:
        level_ += attackStep_;
        if (level_ >= 1.0f) {
          level_ = 1.0f;
          stage_ = Stage::kDecay;
        }
        break;
      case Stage::kDecay:
        level_ = sustain_ + (level_ - sustain_) * decayCoef_;
        break;
      case Stage::kRelease:
        level_ *= releaseCoef_;
        if (level_ < 3.2e-3f) {
          level_ = 0.0f;
          stage_ = Stage::kDone;
        }
        break;
      case Stage::kDone:
        break;
    }
    return level_;
  }
  void Release();
  bool Done() const { return stage_ == Stage::kDone; }

 private:
  enum class Stage { kAttack, kDecay, kRelease, kDone };
  Stage stage_ = Stage::kAttack;
  float level_ = 0.0f;
  float attackStep_, decayCoef_, sustain_, releaseCoef_;
};

// exp(-t / tau) sampled at sample k, without calling exp per sample.
class Decay {
 public:
  explicit Decay(double tau)
      : coef_(static_cast<float>(tau > 0 ? std::exp(-1.0 / (tau * kRate)) : 0.0)) {}
  float Next() {
    float v = level_;
    level_ *= coef_;
    return v;
  }

 private:
  float coef_;
  float level_ = 1.0f;
};

// A stereo Freeverb-style room: eight damped combs and four allpasses per side.
class Reverb {
 public:
  Reverb(float roomSize, float damping, double preDelaySeconds = 0.0);
  void Process(float in, float* left, float* right);

 private:
  struct Comb {
    std::vector<float> buf;
    size_t pos = 0;
    float store = 0.0f;
  };
  struct Allpass {
    std::vector<float> buf;
    size_t pos = 0;
  };
  Comb combs_[2][8];
  Allpass allpasses_[2][4];
  std::vector<float> preDelay_;
  size_t preDelayPos_ = 0;
  float feedback_, damp_;
};

// A mono signal with a few helpers for assembling effects.
struct Sound {
  std::vector<float> s;
  explicit Sound(double seconds = 0.0) : s(static_cast<size_t>(Samples(seconds)), 0.0f) {}
  size_t size() const { return s.size(); }
  // Adds `other` scaled by `gain` starting at `atSeconds`, growing this sound if needed.
  void Mix(const Sound& other, double atSeconds = 0.0, float gain = 1.0f);
  void Scale(float gain);
  void FadeOut(double seconds);
};

// Adds a room to a mono sound; returns the mono sum of both reverb sides mixed with the dry sound.
Sound WithRoom(const Sound& dry, float wet, float roomSize, float damping, double tailSeconds);

// Peak magnitude over every channel.
float Peak(const std::vector<const std::vector<float>*>& channels);

// Look-ahead brick-wall limiter: no sample leaves above `ceiling`. Gain falls over the look-ahead
// and recovers over `release` seconds, so transients keep their shape.
void Limit(const std::vector<std::vector<float>*>& channels, float ceiling, double release = 0.08);

// K-weighted loudness in LUFS-like units, measured over sliding windows of `windowSeconds`
// (hop 10 ms). Max is the loudest window; integrated gates out windows 10 dB below the
// ungated mean and anything under -70, as broadcast meters do.
struct Loudness {
  float max = -100.0f;
  float integrated = -100.0f;
};
Loudness MeasureLoudness(const std::vector<const std::vector<float>*>& channels,
                         double windowSeconds);

// Sets flush-to-zero for the calling thread: reverb and filter tails would otherwise crawl
// through denormals.
void EnableFlushToZero();

}  // namespace audiogen
