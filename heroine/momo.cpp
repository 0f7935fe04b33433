// The heroine on foot: set-up, the frame update, the modes of standing, running, dashing, jumping
// and switching planes, the automatic runs, the world scroll and the screen shake. Her reactions
// are in momo_reactions.cpp, her attacks in a file per family.

#include "heroine/momo.h"

#include <algorithm>
#include <iterator>

#include "heroine/momo_modes.h"
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
constexpr float kAutoRunStop = 360;    // the run into a stage hands control back here

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

// ---- The modes on foot --------------------------------------------------------------------------

void TMomo::SetModeNoMount(int mode) {
  StartMode(mode);
  if (const ModeRow* row = ModeOnFoot(mode); row && row->enter) row->enter(*this);
}

void TMomo::MoveCharaNoMount(float xOld, float yOld) {
  xFrameStart = xOld;
  yFrameStart = yOld;
  if (const ModeRow* row = ModeOnFoot(iMode)) {
    row->frame(*this);
  } else {
    MoveStanding();
  }
}

void TMomo::MoveStanding() {
  CheckStanceInput();
  if (iMode == MODE_STANCE) {
    Animation2WayLoop(kStanceFrames, kStanceDelay);
  } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
    RunEffect();
  }
}

// A frame of the stage running her, on foot or on the dragon: standing to wait, or running in
// (control comes back at kAutoRunStop) or out.
void TMomo::MoveAutoMode(Stance stance, void (TMomo::*run)()) {
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
    MoveWorld(xFrameStart, yFrameStart);
  }
}

void TMomo::MoveStopping(float braking, int again, void (TMomo::*stanceInput)()) {
  if (fSpeed > 0) fSpeed -= braking;
  SetMovement();
  if (Animation2Way(3, 3) == 1) SetMode(MODE_STANCE);
  if ((iFacing == FACING_LEFT && DirectionHeld(ACTION_LEFT)) ||
      (iFacing == FACING_RIGHT && DirectionHeld(ACTION_RIGHT))) {
    SetMode(again);
  } else {
    (this->*stanceInput)();
  }
}

// ---- Entries that riding shares -----------------------------------------------------------------

const TMomo::Gait TMomo::kFootGait{kRunSpeed, kJumpSpeed, kRunSpeed};

void TMomo::EnterInactive(TMomo& m) { m.iStatus = STATUS_UNHITTABLE; }

void TMomo::EnterWalk(TMomo& m) {
  m.fSpeed = m.GaitNow().walk;
  m.iFacing = m.iMode == MODE_WALK_LEFT ? FACING_LEFT : FACING_RIGHT;
  m.fAngle = static_cast<float>(m.iFacing);
}

void TMomo::EnterLanding(TMomo& m) {
  m.fAngle = static_cast<float>(m.iFacing);
  m.iFrame = 1;
  m.bFrameDirection = 0;
}

void TMomo::EnterStance(TMomo& m) {
  m.iTargetID = -1;
  m.iStatus = STATUS_NORMAL;
  m.fSpeed = 0;
}

void TMomo::EnterStopping(TMomo& m) { m.CreateEffectDust(); }

void TMomo::EnterPlaneSwitch(TMomo& m) { m.StartPlaneSwitch(m.iMode == MODE_PLANE_UP); }

void TMomo::EnterJumpRise(TMomo& m) {
  const Gait& gait = m.GaitNow();
  m.bDoubleJump = 1;
  m.CreateEffectDust();
  m.fJump = gait.jump;
  // A running take-off keeps the way she was going, at full steering speed.
  if (m.fSpeed != 0) {
    if (m.DirectionHeld(ACTION_RIGHT)) {
      m.fSpeed = gait.airSteer;
    } else if (m.DirectionHeld(ACTION_LEFT)) {
      m.fSpeed = -gait.airSteer;
    }
  }
}

void TMomo::EnterStagger(TMomo& m) {
  m.iStatus = STATUS_UNHITTABLE;
  m.CreateEffectDust();
}

// ---- Standing, running, dashing, jumping, switching planes --------------------------------------

std::span<const TMomo::ModeRow> TMomo::MovementModes() {
  constexpr auto standing = [](TMomo& m) { m.MoveStanding(); };
  constexpr auto jumping = [](TMomo& m) { m.MoveJumpArc(3); };
  constexpr auto switchingPlanes = [](TMomo& m) { m.MovePlaneSwitch(); };
  constexpr auto automatic = [](TMomo& m) {
    m.MoveAutoMode({kStanceFrames, kStanceDelay}, &TMomo::RunAuto);
  };
  constexpr auto autoRun = [](TMomo& m) {
    m.fSpeed = kRunSpeed;
    m.iFacing = FACING_RIGHT;
    m.fAngle = 0;
  };
  // The stance breathes through its four pictures with a pause at each end.
  constexpr auto stancePicture = [](const TMomo& m) {
    constexpr int kStancePictures[] = {0, 0, 1, 2, 3, 3};
    momo::DrawPicture(imgMomoStance, m.x, m.y, kStancePictures[std::clamp(m.iFrame, 0, 5)]);
  };
  // After the dash, and while it slows: Attack is the dash attack, Magic the strike-through.
  static constexpr auto dashFollowUp = [](TMomo& m) {
    if (m.Pressed(ACTION_ATTACK)) {
      m.SetMode(MOMO_DASH_ATTACK);
    } else if (m.Pressed(ACTION_MAGIC)) {
      m.MPCheck(MOMO_STRIKE_THROUGH);
    }
  };
  // clang-format off
  static const ModeRow rows[] = {
    {MODE_INACTIVE,    nullptr,             kOwnPictureFrame, EnterInactive, [](TMomo&) {}},
    {MODE_STANCE,      nullptr,             kOwnPictureFrame, EnterStance,   standing, stancePicture},
    {MODE_WALK_RIGHT,  &imgMomoRun,         kOwnPictureFrame, EnterWalk,     standing},
    {MODE_WALK_LEFT,   &imgMomoRun,         kOwnPictureFrame, EnterWalk,     standing},
    // Letting go of the run and pressing the same way again before she stops is a dash.
    {MODE_STOPPING,    &imgMomoRunBreak,    kOwnPictureFrame, EnterStopping,
     [](TMomo& m) { m.MoveStopping(2, MODE_DASH, &TMomo::CheckStanceInput); }},
    {MODE_DASH,        &imgMomoDash,        kOwnPictureFrame,
     [](TMomo& m) {
       PlaySound(sndTVPlaneSwitch);
       m.fAngle = static_cast<float>(m.iFacing);
       m.fSpeed = kDashSpeed;
       m.CreateEffectDust();
     },
     [](TMomo& m) {
       dashFollowUp(m);
       if (m.iMode != MODE_DASH) return;
       if (m.iDelayCounter < kDashFrames) {
         m.Animation1WayLoop(3, 3);
         m.SetMovement();
         if (m.iDelayCounter % 6 == 0) m.CreateEffectDust();
       } else {
         m.SetMode(MOMO_DASH_BREAK);
       }
     }},
    {MOMO_DASH_BREAK,  &imgMomoRunBreak,    kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.fSpeed > 0) m.fSpeed -= 2;
       m.SetMovement();
       if (m.Animation2Way(3, 2) == 1) m.SetMode(MODE_STANCE);
       dashFollowUp(m);
     }},
    {MODE_JUMP_CROUCH, &imgMomoJumpCrouch,  kOwnPictureFrame, nullptr,       jumping},
    {MODE_JUMP_RISE,   &imgMomoJumpUp,      kOwnPictureFrame, EnterJumpRise, jumping},
    {MODE_JUMP_PEAK,   &imgMomoJumpPeak,    kOwnPictureFrame, nullptr,       jumping},
    {MODE_JUMP_FALL,   &imgMomoJumpDown,    kOwnPictureFrame, nullptr,       jumping},
    {MODE_LANDING,     &imgMomoJumpCrouch,  kOwnPictureFrame, EnterLanding,  jumping},
    {MODE_PLANE_UP,    &imgMomoPlaneSwitch, kOwnPictureFrame, EnterPlaneSwitch, switchingPlanes},
    {MODE_PLANE_DOWN,  &imgMomoPlaneSwitch, kOwnPictureFrame, EnterPlaneSwitch, switchingPlanes},
    // The stage's runs in and out.
    {MODE_AUTO_STAND,   nullptr,            kOwnPictureFrame, EnterStance,   automatic, stancePicture},
    {MODE_AUTO_RUN_IN,  &imgMomoRun,        kOwnPictureFrame, autoRun,       automatic},
    {MODE_AUTO_RUN_OUT, &imgMomoRun,        kOwnPictureFrame, autoRun,       automatic},
  };
  // clang-format on
  return rows;
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
