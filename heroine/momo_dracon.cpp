// The heroine on the dragon: boarding, and the riding modes, a row each with its picture, entry
// and frame: its walk, run, charge, jump, two-strike combo and fire breath.

#include <algorithm>
#include <memory>

#include "heroine/momo.h"
#include "heroine/momo_modes.h"
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
constexpr int kStanceFrames = 3;
constexpr int kStanceDelay = 8;
constexpr float kHoverSink = 0.05f;  // the dragon hovers while it strikes or breathes in the air
constexpr int kStrideEvery = 16;
constexpr int kComboFrom = 6;
constexpr int kDraconAttack = 18;  // attack number of its claws and tail
constexpr int kChargeAttack = 30;
constexpr int kBreathAttack = 64;
constexpr float kBreathAhead = 190;
constexpr float kGroundBreathHeight = 120;
constexpr float kAirBreathHeight = 75;

}  // namespace

// ---- Boarding -----------------------------------------------------------------------------------

bool TMomo::BoardWaitingMount() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_NEUTRAL || c->iMode != MODE_MOUNT_WAITING || c->iPlane != iPlane) {
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

const TMomo::Gait TMomo::kRidingGait{kWalkSpeed, kJumpSpeed, kAirSteerLimit};

void TMomo::SetModeDracon(int mode) {
  StartMode(mode);
  if (const ModeRow* row = ModeRiding(mode); row && row->enter) row->enter(*this);
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
    iFacing = FACING_RIGHT;
  } else if (DirectionHeld(ACTION_LEFT)) {
    fSpeed = std::max(fSpeed - 1, -kAirSteerLimit);
    iFacing = FACING_LEFT;
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
  const bool left = iFacing == FACING_LEFT;
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

void TMomo::MoveCharaDracon(float xOld, float yOld) {
  xFrameStart = xOld;
  yFrameStart = yOld;
  if (const ModeRow* row = ModeRiding(iMode)) {
    row->frame(*this);
  } else {
    MoveDraconStanding();
  }
}

void TMomo::MoveDraconStanding() {
  CheckDraconStanceInput();
  if (iMode == MODE_STANCE) {
    Animation2WayLoop(kStanceFrames, kStanceDelay);
  } else if (iMode == MODE_WALK_RIGHT || iMode == MODE_WALK_LEFT) {
    Animation2WayLoop(6, 4);
  }
}

// ---- The riding modes ---------------------------------------------------------------------------

std::span<const TMomo::ModeRow> TMomo::RidingModes() {
  // On the dragon she takes off, winds up and breathes armoured: blows only make her stagger.
  static constexpr auto armour = [](TMomo& m) {
    m.iStatus = STATUS_GUARDING;
    m.iSkillFortitude = 2;
  };
  constexpr auto windUp = [](TMomo& m) {
    m.bComboEnable = m.bComboMagicEnable = 0;
    armour(m);
  };
  constexpr auto airWindUp = [](TMomo& m) {
    m.bComboEnable = m.bComboMagicEnable = 0;
    m.fJump = 0;
  };
  // She stands and lands sure-footed.
  static constexpr auto sureFooted = [](TMomo& m) { m.iSkillFortitude = 1; };
  constexpr auto standing = [](TMomo& m) { m.MoveDraconStanding(); };
  constexpr auto jumping = [](TMomo& m) {
    m.MoveJumpArc(2);
  };  // the dragon's peak has two pictures
  constexpr auto switchingPlanes = [](TMomo& m) { m.MovePlaneSwitch(); };
  constexpr auto automatic = [](TMomo& m) {
    m.MoveAutoMode({kStanceFrames, kStanceDelay}, &TMomo::DraconRunAuto);
  };
  constexpr auto staggerFrame = [](TMomo& m) {
    if (m.iDelayCounter == 20) {
      m.SetMode(MODE_STANCE);
      return;
    }
    if (m.iDelayCounter == 4) m.iStatus = STATUS_NORMAL;
    m.Animation2Way(2, 6);
  };
  constexpr auto pushedFrame = [](TMomo& m) {
    if (m.iDelayCounter == 12) {
      m.SetMode(MODE_STANCE);
      return;
    }
    m.MoveAlongKnockback();
    m.fSpeed -= 2;
    if (m.iDelayCounter == 4) m.iStatus = STATUS_NORMAL;
    m.Animation2Way(2, 6);
  };
  // The wind-ups and strikes in the air hover, and land it if they reach the ground.
  static constexpr auto hover = [](TMomo& m) {
    m.y -= m.fJump;
    m.fJump -= kHoverSink;
    m.LandingCheck();
  };
  // clang-format off
  static const ModeRow rows[] = {
    {MODE_INACTIVE,    nullptr,                   kOwnPictureFrame, EnterInactive, [](TMomo&) {}},
    {DRACON_MOUNTING,  &imgMomoDraconStand,       kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation1Way(3, 4) == 1) m.SetMode(MODE_STANCE);
     }},
    {MODE_STANCE,      &imgMomoDraconStance,      kOwnPictureFrame,
     [](TMomo& m) {
       EnterStance(m);
       sureFooted(m);
     },
     standing},
    {MODE_WALK_RIGHT,  &imgMomoDraconWalk,        kOwnPictureFrame, EnterWalk, standing},
    {MODE_WALK_LEFT,   &imgMomoDraconWalk,        kOwnPictureFrame, EnterWalk, standing},
    // Pushing the way she faces while the dragon stops sets it running again.
    {MODE_STOPPING, &imgMomoDraconPlaneSwitch, kOwnPictureFrame, EnterStopping,
     [](TMomo& m) { m.MoveStopping(2.5f, DRACON_RUN, &TMomo::CheckDraconStanceInput); }},
    {DRACON_RUN,       &imgMomoDraconRun,         kOwnPictureFrame,
     [](TMomo& m) {
       m.fAngle = static_cast<float>(m.iFacing);
       m.fSpeed = kRunSpeed;
       m.CreateEffectDust();
     },
     [](TMomo& m) {
       m.DraconRunAuto();
       if (m.Pressed(ACTION_ATTACK)) m.SetMode(DRACON_CHARGE);
       const bool forward =
           m.iFacing == FACING_LEFT ? m.DirectionHeld(ACTION_LEFT) : m.DirectionHeld(ACTION_RIGHT);
       if (m.iMode == DRACON_RUN && !m.Held(ACTION_DASH) && !forward) m.SetMode(MODE_STOPPING);
     }},
    // Attack while running: a leap that rams whatever is in the way, landing at a stop.
    {DRACON_CHARGE,    &imgMomoDraconDash,        kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_GUARDING;
       m.fJump = 14;
       m.fSpeed = 15;
       m.Launch<TProjectileMomoDraconDash>(m.x, m.y, kChargeAttack);
       m.iSkillFortitude = 2;
     },
     [](TMomo& m) {
       m.Animation1WayLoop(3, 3);
       m.y -= m.fJump;
       m.fJump -= 0.8f;
       m.SetMovement();
       if (m.LandOnGround()) {
         m.SetMode(MODE_STOPPING);
         m.iSkillFortitude = 1;
       }
     }},
    {MODE_PLANE_UP,    &imgMomoDraconPlaneSwitch, kOwnPictureFrame, EnterPlaneSwitch, switchingPlanes},
    {MODE_PLANE_DOWN,  &imgMomoDraconPlaneSwitch, kOwnPictureFrame, EnterPlaneSwitch, switchingPlanes},
    {MODE_JUMP_CROUCH, &imgMomoDraconPlaneSwitch, kOwnPictureFrame, nullptr, jumping},
    {MODE_JUMP_RISE,   &imgMomoDraconJumpUp,      kOwnPictureFrame,
     [](TMomo& m) {
       EnterJumpRise(m);
       armour(m);
     },
     jumping},
    {MODE_JUMP_PEAK,   &imgMomoDraconJumpPeak,    kOwnPictureFrame, nullptr, jumping},
    {MODE_JUMP_FALL,   &imgMomoDraconJumpDown,    kOwnPictureFrame, nullptr, jumping},
    {MODE_LANDING,     &imgMomoDraconPlaneSwitch, kOwnPictureFrame,
     [](TMomo& m) {
       EnterLanding(m);
       m.iStatus = STATUS_NORMAL;
       sureFooted(m);
     },
     jumping},
    {MODE_HIT_HIGH,    &imgMomoDraconHitUp,       kOwnPictureFrame, EnterStagger, staggerFrame},
    {MODE_HIT_LOW,     &imgMomoDraconHitLow,      kOwnPictureFrame, EnterStagger, staggerFrame},
    {MODE_PUSHED_LOW,  &imgMomoDraconHitLow,      kOwnPictureFrame, EnterStagger, pushedFrame},
    {MODE_PUSHED_HIGH, &imgMomoDraconHitUp,       kOwnPictureFrame, EnterStagger, pushedFrame},
    // ---- The two-strike combo
    {DRACON_STRIKE1_WIND_UP, &imgMomoDraconAttack1Prepare, kOwnPictureFrame, windUp,
     [](TMomo& m) {
       if (m.Animation1Way(2, 6) == 1) m.SetMode(DRACON_STRIKE1);
     }},
    {DRACON_STRIKE1,   &imgMomoDraconAttack1,     kOwnPictureFrame,
     [](TMomo& m) { m.Launch<TProjectileMomoDraconAttack1>(m.x, m.y, kDraconAttack); },
     [](TMomo& m) {
       m.CheckDraconStanceAttackCombo();
       if (m.iMode == DRACON_STRIKE1 && m.Animation2Way(3, 6) == 1) m.SetMode(MODE_STANCE);
     }},
    {DRACON_STRIKE2_WIND_UP, &imgMomoDraconAttack2Prepare, kOwnPictureFrame, windUp,
     [](TMomo& m) {
       if (m.Animation1Way(2, 4) == 1) m.SetMode(DRACON_STRIKE2);
     }},
    // A lunge forward that slows down; it ends the combo.
    {DRACON_STRIKE2,   &imgMomoDraconAttack2,     kOwnPictureFrame,
     [](TMomo& m) {
       m.Launch<TProjectileMomoDraconAttack2>(m.x, m.y, kDraconAttack);
       m.fSpeed = 14;
     },
     [](TMomo& m) {
       if (m.Animation2Way(3, 4) == 1) m.SetMode(MODE_STANCE);
       m.SetMovement();
       if (m.fSpeed > 0) m.fSpeed -= 1;
     }},
    // ---- The fire breath: three flames, each a little flatter, 35, 25 and 15 degrees below level
    {DRACON_BREATH_WIND_UP, &imgMomoDraconAttack1Prepare, kOwnPictureFrame, armour,
     [](TMomo& m) {
       if (m.Animation1Way(2, 6) == 1) m.SetMode(DRACON_BREATH);
     },
     nullptr, &TMomo::fMPCostDraconFireball},
    {DRACON_BREATH,    &imgMomoDraconFireball,    kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation2Way(3, 6) == 1) {
         m.SetMode(MODE_STANCE);
       } else if (m.iDelayCounter == 3 || m.iDelayCounter == 6 || m.iDelayCounter == 9) {
         m.CreateDraconFireball(m.iPlane, kGroundBreathHeight,
                                25.0f + 10 * (m.iDelayCounter / 3 - 1));
       }
     }},
    // ---- In the air
    {DRACON_AIR_STRIKE_WIND_UP, &imgMomoDraconJumpAttack1Prepare, kOwnPictureFrame, airWindUp,
     [](TMomo& m) {
       if (m.Animation1Way(2, 3) == 1) m.SetMode(DRACON_AIR_STRIKE);
       hover(m);
     }},
    {DRACON_AIR_STRIKE, &imgMomoDraconJumpAttack1, kOwnPictureFrame,
     [](TMomo& m) { m.Launch<TProjectileMomoDraconJumpAttack1>(m.x, m.y, kDraconAttack); },
     [](TMomo& m) {
       if (m.Animation2Way(3, 4) == 1) m.SetMode(MODE_JUMP_FALL);
       hover(m);
     }},
    {DRACON_AIR_BREATH_WIND_UP, &imgMomoDraconJumpAttack1Prepare, kOwnPictureFrame, airWindUp,
     [](TMomo& m) {
       if (m.Animation1Way(2, 3) == 1) m.SetMode(DRACON_AIR_BREATH);
       hover(m);
     },
     nullptr, &TMomo::fMPCostDraconFireball},
    // It hangs still in the air while it breathes.
    {DRACON_AIR_BREATH, &imgMomoDraconJumpFireball, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation2Way(3, 4) == 1) {
         m.SetMode(MODE_JUMP_FALL);
       } else if (m.iDelayCounter == 2 || m.iDelayCounter == 4 || m.iDelayCounter == 6) {
         m.CreateDraconFireball(m.iPlane, kAirBreathHeight, 25.0f + 10 * (m.iDelayCounter / 2 - 1));
       }
     }},
    // ---- The stage's runs in and out
    {MODE_AUTO_STAND,   &imgMomoDraconStance, kOwnPictureFrame, EnterStance, automatic},
    {MODE_AUTO_RUN_IN,  &imgMomoDraconRun,    kOwnPictureFrame,
     [](TMomo& m) {
       m.fSpeed = kRunSpeed;
       m.fAngle = 0;
       m.iFacing = FACING_RIGHT;
     },
     automatic},
    {MODE_AUTO_RUN_OUT, &imgMomoDraconRun,    kOwnPictureFrame,
     [](TMomo& m) {
       m.fSpeed = kRunSpeed;
       m.fAngle = 0;
       m.iFacing = FACING_RIGHT;
     },
     automatic},
  };
  // clang-format on
  return rows;
}

void TMomo::DrawDracon() {
  if (iMode == MODE_INACTIVE) return;
  SetScale(FacingScale(iFacing), 1);
  const bool crossing = iMode == MODE_PLANE_UP || iMode == MODE_PLANE_DOWN;
  DrawImage(imgShadow, x, crossing ? y : GroundLine(), 0);
  if (iInvulnerableCounter > 0 && iInvulnerableCounter % 2 == 1) SetAlpha(0.4f);
  DrawMode(ModeRiding(iMode));
  SetAlpha(1);
  SetScale(1, 1);
}
