// Games played by the bot through the real manager and drawn at 1366 x 768, headless, every
// frame drawn whole as the window draws it.
// - BM_DrawnFighting: a stretch of frames with foes on a castle stage, from the first foe on
//   (the start-up, the title and the skill list are left out). Its counters are the median, the
//   99th percentile and the worst of the frames' drawing times (Manager->Draw, waited for until
//   the picture is done), beside the same figures for the frames' logic (Manager->Move), in
//   processor time.
// - BM_DrawnWholeGame: a whole game on Normal, drawn; its counter is the frames per second it
//   keeps, logic and drawing together, in processor time (the wall clock of a game paced at 60 Hz
//   says nothing of its cost).
// Both give the process's peak resident memory so far, in MB: drawing is what makes it grow (the
// textures of every frame drawn), so run one at a time (--benchmark_filter) to read each's own.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "actors/character.h"
#include "app/manager.h"
#include "app/program.h"
#include "bot/autoplay.h"
#include "loaded_world.h"
#include "platform/platform.h"
#include "wait_for_frame.h"
#include "world/globals.h"
#include "world/modes.h"

namespace {

constexpr int kSeed = 5;
constexpr int kMostFrames = 100000;
constexpr int kFightingFrames = 1200;

// The processor time of this thread, in seconds: the software renderer draws on the thread that
// asks, so this is the frame's whole cost, and unlike the wall clock it does not count the time
// other programs on a busy machine took.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The largest the process has been resident, in MB.
double PeakResidentMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// The q-quantile (0..1) of the times, in milliseconds.
double QuantileMs(std::vector<double> times, double q) {
  if (times.empty()) return 0;
  const size_t at = std::min(times.size() - 1, static_cast<size_t>(q * times.size()));
  std::nth_element(times.begin(), times.begin() + static_cast<long>(at), times.end());
  return times[at] * 1e3;
}

// A new game from the title with the bot at the controls.
std::unique_ptr<Autoplay> NewGame() {
  OpenLoadedWorld();
  RegisterCharacterKinds();
  GameInput.assign(1, nullptr);
  ProjectileList.clear();
  CharacterList.clear();
  EffectList.clear();
  std::string failed;
  StartGame(failed);
  SeedRnd(kSeed);
  return std::make_unique<Autoplay>(kSeed, LookAtScreen);
}

bool FoesOnStage() {
  if (!Manager || Manager->iMode != MANAGER_GAME || (Manager->iStage != 1 && Manager->iStage != 2))
    return false;
  return std::any_of(CharacterList.begin(), CharacterList.end(),
                     [](const auto& c) { return c->iAffiliation == SIDE_ENEMY; });
}

struct FrameTimes {
  double logic = 0;
  double drawing = 0;
};

// One frame of the game: the bot's input, the update and the drawing, each timed.
FrameTimes PlayFrame(Autoplay& bot, int frame) {
  bot.BeginFrame(frame);
  FrameTimes times;
  double start = ThreadSeconds();
  Manager->Move();
  times.logic = ThreadSeconds() - start;
  start = ThreadSeconds();
  Cls();
  Manager->Draw();
  WaitForFrame();
  times.drawing = ThreadSeconds() - start;
  Flip(0);
  return times;
}

void BM_DrawnFighting(benchmark::State& run) {
  std::vector<double> logic, drawing;
  for (auto _ : run) {
    std::unique_ptr<Autoplay> bot = NewGame();
    logic.clear();
    drawing.clear();
    for (int frame = 0; frame < kMostFrames && bot->Outcome() == BotOutcome::Playing &&
                        static_cast<int>(drawing.size()) < kFightingFrames;
         ++frame) {
      const bool fighting = FoesOnStage();
      if (!fighting && drawing.empty()) {
        // Up to the first foe, only the logic runs: nothing of it is measured.
        bot->BeginFrame(frame);
        Manager->Move();
        FlipWithoutPicture();
        continue;
      }
      const FrameTimes times = PlayFrame(*bot, frame);
      if (!fighting) continue;
      logic.push_back(times.logic);
      drawing.push_back(times.drawing);
    }
    if (drawing.size() < kFightingFrames) run.SkipWithError("the bot fought too few frames");
  }
  run.counters["frames"] = static_cast<double>(drawing.size());
  run.counters["draw_median_ms"] = QuantileMs(drawing, 0.5);
  run.counters["draw_p99_ms"] = QuantileMs(drawing, 0.99);
  run.counters["draw_max_ms"] = QuantileMs(drawing, 1);
  run.counters["logic_median_ms"] = QuantileMs(logic, 0.5);
  run.counters["logic_p99_ms"] = QuantileMs(logic, 0.99);
  run.counters["logic_max_ms"] = QuantileMs(logic, 1);
  run.counters["peak_rss_mb"] = PeakResidentMb();
  OverrideDeviceState(nullptr);
}
BENCHMARK(BM_DrawnFighting)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DrawnWholeGame(benchmark::State& run) {
  int frames = 0;
  double seconds = 0;
  for (auto _ : run) {
    std::unique_ptr<Autoplay> bot = NewGame();
    seconds = 0;
    for (frames = 0; frames < kMostFrames && bot->Outcome() == BotOutcome::Playing; ++frames) {
      const FrameTimes times = PlayFrame(*bot, frames);
      seconds += times.logic + times.drawing;
    }
    if (bot->Outcome() != BotOutcome::Finished) run.SkipWithError(bot->Summary().c_str());
  }
  run.counters["frames"] = frames;
  run.counters["fps"] = seconds > 0 ? frames / seconds : 0;
  run.counters["peak_rss_mb"] = PeakResidentMb();
  OverrideDeviceState(nullptr);
}
BENCHMARK(BM_DrawnWholeGame)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
