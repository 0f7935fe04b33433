// A busy fight: the heroine striking and casting in a loop among sixteen enemies of the six kinds
// on the three planes, under the Normal engagement limit. One frame of game logic (the limit, the
// characters, the hit boxes, the effects), and the drawing of such a frame at 1366 x 768.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "../heroine_world.h"
#include "actors/character_handler.h"
#include "actors/combo_counter.h"
#include "app/program.h"
#include "combat/projectile.h"
#include "enemies/overmind.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "segments/practice_yard.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/spawn.h"

namespace {

constexpr int kKinds[] = {TYPE_NECROMANCER, TYPE_TEMPLAR,  TYPE_RAIDER,
                          TYPE_EXECUTIONER, TYPE_SPEARMAN, TYPE_SABERMAN};
constexpr int kEnemies = 16;

struct Fight {
  DeviceState devices;
  TCharacterHandler characters;
  TProjectileHandler projectiles;
  TEffectHandler effects;
  TOvermind overmind;
  int frame = 0;
  int nextID = 1;

  Fight() {
    InitPlatform(BackendKind::Headless);
    RegisterCharacterKinds();
    PlaceHeroineAlone(1366, 768, devices);
    Momo->x = 1800;
    overmind.SetMaxEngagedCombatant(2);
    SeedRnd(3);
    Refill();
  }
  ~Fight() {
    OverrideDeviceState(nullptr);
    ResetGlobals();
  }

  // Keeps sixteen living enemies around her, and her on her feet.
  void Refill() {
    int living = 0;
    CharacterList.remove_if([](const std::shared_ptr<TCharacter>& c) {
      return c->iAffiliation == SIDE_ENEMY && c->iMode == MODE_DEAD;
    });
    for (const auto& c : CharacterList) living += c->iAffiliation == SIDE_ENEMY ? 1 : 0;
    for (; living < kEnemies; ++living) {
      auto enemy = Spawn(kKinds[nextID % 6], nextID);
      enemy->SetCoordinat(Momo->x - 700 + static_cast<float>(nextID * 97 % 1400),
                          static_cast<float>((nextID % 3) * 2));
      ++nextID;
      CharacterList.push_back(enemy);
      enemy->ResetGameData();
    }
    Momo->iLive = 2;
    Momo->AddMP(2000);
  }

  void Frame() {
    // Strike every 20 frames, a moon slasher every 200.
    const int t = frame % 200;
    devices.keys = {};
    if (t % 20 < 2) devices.keys[88] = 1;
    if (t >= 100 && t < 102) devices.keys[90] = 1;
    overmind.SetAI();
    characters.Move();
    projectiles.Move();
    effects.Move();
    ComboCounter->Move();
    characters.Sort();
    ++frame;
  }
};

void BM_FightLogic(benchmark::State& state) {
  Fight fight;
  for (int i = 0; i < 300; ++i) fight.Frame();  // into the thick of it
  for (auto _ : state) {
    fight.Frame();
    state.PauseTiming();
    if (fight.frame % 60 == 0) fight.Refill();
    state.ResumeTiming();
  }
  state.counters["characters"] = static_cast<double>(CharacterList.size());
  state.counters["boxes"] = static_cast<double>(ProjectileList.size());
  state.counters["effects"] = static_cast<double>(EffectList.size());
}
BENCHMARK(BM_FightLogic)->Unit(benchmark::kMicrosecond);

void BM_FightDraw(benchmark::State& state) {
  Fight fight;
  std::string failed;
  if (!LoadImages(failed)) {
    state.SkipWithError(("cannot load " + failed).c_str());
    return;
  }
  OpenGraphics(1366, 768, 0, 0, 0);
  for (int i = 0; i < 300; ++i) fight.Frame();
  for (auto _ : state) {
    Cls();
    DrawPracticeYard();
    for (int plane = 0; plane <= 4; ++plane) {
      fight.effects.Draw(1, plane);
      fight.projectiles.Draw(1, plane);
      fight.characters.Draw(plane);
      fight.projectiles.Draw(0, plane);
      fight.effects.Draw(0, plane);
    }
    ComboCounter->Draw();
    Momo->DrawGUI();
    Flip(0);
  }
  CloseGraphics();
}
BENCHMARK(BM_FightDraw)->Unit(benchmark::kMillisecond);

}  // namespace
