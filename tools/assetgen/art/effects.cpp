// Effects: slash arcs, sparks, spheres, rings, dust and fire. Bright cores inside soft alpha
// glows; each strip brightens, peaks and fades across its frames.

#include <algorithm>
#include <cmath>

#include "art/art.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;
double Rad(double d) { return d * kPi / 180; }

// A crescent swept along part of an ellipse: thickest in the middle, pointed at both ends.
struct Arc {
  Pt centre;
  double rx, ry;
  double rotation;  // of the ellipse, degrees
  double from, to;  // sweep, degrees (0 = +x, 90 = down)
  double width;     // thickness at the middle
};

void ArcPath(cairo_t* cr, const Arc& a, double widthScale, double sweep0, double sweep1) {
  const int n = 40;
  Pt outer[n + 1], inner[n + 1];
  for (int i = 0; i <= n; ++i) {
    const double t = sweep0 + (sweep1 - sweep0) * i / n;
    const double ang = Rad(a.from + (a.to - a.from) * t);
    const double w =
        a.width * widthScale *
        std::pow(
            std::sin(kPi * std::clamp((t - sweep0) / std::max(1e-6, sweep1 - sweep0), 0.0, 1.0)),
            0.7);
    const Pt o = {std::cos(ang) * a.rx, std::sin(ang) * a.ry};
    const Pt in = {std::cos(ang) * (a.rx - w), std::sin(ang) * (a.ry - w * a.ry / a.rx)};
    outer[i] = a.centre + Rotate(o, a.rotation);
    inner[i] = a.centre + Rotate(in, a.rotation);
  }
  cairo_new_sub_path(cr);
  for (int i = 0; i <= n; ++i) cairo_line_to(cr, outer[i].x, outer[i].y);
  for (int i = n; i >= 0; --i) cairo_line_to(cr, inner[i].x, inner[i].y);
  cairo_close_path(cr);
}

// The slash of a strip: the arc sweeps in on the first frames, blazes, then thins and fades.
void Slash(const Frame& f, const Arc& a, Rgb glow, Rgb core) {
  const double p = f.Progress();
  const double head = std::min(1.0, 0.45 + p * 1.2);    // how far the sweep has reached
  const double tail = std::max(0.0, (p - 0.45) * 1.1);  // where the fading trail begins
  const double fade = p < 0.5 ? 1.0 : 1.0 - (p - 0.5) * 1.5;
  cairo_t* cr = f.cr;
  for (int layer = 0; layer < 3; ++layer) {
    const double grow = 1.0 + (2 - layer) * 0.55;
    const double alpha = (layer == 0 ? 0.25 : layer == 1 ? 0.5 : 0.95) * fade;
    Flat(
        cr, [&](cairo_t* c) { ArcPath(c, a, grow * (layer == 2 ? 0.55 : 1.0), tail, head); },
        layer == 2 ? core : glow, alpha);
  }
}

constexpr Rgb kMoonCyan = Hex(0x9fe8ff);
constexpr Rgb kWhite = Hex(0xffffff);
constexpr Rgb kGold = Hex(0xffd86a);
constexpr Rgb kMagicGreen = Hex(0x4dff7a);
constexpr Rgb kCrimson = Hex(0xff3050);
constexpr Rgb kViolet = Hex(0xb070ff);

void Sparkles(cairo_t* cr, Rng& rng, int count, Pt centre, double rx, double ry, Rgb c,
              double alpha) {
  for (int i = 0; i < count; ++i) {
    const Pt p = centre + Pt{rng.Uniform(-rx, rx), rng.Uniform(-ry, ry)};
    const double r = rng.Uniform(1.5, 4);
    Glow(cr, p, r * 3, c, alpha * 0.5);
    Flat(
        cr,
        [&](cairo_t* k) {
          PolygonPath(
              k, {p + Pt{0, -r * 2}, p + Pt{r * 0.5, 0}, p + Pt{0, r * 2}, p + Pt{-r * 0.5, 0}});
          PolygonPath(
              k, {p + Pt{-r * 2, 0}, p + Pt{0, r * 0.5}, p + Pt{r * 2, 0}, p + Pt{0, -r * 0.5}});
        },
        kWhite, alpha);
  }
}

}  // namespace

// ---- The heroine's strikes
// -------------------------------------------------------------------------

void MomoAttack1Effect(const Frame& f) {
  Slash(f, {{145, 62}, 135, 52, 0, 195, 345, 22}, kMoonCyan, kWhite);
}
void MomoAttack2Effect(const Frame& f) {
  Slash(f, {{150, 80}, 140, 66, -12, 140, 330, 24}, kMoonCyan, kWhite);
}
void MomoAttack3Effect(const Frame& f) {
  Slash(f, {{150, 100}, 140, 90, 0, 210, 355, 22}, kMoonCyan, kWhite);
}
void MomoAttack4Effect(const Frame& f) {
  Slash(f, {{160, 105}, 150, 92, -8, 150, 400, 30}, kMoonCyan, kWhite);
}
void MomoUpAttackEffect(const Frame& f) {
  Slash(f, {{85, 150}, 90, 118, 0, 100, -75, 26}, kMoonCyan, kWhite);
}

void MomoDashAttackEffect(const Frame& f) {
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const double fade = 1.0 - p * 0.8;
  const double len = 180 + 100 * std::min(1.0, p * 2);
  const Pt tip = {20 + len, 50};
  for (int layer = 0; layer < 3; ++layer) {
    const double h = (3 - layer) * 9.0;
    Flat(
        cr,
        [&](cairo_t* c) {
          PolygonPath(
              c,
              {tip, {tip.x - len * 0.4, 50 - h}, {tip.x - len, 50}, {tip.x - len * 0.4, 50 + h}});
        },
        layer == 2 ? kWhite : kMoonCyan, (layer == 2 ? 0.95 : 0.3) * fade);
  }
  Rng rng(41 + f.index);
  for (int i = 0; i < 7; ++i) {
    const double y = rng.Uniform(15, 85), x0 = rng.Uniform(0, 120), l = rng.Uniform(60, 140);
    Flat(
        cr,
        [&](cairo_t* c) {
          CapsulePath(c, {x0, y}, {x0 + l, y}, 1.5, 0.5);
        },
        kWhite, 0.6 * fade);
  }
}

void MomoMoonSlasherEffect(const Frame& f) {
  // A rising crescent moon of light around the heroine.
  const Arc moon = {{110, 115}, 100, 100, 0, 120, 400, 34};
  Slash(f, moon, Hex(0x7fb8ff), Hex(0xeaf6ff));
  Rng rng(77 + f.index);
  Sparkles(f.cr, rng, 8, {110, 110}, 100, 95, kMoonCyan, 1.0 - f.Progress() * 0.7);
}

void MomoEruptionEffect(const Frame& f) {
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const double rise = std::min(1.0, p * 2.2);  // pillar height grows quickly
  const double fade = p < 0.55 ? 1.0 : 1.0 - (p - 0.55) / 0.5;
  const double cx = 97, ground = 265;
  const double h = 250 * rise, w = 40 + 30 * std::sin(kPi * std::min(1.0, p * 1.3));
  // Ground burst.
  Glow(cr, {cx, ground - 6}, 90, kViolet, 0.6 * fade, 95, 24);
  for (int layer = 0; layer < 3; ++layer) {
    const double lw = w * (1.0 - layer * 0.3);
    Flat(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {{cx - lw, ground},
                            {cx - lw * 0.7, ground - h * 0.6},
                            {cx - lw * 0.25, ground - h},
                            {cx + lw * 0.25, ground - h},
                            {cx + lw * 0.7, ground - h * 0.6},
                            {cx + lw, ground}};
          SmoothClosedPath(c, pts, 6);
        },
        layer == 2 ? kWhite : (layer == 1 ? Hex(0xd8b8ff) : kViolet), (0.35 + layer * 0.3) * fade);
  }
  Rng rng(300 + f.index);
  for (int i = 0; i < 10; ++i) {
    const Pt a = {cx + rng.Uniform(-w, w), ground - rng.Uniform(0, h)};
    Flat(
        cr,
        [&](cairo_t* c) {
          CapsulePath(c, a, a + Pt{0, -rng.Uniform(15, 40)}, 2, 0.5);
        },
        kWhite, 0.8 * fade);
  }
  // Rocks thrown up by the eruption.
  for (int i = 0; i < 6; ++i) {
    const Pt r = {cx + rng.Uniform(-70, 70), ground - 10 - rise * rng.Uniform(20, 120)};
    Shape(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {r + Pt{-5, -3}, r + Pt{2, -6}, r + Pt{6, 1}, r + Pt{-1, 5}});
        },
        Cloth(0x6c6470, 0x48424d), 2, fade > 0.3 ? 1.5 : 0);
  }
}

// ---- Enemy strikes
// --------------------------------------------------------------------------------

void NecromancerAttack1Effect(const Frame& f) {
  Slash(f, {{10, 100}, 75, 95, 0, -80, 80, 24}, kMagicGreen, Hex(0xd8ffe0));
}
void NecromancerAttack2Effect(const Frame& f) {
  Slash(f, {{20, 110}, 100, 85, 0, -70, 70, 26}, kMagicGreen, Hex(0xd8ffe0));
}
void NecromancerSkullProjectile(const Frame& f) {
  cairo_t* cr = f.cr;
  const Pt c = {34, 32};
  // Trailing green flame.
  for (int i = 0; i < 3; ++i) {
    const double flick = (f.index + i) % 3 * 3.0;
    Flat(
        cr,
        [&](cairo_t* k) {
          const Pt pts[] = {c + Pt{6, -14}, c + Pt{-22 - flick, -12 + i * 6.0},
                            c + Pt{-30 - flick, 0}, c + Pt{-22 - flick, 12 - i * 4.0},
                            c + Pt{6, 14}};
          SmoothClosedPath(k, pts, 5);
        },
        i == 2 ? Hex(0xd8ffe0) : kMagicGreen, 0.35 + i * 0.2);
  }
  Glow(cr, c, 30, kMagicGreen, 0.5);
  Shape(
      cr,
      [&](cairo_t* k) {
        const Pt pts[] = {c + Pt{-12, -2}, c + Pt{-8, -13}, c + Pt{6, -14}, c + Pt{14, -4},
                          c + Pt{13, 8},   c + Pt{4, 13},   c + Pt{-6, 10}};
        SmoothClosedPath(k, pts, 7);
      },
      Cloth(0xeae4cc, 0xaaa183), 2, 1.8);
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, c + Pt{5, -3}, 3.2, 3.8);
        EllipsePath(k, c + Pt{-3, -3}, 2.8, 3.6);
        PolygonPath(k, {c + Pt{2, 3}, c + Pt{4, 6}, c + Pt{0, 6}});
      },
      Hex(0x1a5c2a));
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, c + Pt{5, -3}, 1.4, 1.6);
      },
      kMagicGreen);
}

void TemplarAttack1Effect(const Frame& f) {
  Slash(f, {{80, 130}, 170, 100, 0, 230, 400, 24}, kGold, Hex(0xfffbe8));
}
void TemplarAttack2Effect(const Frame& f) {
  // A thrust: a spear of light straight ahead.
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const double fade = 1.0 - std::max(0.0, p - 0.4) * 1.4;
  const double len = 140 + 150 * std::min(1.0, p * 2);
  for (int layer = 0; layer < 3; ++layer) {
    const double h = (3 - layer) * 8.0;
    Flat(
        cr,
        [&](cairo_t* c) {
          PolygonPath(
              c,
              {{40 + len, 100}, {40 + len * 0.5, 100 - h}, {40, 100}, {40 + len * 0.5, 100 + h}});
        },
        layer == 2 ? kWhite : kGold, (layer == 2 ? 0.95 : 0.35) * fade);
  }
}
void TemplarAttack3Effect(const Frame& f) {
  Slash(f, {{120, 150}, 170, 130, 0, 220, 370, 30}, kGold, Hex(0xfffbe8));
}
void RaiderAttack3Effect(const Frame& f) {
  Slash(f, {{200, 190}, 200, 150, 0, 200, 390, 34}, Hex(0x7fffe0), kWhite);
}
void ExecutionerAttack1Effect(const Frame& f) {
  Slash(f, {{60, 150}, 170, 130, 0, 250, 410, 34}, Hex(0xff6a5a), Hex(0xfff0e8));
}
void ExecutionerAttack2Effect(const Frame& f) {
  Slash(f, {{120, 100}, 180, 80, 0, 200, 350, 28}, Hex(0xff6a5a), Hex(0xfff0e8));
}
void ExecutionerAttack3Effect(const Frame& f) {
  Slash(f, {{110, 160}, 190, 140, 0, 210, 420, 38}, Hex(0xff6a5a), Hex(0xfff0e8));
}
void SabermanAttack1Effect(const Frame& f) {
  Slash(f, {{70, 130}, 160, 110, 0, 240, 400, 20}, Hex(0xd0e4ff), kWhite);
}

void DarkKnightSpiritCutEffect(const Frame& f) {
  Slash(f, {{260, 260}, 240, 220, 0, 200, 380, 60}, kCrimson, Hex(0xffd0e0));
  Rng rng(90 + f.index);
  Sparkles(f.cr, rng, 10, {300, 200}, 200, 160, kCrimson, 1.0 - f.Progress() * 0.8);
}
void DarkKnightSpiritSlasher(const Frame& f) {
  // A standing crescent wave of crimson spirit, flickering as it flies.
  const double wobble = (f.index % 3) * 4.0;
  const Arc wave = {{40, 120}, 70 + wobble, 110, 0, -78, 78, 36};
  for (int layer = 0; layer < 3; ++layer) {
    Flat(
        f.cr, [&](cairo_t* c) { ArcPath(c, wave, 1.6 - layer * 0.45, 0, 1); },
        layer == 2 ? Hex(0xffe0ea) : kCrimson, layer == 2 ? 0.9 : 0.35);
  }
}
// The sword trails drawn over the Dark Knight's attack frames, around his pivot.
void DarkKnightAttack1Trail(const Frame& f) {
  Slash(f, {{f.hx + 10, f.hy - 110}, 150, 130, 0, 250, 400, 26}, kCrimson, Hex(0xffe0ea));
}
void DarkKnightAttack2Trail(const Frame& f) {
  Slash(f, {{f.hx + 10, f.hy - 100}, 160, 110, 0, 150, 350, 26}, kCrimson, Hex(0xffe0ea));
}

// ---- Magic and impacts
// ------------------------------------------------------------------------------

void EffectUltima(const Frame& f) {
  cairo_t* cr = f.cr;
  const Pt c = {128, 128};
  Glow(cr, c, 126, kViolet, 0.7);
  Glow(cr, c, 70, Hex(0xf0e0ff), 0.9);
  for (int i = 0; i < 12; ++i) {
    const double a = i * 30 + (i % 2) * 12;
    const double l = i % 2 ? 90 : 120;
    Flat(
        cr,
        [&](cairo_t* k) {
          PolygonPath(k, {c + Rotate({0, -l}, a), c + Rotate({7, 0}, a), c + Rotate({-7, 0}, a)});
        },
        kWhite, 0.8);
  }
  Glow(cr, c, 30, kWhite, 1.0);
}

void EffectUltimaBlast(const Frame& f) {
  cairo_t* cr = f.cr;
  Glow(cr, {64, 32}, 64, kViolet, 0.6, 64, 28);
  Flat(
      cr,
      [&](cairo_t* k) {
        PolygonPath(k, {{124, 32}, {60, 22}, {6, 32}, {60, 42}});
      },
      Hex(0xe8d8ff), 0.85);
  Flat(
      cr,
      [&](cairo_t* k) {
        PolygonPath(k, {{118, 32}, {70, 27}, {30, 32}, {70, 37}});
      },
      kWhite, 1.0);
}

void EffectGreenSphere(const Frame& f) {
  cairo_t* cr = f.cr;
  const Pt c = {100, 100};
  Glow(cr, c, 99, kMagicGreen, 0.55);
  Flat(
      cr, [&](cairo_t* k) { EllipsePath(k, c, 62, 62); }, Hex(0x2fd860), 0.55);
  // Swirls inside the sphere.
  for (int i = 0; i < 3; ++i) {
    Flat(
        cr,
        [&](cairo_t* k) {
          const Arc s = {c, 50.0 - i * 12, 50.0 - i * 12, i * 120.0, 0, 200, 10};
          ArcPath(k, s, 1, 0, 1);
        },
        Hex(0xc8ffd6), 0.7);
  }
  Glow(cr, c + Pt{-18, -20}, 22, kWhite, 0.8);
  cairo_set_line_width(cr, 3);
  SetRgb(cr, Hex(0xe0ffe8), 0.9);
  cairo_arc(cr, c.x, c.y, 62, 0, 2 * kPi);
  cairo_stroke(cr);
}

void EffectPurpleSphere(const Frame& f) {
  cairo_t* cr = f.cr;
  const Pt c = {64, 64};
  Glow(cr, c, 63, kViolet, 0.7);
  Glow(cr, c, 36, Hex(0xe6d0ff), 0.9);
  Glow(cr, c + Pt{-6, -8}, 14, kWhite, 1.0);
}

void MoonSlasher(const Frame& f) {
  const Arc moon = {{30, 80}, 80, 76, 0, -80, 80, 34};
  for (int layer = 0; layer < 3; ++layer) {
    Flat(
        f.cr, [&](cairo_t* c) { ArcPath(c, moon, 1.5 - layer * 0.4, 0, 1); },
        layer == 2 ? Hex(0xf4fbff) : Hex(0x7fc4ff), layer == 2 ? 0.95 : 0.35);
  }
}

void BishopPlaneSwitch(const Frame& f) {
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const double fade = 1.0 - p * 0.6;
  Glow(cr, {100, 222}, 80, kMagicGreen, 0.5 * fade, 85, 18);
  for (int layer = 0; layer < 2; ++layer) {
    const double w = (layer ? 22 : 40) * (1 - p * 0.4);
    Flat(
        cr,
        [&](cairo_t* k) {
          PolygonPath(k,
                      {{100 - w, 225}, {100 - w * 0.4, 10}, {100 + w * 0.4, 10}, {100 + w, 225}});
        },
        layer ? Hex(0xd8ffe0) : kMagicGreen, (layer ? 0.6 : 0.3) * fade);
  }
  Rng rng(500 + f.index);
  Sparkles(cr, rng, 9, {100, 120}, 55, 100, kMagicGreen, fade);
}

void Dust(const Frame& f) { Puff(f.cr, 11, {60, 50}, {34, 13}, 18, 26, Hex(0xa89a88), 0.55, 7); }

void EffectRing(const Frame& f) {
  cairo_t* cr = f.cr;
  for (int i = 0; i < 3; ++i) {
    cairo_set_line_width(cr, 10 - i * 3.5);
    SetRgb(cr, kWhite, 0.25 + i * 0.3);
    cairo_arc(cr, 64, 64, 52, 0, 2 * kPi);
    cairo_stroke(cr);
  }
}

void HitNormal(const Frame& f) {
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const Pt c = {130, 131};
  const double size = 40 + 85 * std::sqrt(p);
  const double fade = p < 0.3 ? 1.0 : 1.0 - (p - 0.3) / 0.75;
  Glow(cr, c, size * 1.0, Hex(0xffe27a), 0.7 * fade);
  Rng rng(7);
  for (int i = 0; i < 10; ++i) {
    const double a = i * 36 + rng.Uniform(-10, 10);
    const double l = size * (i % 2 ? 0.7 : 1.0) * rng.Uniform(0.85, 1.1);
    Flat(
        cr,
        [&](cairo_t* k) {
          PolygonPath(k, {c + Rotate({0, -l}, a), c + Rotate({8 * (1 - p * 0.5), 0}, a),
                          c + Rotate({-8 * (1 - p * 0.5), 0}, a)});
        },
        i % 2 ? kGold : Hex(0xfffbe0), 0.95 * fade);
  }
  Glow(cr, c, 26 * (1 - p * 0.6), kWhite, fade);
}

void HitSlash(const Frame& f) {
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const double len = 135 * (0.5 + 0.5 * std::min(1.0, p * 2.5));
  const double h = 8 * (1 - p * 0.7);
  Flat(
      cr,
      [&](cairo_t* k) {
        PolygonPath(k,
                    {{140 - len, 15}, {140, 15 - h * 1.6}, {140 + len, 15}, {140, 15 + h * 1.6}});
      },
      kMoonCyan, 0.4 * (1 - p * 0.5));
  Flat(
      cr,
      [&](cairo_t* k) {
        PolygonPath(k,
                    {{140 - len, 15}, {140, 15 - h * 0.6}, {140 + len, 15}, {140, 15 + h * 0.6}});
      },
      kWhite, 1.0 - p * 0.6);
}

void Shadow(const Frame& f) {
  cairo_t* cr = f.cr;
  cairo_save(cr);
  cairo_translate(cr, 100, 35);
  cairo_scale(cr, 1.0, 0.32);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 96);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.06, 0.03, 0.1, 0.6);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 0.06, 0.03, 0.1, 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.06, 0.03, 0.1, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 96, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void MagicCircle(const Frame& f) {
  cairo_t* cr = f.cr;
  cairo_save(cr);
  cairo_translate(cr, 128, 64);
  cairo_scale(cr, 1.0, 0.45);
  cairo_rotate(cr, Rad(f.index * 22.5));
  Glow(cr, {0, 0}, 126, kViolet, 0.35);
  SetRgb(cr, Hex(0xf4ecff), 1.0);
  cairo_set_line_width(cr, 4.5);
  for (double r : {118.0, 96.0, 40.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
  }
  cairo_stroke(cr);
  // A six-pointed star and runes between the rings.
  cairo_set_line_width(cr, 2.5);
  for (int t = 0; t < 2; ++t) {
    for (int i = 0; i <= 3; ++i) {
      const double a = Rad(t * 60 + i * 120 - 90);
      const Pt q = {std::cos(a) * 96, std::sin(a) * 96};
      if (i == 0)
        cairo_move_to(cr, q.x, q.y);
      else
        cairo_line_to(cr, q.x, q.y);
    }
  }
  cairo_stroke(cr);
  for (int i = 0; i < 16; ++i) {
    const double a = Rad(i * 22.5);
    const Pt q = {std::cos(a) * 107, std::sin(a) * 107};
    cairo_rectangle(cr, q.x - 3, q.y - 3, 6, 6);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

void Explosion(const Frame& f) {
  cairo_t* cr = f.cr;
  const double p = f.Progress();
  const Pt c = {50, 50};
  // The fireball swells over the first third, then burns out into drifting smoke.
  const double fire = p < 0.35 ? 1.0 : std::max(0.0, 1.0 - (p - 0.35) / 0.5);
  const double r = 18 + 26 * std::sqrt(std::min(1.0, p * 2.2));
  Rng rng(1234);
  for (int i = 0; i < 8; ++i) {
    const double a = i * 45 + rng.Uniform(-15, 15);
    const Pt q = c + Rotate({0, -r * 0.55}, a) + Pt{0, -p * 10};
    Glow(cr, q, r * 0.6, Hex(0x54403c), 0.7 * std::min(1.0, p * 2.5) * (1.1 - p));
  }
  Glow(cr, c, r * 1.15, Hex(0xff4a10), 0.9 * fire);
  // A lumpy flame body, brightest at its heart.
  for (int layer = 0; layer < 3; ++layer) {
    const double lr = r * (0.85 - layer * 0.22);
    Rgb col = layer == 0 ? Hex(0xff6a1a) : (layer == 1 ? Hex(0xffb040) : Hex(0xfff4c0));
    Flat(
        cr,
        [&](cairo_t* k) {
          Pt pts[10];
          for (int i = 0; i < 10; ++i)
            pts[i] = c + Rotate({0, -lr * (0.8 + 0.35 * ValueNoise(i * 1.7, layer + p * 3, 5))},
                                i * 36.0);
          SmoothClosedPath(k, pts, 10);
        },
        col, 0.95 * fire);
  }
}

}  // namespace art
