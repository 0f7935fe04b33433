// The dragon's pictures as the riding code uses them: nothing cut off at a frame edge, feet on
// the pivot on the ground and clear of it in the air, strikes that reach forward on the frame the
// hit box appears, and fire in the jaws where the breaths leave.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/loaded_images.h"

namespace {

class RidingArt : public LoadedImages {};

struct Strip {
  const ImagePtr& image;
  const char* name;
};

const uint8_t* Pixel(const ImagePtr& image, int frame, int x, int y) {
  return &image->pixels[frame][(static_cast<size_t>(y) * image->width + x) * 4];
}

// Pixels near a point (ahead of and above the pivot) that are almost white and opaque.
int WhiteHotPixelsNear(const ImagePtr& image, int frame, int ahead, int above, int radius) {
  const int cx = static_cast<int>(image->handle_x) + ahead;
  const int cy = static_cast<int>(image->handle_y) - above;
  int count = 0;
  for (int y = std::max(0, cy - radius); y <= std::min(image->height - 1, cy + radius); ++y)
    for (int x = std::max(0, cx - radius); x <= std::min(image->width - 1, cx + radius); ++x) {
      const uint8_t* p = Pixel(image, frame, x, y);
      if (p[3] >= 200 && p[0] >= 225 && p[1] >= 215 && p[2] >= 245) ++count;
    }
  return count;
}

TEST_F(RidingArt, NothingIsCutOffAtAFrameEdge) {
  const Strip strips[] = {
      {imgMomoDraconStand, "MomoDraconStand"},
      {imgMomoDraconStance, "MomoDraconStance"},
      {imgMomoDraconWalk, "MomoDraconWalk"},
      {imgMomoDraconPlaneSwitch, "MomoDraconPlaneSwitch"},
      {imgMomoDraconRun, "MomoDraconRun"},
      {imgMomoDraconDash, "MomoDraconDash"},
      {imgMomoDraconHitUp, "MomoDraconHitUp"},
      {imgMomoDraconHitLow, "MomoDraconHitLow"},
      {imgMomoDraconAttack1Prepare, "MomoDraconAttack1Prepare"},
      {imgMomoDraconFireball, "MomoDraconFireball"},
      {imgMomoDraconAttack1, "MomoDraconAttack1"},
      {imgMomoDraconAttack2Prepare, "MomoDraconAttack2Prepare"},
      {imgMomoDraconAttack2, "MomoDraconAttack2"},
      {imgMomoDraconJumpUp, "MomoDraconJumpUp"},
      {imgMomoDraconJumpPeak, "MomoDraconJumpPeak"},
      {imgMomoDraconJumpDown, "MomoDraconJumpDown"},
      {imgMomoDraconJumpAttack1Prepare, "MomoDraconJumpAttack1Prepare"},
      {imgMomoDraconJumpAttack1, "MomoDraconJumpAttack1"},
      {imgMomoDraconJumpFireball, "MomoDraconJumpFireball"},
      {imgDraconStance, "DraconStance"},
      {imgDraconHeavyAttack, "DraconHeavyAttack"},
      {imgDraconDash, "DraconDash"},
      {imgDraconWalk, "DraconWalk"},
      {imgDraconRun, "DraconRun"},
      {imgDraconHit, "DraconHit"},
      {imgDraconIdle, "DraconIdle"},
      {imgDraconStand, "DraconStand"},
      {imgDraconJumpUp, "DraconJumpUp"},
      {imgDraconJumpPeak, "DraconJumpPeak"},
      {imgDraconJumpDown, "DraconJumpDown"},
      {imgDraconJumpAttack1Prepare, "DraconJumpAttack1Prepare"},
      {imgDraconPlaneSwitch, "DraconPlaneSwitch"},
      {imgZellenithFly, "ZellenithFly"},
  };
  for (const Strip& s : strips) {
    const ImagePtr& image = s.image;
    for (int frame = 0; frame < image->FrameCount(); ++frame) {
      SCOPED_TRACE(std::string(s.name) + " frame " + std::to_string(frame));
      EXPECT_EQ(PixelsOnTheEdge(image, frame), 0);
    }
  }
}

TEST_F(RidingArt, OnTheGroundTheFeetStandOnThePivotAndInTheAirTheyLeaveIt) {
  struct Case {
    Strip strip;
    bool airborne;
  };
  const Case cases[] = {
      {{imgMomoDraconStand, "MomoDraconStand"}, false},
      {{imgMomoDraconStance, "MomoDraconStance"}, false},
      {{imgMomoDraconWalk, "MomoDraconWalk"}, false},
      {{imgMomoDraconRun, "MomoDraconRun"}, false},
      {{imgMomoDraconPlaneSwitch, "MomoDraconPlaneSwitch"}, false},
      {{imgMomoDraconAttack1, "MomoDraconAttack1"}, false},
      {{imgMomoDraconAttack2, "MomoDraconAttack2"}, false},
      {{imgMomoDraconFireball, "MomoDraconFireball"}, false},
      {{imgMomoDraconHitUp, "MomoDraconHitUp"}, false},
      {{imgMomoDraconHitLow, "MomoDraconHitLow"}, false},
      {{imgDraconWalk, "DraconWalk"}, false},
      {{imgDraconRun, "DraconRun"}, false},
      {{imgDraconIdle, "DraconIdle"}, false},
      {{imgDraconStand, "DraconStand"}, false},
      {{imgDraconHeavyAttack, "DraconHeavyAttack"}, false},
      {{imgMomoDraconDash, "MomoDraconDash"}, true},
      {{imgMomoDraconJumpUp, "MomoDraconJumpUp"}, true},
      {{imgMomoDraconJumpPeak, "MomoDraconJumpPeak"}, true},
      {{imgMomoDraconJumpDown, "MomoDraconJumpDown"}, true},
      {{imgMomoDraconJumpAttack1Prepare, "MomoDraconJumpAttack1Prepare"}, true},
      {{imgMomoDraconJumpAttack1, "MomoDraconJumpAttack1"}, true},
      {{imgMomoDraconJumpFireball, "MomoDraconJumpFireball"}, true},
      {{imgDraconJumpUp, "DraconJumpUp"}, true},
      {{imgDraconJumpDown, "DraconJumpDown"}, true},
  };
  for (const Case& c : cases) {
    const ImagePtr& image = c.strip.image;
    const int pivot = static_cast<int>(image->handle_y);
    for (int frame = 0; frame < image->FrameCount(); ++frame) {
      SCOPED_TRACE(std::string(c.strip.name) + " frame " + std::to_string(frame));
      const int lowest = LowestOpaqueRow(image, frame);
      if (c.airborne)
        EXPECT_LT(lowest, pivot - 8);
      else
        EXPECT_NEAR(lowest, pivot, 3);
    }
  }
}

TEST_F(RidingArt, TheStrikeFrameReachesFartherThanTheWindUpInTheHitBoxBand) {
  // The hit box appears on entering the strike, so frame 0 must be the blow itself.
  struct Case {
    Strip windUp, strike;
    int fromHeight, toHeight;
  };
  const Case cases[] = {
      {{imgMomoDraconAttack1Prepare, "Attack1Prepare"}, {imgMomoDraconAttack1, "Attack1"}, 60, 120},
      {{imgMomoDraconAttack2Prepare, "Attack2Prepare"},
       {imgMomoDraconAttack2, "Attack2"},
       110,
       230},
      {{imgMomoDraconJumpAttack1Prepare, "JumpAttack1Prepare"},
       {imgMomoDraconJumpAttack1, "JumpAttack1"},
       60,
       150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.strike.name);
    const int windUp =
        ReachAhead(c.windUp.image, c.windUp.image->FrameCount() - 1, c.fromHeight, c.toHeight);
    const int strike = ReachAhead(c.strike.image, 0, c.fromHeight, c.toHeight);
    EXPECT_GE(strike, windUp + 15);
    EXPECT_GE(strike, 150);
  }
}

TEST_F(RidingArt, FireIsInTheJawsWhereTheBreathsLeave) {
  struct Case {
    Strip strip;
    int above;  // height of the breaths above the pivot, 190 px ahead of it
  };
  const Case cases[] = {
      {{imgMomoDraconFireball, "MomoDraconFireball"}, 120},
      {{imgMomoDraconJumpFireball, "MomoDraconJumpFireball"}, 75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.strip.name);
    ASSERT_EQ(c.strip.image->FrameCount(), 3);
    // Breaths leave on frames 0 and 1; frame 2 closes the jaws.
    EXPECT_GE(WhiteHotPixelsNear(c.strip.image, 0, 190, c.above, 26), 20);
    EXPECT_GE(WhiteHotPixelsNear(c.strip.image, 1, 190, c.above, 26), 20);
    EXPECT_LT(WhiteHotPixelsNear(c.strip.image, 2, 190, c.above, 26),
              WhiteHotPixelsNear(c.strip.image, 0, 190, c.above, 26) / 3);
  }
}

}  // namespace
