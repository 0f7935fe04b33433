#pragma once
// The heroine's hit boxes. Every one of them scores for her on each hit, and most give back a
// fifth of the damage dealt as mana.

#include "combat/projectile.h"

class TProjectileMomo : public TProjectile {
 public:
  float fScore = 0;  // points for each hit

  // Plays the hit sound, credits the score, then the box's own effects.
  void CreateHitEffect(float xHit, float yHit, float wHit, float hHit) override;
  // Refunds a fifth of the damage as the heroine's mana, up to her maximum.
  virtual void MPFill();
  virtual void AddScore();
  // A stronger roll is worth more: multiplier x ceil(damage / 2).
  virtual void CountScore(float multiplier);
};
