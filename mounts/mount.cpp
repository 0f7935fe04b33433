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

// What the riderless dragon looks like in each mode; any other mode shows only its shadow.
struct MountSprite {
  int mode;
  const ImagePtr* image;
};
// clang-format off
constexpr MountSprite kDraconSprites[] = {
  // mode                      sprite
  { MODE_LANDING,              &imgDraconPlaneSwitch        },
  { MODE_STANCE,               &imgDraconStance             },
  { MODE_JUMP_RISE,            &imgDraconJumpUp             },
  { MODE_JUMP_PEAK,            &imgDraconJumpPeak           },
  { MODE_JUMP_FALL,            &imgDraconJumpDown           },
  { MODE_RUN_OFF,              &imgDraconRun                },
  { MODE_PUSHED_HIGH,          &imgDraconHit                },
  { MODE_CHARGE,               &imgDraconDash               },
  { MODE_AIR_HOVER,            &imgDraconJumpAttack1Prepare },
  { MODE_MOUNT_WAITING,        &imgDraconIdle               },
  { MODE_MOUNT_RISING,         &imgDraconStand              },
  { MODE_MOUNT_STANDING_UP,    &imgDraconStand              },
};
// clang-format on
static_assert(std::size(kDraconSprites) == 12);

const ImagePtr* SpriteOf(int mode) {
  for (const MountSprite& row : kDraconSprites) {
    if (row.mode == mode) return row.image;
  }
  return nullptr;
}

}  // namespace

// ---- Entry --------------------------------------------------------------------------------------

void TMount::SetMode(int mode) {
  iDelayCounter = 0;
  iMode = mode;
  iFrame = 0;
  bFrameDirection = 1;
  switch (mode) {
    case MODE_INACTIVE:
      --iRideCounter;
      break;  // boarded
    case MODE_LANDING:
      fAngle = static_cast<float>(iFacing);
      iFrame = 1;
      bFrameDirection = 0;
      break;
    case MODE_STANCE:
      CheckFacing();
      SwitchFacing(-1);
      fSpeed = 0;
      iAICounter = Rand(30, 60);
      break;
    case MODE_JUMP_RISE:
    case MODE_JUMP_PEAK:
    case MODE_JUMP_FALL:
    case MODE_CHARGE:
    case MODE_AIR_HOVER:
      break;
    case MODE_RUN_OFF:
      fSpeed = kRunOffSpeed;
      fAngle = static_cast<float>(iFacing);
      break;
    case MODE_PUSHED_HIGH:
      CreateEffectDust();
      break;  // thrown-off recoil
    case MODE_MOUNT_WAITING:
      iAICounter = kWaitFrames;
      break;
    case MODE_MOUNT_RISING:
      iFrame = 1;
      break;
    case MODE_MOUNT_STANDING_UP:
      fSpeed = 0;
      break;
    default:
      SetModeCustom(mode);
      break;
  }
}

void TMount::SetModeCustom(int) {}

void TMount::Leave() { SetMode(iRideCounter < 1 ? MODE_RUN_OFF : MODE_MOUNT_STANDING_UP); }

// ---- Update -------------------------------------------------------------------------------------

void TMount::MoveChara() {
  TCharacter* pc = GetPC();
  switch (iMode) {
    case MODE_INACTIVE:
      break;  // ridden: stays where it was boarded
    case MODE_LANDING:
      if (Animation2Way(2, 3) == 1) Leave();
      break;
    case MODE_STANCE:
      Animation2WayLoop(3, 8);
      break;
    case MODE_JUMP_RISE:
      x += fSpeed;
      y -= fJump;
      fJump -= 1;
      if (fJump <= 0) SetMode(MODE_JUMP_PEAK);
      break;
    case MODE_JUMP_PEAK:
      x += fSpeed;
      y -= fJump;
      fJump -= 1;
      if (Animation1Way(2, 3) == 1) SetMode(MODE_JUMP_FALL);
      break;
    case MODE_JUMP_FALL:
      x += fSpeed;
      if (fJump > kFallLimit) fJump -= 1;
      y -= fJump;
      if (LandOnGround()) {
        CreateEffectDust();
        SetMode(MODE_LANDING);
      }
      break;
    case MODE_RUN_OFF:
      if (pc && std::fabs(pc->x - x) > kDropDistance) iStatus = STATUS_FINISHED;
      Animation1WayLoop(8, 4);
      if (iDelayCounter % kStepEvery == 0) {
        PlaySound(sndDraconStep1);
        CreateEffectDust();
      }
      SetMovement();
      break;
    case MODE_PUSHED_HIGH:
      // Nobody sets a mount's knockback angle, so the recoil always slides it to the left.
      Animation2Way(2, 4);
      if (iDelayCounter >= kRecoilFrames) {
        Leave();
      } else {
        x += static_cast<float>(Cos(fKnockbackAngle)) * fSpeed;
        y += static_cast<float>(Sin(fKnockbackAngle)) * fSpeed;
        fSpeed -= 2;
      }
      break;
    case MODE_CHARGE:
      y -= fJump;
      fJump -= kChargeGravity;
      SetMovement();
      if (LandOnGround()) Leave();
      break;
    case MODE_MOUNT_WAITING:
      MoveAI(pc);
      Animation2WayLoop(3, 8);
      break;
    case MODE_MOUNT_RISING:
      if (iDelayCounter == kRiseFrameDown) iFrame = 0;
      if (iDelayCounter >= kRiseFrames) SetMode(MODE_RUN_OFF);
      break;
    case MODE_MOUNT_STANDING_UP:
      if (Animation1Way(2, 6) == 1) SetMode(MODE_MOUNT_WAITING);
      break;
    default:
      MoveCustom(pc);
      break;
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
  if (const ImagePtr* sprite = SpriteOf(iMode)) DrawImage(*sprite, x, y, iFrame);
  SetScale(1, 1);
}

void RegisterMountKinds() {
  RegisterSpawn(TYPE_DRACON, [](int id) -> std::shared_ptr<TCharacter> {
    auto dracon = std::make_shared<TMountDracon>();
    dracon->Init(CODE_PLAYER_NONE, id);
    return dracon;
  });
}
