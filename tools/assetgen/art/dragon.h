#pragma once
// The dragon mount: a wyvern with folded wings and a saddle, posed by a handful of angles.

#include "art/canvas.h"

namespace art {

struct DragonPose {
  double x, y;    // body offset (y < 0 lifts the body: rearing or in the air)
  double tilt;    // body pitch, + nose down
  double neck;    // neck raise from level, + up
  double head;    // head pitch relative to the neck end, + nose down
  double jaw;     // mouth opening in degrees
  double tail;    // tail raise, + up
  double legF;    // near hind leg swing, + forward
  double legB;    // far hind leg swing
  double crouch;  // 0 standing, 1 fully crouched
  double wings;   // 0 folded, 1 spread
  int air;        // 1: feet leave the ground (legs tucked)
};

DragonPose BlendDragon(const DragonPose& a, const DragonPose& b, double t);

// Where a rider's pelvis sits and where the breath leaves the jaws.
struct DragonPoints {
  Pt saddle;
  Pt mouth;
};
// Draws the dragon with its feet on (0, 0).
DragonPoints DrawDragon(cairo_t* cr, const DragonPose& p, bool saddle);
Pt SaddlePoint(const DragonPose& p);

}  // namespace art
