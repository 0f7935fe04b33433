// The cast on foot: each kind's proportions and costume, and every animation as a table of key
// poses, one row per key.

#include <cmath>
#include <vector>

#include "art/cast.h"

namespace art {

namespace {

// ---- Proportions
// ----------------------------------------------------------------------------------

// clang-format off
//                        thigh shin foot  uArm fArm torso neck head  thR shR anR  uaR faR hdR  waist chest
constexpr Build kMomoBuild   = {42, 42, 17,  30, 28,  48,   5,  13.5, 9.5, 7, 4.5, 6,  5.5, 5,  11, 12.5};
constexpr Build kSoldier     = {48, 48, 19,  34, 32,  56,   6,  14.5, 13, 10, 6.5, 8.5, 7.5, 7, 17, 21};
constexpr Build kBrute       = {47, 47, 21,  36, 34,  58,   5,  15,   14, 11, 7,  11, 9.5, 9, 20, 25};
constexpr Build kKnight      = {53, 52, 21,  38, 36,  62,   6,  15.5, 15, 12, 7.5, 11, 10, 8.5, 20, 26};
constexpr Build kRobed       = {47, 47, 18,  34, 32,  56,   6,  14,   12, 9, 5.5, 8,  7,  6,  15, 18};
// clang-format on

// ---- Costumes -----------------------------------------------------------------------------------

constexpr Material kSkin = Cloth(0xf4d3c0, 0xd6a08c);
constexpr Material kTanSkin = Cloth(0xc98e67, 0x97603f);
constexpr Material kPaleSkin = Cloth(0xcfcab6, 0x9a947e);
constexpr Material kSilver = Metal(0xc9cfdc, 0x868da3, 0xffffff);
constexpr Material kSteel = Metal(0x9aa3b3, 0x5f6677, 0xdde3ee);
constexpr Material kGoldTrim = Metal(0xdcae3f, 0x9c7420, 0xfff0a8);
constexpr Material kBlackPlate = Metal(0x34323d, 0x1d1b24, 0x6f6c80);
constexpr Material kCrimson = Cloth(0xc41f3b, 0x83122a);
constexpr Material kDarkBoot = Cloth(0x3a2b2a, 0x221818);

Look MomoLook() {
  Look l{};
  l.skin = kSkin;
  l.hair = Cloth(0xf07aa8, 0xbe4c7f);
  l.top = Cloth(0xf6f3f9, 0xc8c0d8);
  l.lower = kCrimson;
  l.legs = Cloth(0x2f2b48, 0x1c1930);
  l.boots = Cloth(0x5a3140, 0x3a1d29);
  l.sleeves = Cloth(0xf6f3f9, 0xc8c0d8);
  l.gloves = kCrimson;
  l.metal = kSilver;
  l.trim = kCrimson;
  l.cape = kCrimson;
  l.hairStyle = Hair::Ponytail;
  l.gear = Headgear::None;
  l.garment = Garment::Dress;
  l.weapon = Weapon::Katana;
  l.capeOn = true;
  l.weaponLength = 66;
  return l;
}

Look SabermanLook() {
  Look l{};
  l.skin = kSkin;
  l.hair = Cloth(0x4a3222, 0x2e1e14);
  l.top = Cloth(0xbf975f, 0x8d6a3e);
  l.lower = Cloth(0x8a5a34, 0x603c20);
  l.legs = Cloth(0x6a5238, 0x473522);
  l.boots = kDarkBoot;
  l.sleeves = Cloth(0xd9c6a0, 0xa8936c);
  l.gloves = Cloth(0x7a5634, 0x553a20);
  l.metal = kSteel;
  l.trim = Cloth(0x5b3a22, 0x3d2615);
  l.hairStyle = Hair::Short;
  l.gear = Headgear::Cap;
  l.garment = Garment::Tunic;
  l.weapon = Weapon::Sabre;
  l.weaponLength = 64;
  return l;
}

Look SpearmanLook() {
  Look l = SabermanLook();
  l.top = Cloth(0x2f62ad, 0x1e3f78);
  l.lower = Cloth(0x2f62ad, 0x1e3f78);
  l.sleeves = Cloth(0x9ba4b2, 0x6a7282);  // mail
  l.legs = Cloth(0x514a5c, 0x35303f);
  l.trim = Cloth(0xe0c070, 0xa88a40);
  l.gear = Headgear::OpenHelm;
  l.garment = Garment::Tabard;
  l.weapon = Weapon::Spear;
  l.weaponLength = 190;
  return l;
}

Look TemplarLook() {
  Look l{};
  l.skin = kSkin;
  l.hair = Cloth(0x6a5038, 0x4a3624);
  l.top = Metal(0xeeece6, 0xb4b0a6, 0xffffff);
  l.lower = Cloth(0xf2efe6, 0xc4bda8);
  l.legs = Metal(0xdedbd2, 0xa29e92, 0xffffff);
  l.boots = Metal(0xd0ccc0, 0x958f80, 0xffffff);
  l.sleeves = Metal(0xe4e1d8, 0xa8a498, 0xffffff);
  l.gloves = kGoldTrim;
  l.metal = Metal(0xe8e5dc, 0xaaa596, 0xffffff);
  l.trim = kGoldTrim;
  l.hairStyle = Hair::None;
  l.gear = Headgear::GreatHelm;
  l.garment = Garment::Tabard;
  l.weapon = Weapon::Sword;
  l.shield = true;
  l.weaponLength = 70;
  return l;
}

Look ExecutionerLook() {
  Look l{};
  l.skin = kTanSkin;
  l.hair = Cloth(0x2a1a1a, 0x160c0c);
  l.top = kTanSkin;  // bare chest under the harness
  l.lower = Cloth(0x3b1b22, 0x240e14);
  l.legs = Cloth(0x4b3526, 0x301f15);
  l.boots = kDarkBoot;
  l.sleeves = kTanSkin;
  l.gloves = Cloth(0x3a2a20, 0x221810);
  l.metal = kSteel;
  l.trim = Cloth(0x5a3422, 0x3a2012);
  l.gear = Headgear::Hood;
  l.garment = Garment::Apron;
  l.weapon = Weapon::Axe;
  l.bareArms = true;
  l.weaponLength = 118;
  return l;
}

Look NecromancerLook() {
  Look l{};
  l.skin = kPaleSkin;
  l.hair = Cloth(0x4a4a4a, 0x2a2a2a);
  l.top = Cloth(0x5d3184, 0x3d1c5c);
  l.lower = Cloth(0x4a2570, 0x2f1449);
  l.legs = Cloth(0x4a2570, 0x2f1449);
  l.boots = Cloth(0x2c1a36, 0x180c20);
  l.sleeves = Cloth(0x5d3184, 0x3d1c5c);
  l.gloves = kPaleSkin;
  l.metal = kSteel;
  l.trim = Cloth(0x9fe070, 0x5e9a3a);
  l.gear = Headgear::NecroHood;
  l.garment = Garment::Robe;
  l.weapon = Weapon::SkullStaff;
  l.weaponLength = 118;
  return l;
}

Look RaiderLook() {
  Look l = SabermanLook();
  l.top = Cloth(0x5a4538, 0x3b2c22);
  l.sleeves = Cloth(0x5a4538, 0x3b2c22);
  l.lower = Cloth(0x2c8a8a, 0x1c5e5e);
  l.trim = Cloth(0x2c8a8a, 0x1c5e5e);
  l.gear = Headgear::OpenHelm;
  l.garment = Garment::Tunic;
  l.weapon = Weapon::Glaive;
  l.capeOn = true;
  l.cape = Cloth(0x2c8a8a, 0x1c5e5e);
  l.weaponLength = 150;
  return l;
}

Look DarkKnightLook() {
  Look l{};
  l.skin = kPaleSkin;
  l.top = kBlackPlate;
  l.lower = kBlackPlate;
  l.legs = kBlackPlate;
  l.boots = kBlackPlate;
  l.sleeves = kBlackPlate;
  l.gloves = kBlackPlate;
  l.metal = Metal(0x4a4756, 0x27252f, 0x8c89a0);
  l.trim = Metal(0xb3243a, 0x701424, 0xff6a7e);
  l.cape = Cloth(0x8e1528, 0x560a17);
  l.gear = Headgear::HornedHelm;
  l.garment = Garment::Plate;
  l.weapon = Weapon::Greatsword;
  l.capeOn = true;
  l.weaponLength = 120;
  return l;
}

}  // namespace

const Cast& CastOf(Kind kind) {
  static const Cast momo{kMomoBuild, MomoLook()};
  static const Cast necro{kRobed, NecromancerLook()};
  static const Cast templar{kSoldier, TemplarLook()};
  static const Cast raider{kSoldier, RaiderLook()};
  static const Cast executioner{kBrute, ExecutionerLook()};
  static const Cast spearman{kSoldier, SpearmanLook()};
  static const Cast saberman{kSoldier, SabermanLook()};
  static const Cast knight{kKnight, DarkKnightLook()};
  switch (kind) {
    case Kind::Necromancer:
      return necro;
    case Kind::Templar:
      return templar;
    case Kind::Raider:
      return raider;
    case Kind::Executioner:
      return executioner;
    case Kind::Spearman:
      return spearman;
    case Kind::Saberman:
      return saberman;
    case Kind::DarkKnight:
      return knight;
    default:
      return momo;
  }
}

namespace {

// ---- Storyboards ------------------------------------------------------------------------------

// Who a table is for: one kind, or every kind on foot that has no table of its own.
constexpr Kind kAnyKind = Kind::Zellenith;

using K = Kind;
using R = Role;

// clang-format off
// Columns: x, y | body torso head | front thigh, knee | back thigh, knee | front arm, elbow |
//          back arm, elbow | weapon | flow | air
const std::vector<Board>& Boards() {
  static const std::vector<Board> boards = {
    // ---- Shared by every kind on foot -----------------------------------------------------------
    {kAnyKind, R::Stance, kLoop, {
      { 0,  0,   0,  4,  0,   12, 14, -12,  8,   30, 75, -15, 30,   20, 0.1, 0},
      { 0,  1,   0,  6,  2,   14, 20, -12, 14,   32, 78, -13, 34,   24, 0.1, 0},
    }},
    {kAnyKind, R::Walk, kLoop, {
      { 0,  0,   0,  6,  0,   25, 10, -20, 15,   25, 70,  15, 25,   30, 0.2, 0},
      { 0,  0,   0,  6,  0,    0, 30,  10, 45,   30, 75,   0, 25,   25, 0.2, 0},
      { 0,  0,   0,  6,  0,  -20, 15,  25, 10,   35, 80, -15, 25,   20, 0.2, 0},
      { 0,  0,   0,  6,  0,   10, 45,   0, 30,   30, 75,   0, 25,   25, 0.2, 0},
    }},
    {kAnyKind, R::Run, kLoop, {
      { 0,  0,   0, 16,  0,   40, 25, -35, 40,  -10, 60,  45, 70,   60, 1.0, 0},
      { 0,  0,   0, 16,  0,  -10, 40,  30, 100,   0, 65,  10, 60,   55, 1.0, 0},
      { 0,  0,   0, 16,  0,  -35, 40,  40, 25,   20, 70, -30, 40,   50, 1.0, 0},
      { 0,  0,   0, 16,  0,   30, 100, -10, 40,  10, 65,  10, 60,   55, 1.0, 0},
    }},
    {kAnyKind, R::PlaneSwitch, kOnce, {
      { 0,  0,   0, 14,  5,   40, 60, -10, 50,   30, 70, -20, 30,   40, 0.3, 0},
      { 0,-14,   0,  8,  0,   20, 50, -10, 60,   30, 75, -10, 30,   30, 0.5, 0},
      { 0,  0,   0, 12,  5,   35, 50,  -5, 45,   30, 70, -20, 30,   35, 0.3, 0},
    }},
    {kAnyKind, R::Dash, kOnce, {
      { 0,  0,   0, 30,  0,   50, 40, -45, 20,   40, 40, -40, 30,   80, 1.0, 0},
    }},
    {kAnyKind, R::Block, kOnce, {
      { 0,  0,   0,  2, -5,   20, 25, -20, 15,   60, 90,  70, 60,    0, 0.1, 0},
    }},
    {kAnyKind, R::HitUp, kOnce, {
      {-6,  0,   0,-22,-20,    5, 15, -25, 20,  -20, 30, -50, 30,  -10, 0.4, 0},
      {-3,  0,   0,-12,-10,   10, 18, -20, 15,    0, 50, -30, 30,    5, 0.2, 0},
    }},
    {kAnyKind, R::HitLow, kOnce, {
      {-4,  0,   0, 36, 25,   25, 45, -25, 30,   20, 40, -10, 40,  100, 0.4, 0},
      {-2,  0,   0, 26, 15,   20, 35, -20, 25,   25, 55, -10, 35,   80, 0.2, 0},
    }},
    {kAnyKind, R::Knockup, kOnce, {
      { 0,-10, -35,-20,-25,   10, 30, -20, 50,  -60, 20,-100, 20,  -40, 0.8, 0},
    }},
    {kAnyKind, R::Knockdown, kOnce, {
      { 0, -8, -55,-15,-20,   25, 40,  -5, 60,  -70, 20,-110, 30,  -60, 0.8, 0},
      { 0, -4, -78, -8,-10,   35, 30,  10, 50,  -90, 30,-130, 20,  -80, 0.6, 0},
    }},
    {kAnyKind, R::Knockdown2, kOnce, {
      { 0, -8,  55, 10,-10,  -10, 40, -30, 60,   90, 20, 120, 30,  150, 0.8, 0},
      { 0, -2,  78,  5,-15,   -5, 30, -20, 40,  110, 20, 140, 20,  170, 0.6, 0},
    }},
    {kAnyKind, R::Knockout, kOnce, {
      { 0, 14, -90,  0,  0,    5,  5,  15, 20,   10, 20,  40, 30,  160, 0.0, 0},
    }},
    {kAnyKind, R::Knockout2, kOnce, {
      { 0,  8,  88,  0,-20,   -5, 20,   5, 40,  150, 10, 170, 10,  200, 0.5, 0},
      { 0,  8,  90,  0,-25,    0, 10,   5, 20,  160, 10, 175, 10,  205, 0.2, 0},
    }},
    {kAnyKind, R::WakeUp, kOnce, {
      { 0,  0,   0, 40, 10,   85, 90,  80, 160,  60, 20,  50, 70,   60, 0.1, 0},
      { 0,  0,   0, 25,  5,   60, 100, -10, 80,  40, 60,   0, 40,   35, 0.1, 0},
    }},
    {kAnyKind, R::Thrown, kOnce, {
      { 0,-10, 150, 10, 10,   30, 40,   0, 60, -120, 30, -80, 20,  -60, 0.8, 0},
    }},
    {kAnyKind, R::BeingThrown, kOnce, {
      { 0,  0,   0, 40, 30,   20, 40, -20, 30,   20, 30, -10, 30,  110, 0.3, 0},
      { 0,-20, -35, 10,-10,   30, 50,  10, 70,  -50, 30, -80, 20,  -30, 0.6, 0},
      { 0,-12, 175,  0,  0,   10, 30, -10, 30,  -30, 20, -60, 20,  -10, 0.9, 0},
    }},

    // ---- The heroine ----------------------------------------------------------------------------
    // One key per frame. Where the game opens an attack's hit box, the comment names the frame
    // on screen at that moment: that frame is the strike.
    // Guard: weight low, sword upright before her; the breath swells from frame 0 to 3 and back.
    {K::Momo, R::Stance, kOnce, {
      { 3,  0,   0,  6,  0,   16, 30,  -6, 24,    0, 65, -20, 45,   12, 0.05, 0},
      { 3,  0,   0,  7,  1,   17, 33,  -6, 27,    0, 66, -20, 47,   11, 0.07, 0},
      { 3,  0,   0,  8,  2,   18, 36,  -6, 30,    0, 67, -20, 49,   10, 0.09, 0},
      { 3,  0,   0,  9,  2,   19, 39,  -6, 33,    0, 68, -20, 51,   9, 0.11, 0},
    }},
    // A sprinter's stride, the sword held back along the arm; frame 9 flows into frame 0.
    {K::Momo, R::Run, kOnce, {
      { 8,  0,   0, 16, -2,    12,  92,   12,  22,   -15, 70,   10, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    28,  76,   -4,  22,   -24, 70,   36, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    38,  39,  -14,  22,   -29, 70,   53, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    38,  22,  -14,  39,   -29, 70,   53, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    28,  22,   -4,  76,   -24, 70,   36, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    12,  22,   12,  92,   -15, 70,   10, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    -4,  22,   28,  76,    -6, 70,  -16, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,   -14,  22,   38,  39,    -1, 70,  -33, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,   -14,  39,   38,  22,    -1, 70,  -33, 75,  325, 0.8, 0},
      { 8,  0,   0, 16, -2,    -4,  76,   28,  22,    -6, 70,  -16, 75,  325, 0.8, 0},
    }},
    // Skidding to a halt, deepest on the last frame (the stop plays forward and back).
    {K::Momo, R::RunBreak, kOnce, {
      { 6,  0,   0,  4,  0,   30, 14, -18, 30,   35, 65, -28, 45,  330, 0.6, 0},
      { 6,  0,   0, -2, -3,   38, 14, -22, 45,   40, 60, -35, 45,  330, 0.6, 0},
      {10,  0,   0,-10, -6,   48,  8, -25, 60,   50, 40, -45, 50,  300, 0.9, 0},
    }},
    // A low gliding lunge, sword trailing.
    {K::Momo, R::Dash, kOnce, {
      { 0,  0,   0, 34,  2,   58, 55, -52, 18,  -55, 30,  35, 70,  255, 1.0, 0},
      { 0,  0,   0, 36,  2,   60, 58, -55, 20,  -58, 30,  38, 70,  252, 1.0, 0},
      { 0,  0,   0, 35,  2,   59, 56, -53, 19,  -56, 30,  36, 70,  254, 1.0, 0},
    }},
    // The box opens on entry: frame 0 is the thrust; then the blade sweeps across and back.
    {K::Momo, R::DashAttack, kOnce, {
      { 8,  0,   0, 30,  0,   62, 40, -55, 10,   90,  0, -40, 30,   90, 1.0, 0},
      { 8,  0,   0, 26,  0,   60, 42, -52, 12,   95, 20, -35, 30,  120, 0.9, 0, 0.5},
      { 4,  0,   0, 20,  0,   50, 45, -45, 15,   60, 50, -30, 35,  230, 0.7, 0},
    }},
    // Already through: she slides on past the foe facing back at it, the cut still in the air
    // behind her. The box opens on entry (frame 0) and is spent from frame 2.
    {K::Momo, R::StrikeThrough, kOnce, {
      { 0,  0,   0,-18,  0,   55, 95, -30, 40,  -95,  5,  30, 60,  255, -0.9, 0},
      { 0,  0,   0,-14,  0,   52, 90, -28, 35,  -85, 15,  25, 60,  240, -0.8, 0},
      { 0,  0,   0, -8,  0,   45, 80, -25, 30,  -60, 35,  10, 55,  220, -0.6, 0},
      { 0,  0,   0,  2,  0,   30, 50, -20, 25,  -20, 60, -10, 50,  170, -0.3, 0},
    }},
    // A sidestep hop into the depth of the stage (plays forward and back).
    {K::Momo, R::PlaneSwitch, kOnce, {
      { 0,  0,   0, 16,  4,   42, 68, -12, 55,   35, 80, -20, 40,   25, 0.4, 0},
      { 0,  0,   0, 10,  0,   55, 95,  15, 85,   40, 85, -30, 50,   20, 0.6, 0},
      { 0,  0,   0, 14,  4,   38, 55,  -8, 45,   32, 82, -20, 38,   25, 0.4, 0},
    }},
    // Gathering for the jump; the landing plays it backward.
    {K::Momo, R::JumpCrouch, kOnce, {
      { 0,  0,   0, 22,  6,   50, 75,  -5, 70,   15, 75, -40, 45,   40, 0.4, 0},
      { 0,  0,   0, 30,  8,   68,110,   5,100,   10, 80, -50, 40,   50, 0.5, 0},
    }},
    // Rising: one knee driven up, sword high.
    {K::Momo, R::JumpUp, kOnce, {
      { 2,  0,   0,  6, -6,   65,100,   6, 35,   20, 60, -35, 40,   10, 0.0, 0},
      { 2,  0,   0,  4, -8,   72,110,  10, 50,   25, 55, -32, 40,    6, 0.0, 0},
      { 2,  0,   0,  6, -6,   76,115,  16, 65,   20, 60, -30, 40,   10, 0.1, 0},
    }},
    // The top of the arc, knees tucked.
    {K::Momo, R::JumpPeak, kOnce, {
      { 0,  0,  10, 12,  2,   80,115,  35,110,   70, 60, -40, 60,   45, 0.3, 0},
      { 0,  0,  15, 14,  4,   85,125,  45,120,   65, 60, -35, 60,   55, 0.4, 0},
      { 0,  0,   8, 12,  2,   70,100,  25, 95,   60, 60, -40, 55,   50, 0.5, 0},
    }},
    // Falling, legs reaching down for the ground, arms out for balance.
    {K::Momo, R::JumpDown, kOnce, {
      { 0,  0,   0,  8,  4,   45, 70,  -5, 45,   70, 50, -70, 40,   60, 0.6, 0},
      { 0,  0,   0,  6,  4,   30, 45, -10, 30,   80, 45, -80, 35,   70, 0.7, 0},
      { 0,  0,   0,  6,  4,   20, 28, -12, 20,   85, 40, -85, 30,   75, 0.8, 0},
    }},
    // Strike 1, a horizontal cut at the chest. The box opens with frame 1, the blade swinging
    // across her front toward the viewer; frames 2 and 3 carry it round behind her.
    {K::Momo, R::Attack1, kOnce, {
      {-30,  0,   0, -4,  0,   30, 25, -30, 15,  -55, 70,  20, 50,  255, 0.3, 0},
      {-28,  0,   0, 22,  4,   50, 40, -45,  8,   85, 20, -40, 35,   92, 0.8, 0, 0.15},
      {-28,  0,   0, 24,  6,   50, 42, -46,  8,   55, 40, -45, 35,  150, 0.7, 0, 0.6},
      {-22,  0,   0, 18,  4,   46, 38, -42, 10,   20, 60, -35, 35,  230, 0.4, 0},
    }},
    // Strike 2, rising from low behind to high before her; the box opens with frame 1.
    {K::Momo, R::Attack2, kOnce, {
      { -8,  0,   0, 22, 10,   45, 55, -35, 20,  -25, 20,  10, 40,  215, 0.3, 0},
      {  6,  0,   0, 10, -6,   50, 40, -48, 10,  118, 10, -30, 30,   45, 0.8, 0},
      {  8,  0,   0,  0,-10,   50, 38, -50, 10,  160, 20, -40, 30,  350, 0.7, 0},
      {  4,  0,   0,  8,  0,   44, 34, -45, 12,  120, 45, -35, 30,   20, 0.4, 0},
    }},
    // Strike 3, a high cut at head height from the shoulder; the box opens with frame 1.
    {K::Momo, R::Attack3, kOnce, {
      {-14,  0,   0, -8, -5,   30, 28, -38, 15,  170, 40,  40, 60,  300, 0.3, 0},
      { -4,  0,   0, 18,  2,   55, 45, -55, 10,  108,  0, -40, 30,   85, 0.9, 0, 0.35},
      { -2,  0,   0, 24,  6,   58, 50, -58, 10,   70, 40, -45, 30,  160, 0.7, 0, 0.7},
      { -6,  0,   0, 18,  4,   50, 40, -50, 12,   30, 60, -40, 30,  220, 0.4, 0},
    }},
    // Strike 4, the finisher: a leap and a great overhead cut. The box opens with frame 2.
    {K::Momo, R::Attack4, kOnce, {
      {-22,  0,   0, 24, 10,   40, 95, -10, 90,  -70, 30,  10, 40,  235, 0.3, 0},
      {-16,  0,   0, -2, -8,   30, 60, -25, 35,  175, 15, 150, 20,  350, 0.8, 0},
      { 10,  0,   0, 38,  8,   70, 70, -60, 10,   85,  5, -40, 30,  115, 1.0, 0},
      { 12,  0,   0, 40, 10,   70, 75, -62, 10,   55, 10, -45, 30,  165, 0.9, 0},
      { 10,  0,   0, 28,  6,   60, 70, -55, 20,   40, 40, -40, 30,  175, 0.5, 0},
    }},
    // Jump strike 1, a flat cut with the knees tucked; the box opens with frame 1.
    {K::Momo, R::JumpAttack1, kOnce, {
      { 0,  0,   0, -2,  0,   60, 95,  10, 85,  -55, 70,  20, 50,  255, 0.4, 0},
      { 4,  0,   0, 20,  4,   65, 85,   5, 75,   92,  0, -40, 30,   92, 0.8, 0, 0.3},
      { 6,  0,   0, 24,  6,   65, 85,   5, 75,   60, 40, -50, 30,  150, 0.7, 0, 0.6},
      { 4,  0,   0, 18,  4,   60, 90,   8, 80,   20, 60, -40, 30,  230, 0.5, 0},
    }},
    // Jump strike 2, a rising cut in the air; the box opens with frame 1.
    {K::Momo, R::JumpAttack2, kOnce, {
      {-6,  0,   0, 18, 10,   55, 95,  10, 85,  -25, 20,  10, 40,  215, 0.4, 0},
      { 6,  0,   0,  6, -6,   60, 85,   0, 75,  118, 10, -30, 30,   45, 0.8, 0},
      { 8,  0,   0,  0,-10,   60, 85,   0, 75,  160, 20, -40, 30,  350, 0.7, 0},
      { 4,  0,   0,  8,  0,   55, 90,   5, 80,  120, 45, -35, 30,   20, 0.5, 0},
    }},
    // The dive: curled tight round her centre with the blade out, so the game's spin reads as
    // a wheel of steel. Both frames are live.
    {K::Momo, R::JumpAttack4, kOnce, {
      { 0, 88,   0, 35, 20,   95,140,  80,135,  100, 10,  40, 90,  110, 0.3, 1},
      { 0, 88,   0, 38, 22,  100,145,  85,140,  105,  5,  45, 90,  115, 0.3, 1},
    }},
    // The upward attack launches her; the box opens with frame 1, the rising cut. Frames 4 and 5
    // tuck into the fall.
    {K::Momo, R::UpAttack, kOnce, {
      {-4,  0,   0, 30, 10,   60,100,  -5, 90,  -30, 30,  10, 40,  200, 0.2, 0},
      { 2,  0,   0,  0,-12,   70, 95, -15, 10,  165,  5, -50, 30,    8, 1.0, 0},
      { 4,  0,   0, -8,-15,   55, 85, -10, 20,  178, 15, -60, 30,  340, 1.0, 0},
      { 4,  0,   0,-12,-12,   45, 75, -10, 30,  185, 40, -55, 30,  300, 0.9, 0},
      { 2,  0,  10, 10,  0,   80,120,  40,110,  100, 60, -30, 60,   60, 0.6, 0},
      { 0,  0,   5, 12,  2,   70,110,  25, 95,   60, 60, -40, 55,   50, 0.5, 0},
    }},
    // Jump kick: the knee chambers while she hangs, then she drives down and forward with the
    // heel. The box opens with frame 3.
    {K::Momo, R::JumpKick, kOnce, {
      { 0,  0,   0,  4,  0,   70,110,  20, 95,   40, 60, -50, 50,  300, 0.5, 0},
      { 0,  0,  -5, -8, -4,   95,140,  30,100,   50, 60, -70, 40,  290, 0.6, 0},
      { 0,  0, -10,-12, -6,  105,150,  35,110,   55, 60, -80, 40,  285, 0.7, 0},
      { 0,  0,  35,-38,-10,   88,  0,  25,115,   20, 60, -80, 40,  280, 1.0, 0},
    }},
    // Landing out of the kick in a crouching skid (plays forward and back).
    {K::Momo, R::JumpKickLand, kOnce, {
      { 0,  0,   0, 25, 10,   75,115, -10, 85,   30, 70, -50, 45,   50, 0.6, 0},
      { 0,  0,   0, 16,  6,   55, 85, -12, 60,   28, 78, -35, 45,   30, 0.4, 0},
      { 0,  0,   0,  9,  2,   30, 40, -15, 30,   25, 80, -22, 45,   15, 0.2, 0},
    }},
    // The grab: her free hand takes the foe by the collar, the sword held low and back.
    {K::Momo, R::Grapple, kOnce, {
      { 2,  0,   0, 14,  4,   35, 35, -28, 15,  -20, 40,  70, 25,  220, 0.3, 0},
      { 4,  0,   0, 18,  6,   38, 38, -32, 15,  -25, 40,  85, 10,  215, 0.3, 0},
    }},
    // A knee to the body, the foe held fast (plays 0 1 2 1 0); the hit lands on frame 1.
    {K::Momo, R::GrappleAttack1, kOnce, {
      { 2,  0,   0,  8,  4,   55, 90, -25, 15,  -25, 40,  80, 15,  220, 0.3, 0},
      { 4,  0,   0, -6, -2,   95,120, -22, 10,  -30, 40,  88,  5,  220, 0.6, 0},
      { 4,  0,   0,-10, -4,  105,125, -20, 10,  -32, 40,  90,  0,  220, 0.6, 0},
    }},
    // The finishing blow, a hilt strike driven through (plays forward and back); it lands on
    // frame 2.
    {K::Momo, R::GrappleAttack2, kOnce, {
      {-2,  0,   0,  4,  2,   30, 30, -28, 15,  -30, 110, 75, 15,  330, 0.3, 0},
      { 2,  0,   0, 14,  6,   40, 40, -32, 10,   40, 80,  70, 10,  320, 0.6, 0},
      { 8,  0,   0, 26, 10,   48, 42, -42, 10,   92, 10,  60, 10,  275, 0.9, 0},
      {10,  0,   0, 30, 12,   50, 45, -45, 10,  100,  0,  55, 10,  272, 0.9, 0},
    }},
    // The back throw: heave the foe up, over and down behind her. The foe lands on frame 3.
    {K::Momo, R::Throw, kOnce, {
      { 0,  0,   0, 15,  5,   35, 45, -30, 15,   70, 40,  70, 30,  205, 0.3, 0},
      {-4,  0,   0, -6, -8,   30, 45, -35, 20,  125, 40, 130, 30,  200, 0.4, 0},
      {-8,  0,   0,-22,-15,   25, 50, -40, 25,  165, 30, 170, 20,  190, 0.6, 0},
      {-14, 0,   0,-40,-20,   30, 60, -35, 30,  215, 20, 220, 20,  170, 0.9, 0},
      {-10, 0,   0,-30,-15,   35, 65, -30, 35,  190, 40, 195, 40,  175, 0.7, 0},
      {-6,  0,   0,-12, -6,   30, 50, -25, 25,  150, 60, 150, 60,  190, 0.5, 0},
    }},
    // Straightening up and turning to face the thrown foe.
    {K::Momo, R::ThrowDone, kOnce, {
      {-2,  0,   0, -2, -2,   25, 35, -22, 20,   60, 60,  40, 50,  240, 0.3, 0},
      { 0,  0,   0,  8,  0,   20, 25, -16, 16,   25, 78, -20, 45,   12, 0.2, 0},
    }},
    // The front throw: braced, then a shove down and away (frame 1, when the foe is thrown),
    // then a hop backward.
    {K::Momo, R::ThrowFront, kOnce, {
      { 0,  0,   0,  8,  4,   30, 35, -30, 15,   60, 50,  65, 40,  210, 0.3, 0},
      { 8,  0,   0, 34, 12,   55, 45, -50, 10,  105,  5, 100,  5,  215, 0.9, 0},
      { 0,  0,   0,  6,  0,   60, 95,  10, 85,   40, 50, -40, 50,  230, 0.6, 0},
      {-2,  0,   0, 10,  2,   35, 50, -15, 40,   25, 75, -25, 45,   20, 0.3, 0},
    }},
    // Gathering moonlight: the sword rises in both hands to point at the sky (the cast plays it
    // back down).
    {K::Momo, R::EruptionPrepare, kOnce, {
      { 0,  0,   0,  8,  2,   20, 25, -16, 18,   40, 80,  40, 85,   20, 0.2, 0},
      { 0,  0,   0,  6,  0,   22, 30, -16, 24,   90, 70,  90, 75,   10, 0.3, 0},
      { 0,  0,   0,  2, -8,   22, 32, -16, 26,  150, 25, 150, 25,    2, 0.4, 0},
      { 0,  0,   0,  0,-12,   22, 34, -16, 28,  168, 10, 168, 10,    0, 0.5, 0},
    }},
    // The sword driven into the stone on one knee while the pillars burst.
    {K::Momo, R::Eruption, kOnce, {
      { 0,  0,   0, 30, 12,   80,100, -20,135,   70, 10,  65, 15,  178, 0.8, 0, 0.55},
      { 0,  0,   0, 32, 14,   82,102, -20,137,   68, 10,  63, 15,  179, 0.6, 0, 0.55},
      { 0,  0,   0, 31, 12,   81,101, -20,136,   69, 10,  64, 15,  178, 0.7, 0, 0.55},
    }},
    // Moon slasher: low, coiled, then a rising crescent; the blade's box opens with frame 3.
    {K::Momo, R::MoonSlasher, kOnce, {
      {-6,  0,   0, 28, 10,   55, 80, -20, 55,  -35, 20,   0, 40,  215, 0.3, 0},
      {-4,  0,   0, 24,  8,   52, 70, -25, 40,  -10, 55, -20, 40,  215, 0.5, 0},
      { 0,  0,   0, 16,  4,   48, 58, -30, 30,   50, 30, -30, 40,  140, 0.7, 0},
      { 6,  0,   0, 10,  0,   45, 50, -38, 22,   88, 10, -40, 40,   92, 1.0, 0},
      { 6,  0,   0, -4, -8,   35, 30, -40, 15,  150,  5, -50, 30,   35, 0.8, 0},
    }},
    {K::Momo, R::JumpMoonSlasher, kOnce, {
      {-6,  0,   0, 28, 10,   65,110,  15, 95,  -35, 20,   0, 40,  215, 0.4, 0},
      {-4,  0,   0, 24,  8,   62,105,  10, 90,  -10, 40, -20, 40,  200, 0.5, 0},
      { 0,  0,   0, 16,  4,   60,100,   8, 85,   50, 30, -30, 40,  140, 0.7, 0},
      { 6,  0,   0, 10,  0,   58, 95,   5, 80,   88, 10, -40, 40,   92, 1.0, 0},
      { 6,  0,   0, -4, -8,   50, 85,   0, 70,  150,  5, -50, 30,   35, 0.8, 0},
    }},
    // Psychic sphere: she springs up with her free hand raised (frame 3: the light above her
    // head), then thrusts the palm forward (frame 4: the sphere appears before her).
    {K::Momo, R::PsychoSpherePrepare, kOnce, {
      { 0,  0,   0, 22,  6,   55, 85,  -5, 75,  -30, 60,  20, 60,  230, 0.3, 0},
      { 0,  0,   0,  6, -4,   35, 50, -20, 30,  -40, 60,  90, 60,  225, 0.4, 0},
      { 0,  0,   0, -2,-10,   45, 80, -10, 60,  -45, 60, 160, 20,  220, 0.5, 0},
      { 0,  0,   0, -4,-12,   50, 90,  -5, 70,  -45, 60, 175,  5,  220, 0.6, 0},
      { 0,  0,   0, 12,  0,   55, 90,   0, 75,  -50, 60,  95,  0,  225, 0.7, 0},
    }},
    // Hovering, palm held out to the sphere.
    {K::Momo, R::PsychoSphere, kOnce, {
      { 0,  0,   0, 10,  0,   35, 60, -10, 45,  -50, 60,  92,  0,  225, 0.6, 0},
      { 0,  0,   0, 11,  0,   38, 65,  -8, 50,  -52, 60,  94,  0,  225, 0.7, 0},
      { 0,  0,   0, 10,  0,   36, 62,  -9, 48,  -50, 60,  90,  5,  225, 0.5, 0},
    }},
    // Struck high: the head snaps back.
    {K::Momo, R::HitUp, kOnce, {
      {-6,  0,   0,-22,-20,    8, 18, -25, 22,  -25, 35, -55, 35,  -15, 0.5, 0},
      {-3,  0,   0,-10,-10,   12, 20, -20, 18,    0, 55, -35, 35,    5, 0.3, 0},
    }},
    // Struck in the body: doubled over.
    {K::Momo, R::HitLow, kOnce, {
      {-4,  0,   0, 38, 28,   28, 48, -25, 32,   25, 45, -15, 45,  130, 0.5, 0},
      {-2,  0,   0, 26, 16,   22, 36, -20, 26,   25, 58, -12, 40,   95, 0.3, 0},
    }},
    // Launched off her feet, arched back.
    {K::Momo, R::Knockup, kOnce, {
      { 0,  0, -35,-22,-25,   15, 40, -15, 55,  -70, 25,-110, 20,  -50, 0.8, 0},
    }},
    // Flung back through the air, then nearly flat just before she hits the ground.
    {K::Momo, R::Knockdown, kOnce, {
      { 0,  0, -55,-15,-20,   30, 45,  -5, 65,  -75, 20,-115, 30,  -70, 0.8, 0},
      { 0,  0, -80, -8,-10,   40, 35,  10, 55,  -95, 30,-135, 20,  -90, 0.6, 0},
    }},
    // On her back, head behind her: the chest rises and falls (plays forward and back).
    {K::Momo, R::Knockout, kOnce, {
      {-10, 10, -90,  0,  0,   10, 16,   4, 12,    5,  5,  12, 10,  180, 0.0, 0},
      {-10, 10, -90,  1,  0,   10, 17,   4, 12,    6,  5,  13, 10,  180, 0.0, 0},
      {-10, 10, -90,  2,  1,   10, 18,   4, 12,    7,  5,  14, 10,  180, 0.0, 0},
      {-10, 10, -90,  3,  1,   10, 19,   4, 12,    8,  5,  15, 10,  180, 0.0, 0},
    }},
    // Pitched forward off her feet.
    {K::Momo, R::Knockdown2, kOnce, {
      { 0,  0,  55, 10,-10,  -10, 40, -30, 60,   95, 20, 125, 30,  150, 0.8, 0},
      { 0,  0,  78,  5,-15,   -5, 30, -20, 40,  110, 20, 140, 20,  170, 0.6, 0},
    }},
    // Sliding face down.
    {K::Momo, R::Knockout2, kOnce, {
      { 0,  0,  88,  0,-20,   -5, 20,   5, 40,  150, 10, 170, 10,  200, 0.5, 0},
      { 0,  0,  90,  0,-25,    0, 10,   5, 20,  160, 10, 175, 10,  205, 0.2, 0},
    }},
    // Getting up: propped on an arm, on one knee, then rising (a crouch follows).
    {K::Momo, R::WakeUp, kOnce, {
      { 0,  0, -40, 45, 10,   70, 90,  60,140,   10, 10, -20, 20,  120, 0.1, 0},
      { 0,  0,   0, 25,  5,   70, 95, -10,120,   40, 60, -10, 40,   70, 0.1, 0},
      { 0,  0,   0, 22,  6,   55, 85,  -5, 75,   30, 70, -30, 45,   40, 0.2, 0},
    }},

    // ---- Necromancer ---------------------------------------------------------------------------
    {K::Necromancer, R::Stance, kLoop, {
      { 0,  0,   0,  8, 10,   10, 10, -10, 10,   40, 12, -10, 40,    5, 0.0, 0},
      { 0,  1,   0, 10, 12,   10, 12, -10, 12,   42, 14, -10, 44,    6, 0.0, 0},
    }},
    // One key per frame for the attacks, as for the heroine: the comment names the frame on
    // screen when the game makes the box.
    // The skull spell plays forward and back: the staff gathers the spell overhead and is thrust
    // forward on frame 3, when the skull leaves at chest height; the way back is the recovery.
    {K::Necromancer, R::Skull, kOnce, {
      { 0,  0,   0,  4,  4,   14, 16, -12, 10,   70, 50,  40, 70,   20, 0.1, 0},
      {-2,  0,   0, -4, -4,   14, 16, -14, 10,  150, 20, -30, 40,   10, 0.3, 0},
      {-4,  0,   0,-10,-10,   14, 16, -16, 12,  172,  8, -50, 40,  -10, 0.5, 0},
      { 6,  0,   0, 18,  5,   35, 30, -30, 10,   95,  0, -40, 30,   90, 0.6, 0},
    }},
    // A downward blow of the staff, struck on frame 1.
    {K::Necromancer, R::Attack1, kOnce, {
      {-4,  0,   0, -8, -6,   18, 18, -18, 10,  165, 20, -20, 30,  -40, 0.2, 0},
      { 6,  0,   0, 24,  8,   45, 40, -40, 10,   95,  0, -35, 30,   95, 0.7, 0},
      { 6,  0,   0, 28, 12,   45, 40, -40, 10,   55,  0, -35, 30,  130, 0.5, 0},
      { 2,  0,   0, 10,  4,   25, 25, -25, 10,   45, 40, -20, 30,   60, 0.3, 0},
    }},
    // A rising blow from low behind, struck on frame 1.
    {K::Necromancer, R::Attack2, kOnce, {
      {-4,  0,   0, -4,  0,   15, 15, -20, 10,  -30, 50, -20, 30,  235, 0.2, 0},
      { 6,  0,   0, 20,  2,   42, 35, -40, 10,  110,  0,  20, 40,   60, 0.7, 0},
      { 4,  0,   0, 10, -4,   35, 30, -35, 10,  150, 10,  10, 40,   20, 0.5, 0},
      { 2,  0,   0,  5,  2,   25, 25, -25, 10,   60, 40, -10, 30,   40, 0.3, 0},
    }},

    // ---- Templar --------------------------------------------------------------------------------
    {K::Templar, R::Stance, kLoop, {
      { 0,  0,   0,  4,  0,   14, 16, -14, 10,   20, 70,  50, 70,   40, 0.0, 0},
      { 0,  1,   0,  6,  2,   15, 20, -14, 14,   22, 72,  52, 72,   42, 0.0, 0},
    }},
    {K::Templar, R::Block, kOnce, {
      {-2,  0,   0, -2, 10,   25, 30, -25, 15,    0, 90,  80, 60,   10, 0.0, 0},
    }},
    // A forehand cut struck on frame 1 (the third blow of the chain plays it again).
    {K::Templar, R::Attack1, kOnce, {
      {-4,  0,   0, -5,  0,   25, 25, -28, 15,  -70, 50,  50, 70,  250, 0.2, 0},
      { 6,  0,   0, 22,  6,   48, 38, -48, 10,   88,  0,  30, 60,   92, 0.6, 0},
      { 6,  0,   0, 25,  8,   48, 40, -48, 10,   55, 20,  30, 60,  145, 0.5, 0},
      { 2,  0,   0, 10,  4,   35, 30, -35, 12,   40, 50,  45, 65,   60, 0.3, 0},
    }},
    // A thrust from the hip, struck on frame 1 and held on frame 2.
    {K::Templar, R::Attack2, kOnce, {
      {-4,  0,   0, -4,  0,   28, 25, -30, 15,  -40, 95,  50, 70,   90, 0.2, 0},
      { 8,  0,   0, 25,  5,   52, 35, -52,  8,   90,  0,  30, 60,   90, 0.6, 0},
      { 8,  0,   0, 24,  5,   52, 35, -52,  8,   86,  4,  30, 60,   92, 0.5, 0},
      { 2,  0,   0, 10,  4,   35, 30, -35, 12,   40, 70,  45, 65,   80, 0.3, 0},
    }},
    // The heavy blow: the sword climbs over the helm on frames 0 and 1, falls on frame 2.
    {K::Templar, R::Attack3, kOnce, {
      {-2,  0,   0, -5, -4,   25, 25, -30, 15,  130, 30,  50, 70,    0, 0.2, 0},
      {-4,  0,   0,-10, -8,   28, 25, -32, 15,  170, 10,  55, 70,  -35, 0.3, 0},
      {10,  0,   0, 30, 10,   55, 45, -55, 10,  100,  0,  30, 60,  100, 0.7, 0},
      {10,  0,   0, 32, 12,   55, 48, -55, 10,   50, 10,  30, 60,  140, 0.6, 0},
      { 4,  0,   0, 15,  6,   40, 38, -42, 12,   45, 45,  45, 65,  100, 0.3, 0},
    }},

    // ---- Raider, on foot -----------------------------------------------------------------------
    // Thrown from the saddle it gets up on foot: on one knee leaning on the planted glaive, then
    // rising (the game puts it back in the saddle when it stands).
    {K::Raider, R::WakeUp, kOnce, {
      { 0,  0,   0, 20,  5,   70, 95, -10,120,   35, 45, -20, 40,   10, 0.1, 0},
      { 0,  0,   0, 10,  2,   35, 45, -15, 30,   40, 45, -15, 40,    8, 0.2, 0},
    }},

    // ---- Executioner ----------------------------------------------------------------------------
    {K::Executioner, R::Stance, kLoop, {
      { 0,  0,   0,  8,  5,   18, 20, -18, 12,   35, 70,  55, 60,   40, 0.0, 0},
      { 0,  2,   0, 10,  7,   20, 26, -18, 18,   37, 72,  57, 62,   42, 0.0, 0},
    }},
    // The axe in both hands. A high chop struck on frame 1.
    {K::Executioner, R::Attack1, kOnce, {
      {-6,  0,   0,-10, -8,   25, 25, -30, 15,  170, 25, 160, 30,  -30, 0.2, 0},
      { 8,  0,   0, 20,  6,   48, 42, -48, 10,  110,  0, 100, 10,  100, 0.6, 0},
      { 8,  0,   0, 30, 12,   50, 48, -48, 10,   72,  0,  66, 10,  116, 0.5, 0},
      { 4,  0,   0, 15,  6,   38, 38, -40, 12,   40, 30,  30, 30,  120, 0.3, 0},
    }},
    // A flat sweep at the waist struck on frame 1, carried round toward the viewer.
    {K::Executioner, R::Attack2, kOnce, {
      {-6,  0,   0,  0,  0,   25, 25, -30, 15,  -45, 40, -35, 40,  260, 0.2, 0},
      { 6,  0,   0, 15,  5,   42, 35, -42, 10,   80,  0,  70, 10,   90, 0.6, 0},
      { 6,  0,   0, 18,  6,   42, 35, -42, 10,   50, 20,  40, 30,  100, 0.5, 0, 0.6},
      { 2,  0,   0, 10,  4,   32, 30, -32, 12,   40, 40,  30, 40,   60, 0.3, 0},
    }},
    // The great cleave (also the end of his charge): raised far back on frame 0, down on frame 1.
    {K::Executioner, R::Attack3, kOnce, {
      {-6,  0,   0,-12,-10,   30, 30, -30, 20,  175,  5, 165, 10,  -50, 0.3, 0},
      {10,  0,   0, 25,  8,   55, 55, -55, 10,  100,  0,  92,  5,   95, 0.8, 0},
      {10,  0,   0, 32, 12,   55, 60, -55, 12,   72,  0,  66,  5,  114, 0.6, 0},
      { 6,  0,   0, 20,  8,   45, 45, -45, 12,   45, 20,  40, 20,  115, 0.4, 0},
    }},
    // The hurl over his shoulder: both arms flung back and down behind him, where she lands; the
    // game shows frame 1 once and then holds frame 0. She is drawn by her own picture.
    {K::Executioner, R::Throw, kOnce, {
      {-4,  0,   0,-18,-10,   20, 20, -30, 20,  210, 10, 200, 10,  200, 0.4, 0},
      {-6,  0,   0,-26,-14,   20, 25, -35, 25,  235,  5, 225,  5,  220, 0.6, 0},
    }},
    // Seizing her by the throat at arm's length (frame 0), lifting her (1), and holding her
    // high before the throw (2).
    {K::Executioner, R::GrappleMomo, kOnce, {
      { 2,  0,   0,  8,  0,   25, 25, -22, 15,   88,  5, -20, 30,  200, 0.1, 0},
      { 0,  0,   0,  0, -5,   22, 22, -22, 15,  125,  5, -25, 30,  200, 0.2, 0},
      {-2,  0,   0, -8, -8,   22, 22, -24, 18,  160,  5, -30, 30,  200, 0.3, 0},
    }},

    // ---- Spearman -------------------------------------------------------------------------------
    {K::Spearman, R::Stance, kLoop, {
      { 0,  0,   0,  4,  0,   12, 14, -12,  8,   35, 60,  60, 60,    8, 0.0, 0},
      { 0,  1,   0,  6,  2,   13, 18, -12, 12,   36, 62,  61, 62,    9, 0.0, 0},
    }},
    {K::Spearman, R::Walk, kLoop, {
      { 0,  0,   0,  6,  0,   25, 10, -20, 15,   35, 60,  60, 60,    8, 0.0, 0},
      { 0,  0,   0,  6,  0,    0, 30,  10, 45,   35, 60,  60, 60,    8, 0.0, 0},
      { 0,  0,   0,  6,  0,  -20, 15,  25, 10,   35, 60,  60, 60,    8, 0.0, 0},
      { 0,  0,   0,  6,  0,   10, 45,   0, 30,   35, 60,  60, 60,    8, 0.0, 0},
    }},
    {K::Spearman, R::Run, kLoop, {
      { 0,  0,   0, 18,  0,   40, 25, -35, 40,   40, 40,  80, 20,   88, 0.5, 0},
      { 0,  0,   0, 18,  0,  -10, 40,  30, 100,  40, 40,  80, 20,   88, 0.5, 0},
      { 0,  0,   0, 18,  0,  -35, 40,  40, 25,   40, 40,  80, 20,   88, 0.5, 0},
      { 0,  0,   0, 18,  0,   30, 100, -10, 40,  40, 40,  80, 20,   88, 0.5, 0},
    }},
    // The spear drawn back to the hip on frame 0 and thrust home at the waist on frame 1; the
    // charge's thrust plays the same strip.
    {K::Spearman, R::Attack1, kOnce, {
      {-8,  0,   0, -6,  0,   30, 25, -30, 15,  -40, 60, -45, 60,   94, 0.2, 0},
      {12,  0,   0, 18,  5,   55, 35, -55,  8,   80,  0,  60, 30,   91, 0.6, 0},
      {12,  0,   0, 18,  5,   55, 35, -55,  8,   82,  2,  62, 30,   91, 0.5, 0},
      { 4,  0,   0,  8,  3,   35, 30, -35, 12,   20, 70,  30, 50,   90, 0.3, 0},
    }},

    // ---- Saberman -------------------------------------------------------------------------------
    // A diagonal cut from over the head, struck on frame 1.
    {K::Saberman, R::Attack1, kOnce, {
      {-4,  0,   0, -8, -4,   28, 25, -30, 15,  165, 25, -20, 30,  -40, 0.2, 0},
      { 6,  0,   0, 24,  8,   50, 38, -50, 10,   95,  0, -35, 30,  100, 0.6, 0},
      { 6,  0,   0, 28, 12,   52, 42, -52, 10,   50, 10, -35, 30,  160, 0.5, 0},
      { 2,  0,   0, 12,  5,   38, 32, -38, 12,   45, 45, -25, 30,  110, 0.3, 0},
    }},

    // ---- Dark Knight ----------------------------------------------------------------------------
    // His stance fills a frame of fixed size: a wide, heavy stance, both hands on the hilt of the
    // greatsword planted before him.
    {K::DarkKnight, R::Stance, kLoop, {
      { 0,  0,   0,  8,  4,   32, 40, -28, 20,   20,100,  40, 80,  168, 0.1, 0},
      { 0,  1,   0, 10,  6,   33, 44, -28, 24,   21,100,  41, 80,  168, 0.1, 0},
    }},
    // A heavy tread, the greatsword carried low before him as in his stance.
    {K::DarkKnight, R::Walk, kLoop, {
      { 0,  0,   0,  6,  0,   25, 10, -20, 15,   20,100,  40, 80,  150, 0.2, 0},
      { 0,  0,   0,  6,  0,    0, 30,  10, 45,   21,100,  41, 80,  152, 0.2, 0},
      { 0,  0,   0,  6,  0,  -20, 15,  25, 10,   20,100,  40, 80,  150, 0.2, 0},
      { 0,  0,   0,  6,  0,   10, 45,   0, 30,   21,100,  41, 80,  152, 0.2, 0},
    }},
    // Flung back, then flat on his back: the sword stays in his hand above his head, clear of
    // the floor.
    {K::DarkKnight, R::Knockdown, kOnce, {
      { 0, -8, -55,-15,-20,   25, 40,  -5, 60,  -70, 20,-110, 30,  -10, 0.8, 0},
      { 0, -4, -78, -8,-10,   35, 30,  10, 50,  -90, 30,-130, 20,  -10, 0.6, 0},
    }},
    {K::DarkKnight, R::Knockout, kOnce, {
      { 0, 14, -90,  0,  0,    5,  5,  15, 20,   10, 20,  15, 10,  175, 0.0, 0},
    }},
    // One key per frame from here on, as for the heroine: the comment names the frame on screen
    // when the game makes the box.
    // The plane switch glides 0 1 2 1 0; the same strip is his guard before the blows and the
    // wind-up of the spirit cut, so it rises from the sword held low behind to a high guard over
    // the shoulder, from which the blows and the spirit cut start.
    {K::DarkKnight, R::PlaneSwitch, kOnce, {
      { 0,  0,   0, 12,  4,   40, 55, -25, 30,   30, 50, -10, 40,  235, 0.3, 0},
      { 0,  0,   0,  8,  0,   36, 50, -22, 28,   70, 70,  60, 80,   25, 0.3, 0},
      {-2,  0,   0,  2, -4,   34, 46, -26, 26,  150, 50, 140, 60,  -40, 0.3, 0},
    }},
    // Both blows play this strip forward and back (0 1 2 3 4 3 2), the sword trail of the blow
    // over frames 2 to 4: the sword drawn back on frames 0 and 1, the flat cut at the chest on
    // frame 2, then carried round toward the viewer and behind him.
    {K::DarkKnight, R::Attack, kOnce, {
      {-6,  0,   0, -6, -4,   30, 32, -32, 18,  160, 60, 150, 60,  -80, 0.3, 0},
      {-10, 0,   0,-10, -6,   28, 30, -35, 20,  -45, 80, -20, 60,  265, 0.4, 0},
      {10,  0,   0, 25,  6,   55, 45, -55, 10,  115,  0,  40, 40,   90, 0.8, 0},
      {12,  0,   0, 30,  8,   58, 50, -57, 10,   95, 10,  20, 40,  140, 0.7, 0, 0.6},
      { 8,  0,   0, 26,  8,   55, 50, -55, 12,   50, 40,   0, 40,  215, 0.5, 0, 0.8},
    }},
    // The spirit cut (and the charging cut): crouched with the sword cocked behind his head, the
    // sword raised high on frame 1 and brought down before him on frame 2, when the wave leaves;
    // driven toward the floor, then held.
    {K::DarkKnight, R::SpiritCut, kOnce, {
      {-4,  0,   0, 10,  6,   50, 70, -20, 50,  150, 80, 140, 80, -110, 0.2, 0},
      {-6,  0,   0,-12, -8,   30, 30, -35, 20,  175, 10, 170, 10,  -20, 0.4, 0},
      {10,  0,   0, 30, 10,   60, 50, -58, 10,  120,  0, 110,  0,   95, 0.9, 0},
      {12,  0,   0, 40, 15,   62, 58, -60, 10,   85,  5,  80,  5,  118, 0.8, 0},
      { 6,  0,   0, 22,  8,   50, 45, -50, 12,   50, 30,  45, 30,  120, 0.4, 0},
    }},
    // The seize: her throat taken at arm's length (frame 0), lifted (1) and held high (2), the
    // greatsword in his other hand behind him.
    {K::DarkKnight, R::GrappleMomo, kOnce, {
      { 2,  0,   0,  8,  0,   25, 25, -22, 15,   88,  5, -20, 30,  235, 0.1, 0},
      { 0,  0,   0,  2, -5,   24, 24, -22, 15,  125,  5, -22, 30,  235, 0.2, 0},
      {-2,  0,   0, -6, -8,   24, 24, -24, 18,  160,  5, -25, 30,  235, 0.3, 0},
    }},
    // The throw: heaved up and back (frame 0), then slammed down before him. From frame 1 she is
    // drawn by her own picture where she lands, so he is alone: the arm flung down (1), then
    // following through (2).
    {K::DarkKnight, R::ThrowMomo, kOnce, {
      {-4,  0,   0,-15,-10,   25, 25, -30, 18,  195, 10, -20, 30,  235, 0.3, 0},
      {10,  0,   0, 35, 12,   55, 45, -52, 10,   70,  0, -10, 40,  240, 0.8, 0},
      { 8,  0,   0, 28, 10,   50, 45, -50, 12,   40, 20, -10, 40,  240, 0.5, 0},
    }},

  };
  return boards;
}
// clang-format on

const Board* FindBoard(Kind kind, Role role) { return FindBoardIn(Boards(), kind, role, kAnyKind); }

// ---- Painting -----------------------------------------------------------------------------------

Pose PoseFor(Kind kind, Role role, const Frame& f) {
  const Board* board = FindBoard(kind, role);
  if (!board) board = FindBoard(kAnyKind, Role::Stance);
  return Sample(board->keys, board->playback, f.index, f.count, Blend);
}

void DrawPerson(const Frame& f, Kind kind, Role role, Pt offset, double scaleBy = 1.0) {
  const Board* board = FindBoard(kind, role);
  if (!board) board = FindBoard(kAnyKind, Role::Stance);
  const Cast& cast = CastOf(kind);
  const Pose pose = Sample(board->keys, board->playback, f.index, f.count, Blend);
  Joints j = PoseJoints(cast.build, pose);
  cairo_save(f.cr);
  cairo_translate(f.cr, f.hx + offset.x, f.hy + offset.y);
  cairo_scale(f.cr, scaleBy, scaleBy);
  DrawFigure(f.cr, cast.build, cast.look, j);
  cairo_restore(f.cr);
}

// The heroine seized by the throat and held up before a captor.
void DrawHeldMomo(const Frame& f, Pt hand) {
  const Cast& momo = CastOf(Kind::Momo);
  Pose held{0, 0, 0, -6, -25, 10, 25, -10, 35, -30, 90, -40, 110, 200, 0.0, 0};
  held.kneeF += 10 * (f.index % 2);
  Joints j = PoseJoints(momo.build, held);
  // Hang her by the neck from the captor's hand.
  MoveJoints(j, hand - j.neck + Pt{6, 4});
  Look look = momo.look;
  look.weapon = Weapon::None;
  DrawFigure(f.cr, momo.build, look, j);
}

void DrawCaptor(const Frame& f, Kind kind, Role role) {
  const Cast& cast = CastOf(kind);
  const Pose pose = PoseFor(kind, role, f);
  const Joints j = PoseJoints(cast.build, pose);
  cairo_save(f.cr);
  cairo_translate(f.cr, f.hx, f.hy);
  Look look = cast.look;
  // The weapon hangs from his free hand behind him while the other takes her throat.
  DrawWeapon(f.cr, look, j.wristB, j.weaponAngle);
  look.weapon = Weapon::None;
  // The throw heaves her up over his shoulder, behind him, and lets go of her after its first
  // frame: from then on the game draws her itself.
  if (role == Role::ThrowMomo && f.index == 0) DrawHeldMomo(f, j.wristF);
  DrawFigure(f.cr, cast.build, look, j);
  if (role == Role::GrappleMomo) DrawHeldMomo(f, j.wristF);
  cairo_restore(f.cr);
}

}  // namespace

void PaintActor(const Frame& f, Kind kind, Role role) {
  if (IsMounted(kind, role)) {
    PaintMounted(f, kind, role);
    return;
  }
  if (role == Role::GrappleMomo || role == Role::ThrowMomo) {
    DrawCaptor(f, kind, role);
    return;
  }
  DrawPerson(f, kind, role, {0, 0});
}

}  // namespace art
