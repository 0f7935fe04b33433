#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "audio_fixtures.h"
#include "platform/audio_internal.h"
#include "platform/platform.h"

using platform_detail::ChannelVoice;
using platform_detail::kSilentOutputRate;
using platform_detail::LiveVoiceCount;
using platform_detail::MasterStage;
using platform_detail::MixVoices;
using platform_detail::SumVoices;
using platform_detail::VoicePtr;
using platform_detail::VoiceState;

namespace {

constexpr int kToneRate = 44100;
constexpr int kLowRate = 22050;
constexpr float kLoud = 0.8f;

// Encoded once for the whole run.
struct SoundFiles {
  TempFolder folder;
  std::string mono;     // 1 s, 440 Hz at 44.1 kHz
  std::string stereo;   // 0.5 s, a tone on the left, silence on the right
  std::string lowRate;  // 1 s at 22.05 kHz
  std::string full;     // 0.5 s, a full-scale tone
  std::string garbage;  // not Ogg at all
  std::string empty;

  SoundFiles() {
    const auto& dir = folder.Path();
    mono = (dir / "mono.ogg").string();
    stereo = (dir / "stereo.ogg").string();
    lowRate = (dir / "low.ogg").string();
    full = (dir / "full.ogg").string();
    garbage = (dir / "garbage.ogg").string();
    empty = (dir / "empty.ogg").string();
    const bool written =
        WriteOggVorbis(mono, kToneRate, 1, SineTone(kToneRate, kToneRate, 440, kLoud)) &&
        WriteOggVorbis(stereo, kToneRate, 2,
                       Interleave(SineTone(kToneRate, kToneRate / 2, 440, kLoud),
                                  std::vector<float>(kToneRate / 2, 0.0f))) &&
        WriteOggVorbis(lowRate, kLowRate, 1, SineTone(kLowRate, kLowRate, 300, kLoud)) &&
        WriteOggVorbis(full, kToneRate, 1, SineTone(kToneRate, kToneRate / 2, 220, 1.0f));
    if (!written) std::abort();
    std::ofstream(garbage, std::ios::binary) << std::string(5000, 'x');
    std::ofstream(empty, std::ios::binary).flush();
  }
};

const SoundFiles& Files() {
  static const SoundFiles files;
  return files;
}

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    timer_ = RestartHeadless();
    ASSERT_TRUE(timer_) << PlatformError();
    tone_ = LoadSound(Files().mono, 0);
    ASSERT_TRUE(tone_);
  }
  void TearDown() override { ShutdownPlatform(); }

  // One frame of the game loop: the virtual clock moves 16 ms and the audio catches up.
  void Frame() { WaitTimer(timer_); }

  TTimer* timer_ = nullptr;
  SoundPtr tone_;
};

std::vector<VoicePtr> VoicesOf(const std::vector<ChannelPtr>& channels) {
  std::vector<VoicePtr> voices;
  for (const ChannelPtr& channel : channels) {
    if (ChannelVoice(channel)) voices.push_back(ChannelVoice(channel));
  }
  return voices;
}

// The channels' voices summed by hand, as the device's callback sums them before its master
// stage, rounded to 16 bits.
std::vector<int16_t> Mix(const std::vector<ChannelPtr>& channels, int frames,
                         int outputRate = kSilentOutputRate) {
  std::vector<float> sum(static_cast<size_t>(frames) * 2, 12345);  // stale data must go
  SumVoices(VoicesOf(channels), sum.data(), frames, outputRate);
  std::vector<int16_t> out;
  for (const float v : sum)
    out.push_back(static_cast<int16_t>(std::lrint(std::clamp(v, -32768.0f, 32767.0f))));
  return out;
}

int Peak(const std::vector<int16_t>& samples, int side) {
  int peak = 0;
  for (size_t i = side; i < samples.size(); i += 2) peak = std::max(peak, std::abs(samples[i]));
  return peak;
}

// ---- Loading
// -------------------------------------------------------------------------------------

// Sound effects are decoded whole, music is streamed; either way a sound reports the same.
struct Loader {
  const char* name;
  SoundPtr (*load)(const std::string&, int);
  bool streamed;
};
const Loader kLoaders[] = {{"LoadSound", LoadSound, false}, {"LoadMusic", LoadMusic, true}};

TEST_F(AudioTest, LoadReadsTheFileAtItsOwnRate) {
  struct Case {
    std::string path;
    int flags;
    int channels, rate, frames;
    bool loop;
  };
  const std::string backslashed = Files().folder.Path().string() + "\\mono.ogg";
  // clang-format off
  const Case cases[] = {
      // path               flags  channels  rate       frames          loop
      {Files().mono,        0,     1,        kToneRate, kToneRate,      false},
      {backslashed,         0,     1,        kToneRate, kToneRate,      false},
      {Files().stereo,      0,     2,        kToneRate, kToneRate / 2,  false},
      {Files().lowRate,     1,     1,        kLowRate,  kLowRate,       true},
  };
  // clang-format on
  for (const Loader& loader : kLoaders) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(loader.name) + " " + c.path);
      const SoundPtr sound = loader.load(c.path, c.flags);
      ASSERT_TRUE(sound);
      EXPECT_EQ(sound->Streamed(), loader.streamed);
      EXPECT_EQ(sound->samples.empty(), loader.streamed);
      EXPECT_EQ(sound->channels, c.channels);
      EXPECT_EQ(sound->rate, c.rate);
      EXPECT_EQ(sound->Frames(), c.frames);
      EXPECT_EQ(sound->loop, c.loop);
      EXPECT_EQ(SoundLengthMs(sound), c.frames * 1000 / c.rate);
    }
  }
}

TEST_F(AudioTest, MissingOrUndecodableFileGivesNone) {
  for (const Loader& loader : kLoaders) {
    for (const std::string& path :
         {Files().folder.Path().string() + "/absent.ogg", Files().garbage, Files().empty}) {
      SCOPED_TRACE(std::string(loader.name) + " " + path);
      const SoundPtr sound = loader.load(path, 0);
      EXPECT_FALSE(sound);
      // What the game does with such a sound must still be harmless.
      const ChannelPtr channel = PlaySound(sound);
      EXPECT_EQ(ChannelPlaying(channel), 0);
      EXPECT_EQ(SoundLengthMs(sound), 0);
    }
  }
}

// ---- Channels on the silent driver
// ---------------------------------------------------------------

TEST_F(AudioTest, ThreePlaysInThreeFramesOverlapAndEachPlaysToItsEnd) {
  // The results are dropped, as the game drops them: the voices must sound on regardless.
  for (int frame = 0; frame < 3; ++frame) {
    PlaySound(tone_);
    Frame();
  }
  EXPECT_EQ(LiveVoiceCount(), 3);
  // Started at 0, 16 and 32 ms; a 1000 ms sound plays while the clock is below start + 1000.
  const int start = MilliSecs() - 3 * 16;
  struct Step {
    int clockMs;
    int live;
  };
  for (const Step step :
       {Step{999, 3}, Step{1000, 2}, Step{1016, 1}, Step{1031, 1}, Step{1032, 0}}) {
    headless::AdvanceClock(start + step.clockMs - MilliSecs());
    UpdateAudio();
    EXPECT_EQ(LiveVoiceCount(), step.live) << "at " << step.clockMs << " ms";
  }
}

TEST_F(AudioTest, CuedChannelWaitsForResumeThenPlaysToTheEnd) {
  const ChannelPtr channel = CueSound(tone_);
  EXPECT_EQ(ChannelPlaying(channel), 0);
  for (int frame = 0; frame < 10; ++frame) Frame();
  EXPECT_EQ(ChannelPlaying(channel), 0);
  EXPECT_EQ(VoiceOf(channel).position, 0) << "a cued sound must not move";

  ResumeChannel(channel);
  EXPECT_EQ(ChannelPlaying(channel), 1);
  headless::AdvanceClock(999);
  EXPECT_EQ(ChannelPlaying(channel), 1);
  headless::AdvanceClock(1);
  EXPECT_EQ(ChannelPlaying(channel), 0);

  // Played out: pause and resume leave it finished.
  PauseChannel(channel);
  ResumeChannel(channel);
  EXPECT_EQ(ChannelPlaying(channel), 0);
}

TEST_F(AudioTest, PausedChannelContinuesWhereItStopped) {
  const ChannelPtr channel = PlaySound(tone_);
  headless::AdvanceClock(400);
  PauseChannel(channel);
  EXPECT_EQ(ChannelPlaying(channel), 0);
  EXPECT_DOUBLE_EQ(VoiceOf(channel).position, 0.4 * kToneRate);

  headless::AdvanceClock(2000);
  UpdateAudio();
  EXPECT_EQ(ChannelPlaying(channel), 0);
  EXPECT_DOUBLE_EQ(VoiceOf(channel).position, 0.4 * kToneRate);

  ResumeChannel(channel);
  headless::AdvanceClock(599);
  EXPECT_EQ(ChannelPlaying(channel), 1);
  headless::AdvanceClock(1);
  EXPECT_EQ(ChannelPlaying(channel), 0);
}

TEST_F(AudioTest, DroppingAChannel) {
  struct Case {
    const char* what;
    bool kept;
    bool paused;
    int liveAfterDrop;
  };
  // clang-format off
  const Case cases[] = {
      // what                                    kept   paused  live after the drop
      {"temporary channel plays to its end",     false, false,  1},
      {"kept channel stops its sound",           true,  false,  0},
      {"kept paused channel stops its sound",    true,  true,   0},
      {"paused temporary channel can never resume", false, true, 0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChannelPtr channel = PlaySound(tone_, c.kept ? AllocChannel() : nullptr);
    if (c.paused) PauseChannel(channel);
    Frame();
    channel.reset();
    Frame();
    EXPECT_EQ(LiveVoiceCount(), c.liveAfterDrop);
    headless::AdvanceClock(1000);
    UpdateAudio();
    EXPECT_EQ(LiveVoiceCount(), 0);
  }
}

TEST_F(AudioTest, StoppedChannelKeepsItsVolumeForTheNextSound) {
  const ChannelPtr channel = AllocChannel();
  SetChannelVolume(channel, 0.5f);
  PlaySound(tone_, channel);
  StopChannel(channel);
  EXPECT_EQ(ChannelPlaying(channel), 0);
  EXPECT_FALSE(ChannelVoice(channel));
  EXPECT_EQ(LiveVoiceCount(), 0);

  PlaySound(tone_, channel);
  EXPECT_EQ(ChannelPlaying(channel), 1);
  EXPECT_FLOAT_EQ(VoiceOf(channel).gain, platform_detail::VolumeToGain(0.5f));
}

TEST_F(AudioTest, ReplayingOnAChannelCutsItsPreviousSound) {
  const ChannelPtr channel = AllocChannel();
  PlaySound(tone_, channel);
  headless::AdvanceClock(500);
  PlaySound(tone_, channel);
  EXPECT_EQ(LiveVoiceCount(), 1);
  headless::AdvanceClock(999);
  EXPECT_EQ(ChannelPlaying(channel), 1) << "the second play starts from the beginning";
}

TEST_F(AudioTest, LoopingSoundNeverEnds) {
  const ChannelPtr channel = PlaySound(LoadSound(Files().mono, 1));
  headless::AdvanceClock(5250);
  UpdateAudio();
  EXPECT_EQ(ChannelPlaying(channel), 1);
  EXPECT_DOUBLE_EQ(VoiceOf(channel).position, 0.25 * kToneRate);

  const std::vector<int16_t> out = Mix({channel}, kToneRate);  // wraps past the end
  EXPECT_EQ(VoiceOf(channel).state, VoiceState::Playing);
  EXPECT_GT(Peak(std::vector<int16_t>(out.end() - 2000, out.end()), 0), 10000);
}

// ---- The mixer
// -------------------------------------------------------------------------------------

TEST_F(AudioTest, ChannelVolumeFollowsTheDecibelCurve) {
  constexpr int kFrames = 4096;
  const int fullPeak = Peak(Mix({PlaySound(tone_)}, kFrames), 0);
  ASSERT_GT(fullPeak, 20000);

  struct Case {
    float volume;
    std::optional<double> db;  // none: silent
  };
  const Case cases[] = {{1.7f, 0.0},   {1.0f, 0.0},          {0.5f, -6.7},
                        {0.1f, -20.6}, {0.0f, std::nullopt}, {-1.0f, std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.volume);
    const ChannelPtr channel = PlaySound(tone_);
    SetChannelVolume(channel, c.volume);  // applies to the sound already playing
    const std::vector<int16_t> out = Mix({channel}, kFrames);
    if (!c.db) {
      EXPECT_EQ(Peak(out, 0), 0);
      EXPECT_EQ(Peak(out, 1), 0);
    } else {
      EXPECT_NEAR(20 * std::log10(static_cast<double>(Peak(out, 0)) / fullPeak), *c.db, 0.05);
    }
  }
}

TEST_F(AudioTest, SoundGainScalesEveryPlayOfTheSound) {
  constexpr int kFrames = 4096;
  const int fullPeak = Peak(Mix({PlaySound(tone_)}, kFrames), 0);
  SetSoundGain(tone_, -12);
  const ChannelPtr channel = PlaySound(tone_);
  SetChannelVolume(channel, 0.5f);  // and the channel's volume comes on top
  EXPECT_NEAR(20 * std::log10(static_cast<double>(Peak(Mix({channel}, kFrames), 0)) / fullPeak),
              -12 - 6.7, 0.05);
}

TEST_F(AudioTest, StereoKeepsItsSidesAndMonoFeedsBoth) {
  const std::vector<int16_t> stereo = Mix({PlaySound(LoadSound(Files().stereo, 0))}, 4096);
  EXPECT_GT(Peak(stereo, 0), 20000);
  EXPECT_LT(Peak(stereo, 1), 300);  // only the codec's leakage

  const std::vector<int16_t> mono = Mix({PlaySound(tone_)}, 4096);
  for (size_t i = 0; i < mono.size(); i += 2) ASSERT_EQ(mono[i], mono[i + 1]) << "frame " << i / 2;
}

TEST_F(AudioTest, ResamplesToTheOutputRate) {
  const SoundPtr low = LoadSound(Files().lowRate, 0);
  ASSERT_TRUE(low);
  // A one-second sound lasts one second of output frames whatever the output rate.
  for (const int outputRate : {11025, 22050, 44100, 88200}) {
    SCOPED_TRACE(outputRate);
    const ChannelPtr channel = PlaySound(low);
    const std::vector<int16_t> out = Mix({channel}, outputRate - 1, outputRate);
    EXPECT_EQ(VoiceOf(channel).state, VoiceState::Playing);
    Mix({channel}, 1, outputRate);
    EXPECT_EQ(VoiceOf(channel).state, VoiceState::Idle);

    // Output frames that fall on a source frame carry it unchanged; between two source frames
    // the output lies between them.
    const double step = static_cast<double>(kLowRate) / outputRate;
    for (int frame = 0; frame < 2000; ++frame) {
      const double position = frame * step;
      const auto index = static_cast<size_t>(position);
      const int a = low->samples[index];
      const int b = low->samples[index + 1];
      const int mixed = out[static_cast<size_t>(frame) * 2];
      if (position == static_cast<double>(index)) {
        ASSERT_EQ(mixed, a) << "frame " << frame;
      } else {
        ASSERT_GE(mixed, std::min(a, b) - 1) << "frame " << frame;
        ASSERT_LE(mixed, std::max(a, b) + 1) << "frame " << frame;
      }
    }
  }
}

// A streamed sound mixes to exactly the samples of the same file decoded whole, however the
// device asks for them: in buffers of any size, at any output rate, across the end of a looping
// sound, and after the position jumps (a seek) backwards or forwards.
TEST_F(AudioTest, StreamedSoundMixesExactlyLikeTheWholeDecode) {
  struct Case {
    std::string path;
    int flags;
    int outputRate;
    std::vector<int> buffers;  // frames per call, cycled
    int frames;                // mixed in all
    double jumpTo;             // -1: no jump; else the position set halfway through
  };
  const std::string music = "BGM/CrypticIllusion.ogg";  // a real piece: many packets, stereo
  // clang-format off
  const Case cases[] = {
      // path             flags  output  buffers            frames        jump to
      {Files().mono,      0,     44100,  {1024},            kToneRate,    -1},
      {Files().stereo,    0,     48000,  {1, 777, 4096},    kToneRate,    -1},
      {Files().lowRate,   0,     11025,  {300},             kToneRate,    -1},
      {Files().lowRate,   1,     88200,  {1000, 3},         3 * 88200,    -1},
      {Files().mono,      1,     44100,  {2048},            2 * kToneRate, 100.5},
      {Files().mono,      0,     22050,  {512},             kToneRate / 2, 40000.25},
      {music,             0,     44100,  {1024},            20 * 44100,   -1},
      {music,             0,     48000,  {1024},            4 * 48000,    1234567.5},
      {music,             0,     44100,  {4096},            4 * 44100,    300000},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " at " + std::to_string(c.outputRate));
    const SoundPtr whole = LoadSound(c.path, c.flags);
    const SoundPtr streamed = LoadMusic(c.path, c.flags);
    ASSERT_TRUE(whole && streamed);
    ASSERT_EQ(streamed->Frames(), whole->Frames());
    const std::vector<ChannelPtr> channels = {PlaySound(whole), PlaySound(streamed)};
    std::vector<std::vector<int16_t>> heard(2);
    for (int mixed = 0, call = 0; mixed < c.frames; ++call) {
      const int frames = std::min(c.buffers[call % c.buffers.size()], c.frames - mixed);
      if (c.jumpTo >= 0 && mixed < c.frames / 2 && mixed + frames >= c.frames / 2) {
        for (const ChannelPtr& channel : channels) ChannelVoice(channel)->position = c.jumpTo;
      }
      for (int i = 0; i < 2; ++i) {
        const std::vector<int16_t> out = Mix({channels[i]}, frames, c.outputRate);
        heard[i].insert(heard[i].end(), out.begin(), out.end());
      }
      mixed += frames;
    }
    ASSERT_EQ(heard[0].size(), heard[1].size());
    for (size_t i = 0; i < heard[0].size(); ++i)
      ASSERT_EQ(heard[0][i], heard[1][i]) << "output frame " << i / 2;
    EXPECT_EQ(VoiceOf(channels[0]).state, VoiceOf(channels[1]).state);
    EXPECT_GT(Peak(heard[1], 0), 1000);
  }
}

// A streamed voice on the silent driver keeps the same time as a decoded one, and never
// decodes: nothing mixes it.
TEST_F(AudioTest, StreamedSoundKeepsTimeOnTheSilentDriver) {
  const ChannelPtr channel = PlaySound(LoadMusic(Files().mono, 0));
  headless::AdvanceClock(999);
  EXPECT_EQ(ChannelPlaying(channel), 1);
  headless::AdvanceClock(1);
  EXPECT_EQ(ChannelPlaying(channel), 0);
  EXPECT_FALSE(ChannelVoice(channel)->stream);
}

// ---- The master stage and the capture
// ----------------------------------------------------------

constexpr int kFramesPerGameFrame = kCaptureRate / 60;

int LargestSample(const std::vector<int16_t>& samples) {
  return std::max(Peak(samples, 0), Peak(samples, 1));
}

// Whatever the number of voices, nothing reaches the device or the file above the ceiling, and
// the limiter brings a loud sum down to the ceiling rather than far under it.
TEST_F(AudioTest, TwentyFullScaleVoicesTogetherNeverPassTheCeiling) {
  const SoundPtr full = LoadSound(Files().full, 0);
  ASSERT_TRUE(full);
  constexpr int kVoices = 20;
  for (const bool captured : {false, true}) {
    SCOPED_TRACE(captured ? "the capture" : "the device's mix");
    if (captured) StartAudioCapture();
    std::vector<ChannelPtr> channels;
    for (int i = 0; i < kVoices; ++i) channels.push_back(PlaySound(full));
    MasterStage master(kSilentOutputRate);
    std::vector<int16_t> heard;
    std::vector<int16_t> block(static_cast<size_t>(kFramesPerGameFrame) * 2);
    for (int frame = 0; frame < 40; ++frame) {  // the tone and the limiter's latency
      if (captured) {
        CaptureAudio(block.data(), kFramesPerGameFrame);
        Frame();
      } else {
        MixVoices(VoicesOf(channels), master, block.data(), kFramesPerGameFrame, kSilentOutputRate);
      }
      heard.insert(heard.end(), block.begin(), block.end());
    }
    if (captured) StopAudioCapture();
    EXPECT_LE(LargestSample(heard), MasterStage::CeilingSample());
    EXPECT_GE(LargestSample(heard), MasterStage::CeilingSample() * 0.97);  // within 0.3 dB
  }
}

TEST(MasterStageTest, LeavesQuietSoundsAloneAndComesBackSlowlyAfterAPeak) {
  constexpr int kRate = 44100;
  constexpr int kBurstStart = kRate / 2, kBurstEnd = kBurstStart + kRate / 20;
  constexpr int kFrames = kBurstEnd + 2 * kRate;
  const std::vector<float> tone = SineTone(kRate, kFrames, 330, 8000);  // on the 16-bit scale
  std::vector<float> sum;
  for (int i = 0; i < kFrames; ++i) {
    const float v = i >= kBurstStart && i < kBurstEnd ? tone[i] * 80 : tone[i];  // 20 x full
    sum.insert(sum.end(), {v, -v});
  }
  MasterStage master(kRate);
  std::vector<int16_t> out(sum.size());
  for (int at = 0; at < kFrames; at += 1024) {  // in the device's buffers
    const int frames = std::min(1024, kFrames - at);
    master.Process(sum.data() + 2 * at, out.data() + 2 * at, frames);
  }
  const int latency = master.LatencyFrames();
  const auto headroom = static_cast<float>(std::pow(10.0, platform_detail::kMasterHeadroomDb / 20));
  // The gain the stage gave input frame i, measured where the tone is near its crest.
  auto gainAt = [&](int i) {
    while (std::fabs(tone[i]) < 7000) ++i;
    return out[2 * static_cast<size_t>(i + latency)] / (tone[i] * headroom);
  };

  EXPECT_LE(LargestSample(out), MasterStage::CeilingSample());
  EXPECT_GE(
      Peak(std::vector<int16_t>(out.begin() + 2 * kBurstStart, out.begin() + 2 * kBurstEnd), 0),
      MasterStage::CeilingSample() * 0.95);
  for (int i = 0; i + latency < kBurstStart - latency; ++i) {
    ASSERT_NEAR(out[2 * static_cast<size_t>(i + latency)], tone[i] * headroom, 1) << "frame " << i;
    ASSERT_EQ(out[2 * static_cast<size_t>(i + latency) + 1],
              -out[2 * static_cast<size_t>(i + latency)]);
  }
  EXPECT_LT(gainAt(kBurstEnd + kRate / 100), 0.5) << "the gain jumps back after the peak";
  EXPECT_NEAR(gainAt(kBurstEnd + kRate * 3 / 2), 1.0, 0.02) << "the gain stays down";
}

// The capture hears a sound whole, frame by frame, through the master stage, and moves nothing
// of the silent driver's voices.
TEST_F(AudioTest, CaptureHearsEachSoundWholeAndLeavesTheDriverAlone) {
  StartAudioCapture();
  const ChannelPtr channel = PlaySound(tone_);
  const int started = MilliSecs();
  const ChannelPtr stopped = PlaySound(tone_);
  SetChannelVolume(stopped, 0.5f);
  std::vector<int16_t> heard;
  std::vector<int16_t> block(static_cast<size_t>(kFramesPerGameFrame) * 2);
  for (int frame = 0; frame < 70; ++frame) {
    if (frame == 10) StopChannel(stopped);
    CaptureAudio(block.data(), kFramesPerGameFrame);
    heard.insert(heard.end(), block.begin(), block.end());
    Frame();
    if (frame == 30) {
      EXPECT_EQ(ChannelPlaying(channel), 1);
      EXPECT_NEAR(VoiceOf(channel).position, (MilliSecs() - started) * kToneRate / 1000.0, 1e-6);
    }
  }
  StopAudioCapture();
  EXPECT_EQ(ChannelPlaying(channel), 0);

  const int latency = MasterStage(kCaptureRate).LatencyFrames();
  const double headroom = std::pow(10.0, platform_detail::kMasterHeadroomDb / 20);
  const double stoppedGain = platform_detail::VolumeToGain(0.5f);
  const auto toneFrames = static_cast<size_t>(tone_->Frames());
  for (size_t i = 0; i < heard.size() / 2; ++i) {
    double expected = 0;
    if (i >= static_cast<size_t>(latency) && i - latency < toneFrames) {
      const size_t n = i - latency;
      const double stoppedPart = n < 10u * kFramesPerGameFrame ? stoppedGain : 0;
      expected = tone_->samples[n] * (1 + stoppedPart) * headroom;
    }
    ASSERT_NEAR(heard[2 * i], expected, 1.5) << "frame " << i;
    ASSERT_EQ(heard[2 * i + 1], heard[2 * i]) << "frame " << i;
  }
}

// ---- The SDL back end --------------------------------------------------------------------------

// The SDL back end with the audio driver each test names. SDL reads the driver's name when the
// first audio operation opens the output, so the name stays set until the test ends.
class AudioDeviceTest : public ::testing::Test {
 protected:
  void StartSdl(const char* audioDriver) {
    const char* previous = std::getenv(kDriverVariable);
    savedDriver_ = previous ? std::optional<std::string>(previous) : std::nullopt;
    setenv(kDriverVariable, audioDriver, 1);
    ShutdownPlatform();
    ShutdownAudio();
    if (!InitPlatform(BackendKind::Sdl)) GTEST_SKIP() << PlatformError();
  }
  void TearDown() override {
    ShutdownPlatform();
    if (savedDriver_)
      setenv(kDriverVariable, savedDriver_->c_str(), 1);
    else
      unsetenv(kDriverVariable);
  }

  // Waits in real time, up to a few seconds, for the channel to fall silent.
  static bool EndsWithin(const ChannelPtr& channel, int ms) {
    const int until = MilliSecs() + ms;
    while (ChannelPlaying(channel) && MilliSecs() < until) Delay(10);
    return ChannelPlaying(channel) == 0;
  }

  static constexpr const char* kDriverVariable = "SDL_AUDIODRIVER";
  std::optional<std::string> savedDriver_;
};

TEST_F(AudioDeviceTest, GameRunsOnWhenNoDeviceOpens) {
  StartSdl("no-such-driver");
  if (IsSkipped()) return;
  const SoundPtr sound = LoadSound(Files().stereo, 0);
  ASSERT_TRUE(sound) << "decoding needs no device";
  EXPECT_FALSE(AudioDeviceOpen());

  const ChannelPtr channel = PlaySound(sound);
  EXPECT_EQ(ChannelPlaying(channel), 1);
  EXPECT_TRUE(EndsWithin(channel, 5000)) << "the silent driver follows the real clock";
}

TEST_F(AudioDeviceTest, RealDeviceMixesVoicesToTheirEnd) {
  StartSdl("dummy");  // a device that consumes the stream in real time, with no sound card
  if (IsSkipped()) return;
  const SoundPtr sound = LoadSound(Files().stereo, 0);
  ASSERT_TRUE(sound);
  ASSERT_TRUE(AudioDeviceOpen());

  // Cued voices wait, paused, however long the device runs.
  const std::vector<ChannelPtr> channels = {CueSound(sound, AllocChannel()), CueSound(sound),
                                            CueSound(sound)};
  Delay(50);
  EXPECT_EQ(LiveVoiceCount(), 3);
  for (const ChannelPtr& channel : channels) ResumeChannel(channel);
  for (const ChannelPtr& channel : channels) EXPECT_TRUE(EndsWithin(channel, 5000));
  UpdateAudio();
  EXPECT_EQ(LiveVoiceCount(), 0);
}

}  // namespace
