// The heroine's grapple and throws: the seize, the hold, the two grapple strikes, the back throw
// over her head and the front throw.

#include "heroine/momo_modes.h"
#include "platform/platform.h"

using namespace momo;

namespace {

constexpr int kGrappleHoldFrames = 60;

}  // namespace

std::span<const TMomo::ModeRow> TMomo::GrappleModes() {
  // clang-format off
  static const ModeRow rows[] = {
    {MOMO_GRAPPLE, &imgMomoGrapple, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation1Way(2, 3) == 1) m.SetMode(MOMO_GRAPPLE_HOLD);
     }},
    // Holding the foe: Attack strikes it, with a direction throws it; alone too long, it gets free.
    {MOMO_GRAPPLE_HOLD, &imgMomoGrapple, 1, nullptr,
     [](TMomo& m) {
       const bool right = m.iFacing == FACING_RIGHT;
       const bool away = right ? m.DirectionHeld(ACTION_LEFT) : m.DirectionHeld(ACTION_RIGHT);
       const bool toward = right ? m.DirectionHeld(ACTION_RIGHT) : m.DirectionHeld(ACTION_LEFT);
       if (m.Pressed(ACTION_ATTACK)) {
         if (away) {
           m.SetMode(MOMO_BACK_THROW);
         } else if (toward) {
           m.SetTargetMode(MODE_GRAPPLED);
           m.SetMode(MOMO_FRONT_THROW);
         } else {
           m.SetMode(m.iGrappleAttackCounter == kGrappleFinisher ? MOMO_GRAPPLE_FINISH
                                                                 : MOMO_GRAPPLE_STRIKE);
         }
       } else if (m.iDelayCounter == kGrappleHoldFrames) {
         if (TCharacter* target = m.GrappledTarget()) target->SetMode(MODE_STANCE);
         m.SetMode(MODE_STANCE);
         m.iTargetID = -1;
       }
     }},
    {MOMO_GRAPPLE_STRIKE, &imgMomoGrappleAttack1, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       const float done = m.Animation2Way(3, 4);
       if (m.iDelayCounter == 4) {
         m.SetTargetMode(MODE_GRAPPLE_HIT);
         PlaySound(sndHitMed);
       }
       if (done == 1) {
         if (m.GrappledTargetLive() == 1) {
           m.SetMode(MOMO_GRAPPLE_HOLD);
           ++m.iGrappleAttackCounter;
         } else {
           m.SetMode(MODE_STANCE);
         }
       }
     }},
    {MOMO_GRAPPLE_FINISH, &imgMomoGrappleAttack2, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       const float done = m.Animation2Way(4, 3);
       if (m.iDelayCounter == 6) {
         m.SetTargetMode(MODE_GRAPPLE_HIT);
         PlaySound(sndHitHi1);
       }
       if (done == 1) m.SetMode(MODE_STANCE);
     }},
    // The back throw: the foe heaved over her head (drawn with her), let fly on frame 30.
    {MOMO_BACK_THROW, &imgMomoThrow, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.SetTargetMode(MODE_CARRIED);
     },
     [](TMomo& m) {
       if (m.iDelayCounter < 25) {
         m.Animation1Way(3, 8);
       } else if (m.iDelayCounter <= 48) {
         m.Animation1Way(6, 6);
         if (m.iDelayCounter == 30) m.SetTargetMode(MODE_THROWN);
       } else {
         m.SetMode(MOMO_BACK_THROW_DONE);
         m.iTargetID = -1;
       }
     },
     [](const TMomo& m) {
       DrawPicture(imgMomoThrow, m.x, m.y, m.iFrame);
       m.DrawThrownFoe();
     }},
    {MOMO_BACK_THROW_DONE, &imgMomoThrowDone, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation1Way(2, 6) == 1) {
         m.iFacing = OppositeFacing(m.iFacing);
         m.SetMode(MODE_STANCE);
       }
     }},
    // The front throw: a hop backward that slams the foe down in front of her.
    {MOMO_FRONT_THROW, &imgMomoThrowFront, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.fJump = 12;
       m.fSpeed = -5;  // a hop backward
     },
     [](TMomo& m) {
       if (m.iDelayCounter < 14) return;
       m.Animation1Way(4, 5);
       if (m.iDelayCounter == 15) {
         m.SetTargetMode(MODE_SLAMMED);
         m.iTargetID = -1;
       }
       if (m.iFrame > 1) {
         m.SetMovement();
         m.y -= m.fJump;
         m.fJump -= 1;
         if (m.LandOnGround()) {
           m.SetMode(MODE_LANDING);
           m.fSpeed = 0;
         }
       }
     }},
  };
  // clang-format on
  return rows;
}
