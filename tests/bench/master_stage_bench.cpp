// The master stage's cost per second of sound: one second of a stereo sum at 44.1 kHz through
// headroom and the limiter, in the device's buffers of 1024 frames. "quiet" never reaches the
// ceiling, so the limiter only watches; "fight" is a sum that passes full scale in bursts, as
// several hits on top of the music do, so it works all the time.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "platform/master_stage.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBuffer = 1024;

std::vector<float> OneSecond(bool loud) {
  std::vector<float> sum;
  for (int i = 0; i < kRate; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 6000 * std::sin(2 * std::numbers::pi * 110 * t) +
               3000 * std::sin(2 * std::numbers::pi * 1375 * t);
    // Eight blows a second, each a decaying crack up to four times full scale.
    if (loud)
      v += 4 * 32768 * std::exp(-std::fmod(t, 0.125) * 40) *
           std::sin(2 * std::numbers::pi * 240 * t);
    sum.push_back(static_cast<float>(v));
    sum.push_back(static_cast<float>(-v * 0.8));
  }
  return sum;
}

void BM_MasterStageSecond(benchmark::State& run) {
  const std::vector<float> sum = OneSecond(run.range(0) != 0);
  std::vector<int16_t> out(sum.size());
  platform_detail::MasterStage master(kRate);
  for (auto _ : run) {
    for (int at = 0; at < kRate; at += kBuffer) {
      const int frames = std::min(kBuffer, kRate - at);
      master.Process(sum.data() + 2 * at, out.data() + 2 * at, frames);
    }
    benchmark::DoNotOptimize(out.data());
  }
  run.SetItemsProcessed(run.iterations() * kRate);
  run.SetLabel(run.range(0) ? "fight" : "quiet");
}

}  // namespace

BENCHMARK(BM_MasterStageSecond)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
