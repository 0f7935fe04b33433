#pragma once
// A small posable 2D skeleton. A figure faces right (+x); a pose gives joint angles, the rig
// turns them into joint positions for a kind's proportions, and the costume hangs shapes on the
// bones. Frames are drawn around the pivot: (0, 0) is the ground under the figure.

#include "art/canvas.h"

namespace art {

// Bone lengths and limb thicknesses in pixels.
struct Build {
  double thigh, shin, foot;
  double upperArm, forearm;
  double torso, neck, head;  // head is the radius of the skull
  double thighR, shinR, ankleR;
  double upperArmR, forearmR, handR;
  double waist, chest;  // half thickness of the torso at the hips and at the shoulders
};

// Angles in degrees. Thighs and the torso are measured in the body's frame; arms from the
// torso's down axis; "+" always turns forward (toward +x).
struct Pose {
  double x, y;   // pelvis offset: y is added after the feet are put on the ground
  double body;   // whole-figure rotation about the pelvis (+90 face down, -90 on the back)
  double torso;  // lean of the upper body
  double head;   // nod (+ looks down)
  double thighF, kneeF, thighB, kneeB;  // knee bend folds the shin back
  double armF, elbowF, armB, elbowB;    // elbow bend folds the forearm forward and up
  double weapon;       // direction of the held weapon in the body's frame: 0 up, 90 forward
  double flow;         // how far hair and cape stream back: 0 hanging, 1 streaming, -1 forward
  int air;             // 0: lowest point on the ground; 1: pelvis at standing height + y
  double reach = 1.0;  // drawn length of the weapon: below 1 when it swings toward the viewer
};

Pose Blend(const Pose& a, const Pose& b, double t);

enum class Hair { None, Ponytail, Short, Long };
enum class Headgear { None, OpenHelm, GreatHelm, Hood, HornedHelm, Cap, NecroHood };
enum class Garment { Dress, Tunic, Tabard, Robe, Plate, Apron };
enum class Weapon { None, Katana, Sabre, Spear, Axe, Greatsword, Sword, SkullStaff, Glaive };

// Colours and costume of one kind.
struct Look {
  Material skin, hair, top, lower, legs, boots, sleeves, gloves, metal, trim, cape;
  Hair hairStyle;
  Headgear gear;
  Garment garment;
  Weapon weapon;
  bool shield;
  bool capeOn;
  bool bareArms;
  double weaponLength;
  bool astride = false;  // in a saddle: the far leg is hidden behind the mount
};

struct Joints {
  Pt pelvis, neck, head;
  Pt shoulderF, elbowF, wristF, shoulderB, elbowB, wristB;
  Pt hipF, kneeF, ankleF, toeF, hipB, kneeB, ankleB, toeB;
  double torsoAngle;   // screen rotation of the torso (0 upright)
  double headAngle;    // screen rotation of the face
  double weaponAngle;  // screen direction of the weapon: 0 up, 90 right
  double flow;
  double reach;
};

// Joint positions on screen, relative to the pivot, with the feet on the ground unless `air`.
Joints PoseJoints(const Build& b, const Pose& p);
// Moves every joint of a posed figure (to seat a rider, or hang a captive from a hand).
void MoveJoints(Joints& j, Pt by);

// Draws the whole figure.
void DrawFigure(cairo_t* cr, const Build& b, const Look& look, const Joints& j);
// The held weapon alone (also used for weapons dropped or thrown).
void DrawWeapon(cairo_t* cr, const Look& look, Pt hand, double angle);

}  // namespace art
