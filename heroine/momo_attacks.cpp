// The heroine's modes found by number: the tables of her families on foot (momo.cpp,
// momo_reactions.cpp, momo_ground_combo.cpp, momo_air_combo.cpp, momo_grapple.cpp,
// momo_skills.cpp) and on the dragon (momo_dracon.cpp); then her attacks as a whole: the mana a
// skill costs, the buffered follow-ups of the combos and the seizing of a foe.

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <span>

#include "fx/effects.h"
#include "heroine/momo.h"
#include "heroine/momo_modes.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

using namespace momo;

namespace {

constexpr int kComboFrom = 12;         // a buffered follow-up starts on this frame of the attack
constexpr int kGrappleReach = 70;      // pixels in front of her an enemy can be seized
constexpr float kGrappleMaxSize = 12;  // only smaller foes can be seized

}  // namespace

// ---- Her modes ---------------------------------------------------------------------------

namespace {
// Every row of a set of families by mode number, gathered once.
template <class Row>
auto IndexRows(std::initializer_list<std::span<const Row>> families) {
  std::array<const Row*, MODE_AUTO_RUN_OUT + 1> index{};
  for (const auto family : families) {
    for (const Row& row : family) index.at(static_cast<size_t>(row.mode)) = &row;
  }
  return index;
}
template <class Index>
auto Lookup(const Index& index, int mode) {
  return mode < 0 || mode >= static_cast<int>(index.size()) ? nullptr
                                                            : index[static_cast<size_t>(mode)];
}
}  // namespace

const TMomo::ModeRow* TMomo::ModeOnFoot(int mode) {
  static const auto index =
      IndexRows<ModeRow>({MovementModes(), ReactionModes(), GroundComboModes(), AirComboModes(),
                          GrappleModes(), SkillModes()});
  return Lookup(index, mode);
}

const TMomo::ModeRow* TMomo::ModeRiding(int mode) {
  static const auto index = IndexRows<ModeRow>({RidingModes()});
  return Lookup(index, mode);
}

// ---- Mana ---------------------------------------------------------------------------------------

// A skill is entered only while she has more mana than the price in its row, and paid then
// unless a later mode of it pays.

void TMomo::MPCheck(int mode) {
  const ModeRow* row = iTypeMount == MOUNT_DRACON ? ModeRiding(mode) : ModeOnFoot(mode);
  if (!row || !row->price) return;
  const float cost = this->*row->price;
  if (!(fMP > cost)) return;
  if (!row->paidLater) fMP -= cost;
  SetMode(mode);
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
    const float ahead = iFacing == FACING_RIGHT ? c->x - x : x - c->x;
    if (ahead <= 0 || ahead > kGrappleReach) continue;
    c->x = x + (iFacing == FACING_RIGHT ? kGrappleReach : -kGrappleReach);
    iTargetID = c->iID;
    iTargetType = c->iType;
    SetMode(MOMO_GRAPPLE);
    iGrappleAttackCounter = 0;
    c->SetMode(MODE_GRAPPLED);
    if (c->iFacing == iFacing) c->iFacing = OppositeFacing(c->iFacing);  // face to face
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
    case MODE_CARRIED:
      c->SetMode(MODE_CARRIED);
      break;
    case MODE_SLAMMED:
    case MODE_THROWN: {
      const float damage = CountThrowDamage(static_cast<int>(c->fSize));
      fScore += 10 * std::ceil(damage / 2);
      // A front throw slams it down the way she faces; a back throw flings it behind her.
      const int angle = mode == MODE_SLAMMED ? iFacing : OppositeFacing(iFacing);
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
      const float ex = x + (iFacing == FACING_RIGHT ? reach : -reach);
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
