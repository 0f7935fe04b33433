#pragma once
// The dragon mount: a wyvern on two bird-like hind legs, its bat wings folded along the flanks,
// a saddle on its back. It is posed by a handful of angles and drawn with its feet on (0, 0).

#include "art/canvas.h"

namespace art {

struct DragonPose {
  double x, y;       // body offset (y < 0 lifts the body: rearing or in the air)
  double tilt;       // body pitch about the saddle, + nose down
  double neck;       // neck raise from level, + up
  double head;       // head pitch relative to the neck end, + nose down
  double jaw;        // mouth opening in degrees
  double tail;       // tail raise, + up
  double legF;       // near hind leg swing: the foot's distance ahead of its hip
  double legB;       // far hind leg swing
  double crouch;     // 0 standing, 1 fully crouched
  double wings;      // 0 folded, 1 spread
  int air;           // 1: feet leave the ground (legs tucked)
  double liftF = 0;  // how far the near foot is raised off the ground (a step)
  double liftB = 0;  // the same for the far foot
  double flap = 0;   // wing beat: + sweeps the spread wings down, - raises them
};

DragonPose BlendDragon(const DragonPose& a, const DragonPose& b, double t);

// Points of the posed dragon the rider and the effects hang on.
struct DragonPoints {
  Pt saddle;   // where a rider's pelvis sits
  Pt mouth;    // between the jaws, where the breath leaves
  Pt bit;      // the corner of the mouth, where the reins are buckled
  Pt stirrup;  // where the stirrup leather hangs from the saddle
};

enum class Tack {
  None,    // a wild dragon
  Saddle,  // saddled, reins over the neck, the stirrup hanging empty
  Ridden,  // saddled; the rider's reins and stirrup are drawn with the rider
};

// Draws the dragon with its feet on (0, 0).
DragonPoints DrawDragon(cairo_t* cr, const DragonPose& p, Tack tack);
Pt SaddlePoint(const DragonPose& p);

// The stirrup leather from the saddle down to a boot, and its iron under the sole; the leather
// goes under the rider's leg, the iron over the boot.
void DrawStirrupLeather(cairo_t* cr, Pt from, Pt foot);
void DrawStirrupIron(cairo_t* cr, Pt foot, double angle);
// Reins from the bit to a rider's hand, sagging a little.
void DrawReins(cairo_t* cr, Pt bit, Pt hand);

}  // namespace art
