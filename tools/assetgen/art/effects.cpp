// Effects: slash arcs, sparks, spheres, rings, dust and fire. Bright cores inside soft alpha
// glows; each strip brightens, peaks and fades across its frames.

#include <algorithm>
#include <cmath>
#include <vector>

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
// Every one of them is drawn around her feet (the pivot) facing right; the game mirrors them
// when she faces left. Each lies where the strike's hit box is, so what hits is what shows.

namespace {

constexpr Rgb kSlashGlow = Hex(0x3cb4ff);
constexpr Rgb kSlashBody = Hex(0x9ce6ff);
constexpr Rgb kMoonGlow = Hex(0x86a8ff);
constexpr Rgb kMoonBody = Hex(0xd8e8ff);

double Smooth(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// Moves the origin to the pivot for the painter's lifetime: (0, 0) is where her feet are.
class AtFeet {
 public:
  explicit AtFeet(const Frame& f) : cr_(f.cr) {
    cairo_save(cr_);
    cairo_translate(cr_, f.hx, f.hy);
  }
  ~AtFeet() { cairo_restore(cr_); }
  AtFeet(const AtFeet&) = delete;
  AtFeet& operator=(const AtFeet&) = delete;

 private:
  cairo_t* cr_;
};

// A four-pointed glint with a small halo.
void Glint(cairo_t* cr, Pt p, double r, Rgb halo, double alpha) {
  if (alpha <= 0.01) return;
  Glow(cr, p, r * 3.2, halo, alpha * 0.55);
  Flat(
      cr,
      [&](cairo_t* k) {
        PolygonPath(
            k, {p + Pt{0, -r * 2.2}, p + Pt{r * 0.4, 0}, p + Pt{0, r * 2.2}, p + Pt{-r * 0.4, 0}});
        PolygonPath(k, {p + Pt{-r * 1.6, 0}, p + Pt{0, r * 0.35}, p + Pt{r * 1.6, 0},
                        p + Pt{0, -r * 0.35}});
      },
      kWhite, alpha);
}

// The path of the blade's tip is part of an ellipse around `centre`, swept from the tail of the
// trail to where the blade is now. The trail is the crescent between that path (its bright rim)
// and the same ellipse drawn in by the trail's thickness, `kx` and `ky` saying how much each axis
// gives way: pointed at both ends, thickest at `peak` of the sweep, glowing softly on both sides.
struct Trail {
  Pt centre;
  double rx, ry;
  double rotation;  // of the ellipse, degrees
  double from, to;  // tail to blade, degrees (0 = +x, 90 = down)
  double width;     // at the thickest
  double peak = 0.7;
  double kx = 1, ky = 1;
  double glow = 10;
  double tailAlpha = 0;  // opacity left at the very tail
  double fadeIn = 0.62;  // part of the sweep over which it brightens from the tail
  double hot = 0.86;     // where along the sweep the light is hottest
  Rgb halo = kSlashGlow, body = kSlashBody;

  // A point of the sweep at `angle`, `in` pixels inside the tip's path (negative: outside).
  Pt At(double angle, double in) const {
    const double a = Rad(angle);
    const double ex = std::max(2.0, rx - in * kx), ey = std::max(2.0, ry - in * ky);
    return centre + Rotate({std::cos(a) * ex, std::sin(a) * ey}, rotation);
  }
  double Angle(double t) const { return from + (to - from) * t; }
};

// How a slash looks on each of its frames: the first frame is the strike at full blaze; after it
// the tail catches up with the blade, which follows through a little, and the trail thins out.
struct TrailPhase {
  double tail, head;  // visible part of the sweep (beyond 1: follow-through)
  double thickness, alpha;
};
constexpr TrailPhase kSlashPhases[4] = {{0.0, 1.0, 1.0, 1.0},
                                        {0.24, 1.04, 0.72, 0.78},
                                        {0.46, 1.07, 0.48, 0.52},
                                        {0.64, 1.09, 0.34, 0.38}};

void SetCorner(cairo_pattern_t* mesh, int corner, Rgb c, double alpha) {
  cairo_mesh_pattern_set_corner_color_rgba(mesh, corner, c.r, c.g, c.b,
                                           std::clamp(alpha, 0.0, 1.0));
}

// Paints the crescent as one mesh of patches along the sweep and across it (inner glow, body,
// rim, outer glow), so the gradients run smoothly without seams between the pieces.
void DrawTrail(cairo_t* cr, const Trail& tr, const TrailPhase& ph) {
  constexpr int kAlong = 72;
  // Across the trail, from the outer glow to the inner one: offsets inside the tip's path, as
  // fractions of the thickness plus pixels of glow.
  struct Row {
    double ofWidth, ofGlow;
  };
  constexpr Row kRows[] = {{0, -1}, {0, 0}, {0.22, 0}, {1, 0}, {1, 0.9}};
  constexpr int kRowCount = 5;
  // Thickest at tr.peak: sin(pi s^bend) peaks where s^bend is one half.
  const double bend = std::log(0.5) / std::log(std::clamp(tr.peak, 0.05, 0.95));
  auto profile = [&](double s) { return std::pow(std::sin(kPi * std::pow(s, bend)), 0.75); };
  auto alongAlpha = [&](double s) {
    const double rise = tr.tailAlpha + (1 - tr.tailAlpha) * Smooth(0.0, tr.fadeIn, s);
    return rise * Smooth(0.0, 0.05, s) * Smooth(1.0, 0.93, s) * ph.alpha;
  };
  struct Sample {
    Pt p[kRowCount];
    Rgb c[kRowCount];
    double a[kRowCount];
  };
  std::vector<Sample> samples(kAlong + 1);
  for (int i = 0; i <= kAlong; ++i) {
    const double s = double(i) / kAlong;
    const double angle = tr.Angle(ph.tail + (ph.head - ph.tail) * s);
    const double w = tr.width * ph.thickness * profile(s);
    const double glowOut = tr.glow * (0.55 + 0.45 * ph.thickness);
    const double glowIn = tr.glow * 0.6 + w * 0.5;
    const double a = alongAlpha(s);
    const Rgb body = Mix(tr.halo, tr.body, 0.35 + 0.65 * s);
    Sample& smp = samples[i];
    for (int r = 0; r < kRowCount; ++r) {
      const double in = kRows[r].ofWidth * w + kRows[r].ofGlow * (r == 0 ? glowOut : glowIn);
      smp.p[r] = tr.At(angle, in);
    }
    smp.c[0] = tr.halo, smp.a[0] = 0;
    smp.c[1] = kWhite, smp.a[1] = a;
    smp.c[2] = Mix(kWhite, body, 0.5), smp.a[2] = a * 0.92;
    smp.c[3] = body, smp.a[3] = a * 0.45;
    smp.c[4] = tr.halo, smp.a[4] = 0;
  }
  cairo_pattern_t* mesh = cairo_pattern_create_mesh();
  for (int i = 0; i < kAlong; ++i) {
    const Sample &s0 = samples[i], &s1 = samples[i + 1];
    for (int r = 0; r + 1 < kRowCount; ++r) {
      cairo_mesh_pattern_begin_patch(mesh);
      cairo_mesh_pattern_move_to(mesh, s0.p[r].x, s0.p[r].y);
      cairo_mesh_pattern_line_to(mesh, s1.p[r].x, s1.p[r].y);
      cairo_mesh_pattern_line_to(mesh, s1.p[r + 1].x, s1.p[r + 1].y);
      cairo_mesh_pattern_line_to(mesh, s0.p[r + 1].x, s0.p[r + 1].y);
      SetCorner(mesh, 0, s0.c[r], s0.a[r]);
      SetCorner(mesh, 1, s1.c[r], s1.a[r]);
      SetCorner(mesh, 2, s1.c[r + 1], s1.a[r + 1]);
      SetCorner(mesh, 3, s0.c[r + 1], s0.a[r + 1]);
      cairo_mesh_pattern_end_patch(mesh);
    }
  }
  cairo_set_source(cr, mesh);
  cairo_paint(cr);
  cairo_pattern_destroy(mesh);

  // The blade's edge: a crisp white line along the rim, widest just behind the blade.
  const double a0 = std::max(ph.tail, ph.tail + (ph.head - ph.tail) * 0.3);
  Flat(
      cr,
      [&](cairo_t* c) {
        const int n = 40;
        for (int i = 0; i <= n; ++i) {
          const double s = double(i) / n;
          const double angle = tr.Angle(a0 + (ph.head - a0) * s);
          const Pt p = tr.At(angle, 0.3);
          i ? cairo_line_to(c, p.x, p.y) : cairo_move_to(c, p.x, p.y);
        }
        for (int i = n; i >= 0; --i) {
          const double s = double(i) / n;
          const double angle = tr.Angle(a0 + (ph.head - a0) * s);
          const double w =
              (1.2 + 2.6 * ph.thickness) * std::pow(std::sin(kPi * std::pow(s, 1.6)), 0.8);
          const Pt p = tr.At(angle, 0.3 + w);
          cairo_line_to(c, p.x, p.y);
        }
        cairo_close_path(c);
      },
      kWhite, 0.95 * ph.alpha);
  // The white-hot point just behind the blade.
  const Pt hot =
      tr.At(tr.Angle(ph.tail + (ph.head - ph.tail) * tr.hot), tr.width * 0.3 * ph.thickness);
  Glow(cr, hot, tr.glow + tr.width * 0.35 * ph.thickness, kWhite, 0.45 * ph.alpha);
}

// Glints thrown off the rim near the blade; they drift outward and die away over the frames.
void TrailGlints(cairo_t* cr, const Trail& tr, const Frame& f, uint64_t seed, int count) {
  const TrailPhase& ph = kSlashPhases[std::min(f.index, 3)];
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const double t = rng.Uniform(0.35, 1.02);
    const double out = rng.Uniform(2, 12) + f.index * rng.Uniform(4, 9);
    const double r = rng.Uniform(1.4, 3.2) * (1 - 0.15 * f.index);
    const double life = rng.Uniform(0.5, 1.0);  // how long this one lasts
    const double alpha = std::clamp(1.0 - f.Progress() / life, 0.0, 1.0);
    if (t < ph.tail) continue;
    // Kept clear of the frame's edges, halo and all, where the frame is a tight fixed size.
    const double m = r * 3.4;
    const Pt p = tr.At(tr.Angle(t), -out);
    Glint(cr,
          {std::clamp(p.x, m - f.hx, f.width - f.hx - m),
           std::clamp(p.y, m - f.hy, f.height - f.hy - m)},
          r, tr.halo, alpha);
  }
}

void SlashEffect(const Frame& f, const Trail& tr, uint64_t seed) {
  AtFeet feet(f);
  DrawTrail(f.cr, tr, kSlashPhases[std::min(f.index, 3)]);
  TrailGlints(f.cr, tr, f, seed, 6);
}

}  // namespace

// A flat cut across her chest, from behind her, round in front and back towards her.
void MomoAttack1Effect(const Frame& f) {
  SlashEffect(f,
              {.centre = {10, -88},
               .rx = 136,
               .ry = 22,
               .rotation = 0,
               .from = 196,
               .to = 392,
               .width = 20,
               .peak = 0.7,
               .kx = 1.2,
               .ky = 0.5,
               .glow = 7},
              101);
}
// Up from her back foot and forward to above her head.
void MomoAttack2Effect(const Frame& f) {
  SlashEffect(f,
              {.centre = {22, -152},
               .rx = 150,
               .ry = 112,
               .rotation = 0,
               .from = 158,
               .to = -6,
               .width = 34},
              102);
}
// A wide sweep over her head, coming down in front of her face.
void MomoAttack3Effect(const Frame& f) {
  SlashEffect(f,
              {.centre = {22, -100},
               .rx = 150,
               .ry = 58,
               .rotation = 0,
               .from = 212,
               .to = 356,
               .width = 30,
               .ky = 0.7},
              103);
}
// The finisher: a great arc over her head and down to the floor in front of her.
void MomoAttack4Effect(const Frame& f) {
  SlashEffect(f,
              {.centre = {20, -56},
               .rx = 152,
               .ry = 130,
               .rotation = 0,
               .from = 222,
               .to = 382,
               .width = 46,
               .glow = 14},
              104);
}
// Launched from the ground: a tall arc from her feet up past her head.
void MomoUpAttackEffect(const Frame& f) {
  SlashEffect(f,
              {.centre = {-14, -136},
               .rx = 124,
               .ry = 112,
               .rotation = 0,
               .from = 72,
               .to = -98,
               .width = 36,
               .peak = 0.6,
               .tailAlpha = 0.1,
               .fadeIn = 0.35},
              105);
}

namespace {

// A lens of light from `tail` to `tip` along a horizontal line, thickest a quarter of the way
// back from the tip and fading out towards the tail.
void Streak(cairo_t* cr, double tail, double tip, double y, double half, Rgb c, double alpha) {
  const double len = tip - tail;
  cairo_new_path(cr);
  cairo_move_to(cr, tail, y);
  cairo_curve_to(cr, tail + len * 0.5, y - half * 0.55, tip - len * 0.3, y - half, tip, y);
  cairo_curve_to(cr, tip - len * 0.3, y + half, tail + len * 0.5, y + half * 0.55, tail, y);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(tail, 0, tip, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.45, c.r, c.g, c.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 0.8, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, alpha);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

}  // namespace

// The dash attack: a long thrust of light at her chest, the air split ahead of the point.
void MomoDashAttackEffect(const Frame& f) {
  AtFeet feet(f);
  cairo_t* cr = f.cr;
  const TrailPhase& ph = kSlashPhases[std::min(f.index, 3)];
  const double y = -85;
  const double tip = 204 + 8 * f.index;
  const double tail = -100 + 150 * ph.tail;
  Streak(cr, tail - 10, tip + 6, y, 26 * (0.6 + 0.4 * ph.thickness), kSlashGlow, 0.4 * ph.alpha);
  Streak(cr, tail, tip, y, 13 * ph.thickness, kSlashBody, 0.85 * ph.alpha);
  Streak(cr, tail + 40, tip - 2, y, 4.5 * ph.thickness + 1, kWhite, ph.alpha);
  // Speed lines above and below the thrust, left behind as she goes.
  Rng rng(141);
  for (int i = 0; i < 9; ++i) {
    const double side = i % 2 ? 1 : -1;
    const double ly = y + side * rng.Uniform(9, 27);
    const double x1 = rng.Uniform(60, 170) - f.index * rng.Uniform(10, 25);
    const double x0 = x1 - rng.Uniform(70, 150);
    Streak(cr, x0, x1, ly, rng.Uniform(1.2, 2.4) * (0.5 + 0.5 * ph.thickness), kWhite,
           0.75 * ph.alpha);
  }
  // The bow wave split by the point.
  DrawTrail(cr,
            {.centre = {tip - 44, y},
             .rx = 40,
             .ry = 27,
             .rotation = 0,
             .from = -78,
             .to = 78,
             .width = 9 * ph.thickness + 2,
             .peak = 0.5,
             .glow = 6,
             .tailAlpha = 1},
            {0, 1, 1, 0.8 * ph.alpha});
  Glint(cr, {tip - 6, y}, 4.5 * (0.5 + 0.5 * ph.thickness), kSlashGlow, ph.alpha);
}

// The moon slasher: the blade draws a full crescent moon around her, and the wave it throws
// leaves from its heart at chest height.
void MomoMoonSlasherEffect(const Frame& f) {
  AtFeet feet(f);
  cairo_t* cr = f.cr;
  const TrailPhase& ph = kSlashPhases[std::min(f.index, 3)];
  const Pt heart = {0, -110};
  // The faint rest of the moon's disc behind her.
  cairo_set_line_width(cr, 3 * ph.thickness + 1);
  SetRgb(cr, kMoonBody, 0.3 * ph.alpha);
  cairo_new_path(cr);
  cairo_arc(cr, heart.x, heart.y, 110, 0, 2 * kPi);
  cairo_stroke(cr);
  Glow(cr, heart, 120, kMoonGlow, 0.1 * ph.alpha);
  const Trail moon = {.centre = heart,
                      .rx = 112,
                      .ry = 112,
                      .rotation = 0,
                      .from = -118,
                      .to = 118,
                      .width = 50,
                      .peak = 0.5,
                      .glow = 12,
                      .tailAlpha = 0.5,
                      .hot = 0.5,
                      .halo = kMoonGlow,
                      .body = kMoonBody};
  DrawTrail(cr, moon, {ph.tail * 0.5, 1.0, ph.thickness, ph.alpha});
  // Where the wave leaves: a flash along her sword arm's line.
  const double flash = f.index == 0 ? 1.0 : f.index == 1 ? 0.45 : 0.0;
  if (flash > 0) {
    Streak(cr, 10, 126, -113, 14 * flash, kMoonGlow, 0.55 * flash);
    Streak(cr, 30, 122, -113, 5 * flash + 1, kWhite, flash);
    Glint(cr, {112, -113}, 5 * flash, kMoonGlow, flash);
  }
  Rng rng(177);
  for (int i = 0; i < 10; ++i) {
    const double a = rng.Uniform(-150, 150);
    const double r = 112 + rng.Uniform(-40, 14) + f.index * rng.Uniform(3, 8);
    const double life = rng.Uniform(0.55, 1.1);
    Glint(cr, heart + Pt{std::cos(Rad(a)) * r, std::sin(Rad(a)) * r}, rng.Uniform(1.3, 3),
          kMoonGlow, std::clamp(1.0 - f.Progress() / life, 0.0, 1.0));
  }
}

// The eruption: a pillar of violet-white moonlight bursts up from the floor, flinging shards of
// stone, stands at full height, then thins and fades. Drawn around the point it rises from: the
// pillar stands 85 to 210 pixels ahead of it and 260 high.
void MomoEruptionEffect(const Frame& f) {
  AtFeet feet(f);
  cairo_t* cr = f.cr;
  const int i = f.index;
  constexpr double kCx = 147, kTop = -256;
  // Height reached, half width, brightness, by frame: rising, full, full, thinning, fading.
  constexpr double kHeight[6] = {0.62, 1.0, 1.0, 1.0, 1.0, 1.0};
  constexpr double kHalf[6] = {42, 60, 58, 48, 32, 18};
  constexpr double kAlpha[6] = {1.0, 1.0, 0.95, 0.8, 0.55, 0.3};
  const double top = kTop * kHeight[i], half = kHalf[i], alpha = kAlpha[i];
  // Light pooled on the floor where it breaks through.
  Glow(cr, {kCx, -6}, 70, kViolet, 0.75 * alpha, 66 + (i == 0 ? 10 : 0), 10);
  Glow(cr, {kCx, -6}, 40, Hex(0xf2e6ff), 0.8 * alpha, 40, 6);
  // The pillar is painted in a group so its top can melt away as a whole.
  cairo_push_group(cr);
  // One layer of the pillar: flared where it breaks out of the floor, brightest down its middle.
  auto column = [&](double w, double topY, Rgb c, double a) {
    cairo_new_path(cr);
    cairo_move_to(cr, kCx - w * 1.3, -2);
    cairo_curve_to(cr, kCx - w * 0.9, -14, kCx - w, topY * 0.55, kCx - w * 0.6, topY);
    cairo_line_to(cr, kCx + w * 0.6, topY);
    cairo_curve_to(cr, kCx + w, topY * 0.55, kCx + w * 0.9, -14, kCx + w * 1.3, -2);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(kCx - w * 1.3, 0, kCx + w * 1.3, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.25, c.r, c.g, c.b, a * 0.75);
    cairo_pattern_add_color_stop_rgba(g, 0.5, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(g, 0.75, c.r, c.g, c.b, a * 0.75);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  };
  column(half * 1.2, top, kViolet, 0.35 * alpha);
  column(half, top, kViolet, 0.7 * alpha);
  column(half * 0.66, top, Hex(0xd9c2ff), 0.85 * alpha);
  column(half * 0.3, top, kWhite, alpha);
  // Streaks of light racing up inside it.
  Rng rng(300);
  for (int s = 0; s < 12; ++s) {
    const double x = kCx + rng.Uniform(-0.8, 0.8) * half;
    const double y0 = rng.Uniform(0.1, 0.9) * top + i * 18 * rng.Uniform(0.5, 1.0);
    const double len = rng.Uniform(30, 70);
    if (y0 - len < top) continue;
    Flat(
        cr,
        [&](cairo_t* c) {
          CapsulePath(c, {x, y0}, {x, y0 - len}, 2.2, 0.6);
        },
        kWhite, 0.7 * alpha);
  }
  FadeAlong(cr, {0, top}, {0, top * 0.55}, {{0, 1}, {0.15, 0.6}, {1, 0}});
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  // The head of the burst while it rises: light spraying up ahead of it.
  if (i == 0) {
    Glow(cr, {kCx, top + 16}, 34, kWhite, 0.85, 34, 26);
    for (int ray = -2; ray <= 2; ++ray) {
      const Pt base = {kCx + ray * 9.0, top + 16};
      const Pt tip = base + Rotate({0, -(52 - std::abs(ray) * 12.0)}, ray * 11.0);
      Flat(
          cr,
          [&](cairo_t* c) {
            PolygonPath(c, {base + Pt{-4, 0}, tip, base + Pt{4, 0}});
          },
          kWhite, 0.75);
    }
  }
  // Blades of light breaking the floor around its foot.
  if (i < 3) {
    Rng spikes(333);
    for (int k = 0; k < 8; ++k) {
      const double x = kCx + spikes.Uniform(-72, 72);
      const double h = spikes.Uniform(14, 40) * (i == 1 ? 1.0 : i == 0 ? 0.8 : 0.5);
      const double lean = (x - kCx) * 0.12;
      Flat(
          cr,
          [&](cairo_t* c) {
            PolygonPath(c, {{x - 4, -1}, {x + lean, -1 - h}, {x + 4, -1}});
          },
          Hex(0xeadcff), 0.85 * alpha);
    }
  }
  // Motes of moonlight shed by the pillar.
  for (int m = 0; m < 9; ++m) {
    const double side = m % 2 ? 1 : -1;
    const Pt p = {kCx + side * (half * 0.8 + rng.Uniform(4, 26)), rng.Uniform(0.15, 0.95) * kTop};
    const double life = rng.Uniform(0.6, 1.2);
    Glint(cr, p + Pt{0, -i * 10.0}, rng.Uniform(1.4, 2.8), kViolet,
          std::clamp(1.0 - f.Progress() / life, 0.0, 1.0) * (i == 0 && p.y < top ? 0 : 1));
  }
  // Shards of the floor flung up: fast at first, slowing as they reach the top of their flight
  // and falling back as the light fades.
  const Material stone = Cloth(0x6a6076, 0x433b4e);
  for (int r = 0; r < 9; ++r) {
    const double side = r % 2 ? 1 : -1;
    const double vx = side * rng.Uniform(3, 9), vy = rng.Uniform(30, 50);
    const double size = rng.Uniform(4, 8);
    const double spin = rng.Uniform(0, 360);
    const double t = 0.6 + i;  // frames since the burst
    const Pt p = {kCx + side * rng.Uniform(8, 28) + vx * t, -6 - (vy * t - 4.2 * t * t)};
    if (p.y > -4) continue;
    Shape(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {p + Rotate({-size, -size * 0.5}, spin + 40 * t),
                          p + Rotate({size * 0.3, -size}, spin + 40 * t),
                          p + Rotate({size, size * 0.2}, spin + 40 * t),
                          p + Rotate({-size * 0.2, size * 0.8}, spin + 40 * t)});
        },
        stone, 2, 1.5);
    // Lit violet on the side facing the pillar.
    Glow(cr, p + Pt{-side * size * 0.6, 0}, size * 0.9, Hex(0xe0c8ff), 0.5 * alpha);
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

// The Dark Knight's blows are drawn around his feet like the heroine's, in crimson, each where
// its box lies: the game shows the first frame of each on the frame it makes the box.
namespace {
constexpr Rgb kKnightGlow = Hex(0xe0183a);
constexpr Rgb kKnightBody = Hex(0xffb4c4);

// One of his trails: the heroine's kind of slash, in his crimson.
void KnightSlash(const Frame& f, Trail trail, uint64_t seed) {
  trail.halo = kKnightGlow;
  trail.body = kKnightBody;
  SlashEffect(f, trail, seed);
}
// His blows are flat cuts at the chest, from behind him round to the end of their long reach.
void KnightFlatCut(const Frame& f, Pt centre, double rx, double rotation, double width,
                   uint64_t seed) {
  KnightSlash(f,
              {.centre = centre,
               .rx = rx,
               .ry = 20,
               .rotation = rotation,
               .from = 193,
               .to = 372,
               .width = width,
               .peak = 0.75,
               .kx = 1.2,
               .ky = 0.5,
               .glow = 8},
              seed);
}
}  // namespace

void DarkKnightAttack1Trail(const Frame& f) { KnightFlatCut(f, {40, -138}, 304, 0, 22, 501); }
// The second blow cuts a little lower, rising slightly toward its end.
void DarkKnightAttack2Trail(const Frame& f) { KnightFlatCut(f, {40, -116}, 314, -2, 28, 502); }
// The spirit cut: a great arc from over his head down to the floor before him.
void DarkKnightSpiritCutEffect(const Frame& f) {
  KnightSlash(f,
              {.centre = {40, -40},
               .rx = 262,
               .ry = 234,
               .rotation = 0,
               .from = 235,
               .to = 360,
               .width = 52,
               .peak = 0.7,
               .glow = 14},
              503);
}
// The spirit wave: a standing crescent of crimson spirit bulging forward, flickering as it flies.
void DarkKnightSpiritSlasher(const Frame& f) {
  AtFeet feet(f);
  const double wobble = (f.index % 3) * 4.0;
  const Arc wave = {{-62, -125}, 108 + wobble, 104, 0, -80, 80, 40};
  for (int layer = 0; layer < 3; ++layer) {
    Flat(
        f.cr, [&](cairo_t* c) { ArcPath(c, wave, 1.6 - layer * 0.45, 0, 1); },
        layer == 2 ? Hex(0xffe0ea) : kCrimson, layer == 2 ? 0.9 : 0.45);
  }
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
    Glow(cr, q, r * 0.6, Hex(0x54403c), 0.7 * std::min(1.0, p * 2.5) * (1.15 - p));
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
