// The dragon mount and everyone in its saddle: the dragon's storyboards, the riders' seated
// poses, and how a rider is put on the saddle of the posed dragon.

#include <cmath>
#include <vector>

#include "art/cast.h"
#include "art/dragon.h"

namespace art {

namespace {

using K = Kind;
using R = Role;

// clang-format off
// Columns: x, y | body torso head | front thigh, knee | back thigh, knee | front arm, elbow |
//          back arm, elbow | weapon | flow | air
const std::vector<Board>& RiderBoards() {
  static const std::vector<Board> boards = {
    {K::Raider, R::Stance, kLoop, {
      { 0,  0,   0,  5,  0,   80, 80,  70, 90,   35, 60,  40, 60,   10, 0.2, 1},
      { 0,  1,   0,  7,  2,   80, 82,  70, 92,   36, 62,  41, 62,   12, 0.2, 1},
    }, true},
    {K::Raider, R::Run, kLoop, {
      { 0,  0,   0, 20,  0,   80, 70,  70, 80,   60, 40,  70, 30,   70, 0.9, 1},
      { 0, -3,   0, 22,  0,   82, 75,  72, 85,   62, 40,  72, 30,   72, 1.0, 1},
    }, true},
    {K::Raider, R::Dash, kOnce, {
      { 0,  0,   0, 30,  0,   80, 60,  70, 70,   80, 10,  85, 10,   88, 1.0, 1},
    }, true},
    {K::Raider, R::Block, kOnce, {
      { 0,  0,   0, -5,  5,   80, 80,  70, 90,   60, 90,  80, 70,   -5, 0.2, 1},
    }, true},
    {K::Raider, R::PlaneSwitch, kOnce, {
      { 0,  0,   0, 15,  5,   80, 80,  70, 90,   40, 60,  45, 60,   30, 0.4, 1},
      { 0,  0,   0,  8,  0,   80, 80,  70, 90,   38, 60,  42, 60,   20, 0.5, 1},
      { 0,  0,   0, 12,  5,   80, 80,  70, 90,   40, 60,  45, 60,   25, 0.4, 1},
    }, true},
    {K::Raider, R::Attack3, kOnce, {
      { 0,  0,   0, -5, -5,   80, 80,  70, 90,  160, 30, 150, 30,  -40, 0.3, 1},
      { 0,  0,   0,-15,-10,   80, 80,  70, 90,  175, 10, 170, 10,  -60, 0.4, 1},
      { 0,  0,   0, 25, 10,   80, 80,  70, 90,  100,  0,  95,  0,   95, 0.9, 1},
      { 0,  0,   0, 35, 15,   80, 80,  70, 90,   50,  0,  45,  0,  160, 0.8, 1},
      { 0,  0,   0, 20,  8,   80, 80,  70, 90,   40, 40,  40, 40,  120, 0.4, 1},
    }, true},
    {K::Raider, R::HitUp, kOnce, {
      {-4,  0,   0,-22,-20,   80, 80,  70, 90,  -20, 30, -50, 30,  -20, 0.4, 1},
      {-2,  0,   0,-12,-10,   80, 80,  70, 90,    0, 50, -30, 30,    0, 0.3, 1},
    }, true},
    {K::Raider, R::HitLow, kOnce, {
      {-4,  0,   0, 36, 25,   80, 80,  70, 90,   20, 40, -10, 40,  110, 0.4, 1},
      {-2,  0,   0, 26, 15,   80, 80,  70, 90,   25, 55, -10, 35,   90, 0.3, 1},
    }, true},
    {K::MomoDracon, R::Stance, kLoop, {
      { 0,  0,   0,  5,  0,   80, 80,  70, 90,   30, 85, -10, 50,   15, 0.3, 1},
      { 0,  1,   0,  7,  2,   80, 82,  70, 92,   31, 86,  -9, 52,   16, 0.3, 1},
    }, true},
    {K::MomoDracon, R::Run, kLoop, {
      { 0,  0,   0, 22,  0,   80, 70,  70, 80,  -30, 40,  40, 60,  285, 1.0, 1},
      { 0, -2,   0, 24,  0,   82, 75,  72, 85,  -32, 40,  42, 60,  283, 1.0, 1},
    }, true},
    {K::MomoDracon, R::Attack1, kOnce, {
      { 0,  0,   0, 10,  0,   80, 80,  70, 90,  -60, 40,  10, 50,  250, 0.4, 1},
      { 0,  0,   0, 25,  5,   80, 80,  70, 90,   85,  5, -30, 30,   92, 0.9, 1},
      { 0,  0,   0, 28,  8,   80, 80,  70, 90,  100, 40, -40, 30,  150, 0.7, 1},
    }, true},
    {K::MomoDracon, R::Attack2, kOnce, {
      { 0,  0,   0, 15,  5,   80, 80,  70, 90,  -20, 20,  10, 40,  200, 0.4, 1},
      { 0,  0,   0,  5, -5,   80, 80,  70, 90,  140, 10, -30, 30,   30, 0.9, 1},
      { 0,  0,   0,  0,-10,   80, 80,  70, 90,  170, 20, -40, 30,  -10, 0.7, 1},
    }, true},
    {K::MomoDracon, R::Attack1Prepare, kOnce, {
      { 0,  0,   0,  0, -5,   80, 80,  70, 90,  -50, 40,  20, 50,  240, 0.3, 1},
      { 0,  0,   0, -5, -5,   80, 80,  70, 90,  -70, 40,  25, 50,  250, 0.3, 1},
    }, true},
    {K::MomoDracon, R::Attack2Prepare, kOnce, {
      { 0,  0,   0, 15, 10,   80, 80,  70, 90,  -20, 20,  10, 40,  210, 0.3, 1},
      { 0,  0,   0, 20, 12,   80, 80,  70, 90,  -25, 20,  10, 40,  215, 0.3, 1},
    }, true},
    {K::MomoDracon, R::HitUp, kOnce, {
      {-3,  0,   0,-20,-18,   80, 80,  70, 90,  -20, 30, -50, 30,  -10, 0.4, 1},
      {-2,  0,   0,-10,-10,   80, 80,  70, 90,    0, 50, -30, 30,    5, 0.3, 1},
    }, true},
    {K::MomoDracon, R::HitLow, kOnce, {
      {-3,  0,   0, 32, 22,   80, 80,  70, 90,   20, 40, -10, 40,  120, 0.4, 1},
      {-2,  0,   0, 24, 15,   80, 80,  70, 90,   25, 55, -10, 35,   90, 0.3, 1},
    }, true},
  };
  return boards;
}
// clang-format on

const Board* FindRiderBoard(Kind kind, Role role) {
  for (const Board& b : RiderBoards())
    if (b.kind == kind && b.role == role) return &b;
  return nullptr;
}

// ---- The dragon's storyboards -------------------------------------------------------------------

struct DragonBoard {
  Role role;
  Playback playback;
  std::vector<DragonPose> keys;
};

// clang-format off
// Columns: x, y | tilt neck head jaw tail | near leg, far leg | crouch wings | air
const std::vector<DragonBoard>& DragonBoards() {
  static const std::vector<DragonBoard> boards = {
    {R::Stance, kLoop, {
      { 0,  0,   0, 30,  0,  0,  0,   10, -14,  0.0, 0.0, 0},
      { 0,  2,   1, 26,  2,  0, -3,   10, -14,  0.05, 0.0, 0},
    }},
    {R::Idle, kLoop, {
      { 0,  0,   4, 10, 10,  0, -5,   16, -10,  0.6, 0.0, 0},
      { 0,  2,   5,  8, 12,  0, -6,   16, -10,  0.65, 0.0, 0},
    }},
    {R::Stand, kOnce, {
      { 0,  0,   4, 10, 10,  0, -5,   16, -10,  0.6, 0.0, 0},
      { 0,  0,   0, 30,  0,  0,  0,   10, -14,  0.0, 0.0, 0},
    }},
    {R::Walk, kLoop, {
      { 0,  0,   0, 28,  0,  0,  0,   30, -24,  0.0, 0.0, 0},
      { 0, -4,  -1, 30,  0,  0,  3,    4,  -4,  0.0, 0.0, 0},
      { 0,  0,   0, 28,  0,  0,  0,  -24,  30,  0.0, 0.0, 0},
      { 0, -4,  -1, 30,  0,  0,  3,   -4,   4,  0.0, 0.0, 0},
    }},
    {R::Run, kLoop, {
      { 6,  0,   6, 12,  6,  0,  8,   50, -40,  0.1, 0.1, 0},
      { 6,-14,   2, 14,  4, 10, 12,   10,  20,  0.0, 0.2, 0},
      { 6,  0,   6, 12,  6,  0,  8,  -40,  50,  0.1, 0.1, 0},
      { 6,-14,   2, 14,  4, 10, 12,   20,  10,  0.0, 0.2, 0},
    }},
    {R::Dash, kOnce, {
      {10,-18,   8,  5, 10, 20, 15,   40, -40,  0.0, 0.4, 0},
    }},
    {R::PlaneSwitch, kOnce, {
      { 0,  0,   4, 20,  5,  0,  0,   20, -10,  0.4, 0.0, 0},
      { 0,-14,   0, 30,  0,  0,  5,   10, -10,  0.0, 0.3, 0},
      { 0,  0,   4, 22,  5,  0,  0,   18, -10,  0.3, 0.0, 0},
    }},
    {R::Hit, kOnce, {
      {-8,  0,  -8, 45,-20, 25, 10,   -5, -25,  0.1, 0.2, 0},
      {-4,  0,  -4, 38,-10, 10,  5,    5, -20,  0.05, 0.1, 0},
    }},
    {R::HitUp, kOnce, {
      {-8,  0,  -8, 45,-20, 25, 10,   -5, -25,  0.1, 0.2, 0},
      {-4,  0,  -4, 38,-10, 10,  5,    5, -20,  0.05, 0.1, 0},
    }},
    {R::HitLow, kOnce, {
      {-6,  0,   8, 10, 20, 20, -5,    5, -20,  0.3, 0.1, 0},
      {-3,  0,   4, 18, 10, 10, -2,    8, -18,  0.15, 0.0, 0},
    }},
    {R::HeavyAttack, kOnce, {
      {-6,  0,  -6, 55,-25,  5, 10,    0, -20,  0.1, 0.3, 0},
      { 8,  0,   8, 10, 25, 45, -5,   30, -30,  0.3, 0.2, 0},
      {10,  0,  10,  4, 30, 50, -8,   32, -32,  0.35, 0.1, 0},
      { 4,  0,   4, 20, 10, 10,  0,   20, -20,  0.1, 0.0, 0},
    }},
    {R::Attack1, kOnce, {
      { 8,  0,   8, 10, 25, 45, -5,   30, -30,  0.3, 0.2, 0},
      {10,  0,  10,  4, 30, 50, -8,   32, -32,  0.35, 0.1, 0},
      { 4,  0,   4, 20, 10, 10,  0,   20, -20,  0.1, 0.0, 0},
    }},
    {R::Attack2, kOnce, {
      { 4,  0,   2, 30,  0, 30,  0,   20, -20,  0.0, 0.2, 0},
      {14,-10,   6, 18, 10, 40, 10,   40, -40,  0.0, 0.4, 0},
      { 6,  0,   2, 24,  5, 10,  0,   20, -20,  0.0, 0.1, 0},
    }},
    {R::Attack1Prepare, kOnce, {
      {-4,  0,  -6, 50,-20, 10,  5,    0, -20,  0.1, 0.2, 0},
      {-6,  0,  -8, 55,-25, 20, 10,    0, -20,  0.15, 0.3, 0},
    }},
    {R::Attack2Prepare, kOnce, {
      {-4,  0,   4, 20,  5,  5, -5,   10, -20,  0.4, 0.0, 0},
      {-6,  0,   5, 16,  8,  5, -6,   10, -20,  0.5, 0.0, 0},
    }},
    {R::Fireball, kOnce, {
      { 4,  0,   4, 15, 15, 50, 10,   20, -20,  0.2, 0.2, 0},
      { 6,  0,   5, 12, 18, 55, 12,   22, -22,  0.25, 0.25, 0},
      { 4,  0,   4, 15, 15, 45, 10,   20, -20,  0.2, 0.2, 0},
    }},
    {R::JumpUp, kOnce, {
      { 0, 12,  -8, 40, -5,  0, 15,   -20, -30, 0.0, 0.3, 1},
      { 0, 12,  -6, 38, -5,  0, 12,   -15, -25, 0.0, 0.3, 1},
      { 0, 12,  -4, 36, -5,  0, 10,   -10, -20, 0.0, 0.3, 1},
    }},
    {R::JumpPeak, kOnce, {
      { 0, 12,   0, 30,  0,  0,  5,    0, -10,  0.0, 0.3, 1},
      { 0, 12,   4, 26,  5,  0,  0,    5,  -5,  0.0, 0.3, 1},
    }},
    {R::JumpDown, kOnce, {
      { 0, 12,   8, 20, 10,  0, -5,   20,  10,  0.0, 0.3, 1},
      { 0, 12,  10, 18, 10,  0, -8,   30,  20,  0.0, 0.3, 1},
      { 0, 12,   8, 20, 10,  0, -6,   35,  25,  0.0, 0.3, 1},
    }},
    {R::JumpAttack1Prepare, kOnce, {
      { 0, 12,  -6, 50,-20, 10,  5,    0, -10,  0.0, 0.3, 1},
      { 0, 12,  -8, 55,-25, 20, 10,    0, -10,  0.0, 0.3, 1},
    }},
    {R::JumpAttack1, kOnce, {
      { 0, 12,  10,  8, 25, 45, -5,   10,   0,  0.0, 0.3, 1},
      { 0, 12,  12,  4, 30, 50, -8,   12,   2,  0.0, 0.3, 1},
      { 0, 12,   6, 20, 10, 10,  0,    8,   0,  0.0, 0.3, 1},
    }},
    {R::JumpFireball, kOnce, {
      { 0, 12,   8, 10, 20, 50, 10,   10,   0,  0.0, 0.3, 1},
      { 0, 12,  10,  8, 22, 55, 12,   12,   2,  0.0, 0.3, 1},
      { 0, 12,   8, 10, 20, 45, 10,   10,   0,  0.0, 0.3, 1},
    }},
    {R::Fly, kLoop, {
      { 0,  0,   0, 20,  5,  0,  5,  -30, -40,  0.0, 0.85, 1},
      { 0,  8,   0, 22,  5,  0,  2,  -30, -40,  0.0, 0.3, 1},
      { 0,  4,   0, 21,  5,  0,  4,  -30, -40,  0.0, 0.6, 1},
    }},
  };
  return boards;
}
// clang-format on

const DragonBoard* FindDragonBoard(Role role) {
  for (const DragonBoard& b : DragonBoards())
    if (b.role == role) return &b;
  return nullptr;
}

DragonPose DragonPoseFor(Role role, const Frame& f) {
  const DragonBoard* board = FindDragonBoard(role);
  if (!board) board = FindDragonBoard(Role::Stance);
  return Sample(board->keys, board->playback, f.index, f.count, BlendDragon);
}

// The role the rider takes for a role of the mount.
Role RiderRole(Role role) {
  switch (role) {
    case Role::Run:
    case Role::Walk:
    case Role::Dash:
    case Role::JumpUp:
    case Role::JumpPeak:
    case Role::JumpDown:
      return Role::Run;
    case Role::Attack1:
    case Role::JumpAttack1:
    case Role::Fireball:
    case Role::JumpFireball:
      return Role::Attack1;
    case Role::Attack2:
      return Role::Attack2;
    case Role::Attack1Prepare:
    case Role::JumpAttack1Prepare:
      return Role::Attack1Prepare;
    case Role::Attack2Prepare:
      return Role::Attack2Prepare;
    case Role::HitUp:
    case Role::HitLow:
      return role;
    default:
      return Role::Stance;
  }
}

void DrawRider(const Frame& f, Kind kind, Role role, Pt saddle) {
  const Board* board = FindRiderBoard(kind, role);
  if (!board) board = FindRiderBoard(kind, Role::Stance);
  const Cast& cast = CastOf(kind);
  const Pose pose = Sample(board->keys, board->playback, f.index, f.count, Blend);
  Joints j = PoseJoints(cast.build, pose);
  MoveJoints(j, saddle - j.pelvis);
  DrawFigure(f.cr, cast.build, cast.look, j);
}

// Violet fire in the dragon's open jaws for the breath frames.
void DrawBreath(const Frame& f, Pt mouth) {
  const Pt at = mouth + Pt{f.hx, f.hy};
  Glow(f.cr, at, 24 + 5 * (f.index % 2), Hex(0xb070ff), 0.85);
  Glow(f.cr, at, 11, Hex(0xffffff), 0.95);
}

}  // namespace

bool IsMounted(Kind kind, Role role) {
  switch (kind) {
    case Kind::Dracon:
    case Kind::MomoDracon:
    case Kind::Zellenith:
      return true;
    case Kind::Raider:
      return role != Role::Knockdown && role != Role::Knockout;
    default:
      return false;
  }
}

void PaintMounted(const Frame& f, Kind kind, Role role) {
  if (kind == Kind::Raider) {
    // The rider alone, in the saddle of a dragon standing on the same pivot.
    DragonPose still{};
    const Pt saddle = SaddlePoint(still);
    cairo_save(f.cr);
    cairo_translate(f.cr, f.hx, f.hy);
    DrawRider(f, kind, role, saddle);
    cairo_restore(f.cr);
    return;
  }
  const DragonPose p = DragonPoseFor(role, f);
  cairo_save(f.cr);
  cairo_translate(f.cr, f.hx, f.hy);
  if (kind == Kind::Zellenith) cairo_translate(f.cr, 0, 150);
  const DragonPoints points = DrawDragon(f.cr, p, kind != Kind::Zellenith);
  if (kind == Kind::MomoDracon) {
    cairo_restore(f.cr);
    cairo_save(f.cr);
    cairo_translate(f.cr, f.hx, f.hy);
    const Frame rider{f.cr, f.index, f.count, f.width, f.height, f.hx, f.hy};
    DrawRider(rider, Kind::MomoDracon, RiderRole(role), points.saddle);
  }
  cairo_restore(f.cr);
  if (role == Role::Fireball || role == Role::JumpFireball) DrawBreath(f, points.mouth);
}

}  // namespace art
