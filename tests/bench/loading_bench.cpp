// Start-up work piece by piece, headless, in the build folder: loading the catalogue's pictures
// (packed, so nothing is decoded), decoding every frame as the textures will, the PNGs of the
// same pictures for comparison, opening the music, and what the audio thread pays for one device
// buffer of music streamed or decoded whole.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/audio_internal.h"
#include "platform/packed_picture.h"
#include "platform/platform.h"
#include "world/assets.h"

namespace {

constexpr int kDeviceBufferFrames = 1024;
constexpr const char* kPieces[] = {"BGM/ImpendingDanger.ogg", "BGM/BruteForce.ogg",
                                   "BGM/CrypticIllusion.ogg", "BGM/MainTitle.ogg"};

void StartHeadless() {
  static const bool started = InitPlatform(BackendKind::Headless);
  (void)started;
}

// Every packed frame of the catalogue, as LoadImages leaves them.
std::vector<std::pair<const TImage*, int>> CatalogueFrames() {
  StartHeadless();
  std::string failed;
  LoadImages(failed);
  std::vector<std::pair<const TImage*, int>> frames;
  for (const catalogue::Image& entry : catalogue::kImages) {
    const TImage* image = entry.global->get();
    if (!image) continue;
    for (int frame = 0; frame < static_cast<int>(image->packed.size()); ++frame)
      frames.emplace_back(image, frame);
  }
  return frames;
}

void BM_LoadImages(benchmark::State& run) {
  StartHeadless();
  for (auto _ : run) {
    std::string failed;
    benchmark::DoNotOptimize(LoadImages(failed));
  }
}

void BM_UnpackEveryFrame(benchmark::State& run) {
  const auto frames = CatalogueFrames();
  std::vector<uint8_t> rgba;
  int64_t bytes = 0;
  for (auto _ : run) {
    for (const auto& [image, frame] : frames) {
      UnpackFrame(image->packed[frame], image->width, image->height, rgba);
      bytes += static_cast<int64_t>(rgba.size());
    }
  }
  run.SetBytesProcessed(bytes);
}

// What the same pictures cost as PNGs, the form they were carried in before.
void BM_DecodeEveryPng(benchmark::State& run) {
  StartHeadless();
  std::vector<std::string> files;
  for (const catalogue::Image& entry : catalogue::kImages)
    if (entry.embedded) files.push_back(std::string("assets/") + entry.file);
  for (auto _ : run) {
    for (const std::string& file : files) benchmark::DoNotOptimize(LoadImage(file, 2));
  }
}

void BM_LoadMusic(benchmark::State& run) {
  StartHeadless();
  for (auto _ : run) {
    for (const char* piece : kPieces) benchmark::DoNotOptimize(LoadMusic(piece, 0));
  }
}

// One device buffer of the title piece from a playing voice, round and round the piece, through
// the master stage as the device hears it.
void MixMusicBuffers(benchmark::State& run, SoundPtr (*load)(const std::string&, int)) {
  StartHeadless();
  const SoundPtr piece = load("BGM/MainTitle.ogg", 1);
  if (!piece) {
    run.SkipWithError("no BGM/MainTitle.ogg: run in the build folder");
    return;
  }
  const ChannelPtr channel = PlaySound(piece);
  const std::vector<platform_detail::VoicePtr> voices = {platform_detail::ChannelVoice(channel)};
  std::vector<int16_t> out(kDeviceBufferFrames * 2);
  platform_detail::MasterStage master(platform_detail::kSilentOutputRate);
  for (auto _ : run) {
    platform_detail::MixVoices(voices, master, out.data(), kDeviceBufferFrames,
                               platform_detail::kSilentOutputRate);
  }
  run.SetItemsProcessed(run.iterations() * kDeviceBufferFrames);
}

void BM_MixStreamedMusicBuffer(benchmark::State& run) { MixMusicBuffers(run, LoadMusic); }
void BM_MixDecodedMusicBuffer(benchmark::State& run) { MixMusicBuffers(run, LoadSound); }

}  // namespace

BENCHMARK(BM_LoadImages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackEveryFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeEveryPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMusic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MixStreamedMusicBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixDecodedMusicBuffer)->Unit(benchmark::kMicrosecond);
