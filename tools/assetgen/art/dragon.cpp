#include "art/dragon.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr Material kScales = {Hex(0x3f7d68), Hex(0x275748), Hex(0x6fb79a), false};
constexpr Material kScalesFar = {Hex(0x2f6353), Hex(0x1d4338), Hex(0x2f6353), false};
constexpr Material kBelly = {Hex(0xe0cf9e), Hex(0xb09a68), Hex(0xe0cf9e), false};
constexpr Material kMembrane = {Hex(0x8a3a52), Hex(0x5e2338), Hex(0x8a3a52), false};
constexpr Material kHorn = {Hex(0xeee4c8), Hex(0xb8a886), Hex(0xffffff), false};
constexpr Material kLeather = {Hex(0x7a4226), Hex(0x532b17), Hex(0x7a4226), false};
constexpr Material kGold = {Hex(0xe0b443), Hex(0xa67c1f), Hex(0xfff0a0), true};

struct Body {
  Pt hip, centre, shoulder;
  double tilt;
};

Body BodyOf(const DragonPose& p) {
  Body b;
  b.tilt = p.tilt;
  b.hip = {p.x - 30, -118 + p.y + p.crouch * 38};
  b.centre = b.hip + Rotate({34, -14}, p.tilt);
  b.shoulder = b.centre + Rotate({78, -8}, p.tilt);
  return b;
}

// Two bones from `a` to `c` with the joint bent toward `side` (+1 forward).
Pt Knee(Pt a, Pt c, double l1, double l2, double side) {
  const double d = std::min(Dist(a, c), l1 + l2 - 0.5);
  const double x = (l1 * l1 - l2 * l2 + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, l1 * l1 - x * x));
  const Pt dir = (c - a) * (1.0 / std::max(1e-6, Dist(a, c)));
  const Pt n = {dir.y, -dir.x};
  return a + dir * x + n * (h * side);
}

void Leg(cairo_t* cr, const Body& b, const DragonPose& p, double swing, bool far) {
  const Material& m = far ? kScalesFar : kScales;
  const Pt hip = b.hip + Pt{far ? -8.0 : 4.0, far ? -4.0 : 4.0};
  Pt foot;
  if (p.air)
    foot = hip + Pt{-18 + swing * 0.3, 78};
  else
    foot = {hip.x + swing, -7};
  const Pt ankle = foot + Pt{-12, -10};
  const Pt knee = Knee(hip, ankle, 62, 60, -1);
  Shape(
      cr, [&](cairo_t* c) { CapsulePath(c, hip, knee, 30, 16); }, m, 5);
  Shape(
      cr, [&](cairo_t* c) { CapsulePath(c, knee, ankle, 15, 9); }, m, 3);
  // Three forward claws on the ground.
  Shape(
      cr,
      [&](cairo_t* c) {
        PolygonPath(c, {ankle + Pt{-9, -6}, ankle + Pt{8, -6}, foot + Pt{24, 4}, foot + Pt{14, 7},
                        foot + Pt{-10, 7}});
      },
      m, 2);
  for (int k = 0; k < 3; ++k) {
    const Pt t = foot + Pt{14.0 + k * 6, 6};
    Shape(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {t + Pt{-5, -4}, t + Pt{6, 1}, t + Pt{-3, 2}});
        },
        kHorn, 1, 1.4);
  }
}

// A tapering chain of bones: positions and radii along a curve.
struct Chain {
  std::vector<Pt> pts;
  std::vector<double> radii;
};

Chain MakeChain(Pt start, double angle, double bendPerBone, int bones, double length, double r0,
                double r1) {
  Chain ch;
  Pt p = start;
  double a = angle;
  for (int i = 0; i <= bones; ++i) {
    ch.pts.push_back(p);
    ch.radii.push_back(r0 + (r1 - r0) * i / bones);
    p = p + Pt{std::cos(a * M_PI / 180), std::sin(a * M_PI / 180)} * length;
    a += bendPerBone;
  }
  return ch;
}

void ChainPath(cairo_t* cr, const Chain& ch) {
  // Outline of the chain as one smooth closed curve: down one side, back along the other.
  std::vector<Pt> outline;
  const int n = int(ch.pts.size());
  for (int side : {1, -1}) {
    for (int k = 0; k < n; ++k) {
      const int i = side > 0 ? k : n - 1 - k;
      const Pt a = ch.pts[std::max(0, i - 1)], c = ch.pts[std::min(n - 1, i + 1)];
      Pt d = c - a;
      const double len = std::max(1e-6, std::hypot(d.x, d.y));
      d = d * (1.0 / len);
      outline.push_back(ch.pts[i] + Pt{-d.y, d.x} * (ch.radii[i] * side));
    }
  }
  SmoothClosedPath(cr, outline.data(), int(outline.size()));
}

void Wing(cairo_t* cr, const Body& b, double spread, bool far) {
  const Pt root = b.shoulder + Rotate({-22, -22}, b.tilt) + Pt{far ? -10.0 : 0.0, far ? -6.0 : 0.0};
  const Pt elbow = root + Lerp(Pt{-30, -62}, Pt{-8, -95}, spread);
  const Pt wrist = elbow + Lerp(Pt{-78, 22}, Pt{-35, -70}, spread);
  const Pt tip = wrist + Lerp(Pt{-60, 50}, Pt{-115, 5}, spread);
  const Pt trail = b.centre + Rotate({-80, -20}, b.tilt);
  // Two finger bones fan from the wrist; the membrane hangs between them in scallops.
  const Pt f1 = Lerp(tip, trail, 0.38) + Pt{0, 8 * spread};
  const Pt f2 = Lerp(tip, trail, 0.72) + Pt{0, 10 * spread};
  const Pt s0 = Lerp(tip, f1, 0.5) + Pt{6, -14} * spread,
           s1 = Lerp(f1, f2, 0.5) + Pt{6, -12} * spread,
           s2 = Lerp(f2, trail, 0.5) + Pt{6, -10} * spread;
  const Material& skin = far ? kScalesFar : kMembrane;
  Shape(
      cr,
      [&](cairo_t* c) {
        const Pt pts[] = {root, elbow, wrist, tip, s0, f1, s1, f2, s2, trail};
        PolygonPath(c, pts, 10);
      },
      skin, 5);
  // The wing's arm and finger bones and the claw at its wrist.
  Shape(
      cr,
      [&](cairo_t* c) {
        CapsulePath(c, root, elbow, 9, 6);
        CapsulePath(c, elbow, wrist, 6, 4);
        CapsulePath(c, wrist, tip, 4, 2);
        if (spread > 0.3) {
          CapsulePath(c, wrist, f1, 3, 1.5);
          CapsulePath(c, wrist, f2, 3, 1.5);
        }
      },
      far ? kScalesFar : kScales, 2);
  Shape(
      cr,
      [&](cairo_t* c) {
        PolygonPath(c, {wrist + Pt{-2, -4}, wrist + Pt{8, -14}, wrist + Pt{4, 2}});
      },
      kHorn, 1, 1.4);
}

void Head(cairo_t* cr, Pt at, double angle, double jaw) {
  const Pt f = Rotate({1, 0}, angle), u = Rotate({0, -1}, angle);
  // Horns swept back.
  for (double s : {0.0, 8.0}) {
    Shape(
        cr,
        [&](cairo_t* c) {
          const Pt b = at - f * (4 + s) + u * 12;
          const Pt pts[] = {b, b - f * 26 + u * 16, b - f * 34 + u * 22, b - f * 16 + u * 4};
          SmoothClosedPath(c, pts, 4);
        },
        kHorn, 2);
  }
  // Lower jaw, opening downward.
  const Pt hinge = at - f * 6 - u * 6;
  const Pt jf = Rotate(f, jaw), ju = Rotate(u, jaw);
  Shape(
      cr,
      [&](cairo_t* c) {
        PolygonPath(c, {hinge + ju * 6, hinge + jf * 48 + ju * 2, hinge + jf * 46 - ju * 4,
                        hinge + jf * 6 - ju * 10});
      },
      kBelly, 2);
  if (jaw > 8) {
    Flat(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {hinge + u * 2, at + f * 42 - u * 2, hinge + jf * 44 + ju * 2});
        },
        Hex(0x6a1d2a));
  }
  // Skull and snout.
  Shape(
      cr,
      [&](cairo_t* c) {
        const Pt pts[] = {at - f * 14 + u * 12, at + f * 12 + u * 14, at + f * 50 + u * 4,
                          at + f * 54 - u * 4,  at + f * 20 - u * 8,  at - f * 12 - u * 12};
        SmoothClosedPath(c, pts, 6);
      },
      kScales, 4);
  // Brow ridge, eye and nostril.
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, at + f * 12 + u * 5, 4.5, 3, angle); }, Hex(0xffd23f));
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, at + f * 13 + u * 5, 1.5, 2.8, angle); }, kOutline);
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, at + f * 48 + u * 3, 2, 1.2, angle); }, kOutline);
}

}  // namespace

DragonPose BlendDragon(const DragonPose& a, const DragonPose& b, double t) {
  auto m = [t](double x, double y) { return x + (y - x) * t; };
  return {m(a.x, b.x),       m(a.y, b.y),           m(a.tilt, b.tilt),   m(a.neck, b.neck),
          m(a.head, b.head), m(a.jaw, b.jaw),       m(a.tail, b.tail),   m(a.legF, b.legF),
          m(a.legB, b.legB), m(a.crouch, b.crouch), m(a.wings, b.wings), t < 0.5 ? a.air : b.air};
}

Pt SaddlePoint(const DragonPose& p) {
  const Body b = BodyOf(p);
  return b.centre + Rotate({-6, -40}, b.tilt);
}

DragonPoints DrawDragon(cairo_t* cr, const DragonPose& p, bool saddle) {
  const Body b = BodyOf(p);
  Leg(cr, b, p, p.legB, true);
  if (p.wings > 0.3) Wing(cr, b, p.wings, true);
  // Tail: from the rump back and down, raised by `tail`.
  const Chain tail = MakeChain(b.centre + Rotate({-88, -4}, b.tilt), 165 + b.tilt - p.tail * 0.6,
                               -7 - p.tail * 0.1, 5, 17, 24, 3);
  Shape(
      cr, [&](cairo_t* c) { ChainPath(c, tail); }, kScales, 5);
  // Body.
  Shape(
      cr, [&](cairo_t* c) { EllipsePath(c, b.centre, 108, 46, b.tilt); }, kScales, 7);
  Shape(
      cr,
      [&](cairo_t* c) {
        EllipsePath(c, b.centre + Rotate({8, 24}, b.tilt), 78, 14, b.tilt + 2);
      },
      kBelly, 3);
  // Dorsal spines.
  for (int k = 0; k < 6; ++k) {
    const Pt s = b.centre + Rotate({-80.0 + k * 26, -44 + std::abs(k - 2.5) * 2.5}, b.tilt);
    Shape(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {s + Rotate({-8, 4}, b.tilt), s + Rotate({-10, -14}, b.tilt),
                          s + Rotate({8, 4}, b.tilt)});
        },
        kHorn, 1, 1.5);
  }
  // Neck and head.
  const double neckAngle = -(18 + p.neck) + b.tilt;
  const Chain neck = MakeChain(b.shoulder, neckAngle, -8, 4, 24, 30, 14);
  Shape(
      cr, [&](cairo_t* c) { ChainPath(c, neck); }, kScales, 5);
  const Pt end = neck.pts.back();
  const double headAngle = 12 + p.head + b.tilt * 0.5;
  Head(cr, end + Pt{4, -2}, headAngle, p.jaw);
  const Pt mouth = end + Pt{4, -2} + Rotate({46, 2}, headAngle);
  if (p.wings <= 0.3) Wing(cr, b, p.wings, false);
  if (saddle) {
    const Pt s = SaddlePoint(p);
    Shape(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {s + Rotate({-34, 4}, b.tilt),  s + Rotate({-30, -14}, b.tilt),
                            s + Rotate({-12, -4}, b.tilt), s + Rotate({14, -6}, b.tilt),
                            s + Rotate({26, -20}, b.tilt), s + Rotate({32, 6}, b.tilt),
                            s + Rotate({0, 16}, b.tilt)};
          SmoothClosedPath(c, pts, 7);
        },
        kLeather, 3);
    Shape(
        cr,
        [&](cairo_t* c) {
          CapsulePath(c, s + Rotate({-28, 2}, b.tilt), s + Rotate({28, 2}, b.tilt), 2.5, 2.5);
        },
        kGold, 1, 1.5);
    // Girth strap round the belly.
    Shape(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {s + Rotate({-4, 12}, b.tilt), s + Rotate({6, 12}, b.tilt),
                          s + Rotate({10, 58}, b.tilt), s + Rotate({0, 58}, b.tilt)});
        },
        kLeather, 1);
  }
  if (p.wings > 0.3) Wing(cr, b, p.wings, false);
  Leg(cr, b, p, p.legF, false);
  return {SaddlePoint(p), mouth};
}

}  // namespace art
