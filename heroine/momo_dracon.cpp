// The heroine on the dragon: boarding, and the riding mode machine with its walk, run, charge,
// jump, two-strike combo and fire breath, and its pictures.

#include <algorithm>
#include <memory>

#include "heroine/momo.h"
#include "heroine/momo_projectiles.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {

constexpr float kWalkSpeed = 7;
constexpr float kRunSpeed = 12.5f;
constexpr float kJumpSpeed = 20;
constexpr float kAirSteerLimit = 10;
constexpr float kHoverSink = 0.05f;  // the dragon hovers while it strikes or breathes in the air
constexpr int kStrideEvery = 16;
constexpr int kComboFrom = 6;
constexpr int kDraconAttack = 18;  // attack number of its claws and tail
constexpr int kChargeAttack = 30;
constexpr int kBreathAttack = 64;
constexpr float kBreathAhead = 190;
constexpr float kGroundBreathHeight = 120;
constexpr float kAirBreathHeight = 75;
constexpr int kMountWaiting = 220;

// A riding mode's picture.
struct RidingSprite {
  int mode;
  const ImagePtr* image;
};
// clang-format off
const RidingSprite kRidingSprites[] = {
  {MODE_WALK_RIGHT,           &imgMomoDraconWalk},
  {MODE_WALK_LEFT,            &imgMomoDraconWalk},
  {MODE_JUMP_CROUCH,          &imgMomoDraconPlaneSwitch},
  {MODE_LANDING,              &imgMomoDraconPlaneSwitch},
  {MODE_STANCE,               &imgMomoDraconStance},
  {MODE_STOPPING,             &imgMomoDraconPlaneSwitch},
  {MODE_PLANE_UP,             &imgMomoDraconPlaneSwitch},
  {MODE_PLANE_DOWN,           &imgMomoDraconPlaneSwitch},
  {DRACON_RUN,                &imgMomoDraconRun},
  {MODE_JUMP_RISE,            &imgMomoDraconJumpUp},
  {MODE_JUMP_FALL,            &imgMomoDraconJumpDown},
  {MODE_JUMP_PEAK,            &imgMomoDraconJumpPeak},
  {MODE_HIT_HIGH,             &imgMomoDraconHitUp},
  {MODE_HIT_LOW,              &imgMomoDraconHitLow},
  {MODE_PUSHED_LOW,           &imgMomoDraconHitLow},
  {MODE_PUSHED_HIGH,          &imgMomoDraconHitUp},
  {DRACON_STRIKE1,            &imgMomoDraconAttack1},
  {DRACON_STRIKE2,            &imgMomoDraconAttack2},
  {DRACON_BREATH_WIND_UP,     &imgMomoDraconAttack1Prepare},
  {DRACON_BREATH,             &imgMomoDraconFireball},
  {DRACON_MOUNTING,           &imgMomoDraconStand},
  {DRACON_STRIKE1_WIND_UP,    &imgMomoDraconAttack1Prepare},
  {DRACON_STRIKE2_WIND_UP,    &imgMomoDraconAttack2Prepare},
  {DRACON_AIR_STRIKE,         &imgMomoDraconJumpAttack1},
  {DRACON_CHARGE,             &imgMomoDraconDash},
  {DRACON_AIR_STRIKE_WIND_UP, &imgMomoDraconJumpAttack1Prepare},
  {DRACON_AIR_BREATH_WIND_UP, &imgMomoDraconJumpAttack1Prepare},
  {DRACON_AIR_BREATH,         &imgMomoDraconJumpFireball},
  {MOMO_AUTO_STAND,           &imgMomoDraconStance},
  {MOMO_AUTO_RUN_IN,          &imgMomoDraconRun},
  {MOMO_AUTO_RUN_OUT,         &imgMomoDraconRun},
};
// clang-format on

}  // namespace

// ---- Boarding -----------------------------------------------------------------------------------

bool TMomo::BoardWaitingMount() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_NEUTRAL || c->iMode != kMountWaiting || c->iPlane != iPlane) {
      continue;
    }
    if (c->Hit(HIT_BOX, x, y, xBBox, yBBox, BBoxWidth, BBoxHeight, 0) != 1) continue;
    c->SetMode(MODE_INACTIVE);  // it waits unseen while she rides
    x = c->x;
    y = c->y;
    if (c->iType == TYPE_DRACON) {
      SetMount(MOUNT_DRACON, c->iID);
      SetMode(DRACON_MOUNTING);
    }
    return true;
  }
  return false;
}

// ---- Entries ------------------------------------------------------------------------------------

void TMomo::SetModeDracon(int mode) {
  const auto armour = [this] {
    iStatus = STATUS_GUARDING;
    iSkillFortitude = 2;
  };
  const auto launch = [this](const std::shared_ptr<TProjectile>& box, int attack) {
    const float damage = CountPhysicalDamage(attack);
    box->Init(iID, x, y, static_cast<float>(iFacing), 0, iFacing, iPlane, damage, iComboType,
              IsBackstabAttack(attack));
    ProjectileList.push_back(box);
  };
  if (EnterSharedMode(mode, {kWalkSpeed, kJumpSpeed, kAirSteerLimit})) {
    // On the dragon she stands and lands sure-footed, and takes off armoured.
    if (mode == MODE_LANDING) iStatus = STATUS_NORMAL;
    if (mode == MODE_LANDING || mode == MODE_STANCE) iSkillFortitude = 1;
    if (mode == MODE_JUMP_RISE) armour();
    return;
  }
  switch (mode) {
    case DRACON_RUN:
      fAngle = static_cast<float>(iFacing);
      fSpeed = kRunSpeed;
      CreateEffectDust();
      break;
    case DRACON_STRIKE1:
      launch(std::make_shared<TProjectileMomoDraconAttack1>(), kDraconAttack);
      break;
    case DRACON_STRIKE2:
      launch(std::make_shared<TProjectileMomoDraconAttack2>(), kDraconAttack);
      fSpeed = 14;
      break;
    case DRACON_BREATH_WIND_UP:
      armour();
      break;
    case DRACON_STRIKE1_WIND_UP:
    case DRACON_STRIKE2_WIND_UP:
      bComboEnable = bComboMagicEnable = 0;
      armour();
      break;
    case DRACON_AIR_STRIKE:
      launch(std::make_shared<TProjectileMomoDraconJumpAttack1>(), kDraconAttack);
      break;
    case DRACON_CHARGE:
      iStatus = STATUS_GUARDING;
      fJump = 14;
      fSpeed = 15;
      launch(std::make_shared<TProjectileMomoDraconDash>(), kChargeAttack);
      iSkillFortitude = 2;
      break;
    case DRACON_AIR_STRIKE_WIND_UP:
    case DRACON_AIR_BREATH_WIND_UP:
      bComboEnable = bComboMagicEnable = 0;
      fJump = 0;
      break;
    case MOMO_AUTO_RUN_IN:
    case MOMO_AUTO_RUN_OUT:
      fSpeed = kRunSpeed;
      fAngle = 0;
      iFacing = 0;
      break;
    default:
      break;
  }
}

// ---- Input --------------------------------------------------------------------------------------

void TMomo::CheckDraconStanceInput() {
  if (Pressed(ACTION_ATTACK)) {
    iRunEnable = 0;
    SetMode(DRACON_STRIKE1_WIND_UP);
  } else if (Pressed(ACTION_MAGIC)) {
    MPCheck(DRACON_BREATH_WIND_UP);
  } else if (Held(ACTION_JUMP)) {
    if (iMode == MODE_STANCE) {
      SetMode(MODE_JUMP_CROUCH);
    } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
      SetMode(MODE_JUMP_RISE);
    }
    iRunEnable = 0;
  } else if (!CheckPlaneInput(DRACON_RUN)) {
    if (DirectionHeld(ACTION_RIGHT)) {
      if (iMode != MODE_WALK_RIGHT) SetMode(MODE_WALK_RIGHT);
    } else if (DirectionHeld(ACTION_LEFT)) {
      if (iMode != MODE_WALK_LEFT) SetMode(MODE_WALK_LEFT);
    } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
      SetMode(MODE_STANCE);  // the dragon stops walking at once
    } else if (iMode != MODE_STANCE && iMode != MODE_STOPPING) {
      SetMode(MODE_STOPPING);
    }
    SetMovement();
  }
}

void TMomo::CheckDraconStanceAttackCombo() {
  if (Pressed(ACTION_ATTACK) && bComboEnable == 0) {
    bComboEnable = 1;
    bComboMagicEnable = 0;
  } else if (Pressed(ACTION_MAGIC) && bComboMagicEnable == 0) {
    bComboMagicEnable = 1;
    bComboEnable = 0;
  }
  if (iDelayCounter < kComboFrom) return;
  if (bComboEnable == 1) {
    SetMode(DRACON_STRIKE2_WIND_UP);
  } else if (bComboMagicEnable == 1) {
    MPCheck(DRACON_BREATH_WIND_UP);  // asked again each frame while the mana is short
  }
}

void TMomo::CheckDraconJumpInput() {
  if (DirectionHeld(ACTION_RIGHT)) {
    fSpeed = std::min(fSpeed + 1, kAirSteerLimit);
    iFacing = 0;
  } else if (DirectionHeld(ACTION_LEFT)) {
    fSpeed = std::max(fSpeed - 1, -kAirSteerLimit);
    iFacing = 180;
  }
  if (Pressed(ACTION_ATTACK) && fJump <= 24) {
    SetMode(DRACON_AIR_STRIKE_WIND_UP);
  } else if (Pressed(ACTION_MAGIC)) {
    MPCheck(DRACON_AIR_BREATH_WIND_UP);
  }
}

void TMomo::LandingCheck() {
  if (y <= GroundLine()) return;
  CreateEffectDust();
  y = GroundLine();
  if (DirectionHeld(ACTION_RIGHT)) {
    SetMode(MODE_WALK_RIGHT);
  } else if (DirectionHeld(ACTION_LEFT)) {
    SetMode(MODE_WALK_LEFT);
  } else {
    SetMode(MODE_LANDING);
  }
}

// ---- Breath -------------------------------------------------------------------------------------

void TMomo::CreateDraconFireball(int plane, float height, float angleOffset) {
  const bool left = iFacing == 180;
  const float damage = CountMagicalDamage(kBreathAttack);  // sets the combo type the flame carries
  auto flame = std::make_shared<TProjectileDraconBreath>();
  flame->Init(iID, left ? x - kBreathAhead : x + kBreathAhead, y - height,
              left ? 120 + angleOffset : 60 - angleOffset, 0, iFacing, plane, damage, iComboType,
              IsBackstabAttack(kBreathAttack));
  ProjectileList.push_back(flame);
}

// ---- Update -------------------------------------------------------------------------------------

void TMomo::DraconStride() {
  if (iDelayCounter % kStrideEvery == 0) {
    PlaySound(sndDraconStep1);
    CreateEffectDust();
  }
  Animation1WayLoop(8, 4);
}

void TMomo::DraconRunAuto() {
  SetMovement();
  DraconStride();
}

void TMomo::DraconRunEffect() { DraconStride(); }

void TMomo::MoveCharaDracon(float xOld, float yOld) {
  switch (iMode) {
    case MODE_INACTIVE:
      break;
    case DRACON_MOUNTING:
      if (Animation1Way(3, 4) == 1) SetMode(MODE_STANCE);
      break;
    case MODE_STOPPING:
      if (fSpeed > 0) fSpeed -= 2.5f;
      SetMovement();
      if (Animation2Way(3, 3) == 1) SetMode(MODE_STANCE);
      // Pushing the way she faces while the dragon stops sets it running again.
      if ((iFacing == 180 && DirectionHeld(ACTION_LEFT)) ||
          (iFacing == 0 && DirectionHeld(ACTION_RIGHT))) {
        SetMode(DRACON_RUN);
      } else {
        CheckDraconStanceInput();
      }
      break;
    case DRACON_RUN: {
      DraconRunAuto();
      if (Pressed(ACTION_ATTACK)) SetMode(DRACON_CHARGE);
      const bool forward =
          iFacing == 180 ? DirectionHeld(ACTION_LEFT) : DirectionHeld(ACTION_RIGHT);
      if (iMode == DRACON_RUN && !Held(ACTION_DASH) && !forward) SetMode(MODE_STOPPING);
      break;
    }
    case DRACON_CHARGE:
      Animation1WayLoop(3, 3);
      y -= fJump;
      fJump -= 0.8f;
      SetMovement();
      if (LandOnGround()) {
        SetMode(MODE_STOPPING);
        iSkillFortitude = 1;
      }
      break;
    case MODE_PLANE_UP:
    case MODE_PLANE_DOWN:
      MovePlaneSwitch();
      break;
    case MODE_JUMP_CROUCH:
    case MODE_JUMP_RISE:
    case MODE_JUMP_PEAK:
    case MODE_JUMP_FALL:
    case MODE_LANDING:
      MoveJumpArc(2);  // the dragon's peak has two pictures
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
      if (iDelayCounter == 20) {
        SetMode(MODE_STANCE);
        break;
      }
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      Animation2Way(2, 6);
      break;
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
      if (iDelayCounter == 12) {
        SetMode(MODE_STANCE);
        break;
      }
      MoveAlongKnockback();
      fSpeed -= 2;
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      Animation2Way(2, 6);
      break;
    case MOMO_AUTO_STAND:
    case MOMO_AUTO_RUN_IN:
    case MOMO_AUTO_RUN_OUT:
      MoveAutoMode(xOld, yOld, {3, 8}, &TMomo::DraconRunAuto);
      break;
    default:
      if (MoveDraconAttack()) break;
      // Standing, walking, and any mode without a riding update of its own.
      CheckDraconStanceInput();
      if (iMode == MODE_STANCE) {
        Animation2WayLoop(3, 8);
      } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
        Animation2WayLoop(6, 4);
      }
      break;
  }
}

// ---- Pictures -----------------------------------------------------------------------------------

// The dragon's strikes and fire breaths, on the ground and in the air; false for any other mode.
bool TMomo::MoveDraconAttack() {
  const auto hover = [this] {
    y -= fJump;
    fJump -= kHoverSink;
  };
  switch (iMode) {
    case DRACON_STRIKE1_WIND_UP:
      if (Animation1Way(2, 6) == 1) SetMode(DRACON_STRIKE1);
      return true;
    case DRACON_STRIKE1:
      CheckDraconStanceAttackCombo();
      if (iMode == DRACON_STRIKE1 && Animation2Way(3, 6) == 1) SetMode(MODE_STANCE);
      return true;
    case DRACON_STRIKE2_WIND_UP:
      if (Animation1Way(2, 4) == 1) SetMode(DRACON_STRIKE2);
      return true;
    case DRACON_STRIKE2:
      // A lunge forward that slows down; it ends the combo.
      if (Animation2Way(3, 4) == 1) SetMode(MODE_STANCE);
      SetMovement();
      if (fSpeed > 0) fSpeed -= 1;
      return true;
    case DRACON_BREATH_WIND_UP:
      if (Animation1Way(2, 6) == 1) SetMode(DRACON_BREATH);
      return true;
    case DRACON_BREATH:
      if (Animation2Way(3, 6) == 1) {
        SetMode(MODE_STANCE);
      } else if (iDelayCounter == 3 || iDelayCounter == 6 || iDelayCounter == 9) {
        // Three flames, each a little flatter: 35, 25 and 15 degrees below level.
        CreateDraconFireball(iPlane, kGroundBreathHeight, 25.0f + 10 * (iDelayCounter / 3 - 1));
      }
      return true;
    case DRACON_AIR_STRIKE_WIND_UP:
      if (Animation1Way(2, 3) == 1) SetMode(DRACON_AIR_STRIKE);
      hover();
      LandingCheck();
      return true;
    case DRACON_AIR_STRIKE:
      if (Animation2Way(3, 4) == 1) SetMode(MODE_JUMP_FALL);
      hover();
      LandingCheck();
      return true;
    case DRACON_AIR_BREATH_WIND_UP:
      if (Animation1Way(2, 3) == 1) SetMode(DRACON_AIR_BREATH);
      hover();
      LandingCheck();
      return true;
    case DRACON_AIR_BREATH:
      // It hangs still in the air while it breathes.
      if (Animation2Way(3, 4) == 1) {
        SetMode(MODE_JUMP_FALL);
      } else if (iDelayCounter == 2 || iDelayCounter == 4 || iDelayCounter == 6) {
        CreateDraconFireball(iPlane, kAirBreathHeight, 25.0f + 10 * (iDelayCounter / 2 - 1));
      }
      return true;
    default:
      return false;
  }
}

void TMomo::DrawDracon() {
  if (iMode == MODE_INACTIVE) return;
  SetScale(iFacing == 180 ? -1.0f : 1.0f, 1);
  const bool crossing = iMode == MODE_PLANE_UP || iMode == MODE_PLANE_DOWN;
  DrawImage(imgShadow, x, crossing ? y : GroundLine(), 0);
  if (iInvulnerableCounter > 0 && iInvulnerableCounter % 2 == 1) SetAlpha(0.4f);
  for (const RidingSprite& sprite : kRidingSprites) {
    if (sprite.mode != iMode || !*sprite.image) continue;
    DrawImage(*sprite.image, x, y, std::clamp(iFrame, 0, (*sprite.image)->FrameCount() - 1));
    break;
  }
  SetAlpha(1);
  SetScale(1, 1);
}
