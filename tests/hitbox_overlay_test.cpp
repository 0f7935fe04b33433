// The hit-box overlay on real pixels: each shape where the hit test puts it, in its side's colour,
// with the scroll applied, and the render state left as it was.

#include "ui/hitbox_overlay.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

#include "actors/character.h"
#include "combat/projectile.h"
#include "test_support.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr float kWorldX = 1000;  // the view starts this far into the stage

class HitboxOverlay : public WorldWindow {
 protected:
  void SetUp() override { OpenWorld(640, 360, kWorldX, 0, fntProciono18, 18); }

  // A character whose hurt box spans world x 1080 to 1120 and y 120 to 200 (its feet at 1100, 200).
  static void AddCharacter(int side) {
    auto c = std::make_shared<TCharacter>();
    c->iAffiliation = side;
    c->x = kWorldX + 100;
    c->y = 200;
    c->xBBox = -20;
    c->yBBox = -80;
    c->BBoxWidth = 40;
    c->BBoxHeight = 80;
    CharacterList.push_back(c);
  }

  // A hit box at world (1300, 200); a box shape spans x 1310 to 1370 and y 150 to 180.
  static TProjectile& AddProjectile(int shape, int side, int status = PROJECTILE_ACTIVE) {
    auto p = std::make_shared<TProjectile>();
    p->iStatus = status;
    p->iType = shape;
    p->iAffiliation = side;
    p->x = kWorldX + 300;
    p->y = 200;
    p->fRadius = 40.7f;  // tests with 40
    p->xBBox = 10;
    p->yBBox = -50;
    p->BBoxWidth = 60;
    p->BBoxHeight = 30;
    p->fDamage = 12.6f;
    ProjectileList.push_back(p);
    return *p;
  }
};

struct Point {
  int x, y;
};

// Clearly the heroine's cyan or the enemies' orange-red, not a blend of the two or the ground.
bool HasSideColour(const Rgb& c, int side) {
  return side == SIDE_HEROINE ? c.b > 180 && c.g > 150 && c.r < 80
                              : c.r > 180 && c.g < 140 && c.b < 80;
}

// Any pixel of the side's colour within a pixel of (x, y): dots around a circle land on
// fractional places.
bool SideColourNear(const Picture& picture, Point p, int side) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (HasSideColour(picture.At(p.x + dx, p.y + dy), side)) return true;
    }
  }
  return false;
}

int CountSideColour(const Picture& picture, const Box& box, int side) {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) count += HasSideColour(picture.At(x, y), side);
  }
  return count;
}

TEST_F(HitboxOverlay, EachShapeIsOutlinedWhereItHitsInItsSidesColour) {
  struct Case {
    const char* name;
    std::function<void()> place;
    int side;
    std::vector<Point> lit;   // in the side's colour (screen pixels)
    std::vector<Point> dark;  // untouched
  };
  // clang-format off
  const std::vector<Case> cases = {
    // Thin: one pixel. The tick under the feet is what a circle tests against.
    {"heroine's hurt box", [] { AddCharacter(SIDE_HEROINE); }, SIDE_HEROINE,
     {{80, 160}, {119, 160}, {100, 120}, {100, 199}, {97, 200}},
     {{81, 160}, {118, 160}, {100, 160}, {79, 160}, {121, 160}}},
    {"enemy's hurt box", [] { AddCharacter(SIDE_ENEMY); }, SIDE_ENEMY,
     {{80, 160}, {119, 160}, {100, 120}},
     {{81, 160}, {100, 160}}},
    // Bold: two pixels; the damage is written right of the box's top corner.
    {"heroine's box", [] { AddProjectile(HIT_BOX, SIDE_HEROINE); }, SIDE_HEROINE,
     {{310, 165}, {311, 165}, {368, 165}, {369, 165}, {340, 150}, {340, 179}},
     {{312, 165}, {340, 165}, {309, 165}, {340, 148}}},
    {"enemy's circle", [] { AddProjectile(HIT_CIRCLE, SIDE_ENEMY); }, SIDE_ENEMY,
     {{340, 200}, {260, 200}, {300, 160}, {300, 240}},
     {{300, 200}, {300, 170}, {335, 200}}},
    {"enemy's point", [] { AddProjectile(HIT_POINT, SIDE_ENEMY); }, SIDE_ENEMY,
     {{300, 200}, {295, 200}, {305, 200}, {300, 195}, {300, 205}},
     {{296, 196}, {304, 204}, {300, 215}}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CharacterList.clear();
    ProjectileList.clear();
    c.place();
    Cls();
    DrawHitboxOverlay();
    const Picture picture = ReadBack();
    for (const Point& p : c.lit) {
      EXPECT_TRUE(SideColourNear(picture, p, c.side)) << "nothing at " << p.x << "," << p.y;
    }
    for (const Point& p : c.dark) {
      EXPECT_FALSE(picture.Lit(p.x, p.y)) << "drawn at " << p.x << "," << p.y;
    }
  }
}

TEST_F(HitboxOverlay, DamageIsWrittenBesideEachLiveHitBoxOnly) {
  // Where the label of each shape goes: right of the box's top corner, right of the circle,
  // right of the point's cross.
  struct Case {
    int shape;
    Box label;
  };
  const Case cases[] = {
      {HIT_BOX, {372, 145, 420, 175}},
      {HIT_CIRCLE, {342, 185, 390, 215}},
      {HIT_POINT, {308, 185, 356, 215}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    ProjectileList.clear();
    AddProjectile(c.shape, SIDE_ENEMY);
    Cls();
    DrawHitboxOverlay();
    EXPECT_GT(CountSideColour(ReadBack(), c.label, SIDE_ENEMY), 10);
  }

  // Two boxes at one place: the second damage goes under the first instead of over it.
  ProjectileList.clear();
  AddProjectile(HIT_BOX, SIDE_HEROINE);
  AddProjectile(HIT_BOX, SIDE_HEROINE).fDamage = 7;
  Cls();
  DrawHitboxOverlay();
  SetImageFont(fntProciono18);
  const int line = TextHeight();
  const Picture picture = ReadBack();
  EXPECT_GT(CountSideColour(picture, {372, 150, 420, 150 + line}, SIDE_HEROINE), 10);
  EXPECT_GT(CountSideColour(picture, {372, 150 + line, 420, 150 + 2 * line}, SIDE_HEROINE), 10);

  // Spent and finished boxes no longer hit, so they are not drawn at all.
  ProjectileList.clear();
  AddProjectile(HIT_BOX, SIDE_ENEMY, PROJECTILE_SPENT);
  AddProjectile(HIT_CIRCLE, SIDE_HEROINE, PROJECTILE_FINISHED);
  Cls();
  DrawHitboxOverlay();
  EXPECT_EQ(CountLit(ReadBack()), 0);
}

TEST_F(HitboxOverlay, LeavesTheRenderStateAsItFoundIt) {
  AddCharacter(SIDE_ENEMY);
  AddProjectile(HIT_BOX, SIDE_HEROINE);
  AddProjectile(HIT_CIRCLE, SIDE_ENEMY);
  const FontPtr otherFont = LoadImageFont(kTestFontPath, 30, 4);
  SetColor(10, 20, 30);
  SetAlpha(0.5f);
  SetScale(2, 3);
  SetRotation(30);
  SetBlend(LIGHTBLEND);
  SetImageFont(otherFont);
  // What the overlay may touch and must give back.
  const auto drawingState = [](const TMax2DGraphics& g) {
    return std::tuple(g.color_red, g.color_green, g.color_blue, g.color_alpha, g.blend_mode,
                      g.tform_rot, g.tform_scale_x, g.tform_scale_y, g.tform_ix, g.tform_iy,
                      g.tform_jx, g.tform_jy, g.origin_x, g.origin_y, g.image_font);
  };
  const auto before = drawingState(GraphicsState());
  DrawHitboxOverlay();
  EXPECT_EQ(drawingState(GraphicsState()), before);
  // Whatever it was given, the overlay drew upright, unscaled and opaque: the box's left edge
  // sits where it belongs in full cyan.
  EXPECT_TRUE(HasSideColour(ReadBack().At(310, 165), SIDE_HEROINE));
}

}  // namespace
