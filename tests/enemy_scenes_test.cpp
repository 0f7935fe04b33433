// Two fights staged and drawn as the game draws them: a raider knocked off its dragon, which is
// left standing riderless, and a body the heroine throws into another enemy. Each picture taken
// is checked for the characters it must show.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "actors/character_handler.h"
#include "actors/combo_counter.h"
#include "combat/projectile.h"
#include "enemies/boss.h"
#include "enemies/roster.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "heroine_world.h"
#include "input/game_input.h"
#include "loaded_images.h"
#include "platform/platform.h"
#include "test_support.h"
#include "world/globals.h"
#include "world/spawn.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

class EnemyScenes : public LoadedImages {
 protected:
  static void SetUpTestSuite() {
#if defined(__SANITIZE_ADDRESS__)
    // The GL driver behind the full-size window keeps allocations it never frees, from a module
    // it unloads; they are the driver's, not ours, and would fail every scene under the leak check.
    __lsan_disable();
#endif
    LoadedImages::SetUpTestSuite();
  }

  void SetUp() override {
    LoadedImages::SetUp();
    ASSERT_TRUE(OpenGraphics(1366, 768, 0, 0, 0)) << PlatformError();
    PlaceHeroineAlone(1366, 768, devices);
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

  // Draws the frame plane by plane and returns the picture.
  Picture Shoot() {
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
    characters.DrawBossGUI();
    SetOrigin(0, 0);
    return ReadBack();
  }

  // Something is drawn over the background where `c` stands: in the 60 x 100 pixels above its
  // feet, a good part is not the background's colour.
  static void ExpectDrawn(const Picture& picture, const TCharacter& c, const char* what) {
    const int left = static_cast<int>(c.x - fWorldX) - 30, top = static_cast<int>(c.y) - 150;
    int covered = 0;
    for (int y = std::max(top, 0); y < std::min(top + 100, picture.height); ++y) {
      for (int x = std::max(left, 0); x < std::min(left + 60, picture.width); ++x) {
        const Rgb p = picture.At(x, y);
        covered += p.r != 40 || p.g != 36 || p.b != 60 ? 1 : 0;
      }
    }
    EXPECT_GT(covered, 600) << what << " is not drawn where it stands";
  }

  DeviceState devices;
  TCharacterHandler characters;
  TProjectileHandler projectiles;
  TEffectHandler effects;
};

TEST_F(EnemyScenes, ARaiderKnockedOutOfTheSaddleLeavesItsDragonStanding) {
  auto raider = Add(TYPE_RAIDER, 1, 620);
  Step();
  ExpectDrawn(Shoot(), *raider, "the raider on its dragon");
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
  const Picture picture = Shoot();
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
      ExpectDrawn(Shoot(), *behind, "the spearman the body hits");
      shot = true;
    }
  }
  EXPECT_TRUE(shot) << "the body never reached the spearman";
  EXPECT_LT(behind->fHP, before);
  EXPECT_GT(Momo->fScore, 0);
}

TEST_F(EnemyScenes, TheDarkKnightSeizesSendsHisWaveAndHisBarEmpties) {
  auto knight = std::dynamic_pointer_cast<TDarkKnight>(Add(TYPE_DARK_KNIGHT, 1, 900));
  ASSERT_TRUE(knight);
  EXPECT_FLOAT_EQ(knight->fHP, 1008);
  Step();
  ExpectDrawn(Shoot(), *knight, "the knight");
  // From afar, with his cool-down spent, the spirit cut and its wave.
  knight->iCoolDownSpiritCut = 0;
  for (int i = 0; i < 60 && knight->iMode != KNIGHT_SPIRIT_CUT; ++i) Step();
  ASSERT_EQ(knight->iMode, KNIGHT_SPIRIT_CUT);
  Step(20);
  ExpectDrawn(Shoot(), *knight, "the knight sending his wave");
  // She keeps on hacking at him up close: he seizes her.
  Step(60);
  Momo->SetMode(MODE_STANCE);
  Momo->SetPlane(2);
  Momo->fHP = Momo->fHPMax;
  knight->x = Momo->x + 120;
  knight->SetPlane(2);
  knight->SetMode(MODE_STANCE);
  Momo->iExploitCounter = 4;
  Momo->iExploitTimer = 200;
  knight->MoveAI(Momo.get());
  ASSERT_EQ(knight->iMode, ENEMY_SEIZE);
  Step(14);
  ExpectDrawn(Shoot(), *knight, "the knight holding her");
  knight->fHP = 300;
  Step(80);
  const Picture low = Shoot();
  ExpectNear(low.At(683 - 200, 768 - 26), Rgb{204, 21, 16});
}

TEST_F(EnemyScenes, SheRidesTheDragonBreathesFireAndIsThrownOff) {
  auto dragon = Add(TYPE_DRACON, 1001, Momo->x);
  dragon->SetMode(MODE_MOUNT_WAITING);
  devices.keys[40] = devices.keys[67] = 1;  // Down and Jump: she boards
  Step(2);
  devices.keys[40] = devices.keys[67] = 0;
  ASSERT_EQ(Momo->iTypeMount, MOUNT_DRACON);
  Step(14);
  Add(TYPE_SABERMAN, 2, Momo->x + 420);
  devices.keys[90] = 1;  // Magic: the breath
  Step();
  devices.keys[90] = 0;
  for (int i = 0; i < 30 && Momo->iMode != DRACON_BREATH; ++i) Step();
  Step(8);
  ExpectDrawn(Shoot(), *Momo, "the heroine riding");
  Step(30);
  Momo->Damage(60, 180, MODE_HIT_HIGH, 0, 0);
  EXPECT_EQ(Momo->iTypeMount, 0);
  Step(6);
  ExpectDrawn(Shoot(), *Momo, "the heroine thrown off");
}

}  // namespace
