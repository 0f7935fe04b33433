// The enemy kinds: their numbers, the templar's chain, the skull's cool-downs, the executioner's
// reversal and slam, the thrown body and the spirit wave, the hits a dodging foe still takes, and
// a foe let go when her throw is broken off.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "enemies/boss.h"
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
struct TheTemplarChainsOnlyWhileItsSwingsConnectCase {
  std::vector<bool> connects;  // per swing, whether she can be hit
  std::vector<int> attacks;    // the attack modes it goes through
  bool standsAtTheEnd;         // mode 6, rather than a fall-back
};
const TheTemplarChainsOnlyWhileItsSwingsConnectCase kTheTemplarChainsOnlyWhileItsSwingsConnect[] = {
    {{true, true, true}, {100, 101, 102}, false},
    {{false}, {100}, false},
    {{true, false}, {100, 101}, true},
};
using TheTemplarChainsOnlyWhileItsSwingsConnect =
    WorldCases<TheTemplarChainsOnlyWhileItsSwingsConnectCase, EnemyWorld>;

TEST_P(TheTemplarChainsOnlyWhileItsSwingsConnect, EachRow) {
  const TheTemplarChainsOnlyWhileItsSwingsConnectCase& c = GetParam();
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
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, TheTemplarChainsOnlyWhileItsSwingsConnect,
                         testing::ValuesIn(kTheTemplarChainsOnlyWhileItsSwingsConnect));

struct TheSkullWaitsLongerOnEasyThanOnHardCase {
  int difficulty;
  int first, next;  // frames before the first skull, and between skulls
};
const TheSkullWaitsLongerOnEasyThanOnHardCase kTheSkullWaitsLongerOnEasyThanOnHard[] = {
    {DIFFICULTY_HARD, 42, 85}, {DIFFICULTY_EASY, 136, 272}};
using TheSkullWaitsLongerOnEasyThanOnHard =
    WorldCases<TheSkullWaitsLongerOnEasyThanOnHardCase, EnemyWorld>;

TEST_P(TheSkullWaitsLongerOnEasyThanOnHard, EachRow) {
  const TheSkullWaitsLongerOnEasyThanOnHardCase& c = GetParam();
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
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, TheSkullWaitsLongerOnEasyThanOnHard,
                         testing::ValuesIn(kTheSkullWaitsLongerOnEasyThanOnHard));

using AHeldExecutionerTurnsTheGripOnHerOnceItsCoolDownIsSpent = WorldCases<int, EnemyWorld>;

TEST_P(AHeldExecutionerTurnsTheGripOnHerOnceItsCoolDownIsSpent, EachCase) {
  const int coolDown = GetParam();
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
    EXPECT_EQ(Momo->iMode, MODE_GRAPPLED);
    ASSERT_GT(StepUntil(MODE_SLAMMED, 60), 0) << "thrown down behind it";
  } else {
    EXPECT_EQ(executioner->iMode, MODE_GRAPPLED);
    EXPECT_EQ(Momo->iMode, MOMO_GRAPPLE_HOLD);
  }
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, AHeldExecutionerTurnsTheGripOnHerOnceItsCoolDownIsSpent,
                         testing::Values(0, 50));

// The slam is the executioner's roll, its strength with her size: 16 dice of 2 to 4 and half its
// strength, which the difficulty scales (10.8 on Hard, 6.3 on Easy); hers would add a whole 6.
struct SlamCase {
  int difficulty;
  float bonus;
  int seed;
};
const SlamCase kSlams[] = {{DIFFICULTY_HARD, 10.8f, 1}, {DIFFICULTY_HARD, 10.8f, 2},
                           {DIFFICULTY_HARD, 10.8f, 3}, {DIFFICULTY_EASY, 6.3f, 1},
                           {DIFFICULTY_EASY, 6.3f, 2},  {DIFFICULTY_EASY, 6.3f, 3}};
using TheExecutionersSlamIsRolledWithItsOwnStrength = WorldCases<SlamCase, EnemyWorld>;

TEST_P(TheExecutionersSlamIsRolledWithItsOwnStrength, EachRow) {
  const SlamCase& c = GetParam();
  const int seed = c.seed;
  SeedRnd(seed);
  SetDifficulty(c.difficulty);
  auto executioner = AddEnemy<TExecutioner>(TYPE_EXECUTIONER, 1, Momo->x + 100);
  executioner->CheckGrapple(*Momo);
  ASSERT_EQ(Momo->iMode, MODE_GRAPPLED);
  const float before = Momo->fHP;
  ASSERT_GT(StepUntil(MODE_SLAMMED, 60), 0);
  const float loss = before - Momo->fHP;
  SCOPED_TRACE("difficulty " + std::to_string(c.difficulty) + " seed " + std::to_string(seed));
  EXPECT_NEAR(loss - std::floor(loss), c.bonus - std::floor(c.bonus), 0.001f) << loss;
  EXPECT_GE(loss, 32 + c.bonus);
  EXPECT_LE(loss, 64 + c.bonus);
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, TheExecutionersSlamIsRolledWithItsOwnStrength,
                         testing::ValuesIn(kSlams));

// A thrower's roll decides the combo type its body carries, not whatever its last blow left: a
// body thrown after a critical blow of its own flies as an ordinary hit.
using ABodyThrownAfterACriticalBlowCarriesAnOrdinaryHit = WorldCases<int, EnemyWorld>;

TEST_P(ABodyThrownAfterACriticalBlowCarriesAnOrdinaryHit, EachCase) {
  const int type = GetParam();
  auto foe = AddEnemy(type, 1, Momo->x + 70);
  for (int roll = 0; roll < 500 && foe->iComboType != COMBO_CRITICAL; ++roll) {
    foe->CountPhysicalDamage(3);
  }
  ASSERT_EQ(foe->iComboType, COMBO_CRITICAL) << "kind " << type;
  foe->SetMode(MODE_THROWN);
  ASSERT_FALSE(ProjectileList.empty()) << "kind " << type;
  EXPECT_EQ(ProjectileList.back()->iComboType, COMBO_NORMAL) << "kind " << type;
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, ABodyThrownAfterACriticalBlowCarriesAnOrdinaryHit,
                         testing::Values(TYPE_NECROMANCER, TYPE_TEMPLAR, TYPE_EXECUTIONER,
                                         TYPE_SPEARMAN, TYPE_SABERMAN, TYPE_DARK_KNIGHT));

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

struct ADodgeTurnsAsideHerBlowsButNotABodySheThrewCase {
  const char* name;
  std::shared_ptr<TProjectile> box;
  bool lands;
};
const ADodgeTurnsAsideHerBlowsButNotABodySheThrewCase
    kADodgeTurnsAsideHerBlowsButNotABodySheThrew[] = {
        {"her slash", std::make_shared<TProjectileMomoAttack1>(), false},
        {"a thrown body", std::make_shared<TProjectileSabermanThrown>(), true},
};
using ADodgeTurnsAsideHerBlowsButNotABodySheThrew =
    WorldCases<ADodgeTurnsAsideHerBlowsButNotABodySheThrewCase, EnemyWorld>;

TEST_P(ADodgeTurnsAsideHerBlowsButNotABodySheThrew, EachRow) {
  const ADodgeTurnsAsideHerBlowsButNotABodySheThrewCase& c = GetParam();
  auto foe = AddFoe(1, 100, 100);
  foe->iSkillDodge = 1;
  c.box->Init(0, Momo->x, Momo->y, 0, 0, 0, 2, 20, 0, 0);
  if (c.lands) c.box->x = foe->x;  // the body rides on its thrower: put it on the foe
  ProjectileList.push_back(c.box);
  projectiles.Move();
  EXPECT_EQ(foe->iMode, MODE_DODGE) << c.name;
  EXPECT_EQ(!EffectList.empty(), c.lands) << c.name << ": sparks where it landed";
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, ADodgeTurnsAsideHerBlowsButNotABodySheThrew,
                         testing::ValuesIn(kADodgeTurnsAsideHerBlowsButNotABodySheThrew));

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
  // Faded, it still ends on its hundred-and-fiftieth frame.
  for (int frame = 75; frame < 149; ++frame) projectiles.Move();
  EXPECT_EQ(wave->iStatus, PROJECTILE_SPENT);
  projectiles.Move();
  EXPECT_EQ(wave->iStatus, PROJECTILE_FINISHED);
}

// A back throw (the foe carried, part of her picture) or a front throw (the foe grappled)
// broken off before it lets go: struck, knocked down or seized by another foe, or by the foe
// itself, an executioner turning the grip. Whatever breaks it, the foe must come free, or it
// stays invisible and alive and its wave never ends.
enum Break { None, Struck, KnockedDown, Seized };
struct BreakCase {
  const char* name;
  bool back;   // the back throw (105), else the front throw (109)
  int foe;     // the kind she throws
  Break what;  // what happens to her, `at` frames into the throw
  int at;
};
const BreakCase kBreaks[] = {
    {"back throw, struck", true, TYPE_SABERMAN, Struck, 10},
    {"back throw, knocked down", true, TYPE_SABERMAN, KnockedDown, 10},
    {"back throw, seized by an executioner", true, TYPE_SABERMAN, Seized, 10},
    {"back throw of a reeling executioner that could turn the grip", true, TYPE_EXECUTIONER, None,
     0},
    {"front throw, struck", false, TYPE_SABERMAN, Struck, 5},
    {"front throw, knocked down", false, TYPE_SABERMAN, KnockedDown, 5},
    {"front throw, seized by an executioner", false, TYPE_SABERMAN, Seized, 5},
    {"front throw of a reeling executioner that turns the grip", false, TYPE_EXECUTIONER, None, 0},
};
using AFoeInAThrowSheCannotFinishComesFree = WorldCases<BreakCase, EnemyWorld>;

TEST_P(AFoeInAThrowSheCannotFinishComesFree, EachRow) {
  const BreakCase& c = GetParam();
  SCOPED_TRACE(c.name);
  auto foe = AddEnemy(c.foe, 1, Momo->x + 60);
  // She runs into it, seizes it and throws it, away from it or toward it.
  Key(kKeyRight, true);
  Step();
  Key(kKeyRight, false);
  ASSERT_EQ(Momo->iMode, MOMO_GRAPPLE);
  ASSERT_GT(StepUntil(MOMO_GRAPPLE_HOLD, 10), 0);
  // An executioner whose cool-down has run out is struck first: she throws it while it still
  // reels, before it would turn the grip on her.
  if (auto executioner = std::dynamic_pointer_cast<TExecutioner>(foe)) {
    executioner->iCoolDownThrow = 0;
    Tap(kKeyAttack);
    ASSERT_GT(StepUntil(MOMO_GRAPPLE_HOLD, 40), 0);
    ASSERT_EQ(foe->iMode, MODE_GRAPPLE_HIT);
  }
  const int direction = c.back ? kKeyLeft : kKeyRight;
  Key(direction, true);
  Tap(kKeyAttack);
  Key(direction, false);
  Step(c.at);
  switch (c.what) {
    case Struck:
      Momo->Damage(10, 180, MODE_HIT_HIGH, 0, 0);
      break;
    case KnockedDown:
      Momo->Damage(10, 180, MODE_KNOCKDOWN, 0, 0);
      break;
    case Seized:
      AddEnemy(TYPE_EXECUTIONER, 2, Momo->x - 100)->CheckGrapple(*Momo);
      break;
    case None:
      break;
  }
  bool downAndUp = false;
  for (int frame = 0; frame < 400; ++frame) {
    Step();
    Momo->fHP = Momo->fHPMax;  // she stays in the fight
    if (frame >= 60) {
      EXPECT_NE(foe->iMode, MODE_CARRIED) << "frame " << frame;
      EXPECT_NE(foe->iMode, MODE_GRAPPLED) << "frame " << frame;
      if (foe->iMode == MODE_CARRIED || foe->iMode == MODE_GRAPPLED) break;
    }
    downAndUp = downAndUp || foe->iMode == MODE_GETTING_UP;
  }
  EXPECT_GT(foe->fHP, 0);
  // Dropped from her shoulders, it falls and gets up again; a held foe just stands.
  if (c.back && c.what != None) {
    EXPECT_TRUE(downAndUp) << "it fell and got up";
  }
}
INSTANTIATE_TEST_SUITE_P(EnemyWorld, AFoeInAThrowSheCannotFinishComesFree,
                         testing::ValuesIn(kBreaks));

}  // namespace
