// The heroine's reactions on foot: taking a hit, staggering, being pushed, knocked down, lifted,
// slammed and thrown, lying, getting up, losing a life, the continue prompt and the game over.

#include <algorithm>

#include "heroine/momo.h"
#include "heroine/momo_modes.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

using momo::DrawPicture;

namespace {

constexpr float kPushBackSpeed = 20;
constexpr float kFallForwardSpeed = 17;
constexpr int kLyingFrames = 62;
constexpr float kRefillPerFrame = 2;
constexpr int kGameOverCounterCap = 1000;
constexpr float kHurtManaShare = 3;  // a hit gives her a third of its damage as mana
constexpr float kArmourShare = 5;    // the dive's armour lets a fifth of the damage through
constexpr int kArmourInvulnerable = 4;

}  // namespace

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

// ---- Lives and continues ------------------------------------------------------------------------

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

// ---- The reaction modes -------------------------------------------------------------------------

std::span<const TMomo::ModeRow> TMomo::ReactionModes() {
  // A stagger: hittable again from its fourth frame, over after 20.
  constexpr auto staggerFrame = [](TMomo& m) {
    if (m.iDelayCounter == 4) m.iStatus = STATUS_NORMAL;
    m.Animation2Way(2, 6);
    if (m.iDelayCounter == 20) m.SetMode(MODE_STANCE);
  };
  // Pushed back along the blow for 12 frames, slowing down.
  constexpr auto pushedFrame = [](TMomo& m) {
    if (m.iDelayCounter < 12) {
      m.MoveAlongKnockback();
      m.fSpeed -= 2;
      if (m.iDelayCounter == 4) m.iStatus = STATUS_NORMAL;
      m.Animation2Way(2, 6);
    } else {
      m.SetMode(MODE_STANCE);
    }
  };
  constexpr auto unhittable = [](TMomo& m) { m.iStatus = STATUS_UNHITTABLE; };
  constexpr auto still = [](TMomo&) {};
  // Lying on her back, and the prompts she lies through.
  constexpr auto lyingPicture = [](const TMomo& m) {
    DrawPicture(imgMomoKnockout, m.x, m.y, m.iFrame == 4 ? 3 : m.iFrame);
  };
  constexpr auto gameOverFrame = [](TMomo& m) {
    m.Animation2WayLoop(5, 10);
    m.iDelayCounter = std::min(m.iDelayCounter, kGameOverCounterCap);
  };
  // clang-format off
  static const ModeRow rows[] = {
    {MODE_HIT_HIGH,    &imgMomoHitUp,  kOwnPictureFrame, EnterStagger, staggerFrame},
    {MODE_HIT_LOW,     &imgMomoHitLow, kOwnPictureFrame, EnterStagger, staggerFrame},
    {MODE_PUSHED_LOW,  &imgMomoHitLow, kOwnPictureFrame, EnterStagger, pushedFrame},
    {MODE_PUSHED_HIGH, &imgMomoHitUp,  kOwnPictureFrame, EnterStagger, pushedFrame},
    // Knocked down: flung up and away, then a bounce on landing.
    {MODE_KNOCKDOWN, &imgMomoKnockDown, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.fJump = 12;
       m.fSpeed = 12;
       m.CreateEffectDust();
       m.NormalizeKnockbackAngle();
     },
     [](TMomo& m) {
       if (m.iDelayCounter == 4) m.iStatus = STATUS_NORMAL;
       m.y -= m.fJump;
       m.fJump -= 0.8f;
       m.MoveAlongKnockback();
       if (m.LandOnGround()) {
         m.SetMode(MODE_BOUNCE);
         fQuake = 6;
       } else if (m.fJump < 0) {
         // Hittable again on the way up, never on the way down.
         m.iFrame = 1;
         m.iStatus = STATUS_UNHITTABLE;
       } else {
         m.iFrame = 0;
       }
     }},
    {MODE_KNOCKUP, nullptr, kOwnPictureFrame,
     [](TMomo& m) {
       m.fJump = 27;
       m.fSpeed = 3;
       m.CreateEffectDust();
     },
     [](TMomo& m) { m.MoveLaunched(); },
     [](const TMomo& m) {
       if (m.fJump > 0) {
         DrawPicture(imgMomoKnockup, m.x, m.y, 0);
       } else {
         DrawPicture(imgMomoKnockDown, m.x, m.y, m.iFrame);
       }
     }},
    {MODE_LIFTED,   &imgMomoKnockDown, 0, unhittable, [](TMomo& m) { m.MoveLifted(); }},
    {MODE_GRAPPLED, nullptr, kOwnPictureFrame, unhittable, still},  // the foe holding her draws the pair
    {MODE_SLAMMED,  &imgMomoKnockDown, 1, [](TMomo& m) { m.fSpeed = 12; }, [](TMomo& m) { m.MoveSlammed(); }},
    {MODE_BOUNCE, nullptr, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.fJump = 5;
       m.fSpeed = 8;
       m.CreateEffectDust();
       PlaySound(sndBodySlam1);
     },
     [](TMomo& m) {
       m.y -= m.fJump;
       m.fJump -= 1;
       m.MoveAlongKnockback();
       if (m.LandOnGround()) m.SetMode(MODE_LYING);
     },
     [](const TMomo& m) {
       if (m.iDelayCounter < 5) {
         DrawPicture(imgMomoKnockout, m.x, m.y, 0);
       } else {
         DrawPicture(imgMomoKnockDown, m.x, m.y + 20, 1);
       }
     }},
    // Lying: up again after 62 frames, or a life lost when she has no hit points left.
    {MODE_LYING, nullptr, kOwnPictureFrame,
     [](TMomo& m) {
       m.CreateEffectDust();
       PlaySound(sndBodySlam2);
     },
     [](TMomo& m) {
       if (m.iDelayCounter < kLyingFrames) {
         m.Animation2WayLoop(5, 5);
       } else if (m.iDelayCounter == kLyingFrames) {
         if (m.fHP != 0) {
           m.SetMode(MODE_GETTING_UP);
         } else {
           m.LoseLife();
         }
       }
     },
     lyingPicture},
    {MOMO_LIFE_REFILL, nullptr, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       m.fHP += kRefillPerFrame;
       m.Animation2WayLoop(5, 5);
       if (m.fHP >= m.fHPMax) {
         m.fHP = m.fHPMax;
         m.SetMode(MODE_GETTING_UP);
       }
     },
     lyingPicture},
    {MODE_GETTING_UP, nullptr, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       if (m.Animation1Way(4, 6) == 1) m.SetMode(MODE_STANCE);
     },
     [](const TMomo& m) {
       if (m.iFrame == 3) {
         DrawPicture(imgMomoJumpCrouch, m.x, m.y, 1);
       } else {
         DrawPicture(imgMomoWakeUp, m.x, m.y, m.iFrame);
       }
     }},
    // Pushed from behind: she falls on her face and slides, then turns round as she gets up.
    {MOMO_FALL_FORWARD, &imgMomoKnockdown2, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.fJump = 7;
     },
     [](TMomo& m) {
       m.Animation1Way(2, 6);
       m.y -= m.fJump;
       m.fJump -= 1;
       m.MoveAlongKnockback();
       if (m.LandOnGround()) m.SetMode(MOMO_SLIDE);
     }},
    {MOMO_SLIDE, &imgMomoKnockout2, kOwnPictureFrame,
     [](TMomo& m) {
       m.iStatus = STATUS_UNHITTABLE;
       m.CreateEffectDust();
       m.fSpeed = 7;
     },
     [](TMomo& m) {
       if (m.iDelayCounter < 60) {
         m.Animation1Way(2, 7);
         if (m.fSpeed > 0) m.fSpeed -= 1;
         m.MoveAlongKnockback();
       } else {
         m.iFacing = OppositeFacing(m.iFacing);
         m.SetMode(MODE_GETTING_UP);
         m.iFrame = 2;  // she gets up from the third picture
       }
     }},
    {MOMO_CONTINUE, nullptr, kOwnPictureFrame, nullptr,
     [](TMomo& m) {
       m.CheckContinueInput();
       m.Animation2WayLoop(5, 10);
     },
     lyingPicture},
    {MOMO_GAME_OVER, nullptr, kOwnPictureFrame, nullptr, gameOverFrame, lyingPicture},
  };
  // clang-format on
  return rows;
}
