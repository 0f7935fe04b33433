#pragma once
// What the files of the heroine's mode families share: the attack numbers of her damage rolls,
// the launch of a hit box and the drawing of one of her pictures.

#include <memory>

#include "heroine/momo.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace momo {

// Attack numbers of the damage rolls.
constexpr int kAttackStrike = 0;     // the sword's ordinary blows
constexpr int kAttackBlade = 6;      // kicks, the moon blade, the strike-through, grapple strikes
constexpr int kAttackMoonWave = 51;  // the moon slasher's flying wave
constexpr int kAttackSphere = 52;    // the psychic sphere
constexpr int kAttackEruption = 55;  // the eruption's pillars

constexpr int kGrappleFinisher = 2;  // the third grapple action finishes

// Draws frame `frame` of `image` at (x, y), held inside the strip.
void DrawPicture(const ImagePtr& image, float x, float y, int frame);

}  // namespace momo

template <class P>
void TMomo::Launch(float px, float py, int attack, float angle) {
  const float damage = attack >= 50 ? CountMagicalDamage(attack) : CountPhysicalDamage(attack);
  auto box = std::make_shared<P>();
  box->Init(iID, px, py, angle, 0, iFacing, iPlane, damage, iComboType, IsBackstabAttack(attack));
  ProjectileList.push_back(box);
}
