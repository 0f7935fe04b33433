// The combo counter: counting, the pop after a hit, showing and fading, and where it draws.

#include "actors/combo_counter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "test_support.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

TEST(ComboCounter, ShowsFor51FramesThenFadesWithinTwo) {
  TComboCounter counter;
  counter.AddCombo(0);
  for (int frame = 1; frame <= 51; ++frame) {
    counter.Move();
    ASSERT_FLOAT_EQ(counter.fAlpha, 1) << "frame " << frame;
  }
  EXPECT_EQ(counter.iCounter, 51);
  counter.Move();
  EXPECT_FLOAT_EQ(counter.fAlpha, 0.5f);
  counter.Move();
  EXPECT_FLOAT_EQ(counter.fAlpha, 0);
  for (int frame = 0; frame < 100; ++frame) counter.Move();
  EXPECT_FLOAT_EQ(counter.fAlpha, 0);
  EXPECT_EQ(counter.iCounter, 51) << "stops growing";
}

TEST(ComboCounter, CountsUntilReset) {
  TComboCounter counter;
  counter.AddCombo(0);
  counter.AddCombo(2);
  EXPECT_EQ(counter.iCombo, 2);
  EXPECT_EQ(counter.iComboType, 2);
  for (int i = 0; i < 60; ++i) counter.Move();
  counter.Reset();
  EXPECT_EQ(counter.iCombo, 0);
  EXPECT_EQ(counter.iCounter, 51) << "Reset touches only the count";
  EXPECT_FLOAT_EQ(counter.fAlpha, 0);
  counter.AddCombo(1);
  EXPECT_EQ(counter.iCombo, 1);
  EXPECT_EQ(counter.iCounter, 0);
  EXPECT_FLOAT_EQ(counter.fAlpha, 1);
  EXPECT_FLOAT_EQ(counter.fScale, 1);
}

TEST(ComboCounter, PopsByTheKindOfHit) {
  struct Case {
    int type;
    float peak;
  };
  // Three steps up in the first three frames, three steps back down.
  for (const Case& c : {Case{0, 1.06f}, Case{1, 1.24f}, Case{2, 1.24f}, Case{3, 1.6f}}) {
    SCOPED_TRACE(c.type);
    TComboCounter counter;
    counter.AddCombo(c.type);
    float peak = 0;
    for (int frame = 1; frame <= 3; ++frame) {
      counter.Move();
      peak = counter.fScale;
    }
    EXPECT_NEAR(peak, c.peak, 1e-5);
    for (int frame = 4; frame <= 6; ++frame) counter.Move();
    EXPECT_NEAR(counter.fScale, 1, 1e-5);
    for (int frame = 7; frame <= 40; ++frame) counter.Move();
    EXPECT_NEAR(counter.fScale, 1, 1e-5) << "settles at full size";
  }
}

// Drawn at a fixed place on the screen whatever the scroll: the number ends at x 160, the
// caption starts at x 200, both at y 240.
class ComboCounterDrawing : public WorldWindow {
 protected:
  void SetUp() override { OpenWorld(640, 360, 3000, 40, fntDomoai36, 36); }
  // Lit columns between two x positions on the text line.
  static int LitIn(const Picture& picture, int left, int right, Rgb* sample = nullptr) {
    int lit = 0;
    for (int y = 240; y < 290; ++y) {
      for (int x = left; x < right; ++x) {
        const Rgb c = picture.At(x, y);
        if (std::max({c.r, c.g, c.b}) > 150) {  // the grey shadow stays dark
          ++lit;
          if (sample && c.r > 200 && c.g < 60) *sample = c;
        }
      }
    }
    return lit;
  }
};

TEST_F(ComboCounterDrawing, NumberEndsAt160AndCaptionStartsAt200) {
  TComboCounter counter;
  for (int i = 0; i < 12; ++i) counter.AddCombo(3);
  counter.Draw();
  const Picture picture = ReadBack();
  Rgb red{0, 0, 0};
  EXPECT_GT(LitIn(picture, 100, 162), 0) << "the number";
  EXPECT_EQ(LitIn(picture, 163, 199), 0) << "the gap between number and caption";
  EXPECT_GT(LitIn(picture, 200, 400, &red), 0) << "the caption";
  EXPECT_EQ(LitIn(picture, 0, 100), 0) << "two digits fit left of 160";
  EXPECT_GT(red.r, 200) << "a critical backstab is red";
  EXPECT_FLOAT_EQ(GraphicsState().color_alpha, 1);
  EXPECT_FLOAT_EQ(GraphicsState().tform_scale_x, 1);
}

TEST_F(ComboCounterDrawing, NothingOnceFaded) {
  TComboCounter counter;
  counter.AddCombo(0);
  for (int i = 0; i < 53; ++i) counter.Move();
  counter.Draw();
  EXPECT_EQ(CountLit(ReadBack()), 0);
}

}  // namespace
