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
      { 0,  0,   0,  5,  0,   50, 75,  50, 75,   18, 22,  22, 22,   24, 0.2, 1},
      { 0,  1,   0,  7,  2,   50, 77,  50, 77,   19, 24,  23, 24,   26, 0.2, 1},
    }},
    {K::Raider, R::Run, kLoop, {
      { 0,  0,   0, 20,  0,   50, 70,  50, 70,   60, 40,  70, 30,   70, 0.9, 1},
      { 0, -3,   0, 22,  0,   52, 72,  52, 72,   62, 40,  72, 30,   72, 1.0, 1},
    }},
    {K::Raider, R::Dash, kOnce, {
      { 0,  0,   0, 30,  0,   55, 60,  55, 60,   80, 10,  85, 10,   88, 1.0, 1},
    }},
    {K::Raider, R::Block, kOnce, {
      { 0,  0,   0, -5,  5,   50, 75,  50, 75,   60, 90,  80, 70,   -5, 0.2, 1},
    }},
    {K::Raider, R::PlaneSwitch, kOnce, {
      { 0,  0,   0, 15,  5,   50, 75,  50, 75,   40, 60,  45, 60,   30, 0.4, 1},
      { 0,  0,   0,  8,  0,   50, 75,  50, 75,   38, 60,  42, 60,   20, 0.5, 1},
      { 0,  0,   0, 12,  5,   50, 75,  50, 75,   40, 60,  45, 60,   25, 0.4, 1},
    }},
    // The glaive climbs over the helm on frames 0 and 1 and sweeps down ahead of the dragon's
    // jaws on frame 2, when the game makes the box; the follow-through and recovery come after.
    {K::Raider, R::Attack3, kOnce, {
      { 0,  0,   0, -5, -5,   50, 75,  50, 75,  150, 20, 140, 20,  -10, 0.3, 1},
      {-2,  0,   0,-15,-10,   50, 75,  50, 75,  175,  5, 170,  5,  -50, 0.4, 1},
      { 4,  0,   0, 30, 10,   50, 75,  50, 75,   95,  0,  85,  5,   95, 0.9, 1},
      { 4,  0,   0, 35, 15,   50, 75,  50, 75,   55,  0,  50,  0,  140, 0.8, 1},
      { 2,  0,   0, 20,  8,   50, 75,  50, 75,   40, 40,  40, 40,  120, 0.4, 1},
    }},
    {K::Raider, R::HitUp, kOnce, {
      {-4,  0,   0,-22,-20,   50, 75,  50, 75,  -20, 30, -50, 30,  -20, 0.4, 1},
      {-2,  0,   0,-12,-10,   50, 75,  50, 75,    0, 50, -30, 30,    0, 0.3, 1},
    }},
    {K::Raider, R::HitLow, kOnce, {
      {-4,  0,   0, 36, 25,   50, 75,  50, 75,   20, 40, -10, 40,  110, 0.4, 1},
      {-2,  0,   0, 26, 15,   50, 75,  50, 75,   25, 55, -10, 35,   90, 0.3, 1},
    }},
    // The heroine astride: near thigh along the flank, knee bent, foot in the stirrup; the back
    // hand keeps the reins, the front hand the sword.
    {K::MomoDracon, R::Stand, kOnce, {
      { 0,  4,   0, 24, 10,   50,107,  50,107,   70, 60,  35, 70,   60, 0.1, 1},
      { 0,  1,   0, 14,  4,   56, 97,  56, 97,   55, 65,  30, 65,   45, 0.2, 1},
      { 0,  0,   0,  8,  0,   60, 87,  60, 87,   45, 70,  30, 60,   40, 0.3, 1},
    }},
    {K::MomoDracon, R::Stance, kOnce, {
      { 0,  0,   0,  8,  0,   62, 87,  62, 87,   45, 70,  30, 60,   40, 0.3, 1},
      { 0,  1,   0, 10,  2,   62, 89,  62, 89,   46, 72,  31, 62,   42, 0.3, 1},
      { 0,  2,   0, 12,  3,   62, 91,  62, 91,   47, 74,  32, 64,   44, 0.3, 1},
    }},
    {K::MomoDracon, R::Walk, kOnce, {
      { 0,  1,   0, 10,  0,   62, 87,  62, 87,   45, 70,  30, 60,   42, 0.4, 1},
      { 0,  0,   0,  9,  0,   62, 86,  62, 86,   45, 69,  30, 60,   41, 0.45, 1},
      { 0, -1,   0,  8, -1,   62, 85,  62, 85,   44, 68,  30, 60,   40, 0.5, 1},
      { 0, -1,   0,  8, -1,   62, 85,  62, 85,   44, 68,  30, 60,   40, 0.5, 1},
      { 0,  0,   0,  9,  0,   62, 86,  62, 86,   45, 69,  30, 60,   41, 0.45, 1},
      { 0,  1,   0, 10,  0,   62, 87,  62, 87,   45, 70,  30, 60,   42, 0.4, 1},
    }},
    {K::MomoDracon, R::Run, kLoop, {
      { 0,  2,   0, 24,  8,   65, 82,  65, 82,  -25, 40,  50, 40,  270, 1.0, 1},
      { 0,  0,   0, 22,  6,   65, 80,  65, 80,  -23, 40,  50, 42,  272, 1.0, 1},
      { 0, -2,   0, 20,  4,   65, 78,  65, 78,  -21, 40,  50, 44,  274, 1.0, 1},
      { 0,  0,   0, 22,  6,   65, 80,  65, 80,  -23, 40,  50, 42,  272, 1.0, 1},
      { 0,  2,   0, 24,  8,   65, 82,  65, 82,  -25, 40,  50, 40,  270, 1.0, 1},
      { 0,  0,   0, 22,  6,   65, 80,  65, 80,  -23, 40,  50, 42,  272, 1.0, 1},
      { 0, -2,   0, 20,  4,   65, 78,  65, 78,  -21, 40,  50, 44,  274, 1.0, 1},
      { 0,  0,   0, 22,  6,   65, 80,  65, 80,  -23, 40,  50, 42,  272, 1.0, 1},
    }},
    {K::MomoDracon, R::Dash, kOnce, {
      { 2, -2,   0, 34, 10,   70, 72,  70, 72,   88,  0,  55, 30,   92, 1.0, 1},
      { 3, -3,   0, 36, 12,   70, 70,  70, 70,   90,  0,  56, 30,   94, 1.0, 1},
      { 2, -2,   0, 34, 10,   70, 72,  70, 72,   88,  0,  55, 30,   92, 1.0, 1},
    }},
    {K::MomoDracon, R::PlaneSwitch, kOnce, {
      { 0,  2,   0, 18,  6,   55,102,  55,102,   55, 70,  30, 60,   50, 0.3, 1},
      { 0,  0,   0, 12,  2,   58, 94,  58, 94,   50, 70,  30, 60,   45, 0.4, 1},
      {-2,  0,   0, -4, -4,   65, 82,  65, 82,   40, 70,  45, 50,   35, 0.6, 1},
    }},
    {K::MomoDracon, R::HitUp, kOnce, {
      {-4,  0,   0,-22,-22,   65, 82,  65, 82,  -30, 40, -40, 40,  -20, 0.5, 1},
      {-2,  0,   0,-10,-10,   62, 84,  62, 84,    0, 60, -10, 50,   10, 0.4, 1},
    }},
    {K::MomoDracon, R::HitLow, kOnce, {
      { 0,  3,   0, 34, 22,   55,102,  55,102,   20, 40,  10, 40,  120, 0.4, 1},
      { 0,  2,   0, 24, 14,   57, 97,  57, 97,   30, 50,  20, 50,   90, 0.3, 1},
    }},
    {K::MomoDracon, R::Attack1Prepare, kOnce, {
      {-2,  0,   0, -4, -8,   60, 87,  60, 87,  -40, 70,  40, 50,  230, 0.3, 1},
      {-3,  0,   0, -8,-10,   60, 87,  60, 87,  -60, 60,  40, 50,  245, 0.35, 1},
    }},
    {K::MomoDracon, R::Attack1, kOnce, {
      { 2,  0,   0, 30,  8,   65, 82,  65, 82,  105, 10,  40, 40,  130, 0.9, 1},
      { 2,  0,   0, 32, 10,   65, 82,  65, 82,   60, 10,  35, 40,  150, 0.7, 1},
      { 1,  0,   0, 26,  6,   65, 82,  65, 82,   30, 30,  35, 50,  165, 0.5, 1},
    }},
    {K::MomoDracon, R::Attack2Prepare, kOnce, {
      { 0,  2,   0, 26, 10,   55, 97,  55, 97,  -10, 20,  35, 50,  200, 0.3, 1},
      { 0,  3,   0, 30, 12,   55,100,  55,100,  -20, 20,  35, 50,  210, 0.35, 1},
    }},
    {K::MomoDracon, R::Attack2, kOnce, {
      { 3,  0,   0,  4, -8,   65, 82,  65, 82,   95, 10,  40, 50,   50, 0.9, 1},
      { 2,  0,   0, -4,-10,   65, 82,  65, 82,  100, 10,  40, 50,   72, 0.7, 1},
      { 1,  0,   0, -8,-10,   65, 82,  65, 82,  100, 20,  40, 50,   70, 0.5, 1},
    }},
    {K::MomoDracon, R::Fireball, kOnce, {
      { 0,  0,   0, 14,  2,   60, 87,  60, 87,   95,  5,  35, 60,   95, 0.7, 1},
      { 0,  0,   0, 16,  2,   60, 87,  60, 87,   97,  5,  35, 60,   97, 0.8, 1},
      { 0,  0,   0, 10,  0,   60, 87,  60, 87,   70, 40,  35, 60,   70, 0.5, 1},
    }},
    {K::MomoDracon, R::JumpUp, kLoop, {
      { 0,  0,   0, 20,  6,   65, 92,  65, 92,   40, 60,  45, 40,   70, 0.8, 1},
      { 0, -1,   0, 22,  6,   65, 94,  65, 94,   42, 60,  45, 40,   72, 0.9, 1},
      { 0,  1,   0, 18,  4,   65, 90,  65, 90,   38, 60,  45, 40,   68, 0.8, 1},
    }},
    {K::MomoDracon, R::JumpPeak, kOnce, {
      { 0,  0,   0, 10,  0,   65, 87,  65, 87,   60, 50,  40, 40,   55, 0.6, 1},
      { 0,  0,   0,  8,  0,   65, 87,  65, 87,   62, 50,  40, 40,   50, 0.5, 1},
    }},
    {K::MomoDracon, R::JumpDown, kLoop, {
      { 0,  0,   0,  2, -4,   62, 92,  62, 92,   70, 40,  40, 40,   60, 0.6, 1},
      { 0, -1,   0,  0, -5,   62, 94,  62, 94,   72, 40,  40, 40,   60, 0.7, 1},
      { 0,  0,   0,  2, -4,   62, 92,  62, 92,   70, 40,  40, 40,   60, 0.6, 1},
    }},
    {K::MomoDracon, R::JumpAttack1Prepare, kOnce, {
      {-2,  0,   0, -4, -6,   60, 90,  60, 90,  -30, 70,  40, 50,  225, 0.5, 1},
      {-3,  0,   0, -8, -8,   60, 90,  60, 90,  -55, 60,  40, 50,  240, 0.5, 1},
    }},
    {K::MomoDracon, R::JumpAttack1, kOnce, {
      { 2,  0,   0, 30, 10,   65, 82,  65, 82,  100, 10,  40, 40,  125, 0.9, 1},
      { 2,  0,   0, 34, 12,   65, 82,  65, 82,   65, 10,  35, 40,  155, 0.7, 1},
      { 1,  0,   0, 26,  6,   65, 82,  65, 82,   35, 30,  35, 50,  170, 0.6, 1},
    }},
    {K::MomoDracon, R::JumpFireball, kOnce, {
      { 0,  0,   0, 16,  2,   60, 87,  60, 87,   95,  5,  35, 60,  100, 0.8, 1},
      { 0,  0,   0, 18,  2,   60, 87,  60, 87,   97,  5,  35, 60,  102, 0.9, 1},
      { 0,  0,   0, 12,  0,   60, 87,  60, 87,   70, 40,  35, 60,   75, 0.6, 1},
    }},
  };
  return boards;
}
// clang-format on

const Board* FindRiderBoard(Kind kind, Role role) {
  return FindBoardIn(RiderBoards(), kind, role, kind);
}

// ---- The dragon's storyboards -------------------------------------------------------------------

struct DragonBoard {
  Kind kind;  // Kind::Dracon: every strip of the dragon; MomoDracon: the ridden ones
  Role role;
  Playback playback;
  std::vector<DragonPose> keys;
};

// clang-format off
// Columns: x, y | tilt neck head jaw tail | near foot, far foot | crouch wings | air |
//          near lift, far lift | wing beat
// On the ground a foot's number is how far ahead of its hip it stands; in the air it is the
// leg's angle forward. The riderless strips carry the raiders, who sit where the saddle of a
// standing dragon is, so those keep the saddle still and act with the neck, head and tail.
const std::vector<DragonBoard>& DragonBoards() {
  static const std::vector<DragonBoard> boards = {
    // ---- Shared --------------------------------------------------------------------------------
    {K::Dracon, R::Stance, kLoop, {
      { 0,  0,   0, 30,  0,  0,  0,   10, -12,  0.0, 0.0, 0,   0, 0,   0},
      { 0,  1,   1, 27,  2,  2, -3,   10, -12,  0.0, 0.02, 0,  0, 0,   0},
      { 0,  2,   2, 24,  4,  4, -6,   10, -12,  0.0, 0.04, 0,  0, 0,   0},
    }},
    // A step of the near leg back and the far leg forward; the ping-pong brings it back.
    {K::Dracon, R::Walk, kOnce, {
      { 0,  3,   0, 30,  0,  0,  0,   28, -30,  0.0, 0.0, 0,   0,  0,   0},
      { 0,  2,   0, 28,  1,  0,  2,   16, -18,  0.0, 0.0, 0,   0,  8,   0},
      { 0,  1,   0, 27,  2,  0,  4,    5,  -7,  0.0, 0.0, 0,   0, 13,   0},
      { 0,  1,   0, 27,  2,  0,  4,   -7,   5,  0.0, 0.0, 0,   0, 13,   0},
      { 0,  2,   0, 28,  1,  0,  2,  -18,  16,  0.0, 0.0, 0,   0,  8,   0},
      { 0,  3,   0, 30,  0,  0,  0,  -30,  28,  0.0, 0.0, 0,   0,  0,   0},
    }},
    // A running stride: each foot reaches, pushes back under the body and swings up and through.
    {K::Dracon, R::Run, kLoop, {
      { 4,  0,   6, 14, -2,  0, 10,   34, -34,  0.0, 0.08, 0,   0,  0,   0},
      { 4, -3,   6, 15, -2,  0, 13,   24, -24,  0.0, 0.10, 0,   0, 16,  10},
      { 4, -5,   6, 16, -2,  0, 15,    0,   0,  0.0, 0.12, 0,   0, 24,  20},
      { 4, -3,   6, 15, -2,  0, 13,  -24,  24,  0.0, 0.10, 0,   0, 16,  10},
      { 4,  0,   6, 14, -2,  0, 10,  -34,  34,  0.0, 0.08, 0,   0,  0,   0},
      { 4, -3,   6, 15, -2,  0, 13,  -24,  24,  0.0, 0.10, 0,  16,  0,  10},
      { 4, -5,   6, 16, -2,  0, 15,    0,   0,  0.0, 0.12, 0,  24,  0,  20},
      { 4, -3,   6, 15, -2,  0, 13,   24, -24,  0.0, 0.10, 0,  16,  0,  10},
    }},
    {K::Dracon, R::Dash, kOnce, {
      { 0,  0,  10,  2, 12, 12, 14,  -68,  24,  0.0, 0.45, 1,   0, 22,  10},
    }},
    {K::Dracon, R::PlaneSwitch, kOnce, {
      { 0,  0,   6, 18,  8,  0, -6,   18,  -6,  0.35, 0.05, 0,  0, 0,   0},
      { 0,  0,   3, 24,  4,  0, -2,   14,  -8,  0.18, 0.10, 0,  0, 0,   0},
      {-4,  0,  -6, 26, -6,  8,  6,   30,  14,  0.10, 0.25, 0,  0, 0, -10},
    }},
    {K::Dracon, R::Hit, kOnce, {
      {-6,  0,  -8, 26,-22, 30, 14,    0, -24,  0.05, 0.35, 0,  0, 0, -20},
      {-3,  0,  -4, 26,-10, 12,  6,    6, -18,  0.02, 0.15, 0,  0, 0, -10},
    }},
    {K::Dracon, R::HeavyAttack, kOnce, {
      { 0,  0,  -8, 22,-18, 14,  8,    6, -20,  0.0, 0.15, 0,   0, 0, -10},
      { 0,  0,  10,  0,  8, 46, -6,   26, -24,  0.0, 0.20, 0,   0, 0,   0},
      { 0,  0,  12, -4, 12, 10, -8,   28, -26,  0.0, 0.10, 0,   0, 0,   0},
      { 0,  0,   4, 20,  8,  4,  0,   16, -16,  0.0, 0.0, 0,    0, 0,   0},
    }},
    // Waiting to be ridden: sitting low, head down, tail curled round.
    {K::Dracon, R::Idle, kLoop, {
      { 0,  0,   6,  6, 16,  0,  8,   14,  -6,  0.85, 0.0, 0,   0, 0,   0},
      { 0,  1,   7,  4, 18,  0,  6,   14,  -6,  0.87, 0.02, 0,  0, 0,   0},
      { 0,  2,   8,  2, 20,  0,  4,   14,  -6,  0.89, 0.04, 0,  0, 0,   0},
    }},
    // Standing up out of the crouch runs these two frames backward.
    {K::Dracon, R::Stand, kOnce, {
      { 0,  0,   0, 30,  0,  0,  0,   10, -12,  0.0, 0.0, 0,   0, 0,   0},
      { 0,  0,   5, 14, 12,  0,  6,   14,  -8,  0.6, 0.0, 0,   0, 0,   0},
    }},
    {K::Dracon, R::JumpUp, kLoop, {
      { 0, -4,  -8, 12, -4,  0, 10,  -10, -30,  0.0, 0.70, 1,  10, 16, -28},
      { 0, -6,  -8, 12, -4,  0, 12,  -10, -30,  0.0, 0.75, 1,  12, 18,   6},
      { 0, -4,  -8, 12, -4,  0, 10,  -10, -30,  0.0, 0.70, 1,  10, 16,  34},
    }},
    {K::Dracon, R::JumpPeak, kOnce, {
      { 0, -6,   0, 18,  2,  0,  6,    0, -20,  0.0, 0.80, 1,   8, 14,   0},
      { 0, -6,   4, 18,  6,  0,  2,    6, -14,  0.0, 0.78, 1,   6, 12,   6},
    }},
    {K::Dracon, R::JumpDown, kLoop, {
      { 0, -5,   6, 12,  8,  0, -4,   16,   6,  0.0, 0.65, 1,   0,  4, -10},
      { 0, -5,   6, 12,  8,  0, -6,   18,   8,  0.0, 0.62, 1,   0,  4, -10},
      { 0, -5,   6, 12,  8,  0, -4,   16,   6,  0.0, 0.65, 1,   0,  4, -10},
    }},
    // Hovering, wings held up, talons drawn forward and the head pulled back.
    {K::Dracon, R::JumpAttack1Prepare, kOnce, {
      { 0, -6,  -6, 18,-18,  8,  6,   30,  10,  0.0, 0.75, 1,  20, 22, -14},
      { 0, -8,  -8, 18,-22, 14,  8,   36,  16,  0.0, 0.80, 1,  24, 26, -14},
    }},
    {K::Dracon, R::Fly, kLoop, {
      { 0,  0,   0, 22,  4,  0,  6,  -30, -40,  0.0, 1.0, 1,   6, 10, -22},
      { 0,  8,   2, 20,  6,  0,  2,  -30, -40,  0.0, 0.9, 1,   6, 10,  36},
      { 0,  4,   1, 21,  5,  0,  4,  -30, -40,  0.0, 1.0, 1,   6, 10,   4},
    }},

    // ---- Ridden by the heroine -----------------------------------------------------------------
    // Mounting: she settles in as the dragon rises out of its crouch.
    {K::MomoDracon, R::Stand, kOnce, {
      { 0,  0,   5, 14, 12,  0,  6,   14,  -8,  0.6, 0.0, 0,   0, 0,   0},
      { 0,  0,   2, 24,  5,  0,  2,   12, -10,  0.25, 0.08, 0, 0, 0,   0},
      { 0,  0,   0, 30,  0,  0,  0,   10, -12,  0.0, 0.0, 0,   0, 0,   0},
    }},
    {K::MomoDracon, R::Stance, kOnce, {
      { 0,  0,   0, 30,  0,  0,  0,   10, -12,  0.0, 0.0, 0,   0, 0,   0},
      { 0,  1,   1, 27,  2,  2, -3,   10, -12,  0.0, 0.02, 0,  0, 0,   0},
      { 0,  2,   2, 24,  4,  4, -6,   10, -12,  0.0, 0.04, 0,  0, 0,   0},
    }},
    // The charge: a leap with the head low, wings half open and the legs thrown back.
    {K::MomoDracon, R::Dash, kLoop, {
      { 8, -8,  10,  0, 14, 14, 12,  -68,  24,  0.0, 0.45, 1,   0, 22,  -8},
      { 8,-10,  10,  0, 14, 16, 14,  -72,  28,  0.0, 0.50, 1,   0, 22,  14},
      { 8, -8,  10,  0, 14, 14, 12,  -68,  24,  0.0, 0.45, 1,   0, 22,   4},
    }},
    {K::MomoDracon, R::HitUp, kOnce, {
      {-8,  0, -10, 26,-24, 30, 14,    0, -22,  0.05, 0.35, 0,  0, 0, -24},
      {-4,  0,  -5, 26,-12, 12,  6,    6, -16,  0.02, 0.15, 0,  0, 0, -10},
    }},
    {K::MomoDracon, R::HitLow, kOnce, {
      {-3,  0,  10,  6, 22, 24,  6,   14,  -8,  0.25, 0.10, 0,  0, 0,   0},
      { 0,  0,   6, 14, 12, 10, 10,   12, -10,  0.12, 0.05, 0,  0, 0,   0},
    }},
    // Wind-up for the bite: the head drawn back, jaws parting.
    {K::MomoDracon, R::Attack1Prepare, kOnce, {
      {-2,  0,  -5, 28,-16,  8,  6,    6, -18,  0.0, 0.10, 0,   0, 0,   0},
      {-4,  0,  -8, 28,-24, 16,  8,    4, -22,  0.05, 0.15, 0,  0, 0,   0},
    }},
    // The bite lands low ahead with her cut (frame 0), then the follow-through.
    {K::MomoDracon, R::Attack1, kOnce, {
      { 0,  0,  12,-12,  0, 40, -6,   28, -26,  0.05, 0.15, 0,  0, 0,   0},
      { 1,  0,  13,-14,  4, 10, -8,   30, -28,  0.08, 0.10, 0,  0, 0,   0},
      { 0,  0,  10, -4,  2,  6, -4,   24, -22,  0.05, 0.05, 0,  0, 0,   0},
    }},
    // Gathering for the rising blow: low, head down, tail up.
    {K::MomoDracon, R::Attack2Prepare, kOnce, {
      {-2,  0,   8,  4, 20,  6, 10,   16, -14,  0.25, 0.0, 0,   0, 0,   0},
      {-4,  0,  10,  0, 24,  8, 12,   18, -14,  0.32, 0.0, 0,   0, 0,   0},
    }},
    // Lunging up: the head snaps high with her rising cut (frame 0).
    {K::MomoDracon, R::Attack2, kOnce, {
      {10,  0,  -6, 14,-14, 44, -8,   36, -34,  0.0, 0.30, 0,   0, 0, -20},
      {12,  0,  -8, 14,-14, 14,-10,   38, -36,  0.0, 0.25, 0,   0, 0, -10},
      { 8,  0,  -4, 14, -6,  6, -6,   32, -30,  0.0, 0.15, 0,   0, 0,   0},
    }},
    // Fire: the neck stretched forward, jaws wide (frames 0 and 1), closing on frame 2.
    {K::MomoDracon, R::Fireball, kOnce, {
      {-10,  0,   6,  6,-10, 44, 28,   26, -24,  0.1, 0.20, 0,   0, 0, -10},
      {-10,  0,   7,  4,-10, 50, 30,   28, -26,  0.12, 0.25, 0,  0, 0, -14},
      { -8,  0,   4, 12, -4, 12, 24,   22, -20,  0.05, 0.12, 0,  0, 0,  -4},
    }},
    {K::MomoDracon, R::JumpUp, kLoop, {
      { 0, -6,  -8, 10, -4,  0, 10,  -10, -30,  0.0, 0.62, 1,  10, 16, -26},
      { 0, -8,  -8, 10, -4,  0, 12,  -10, -30,  0.0, 0.66, 1,  12, 18,   6},
      { 0, -6,  -8, 10, -4,  0, 10,  -10, -30,  0.0, 0.62, 1,  10, 16,  30},
    }},
    {K::MomoDracon, R::JumpPeak, kOnce, {
      { 0, -8,   0, 16,  2,  0,  6,    0, -20,  0.0, 0.70, 1,   8, 14,   0},
      { 0, -8,   4, 16,  6,  0,  2,    6, -14,  0.0, 0.68, 1,   6, 12,   6},
    }},
    {K::MomoDracon, R::JumpDown, kLoop, {
      { 0, -5,   6, 10,  8,  0, -4,   16,   6,  0.0, 0.58, 1,   0,  4, -10},
      { 0, -5,   6, 10,  8,  0, -6,   18,   8,  0.0, 0.55, 1,   0,  4, -10},
      { 0, -5,   6, 10,  8,  0, -4,   16,   6,  0.0, 0.58, 1,   0,  4, -10},
    }},
    {K::MomoDracon, R::JumpAttack1Prepare, kOnce, {
      { 0, -6,  -6, 16,-18,  8,  6,   30,  10,  0.0, 0.62, 1,  20, 22, -20},
      { 0, -8,  -8, 16,-22, 14,  8,   36,  16,  0.0, 0.66, 1,  24, 26, -20},
    }},
    // Talons rake forward with her downward cut (frame 0).
    {K::MomoDracon, R::JumpAttack1, kOnce, {
      { 4, -8,   6, 10, 20, 36, -4,   70,  55,  0.0, 0.55, 1,  10, 14,  24},
      { 5, -8,   8,  6, 24, 12, -6,   50,  40,  0.0, 0.50, 1,  14, 18,  30},
      { 3, -8,   4, 16, 12,  6, -2,   30,  20,  0.0, 0.55, 1,  18, 20,   4},
    }},
    // Hanging in the air, the head bowed to breathe fire ahead and below.
    {K::MomoDracon, R::JumpFireball, kOnce, {
      { 4, -8,  12,-16,  6, 46, 10,   10, -10,  0.0, 0.62, 1,  16, 20, -16},
      { 5, -8,  13,-18,  6, 52, 12,   10, -10,  0.0, 0.64, 1,  16, 20,  -4},
      { 3, -8,   8, -8, 10, 12,  8,   10, -10,  0.0, 0.60, 1,  16, 20, -12},
    }},
  };
  return boards;
}
// clang-format on

const DragonBoard* FindDragonBoard(Kind kind, Role role) {
  return FindBoardIn(DragonBoards(), kind, role, Kind::Dracon);
}

DragonPose DragonPoseFor(Kind kind, Role role, const Frame& f) {
  const DragonBoard* board = FindDragonBoard(kind, role);
  if (!board) board = FindDragonBoard(kind, Role::Stance);
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

// The rider's pose for this frame, her pelvis on the saddle.
Joints RiderJoints(const Frame& f, Kind kind, Role role, Pt saddle) {
  const Board* board = FindRiderBoard(kind, role);
  if (!board) board = FindRiderBoard(kind, RiderRole(role));
  if (!board) board = FindRiderBoard(kind, Role::Stance);
  const Cast& cast = CastOf(kind);
  const Pose pose = Sample(board->keys, board->playback, f.index, f.count, Blend);
  Joints j = PoseJoints(cast.build, pose);
  MoveJoints(j, saddle - j.pelvis + Pt{pose.x, pose.y});
  return j;
}

void DrawRider(cairo_t* cr, Kind kind, const Joints& j) {
  const Cast& cast = CastOf(kind);
  Look look = cast.look;
  look.astride = true;
  DrawFigure(cr, cast.build, look, j);
}

// Violet-white fire pouring from the open jaws on the breath frames; on the last frame the
// jaws close on a few embers.
void DrawBreath(const Frame& f, Pt mouth, bool pouring) {
  const Pt at = mouth + Pt{f.hx, f.hy};
  cairo_t* cr = f.cr;
  if (!pouring) {
    Glow(cr, at + Pt{4, 0}, 12, Hex(0xa070ff), 0.55);
    Glow(cr, at + Pt{4, 0}, 5, Hex(0xffffff), 0.8);
    Puff(cr, 77 + f.index, at + Pt{10, -8}, {6, 4}, 3, 6, Hex(0x8a7aa0), 0.35, 4);
    return;
  }
  // The plume leans forward and down the way the breaths fly.
  const Pt dir = Pt{0.93, 0.36};
  const double flick = (f.index % 2) * -3;
  Glow(cr, at - dir * 4, 34, Hex(0x8f4dff), 0.45);
  Glow(cr, at - dir * 12, 14, Hex(0xd8c4ff), 0.7);  // the jaws lit from inside
  Glow(cr, at + dir * 12, 26 + flick, Hex(0x9d5cff), 0.55);
  for (int k = 0; k < 3; ++k) {
    // Tongues of flame: violet teardrops with white hearts.
    const Pt tip = at + Rotate(dir, -18 + k * 18) * (28 + flick + (k == 1 ? 6 : 0));
    const Pt side = Rotate(tip - at, 90) * (0.22);
    cairo_new_path(cr);
    cairo_move_to(cr, at.x, at.y);
    cairo_curve_to(cr, (at + side + (tip - at) * 0.4).x, (at + side + (tip - at) * 0.4).y,
                   (tip + side * 0.6).x, (tip + side * 0.6).y, tip.x, tip.y);
    cairo_curve_to(cr, (tip - side * 0.6).x, (tip - side * 0.6).y, (at - side + (tip - at) * 0.4).x,
                   (at - side + (tip - at) * 0.4).y, at.x, at.y);
    SetRgb(cr, Hex(0xb27dff), 0.85);
    cairo_fill(cr);
  }
  Glow(cr, at + dir * 10, 16, Hex(0xe6d6ff), 0.95);
  Glow(cr, at + dir * 8, 8, Hex(0xffffff), 1.0);
}

}  // namespace

bool IsMounted(Kind kind, Role role) {
  switch (kind) {
    case Kind::Dracon:
    case Kind::MomoDracon:
    case Kind::Zellenith:
      return true;
    case Kind::Raider:
      // Thrown from the saddle it lies and gets up on foot.
      return role != Role::Knockdown && role != Role::Knockout && role != Role::WakeUp;
    default:
      return false;
  }
}

void PaintMounted(const Frame& f, Kind kind, Role role) {
  cairo_save(f.cr);
  cairo_translate(f.cr, f.hx, f.hy);
  if (kind == Kind::Raider) {
    // The rider alone, in the saddle of a dragon standing on the same pivot.
    DrawRider(f.cr, kind, RiderJoints(f, kind, role, SaddlePoint(DragonPose{})));
    cairo_restore(f.cr);
    return;
  }
  const DragonPose p = DragonPoseFor(kind, role, f);
  if (kind == Kind::Zellenith) cairo_translate(f.cr, 0, 150);
  const Tack tack = kind == Kind::Zellenith
                        ? Tack::None
                        : (kind == Kind::MomoDracon ? Tack::Ridden : Tack::Saddle);
  const DragonPoints points = DrawDragon(f.cr, p, tack);
  if (kind == Kind::MomoDracon) {
    const Joints j = RiderJoints(f, kind, role, points.saddle);
    const Pt sole = Lerp(j.ankleF, j.toeF, 0.45) + Pt{0, 5};
    DrawReins(f.cr, points.bit, j.wristB);
    DrawStirrupLeather(f.cr, points.stirrup, sole);
    DrawRider(f.cr, kind, j);
    const Pt d = j.toeF - j.ankleF;
    DrawStirrupIron(f.cr, sole, std::atan2(d.y, d.x) * 180 / 3.14159265358979);
  }
  cairo_restore(f.cr);
  if (role == Role::Fireball || role == Role::JumpFireball)
    DrawBreath(f, points.mouth, f.index < 2);
}

}  // namespace art
