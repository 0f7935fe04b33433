// The heroine's update, one frame at a time, while a player runs, strikes through the whole
// chain, casts and jumps in a loop: her mode machine, input poll, world scroll and the hit boxes
// she makes (moved and tested against four standing foes).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "../heroine_world.h"
#include "actors/combo_counter.h"
#include "app/trace.h"
#include "combat/projectile.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "segments/practice_yard.h"
#include "world/globals.h"

namespace {

// One loop of 240 frames of keys: run right, the four strikes, a moon slasher, a jump attack.
struct Press {
  int from, to, key;
};
constexpr Press kLoop[] = {
    {0, 20, 39},                                                   // Right
    {30, 32, 88},   {40, 42, 88},   {50, 52, 88},   {63, 65, 88},  // the chain
    {100, 102, 90},                                                // moon slasher
    {140, 142, 67}, {150, 152, 67}, {160, 162, 88},                // jump, then a jump attack
    {200, 220, 37},                                                // back left
};
constexpr int kLoopFrames = 240;

void BM_HeroineFrame(benchmark::State& state) {
  InitPlatform(BackendKind::Headless);
  DeviceState devices;
  PlaceHeroineAlone(1366, 768, devices);
  Momo->AddHP(2000);
  SpawnPracticeTargets();
  TProjectileHandler projectiles;
  TEffectHandler effects;

  int frame = 0;
  for (auto _ : state) {
    const int t = frame % kLoopFrames;
    devices.keys = {};
    for (const Press& p : kLoop) {
      if (t >= p.from && t < p.to) devices.keys[p.key] = 1;
    }
    Momo->AddMP(2000);  // keep casting
    Momo->Move();
    projectiles.Move();
    state.PauseTiming();
    for (const auto& c : CharacterList) {
      if (c != Momo) c->Move();
    }
    effects.Move();
    state.ResumeTiming();
    ++frame;
  }
  OverrideDeviceState(nullptr);
  ResetGlobals();
}
BENCHMARK(BM_HeroineFrame);

// One trace line of the practice yard (the heroine and four foes), written to /dev/null as the
// writer writes it (the writer itself refuses devices).
void BM_TraceFrame(benchmark::State& state) {
  ResetGlobals();
  fScreenWidth = 1366;
  fScreenHeight = 768;
  ComputePlaneLines();
  Momo = std::make_shared<TMomo>();
  Momo->Init(0, 0);
  CharacterList.push_back(Momo);
  Momo->ResetGameData();
  SpawnPracticeTargets();
  std::FILE* sink = std::fopen("/dev/null", "wb");
  if (!sink) state.SkipWithError("cannot open /dev/null");
  std::setvbuf(sink, nullptr, _IOFBF, 1 << 16);
  int frame = 0;
  for (auto _ : state) {
    std::string line = TraceWriter::FrameLine(frame++);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), sink);
  }
  if (sink) std::fclose(sink);
  ResetGlobals();
}
BENCHMARK(BM_TraceFrame);

}  // namespace
