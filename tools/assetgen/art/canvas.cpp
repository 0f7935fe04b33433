#include "art/canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "font_sources.h"

namespace art {

namespace {
constexpr double kPi = 3.14159265358979323846;
double Rad(double degrees) { return degrees * kPi / 180.0; }
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Pt Lerp(Pt a, Pt b, double t) { return a + (b - a) * t; }
double Dist(Pt a, Pt b) { return std::hypot(a.x - b.x, a.y - b.y); }
Pt Down(double degrees) { return {std::sin(Rad(degrees)), std::cos(Rad(degrees))}; }
Pt Rotate(Pt v, double degrees) {
  const double c = std::cos(Rad(degrees)), s = std::sin(Rad(degrees));
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

void SetRgb(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void Shape(cairo_t* cr, const PathFn& path, const Material& m, double shadeDepth, double outline) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_path_t* p = cairo_copy_path(cr);
  // Shade everywhere, then the base colour shifted toward the light covers all but the far rim.
  SetRgb(cr, m.shade);
  cairo_fill_preserve(cr);
  cairo_save(cr);  // the clip to the shape must not outlive the shading
  cairo_clip(cr);
  cairo_save(cr);
  cairo_translate(cr, -shadeDepth, -shadeDepth);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  SetRgb(cr, m.base);
  cairo_fill(cr);
  cairo_restore(cr);
  if (m.shiny) {
    // Highlight: the rim facing the light, the shape minus itself moved away from the light.
    cairo_new_path(cr);
    cairo_append_path(cr, p);
    cairo_save(cr);
    cairo_translate(cr, shadeDepth * 0.7, shadeDepth * 0.7);
    cairo_append_path(cr, p);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetRgb(cr, m.light);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  if (outline > 0) {
    cairo_new_path(cr);
    cairo_append_path(cr, p);
    SetRgb(cr, kOutline);
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  cairo_path_destroy(p);
  cairo_restore(cr);
}

void Flat(cairo_t* cr, const PathFn& path, Rgb c, double alpha) {
  cairo_new_path(cr);
  path(cr);
  SetRgb(cr, c, alpha);
  cairo_fill(cr);
}

void CapsulePath(cairo_t* cr, Pt a, Pt b, double ra, double rb) {
  const double d = Dist(a, b);
  if (d < 1e-6 || d <= std::fabs(ra - rb)) {
    const Pt c = ra > rb ? a : b;
    cairo_new_sub_path(cr);
    cairo_arc(cr, c.x, c.y, std::max(ra, rb), 0, 2 * kPi);
    return;
  }
  // Outer tangents of the two end circles.
  const double base = std::atan2(b.y - a.y, b.x - a.x);
  const double off = std::acos((ra - rb) / d);
  cairo_new_sub_path(cr);
  cairo_arc(cr, a.x, a.y, ra, base + off, base - off + 2 * kPi);
  cairo_arc(cr, b.x, b.y, rb, base - off, base + off);
  cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, const Pt* pts, int n) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < n; ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
  cairo_close_path(cr);
}
void PolygonPath(cairo_t* cr, std::initializer_list<Pt> pts) {
  PolygonPath(cr, pts.begin(), static_cast<int>(pts.size()));
}

void EllipsePath(cairo_t* cr, Pt c, double rx, double ry, double degrees) {
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, Rad(degrees));
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void SmoothClosedPath(cairo_t* cr, const Pt* pts, int n) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, pts[0].x, pts[0].y);
  for (int i = 0; i < n; ++i) {
    const Pt p0 = pts[(i + n - 1) % n], p1 = pts[i], p2 = pts[(i + 1) % n], p3 = pts[(i + 2) % n];
    const Pt c1 = p1 + (p2 - p0) * (1.0 / 6), c2 = p2 - (p3 - p1) * (1.0 / 6);
    cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, p2.x, p2.y);
  }
  cairo_close_path(cr);
}

void Glow(cairo_t* cr, Pt c, double r, Rgb color, double alpha, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  if (rx > 0 && ry > 0) cairo_scale(cr, rx / r, ry / r);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, r);
  cairo_pattern_add_color_stop_rgba(g, 0, color.r, color.g, color.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.45, color.r, color.g, color.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, color.r, color.g, color.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Puff(cairo_t* cr, uint64_t seed, Pt centre, Pt spread, double rMin, double rMax, Rgb color,
          double alpha, int count) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const Pt c = centre + Pt{rng.Uniform(-spread.x, spread.x), rng.Uniform(-spread.y, spread.y)};
    Glow(cr, c, rng.Uniform(rMin, rMax), color, alpha);
  }
}

void FadeAlong(cairo_t* cr, Pt from, Pt to,
               std::initializer_list<std::pair<double, double>> stops) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_pattern_t* g = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
  for (const auto& [at, erase] : stops) cairo_pattern_add_color_stop_rgba(g, at, 0, 0, 0, erase);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

uint64_t Rng::Next() {
  // splitmix64: tiny, fast and the same on every machine.
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
double Rng::Uniform(double lo, double hi) {
  return lo + (hi - lo) * double(Next() >> 11) * (1.0 / 9007199254740992.0);
}

namespace {
double Lattice(int x, int y, int seed) {
  uint64_t h = uint64_t(uint32_t(x)) * 0x9E3779B1ull ^ uint64_t(uint32_t(y)) * 0x85EBCA77ull ^
               uint64_t(uint32_t(seed)) * 0xC2B2AE3Dull;
  h ^= h >> 15;
  h *= 0x2C1B3C6Dull;
  h ^= h >> 12;
  h *= 0x297A2D39ull;
  h ^= h >> 15;
  return double(h & 0xFFFFFF) / double(0xFFFFFF);
}
double Smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

double ValueNoise(double x, double y, int seed, int period) {
  const double fx = std::floor(x), fy = std::floor(y);
  int x0 = int(fx), y0 = int(fy);
  int x1 = x0 + 1;
  if (period > 0) {
    x0 = ((x0 % period) + period) % period;
    x1 = ((x1 % period) + period) % period;
  }
  const double tx = Smooth(x - fx), ty = Smooth(y - fy);
  const double a = Lattice(x0, y0, seed), b = Lattice(x1, y0, seed);
  const double c = Lattice(x0, y0 + 1, seed), d = Lattice(x1, y0 + 1, seed);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double Fbm(double x, double y, int seed, int octaves, int period) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * ValueNoise(x, y, seed + o * 101, period);
    norm += amp;
    amp *= 0.5;
    x *= 2;
    y *= 2;
    if (period > 0) period *= 2;
  }
  return sum / norm;
}

namespace {
struct Faces {
  FT_Library library = nullptr;
  cairo_font_face_t* display = nullptr;
  cairo_font_face_t* serif = nullptr;
};

cairo_font_face_t* OpenFace(FT_Library lib, const char* path) {
  FT_Face face = nullptr;
  if (FT_New_Face(lib, path, 0, &face) != 0) {
    std::fprintf(stderr, "assetgen: cannot open font %s\n", path);
    std::exit(1);
  }
  return cairo_ft_font_face_create_for_ft_face(face, 0);
}

const Faces& GetFaces() {
  static Faces faces;
  static std::once_flag once;
  std::call_once(once, [] {
    FT_Init_FreeType(&faces.library);
    faces.display = OpenFace(faces.library, fonts::kSpartanBold);
    faces.serif = OpenFace(faces.library, fonts::kProciono);
  });
  return faces;
}

// FreeType faces are not safe to share between threads; cairo locks them while it lays out
// glyphs, and this lock covers the rest.
std::mutex& TextMutex() {
  static std::mutex m;
  return m;
}

void SelectFace(cairo_t* cr, Typeface face, double size) {
  const Faces& f = GetFaces();
  cairo_set_font_face(cr, face == Typeface::Display ? f.display : f.serif);
  cairo_set_font_size(cr, size);
}
}  // namespace

void TextPath(cairo_t* cr, Typeface face, double size, Pt origin, const char* text) {
  std::lock_guard<std::mutex> lock(TextMutex());
  SelectFace(cr, face, size);
  cairo_move_to(cr, origin.x, origin.y);
  cairo_text_path(cr, text);
}

double TextWidth(cairo_t* cr, Typeface face, double size, const char* text) {
  std::lock_guard<std::mutex> lock(TextMutex());
  SelectFace(cr, face, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text, &ext);
  return ext.x_advance;
}

}  // namespace art
