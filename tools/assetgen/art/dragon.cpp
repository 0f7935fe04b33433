#include "art/dragon.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Jade scales, a cream belly, violet wing membranes, ivory horns and claws.
constexpr Rgb kScales = Hex(0x3b8a70);
constexpr Rgb kScalesFar = Hex(0x2a6654);
constexpr Rgb kBelly = Hex(0xeadbb0);
constexpr Rgb kBellyLine = Hex(0xb39d6e);
constexpr Material kBone = {Hex(0x3b8a70), Hex(0x276150), Hex(0x6cc0a0), true};
constexpr Material kBoneFar = {Hex(0x2a6654), Hex(0x1c4a3d), Hex(0x3f8a72), false};
constexpr Material kMembrane = {Hex(0x6a4c9c), Hex(0x47317a), Hex(0x8e72c4), true};
constexpr Material kMembraneFar = {Hex(0x4a3578), Hex(0x33235a), Hex(0x4a3578), false};
constexpr Material kHorn = {Hex(0xf0e6cc), Hex(0xb8a886), Hex(0xffffff), true};
constexpr Material kHornFar = {Hex(0xc8bc9e), Hex(0x948868), Hex(0xc8bc9e), false};
constexpr Material kLeather = {Hex(0x8a4b2a), Hex(0x5c2f19), Hex(0xb8754a), true};
constexpr Material kStrap = {Hex(0x6a3820), Hex(0x472313), Hex(0x6a3820), false};
constexpr Material kBlanket = {Hex(0x2d3d7c), Hex(0x1e2856), Hex(0x4a5ca8), false};
constexpr Material kGold = {Hex(0xe0b443), Hex(0xa67c1f), Hex(0xfff0a0), true};
constexpr Material kIron = {Hex(0xb9bfcc), Hex(0x747b8c), Hex(0xffffff), true};

// Shading of the large scaled parts: a cool shadow on the side away from the moon, a pale rim
// toward it.
constexpr Rgb kShadeTint = Hex(0x1f1740);
constexpr double kShadeAlpha = 0.45;
constexpr Rgb kLightTint = Hex(0xeafff4);
constexpr double kLightAlpha = 0.30;

double Rad(double d) { return d * kPi / 180; }
Pt Dir(double degrees) { return {std::cos(Rad(degrees)), std::sin(Rad(degrees))}; }

void FillParts(cairo_t* cr, const std::vector<PathFn>& parts, Pt shift) {
  cairo_save(cr);
  cairo_translate(cr, shift.x, shift.y);
  for (const PathFn& part : parts) {
    cairo_new_path(cr);
    part(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// Several overlapping shapes painted as one smooth silhouette: the outline goes round the whole
// union, `decorate` paints markings inside it, then one shade band and one highlight rim.
void Blob(cairo_t* cr, const std::vector<PathFn>& parts, Rgb base, double shade, double light,
          const PathFn& decorate = nullptr) {
  cairo_save(cr);
  SetRgb(cr, kOutline);
  cairo_set_line_width(cr, kOutlineWidth * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (const PathFn& part : parts) {
    cairo_new_path(cr);
    part(cr);
    cairo_stroke(cr);
  }
  cairo_push_group(cr);
  SetRgb(cr, base);
  FillParts(cr, parts, {0, 0});
  if (decorate) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    decorate(cr);
    cairo_restore(cr);
  }
  // A rim band: the silhouette minus itself moved by `away`.
  auto rim = [&](Pt away, Rgb tint, double alpha) {
    cairo_push_group(cr);
    SetRgb(cr, tint);
    FillParts(cr, parts, {0, 0});
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    SetRgb(cr, {0, 0, 0});
    FillParts(cr, parts, away);
    cairo_pop_group_to_source(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_paint_with_alpha(cr, alpha);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  };
  if (shade > 0) rim({-shade, -shade}, kShadeTint, kShadeAlpha);
  if (light > 0) rim({light, light}, kLightTint, kLightAlpha);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  cairo_restore(cr);
}

// A tapering tube along a polyline (neck, tail, toes): a smooth closed outline.
struct Tube {
  std::vector<Pt> pts;
  std::vector<double> radii;
};

Tube Bend(Pt start, double angle, double bendPerBone, int bones, double length, double r0,
          double r1) {
  Tube t;
  Pt p = start;
  double a = angle;
  for (int i = 0; i <= bones; ++i) {
    t.pts.push_back(p);
    t.radii.push_back(r0 + (r1 - r0) * i / bones);
    p = p + Dir(a) * length;
    a += bendPerBone;
  }
  return t;
}

void TubePath(cairo_t* cr, const Tube& t) {
  std::vector<Pt> outline;
  const int n = int(t.pts.size());
  for (int side : {1, -1}) {
    for (int k = 0; k < n; ++k) {
      const int i = side > 0 ? k : n - 1 - k;
      Pt d = t.pts[std::min(n - 1, i + 1)] - t.pts[std::max(0, i - 1)];
      d = d * (1.0 / std::max(1e-6, std::hypot(d.x, d.y)));
      outline.push_back(t.pts[i] + Pt{-d.y, d.x} * (t.radii[i] * side));
    }
  }
  SmoothClosedPath(cr, outline.data(), int(outline.size()));
}

// Two bones from `a` to `c` with the joint bent toward `side` (+1 forward when going down).
Pt Knee(Pt a, Pt c, double l1, double l2, double side) {
  const double d = std::max(1e-6, std::min(Dist(a, c), l1 + l2 - 0.5));
  const double x = (l1 * l1 - l2 * l2 + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, l1 * l1 - x * x));
  const Pt dir = (c - a) * (1.0 / std::max(1e-6, Dist(a, c)));
  const Pt n = {dir.y, -dir.x};
  return a + dir * x + n * (h * side);
}

// The body's own frame: the saddle at the origin, turned by the pitch.
struct Body {
  Pt anchor;
  double tilt;
  Pt At(Pt local) const { return anchor + Rotate(local, tilt); }
};

Body BodyOf(const DragonPose& p) { return {{-5 + p.x, -150 + p.y + p.crouch * 50}, p.tilt}; }

constexpr double kThigh = 48, kShin = 50, kMeta = 32;

void Claw(cairo_t* cr, Pt base, double angle, double len, bool far) {
  const Pt f = Dir(angle), n = {-f.y, f.x};
  Shape(
      cr,
      [&](cairo_t* c) {
        const Pt pts[] = {base - n * 3.2, base + f * len * 0.6 - n * 1.5, base + f * len + n * 2.5,
                          base + f * len * 0.4 + n * 3.2};
        SmoothClosedPath(c, pts, 4);
      },
      far ? kHornFar : kHorn, 1.2, 1.5);
}

// A hind leg: a heavy thigh, the shin back to the hock, a long foot and three clawed toes.
void Leg(cairo_t* cr, const Body& b, const DragonPose& p, double swing, double lift, bool far) {
  const Pt hip = b.At({far ? -38.0 : -32.0, far ? 34.0 : 42.0});
  const double toeSide = far ? -4 : 0;
  Pt ball;
  double meta;  // foot bone's lean back from vertical
  double toeAngle;
  if (p.air) {
    // In the air `swing` is the leg's angle forward of straight down; `lift` draws it up.
    ball = hip + Pt{std::sin(Rad(swing)), std::cos(Rad(swing))} * (74 - lift);
    meta = 62 + swing * 0.2;
    toeAngle = 70 - swing * 0.6;
  } else {
    // A raised foot hangs its toes, held clear of the ground.
    toeAngle = lift > 2 ? std::min(40.0, lift * 1.6) : 0;
    ball = {hip.x + swing + 22, -10 - lift - 30 * std::sin(Rad(toeAngle))};
    meta = 45 + 30 * p.crouch + lift * 0.4;
  }
  Pt hock = ball + Pt{-std::sin(Rad(meta)), -std::cos(Rad(meta))} * kMeta;
  // Legs cannot stretch: a foot out of reach is drawn lifted toward the hip.
  const double reach = kThigh + kShin - 1;
  if (Dist(hip, hock) > reach) {
    const Pt d = (hock - hip) * (1.0 / Dist(hip, hock));
    const Pt moved = hip + d * reach;
    ball = ball + (moved - hock);
    hock = moved;
  }
  const Pt knee = Knee(hip, hock, kThigh, kShin, 1);
  const Rgb skin = far ? kScalesFar : kScales;
  const Pt toeDir = Dir(toeAngle);
  const Pt toe1 = ball + toeDir * 27 + Pt{toeSide, 0};
  const Pt toe2 = ball + Dir(toeAngle + 8) * 22 + Pt{-3, 0};
  const Pt spur = ball + Dir(toeAngle + 160) * 12;
  // Far toe and claw first, the near toe over it.
  Claw(cr, toe2 + toeDir * 1, toeAngle + 30, 10, true);
  Claw(cr, spur, 200, 7, far);
  Blob(cr,
       {[&](cairo_t* c) { CapsulePath(c, hip, knee, 21, 13); },
        [&](cairo_t* c) { CapsulePath(c, knee, hock, 12, 8); },
        [&](cairo_t* c) { CapsulePath(c, hock, ball, 8, 7); },
        [&](cairo_t* c) { CapsulePath(c, ball, toe2, 6, 3.5); },
        [&](cairo_t* c) { CapsulePath(c, ball, toe1, 6.5, 4); },
        [&](cairo_t* c) { CapsulePath(c, ball, spur, 5, 3); }},
       skin, 4, far ? 0 : 2.5, [&](cairo_t* c) {
         // Scutes down the front of the foot.
         SetRgb(c, far ? Mix(kScalesFar, kOutline, 0.35) : Mix(kScales, kOutline, 0.3));
         cairo_set_line_width(c, 1.2);
         for (double t : {0.25, 0.5, 0.75}) {
           const Pt q = Lerp(hock, ball, t);
           const Pt n = Rotate(ball - hock, -90) * (1.0 / kMeta);
           cairo_move_to(c, q.x + n.x * 7, q.y + n.y * 7);
           cairo_line_to(c, q.x + n.x * 2, q.y + n.y * 2);
         }
         cairo_stroke(c);
       });
  Claw(cr, toe1 - toeDir * 2, toeAngle + 28, 13, far);
}

// The wing: arm, wrist with its thumb claw, three long fingers with the membrane between them.
// Folded it lies along the flank; spread it rises up and back.
struct WingBones {
  Pt root, elbow, wrist, f1, f2, f3, trail;
};

WingBones WingOf(const Body& b, const DragonPose& p, bool far) {
  const double s = std::clamp(p.wings, 0.0, 1.0);
  const Pt root = b.At({far ? 40.0 : 44.0, far ? 6.0 : 14.0});
  auto at = [&](Pt folded, Pt spread) {
    Pt v = Rotate(Lerp(folded, spread, s), b.tilt);
    if (far) v = Rotate(v, 9 * s) * 0.92 + Pt{4, -6} * s;  // peeks out above the near wing
    return root + Rotate(v, -p.flap * s);
  };
  WingBones w;
  w.root = root;
  w.elbow = at({-12, 34}, {-22, -40});  // folded, spread
  w.wrist = at({30, 4}, {-18, -98});
  w.f1 = at({-116, 16}, {-148, -96});
  w.f2 = at({-108, 38}, {-150, -48});
  w.f3 = at({-84, 50}, {-120, -6});
  w.trail = b.At(Lerp(Pt{-10, 64}, Pt{-52, 14}, s));
  return w;
}

void Wing(cairo_t* cr, const WingBones& w, double spread, bool far) {
  const Material& skin = far ? kMembraneFar : kMembrane;
  const Material& bone = far ? kBoneFar : kBone;
  // Membrane panels between the fingers, each trailing edge scalloped in toward the wrist.
  auto panel = [&](Pt a, Pt c, Pt hub) {
    const Pt mid = Lerp(a, c, 0.5);
    const Pt dip = Lerp(mid, hub, 0.18 + 0.1 * spread);
    Shape(
        cr,
        [&](cairo_t* cc) {
          cairo_new_sub_path(cc);
          cairo_move_to(cc, hub.x, hub.y);
          cairo_line_to(cc, a.x, a.y);
          cairo_curve_to(cc, Lerp(a, dip, 0.6).x, Lerp(a, dip, 0.6).y, Lerp(c, dip, 0.6).x,
                         Lerp(c, dip, 0.6).y, c.x, c.y);
          cairo_close_path(cc);
        },
        skin, 4, 1.8);
  };
  // The front web from the shoulder to the wrist.
  Shape(
      cr,
      [&](cairo_t* c) {
        PolygonPath(c, {w.root, Lerp(w.root, w.wrist, 0.5) + Pt{4, -3}, w.wrist, w.elbow});
      },
      skin, 3, 1.8);
  panel(w.f1, w.f2, w.wrist);
  panel(w.f2, w.f3, w.wrist);
  // The last panel runs from the third finger back to the flank.
  Shape(
      cr,
      [&](cairo_t* c) {
        const Pt dip = Lerp(Lerp(w.f3, w.trail, 0.5), w.elbow, 0.25);
        cairo_new_sub_path(c);
        cairo_move_to(c, w.wrist.x, w.wrist.y);
        cairo_line_to(c, w.f3.x, w.f3.y);
        cairo_curve_to(c, Lerp(w.f3, dip, 0.6).x, Lerp(w.f3, dip, 0.6).y, Lerp(w.trail, dip, 0.6).x,
                       Lerp(w.trail, dip, 0.6).y, w.trail.x, w.trail.y);
        cairo_line_to(c, w.elbow.x, w.elbow.y);
        cairo_close_path(c);
      },
      skin, 4, 1.8);
  // Finger bones (the leading one stout, the others thin ribs while folded), then the arm.
  const std::pair<Pt, double> fingers[] = {
      {w.f3, 1.5 + 2.5 * spread}, {w.f2, 1.5 + 2.5 * spread}, {w.f1, 4.5}};
  for (const auto& [tip, r] : fingers)
    Shape(
        cr, [&](cairo_t* c) { CapsulePath(c, w.wrist, tip, r, 1.4); }, bone, 1.5, 1.6);
  Shape(
      cr,
      [&](cairo_t* c) {
        CapsulePath(c, w.root, w.elbow, 8, 6);
        CapsulePath(c, w.elbow, w.wrist, 6, 5.5);
      },
      bone, 3, 2);
  // Thumb claw on the wrist knuckle.
  const Pt out = Rotate(w.wrist - w.elbow, -20) * (1.0 / std::max(1.0, Dist(w.wrist, w.elbow)));
  Claw(cr, w.wrist + out * 3, std::atan2(out.y, out.x) * 180 / kPi, 12, far);
}

// The head: skull and snout, a lower jaw hinged under the eye, swept-back horns.
// `a` is the direction of the snout on screen (degrees, 0 forward, + nose down).
struct HeadPoints {
  Pt mouth, bit;
};

HeadPoints Head(cairo_t* cr, Pt joint, double a, double jaw) {
  const Pt f = Dir(a), u = Rotate({0, -1}, a);
  auto P = [&](double x, double y) { return joint + (f * x + u * y) * 1.15; };
  const Pt hinge = P(8, -6);
  auto J = [&](double x, double y) { return hinge + Rotate(P(x, y) - hinge, jaw); };
  // Far horn, behind everything.
  auto horn = [&](Pt base, double len, const Material& m) {
    Shape(
        cr,
        [&](cairo_t* c) {
          const Pt back = (f * -1) * len, up = u * len;
          const Pt pts[] = {base - f * 7 - u * 2, base + back * 0.45 + up * 0.22 - u * 2,
                            base + back * 1.0 + up * 0.42, base + back * 0.5 + up * 0.2 + u * 5,
                            base + f * 7 + u * 4};
          SmoothClosedPath(c, pts, 5);
        },
        m, 2, 1.8);
  };
  horn(P(8, 16), 40, kHornFar);
  // Lower jaw and the mouth inside.
  if (jaw > 4) {
    Flat(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {P(2, -6), P(60, -6), J(58, -10), J(10, -12)};
          PolygonPath(c, pts, 4);
        },
        Hex(0x4a1020));
    Flat(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {J(10, -11), J(30, -9), J(46, -10), J(30, -13)};
          SmoothClosedPath(c, pts, 4);
        },
        Hex(0xc4566e));
  }
  const Rgb scales = kScales;
  Blob(cr, {[&](cairo_t* c) {
         const Pt pts[] = {J(0, -6),   J(20, -7),  J(50, -7),  J(60, -8),
                           J(58, -13), J(40, -16), J(16, -18), J(0, -14)};
         SmoothClosedPath(c, pts, 8);
       }},
       Mix(kBelly, scales, 0.35), 2.5, 0);
  // Lower teeth.
  if (jaw > 4) {
    for (int k = 0; k < 4; ++k) {
      const double x = 26 + k * 8;
      Flat(
          cr,
          [&](cairo_t* c) {
            PolygonPath(c, {J(x, -7), J(x + 4, -7), J(x + 2, -2.5)});
          },
          Hex(0xfffbee));
    }
  }
  // Skull and snout.
  Blob(cr, {[&](cairo_t* c) {
         const Pt pts[] = {P(-8, 2),  P(0, 14),  P(18, 17), P(32, 13),  P(48, 8),  P(62, 5),
                           P(67, -1), P(61, -7), P(36, -8), P(12, -10), P(-6, -10)};
         SmoothClosedPath(c, pts, 11);
       }},
       scales, 3, 2);
  // Upper teeth show when the jaws part.
  if (jaw > 4) {
    for (int k = 0; k < 5; ++k) {
      const double x = 22 + k * 8;
      Flat(
          cr,
          [&](cairo_t* c) {
            PolygonPath(c, {P(x, -7), P(x + 4, -7), P(x + 2, -12)});
          },
          Hex(0xfffbee));
    }
  } else {
    // A fang over the closed lip.
    Flat(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {P(50, -7), P(54, -7), P(52, -12)});
        },
        Hex(0xfffbee));
  }
  // Brow ridge over a glowing amber eye.
  Shape(
      cr,
      [&](cairo_t* c) {
        const Pt pts[] = {P(12, 12), P(24, 14), P(36, 10), P(30, 7), P(16, 8)};
        SmoothClosedPath(c, pts, 5);
      },
      kBone, 1.5, 1.6);
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, P(24, 3.5), 5.5, 3.6, a - 8); }, kOutline);
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, P(24, 3.5), 4.3, 2.5, a - 8); }, Hex(0xffc23a));
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, P(24.5, 3.5), 1.1, 2.4, a); }, kOutline);
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, P(22.5, 4.8), 1.1, 1.0, a); }, Hex(0xffffff));
  // Nostril and a ridge of small scales down the snout.
  Flat(
      cr, [&](cairo_t* c) { EllipsePath(c, P(58, 2.5), 2.6, 1.3, a - 15); }, kOutline);
  // Near horn and a cheek spike.
  horn(P(4, 13), 44, kHorn);
  Claw(cr, P(-2, -4), a + 160, 12, false);
  const Pt lipTop = P(64, -3), lipLow = J(58, -10);
  return {Lerp(lipTop, lipLow, 0.5) + f * 4, P(14, -8)};
}

void DorsalSpike(cairo_t* cr, Pt base, Pt up, double size) {
  const Pt back = Rotate(up, -90);
  Shape(
      cr,
      [&](cairo_t* c) {
        PolygonPath(c, {base + back * (size * 0.6), base + up * size + back * (size * 0.55),
                        base - back * (size * 0.6)});
      },
      kHorn, 1, 1.5);
}

}  // namespace

DragonPose BlendDragon(const DragonPose& a, const DragonPose& b, double t) {
  auto m = [t](double x, double y) { return x + (y - x) * t; };
  DragonPose r{m(a.x, b.x),           m(a.y, b.y),         m(a.tilt, b.tilt),
               m(a.neck, b.neck),     m(a.head, b.head),   m(a.jaw, b.jaw),
               m(a.tail, b.tail),     m(a.legF, b.legF),   m(a.legB, b.legB),
               m(a.crouch, b.crouch), m(a.wings, b.wings), t < 0.5 ? a.air : b.air};
  r.liftF = m(a.liftF, b.liftF);
  r.liftB = m(a.liftB, b.liftB);
  r.flap = m(a.flap, b.flap);
  return r;
}

Pt SaddlePoint(const DragonPose& p) { return BodyOf(p).anchor; }

DragonPoints DrawDragon(cairo_t* cr, const DragonPose& p, Tack tack) {
  const Body b = BodyOf(p);
  const WingBones nearWing = WingOf(b, p, false), farWing = WingOf(b, p, true);
  const double spread = std::clamp(p.wings, 0.0, 1.0);

  // The neck rises from the chest in an S; the tail sweeps back and lifts at its tip.
  const double neckAngle = b.tilt - (40 + p.neck);
  const Tube neck = Bend(b.At({54, 10}), neckAngle, 11, 4, 25, 25, 13);
  const Tube tail =
      Bend(b.At({-62, 26}), 176 + b.tilt + p.tail * 0.6, 5 + p.tail * 0.08, 6, 15.5, 21, 1.5);
  const Pt headJoint = neck.pts.back();
  const double headAngle = 16 + p.head + b.tilt * 0.5 + (neckAngle + 44 - b.tilt) * 0.25;

  // Behind the body: the far wing and leg, the spines along the back and tail.
  if (spread > 0.12) Wing(cr, farWing, spread, true);
  Leg(cr, b, p, p.legB, p.liftB, true);
  for (int k = 1; k < 6; ++k) {
    const Pt d = tail.pts[k + 1] - tail.pts[k - 1];
    const Pt up = Rotate(d * (1.0 / std::max(1e-6, std::hypot(d.x, d.y))), 90);
    DorsalSpike(cr, tail.pts[k] + up * (tail.radii[k] - 3), up, 12 - k * 1.5);
  }
  for (int k = 0; k < 4; ++k) {
    const Pt d = neck.pts[k + 1] - neck.pts[k];
    const Pt up = Rotate(d * (1.0 / std::max(1e-6, std::hypot(d.x, d.y))), -90);
    DorsalSpike(cr, Lerp(neck.pts[k], neck.pts[k + 1], 0.5) + up * (neck.radii[k] - 4), up, 10);
  }
  for (double x : {-56.0, -38.0}) DorsalSpike(cr, b.At({x, 4}), Rotate({0, -1}, b.tilt), 11);

  // Body, neck and tail in one silhouette, the belly plates painted along its underside.
  const std::vector<PathFn> body = {
      [&](cairo_t* c) {
        const Pt pts[] = {b.At({-78, 18}), b.At({-50, 2}),  b.At({-10, 8}),  b.At({30, 4}),
                          b.At({62, 0}),   b.At({84, 22}),  b.At({78, 50}),  b.At({50, 64}),
                          b.At({8, 66}),   b.At({-36, 60}), b.At({-74, 46}), b.At({-92, 32})};
        SmoothClosedPath(c, pts, 12);
      },
      [&](cairo_t* c) { TubePath(c, neck); },
      [&](cairo_t* c) { TubePath(c, tail); },
  };
  Blob(cr, body, kScales, 7, 3, [&](cairo_t* c) {
    // A band of cream plates from the throat down the chest and under the belly.
    std::vector<Pt> line;
    for (int k = int(neck.pts.size()) - 1; k >= 1; --k) {
      const Pt d = neck.pts[k] - neck.pts[k - 1];
      const Pt down = Rotate(d * (1.0 / std::max(1e-6, std::hypot(d.x, d.y))), 90);
      line.push_back(neck.pts[k] + down * neck.radii[k]);
    }
    for (Pt q : {Pt{84, 26}, Pt{78, 50}, Pt{50, 64}, Pt{8, 66}, Pt{-36, 60}, Pt{-70, 46}})
      line.push_back(b.At(q));
    cairo_new_path(c);
    cairo_move_to(c, line[0].x, line[0].y);
    for (size_t i = 1; i < line.size(); ++i) cairo_line_to(c, line[i].x, line[i].y);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
    SetRgb(c, kBelly);
    cairo_set_line_width(c, 22);
    cairo_stroke_preserve(c);
    // Plate seams across the band.
    cairo_new_path(c);
    SetRgb(c, kBellyLine);
    cairo_set_line_width(c, 1.5);
    for (size_t i = 0; i + 1 < line.size(); ++i) {
      const double len = Dist(line[i], line[i + 1]);
      const int seams = std::max(1, int(len / 11));
      const Pt d = (line[i + 1] - line[i]) * (1.0 / std::max(1e-6, len));
      const Pt n = {-d.y, d.x};
      for (int s = 0; s < seams; ++s) {
        const Pt q = Lerp(line[i], line[i + 1], (s + 0.5) / seams);
        cairo_move_to(c, (q + n * 11).x, (q + n * 11).y);
        cairo_line_to(c, (q - n * 11).x, (q - n * 11).y);
      }
    }
    cairo_stroke(c);
    // Rows of scales on the flank and haunch.
    SetRgb(c, Mix(kScales, kOutline, 0.28));
    cairo_set_line_width(c, 1.3);
    for (int row = 0; row < 3; ++row)
      for (int k = 0; k < 6 - row; ++k) {
        const Pt q = b.At({-58.0 + k * 22 + row * 11, 22.0 + row * 10});
        cairo_new_sub_path(c);
        cairo_arc(c, q.x, q.y, 5, Rad(20 + b.tilt), Rad(160 + b.tilt));
      }
    cairo_stroke(c);
  });

  const HeadPoints head = Head(cr, headJoint + Rotate({-2, 2}, headAngle), headAngle, p.jaw);

  DragonPoints points;
  points.saddle = b.anchor;
  points.mouth = head.mouth;
  points.bit = head.bit;
  points.stirrup = b.At({2, 22});

  Leg(cr, b, p, p.legF, p.liftF, false);
  if (tack != Tack::None) {
    // Saddle cloth with a gold hem, then the seat with its high cantle and pommel.
    Shape(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {b.At({-36, 2}), b.At({30, 2}),   b.At({34, 14}),
                            b.At({26, 34}), b.At({-30, 34}), b.At({-40, 14})};
          SmoothClosedPath(c, pts, 6);
        },
        kBlanket, 3);
    Shape(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {b.At({-32, 29}), b.At({26, 29}), b.At({26, 34}), b.At({-30, 34})};
          SmoothClosedPath(c, pts, 4);
        },
        kGold, 1.5, 1.6);
    // Girth strap round the belly.
    Shape(
        cr,
        [&](cairo_t* c) {
          PolygonPath(c, {b.At({12, 36}), b.At({22, 36}), b.At({26, 64}), b.At({14, 66})});
        },
        kStrap, 1.5);
    Shape(
        cr,
        [&](cairo_t* c) {
          const Pt pts[] = {b.At({-30, -10}), b.At({-22, -6}), b.At({-10, 6}), b.At({10, 5}),
                            b.At({20, -4}),   b.At({26, -8}),  b.At({30, 2}),  b.At({26, 20}),
                            b.At({-2, 24}),   b.At({-26, 20}), b.At({-34, 4})};
          SmoothClosedPath(c, pts, 11);
        },
        kLeather, 3);
    // Stitched edge and the studs.
    Shape(
        cr,
        [&](cairo_t* c) {
          CapsulePath(c, b.At({-24, 16}), b.At({20, 16}), 1.8, 1.8);
        },
        kGold, 1, 1.2);
    for (double x : {-18.0, 0.0, 16.0})
      Shape(
          cr,
          [&](cairo_t* c) {
            CapsulePath(c, b.At({x, 16}), b.At({x, 16}), 2.6, 2.6);
          },
          kGold, 1, 1.2);
  }

  // The near wing lies folded over the flank below the seat, or spreads up behind the rider.
  Wing(cr, nearWing, spread, false);

  if (tack == Tack::Saddle) {
    // Riderless: the stirrup hangs empty and the reins lie over the neck to the pommel.
    const Pt foot = points.stirrup + Rotate({4, 52}, b.tilt * 0.3);
    DrawStirrupLeather(cr, points.stirrup, foot);
    DrawStirrupIron(cr, foot, 0);
    DrawReins(cr, points.bit, b.At({24, -4}));
  }

  return points;
}

void DrawStirrupLeather(cairo_t* cr, Pt from, Pt foot) {
  Shape(
      cr, [&](cairo_t* c) { CapsulePath(c, from, foot, 2.6, 2.4); }, kStrap, 1, 1.5);
  Shape(
      cr, [&](cairo_t* c) { CapsulePath(c, from, from, 3.6, 3.6); }, kGold, 1, 1.3);
}

void DrawStirrupIron(cairo_t* cr, Pt foot, double angle) {
  // A flat tread under the sole, held by a bow round the boot.
  const Pt f = Dir(angle), u = Rotate({0, -1}, angle);
  Shape(
      cr,
      [&](cairo_t* c) {
        CapsulePath(c, foot - f * 8 + u * 1, foot + f * 8 + u * 1, 2.4, 2.4);
        CapsulePath(c, foot - f * 8 + u * 1, foot + u * 12, 1.5, 1.5);
        CapsulePath(c, foot + f * 8 + u * 1, foot + u * 12, 1.5, 1.5);
      },
      kIron, 1, 1.5);
}

void DrawReins(cairo_t* cr, Pt bit, Pt hand) {
  const double sag = std::min(18.0, Dist(bit, hand) * 0.12);
  const Pt mid = Lerp(bit, hand, 0.5) + Pt{0, sag};
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_new_path(cr);
    cairo_move_to(cr, bit.x, bit.y);
    cairo_curve_to(cr, mid.x, mid.y, mid.x, mid.y, hand.x, hand.y);
    if (pass == 0) {
      SetRgb(cr, kOutline);
      cairo_set_line_width(cr, 4.5);
    } else {
      SetRgb(cr, kStrap.base);
      cairo_set_line_width(cr, 2.0);
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  Shape(
      cr, [&](cairo_t* c) { EllipsePath(c, bit, 3.2, 3.2); }, kGold, 1, 1.3);
}

}  // namespace art
