// The heroine's air combo: the three jump strikes, the upward attack, the dive and the jump kick,
// and the landing the dive and the kick end in.

#include <algorithm>

#include "heroine/momo_modes.h"
#include "heroine/momo_projectiles.h"
#include "platform/platform.h"

using namespace momo;

std::span<const TMomo::ModeRow> TMomo::AirComboModes() {
  // Jump strikes 1 to 3: each hangs her in the air, the first one stopping the rise.
  constexpr auto jumpStrike = [](TMomo& m) {
    m.iStatus = STATUS_NORMAL;
    m.bComboEnable = m.bComboMagicEnable = 0;
    if (m.iMode == MOMO_JUMP_ATTACK1) m.fJump = 0;
  };
  constexpr auto jumpStrikeFrame = [](TMomo& m) {
    const int mode = m.iMode;
    m.CheckJumpAttackInput();
    m.CheckJumpAttackCombo();
    if (m.iMode != mode) return;
    m.Drift(0.05f);
    if (m.LandOnGround()) {
      m.SetMode(MODE_LANDING);
      return;
    }
    if (m.iDelayCounter < 18) {
      m.Animation1Way(4, 3);
      if (m.iDelayCounter == 3) {
        if (mode == MOMO_JUMP_ATTACK1)
          m.Launch<TProjectileMomoJumpAttack1>(m.x, m.y, kAttackStrike);
        if (mode == MOMO_JUMP_ATTACK2)
          m.Launch<TProjectileMomoJumpAttack2>(m.x, m.y, kAttackStrike);
        if (mode == MOMO_JUMP_ATTACK3)
          m.Launch<TProjectileMomoJumpAttack3>(m.x, m.y, kAttackStrike);
      }
    } else {
      m.iMode = MODE_JUMP_FALL;  // falls on without the entry actions
      m.iFrame = 0;
    }
  };
  // Curled up for the wind-up, spinning from its last picture on.
  constexpr auto drawDive = [](const TMomo& m) {
    SetRotation(m.fAngleRoll);
    DrawPicture(imgMomoJumpAttack4, m.x, m.y, m.iMode == MOMO_DIVE || m.iFrame >= 5 ? 1 : 0);
    SetRotation(0);
  };
  // clang-format off
  static const ModeRow rows[] = {
    {MOMO_JUMP_ATTACK1, &imgMomoJumpAttack1, kOwnPictureFrame, jumpStrike, jumpStrikeFrame},
    {MOMO_JUMP_ATTACK2, &imgMomoJumpAttack2, kOwnPictureFrame, jumpStrike, jumpStrikeFrame},
    {MOMO_JUMP_ATTACK3, &imgMomoAttack3,     kOwnPictureFrame, jumpStrike, jumpStrikeFrame},
    // The upward attack: up and forward, slowing, once a jump; then her peak.
    {MOMO_UP_ATTACK, &imgMomoUpAttack, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_NORMAL;
       m.bComboEnable = m.bComboMagicEnable = 0;
       m.bDoubleJump = 0;
       m.fSpeed = 23;
       m.fJump = 0;
     },
     [](TMomo& m) {
       m.CheckJumpAttackCombo();
       if (m.iMode != MOMO_UP_ATTACK) {
         m.fSpeed = 0;
         return;
       }
       m.fAngle = m.iFacing == FACING_RIGHT ? -50 : 230;  // up and forward
       m.SetMovement();
       if (m.fSpeed <= 0) {
         m.SetMode(MOMO_UP_ATTACK_END);
       } else {
         m.fSpeed -= 0.8f;
       }
       m.Animation1Way(4, 4);
       if (m.iDelayCounter == 4) m.Launch<TProjectileMomoUpAttack>(m.x, m.y, kAttackStrike);
     },
     [](const TMomo& m) { DrawPicture(imgMomoUpAttack, m.x, m.y, std::min(m.iFrame, 3)); }},
    {MOMO_UP_ATTACK_END, &imgMomoUpAttack, kOwnPictureFrame,
     [](TMomo& m) { m.iFrame = 4; },
     [](TMomo& m) {
       if (m.Animation1Way(6, 2) == 1) m.SetMode(MODE_JUMP_PEAK);
     },
     [](const TMomo& m) { DrawPicture(imgMomoUpAttack, m.x, m.y, std::clamp(m.iFrame, 4, 5)); }},
    // The dive: a curl in the air, then down at a slant, spinning and armoured.
    {MOMO_DIVE_WIND_UP, &imgMomoJumpAttack4, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_NORMAL;
       m.fAngleRoll = 0;
       m.fAngleRollDirection = m.iFacing == FACING_RIGHT ? 30 : -30;
     },
     [](TMomo& m) {
       if (m.Animation1Way(6, 2) == 1) {
         m.SetMode(MOMO_DIVE);
         PlaySound(sndTVSwingSword1);
       } else if (m.iFrame == 5) {
         m.fAngleRoll += m.fAngleRollDirection;
       }
     },
     drawDive},
    {MOMO_DIVE, &imgMomoJumpAttack4, kOwnPictureFrame,
     [](TMomo& m) {
       m.Launch<TProjectileMomoJumpAttack4>(m.x, m.y, kAttackStrike);
       m.fAngle = m.iFacing == FACING_RIGHT ? 30 : 150;
       m.fSpeed = 24;
       m.iStatus = STATUS_GUARDING;  // armoured
     },
     [](TMomo& m) {
       if (m.iDelayCounter % 6 == 0) PlaySound(sndSwing1);
       m.SetMovement();
       m.fAngleRoll += m.fAngleRollDirection;
       if (m.LandOnGround()) m.SetMode(MOMO_KICK_LANDING);
     },
     drawDive},
    // The jump kick: her rise or fall stilled for three pictures, then a steep kick down.
    {MOMO_JUMP_KICK, &imgMomoJumpKick, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_NORMAL;
       m.fSpeed = 10;
       m.fAngle = m.iFacing == FACING_RIGHT ? 0 : 180;
     },
     [](TMomo& m) {
       if (m.iFrame < 3) {
         m.y -= m.fJump;
         if (m.fJump > 0) {
           m.fJump = std::max(m.fJump - 1, 0.0f);
         } else if (m.fJump < 0) {
           m.fJump = std::min(m.fJump + 1, 0.0f);
         }
       } else {
         m.fSpeed = 28;
         m.fAngle = m.iFacing == FACING_RIGHT ? 30 : 150;  // a steep kick down and forward
       }
       m.SetMovement();
       if (m.LandOnGround()) {
         m.SetMode(MOMO_KICK_LANDING);
         return;
       }
       m.Animation1Way(4, 4);
       if (m.iDelayCounter == 12) m.Launch<TProjectileMomoJumpKick>(m.x, m.y, kAttackBlade);
     }},
    // Landing from the dive or the kick: she skids to a halt.
    {MOMO_KICK_LANDING, &imgMomoJumpKickLand, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_NORMAL;
       m.fSpeed = 10;
       m.fAngle = static_cast<float>(m.iFacing);
       m.iFrame = 0;
       m.CreateEffectDust();
     },
     [](TMomo& m) {
       if (m.fSpeed > 0) m.fSpeed -= 1;
       m.SetMovement();
       if (m.Animation2Way(3, 4) == 1) m.SetMode(MODE_STANCE);
     }},
  };
  // clang-format on
  return rows;
}
