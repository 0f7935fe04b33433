// The character base: damage rolls, the damage pipeline, hit tests, animation helpers,
// throwing a rider off, bookkeeping and the pause and back-to-title checks.

#include "actors/character.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "actors/combo_counter.h"
#include "fighter_fixtures.h"
#include "fx/effects.h"
#include "input/game_input.h"
#include "mounts/mount.h"
#include "platform/platform.h"
#include "world/globals.h"

namespace {

// ---- Damage rolls -------------------------------------------------------------------------------

struct RollCase {
  const char* name;
  int attack;
  bool magical;  // CountMagicalDamage, else CountPhysicalDamage
  int seed;
  // Three rolls in a row from the seed: the damage and whether it was critical (iComboType).
  float damage[3];
  int critical[3];
};

// A selection of rows across both tables (each stat, each critical threshold and multiplier, a
// die of 1), each with a seed whose three rolls hold a critical one and a plain one. With
// strength 10 and intelligence 40, so that half the stat shows which one a row adds.
// clang-format off
const RollCase kRollCases[] = {
  {"basic strike adds intelligence", 0,  false, 3,  {25, 24, 50}, {0, 0, 1}},
  {"attack 1 triples on 20",         1,  false, 8,  {10, 33, 13}, {0, 1, 0}},
  {"attack 3 doubles from 19",       3,  false, 3,  {13, 11, 26}, {0, 0, 1}},
  {"attack 16 never multiplies",     16, false, 19, {24, 22, 19}, {0, 1, 0}},
  {"dragon blow as strength 32",     18, false, 3,  {24, 22, 48}, {0, 0, 1}},
  {"dragon charge as strength 32",   30, false, 8,  {21, 22, 24}, {0, 1, 0}},
  {"magic 50",                       50, true,  8,  {23, 48, 26}, {0, 1, 0}},
  {"magic 54, a die of 1",           54, true,  8,  {20, 20, 21}, {0, 1, 0}},
  {"magic 55",                       55, true,  8,  {48, 94, 51}, {0, 1, 0}},
  {"magic 62 adds strength",         62, true,  3,  {17, 13, 15}, {0, 0, 1}},
  {"magic 64",                       64, true,  21, {50, 59, 58}, {0, 0, 1}},
};
// clang-format on

constexpr float kStr = 10;
constexpr float kInt = 40;

TEST(DamageRolls, TableRowsGiveTheirRollsForAFixedSeed) {
  for (const RollCase& c : kRollCases) {
    SCOPED_TRACE(c.name);
    TestFighter f;
    f.fStr = kStr;
    f.fInt = kInt;
    SeedRnd(c.seed);
    for (int roll = 0; roll < 3; ++roll) {
      const float damage =
          c.magical ? f.CountMagicalDamage(c.attack) : f.CountPhysicalDamage(c.attack);
      EXPECT_FLOAT_EQ(damage, c.damage[roll]) << "roll " << roll + 1;
      EXPECT_EQ(f.iComboType, c.critical[roll]) << "roll " << roll + 1;
      EXPECT_EQ(f.fStr, kStr) << "strength must come back after the roll";
    }
  }
}

// The check roll decides alone: 19 is critical for a row critical from 19, not for one from 20.
TEST(DamageRolls, CriticalAtTheThresholdOnly) {
  constexpr int kSeed = 10010;
  SeedRnd(kSeed);
  ASSERT_EQ(Rand(1, 20), 19) << "the seed no longer opens with a check of 19";
  TestFighter f;
  f.fStr = kStr;
  SeedRnd(kSeed);
  EXPECT_FLOAT_EQ(f.CountPhysicalDamage(3), 28);
  EXPECT_EQ(f.iComboType, 1);
  SeedRnd(kSeed);
  EXPECT_FLOAT_EQ(f.CountPhysicalDamage(1), 9);
  EXPECT_EQ(f.iComboType, 0);
}

// Two dice of 3 to 6, whatever the stats, and the combo type left as it was.
TEST(DamageRolls, BackstabBonusIsTwoDiceWithoutCheckOrStat) {
  TestFighter f;
  f.fStr = 100;
  f.fInt = 100;
  for (int comboType : {0, 1}) {
    f.iComboType = comboType;
    SeedRnd(77);
    EXPECT_FLOAT_EQ(f.CountPhysicalDamage(ATTACK_BACKSTAB), 6);
    EXPECT_FLOAT_EQ(f.CountPhysicalDamage(ATTACK_BACKSTAB), 8);
    EXPECT_EQ(f.iComboType, comboType);
  }
}

TEST(DamageRolls, UnlistedAttacksDealNothingAndDrawNothing) {
  TestFighter f;
  f.fStr = f.fInt = 50;
  f.iComboType = 1;
  SeedRnd(5);
  const int state = RndSeedState();
  for (int attack : {-1, 19, 29, 32, 49, 50}) EXPECT_EQ(f.CountPhysicalDamage(attack), 0) << attack;
  for (int attack : {0, 31, 49, 65, 100}) EXPECT_EQ(f.CountMagicalDamage(attack), 0) << attack;
  EXPECT_EQ(f.iComboType, 1);
  EXPECT_EQ(RndSeedState(), state);
}

// One of seed 11's three rolls checks 20, which would be critical for any other attack.
TEST(DamageRolls, ThrowsRollFourDicePerCountAndAreNeverCritical) {
  TestFighter f;
  f.fStr = kStr;
  SeedRnd(11);
  for (float expected : {29.0f, 28.0f, 29.0f}) {
    EXPECT_FLOAT_EQ(f.CountThrowDamage(2), expected);
    EXPECT_EQ(f.iComboType, 0);
  }
}

// ---- Damage pipeline ----------------------------------------------------------------------------

class DamagePipeline : public CombatWorld {
 protected:
  void SetUp() override {
    CombatWorld::SetUp();
    victim = AddFighter(1, SIDE_ENEMY, 300, 2);  // faces left, toward the heroine
  }
  // The heroine pushes right from the front; a push left comes from behind.
  static constexpr float kFromFront = 0;
  static constexpr float kFromBehind = 180;
  std::shared_ptr<TestFighter> victim;
};

struct ComboCase {
  const char* name;
  int victimMode;
  int counterBefore;  // frames since the previous counted hit
  int comboType;      // of the attack's roll
  int backstabEnable;
  float angle;
  int expectedCombo;  // the counter held 3 before
  int expectedType;
  float expectedScore;
  int expectedMaxCombo;  // the heroine's best was 2
};

// clang-format off
const ComboCase kComboCases[] = {
  {"backstab inside the window",     MODE_STANCE,    10, 0, 1, 180, 4, 2, 30, 4},
  {"critical backstab",              MODE_STANCE,    10, 1, 1, 180, 4, 3, 30, 4},
  {"backstab starting a new combo",  MODE_STANCE,    24, 0, 1, 180, 1, 2, 20, 2},
  {"late hit on a falling victim",   MODE_KNOCKDOWN, 51, 0, 1, 0,   4, 0, 10, 4},
  {"late hit on a standing victim",  MODE_STANCE,    51, 1, 1, 0,   1, 1, 0,  2},
  {"from behind without permission", MODE_STANCE,    23, 0, 0, 180, 4, 0, 10, 4},
};
// clang-format on

TEST_F(DamagePipeline, BackstabComboCountAndScore) {
  for (const ComboCase& c : kComboCases) {
    SCOPED_TRACE(c.name);
    victim->iMode = c.victimMode;
    victim->fHP = 100;
    ComboCounter->iCombo = 3;
    ComboCounter->iCounter = c.counterBefore;
    heroine->fScore = 0;
    heroine->iMaxCombo = 2;

    SeedRnd(9);
    const bool backstab = c.backstabEnable && c.angle == 180;
    const float bonus = backstab ? static_cast<float>(Rand(3, 6) + Rand(3, 6)) : 0;
    SeedRnd(9);
    victim->Damage(12, c.angle, MODE_HIT_HIGH, c.comboType, c.backstabEnable);

    EXPECT_EQ(ComboCounter->iCombo, c.expectedCombo);
    EXPECT_EQ(ComboCounter->iComboType, c.expectedType);
    EXPECT_EQ(ComboCounter->iCounter, 0);
    EXPECT_FLOAT_EQ(heroine->fScore, c.expectedScore);
    EXPECT_EQ(heroine->iMaxCombo, c.expectedMaxCombo);
    EXPECT_FLOAT_EQ(victim->fHP, 100 - 12 - bonus);
  }
}

struct GuardCase {
  const char* name;
  int fortitude;
  float angle;
  float blockHP;
  float expectedHP;
  float expectedBlockHP;
  int expectedMode;
  int expectedInvulnerable;
};

// A guard dividing by 4 against a 20-point blow.
// clang-format off
const GuardCase kGuardCases[] = {
  {"front holds",                   0, 0,   100, 95, 80,  MODE_BLOCK,    4},
  {"behind goes through",           0, 180, 100, 80, 100, MODE_HIT_HIGH, 0},
  {"fortitude 2 holds behind too",  2, 180, 100, 95, 80,  MODE_BLOCK,    4},
  {"front breaks a worn guard",     0, 0,   15,  95, -5,  MODE_HIT_HIGH, 4},
};
// clang-format on

TEST_F(DamagePipeline, GuardDividesDamageAndBreaksWhenWornOut) {
  for (const GuardCase& c : kGuardCases) {
    SCOPED_TRACE(c.name);
    victim->iMode = MODE_BLOCK;
    victim->iStatus = STATUS_GUARDING;
    victim->iSkillFortitude = c.fortitude;
    victim->fBlockModifier = 4;
    victim->fHPBlock = c.blockHP;
    victim->fHP = 100;
    victim->iInvulnerableCounter = 0;
    victim->Damage(20, c.angle, MODE_HIT_HIGH, 0, 0);
    EXPECT_FLOAT_EQ(victim->fHP, c.expectedHP);
    EXPECT_FLOAT_EQ(victim->fHPBlock, c.expectedBlockHP);
    EXPECT_EQ(victim->iMode, c.expectedMode);
    EXPECT_EQ(victim->iInvulnerableCounter, c.expectedInvulnerable);
  }
}

TEST_F(DamagePipeline, LethalBlowThroughAGuardKnocksDown) {
  victim->iStatus = STATUS_GUARDING;
  victim->fBlockModifier = 4;
  victim->fHPBlock = 100;
  victim->fHP = 3;
  victim->Damage(20, kFromFront, MODE_HIT_HIGH, 0, 0);
  EXPECT_EQ(victim->fHP, 0);
  EXPECT_EQ(victim->iMode, MODE_KNOCKDOWN);
}

TEST_F(DamagePipeline, GuardWithoutDivisorTakesTheBlowWhole) {
  victim->iStatus = STATUS_GUARDING;
  victim->fBlockModifier = 0;
  victim->fHPBlock = 100;
  victim->Damage(20, kFromFront, MODE_HIT_HIGH, 0, 0);
  EXPECT_FLOAT_EQ(victim->fHP, 80);
}

struct SkillCase {
  const char* name;
  int block, dodge;
  int mode, frame, coolDown;
  int expectedMode;  // 13 blocked, 14 dodged, else the reaction
};

// A 20-point blow asking for 50 (hit high).
// clang-format off
const SkillCase kSkillCases[] = {
  {"block in stance",                1, 0, MODE_STANCE,      0, 0, MODE_BLOCK},
  {"block while walking back",       1, 0, MODE_WALK_BACK,   0, 0, MODE_BLOCK},
  {"block while staggered",          1, 0, MODE_HIT_LOW,     0, 0, MODE_BLOCK},
  {"block in attack 1, frame 0",     1, 0, MODE_ATTACK1,     0, 0, MODE_BLOCK},
  {"no block in attack 1, frame 1",  1, 0, MODE_ATTACK1,     1, 0, MODE_HIT_HIGH},
  {"no block while cooling down",    1, 0, MODE_STANCE,      0, 5, MODE_HIT_HIGH},
  {"block wins over dodge",          1, 1, MODE_STANCE,      0, 0, MODE_BLOCK},
  {"dodge in stance",                0, 1, MODE_STANCE,      0, 0, MODE_DODGE},
  {"dodge at the start of a dash",   0, 1, MODE_DASH,        0, 0, MODE_DODGE},
  {"no dodge later in a dash",       0, 1, MODE_DASH,        1, 0, MODE_KNOCKDOWN},
  {"no dodge while staggered",       0, 1, MODE_HIT_HIGH,    0, 0, MODE_HIT_HIGH},
  {"no dodge while cooling down",    0, 1, MODE_RUN,         0, 3, MODE_HIT_HIGH},
};
// clang-format on

TEST_F(DamagePipeline, BlockAndDodgeSkills) {
  for (const SkillCase& c : kSkillCases) {
    SCOPED_TRACE(c.name);
    victim->iSkillBlock = c.block;
    victim->iSkillDodge = c.dodge;
    victim->iMode = c.mode;
    victim->iFrame = c.frame;
    victim->iCoolDownBlock = victim->iCoolDownDodge = c.coolDown;
    victim->fHP = 100;
    victim->Damage(20, kFromFront, MODE_HIT_HIGH, 0, 0);
    EXPECT_EQ(victim->iMode, c.expectedMode);
    const bool avoided = c.expectedMode == MODE_BLOCK || c.expectedMode == MODE_DODGE;
    EXPECT_FLOAT_EQ(victim->fHP, avoided ? 100 : 80);
  }
}

TEST_F(DamagePipeline, BlockedOrDodgedHitsStillCountAndBackstab) {
  victim->iSkillDodge = 1;
  ComboCounter->iCounter = 5;
  ComboCounter->iCombo = 1;
  victim->Damage(20, kFromBehind, MODE_HIT_HIGH, 0, 1);
  EXPECT_EQ(victim->iMode, MODE_DODGE);
  EXPECT_EQ(ComboCounter->iCombo, 2);
  EXPECT_EQ(ComboCounter->iComboType, COMBO_BACKSTAB);
  EXPECT_FLOAT_EQ(heroine->fScore, 30);
  EXPECT_LT(victim->fHP, 100);
}

// The backstab bonus lands before the block; if it empties the hit points the victim falls
// instead of standing there blocking with none left.
TEST_F(DamagePipeline, BackstabThatKillsOverridesTheBlock) {
  victim->iSkillBlock = 1;
  victim->fHP = 5;
  victim->Damage(20, kFromBehind, MODE_HIT_HIGH, 0, 1);
  EXPECT_EQ(victim->fHP, 0);
  EXPECT_EQ(victim->iMode, MODE_KNOCKDOWN);
}

struct ReactionCase {
  const char* name;
  int fortitude;
  int mode;
  int damageType;
  int expectedMode;
  float expectedSpeed;  // fSpeed was 1 before the hit
};

// clang-format off
const ReactionCase kReactionCases[] = {
  {"stance, high",                  0, MODE_STANCE,     MODE_HIT_HIGH,     MODE_HIT_HIGH,     1},
  {"stance, pushed low",            0, MODE_STANCE,     MODE_PUSHED_LOW,   MODE_PUSHED_LOW,   20},
  {"stance, pushed high",           0, MODE_STANCE,     MODE_PUSHED_HIGH,  MODE_PUSHED_HIGH,  20},
  {"lying",                         0, MODE_LYING,      MODE_KNOCKDOWN,    MODE_LYING_HIT,    1},
  {"jumping, high",                 0, MODE_JUMP_RISE,  MODE_HIT_HIGH,     MODE_KNOCKDOWN,    1},
  {"jumping, pushed low",           0, MODE_JUMP_FALL,  MODE_PUSHED_LOW,   MODE_KNOCKDOWN,    1},
  {"jumping, knocked away",         0, MODE_JUMP_PEAK,  MODE_KNOCKED_AWAY, MODE_KNOCKED_AWAY, 1},
  {"jumping, knocked up",           0, MODE_JUMP_RISE,  MODE_KNOCKUP,      MODE_KNOCKUP,      1},
  {"air attack, lifted",            0, 160,             MODE_LIFTED,       MODE_KNOCKDOWN,    1},
  {"falling, low",                  0, MODE_KNOCKDOWN,  MODE_HIT_LOW,      MODE_KNOCKDOWN,    1},
  {"juggled, high",                 0, MODE_KNOCKUP,    MODE_HIT_HIGH,     MODE_LIFTED,       1},
  {"juggled, knocked down",         0, MODE_LIFTED,     MODE_KNOCKDOWN,    MODE_KNOCKDOWN,    1},
  {"juggled, knocked away",         0, MODE_KNOCKUP,    MODE_KNOCKED_AWAY, MODE_KNOCKED_AWAY, 1},
  {"fortitude, pushed low",         1, MODE_STANCE,     MODE_PUSHED_LOW,   MODE_HIT_LOW,      1},
  {"fortitude, pushed high",        1, MODE_STANCE,     MODE_PUSHED_HIGH,  MODE_HIT_HIGH,     1},
  {"fortitude, knocked down",       1, MODE_JUMP_RISE,  MODE_KNOCKDOWN,    MODE_PUSHED_LOW,   20},
  {"fortitude, knocked away",       1, MODE_STANCE,     MODE_KNOCKED_AWAY, MODE_PUSHED_LOW,   20},
  {"fortitude, knocked up",         1, MODE_STANCE,     MODE_KNOCKUP,      MODE_PUSHED_HIGH,  20},
  {"fortitude, lifted",             1, MODE_STANCE,     MODE_LIFTED,       MODE_LIFTED,       1},
  {"fortitude, lying",              1, MODE_LYING,      MODE_HIT_LOW,      MODE_LYING_HIT,    1},
};
// clang-format on

TEST_F(DamagePipeline, ReactionModes) {
  for (const ReactionCase& c : kReactionCases) {
    SCOPED_TRACE(c.name);
    victim->iSkillFortitude = c.fortitude;
    victim->iMode = c.mode;
    victim->fSpeed = 1;
    victim->fHP = 100;
    victim->Damage(10, kFromFront, c.damageType, 0, 0);
    EXPECT_EQ(victim->iMode, c.expectedMode);
    EXPECT_FLOAT_EQ(victim->fSpeed, c.expectedSpeed);
  }
}

TEST_F(DamagePipeline, ZeroHitPointsForceAFall) {
  struct Case {
    int damageType;
    int expectedMode;
  };
  // Staggers would let the victim stand up again; the airborne reactions fall anyway.
  for (const Case& c :
       {Case{MODE_HIT_HIGH, MODE_KNOCKDOWN}, Case{MODE_PUSHED_LOW, MODE_KNOCKDOWN},
        Case{MODE_GRAPPLE_HIT, MODE_KNOCKDOWN}, Case{MODE_KNOCKED_AWAY, MODE_KNOCKED_AWAY},
        Case{MODE_KNOCKUP, MODE_KNOCKUP}}) {
    SCOPED_TRACE(c.damageType);
    victim->iMode = MODE_STANCE;
    victim->fHP = 5;
    victim->Damage(10, kFromFront, c.damageType, 0, 0);
    EXPECT_EQ(victim->fHP, 0);
    EXPECT_EQ(victim->iMode, c.expectedMode);
  }
}

TEST_F(DamagePipeline, KnockbackAngleIsStoredNormalised) {
  victim->iFacing = 0;
  victim->Damage(10, 90, MODE_HIT_HIGH, 0, 1);
  EXPECT_EQ(victim->fKnockbackAngle, 0);
  EXPECT_FLOAT_EQ(victim->fHP, 90) << "90 is not the way it faces: no backstab";
  victim->Damage(10, 0, MODE_HIT_HIGH, 0, 1);
  EXPECT_LT(victim->fHP, 80) << "pushed the way it faces: backstab";
}

TEST(KnockbackAngle, NormalisesToLeftOrRight) {
  struct Case {
    float angle, expected;
  };
  for (const Case& c : {Case{90, 0}, Case{90.5f, 180}, Case{-90, 180}, Case{-89, 0}, Case{0, 0},
                        Case{180, 180}, Case{270, 180}, Case{-90.5f, 180}}) {
    TestFighter f;
    f.fKnockbackAngle = c.angle;
    f.NormalizeKnockbackAngle();
    EXPECT_EQ(f.fKnockbackAngle, c.expected) << c.angle;
  }
}

// ---- Hit tests ----------------------------------------------------------------------------------

struct HitCase {
  const char* name;
  int type;
  float px, py, pxBBox, pyBBox, w, h;
  int radius;
  int expected;
};

// The hurt box of a fighter at (100, 500) spans x 65 .. 135 and y 300 .. 490.
// clang-format off
const HitCase kHitCases[] = {
  {"point on the top-left corner",      HIT_POINT,  65,     300,   0,   0,    0,  0,    0,  1},
  {"point on the bottom-right corner",  HIT_POINT,  135,    490,   0,   0,    0,  0,    0,  1},
  {"point just right of the box",       HIT_POINT,  135.1f, 400,   0,   0,    0,  0,    0,  0},
  {"point just below the box",          HIT_POINT,  100,    490.1f,0,   0,    0,  0,    0,  0},
  {"circle at exactly the radius",      HIT_CIRCLE, 106,    508,   0,   0,    0,  0,    10, 0},
  {"circle just inside the radius",     HIT_CIRCLE, 106,    507.9f,0,   0,    0,  0,    10, 1},
  {"circle ignores the hurt box",       HIT_CIRCLE, 100,    400,   0,   0,    0,  0,    50, 0},
  {"box touching the left edge",        HIT_BOX,    0,      400,   15,  -10,  50, 20,   0,  1},
  {"box short of the left edge",        HIT_BOX,    0,      400,   15,  -10,  49.9f, 20, 0, 0},
  {"box touching the right edge",       HIT_BOX,    135,    400,   0,   0,    30, 30,   0,  1},
  {"box touching the top",              HIT_BOX,    100,    250,   -10, 0,    20, 50,   0,  1},
  {"box above the top",                 HIT_BOX,    100,    250,   -10, 0,    20, 49.9f,0,  0},
  {"box around the whole body",         HIT_BOX,    100,    500,   -200,-300, 400, 400, 0,  1},
  {"unknown shape",                     3,          100,    400,   -50, -50,  100, 100, 99, 0},
};
// clang-format on

TEST(HitTests, PointCircleAndBoxEdges) {
  TestFighter f;
  f.x = 100;
  f.y = 500;
  GiveStandardBox(f);
  for (const HitCase& c : kHitCases) {
    EXPECT_EQ(f.Hit(c.type, c.px, c.py, c.pxBBox, c.pyBBox, c.w, c.h, c.radius), c.expected)
        << c.name;
  }
}

TEST(HitTests, OverlapRectangleOfABoxHit) {
  TestFighter f;
  f.x = 100;
  f.y = 500;
  GiveStandardBox(f);
  // A box from x 120 to 220 and y 250 to 350 covers the hurt box's top-right corner.
  f.CreateHitEffect(HIT_BOX, 100, 300, 20, -50, 100, 100, 0);
  EXPECT_FLOAT_EQ(f.xHitArea, 120);
  EXPECT_FLOAT_EQ(f.yHitArea, 300);
  EXPECT_FLOAT_EQ(f.HitAreaWidth, 15);
  EXPECT_FLOAT_EQ(f.HitAreaHeight, 50);
  // Points and circles leave the last rectangle alone.
  f.CreateHitEffect(HIT_POINT, 100, 400, 0, 0, 0, 0, 0);
  f.CreateHitEffect(HIT_CIRCLE, 100, 400, 0, 0, 0, 0, 30);
  EXPECT_FLOAT_EQ(f.xHitArea, 120);
  EXPECT_FLOAT_EQ(f.HitAreaWidth, 15);
}

// ---- Animation helpers --------------------------------------------------------------------------

struct AnimationCase {
  const char* name;
  int helper;  // 0 Animation1WayLoop, 1 Animation1Way, 2 Animation2Way, 3 Animation2WayLoop
  int frames, delay;
  std::vector<int> frameAfter;  // iFrame after each update
  int reportsOn;                // the update whose result is 1 first, 0 never
};

const AnimationCase kAnimationCases[] = {
    {"Animation1Way(4, 3)", 1, 4, 3, {0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 3}, 12},
    {"Animation1WayLoop(3, 2)", 0, 3, 2, {0, 1, 1, 2, 2, 0, 0, 1}, 0},
    {"Animation2Way(3, 1)", 2, 3, 1, {1, 2, 1, 0, 0, 0}, 5},
    {"Animation2Way(2, 4)", 2, 2, 4, {0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 0}, 12},
    {"Animation2WayLoop(3, 1)", 3, 3, 1, {1, 2, 1, 0, 1, 2, 1, 0}, 0},
    {"no delay never ticks", 1, 4, 0, {0, 0, 0}, 0},
};

TEST(AnimationHelpers, FramesAndCompletionFromTheModesStart) {
  for (const AnimationCase& c : kAnimationCases) {
    SCOPED_TRACE(c.name);
    TestFighter f;
    f.SetMode(MODE_STANCE);
    int reported = 0;
    for (size_t update = 1; update <= c.frameAfter.size(); ++update) {
      f.Move();  // raises iDelayCounter, as every frame does before the mode runs
      float result = 0;
      switch (c.helper) {
        case 0:
          f.Animation1WayLoop(c.frames, c.delay);
          break;
        case 1:
          result = f.Animation1Way(c.frames, c.delay);
          break;
        case 2:
          result = f.Animation2Way(c.frames, c.delay);
          break;
        default:
          f.Animation2WayLoop(c.frames, c.delay);
          break;
      }
      EXPECT_EQ(f.iFrame, c.frameAfter[update - 1]) << "update " << update;
      if (result == 1 && reported == 0) reported = static_cast<int>(update);
    }
    EXPECT_EQ(reported, c.reportsOn);
  }
}

TEST(CharacterMove, CountsFramesAndInvulnerability) {
  TestFighter f;
  f.iDelayCounter = 1199;
  f.iInvulnerableCounter = 1;
  f.Move();
  EXPECT_EQ(f.iDelayCounter, 1200);
  EXPECT_EQ(f.iInvulnerableCounter, 0);
  f.Move();
  EXPECT_EQ(f.iDelayCounter, 1);
  EXPECT_EQ(f.iInvulnerableCounter, 0);
}

// ---- Dismount -----------------------------------------------------------------------------------

class DismountTest : public CombatWorld {
 protected:
  void SetUp() override {
    CombatWorld::SetUp();
    rider = AddFighter(15, SIDE_ENEMY, 500, 4);
    rider->SetMount(1, 1015);
    rider->yMountModifier = -100;
    rider->iFacing = 180;
  }
  std::vector<std::shared_ptr<TMount>> Mounts() const {
    std::vector<std::shared_ptr<TMount>> mounts;
    for (const auto& c : CharacterList) {
      if (auto m = std::dynamic_pointer_cast<TMount>(c)) mounts.push_back(m);
    }
    return mounts;
  }
  void ExpectRiderThrownOff() const {
    EXPECT_FLOAT_EQ(rider->y, fPlaneY[4] - 100);
    EXPECT_EQ(rider->bUnmount, 1);
    EXPECT_EQ(rider->iTypeMount, 0);
    EXPECT_EQ(rider->iMountID, -1);
    EXPECT_EQ(rider->iSkillFortitude, 0);
    EXPECT_EQ(rider->iMode, MODE_KNOCKDOWN);
  }
  std::shared_ptr<TestFighter> rider;
};

TEST_F(DismountTest, WithoutItsMountLeavesAFreshDragonWithAnUnusedId) {
  // Take the id the first draw would give, so the draw has to be repeated.
  SeedRnd(31);
  const int firstDraw = Rand(1015, 30000);
  const int secondDraw = Rand(1015, 30000);
  AddFighter(firstDraw, SIDE_ENEMY, 2000, 0);
  SeedRnd(31);
  rider->Dismount();

  const auto mounts = Mounts();
  ASSERT_EQ(mounts.size(), 1u);
  const TMount& m = *mounts[0];
  EXPECT_EQ(m.iID, secondDraw);
  EXPECT_EQ(m.iType, TYPE_DRACON);
  EXPECT_EQ(m.iAffiliation, SIDE_NEUTRAL);
  EXPECT_EQ(m.iStatus, STATUS_UNHITTABLE);
  EXPECT_EQ(m.iCodePlayer, 2);
  EXPECT_EQ(m.iRideCounter, 2);
  EXPECT_FLOAT_EQ(m.x, 500);
  EXPECT_FLOAT_EQ(m.y, fPlaneY[4]);
  EXPECT_EQ(m.iPlane, 4);
  EXPECT_EQ(m.iMode, MODE_PUSHED_HIGH);
  EXPECT_EQ(m.iFacing, 180);
  EXPECT_EQ(m.fAngle, 180);
  EXPECT_EQ(CharacterList.back().get(), &m);
  ExpectRiderThrownOff();
}

TEST_F(DismountTest, ChargingRiderHandsTheLeapToAFreshDragon) {
  rider->iMode = MODE_CHARGE;
  rider->fJump = 6.5f;
  rider->fSpeed = 3;
  rider->Dismount();
  const auto mounts = Mounts();
  ASSERT_EQ(mounts.size(), 1u);
  EXPECT_EQ(mounts[0]->iMode, MODE_CHARGE);
  EXPECT_FLOAT_EQ(mounts[0]->fJump, 6.5f);
  EXPECT_FLOAT_EQ(mounts[0]->fSpeed, 15);
  ExpectRiderThrownOff();
}

struct HandOverCase {
  const char* name;
  int riderMode;
  int expectedMode;
  float expectedSpeed;
  bool countersCopied;  // frame and delay counter taken from the rider
};

// The rider jumps with fJump 9 and fSpeed 4, on frame 1 of her mode, 5 frames in.
// clang-format off
const HandOverCase kHandOverCases[] = {
  {"charge",              MODE_CHARGE,        MODE_CHARGE,      15, false},
  {"jump rise",           MODE_JUMP_RISE,     MODE_JUMP_RISE,   4,  false},
  {"jump peak",           MODE_JUMP_PEAK,     MODE_JUMP_PEAK,   4,  true},
  {"falling",             MODE_JUMP_FALL,     MODE_JUMP_FALL,   4,  false},
  {"air strike",          MODE_AIR_STRIKE,    MODE_JUMP_FALL,   4,  false},
  {"air breath",          MODE_AIR_BREATH,    MODE_JUMP_FALL,   4,  false},
  {"air strike wind-up",  MODE_AIR_HOVER,     MODE_AIR_HOVER,   4,  true},
  {"air breath wind-up",  MODE_AIR_BREATH_UP, MODE_AIR_HOVER,   4,  true},
};
// clang-format on

TEST_F(DismountTest, ItsOwnMountTakesOverTheRidersMotion) {
  for (const HandOverCase& c : kHandOverCases) {
    SCOPED_TRACE(c.name);
    auto mount = std::make_shared<TMountDracon>();
    mount->Init(2, 1015);
    mount->SetCoordinat(100, 0);
    mount->SetMode(MODE_INACTIVE);  // boarded
    mount->iDelayCounter = 700;
    mount->fJump = mount->fSpeed = 0;
    CharacterList.push_back(mount);
    rider->SetMount(1, 1015);
    rider->y = 420;
    rider->iMode = c.riderMode;
    rider->iFrame = 1;
    rider->iDelayCounter = 5;
    rider->fJump = 9;
    rider->fSpeed = 4;

    rider->Dismount();

    EXPECT_EQ(Mounts().size(), 1u) << "no second dragon";
    EXPECT_EQ(mount->iMode, c.expectedMode);
    EXPECT_FLOAT_EQ(mount->x, 500);
    EXPECT_FLOAT_EQ(mount->y, 420);
    EXPECT_EQ(mount->iPlane, 4);
    EXPECT_EQ(mount->iFacing, 180);
    EXPECT_FLOAT_EQ(mount->fJump, 9);
    EXPECT_FLOAT_EQ(mount->fSpeed, c.expectedSpeed);
    EXPECT_EQ(mount->iFrame, c.countersCopied ? 1 : 0);
    EXPECT_EQ(mount->iDelayCounter, c.countersCopied ? 5 : 700) << "written directly, not entered";
    EXPECT_EQ(rider->iMode, MODE_KNOCKDOWN);
    CharacterList.remove(mount);
  }
}

TEST_F(DismountTest, ItsOwnMountRecoilsWhenTheRiderWasOnTheGround) {
  auto mount = std::make_shared<TMountDracon>();
  mount->Init(2, 1015);
  mount->SetMode(MODE_INACTIVE);
  CharacterList.push_back(mount);
  rider->iMode = MODE_HIT_LOW;
  rider->Dismount();
  EXPECT_EQ(mount->iMode, MODE_PUSHED_HIGH);
  EXPECT_EQ(mount->iDelayCounter, 0);
  EXPECT_FLOAT_EQ(mount->x, 500);
  EXPECT_EQ(mount->iRideCounter, 1);
  ExpectRiderThrownOff();
}

// An id that belongs to someone other than a mount is not taken for one.
TEST_F(DismountTest, AnotherCharacterWithTheMountsIdIsLeftAlone) {
  auto bystander = AddFighter(1015, SIDE_ENEMY, 900, 0);
  rider->Dismount();
  EXPECT_FLOAT_EQ(bystander->x, 900);
  EXPECT_EQ(bystander->iMode, MODE_STANCE);
  EXPECT_EQ(Mounts().size(), 1u);
}

TEST_F(DismountTest, ZeroHitPointsThrowARiderOff) {
  rider->fHP = 5;
  rider->Damage(10, 0, MODE_HIT_HIGH, 0, 0);
  EXPECT_EQ(rider->fHP, 0);
  EXPECT_EQ(Mounts().size(), 1u);
  ExpectRiderThrownOff();
}

// ---- Bookkeeping --------------------------------------------------------------------------------

TEST(Bookkeeping, HitAndMagicPointsFillToTheirMaximumOnly) {
  TestFighter f;
  f.fVit = 10;
  f.fHPModifier = 12;
  f.fInt = 5;
  f.fMPModifier = 8;
  f.fHP = 100;
  f.AddHP(2000);
  EXPECT_FLOAT_EQ(f.fHPMax, 120);
  EXPECT_FLOAT_EQ(f.fHP, 120);
  f.AddHP(-150);
  EXPECT_FLOAT_EQ(f.fHP, -30) << "no lower clamp";
  f.AddMP(2000);
  EXPECT_FLOAT_EQ(f.fMP, 40);
}

TEST(Bookkeeping, LifeBonusIsAHundredPerCentOfHitPointsLeft) {
  TestFighter f;
  f.fHPMax = 100;
  f.fHP = 99.9f;
  EXPECT_EQ(f.CountLifeBonus(), 9900);
  f.fHP = 100;
  EXPECT_EQ(f.CountLifeBonus(), 10000);
  f.fHPMax = 0;
  EXPECT_EQ(f.CountLifeBonus(), 0) << "nothing to divide by";
}

TEST_F(CombatWorld, ANewGameGivesTwoLivesAndContinuesByDifficulty) {
  TestFighter f;
  for (int difficulty : {0, 1, 2}) {
    SCOPED_TRACE(difficulty);
    iDifficulty = difficulty;
    f.fScore = 500;
    f.iBonusLiveCounter = 3;
    f.SetLive();
    EXPECT_EQ(f.iLive, 2);
    EXPECT_EQ(f.iBonusLiveCounter, 0);
    EXPECT_EQ(f.fScore, 0);
    EXPECT_EQ(f.iContinue, difficulty == 0 ? 3 : 2);
  }
}

// A plane given as a fraction is cut to the plane below it, and the feet go on its line.
TEST_F(CombatWorld, PlacementCutsThePlaneToAWholeOne) {
  TestFighter f;
  f.SetCoordinat(321, 2.9f);
  EXPECT_EQ(f.iPlane, 2);
  EXPECT_FLOAT_EQ(f.x, 321);
  EXPECT_FLOAT_EQ(f.y, 663);
}

TEST_F(CombatWorld, InsideTheScreenFromItsLeftEdgeToItsRightEdge) {
  TestFighter f;
  fWorldX = 1000;
  for (const auto& [x, inside] : {std::pair{1000.0f, 1}, {2280.0f, 1}, {2280.5f, 0}, {999.0f, 0}}) {
    f.x = x;
    EXPECT_EQ(f.IsInsideScreen(), inside) << "x " << x;
  }
}

TEST_F(CombatWorld, MovementGoesAlongTheAngleInDegrees) {
  TestFighter f;
  f.x = 10;
  f.y = 10;
  f.fAngle = 90;
  f.fSpeed = 5;
  f.SetMovement();
  EXPECT_NEAR(f.x, 10, 1e-5);
  EXPECT_FLOAT_EQ(f.y, 15);
}

// In the saddle a blow that fells a fighter on foot only staggers; set back on foot, the same
// blow fells.
TEST_F(CombatWorld, ARiderStaggersWhereOneOnFootFalls) {
  constexpr float kFromFront = 0;  // it faces left
  auto f = AddFighter(7, SIDE_ENEMY, 300, 2);
  f->SetMount(1, 4242);
  EXPECT_EQ(f->bUnmount, 0) << "in the saddle";
  EXPECT_EQ(f->iMountID, 4242);
  f->Damage(10, kFromFront, MODE_KNOCKDOWN, 0, 0);
  EXPECT_EQ(f->iMode, MODE_PUSHED_LOW);

  f->SetMount(0, -1);
  EXPECT_EQ(f->bUnmount, 1) << "on foot";
  f->iMode = MODE_STANCE;
  f->Damage(10, kFromFront, MODE_KNOCKDOWN, 0, 0);
  EXPECT_EQ(f->iMode, MODE_KNOCKDOWN);
}

TEST_F(CombatWorld, DustAndUltimaTakeTheCharactersPlaceAndFacing) {
  heroine->x = 40;
  heroine->fAngle = 180;
  heroine->iFacing = 180;
  heroine->CreateEffectDust();
  ASSERT_EQ(EffectList.size(), 1u);
  auto dust = std::dynamic_pointer_cast<TEffectDust>(EffectList.back());
  ASSERT_TRUE(dust);
  EXPECT_FLOAT_EQ(dust->x, 40);
  EXPECT_FLOAT_EQ(dust->y, fPlaneY[2]);
  EXPECT_EQ(dust->iFacing, 180);
  EXPECT_EQ(dust->iPlane, 2);
  EXPECT_EQ(dust->iLayer, 0);

  heroine->CreateEffectUltima(70, 80);
  auto ultima = std::dynamic_pointer_cast<TEffectUltima>(EffectList.back());
  ASSERT_TRUE(ultima);
  EXPECT_FLOAT_EQ(ultima->x, 70);
  EXPECT_FLOAT_EQ(ultima->fAngle, 180);
}

// ---- Pause and back-to-title checks -------------------------------------------------------------

class MenuChecks : public CombatWorld {
 protected:
  static constexpr int kPauseKey = 80;
  static constexpr int kAttackKey = 88;
  static constexpr int kLeftKey = 37;
  static constexpr int kRightKey = 39;

  void SetUp() override {
    CombatWorld::SetUp();
    OverrideDeviceState(&devices);
    auto input = std::make_shared<TGameInput>();
    input->Init(0, INPUT_KEYBOARD);
    input->Keyboard[ACTION_PAUSE] = kPauseKey;
    input->Keyboard[ACTION_ATTACK] = kAttackKey;
    input->Keyboard[ACTION_LEFT] = kLeftKey;
    input->Keyboard[ACTION_RIGHT] = kRightKey;
    GameInput.assign(1, input);
  }
  void TearDown() override {
    OverrideDeviceState(nullptr);
    CombatWorld::TearDown();
  }
  // One frame's poll with `key` down or up.
  void Poll(int key, bool down) {
    devices.keys[key] = down ? 1 : 0;
    GameInput[0]->CheckInput();
  }
  // Up, down, up: the key reads "released" in the last poll.
  void Tap(int key) {
    Poll(key, false);
    Poll(key, true);
    Poll(key, false);
  }
  DeviceState devices;
};

TEST_F(MenuChecks, PauseTogglesWhenTheButtonIsLetGo) {
  Poll(kPauseKey, true);
  heroine->PauseCheck();
  EXPECT_EQ(heroine->IsPaused(), 0) << "pressing is not enough";
  Poll(kPauseKey, false);
  heroine->PauseCheck();
  EXPECT_EQ(heroine->IsPaused(), 1);
  Tap(kPauseKey);
  heroine->PauseCheck();
  EXPECT_EQ(heroine->IsPaused(), 0);
}

TEST_F(MenuChecks, OneReleaseTogglesOnceHoweverOftenItIsChecked) {
  Poll(kPauseKey, true);
  Poll(kPauseKey, false);
  // Frames in which nothing polls leave the release in the statuses.
  for (int frame = 0; frame < 5; ++frame) heroine->PauseCheck();
  EXPECT_EQ(heroine->IsPaused(), 1);
  Tap(kPauseKey);
  for (int frame = 0; frame < 5; ++frame) heroine->PauseCheck();
  EXPECT_EQ(heroine->IsPaused(), 0);
}

TEST_F(MenuChecks, EscapeOpensTheQuestionOnlyInPlay) {
  devices.keys[27] = 1;
  heroine->iMode = MODE_INACTIVE;
  heroine->ESCCheck();
  EXPECT_EQ(heroine->IsESC(), 0);
  heroine->iMode = MODE_STANCE;
  heroine->iESCActiveCursor = 1;
  heroine->ESCCheck();
  EXPECT_EQ(heroine->IsESC(), 1);
  EXPECT_EQ(heroine->iESCActiveCursor, 0);
  heroine->iESCActiveCursor = 1;
  heroine->ESCCheck();
  EXPECT_EQ(heroine->iESCActiveCursor, 1) << "already open";
}

TEST_F(MenuChecks, SelectionMovesSidewaysAndAttackAnswers) {
  heroine->bESC = 1;
  Tap(kLeftKey);
  heroine->ESCSelectionCheck();
  EXPECT_EQ(heroine->iESCActiveCursor, 1);
  Tap(kRightKey);
  heroine->ESCSelectionCheck();
  EXPECT_EQ(heroine->iESCActiveCursor, 0);
  EXPECT_EQ(heroine->IsESC(), 1);
  Tap(kAttackKey);
  heroine->ESCSelectionCheck();
  EXPECT_EQ(heroine->IsESC(), 0);
}

// Enemies carry player code 2, past the one binding slot: their checks read nothing.
TEST_F(MenuChecks, ChecksOfAnEnemyReadNoBindings) {
  auto enemy = AddFighter(3, SIDE_ENEMY, 100, 2);
  enemy->iCodePlayer = 2;
  enemy->bESC = 1;
  Tap(kPauseKey);
  enemy->PauseCheck();
  enemy->ESCSelectionCheck();
  EXPECT_EQ(enemy->IsPaused(), 0);
  EXPECT_EQ(enemy->IsESC(), 1);
}

}  // namespace
