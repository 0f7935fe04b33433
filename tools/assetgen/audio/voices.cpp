#include "voices.h"

// Components are cut at a fixed length, so each ends on a short fade: a cut that is not silent
// clicks.

#include <algorithm>
#include <vector>

namespace audiogen {

Sound Swish(const SwishParams& p, uint64_t seed) {
  Rng rng(seed);
  Sound out(p.seconds);
  SweptFilter band(SweptFilter::Kind::kBandpass, p.q);
  SweptFilter edge(SweptFilter::Kind::kBandpass, 9.0);
  SweptFilter low(SweptFilter::Kind::kLowpass, 0.7);
  const size_t n = out.size();
  const double peak = std::max(0.05, p.peakAt);
  for (size_t i = 0; i < n; ++i) {
    double u = static_cast<double>(i) / static_cast<double>(n);
    double hz, level;
    if (u < peak) {
      double k = u / peak;
      hz = p.startHz * std::pow(p.peakHz / p.startHz, k * k);
      level = k * k * (3.0 - 2.0 * k);
    } else {
      double k = (u - peak) / (1.0 - peak);
      hz = p.peakHz * std::pow(p.endHz / p.peakHz, std::sqrt(k));
      level = std::exp(-4.5 * k) * (1.0 - k);
    }
    float white = rng.Bipolar();
    float v = band.Process(white, hz) * 1.6f;
    if (p.whistle > 0) v += edge.Process(white, hz * 2.8) * p.whistle * 3.0f;
    if (p.body > 0) v += low.Process(white, hz * 0.35) * p.body;
    out.s[i] = static_cast<float>(v * level);
  }
  return out;
}

Sound Thump(float startHz, float endHz, double sweepTau, double decayTau, double seconds) {
  Sound out(seconds);
  Decay sweep(sweepTau), amp(decayTau);
  double phase = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double hz = endHz + (startHz - endHz) * sweep.Next();
    out.s[i] = SineTurns(phase) * amp.Next();
    phase += hz / kRate;
  }
  // A few samples of fade-in keep the start from clicking harder than intended.
  for (size_t i = 0; i < std::min<size_t>(out.size(), 24); ++i) out.s[i] *= i / 24.0f;
  out.FadeOut(0.008);
  return out;
}

Sound NoiseHit(NoiseBand band, float hz, float q, double attack, double decayTau, double seconds,
               uint64_t seed) {
  Rng rng(seed);
  Sound out(seconds);
  Biquad f;
  switch (band) {
    case NoiseBand::kLow:
      f.Lowpass(hz, q);
      break;
    case NoiseBand::kHigh:
      f.Highpass(hz, q);
      break;
    case NoiseBand::kBand:
      f.Bandpass(hz, q);
      break;
  }
  Adsr env(attack, decayTau, 0.0f, decayTau);
  for (size_t i = 0; i < out.size(); ++i) out.s[i] = f.Process(rng.Bipolar()) * env.Next();
  out.FadeOut(0.008);
  return out;
}

Sound Partials(float baseHz, std::initializer_list<Partial> partials, double seconds,
               uint64_t seed) {
  Rng rng(seed);
  Sound out(seconds);
  for (const Partial& p : partials) {
    double phase = rng.Uniform();
    double inc = baseHz * p.ratio / kRate;
    if (baseHz * p.ratio > kRate * 0.45) continue;
    Decay env(p.tau);
    for (size_t i = 0; i < out.size(); ++i) {
      out.s[i] += SineTurns(phase) * env.Next() * p.level;
      phase += inc;
    }
  }
  for (size_t i = 0; i < std::min<size_t>(out.size(), 16); ++i) out.s[i] *= i / 16.0f;
  out.FadeOut(0.008);
  return out;
}

Sound FmTone(float hz, const FmParams& p) {
  Sound out(p.seconds);
  Decay indexEnv(p.indexTau), glide(p.glideTau);
  Adsr amp(p.attack, p.decayTau, 0.0f, p.decayTau);
  double cp = 0.0, mp = 0.0;
  for (size_t i = 0; i < out.size(); ++i) {
    double f = p.glideTo > 0 ? p.glideTo + (hz - p.glideTo) * glide.Next() : hz;
    float index = p.index * (p.indexEnd + (1.0f - p.indexEnd) * indexEnv.Next());
    float mod = SineTurns(mp) * index;
    out.s[i] = SineTurns(cp + mod / kTwoPi) * amp.Next();
    cp += f / kRate;
    mp += f * p.ratio / kRate;
  }
  out.FadeOut(0.008);
  return out;
}

Sound Kick(float vel, uint64_t seed) {
  Sound k = Thump(160.0f, 48.0f, 0.028, 0.22, 0.9);
  k.Mix(NoiseHit(NoiseBand::kBand, 3500.0f, 0.8f, 0.0005, 0.004, 0.03, seed), 0.0, 0.5f);
  Saturate(&k, 1.6f);
  k.Scale(vel);
  return k;
}

Sound Snare(float vel, uint64_t seed) {
  Sound s = Thump(260.0f, 185.0f, 0.02, 0.07, 0.35);
  s.Scale(0.55f);
  Sound rattle = NoiseHit(NoiseBand::kHigh, 1400.0f, 0.7f, 0.0008, 0.09, 0.35, seed);
  Biquad tone;
  tone.Peak(5200.0, 0.8, 5.0);
  for (float& v : rattle.s) v = tone.Process(v);
  s.Mix(rattle, 0.0, 0.85f);
  Saturate(&s, 1.3f);
  s.Scale(vel);
  return s;
}

namespace {
// Six detuned square waves: the metallic core of cymbals and hats.
Sound MetalNoise(double seconds, uint64_t seed) {
  static constexpr float kHz[6] = {205.3f, 304.4f, 369.6f, 522.7f, 540.0f, 800.0f};
  Rng rng(seed);
  Sound out(seconds);
  std::vector<Oscillator> osc;
  for (int i = 0; i < 6; ++i) osc.emplace_back(rng.Uniform());
  for (size_t i = 0; i < out.size(); ++i) {
    float v = 0.0f;
    for (int k = 0; k < 6; ++k) v += osc[k].Pulse(kHz[k] * 1.7f, 0.5f);
    out.s[i] = v * 0.15f + rng.Bipolar() * 0.35f;
  }
  return out;
}
}  // namespace

Sound HiHat(float vel, bool open, uint64_t seed) {
  double tau = open ? 0.16 : 0.022;
  Sound h = MetalNoise(open ? 0.8 : 0.15, seed);
  Biquad hp, bp;
  hp.Highpass(7000.0, 0.7);
  bp.Peak(10000.0, 1.0, 4.0);
  Adsr env(0.0005, tau, 0.0f, tau);
  for (float& v : h.s) v = bp.Process(hp.Process(v)) * env.Next();
  h.Scale(vel * 2.5f);
  return h;
}

Sound Crash(float vel, uint64_t seed) {
  Sound c = MetalNoise(3.0, seed);
  Biquad hp, hp2;
  hp.Highpass(4200.0, 0.7);
  hp2.Highpass(2500.0, 0.5);
  Adsr env(0.001, 0.7, 0.0f, 0.7);
  Decay fast(0.05);
  for (float& v : c.s) {
    float f = fast.Next();
    v = hp.Process(hp2.Process(v)) * env.Next() * (0.7f + 0.6f * f);
  }
  c.Scale(vel * 0.8f);
  return c;
}

Sound Tom(float hz, float vel, uint64_t seed) {
  Sound t = Thump(hz * 1.6f, hz, 0.04, 0.2, 0.9);
  t.Mix(NoiseHit(NoiseBand::kBand, hz * 6.0f, 1.0f, 0.0005, 0.03, 0.1, seed), 0.0, 0.25f);
  t.Scale(vel);
  return t;
}

Sound Taiko(float vel, uint64_t seed) {
  Sound t = Thump(110.0f, 58.0f, 0.05, 0.45, 2.0);
  t.Mix(Thump(220.0f, 150.0f, 0.03, 0.12, 0.4), 0.0, 0.25f);
  t.Mix(NoiseHit(NoiseBand::kLow, 900.0f, 0.7f, 0.001, 0.04, 0.2, seed), 0.0, 0.6f);
  Saturate(&t, 1.4f);
  t.Scale(vel);
  return t;
}

Sound Timpani(float hz, float vel, uint64_t seed) {
  Sound t = Partials(hz,
                     {{1.0f, 1.0f, 0.9},
                      {1.504f, 0.5f, 0.6},
                      {1.742f, 0.25f, 0.45},
                      {2.0f, 0.3f, 0.5},
                      {2.245f, 0.15f, 0.35},
                      {2.494f, 0.1f, 0.3}},
                     3.0, seed);
  t.Mix(NoiseHit(NoiseBand::kLow, 600.0f, 0.7f, 0.001, 0.03, 0.15, seed + 1), 0.0, 0.5f);
  t.Scale(vel * 0.8f);
  return t;
}

Sound Shaker(float vel, uint64_t seed) {
  Sound s = NoiseHit(NoiseBand::kBand, 7000.0f, 1.2f, 0.012, 0.035, 0.15, seed);
  s.Scale(vel * 3.2f);
  return s;
}

void Saturate(Sound* s, float drive) {
  for (float& v : s->s) v = SoftClip(v * drive) / drive;
}

}  // namespace audiogen
