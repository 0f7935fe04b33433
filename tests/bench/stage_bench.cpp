// A busy frame of the first castle stage at 1366 x 768, through the real manager: the heroine
// chaining strikes, casting and jumping among four standing foes that take the hits (the practice
// yard's straw-men, set on the stage while the enemy kinds are not in the game), with the hit
// boxes, the effects and the full scenery. The update (Manager->Move) and the drawing
// (Manager->Draw, waited for until the rasteriser is done) are measured apart.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "actors/combo_counter.h"
#include "app/manager.h"
#include "audio/bgm_player.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "loaded_world.h"
#include "platform/internal.h"
#include "platform/platform.h"
#include "segments/practice_yard.h"
#include "segments/segment.h"
#include "wait_for_frame.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

// One loop of keys, as in the heroine's benchmark: run, the chain, a moon slasher, a jump attack.
struct Press {
  int from, to, key;
};
constexpr Press kLoop[] = {
    {0, 20, 39},    {30, 32, 88},   {40, 42, 88},   {50, 52, 88},   {63, 65, 88},
    {100, 102, 90}, {140, 142, 67}, {150, 152, 67}, {160, 162, 88}, {200, 220, 37},
};
constexpr int kLoopFrames = 240;

struct Stage {
  DeviceState devices;
  int frame = 0;

  Stage() {
    OpenLoadedWorld();
    std::string failed;
    LoadSounds(failed);
    OverrideDeviceState(&devices);
    SeedRnd(3);
    Manager = std::make_shared<TManager>();
    Manager->Init();
    GameInput[0]->SetDefaultConfig();
    // Straight into the first stage, past the skill list and the heroine's run in.
    Manager->SetMode(MANAGER_GAME);
    Manager->Stage[0]->bSegmentFinished = 1;
    for (int i = 0; i < 60; ++i) Manager->Move();
    SpawnPracticeTargets();
    for (const auto& c : CharacterList) {
      if (c->iAffiliation == SIDE_ENEMY) c->x += 360;
    }
  }

  void Step() {
    const int t = frame++ % kLoopFrames;
    devices.keys = {};
    for (const Press& p : kLoop) {
      if (t >= p.from && t < p.to) devices.keys[p.key] = 1;
    }
    Momo->AddMP(2000);  // keep casting
    Manager->Move();
  }
};

Stage& TheStage() {
  static Stage stage;
  return stage;
}

void BM_StageUpdate(benchmark::State& run) {
  Stage& stage = TheStage();
  for (auto _ : run) stage.Step();
}
BENCHMARK(BM_StageUpdate);

void BM_StageDraw(benchmark::State& run) {
  Stage& stage = TheStage();
  for (auto _ : run) {
    run.PauseTiming();
    stage.Step();
    Cls();
    run.ResumeTiming();
    Manager->Draw();
    WaitForFrame();
  }
}
BENCHMARK(BM_StageDraw)->Unit(benchmark::kMillisecond);

}  // namespace
