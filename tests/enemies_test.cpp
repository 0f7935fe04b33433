// The enemy kinds: their numbers, the templar's chain, the skull's cool-downs, the executioner's
// reversal, the thrown body and the spirit wave, and the hits a dodging foe still takes.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "enemies/enemy_projectiles.h"
#include "enemies/roster.h"
#include "heroine/momo_projectiles.h"
#include "heroine_fixtures.h"
#include "world/spawn.h"

namespace {

class EnemyWorld : public HeroineWorld {
 protected:
  template <class Kind = TEnemy>
  std::shared_ptr<Kind> AddEnemy(int type, int id, float x, int plane = 2) {
    std::shared_ptr<TCharacter> c = Spawn(type, id);
    EXPECT_TRUE(c) << "kind " << type << " is not in the spawn table";
    c->SetCoordinat(x, static_cast<float>(plane));
    CharacterList.push_back(c);
    c->ResetGameData();
    return std::dynamic_pointer_cast<Kind>(c);
  }
};

TEST_F(EnemyWorld, EachKindHasItsNumbersScaledByTheDifficulty) {
  const struct {
    int type;
    float normalHP;
  } kKinds[] = {{TYPE_NECROMANCER, 192}, {TYPE_TEMPLAR, 336},  {TYPE_RAIDER, 432},
                {TYPE_EXECUTIONER, 304}, {TYPE_SPEARMAN, 132}, {TYPE_SABERMAN, 144}};
  for (const auto& kind : kKinds) {
    SetDifficulty(DIFFICULTY_NORMAL);
    auto normal = AddEnemy(kind.type, 1, 600);
    SetDifficulty(DIFFICULTY_HARD);
    auto hard = AddEnemy(kind.type, 2, 600);
    EXPECT_FLOAT_EQ(normal->fHP, kind.normalHP) << "kind " << kind.type;
    EXPECT_NEAR(hard->fHP, kind.normalHP * 1.2f, 0.01f) << "kind " << kind.type;
    EXPECT_EQ(normal->iMode, MODE_STANCE);
    EXPECT_EQ(normal->iFacing, 180);
    EXPECT_EQ(normal->iAffiliation, SIDE_ENEMY);
    CharacterList.remove(normal);
    CharacterList.remove(hard);
  }
  auto raider = AddEnemy(TYPE_RAIDER, 7, 600);
  EXPECT_EQ(raider->iMountID, 1007) << "its dragon's id";
  EXPECT_EQ(raider->bUnmount, 0);
}

// Which of the templar's three swings find the heroine, and how its chain ends.
TEST_F(EnemyWorld, TheTemplarChainsOnlyWhileItsSwingsConnect) {
  const struct {
    std::vector<bool> connects;  // per swing, whether she can be hit
    std::vector<int> attacks;    // the attack modes it goes through
    bool standsAtTheEnd;         // mode 6, rather than a fall-back
  } kCases[] = {
      {{true, true, true}, {100, 101, 102}, false},
      {{false}, {100}, false},
      {{true, false}, {100, 101}, true},
  };
  for (const auto& c : kCases) {
    SetUp();
    auto templar = AddEnemy(TYPE_TEMPLAR, 1, Momo->x + 120);
    templar->iFacing = 180;
    templar->SetMode(ENEMY_ATTACK1);
    std::vector<int> attacks = {ENEMY_ATTACK1};
    for (int frame = 0; frame < 200 && templar->iMode >= ENEMY_ATTACK1; ++frame) {
      const size_t swing = attacks.size() - 1;
      // She stands still and unhittable except in the swings that connect.
      Momo->SetMode(MODE_STANCE);
      Momo->iStatus =
          swing < c.connects.size() && c.connects[swing] ? STATUS_NORMAL : STATUS_UNHITTABLE;
      Momo->fHP = Momo->fHPMax;
      Step();
      if (templar->iMode != attacks.back() && templar->iMode >= ENEMY_ATTACK1) {
        attacks.push_back(templar->iMode);
      }
    }
    EXPECT_EQ(attacks, c.attacks);
    EXPECT_EQ(templar->iMode == MODE_STANCE, c.standsAtTheEnd) << "ended in " << templar->iMode;
    TearDown();
  }
}

TEST_F(EnemyWorld, TheSkullWaitsLongerOnEasyThanOnHard) {
  const struct {
    int difficulty;
    int first, next;  // frames before the first skull, and between skulls
  } kCases[] = {{DIFFICULTY_HARD, 42, 85}, {DIFFICULTY_EASY, 136, 272}};
  for (const auto& c : kCases) {
    SetUp();
    SetDifficulty(c.difficulty);
    auto necromancer = AddEnemy(TYPE_NECROMANCER, 1, Momo->x + 700);
    necromancer->fWalkSpeed = 0;        // it stays where it can see her
    Momo->iStatus = STATUS_UNHITTABLE;  // and she stays up, so its cool-down keeps counting
    std::vector<int> casts;
    for (int frame = 1; frame <= 600 && casts.size() < 2; ++frame) {
      const int before = necromancer->iMode;
      Step();
      if (necromancer->iMode == ENEMY_SKULL && before != ENEMY_SKULL) casts.push_back(frame);
    }
    ASSERT_EQ(casts.size(), 2u);
    EXPECT_EQ(casts[0], c.first);
    // The cool-down starts with the cast; it counts only while the necromancer looks around.
    EXPECT_EQ(casts[1] - casts[0], c.next + 35);
    TearDown();
  }
}

TEST_F(EnemyWorld, AHeldExecutionerTurnsTheGripOnHerOnceItsCoolDownIsSpent) {
  for (int coolDown : {0, 50}) {
    SetUp();
    auto executioner = AddEnemy<TExecutioner>(TYPE_EXECUTIONER, 1, Momo->x + 70);
    executioner->iCoolDownThrow = coolDown;
    // She holds it; a grapple strike staggers it in her grip.
    Momo->SetMode(MOMO_GRAPPLE_HOLD);
    Momo->iTargetID = 1;
    Momo->iTargetType = TYPE_EXECUTIONER;
    executioner->SetMode(MODE_GRAPPLE_HIT);
    for (int frame = 0; frame < 19; ++frame) {
      Momo->iDelayCounter = 0;  // she keeps holding
      Step();
    }
    EXPECT_EQ(executioner->iMode, MODE_GRAPPLE_HIT);
    Momo->iDelayCounter = 0;
    Step();
    if (coolDown == 0) {
      EXPECT_EQ(executioner->iMode, ENEMY_SEIZE);
      EXPECT_EQ(Momo->iMode, MOMO_HELD);
      ASSERT_GT(StepUntil(MODE_SLAMMED, 60), 0) << "thrown down behind it";
    } else {
      EXPECT_EQ(executioner->iMode, MOMO_HELD);
      EXPECT_EQ(Momo->iMode, MOMO_GRAPPLE_HOLD);
    }
    TearDown();
  }
}

TEST_F(EnemyWorld, AThrownBodyHurtsEveryFoeInItsPathLessAndLess) {
  std::vector<std::shared_ptr<Dummy>> foes;
  for (int i = 0; i < 5; ++i) foes.push_back(AddFoe(10 + i, 300.0f + 200 * i, 100));
  auto body = std::make_shared<TProjectileSabermanThrown>();
  body->Init(99, foes[0]->x, foes[0]->y, 0, 0, 0, 2, 76, 0, 0);  // 76 thrown: it carries 38
  ProjectileList.push_back(body);
  ComboCounter.reset();  // the body's own score alone, without the combo's
  const float dealt[] = {38, 28, 18, 8, 1};
  const float scores[] = {190, 140, 90, 40, 10};
  for (int i = 0; i < 5; ++i) {
    const float before = Momo->fScore;
    body->x = foes[i]->x;
    projectiles.Move();
    EXPECT_FLOAT_EQ(100 - foes[i]->fHP, dealt[i]) << "foe " << i;
    EXPECT_FLOAT_EQ(Momo->fScore - before, scores[i]) << "foe " << i;
  }
  EXPECT_EQ(body->iStatus, PROJECTILE_ACTIVE) << "it flies on";
}

TEST_F(EnemyWorld, ADodgeTurnsAsideHerBlowsButNotABodySheThrew) {
  const struct {
    const char* name;
    std::shared_ptr<TProjectile> box;
    bool lands;
  } kCases[] = {
      {"her slash", std::make_shared<TProjectileMomoAttack1>(), false},
      {"a thrown body", std::make_shared<TProjectileSabermanThrown>(), true},
  };
  for (const auto& c : kCases) {
    SetUp();
    auto foe = AddFoe(1, 100, 100);
    foe->iSkillDodge = 1;
    c.box->Init(0, Momo->x, Momo->y, 0, 0, 0, 2, 20, 0, 0);
    if (c.lands) c.box->x = foe->x;  // the body rides on its thrower: put it on the foe
    ProjectileList.push_back(c.box);
    projectiles.Move();
    EXPECT_EQ(foe->iMode, MODE_DODGE) << c.name;
    EXPECT_EQ(!EffectList.empty(), c.lands) << c.name << ": sparks where it landed";
    TearDown();
  }
}

TEST_F(EnemyWorld, TheSpiritWaveStopsHittingAfterItsFifthHitButFliesOn) {
  auto wave = std::make_shared<TProjectileDarkKnightSpiritSlasher>();
  wave->Init(50, 0, fPlaneY[2], 0, 0, 0, 2, 10, 0, 0);
  ProjectileList.push_back(wave);
  Momo->SetPlane(0);  // out of the way
  std::vector<std::shared_ptr<Dummy>> targets;
  for (int i = 0; i < 6; ++i) {
    auto t = AddFoe(20 + i, 200.0f * (i + 1) - Momo->x, 100);  // 200 pixels apart
    t->iAffiliation = SIDE_HEROINE;
    t->SetPlane(2);
    targets.push_back(t);
  }
  for (int frame = 0; frame < 75; ++frame) projectiles.Move();
  for (int i = 0; i < 5; ++i) EXPECT_LT(targets[i]->fHP, 100) << "target " << i;
  EXPECT_FLOAT_EQ(targets[5]->fHP, 100) << "the sixth is passed unharmed";
  EXPECT_FLOAT_EQ(wave->fAlpha, 0.375f);
  EXPECT_EQ(wave->iStatus, PROJECTILE_SPENT);
}

}  // namespace
