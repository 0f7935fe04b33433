#include "effects.h"

#include <algorithm>

#include "voices.h"

namespace audiogen {

namespace {

// ---------------------------------------------------------------------------------------------
// Menus and rewards: clean tones, nothing noisy.

Sound Beep() {
  Sound s(0.13);
  Adsr env(0.003, 1.0, 1.0f, 0.012);
  Oscillator a, b, c;
  const size_t gate = static_cast<size_t>(Samples(0.085));
  for (size_t i = 0; i < s.size(); ++i) {
    if (i == gate) env.Release();
    s.s[i] = (a.Sine(1318.5) + 0.18f * b.Sine(2637.0) + 0.06f * c.Sine(3955.5)) * env.Next();
  }
  return s;
}

Sound SelectPon() {
  FmParams p{.ratio = 2.0f,
             .index = 1.6f,
             .indexEnd = 0.1f,
             .indexTau = 0.02,
             .decayTau = 0.035,
             .seconds = 0.14,
             .glideTo = 1174.7f,
             .glideTau = 0.006};
  Sound s = FmTone(880.0f, p);
  s.Mix(FmTone(1760.0f, p), 0.0, 0.2f);
  return s;
}

Sound ConfirmMetalHit() {
  Sound s = Partials(620.0f,
                     {{1.0f, 0.8f, 0.45},
                      {2.32f, 0.6f, 0.3},
                      {4.25f, 0.45f, 0.18},
                      {6.63f, 0.3f, 0.1},
                      {9.38f, 0.2f, 0.06},
                      {1.5f, 0.25f, 0.35}},
                     1.0, 11);
  FmParams strike{
      .ratio = 1.41f, .index = 4.0f, .indexTau = 0.02, .decayTau = 0.08, .seconds = 0.3};
  s.Mix(FmTone(1240.0f, strike), 0.0, 0.4f);
  s.Mix(Thump(220.0f, 110.0f, 0.02, 0.06, 0.2), 0.0, 0.5f);
  s.Mix(NoiseHit(NoiseBand::kHigh, 4000.0f, 0.7f, 0.0003, 0.006, 0.04, 12), 0.0, 0.6f);
  return WithRoom(s, 0.25f, 0.55f, 0.4f, 0.4);
}

Sound BonusLive() {
  static constexpr float kNotes[] = {79, 84, 88, 91, 96};
  Sound s(1.4);
  FmParams bell{.ratio = 2.0f,
                .index = 1.4f,
                .indexEnd = 0.3f,
                .indexTau = 0.15,
                .decayTau = 0.22,
                .seconds = 0.9};
  for (int i = 0; i < 5; ++i) {
    bool last = i == 4;
    FmParams p = bell;
    if (last) p.decayTau = 0.45, p.seconds = 1.3;
    s.Mix(FmTone(MidiToHz(kNotes[i]), p), 0.075 * i, last ? 0.9f : 0.7f);
  }
  // A chord under the last note, and a sparkle above it.
  FmParams pad = bell;
  pad.index = 0.8f;
  pad.decayTau = 0.4;
  pad.seconds = 1.0;
  for (float note : {84.0f, 88.0f, 91.0f}) s.Mix(FmTone(MidiToHz(note), pad), 0.3, 0.3f);
  s.Mix(Partials(MidiToHz(108), {{1.0f, 0.2f, 0.15}, {1.5f, 0.15f, 0.1}}, 0.6, 21), 0.32, 0.6f);
  return WithRoom(s, 0.3f, 0.6f, 0.3f, 0.3);
}

// ---------------------------------------------------------------------------------------------
// Footsteps.

Sound NakedStep(uint64_t seed, float pitch) {
  Sound s = NoiseHit(NoiseBand::kLow, 900.0f * pitch, 0.8f, 0.002, 0.018, 0.16, seed);
  s.Mix(Thump(130.0f * pitch, 75.0f * pitch, 0.02, 0.04, 0.16), 0.0, 0.5f);
  s.Mix(NoiseHit(NoiseBand::kBand, 2200.0f * pitch, 1.5f, 0.004, 0.01, 0.05, seed + 1), 0.012,
        0.15f);
  return s;
}

Sound BootStep(uint64_t seed, float pitch) {
  Sound s = NoiseHit(NoiseBand::kBand, 2300.0f * pitch, 1.4f, 0.0004, 0.01, 0.06, seed);
  s.Mix(NoiseHit(NoiseBand::kLow, 650.0f * pitch, 0.7f, 0.002, 0.03, 0.15, seed + 1), 0.0, 0.8f);
  s.Mix(Thump(150.0f * pitch, 80.0f * pitch, 0.02, 0.05, 0.2), 0.0, 0.6f);
  s.Mix(NoiseHit(NoiseBand::kBand, 3000.0f * pitch, 1.8f, 0.0004, 0.007, 0.04, seed + 2), 0.045,
        0.45f);
  return s;
}

Sound DraconStep() {
  Sound s = Thump(75.0f, 30.0f, 0.05, 0.3, 1.0);
  s.Scale(1.2f);
  s.Mix(NoiseHit(NoiseBand::kLow, 260.0f, 0.8f, 0.004, 0.16, 1.0, 31), 0.0, 1.4f);
  s.Mix(NoiseHit(NoiseBand::kLow, 1500.0f, 0.7f, 0.001, 0.025, 0.1, 32), 0.0, 0.5f);
  Rng rng(33);
  for (int i = 0; i < 7; ++i) {
    s.Mix(NoiseHit(NoiseBand::kBand, rng.Range(1800, 4500), 2.0f, 0.0005, 0.006, 0.03, 40 + i),
          0.06 + rng.Range(0.0f, 0.3f), rng.Range(0.1f, 0.3f));
  }
  Saturate(&s, 1.8f);
  return WithRoom(s, 0.15f, 0.5f, 0.6f, 0.2);
}

// ---------------------------------------------------------------------------------------------
// Blades and air.

Sound SwordSwing(double seconds, float peakHz, float whistle, uint64_t seed) {
  SwishParams p{.seconds = seconds,
                .peakAt = 0.3,
                .startHz = peakHz * 0.22f,
                .peakHz = peakHz,
                .endHz = peakHz * 0.35f,
                .q = 2.6f,
                .whistle = whistle,
                .body = 0.15f};
  return Swish(p, seed);
}

Sound HeavySwing(double seconds, float peakHz, uint64_t seed) {
  SwishParams p{.seconds = seconds,
                .peakAt = 0.4,
                .startHz = peakHz * 0.3f,
                .peakHz = peakHz,
                .endHz = peakHz * 0.4f,
                .q = 1.5f,
                .whistle = 0.08f,
                .body = 0.6f};
  return Swish(p, seed);
}

Sound PlaneSwitch() {
  SwishParams p{.seconds = 0.38,
                .peakAt = 0.45,
                .startHz = 350.0f,
                .peakHz = 1800.0f,
                .endHz = 600.0f,
                .q = 1.2f,
                .body = 0.5f};
  Sound s = Swish(p, 51);
  s.Mix(NoiseHit(NoiseBand::kLow, 500.0f, 0.7f, 0.003, 0.03, 0.12, 52), 0.0, 0.3f);
  return s;
}

// The bright ring of an edge meeting flesh or armour.
Sound Shing(float hz, double tau, uint64_t seed) {
  return Partials(hz,
                  {{1.0f, 0.6f, tau},
                   {1.48f, 0.45f, tau * 0.8},
                   {2.31f, 0.35f, tau * 0.6},
                   {3.07f, 0.2f, tau * 0.4}},
                  tau * 6.0, seed);
}

Sound Slash(double swish, float peakHz, float cutHz, uint64_t seed) {
  Sound s = SwordSwing(swish, peakHz, 0.25f, seed);
  s.Scale(0.8f);
  const double at = swish * 0.32;
  s.Mix(NoiseHit(NoiseBand::kHigh, 2800.0f, 0.8f, 0.0004, 0.03, 0.2, seed + 1), at, 0.9f);
  s.Mix(Shing(cutHz, 0.07, seed + 2), at, 0.35f);
  s.Mix(Thump(240.0f, 90.0f, 0.015, 0.05, 0.2), at, 0.55f);
  return s;
}

Sound SlashHeavy(double swish, float peakHz, float cutHz, uint64_t seed) {
  Sound s = HeavySwing(swish, peakHz, seed);
  s.Scale(0.8f);
  const double at = swish * 0.38;
  s.Mix(NoiseHit(NoiseBand::kHigh, 2200.0f, 0.8f, 0.0004, 0.045, 0.3, seed + 1), at, 1.0f);
  s.Mix(Shing(cutHz, 0.1, seed + 2), at, 0.35f);
  s.Mix(Thump(130.0f, 45.0f, 0.025, 0.18, 0.6), at, 1.0f);
  s.Mix(NoiseHit(NoiseBand::kLow, 900.0f, 0.7f, 0.001, 0.05, 0.3, seed + 3), at, 0.7f);
  Saturate(&s, 1.5f);
  return WithRoom(s, 0.12f, 0.5f, 0.5f, 0.2);
}

// ---------------------------------------------------------------------------------------------
// Hits: low ones thump, high ones crack.

Sound HitLow(float hz, uint64_t seed) {
  Sound s = Thump(hz, hz * 0.38f, 0.03, 0.11, 0.4);
  s.Mix(NoiseHit(NoiseBand::kLow, 1800.0f, 0.7f, 0.0008, 0.02, 0.12, seed), 0.0, 0.9f);
  s.Mix(NoiseHit(NoiseBand::kLow, 400.0f, 0.7f, 0.001, 0.06, 0.3, seed + 1), 0.0, 0.8f);
  Saturate(&s, 2.0f);
  return s;
}

Sound HitMed() {
  Sound s = Thump(210.0f, 70.0f, 0.025, 0.09, 0.35);
  s.Mix(NoiseHit(NoiseBand::kBand, 1500.0f, 0.8f, 0.0005, 0.03, 0.2, 61), 0.0, 1.2f);
  s.Mix(NoiseHit(NoiseBand::kHigh, 3000.0f, 0.7f, 0.0003, 0.008, 0.05, 62), 0.0, 0.6f);
  Saturate(&s, 2.2f);
  return WithRoom(s, 0.08f, 0.4f, 0.5f, 0.15);
}

Sound HitHi(float crackHz, float bodyHz, double tau, uint64_t seed) {
  Sound s = NoiseHit(NoiseBand::kHigh, crackHz, 0.7f, 0.0002, tau, 0.25, seed);
  s.Scale(1.4f);
  s.Mix(Thump(bodyHz, bodyHz * 0.35f, 0.02, 0.06, 0.25), 0.0, 0.8f);
  s.Mix(NoiseHit(NoiseBand::kBand, crackHz * 0.6f, 1.2f, 0.0002, tau * 2.0, 0.25, seed + 1), 0.0,
        0.7f);
  FmParams crunch{.ratio = 1.73f,
                  .index = 9.0f,
                  .indexEnd = 0.5f,
                  .indexTau = 0.02,
                  .decayTau = 0.025,
                  .seconds = 0.15};
  s.Mix(FmTone(bodyHz * 2.0f, crunch), 0.0, 0.35f);
  Saturate(&s, 2.6f);
  return WithRoom(s, 0.12f, 0.45f, 0.4f, 0.2);
}

Sound BodySlam(bool settle) {
  Sound s = Thump(settle ? 95.0f : 115.0f, 42.0f, 0.03, settle ? 0.12 : 0.18, 0.6);
  s.Mix(NoiseHit(NoiseBand::kLow, 700.0f, 0.7f, 0.001, 0.06, 0.4, settle ? 71 : 72), 0.0, 1.0f);
  s.Mix(NoiseHit(NoiseBand::kBand, 3000.0f, 0.8f, 0.01, 0.1, 0.4, 73), 0.02, 0.12f);
  if (settle) s.Mix(Thump(85.0f, 40.0f, 0.03, 0.08, 0.3), 0.1, 0.45f);
  Saturate(&s, 1.8f);
  return s;
}

Sound Grab() {
  Sound s = NoiseHit(NoiseBand::kBand, 1200.0f, 0.9f, 0.003, 0.04, 0.2, 81);
  s.Mix(Thump(180.0f, 90.0f, 0.02, 0.05, 0.2), 0.0, 0.7f);
  Rng rng(82);
  for (int i = 0; i < 5; ++i) {
    s.Mix(NoiseHit(NoiseBand::kBand, rng.Range(2500, 4000), 1.0f, 0.004, 0.015, 0.06, 83 + i),
          0.05 + 0.035 * i, 0.25f * (1.0f - 0.15f * i));
  }
  // Cloth and leather: nothing above the hiss of fabric.
  Biquad dull;
  dull.Lowpass(5000.0, 0.7);
  for (float& v : s.s) v = dull.Process(v);
  return s;
}

// ---------------------------------------------------------------------------------------------
// Metal against metal.

Sound MetalBlock(float hz, double ring, uint64_t seed) {
  Sound s = Partials(hz,
                     {{1.0f, 0.7f, ring},
                      {1.52f, 0.3f, ring * 0.7},
                      {2.76f, 0.55f, ring * 0.6},
                      {3.9f, 0.25f, ring * 0.45},
                      {5.4f, 0.35f, ring * 0.35},
                      {8.93f, 0.2f, ring * 0.2}},
                     ring * 3.5, seed);
  FmParams clang{
      .ratio = 1.414f, .index = 5.0f, .indexTau = 0.015, .decayTau = 0.05, .seconds = 0.25};
  s.Mix(FmTone(hz * 1.9f, clang), 0.0, 0.5f);
  s.Mix(NoiseHit(NoiseBand::kHigh, 3500.0f, 0.7f, 0.0002, 0.008, 0.05, seed + 1), 0.0, 1.0f);
  s.Mix(Thump(300.0f, 160.0f, 0.01, 0.03, 0.1), 0.0, 0.4f);
  return WithRoom(s, 0.18f, 0.5f, 0.3f, 0.3);
}

// ---------------------------------------------------------------------------------------------
// Magic.

// A saw growl through a wobbling low-pass, rising in pitch.
Sound Growl(float fromHz, float toHz, double seconds, uint64_t seed) {
  Sound s(seconds);
  Rng rng(seed);
  Oscillator a(rng.Uniform()), b(rng.Uniform()), lfo;
  SweptFilter lp(SweptFilter::Kind::kLowpass, 3.0);
  Adsr env(seconds * 0.3, seconds * 0.25, 0.0f, seconds * 0.25);
  for (size_t i = 0; i < s.size(); ++i) {
    double u = static_cast<double>(i) / static_cast<double>(s.size());
    double hz = fromHz * std::pow(toHz / fromHz, u);
    float x = a.Saw(hz) + b.Saw(hz * 1.012);
    double cut = 500.0 + 900.0 * (0.5 + 0.5 * lfo.Sine(11.0));
    s.s[i] = lp.Process(x, cut) * env.Next() * 0.5f;
  }
  return s;
}

Sound NecromancerCast() {
  FmParams p{.ratio = 1.5f,
             .index = 6.0f,
             .indexEnd = 0.15f,
             .indexTau = 0.25,
             .attack = 0.04,
             .decayTau = 0.22,
             .seconds = 0.9,
             .glideTo = 240.0f,
             .glideTau = 0.25};
  Sound s = FmTone(95.0f, p);
  s.Scale(0.7f);
  SwishParams w{.seconds = 0.7,
                .peakAt = 0.4,
                .startHz = 200.0f,
                .peakHz = 1400.0f,
                .endHz = 300.0f,
                .q = 1.0f,
                .body = 0.5f};
  s.Mix(Swish(w, 91), 0.0, 0.8f);
  s.Mix(Growl(60.0f, 110.0f, 0.7, 92), 0.0, 0.6f);
  return WithRoom(s, 0.35f, 0.7f, 0.4f, 0.5);
}

Sound SkullFlight() {
  Sound s(0.85);
  Oscillator carrier, mod, vib, trem;
  Adsr env(0.12, 0.35, 0.0f, 0.2);
  for (size_t i = 0; i < s.size(); ++i) {
    double u = static_cast<double>(i) / static_cast<double>(s.size());
    double hz = (720.0 - 260.0 * u) * (1.0 + 0.025 * vib.Sine(6.5));
    float m = mod.Sine(hz * 2.0) * 1.1f;
    s.s[i] = carrier.Sine(hz + m * hz * 0.5) * env.Next() * (0.75f + 0.25f * trem.Sine(13.0));
  }
  SwishParams w{.seconds = 0.8,
                .peakAt = 0.3,
                .startHz = 900.0f,
                .peakHz = 2600.0f,
                .endHz = 700.0f,
                .q = 3.0f,
                .body = 0.2f};
  s.Scale(0.5f);
  s.Mix(Swish(w, 101), 0.0, 0.9f);
  return WithRoom(s, 0.3f, 0.6f, 0.5f, 0.4);
}

Sound SkullHit() {
  Sound s = NoiseHit(NoiseBand::kLow, 2500.0f, 0.7f, 0.0005, 0.08, 0.5, 111);
  s.Mix(Thump(125.0f, 40.0f, 0.03, 0.2, 0.6), 0.0, 1.0f);
  Rng rng(112);
  for (int i = 0; i < 12; ++i) {
    s.Mix(NoiseHit(NoiseBand::kHigh, rng.Range(3000, 6000), 1.0f, 0.0003, 0.01, 0.04, 113 + i),
          rng.Range(0.02f, 0.4f), rng.Range(0.15f, 0.4f) * (1.0f - i / 14.0f));
  }
  Saturate(&s, 2.0f);
  return WithRoom(s, 0.3f, 0.6f, 0.5f, 0.4);
}

// A cluster of FM bells: moonlight, sparkle.
Sound Chime(std::initializer_list<float> notes, double spacing, double decayTau) {
  Sound s;
  FmParams bell{.ratio = 3.01f,
                .index = 2.2f,
                .indexEnd = 0.2f,
                .indexTau = 0.1,
                .decayTau = decayTau,
                .seconds = decayTau * 5.0};
  int i = 0;
  for (float n : notes) s.Mix(FmTone(MidiToHz(n), bell), spacing * i++, 0.45f);
  return s;
}

Sound MoonSlasher() {
  SwishParams w{.seconds = 0.5,
                .peakAt = 0.3,
                .startHz = 900.0f,
                .peakHz = 5200.0f,
                .endHz = 1500.0f,
                .q = 2.2f,
                .whistle = 0.4f,
                .body = 0.1f};
  Sound s = Swish(w, 121);
  s.Mix(Chime({88, 95, 100, 103}, 0.03, 0.14), 0.06, 0.7f);
  return WithRoom(s, 0.4f, 0.75f, 0.3f, 0.6);
}

Sound MoonSphere() {
  Sound s(1.4);
  Oscillator o1(0.0), o2(0.3), o3(0.6), pulse;
  Adsr env(0.25, 0.5, 0.0f, 0.35);
  for (size_t i = 0; i < s.size(); ++i) {
    double u = static_cast<double>(i) / static_cast<double>(s.size());
    double hz = 220.0 * std::pow(2.0, std::min(1.0, u * 2.0));
    float v = o1.Sine(hz) + 0.6f * o2.Triangle(hz * 1.5 * 1.004) + 0.4f * o3.Sine(hz * 2.003);
    s.s[i] = v * env.Next() * (0.6f + 0.4f * pulse.Sine(9.0)) * 0.45f;
  }
  s.Mix(Chime({81, 88, 93}, 0.08, 0.2), 0.15, 0.5f);
  SwishParams w{.seconds = 0.9,
                .peakAt = 0.5,
                .startHz = 400.0f,
                .peakHz = 3000.0f,
                .endHz = 1200.0f,
                .q = 4.0f,
                .body = 0.0f};
  s.Mix(Swish(w, 131), 0.0, 0.35f);
  return WithRoom(s, 0.35f, 0.7f, 0.4f, 0.5);
}

Sound SpecialFlash() {
  SwishParams rise{.seconds = 0.32,
                   .peakAt = 0.95,
                   .startHz = 600.0f,
                   .peakHz = 7000.0f,
                   .endHz = 6000.0f,
                   .q = 1.4f,
                   .body = 0.0f};
  Sound s = Swish(rise, 141);
  s.Scale(0.8f);
  s.Mix(Partials(MidiToHz(84),
                 {{1.0f, 0.4f, 0.3},
                  {2.0f, 0.3f, 0.25},
                  {2.99f, 0.25f, 0.2},
                  {4.2f, 0.2f, 0.15},
                  {5.43f, 0.15f, 0.1}},
                 1.0, 142),
        0.3, 0.9f);
  s.Mix(NoiseHit(NoiseBand::kHigh, 5000.0f, 0.7f, 0.0005, 0.05, 0.3, 143), 0.3, 0.6f);
  s.Mix(Thump(160.0f, 60.0f, 0.03, 0.12, 0.4), 0.3, 0.7f);
  return WithRoom(s, 0.4f, 0.75f, 0.3f, 0.6);
}

Sound Explosion() {
  Sound s(2.1);
  Rng rng(151);
  SweptFilter lp(SweptFilter::Kind::kLowpass, 0.8);
  Adsr env(0.004, 0.45, 0.0f, 0.45);
  Decay sweep(0.35);
  for (size_t i = 0; i < s.size(); ++i) {
    double cut = 140.0 + 3200.0 * sweep.Next();
    s.s[i] = lp.Process(rng.Bipolar(), cut) * env.Next() * 1.6f;
  }
  s.Mix(Thump(90.0f, 28.0f, 0.06, 0.5, 1.8), 0.0, 1.1f);
  s.Mix(NoiseHit(NoiseBand::kHigh, 1500.0f, 0.7f, 0.0003, 0.02, 0.1, 152), 0.0, 0.9f);
  for (int i = 0; i < 16; ++i) {
    s.Mix(NoiseHit(NoiseBand::kBand, rng.Range(900, 3500), 1.5f, 0.0005, 0.012, 0.05, 160 + i),
          rng.Range(0.05f, 0.9f), rng.Range(0.1f, 0.35f) * (1.0f - i / 18.0f));
  }
  Saturate(&s, 1.7f);
  return WithRoom(s, 0.25f, 0.7f, 0.6f, 0.3);
}

// clang-format off
Sound TVSwingSword1() { return SwordSwing(0.24, 3200.0f, 0.3f, 201); }
Sound TVSwingSword2() { return SwordSwing(0.28, 2800.0f, 0.25f, 202); }
Sound TVSwingSword3() { return SwordSwing(0.33, 3600.0f, 0.35f, 203); }
Sound Swing1()        { return HeavySwing(0.30, 1900.0f, 211); }
Sound Swing2()        { return HeavySwing(0.34, 1600.0f, 212); }
Sound Swing3()        { return HeavySwing(0.40, 1400.0f, 213); }
Sound Swing4()        { return HeavySwing(0.45, 2100.0f, 214); }
Sound Slash1()        { return Slash(0.20, 3400.0f, 2300.0f, 221); }
Sound Slash2()        { return Slash(0.22, 3000.0f, 2000.0f, 222); }
Sound Slash3()        { return Slash(0.26, 3800.0f, 2600.0f, 223); }
Sound SlashHeavy2()   { return SlashHeavy(0.32, 2200.0f, 1500.0f, 231); }
Sound SlashHeavy3()   { return SlashHeavy(0.38, 1900.0f, 1300.0f, 232); }
Sound HitLow1()       { return HitLow(140.0f, 241); }
Sound HitLow2()       { return HitLow(115.0f, 242); }
Sound HitHi1()        { return HitHi(2600.0f, 260.0f, 0.015, 251); }
Sound HitHi2()        { return HitHi(3100.0f, 300.0f, 0.02, 252); }
Sound HitHi3()        { return HitHi(2200.0f, 230.0f, 0.025, 253); }
Sound MetalBlock1()   { return MetalBlock(880.0f, 0.22, 261); }
Sound MetalBlock2()   { return MetalBlock(1010.0f, 0.18, 262); }
Sound MetalBlock3()   { return MetalBlock(760.0f, 0.28, 263); }
Sound NakedStep1()    { return NakedStep(271, 1.0f); }
Sound NakedStep2()    { return NakedStep(272, 0.88f); }
Sound Step1()         { return BootStep(281, 1.0f); }
Sound Step2()         { return BootStep(282, 0.9f); }
Sound BodySlam1()     { return BodySlam(false); }
Sound BodySlam2()     { return BodySlam(true); }
// clang-format on

}  // namespace

const std::vector<EffectRecipe>& EffectRecipes() {
  // clang-format off
  static const std::vector<EffectRecipe> kRecipes = {
      // name                   recipe
      {"BonusLive",             BonusLive},
      {"TVbeep-3",              Beep},
      {"TVConfirmMetalHit",     ConfirmMetalHit},
      {"TVNakedStep1",          NakedStep1},
      {"TVNakedStep2",          NakedStep2},
      {"step1",                 Step1},
      {"step2",                 Step2},
      {"DraconStep1",           DraconStep},
      {"TVPlaneSwitch",         PlaneSwitch},
      {"grab",                  Grab},
      {"TVSwingSword1",         TVSwingSword1},
      {"TVSwingSword2",         TVSwingSword2},
      {"TVSwingSword3",         TVSwingSword3},
      {"TVSelectPon",           SelectPon},
      {"Swing1",                Swing1},
      {"Swing2",                Swing2},
      {"Swing3",                Swing3},
      {"Swing4",                Swing4},
      {"HitLow1",               HitLow1},
      {"HitLow2",               HitLow2},
      {"HitMed",                HitMed},
      {"HitHi1",                HitHi1},
      {"HitHi2",                HitHi2},
      {"HitHi3",                HitHi3},
      {"Slash1",                Slash1},
      {"Slash2",                Slash2},
      {"Slash3",                Slash3},
      {"SlashHeavy2",           SlashHeavy2},
      {"SlashHeavy3",           SlashHeavy3},
      {"MetalBlock1",           MetalBlock1},
      {"MetalBlock2",           MetalBlock2},
      {"MetalBlock3",           MetalBlock3},
      {"NecromancerSkull",      NecromancerCast},
      {"NecromancerSkull2",     SkullFlight},
      {"NecromancerSkullHit",   SkullHit},
      {"MoonSlasher",           MoonSlasher},
      {"Explosion1",            Explosion},
      {"MoonSphere",            MoonSphere},
      {"SpecialFlash",          SpecialFlash},
      {"BodySlam1",             BodySlam1},
      {"BodySlam2",             BodySlam2},
  };
  // clang-format on
  return kRecipes;
}

std::vector<float> MakeEffect(const EffectRecipe& recipe, float ceilingDb) {
  Sound s = recipe.render();
  // Trim what has decayed below -60 dB of the peak, then end on a short fade.
  float peak = Peak({&s.s});
  float floor = peak * DbToGain(-60.0f);
  size_t end = s.size();
  while (end > 0 && std::fabs(s.s[end - 1]) < floor) --end;
  s.s.resize(std::min(s.size(), end + static_cast<size_t>(Samples(0.01))));
  s.FadeOut(0.012);
  Biquad dc;
  dc.Highpass(25.0, 0.7);
  for (float& v : s.s) v = dc.Process(v);

  // Limiting a sharp crack takes some of its loudness away, so settle the gain in a few rounds.
  float gainDb = kEffectLoudness - MeasureLoudness({&s.s}, kEffectLoudnessWindow).max;
  std::vector<float> out;
  for (int round = 0; round < 4; ++round) {
    out = s.s;
    for (float& v : out) v *= DbToGain(gainDb);
    Limit({&out}, DbToGain(ceilingDb));
    float error = kEffectLoudness - MeasureLoudness({&out}, kEffectLoudnessWindow).max;
    if (std::fabs(error) < 0.05f) break;
    gainDb += error;
  }
  return out;
}

}  // namespace audiogen
