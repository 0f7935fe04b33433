// Backgrounds, the title screen, the interface pieces, the map and the skill list.

#include <algorithm>
#include <cmath>
#include <string>

#include "art/art.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A horizontal ramp of colour and alpha across a rectangle: (position 0..1, colour, alpha).
struct Stop {
  double at;
  Rgb color;
  double alpha;
};
void HorizontalRamp(cairo_t* cr, double x, double y, double w, double h,
                    std::initializer_list<Stop> stops) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
  for (const Stop& s : stops)
    cairo_pattern_add_color_stop_rgba(g, s.at, s.color.r, s.color.g, s.color.b, s.alpha);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h,
                      std::initializer_list<std::pair<double, Rgb>> stops) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  for (const auto& [at, c] : stops) cairo_pattern_add_color_stop_rgb(g, at, c.r, c.g, c.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Letters with depth: a dark extrusion down and to the right, the face on top, outlined.
void Lettering(cairo_t* cr, Typeface face, double size, Pt at, const char* text, Rgb top,
               Rgb bottom, int depth) {
  for (int d = depth; d >= 1; --d) {
    cairo_new_path(cr);
    TextPath(cr, face, size, at + Pt{d * 0.8, double(d)}, text);
    SetRgb(cr, Mix(Hex(0x3a1f4e), kOutline, double(d) / depth));
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  TextPath(cr, face, size, at, text);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, at.y - size * 0.75, 0, at.y);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_append_path(cr, path);
  SetRgb(cr, kOutline);
  cairo_set_line_width(cr, std::max(1.5, size / 40));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_path_destroy(path);
}

void CentredLettering(cairo_t* cr, Typeface face, double size, double cx, double baseline,
                      const char* text, Rgb top, Rgb bottom, int depth) {
  const double w = TextWidth(cr, face, size, text);
  Lettering(cr, face, size, {cx - w / 2, baseline}, text, top, bottom, depth);
}

void PlainText(cairo_t* cr, Typeface face, double size, Pt at, const char* text, Rgb c,
               double alpha = 1.0) {
  cairo_new_path(cr);
  TextPath(cr, face, size, at, text);
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

// A cumulus: overlapping puffs, white with a cool shade underneath.
void Cloud(cairo_t* cr, Rng& rng, Pt centre, double w, double h, Rgb light, Rgb shade, double alpha,
           int puffs) {
  for (int pass = 0; pass < 2; ++pass) {
    Rng r2 = rng;
    for (int i = 0; i < puffs; ++i) {
      const double t = (i + 0.5) / puffs;
      const double bulge = std::sin(kPi * t);
      const Pt c =
          centre + Pt{(t - 0.5) * w * 0.9, -bulge * h * 0.25 + r2.Uniform(-h * 0.08, h * 0.08)};
      const double rad = h * (0.25 + 0.3 * bulge) * r2.Uniform(0.8, 1.15);
      if (pass == 0)
        Flat(
            cr,
            [&](cairo_t* k) {
              EllipsePath(k, c + Pt{0, rad * 0.22}, rad, rad * 0.9);
            },
            shade, alpha);
      else
        Flat(
            cr,
            [&](cairo_t* k) {
              EllipsePath(k, c - Pt{rad * 0.08, rad * 0.06}, rad * 0.9, rad * 0.78);
            },
            light, alpha);
    }
  }
  rng.Next();
}

void StarField(cairo_t* cr, int seed, double w, double h, int count) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const Pt p = {rng.Uniform(0, w), rng.Uniform(0, h)};
    const double r = rng.Uniform(0.4, 1.4);
    SetRgb(cr, Hex(0xf0ecff), rng.Uniform(0.3, 0.9) * (1 - p.y / h * 0.8));
    cairo_arc(cr, p.x, p.y, r, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

// A silhouette band whose top edge follows periodic noise, so copies placed `period` apart join.
void Ridge(cairo_t* cr, double width, double base, double amp, int seed, double period,
           double bottom, Rgb c, double alpha = 1.0) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, bottom);
  for (double x = 0; x <= width; x += 4) {
    const double n = Fbm(x / period * 4, 0.5, seed, 3, 4);
    cairo_line_to(cr, x, base - amp * n);
  }
  cairo_line_to(cr, width, bottom);
  cairo_close_path(cr);
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

// The heroine's own sprite frame, drawn at a spot of another picture.
void MomoSprite(cairo_t* cr, Role role, int index, int count, Pt feet, double scale = 1.0) {
  cairo_save(cr);
  cairo_translate(cr, feet.x, feet.y);
  cairo_scale(cr, scale, scale);
  PaintActor({cr, index, count, 400, 400, 0, 0}, Kind::Momo, role);
  cairo_restore(cr);
}

}  // namespace

// ---- Interface
// --------------------------------------------------------------------------------------

void Go(const Frame& f) {
  cairo_t* cr = f.cr;
  Lettering(cr, Typeface::Display, 50, {6, 54}, "GO", Hex(0xfff3a0), Hex(0xffb020), 4);
  Shape(
      cr,
      [](cairo_t* c) {
        PolygonPath(c, {{84, 24}, {116, 24}, {116, 10}, {144, 35}, {116, 60}, {116, 46}, {84, 46}});
      },
      {Hex(0xffd040), Hex(0xd08a10), Hex(0xfff3a0), true}, 4, 3);
}

void ContinueCursor(const Frame& f) {
  Shape(
      f.cr,
      [](cairo_t* c) {
        PolygonPath(c, {{2, 2}, {14, 10}, {2, 18}});
      },
      {Hex(0xffffff), Hex(0xb8b0d0), Hex(0xffffff), false}, 2, 1.5);
}

void StageClear(const Frame& f) {
  CentredLettering(f.cr, Typeface::Display, 30, 251, 27, "STAGE CLEAR", Hex(0xfffbe6),
                   Hex(0xffc83a), 3);
}

void Portrait(const Frame& f) {
  cairo_t* cr = f.cr;
  Shape(
      cr, [](cairo_t* c) { cairo_rectangle(c, 3, 3, 90, 90); }, Cloth(0x3b2a5a, 0x241738), 0, 3);
  cairo_save(cr);
  cairo_rectangle(cr, 4, 4, 88, 88);
  cairo_clip(cr);
  VerticalGradient(cr, 4, 4, 88, 88, {{0, Hex(0x4b3a7a)}, {1, Hex(0x241a40)}});
  // Her head and shoulders, enlarged from her standing frame.
  MomoSprite(cr, Role::Stance, 0, 4, {38, 345}, 1.9);
  cairo_restore(cr);
  cairo_set_line_width(cr, 3);
  SetRgb(cr, Hex(0xd8b45a));
  cairo_rectangle(cr, 3.5, 3.5, 89, 89);
  cairo_stroke(cr);
}

namespace {
void BarFrame(cairo_t* cr, double w, double h, double ix, double iy, double iw, double ih) {
  cairo_new_path(cr);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  cairo_rectangle(cr, ix, iy, iw, ih);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetRgb(cr, Hex(0xc9a24a));
  cairo_fill_preserve(cr);
  SetRgb(cr, kOutline);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  SetRgb(cr, Hex(0xfff0b0), 0.8);
  cairo_rectangle(cr, 1, 1, w - 2, 1);
  cairo_fill(cr);
}
}  // namespace

void BarBorder(const Frame& f) { BarFrame(f.cr, 206, 12, 3, 3, 200, 6); }

void BarBorderBoss(const Frame& f) {
  cairo_t* cr = f.cr;
  BarFrame(cr, 810, 16, 45, 4, 720, 8);
  // Crimson end caps with a gem.
  for (double x : {22.0, 788.0}) {
    Shape(
        cr,
        [x](cairo_t* c) {
          PolygonPath(c, {{x - 18, 8}, {x, 1}, {x + 18, 8}, {x, 15}});
        },
        Metal(0xb3243a, 0x701424, 0xff8a9a), 2, 1.2);
  }
}

void Highlight(const Frame& f) {
  const Rgb warm = Hex(0xfff8d8);
  HorizontalRamp(f.cr, 0, 2, 300, 24,
                 {{0, warm, 0}, {0.3, warm, 0.75}, {0.7, warm, 0.75}, {1, warm, 0}});
}

void GameTitle(const Frame& f) {
  cairo_t* cr = f.cr;
  const double cx = 400;
  // A sword behind the name, and a crescent moon.
  Glow(cr, {cx, 170}, 260, Hex(0xfff4d0), 0.35, 330, 120);
  Shape(
      cr,
      [cx](cairo_t* c) {
        PolygonPath(
            c,
            {{cx - 330, 168}, {cx + 300, 160}, {cx + 350, 170}, {cx + 300, 180}, {cx - 330, 174}});
      },
      Metal(0xdfe6f2, 0x8a93aa, 0xffffff), 2, 2);
  Shape(
      cr,
      [cx](cairo_t* c) {
        CapsulePath(c, {cx - 340, 142}, {cx - 340, 200}, 6, 6);
      },
      Metal(0xdcae3f, 0x9c7420, 0xfff0a8), 2, 2);
  Shape(
      cr,
      [cx](cairo_t* c) {
        CapsulePath(c, {cx - 345, 171}, {cx - 390, 171}, 5, 5);
      },
      Cloth(0x7a1a2c, 0x4a0e1a), 2, 2);
  CentredLettering(cr, Typeface::Display, 150, cx, 225, "Talvenne", Hex(0xfffdf2), Hex(0xf0a838),
                   10);
  CentredLettering(cr, Typeface::Serif, 30, cx, 285, "Moonlight over the Castle", Hex(0xffffff),
                   Hex(0xdcd4ff), 2);
}

void MakerSplash(const Frame& f) {
  cairo_t* cr = f.cr;
  // An emblem: a shard of pottery (an ostrakon) with a carved star.
  const Pt c = {120, 120};
  Shape(
      cr,
      [c](cairo_t* k) {
        const Pt pts[] = {c + Pt{-46, -30}, c + Pt{-8, -58}, c + Pt{44, -40},
                          c + Pt{52, 18},   c + Pt{12, 56},  c + Pt{-40, 40}};
        PolygonPath(k, pts, 6);
      },
      Cloth(0xc8673a, 0x8a3f1e), 6, 3);
  Flat(
      cr,
      [c](cairo_t* k) {
        for (int i = 0; i < 5; ++i) {
          const Pt a = c + Rotate({0, -30}, i * 72.0), b = c + Rotate({0, -11}, i * 72.0 + 36);
          if (i == 0)
            cairo_move_to(k, a.x, a.y);
          else
            cairo_line_to(k, a.x, a.y);
          cairo_line_to(k, b.x, b.y);
        }
        cairo_close_path(k);
      },
      Hex(0xfff1d8));
  PlainText(cr, Typeface::Display, 46, {190, 134}, "OSTRAKIN", Hex(0x2a1d3a));
  PlainText(cr, Typeface::Serif, 20, {194, 162}, "games made by hand", Hex(0x6a5a7a));
}

// ---- Title screen
// -----------------------------------------------------------------------------------

void TitleSky(const Frame& f) {
  VerticalGradient(
      f.cr, 0, 0, 1366, 768,
      {{0, Hex(0x2f6fd0)}, {0.45, Hex(0x7fc0f0)}, {0.75, Hex(0xd8eef8)}, {1, Hex(0xffe8c0)}});
}

void TitleSun(const Frame& f) {
  cairo_t* cr = f.cr;
  Glow(cr, {180, 180}, 178, Hex(0xfff0b0), 0.7);
  Glow(cr, {180, 180}, 110, Hex(0xffe080), 0.8);
  Flat(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {180, 180}, 62, 62);
      },
      Hex(0xfffbe8));
}

void TitleHills(const Frame& f) {
  cairo_t* cr = f.cr;
  // Far, middle and near hills; the sun sets behind the far ridge.
  Ridge(cr, 1366, 330, 110, 21, 1366, 468, Hex(0x8cc0a8));
  Ridge(cr, 1366, 390, 90, 22, 1366, 468, Hex(0x5fa86a));
  Ridge(cr, 1366, 445, 70, 23, 1366, 468, Hex(0x3f8a4a));
}

void TitleGreatCloud(const Frame& f) {
  cairo_t* cr = f.cr;
  Rng rng(5);
  // The flat base lies along the top edge and the billows swell away from it, tapering to
  // nothing at both ends so that overlapping copies blend.
  for (int pass = 0; pass < 2; ++pass) {
    Rng puffs = rng;
    for (int i = 0; i < 13; ++i) {
      const double t = (i + 0.5) / 13;
      const double x = 40 + t * 1160 + puffs.Uniform(-25, 25);
      const double r = (40 + 110 * std::pow(std::sin(kPi * t), 0.6)) * puffs.Uniform(0.8, 1.1);
      if (pass == 0)
        Flat(
            cr,
            [&](cairo_t* k) {
              EllipsePath(k, {x, r * 0.5 + 4}, r * 1.05, r * 0.9);
            },
            Hex(0xcadcee));
      else
        Flat(
            cr,
            [&](cairo_t* k) {
              EllipsePath(k, {x - 8, r * 0.42}, r * 0.95, r * 0.8);
            },
            Hex(0xffffff));
    }
  }
  // A soft base rather than a ruled line.
  FadeAlong(cr, {0, 0}, {0, 40}, {{0, 1}, {1, 0}});
}

void TitleCloud1(const Frame& f) {
  Rng rng(31);
  Cloud(f.cr, rng, {180, 100}, 320, 150, Hex(0xffffff), Hex(0xc8dcf0), 0.95, 6);
}
void TitleCloud2(const Frame& f) {
  Rng rng(32);
  Cloud(f.cr, rng, {150, 90}, 260, 130, Hex(0xffffff), Hex(0xc8dcf0), 0.95, 5);
}
void TitleCloud3(const Frame& f) {
  Rng rng(33);
  Cloud(f.cr, rng, {210, 112}, 380, 170, Hex(0xffffff), Hex(0xc8dcf0), 0.95, 7);
}

// ---- Map
// ----------------------------------------------------------------------------------------------

void Map(const Frame& f) {
  cairo_t* cr = f.cr;
  VerticalGradient(cr, 0, 0, 1366, 440, {{0, Hex(0x2a4a6a)}, {1, Hex(0x1a3350)}});
  // Parchment land with a noisy coast.
  cairo_new_path(cr);
  for (int i = 0; i <= 180; ++i) {
    const double a = 2 * kPi * i / 180;
    const double r = 1 + 0.12 * (Fbm(std::cos(a) * 2 + 3, std::sin(a) * 2 + 3, 77, 4) - 0.5) * 4;
    const Pt p = {683 + std::cos(a) * 560 * r, 220 + std::sin(a) * 185 * r};
    if (i == 0)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  cairo_close_path(cr);
  cairo_path_t* land = cairo_copy_path(cr);
  SetRgb(cr, Hex(0xe8d6a8));
  cairo_fill(cr);
  cairo_append_path(cr, land);
  SetRgb(cr, Hex(0x6a4a2a));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(land);
  // Forests and mountains.
  Rng rng(9);
  for (int i = 0; i < 26; ++i) {
    const Pt p = {rng.Uniform(220, 1140), rng.Uniform(80, 360)};
    if (std::fabs(p.y - 170) < 40 && p.x > 440 && p.x < 860) continue;
    if (i % 2) {
      Shape(
          cr,
          [p](cairo_t* k) {
            PolygonPath(k, {p + Pt{-16, 12}, p + Pt{0, -14}, p + Pt{16, 12}});
          },
          Cloth(0x9a8a72, 0x6f624e), 2, 1.5);
    } else {
      Shape(
          cr, [p](cairo_t* k) { EllipsePath(k, p, 10, 9); }, Cloth(0x5e8a4a, 0x3e6330), 2, 1.5);
    }
  }
  // The road of the journey (the legs of the map cutscenes) and the castles at its ends.
  SetRgb(cr, Hex(0xa0282a));
  cairo_set_line_width(cr, 4);
  const double dash[] = {10, 8};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_move_to(cr, 463, 150);
  cairo_line_to(cr, 570, 200);
  cairo_line_to(cr, 683, 135);
  cairo_line_to(cr, 833, 161);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  for (Pt c : {Pt{450, 140}, Pt{850, 160}}) {
    Shape(
        cr,
        [c](cairo_t* k) {
          PolygonPath(k, {c + Pt{-22, 12}, c + Pt{-22, -14}, c + Pt{-14, -14}, c + Pt{-14, -6},
                          c + Pt{-6, -6}, c + Pt{-6, -22}, c + Pt{6, -22}, c + Pt{6, -6},
                          c + Pt{14, -6}, c + Pt{14, -14}, c + Pt{22, -14}, c + Pt{22, 12}});
        },
        Cloth(0x8a7a8a, 0x5a4a5a), 2, 2);
  }
  PlainText(cr, Typeface::Serif, 28, {60, 410}, "Talvenne", Hex(0xe8d6a8));
}

void MapIcon(const Frame& f) {
  cairo_t* cr = f.cr;
  Shape(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {26, 24}, 20, 20);
      },
      Cloth(0xfff4e0, 0xd8c4a0), 3, 2.5);
  cairo_save(cr);
  cairo_arc(cr, 26, 24, 18, 0, 2 * kPi);
  cairo_clip(cr);
  MomoSprite(cr, Role::Stance, 0, 4, {26, 140}, 0.75);
  cairo_restore(cr);
  cairo_set_line_width(cr, 3);
  SetRgb(cr, Hex(0xc41f3b));
  cairo_arc(cr, 26, 24, 20, 0, 2 * kPi);
  cairo_stroke(cr);
}

void WindowIcon(const Frame& f) {
  cairo_t* cr = f.cr;
  Shape(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {32, 32}, 29, 29);
      },
      Cloth(0x2d2250, 0x1a1234), 4, 2.5);
  // A crescent moon crossed by her blade.
  Flat(
      cr,
      [](cairo_t* k) {
        cairo_arc(k, 32, 32, 20, 0, 2 * kPi);
        cairo_new_sub_path(k);
        cairo_arc_negative(k, 39, 27, 17, 2 * kPi, 0);
      },
      Hex(0xdfeaff));
  Shape(
      cr,
      [](cairo_t* k) {
        PolygonPath(k, {{12, 52}, {48, 14}, {54, 10}, {50, 17}, {15, 55}});
      },
      Metal(0xe6ebf5, 0x8d93a6, 0xffffff), 1.5, 1.5);
  Shape(
      cr,
      [](cairo_t* k) {
        CapsulePath(k, {11, 45}, {21, 55}, 3, 3);
      },
      Cloth(0xc41f3b, 0x83122a), 1, 1.5);
}

// ---- Cutscenes
// ------------------------------------------------------------------------------------

void SkillList(const Frame& f) {
  cairo_t* cr = f.cr;
  VerticalGradient(cr, 0, 0, 1366, 768, {{0, Hex(0x1c1430)}, {1, Hex(0x2e1f4a)}});
  Glow(cr, {683, 0}, 600, Hex(0x6a4aa0), 0.35, 700, 300);
  CentredLettering(cr, Typeface::Display, 52, 683, 78, "Skill List  -  Momo", Hex(0xffffff),
                   Hex(0xf7a8c8), 4);
  struct Move {
    const char* name;
    const char* input;
    Role role;
    int frame, frames;
  };
  static const Move moves[] = {
      {"Sword Combo", "Attack x4", Role::Attack1, 1, 4},
      {"Finishing Cut", "4th Attack", Role::Attack4, 3, 5},
      {"Dash", "Dash", Role::Dash, 1, 3},
      {"Dash Attack", "Dash, Attack", Role::DashAttack, 1, 3},
      {"Rising Slash", "Up + Attack", Role::UpAttack, 3, 6},
      {"Air Combo", "Jump, Attack x3", Role::JumpAttack1, 1, 4},
      {"Falling Dive", "4th air Attack", Role::JumpAttack4, 1, 2},
      {"Jump Kick", "In the air: Down + Attack", Role::JumpKick, 2, 4},
      {"Grab and Strike", "Run into a foe, Attack", Role::GrappleAttack2, 2, 4},
      {"Throw", "Grab, Left/Right + Attack", Role::Throw, 2, 6},
      {"Moon Slasher", "Magic  (12 MP)", Role::MoonSlasher, 3, 5},
      {"Eruption", "Up + Magic  (40 MP)", Role::Eruption, 0, 3},
      {"Psycho Sphere", "Down + Magic  (64 MP)", Role::PsychoSphere, 0, 3},
      {"Strike Through", "Dash, Magic  (36 MP)", Role::StrikeThrough, 1, 4},
  };
  const int cols = 7;
  for (int i = 0; i < 14; ++i) {
    const Move& m = moves[i];
    const double cx = 103 + (i % cols) * 193.0, top = 120 + (i / cols) * 310.0;
    Shape(
        cr, [&](cairo_t* k) { cairo_rectangle(k, cx - 88, top, 176, 290); },
        Cloth(0x3a2a5e, 0x2a1e46), 0, 2);
    Glow(cr, {cx, top + 195}, 70, Hex(0x8a6ad0), 0.3, 80, 18);
    cairo_save(cr);
    cairo_rectangle(cr, cx - 87, top + 1, 174, 288);
    cairo_clip(cr);
    MomoSprite(cr, m.role, m.frame, m.frames, {cx - 10, top + 215});
    cairo_restore(cr);
    CentredLettering(cr, Typeface::Serif, 20, cx, top + 246, m.name, Hex(0xffffff), Hex(0xf2d8ff),
                     1);
    const double w = TextWidth(cr, Typeface::Serif, 14, m.input);
    PlainText(cr, Typeface::Serif, 14, {cx - w / 2, top + 272}, m.input, Hex(0xffd86a));
  }
  PlainText(cr, Typeface::Serif, 18, {470, 748}, "Press Attack to begin", Hex(0xd8d0f0), 0.9);
}

void IntermissionArt(const Frame& f) {
  cairo_t* cr = f.cr;
  Glow(cr, {280, 420}, 300, Hex(0xffffff), 0.35, 260, 380);
  MomoSprite(cr, Role::Stance, 0, 4, {250, 760}, 3.9);
}

void GreenBackdrop(const Frame& f) {
  cairo_t* cr = f.cr;
  VerticalGradient(cr, 0, 0, 1366, 520,
                   {{0, Hex(0x0e3a22)}, {0.5, Hex(0x1f6a3a)}, {1, Hex(0x0e3a22)}});
  Rng rng(71);
  for (int i = 0; i < 14; ++i) {
    const double x = rng.Uniform(-200, 1366), w = rng.Uniform(30, 120);
    Flat(
        cr,
        [&](cairo_t* k) {
          PolygonPath(k, {{x, 0}, {x + w, 0}, {x + w + 200, 520}, {x + 200, 520}});
        },
        Hex(0x5fd088), rng.Uniform(0.05, 0.14));
  }
}

void MotionBlurGreen(const Frame& f) {
  cairo_t* cr = f.cr;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 600, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.6, 1, 0.7, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.7, 0.75, 1, 0.8, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.9, 1, 0.9, 0);
  cairo_set_source(cr, g);
  cairo_move_to(cr, 0, 20);
  cairo_curve_to(cr, 200, 8, 400, 8, 600, 20);
  cairo_curve_to(cr, 400, 32, 200, 32, 0, 20);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// ---- The castle at night
// ----------------------------------------------------------------------------

void CastleSky(const Frame& f) {
  cairo_t* cr = f.cr;
  VerticalGradient(
      cr, 0, 0, 1366, 1000,
      {{0, Hex(0x0c0b24)}, {0.45, Hex(0x231a4a)}, {0.75, Hex(0x4a2d66)}, {1, Hex(0x6a3a6a)}});
  StarField(cr, 3, 1366, 700, 260);
}

void WildernessMoon(const Frame& f) {
  cairo_t* cr = f.cr;
  Glow(cr, {200, 200}, 198, Hex(0xdfe8ff), 0.55);
  Flat(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {200, 200}, 120, 120);
      },
      Hex(0xf4f1e4));
  Rng rng(17);
  for (int i = 0; i < 9; ++i) {
    const Pt c = {200 + rng.Uniform(-80, 80), 200 + rng.Uniform(-80, 80)};
    if (Dist(c, {200, 200}) > 100) continue;
    Flat(
        cr, [&](cairo_t* k) { EllipsePath(k, c, rng.Uniform(8, 22), rng.Uniform(8, 20)); },
        Hex(0xd8d4c8), 0.8);
  }
  // Shade on the side away from the sun.
  cairo_save(cr);
  cairo_arc(cr, 200, 200, 120, 0, 2 * kPi);
  cairo_clip(cr);
  Flat(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {240, 225}, 125, 128);
      },
      Hex(0xb8b4c8), 0.35);
  cairo_restore(cr);
}

void CastleCloud(const Frame& f) {
  cairo_t* cr = f.cr;
  Rng rng(44);
  // Puffs stay clear of the picture's edges, so no copy shows a cut.
  for (int i = 0; i < 8; ++i) {
    const double t = (i + 0.5) / 8;
    const Pt c = {130 + t * 540 + rng.Uniform(-15, 15), 105 + rng.Uniform(-15, 15)};
    const double grow = 0.6 + 0.4 * std::sin(kPi * t);
    const double rx = rng.Uniform(70, 110) * grow, ry = rng.Uniform(28, 46) * grow;
    Flat(
        cr, [&](cairo_t* k) { EllipsePath(k, c, rx, ry); }, Hex(0x9a98b8), 0.55);
    Flat(
        cr,
        [&](cairo_t* k) {
          EllipsePath(k, c - Pt{6, 8}, rx * 0.8, ry * 0.6);
        },
        Hex(0xd8d8ec), 0.5);
  }
}

void CastleHill(const Frame& f) {
  cairo_t* cr = f.cr;
  Ridge(cr, 1000, 180, 150, 61, 900, 320, Hex(0x1e1838));
  Ridge(cr, 1000, 250, 80, 62, 900, 320, Hex(0x171230));
}

namespace {
// Tents of the burning camps on the second ground band: their spots, shared with the fires.
constexpr double kCampX[] = {140, 430, 700};

void Tent(cairo_t* cr, double x, double base) {
  Shape(
      cr,
      [=](cairo_t* k) {
        PolygonPath(k, {{x - 34, base}, {x, base - 44}, {x + 34, base}});
      },
      Cloth(0x3a2a3a, 0x261a28), 3, 1.5);
  Flat(
      cr,
      [=](cairo_t* k) {
        PolygonPath(k, {{x - 6, base}, {x, base - 20}, {x + 6, base}});
      },
      Hex(0x120c18));
}
}  // namespace

void CastleGround(const Frame& f) {
  cairo_t* cr = f.cr;
  Ridge(cr, 1000, 90, 60, 71, 900, 200, Hex(0x231a36));
  Rng rng(72);
  for (int i = 0; i < 14; ++i) {
    const double x = rng.Uniform(0, 1000), h = rng.Uniform(30, 60);
    const double base = 90 - 60 * Fbm(x / 900 * 4, 0.5, 71, 3, 4) + 4;
    Flat(
        cr,
        [=](cairo_t* k) {
          PolygonPath(k, {{x - h * 0.3, base}, {x, base - h}, {x + h * 0.3, base}});
        },
        Hex(0x1a1328));
  }
}

void CastleGround2(const Frame& f) {
  cairo_t* cr = f.cr;
  Ridge(cr, 1000, 120, 40, 81, 900, 200, Hex(0x2c2040));
  for (double x : kCampX) Tent(cr, x, 124 - 40 * Fbm(x / 900 * 4, 0.5, 81, 3, 4));
}

void CastleGroundFire(const Frame& f) {
  cairo_t* cr = f.cr;
  for (double x0 : kCampX) {
    const double base = 124 - 40 * Fbm(x0 / 900 * 4, 0.5, 81, 3, 4);
    const double x = x0 + 44;
    const double flick = f.index ? 1.0 : 0.0;
    Glow(cr, {x, base - 18}, 55, Hex(0xff7a2a), 0.45);
    Flat(
        cr,
        [=](cairo_t* k) {
          const Pt pts[] = {{x - 14, base},
                            {x - 12 + flick * 3, base - 22},
                            {x - 2 - flick * 4, base - 44 + flick * 6},
                            {x + 6, base - 26},
                            {x + 12 - flick * 2, base - 36 - flick * 4},
                            {x + 14, base}};
          SmoothClosedPath(k, pts, 6);
        },
        Hex(0xff8a2a), 0.95);
    Flat(
        cr,
        [=](cairo_t* k) {
          const Pt pts[] = {
              {x - 7, base}, {x - 3, base - 18 - flick * 4}, {x + 3, base - 10}, {x + 7, base}};
          SmoothClosedPath(k, pts, 4);
        },
        Hex(0xfff0a0), 0.95);
  }
}

void CastleWall(const Frame& f) {
  cairo_t* cr = f.cr;
  const Material stone = Cloth(0x3a3252, 0x282238);
  // The curtain wall with battlements, and towers with pointed roofs.
  Shape(
      cr,
      [](cairo_t* k) {
        cairo_move_to(k, 0, 320);
        cairo_line_to(k, 0, 170);
        for (int i = 0; i < 40; ++i) {
          const double x = i * 40.0;
          cairo_line_to(k, x, 170);
          cairo_line_to(k, x, 158);
          cairo_line_to(k, x + 22, 158);
          cairo_line_to(k, x + 22, 170);
        }
        cairo_line_to(k, 1600, 170);
        cairo_line_to(k, 1600, 320);
        cairo_close_path(k);
      },
      stone, 4, 2);
  for (double x : {120.0, 520.0, 900.0, 1300.0}) {
    const double w = 90, top = x == 520.0 ? 40 : 80;
    Shape(
        cr, [=](cairo_t* k) { cairo_rectangle(k, x - w / 2, top, w, 320 - top); }, stone, 5, 2);
    Shape(
        cr,
        [=](cairo_t* k) {
          PolygonPath(k, {{x - w / 2 - 8, top}, {x, top - 70}, {x + w / 2 + 8, top}});
        },
        Cloth(0x4a2a4a, 0x2e1a30), 4, 2);
    // Lit windows.
    for (double y = top + 30; y < 260; y += 60) {
      Glow(cr, {x, y + 10}, 16, Hex(0xffb050), 0.5);
      Flat(
          cr, [=](cairo_t* k) { cairo_rectangle(k, x - 5, y, 10, 20); }, Hex(0xffc870));
    }
  }
}

void CastleSmoke(const Frame& f) {
  Puff(f.cr, 55, {128, 128}, {50, 50}, 45, 75, Hex(0x6a6272), 0.45, 9);
}

void CastleFloor(const Frame& f) {
  cairo_t* cr = f.cr;
  // Rows of flagstones in perspective. Every row divides 840 evenly and a stone's colour
  // depends only on its place in the row, so the floor tiles seamlessly; the pattern is shifted
  // so that no joint falls on the tile's edge.
  const double rows[] = {0, 40, 88, 146, 212, 280};
  const int perRow[] = {14, 12, 10, 8, 7};
  constexpr double kShift = 17;
  for (int r = 0; r < 5; ++r) {
    const double y0 = rows[r], y1 = rows[r + 1];
    const double w = 840.0 / perRow[r];
    const double offset = kShift + (r % 2) * w * 0.5;
    const int n = perRow[r];
    for (int i = -2; i <= n + 1; ++i) {
      const double x0 = offset + i * w;
      Rng stoneRng(uint64_t(r) * 97 + uint64_t((i % n + n) % n));
      const Rgb base = Mix(Hex(0x4e4662), Hex(0x5e566e), stoneRng.Uniform(0, 1));
      Flat(
          cr, [=](cairo_t* k) { cairo_rectangle(k, x0, y0, w, y1 - y0); }, base);
      // Light on the upper-left edges, dark joints at the lower-right.
      Flat(
          cr, [=](cairo_t* k) { cairo_rectangle(k, x0 + 2, y0 + 2, w - 4, 3); }, Hex(0x7a7290),
          0.6);
      Flat(
          cr, [=](cairo_t* k) { cairo_rectangle(k, x0, y1 - 3, w, 3); }, Hex(0x241e30));
      Flat(
          cr, [=](cairo_t* k) { cairo_rectangle(k, x0 + w - 3, y0, 3, y1 - y0); }, Hex(0x241e30));
    }
  }
  // Moonlit sheen and grime that wrap around the tile edge.
  for (int y = 0; y < 280; y += 4) {
    for (int x = 0; x < 840; x += 4) {
      const double n = Fbm(x / 840.0 * 12, y / 60.0, 67, 3, 12);
      if (n < 0.55) continue;
      SetRgb(cr, Hex(0x1a1424), (n - 0.55) * 0.9);
      cairo_rectangle(cr, x, y, 4, 4);
      cairo_fill(cr);
    }
  }
}

void CastleLightPillar(const Frame& f) {
  cairo_t* cr = f.cr;
  const Rgb edge = Hex(0xc0d8ff), body = Hex(0xcce6ff), core = Hex(0xf2f8ff);
  HorizontalRamp(
      cr, 0, 0, 320, 480,
      {{0, edge, 0}, {0.35, body, 0.25}, {0.5, core, 0.6}, {0.65, body, 0.25}, {1, edge, 0}});
  // Fade in at the top so the beam seems to come from beyond the clouds.
  FadeAlong(cr, {0, 0}, {0, 480}, {{0, 0.9}, {0.3, 0}});
}

void CastleLightPillarGlow(const Frame& f) {
  Glow(f.cr, {160, 70}, 160, Hex(0xdfe8ff), 0.8, 158, 68);
}

}  // namespace art
