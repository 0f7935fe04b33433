#pragma once
// Drawing helpers shared by all the art: the frame a painter draws into, colours and materials,
// cel-shaded shapes with the dark outline, soft glows, and a small deterministic noise source.

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

namespace art {

// One frame of a strip. The painter draws in frame pixels (0,0 top-left); (hx, hy) is the
// frame's pivot, where characters stand and effects are centred.
struct Frame {
  cairo_t* cr;
  int index;  // 0 .. count - 1
  int count;
  int width;
  int height;
  double hx;
  double hy;
  // 0 for the first frame, 1 for the last (0 when there is one frame).
  double Progress() const { return count > 1 ? double(index) / (count - 1) : 0.0; }
  // Fraction of a looping cycle: frame i of n is i / n.
  double Cycle() const { return double(index) / count; }
};
using Painter = void (*)(const Frame&);

struct Rgb {
  double r, g, b;
};
constexpr Rgb Hex(uint32_t v) {
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);

// A flat colour with its one shade tone and, for shiny materials, a highlight.
struct Material {
  Rgb base;
  Rgb shade;
  Rgb light;
  bool shiny;
};
constexpr Material Cloth(uint32_t base, uint32_t shade) {
  return {Hex(base), Hex(shade), Hex(base), false};
}
constexpr Material Metal(uint32_t base, uint32_t shade, uint32_t light) {
  return {Hex(base), Hex(shade), Hex(light), true};
}

inline constexpr Rgb kOutline = Hex(0x1b1325);
inline constexpr double kOutlineWidth = 2.0;

struct Pt {
  double x, y;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }
Pt Lerp(Pt a, Pt b, double t);
double Dist(Pt a, Pt b);
// Unit vector at `degrees` measured from straight down, positive turning forward (+x).
Pt Down(double degrees);
// Rotates v clockwise on screen (y grows downward) by `degrees`.
Pt Rotate(Pt v, double degrees);

void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);

// Builds a path into the context; used so a shape can be filled, shaded and outlined.
using PathFn = std::function<void(cairo_t*)>;

// Fills the shape with the material's base colour, a shade band on the side away from the
// upper-left light (and a highlight rim for shiny materials), then strokes the outline.
void Shape(cairo_t* cr, const PathFn& path, const Material& m, double shadeDepth = 3.0,
           double outline = kOutlineWidth);
// A flat fill without shading or outline.
void Flat(cairo_t* cr, const PathFn& path, Rgb c, double alpha = 1.0);

// Path pieces.
void CapsulePath(cairo_t* cr, Pt a, Pt b, double ra, double rb);
void PolygonPath(cairo_t* cr, std::initializer_list<Pt> pts);
void PolygonPath(cairo_t* cr, const Pt* pts, int n);
void EllipsePath(cairo_t* cr, Pt c, double rx, double ry, double degrees = 0);
// A closed smooth curve through the points (Catmull-Rom turned into Béziers).
void SmoothClosedPath(cairo_t* cr, const Pt* pts, int n);

// A radial glow: `core` at the centre fading to transparent `edge` at radius r.
void Glow(cairo_t* cr, Pt c, double r, Rgb color, double alpha, double rx = 0, double ry = 0);

// A soft cloud of `count` overlapping glows scattered around `centre` (dust, smoke).
void Puff(cairo_t* cr, uint64_t seed, Pt centre, Pt spread, double rMin, double rMax, Rgb color,
          double alpha, int count);
// Erases the picture along a linear ramp from (x0, y0) to (x1, y1): each stop gives how much
// is erased there (1 all, 0 nothing).
void FadeAlong(cairo_t* cr, Pt from, Pt to, std::initializer_list<std::pair<double, double>> stops);

// Deterministic noise: every picture draws from its own fixed seed.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint64_t Next();
  double Uniform(double lo = 0, double hi = 1);

 private:
  uint64_t state_;
};
// Smooth value noise in [0, 1], periodic in x with `period` (so tiles join seamlessly).
double ValueNoise(double x, double y, int seed, int period = 0);
double Fbm(double x, double y, int seed, int octaves, int period = 0);

// Text along the font faces the game also ships (League Spartan Bold, Prociono).
enum class Typeface { Display, Serif };
void TextPath(cairo_t* cr, Typeface face, double size, Pt origin, const char* text);
double TextWidth(cairo_t* cr, Typeface face, double size, const char* text);

}  // namespace art
