#include "synth.h"

#include <algorithm>
#include <array>
#include <deque>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace audiogen {

float MidiToHz(float midi) { return 440.0f * std::exp2((midi - 69.0f) / 12.0f); }
float DbToGain(float db) { return std::pow(10.0f, db / 20.0f); }
float GainToDb(float gain) { return gain > 1e-10f ? 20.0f * std::log10(gain) : -200.0f; }

Rng::Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {
  if (state_ == 0) state_ = 1;
}

uint64_t Rng::Next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 0x2545F4914F6CDD1Dull;
}

float Rng::Uniform() { return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f); }
float Rng::Bipolar() { return Uniform() * 2.0f - 1.0f; }

namespace {
const float* MakeSineTable() {
  static float table[kSineTableSize + 1];
  for (int i = 0; i <= kSineTableSize; ++i) {
    table[i] = static_cast<float>(std::sin(kTwoPi * i / kSineTableSize));
  }
  return table;
}
}  // namespace

const float* const kSineTable = MakeSineTable();

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
  b0_ = static_cast<float>(b0 / a0);
  b1_ = static_cast<float>(b1 / a0);
  b2_ = static_cast<float>(b2 / a0);
  a1_ = static_cast<float>(a1 / a0);
  a2_ = static_cast<float>(a2 / a0);
}

namespace {
struct Angle {
  double cosw, alpha;
};
Angle AngleOf(double freq, double q) {
  freq = std::clamp(freq, 10.0, kRate * 0.49);
  double w0 = kTwoPi * freq / kRate;
  return {std::cos(w0), std::sin(w0) / (2.0 * q)};
}
}  // namespace

void Biquad::Lowpass(double freq, double q) {
  auto [c, a] = AngleOf(freq, q);
  Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

void Biquad::Highpass(double freq, double q) {
  auto [c, a] = AngleOf(freq, q);
  Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

void Biquad::Bandpass(double freq, double q) {
  auto [c, a] = AngleOf(freq, q);
  Set(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

void Biquad::Peak(double freq, double q, double gainDb) {
  auto [c, a] = AngleOf(freq, q);
  double g = std::pow(10.0, gainDb / 40.0);
  Set(1 + a * g, -2 * c, 1 - a * g, 1 + a / g, -2 * c, 1 - a / g);
}

void Biquad::HighShelf(double freq, double q, double gainDb) {
  auto [c, a] = AngleOf(freq, q);
  double g = std::pow(10.0, gainDb / 40.0);
  double sq = 2 * std::sqrt(g) * a;
  Set(g * ((g + 1) + (g - 1) * c + sq), -2 * g * ((g - 1) + (g + 1) * c),
      g * ((g + 1) + (g - 1) * c - sq), (g + 1) - (g - 1) * c + sq, 2 * ((g - 1) - (g + 1) * c),
      (g + 1) - (g - 1) * c - sq);
}

void SweptFilter::Retune(double freq) {
  countdown_ = 15;
  switch (kind_) {
    case Kind::kLowpass:
      biquad_.Lowpass(freq, q_);
      break;
    case Kind::kHighpass:
      biquad_.Highpass(freq, q_);
      break;
    case Kind::kBandpass:
      biquad_.Bandpass(freq, q_);
      break;
  }
}

namespace {
float CoefFor(double tau) {
  return tau > 0 ? static_cast<float>(std::exp(-1.0 / (tau * kRate))) : 0.0f;
}
}  // namespace

Adsr::Adsr(double attack, double decayTau, float sustain, double releaseTau)
    : attackStep_(attack > 0 ? static_cast<float>(1.0 / (attack * kRate)) : 1.0f),
      decayCoef_(CoefFor(decayTau)),
      sustain_(sustain),
      releaseCoef_(CoefFor(releaseTau)) {}

void Adsr::Release() {
  if (stage_ != Stage::kDone) stage_ = Stage::kRelease;
}

Reverb::Reverb(float roomSize, float damping, double preDelaySeconds)
    : preDelay_(static_cast<size_t>(std::max(1, Samples(preDelaySeconds))), 0.0f),
      feedback_(roomSize * 0.28f + 0.7f),
      damp_(damping * 0.4f) {
  static constexpr int kCombs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
  static constexpr int kAllpasses[4] = {556, 441, 341, 225};
  constexpr int kSpread = 23;
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < 8; ++i) combs_[side][i].buf.assign(kCombs[i] + side * kSpread, 0.0f);
    for (int i = 0; i < 4; ++i)
      allpasses_[side][i].buf.assign(kAllpasses[i] + side * kSpread, 0.0f);
  }
}

void Reverb::Process(float in, float* left, float* right) {
  float delayed = preDelay_[preDelayPos_];
  preDelay_[preDelayPos_] = in;
  if (++preDelayPos_ == preDelay_.size()) preDelayPos_ = 0;
  float x = delayed * 0.015f;
  float* outs[2] = {left, right};
  for (int side = 0; side < 2; ++side) {
    float sum = 0.0f;
    for (Comb& c : combs_[side]) {
      float y = c.buf[c.pos];
      c.store = y * (1.0f - damp_) + c.store * damp_;
      c.buf[c.pos] = x + c.store * feedback_;
      if (++c.pos == c.buf.size()) c.pos = 0;
      sum += y;
    }
    for (Allpass& a : allpasses_[side]) {
      float b = a.buf[a.pos];
      a.buf[a.pos] = sum + b * 0.5f;
      if (++a.pos == a.buf.size()) a.pos = 0;
      sum = b - sum;
    }
    *outs[side] = sum;
  }
}

void Sound::Mix(const Sound& other, double atSeconds, float gain) {
  size_t at = static_cast<size_t>(Samples(atSeconds));
  if (s.size() < at + other.size()) s.resize(at + other.size(), 0.0f);
  for (size_t i = 0; i < other.size(); ++i) s[at + i] += other.s[i] * gain;
}

void Sound::Scale(float gain) {
  for (float& v : s) v *= gain;
}

void Sound::FadeOut(double seconds) {
  size_t n = std::min(s.size(), static_cast<size_t>(Samples(seconds)));
  for (size_t i = 0; i < n; ++i) {
    float t = static_cast<float>(i + 1) / static_cast<float>(n);
    s[s.size() - n + i] *= (1.0f - t) * (1.0f - t);
  }
}

Sound WithRoom(const Sound& dry, float wet, float roomSize, float damping, double tailSeconds) {
  Reverb room(roomSize, damping, 0.012);
  Sound out;
  out.s.assign(dry.size() + static_cast<size_t>(Samples(tailSeconds)), 0.0f);
  for (size_t i = 0; i < out.size(); ++i) {
    float x = i < dry.size() ? dry.s[i] : 0.0f;
    float l, r;
    room.Process(x, &l, &r);
    out.s[i] = x + wet * 0.5f * (l + r);
  }
  return out;
}

float Peak(const std::vector<const std::vector<float>*>& channels) {
  float peak = 0.0f;
  for (const auto* ch : channels) {
    for (float v : *ch) peak = std::max(peak, std::fabs(v));
  }
  return peak;
}

void Limit(const std::vector<std::vector<float>*>& channels, float ceiling, double release) {
  const size_t n = channels.front()->size();
  const size_t look = static_cast<size_t>(Samples(0.0015));
  const size_t ring = look + 1;
  // Streams with a delay of `look` samples: reading sample j settles the gain of sample
  // k = j - look, the minimum of what samples k..j need. Averaging that minimum over the
  // previous `look` samples gives a smooth attack that still never exceeds what any sample in
  // reach requires.
  std::vector<float> need(ring, 1.0f), ahead(ring, 1.0f);
  std::deque<size_t> window;  // indices into `need`, their values increasing
  const float relCoef = CoefFor(release);
  double sum = 0.0;
  float gain = 1.0f;
  for (size_t j = 0; j < n + look; ++j) {
    float needed = 1.0f;
    for (const auto* ch : channels) {
      float a = j < n ? std::fabs((*ch)[j]) : 0.0f;
      if (a > ceiling) needed = std::min(needed, ceiling / a);
    }
    need[j % ring] = needed;
    while (!window.empty() && need[window.back() % ring] >= needed) window.pop_back();
    window.push_back(j);
    while (window.front() + look < j) window.pop_front();
    if (j < look) continue;
    const size_t k = j - look;
    const float min = need[window.front() % ring];
    sum += min;
    if (k > look) sum -= ahead[(k - look - 1) % ring];
    ahead[k % ring] = min;
    float avg = static_cast<float>(sum / static_cast<double>(std::min(k + 1, ring)));
    gain = std::min(avg, 1.0f - (1.0f - gain) * relCoef);
    for (auto* ch : channels) (*ch)[k] *= gain;
  }
}

Loudness MeasureLoudness(const std::vector<const std::vector<float>*>& channels,
                         double windowSeconds) {
  // K-weighted energy in 10 ms blocks; windows are runs of whole blocks.
  const size_t n = channels.front()->size();
  const size_t hop = static_cast<size_t>(Samples(0.01));
  std::vector<double> blocks((n + hop - 1) / hop, 0.0);
  for (const auto* ch : channels) {
    Biquad shelf, highpass;
    shelf.HighShelf(1681.97, 0.7071, 4.0);
    highpass.Highpass(38.13, 0.5003);
    for (size_t i = 0; i < n; ++i) {
      double y = highpass.Process(shelf.Process((*ch)[i]));
      blocks[i / hop] += y * y;
    }
  }
  const size_t span = std::max<size_t>(1, static_cast<size_t>(windowSeconds / 0.01 + 0.5));
  const double windowSamples = static_cast<double>(span * hop);
  std::vector<double> powers;
  double run = 0.0;
  for (size_t b = 0; b < blocks.size(); ++b) {
    run += blocks[b];
    if (b >= span) run -= blocks[b - span];
    if (b + 1 >= span || b + 1 == blocks.size()) powers.push_back(run / windowSamples);
  }
  auto lufs = [](double p) { return p > 1e-12 ? -0.691 + 10.0 * std::log10(p) : -120.0; };
  Loudness out;
  double maxPower = *std::max_element(powers.begin(), powers.end());
  out.max = static_cast<float>(lufs(maxPower));
  auto gatedMean = [&](double gate) {
    double sum = 0.0;
    int count = 0;
    for (double p : powers) {
      if (lufs(p) > gate) {
        sum += p;
        ++count;
      }
    }
    return count ? sum / count : 0.0;
  };
  double ungated = gatedMean(-70.0);
  out.integrated = static_cast<float>(lufs(gatedMean(std::max(-70.0, lufs(ungated) - 10.0))));
  return out;
}

void EnableFlushToZero() {
#if defined(__SSE__)
  _mm_setcsr(_mm_getcsr() | 0x8040);
#endif
}

}  // namespace audiogen
