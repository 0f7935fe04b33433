// The Dark Knight (his bar, his answers, his reversal, his combination) and the heroine on the
// dragon (boarding, throw-offs, the riding combo and the breath).

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "enemies/boss.h"
#include "heroine/momo_projectiles.h"
#include "heroine_fixtures.h"
#include "test_support.h"
#include "world/spawn.h"

namespace {

class BossWorld : public HeroineWorld {
 protected:
  template <class Kind = TCharacter>
  std::shared_ptr<Kind> Add(int type, int id, float x, int plane = 2) {
    std::shared_ptr<TCharacter> c = Spawn(type, id);
    c->SetCoordinat(x, static_cast<float>(plane));
    CharacterList.push_back(c);
    c->ResetGameData();
    return std::dynamic_pointer_cast<Kind>(c);
  }
};

// ---- The Dark Knight ----------------------------------------------------------------------------

class BossBar : public HeadlessWindow {};

TEST_F(BossBar, LayersOfThreeHundredSixtyHitPointsInTheirColours) {
  const struct {
    float hp;
    Rgb left, right;  // the bar near its left end and near its right end
  } kCases[] = {
      {1008, {85, 174, 98}, {255, 210, 71}},  // full on Normal: yellow with a green part
      {720, {255, 210, 71}, {255, 210, 71}},  // the green part is gone
      {300, {204, 21, 16}, {0, 0, 0}},        // below 360: red over black
      {0, {0, 0, 0}, {0, 0, 0}},              // still drawn, all black
  };
  for (const auto& c : kCases) {
    OpenWindow(1280, 768);
    SetClsColor(60, 60, 60);
    Cls();
    fScreenWidth = 1280;
    fScreenHeight = 768;
    fWorldX = fWorldY = 0;
    TDarkKnight knight;
    knight.Init(2, 1);
    knight.fHP = c.hp;
    knight.DrawGUI();
    const Picture picture = ReadBack();
    ExpectNear(picture.At(640 - 350, 768 - 26), c.left);
    ExpectNear(picture.At(640 + 350, 768 - 26), c.right);
    CloseGraphics();
  }
  ResetGlobals();
}

struct AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwiseCase {
  float dx;
  bool airborne;
  int answer;
};
const AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwiseCase
    kAnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwise[] = {
        {150, false, ENEMY_SEIZE},
        {150, true, KNIGHT_CHARGING_CUT},
        {250, false, KNIGHT_CHARGING_CUT},
};
using AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwise =
    WorldCases<AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwiseCase, BossWorld>;

TEST_P(AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwise, EachRow) {
  const AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwiseCase& c = GetParam();
  auto knight = Add<TDarkKnight>(TYPE_DARK_KNIGHT, 1, Momo->x + c.dx);
  Momo->iExploitCounter = 4;
  Momo->iExploitTimer = 100;
  if (c.airborne) {
    Momo->SetMode(MODE_JUMP_RISE);
    Momo->y -= 100;
  }
  knight->MoveAI(Momo.get());
  EXPECT_EQ(knight->iMode, c.answer) << "at " << c.dx << (c.airborne ? " in the air" : "");
}
INSTANTIATE_TEST_SUITE_P(BossWorld, AnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwise,
                         testing::ValuesIn(kAnExploitingHeroineIsSeizedOnTheGroundAndCutOtherwise));

struct HisReversalCoolDownFollowsTheDifficultyCase {
  int difficulty;
  int coolDown;
};
const HisReversalCoolDownFollowsTheDifficultyCase kHisReversalCoolDownFollowsTheDifficulty[] = {
    {DIFFICULTY_EASY, 352}, {DIFFICULTY_NORMAL, 220}, {DIFFICULTY_HARD, 110}};
using HisReversalCoolDownFollowsTheDifficulty =
    WorldCases<HisReversalCoolDownFollowsTheDifficultyCase, BossWorld>;

TEST_P(HisReversalCoolDownFollowsTheDifficulty, EachRow) {
  const HisReversalCoolDownFollowsTheDifficultyCase& c = GetParam();
  SetDifficulty(c.difficulty);
  auto knight = Add<TDarkKnight>(TYPE_DARK_KNIGHT, 1, Momo->x + 70);
  // She holds him with his cool-down spent: he turns the hold on her.
  Momo->SetMode(MOMO_GRAPPLE_HOLD);
  Momo->iTargetID = 1;
  Momo->iTargetType = TYPE_DARK_KNIGHT;
  knight->iCoolDownThrow = 0;
  knight->SetMode(MODE_GRAPPLED);
  EXPECT_EQ(knight->iMode, ENEMY_SEIZE);
  EXPECT_EQ(Momo->iMode, MODE_GRAPPLED);
  EXPECT_EQ(knight->iCoolDownThrow, c.coolDown);
}
INSTANTIATE_TEST_SUITE_P(BossWorld, HisReversalCoolDownFollowsTheDifficulty,
                         testing::ValuesIn(kHisReversalCoolDownFollowsTheDifficulty));

using HisFirstBlowAlwaysLeadsToTheSecondAndOnlyAHitSecondToTheCut = WorldCases<bool, BossWorld>;

TEST_P(HisFirstBlowAlwaysLeadsToTheSecondAndOnlyAHitSecondToTheCut, EachCase) {
  const bool secondConnects = GetParam();
  auto knight = Add<TDarkKnight>(TYPE_DARK_KNIGHT, 1, Momo->x + 150);
  knight->SetMode(KNIGHT_GUARD);
  std::vector<int> modes = {KNIGHT_GUARD};
  for (int frame = 0; frame < 150 && knight->iMode >= ENEMY_ATTACK1; ++frame) {
    Momo->SetMode(MODE_STANCE);
    Momo->fHP = Momo->fHPMax;
    // Out of his reach except for the second blow, when it is to connect.
    Momo->iStatus =
        knight->iMode == KNIGHT_SECOND_BLOW && secondConnects ? STATUS_NORMAL : STATUS_UNHITTABLE;
    Step();
    if (knight->iMode != modes.back()) modes.push_back(knight->iMode);
  }
  std::vector<int> expected = {KNIGHT_GUARD, ENEMY_ATTACK1, KNIGHT_SECOND_BLOW};
  if (secondConnects) expected.push_back(KNIGHT_CHARGING_CUT);
  expected.push_back(MODE_BACK_OFF);
  EXPECT_EQ(modes, expected);
}
INSTANTIATE_TEST_SUITE_P(BossWorld, HisFirstBlowAlwaysLeadsToTheSecondAndOnlyAHitSecondToTheCut,
                         testing::Values(false, true));

// ---- Riding -------------------------------------------------------------------------------------

class RidingWorld : public BossWorld {
 protected:
  // A riderless dragon at her feet, as a raider leaves it, in `mode`.
  std::shared_ptr<TCharacter> Dragon(int mode) {
    Momo->x = 600;  // room for the dragon's recoil behind her
    auto dragon = Add(TYPE_DRACON, 1001, Momo->x);
    dragon->SetMode(mode);
    return dragon;
  }
  // Jump and Down held together, as a player boards.
  void Board() {
    Key(kKeyDown, true);
    Key(kKeyJump, true);
    Step(2);
    Key(kKeyDown, false);
    Key(kKeyJump, false);
  }
  void Ride() {
    Board();
    ASSERT_EQ(Momo->iTypeMount, MOUNT_DRACON);
    ASSERT_GT(StepUntil(MODE_STANCE, 30), 0);
  }
};

using SheBoardsOnlyADragonThatWaits = WorldCases<int, RidingWorld>;

TEST_P(SheBoardsOnlyADragonThatWaits, EachCase) {
  const int mode = GetParam();
  Momo->iFacing = 180;
  auto dragon = Dragon(mode);
  Board();
  if (mode == MODE_MOUNT_WAITING) {
    EXPECT_EQ(Momo->iMode, DRACON_MOUNTING);
    EXPECT_EQ(Momo->iTypeMount, MOUNT_DRACON);
    EXPECT_EQ(Momo->iMountID, 1001);
    EXPECT_FLOAT_EQ(Momo->fMountHP, 48);
    EXPECT_EQ(Momo->iFacing, 180) << "she keeps her facing";
    EXPECT_EQ(dragon->iMode, MODE_INACTIVE);
  } else {
    EXPECT_EQ(Momo->iTypeMount, 0);
    EXPECT_EQ(Momo->iMode, MODE_JUMP_CROUCH) << "a plain jump";
  }
}
INSTANTIATE_TEST_SUITE_P(RidingWorld, SheBoardsOnlyADragonThatWaits,
                         testing::Values(MODE_MOUNT_WAITING, MODE_MOUNT_STANDING_UP));

TEST_F(RidingWorld, AFreshDragonWaitsAfterTheFirstThrowOffAndLeavesAfterTheSecond) {
  auto dragon = Dragon(MODE_MOUNT_WAITING);
  for (int ride = 1; ride <= 2; ++ride) {
    Ride();
    Momo->Damage(60, 180, MODE_HIT_HIGH, 0, 0);  // more than the dragon's 48
    EXPECT_EQ(Momo->iTypeMount, 0) << "ride " << ride;
    EXPECT_EQ(dragon->iMode, MODE_PUSHED_HIGH);
    for (int i = 0; i < 30 && dragon->iMode == MODE_PUSHED_HIGH; ++i) Step();
    if (ride == 1) {
      ASSERT_EQ(dragon->iMode, MODE_MOUNT_STANDING_UP);
      for (int i = 0; i < 20 && dragon->iMode != MODE_MOUNT_WAITING; ++i) Step();
      ASSERT_EQ(dragon->iMode, MODE_MOUNT_WAITING);
      // She gets up and walks back to it.
      Momo->fHP = Momo->fHPMax;
      ASSERT_GT(StepUntil(MODE_STANCE, 200), 0);
      Momo->x = dragon->x;
    } else {
      EXPECT_EQ(dragon->iMode, MODE_RUN_OFF);
    }
  }
}

struct TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithManaCase {
  int key;
  float mana;
  int next;  // what follows strike 1
};
const TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithManaCase
    kTheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithMana[] = {
        {kKeyAttack, 240, DRACON_STRIKE2_WIND_UP},
        {kKeyMagic, 25, DRACON_BREATH_WIND_UP},
        {kKeyMagic, 24, MODE_STANCE},
};
using TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithMana =
    WorldCases<TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithManaCase, RidingWorld>;

TEST_P(TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithMana, EachRow) {
  const TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithManaCase& c = GetParam();
  Dragon(MODE_MOUNT_WAITING);
  Ride();
  Momo->fMP = c.mana;
  Tap(kKeyAttack);
  ASSERT_GT(StepUntil(DRACON_STRIKE1, 20), 0);
  Step();
  Tap(c.key);  // buffered early in the strike
  for (int i = 0; i < 40 && Momo->iMode == DRACON_STRIKE1; ++i) {
    const int counter = Momo->iDelayCounter;
    Step();
    if (Momo->iMode != DRACON_STRIKE1 && c.next != MODE_STANCE) {
      EXPECT_EQ(counter + 1, 6) << "the follow-up starts on the sixth frame";
    }
  }
  EXPECT_EQ(Momo->iMode, c.next) << "key " << c.key << " with " << c.mana << " mana";
}
INSTANTIATE_TEST_SUITE_P(
    RidingWorld, TheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithMana,
    testing::ValuesIn(kTheFirstStrikeChainsFromItsSixthFrameAndMagicOnlyWithMana));

// Each flame carries the combo type of its own roll, whichever way the last roll went.
TEST_F(RidingWorld, AFlameCarriesTheComboTypeOfItsOwnRoll) {
  int critical = 0;
  for (int breath = 0; breath < 100; ++breath) {
    const int before = breath % 2 == 0 ? COMBO_CRITICAL : COMBO_NORMAL;
    Momo->iComboType = before;
    Momo->CreateDraconFireball(2, 100, 0);
    ASSERT_FALSE(ProjectileList.empty());
    ASSERT_EQ(ProjectileList.back()->iComboType, Momo->iComboType) << "breath " << breath;
    critical += Momo->iComboType == COMBO_CRITICAL ? 1 : 0;
  }
  EXPECT_GT(critical, 0) << "some rolls were critical";
  EXPECT_LT(critical, 100) << "and some not";
}

struct EachBreathLeavesThreeFlamesOnItsFramesCase {
  bool inTheAir;
  std::vector<int> frames;
};
const EachBreathLeavesThreeFlamesOnItsFramesCase kEachBreathLeavesThreeFlamesOnItsFrames[] = {
    {false, {3, 6, 9}}, {true, {2, 4, 6}}};
using EachBreathLeavesThreeFlamesOnItsFrames =
    WorldCases<EachBreathLeavesThreeFlamesOnItsFramesCase, RidingWorld>;

TEST_P(EachBreathLeavesThreeFlamesOnItsFrames, EachRow) {
  const EachBreathLeavesThreeFlamesOnItsFramesCase& c = GetParam();
  Dragon(MODE_MOUNT_WAITING);
  Ride();
  if (c.inTheAir) {
    Key(kKeyJump, true);
    Step(2);
    Key(kKeyJump, false);
    ASSERT_GT(StepUntil(MODE_JUMP_RISE, 10), 0);
    Step(3);  // off the ground
  }
  Tap(kKeyMagic);
  const int breath = c.inTheAir ? DRACON_AIR_BREATH : DRACON_BREATH;
  ASSERT_GT(StepUntil(breath, 30), 0);
  std::vector<int> flames;
  size_t before = 0;
  for (int i = 0; i < 30 && Momo->iMode == breath; ++i) {
    const int counter = Momo->iDelayCounter + 1;
    Step();
    size_t now = 0;
    for (const auto& p : ProjectileList) {
      now += dynamic_cast<TProjectileDraconBreath*>(p.get()) ? 1 : 0;
    }
    if (now > before) flames.push_back(counter);
    before = now;
  }
  EXPECT_EQ(flames, c.frames) << (c.inTheAir ? "in the air" : "on the ground");
}
INSTANTIATE_TEST_SUITE_P(RidingWorld, EachBreathLeavesThreeFlamesOnItsFrames,
                         testing::ValuesIn(kEachBreathLeavesThreeFlamesOnItsFrames));

}  // namespace
