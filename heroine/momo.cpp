// The heroine on foot: set-up, the frame update, movement, jumps, plane switches, the reactions to
// hits, lives and continues, the automatic runs, the world scroll and the screen shake.

#include "heroine/momo.h"

#include <algorithm>
#include <iterator>

#include "input/game_input.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

// ---- Tuning -------------------------------------------------------------------------------------
constexpr float kRunSpeed = 10;
constexpr float kDashSpeed = 18;
constexpr int kDashFrames = 17;
constexpr float kJumpSpeed = 25;       // upward speed at take-off; a jump rises 25 frames
constexpr float kTerminalFall = 25;    // falling never gets faster than this
constexpr float kAirSteerLimit = 10;   // horizontal speed she can steer to in a jump
constexpr float kJumpAttackFrom = 24;  // jump attacks wait until the rise has slowed below this
constexpr int kDoubleTapWindow = 30;   // frames between two taps of Up or Down
constexpr float kPlaneSwitchStep = 5;  // pixels a frame toward the next ground line
constexpr float kPushBackSpeed = 20;
constexpr float kFallForwardSpeed = 17;
constexpr int kLyingFrames = 62;
constexpr float kRefillPerFrame = 2;
constexpr int kGameOverCounterCap = 1000;
constexpr float kAutoRunStop = 360;  // the run into a stage hands control back here
constexpr float kHurtManaShare = 3;  // a hit gives her a third of its damage as mana
constexpr float kArmourShare = 5;    // the dive's armour lets a fifth of the damage through
constexpr int kArmourInvulnerable = 4;

// Scores past which a life is added; one each, in order, and no more after the fifth.
constexpr float kBonusLifeScores[] = {60000, 180000, 360000, 540000, 720000};

// The band in the middle of the screen she may move in before the world scrolls.
constexpr float kScrollBand = 160;
constexpr float kStageMargin = 100;  // she never gets closer than this to the scroll lock or end
constexpr float kViewFollow = 6;     // the view follows her height at a sixth of her motion
constexpr float kViewReturn = kTerminalFall / kViewFollow;

constexpr int kStanceFrames = 6;
constexpr int kStanceDelay = 9;
constexpr int kRunFrames = 10;
constexpr int kRunDelay = 4;

}  // namespace

// ---- Set-up -------------------------------------------------------------------------------------

void TMomo::Init(int codePlayer, int) {
  fSize = 4;
  iCodePlayer = codePlayer;
  ResetBBox();
  iType = TYPE_HEROINE;
  iID = 0;
  iStatus = STATUS_NORMAL;
  iAffiliation = SIDE_HEROINE;
  fMPCostMoonSlasher = 12;
  fMPCostEruption = 40;
  fMPCostPsychicSphere = 64;
  fMPCostStrikeThrough = 36;
  fMPCostDraconFireball = 24;
  fBlockModifier = 2;
  yMountModifier = -100;
}

void SetHeroineBox(TCharacter& c) {
  c.xBBox = -25;
  c.yBBox = -180;
  c.BBoxWidth = 50;
  c.BBoxHeight = 180;
}

void TMomo::ResetBBox() { SetHeroineBox(*this); }

void TMomo::ResetGameData() {
  iESCActiveCursor = 0;
  fHPModifier = 16;
  fMPModifier = 10;
  fVit = 14;
  fStr = 12;
  fInt = 24;
  fAgi = 17;
  fSpeed = 0;
  SetMode(MODE_STANCE);
  iFacing = FACING_RIGHT;
  bComboEnable = 0;
  x = 100;
  SetPlane(2);
  iTargetID = -1;
  bDoubleJump = 0;
  ResetExploitCounter();
  iInvulnerableCounter = 0;
  iMaxCombo = 0;
  bAuto = 0;
}

// ---- Input --------------------------------------------------------------------------------------

namespace {
TGameInput* InputSlot(int codePlayer) {
  if (codePlayer < 0 || codePlayer >= static_cast<int>(GameInput.size())) return nullptr;
  return GameInput[codePlayer].get();
}
}  // namespace

bool TMomo::Query(int action, int kind) const {
  const TGameInput* input = InputSlot(iCodePlayer);
  if (!input) return false;
  const bool direction = action >= ACTION_LEFT;
  return (direction ? input->DirectionalButtonPress(action, kind)
                    : input->ButtonPress(action, kind)) == 1;
}

// ---- Small helpers ------------------------------------------------------------------------------

// ---- Repeated attacks, lives, mount -------------------------------------------------------------

void TMomo::ResetExploitCounter() {
  iExploitCounter = 0;
  iExploitTimer = 0;
}

void TMomo::CheckExploitCounter() {
  iExploitCounter = iExploitTimer > 0 ? iExploitCounter + 1 : 1;
  iExploitTimer = 35;
}

void TMomo::MoveExploitCounter() {
  if (iExploitTimer > 0) --iExploitTimer;
  if (iExploitTimer == 0) iExploitCounter = 0;
}

void TMomo::AddBonusLive() {
  ++iBonusLiveCounter;
  ++iLive;
  PlaySound(sndBonusLive);
}

void TMomo::DamageMount(float amount) {
  if (bUnmount != 0) return;
  fMountHP -= amount;
  if (fMountHP <= 0) Dismount();
}

// ---- Frame update -------------------------------------------------------------------------------

void TMomo::MoveChara() {
  // The stage takes control while she stands.
  if (bAuto == 1 && iMode == MODE_STANCE) SetMode(MODE_AUTO_STAND);
  MoveExploitCounter();
  const float xOld = x, yOld = y;
  if (TGameInput* input = InputSlot(iCodePlayer)) input->CheckInput();
  if (iUpDoubleTapEnable > 0) --iUpDoubleTapEnable;
  if (iDownDoubleTapEnable > 0) --iDownDoubleTapEnable;
  if (iBonusLiveCounter >= 0 && iBonusLiveCounter < static_cast<int>(std::size(kBonusLifeScores)) &&
      fScore > kBonusLifeScores[iBonusLiveCounter]) {
    AddBonusLive();
  }
  if (iTypeMount == MOUNT_DRACON) {
    MoveCharaDracon(xOld, yOld);
  } else {
    MoveCharaNoMount(xOld, yOld);
  }
  if (iRunEnable > 0) --iRunEnable;
  if (!(bAuto == 1 && iMode >= MODE_AUTO_STAND)) MoveWorld(xOld, yOld);
}

void TMomo::SetMode(int mode) {
  if (iTypeMount == MOUNT_DRACON) {
    SetModeDracon(mode);
  } else {
    SetModeNoMount(mode);
  }
}

bool TMomo::EnterSharedMode(int mode, const Gait& gait) {
  iDelayCounter = 0;
  iMode = mode;
  iFrame = 0;
  bFrameDirection = 1;
  switch (mode) {
    case MODE_INACTIVE:
      iStatus = STATUS_UNHITTABLE;
      break;
    case MODE_WALK_RIGHT:
    case MODE_WALK_LEFT:
      fSpeed = gait.walk;
      iFacing = mode == MODE_WALK_LEFT ? FACING_LEFT : FACING_RIGHT;
      fAngle = static_cast<float>(iFacing);
      break;
    case MODE_LANDING:
      fAngle = static_cast<float>(iFacing);
      iFrame = 1;
      bFrameDirection = 0;
      break;
    case MODE_STANCE:
    case MODE_AUTO_STAND:
      iTargetID = -1;
      iStatus = STATUS_NORMAL;
      fSpeed = 0;
      break;
    case MODE_STOPPING:
      CreateEffectDust();
      break;
    case MODE_PLANE_UP:
    case MODE_PLANE_DOWN:
      StartPlaneSwitch(mode == MODE_PLANE_UP);
      break;
    case MODE_JUMP_RISE:
      bDoubleJump = 1;
      CreateEffectDust();
      fJump = gait.jump;
      // A running take-off keeps the way she was going, at full steering speed.
      if (fSpeed != 0) {
        if (DirectionHeld(ACTION_RIGHT)) {
          fSpeed = gait.airSteer;
        } else if (DirectionHeld(ACTION_LEFT)) {
          fSpeed = -gait.airSteer;
        }
      }
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
      iStatus = STATUS_UNHITTABLE;
      CreateEffectDust();
      break;
    default:
      return false;
  }
  return true;
}

void TMomo::SetModeNoMount(int mode) {
  if (EnterSharedMode(mode, {kRunSpeed, kJumpSpeed, kRunSpeed})) return;
  switch (mode) {
    case MODE_AUTO_RUN_IN:
    case MODE_AUTO_RUN_OUT:
      fSpeed = kRunSpeed;
      iFacing = FACING_RIGHT;
      fAngle = 0;
      break;
    case MODE_DASH:
      PlaySound(sndTVPlaneSwitch);
      fAngle = static_cast<float>(iFacing);
      fSpeed = kDashSpeed;
      CreateEffectDust();
      break;
    case MODE_KNOCKDOWN:
      iStatus = STATUS_UNHITTABLE;
      fJump = 12;
      fSpeed = 12;
      CreateEffectDust();
      NormalizeKnockbackAngle();
      break;
    case MODE_KNOCKUP:
      fJump = 27;
      fSpeed = 3;
      CreateEffectDust();
      break;
    case MODE_LIFTED:
    case MODE_GRAPPLED:
      iStatus = STATUS_UNHITTABLE;
      break;
    case MODE_BOUNCE:
      iStatus = STATUS_UNHITTABLE;
      fJump = 5;
      fSpeed = 8;
      CreateEffectDust();
      PlaySound(sndBodySlam1);
      break;
    case MODE_LYING:
      CreateEffectDust();
      PlaySound(sndBodySlam2);
      break;
    case MODE_SLAMMED:
      fSpeed = 12;
      break;
    case MOMO_FALL_FORWARD:
      iStatus = STATUS_UNHITTABLE;
      fJump = 7;
      break;
    case MOMO_SLIDE:
      iStatus = STATUS_UNHITTABLE;
      CreateEffectDust();
      fSpeed = 7;
      break;
    default:
      if (const ModeRow* attack = AttackMode(mode); attack && attack->enter) attack->enter(*this);
      break;
  }
}

void TMomo::MoveCharaNoMount(float xOld, float yOld) {
  switch (iMode) {
    case MODE_INACTIVE:
    case MODE_GRAPPLED:
      break;
    case MODE_STOPPING:
    case MODE_DASH:
    case MOMO_DASH_BREAK:
      MoveStanding();
      break;
    case MODE_JUMP_CROUCH:
    case MODE_JUMP_RISE:
    case MODE_JUMP_PEAK:
    case MODE_JUMP_FALL:
    case MODE_LANDING:
      MoveJump();
      break;
    case MODE_PLANE_UP:
    case MODE_PLANE_DOWN:
      MovePlaneSwitch();
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
    case MODE_KNOCKDOWN:
    case MODE_KNOCKUP:
    case MODE_LIFTED:
    case MODE_BOUNCE:
    case MODE_LYING:
    case MODE_GETTING_UP:
    case MOMO_LIFE_REFILL:
    case MODE_SLAMMED:
    case MOMO_FALL_FORWARD:
    case MOMO_SLIDE:
    case MOMO_CONTINUE:
    case MOMO_GAME_OVER:
      MoveReaction();
      break;
    case MODE_AUTO_STAND:
    case MODE_AUTO_RUN_IN:
    case MODE_AUTO_RUN_OUT:
      MoveAutoMode(xOld, yOld, {kStanceFrames, kStanceDelay}, &TMomo::RunAuto);
      break;
    default:
      if (const ModeRow* attack = AttackMode(iMode)) {
        attack->frame(*this);
        break;
      }
      // Standing, running, and anything without an update of its own.
      CheckStanceInput();
      if (iMode == MODE_STANCE) {
        Animation2WayLoop(kStanceFrames, kStanceDelay);
      } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
        RunEffect();
      }
      break;
  }
}

// A frame of the stage running her, on foot or on the dragon: standing to wait, or running in
// (control comes back at kAutoRunStop) or out.
void TMomo::MoveAutoMode(float xOld, float yOld, Stance stance, void (TMomo::*run)()) {
  if (iMode == MODE_AUTO_STAND) {
    Animation2WayLoop(stance.frames, stance.delay);
    return;
  }
  (this->*run)();
  if (iMode == MODE_AUTO_RUN_IN) {
    if (x >= kAutoRunStop) {
      SetMode(MODE_STOPPING);
      bAuto = 0;
    }
    MoveWorld(xOld, yOld);
  }
}

// ---- Standing, running, dashing -----------------------------------------------------------------

void TMomo::MoveStanding() {
  switch (iMode) {
    case MODE_STOPPING:
      if (fSpeed > 0) fSpeed -= 2;
      SetMovement();
      if (Animation2Way(3, 3) == 1) SetMode(MODE_STANCE);
      // Letting go of the run and pressing the same way again before she stops is a dash.
      if ((iFacing == FACING_LEFT && DirectionHeld(ACTION_LEFT)) ||
          (iFacing == FACING_RIGHT && DirectionHeld(ACTION_RIGHT))) {
        SetMode(MODE_DASH);
      } else {
        CheckStanceInput();
      }
      break;
    case MODE_DASH:
      if (Pressed(ACTION_ATTACK)) {
        SetMode(MOMO_DASH_ATTACK);
      } else if (Pressed(ACTION_MAGIC)) {
        MPCheck(MOMO_STRIKE_THROUGH);
      }
      if (iMode != MODE_DASH) break;
      if (iDelayCounter < kDashFrames) {
        Animation1WayLoop(3, 3);
        SetMovement();
        if (iDelayCounter % 6 == 0) CreateEffectDust();
      } else {
        SetMode(MOMO_DASH_BREAK);
      }
      break;
    case MOMO_DASH_BREAK:
      if (fSpeed > 0) fSpeed -= 2;
      SetMovement();
      if (Animation2Way(3, 2) == 1) SetMode(MODE_STANCE);
      if (Pressed(ACTION_ATTACK)) {
        SetMode(MOMO_DASH_ATTACK);
      } else if (Pressed(ACTION_MAGIC)) {
        MPCheck(MOMO_STRIKE_THROUGH);
      }
      break;
    default:
      break;
  }
}

void TMomo::CheckStanceInput() {
  if (Pressed(ACTION_ATTACK)) {
    iRunEnable = 0;
    if (DirectionHeld(ACTION_UP)) {
      SetMode(MOMO_UP_ATTACK);
      CreateEffectDust();
    } else {
      SetMode(MOMO_STRIKE1);
    }
  } else if (Pressed(ACTION_MAGIC)) {
    if (DirectionHeld(ACTION_DOWN)) {
      MPCheck(MOMO_SPHERE_PREPARE);
    } else if (DirectionHeld(ACTION_UP)) {
      MPCheck(MOMO_ERUPTION_PREPARE);
    } else {
      MPCheck(MOMO_MOON_SLASHER);
    }
  } else if (Held(ACTION_JUMP)) {
    // Jump with Down held boards a waiting dragon; with none in reach it is a plain jump.
    if (DirectionHeld(ACTION_DOWN) && BoardWaitingMount()) {
      // On the dragon now.
    } else if (iMode == MODE_STANCE) {
      SetMode(MODE_JUMP_CROUCH);
    } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
      SetMode(MODE_JUMP_RISE);  // a running jump skips the crouch
    }
    iRunEnable = 0;
  } else if (!CheckPlaneInput(MODE_DASH)) {
    if (DirectionHeld(ACTION_RIGHT)) {
      if (iMode != MODE_WALK_RIGHT) SetMode(MODE_WALK_RIGHT);
    } else if (DirectionHeld(ACTION_LEFT)) {
      if (iMode != MODE_WALK_LEFT) SetMode(MODE_WALK_LEFT);
    } else if (iMode != MODE_STANCE && iMode != MODE_STOPPING) {
      SetMode(MODE_STOPPING);
    }
    SetMovement();
  }
}

bool TMomo::CheckPlaneInput(int dashMode) {
  if (Pressed(ACTION_DASH)) {
    if (DirectionHeld(ACTION_UP) && iPlane != 0) {
      SetMode(MODE_PLANE_UP);
    } else if (DirectionHeld(ACTION_DOWN) && iPlane != 4) {
      SetMode(MODE_PLANE_DOWN);
    } else {
      SetMode(dashMode);
    }
  } else if (DirectionReleased(ACTION_UP) && iPlane != 0) {
    // The first tap opens a window; a second tap inside it switches planes.
    if (iUpDoubleTapEnable < 1) {
      iUpDoubleTapEnable = kDoubleTapWindow;
    } else {
      SetMode(MODE_PLANE_UP);
    }
  } else if (DirectionReleased(ACTION_DOWN) && iPlane != 4) {
    if (iDownDoubleTapEnable < 1) {
      iDownDoubleTapEnable = kDoubleTapWindow;
    } else {
      SetMode(MODE_PLANE_DOWN);
    }
  } else {
    return false;
  }
  return true;
}

void TMomo::RunStep() {
  if (iDelayCounter % 40 == 0) {
    PlaySound(sndTVNakedStep1);
    CreateEffectDust();
  } else if (iDelayCounter % 20 == 0) {
    PlaySound(sndTVNakedStep2);
    CreateEffectDust();
  }
  Animation1WayLoop(kRunFrames, kRunDelay);
}

void TMomo::RunEffect() {
  RunStep();
  CheckGrapple();  // running into a foe seizes it
}

void TMomo::RunAuto() {
  SetMovement();
  RunStep();
}

// ---- Jumping ------------------------------------------------------------------------------------

void TMomo::MoveJump() { MoveJumpArc(3); }

void TMomo::MoveJumpArc(int peakFrames) {
  const bool riding = iTypeMount == MOUNT_DRACON;
  const auto steer = [this, riding] {
    if (riding) {
      CheckDraconJumpInput();
    } else {
      CheckJumpInput();
    }
  };
  const int mode = iMode;
  switch (mode) {
    case MODE_JUMP_CROUCH:
      if (Animation1Way(2, 2) == 1) SetMode(MODE_JUMP_RISE);
      break;
    case MODE_JUMP_RISE:
    case MODE_JUMP_PEAK:
      steer();
      if (iMode != mode) break;
      x += fSpeed;
      y -= fJump;
      fJump -= 1;
      if (mode == MODE_JUMP_PEAK) {
        if (Animation1Way(peakFrames, 3) == 1) SetMode(MODE_JUMP_FALL);
      } else if (fJump > 0) {
        Animation1WayLoop(3, 2);
      } else {
        SetMode(MODE_JUMP_PEAK);
      }
      break;
    case MODE_JUMP_FALL:
      steer();
      if (iMode != MODE_JUMP_FALL) break;
      x += fSpeed;
      if (fJump > -kTerminalFall) fJump -= 1;
      y -= fJump;
      Animation1WayLoop(3, 2);
      LandingCheck();
      break;
    case MODE_LANDING:
      if (Animation2Way(2, 3) == 1) SetMode(MODE_STANCE);
      break;
    default:
      break;
  }
}

void TMomo::CheckJumpInput() {
  if (DirectionHeld(ACTION_RIGHT)) {
    fSpeed = std::min(fSpeed + 1, kAirSteerLimit);
    iFacing = FACING_RIGHT;
  } else if (DirectionHeld(ACTION_LEFT)) {
    fSpeed = std::max(fSpeed - 1, -kAirSteerLimit);
    iFacing = FACING_LEFT;
  }
  if (Pressed(ACTION_ATTACK)) {
    if (DirectionHeld(ACTION_DOWN)) {
      SetMode(MOMO_JUMP_KICK);
    } else if (DirectionHeld(ACTION_UP) && bDoubleJump == 1) {
      SetMode(MOMO_UP_ATTACK);
    } else if (fJump <= kJumpAttackFrom) {
      SetMode(MOMO_JUMP_ATTACK1);
    }
  } else if (Pressed(ACTION_MAGIC)) {
    MPCheck(DirectionHeld(ACTION_DOWN) ? MOMO_AIR_SPHERE : MOMO_AIR_MOON_SLASHER);
  }
}

void TMomo::CheckJumpAttackInput() {
  if (DirectionHeld(ACTION_RIGHT)) {
    fSpeed += 0.1f;
  } else if (DirectionHeld(ACTION_LEFT)) {
    fSpeed -= 0.1f;
  }
  fSpeed = std::clamp(fSpeed, -5.0f, 5.0f);
}

// ---- Plane switching ----------------------------------------------------------------------------

void TMomo::MovePlaneSwitch() {
  const bool up = iMode == MODE_PLANE_UP;
  const int target = up ? iPlane - 1 : iPlane + 1;
  if (target < 0 || target >= static_cast<int>(fPlaneY.size())) return;
  if (up ? y <= fPlaneY[target] : y >= fPlaneY[target]) {
    SetPlane(target);
    SetMode(MODE_STANCE);
    return;
  }
  y += up ? -kPlaneSwitchStep : kPlaneSwitchStep;
  Animation2Way(3, 3);
  SetMovement();
  if (iDelayCounter % 6 == 0) CreateEffectDust();
}

// ---- Taking hits --------------------------------------------------------------------------------

void TMomo::Damage(float damage, float knockbackAngle, int damageType, int, int) {
  fKnockbackAngle = knockbackAngle;
  fMP = std::min(fMP + damage / kHurtManaShare, fMPMax);

  if (iStatus == STATUS_GUARDING) {
    // The dive's armour: a fifth of the blow, and the attack goes on unless it was the last.
    fHP -= damage / kArmourShare;
    if (fHP <= 0) {
      fHP = 0;
      if (IsRiding()) Dismount();
      SetMode(MODE_KNOCKDOWN);
    } else {
      DamageMount(damage / kArmourShare);
    }
    iInvulnerableCounter = kArmourInvulnerable;
    return;
  }

  fHP -= damage;
  if (iSkillFortitude >= 1) {
    // Riding: the dragon keeps her up; she only staggers, and the dragon takes the blow too.
    SetModeStagger(damageType);
    DamageMount(damage);
  } else {
    ReactOnFoot(*this, damageType);
  }

  if (fHP <= 0) {
    fHP = 0;
    if (IsRiding()) Dismount();
    FallWhenSpent(*this);
  }
}

void ReactOnFoot(TCharacter& c, int damageType) {
  const int mode = c.iMode;
  if (IsAirborneMode(mode) || mode == MODE_KNOCKDOWN) {
    c.SetMode(MODE_KNOCKDOWN);
  } else if (mode == MODE_KNOCKUP || mode == MODE_LIFTED) {
    c.SetMode(damageType == MODE_KNOCKDOWN ? MODE_KNOCKDOWN : MODE_LIFTED);
  } else if (mode == MODE_LYING) {
    c.SetMode(MODE_LYING_HIT);
    c.iStatus = STATUS_UNHITTABLE;
  } else {
    c.SetMode(damageType);
    if (damageType == MODE_PUSHED_LOW || damageType == MODE_PUSHED_HIGH) {
      c.fSpeed = kPushBackSpeed;
      // Pushed the way she faces: the blow came from behind and she falls on her face.
      if (c.fKnockbackAngle == static_cast<float>(c.iFacing)) {
        c.fSpeed = kFallForwardSpeed;
        c.SetMode(MOMO_FALL_FORWARD);
      }
    } else if (damageType == MOMO_FALL_FORWARD) {
      c.fSpeed = 10;
      c.SetMode(MOMO_FALL_FORWARD);
    }
  }
}

void FallWhenSpent(TCharacter& c) {
  c.fHP = 0;
  const int mode = c.iMode;
  if (mode == MOMO_FALL_FORWARD || mode == MODE_HIT_HIGH || mode == MODE_HIT_LOW ||
      mode == MODE_PUSHED_LOW || mode == MODE_PUSHED_HIGH) {
    c.SetMode(MODE_KNOCKDOWN);
  }
}

void TMomo::MoveReaction() {
  switch (iMode) {
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      Animation2Way(2, 6);
      if (iDelayCounter == 20) SetMode(MODE_STANCE);
      break;
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
      if (iDelayCounter < 12) {
        MoveAlongKnockback();
        fSpeed -= 2;
        if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
        Animation2Way(2, 6);
      } else {
        SetMode(MODE_STANCE);
      }
      break;
    case MODE_KNOCKDOWN:
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      y -= fJump;
      fJump -= 0.8f;
      MoveAlongKnockback();
      if (LandOnGround()) {
        SetMode(MODE_BOUNCE);
        fQuake = 6;
      } else if (fJump < 0) {
        // Hittable again on the way up, never on the way down.
        iFrame = 1;
        iStatus = STATUS_UNHITTABLE;
      } else {
        iFrame = 0;
      }
      break;
    case MODE_KNOCKUP:
      MoveLaunched();
      break;
    case MODE_LIFTED:
      MoveLifted();
      break;
    case MODE_BOUNCE:
      y -= fJump;
      fJump -= 1;
      MoveAlongKnockback();
      if (LandOnGround()) SetMode(MODE_LYING);
      break;
    case MODE_LYING:
      if (iDelayCounter < kLyingFrames) {
        Animation2WayLoop(5, 5);
      } else if (iDelayCounter == kLyingFrames) {
        if (fHP != 0) {
          SetMode(MODE_GETTING_UP);
        } else {
          LoseLife();
        }
      }
      break;
    case MOMO_LIFE_REFILL:
      fHP += kRefillPerFrame;
      Animation2WayLoop(5, 5);
      if (fHP >= fHPMax) {
        fHP = fHPMax;
        SetMode(MODE_GETTING_UP);
      }
      break;
    case MODE_GETTING_UP:
      if (Animation1Way(4, 6) == 1) SetMode(MODE_STANCE);
      break;
    case MODE_SLAMMED:
      MoveSlammed();
      break;
    case MOMO_FALL_FORWARD:
      Animation1Way(2, 6);
      y -= fJump;
      fJump -= 1;
      MoveAlongKnockback();
      if (LandOnGround()) SetMode(MOMO_SLIDE);
      break;
    case MOMO_SLIDE:
      if (iDelayCounter < 60) {
        Animation1Way(2, 7);
        if (fSpeed > 0) fSpeed -= 1;
        MoveAlongKnockback();
      } else {
        iFacing = OppositeFacing(iFacing);
        SetMode(MODE_GETTING_UP);
        iFrame = 2;  // she gets up from the third picture
      }
      break;
    case MOMO_CONTINUE:
      CheckContinueInput();
      Animation2WayLoop(5, 10);
      break;
    case MOMO_GAME_OVER:
      Animation2WayLoop(5, 10);
      iDelayCounter = std::min(iDelayCounter, kGameOverCounterCap);
      break;
    default:
      break;
  }
}

void TMomo::LoseLife() {
  if (iLive >= 1) {
    --iLive;
    iMode = MOMO_LIFE_REFILL;
  } else if (iContinue >= 1) {
    iMode = MOMO_CONTINUE;
    iContinueCursor = 0;
  } else {
    iMode = MOMO_GAME_OVER;
  }
}

void TMomo::CheckContinueInput() {
  if (DirectionPressed(ACTION_RIGHT) || DirectionPressed(ACTION_LEFT)) {
    iContinueCursor = iContinueCursor == 0 ? 1 : 0;
  } else if (Pressed(ACTION_ATTACK)) {
    if (iContinueCursor == 0) {
      --iContinue;
      iLive = 2;
      iMode = MOMO_LIFE_REFILL;
    } else {
      iMode = MOMO_GAME_OVER;
    }
  }
}

// ---- The world view -----------------------------------------------------------------------------

void FollowWithView(float& x, float y, float xOld, float yOld) {
  const float w = fScreenWidth;
  const float right = w / 2 + kScrollBand, left = w / 2 - kScrollBand;
  const bool pastRight = x > fWorldX + right && x > xOld && x < fStageLength + right;
  const bool pastLeft = x < fWorldX + left && x < xOld && x > left;
  if (pastRight || pastLeft) fWorldX += x - xOld;

  // The view never goes back behind the furthest point reached, up to what the wave allows.
  if (fScrollLockX < fScrollLimitX) {
    fScrollLockX = std::min(std::max(fScrollLockX, fWorldX), fScrollLimitX);
  }
  if (fWorldX <= fScrollLockX) {
    fWorldX = fScrollLockX;
  } else if (fWorldX >= fStageLength - w) {
    fWorldX = fStageLength - w;
  }
  if (x <= fScrollLockX + kStageMargin) {
    x = fScrollLockX + kStageMargin;
  } else if (x >= fStageLength - kStageMargin) {
    x = fStageLength - kStageMargin;
  }

  float d = (y - yOld) / kViewFollow;
  if (y < fPlaneY[0]) {
    fWorldY -= d;
  } else {
    d = std::max(d, kViewReturn);
    if (fWorldY > 0) fWorldY -= d;
  }
  SetOrigin(-fWorldX, fWorldY + fQuake);
}

void SettleQuake() {
  if (fQuake == 0) return;
  fQuake = -fQuake;
  fQuake += fQuake < 0 ? 2 : -2;
}

void TMomo::MoveWorld(float xOld, float yOld) {
  FollowWithView(x, y, xOld, yOld);
  QuakeNeutralizer();
}

void TMomo::QuakeNeutralizer() { SettleQuake(); }
