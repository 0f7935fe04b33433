// The heroine's ground combo: the four strikes of the sword chain and the dash attack.

#include "heroine/momo_modes.h"
#include "heroine/momo_projectiles.h"

using namespace momo;

namespace {

bool IsCombo1to3(int mode) {
  return mode == MOMO_STRIKE1 || mode == MOMO_STRIKE2 || mode == MOMO_STRIKE3;
}

}  // namespace

std::span<const TMomo::ModeRow> TMomo::GroundComboModes() {
  // Strikes 1 to 3: 15 frames, the blow's box out on the fourth; a buffered follow-up chains on.
  constexpr auto strike = [](TMomo& m) {
    m.iStatus = STATUS_NORMAL;
    m.bComboEnable = m.bComboMagicEnable = 0;
    if (IsCombo1to3(m.iMode)) m.CheckExploitCounter();
  };
  constexpr auto strikeFrame = [](TMomo& m) {
    const int mode = m.iMode;
    m.CheckStanceAttackCombo();
    if (m.iMode != mode) return;
    if (m.iDelayCounter < 15) {
      m.Animation1Way(4, 3);
      if (m.iDelayCounter == 3) {
        if (mode == MOMO_STRIKE1) m.Launch<TProjectileMomoAttack1>(m.x, m.y, kAttackStrike);
        if (mode == MOMO_STRIKE2) m.Launch<TProjectileMomoAttack2>(m.x, m.y, kAttackStrike);
        if (mode == MOMO_STRIKE3) m.Launch<TProjectileMomoAttack3>(m.x, m.y, kAttackStrike);
      }
    } else {
      m.SetMode(MODE_STANCE);
      m.bComboEnable = 0;
    }
  };
  // clang-format off
  static const ModeRow rows[] = {
    {MOMO_STRIKE1, &imgMomoAttack1, kOwnPictureFrame, strike, strikeFrame},
    {MOMO_STRIKE2, &imgMomoAttack2, kOwnPictureFrame, strike, strikeFrame},
    {MOMO_STRIKE3, &imgMomoAttack3, kOwnPictureFrame, strike, strikeFrame},
    // The fourth strike: longer, its box out on the seventh frame.
    {MOMO_STRIKE4, &imgMomoAttack4, kOwnPictureFrame, strike,
     [](TMomo& m) {
       m.CheckStanceAttackCombo();
       if (m.iMode != MOMO_STRIKE4) return;
       if (m.iDelayCounter < 20) {
         m.Animation1Way(5, 3);
         if (m.iDelayCounter == 6) m.Launch<TProjectileMomoAttack4>(m.x, m.y, kAttackStrike);
       } else {
         m.SetMode(MODE_STANCE);
         m.bComboEnable = 0;
       }
     }},
    // The dash attack: its box goes out at once and she slides to a halt behind it.
    {MOMO_DASH_ATTACK, &imgMomoDashAttack, kOwnPictureFrame,
     [](TMomo& m) {
       m.bComboEnable = m.bComboMagicEnable = 0;
       m.Launch<TProjectileMomoDashAttack>(m.x, m.y, kAttackStrike);
     },
     [](TMomo& m) {
       m.CheckStanceAttackCombo();
       if (m.iMode != MOMO_DASH_ATTACK) return;
       if (m.iDelayCounter < 15) {
         m.Animation1Way(3, 3);
         if (m.iDelayCounter % 6 == 0) m.CreateEffectDust();
         if (m.fSpeed > 0) m.fSpeed -= 1;
         m.SetMovement();
       } else {
         m.SetMode(MODE_STANCE);
       }
     }},
  };
  // clang-format on
  return rows;
}
