#include "art/skeleton.h"

#include <algorithm>
#include <cmath>

namespace art {

Pose Blend(const Pose& a, const Pose& b, double t) {
  auto m = [t](double x, double y) { return x + (y - x) * t; };
  return {
      m(a.x, b.x),           m(a.y, b.y),           m(a.body, b.body),     m(a.torso, b.torso),
      m(a.head, b.head),     m(a.thighF, b.thighF), m(a.kneeF, b.kneeF),   m(a.thighB, b.thighB),
      m(a.kneeB, b.kneeB),   m(a.armF, b.armF),     m(a.elbowF, b.elbowF), m(a.armB, b.armB),
      m(a.elbowB, b.elbowB), m(a.weapon, b.weapon), m(a.flow, b.flow),     t < 0.5 ? a.air : b.air,
      m(a.reach, b.reach)};
}

namespace {
template <typename Fn>
void ForEachJoint(Joints& j, Fn fn) {
  for (Pt* q :
       {&j.pelvis, &j.neck, &j.head, &j.shoulderF, &j.elbowF, &j.wristF, &j.shoulderB, &j.elbowB,
        &j.wristB, &j.hipF, &j.kneeF, &j.ankleF, &j.toeF, &j.hipB, &j.kneeB, &j.ankleB, &j.toeB})
    fn(*q);
}
}  // namespace

void MoveJoints(Joints& j, Pt by) {
  ForEachJoint(j, [by](Pt& q) { q = q + by; });
}

Joints PoseJoints(const Build& b, const Pose& p) {
  Joints j{};
  // The body's own frame: pelvis at the origin, upright.
  auto leg = [&](double thigh, double knee, double side, Pt& hip, Pt& kn, Pt& ankle, Pt& toe) {
    hip = {side, 0};
    kn = hip + Down(thigh) * b.thigh;
    ankle = kn + Down(thigh - knee) * b.shin;
    toe = ankle + Down(thigh - knee + 90) * b.foot;
  };
  leg(p.thighF, p.kneeF, 2, j.hipF, j.kneeF, j.ankleF, j.toeF);
  leg(p.thighB, p.kneeB, -2, j.hipB, j.kneeB, j.ankleB, j.toeB);
  j.pelvis = {0, 0};
  j.neck = Down(180 - p.torso) * b.torso;
  const Pt shoulder = Lerp(j.pelvis, j.neck, 0.88);
  j.head = j.neck + Down(180 - p.torso - p.head * 0.3) * (b.neck + b.head);
  auto arm = [&](double a, double elbow, double side, Pt& sh, Pt& el, Pt& wr) {
    sh = shoulder + Down(90 - p.torso) * side;
    el = sh + Down(a - p.torso) * b.upperArm;
    wr = el + Down(a - p.torso + elbow) * b.forearm;
  };
  arm(p.armF, p.elbowF, 2, j.shoulderF, j.elbowF, j.wristF);
  arm(p.armB, p.elbowB, -2, j.shoulderB, j.elbowB, j.wristB);

  // Turn the whole figure, then stand it on the ground (or hold it at standing height).
  ForEachJoint(j, [&p](Pt& q) { q = Rotate(q, p.body); });
  double dy;
  if (p.air) {
    dy = -(b.thigh + b.shin + b.ankleR * 1.2) + p.y;
  } else {
    // Lowest point of the flesh, outline included, lands on y = 0.
    double lowest = -1e9;
    auto low = [&](Pt q, double r) { lowest = std::max(lowest, q.y + r + 1.0); };
    low(j.ankleF, b.ankleR * 1.2);
    low(j.ankleB, b.ankleR * 1.2);
    low(j.toeF, b.ankleR * 0.7);
    low(j.toeB, b.ankleR * 0.7);
    low(j.kneeF, b.shinR * 1.1);
    low(j.kneeB, b.shinR * 1.1);
    low(j.pelvis, b.waist);
    low(j.neck, b.chest * 0.9);
    low(j.head, b.head);
    low(j.wristF, b.handR);
    low(j.wristB, b.handR);
    low(j.elbowF, b.forearmR);
    low(j.elbowB, b.forearmR);
    dy = -lowest + p.y;
  }
  MoveJoints(j, {p.x, dy});
  j.torsoAngle = p.body + p.torso;
  j.headAngle = p.body + p.torso + p.head;
  j.weaponAngle = p.body + p.weapon;
  j.flow = p.flow;
  j.reach = p.reach;
  return j;
}

namespace {

struct FigurePainter {
  cairo_t* cr;
  const Build& b;
  const Look& look;
  const Joints& j;

  void Part(const PathFn& path, const Material& m, double shade = 3.0) const {
    Shape(cr, path, m, shade);
  }

  void Limb(Pt a, Pt c, double ra, double rc, const Material& m) const {
    Part([&](cairo_t* c2) { CapsulePath(c2, a, c, ra, rc); }, m, std::min(ra, rc) * 0.6);
  }

  void Foot(Pt ankle, Pt toe) const {
    const Pt dir = (toe - ankle) * (1.0 / std::max(1e-6, Dist(toe, ankle)));
    const Pt n = {-dir.y, dir.x};  // toward the sole
    const double r = b.ankleR;
    Part(
        [&](cairo_t* c) {
          PolygonPath(c, {ankle - dir * r * 0.8 - n * r, ankle - dir * r * 0.9 + n * r * 1.2,
                          toe + n * r * 1.2, toe + dir * r * 0.5 + n * r * 0.3, toe - n * r * 0.5,
                          ankle + dir * r * 0.3 - n * r * 1.1});
        },
        look.boots);
  }

  void Leg(Pt hip, Pt knee, Pt ankle, Pt toe) const {
    Limb(hip, knee, b.thighR, b.shinR * 1.05, look.legs);
    Limb(knee, ankle, b.shinR * 1.08, b.ankleR, look.boots);
    Foot(ankle, toe);
    if (look.garment == Garment::Dress) {
      // Silver greaves over the shins.
      const Pt g0 = Lerp(knee, ankle, 0.05), g1 = Lerp(knee, ankle, 0.8);
      Limb(g0, g1, b.shinR * 1.15, b.ankleR * 1.1, look.metal);
    }
  }

  void Arm(Pt shoulder, Pt elbow, Pt wrist, bool front) const {
    Limb(shoulder, elbow, b.upperArmR, b.forearmR, look.bareArms ? look.skin : look.sleeves);
    Limb(elbow, wrist, b.forearmR, b.handR * 0.8, look.bareArms ? look.skin : look.sleeves);
    if (look.garment == Garment::Plate || look.gear == Headgear::GreatHelm) {
      Limb(Lerp(elbow, wrist, 0.2), Lerp(elbow, wrist, 0.85), b.forearmR * 1.15, b.handR,
           look.metal);
      Part([&](cairo_t* c) { CapsulePath(c, shoulder, shoulder, b.upperArmR * 1.5, 0); },
           front ? look.metal : look.metal);
    }
    Part([&](cairo_t* c) { CapsulePath(c, wrist, wrist, b.handR, b.handR); }, look.gloves, 1.5);
  }

  // The torso: a tapered slab from the hips to the shoulders.
  void Torso() const {
    const double a = j.torsoAngle;
    const Pt side = Rotate({1, 0}, a);
    const Pt up = Rotate({0, -1}, a);
    const Pt hipC = j.pelvis + up * 2, chestC = j.neck - up * 4;
    const double w0 = b.waist, w1 = b.chest;
    auto slab = [&](cairo_t* c) {
      PolygonPath(c, {hipC - side * w0, hipC + side * w0 + up * (-2),
                      Lerp(hipC, chestC, 0.55) + side * (w1 * 0.95), chestC + side * w1 * 0.9,
                      chestC + up * 6 + side * w1 * 0.3, chestC + up * 6 - side * w1 * 0.5,
                      chestC - side * w1, Lerp(hipC, chestC, 0.5) - side * (w0 * 0.85)});
    };
    Part(slab, look.top, 4);
    // A band round the torso between two heights (0 hips, 1 shoulders): belts and sashes.
    auto band = [&](double from, double to, const Material& m) {
      const Pt b0 = Lerp(hipC, chestC, from), b1 = Lerp(hipC, chestC, to);
      Part(
          [&](cairo_t* c) {
            PolygonPath(c, {b0 - side * w0 * 1.05, b0 + side * w0 * 1.05, b1 + side * w0 * 1.05,
                            b1 - side * w0 * 1.05});
          },
          m, 1.5);
    };
    switch (look.garment) {
      case Garment::Dress:
        band(0.25, 0.42, look.trim);  // the crimson sash of her dress
        break;
      case Garment::Tabard: {
        const Pt t0 = chestC + up * 3, t1 = hipC - up * (b.thigh * 0.7);
        Part(
            [&](cairo_t* c) {
              PolygonPath(c, {t0 - side * w1 * 0.55, t0 + side * w1 * 0.75, t1 + side * w0 * 0.9,
                              t1 - side * w0 * 0.6});
            },
            look.lower, 3);
        break;
      }
      case Garment::Plate:
        // A breastplate ridge and a belt.
        Part(
            [&](cairo_t* c) {
              PolygonPath(c, {chestC + side * w1 * 0.95, chestC + side * w1 * 0.2 + up * 4,
                              Lerp(hipC, chestC, 0.35) + side * w0 * 0.4,
                              Lerp(hipC, chestC, 0.35) + side * w0 * 1.02});
            },
            look.metal, 2);
        band(0.12, 0.22, look.trim);
        break;
      case Garment::Apron:
      case Garment::Tunic:
        band(0.1, 0.2, look.trim);
        break;
      case Garment::Robe:
        break;
    }
  }

  // Skirts, robes and tunics hang from the waist and follow the thighs.
  void Lower() const {
    const Pt up = Rotate({0, -1}, j.torsoAngle);
    const Pt side = Rotate({1, 0}, j.torsoAngle);
    const Pt waist = j.pelvis + up * (b.torso * 0.2);
    // How far down the legs the hem reaches: 0 at the hips, 0.5 at the knees, 1 at the ankles.
    double reach = 0.0;
    Material m = look.lower;
    switch (look.garment) {
      case Garment::Dress:
        reach = 0.27;
        break;
      case Garment::Tunic:
        reach = 0.3;
        m = look.top;
        break;
      case Garment::Plate:
        reach = 0.22;
        m = look.metal;
        break;
      case Garment::Apron:
        reach = 0.55;
        break;
      case Garment::Robe:
        reach = 0.93;
        break;
      case Garment::Tabard:
        return;
    }
    auto along = [reach](Pt hip, Pt knee, Pt ankle) {
      return reach <= 0.5 ? Lerp(hip, knee, reach * 2) : Lerp(knee, ankle, reach * 2 - 1);
    };
    const Pt f = along(j.hipF, j.kneeF, j.ankleF);
    const Pt k = along(j.hipB, j.kneeB, j.ankleB);
    // The hem runs from the rearmost leg to the foremost one, flared past both.
    const double flare =
        look.garment == Garment::Robe ? 12 : (look.garment == Garment::Dress ? 6 : 9);
    auto proj = [&](Pt q) { return (q.x - waist.x) * side.x + (q.y - waist.y) * side.y; };
    const bool fFirst = proj(f) >= proj(k);
    const Pt front = (fFirst ? f : k) + side * flare, back = (fFirst ? k : f) - side * flare;
    const Pt trail = side * (-j.flow * 10);
    auto path = [&](cairo_t* c) {
      const Pt pts[] = {
          waist - side * (b.waist + 2), waist + side * (b.waist + 2), front + trail * 0.5,
          Lerp(front, back, 0.5) + trail + Rotate({0, 4}, j.torsoAngle), back + trail};
      SmoothClosedPath(c, pts, 5);
    };
    Part(path, m, 4);
    if (look.garment == Garment::Dress) {
      // White underskirt frill at the hem.
      Part(
          [&](cairo_t* c) {
            const Pt pts[] = {Lerp(back, front, 0.0) + trail, Lerp(back, front, 1.0) + trail * 0.5,
                              front + trail * 0.5 + Rotate({0, 5}, j.torsoAngle),
                              back + trail + Rotate({0, 5}, j.torsoAngle)};
            SmoothClosedPath(c, pts, 4);
          },
          look.top, 2);
    }
  }

  // Which way hair and cape hang: down while upright; on a figure lying on the ground they lie
  // along the body on the floor instead of hanging through it.
  Pt Hanging(Pt down) const {
    const double lying = std::clamp((std::abs(j.torsoAngle) - 45) / 35, 0.0, 1.0);
    const Pt flat = {j.neck.x >= j.pelvis.x ? -1.0 : 1.0, 0.05};
    return Lerp(down, flat, lying);
  }

  // Which way hair and cape stream: back, or forward when she slides backward (flow < 0).
  double Streaming() const { return j.flow < 0 ? 1.0 : -1.0; }

  void Cape() const {
    const Pt up = Rotate({0, -1}, j.torsoAngle);
    const Pt side = Rotate({1, 0}, j.torsoAngle);
    const Pt top = j.neck - up * 4 - side * (b.chest * 0.6);
    const double len = look.garment == Garment::Dress ? b.torso * 1.0 : b.torso * 1.7;
    const Pt hang = Hanging({0, 1}) * len;
    const Pt stream = Pt{Streaming(), 0.25} * len;
    const Pt tip = top + Lerp(hang, stream, std::min(std::abs(j.flow), 1.0));
    const Pt widen = Pt{-(tip - top).y, (tip - top).x} * (0.35 / std::max(1.0, len));
    Part(
        [&](cairo_t* c) {
          const Pt pts[] = {top + side * (b.chest * 0.9), top - side * 3, tip - widen * len * 0.6,
                            tip + widen * len * 0.3, Lerp(top, tip, 0.5) + widen * len * 0.5};
          SmoothClosedPath(c, pts, 5);
        },
        look.cape, 4);
  }

  void Ponytail() const {
    const Pt back = Rotate({-1, 0}, j.headAngle);
    const Pt root = j.head + back * (b.head * 0.7) + Rotate({0, -1}, j.headAngle) * (b.head * 0.5);
    const double len = b.head * 3.6;
    const Pt hang = Hanging({-0.25, 1}) * len;
    const Pt stream = Pt{Streaming(), 0.2} * len;
    const Pt tip = root + Lerp(hang, stream, std::min(std::abs(j.flow), 1.0));
    const Pt mid = Lerp(root, tip, 0.5) + Pt{4 * Streaming(), -3} * std::abs(j.flow) + Pt{-5, 0};
    const Pt n = Pt{-(tip - root).y, (tip - root).x} * (1.0 / std::max(1.0, len));
    Part(
        [&](cairo_t* c) {
          const Pt pts[] = {root + n * 6, mid + n * 8, tip, mid - n * 5, root - n * 5};
          SmoothClosedPath(c, pts, 5);
        },
        look.hair, 3);
  }

  void Head() const {
    const double a = j.headAngle;
    const Pt fwd = Rotate({1, 0}, a), up = Rotate({0, -1}, a);
    const double r = b.head;
    const Pt c = j.head;
    // Neck.
    Limb(j.neck, c + up * (-r * 0.5), b.forearmR * 1.1, b.forearmR, look.skin);
    if (look.gear == Headgear::GreatHelm || look.gear == Headgear::HornedHelm) {
      Part(
          [&](cairo_t* cr2) {
            PolygonPath(cr2,
                        {c + up * r * 1.15 - fwd * r * 0.9, c + up * r * 1.15 + fwd * r * 0.85,
                         c + fwd * r * 1.05 - up * r * 0.95, c - fwd * r * 0.95 - up * r * 1.0});
          },
          look.metal, 3);
      // Eye slit and a ridge.
      Flat(
          cr,
          [&](cairo_t* cr2) {
            PolygonPath(cr2,
                        {c + fwd * r * 0.15 + up * r * 0.2, c + fwd * r * 1.02 + up * r * 0.25,
                         c + fwd * r * 1.02 + up * r * 0.02, c + fwd * r * 0.15 + up * r * 0.0});
          },
          kOutline);
      if (look.gear == Headgear::GreatHelm) {
        Part(
            [&](cairo_t* cr2) {
              PolygonPath(cr2,
                          {c + fwd * r * 0.6 - up * r * 0.1, c + fwd * r * 0.75 - up * r * 0.1,
                           c + fwd * r * 0.75 - up * r * 0.85, c + fwd * r * 0.6 - up * r * 0.85});
            },
            look.trim, 1);
      } else {
        // Two horns curving out and up from the crown, thick at the root.
        for (double s : {-1.0, 1.0}) {
          const Pt side = fwd * s;
          const Pt base = c + up * r * 0.85 + side * r * 0.4;
          Part(
              [&](cairo_t* cr2) {
                const Pt pts[] = {base - side * 5, base + up * r * 0.6 + side * r * 0.3,
                                  base + up * r * 1.1 + side * r * 0.95,
                                  base + up * r * 0.45 + side * r * 0.8, base + side * 6};
                SmoothClosedPath(cr2, pts, 5);
              },
              look.trim, 2);
        }
      }
      return;
    }
    if (look.gear == Headgear::Hood || look.gear == Headgear::NecroHood) {
      // The hood: a pointed cowl with the face in its shadow.
      Part(
          [&](cairo_t* cr2) {
            const Pt pts[] = {c - fwd * r * 1.2 + up * r * 0.2, c - fwd * r * 0.6 + up * r * 1.5,
                              c + fwd * r * 0.6 + up * r * 1.2, c + fwd * r * 1.15 - up * r * 0.2,
                              c + fwd * r * 0.6 - up * r * 1.3, c - fwd * r * 1.1 - up * r * 1.3};
            SmoothClosedPath(cr2, pts, 6);
          },
          look.lower, 3);
      Flat(
          cr, [&](cairo_t* cr2) { EllipsePath(cr2, c + fwd * r * 0.45, r * 0.55, r * 0.75, a); },
          Mix(look.skin.shade, kOutline, 0.55));
      const Rgb eye = look.gear == Headgear::NecroHood ? Hex(0x7dff8a) : Hex(0xffd27a);
      Flat(
          cr,
          [&](cairo_t* cr2) { EllipsePath(cr2, c + fwd * r * 0.7 + up * r * 0.1, 2.2, 1.6, a); },
          eye);
      return;
    }
    // A face: skull circle, ear, eye, hair or helmet.
    if (look.hairStyle == Hair::Long || look.hairStyle == Hair::Ponytail) {
      Part(
          [&](cairo_t* cr2) {
            const Pt pts[] = {c + up * r * 1.1, c - fwd * r * 1.2 + up * r * 0.3,
                              c - fwd * r * 1.1 - up * r * 1.2, c - fwd * r * 0.2 - up * r * 0.4};
            SmoothClosedPath(cr2, pts, 4);
          },
          look.hair, 2);
    }
    Part(
        [&](cairo_t* cr2) {
          const Pt pts[] = {c + up * r,
                            c + fwd * r * 0.95 + up * r * 0.3,
                            c + fwd * r * 1.08 - up * r * 0.25,
                            c + fwd * r * 0.6 - up * r * 0.95,
                            c - up * r * 0.95,
                            c - fwd * r * 0.95};
          SmoothClosedPath(cr2, pts, 6);
        },
        look.skin, 3);
    // Eye, brow and mouth. The heroine's eye is a large one with a coloured iris and a glint.
    const bool heroine = look.hairStyle == Hair::Ponytail;
    const Pt eyeAt = c + fwd * r * (heroine ? 0.56 : 0.6) + up * r * (heroine ? 0.0 : 0.08);
    Flat(
        cr,
        [&](cairo_t* cr2) { EllipsePath(cr2, eyeAt, heroine ? 2.3 : 1.6, heroine ? 3.6 : 2.6, a); },
        kOutline);
    if (heroine) {
      Flat(
          cr, [&](cairo_t* cr2) { EllipsePath(cr2, eyeAt - up * 1.1, 1.4, 1.7, a); },
          Hex(0x8a3a6e));
      Flat(
          cr, [&](cairo_t* cr2) { EllipsePath(cr2, eyeAt + up * 1.3 + fwd * 0.5, 0.9, 0.9, a); },
          Hex(0xffffff));
    }
    {  // the brow and the mouth
      cairo_save(cr);
      SetRgb(cr, kOutline, 0.8);
      cairo_set_line_width(cr, 1.2);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      const Pt b0 = c + fwd * r * 0.42 + up * r * 0.42, b1 = c + fwd * r * 0.82 + up * r * 0.38;
      const Pt m0 = c + fwd * r * 0.62 - up * r * 0.5, m1 = c + fwd * r * 0.85 - up * r * 0.47;
      cairo_move_to(cr, b0.x, b0.y);
      cairo_line_to(cr, b1.x, b1.y);
      cairo_move_to(cr, m0.x, m0.y);
      cairo_line_to(cr, m1.x, m1.y);
      cairo_stroke(cr);
      cairo_restore(cr);
    }
    switch (look.gear) {
      case Headgear::OpenHelm:
      case Headgear::Cap: {
        const bool helm = look.gear == Headgear::OpenHelm;
        Part(
            [&](cairo_t* cr2) {
              const Pt pts[] = {c - fwd * r * 1.15 - up * r * 0.1,
                                c - fwd * r * 0.9 + up * r * 0.9,
                                c + up * r * 1.25,
                                c + fwd * r * 0.9 + up * r * 0.8,
                                c + fwd * r * 1.25 + up * r * 0.25,
                                c - fwd * r * 0.2 + up * r * 0.3};
              SmoothClosedPath(cr2, pts, 6);
            },
            helm ? look.metal : look.lower, 2);
        if (helm) {
          // Brim and nasal.
          Part(
              [&](cairo_t* cr2) {
                PolygonPath(cr2,
                            {c - fwd * r * 1.4 + up * r * 0.25, c + fwd * r * 1.4 + up * r * 0.35,
                             c + fwd * r * 1.4 + up * r * 0.15, c - fwd * r * 1.4 + up * r * 0.05});
              },
              look.metal, 1);
        }
        break;
      }
      default:
        break;
    }
    if (look.hairStyle == Hair::Ponytail) {
      // Her fringe: pointed locks over the brow, swept forward.
      Part(
          [&](cairo_t* cr2) {
            PolygonPath(cr2,
                        {c - fwd * r * 1.05 + up * r * 0.1, c - fwd * r * 0.6 + up * r * 1.05,
                         c + fwd * r * 0.45 + up * r * 1.05, c + fwd * r * 1.05 + up * r * 0.6,
                         c + fwd * r * 1.15 + up * r * 0.2, c + fwd * r * 0.85 + up * r * 0.5,
                         c + fwd * r * 0.7 + up * r * 0.32, c + fwd * r * 0.5 + up * r * 0.58,
                         c + fwd * r * 0.25 + up * r * 0.3, c + fwd * r * 0.0 + up * r * 0.55,
                         c - fwd * r * 0.45 - up * r * 0.2, c - fwd * r * 0.85 - up * r * 0.7});
          },
          look.hair, 3);
    } else if (look.hairStyle == Hair::Short || look.hairStyle == Hair::Long) {
      // Fringe over the brow, parted toward the back.
      Part(
          [&](cairo_t* cr2) {
            const Pt pts[] = {c - fwd * r * 1.05 + up * r * 0.1, c - fwd * r * 0.6 + up * r * 1.05,
                              c + fwd * r * 0.5 + up * r * 1.02, c + fwd * r * 1.12 + up * r * 0.35,
                              c + fwd * r * 0.75 + up * r * 0.5, c + fwd * r * 0.2 + up * r * 0.35,
                              c - fwd * r * 0.35 - up * r * 0.1, c - fwd * r * 0.8 - up * r * 0.6};
            SmoothClosedPath(cr2, pts, 8);
          },
          look.hair, 3);
    }
  }

  void Shield() const {
    // A tower shield carried on the back arm, in front of the body.
    const double a = j.torsoAngle;
    const Pt up = Rotate({0, -1}, a), fwd = Rotate({1, 0}, a);
    const Pt c = j.wristB + fwd * 10 + up * 8;
    const double h = b.torso * 1.5, w = b.chest * 1.9;
    Part(
        [&](cairo_t* cr2) {
          const Pt pts[] = {c + up * h * 0.55 - fwd * w * 0.3,  c + up * h * 0.62 + fwd * w * 0.5,
                            c + up * h * 0.4 + fwd * w * 0.75,  c - up * h * 0.5 + fwd * w * 0.7,
                            c - up * h * 0.72 + fwd * w * 0.15, c - up * h * 0.5 - fwd * w * 0.35};
          SmoothClosedPath(cr2, pts, 6);
        },
        look.top, 5);
    // The gold cross.
    const Pt cc = c + fwd * w * 0.22;
    Part(
        [&](cairo_t* cr2) {
          PolygonPath(cr2, {cc + up * h * 0.42 - fwd * 3, cc + up * h * 0.42 + fwd * 3,
                            cc - up * h * 0.45 + fwd * 3, cc - up * h * 0.45 - fwd * 3});
          PolygonPath(cr2,
                      {cc + up * h * 0.15 - fwd * w * 0.4, cc + up * h * 0.15 + fwd * w * 0.45,
                       cc + up * h * 0.05 + fwd * w * 0.45, cc + up * h * 0.05 - fwd * w * 0.4});
        },
        look.trim, 1);
  }

  void Draw() const {
    if (look.capeOn) Cape();
    if (look.hairStyle == Hair::Ponytail && look.gear == Headgear::None) Ponytail();
    Arm(j.shoulderB, j.elbowB, j.wristB, false);
    if (!look.astride) Leg(j.hipB, j.kneeB, j.ankleB, j.toeB);
    if (look.garment == Garment::Robe) Lower();
    Leg(j.hipF, j.kneeF, j.ankleF, j.toeF);
    Torso();
    if (look.garment != Garment::Robe) Lower();
    Head();
    if (look.shield) Shield();
    if (look.weapon != Weapon::None) {
      Look held = look;
      held.weaponLength *= j.reach;
      DrawWeapon(cr, held, j.wristF, j.weaponAngle);
    }
    Arm(j.shoulderF, j.elbowF, j.wristF, true);
  }
};

}  // namespace

void DrawWeapon(cairo_t* cr, const Look& look, Pt hand, double angle) {
  const Pt dir = Rotate({0, -1}, angle), n = Rotate({1, 0}, angle);
  const double L = look.weaponLength;
  const Material wood = Cloth(0x6b4a2e, 0x4a321e);
  const Material grip = Cloth(0x2a2233, 0x171220);
  auto shaft = [&](double back, double front, double r, const Material& m) {
    Shape(
        cr, [&](cairo_t* c) { CapsulePath(c, hand - dir * back, hand + dir * front, r, r); }, m,
        1.2, 1.6);
  };
  switch (look.weapon) {
    case Weapon::Katana:
    case Weapon::Sabre:
    case Weapon::Sword:
    case Weapon::Greatsword: {
      const bool curved = look.weapon == Weapon::Katana || look.weapon == Weapon::Sabre;
      const double w =
          look.weapon == Weapon::Greatsword ? 7.5 : (look.weapon == Weapon::Sword ? 5.5 : 4.0);
      const double bend = curved ? L * 0.08 : 0;
      shaft(8, 6, look.weapon == Weapon::Greatsword ? 3.2 : 2.4, grip);
      const Pt b0 = hand + dir * 8;
      const Pt tip = hand + dir * (L + 8) - n * bend;
      const Pt mid = Lerp(b0, tip, 0.55) - n * bend * 0.9;
      Shape(
          cr,
          [&](cairo_t* c) {
            const Pt pts[] = {b0 + n * w, mid + n * w * 0.9, tip, mid - n * w * 0.6, b0 - n * w};
            PolygonPath(c, pts, 5);
          },
          look.metal, 1.5, 1.6);
      // Guard.
      const double g = look.weapon == Weapon::Greatsword ? 14 : (curved ? 6 : 10);
      Shape(
          cr,
          [&](cairo_t* c) {
            CapsulePath(c, hand + dir * 7 - n * g, hand + dir * 7 + n * g, 2.6, 2.6);
          },
          look.trim, 1, 1.5);
      break;
    }
    case Weapon::Spear:
    case Weapon::Glaive: {
      shaft(L * 0.35, L * 0.65, 2.6, wood);
      const Pt tip = hand + dir * (L * 0.65);
      const bool glaive = look.weapon == Weapon::Glaive;
      Shape(
          cr,
          [&](cairo_t* c) {
            if (glaive) {
              PolygonPath(c, {tip - n * 3, tip + n * 9 + dir * 8, tip + n * 6 + dir * 34,
                              tip + dir * 44, tip - n * 4 + dir * 10});
            } else {
              PolygonPath(c, {tip - n * 5, tip + dir * 30, tip + n * 5, tip + dir * 4});
            }
          },
          look.metal, 1.5, 1.6);
      break;
    }
    case Weapon::Axe: {
      shaft(L * 0.25, L * 0.75, 3.2, wood);
      // A bearded blade: a long curved edge with a hooked lower point.
      const Pt head = hand + dir * (L * 0.62);
      Shape(
          cr,
          [&](cairo_t* c) {
            cairo_move_to(c, head.x + (dir * 12 - n * 2).x, head.y + (dir * 12 - n * 2).y);
            const Pt top = head + n * 30 + dir * 28, low = head + n * 32 - dir * 34;
            const Pt ctl = head + n * 52 - dir * 2;
            cairo_line_to(c, top.x, top.y);
            cairo_curve_to(c, ctl.x, ctl.y - 0, ctl.x, ctl.y, low.x, low.y);
            const Pt hook = head + n * 12 - dir * 10, back = head - n * 2 - dir * 8;
            cairo_line_to(c, hook.x, hook.y);
            cairo_line_to(c, back.x, back.y);
            cairo_close_path(c);
          },
          look.metal, 3, 2);
      break;
    }
    case Weapon::SkullStaff: {
      shaft(L * 0.3, L * 0.7, 2.6, wood);
      const Pt top = hand + dir * (L * 0.7 + 9);
      Glow(cr, top, 22, Hex(0x66ff7a), 0.55);
      Shape(
          cr, [&](cairo_t* c) { EllipsePath(c, top, 9, 10, angle); }, Cloth(0xe9e2c8, 0xb3aa8a), 2,
          1.6);
      Flat(
          cr,
          [&](cairo_t* c) {
            EllipsePath(c, top + n * 3.5 - dir * 1, 2.2, 2.6, angle);
            EllipsePath(c, top - n * 2.5 - dir * 1, 2.2, 2.6, angle);
          },
          Hex(0x2aff64));
      break;
    }
    case Weapon::None:
      break;
  }
}

void DrawFigure(cairo_t* cr, const Build& b, const Look& look, const Joints& j) {
  FigurePainter{cr, b, look, j}.Draw();
}

}  // namespace art
