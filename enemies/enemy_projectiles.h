#pragma once
// The enemies' hit boxes: swings that live as long as their slash picture, the necromancer's skull
// and the dark knight's spirit wave that fly on, boxes that ride with a charging enemy, and the box
// that rides with a body the heroine throws, which hurts the enemies it flies into and scores for
// her. Every class is one row of the table in enemy_projectiles.cpp; they share one behaviour,
// picked by the row's pattern.

#include "combat/projectile.h"

struct EnemyBoxRow;

// What every enemy box shares: the row-driven hooks, and the fade and speed some of them use.
class TEnemyBox : public TProjectile {
 public:
  float fAlpha = 0;  // drawing opacity of the boxes that fade
  float fSpeed = 0;  // pixels per frame of the missiles

  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void DrawProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;
  // The box's own animation, by the characters' rule, on its own counters.
  virtual float Animation1Way(int frames, int delay);
  virtual void Animation1WayLoop(int frames, int delay);
  // Tells the enemy that made it that its swing connected, so it may chain the next one.
  virtual void SetEnableCombo();

  virtual const EnemyBoxRow& Row() const = 0;
};

// NOLINTBEGIN(bugprone-macro-parentheses): a class name and its base take no parentheses
#define TALVENNE_ENEMY_BOX(Name, Base)       \
  class Name : public Base {                 \
   public:                                   \
    const EnemyBoxRow& Row() const override; \
  }
// NOLINTEND(bugprone-macro-parentheses)

TALVENNE_ENEMY_BOX(TProjectileNecromancerSkull, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileNecromancerThrown, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileTemplarThrown, TProjectileNecromancerThrown);
TALVENNE_ENEMY_BOX(TProjectileExecutionerThrown, TProjectileNecromancerThrown);
TALVENNE_ENEMY_BOX(TProjectileSpearmanThrown, TProjectileNecromancerThrown);
TALVENNE_ENEMY_BOX(TProjectileSabermanThrown, TProjectileNecromancerThrown);
TALVENNE_ENEMY_BOX(TProjectileDarkKnightThrown, TProjectileNecromancerThrown);
TALVENNE_ENEMY_BOX(TProjectileNecromancerAttack1, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileNecromancerAttack2, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileTemplarAttack1, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileTemplarAttack2, TProjectileTemplarAttack1);
TALVENNE_ENEMY_BOX(TProjectileTemplarAttack3, TProjectileTemplarAttack1);
TALVENNE_ENEMY_BOX(TProjectileTemplarAttack4, TProjectileTemplarAttack1);
TALVENNE_ENEMY_BOX(TProjectileRaiderAttack1, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileExecutionerAttack1, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileExecutionerAttack2, TProjectileExecutionerAttack1);
TALVENNE_ENEMY_BOX(TProjectileExecutionerAttack3, TProjectileExecutionerAttack1);
TALVENNE_ENEMY_BOX(TProjectileExecutionerDash, TProjectileExecutionerAttack1);
TALVENNE_ENEMY_BOX(TProjectileSpearmanDash, TProjectileExecutionerAttack1);
TALVENNE_ENEMY_BOX(TProjectileSpearmanAttack1, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileSabermanAttack1, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileDarkKnightSpiritCut, TProjectileNecromancerAttack1);
TALVENNE_ENEMY_BOX(TProjectileTemplarDash, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileRaiderDash, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileDarkKnightSpiritSlasher, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileDarkKnightAttack1, TEnemyBox);
TALVENNE_ENEMY_BOX(TProjectileDarkKnightAttack2, TProjectileDarkKnightAttack1);

#undef TALVENNE_ENEMY_BOX
