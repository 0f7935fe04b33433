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
      {-4,  0,   0, 36, 25,   25, 45, -25, 30,   20, 40, -10, 40,  120, 0.4, 0},
      {-2,  0,   0, 26, 15,   20, 35, -20, 25,   25, 55, -10, 35,   90, 0.2, 0},
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
      { 0,  0,   0, 40, 10,   85, 90,  80, 160,  60, 20,  30, 30,  120, 0.1, 0},
      { 0,  0,   0, 25,  5,   60, 100, -10, 80,  40, 60,   0, 40,   60, 0.1, 0},
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
    {K::Momo, R::Stance, kLoop, {
      { 0,  0,   0,  5,  0,   14, 16, -12, 10,   12, 105, -18, 35,  -4, 0.15, 0},
      { 0,  1,   0,  6,  2,   15, 20, -12, 14,   13, 106, -16, 38,  -2, 0.2, 0},
      { 0,  2,   0,  7,  3,   16, 24, -12, 18,   14, 108, -14, 40,   0, 0.25, 0},
      { 0,  1,   0,  6,  2,   15, 20, -12, 14,   13, 106, -16, 38,  -2, 0.2, 0},
    }},
    {K::Momo, R::Run, kLoop, {
      { 2,  0,   0, 18,  0,   45, 30, -40, 45,  -40, 40,  55, 80,  285, 1.0, 0},
      { 2,  0,   0, 18,  0,   -5, 45,  30, 105, -30, 45,  20, 70,  280, 1.0, 0},
      { 2,  0,   0, 18,  0,  -40, 45,  45, 30,  -20, 45, -35, 50,  275, 1.0, 0},
      { 2,  0,   0, 18,  0,   30, 105, -5, 45,  -30, 45,  20, 70,  280, 1.0, 0},
    }},
    {K::Momo, R::RunBreak, kOnce, {
      {10,  0,   0, -8, -5,   45,  5, -20, 70,   40, 40, -40, 40,  300, 0.9, 0},
      { 5,  0,   0,  0,  0,   35, 15, -20, 50,   35, 60, -30, 40,  330, 0.6, 0},
      { 0,  0,   0,  5,  0,   18, 18, -12, 15,   30, 80, -18, 35,   10, 0.3, 0},
    }},
    {K::Momo, R::Dash, kOnce, {
      { 0,  0,   0, 34,  0,   55, 45, -50, 20,  -50, 30,  30, 70,  275, 1.0, 0},
      { 0, -4,   0, 38,  0,   60, 50, -55, 25,  -55, 30,  35, 70,  270, 1.0, 0},
      { 0, -2,   0, 36,  0,   58, 48, -52, 22,  -52, 30,  32, 70,  272, 1.0, 0},
    }},
    {K::Momo, R::DashAttack, kOnce, {
      {-5,  0,   0, 30,  0,   50, 40, -50, 20,  -40, 40,  20, 50,  250, 1.0, 0},
      { 5,  0,   0, 35, -5,   60, 35, -60, 10,   85,  5, -40, 30,   92, 1.0, 0},
      { 5,  0,   0, 30, -5,   55, 40, -55, 15,   70, 30, -35, 30,  120, 0.8, 0},
    }},
    {K::Momo, R::StrikeThrough, kOnce, {
      {-10, 0,   0, 36,  0,   60, 40, -60, 15,   90,  0, -40, 30,   95, 1.0, 0},
      { 0,  0,   0, 34,  0,   58, 40, -58, 15,   85, 10, -35, 30,  100, 1.0, 0},
      {10,  0,   0, 30,  0,   55, 40, -55, 15,   75, 20, -30, 30,  110, 1.0, 0},
      {20,  0,   0, 26,  0,   50, 40, -50, 15,   65, 30, -25, 30,  120, 1.0, 0},
    }, false, true},
    {K::Momo, R::PlaneSwitch, kOnce, {
      { 0,  0,   0, 16,  5,   45, 70, -10, 55,   35, 80, -20, 40,   30, 0.4, 0},
      { 0,-16,   0,  8,  0,   30, 60, -10, 70,   30, 85, -15, 40,   20, 0.6, 0},
      { 0,  0,   0, 14,  5,   40, 55,  -5, 45,   32, 82, -20, 38,   25, 0.4, 0},
    }},
    {K::Momo, R::JumpCrouch, kOnce, {
      { 0,  0,   0, 22,  8,   55, 85,   0, 75,   20, 70, -30, 40,   45, 0.4, 0},
      { 0,  0,   0, 28, 10,   65, 105,  5, 95,   15, 70, -35, 40,   55, 0.5, 0},
    }},
    {K::Momo, R::JumpUp, kOnce, {
      { 0,  0,   0,  4, -8,   10, 10, -15, 25,  -20, 60,  60, 40,  330, 0.0, 0},
      { 0,  0,   0,  2,-10,   40, 70, -10, 40,  -25, 60,  80, 30,  330, 0.0, 0},
      { 0,  0,   0,  4, -6,   55, 95,   0, 60,  -20, 60,  70, 40,  335, 0.1, 0},
    }},
    {K::Momo, R::JumpPeak, kOnce, {
      { 0,  0,   0, 10,  0,   65, 110, 20, 100, -10, 60,  50, 50,  340, 0.3, 0},
      { 0,  0,  10, 14,  5,   75, 120, 30, 110,  0, 60,  40, 60,  350, 0.4, 0},
      { 0,  0,   0, 10,  5,   55, 90,  10, 90,  -10, 60,  40, 50,  345, 0.5, 0},
    }},
    {K::Momo, R::JumpDown, kOnce, {
      { 0,  0,   0,  8,  5,   40, 70,  -5, 50,  -10, 60,  60, 40,  340, 0.6, 0},
      { 0,  0,   0,  6,  5,   25, 45, -10, 35,  -15, 60,  75, 30,  335, 0.7, 0},
      { 0,  0,   0,  6,  5,   15, 25, -15, 25,  -20, 60,  85, 25,  330, 0.8, 0},
    }},
    {K::Momo, R::Attack1, kOnce, {
      {-28,  0,   0, 10,  0,   35, 30, -35, 15,  -70, 40,  20, 50,  250, 0.3, 0},
      {-18,  0,   0, 24,  5,   45, 35, -50, 10,   80,  5, -40, 30,   90, 0.8, 0},
      {-16,  0,   0, 28,  8,   48, 38, -52, 10,  100, 40, -50, 30,  150, 0.7, 0},
      {-18,  0,   0, 20,  5,   42, 35, -45, 12,   60, 60, -40, 30,  120, 0.4, 0},
    }},
    {K::Momo, R::Attack2, kOnce, {
      {-26,  0,   0, 20, 10,   40, 50, -40, 15,  -20, 20,  10, 40,  200, 0.3, 0},
      {-16,  0,   0, 10, -5,   45, 35, -50, 10,  140, 10, -30, 30,   30, 0.8, 0},
      {-14,  0,   0,  0,-10,   48, 35, -52, 10,  170, 20, -40, 30,  -10, 0.7, 0},
      {-18,  0,   0,  8,  0,   40, 30, -45, 12,  120, 40, -35, 30,   30, 0.4, 0},
    }},
    {K::Momo, R::Attack3, kOnce, {
      {-26,  0,   0, -5, -5,   35, 30, -40, 15,  170, 20,  40, 60,  -30, 0.3, 0},
      {-14,  0,   0, 30, 10,   55, 45, -55, 10,   90,  0, -40, 30,  110, 0.9, 0},
      {-12,  0,   0, 38, 15,   58, 50, -58, 10,   50, 10, -45, 30,  150, 0.7, 0},
      {-16,  0,   0, 26, 10,   50, 40, -50, 12,   50, 50, -40, 30,  120, 0.4, 0},
    }},
    {K::Momo, R::Attack4, kOnce, {
      {-8,  0,   0, 30, 10,   60, 100,  0, 90,  -80, 30,  10, 40,  240, 0.3, 0},
      { 0,-12,   0, 10,  0,   40, 60, -30, 40,  -10, 20,  60, 40,  200, 0.8, 0},
      { 8,-20,   0, -5, -5,   30, 40, -40, 20,  150,  0, -60, 30,   10, 1.0, 0},
      {12, -6,   0, 25, 10,   55, 45, -55, 10,   90,  0, -50, 30,  100, 0.9, 0},
      {10,  0,   0, 30, 10,   55, 60, -50, 20,   50, 30, -40, 30,  150, 0.5, 0},
    }},
    {K::Momo, R::JumpAttack1, kOnce, {
      { 0,  0,   0, 10,  0,   50, 90,  10, 80,  -70, 40,  20, 50,  250, 0.4, 0},
      { 4,  0,   0, 24,  5,   55, 80,   0, 70,   80,  5, -40, 30,   90, 0.8, 0},
      { 6,  0,   0, 28,  8,   55, 80,   0, 70,  100, 40, -50, 30,  150, 0.7, 0},
      { 4,  0,   0, 20,  5,   50, 85,   5, 75,   60, 60, -40, 30,  120, 0.5, 0},
    }},
    {K::Momo, R::JumpAttack2, kOnce, {
      { 0,  0,   0, 18, 10,   50, 90,  10, 80,  -20, 20,  10, 40,  200, 0.4, 0},
      { 6,  0,   0,  8, -5,   55, 80,   0, 70,  140, 10, -30, 30,   30, 0.8, 0},
      { 8,  0,   0,  0,-10,   55, 80,   0, 70,  170, 20, -40, 30,  -10, 0.7, 0},
      { 4,  0,   0,  8,  0,   50, 85,   5, 75,  120, 40, -35, 30,   30, 0.5, 0},
    }},
    {K::Momo, R::JumpAttack4, kOnce, {
      { 0,  0,   0, 20, 15,   70, 120, 40, 120, 160, 20,  30, 40,  150, 0.2, 0},
      { 0,  0,   0, 30, 20,   50, 90,  20, 80,   60, 10,  60, 20,  180, 0.0, 0},
    }},
    {K::Momo, R::UpAttack, kOnce, {
      {-4,  0,   0, 30, 10,   60, 100, -5, 90,  -40, 20,  10, 40,  220, 0.2, 0},
      { 0,  0,   0, 20,  5,   50, 80, -20, 60,   10, 20,  30, 40,  150, 0.4, 0},
      { 4, -8,   0,  0,-10,   30, 40, -30, 30,  120, 10, -20, 30,   40, 0.8, 0},
      { 6,-20,   0,-10,-15,   20, 30, -20, 40,  170, 10, -40, 30,   -5, 1.0, 0},
      { 6,-24,   0, -8,-10,   40, 70, -10, 60,  175, 30, -40, 30,  -20, 0.9, 0},
      { 4,-10,   0,  4,  0,   40, 60, -10, 50,  130, 50, -30, 30,   20, 0.6, 0},
    }},
    {K::Momo, R::JumpKick, kOnce, {
      { 0,  0,   0,  0,  0,   60, 110, 10, 90,  -10, 60,  60, 40,  340, 0.5, 0},
      { 0,  0,   0,-15, -5,   95,  5,  20, 110, -30, 50,  80, 30,  320, 0.8, 0},
      { 0,  0,   0,-18, -5,  100,  0,  25, 110, -35, 50,  85, 30,  315, 0.9, 0},
      { 0,  0,   0,-10,  0,   85, 20,  20, 100, -25, 55,  70, 30,  325, 0.8, 0},
    }},
    {K::Momo, R::JumpKickLand, kOnce, {
      { 0,  0,   0, 25, 10,   60, 100, -5, 80,   20, 70, -30, 40,   40, 0.5, 0},
      { 0,  0,   0, 15,  5,   40, 60, -10, 45,   25, 80, -20, 40,   25, 0.3, 0},
      { 0,  0,   0,  6,  0,   18, 20, -12, 14,   28, 85, -18, 35,   15, 0.2, 0},
    }},
    {K::Momo, R::Grapple, kOnce, {
      { 0,  0,   0, 12,  5,   30, 30, -25, 15,   30, 80,  75, 15,  200, 0.2, 0},
      { 0,  0,   0, 16,  8,   35, 35, -28, 15,   30, 80,  85, 10,  200, 0.3, 0},
    }},
    {K::Momo, R::GrappleAttack1, kOnce, {
      { 0,  0,   0,  8,  5,   30, 60, -25, 15,   30, 80,  75, 15,  200, 0.3, 0},
      { 0,  0,   0, -5,  0,   95, 120, -20, 10,  30, 80,  70, 15,  200, 0.6, 0},
      { 0,  0,   0,  8,  5,   40, 60, -25, 15,   30, 80,  75, 15,  200, 0.3, 0},
    }},
    {K::Momo, R::GrappleAttack2, kOnce, {
      { 0,  0,   0,  5,  5,   30, 30, -25, 15,  -20, 100,  75, 15,  330, 0.3, 0},
      { 4,  0,   0, 20, 10,   40, 40, -30, 10,   80, 60,  70, 10,  300, 0.7, 0},
      { 6,  0,   0, 25, 12,   42, 42, -32, 10,   90, 40,  65, 10,  280, 0.7, 0},
      { 2,  0,   0, 12,  5,   35, 35, -28, 15,   40, 80,  75, 15,  320, 0.4, 0},
    }},
    {K::Momo, R::Throw, kOnce, {
      { 0,  0,   0, 15,  5,   35, 40, -30, 15,   50, 40,  60, 30,  200, 0.3, 0},
      {-4,  0,   0, -5,-10,   30, 45, -35, 20,  120, 40, 130, 30,  200, 0.4, 0},
      {-8,  0,   0,-20,-15,   25, 50, -40, 25,  170, 30, 175, 20,  200, 0.6, 0},
      { 0,  0,   0, 10,  0,   35, 50, -40, 20,  120, 10, 110, 10,  200, 0.8, 0},
      { 6,  0,   0, 35, 15,   45, 55, -45, 15,   60,  5,  60,  5,  200, 0.9, 0},
      { 6,  0,   0, 30, 10,   45, 50, -40, 15,   30, 30,  20, 30,  200, 0.6, 0},
    }},
    {K::Momo, R::ThrowDone, kOnce, {
      { 4,  0,   0, 22,  8,   40, 50, -35, 15,   40, 50, -10, 40,   60, 0.4, 0},
      { 0,  0,   0, 10,  2,   20, 25, -15, 12,   30, 80, -18, 35,   15, 0.2, 0},
    }},
    {K::Momo, R::ThrowFront, kOnce, {
      { 0,  0,   0, 10,  5,   30, 35, -25, 15,   40, 60,  50, 40,  200, 0.3, 0},
      {-4,  0,   0, -5,  0,   25, 40, -30, 20,  -20, 60,  10, 40,  200, 0.4, 0},
      { 6,  0,   0, 30, 10,   50, 45, -45, 10,   90,  5,  85,  5,  200, 0.9, 0},
      { 4,  0,   0, 20,  5,   40, 40, -40, 12,   50, 40,  40, 40,  200, 0.5, 0},
    }},
    {K::Momo, R::EruptionPrepare, kOnce, {
      { 0,  0,   0, 10,  5,   20, 25, -15, 20,   20, 90,  20, 90,    0, 0.2, 0},
      { 0,  0,   0, 12,  0,   25, 35, -15, 30,   40, 100, 40, 100,  -5, 0.3, 0},
      { 0,  0,   0,  8, -5,   25, 40, -15, 35,  150, 20, 150, 20,  -10, 0.4, 0},
      { 0,  0,   0,  6, -8,   25, 40, -15, 35,  165, 10, 165, 10,   -5, 0.5, 0},
    }},
    {K::Momo, R::Eruption, kOnce, {
      { 0,  0,   0, 35, 20,   60, 100, -5, 110,  60, 20,  60, 20,  175, 0.8, 0},
      { 0,  0,   0, 38, 22,   62, 105, -5, 115,  55, 20,  55, 20,  178, 0.6, 0},
      { 0,  0,   0, 36, 20,   60, 100, -5, 110,  58, 20,  58, 20,  176, 0.5, 0},
    }},
    {K::Momo, R::MoonSlasher, kOnce, {
      {-4,  0,   0, 25, 10,   45, 70, -20, 50,  -30, 20,   0, 40,  200, 0.3, 0},
      { 0,  0,   0, 10,  0,   40, 50, -30, 30,   60, 10, -20, 40,  120, 0.6, 0},
      { 4, -6,   0, -5, -8,   30, 30, -35, 20,  130, 10, -40, 40,   40, 0.9, 0},
      { 6,-10,   0,-10,-12,   25, 30, -30, 30,  175, 20, -50, 30,  -20, 1.0, 0},
      { 4, -4,   0,  4,  0,   30, 40, -25, 30,  140, 50, -30, 40,   20, 0.6, 0},
    }},
    {K::Momo, R::JumpMoonSlasher, kOnce, {
      {-4,  0,   0, 25, 10,   60, 110, 10, 90,  -30, 20,   0, 40,  200, 0.4, 0},
      { 0,  0,   0, 10,  0,   55, 100, 10, 80,   60, 10, -20, 40,  120, 0.6, 0},
      { 4,  0,   0, -5, -8,   50, 90,   5, 70,  130, 10, -40, 40,   40, 0.9, 0},
      { 6,  0,   0,-10,-12,   45, 80,   0, 70,  175, 20, -50, 30,  -20, 1.0, 0},
      { 4,  0,   0,  4,  0,   50, 90,   5, 80,  140, 50, -30, 40,   20, 0.6, 0},
    }},
    {K::Momo, R::PsychoSpherePrepare, kOnce, {
      { 0,  0,   0,  5,  0,   15, 18, -12, 12,  -20, 50,  30, 110, 330, 0.2, 0},
      { 0,  0,   0,  2, -4,   18, 22, -14, 16,  -30, 50,  40, 120, 325, 0.3, 0},
      { 0,  0,   0,  0, -6,   20, 26, -16, 20,  -35, 50,  50, 125, 320, 0.4, 0},
      { 0,  0,   0, -2, -8,   22, 30, -18, 24,  -40, 50,  55, 125, 318, 0.5, 0},
      { 0,  0,   0, -3, -8,   24, 32, -18, 26,  -40, 50,  58, 125, 318, 0.6, 0},
    }},
    {K::Momo, R::PsychoSphere, kOnce, {
      { 4,  0,   0, 18,  5,   40, 35, -35, 15,  -40, 50,  90,  5,  320, 0.8, 0},
      { 6,  0,   0, 20,  5,   42, 35, -38, 15,  -42, 50,  92,  0,  318, 0.7, 0},
      { 4,  0,   0, 16,  5,   40, 35, -35, 15,  -38, 50,  85, 10,  320, 0.5, 0},
    }},

    // ---- Necromancer ---------------------------------------------------------------------------
    {K::Necromancer, R::Stance, kLoop, {
      { 0,  0,   0,  8, 10,   10, 10, -10, 10,   40, 40, -10, 40,    5, 0.0, 0},
      { 0,  1,   0, 10, 12,   10, 12, -10, 12,   42, 42, -10, 44,    6, 0.0, 0},
    }},
    {K::Necromancer, R::Skull, kOnce, {
      { 0,  0,   0,  5,  5,   12, 14, -10, 10,   60, 40,  10, 40,    5, 0.1, 0},
      { 0,  0,   0, -5, -5,   12, 14, -12, 10,  150, 20,  40, 80,  -10, 0.3, 0},
      { 0,  0,   0,-10,-10,   14, 16, -14, 12,  170, 10,  60, 90,  -15, 0.5, 0},
      { 0,  0,   0, 15,  5,   20, 20, -15, 12,   90, 10,  20, 40,   70, 0.4, 0},
    }},
    {K::Necromancer, R::Attack1, kOnce, {
      {-4,  0,   0, -5, -5,   15, 15, -20, 10,  160, 30, -20, 30,  -30, 0.2, 0},
      { 4,  0,   0, 20, 10,   35, 30, -35, 10,   80, 10, -30, 30,  100, 0.6, 0},
      { 6,  0,   0, 28, 15,   40, 35, -40, 10,   45, 20, -35, 30,  150, 0.5, 0},
      { 2,  0,   0, 15,  5,   25, 25, -25, 10,   50, 50, -20, 30,  100, 0.3, 0},
    }},
    {K::Necromancer, R::Attack2, kOnce, {
      {-4,  0,   0,  0,  0,   15, 15, -20, 10,  -30, 60, -40, 30,  240, 0.2, 0},
      { 4,  0,   0, 20,  5,   35, 30, -35, 10,   80, 20,  40, 40,   80, 0.6, 0},
      { 8,  0,   0, 25,  5,   40, 30, -40, 10,  100,  5,  60, 20,   90, 0.5, 0},
      { 2,  0,   0, 10,  5,   25, 25, -25, 10,   60, 40,  10, 40,   60, 0.3, 0},
    }},

    // ---- Templar --------------------------------------------------------------------------------
    {K::Templar, R::Stance, kLoop, {
      { 0,  0,   0,  4,  0,   14, 16, -14, 10,   20, 70,  50, 70,   40, 0.0, 0},
      { 0,  1,   0,  6,  2,   15, 20, -14, 14,   22, 72,  52, 72,   42, 0.0, 0},
    }},
    {K::Templar, R::Block, kOnce, {
      {-2,  0,   0, -2, 10,   25, 30, -25, 15,    0, 90,  80, 60,   10, 0.0, 0},
    }},
    {K::Templar, R::Attack1, kOnce, {
      {-4,  0,   0,  0,  0,   30, 25, -30, 15,  -60, 40,  50, 70,  260, 0.2, 0},
      { 6,  0,   0, 20,  5,   45, 35, -45, 10,   80,  5,  40, 60,   90, 0.6, 0},
      { 8,  0,   0, 25,  8,   48, 38, -48, 10,  100, 40,  35, 60,  150, 0.5, 0},
      { 4,  0,   0, 15,  5,   40, 35, -40, 12,   60, 60,  45, 65,  120, 0.3, 0},
    }},
    {K::Templar, R::Attack2, kOnce, {
      {-4,  0,   0,  5,  0,   30, 25, -30, 15,   20, 120, 50, 70,  270, 0.2, 0},
      { 8,  0,   0, 22,  5,   50, 35, -50, 10,   90,  0,  40, 60,   90, 0.6, 0},
      {10,  0,   0, 24,  5,   52, 35, -52, 10,   92,  0,  38, 60,   90, 0.5, 0},
      { 4,  0,   0, 12,  5,   40, 30, -40, 12,   50, 70,  45, 65,   60, 0.3, 0},
    }},
    {K::Templar, R::Attack3, kOnce, {
      {-4,  0,   0, -8, -5,   30, 25, -35, 15,  170, 20,  50, 70,  -20, 0.2, 0},
      {-4,  0,   0,-12, -8,   30, 25, -35, 15,  175, 10,  55, 70,  -40, 0.3, 0},
      { 8,  0,   0, 28, 10,   55, 45, -55, 10,   95,  0,  40, 60,  110, 0.7, 0},
      {10,  0,   0, 35, 12,   58, 50, -58, 10,   50, 10,  35, 60,  160, 0.6, 0},
      { 4,  0,   0, 20,  8,   45, 40, -45, 12,   50, 50,  45, 65,  120, 0.3, 0},
    }},

    // ---- Executioner ----------------------------------------------------------------------------
    {K::Executioner, R::Stance, kLoop, {
      { 0,  0,   0,  8,  5,   18, 20, -18, 12,   35, 70,  55, 60,   40, 0.0, 0},
      { 0,  2,   0, 10,  7,   20, 26, -18, 18,   37, 72,  57, 62,   42, 0.0, 0},
    }},
    {K::Executioner, R::Attack1, kOnce, {
      {-6,  0,   0,-10,-10,   25, 25, -30, 15,  170, 30, 160, 40,  -30, 0.2, 0},
      { 6,  0,   0, 25, 10,   45, 40, -45, 10,  110,  0, 100, 10,   90, 0.6, 0},
      {10,  0,   0, 40, 20,   55, 55, -50, 10,   50,  0,  45, 10,  160, 0.5, 0},
      { 4,  0,   0, 25, 10,   40, 40, -40, 12,   40, 30,  30, 30,  150, 0.3, 0},
    }},
    {K::Executioner, R::Attack2, kOnce, {
      {-6,  0,   0,  0,  0,   25, 25, -30, 15,  -40, 60, -20, 70,  260, 0.2, 0},
      { 6,  0,   0, 15,  5,   40, 35, -40, 10,   90,  0,  80, 10,   95, 0.6, 0},
      { 8,  0,   0, 18,  5,   42, 35, -42, 10,  110, 30, 100, 30,  140, 0.5, 0},
      { 4,  0,   0, 12,  5,   35, 30, -35, 12,   60, 60,  50, 60,  110, 0.3, 0},
    }},
    {K::Executioner, R::Attack3, kOnce, {
      {-6,  0,   0, 20, 10,   50, 80, -20, 60,  -60, 60, -50, 60,  230, 0.2, 0},
      { 0,-10,   0,-10,-10,   30, 40, -30, 30,  170, 10, 165, 10,  -10, 0.6, 0},
      {10,  0,   0, 35, 15,   55, 55, -55, 10,   90,  0,  85,  0,  120, 0.8, 0},
      { 8,  0,   0, 40, 20,   55, 60, -50, 15,   45, 10,  40, 10,  170, 0.5, 0},
    }},
    {K::Executioner, R::Throw, kOnce, {
      {-4,  0,   0,-15,-10,   25, 25, -30, 15,  165, 20, 160, 20,  300, 0.3, 0},
      { 8,  0,   0, 35, 15,   50, 45, -50, 10,   70,  0,  70,  0,  300, 0.7, 0},
    }},
    {K::Executioner, R::GrappleMomo, kOnce, {
      { 0,  0,   0,  5,  0,   20, 20, -20, 15,  100, 10,  20, 120, 300, 0.0, 0},
      { 0,  0,   0,  2, -5,   22, 22, -20, 15,  120,  5,  20, 120, 300, 0.0, 0},
      { 0,  0,   0,  8,  0,   24, 26, -22, 18,  110, 10,  20, 120, 300, 0.0, 0},
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
    {K::Spearman, R::Attack1, kOnce, {
      {-4,  0,   0,  0,  0,   30, 25, -30, 15,   10, 60,  40, 50,   88, 0.2, 0},
      {-8,  0,   0, -5,  0,   28, 25, -32, 15,  -20, 90,  10, 80,   88, 0.2, 0},
      {10,  0,   0, 25,  5,   50, 35, -50, 10,   85,  0,  70, 30,   90, 0.6, 0},
      { 6,  0,   0, 18,  5,   45, 30, -45, 12,   60, 40,  55, 40,   90, 0.3, 0},
    }},

    // ---- Saberman -------------------------------------------------------------------------------
    {K::Saberman, R::Attack1, kOnce, {
      {-4,  0,   0,  0,  0,   30, 25, -30, 15,  170, 30,  20, 40,  -30, 0.2, 0},
      { 6,  0,   0, 24, 10,   50, 35, -50, 10,   90,  0, -30, 30,  110, 0.6, 0},
      { 8,  0,   0, 30, 12,   52, 40, -52, 10,   50, 10, -35, 30,  160, 0.5, 0},
      { 4,  0,   0, 18,  5,   40, 35, -40, 12,   50, 50, -25, 30,  120, 0.3, 0},
    }},

    // ---- Dark Knight ----------------------------------------------------------------------------
    {K::DarkKnight, R::Stance, kLoop, {
      { 0,  0,   0,  6,  0,   16, 18, -16, 10,   30, 60,  40, 70,   30, 0.1, 0},
      { 0,  1,   0,  8,  2,   17, 22, -16, 14,   32, 62,  42, 72,   32, 0.1, 0},
    }},
    {K::DarkKnight, R::Attack, kOnce, {
      {-4,  0,   0, 10,  5,   30, 30, -30, 15,   20, 60,  30, 70,   45, 0.1, 0},
      {-8,  0,   0, -8, -5,   30, 25, -35, 15,  160, 30, 150, 40,  -30, 0.3, 0},
      { 8,  0,   0, 25, 10,   50, 40, -50, 10,   95,  0,  90, 10,   95, 0.8, 0},
      {10,  0,   0, 32, 12,   55, 45, -55, 10,   50, 10,  45, 10,  155, 0.6, 0},
      { 4,  0,   0, 20,  8,   45, 40, -45, 12,   40, 40,  40, 40,  130, 0.3, 0},
    }},
    {K::DarkKnight, R::SpiritCut, kOnce, {
      {-4,  0,   0, 20, 10,   50, 70, -20, 50,  -60, 50, -50, 50,  240, 0.2, 0},
      {-6, -6,   0,-12, -8,   30, 30, -35, 20,  175, 10, 170, 10,  -20, 0.4, 0},
      { 8,  0,   0, 30, 10,   55, 45, -55, 10,  100,  0,  95,  0,  100, 0.9, 0},
      {12,  0,   0, 40, 15,   60, 55, -60, 10,   45,  5,  40,  5,  165, 0.8, 0},
      { 6,  0,   0, 25, 10,   50, 45, -50, 12,   40, 40,  40, 40,  140, 0.4, 0},
    }},
    {K::DarkKnight, R::GrappleMomo, kOnce, {
      { 0,  0,   0,  5,  0,   20, 20, -20, 15,  100, 10,  20, 60,   30, 0.1, 0},
      { 0,  0,   0,  2, -5,   22, 22, -20, 15,  120,  5,  20, 60,   30, 0.1, 0},
      { 0,  0,   0,  8,  0,   24, 26, -22, 18,  110, 10,  20, 60,   30, 0.1, 0},
    }},
    {K::DarkKnight, R::ThrowMomo, kOnce, {
      { 0,  0,   0,-10, -8,   25, 25, -25, 15,  160, 20,  20, 60,   30, 0.2, 0},
      { 0,  0,   0,-18,-12,   25, 25, -30, 15,  175, 10,  20, 60,   30, 0.3, 0},
      { 8,  0,   0, 35, 15,   50, 45, -50, 10,   60,  0,  20, 60,   30, 0.8, 0},
    }},

  };
  return boards;
}
// clang-format on

const Board* FindBoard(Kind kind, Role role) {
  const Board* shared = nullptr;
  for (const Board& b : Boards()) {
    if (b.role != role) continue;
    if (b.kind == kind) return &b;
    if (b.kind == kAnyKind) shared = &b;
  }
  return shared;
}

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
  DrawFigure(f.cr, cast.build, cast.look, j, board->ghost);
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
  DrawFigure(f.cr, cast.build, cast.look, j);
  DrawHeldMomo(f, j.wristF);
  cairo_restore(f.cr);
}

}  // namespace

void PaintActor(const Frame& f, Kind kind, Role role) {
  if (IsMounted(kind, role)) {
    PaintMounted(f, kind, role);
    return;
  }
  if (role == Role::GrappleMomo || role == Role::ThrowMomo ||
      (kind == Kind::Executioner && role == Role::Throw)) {
    DrawCaptor(f, kind, role);
    return;
  }
  DrawPerson(f, kind, role, {0, 0});
}

}  // namespace art
