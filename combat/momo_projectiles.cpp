#include "combat/momo_projectiles.h"

#include <algorithm>
#include <cmath>

#include "actors/character.h"

void TProjectileMomo::CreateHitEffect(float xHit, float yHit, float wHit, float hHit) {
  PlaySFX();
  AddScore();
  CreateHitEffectCustom(xHit, yHit, wHit, hHit);
}

void TProjectileMomo::MPFill() {
  TCharacter* heroine = FindHeroine();
  if (!heroine) return;
  heroine->fMP = std::min(heroine->fMP + fDamage / 5, heroine->fMPMax);
}

void TProjectileMomo::AddScore() {
  if (TCharacter* heroine = FindHeroine()) heroine->fScore += fScore;
}

void TProjectileMomo::CountScore(float multiplier) { fScore = multiplier * std::ceil(fDamage / 2); }
