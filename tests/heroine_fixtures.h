#pragma once
// A world for the heroine's tests: one 1280 x 768 screen of a three-screen stretch, the heroine
// reading the keyboard through her own TGameInput, and frames stepped as a stage runs them
// (characters, then hit boxes, then effects, then the sort that puts her last). Keys are pressed
// through the device state, exactly as a player's keyboard would press them.

#include <gtest/gtest.h>

#include <memory>

#include "actors/character_handler.h"
#include "actors/combo_counter.h"
#include "combat/projectile.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "heroine_world.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/globals.h"

// The built-in keyboard bindings.
constexpr int kKeyAttack = 88;  // X
constexpr int kKeyMagic = 90;   // Z
constexpr int kKeyJump = 67;    // C
constexpr int kKeyDash = 13;    // Enter
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// A plain foe for her to hit: it records the modes it is put in and stands still otherwise.
class Dummy : public TCharacter {
 public:
  std::vector<int> modes;
  void SetMode(int mode) override {
    iDelayCounter = 0;
    iFrame = 0;
    bFrameDirection = 1;
    iMode = mode;
    modes.push_back(mode);
    // Reeling foes cannot be hit again at once, as the real ones.
    iStatus = IsReactionMode(mode) ? STATUS_UNHITTABLE : STATUS_NORMAL;
  }
};

class HeroineWorld : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InitPlatform(BackendKind::Headless)) << PlatformError();
  }

  void SetUp() override {
    PlaceHeroineAlone(1280, 768, devices);
    Momo->SetMount(0, -1);
    Momo->AddHP(2000);
    Momo->AddMP(2000);
    SeedRnd(11);
  }

  void TearDown() override {
    OverrideDeviceState(nullptr);
    ResetGlobals();
  }

  // One game frame as the manager runs it: every character in list order, the hit boxes, the
  // effects, then the sort by descending id, so that the foes move before the heroine.
  void Step(int frames = 1) {
    for (int i = 0; i < frames; ++i) {
      characters.Move();
      projectiles.Move();
      effects.Move();
      characters.Sort();
    }
  }

  // Steps until the heroine is in `mode`, at most `limit` frames; returns the frames taken, or -1.
  int StepUntil(int mode, int limit = 600) {
    for (int frames = 1; frames <= limit; ++frames) {
      Step();
      if (Momo->iMode == mode) return frames;
    }
    return -1;
  }

  void Key(int code, bool down) { devices.keys[code] = down ? 1 : 0; }
  // The key goes down for one frame and up in the next.
  void Tap(int code) {
    Key(code, true);
    Step();
    Key(code, false);
  }

  // Releases Up, then releases it again `gap` frames later (gap 3 or more: a key pressed again
  // right after its release only counts once it has been up for a frame).
  void DoubleTapUp(int gap) {
    Tap(kKeyUp);
    Step(2);  // the first release, then a frame up
    Key(kKeyUp, true);
    Step(gap - 2);
    Key(kKeyUp, false);
    Step();  // the second release
  }

  // Holds Jump until it counts as held, then lets go.
  void Jump() {
    Key(kKeyJump, true);
    Step(2);
    Key(kKeyJump, false);
  }

  // A foe of size `size` with `hp` hit points, standing `ahead` pixels in front of her.
  std::shared_ptr<Dummy> AddFoe(int id, float ahead, float hp = 100, float size = 6) {
    auto foe = std::make_shared<Dummy>();
    foe->iID = id;
    foe->iType = TYPE_SABERMAN;
    foe->iAffiliation = SIDE_ENEMY;
    foe->iStatus = STATUS_NORMAL;
    foe->fSize = size;
    foe->fHP = foe->fHPMax = hp;
    foe->xBBox = -35;
    foe->yBBox = -200;
    foe->BBoxWidth = 70;
    foe->BBoxHeight = 190;
    foe->iFacing = 180;
    foe->SetCoordinat(Momo->x + ahead, static_cast<float>(Momo->iPlane));
    foe->SetMode(MODE_STANCE);
    CharacterList.push_back(foe);
    return foe;
  }

  DeviceState devices;
  TCharacterHandler characters;
  TProjectileHandler projectiles;
  TEffectHandler effects;
};

// A world for a table of cases: TEST_P and INSTANTIATE_TEST_SUITE_P over Case rows.
template <typename Case, typename World>
class WorldCases : public World, public testing::WithParamInterface<Case> {};
template <typename Case>
using HeroineCases = WorldCases<Case, HeroineWorld>;
