#include "ui/hitbox_overlay.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "actors/character.h"
#include "combat/projectile.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

struct Colour {
  int r, g, b;
};
constexpr Colour kHeroineSide{0, 230, 255};  // cyan
constexpr Colour kEnemySide{255, 96, 32};    // orange-red
constexpr Colour kNobody{200, 200, 200};     // a riderless mount, nobody's target
constexpr Colour kShadow{0, 0, 0};

constexpr float kHurtLine = 1;  // pixels
constexpr float kHitLine = 2;
constexpr float kCrossArm = 6;    // a point's cross reaches this far from it
constexpr float kFeetArm = 4;     // the tick under a character's feet, which circles test
constexpr float kLabelGap = 4;    // between a hit box and its damage
constexpr float kCircleStep = 1;  // pixels of circumference per dot

void Use(const Colour& c) { SetColor(c.r, c.g, c.b); }

Colour CharacterColour(const TCharacter& c) {
  if (c.iAffiliation == SIDE_HEROINE) return kHeroineSide;
  return c.iAffiliation == SIDE_ENEMY ? kEnemySide : kNobody;
}

// A hit box of side 0 hits the enemies; any other hits the heroine's side.
Colour ProjectileColour(const TProjectile& p) {
  return p.iAffiliation == SIDE_HEROINE ? kHeroineSide : kEnemySide;
}

// The outline lies inside the rectangle.
void Outline(const WorldRect& r, float line) {
  const float width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  DrawRect(r.left, r.top, width, line);
  DrawRect(r.left, r.bottom - line, width, line);
  DrawRect(r.left, r.top, line, height);
  DrawRect(r.right - line, r.top, line, height);
}

// A plus sign centred on (x, y).
void Cross(float x, float y, float arm, float line) {
  DrawRect(x - arm, y - line / 2, 2 * arm, line);
  DrawRect(x - line / 2, y - arm, line, 2 * arm);
}

// Dots close enough together to read as a line.
void Circle(float x, float y, float radius, float line) {
  const int dots = std::max(
      16, static_cast<int>(std::ceil(2 * std::numbers::pi_v<float> * radius / kCircleStep)));
  for (int i = 0; i < dots; ++i) {
    const float angle = 2 * std::numbers::pi_v<float> * static_cast<float>(i) / dots;
    DrawRect(x + radius * std::cos(angle) - line / 2, y + radius * std::sin(angle) - line / 2, line,
             line);
  }
}

WorldRect Grown(const WorldRect& r, float by) {
  return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

bool Overlap(const WorldRect& a, const WorldRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Draws a bold shape over a dark rim a pixel wide on each side, so that it reads on bright
// effects too. `shape(rim)` draws the shape's line `rim` pixels wider on each side.
template <typename Shape>
void Bold(const Colour& colour, Shape shape) {
  Use(kShadow);
  shape(1.0f);
  Use(colour);
  shape(0.0f);
}

// Writes the damages of one frame's hit boxes; a label that would cover an earlier one moves
// down under it, as blows of several boxes at one place would otherwise print over each other.
class Labels {
 public:
  void Write(float damage, const Colour& colour, float x, float y) {
    const std::string text = std::to_string(std::lround(damage));
    const auto width = static_cast<float>(TextWidth(text));
    const auto height = static_cast<float>(TextHeight());
    WorldRect place{x, y, x + width, y + height};
    for (bool moved = true; moved;) {
      moved = false;
      for (const WorldRect& taken : taken_) {
        if (!Overlap(place, taken)) continue;
        place.top = taken.bottom;
        place.bottom = place.top + height;
        moved = true;
      }
    }
    taken_.push_back(place);
    Use(kShadow);
    DrawText(text, place.left + 1, place.top + 1);
    Use(colour);
    DrawText(text, place.left, place.top);
  }

 private:
  std::vector<WorldRect> taken_;
};

void DrawHurtBox(const TCharacter& c) {
  Use(CharacterColour(c));
  Outline(HurtBox(c), kHurtLine);
  DrawRect(c.x - kFeetArm, c.y, 2 * kFeetArm, kHurtLine);
}

void DrawHitBox(const TProjectile& p, Labels& labels) {
  const Colour colour = ProjectileColour(p);
  const float middle = static_cast<float>(TextHeight()) / 2;
  switch (p.iType) {
    case HIT_POINT:
      Bold(colour, [&](float rim) { Cross(p.x, p.y, kCrossArm + rim, kHitLine + 2 * rim); });
      labels.Write(p.fDamage, colour, p.x + kCrossArm + kLabelGap, p.y - middle);
      break;
    case HIT_CIRCLE: {
      const auto radius = static_cast<float>(p.HitRadius());
      Bold(colour, [&](float rim) { Circle(p.x, p.y, radius, kHitLine + 2 * rim); });
      labels.Write(p.fDamage, colour, p.x + radius + kLabelGap, p.y - middle);
      break;
    }
    case HIT_BOX: {
      const WorldRect box =
          AttackBox(p.x, p.y, static_cast<float>(p.xBBox), static_cast<float>(p.yBBox),
                    static_cast<float>(p.BBoxWidth), static_cast<float>(p.BBoxHeight));
      Bold(colour, [&](float rim) { Outline(Grown(box, rim), kHitLine + 2 * rim); });
      labels.Write(p.fDamage, colour, box.right + kLabelGap, box.top);
      break;
    }
    default:
      break;
  }
}

}  // namespace

void DrawHitboxOverlay() {
  const TMax2DGraphics saved = GraphicsState();
  SetBlend(ALPHABLEND);
  SetAlpha(1);
  SetRotation(0);
  SetScale(1, 1);
  SetImageFont(fntProciono18);
  for (const std::shared_ptr<TCharacter>& c : CharacterList) DrawHurtBox(*c);
  Labels labels;
  for (const std::shared_ptr<TProjectile>& p : ProjectileList) {
    if (p->iStatus == PROJECTILE_ACTIVE) DrawHitBox(*p, labels);
  }
  SetImageFont(saved.image_font);
  SetScale(saved.tform_scale_x, saved.tform_scale_y);
  SetRotation(saved.tform_rot);
  SetAlpha(saved.color_alpha);
  SetColor(saved.color_red, saved.color_green, saved.color_blue);
  SetBlend(saved.blend_mode);
}
