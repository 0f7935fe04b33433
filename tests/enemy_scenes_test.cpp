// Two fights staged and drawn as the game draws them: a raider knocked off its dragon, which is
// left standing riderless, and a body the heroine throws into another enemy. Each scene is also
// written to scenes/ in the build folder for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "actors/character_handler.h"
#include "actors/combo_counter.h"
#include "combat/projectile.h"
#include "enemies/roster.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "loaded_images.h"
#include "platform/platform.h"
#include "test_support.h"
#include "world/globals.h"
#include "world/spawn.h"

namespace {

class EnemyScenes : public LoadedImages {
 protected:
  void SetUp() override {
    LoadedImages::SetUp();
    ASSERT_TRUE(OpenGraphics(1366, 768, 0, 0, 0)) << PlatformError();
    ResetGlobals();
    fScreenWidth = 1366;
    fScreenHeight = 768;
    ComputePlaneLines();
    SetDifficulty(DIFFICULTY_NORMAL);
    fStageLength = 3 * fScreenWidth;
    fScrollLimitX = fStageLength;
    ComboCounter = std::make_shared<TComboCounter>();
    OverrideDeviceState(&devices);
    GameInput.assign(1, std::make_shared<TGameInput>());
    GameInput[0]->Init(0, INPUT_KEYBOARD);
    GameInput[0]->SetDefaultConfig();
    Momo = std::make_shared<TMomo>();
    Momo->Init(0, 0);
    CharacterList.push_back(Momo);
    Momo->SetLive();
    Momo->ResetGameData();
    Momo->AddHP(2000);
    Momo->AddMP(2000);
    Momo->x = 400;
    SeedRnd(5);
  }
  void TearDown() override {
    OverrideDeviceState(nullptr);
    ResetGlobals();
    CloseGraphics();
  }

  std::shared_ptr<TCharacter> Add(int type, int id, float x, int plane = 2) {
    std::shared_ptr<TCharacter> c = Spawn(type, id);
    c->SetCoordinat(x, static_cast<float>(plane));
    CharacterList.push_back(c);
    c->ResetGameData();
    return c;
  }

  // A stage frame without its scenery: characters, hit boxes, effects.
  void Step(int frames = 1) {
    for (int i = 0; i < frames; ++i) {
      characters.Move();
      projectiles.Move();
      effects.Move();
      characters.Sort();
    }
  }

  // Draws the frame plane by plane and writes it to scenes/NAME.png; returns the picture.
  Picture Shoot(const std::string& name) {
    SetClsColor(40, 36, 60);
    Cls();
    SetOrigin(-fWorldX, 0);
    for (int plane = 0; plane <= 4; ++plane) {
      effects.Draw(1, plane);
      projectiles.Draw(1, plane);
      characters.Draw(plane);
      projectiles.Draw(0, plane);
      effects.Draw(0, plane);
    }
    SetOrigin(0, 0);
    std::filesystem::create_directories("scenes");
    EXPECT_TRUE(SaveScreenshot("scenes/" + name + ".png"));
    return ReadBack();
  }

  DeviceState devices;
  TCharacterHandler characters;
  TProjectileHandler projectiles;
  TEffectHandler effects;
};

TEST_F(EnemyScenes, ARaiderKnockedOutOfTheSaddleLeavesItsDragonStanding) {
  auto raider = Add(TYPE_RAIDER, 1, 620);
  Step();
  Shoot("raider-on-its-dragon");
  raider->fHP = 1;
  raider->Damage(10, 0, MODE_KNOCKDOWN, 0, 0);
  EXPECT_EQ(raider->bUnmount, 1) << "thrown off";
  std::shared_ptr<TCharacter> dragon;
  for (const auto& c : CharacterList) {
    if (c->iType == TYPE_DRACON) dragon = c;
  }
  ASSERT_TRUE(dragon) << "its dragon stays behind";
  EXPECT_GE(dragon->iID, 1001);
  Step(90);
  EXPECT_EQ(dragon->iMode, MODE_MOUNT_WAITING) << "and waits to be boarded";
  EXPECT_EQ(raider->iMode, MODE_DEAD);
  const Picture picture = Shoot("riderless-dragon");
  const Rgb shadowless = picture.At(static_cast<int>(dragon->x), static_cast<int>(dragon->y) - 100);
  EXPECT_NE(shadowless.r + shadowless.g + shadowless.b, 40 + 36 + 60) << "the dragon is drawn";
}

TEST_F(EnemyScenes, ABodyTheHeroineThrowsKnocksDownTheEnemyItFliesInto) {
  auto thrown = Add(TYPE_SABERMAN, 1, 460);
  auto behind = Add(TYPE_SPEARMAN, 2, 250);
  // She runs into the saberman, seizes it and throws it back over her head.
  devices.keys[39] = 1;
  Step();
  devices.keys[39] = 0;
  ASSERT_EQ(Momo->iMode, MOMO_GRAPPLE);
  for (int i = 0; i < 10 && Momo->iMode != MOMO_GRAPPLE_HOLD; ++i) Step();
  devices.keys[37] = 1;
  devices.keys[88] = 1;
  Step();
  devices.keys[37] = devices.keys[88] = 0;
  ASSERT_EQ(Momo->iMode, MOMO_BACK_THROW);
  const float before = behind->fHP;
  bool shot = false;
  for (int i = 0; i < 90; ++i) {
    Step();
    if (!shot && behind->fHP < before) {
      Shoot("thrown-body-hits");
      shot = true;
    }
  }
  EXPECT_TRUE(shot) << "the body never reached the spearman";
  EXPECT_LT(behind->fHP, before);
  EXPECT_GT(Momo->fScore, 0);
}

}  // namespace
