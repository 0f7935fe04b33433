// The instruments of the music: what one note of each voice sounds like.

#include <algorithm>

#include "score.h"
#include "voices.h"

namespace audiogen {

namespace {

// Oscillators into a low-pass whose cutoff follows the key, an envelope and the velocity.
struct Subtractive {
  int saws;  // detuned saws, spread over +-detune cents
  float detune;
  float pulse;     // pulse wave (width 0.35) level
  float sub;       // sine an octave down
  float sine;      // sine at pitch
  float noise;     // breath
  float keyTrack;  // cutoff = pitch * keyTrack + base, opened by the filter envelope
  float base;
  float envAmount;
  double fAttack, fDecay;
  float q;
  double attack, decayTau;
  float sustain;
  double releaseTau;
  float vibrato;  // cents
  double vibratoDelay;
  float drive;    // > 1 saturates after the filter
  bool fifths;    // plays root, fifth and octave: the power chord
  bool formants;  // sung vowel through three formant filters
};

// clang-format off
//                                  saws det  pulse sub  sine noise key  base  env  fAtt  fDec  q     att    dec   sus   rel   vib vDel  drive fifths formants
constexpr Subtractive kStrings    = {2, 9.0f, 0.0f, 0.0f, 0.0f, 0.0f, 2.0f, 700,  0.6f, 0.3,  1.0,  0.8f, 0.22,  0.8,  0.85f, 0.25, 12, 0.35, 1.0f, false, false};
constexpr Subtractive kPad        = {2, 14.f, 0.5f, 0.0f, 0.0f, 0.0f, 1.0f, 450,  1.0f, 0.8,  2.0,  1.2f, 0.6,   1.5,  0.8f,  0.6,  0,  0.0,  1.0f, false, false};
constexpr Subtractive kChoir      = {2, 12.f, 0.0f, 0.0f, 0.0f, 0.02f, 6.f, 2000, 0.0f, 0.1,  1.0,  0.7f, 0.3,   1.0,  0.9f,  0.35, 14, 0.3,  1.0f, false, true};
constexpr Subtractive kBrass      = {2, 6.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.2f, 300,  5.0f, 0.05, 0.35, 1.0f, 0.035, 0.4,  0.8f,  0.1,  10, 0.25, 1.3f, false, false};
constexpr Subtractive kSawLead    = {2, 7.0f, 0.3f, 0.2f, 0.0f, 0.0f, 3.0f, 900,  2.0f, 0.01, 0.3,  1.4f, 0.008, 0.35, 0.8f,  0.05, 18, 0.2,  1.5f, false, false};
constexpr Subtractive kSquareLead = {0, 0.0f, 1.0f, 0.1f, 0.0f, 0.0f, 4.0f, 600,  1.5f, 0.01, 0.25, 1.0f, 0.005, 0.25, 0.7f,  0.05, 15, 0.25, 1.0f, false, false};
constexpr Subtractive kFlute      = {0, 0.0f, 0.0f, 0.0f, 1.0f, 0.12f, 3.f, 400,  0.5f, 0.05, 0.3,  0.7f, 0.06,  0.3,  0.85f, 0.1,  16, 0.25, 1.0f, false, false};
constexpr Subtractive kSawBass    = {1, 0.0f, 0.5f, 0.5f, 0.0f, 0.0f, 2.0f, 150,  6.0f, 0.002, 0.12, 1.6f, 0.003, 0.25, 0.8f, 0.04, 0,  0.0,  2.0f, false, false};
constexpr Subtractive kSubBass    = {0, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 8.0f, 200,  0.0f, 0.01, 0.1,  0.7f, 0.01,  0.5,  0.9f,  0.08, 0,  0.0,  1.2f, false, false};
constexpr Subtractive kPowerChord = {1, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 2600, 0.4f, 0.002, 0.15, 0.9f, 0.002, 0.5,  0.85f, 0.035, 0,  0.0,  6.0f, true,  false};
// clang-format on

Sound RenderSubtractive(const Subtractive& sp, float hz, float vel, double held, float bright,
                        uint64_t seed) {
  Rng rng(seed);
  const size_t gate = static_cast<size_t>(Samples(held));
  const size_t n = gate + static_cast<size_t>(Samples(std::min(2.5, sp.releaseTau * 5.8)));
  Sound out;
  out.s.assign(n, 0.0f);
  const int voices = sp.fifths ? 3 : 1;
  static constexpr float kFifths[3] = {1.0f, 1.4983f, 2.0f};
  std::vector<Oscillator> saws;
  std::vector<float> ratios;
  for (int v = 0; v < voices; ++v) {
    for (int k = 0; k < sp.saws; ++k) {
      float spread = sp.saws == 1 ? 0.0f : (2.0f * k / (sp.saws - 1) - 1.0f) * sp.detune;
      saws.emplace_back(rng.Uniform());
      ratios.push_back((sp.fifths ? kFifths[v] : 1.0f) * std::exp2(spread / 1200.0f));
    }
  }
  Oscillator pulse(rng.Uniform()), sub, sine, vib(rng.Uniform());
  Adsr amp(sp.attack, sp.decayTau, sp.sustain, sp.releaseTau);
  Adsr fenv(sp.fAttack, sp.fDecay, 0.0f, sp.fDecay);
  SweptFilter lp(SweptFilter::Kind::kLowpass, sp.q);
  Biquad f1, f2, f3, breath;
  if (sp.formants) {
    f1.Bandpass(650.0, 5.0);
    f2.Bandpass(1080.0, 7.0);
    f3.Bandpass(2650.0, 9.0);
  }
  breath.Bandpass(hz * 2.0, 1.5);
  const float sawLevel = sp.saws ? 1.0f / std::sqrt(static_cast<float>(saws.size())) : 0.0f;
  const double cutoffScale = bright * (0.55 + 0.45 * vel);
  const size_t vibStart = static_cast<size_t>(Samples(sp.vibratoDelay));
  const double vibRamp = 1.0 / (0.3 * kRate);
  for (size_t i = 0; i < n; ++i) {
    if (i == gate) {
      amp.Release();
      fenv.Release();
    }
    double f = hz;
    if (sp.vibrato > 0 && i > vibStart) {
      double depth = std::min(1.0, static_cast<double>(i - vibStart) * vibRamp) * sp.vibrato;
      f *= 1.0 + depth * vib.Sine(5.5) * (0.69314718 / 1200.0);  // cents, small enough to be linear
    }
    float x = 0.0f;
    for (size_t k = 0; k < saws.size(); ++k) x += saws[k].Saw(f * ratios[k]);
    x *= sawLevel;
    if (sp.pulse > 0) x += sp.pulse * pulse.Pulse(f, 0.35f);
    if (sp.sub > 0) x += sp.sub * sub.Sine(f * 0.5);
    if (sp.sine > 0) x += sp.sine * sine.Sine(f);
    if (sp.noise > 0) x += sp.noise * breath.Process(rng.Bipolar()) * 4.0f;
    double cutoff = (hz * sp.keyTrack + sp.base) * (1.0 + sp.envAmount * fenv.Next()) * cutoffScale;
    float y = lp.Process(x, std::min(cutoff, 18000.0));
    if (sp.formants)
      y = f1.Process(y) * 1.6f + f2.Process(y) * 1.0f + f3.Process(y) * 0.6f + y * 0.08f;
    if (sp.drive > 1.0f) y = SoftClip(y * sp.drive) / std::sqrt(sp.drive);
    out.s[i] = y * amp.Next() * vel;
    if (amp.Done()) {
      out.s.resize(i + 1);
      break;
    }
  }
  return out;
}

// A plucked string: a delay line of one period, fed back through a gentle averaging filter.
Sound RenderString(float hz, float vel, double held, double ring, double damped, float bright,
                   uint64_t seed) {
  Rng rng(seed);
  // One period round the loop: this delay, one sample from writing after the read, and half a
  // sample from the averaging filter.
  const double delay = kRate / hz - 1.5;
  const size_t size = static_cast<size_t>(delay) + 4;
  std::vector<float> line(size, 0.0f);
  float lp = 0.0f;
  const float smooth = std::clamp(0.25f + 0.5f * bright * vel, 0.05f, 0.95f);
  for (size_t i = 0; i < size; ++i) {
    lp += smooth * (rng.Bipolar() - lp);
    line[i] = lp * vel;
  }
  const size_t gate = static_cast<size_t>(Samples(held));
  const size_t total =
      static_cast<size_t>(Samples(std::min(held + damped * 1.6, ring * 1.6) + 0.05));
  auto loss = [&](double seconds) {
    return static_cast<float>(std::pow(10.0, -3.0 / (seconds * hz)));
  };
  float g = loss(ring);
  const float gDamped = loss(damped);
  Sound out;
  out.s.assign(total, 0.0f);
  size_t w = size - 1;
  float last = 0.0f;
  for (size_t i = 0; i < total; ++i) {
    if (i == gate) g = std::min(g, gDamped);
    double readPos = static_cast<double>(w) - delay;
    while (readPos < 0) readPos += static_cast<double>(size);
    size_t r0 = static_cast<size_t>(readPos);
    float frac = static_cast<float>(readPos - static_cast<double>(r0));
    float y = line[r0] + (line[(r0 + 1) % size] - line[r0]) * frac;
    w = (w + 1) % size;
    line[w] = 0.5f * (y + last) * g;
    last = y;
    out.s[i] = y;
  }
  out.FadeOut(0.02);
  out.Scale(2.5f);  // the string keeps only a little of its noise burst's energy
  return out;
}

// Two-operator FM held by an envelope; `ring` > 0 makes it a struck tone that decays on its own.
Sound RenderFm(float hz, float vel, double held, float ratio, float index, double indexTau,
               double ring, float fundamental) {
  const double release = ring > 0 ? ring * 0.5 : 0.08;
  const size_t gate = static_cast<size_t>(Samples(held));
  const size_t n = ring > 0
                       ? static_cast<size_t>(Samples(std::min(ring * 5.0, held + release * 6.0)))
                       : gate + static_cast<size_t>(Samples(release * 9.3));
  Sound out;
  out.s.assign(n, 0.0f);
  Adsr amp(0.002, ring > 0 ? ring : 0.3, ring > 0 ? 0.0f : 0.7f, release);
  Decay indexEnv(indexTau);
  double cp = 0.0, mp = 0.0;
  const float idx = index * (0.6f + 0.5f * vel);
  for (size_t i = 0; i < n; ++i) {
    if (i == gate) amp.Release();
    float mod = SineTurns(mp) * idx * (0.15f + 0.85f * indexEnv.Next());
    float car = SineTurns(cp + mod / kTwoPi);
    out.s[i] = (car + fundamental * SineTurns(cp)) * amp.Next() * vel;
    cp += hz / kRate;
    mp += hz * ratio / kRate;
  }
  return out;
}

Sound RenderOrgan(float hz, float vel, double held) {
  static constexpr float kBars[5] = {0.6f, 0.45f, 0.25f, 0.18f, 0.1f};
  static constexpr float kRatio[5] = {0.5f, 1.0f, 2.0f, 3.0f, 4.0f};
  const size_t gate = static_cast<size_t>(Samples(held));
  Sound out;
  out.s.assign(gate + static_cast<size_t>(Samples(0.5)), 0.0f);
  Adsr amp(0.02, 1.0, 1.0f, 0.05);
  Oscillator trem;
  double phases[5] = {};
  for (size_t i = 0; i < out.size(); ++i) {
    if (i == gate) amp.Release();
    float x = 0.0f;
    for (int k = 0; k < 5; ++k) {
      x += kBars[k] * SineTurns(phases[k]);
      phases[k] += hz * kRatio[k] / kRate;
    }
    out.s[i] = x * amp.Next() * vel * (0.85f + 0.15f * trem.Sine(5.8)) * 0.6f;
  }
  return out;
}

Sound RenderRaw(const Instrument& ins, float pitch, float vel, double seconds, uint64_t seed) {
  const float hz = MidiToHz(pitch);
  switch (ins.voice) {
    case Voice::kStrings:
      return RenderSubtractive(kStrings, hz, vel, seconds, ins.bright, seed);
    case Voice::kPad:
      return RenderSubtractive(kPad, hz, vel, seconds, ins.bright, seed);
    case Voice::kChoir:
      return RenderSubtractive(kChoir, hz, vel, seconds, ins.bright, seed);
    case Voice::kBrass:
      return RenderSubtractive(kBrass, hz, vel, seconds, ins.bright, seed);
    case Voice::kSawLead:
      return RenderSubtractive(kSawLead, hz, vel, seconds, ins.bright, seed);
    case Voice::kSquareLead:
      return RenderSubtractive(kSquareLead, hz, vel, seconds, ins.bright, seed);
    case Voice::kFlute:
      return RenderSubtractive(kFlute, hz, vel, seconds, ins.bright, seed);
    case Voice::kSawBass:
      return RenderSubtractive(kSawBass, hz, vel, seconds, ins.bright, seed);
    case Voice::kSubBass:
      return RenderSubtractive(kSubBass, hz, vel, seconds, ins.bright, seed);
    case Voice::kPowerChord:
      return RenderSubtractive(kPowerChord, hz, vel, seconds, ins.bright, seed);
    case Voice::kFmBass: {
      Sound s = RenderFm(hz, vel, seconds, 1.0f, 2.6f, 0.09, 0.0, 0.6f);
      Saturate(&s, 1.5f);
      return s;
    }
    case Voice::kOrgan:
      return RenderOrgan(hz, vel, seconds);
    case Voice::kPluck:
      return RenderString(hz, vel, seconds, 0.9, 0.12, ins.bright, seed);
    case Voice::kHarp:
      return RenderString(hz, vel, seconds, 2.6, 2.6, ins.bright, seed);
    case Voice::kBell:
      return RenderFm(hz, vel, seconds, 3.5f, 3.0f, 0.4, 0.9, 0.3f);
    case Voice::kCelesta:
      return RenderFm(hz, vel, seconds, 4.0f, 1.6f, 0.12, 0.45, 0.5f);
    case Voice::kTimpani:
      return Timpani(hz, vel, seed);
    case Voice::kTom:
      return Tom(hz, vel, seed);
    case Voice::kKick:
      return Kick(vel, seed);
    case Voice::kSnare:
      return Snare(vel, seed);
    case Voice::kHat:
      return HiHat(vel, false, seed);
    case Voice::kOpenHat:
      return HiHat(vel, true, seed);
    case Voice::kCrash:
      return Crash(vel, seed);
    case Voice::kTaiko:
      return Taiko(vel, seed);
    case Voice::kShaker:
      return Shaker(vel, seed);
  }
  return Sound();
}

}  // namespace

Sound RenderVoice(const Instrument& ins, float pitch, float vel, double seconds, uint64_t seed) {
  // Struck voices are cut where they have decayed far enough; the fade keeps the cut silent.
  Sound s = RenderRaw(ins, pitch, vel, seconds, seed);
  s.FadeOut(0.015);
  return s;
}

}  // namespace audiogen
