#pragma once
// Small fighters for the combat tests, standing in for the heroine and the enemies: their modes
// are plain numbers (SetMode records and resets the counters like every real class does), so
// the tests see exactly what the shared character code asks of them.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "actors/character.h"
#include "actors/combo_counter.h"
#include "platform/platform.h"
#include "world/globals.h"

class TestFighter : public TCharacter {
 public:
  std::vector<int> modes;  // every mode entered, in order

  void SetMode(int mode) override {
    iDelayCounter = 0;
    iFrame = 0;
    bFrameDirection = 1;
    iMode = mode;
    modes.push_back(mode);
  }
};

// An enemy-sized hurt box: 70 wide, 190 tall, standing on the feet.
inline void GiveStandardBox(TCharacter& c) {
  c.xBBox = -35;
  c.yBBox = -200;
  c.BBoxWidth = 70;
  c.BBoxHeight = 190;
}

// A world of one 1280 x 768 screen with the combo counter and the heroine at x = 0 on plane 2.
class CombatWorld : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InitPlatform(BackendKind::Headless)) << PlatformError();
  }

  void SetUp() override {
    ResetGlobals();
    fScreenWidth = 1280;
    fScreenHeight = 768;
    ComputePlaneLines();
    ComboCounter = std::make_shared<TComboCounter>();
    heroine = AddFighter(0, SIDE_HEROINE, 0, 2);
    heroine->iType = TYPE_HEROINE;
  }
  void TearDown() override { ResetGlobals(); }

  // A standing, hittable fighter on foot, facing left, with 100 hit points.
  std::shared_ptr<TestFighter> AddFighter(int id, int side, float x, int plane) {
    auto f = std::make_shared<TestFighter>();
    f->iType = side == SIDE_HEROINE ? TYPE_HEROINE : 10;
    f->iID = id;
    f->iAffiliation = side;
    f->iStatus = STATUS_NORMAL;
    f->bUnmount = 1;
    f->iMountID = -1;
    f->iFacing = 180;
    f->fHP = f->fHPMax = 100;
    f->iMode = MODE_STANCE;
    f->SetCoordinat(x, static_cast<float>(plane));
    GiveStandardBox(*f);
    CharacterList.push_back(f);
    return f;
  }

  std::shared_ptr<TestFighter> heroine;
};
