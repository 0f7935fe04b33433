#pragma once
// The heroine's hit boxes on foot. Each class is one attack: its box, the reaction it asks of the
// victim, its score, its sounds, how long it can hit, whether it rides along with her, what a hit
// does to it, and its picture. The numbers are rows of one table in momo_projectiles.cpp; the
// classes differ only where their behaviour does.

#include <cstdint>

#include "combat/momo_projectiles.h"

struct MomoBoxRow;

// The ground slash of strike 1, and the base of every box that fades, animates and may follow her.
class TProjectileMomoAttack1 : public TProjectileMomo {
 public:
  float fAlpha = 0;  // drawing opacity

  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void DrawProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;
  // One pass of the box's own animation, by the characters' rule, on its own counters.
  virtual float Animation1Way(int frames, int delay);

 protected:
  virtual const MomoBoxRow& Row() const;
  // Takes the heroine's position, or ends the box when she has left the mode it belongs to.
  void FollowHeroine();
};

class TProjectileMomoAttack2 : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoAttack3 : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoAttack4 : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMoonSlasher_A : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoEruption : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoJumpAttack1 : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoJumpAttack2 : public TProjectileMomoJumpAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoJumpAttack3 : public TProjectileMomoJumpAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoDashAttack : public TProjectileMomoJumpAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoUpAttack : public TProjectileMomoJumpAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};

// The dragon's strikes, unseen: its claws and tail are its own picture.
class TProjectileMomoDraconAttack1 : public TProjectileMomoAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoDraconAttack2 : public TProjectileMomoDraconAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};
class TProjectileMomoDraconJumpAttack1 : public TProjectileMomoDraconAttack1 {
 protected:
  const MomoBoxRow& Row() const override;
};

// The jump kick: an unseen box that rides with her foot while she kicks, and keeps hitting.
class TProjectileMomoJumpKick : public TProjectileMomo {
 public:
  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;

 protected:
  virtual const MomoBoxRow& Row() const;
};
// Passing through the foe during the strike-through: it stops hitting as she slows down.
class TProjectileMomoStrikeThrough : public TProjectileMomoJumpKick {
 public:
  void MoveProjectile() override;

 protected:
  const MomoBoxRow& Row() const override;
};
// The spinning dive.
class TProjectileMomoJumpAttack4 : public TProjectileMomoJumpKick {
 protected:
  const MomoBoxRow& Row() const override;
};

// The moon slasher's wave: it flies on, weakens with every foe it cuts, and fades away.
class TProjectileMoonSlasher_B : public TProjectileMomo {
 public:
  float fAlpha = 0;
  float fScale = 0;
  float fSpeed = 0;  // pixels per frame along fAngle

  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void DrawProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;
};

// The psychic sphere: it pulses where it was cast while she hovers, hitting everything inside.
class TProjectilePsychoSphere : public TProjectileMomo {
 public:
  float fScale = 0;

  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void DrawProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;
};

// The dragon's charge: it rides with her and hits at most three times, once in eight frames, each
// hit weaker.
class TProjectileMomoDraconDash : public TProjectileMomo {
 public:
  int32_t iMaxHitCounter = 0;  // hits left

  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;
};

// One flame of the dragon's breath: it flies on with a trail and bursts on whatever it meets, or on
// the ground.
class TProjectileDraconBreath : public TProjectileMomo {
 public:
  float fSpeed = 0;

  void InitCustom(float damage) override;
  void MoveProjectile() override;
  void DrawProjectile() override;
  void PlaySFX() override;
  void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) override;
  virtual void CreateExplosion();
};
