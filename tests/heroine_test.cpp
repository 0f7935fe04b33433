// The heroine, driven through her keyboard as a player drives her, frame by frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/trace.h"
#include "heroine/momo_projectiles.h"
#include "heroine_fixtures.h"

namespace {

// ---- Starting values
// ------------------------------------------------------------------------------

TEST_F(HeroineWorld, StartsFullOnTheMiddlePlaneWithLivesByDifficulty) {
  EXPECT_EQ(Momo->iType, TYPE_HEROINE);
  EXPECT_EQ(Momo->iID, 0);
  EXPECT_FLOAT_EQ(Momo->fHP, 224);
  EXPECT_FLOAT_EQ(Momo->fHPMax, 224);
  EXPECT_FLOAT_EQ(Momo->fMP, 240);
  EXPECT_FLOAT_EQ(Momo->fMPMax, 240);
  EXPECT_EQ(Momo->iMode, MODE_STANCE);
  EXPECT_EQ(Momo->iPlane, 2);
  EXPECT_FLOAT_EQ(Momo->x, 100);
  EXPECT_FLOAT_EQ(Momo->y, fPlaneY[2]);
  EXPECT_EQ(Momo->iLive, 2);

  const struct {
    int difficulty, continues;
  } kContinues[] = {{DIFFICULTY_EASY, 3}, {DIFFICULTY_NORMAL, 2}, {DIFFICULTY_HARD, 2}};
  for (const auto& row : kContinues) {
    SetDifficulty(row.difficulty);
    Momo->SetLive();
    EXPECT_EQ(Momo->iContinue, row.continues) << "difficulty " << row.difficulty;
  }
}

// ---- Moving
// ---------------------------------------------------------------------------------------

TEST_F(HeroineWorld, TwoTapsOfUpWithinThirtyFramesSwitchPlanesThroughTheTransitPlane) {
  DoubleTapUp(29);
  ASSERT_EQ(Momo->iMode, MODE_PLANE_UP);
  EXPECT_EQ(Momo->iPlane, 1) << "between planes nothing can hit her";
  EXPECT_EQ(Momo->iStatus, STATUS_UNHITTABLE);
  ASSERT_GT(StepUntil(MODE_STANCE, 20), 0);
  EXPECT_EQ(Momo->iPlane, 0);
  EXPECT_FLOAT_EQ(Momo->y, fPlaneY[0]);

  // On the farthest plane Up does nothing.
  DoubleTapUp(5);
  Step(20);
  EXPECT_EQ(Momo->iPlane, 0);
}

TEST_F(HeroineWorld, OneTapOrTwoTooFarApartStayOnThePlane) {
  Tap(kKeyUp);
  Step(40);
  EXPECT_EQ(Momo->iPlane, 2);
  DoubleTapUp(30);
  Step(5);
  EXPECT_EQ(Momo->iPlane, 2);
  EXPECT_EQ(Momo->iMode, MODE_STANCE);
}

TEST_F(HeroineWorld, HoldingRightWhileLandingRunsWithoutTheCrouch) {
  Jump();
  ASSERT_GT(StepUntil(MODE_JUMP_FALL, 60), 0);
  Key(kKeyRight, true);
  std::vector<int> modes;
  for (int i = 0; i < 60 && Momo->iMode != MODE_WALK_RIGHT; ++i) {
    Step();
    modes.push_back(Momo->iMode);
  }
  EXPECT_EQ(Momo->iMode, MODE_WALK_RIGHT);
  EXPECT_FLOAT_EQ(Momo->y, fPlaneY[2]);
  EXPECT_EQ(std::count(modes.begin(), modes.end(), MODE_LANDING), 0);
}

struct JumpAttackCase {
  int riseFrame;  // the frame of the rise on which Attack is pressed
  int mode;       // her mode after that frame
};
using JumpAttacks = HeroineCases<JumpAttackCase>;

TEST_P(JumpAttacks, WaitForTheSecondFrameOfTheRise) {
  const JumpAttackCase& c = GetParam();
  Jump();
  ASSERT_GT(StepUntil(MODE_JUMP_RISE, 10), 0);
  Step(c.riseFrame - 1);
  Tap(kKeyAttack);
  EXPECT_EQ(Momo->iMode, c.mode) << "Attack on rise frame " << c.riseFrame;
}
INSTANTIATE_TEST_SUITE_P(RiseFrames, JumpAttacks,
                         testing::Values(JumpAttackCase{1, MODE_JUMP_RISE},
                                         JumpAttackCase{2, MOMO_JUMP_ATTACK1}));

// The air moon slasher cast on the first frame of the rise, when she is still on the ground line:
// when it ends she falls, and the fall lands her, however short it is.
TEST_F(HeroineWorld, AnAirMoonSlasherAtTheGroundLineEndsInAFallAndALanding) {
  Jump();
  ASSERT_GT(StepUntil(MODE_JUMP_RISE, 10), 0);
  Tap(kKeyMagic);
  ASSERT_EQ(Momo->iMode, MOMO_AIR_MOON_SLASHER);
  std::vector<int> modes = {Momo->iMode};
  for (int i = 0; i < 60 && Momo->iMode != MODE_STANCE; ++i) {
    Step();
    if (Momo->iMode != modes.back()) modes.push_back(Momo->iMode);
    EXPECT_LE(Momo->y, fPlaneY[2]) << "never below the ground line";
  }
  EXPECT_EQ(modes,
            (std::vector<int>{MOMO_AIR_MOON_SLASHER, MODE_JUMP_FALL, MODE_LANDING, MODE_STANCE}));
}

// ---- Taking hits
// ----------------------------------------------------------------------------------

struct PushCase {
  int type;
  float angle;  // she faces right: 0 pushes her the way she faces
  int mode;
};
using Pushed = HeroineCases<PushCase>;

TEST_P(Pushed, FromBehindSheFallsOnHerFaceAndGetsUpTurned) {
  const PushCase& c = GetParam();
  Momo->Damage(10, c.angle, c.type, 0, 0);
  EXPECT_EQ(Momo->iMode, c.mode) << "type " << c.type << " at " << c.angle;
  if (c.mode == MOMO_FALL_FORWARD) {
    ASSERT_GT(StepUntil(MOMO_SLIDE, 60), 0);
    ASSERT_GT(StepUntil(MODE_GETTING_UP, 80), 0);
    EXPECT_EQ(Momo->iFacing, 180) << "she gets up facing the other way";
    EXPECT_EQ(Momo->iFrame, 2);
  }
}
INSTANTIATE_TEST_SUITE_P(LowAndHigh, Pushed,
                         testing::Values(PushCase{MODE_PUSHED_LOW, 180, MODE_PUSHED_LOW},
                                         PushCase{MODE_PUSHED_HIGH, 180, MODE_PUSHED_HIGH},
                                         PushCase{MODE_PUSHED_LOW, 0, MOMO_FALL_FORWARD},
                                         PushCase{MODE_PUSHED_HIGH, 0, MOMO_FALL_FORWARD}));

TEST_F(HeroineWorld, TheDiveArmourTakesAFifthAndKeepsDivingUnlessItKills) {
  Momo->y = fPlaneY[2] - 300;
  Momo->SetMode(MOMO_DIVE);
  Momo->fMP = 0;
  Momo->Damage(50, 180, MODE_KNOCKDOWN, 0, 0);
  EXPECT_EQ(Momo->iMode, MOMO_DIVE);
  EXPECT_FLOAT_EQ(Momo->fHP, 224 - 10);
  EXPECT_EQ(Momo->iInvulnerableCounter, 4);
  EXPECT_FLOAT_EQ(Momo->fMP, 50.0f / 3) << "every blow taken charges mana";

  Momo->fHP = 5;
  Momo->Damage(50, 180, MODE_KNOCKDOWN, 0, 0);
  EXPECT_FLOAT_EQ(Momo->fHP, 0);
  EXPECT_EQ(Momo->iMode, MODE_KNOCKDOWN);
}

struct KnockOutCase {
  int lives, continues;
  int mode;  // where the lying ends
};
using KnockedOut = HeroineCases<KnockOutCase>;

TEST_P(KnockedOut, SheLosesALifeOrIsAskedToContinueOrTheGameIsOver) {
  const KnockOutCase& c = GetParam();
  Momo->iLive = c.lives;
  Momo->iContinue = c.continues;
  Momo->fHP = 1;
  Momo->Damage(10, 180, MODE_KNOCKDOWN, 0, 0);
  std::vector<int> modes;
  for (int i = 0; i < 300 && Momo->iMode != c.mode; ++i) {
    Step();
    modes.push_back(Momo->iMode);
  }
  EXPECT_EQ(Momo->iMode, c.mode) << c.lives << " lives, " << c.continues << " continues";
  EXPECT_EQ(std::count(modes.begin(), modes.end(), MOMO_CONTINUE), c.mode == MOMO_CONTINUE ? 1 : 0);
  if (c.mode == MOMO_LIFE_REFILL) {
    EXPECT_EQ(Momo->iLive, 0);
  }
}
INSTANTIATE_TEST_SUITE_P(LivesAndContinues, KnockedOut,
                         testing::Values(KnockOutCase{1, 0, MOMO_LIFE_REFILL},
                                         KnockOutCase{0, 1, MOMO_CONTINUE},
                                         KnockOutCase{0, 0, MOMO_GAME_OVER}));

TEST_F(HeroineWorld, AcceptingAContinueRestoresTwoLivesAndRefillsFromNothing) {
  Momo->iLive = 0;
  Momo->iContinue = 1;
  Momo->fHP = 1;
  Momo->Damage(10, 180, MODE_KNOCKDOWN, 0, 0);
  ASSERT_GT(StepUntil(MOMO_CONTINUE, 300), 0);
  Tap(kKeyRight);  // to "No"
  EXPECT_EQ(Momo->iContinueCursor, 1);
  Step();
  Tap(kKeyLeft);  // back to "Yes"
  EXPECT_EQ(Momo->iContinueCursor, 0);
  Step();
  Tap(kKeyAttack);
  EXPECT_EQ(Momo->iMode, MOMO_LIFE_REFILL);
  EXPECT_EQ(Momo->iLive, 2);
  EXPECT_EQ(Momo->iContinue, 0);
  EXPECT_FLOAT_EQ(Momo->fHP, 0);
  Step(10);
  EXPECT_FLOAT_EQ(Momo->fHP, 20) << "two hit points a frame";
  EXPECT_EQ(StepUntil(MODE_GETTING_UP, 200), 102);
  EXPECT_FLOAT_EQ(Momo->fHP, 224);
}

TEST_F(HeroineWorld, TwoScoreMarksPassedInOneFrameGiveALifeThisFrameAndOneTheNext) {
  Momo->fScore = 190000;
  Step();
  EXPECT_EQ(Momo->iLive, 3);
  Step();
  EXPECT_EQ(Momo->iLive, 4);
  Step();
  EXPECT_EQ(Momo->iLive, 4) << "360000 is not reached";
  EXPECT_EQ(Momo->iBonusLiveCounter, 2);
}

// ---- Attacks and combos
// ---------------------------------------------------------------------------

// From the third frame on: the key must be up for a frame after the press that began it.
using StrikeChain = HeroineCases<int>;

TEST_P(StrikeChain, AStrikePressedAnyTimeDuringTheLastStartsOnItsTwelfthFrame) {
  const int pressAt = GetParam();
  Tap(kKeyAttack);
  ASSERT_EQ(Momo->iMode, MOMO_STRIKE1);
  const int chain[] = {MOMO_STRIKE1, MOMO_STRIKE2, MOMO_STRIKE3, MOMO_STRIKE4};
  for (int i = 0; i < 3; ++i) {
    Step(pressAt - 1);
    Tap(kKeyAttack);  // frame `pressAt` of the strike
    Step(11 - pressAt);
    EXPECT_EQ(Momo->iMode, chain[i]) << "pressed on frame " << pressAt;
    Step();
    EXPECT_EQ(Momo->iMode, chain[i + 1]) << "pressed on frame " << pressAt;
    EXPECT_EQ(Momo->iDelayCounter, 0);
  }
  // The fourth strike ends the chain whatever is pressed.
  Tap(kKeyAttack);
  EXPECT_EQ(StepUntil(MODE_STANCE, 30), 19);
}
INSTANTIATE_TEST_SUITE_P(PressedOnFrame, StrikeChain, testing::Values(3, 6, 11));

TEST_F(HeroineWorld, TheLastOfAttackAndMagicPressedIsTheFollowUp) {
  Tap(kKeyAttack);
  Step(2);
  Tap(kKeyAttack);
  Tap(kKeyMagic);  // replaces the buffered strike by the moon slasher
  Step(12 - Momo->iDelayCounter - 1);
  Step();
  EXPECT_EQ(Momo->iMode, MOMO_MOON_SLASHER);
  EXPECT_FLOAT_EQ(Momo->fMP, 240 - 12);
}

TEST_F(HeroineWorld, AChainedSkillWithoutManaLetsTheStrikeRunOut) {
  Momo->fMP = 10;
  Tap(kKeyAttack);
  Step(3);
  Tap(kKeyMagic);
  std::vector<int> modes;
  for (int i = 0; i < 20; ++i) {
    Step();
    modes.push_back(Momo->iMode);
  }
  EXPECT_EQ(Momo->iMode, MODE_STANCE);
  EXPECT_EQ(std::count(modes.begin(), modes.end(), MOMO_MOON_SLASHER), 0);
  EXPECT_FLOAT_EQ(Momo->fMP, 10);
}

// How a skill is asked for: the keys held with Magic, and whether a dash comes first.
struct SkillCase {
  const char* name;
  int direction;  // 0: none
  bool fromDash;
  float mana;
  int firstMode;  // what Magic starts (MODE_STANCE: refused)
  int paidIn;     // the mode on whose entry the cost is taken (firstMode when paid at once)
  float left;     // mana after paying
};

// clang-format off
const SkillCase kSkills[] = {
    // name                        direction  dash   mana   first mode              paid in                 left
    {"moon slasher, 12 exactly",   0,         false, 12,    MODE_STANCE,            MODE_STANCE,            12},
    {"moon slasher",               0,         false, 12.5f, MOMO_MOON_SLASHER,      MOMO_MOON_SLASHER,      0.5f},
    {"eruption",                   kKeyUp,    false, 41,    MOMO_ERUPTION_PREPARE,  MOMO_ERUPTION,          1},
    {"psychic sphere",             kKeyDown,  false, 65,    MOMO_SPHERE_PREPARE,    MOMO_SPHERE_CAST,       1},
    {"strike-through",             0,         true,  37,    MOMO_STRIKE_THROUGH,    MOMO_STRIKE_THROUGH,    1},
};
// clang-format on
using Skills = HeroineCases<SkillCase>;

TEST_P(Skills, EachPaysItsCostWhenItsRowSays) {
  const SkillCase& c = GetParam();
  Momo->fMP = c.mana;
  if (c.fromDash) {
    Tap(kKeyDash);
    ASSERT_EQ(Momo->iMode, MODE_DASH) << c.name;
  }
  if (c.direction) Key(c.direction, true);
  Tap(kKeyMagic);
  if (c.direction) Key(c.direction, false);
  EXPECT_EQ(Momo->iMode, c.firstMode) << c.name;
  if (c.paidIn != c.firstMode) {
    EXPECT_FLOAT_EQ(Momo->fMP, c.mana) << c.name << ": nothing paid yet";
    ASSERT_GT(StepUntil(c.paidIn, 60), 0) << c.name;
  }
  EXPECT_FLOAT_EQ(Momo->fMP, c.left) << c.name;
}
INSTANTIATE_TEST_SUITE_P(Table, Skills, testing::ValuesIn(kSkills));

TEST_F(HeroineWorld, TheStrikeThroughEndsFacingTheOtherWay) {
  Tap(kKeyDash);
  Tap(kKeyMagic);
  ASSERT_EQ(Momo->iMode, MOMO_STRIKE_THROUGH);
  EXPECT_EQ(Momo->iFacing, 180);
  const float start = Momo->x;
  ASSERT_GT(StepUntil(MODE_STANCE, 60), 0);
  EXPECT_GT(Momo->x, start + 200) << "she kept going the way she dashed";
  EXPECT_EQ(Momo->iFacing, 180);
}

// ---- Her hit boxes
// --------------------------------------------------------------------------------

TEST_F(HeroineWorld, ASlashCanHitOnlyInItsFirstTwoFramesButShowsForTwelve) {
  auto slash = std::make_shared<TProjectileMomoAttack1>();
  slash->Init(0, Momo->x, Momo->y, 0, 0, 0, 2, 10, 0, 1);
  ProjectileList.push_back(slash);
  std::vector<int> statuses;
  for (int i = 0; i < 13; ++i) {
    projectiles.Move();
    statuses.push_back(slash->iStatus);
  }
  const std::vector<int> expected = {1, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 0};
  EXPECT_EQ(statuses, expected);
}

TEST_F(HeroineWorld, OneSlashHitsEveryFoeInsideItAndScoresForEach) {
  auto a = AddFoe(1, 80);
  auto b = AddFoe(2, 120);
  Momo->fMP = 100;
  Tap(kKeyAttack);
  Step(3);
  EXPECT_LT(a->fHP, 100);
  EXPECT_LT(b->fHP, 100);
  const float dealt = (100 - a->fHP) + (100 - b->fHP);
  EXPECT_NEAR(Momo->fMP, 100 + dealt / 5, 1e-3) << "a fifth of each hit comes back as mana";
  EXPECT_GE(Momo->fScore, 2 * 10 * 1) << "each hit scores";
}

TEST_F(HeroineWorld, TheMoonWaveWeakensAndFadesWithEveryFoeItCuts) {
  auto wave = std::make_shared<TProjectileMoonSlasher_B>();
  wave->Init(0, Momo->x, Momo->y - 113, 0, 0, 0, 2, 20, 0, 0);
  ProjectileList.push_back(wave);
  std::vector<std::shared_ptr<Dummy>> foes;
  for (int i = 0; i < 3; ++i) foes.push_back(AddFoe(i + 1, 60.0f + 66 * i, 100));
  for (auto& foe : foes) foe->yBBox = -200;
  const float alphas[] = {0.875f, 0.75f, 0.625f};
  for (int hit = 0; hit < 3; ++hit) {
    for (int i = 0; i < 10 && foes[hit]->fHP == 100; ++i) projectiles.Move();
    EXPECT_FLOAT_EQ(100 - foes[hit]->fHP, 20.0f - 2 * hit) << "foe " << hit;
    EXPECT_FLOAT_EQ(wave->fAlpha, alphas[hit]);
  }
}

TEST_F(HeroineWorld, TheMoonWaveOnlyStaggersOnceItHasFlownTwentyFourFrames) {
  auto wave = std::make_shared<TProjectileMoonSlasher_B>();
  wave->Init(0, Momo->x, Momo->y - 113, 0, 0, 0, 2, 20, 0, 0);
  ProjectileList.push_back(wave);
  projectiles.Move();
  EXPECT_EQ(wave->iDamageType, MODE_PUSHED_HIGH);
  for (int i = 1; i < 24; ++i) projectiles.Move();
  EXPECT_EQ(wave->iDamageType, MODE_HIT_HIGH);
}

struct RefundCase {
  const char* name;
  std::shared_ptr<TProjectile> (*make)();
  int herMode;  // the mode a box bound to her needs
  bool refunds;
};
const RefundCase kRefundBoxes[] = {
    {"slash", [] { return std::shared_ptr<TProjectile>(new TProjectileMomoAttack1); }, 6, true},
    {"jump kick", [] { return std::shared_ptr<TProjectile>(new TProjectileMomoJumpKick); },
     MOMO_JUMP_KICK, true},
    {"strike-through",
     [] { return std::shared_ptr<TProjectile>(new TProjectileMomoStrikeThrough); },
     MOMO_STRIKE_THROUGH, false},
    {"eruption", [] { return std::shared_ptr<TProjectile>(new TProjectileMomoEruption); }, 6,
     false},
};
using ManaBack = HeroineCases<RefundCase>;

TEST_P(ManaBack, OnlySomeBoxesGiveIt) {
  const RefundCase& c = GetParam();
  auto foe = AddFoe(1, 100, 1000);  // inside every one of these boxes
  Momo->iMode = c.herMode;
  Momo->fMP = 100;
  auto box = c.make();
  box->Init(0, Momo->x, Momo->y, 0, 0, 0, 2, 30, 0, 0);
  ProjectileList.push_back(box);
  projectiles.Move();
  ASSERT_LT(foe->fHP, 1000) << c.name;
  EXPECT_EQ(Momo->fMP > 100, c.refunds) << c.name;
}
INSTANTIATE_TEST_SUITE_P(Boxes, ManaBack, testing::ValuesIn(kRefundBoxes));

TEST_F(HeroineWorld, AnInterruptedSphereCollapsesAndStopsHitting) {
  Momo->iMode = MOMO_SPHERE_CAST;
  auto sphere = std::make_shared<TProjectilePsychoSphere>();
  sphere->Init(0, Momo->x + 100, Momo->y, 0, 0, 0, 2, 5, 0, 0);
  ProjectileList.push_back(sphere);
  projectiles.Move();
  EXPECT_EQ(sphere->iStatus, PROJECTILE_ACTIVE);
  EXPECT_FLOAT_EQ(sphere->fScale, 0.5f);
  Momo->iMode = MODE_HIT_HIGH;
  projectiles.Move();
  EXPECT_EQ(sphere->iStatus, PROJECTILE_SPENT);
  EXPECT_FLOAT_EQ(sphere->fScale, 0.25f);
}

// ---- Grapples
// -------------------------------------------------------------------------------------

TEST_F(HeroineWorld, RunningIntoAFoeSeizesItAndTheThirdActionFinishes) {
  auto foe = AddFoe(1, 60);
  Key(kKeyRight, true);
  Step();
  Key(kKeyRight, false);
  ASSERT_EQ(Momo->iMode, MOMO_GRAPPLE);
  EXPECT_FLOAT_EQ(foe->x, Momo->x + 70);
  EXPECT_EQ(foe->iMode, MODE_GRAPPLED);
  EXPECT_EQ(foe->iFacing, 180) << "it already faced her";
  for (int action = 0; action < 3; ++action) {
    ASSERT_GT(StepUntil(MOMO_GRAPPLE_HOLD, 40), 0) << "action " << action;
    Tap(kKeyAttack);
    EXPECT_EQ(Momo->iMode, action < 2 ? MOMO_GRAPPLE_STRIKE : MOMO_GRAPPLE_FINISH);
  }
  StepUntil(MODE_STANCE, 40);
  const std::vector<int> struck(foe->modes.begin() + 2, foe->modes.end());
  EXPECT_EQ(struck, (std::vector<int>{MODE_GRAPPLE_HIT, MODE_GRAPPLE_HIT, MODE_PUSHED_LOW}));
}

TEST_F(HeroineWorld, AFoeHeldTooLongGetsFree) {
  auto foe = AddFoe(1, 60);
  Key(kKeyRight, true);
  Step();
  Key(kKeyRight, false);
  ASSERT_GT(StepUntil(MOMO_GRAPPLE_HOLD, 10), 0);
  EXPECT_EQ(StepUntil(MODE_STANCE, 100), 60);
  EXPECT_EQ(foe->iMode, MODE_STANCE);
  EXPECT_EQ(Momo->iTargetID, -1);
}

struct BackThrowCase {
  float size;
  float least, most;  // the throw's dice: 4 per unit of size, Rand(2, 4) each, plus 6
};
using BackThrow = HeroineCases<BackThrowCase>;

TEST_P(BackThrow, HurtsALargerFoeMore) {
  const BackThrowCase& c = GetParam();
  auto foe = AddFoe(1, 60, 1000, c.size);
  Key(kKeyRight, true);
  Step();
  Key(kKeyRight, false);
  ASSERT_GT(StepUntil(MOMO_GRAPPLE_HOLD, 10), 0);
  Key(kKeyLeft, true);  // away from the foe
  Tap(kKeyAttack);
  Key(kKeyLeft, false);
  ASSERT_EQ(Momo->iMode, MOMO_BACK_THROW);
  EXPECT_EQ(foe->iMode, MODE_CARRIED);
  Step(30);
  EXPECT_EQ(foe->iMode, MODE_THROWN);
  const float dealt = 1000 - foe->fHP;
  EXPECT_GE(dealt, c.least) << "size " << c.size;
  EXPECT_LE(dealt, c.most) << "size " << c.size;
}
INSTANTIATE_TEST_SUITE_P(Sizes, BackThrow,
                         testing::Values(BackThrowCase{4, 16 * 2 + 6, 16 * 4 + 6},
                                         BackThrowCase{10, 40 * 2 + 6, 40 * 4 + 6}));

// ---- The view
// -------------------------------------------------------------------------------------

TEST_F(HeroineWorld, TheViewPushesHerBackPastTheScrollLock) {
  fScrollLockX = 500;
  fScrollLimitX = 500;
  Momo->x = 300;
  Step();
  EXPECT_FLOAT_EQ(Momo->x, 600);
  EXPECT_FLOAT_EQ(fWorldX, 500);
}

TEST(ScreenShake, SwingsAcrossZeroAndDiesDownByTwo) {
  TMomo momo;
  fQuake = 10;
  std::vector<float> shown;
  for (int i = 0; i < 6; ++i) {
    shown.push_back(fQuake);
    momo.QuakeNeutralizer();
  }
  EXPECT_EQ(shown, (std::vector<float>{10, -8, 6, -4, 2, 0}));
  fQuake = 0;
}

// ---- The trace
// ------------------------------------------------------------------------------------

TEST_F(HeroineWorld, TraceLinesCarryTheStateInTheirOrder) {
  AddFoe(2, 1302.5f - 100, 144);
  fWorldX = 812;
  Momo->fScore = 1240.75f;
  const std::string line = TraceWriter::FrameLine(412);
  EXPECT_EQ(line,
            "{\"frame\":412,\"manager\":-1,\"stage\":-1,\"step\":-1,\"world_x\":812.0,"
            "\"world_y\":0.0,\"quake\":0.0,\"momo\":{\"score\":1240,\"lives\":2,\"continues\":2,"
            "\"max_combo\":0,\"exploit\":0,\"mount\":0},\"bgm\":-1,\"projectiles\":0,"
            "\"effects\":0,\"chars\":[{\"type\":0,\"id\":0,\"mode\":6,\"x\":100.0,\"y\":663.0,"
            "\"plane\":2,\"hp\":224.0,\"mp\":240.0,\"status\":1,\"facing\":0,\"delay\":0,"
            "\"frame\":0,\"ai\":0},{\"type\":16,\"id\":2,\"mode\":6,\"x\":1302.5,\"y\":663.0,"
            "\"plane\":2,\"hp\":144.0,\"mp\":0.0,\"status\":1,\"facing\":180,\"delay\":0,"
            "\"frame\":0,\"ai\":0}]}");
}

}  // namespace
