#include "art/portrait.h"

#include <cmath>

#include "art/canvas.h"

namespace art {

namespace {

// Her colours, the same as on her sprites.
constexpr Material kSkin = Cloth(0xf4d3c0, 0xd6a08c);
constexpr Material kHair = Cloth(0xf07aa8, 0xbe4c7f);
constexpr Material kWhite = Cloth(0xf6f3f9, 0xc8c0d8);
constexpr Material kCrimson = Cloth(0xc41f3b, 0x83122a);
constexpr Material kCapeLining = Cloth(0x83122a, 0x5a0c1c);
constexpr Material kSilver = Metal(0xc9cfdc, 0x868da3, 0xffffff);
constexpr Material kLegs = Cloth(0x2f2b48, 0x1c1930);
constexpr Material kBoots = Cloth(0x5a3140, 0x3a1d29);
constexpr Material kGold = Metal(0xdcae3f, 0x9c7420, 0xfff0a8);
constexpr Rgb kHairLight = Hex(0xffc2dc);
constexpr Rgb kBrow = Hex(0x9a3064);

// A path through the points where each corner is rounded off by Catmull-Rom, except corners
// flagged sharp (lock tips, the chin).
struct Node {
  Pt p;
  bool sharp;
};
void LockPath(cairo_t* cr, const Node* n, int count) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, n[0].p.x, n[0].p.y);
  for (int i = 0; i < count; ++i) {
    const Node& a = n[i];
    const Node& b = n[(i + 1) % count];
    const Pt p0 = n[(i + count - 1) % count].p, p3 = n[(i + 2) % count].p;
    const Pt c1 = a.sharp ? Lerp(a.p, b.p, 0.33) : a.p + (b.p - p0) * (1.0 / 6);
    const Pt c2 = b.sharp ? Lerp(b.p, a.p, 0.33) : b.p - (p3 - a.p) * (1.0 / 6);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, b.p.x, b.p.y);
  }
  cairo_close_path(cr);
}
template <int N>
PathFn Lock(const Node (&n)[N]) {
  return [&n](cairo_t* k) { LockPath(k, n, N); };
}

void Stroke(cairo_t* cr, Rgb c, double width, double alpha = 1.0) {
  SetRgb(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// One large anime eye. `outer` is +1 when the outer corner is to the right, -1 to the left.
void Eye(cairo_t* cr, Pt c, double w, double h, int outer, double ink) {
  const double o = outer;
  const Pt inner = c + Pt{-o * w * 0.5, h * 0.12}, outerPt = c + Pt{o * w * 0.52, -h * 0.08};
  auto eyePath = [&](cairo_t* k) {
    cairo_new_sub_path(k);
    cairo_move_to(k, inner.x, inner.y);
    cairo_curve_to(k, inner.x + o * w * 0.1, c.y - h * 0.55, outerPt.x - o * w * 0.3,
                   c.y - h * 0.62, outerPt.x, outerPt.y);
    cairo_curve_to(k, outerPt.x - o * w * 0.05, c.y + h * 0.45, inner.x + o * w * 0.3,
                   c.y + h * 0.55, inner.x, inner.y);
    cairo_close_path(k);
  };
  // White, shaded under the lid.
  Flat(cr, eyePath, Hex(0xfcfaff));
  cairo_save(cr);
  cairo_new_path(cr);
  eyePath(cr);
  cairo_clip(cr);
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, c + Pt{0, -h * 0.55}, w * 0.7, h * 0.35);
      },
      Hex(0xc9bfe0));
  // Iris: deep rose-violet at the top, lit from below; pupil; two catch-lights.
  const Pt ic = c + Pt{o * w * 0.06, h * 0.06};
  const double rx = w * 0.34, ry = h * 0.44;
  cairo_new_path(cr);
  EllipsePath(cr, ic, rx, ry);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, ic.y - ry, 0, ic.y + ry);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.07, 0.28);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 0.58, 0.18, 0.50);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.98, 0.62, 0.80);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Stroke(cr, kOutline, ink * 0.45);
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, ic + Pt{0, -ry * 0.08}, rx * 0.42, ry * 0.46);
      },
      Hex(0x1b0f22));
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, ic + Pt{-rx * 0.38, -ry * 0.42}, rx * 0.36, ry * 0.26, -20);
      },
      Hex(0xffffff));
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, ic + Pt{rx * 0.4, ry * 0.45}, rx * 0.16, ry * 0.1);
      },
      Hex(0xffffff), 0.9);
  cairo_restore(cr);
  // Upper lid: a heavy lash line thickening to a flick at the outer corner.
  Flat(
      cr,
      [&](cairo_t* k) {
        cairo_move_to(k, inner.x - o * ink * 0.2, inner.y + ink * 0.3);
        cairo_curve_to(k, inner.x + o * w * 0.1, c.y - h * 0.55, outerPt.x - o * w * 0.3,
                       c.y - h * 0.62, outerPt.x, outerPt.y);
        cairo_line_to(k, outerPt.x + o * w * 0.22, outerPt.y - h * 0.16);
        cairo_line_to(k, outerPt.x + o * w * 0.02, outerPt.y + h * 0.12);
        cairo_curve_to(k, outerPt.x - o * w * 0.3, c.y - h * 0.42, inner.x + o * w * 0.15,
                       c.y - h * 0.38, inner.x, inner.y + ink * 0.4);
        cairo_close_path(k);
      },
      kOutline);
  // Lower lashes, short and light.
  cairo_new_path(cr);
  cairo_move_to(cr, outerPt.x - o * w * 0.02, outerPt.y + h * 0.2);
  cairo_curve_to(cr, outerPt.x - o * w * 0.1, c.y + h * 0.5, c.x, c.y + h * 0.52,
                 c.x - o * w * 0.15, c.y + h * 0.5);
  Stroke(cr, Hex(0x5a2848), ink * 0.45);
}

// Ponytail: tied high at the back of the head, sweeping back and down in a wind from the right.
void Ponytail(cairo_t* cr, Pt root, double len, double sway, double ink) {
  const Pt a = root, b = root + Pt{-len * 0.42, len * 0.05 - sway * 0.3},
           c = root + Pt{-len * 0.8, len * 0.35 - sway * 0.2}, d = root + Pt{-len, len * 0.75};
  const Node n[] = {
      {a + Pt{2, -14}, false},
      {b + Pt{0, -22}, false},
      {c + Pt{-6, -14}, false},
      {d, true},
      {c + Pt{14, 6}, false},
      {c + Pt{6, 2}, false},
      {d + Pt{len * 0.18, -len * 0.02}, true},
      {b + Pt{6, 18}, false},
      {a + Pt{0, 16}, false},
  };
  Shape(
      cr, [&](cairo_t* k) { LockPath(k, n, 9); }, kHair, 5, ink);
  // Strands and a lit streak along the upper side.
  cairo_new_path(cr);
  cairo_move_to(cr, a.x - 4, a.y - 6);
  cairo_curve_to(cr, b.x, b.y - 14, c.x, c.y - 6, d.x + len * 0.08, d.y - len * 0.12);
  Stroke(cr, kHairLight, ink * 0.9, 0.9);
  cairo_new_path(cr);
  cairo_move_to(cr, a.x - 4, a.y + 6);
  cairo_curve_to(cr, b.x, b.y + 8, c.x + 8, c.y + 2, d.x + len * 0.12, d.y - len * 0.02);
  Stroke(cr, Hex(0xbe4c7f), ink * 0.5);
}

// The standing collar of her dress with its crimson trim, and the silver clasp of the cape.
void Collar(cairo_t* cr, double ink) {
  static const Node collar[] = {
      {{-26, 62}, true}, {{-4, 74}, false},  {{24, 70}, true},  {{34, 82}, false},
      {{8, 92}, false},  {{-22, 90}, false}, {{-36, 78}, true},
  };
  Shape(cr, Lock(collar), kWhite, 3, ink);
  cairo_new_path(cr);
  cairo_move_to(cr, -30, 80);
  cairo_curve_to(cr, -16, 90, 14, 90, 30, 80);
  Stroke(cr, kCrimson.base, ink * 1.3);
  Shape(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {2, 88}, 7, 6);
      },
      kSilver, 2, ink * 0.7);
  Flat(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {1, 87}, 3, 2.6);
      },
      kCrimson.base);
}

}  // namespace

void MomoHead(cairo_t* cr, double ink, bool shoulders) {
  // ---- Behind the head: ponytail with its ribbon, the hair at the back.
  Ponytail(cr, {-40, -46}, 120, 10, ink);
  static const Node back[] = {
      {{-48, -52}, false}, {{-60, -8}, false}, {{-58, 40}, false}, {{-44, 66}, true},
      {{-30, 42}, false},  {{0, 30}, false},   {{48, -10}, false}, {{30, -64}, false},
  };
  Shape(cr, Lock(back), kHair, 4, ink);

  if (shoulders) {
    // Cape over the shoulders, the white dress, the standing collar with crimson trim.
    static const Node cape[] = {
        {{-96, 120}, false}, {{-80, 86}, false}, {{-30, 72}, false},
        {{40, 74}, false},   {{98, 90}, false},  {{116, 120}, false},
    };
    Shape(cr, Lock(cape), kCrimson, 6, ink);
    static const Node dress[] = {
        {{-60, 120}, false}, {{-50, 90}, false}, {{-14, 78}, false},
        {{30, 78}, false},   {{70, 92}, false},  {{82, 120}, false},
    };
    Shape(cr, Lock(dress), kWhite, 5, ink);
    // A crimson panel down the front of the bodice, with gold buttons.
    Shape(
        cr,
        [](cairo_t* k) {
          PolygonPath(k, {{2, 86}, {22, 86}, {26, 120}, {0, 120}});
        },
        kCrimson, 3, ink * 0.8);
    for (double y : {98.0, 112.0})
      Shape(
          cr,
          [y](cairo_t* k) {
            EllipsePath(k, {13, y}, 3.2, 3.2);
          },
          kGold, 1, ink * 0.5);
  }
  // Neck, shaded under the jaw.
  Shape(
      cr,
      [](cairo_t* k) {
        CapsulePath(k, {2, 40}, {-1, 82}, 15, 16);
      },
      kSkin, 4, ink);
  Flat(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{-14, 50}, {18, 54}, {16, 62}, {4, 68}, {-13, 62}});
      },
      kSkin.shade);
  if (shoulders) Collar(cr, ink);

  // ---- The face: a soft jaw to a small chin, pointed toward her right.
  static const Node face[] = {
      {{-42, -30}, false}, {{-46, 2}, false},  {{-38, 28}, false}, {{-16, 46}, false},
      {{14, 58}, true},    {{32, 44}, false},  {{45, 22}, false},  {{50, -2}, false},
      {{46, -34}, false},  {{10, -54}, false},
  };
  Shape(cr, Lock(face), kSkin, 4, ink);
  // Ear on the near side.
  Shape(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {-40, 10}, 8, 12, -10);
      },
      kSkin, 2, ink * 0.8);
  // Shade cast by the fringe across the forehead.
  cairo_save(cr);
  cairo_new_path(cr);
  LockPath(cr, face, 10);
  cairo_clip(cr);
  Flat(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{-50, -40},
                        {54, -40},
                        {54, -10},
                        {40, -4},
                        {26, -10},
                        {12, -2},
                        {-4, -8},
                        {-20, -2},
                        {-36, -8},
                        {-50, -4}});
      },
      kSkin.shade, 0.85);
  cairo_restore(cr);

  // Eyes: the near one large, the far one squeezed by the turn of the head.
  Eye(cr, {-8, 14}, 30, 32, -1, ink);
  Eye(cr, {31, 12}, 19, 30, 1, ink);
  // Blush.
  Glow(cr, {-12, 34}, 10, Hex(0xff7a9a), 0.35, 12, 5);
  Glow(cr, {36, 32}, 8, Hex(0xff7a9a), 0.3, 7, 4);
  // Brows.
  cairo_new_path(cr);
  cairo_move_to(cr, -24, -8);
  cairo_curve_to(cr, -16, -14, -4, -14, 4, -10);
  Stroke(cr, kBrow, ink * 0.8);
  cairo_new_path(cr);
  cairo_move_to(cr, 24, -11);
  cairo_curve_to(cr, 30, -14, 38, -13, 43, -9);
  Stroke(cr, kBrow, ink * 0.7);
  // Nose: a small shade and a tip.
  cairo_new_path(cr);
  cairo_move_to(cr, 42, 22);
  cairo_line_to(cr, 39, 29);
  Stroke(cr, kSkin.shade, ink * 0.8);
  cairo_new_path(cr);
  cairo_move_to(cr, 37, 30);
  cairo_line_to(cr, 40, 30);
  Stroke(cr, Hex(0xa0604c), ink * 0.5);
  // Mouth: a small confident smile with a hint of colour.
  Flat(
      cr,
      [](cairo_t* k) {
        cairo_move_to(k, 14, 42);
        cairo_curve_to(k, 20, 46, 28, 46, 33, 40);
        cairo_curve_to(k, 28, 43, 20, 43, 14, 42);
        cairo_close_path(k);
      },
      Hex(0xc0505e));
  cairo_new_path(cr);
  cairo_move_to(cr, 13, 41);
  cairo_curve_to(cr, 20, 46, 28, 46, 34, 39);
  Stroke(cr, Hex(0x6a2030), ink * 0.55);

  // ---- The hair in front: a cap over the skull ending in a fringe of pointed locks, and a
  // long lock framing the face in front of the ear.
  static const Node cap[] = {
      {{-58, -14}, false}, {{-52, -50}, false}, {{-22, -72}, false}, {{18, -72}, false},
      {{48, -52}, false},  {{58, -24}, false},  {{54, 0}, true},     {{46, -18}, false},
      {{36, 4}, true},     {{28, -16}, false},  {{14, 0}, true},     {{6, -20}, false},
      {{-8, -2}, true},    {{-14, -22}, false}, {{-28, -4}, true},   {{-34, -22}, false},
      {{-40, -12}, false},
  };
  Shape(cr, Lock(cap), kHair, 5, ink);
  static const Node side[] = {
      {{-46, -24}, false}, {{-30, -20}, false}, {{-26, 10}, false},
      {{-30, 52}, true},   {{-44, 20}, false},  {{-52, -4}, false},
  };
  Shape(cr, Lock(side), kHair, 4, ink);
  static const Node side2[] = {
      {{44, -30}, false}, {{58, -16}, false}, {{56, 20}, false},
      {{50, 46}, true},   {{46, 14}, false},
  };
  Shape(cr, Lock(side2), kHair, 3, ink);
  // Shine: a broken band of light across the crown, and strand lines.
  cairo_save(cr);
  cairo_new_path(cr);
  LockPath(cr, cap, 17);
  cairo_clip(cr);
  for (const auto& [a0, a1] : {std::pair{-2.55, -2.05}, std::pair{-1.9, -1.4}}) {
    cairo_new_path(cr);
    cairo_arc(cr, 4, -6, 54, a0, a1);
    Stroke(cr, kHairLight, ink * 2.2);
  }
  cairo_restore(cr);
  for (const auto& [p, q] :
       {std::pair{Pt{-14, -54}, Pt{-20, -18}}, std::pair{Pt{12, -56}, Pt{10, -14}},
        std::pair{Pt{34, -48}, Pt{40, -14}}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, p.x, p.y);
    cairo_curve_to(cr, p.x - 2, p.y + 12, q.x, q.y - 10, q.x, q.y);
    Stroke(cr, kHair.shade, ink * 0.5);
  }
  // The ribbon that ties the ponytail.
  Shape(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{-44, -50}, {-62, -64}, {-60, -40}});
      },
      kCrimson, 2, ink * 0.8);
  Shape(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{-44, -50}, {-60, -36}, {-40, -32}});
      },
      kCrimson, 2, ink * 0.8);
  Shape(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {-45, -47}, 6, 6);
      },
      kCrimson, 2, ink * 0.8);
}

namespace {

// A limb segment in cloth or metal.
void Limb(cairo_t* cr, Pt a, Pt b, double ra, double rb, const Material& m, double ink) {
  Shape(
      cr, [&](cairo_t* k) { CapsulePath(k, a, b, ra, rb); }, m, 4, ink);
}

// A leg from hip to toe: dark leggings, a silver greave with a knee guard, a plum boot.
void Leg(cairo_t* cr, Pt hip, Pt knee, Pt ankle, Pt toe, double ink) {
  Limb(cr, hip, knee, 27, 20, kLegs, ink);
  Limb(cr, knee, ankle, 19, 14, kLegs, ink);
  // Boot: heel under the ankle, sole to the toe.
  const Pt along = (toe - ankle) * (1.0 / Dist(toe, ankle));
  const Pt up = {along.y, -along.x};
  const double s = up.y < 0 ? 1 : -1;
  const Pt u = up * s;
  Shape(
      cr,
      [&](cairo_t* k) {
        PolygonPath(
            k, {ankle + u * 30 - along * 17, ankle - along * 19 - u * 4,
                ankle - along * 17 - u * 16, toe - u * 14 + along * 2, toe + along * 8,
                toe + u * 6 - along * 8, ankle + u * 14 + along * 18, ankle + u * 30 + along * 16});
      },
      kBoots, 4, ink);
  cairo_new_path(cr);
  cairo_move_to(cr, (ankle - along * 19 - u * 12).x, (ankle - along * 19 - u * 12).y);
  cairo_line_to(cr, (toe - u * 11).x, (toe - u * 11).y);
  Stroke(cr, Hex(0x2a1420), ink * 1.2);
  // Greave: a plate down the front of the shin, a rounded knee cop.
  const Pt d = (ankle - knee) * (1.0 / Dist(ankle, knee));
  const Pt n = {-d.y, d.x};
  const Pt k0 = knee + d * 10, a0 = ankle - d * 26;
  Shape(
      cr,
      [&](cairo_t* k) {
        PolygonPath(k, {k0 + n * 22, k0 - n * 21, a0 - n * 17, a0 + d * 10, a0 + n * 18});
      },
      kSilver, 5, ink);
  cairo_new_path(cr);
  cairo_move_to(cr, k0.x + d.x * 14, k0.y + d.y * 14);
  cairo_line_to(cr, a0.x - d.x * 6, a0.y - d.y * 6);
  Stroke(cr, Hex(0xffffff), ink * 0.9, 0.8);
  Shape(
      cr, [&](cairo_t* k) { EllipsePath(k, knee + d * 2, 20, 17, std::atan2(d.y, d.x) * 57.3); },
      kSilver, 4, ink);
  Shape(
      cr, [&](cairo_t* k) { EllipsePath(k, knee + d * 2 - n * 8, 3.5, 3.5); }, kGold, 1, ink * 0.5);
}

// Her sword: a slightly curved single-edged blade with the edge on the lower side, a gold
// guard and a crimson-wrapped grip. `guard` is where blade meets guard; `dir` points to the tip.
void Sword(cairo_t* cr, Pt guard, Pt dir, double length, double ink, bool bladeOnly) {
  const Pt n = {-dir.y, dir.x};  // toward the back of the blade
  const Pt tip = guard + dir * length + n * 10;
  if (bladeOnly) {
    // Blade: the back is a gentle curve, the edge follows it and sweeps up to the point.
    Shape(
        cr,
        [&](cairo_t* k) {
          const Pt b0 = guard + n * 8, e0 = guard - n * 8;
          const Pt mid = guard + dir * (length * 0.55) + n * 9;
          cairo_move_to(k, b0.x, b0.y);
          cairo_curve_to(k, mid.x + n.x * 6, mid.y + n.y * 6, tip.x - dir.x * 40 + n.x * 8,
                         tip.y - dir.y * 40 + n.y * 6, tip.x, tip.y);
          const Pt e1 = tip - dir * 34 - n * 9;
          cairo_curve_to(k, tip.x - dir.x * 10 - n.x * 4, tip.y - dir.y * 10 - n.y * 4, e1.x, e1.y,
                         e1.x, e1.y);
          cairo_curve_to(k, mid.x - n.x * 11, mid.y - n.y * 11, e0.x + dir.x * 40,
                         e0.y + dir.y * 40, e0.x, e0.y);
          cairo_close_path(k);
        },
        kSilver, 3, ink);
    // The temper line and a gleam along the edge.
    cairo_new_path(cr);
    const Pt h0 = guard + dir * 10 - n * 3, h1 = guard + dir * (length * 0.55) + n * 4,
             h2 = tip - dir * 40 + n * 1;
    cairo_move_to(cr, h0.x, h0.y);
    cairo_curve_to(cr, h1.x, h1.y, h1.x, h1.y, h2.x, h2.y);
    Stroke(cr, Hex(0xffffff), ink * 0.9, 0.9);
    Glow(cr, tip - dir * 60, 16, Hex(0xffffff), 0.8);
    Flat(
        cr,
        [&](cairo_t* k) {
          const Pt c = tip - dir * 60;
          PolygonPath(k, {c + Pt{0, -14}, c + Pt{2.5, -2.5}, c + Pt{14, 0}, c + Pt{2.5, 2.5},
                          c + Pt{0, 14}, c + Pt{-2.5, 2.5}, c + Pt{-14, 0}, c + Pt{-2.5, -2.5}});
        },
        Hex(0xffffff), 0.95);
    return;
  }
  // Grip behind the guard, wrapped in crimson, then the guard.
  const Pt pommel = guard - dir * 62;
  Shape(
      cr, [&](cairo_t* k) { CapsulePath(k, guard, pommel, 6, 6.5); }, kCrimson, 2, ink);
  for (int i = 1; i < 6; ++i) {
    const Pt c = Lerp(guard, pommel, i / 6.0);
    cairo_new_path(cr);
    cairo_move_to(cr, c.x + n.x * 5, c.y + n.y * 5);
    cairo_line_to(cr, c.x - n.x * 5 + dir.x * 5, c.y - n.y * 5 + dir.y * 5);
    Stroke(cr, Hex(0xffd0d8), ink * 0.5, 0.8);
  }
  Shape(
      cr, [&](cairo_t* k) { EllipsePath(k, pommel, 7, 7); }, kGold, 2, ink * 0.8);
  Shape(
      cr, [&](cairo_t* k) { EllipsePath(k, guard, 6, 15, std::atan2(dir.y, dir.x) * 57.3); }, kGold,
      2, ink);
}

}  // namespace

void MomoIllustration(cairo_t* cr) {
  const double ink = 2.6;
  // Moonlight behind her, so she stands out on the green of the score screen.
  Glow(cr, {290, 380}, 330, Hex(0xf4f0ff), 0.45, 250, 380);
  Glow(cr, {300, 150}, 150, Hex(0xffffff), 0.35);

  // ---- Cape, flying back in the wind; the lining shows where it turns.
  static const Node cape[] = {
      {{262, 222}, false}, {{330, 226}, false}, {{300, 300}, false}, {{250, 392}, true},
      {{214, 360}, false}, {{170, 404}, true},  {{146, 346}, false}, {{88, 360}, true},
      {{112, 300}, false}, {{160, 250}, false},
  };
  Shape(cr, Lock(cape), kCrimson, 8, ink);
  static const Node lining[] = {
      {{250, 392}, true},  {{214, 360}, false}, {{170, 404}, true},
      {{200, 340}, false}, {{236, 330}, false},
  };
  Shape(cr, Lock(lining), kCapeLining, 4, ink);
  for (const auto& [p, q] :
       {std::pair{Pt{250, 240}, Pt{150, 330}}, std::pair{Pt{270, 250}, Pt{196, 350}}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, p.x, p.y);
    cairo_curve_to(cr, p.x - 30, p.y + 30, q.x + 20, q.y - 30, q.x, q.y);
    Stroke(cr, kCrimson.shade, ink * 0.9);
  }

  // ---- The sword's blade rests on her shoulder, behind her neck.
  const Pt guard = {362, 236};
  const Pt dir = Pt{-283, -150} * (1.0 / std::hypot(283.0, 150.0));
  Sword(cr, guard, dir, 300, ink, true);

  // ---- Far side: the arm with its hand on her hip, the back leg.
  Leg(cr, {286, 440}, {252, 568}, {226, 690}, {186, 734}, ink);
  Limb(cr, {258, 240}, {214, 300}, 17, 13, kWhite, ink);
  Limb(cr, {214, 300}, {254, 338}, 13, 11, kWhite, ink);
  Shape(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {258, 340}, 13, 11, 30);
      },
      kCrimson, 3, ink);

  // ---- Near leg, planted forward.
  Leg(cr, {322, 440}, {364, 566}, {388, 688}, {444, 730}, ink);

  // ---- Skirt: crimson, flared and blown back, with a white frill under the hem.
  static const Node frill[] = {
      {{272, 345}, false}, {{340, 345}, false}, {{402, 452}, false},
      {{380, 484}, true},  {{330, 470}, false}, {{282, 488}, true},
      {{232, 470}, false}, {{188, 478}, true},  {{200, 430}, false},
  };
  Shape(cr, Lock(frill), kWhite, 5, ink);
  static const Node skirt[] = {
      {{270, 336}, false}, {{342, 336}, false}, {{396, 440}, false},
      {{372, 468}, true},  {{326, 452}, false}, {{284, 472}, true},
      {{236, 452}, false}, {{180, 462}, true},  {{206, 416}, false},
  };
  Shape(cr, Lock(skirt), kCrimson, 7, ink);
  for (const auto& [p, q] :
       {std::pair{Pt{300, 360}, Pt{284, 466}}, std::pair{Pt{326, 362}, Pt{370, 462}},
        std::pair{Pt{282, 360}, Pt{236, 448}}}) {
    cairo_new_path(cr);
    cairo_move_to(cr, p.x, p.y);
    cairo_curve_to(cr, p.x, p.y + 40, q.x, q.y - 40, q.x, q.y);
    Stroke(cr, kCrimson.shade, ink * 1.1);
  }
  // A lit fold.
  cairo_new_path(cr);
  cairo_move_to(cr, 290, 366);
  cairo_curve_to(cr, 280, 400, 262, 430, 252, 452);
  Stroke(cr, Hex(0xe8506a), ink * 1.2, 0.9);

  // ---- Bodice: white, a crimson front panel, a corset belt with a gold buckle.
  static const Node bodice[] = {
      {{250, 232}, false}, {{300, 218}, false}, {{356, 230}, false}, {{346, 292}, false},
      {{338, 346}, true},  {{272, 346}, true},  {{262, 290}, false},
  };
  Shape(cr, Lock(bodice), kWhite, 6, ink);
  Shape(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{310, 236}, {334, 238}, {328, 330}, {306, 330}});
      },
      kCrimson, 3, ink * 0.8);
  for (double y : {256.0, 280.0, 304.0})
    Shape(
        cr,
        [y](cairo_t* k) {
          EllipsePath(k, {320, y}, 3.5, 3.5);
        },
        kGold, 1, ink * 0.5);
  Shape(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{268, 322}, {342, 322}, {340, 350}, {270, 350}});
      },
      kCrimson, 3, ink);
  Shape(
      cr, [](cairo_t* k) { cairo_rectangle(k, 310, 326, 18, 20); }, kGold, 2, ink * 0.8);
  // Bust and waist shading lines.
  cairo_new_path(cr);
  cairo_move_to(cr, 300, 280);
  cairo_curve_to(cr, 318, 290, 336, 290, 346, 282);
  Stroke(cr, kWhite.shade, ink * 0.9);

  // ---- Neck, collar, head.
  cairo_save(cr);
  cairo_translate(cr, 304, 130);
  cairo_scale(cr, 0.95, 0.95);
  Collar(cr, ink / 0.95);
  MomoHead(cr, ink / 0.95, false);
  cairo_restore(cr);

  // ---- Near arm: the upper arm down and forward, the forearm back up to the grip.
  const Pt shoulder = {350, 240}, elbow = {404, 304}, hand = {380, 250};
  Limb(cr, shoulder, elbow, 19, 14, kWhite, ink);
  // Puffed sleeve cap with a crimson band.
  Shape(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, shoulder + Pt{8, 6}, 24, 20, 40);
      },
      kWhite, 5, ink);
  cairo_new_path(cr);
  cairo_arc(cr, shoulder.x + 8, shoulder.y + 6, 20, 0.3, 1.9);
  Stroke(cr, kCrimson.base, ink * 1.4);
  Sword(cr, guard, dir, 300, ink, false);
  Limb(cr, elbow, hand + Pt{6, 8}, 14, 12, kWhite, ink);
  Shape(
      cr, [&](cairo_t* k) { CapsulePath(k, elbow + (hand - elbow) * 0.55, hand, 14, 13); },
      kCrimson, 3, ink);
  Shape(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, hand + Pt{-2, -2}, 15, 13, -30);
      },
      kCrimson, 4, ink);
  // Knuckles over the grip.
  for (int i = 0; i < 3; ++i) {
    cairo_new_path(cr);
    const Pt c = hand + Pt{-8.0 + i * 6, -10.0 + i * 3};
    cairo_arc(cr, c.x, c.y, 4, 3.6, 5.6);
    Stroke(cr, kCrimson.shade, ink * 0.6);
  }
}

}  // namespace art
