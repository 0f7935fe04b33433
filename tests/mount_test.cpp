// The riderless dragon: its life after a throw-off, carrying on a rider's jump or charge,
// running off, facing, and its drawing.

#include "mounts/mount.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "fighter_fixtures.h"
#include "fx/effects.h"
#include "test_support.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

class MountWorld : public CombatWorld {
 protected:
  void SetUp() override {
    CombatWorld::SetUp();
    rider = AddFighter(15, SIDE_ENEMY, 1000, 2);
    rider->SetMount(1, 1015);
    rider->yMountModifier = -100;
  }
  // Throws the rider off; returns the mount that took over.
  std::shared_ptr<TMount> ThrowOff() {
    rider->Dismount();
    for (const auto& c : CharacterList) {
      if (auto m = std::dynamic_pointer_cast<TMount>(c); m && m->iID == LastMountId()) return m;
    }
    return nullptr;
  }
  int LastMountId() const {
    for (auto it = CharacterList.rbegin(); it != CharacterList.rend(); ++it) {
      if (dynamic_cast<TMount*>(it->get())) return (*it)->iID;
    }
    return -1;
  }
  // Boards it as the heroine does, then rides it into the next throw-off.
  void Board(TMount& mount) {
    mount.SetMode(MODE_INACTIVE);
    rider->SetMount(1, mount.iID);
  }
  std::shared_ptr<TestFighter> rider;
};

TEST_F(MountWorld, LifeOfADragonWhoseRiderFellInStance) {
  rider->fHP = 5;
  rider->Damage(10, 0, MODE_HIT_HIGH, 0, 0);
  auto mount = std::dynamic_pointer_cast<TMount>(CharacterList.back());
  ASSERT_TRUE(mount);
  EXPECT_EQ(mount->iMode, MODE_PUSHED_HIGH);
  EXPECT_EQ(mount->iFacing, 180);

  struct Step {
    int move;  // Move() calls since the throw-off
    int mode;
    int frame;
  };
  // clang-format off
  const Step steps[] = {
    {11,  MODE_PUSHED_HIGH,        0},
    {12,  MODE_MOUNT_STANDING_UP,  0},
    {18,  MODE_MOUNT_STANDING_UP,  1},
    {23,  MODE_MOUNT_STANDING_UP,  1},
    {24,  MODE_MOUNT_WAITING,      0},
    {504, MODE_MOUNT_WAITING,      -1},
    {505, MODE_MOUNT_RISING,       1},
    {510, MODE_MOUNT_RISING,       1},
    {511, MODE_MOUNT_RISING,       0},
    {516, MODE_MOUNT_RISING,       0},
    {517, MODE_RUN_OFF,            0},
  };
  // clang-format on
  int moves = 0;
  for (const Step& s : steps) {
    while (moves < s.move) {
      mount->Move();
      ++moves;
      if (moves == 12) {
        EXPECT_FLOAT_EQ(mount->x, 1000 - 110) << "the recoil slides it left";
      }
    }
    EXPECT_EQ(mount->iMode, s.mode) << "after move " << s.move;
    if (s.frame >= 0) {
      EXPECT_EQ(mount->iFrame, s.frame) << "after move " << s.move;
    }
  }
  EXPECT_FLOAT_EQ(mount->fSpeed, 15);
  EXPECT_FLOAT_EQ(mount->fAngle, 180);

  // It runs left, raising dust every 16 frames, until it is 3000 pixels from the heroine.
  EffectList.clear();
  float before = mount->x;
  while (mount->iStatus != STATUS_FINISHED) {
    before = mount->x;
    mount->Move();
    ASSERT_FLOAT_EQ(mount->x, before - 15);
    ASSERT_EQ(EffectList.size(), static_cast<size_t>(mount->iDelayCounter / 16));
    ASSERT_LT(mount->iDelayCounter, 400) << "never dropped";
  }
  EXPECT_LT(before, heroine->x - 3000);
  EXPECT_GE(before + 15, heroine->x - 3000) << "dropped on the first frame past 3000";
}

TEST_F(MountWorld, TwoBoardingsThenItRunsOffAfterItsRecoil) {
  auto mount = ThrowOff();
  ASSERT_TRUE(mount);
  EXPECT_EQ(mount->iRideCounter, 2);
  for (int expectedAfterRecoil : {MODE_MOUNT_STANDING_UP, MODE_RUN_OFF}) {
    for (int i = 0; i < 12; ++i) mount->Move();
    Board(*mount);
    rider->iMode = MODE_STANCE;
    rider->Dismount();
    EXPECT_EQ(mount->iMode, MODE_PUSHED_HIGH);
    for (int i = 0; i < 12; ++i) mount->Move();
    EXPECT_EQ(mount->iMode, expectedAfterRecoil);
  }
  EXPECT_EQ(mount->iRideCounter, 0);
  EXPECT_EQ(LastMountId(), mount->iID) << "the same dragon every time";
}

// Thrown off in a riding jump, the dragon finishes the jump alone and lands in 5.
TEST_F(MountWorld, CarriesOnTheRidersJump) {
  auto mount = ThrowOff();
  ASSERT_TRUE(mount);
  Board(*mount);
  rider->iMode = MODE_JUMP_RISE;
  rider->iFacing = 0;
  rider->fJump = 10;
  rider->fSpeed = 4;
  rider->y = fPlaneY[2] - 50;
  rider->x = 300;
  rider->Dismount();
  ASSERT_EQ(mount->iMode, MODE_JUMP_RISE);
  EXPECT_FLOAT_EQ(mount->y, fPlaneY[2] - 50);

  std::vector<int> visited = {mount->iMode};
  int airborneMoves = 0;
  float highest = mount->y;
  for (int i = 0; i < 200 && mount->iMode != MODE_MOUNT_STANDING_UP; ++i) {
    const bool airborne = mount->iMode != MODE_LANDING;
    mount->Move();
    airborneMoves += airborne;
    highest = std::min(highest, mount->y);
    if (mount->iMode != visited.back()) visited.push_back(mount->iMode);
  }
  const std::vector<int> expected = {MODE_JUMP_RISE, MODE_JUMP_PEAK, MODE_JUMP_FALL, MODE_LANDING,
                                     MODE_MOUNT_STANDING_UP};
  EXPECT_EQ(visited, expected);
  EXPECT_FLOAT_EQ(mount->y, fPlaneY[2]);
  EXPECT_FLOAT_EQ(mount->x, 300 + 4.0f * airborneMoves);
  EXPECT_LT(highest, fPlaneY[2] - 50 - 40) << "it kept rising first";
}

TEST_F(MountWorld, FinishesTheRidersChargeWhereItLands) {
  rider->iMode = MODE_CHARGE;
  rider->fJump = 14;
  rider->iFacing = 180;
  auto mount = ThrowOff();
  ASSERT_TRUE(mount);
  ASSERT_EQ(mount->iMode, MODE_CHARGE);
  int moves = 0;
  while (mount->iMode == MODE_CHARGE && moves < 100) {
    mount->Move();
    ++moves;
  }
  EXPECT_EQ(mount->iMode, MODE_MOUNT_STANDING_UP);
  EXPECT_FLOAT_EQ(mount->y, fPlaneY[2]);
  EXPECT_NEAR(mount->x, 1000 - 15.0f * static_cast<float>(moves), 1e-3);
  EXPECT_GT(moves, 30) << "a leap, not a step";
}

TEST_F(MountWorld, HoversAfterACutShortAirStrikeThenFalls) {
  auto mount = ThrowOff();
  Board(*mount);
  rider->iMode = MODE_AIR_HOVER;
  rider->fJump = 0;
  rider->y = fPlaneY[2] - 120;
  rider->Dismount();
  ASSERT_EQ(mount->iMode, MODE_AIR_HOVER);
  mount->iDelayCounter = 0;
  for (int i = 0; i < 5; ++i) mount->Move();
  EXPECT_EQ(mount->iMode, MODE_AIR_HOVER);
  EXPECT_NEAR(mount->y, fPlaneY[2] - 120 + 0.05f * (0 + 1 + 2 + 3 + 4), 1e-3)
      << "drifts down slowly";
  mount->Move();
  EXPECT_EQ(mount->iMode, MODE_JUMP_FALL);
  for (int i = 0; i < 100 && mount->iMode == MODE_JUMP_FALL; ++i) mount->Move();
  EXPECT_EQ(mount->iMode, MODE_LANDING);
  EXPECT_FLOAT_EQ(mount->y, fPlaneY[2]);
}

struct FacingCase {
  const char* name;
  std::vector<float> partyX;  // the heroine's side; the mount stands at 500
  int state;
  int facing;
};

const FacingCase kFacingCases[] = {
    {"nobody", {}, 0, 0},
    {"all on the left", {100}, 180, 180},
    {"level counts as left", {500}, 180, 180},
    {"all on the right", {900}, 0, 0},
    {"both sides", {100, 900}, 2, 0},
};

TEST_F(MountWorld, FacesTheHeroinesSide) {
  for (const FacingCase& c : kFacingCases) {
    SCOPED_TRACE(c.name);
    CharacterList.clear();
    AddFighter(5, SIDE_ENEMY, 100, 2);  // enemies do not count
    auto gone = AddFighter(6, SIDE_HEROINE, 100, 2);
    gone->iStatus = STATUS_FINISHED;  // nor do finished characters
    int id = 20;
    for (float x : c.partyX) AddFighter(id++, SIDE_HEROINE, x, 2);
    TMountDracon mount;
    mount.Init(2, 1);
    mount.x = 500;
    mount.iFacing = 180 - c.facing;
    mount.SetMode(MODE_STANCE);
    EXPECT_EQ(mount.iFacingState, c.state);
    EXPECT_EQ(mount.iFacing, c.facing);
    EXPECT_GE(mount.iAICounter, 30);
    EXPECT_LE(mount.iAICounter, 60);
  }
}

// A fresh dragon is no one's and cannot be hit; the box it takes when knocked out lies along
// the ground, lower and wider than the one it stands in.
TEST(MountDracon, FreshDragonIsNeutralAndKnockedOutItLiesLow) {
  TMountDracon m;
  m.Init(0, 4321);
  EXPECT_EQ(m.iID, 4321);
  EXPECT_EQ(m.iType, TYPE_DRACON);
  EXPECT_EQ(m.iStatus, STATUS_UNHITTABLE);
  EXPECT_EQ(m.iAffiliation, SIDE_NEUTRAL);
  EXPECT_EQ(m.fHP, 0);
  const float standingTop = m.yBBox, standingWidth = m.BBoxWidth;
  EXPECT_GT(m.BBoxHeight, m.BBoxWidth) << "standing, it is taller than wide";
  m.SetBBoxKnockOut();
  EXPECT_GT(m.yBBox, standingTop);
  EXPECT_GT(m.BBoxWidth, standingWidth);
  EXPECT_GT(m.BBoxWidth, m.BBoxHeight) << "lying, it is wider than tall";
}

// ---- Drawing ------------------------------------------------------------------------------------

// Stand-in pictures, 20 x 10 with the left half white and the handle in the middle.
class MountDrawing : public HeadlessWindow {
 protected:
  void SetUp() override {
    ResetGlobals();
    fScreenHeight = 400;
    fPlaneY[2] = 300;
    saved = {imgShadow, imgDraconIdle};
    std::vector<uint8_t> rgba(20 * 10 * 4, 0);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) std::fill_n(&rgba[(y * 20 + x) * 4], 4, 255);
    }
    imgShadow = imgDraconIdle = CreateImage(20, 10, 1, rgba.data(), 0);
    SetImageHandle(imgShadow, 10, 5);
    OpenWindow(320, 400);
    SetBlend(ALPHABLEND);
    mount.Init(2, 1);
    mount.x = 100;
    mount.y = 100;
    mount.iPlane = 2;
  }
  void TearDown() override {
    imgShadow = saved[0];
    imgDraconIdle = saved[1];
    ResetGlobals();
    HeadlessWindow::TearDown();
  }
  std::vector<ImagePtr> saved;
  TMountDracon mount;
};

TEST_F(MountDrawing, ShadowOnTheGroundAndTheSpriteMirroredWhenFacingLeft) {
  mount.SetMode(MODE_MOUNT_WAITING);
  mount.iFacing = 180;
  mount.Draw();
  const Picture picture = ReadBack();
  EXPECT_TRUE(picture.Lit(105, 300)) << "shadow, mirrored, on the ground line";
  EXPECT_FALSE(picture.Lit(95, 300));
  EXPECT_TRUE(picture.Lit(105, 100)) << "sprite, mirrored";
  EXPECT_FALSE(picture.Lit(95, 100));
  EXPECT_FLOAT_EQ(GraphicsState().tform_scale_x, 1);
}

TEST_F(MountDrawing, RiddenItIsNotDrawnAndAModeWithoutSpriteShowsOnlyTheShadow) {
  mount.iMode = MODE_INACTIVE;
  mount.Draw();
  EXPECT_EQ(CountLit(ReadBack()), 0);
  mount.iMode = MODE_BLOCK;
  mount.Draw();
  const Picture picture = ReadBack();
  EXPECT_TRUE(picture.Lit(95, 300));
  EXPECT_FALSE(picture.Lit(95, 100));
}

TEST_F(MountDrawing, HitPointBarOnlyWhileItHasHitPoints) {
  mount.DrawGUI();
  EXPECT_EQ(CountLit(ReadBack()), 0) << "a dragon never has hit points";
  mount.fHP = 50;
  mount.fHPMax = 100;
  mount.DrawGUI();
  const Picture picture = ReadBack();
  // Coloured from x 50 to 100 at y - 220 = -120: off the top, so raise the mount first.
  EXPECT_EQ(CountLit(picture), 0);
  Cls();
  mount.y = 300;
  mount.DrawGUI();
  const Picture raised = ReadBack();
  ExpectNear(raised.At(60, 81), Rgb{200, 160, 0});
  EXPECT_FALSE(raised.Lit(110, 81)) << "the rest of the bar is black";
  EXPECT_EQ(GraphicsState().color_blue, 255);
}

}  // namespace
