// A whole game on Normal, played by the bot through the real manager from the title to the title
// again, without drawing. Each iteration is one game; the counters give its frames, the mean
// logic time of a frame and the logic time of its busiest frame (the manager's update alone: the
// bot's own thinking is left out, as the game's budget is for the game). Every iteration plays
// the same game, so the busiest frame is taken from each frame's quickest time over the
// iterations: a frame the system happened to interrupt does not count as busy.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "actors/combo_counter.h"
#include "app/manager.h"
#include "app/program.h"
#include "audio/bgm_player.h"
#include "bot/autoplay.h"
#include "loaded_world.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr int kSeed = 5;
constexpr int kMostFrames = 100000;

void BM_WholeGameByTheBot(benchmark::State& run) {
  OpenLoadedWorld();
  RegisterCharacterKinds();
  GameInput.assign(1, nullptr);
  std::string failed;

  using Clock = std::chrono::steady_clock;
  std::vector<double> quickest;  // per frame, over the iterations
  double total = 0;
  int frames = 0;
  for (auto _ : run) {
    ProjectileList.clear();
    CharacterList.clear();
    EffectList.clear();
    StartGame(failed);
    SeedRnd(kSeed);
    Autoplay bot(kSeed, LookAtScreen);
    total = 0;
    for (frames = 0; frames < kMostFrames && bot.Outcome() == BotOutcome::Playing; ++frames) {
      bot.BeginFrame(frames);
      const auto start = Clock::now();
      Manager->Move();
      const double took = std::chrono::duration<double>(Clock::now() - start).count();
      if (frames >= static_cast<int>(quickest.size())) quickest.push_back(took);
      quickest[frames] = std::min(quickest[frames], took);
      total += took;
    }
    if (bot.Outcome() != BotOutcome::Finished) run.SkipWithError(bot.Summary().c_str());
  }
  const auto busiest = std::max_element(quickest.begin(), quickest.end());
  run.counters["frames"] = frames;
  run.counters["frame_mean_us"] = total / std::max(frames, 1) * 1e6;
  if (busiest != quickest.end()) {
    run.counters["busiest_frame_us"] = *busiest * 1e6;
    run.counters["busiest_frame"] = static_cast<double>(busiest - quickest.begin());
  }
  OverrideDeviceState(nullptr);
}
BENCHMARK(BM_WholeGameByTheBot)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
