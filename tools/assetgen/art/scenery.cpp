// Backgrounds, the title screen, the interface pieces, the map and the skill list.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>

#include "art/art.h"
#include "art/portrait.h"

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

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
  cairo_close_path(cr);
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
  // A notched silver arrowhead with a crimson core, pointing at the choice beside it; the
  // same silver and crimson as the portrait's rim.
  cairo_t* cr = f.cr;
  Shape(
      cr,
      [](cairo_t* c) {
        PolygonPath(c, {{1.5, 2}, {14.5, 10}, {1.5, 18}, {5, 10}});
      },
      Metal(0xe8ecf4, 0x8d93a6, 0xffffff), 1.5, 1.5);
  Flat(
      cr,
      [](cairo_t* c) {
        PolygonPath(c, {{5.5, 7}, {10.5, 10}, {5.5, 13}, {7, 10}});
      },
      Hex(0xc41f3b));
}

void StageClear(const Frame& f) {
  CentredLettering(f.cr, Typeface::Display, 30, 251, 27, "STAGE CLEAR", Hex(0xfffbe6),
                   Hex(0xffc83a), 3);
}

void Portrait(const Frame& f) {
  cairo_t* cr = f.cr;
  // A framed medallion: a moonlit violet backdrop, her head and shoulders, a silver-and-crimson
  // rim that holds against the night castle.
  cairo_new_path(cr);
  RoundedRectPath(cr, 3, 3, 90, 90, 12);
  cairo_path_t* frame = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 3, 0, 93);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.33, 0.27, 0.56);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.13, 0.09, 0.25);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, frame);
  cairo_clip(cr);
  Glow(cr, {30, 26}, 46, Hex(0xdfe8ff), 0.55);
  Flat(
      cr,
      [](cairo_t* k) {
        EllipsePath(k, {24, 22}, 15, 15);
      },
      Hex(0xeef2ff), 0.35);
  cairo_translate(cr, 52, 43);
  cairo_scale(cr, 0.47, 0.47);
  MomoHead(cr, 4.2, true);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, frame);
  SetRgb(cr, kOutline);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Hex(0xd9dfea));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Hex(0xffffff), 0.9);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_path_destroy(frame);
  // Crimson gems at the corners.
  for (Pt c : {Pt{6, 6}, Pt{90, 6}, Pt{6, 90}, Pt{90, 90}})
    Shape(
        cr,
        [c](cairo_t* k) {
          PolygonPath(k, {c + Pt{0, -4.5}, c + Pt{4.5, 0}, c + Pt{0, 4.5}, c + Pt{-4.5, 0}});
        },
        Metal(0xc41f3b, 0x83122a, 0xff9aac), 1.2, 1.2);
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
  // Amber, so that the title's black labels and the options' white ones both read on it.
  const Rgb warm = Hex(0xe8a640);
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

// The screens behind the title (options, credits, the configuration screens): the title's sky
// after sunset, hills gone dark, and a thin gold frame, so white text reads anywhere on it.
void MenuBackdrop(const Frame& f) {
  cairo_t* cr = f.cr;
  constexpr double w = 1366, h = 768;
  VerticalGradient(
      cr, 0, 0, w, h,
      {{0, Hex(0x141a3c)}, {0.55, Hex(0x2a2458)}, {0.85, Hex(0x4a2f62)}, {1, Hex(0x6a3a5c)}});
  StarField(cr, 41, w, h * 0.6, 160);
  // The last light of the sun low on the right, behind the hills.
  Glow(cr, {w / 2 + 167, h - 120}, 420, Hex(0xff9a6a), 0.28, 520, 200);
  Ridge(cr, w, h - 170, 60, 42, w, h, Hex(0x2a2448));
  Ridge(cr, w, h - 110, 45, 43, w, h, Hex(0x1c1a34));
  // A darker field in the middle keeps the menus calm.
  Glow(cr, {w / 2, h / 2 - 20}, 480, Hex(0x0c0a1c), 0.45, 520, 340);
  // The frame: a fine gold line inside a darker one, with a diamond at each corner.
  const Rgb gold = Hex(0xd8b25a);
  for (const auto& [inset, c, width] :
       {std::tuple{22.0, Hex(0x0c0a1c), 6.0}, std::tuple{22.0, gold, 1.5},
        std::tuple{30.0, Mix(gold, Hex(0x2a2458), 0.45), 1.0}}) {
    cairo_rectangle(cr, inset, inset, w - 2 * inset, h - 2 * inset);
    SetRgb(cr, c, 0.9);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
  }
  for (const Pt corner : {Pt{22, 22}, Pt{w - 22, 22}, Pt{22, h - 22}, Pt{w - 22, h - 22}}) {
    Shape(
        cr,
        [corner](cairo_t* k) {
          PolygonPath(
              k, {corner + Pt{0, -9}, corner + Pt{9, 0}, corner + Pt{0, 9}, corner + Pt{-9, 0}});
        },
        Metal(0xdcae3f, 0x9c7420, 0xfff0a8), 1.5, 1.5);
  }
}

// The plate behind one row of a configuration screen: a dark glassy band whose ends fade out,
// with a gold hairline underneath.
void ConfigRow(const Frame& f) {
  cairo_t* cr = f.cr;
  const Rgb deep = Hex(0x0c0a1c);
  HorizontalRamp(cr, 0, 2, 760, 34,
                 {{0, deep, 0}, {0.12, deep, 0.55}, {0.88, deep, 0.55}, {1, deep, 0}});
  const Rgb gold = Hex(0xd8b25a);
  HorizontalRamp(cr, 0, 36, 760, 1.5,
                 {{0, gold, 0}, {0.2, gold, 0.7}, {0.8, gold, 0.7}, {1, gold, 0}});
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
  // The base thins out slowly, each column over its own depth, instead of stopping on a ruled
  // line: where the rows of the title sky meet (the upper rows base to base, the lower row's
  // base across them) the bands melt into one another with no straight edge to catch the eye.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  constexpr double kColumn = 2;
  for (double x = 0; x < 1240; x += kColumn) {
    const double depth = 110 + 80 * Fbm(x / 180, 0.3, 9, 3);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, depth);
    for (double t = 0; t <= 1.0001; t += 0.125) {
      const double keep = t * t * (3 - 2 * t);  // smoothstep: no crease where the fade ends
      cairo_pattern_add_color_stop_rgba(g, t, 0, 0, 0, 1 - keep);
    }
    cairo_set_source(cr, g);
    cairo_rectangle(cr, x, 0, kColumn, depth);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_restore(cr);
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

namespace {

// Where a figure's opaque pixels lie, relative to its pivot.
struct Extent {
  double x0, y0, x1, y1;
};

// Paints one frame of a strip on a scratch canvas and finds the box of what it drew, so the
// frame can be scaled and centred wherever it is shown.
Extent MeasureActor(Kind kind, Role role, int index, int count) {
  constexpr int kW = 1000, kH = 900, kPx = 500, kPy = 640;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kW, kH);
  cairo_t* cr = cairo_create(surface);
  PaintActor({cr, index, count, kW, kH, double(kPx), double(kPy)}, kind, role);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  int x0 = kW, y0 = kH, x1 = -1, y1 = -1;
  for (int y = 0; y < kH; ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < kW; ++x)
      if ((line[x] >> 24) > 16) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
      }
  }
  cairo_surface_destroy(surface);
  if (x1 < 0) return {-1, -1, 1, 1};
  return {double(x0 - kPx), double(y0 - kPy), double(x1 + 1 - kPx), double(y1 + 1 - kPy)};
}

// Draws the frame scaled to fit the box (never larger than `maxScale`) and centred in it.
void ActorInBox(cairo_t* cr, Kind kind, Role role, int index, int count, double bx, double by,
                double bw, double bh, double maxScale) {
  const Extent e = MeasureActor(kind, role, index, count);
  const double w = e.x1 - e.x0, h = e.y1 - e.y0;
  const double s = std::min({maxScale, bw / w, bh / h});
  cairo_save(cr);
  cairo_translate(cr, bx + bw / 2, by + bh / 2);
  cairo_scale(cr, s, s);
  cairo_translate(cr, -(e.x0 + e.x1) / 2, -(e.y0 + e.y1) / 2);
  PaintActor({cr, index, count, 1000, 900, 0, 0}, kind, role);
  cairo_restore(cr);
}

// Inputs are written as text with buttons and directions in braces: {A} Attack, {M} Magic,
// {J} Jump, {D} Dash, {U} Up, {N} Down, {F} toward the way she faces, {B} away from it.
constexpr double kChipH = 22;
constexpr double kInputSize = 14;
const Rgb kInputText = Hex(0xe4dcf8);

struct ButtonChip {
  char key;
  const char* label;
  Rgb fill;
};
constexpr ButtonChip kButtons[] = {
    {'A', "Attack", Hex(0xc8283f)},
    {'M', "Magic", Hex(0x7a44d8)},
    {'J', "Jump", Hex(0x2e9a62)},
    {'D', "Dash", Hex(0x2c6cc8)},
};

// Draws one chip with its left edge at x, centred on the line at cy; returns its width.
double Chip(cairo_t* cr, char key, double x, double cy, bool draw) {
  for (const ButtonChip& b : kButtons) {
    if (b.key != key) continue;
    const double tw = TextWidth(cr, Typeface::Display, 13, b.label);
    const double w = tw + 16;
    if (draw) {
      cairo_new_path(cr);
      RoundedRectPath(cr, x, cy - kChipH / 2, w, kChipH, 6);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - kChipH / 2, 0, cy + kChipH / 2);
      const Rgb top = Mix(b.fill, Hex(0xffffff), 0.25);
      cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
      cairo_pattern_add_color_stop_rgb(g, 1, b.fill.r, b.fill.g, b.fill.b);
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      SetRgb(cr, kOutline);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      PlainText(cr, Typeface::Display, 13, {x + 8, cy + 5}, b.label, Hex(0xffffff));
    }
    return w;
  }
  // A direction: a square key with an arrow.
  const double w = kChipH;
  if (draw) {
    cairo_new_path(cr);
    RoundedRectPath(cr, x, cy - kChipH / 2, w, kChipH, 5);
    SetRgb(cr, Hex(0xeae4f6));
    cairo_fill_preserve(cr);
    SetRgb(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const double deg = key == 'U' ? 0 : key == 'N' ? 180 : key == 'F' ? 90 : 270;
    const Pt c = {x + w / 2, cy};
    const Pt tip = c + Rotate({0, -7}, deg), l = c + Rotate({-6, 1}, deg),
             r = c + Rotate({6, 1}, deg);
    const Pt sl = c + Rotate({-2.2, 0}, deg), sr = c + Rotate({2.2, 0}, deg);
    const Pt tl = c + Rotate({-2.2, 7}, deg), tr = c + Rotate({2.2, 7}, deg);
    Flat(
        cr,
        [&](cairo_t* k) {
          PolygonPath(k, {tip, r, sr, tr, tl, sl, l});
        },
        Hex(0x2a2040));
  }
  return w;
}

// One line of input: plain words and chips, left-aligned at x, centred on cy. Returns its width.
double InputLine(cairo_t* cr, const std::string& line, double x, double cy, bool draw = true) {
  double at = x;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == '{' && i + 2 < line.size() && line[i + 2] == '}') {
      at += Chip(cr, line[i + 1], at, cy, draw) + 3;
      i += 3;
      continue;
    }
    const size_t next = line.find('{', i);
    const std::string word =
        line.substr(i, next == std::string::npos ? std::string::npos : next - i);
    const double w = TextWidth(cr, Typeface::Display, kInputSize, word.c_str());
    if (draw) PlainText(cr, Typeface::Display, kInputSize, {at, cy + 5}, word.c_str(), kInputText);
    at += w;
    i = next == std::string::npos ? line.size() : next;
  }
  return at - x;
}

struct Move {
  const char* name;
  const char* input;  // lines separated by '\n'
  int mana;           // 0: costs nothing
  Kind kind;
  Role role;
  int frame, frames;
};

void MoveCard(cairo_t* cr, const Move& m, double x, double y, double w, double h, Rgb accent) {
  // The card: a dark panel with a lit top edge.
  cairo_new_path(cr);
  RoundedRectPath(cr, x, y, w, h, 10);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.20, 0.15, 0.33);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.12, 0.09, 0.21);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetRgb(cr, kOutline);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  SetRgb(cr, Mix(accent, Hex(0x1b1325), 0.35));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // The figure sits on a moonlit spot at the left.
  const double fw = h * 0.78, pad = 7;
  cairo_save(cr);
  cairo_new_path(cr);
  RoundedRectPath(cr, x + pad, y + pad, fw, h - 2 * pad, 7);
  cairo_clip_preserve(cr);
  SetRgb(cr, Hex(0x0f0b1c), 0.55);
  cairo_fill(cr);
  Glow(cr, {x + pad + fw / 2, y + h * 0.55}, fw * 0.6, accent, 0.28);
  Flat(
      cr,
      [&](cairo_t* k) {
        EllipsePath(k, {x + pad + fw / 2, y + h - pad - 9}, fw * 0.36, 5);
      },
      Hex(0x000000), 0.35);
  const bool mounted = m.kind == Kind::MomoDracon;
  ActorInBox(cr, m.kind, m.role, m.frame, m.frames, x + pad + 4, y + pad + 4, fw - 8,
             h - 2 * pad - 8, mounted ? 0.5 : 0.72);
  cairo_restore(cr);
  // Name, then the input lines.
  const double tx = x + pad + fw + 10, tw = x + w - tx - 8;
  double size = 19;
  while (size > 13 && TextWidth(cr, Typeface::Display, size, m.name) > tw) size -= 1;
  PlainText(cr, Typeface::Display, size, {tx, y + 30}, m.name, Hex(0xfff6fb));
  Flat(
      cr, [&](cairo_t* k) { cairo_rectangle(k, tx, y + 38, std::min(tw, 60.0), 2); }, accent, 0.9);
  std::string lines = m.input;
  double cy = y + 58;
  size_t start = 0;
  while (start <= lines.size()) {
    const size_t nl = lines.find('\n', start);
    const std::string line =
        lines.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    // A line too long for the card is drawn smaller rather than cut.
    const double lw = InputLine(cr, line, 0, 0, false);
    cairo_save(cr);
    cairo_translate(cr, tx, cy);
    if (lw > tw) cairo_scale(cr, tw / lw, tw / lw);
    InputLine(cr, line, 0, 0);
    cairo_restore(cr);
    cy += kChipH + 5;
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  if (m.mana > 0) {
    const std::string cost = std::to_string(m.mana) + " MP";
    const double cw = TextWidth(cr, Typeface::Display, 13, cost.c_str()) + 14;
    const double bx = x + w - cw - 9, by = y + h - 29;
    cairo_new_path(cr);
    RoundedRectPath(cr, bx, by, cw, 20, 10);
    SetRgb(cr, Hex(0x2a1f5a));
    cairo_fill_preserve(cr);
    SetRgb(cr, Hex(0x8fb0ff));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    PlainText(cr, Typeface::Display, 13, {bx + 7, by + 15}, cost.c_str(), Hex(0xbcd4ff));
  }
}

}  // namespace

void SkillList(const Frame& f) {
  cairo_t* cr = f.cr;
  // Night sky behind the list, a moon glow over the title.
  VerticalGradient(cr, 0, 0, 1366, 768,
                   {{0, Hex(0x151028)}, {0.55, Hex(0x21183c)}, {1, Hex(0x2b1d45)}});
  StarField(cr, 12, 1366, 420, 120);
  Glow(cr, {300, 20}, 420, Hex(0x7a5ac0), 0.3, 520, 140);

  constexpr double kMargin = 32, kGap = 12;
  // Title.
  Lettering(cr, Typeface::Display, 46, {kMargin, 60}, "Momo", Hex(0xffd6e8), Hex(0xf07aa8), 4);
  const double mw = TextWidth(cr, Typeface::Display, 46, "Momo");
  Lettering(cr, Typeface::Display, 30, {kMargin + mw + 18, 58}, "Skill List", Hex(0xffffff),
            Hex(0xd8ccf4), 3);
  // What the keys mean, at the right of the title.
  {
    const std::string legend = "{F} toward the foe   {B} away from it";
    const double w = InputLine(cr, legend, 0, 0, false);
    InputLine(cr, legend, 1366 - kMargin - w, 44);
  }
  Flat(
      cr, [](cairo_t* k) { cairo_rectangle(k, kMargin, 74, 1366 - 2 * kMargin, 2); }, Hex(0x8a70c8),
      0.6);

  static const Move kOnFoot[] = {
      {"Sword Combo", "{A} ×4", 0, Kind::Momo, Role::Attack4, 2, 5},
      {"Dash", "{D}\nor tap {F} twice", 0, Kind::Momo, Role::Dash, 1, 3},
      {"Dash Attack", "{D}\nthen {A}", 0, Kind::Momo, Role::DashAttack, 0, 3},
      {"Rising Slash", "{U} + {A}\nalso once per jump", 0, Kind::Momo, Role::UpAttack, 1, 6},
      {"Plane Switch", "{U} {U}  or  {N} {N}\n{U} / {N} + {D}", 0, Kind::Momo, Role::PlaneSwitch, 1,
       3},
      {"Jump Attacks", "{J}\nthen {A} ×3", 0, Kind::Momo, Role::JumpAttack1, 1, 4},
      {"Spinning Dive", "in the air,\na 4th {A}", 0, Kind::Momo, Role::JumpAttack4, 1, 2},
      {"Jump Kick", "in the air:\n{N} + {A}", 0, Kind::Momo, Role::JumpKick, 3, 4},
      {"Grapple", "run into a foe,\nthen {A} ×3", 0, Kind::Momo, Role::GrappleAttack2, 2, 4},
      {"Front Throw", "holding a foe:\n{F} + {A}", 0, Kind::Momo, Role::ThrowFront, 1, 4},
      {"Back Throw", "holding a foe:\n{B} + {A}", 0, Kind::Momo, Role::Throw, 3, 6},
      {"Moon Slasher", "{M}\nalso in the air", 12, Kind::Momo, Role::MoonSlasher, 3, 5},
      {"Eruption", "{U} + {M}", 40, Kind::Momo, Role::Eruption, 0, 3},
      {"Psychic Sphere", "{N} + {M}\nalso in the air", 64, Kind::Momo, Role::PsychoSpherePrepare, 4,
       5},
      {"Strike-Through", "{D}\nthen {M}", 36, Kind::Momo, Role::StrikeThrough, 0, 4},
  };
  static const Move kRiding[] = {
      {"Mount", "beside a waiting\ndragon:\n{N} + {J}", 0, Kind::MomoDracon, Role::Stand, 0, 3},
      {"Dragon Strikes", "{A} {A}", 0, Kind::MomoDracon, Role::Attack1, 0, 3},
      {"Fire Breath", "{M}", 24, Kind::MomoDracon, Role::Fireball, 0, 3},
      {"Charge", "{D}\nthen {A}", 0, Kind::MomoDracon, Role::Dash, 0, 3},
      {"Air Attacks", "after {J}:\n{A} strike\n{M} breath, 24 MP", 0, Kind::MomoDracon,
       Role::JumpFireball, 0, 3},
  };
  const int cols = 5;
  const double cw = (1366 - 2 * kMargin - (cols - 1) * kGap) / cols, ch = 144;
  const Rgb moon = Hex(0x9ab8ff), ember = Hex(0xff9a5a);
  double top = 88;
  for (int i = 0; i < 15; ++i)
    MoveCard(cr, kOnFoot[i], kMargin + (i % cols) * (cw + kGap), top + (i / cols) * (ch + kGap), cw,
             ch, moon);
  top += 3 * (ch + kGap);
  // The dragon's section.
  PlainText(cr, Typeface::Display, 18, {kMargin, top + 18}, "Riding the Dragon", Hex(0xffc89a));
  const double lw = TextWidth(cr, Typeface::Display, 18, "Riding the Dragon");
  Flat(
      cr,
      [&](cairo_t* k) {
        cairo_rectangle(k, kMargin + lw + 14, top + 11, 1366 - 2 * kMargin - lw - 14, 1.5);
      },
      Hex(0xffc89a), 0.5);
  top += 28;
  for (int i = 0; i < 5; ++i)
    MoveCard(cr, kRiding[i], kMargin + i * (cw + kGap), top, cw, ch + 6, ember);
  // How to go on: the list waits for Attack.
  {
    const std::string footer = "Press {A} to begin";
    const double w = InputLine(cr, footer, 0, 0, false);
    InputLine(cr, footer, 683 - w / 2, 752);
  }
}

void IntermissionArt(const Frame& f) { MomoIllustration(f.cr); }

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
