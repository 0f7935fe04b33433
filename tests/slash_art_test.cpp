// The slash trails and magic of the heroine and of the Dark Knight against their hit boxes. Each
// of these pictures is drawn with its pivot on the fighter's feet (mirrored when facing left),
// so the frame on screen while a box can hit must light up that box: what the player sees is
// what hits.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/loaded_images.h"

namespace {

class SlashArt : public LoadedImages {};

// A pixel the player clearly sees even after the game's own fading has begun.
constexpr int kClearlyVisible = 96;

// An attack's box for a fighter facing right, relative to the feet, and the picture drawn at the
// feet when the box is made.
struct Strike {
  const char* name;
  const ImagePtr& effect;
  int x, width, y, height;
};

TEST_F(SlashArt, TheStrikeFrameLightsUpTheAttacksHitBox) {
  ASSERT_TRUE(loaded_) << failed_;
  // clang-format off
  const Strike strikes[] = {
      {"Attack1",     imgMomoAttack1Effect,      40, 110, -120,  60},
      {"JumpAttack1", imgMomoAttack1Effect,      40, 120, -120,  60},
      {"Attack2",     imgMomoAttack2Effect,      40, 130, -160, 115},
      {"JumpAttack2", imgMomoAttack2Effect,      40, 130, -160, 150},
      {"Attack3",     imgMomoAttack3Effect,      20, 150, -160,  70},
      {"JumpAttack3", imgMomoAttack3Effect,      20, 150, -160,  80},
      {"Attack4",     imgMomoAttack4Effect,      20, 150, -180, 175},
      {"DashAttack",  imgMomoDashAttackEffect,   40, 160, -115,  60},
      {"UpAttack",    imgMomoUpAttackEffect,      0, 110, -240, 200},
      {"MoonSlasher", imgMomoMoonSlasherEffect,  40,  65, -130,  30},
      {"Eruption",    imgMomoEruptionEffect,     85, 125, -260, 260},
      // The knight's blows show their trail's first frame as he strikes; the spirit wave flies
      // with its box around its own pivot.
      {"DarkKnightAttack1",       imgDarkKnightAttack1,          40, 300, -160,  30},
      {"DarkKnightAttack2",       imgDarkKnightAttack2,          40, 310, -140,  30},
      {"DarkKnightSpiritCut",     imgDarkKnightSpiritCutEffect,  40, 260, -260, 235},
      {"DarkKnightSpiritSlasher", imgDarkKnightSpiritSlasher,   -50, 100, -225, 200},
  };
  // clang-format on
  for (const Strike& s : strikes) {
    SCOPED_TRACE(s.name);
    const ImagePtr& image = s.effect;
    ASSERT_TRUE(image);
    // The box in the frame's pixels: the pivot is where her feet are.
    const int left = static_cast<int>(image->handle_x) + s.x;
    const int top = static_cast<int>(image->handle_y) + s.y;
    int litColumns = 0, litRows = 0;
    for (int x = left; x < left + s.width; ++x) {
      bool lit = false;
      for (int y = top; y < top + s.height && !lit; ++y)
        lit = Alpha(image, 0, x, y) >= kClearlyVisible;
      litColumns += lit;
    }
    for (int y = top; y < top + s.height; ++y) {
      bool lit = false;
      for (int x = left; x < left + s.width && !lit; ++x)
        lit = Alpha(image, 0, x, y) >= kClearlyVisible;
      litRows += lit;
    }
    // Across the box's whole reach, and down a good part of its height.
    EXPECT_GE(litColumns, s.width * 85 / 100) << litColumns << " of " << s.width << " columns";
    EXPECT_GE(litRows, s.height * 40 / 100) << litRows << " of " << s.height << " rows";
  }
}

// Glows fade out before the frame's edge, so no frame shows a cut-off edge of light; and every
// frame of the strip still shows something while the game draws it.
TEST_F(SlashArt, EveryFrameShowsAndNothingIsCutAtTheFramesEdge) {
  ASSERT_TRUE(loaded_) << failed_;
  const std::pair<const char*, const ImagePtr&> effects[] = {
      {"MomoAttack1Effect", imgMomoAttack1Effect},
      {"MomoAttack2Effect", imgMomoAttack2Effect},
      {"MomoAttack3Effect", imgMomoAttack3Effect},
      {"MomoAttack4Effect", imgMomoAttack4Effect},
      {"MomoDashAttackEffect", imgMomoDashAttackEffect},
      {"MomoUpAttackEffect", imgMomoUpAttackEffect},
      {"MomoMoonSlasherEffect", imgMomoMoonSlasherEffect},
      {"MomoEruptionEffect", imgMomoEruptionEffect},
  };
  for (const auto& [name, image] : effects) {
    ASSERT_TRUE(image) << name;
    const int w = image->width, h = image->height;
    for (int frame = 0; frame < image->FrameCount(); ++frame) {
      SCOPED_TRACE(std::string(name) + " frame " + std::to_string(frame));
      int visible = 0, edge = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const int a = Alpha(image, frame, x, y);
          visible += a >= 64;
          if (x == 0 || y == 0 || x == w - 1 || y == h - 1) edge = std::max(edge, a);
        }
      EXPECT_GE(visible, 100);
      EXPECT_LE(edge, 24);
    }
  }
}

}  // namespace
