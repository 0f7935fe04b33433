#include "mounts/mount.h"

#include <cmath>
#include <iterator>
#include <memory>

#include "world/assets.h"
#include "world/globals.h"
#include "world/spawn.h"

namespace {

constexpr int kRecoilFrames = 12;
constexpr int kRiseFrames = 12;
constexpr int kRiseFrameDown = 6;  // the rising dragon lowers its head again here
constexpr int kWaitFrames = 480;   // how long a thrown-off dragon can be boarded
constexpr float kRunOffSpeed = 15;
constexpr float kDropDistance = 3000;  // dropped once this far from the heroine
constexpr int kStepEvery = 16;
constexpr float kFallLimit = -20;
constexpr float kChargeGravity = 0.8f;
constexpr float kHoverGravity = 0.05f;

}  // namespace

// ---- Modes --------------------------------------------------------------------------------------
// One row per mode: its entry (after the reset every mode starts with), its frame, and what the
// riderless dragon looks like in it. A mode without a row is the kind's (SetModeCustom and
// MoveCustom); a row without a frame leaves the frame to MoveCustom, one without a picture shows
// only the shadow.

struct TMount::Modes {
  struct Row {
    int mode;
    void (*enter)(TMount& m);                  // nullptr: nothing more
    void (*frame)(TMount& m, TCharacter* pc);  // nullptr: MoveCustom
    const ImagePtr* picture;
  };
  static const Row* Find(int mode);

  static void EnterBoarded(TMount& m) { --m.iRideCounter; }
  static void Ridden(TMount&, TCharacter*) {}  // stays where it was boarded

  static void EnterLanding(TMount& m) {
    m.fAngle = static_cast<float>(m.iFacing);
    m.iFrame = 1;
    m.bFrameDirection = 0;
  }
  static void Landing(TMount& m, TCharacter*) {
    if (m.Animation2Way(2, 3) == 1) m.Leave();
  }

  static void EnterStance(TMount& m) {
    m.CheckFacing();
    m.SwitchFacing(-1);
    m.fSpeed = 0;
    m.iAICounter = Rand(30, 60);
  }
  static void Stance(TMount& m, TCharacter*) { m.Animation2WayLoop(3, 8); }

  static void JumpRise(TMount& m, TCharacter*) {
    m.x += m.fSpeed;
    m.y -= m.fJump;
    m.fJump -= 1;
    if (m.fJump <= 0) m.SetMode(MODE_JUMP_PEAK);
  }
  static void JumpPeak(TMount& m, TCharacter*) {
    m.x += m.fSpeed;
    m.y -= m.fJump;
    m.fJump -= 1;
    if (m.Animation1Way(2, 3) == 1) m.SetMode(MODE_JUMP_FALL);
  }
  static void JumpFall(TMount& m, TCharacter*) {
    m.x += m.fSpeed;
    if (m.fJump > kFallLimit) m.fJump -= 1;
    m.y -= m.fJump;
    if (m.LandOnGround()) {
      m.CreateEffectDust();
      m.SetMode(MODE_LANDING);
    }
  }

  static void EnterRunOff(TMount& m) {
    m.fSpeed = kRunOffSpeed;
    m.fAngle = static_cast<float>(m.iFacing);
  }
  static void RunOff(TMount& m, TCharacter* pc) {
    if (pc && std::fabs(pc->x - m.x) > kDropDistance) m.iStatus = STATUS_FINISHED;
    m.Animation1WayLoop(8, 4);
    if (m.iDelayCounter % kStepEvery == 0) {
      PlaySound(sndDraconStep1);
      m.CreateEffectDust();
    }
    m.SetMovement();
  }

  static void EnterRecoil(TMount& m) { m.CreateEffectDust(); }  // thrown off
  static void Recoil(TMount& m, TCharacter*) {
    // Nobody sets a mount's knockback angle, so the recoil always slides it to the left.
    m.Animation2Way(2, 4);
    if (m.iDelayCounter >= kRecoilFrames) {
      m.Leave();
    } else {
      m.x += static_cast<float>(Cos(m.fKnockbackAngle)) * m.fSpeed;
      m.y += static_cast<float>(Sin(m.fKnockbackAngle)) * m.fSpeed;
      m.fSpeed -= 2;
    }
  }

  static void Charge(TMount& m, TCharacter*) {
    m.y -= m.fJump;
    m.fJump -= kChargeGravity;
    m.SetMovement();
    if (m.LandOnGround()) m.Leave();
  }

  static void EnterWaiting(TMount& m) { m.iAICounter = kWaitFrames; }
  static void Waiting(TMount& m, TCharacter* pc) {
    m.MoveAI(pc);
    m.Animation2WayLoop(3, 8);
  }

  static void EnterRising(TMount& m) { m.iFrame = 1; }
  static void Rising(TMount& m, TCharacter*) {
    if (m.iDelayCounter == kRiseFrameDown) m.iFrame = 0;
    if (m.iDelayCounter >= kRiseFrames) m.SetMode(MODE_RUN_OFF);
  }

  static void EnterStandingUp(TMount& m) { m.fSpeed = 0; }
  static void StandingUp(TMount& m, TCharacter*) {
    if (m.Animation1Way(2, 6) == 1) m.SetMode(MODE_MOUNT_WAITING);
  }

  static const Row kRows[];
};

// clang-format off
const TMount::Modes::Row TMount::Modes::kRows[] = {
  // mode                    entry            frame        picture
  {MODE_INACTIVE,            EnterBoarded,    Ridden,      nullptr},
  {MODE_LANDING,             EnterLanding,    Landing,     &imgDraconPlaneSwitch},
  {MODE_STANCE,              EnterStance,     Stance,      &imgDraconStance},
  {MODE_JUMP_RISE,           nullptr,         JumpRise,    &imgDraconJumpUp},
  {MODE_JUMP_PEAK,           nullptr,         JumpPeak,    &imgDraconJumpPeak},
  {MODE_JUMP_FALL,           nullptr,         JumpFall,    &imgDraconJumpDown},
  {MODE_CHARGE,              nullptr,         Charge,      &imgDraconDash},
  {MODE_AIR_HOVER,           nullptr,         nullptr,     &imgDraconJumpAttack1Prepare},
  {MODE_RUN_OFF,             EnterRunOff,     RunOff,      &imgDraconRun},
  {MODE_PUSHED_HIGH,         EnterRecoil,     Recoil,      &imgDraconHit},
  {MODE_MOUNT_WAITING,       EnterWaiting,    Waiting,     &imgDraconIdle},
  {MODE_MOUNT_RISING,        EnterRising,     Rising,      &imgDraconStand},
  {MODE_MOUNT_STANDING_UP,   EnterStandingUp, StandingUp,  &imgDraconStand},
};
// clang-format on

const TMount::Modes::Row* TMount::Modes::Find(int mode) {
  static_assert(std::size(kRows) == 13);
  for (const Row& row : kRows) {
    if (row.mode == mode) return &row;
  }
  return nullptr;
}

void TMount::SetMode(int mode) {
  iDelayCounter = 0;
  iMode = mode;
  iFrame = 0;
  bFrameDirection = 1;
  const Modes::Row* row = Modes::Find(mode);
  if (!row) {
    SetModeCustom(mode);
  } else if (row->enter) {
    row->enter(*this);
  }
}

void TMount::SetModeCustom(int) {}

void TMount::Leave() { SetMode(iRideCounter < 1 ? MODE_RUN_OFF : MODE_MOUNT_STANDING_UP); }

void TMount::MoveChara() {
  TCharacter* pc = GetPC();
  const Modes::Row* row = Modes::Find(iMode);
  if (row && row->frame) {
    row->frame(*this, pc);
  } else {
    MoveCustom(pc);
  }
}

void TMount::MoveCustom(TCharacter*) {}

void TMount::MoveAI(TCharacter*) {
  if (iAICounter >= 1) {
    --iAICounter;
  } else if (iMode == MODE_MOUNT_WAITING) {
    SetMode(MODE_MOUNT_RISING);
  }
}

TCharacter* TMount::GetPC() { return FindHeroine(); }

void TMount::CheckFacing() {
  int left = 0, right = 0;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iStatus == STATUS_FINISHED || c->iAffiliation != SIDE_HEROINE) continue;
    if (c->x <= x) {
      ++left;
    } else {
      ++right;
    }
  }
  if (left == 0) {
    iFacingState = FACING_RIGHT;
  } else {
    iFacingState = right == 0 ? FACING_LEFT : FACING_BOTH_SIDES;
  }
}

void TMount::SwitchFacing(int) {
  iFacing = iFacingState == FACING_LEFT ? FACING_LEFT : FACING_RIGHT;
}

// ---- Drawing ------------------------------------------------------------------------------------

void TMount::DrawGUI() {
  if (fHP <= 0 || fHPMax <= 0) return;
  SetColor(0, 0, 0);
  DrawRect(x - 50, y - fHPBarPost, 100, 3);
  SetColor(200, 160, 0);
  DrawRect(x - 50, y - fHPBarPost, fHP * 100 / fHPMax, 3);
  SetColor(255, 255, 255);
}

// ---- TMountDracon -------------------------------------------------------------------------------

void TMountDracon::Init(int, int id) {
  fSize = 12;
  iCodePlayer = CODE_PLAYER_NONE;
  ResetBBox();
  iType = TYPE_DRACON;
  iID = id;
  iStatus = STATUS_UNHITTABLE;
  iAffiliation = SIDE_NEUTRAL;
  fWalkSpeed = 7;
  iRideCounter = 2;
  fHPBarPost = 220;
}

void TMountDracon::ResetBBox() {
  xBBox = -40;
  yBBox = -200;
  BBoxWidth = 80;
  BBoxHeight = 190;
}

void TMountDracon::SetBBoxKnockOut() {
  xBBox = -80;
  yBBox = -40;
  BBoxWidth = 160;
  BBoxHeight = 60;
}

void TMountDracon::MoveCustom(TCharacter*) {
  if (iMode != MODE_AIR_HOVER) return;
  // Hangs in the air where the rider's air strike was cut short, then falls.
  if (Animation1Way(2, 3) == 1) SetMode(MODE_JUMP_FALL);
  y -= fJump;
  fJump -= kHoverGravity;
}

void TMountDracon::Draw() {
  if (iMode == MODE_INACTIVE) return;
  SetScale(FacingScale(iFacing), 1.0f);
  DrawImage(imgShadow, x, GroundLine(), 0);
  const Modes::Row* row = Modes::Find(iMode);
  if (row && row->picture) DrawImage(*row->picture, x, y, iFrame);
  SetScale(1, 1);
}

void RegisterMountKinds() {
  RegisterSpawn(TYPE_DRACON, [](int id) -> std::shared_ptr<TCharacter> {
    auto dracon = std::make_shared<TMountDracon>();
    dracon->Init(CODE_PLAYER_NONE, id);
    return dracon;
  });
}
