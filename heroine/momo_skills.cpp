// The heroine's four skills, paid with mana: the psychic sphere, the moon slasher, the eruption and
// the strike-through, on the ground and (the first two) in the air.

#include <algorithm>
#include <memory>

#include "fx/effects.h"
#include "heroine/momo_modes.h"
#include "heroine/momo_projectiles.h"
#include "platform/platform.h"

using namespace momo;

namespace {

constexpr float kStrikeThroughSpeed = 27;

}  // namespace

std::span<const TMomo::ModeRow> TMomo::SkillModes() {
  // The sphere's rise, from the ground or in the air: she drifts back and up for 16 frames and
  // sends the sphere off in front of her.
  constexpr auto sphereRise = [](TMomo& m) {
    const bool ground = m.iMode == MOMO_SPHERE_RISE;
    m.iStatus = STATUS_NORMAL;
    if (ground) m.CreateEffectDust();
    m.fJump = ground ? 16 : 10;
    m.fSpeed = m.iFacing == FACING_RIGHT ? -1 : 1;  // a small drift backward
  };
  constexpr auto sphereRiseFrame = [](TMomo& m) {
    const int mode = m.iMode;
    if (m.Animation1Way(5, 4) == 1) {
      m.SetMode(MOMO_SPHERE_CAST);
      return;
    }
    if (m.iDelayCounter == 12) m.CreateEffectUltima(m.x, m.y - 160);
    if (m.iDelayCounter == 16) {
      m.Launch<TProjectilePsychoSphere>(m.iFacing == FACING_RIGHT ? m.x + 100 : m.x - 100, m.y,
                                        kAttackSphere);
      if (mode == MOMO_SPHERE_RISE) PlaySound(sndMoonSphere);
    }
    if (m.iDelayCounter < 16) m.Drift(1);
  };
  // The moon slasher: the blade and its flying wave go out on frame 9.
  constexpr auto moonSlasherFrame = [](TMomo& m) {
    const int mode = m.iMode;
    if (mode == MOMO_AIR_MOON_SLASHER) {
      m.CheckJumpAttackInput();
      m.Drift(0.05f);
      m.y = std::min(m.y, m.GroundLine());
    }
    if (m.iDelayCounter < 24) {
      m.Animation1Way(5, 3);
      if (m.iDelayCounter == 9) {
        m.Launch<TProjectileMoonSlasher_A>(m.x, m.y, kAttackBlade);
        m.Launch<TProjectileMoonSlasher_B>(m.x, m.y - 113, kAttackMoonWave);
      }
    } else if (mode == MOMO_MOON_SLASHER) {
      m.SetMode(MODE_STANCE);
      m.bComboEnable = 0;
    } else {
      m.fJump = 0;
      // She falls from where the cast left her, at the ground line too: the fall is what lands
      // her. Only one found below the line is set straight down on it.
      if (m.y > m.GroundLine()) {
        m.y = m.GroundLine();
        m.SetMode(MODE_LANDING);
      } else {
        m.SetMode(MODE_JUMP_FALL);
      }
      m.bComboEnable = 0;
    }
  };
  // clang-format off
  static const ModeRow rows[] = {
    // ---- Psychic sphere
    {MOMO_SPHERE_PREPARE, &imgMomoPsychoSpherePrepare, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation1Way(2, 2) == 1) m.SetMode(MOMO_SPHERE_RISE);
     },
     nullptr, &TMomo::fMPCostPsychicSphere, true},
    {MOMO_SPHERE_RISE, &imgMomoPsychoSpherePrepare, kOwnPictureFrame, sphereRise, sphereRiseFrame, nullptr,
     &TMomo::fMPCostPsychicSphere, true},
    {MOMO_AIR_SPHERE,  &imgMomoPsychoSpherePrepare, kOwnPictureFrame, sphereRise, sphereRiseFrame, nullptr,
     &TMomo::fMPCostPsychicSphere, true},
    // Paid as the cast begins; she hangs in the air for 60 frames.
    {MOMO_SPHERE_CAST, &imgMomoPsychoSphere, kOwnPictureFrame,
     [](TMomo& m) { m.fMP -= m.fMPCostPsychicSphere; },
     [](TMomo& m) {
       if (m.iDelayCounter < 60) {
         m.Animation1WayLoop(3, 3);
       } else {
         m.SetMode(MOMO_SPHERE_HOVER);
       }
     }},
    {MOMO_SPHERE_HOVER, &imgMomoJumpPeak, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       m.CheckJumpInput();
       if (m.iMode != MOMO_SPHERE_HOVER) return;
       m.Drift(1);
       if (m.Animation1Way(3, 1) == 1) m.SetMode(MODE_JUMP_FALL);
     },
     [](const TMomo& m) {
       DrawPicture(m.fJump > 0 ? imgMomoJumpPeak : imgMomoJumpDown, m.x, m.y, m.iFrame);
     }},
    // ---- Moon slasher
    {MOMO_MOON_SLASHER, &imgMomoMoonSlasher, kOwnPictureFrame,
     [](TMomo& m) { m.iStatus = STATUS_NORMAL; },
     moonSlasherFrame, nullptr, &TMomo::fMPCostMoonSlasher},
    {MOMO_AIR_MOON_SLASHER, &imgMomoJumpMoonSlasher, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_NORMAL;
       m.bComboEnable = m.bComboMagicEnable = 0;
       m.fJump = 0;
     },
     moonSlasherFrame, nullptr, &TMomo::fMPCostMoonSlasher},
    // ---- Eruption: a pillar where she stands as it is paid, two more ahead of her
    {MOMO_ERUPTION_PREPARE, &imgMomoEruptionPrepare, kOwnPictureFrame,
     [](TMomo& m) { m.iStatus = STATUS_NORMAL; },
     [](TMomo& m) {
       if (m.Animation1Way(4, 4) == 1) m.SetMode(MOMO_ERUPTION);
     },
     nullptr, &TMomo::fMPCostEruption, true},
    {MOMO_ERUPTION, &imgMomoEruption, kOwnPictureFrame,
     [](TMomo& m) {
       m.fMP -= m.fMPCostEruption;
       m.Launch<TProjectileMomoEruption>(m.x, m.y, kAttackEruption);
     },
     [](TMomo& m) {
       m.Animation1WayLoop(3, 2);
       if (m.iDelayCounter == 4 || m.iDelayCounter == 8) {
         // Two more pillars, 80 and 160 pixels ahead.
         const float ahead = 20.0f * static_cast<float>(m.iDelayCounter);
         m.Launch<TProjectileMomoEruption>(m.iFacing == FACING_RIGHT ? m.x + ahead : m.x - ahead, m.y,
                                           kAttackEruption);
       }
       if (m.iDelayCounter == 36) m.SetMode(MOMO_ERUPTION_END);
     }},
    {MOMO_ERUPTION_END, &imgMomoEruption, kOwnPictureFrame,
     [](TMomo& m) {
       m.iFrame = 2;
       m.bFrameDirection = 0;
     },
     [](TMomo& m) {
       if (m.Animation2Way(3, 3) == 1) m.SetMode(MODE_STANCE);
     }},
    // ---- Strike-through: she dashes through the foe, unhittable until her fourth picture, and
    // turns round to face it from behind; after-images trail her every other frame.
    {MOMO_STRIKE_THROUGH, &imgMomoStrikeThrough, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.bComboEnable = m.bComboMagicEnable = 0;
       m.fSpeed = kStrikeThroughSpeed;
       m.CreateEffectDust();
       // She keeps going the way she dashed but turns round, to face the foe from behind.
       const float angle = static_cast<float>(m.iFacing);
       m.iFacing = OppositeFacing(m.iFacing);
       m.Launch<TProjectileMomoStrikeThrough>(m.x, m.y, kAttackBlade, angle);
     },
     [](TMomo& m) {
       m.CheckStanceAttackCombo();
       if (m.iMode != MOMO_STRIKE_THROUGH) {
         m.fAngle = static_cast<float>(m.iFacing);
         return;
       }
       if (m.iDelayCounter % 2 == 0) {
         auto afterImage = std::make_shared<TEffectMomoStrikeThrough>();
         afterImage->Init(m.x, m.y, m.fAngle, 1, m.iFacing, m.iPlane);
         afterImage->iFrame = m.iFrame;
         EffectList.push_back(afterImage);
       }
       if (m.iDelayCounter % 6 == 0) m.CreateEffectDust();
       m.Animation1Way(4, 5);
       if (m.iFrame == 3) m.iStatus = STATUS_NORMAL;
       if (m.fSpeed <= 0) {
         m.fSpeed = 0;
         m.fAngle = static_cast<float>(m.iFacing);
         m.SetMode(MODE_STANCE);
       } else {
         m.fSpeed -= 1;
       }
       m.SetMovement();
     },
     nullptr, &TMomo::fMPCostStrikeThrough},
  };
  // clang-format on
  return rows;
}
