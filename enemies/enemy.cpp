#include "enemies/enemy.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "heroine/momo.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr float kPlaneSwitchStep = 2;  // pixels a frame toward the next ground line
constexpr int kStaggerFrames = 20;
constexpr int kPushFrames = 12;
constexpr int kLyingFrames = 80;
constexpr int kWatchEngageRange = 400;
constexpr int kWatchChargeRange = 760;
constexpr int kFallbackPlaneCoolDown = 170;

bool InHeroineGrip(int mode) {
  return mode == MOMO_GRAPPLE || mode == MOMO_GRAPPLE_HOLD ||
         (mode >= MOMO_BACK_THROW && mode <= MOMO_FRONT_THROW);
}

bool IsIdle(int mode) {
  return mode == MODE_STANCE || mode == MODE_WALK_TOWARD || mode == MODE_WALK_BACK;
}

}  // namespace

// ---- Entries ------------------------------------------------------------------------------------

int Truncated(float frames) { return static_cast<int>(frames * fEnemyDelayFactor); }

namespace {

// A reaction's picture: a strip at the foe's frame or at a fixed one.
struct ReactionPicture {
  int mode;
  const ImagePtr* ReactionStrips::*strip;
  int frame;    // kOwnFrame: the foe's iFrame
  bool shakes;  // a staggered body shakes by a pixel and a half
};
constexpr int kOwnFrame = -1;

// clang-format off
constexpr ReactionPicture kReactionPictures[] = {
  // mode               strip                       frame      shakes
  {MODE_KNOCKED_AWAY,   &ReactionStrips::knockdown, kOwnFrame, false},
  {MODE_KNOCKDOWN,      &ReactionStrips::knockdown, kOwnFrame, false},
  {MODE_LIFTED,         &ReactionStrips::knockdown, 0,         false},
  {MODE_SLAMMED,        &ReactionStrips::knockdown, 1,         false},
  {MODE_LYING,          &ReactionStrips::knockOut,  0,         false},
  {MODE_DEAD,           &ReactionStrips::knockOut,  0,         false},
  {MODE_GETTING_UP,     &ReactionStrips::wakeUp,    kOwnFrame, false},
  {MODE_PUSHED_HIGH,    &ReactionStrips::hitUp,     0,         false},
  {MODE_PUSHED_LOW,     &ReactionStrips::hitLow,    0,         false},
  {MODE_HIT_HIGH,       &ReactionStrips::hitUp,     0,         true},
  {MODE_HIT_LOW,        &ReactionStrips::hitLow,    0,         true},
  {MODE_GRAPPLE_HIT,    &ReactionStrips::hitLow,    0,         true},
};
// clang-format on

}  // namespace

bool DrawFoeReaction(const TCharacter& foe, const ReactionStrips& strips, int grey) {
  const auto draw = [&foe](const ImagePtr* image, int frame, float dy = 0) {
    if (!image || !*image) return;
    DrawImage(*image, foe.x, foe.y + dy, std::clamp(frame, 0, (*image)->FrameCount() - 1));
  };
  switch (foe.iMode) {
    case MODE_KNOCKUP:  // rising, then falling like a knock-down
      if (foe.fJump > 0) {
        draw(strips.hitUp, 0);
      } else {
        draw(strips.knockdown, foe.iFrame);
      }
      return true;
    case MODE_LYING_HIT:
    case MODE_BOUNCE:  // up off the ground, then back down on it
      if (foe.iDelayCounter <= 4) {
        draw(strips.knockOut, 0);
      } else {
        draw(strips.knockdown, 1, 20);
      }
      return true;
    default:
      break;
  }
  for (const ReactionPicture& row : kReactionPictures) {
    if (row.mode != foe.iMode) continue;
    const float shake = foe.iDelayCounter % 2 == 0 ? -1.5f : 1.5f;
    if (row.mode == MODE_DEAD) SetColor(grey, grey, grey);
    draw(strips.*row.strip, row.frame == kOwnFrame ? foe.iFrame : row.frame,
         row.shakes ? shake : 0);
    if (row.mode == MODE_DEAD) SetColor(255, 255, 255);
    return true;
  }
  return false;
}

bool HeroineDown(const TCharacter& pc, bool onlyLyingOrRising) {
  if (pc.iMode == MODE_LYING || pc.iMode == MODE_GETTING_UP) return true;
  return !onlyLyingOrRising && (pc.iMode == MOMO_LIFE_REFILL || pc.iMode == MOMO_SLIDE);
}

bool EnterFoeReaction(TCharacter& foe, int mode) {
  switch (mode) {
    case MODE_KNOCKED_AWAY:
    case MODE_KNOCKDOWN:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.fJump = 8;
      foe.fSpeed = 12;
      foe.CreateEffectDust();
      foe.NormalizeKnockbackAngle();
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
    case MODE_PUSHED_LOW:
    case MODE_GRAPPLE_HIT:
    case MODE_PUSHED_HIGH:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.CreateEffectDust();
      break;
    case MODE_KNOCKUP:
      foe.fJump = 27;
      foe.fSpeed = 3;
      foe.CreateEffectDust();
      break;
    case MODE_LIFTED:
      foe.iStatus = STATUS_UNHITTABLE;
      break;
    case MODE_LYING_HIT:
    case MODE_BOUNCE:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.fJump = 5;
      foe.fSpeed = 8;
      foe.CreateEffectDust();
      if (mode == MODE_BOUNCE) PlaySound(sndBodySlam1);
      break;
    case MODE_GETTING_UP:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.ResetBBox();
      break;
    case MODE_SLAMMED:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.fSpeed = 12;
      break;
    default:
      return false;
  }
  return true;
}

void TEnemy::SetMode(int mode) {
  iDelayCounter = 0;
  // Waiting and hesitating share the stance pictures: its frame runs on between them.
  const bool stanceToStance = (mode == MODE_STANCE || mode == MODE_HESITATE) &&
                              (iMode == MODE_STANCE || iMode == MODE_HESITATE);
  if (!stanceToStance) iFrame = 0;
  iMode = mode;
  bFrameDirection = 1;
  if (EnterFoeReaction(*this, mode)) return;
  switch (mode) {
    case MODE_STANCE:
      CheckFacing();
      SwitchFacing(0);
      fSpeed = 0;
      iStatus = STATUS_NORMAL;
      iAICounter = Rand(30, 60);
      break;
    case MODE_PLANE_UP:
      SetModePlaneSwitch(1);
      break;
    case MODE_PLANE_DOWN:
      SetModePlaneSwitch(0);
      break;
    case MODE_WALK_TOWARD:
    case MODE_WALK_BACK:
    case MODE_BACK_OFF:
      if (mode == MODE_BACK_OFF) iStatus = STATUS_NORMAL;
      iFrame = 1;
      bFrameDirection = 1;
      fSpeed = fWalkSpeed;
      iAICounter = mode == MODE_WALK_TOWARD ? Rand(50, 90)
                   : mode == MODE_WALK_BACK ? Rand(40, 80)
                                            : 50;
      CheckFacing();
      SwitchFacing(0);
      // Toward her, or backward while still facing her.
      if (mode == MODE_WALK_TOWARD) {
        fAngle = static_cast<float>(iFacing);
      } else {
        fAngle = iFacing == FACING_RIGHT ? float{FACING_LEFT} : float{FACING_RIGHT};
      }
      break;
    case MODE_LYING:
      if (fHP == 0) {
        SetMode(MODE_DEAD);
      } else {
        iStatus = STATUS_NORMAL;
      }
      SetBBoxKnockOut();
      CreateEffectDust();
      PlaySound(sndBodySlam2);
      break;
    case MODE_DEAD:
      iStatus = STATUS_FADING;
      iColorModifier = 255;
      break;
    default:
      SetModeCustom(mode);
      break;
  }
}

void TEnemy::SetModePlaneSwitch(int up) { StartPlaneSwitch(up == 1); }

void TEnemy::SetModeCustom(int) {}
void TEnemy::MoveCustom(TCharacter*) {}
void TEnemy::MoveAIEngage(TCharacter*) {}

// ---- Frame update -------------------------------------------------------------------------------

bool TEnemy::BallisticStep(float gravity) {
  y -= fJump;
  fJump -= gravity;
  MoveAlongKnockback();
  return LandOnGround();
}

bool TEnemy::WalkLeadsToward(const TCharacter* pc) const {
  return pc && ((pc->x < x && fAngle == FACING_LEFT) || (pc->x > x && fAngle == FACING_RIGHT));
}

bool TEnemy::WalkLeadsAway(const TCharacter* pc) const {
  return pc && ((pc->x < x && fAngle == FACING_RIGHT) || (pc->x > x && fAngle == FACING_LEFT));
}

void TEnemy::Seize() {
  PlaySound(sndGrab);
  iStatus = STATUS_UNHITTABLE;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iTargetType != iType || c->iTargetID != iID) continue;
    c->SetMode(MODE_GRAPPLED);
    iTargetType = c->iType;
    iTargetID = c->iID;
  }
}

bool TEnemy::HeldByHeroine(const TCharacter* pc) const { return pc && InHeroineGrip(pc->iMode); }

bool TEnemy::CarriedByHeroine(const TCharacter* pc) const {
  return HeldByHeroine(pc) && pc->iTargetID == iID;
}

void TEnemy::DropFromHeroine(const TCharacter* pc) {
  // It falls the way she was throwing it: behind her.
  if (pc) fKnockbackAngle = pc->iFacing == FACING_RIGHT ? float{FACING_LEFT} : float{FACING_RIGHT};
  SetMode(MODE_KNOCKDOWN);
}

void TEnemy::SwitchWalkKeepingCounter(int mode) {
  const int32_t counter = iDelayCounter;
  SetMode(mode);
  iDelayCounter = counter;
}

void TEnemy::MoveChara() {
  TCharacter* pc = GetPC();
  switch (iMode) {
    case MODE_STANCE:
      MoveAI(pc);
      AnimationStance();
      break;
    case MODE_PLANE_UP:
      MovePlaneSwitchUp();
      break;
    case MODE_PLANE_DOWN:
      MovePlaneSwitchDown();
      break;
    case MODE_WALK_TOWARD:
    case MODE_WALK_BACK:
      CheckFacing();
      SwitchFacing(0);
      // She has moved past: the walk turns, its counter runs on.
      if (iMode == MODE_WALK_TOWARD && WalkLeadsAway(pc)) {
        SwitchWalkKeepingCounter(MODE_WALK_BACK);
      } else if (iMode == MODE_WALK_BACK && WalkLeadsToward(pc)) {
        SwitchWalkKeepingCounter(MODE_WALK_TOWARD);
      }
      AnimationMove();
      SetMovement();
      MoveAI(pc);
      break;
    case MODE_HESITATE:
      if (iAICounter < 1) {
        SetMode(ENEMY_ATTACK1);
      } else {
        --iAICounter;
        AnimationStance();
      }
      break;
    case MODE_BACK_OFF:
      if (iCoolDownDodge > 0) --iCoolDownDodge;
      if (iCoolDownBlock > 0) --iCoolDownBlock;
      if (WalkLeadsToward(pc)) SwitchWalkKeepingCounter(MODE_WALK_TOWARD);
      AnimationMove();
      SetMovement();
      if (iAICounter > 0) {
        --iAICounter;
      } else {
        FreeChoice();
      }
      break;
    case MODE_KNOCKED_AWAY:
    case MODE_KNOCKDOWN:
      if (iMode == MODE_KNOCKDOWN && iDelayCounter == 4) iStatus = STATUS_NORMAL;
      if (BallisticStep(0.8f)) {
        SetMode(MODE_BOUNCE);
        fQuake = 6;
      } else {
        iFrame = fJump < 0 ? 1 : 0;
      }
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
      if (iDelayCounter == kStaggerFrames) SetMode(MODE_STANCE);
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      break;
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
      Animation2Way(2, 4);
      if (iDelayCounter == kPushFrames) {
        SetMode(MODE_STANCE);
      } else {
        MoveAlongKnockback();
        fSpeed -= 2;
      }
      break;
    case MODE_KNOCKUP:
      MoveLaunched();
      break;
    case MODE_GRAPPLE_HIT:
      if (iDelayCounter == kStaggerFrames) SetMode(MODE_GRAPPLED);
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      // Let go while still reeling. (Not after the turn to mode 64 above: an executioner may
      // just have turned the grip on her, and she is no longer holding anything.)
      if (iMode == MODE_GRAPPLE_HIT && !HeldByHeroine(pc)) {
        SetMode(fHP > 0 ? MODE_STANCE : MODE_KNOCKDOWN);
      }
      break;
    case MODE_LIFTED:
      MoveLifted();
      break;
    case MODE_LYING_HIT:
      if (BallisticStep(1)) {
        SetMode(MODE_LYING);
        iStatus = STATUS_UNHITTABLE;
      }
      break;
    case MODE_BOUNCE:
      if (BallisticStep(1)) SetMode(MODE_LYING);
      break;
    case MODE_LYING:
      if (iCoolDownDodge > 0) --iCoolDownDodge;
      if (iDelayCounter == kLyingFrames) {
        SetMode(MODE_GETTING_UP);
      } else {
        Animation2WayLoop(5, 10);
      }
      break;
    case MODE_GETTING_UP:
      if (Animation1Way(2, 5) == 1) SetMode(MODE_STANCE);
      break;
    case MODE_GRAPPLED:  // held by the heroine
      if (!HeldByHeroine(pc)) SetMode(MODE_STANCE);
      break;
    case MODE_CARRIED:
      // Only her back throw lets go of it. Broken off (she is struck, knocked down, seized), the
      // throw would leave it on her shoulders for good, unseen and alive: it drops off instead.
      if (!CarriedByHeroine(pc)) DropFromHeroine(pc);
      break;
    case MODE_THROWN:
      if (BallisticStep(0.8f)) {
        SetMode(MODE_BOUNCE);
        fQuake = 10;
      }
      break;
    case MODE_SLAMMED:
      MoveSlammed();
      break;
    default:
      MoveCustom(pc);
      break;
  }
}

void TEnemy::FreeChoice() {
  switch (Rand(0, 2)) {
    case 0:
      SetMode(MODE_WALK_TOWARD);
      break;
    case 1:
      SetMode(MODE_STANCE);
      break;
    default:
      SetMode(MODE_WALK_BACK);
      break;
  }
}

// ---- Facing and planes --------------------------------------------------------------------------

TCharacter* TEnemy::GetPC() { return FindHeroine(); }

void TEnemy::CheckFacing() {
  bool left = false, right = false;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iStatus == STATUS_FINISHED || c->iAffiliation != SIDE_HEROINE) continue;
    (c->x <= x ? left : right) = true;
  }
  iFacingState = !left ? FACING_RIGHT : right ? FACING_BOTH_SIDES : FACING_LEFT;
}

void TEnemy::SwitchFacing(int) {
  iFacing = iFacingState == FACING_LEFT ? FACING_LEFT : FACING_RIGHT;
}

void TEnemy::CheckGrapple(TCharacter& target) {
  target.iTargetType = iType;
  target.iTargetID = iID;
  SetMode(ENEMY_SEIZE);
}

int TEnemy::IsAerialMode(const TCharacter& c) {
  return (c.iMode >= 31 && c.iMode <= 40) || (c.iMode >= 150 && c.iMode <= 200) ? 1 : 0;
}

void TEnemy::MovePlaneSwitchUp() {
  if (iPlane - 1 >= 0 && y <= fPlaneY[iPlane - 1]) {
    SetPlane(iPlane - 1);
    SetMode(MODE_STANCE);
    return;
  }
  y -= kPlaneSwitchStep;
  Animation2Way(3, 4);
  SetMovement();
  if (iDelayCounter % 6 == 0) CreateEffectDust();
}

void TEnemy::MovePlaneSwitchDown() {
  if (iPlane + 1 < static_cast<int>(fPlaneY.size()) && y >= fPlaneY[iPlane + 1]) {
    SetPlane(iPlane + 1);
    SetMode(MODE_STANCE);
    return;
  }
  y += kPlaneSwitchStep;
  Animation2Way(3, 4);
  SetMovement();
  if (iDelayCounter % 6 == 0) CreateEffectDust();
}

void TEnemy::AnimationStance() { Animation2WayLoop(3, 8); }
void TEnemy::AnimationMove() { Animation2WayLoop(3, 8); }

// ---- Attitudes ----------------------------------------------------------------------------------

void TEnemy::MoveAI(TCharacter* pc) {
  if (iAIMode == AI_ENGAGE) {
    MoveAIEngage(pc);
  } else {
    MoveAIWatch(pc);
  }
}

void TEnemy::MoveAIWatch(TCharacter* pc) {
  if (pc && !HeroineDown(*pc)) {
    if (iCoolDownPlaneSwitch > 0) --iCoolDownPlaneSwitch;
    const float dx = std::fabs(pc->x - x);
    if (dx < kWatchEngageRange && pc->iPlane == iPlane && IsIdle(iMode)) {
      iAIMode = AI_ENGAGE;  // steps in by itself, over the limit until the next count
      return;
    }
    if (dx > kWatchChargeRange && pc->iPlane != iPlane) {
      SetMode(ENEMY_CHARGE);
      return;
    }
  }
  if (iAICounter > 0) {
    --iAICounter;
  } else {
    FreeChoice();
  }
}

void TEnemy::Fallback() {
  if (Rand(0, 2) < 2) {
    SetMode(MODE_BACK_OFF);
  } else {
    if (iPlane == 0) {
      SetMode(MODE_PLANE_DOWN);
    } else if (iPlane == 4) {
      SetMode(MODE_PLANE_UP);
    } else {
      SetMode(Rand(0, 1) == 0 ? MODE_PLANE_DOWN : MODE_PLANE_UP);
    }
    iCoolDownPlaneSwitch = static_cast<int32_t>(kFallbackPlaneCoolDown * fEnemyDelayFactor);
  }
  bComboEnable = 0;
}

// ---- Drawing ------------------------------------------------------------------------------------

void TEnemy::DrawGUI() {
  if (fHP <= 0 || fHPMax <= 0) return;
  SetColor(0, 0, 0);
  DrawRect(x - 50, y - fHPBarPost, 100, 3);
  SetColor(200, 160, 0);
  DrawRect(x - 50, y - fHPBarPost, 100 / fHPMax * fHP, 3);
  SetColor(255, 255, 255);
}
