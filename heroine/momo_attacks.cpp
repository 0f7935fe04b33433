// The heroine's attacks: the buffered ground and air combos, the dash and upward attacks, the dive,
// the jump kick, the grapple with its strikes and throws, and the four skills paid with mana.

#include <algorithm>
#include <cmath>
#include <memory>

#include "fx/effects.h"
#include "heroine/momo.h"
#include "heroine/momo_projectiles.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {

// Attack numbers of the damage rolls.
constexpr int kAttackStrike = 0;     // the sword's ordinary blows
constexpr int kAttackBlade = 6;      // kicks, the moon blade, the strike-through, grapple strikes
constexpr int kAttackMoonWave = 51;  // the moon slasher's flying wave
constexpr int kAttackSphere = 52;    // the psychic sphere
constexpr int kAttackEruption = 55;  // the eruption's pillars
constexpr int kComboFrom = 12;       // a buffered follow-up starts on this frame of the attack
constexpr int kGrappleReach = 70;    // pixels in front of her an enemy can be seized
constexpr int kGrappleHoldFrames = 60;
constexpr float kGrappleMaxSize = 12;  // only smaller foes can be seized
constexpr int kGrappleFinisher = 2;    // the third grapple action finishes
constexpr float kStrikeThroughSpeed = 27;

bool IsCombo1to3(int mode) {
  return mode == MOMO_STRIKE1 || mode == MOMO_STRIKE2 || mode == MOMO_STRIKE3;
}

}  // namespace

template <class P>
void TMomo::Launch(float px, float py, int attack, float angle) {
  const float damage = attack >= 50 ? CountMagicalDamage(attack) : CountPhysicalDamage(attack);
  auto box = std::make_shared<P>();
  box->Init(iID, px, py, angle, 0, iFacing, iPlane, damage, iComboType, IsBackstabAttack(attack));
  ProjectileList.push_back(box);
}

// ---- Entries ------------------------------------------------------------------------------------

void TMomo::EnterAttackMode(int mode) {
  const bool right = iFacing == 0;
  switch (mode) {
    case MOMO_STRIKE1:
    case MOMO_STRIKE2:
    case MOMO_STRIKE3:
    case MOMO_STRIKE4:
      iStatus = STATUS_NORMAL;
      bComboEnable = bComboMagicEnable = 0;
      if (IsCombo1to3(mode)) CheckExploitCounter();
      break;
    case MOMO_KICK_LANDING:
      iStatus = STATUS_NORMAL;
      fSpeed = 10;
      fAngle = static_cast<float>(iFacing);
      iFrame = 0;
      CreateEffectDust();
      break;
    case MOMO_BACK_THROW:
      iStatus = STATUS_UNHITTABLE;
      SetTargetMode(MOMO_CARRIED);
      break;
    case MOMO_FRONT_THROW:
      iStatus = STATUS_UNHITTABLE;
      fJump = 12;
      fSpeed = -5;  // a hop backward
      break;
    case MOMO_MOON_SLASHER:
    case MOMO_ERUPTION_PREPARE:
      iStatus = STATUS_NORMAL;
      break;
    case MOMO_AIR_MOON_SLASHER:
      iStatus = STATUS_NORMAL;
      bComboEnable = bComboMagicEnable = 0;
      fJump = 0;
      break;
    case MOMO_ERUPTION:
      fMP -= fMPCostEruption;
      Launch<TProjectileMomoEruption>(x, y, kAttackEruption);
      break;
    case MOMO_ERUPTION_END:
      iFrame = 2;
      bFrameDirection = 0;
      break;
    case MOMO_STRIKE_THROUGH: {
      iStatus = STATUS_UNHITTABLE;
      bComboEnable = bComboMagicEnable = 0;
      fSpeed = kStrikeThroughSpeed;
      CreateEffectDust();
      // She keeps going the way she dashed but turns round, to face the foe from behind.
      const float angle = static_cast<float>(iFacing);
      iFacing = iFacing == 180 ? 0 : 180;
      Launch<TProjectileMomoStrikeThrough>(x, y, kAttackBlade, angle);
      break;
    }
    case MOMO_JUMP_ATTACK1:
    case MOMO_JUMP_ATTACK2:
    case MOMO_JUMP_ATTACK3:
      iStatus = STATUS_NORMAL;
      bComboEnable = bComboMagicEnable = 0;
      if (mode == MOMO_JUMP_ATTACK1) fJump = 0;  // the first strike stops the rise
      break;
    case MOMO_DIVE_WIND_UP:
      iStatus = STATUS_NORMAL;
      fAngleRoll = 0;
      fAngleRollDirection = right ? 30 : -30;
      break;
    case MOMO_DIVE:
      Launch<TProjectileMomoJumpAttack4>(x, y, kAttackStrike);
      fAngle = right ? 30 : 150;
      fSpeed = 24;
      iStatus = STATUS_GUARDING;  // armoured
      break;
    case MOMO_JUMP_KICK:
      iStatus = STATUS_NORMAL;
      fSpeed = 10;
      fAngle = right ? 0 : 180;
      break;
    case MOMO_UP_ATTACK:
      iStatus = STATUS_NORMAL;
      bComboEnable = bComboMagicEnable = 0;
      bDoubleJump = 0;
      fSpeed = 23;
      fJump = 0;
      break;
    case MOMO_UP_ATTACK_END:
      iFrame = 4;
      break;
    case MOMO_DASH_ATTACK:
      bComboEnable = bComboMagicEnable = 0;
      Launch<TProjectileMomoDashAttack>(x, y, kAttackStrike);
      break;
    case MOMO_SPHERE_RISE:
    case MOMO_AIR_SPHERE:
      iStatus = STATUS_NORMAL;
      if (mode == MOMO_SPHERE_RISE) CreateEffectDust();
      fJump = mode == MOMO_SPHERE_RISE ? 16 : 10;
      fSpeed = right ? -1 : 1;  // a small drift backward
      break;
    case MOMO_SPHERE_CAST:
      fMP -= fMPCostPsychicSphere;
      break;
    default:
      break;
  }
}

// ---- Mana ---------------------------------------------------------------------------------------

void TMomo::MPCheck(int mode) {
  switch (mode) {
    case MOMO_SPHERE_PREPARE:
    case MOMO_SPHERE_RISE:
    case MOMO_AIR_SPHERE:
      if (fMP > fMPCostPsychicSphere) SetMode(mode);  // paid when the cast begins
      break;
    case MOMO_ERUPTION_PREPARE:
      if (fMP > fMPCostEruption) SetMode(mode);  // paid when the pillars rise
      break;
    case MOMO_MOON_SLASHER:
    case MOMO_AIR_MOON_SLASHER:
    case MOMO_STRIKE_THROUGH:
    case MOMO_DRACON_FIREBALL:
    case MOMO_AIR_DRACON_FIREBALL: {
      const float cost = mode == MOMO_STRIKE_THROUGH ? fMPCostStrikeThrough
                         : (mode == MOMO_MOON_SLASHER || mode == MOMO_AIR_MOON_SLASHER)
                             ? fMPCostMoonSlasher
                             : fMPCostDraconFireball;
      if (fMP > cost) {
        fMP -= cost;
        SetMode(mode);
      }
      break;
    }
    default:
      break;
  }
}

// ---- Combos -------------------------------------------------------------------------------------

namespace {
// The last of Attack and Magic pressed during an attack is the follow-up it chains into.
void BufferFollowUp(bool attack, bool magic, int32_t& comboEnable, int32_t& magicEnable) {
  if (attack && comboEnable == 0) {
    comboEnable = 1;
    magicEnable = 0;
  } else if (magic && magicEnable == 0) {
    magicEnable = 1;
    comboEnable = 0;
  }
}
}  // namespace

void TMomo::CheckStanceAttackCombo() {
  BufferFollowUp(Pressed(ACTION_ATTACK), Pressed(ACTION_MAGIC), bComboEnable, bComboMagicEnable);
  if (iDelayCounter < kComboFrom || iMode == MOMO_STRIKE4) return;
  if (bComboEnable == 1) {
    if (DirectionHeld(ACTION_UP)) {
      SetMode(MOMO_UP_ATTACK);
      return;
    }
    switch (iMode) {
      case MOMO_STRIKE_THROUGH:
        SetMode(MOMO_STRIKE1);
        break;
      case MOMO_STRIKE1:
      case MOMO_DASH_ATTACK:
        SetMode(MOMO_STRIKE2);
        break;
      case MOMO_STRIKE2:
        SetMode(MOMO_STRIKE3);
        break;
      case MOMO_STRIKE3:
        SetMode(MOMO_STRIKE4);
        break;
      default:
        break;
    }
  } else if (bComboMagicEnable == 1) {
    if (DirectionHeld(ACTION_DOWN)) {
      MPCheck(MOMO_SPHERE_RISE);
    } else if (DirectionHeld(ACTION_UP)) {
      MPCheck(MOMO_ERUPTION_PREPARE);
    } else {
      MPCheck(MOMO_MOON_SLASHER);
    }
  }
}

void TMomo::CheckJumpAttackCombo() {
  BufferFollowUp(Pressed(ACTION_ATTACK), Pressed(ACTION_MAGIC), bComboEnable, bComboMagicEnable);
  if (iDelayCounter < kComboFrom) return;
  if (bComboEnable == 1) {
    if (DirectionHeld(ACTION_UP) && bDoubleJump == 1) {
      SetMode(MOMO_UP_ATTACK);
    } else if (DirectionHeld(ACTION_DOWN)) {
      SetMode(MOMO_JUMP_KICK);
    } else if (iMode == MOMO_JUMP_ATTACK1) {
      SetMode(MOMO_JUMP_ATTACK2);
    } else if (iMode == MOMO_JUMP_ATTACK2) {
      SetMode(MOMO_JUMP_ATTACK3);
    } else if (iMode == MOMO_JUMP_ATTACK3) {
      SetMode(MOMO_DIVE_WIND_UP);
    }
  } else if (bComboMagicEnable == 1) {
    MPCheck(DirectionHeld(ACTION_DOWN) ? MOMO_AIR_SPHERE : MOMO_AIR_MOON_SLASHER);
  }
}

// ---- Grapple ------------------------------------------------------------------------------------

void TMomo::CheckGrapple() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->y != y || c->fSize >= kGrappleMaxSize || c->iStatus == STATUS_FINISHED ||
        c->iAffiliation != SIDE_ENEMY || c->iPlane != iPlane) {
      continue;
    }
    if (c->iMode != MODE_STANCE && c->iMode != MODE_HESITATE && c->iMode != MODE_BACK_OFF) {
      continue;
    }
    const float ahead = iFacing == 0 ? c->x - x : x - c->x;
    if (ahead <= 0 || ahead > kGrappleReach) continue;
    c->x = x + (iFacing == 0 ? kGrappleReach : -kGrappleReach);
    iTargetID = c->iID;
    iTargetType = c->iType;
    SetMode(MOMO_GRAPPLE);
    iGrappleAttackCounter = 0;
    c->SetMode(MOMO_HELD);
    if (c->iFacing == iFacing) c->iFacing = c->iFacing == 180 ? 0 : 180;  // face to face
    return;
  }
}

TCharacter* TMomo::GrappledTarget() const {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iID == iTargetID) return c.get();
  }
  return nullptr;
}

int TMomo::GrappledTargetLive() {
  const TCharacter* target = GrappledTarget();
  return target && target->fHP > 0 ? 1 : 0;
}

void TMomo::SetTargetMode(int mode) {
  TCharacter* c = GrappledTarget();
  if (!c) return;
  switch (mode) {
    case MOMO_CARRIED:
      c->SetMode(MOMO_CARRIED);
      break;
    case MODE_SLAMMED:
    case MODE_THROWN: {
      const float damage = CountThrowDamage(static_cast<int>(c->fSize));
      fScore += 10 * std::ceil(damage / 2);
      // A front throw slams it down the way she faces; a back throw flings it behind her.
      const int angle = mode == MODE_SLAMMED ? iFacing : (iFacing == 0 ? 180 : 0);
      c->Damage(damage, static_cast<float>(angle), mode, 0, 0);
      break;
    }
    case MODE_GRAPPLE_HIT: {
      const float damage = CountPhysicalDamage(kAttackBlade);
      fScore += 10 * std::ceil(damage / 2);
      const bool finisher = iGrappleAttackCounter == kGrappleFinisher;
      c->Damage(damage, static_cast<float>(iFacing), finisher ? MODE_PUSHED_LOW : MODE_GRAPPLE_HIT,
                iComboType, 1);
      const float reach = finisher ? 100.0f : 60.0f;
      const float ex = x + (iFacing == 0 ? reach : -reach);
      const float ey = y - 80;
      auto ring = std::make_shared<TEffectRing>();
      ring->Init(ex, ey, static_cast<float>(iFacing), 0, iFacing, iPlane);
      EffectList.push_back(ring);
      auto spark = std::make_shared<TEffectNormal>();
      spark->Init(ex, ey, static_cast<float>(iFacing), 0, iFacing, iPlane);
      EffectList.push_back(spark);
      break;
    }
    default:
      break;
  }
}

// ---- Updates ------------------------------------------------------------------------------------

void TMomo::MoveAttack() {
  const bool right = iFacing == 0;
  const int mode = iMode;
  switch (mode) {
    case MOMO_STRIKE1:
    case MOMO_STRIKE2:
    case MOMO_STRIKE3:
      CheckStanceAttackCombo();
      if (iMode != mode) break;
      if (iDelayCounter < 15) {
        Animation1Way(4, 3);
        if (iDelayCounter == 3) {
          if (mode == MOMO_STRIKE1) Launch<TProjectileMomoAttack1>(x, y, kAttackStrike);
          if (mode == MOMO_STRIKE2) Launch<TProjectileMomoAttack2>(x, y, kAttackStrike);
          if (mode == MOMO_STRIKE3) Launch<TProjectileMomoAttack3>(x, y, kAttackStrike);
        }
      } else {
        SetMode(MODE_STANCE);
        bComboEnable = 0;
      }
      break;
    case MOMO_STRIKE4:
      CheckStanceAttackCombo();
      if (iMode != mode) break;
      if (iDelayCounter < 20) {
        Animation1Way(5, 3);
        if (iDelayCounter == 6) Launch<TProjectileMomoAttack4>(x, y, kAttackStrike);
      } else {
        SetMode(MODE_STANCE);
        bComboEnable = 0;
      }
      break;
    case MOMO_DASH_ATTACK:
      CheckStanceAttackCombo();
      if (iMode != mode) break;
      if (iDelayCounter < 15) {
        Animation1Way(3, 3);
        if (iDelayCounter % 6 == 0) CreateEffectDust();
        if (fSpeed > 0) fSpeed -= 1;
        SetMovement();
      } else {
        SetMode(MODE_STANCE);
      }
      break;
    case MOMO_UP_ATTACK:
      CheckJumpAttackCombo();
      if (iMode != mode) {
        fSpeed = 0;
        break;
      }
      fAngle = right ? -50 : 230;  // up and forward
      SetMovement();
      if (fSpeed <= 0) {
        SetMode(MOMO_UP_ATTACK_END);
      } else {
        fSpeed -= 0.8f;
      }
      Animation1Way(4, 4);
      if (iDelayCounter == 4) Launch<TProjectileMomoUpAttack>(x, y, kAttackStrike);
      break;
    case MOMO_UP_ATTACK_END:
      if (Animation1Way(6, 2) == 1) SetMode(MODE_JUMP_PEAK);
      break;
    case MOMO_JUMP_ATTACK1:
    case MOMO_JUMP_ATTACK2:
    case MOMO_JUMP_ATTACK3:
      CheckJumpAttackInput();
      CheckJumpAttackCombo();
      if (iMode != mode) break;
      x += fSpeed;
      y -= fJump;
      fJump -= 0.05f;
      if (LandOnGround()) {
        SetMode(MODE_LANDING);
        break;
      }
      if (iDelayCounter < 18) {
        Animation1Way(4, 3);
        if (iDelayCounter == 3) {
          if (mode == MOMO_JUMP_ATTACK1) Launch<TProjectileMomoJumpAttack1>(x, y, kAttackStrike);
          if (mode == MOMO_JUMP_ATTACK2) Launch<TProjectileMomoJumpAttack2>(x, y, kAttackStrike);
          if (mode == MOMO_JUMP_ATTACK3) Launch<TProjectileMomoJumpAttack3>(x, y, kAttackStrike);
        }
      } else {
        iMode = MODE_JUMP_FALL;  // falls on without the entry actions
        iFrame = 0;
      }
      break;
    case MOMO_DIVE_WIND_UP:
      if (Animation1Way(6, 2) == 1) {
        SetMode(MOMO_DIVE);
        PlaySound(sndTVSwingSword1);
      } else if (iFrame == 5) {
        fAngleRoll += fAngleRollDirection;
      }
      break;
    case MOMO_DIVE:
      if (iDelayCounter % 6 == 0) PlaySound(sndSwing1);
      SetMovement();
      fAngleRoll += fAngleRollDirection;
      if (LandOnGround()) SetMode(MOMO_KICK_LANDING);
      break;
    case MOMO_JUMP_KICK:
      if (iFrame < 3) {
        y -= fJump;
        if (fJump > 0) {
          fJump = std::max(fJump - 1, 0.0f);
        } else if (fJump < 0) {
          fJump = std::min(fJump + 1, 0.0f);
        }
      } else {
        fSpeed = 28;
        fAngle = right ? 30 : 150;  // a steep kick down and forward
      }
      SetMovement();
      if (LandOnGround()) {
        SetMode(MOMO_KICK_LANDING);
        break;
      }
      Animation1Way(4, 4);
      if (iDelayCounter == 12) Launch<TProjectileMomoJumpKick>(x, y, kAttackBlade);
      break;
    case MOMO_KICK_LANDING:
      if (fSpeed > 0) fSpeed -= 1;
      SetMovement();
      if (Animation2Way(3, 4) == 1) SetMode(MODE_STANCE);
      break;
    case MOMO_GRAPPLE:
      if (Animation1Way(2, 3) == 1) SetMode(MOMO_GRAPPLE_HOLD);
      break;
    case MOMO_GRAPPLE_HOLD: {
      const bool away = right ? DirectionHeld(ACTION_LEFT) : DirectionHeld(ACTION_RIGHT);
      const bool toward = right ? DirectionHeld(ACTION_RIGHT) : DirectionHeld(ACTION_LEFT);
      if (Pressed(ACTION_ATTACK)) {
        if (away) {
          SetMode(MOMO_BACK_THROW);
        } else if (toward) {
          SetTargetMode(MOMO_HELD);
          SetMode(MOMO_FRONT_THROW);
        } else {
          SetMode(iGrappleAttackCounter == kGrappleFinisher ? MOMO_GRAPPLE_FINISH
                                                            : MOMO_GRAPPLE_STRIKE);
        }
      } else if (iDelayCounter == kGrappleHoldFrames) {
        // Left alone too long: the foe gets free.
        if (TCharacter* target = GrappledTarget()) target->SetMode(MODE_STANCE);
        SetMode(MODE_STANCE);
        iTargetID = -1;
      }
      break;
    }
    case MOMO_GRAPPLE_STRIKE: {
      const float done = Animation2Way(3, 4);
      if (iDelayCounter == 4) {
        SetTargetMode(MODE_GRAPPLE_HIT);
        PlaySound(sndHitMed);
      }
      if (done == 1) {
        if (GrappledTargetLive() == 1) {
          SetMode(MOMO_GRAPPLE_HOLD);
          ++iGrappleAttackCounter;
        } else {
          SetMode(MODE_STANCE);
        }
      }
      break;
    }
    case MOMO_GRAPPLE_FINISH: {
      const float done = Animation2Way(4, 3);
      if (iDelayCounter == 6) {
        SetTargetMode(MODE_GRAPPLE_HIT);
        PlaySound(sndHitHi1);
      }
      if (done == 1) SetMode(MODE_STANCE);
      break;
    }
    case MOMO_BACK_THROW:
      if (iDelayCounter < 25) {
        Animation1Way(3, 8);
      } else if (iDelayCounter <= 48) {
        Animation1Way(6, 6);
        if (iDelayCounter == 30) SetTargetMode(MODE_THROWN);
      } else {
        SetMode(MOMO_BACK_THROW_DONE);
        iTargetID = -1;
      }
      break;
    case MOMO_BACK_THROW_DONE:
      if (Animation1Way(2, 6) == 1) {
        iFacing = iFacing == 180 ? 0 : 180;
        SetMode(MODE_STANCE);
      }
      break;
    case MOMO_FRONT_THROW:
      if (iDelayCounter < 14) break;
      Animation1Way(4, 5);
      if (iDelayCounter == 15) {
        SetTargetMode(MODE_SLAMMED);
        iTargetID = -1;
      }
      if (iFrame > 1) {
        SetMovement();
        y -= fJump;
        fJump -= 1;
        if (LandOnGround()) {
          SetMode(MODE_LANDING);
          fSpeed = 0;
        }
      }
      break;
    case MOMO_MOON_SLASHER:
    case MOMO_AIR_MOON_SLASHER:
      if (mode == MOMO_AIR_MOON_SLASHER) {
        CheckJumpAttackInput();
        x += fSpeed;
        y -= fJump;
        fJump -= 0.05f;
        y = std::min(y, GroundLine());
      }
      if (iDelayCounter < 24) {
        Animation1Way(5, 3);
        if (iDelayCounter == 9) {
          Launch<TProjectileMoonSlasher_A>(x, y, kAttackBlade);
          Launch<TProjectileMoonSlasher_B>(x, y - 113, kAttackMoonWave);
        }
      } else if (mode == MOMO_MOON_SLASHER) {
        SetMode(MODE_STANCE);
        bComboEnable = 0;
      } else {
        fJump = 0;
        // She falls from where the cast left her, at the ground line too: the fall is what lands
        // her. Only one found below the line is set straight down on it.
        if (y > GroundLine()) {
          y = GroundLine();
          SetMode(MODE_LANDING);
        } else {
          SetMode(MODE_JUMP_FALL);
        }
        bComboEnable = 0;
      }
      break;
    case MOMO_ERUPTION_PREPARE:
      if (Animation1Way(4, 4) == 1) SetMode(MOMO_ERUPTION);
      break;
    case MOMO_ERUPTION:
      Animation1WayLoop(3, 2);
      if (iDelayCounter == 4 || iDelayCounter == 8) {
        // Two more pillars, 80 and 160 pixels ahead.
        const float ahead = 20.0f * static_cast<float>(iDelayCounter);
        Launch<TProjectileMomoEruption>(right ? x + ahead : x - ahead, y, kAttackEruption);
      }
      if (iDelayCounter == 36) SetMode(MOMO_ERUPTION_END);
      break;
    case MOMO_ERUPTION_END:
      if (Animation2Way(3, 3) == 1) SetMode(MODE_STANCE);
      break;
    case MOMO_SPHERE_PREPARE:
      if (Animation1Way(2, 2) == 1) SetMode(MOMO_SPHERE_RISE);
      break;
    case MOMO_SPHERE_RISE:
    case MOMO_AIR_SPHERE:
      if (Animation1Way(5, 4) == 1) {
        SetMode(MOMO_SPHERE_CAST);
        break;
      }
      if (iDelayCounter == 12) CreateEffectUltima(x, y - 160);
      if (iDelayCounter == 16) {
        Launch<TProjectilePsychoSphere>(right ? x + 100 : x - 100, y, kAttackSphere);
        if (mode == MOMO_SPHERE_RISE) PlaySound(sndMoonSphere);
      }
      if (iDelayCounter < 16) {
        x += fSpeed;
        y -= fJump;
        fJump -= 1;
      }
      break;
    case MOMO_SPHERE_CAST:
      if (iDelayCounter < 60) {
        Animation1WayLoop(3, 3);
      } else {
        SetMode(MOMO_SPHERE_HOVER);
      }
      break;
    case MOMO_SPHERE_HOVER:
      CheckJumpInput();
      if (iMode != mode) break;
      x += fSpeed;
      y -= fJump;
      fJump -= 1;
      if (Animation1Way(3, 1) == 1) SetMode(MODE_JUMP_FALL);
      break;
    case MOMO_STRIKE_THROUGH:
      CheckStanceAttackCombo();
      if (iMode != mode) {
        fAngle = static_cast<float>(iFacing);
        break;
      }
      if (iDelayCounter % 2 == 0) {
        auto afterImage = std::make_shared<TEffectMomoStrikeThrough>();
        afterImage->Init(x, y, fAngle, 1, iFacing, iPlane);
        afterImage->iFrame = iFrame;
        EffectList.push_back(afterImage);
      }
      if (iDelayCounter % 6 == 0) CreateEffectDust();
      Animation1Way(4, 5);
      if (iFrame == 3) iStatus = STATUS_NORMAL;
      if (fSpeed <= 0) {
        fSpeed = 0;
        fAngle = static_cast<float>(iFacing);
        SetMode(MODE_STANCE);
      } else {
        fSpeed -= 1;
      }
      SetMovement();
      break;
    default:
      break;
  }
}
