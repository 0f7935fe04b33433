// The generated sound effects and music, as the game finds them beside the executable: they
// decode, have the right shape and length, never clip, are equally loud, and the generator
// makes the same samples every time.

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

// The generator is a build tool, not a library; the tests compile the parts of it they exercise
// (nothing here needs the encoder).
#include "tools/assetgen/audio/effects.cpp"
#include "tools/assetgen/audio/instruments.cpp"
#include "tools/assetgen/audio/score.cpp"
#include "tools/assetgen/audio/synth.cpp"
#include "tools/assetgen/audio/voices.cpp"

namespace {

constexpr int kRate = 44100;
const float kMinusOneDb = std::pow(10.0f, -1.0f / 20.0f);

struct Decoded {
  std::string error;  // empty when the file decoded
  int rate = 0;
  std::vector<std::vector<float>> channels;
  size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
  double seconds() const { return static_cast<double>(frames()) / kRate; }
};

Decoded Decode(const std::filesystem::path& path) {
  Decoded d;
  if (!std::filesystem::exists(path)) {
    d.error = path.string() +
              " is missing: the build stages the generated sounds/ and BGM/ beside the game in "
              "the build directory, where these tests run";
    return d;
  }
  OggVorbis_File vf;
  if (ov_fopen(path.string().c_str(), &vf) != 0) {
    d.error = path.string() + " is not an Ogg Vorbis file";
    return d;
  }
  const vorbis_info* info = ov_info(&vf, -1);
  d.rate = static_cast<int>(info->rate);
  d.channels.resize(static_cast<size_t>(info->channels));
  float** pcm;
  int section;
  long n;
  while ((n = ov_read_float(&vf, &pcm, 4096, &section)) > 0) {
    for (size_t c = 0; c < d.channels.size(); ++c)
      d.channels[c].insert(d.channels[c].end(), pcm[c], pcm[c] + n);
  }
  if (n < 0) d.error = path.string() + " fails to decode part way";
  ov_clear(&vf);
  return d;
}

float PeakOf(const Decoded& d, size_t from = 0, size_t to = SIZE_MAX) {
  float peak = 0.0f;
  for (const auto& ch : d.channels) {
    for (size_t i = from; i < std::min(to, ch.size()); ++i) peak = std::max(peak, std::fabs(ch[i]));
  }
  return peak;
}

float RmsDb(const Decoded& d, size_t from, size_t to) {
  double sum = 0.0;
  for (const auto& ch : d.channels) {
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(ch[i]) * ch[i];
  }
  double mean = sum / static_cast<double>((to - from) * d.channels.size());
  return mean > 0 ? static_cast<float>(10.0 * std::log10(mean)) : -200.0f;
}

// The sound effects the game loads, by file name.
// clang-format off
const char* const kEffects[] = {
    "BonusLive",            "TVbeep-3",             "TVConfirmMetalHit",    "TVNakedStep1",
    "TVNakedStep2",         "step1",                "step2",                "DraconStep1",
    "TVPlaneSwitch",        "grab",                 "TVSwingSword1",        "TVSwingSword2",
    "TVSwingSword3",        "TVSelectPon",          "Swing1",               "Swing2",
    "Swing3",               "Swing4",               "HitLow1",              "HitLow2",
    "HitMed",               "HitHi1",               "HitHi2",               "HitHi3",
    "Slash1",               "Slash2",               "Slash3",               "SlashHeavy2",
    "SlashHeavy3",          "MetalBlock1",          "MetalBlock2",          "MetalBlock3",
    "NecromancerSkull",     "NecromancerSkull2",    "NecromancerSkullHit",  "MoonSlasher",
    "Explosion1",           "MoonSphere",           "SpecialFlash",         "BodySlam1",
    "BodySlam2",
};
// clang-format on
static_assert(std::size(kEffects) == 41);

TEST(AudioAssets, EffectsAreShortMonoUnclippedAndEquallyLoud) {
  std::vector<float> loudness;
  for (const char* name : kEffects) {
    SCOPED_TRACE(name);
    Decoded d = Decode(std::filesystem::path("sounds") / (std::string(name) + ".ogg"));
    ASSERT_EQ(d.error, "");
    EXPECT_EQ(d.channels.size(), 1u);
    EXPECT_EQ(d.rate, kRate);
    EXPECT_GT(d.seconds(), 0.05);
    EXPECT_LE(d.seconds(), 2.5);
    EXPECT_LE(PeakOf(d), kMinusOneDb);
    EXPECT_GT(PeakOf(d), 0.1f) << "all but silent";
    loudness.push_back(
        audiogen::MeasureLoudness({&d.channels[0]}, audiogen::kEffectLoudnessWindow).max);
  }
  auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
  EXPECT_LE(*loudest - *quietest, 2.0f) << "effects should sit at one loudness";
}

TEST(AudioAssets, MusicFillsItsLoopAndRingsOutAfterIt) {
  struct Piece {
    const char* name;
    int loopFrames;  // where the music player restarts it; 0: played to its end
  };
  const Piece kPieces[] = {
      {"ImpendingDanger", 7070}, {"BruteForce", 6800}, {"CrypticIllusion", 0}, {"MainTitle", 4105}};
  for (const Piece& piece : kPieces) {
    SCOPED_TRACE(piece.name);
    Decoded d = Decode(std::filesystem::path("BGM") / (std::string(piece.name) + ".ogg"));
    ASSERT_EQ(d.error, "");
    EXPECT_EQ(d.channels.size(), 2u);
    EXPECT_EQ(d.rate, kRate);
    EXPECT_LE(PeakOf(d), kMinusOneDb);
    if (piece.loopFrames == 0) {
      EXPECT_GE(d.seconds(), 60.0);
      EXPECT_LT(RmsDb(d, d.frames() - kRate / 4, d.frames()), -50.0f) << "ends in silence";
      continue;
    }
    const size_t loop = static_cast<size_t>(piece.loopFrames) * (kRate / 60);
    ASSERT_GE(d.frames(), loop + 3 * kRate) << "needs a tail of 3 s after the loop point";
    // Music right up to the restart, then only what rings on, fading to nothing.
    float loopEnd = RmsDb(d, loop - 2 * kRate, loop);
    float tail = RmsDb(d, loop + kRate, loop + 3 * kRate);
    EXPECT_GT(loopEnd, -35.0f) << "a gap before the restart";
    EXPECT_LT(tail, loopEnd - 6.0f) << "the tail should decay, not play on";
    EXPECT_LT(RmsDb(d, d.frames() - kRate / 4, d.frames()), -50.0f) << "ends in silence";
  }
}

// Strength of `freq` in `x` (Goertzel).
double PowerAt(const std::vector<float>& x, size_t from, size_t n, double freq) {
  const double c = 2.0 * std::cos(2.0 * audiogen::kPi * freq / kRate);
  double s1 = 0.0, s2 = 0.0;
  for (size_t i = from; i < from + n; ++i) {
    double s0 = x[i] + c * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return s1 * s1 + s2 * s2 - c * s1 * s2;
}

TEST(AudioSynth, EveryPitchedInstrumentPlaysInTune) {
  using audiogen::Voice;
  struct Case {
    Voice voice;
    float cents;  // allowed error: ensembles are detuned on purpose
  };
  const Case kCases[] = {
      {Voice::kStrings, 12}, {Voice::kPad, 16},       {Voice::kChoir, 14}, {Voice::kBrass, 11},
      {Voice::kSawLead, 12}, {Voice::kSquareLead, 5}, {Voice::kFlute, 5},  {Voice::kSawBass, 5},
      {Voice::kFmBass, 5},   {Voice::kSubBass, 5},    {Voice::kOrgan, 5},  {Voice::kPowerChord, 5},
      {Voice::kPluck, 5},    {Voice::kHarp, 5},       {Voice::kBell, 5},   {Voice::kCelesta, 5},
      {Voice::kTimpani, 5},
  };
  for (const Case& c : kCases) {
    for (float pitch : {57.0f, 84.0f}) {
      SCOPED_TRACE(::testing::Message()
                   << "voice " << static_cast<int>(c.voice) << ", MIDI " << pitch);
      audiogen::Sound s = audiogen::RenderVoice({c.voice}, pitch, 0.8f, 0.5, 1);
      const size_t from = kRate / 20, n = 8192;
      ASSERT_GE(s.size(), from + n);
      // The strongest frequency within half a semitone either side, in 2-cent steps.
      const double f0 = 440.0 * std::exp2((pitch - 69.0) / 12.0);
      double best = 0.0, bestCents = 0.0;
      for (double cents = -50.0; cents <= 50.0; cents += 2.0) {
        double p = PowerAt(s.s, from, n, f0 * std::exp2(cents / 1200.0));
        if (p > best) best = p, bestCents = cents;
      }
      EXPECT_LE(std::fabs(bestCents), c.cents);
    }
  }
}

TEST(AudioAssets, GeneratorMakesTheSameSamplesEveryTime) {
  // Effects that between them use every source of noise, the room and the limiter, mastered
  // twice: any state left over from the first run would change the second.
  for (const audiogen::EffectRecipe& recipe : audiogen::EffectRecipes()) {
    std::string name = recipe.name;
    if (name != "HitHi2" && name != "DraconStep1" && name != "MoonSphere") continue;
    SCOPED_TRACE(name);
    EXPECT_EQ(audiogen::MakeEffect(recipe), audiogen::MakeEffect(recipe));
  }
  // Music: a bar for every instrument, rendered twice.
  auto render = [] {
    audiogen::Score score(4, 1, kRate, 7);
    score.SetChords(0, "Am:F");
    for (int v = 0; v <= static_cast<int>(audiogen::Voice::kShaker); ++v) {
      int inst = score.Add({static_cast<audiogen::Voice>(v), 0.1f, 0.3f, 0.3f});
      score.Pattern(inst, 0, 1, 2, "1 c", 52);
    }
    return score.Render(0.5, 0.8f, 0.3f).channels;
  };
  EXPECT_EQ(render(), render());
}

}  // namespace
