#include "combat/projectile.h"

#include <memory>

#include "actors/character.h"
#include "combat/momo_projectiles.h"
#include "fx/effects.h"
#include "world/animation.h"
#include "world/globals.h"

namespace {

// A character this box may hit this frame: hittable, on its plane, not flashing after a hit, and
// on the other side. A riderless mount (side 2) is nobody's target.
bool IsCandidate(const TProjectile& p, const TCharacter& c) {
  if (c.iStatus != STATUS_NORMAL && c.iStatus != STATUS_GUARDING) return false;
  if (c.iPlane != p.iPlane || c.iInvulnerableCounter != 0) return false;
  const int victimSide = p.iAffiliation == SIDE_HEROINE ? SIDE_ENEMY : SIDE_HEROINE;
  return c.iAffiliation == victimSide;
}

// Tests one live box against every candidate, in list order. A box that turns itself spent on
// its first hit still goes on to the others of this frame: one swing hits everyone it overlaps.
void HitCharacters(TProjectile& p) {
  const int radius = p.HitRadius();
  for (auto it = CharacterList.begin(); it != CharacterList.end(); ++it) {
    const std::shared_ptr<TCharacter> c = *it;  // Damage may append a mount to the list
    if (!IsCandidate(p, *c)) continue;
    if (c->Hit(p.iType, p.x, p.y, p.xBBox, p.yBBox, p.BBoxWidth, p.BBoxHeight, radius) != 1)
      continue;
    c->Damage(p.fDamage, p.fAngle, p.iDamageType, p.iComboType, p.iBackstabEnable);
    // An enemy that dodged one of the heroine's own blows shows no spark and earns her nothing.
    // A body she threw is on her side too, but it is no blow of hers: it lands whatever the foe
    // does.
    if (dynamic_cast<const TProjectileMomo*>(&p) && c->iMode == MODE_DODGE) continue;
    c->CreateHitEffect(p.iType, p.x, p.y, p.xBBox, p.yBBox, p.BBoxWidth, p.BBoxHeight, radius);
    p.GetTargetID(c->iID);
    p.CreateHitEffect(c->xHitArea, c->yHitArea, c->HitAreaWidth, c->HitAreaHeight);
  }
}

}  // namespace

// ---- TProjectile --------------------------------------------------------------------------------

void TProjectile::Init(int id, float x_, float y_, float angle, int layer, int facing, int plane,
                       float damage, int comboType, int backstabEnable) {
  iStatus = PROJECTILE_ACTIVE;
  iFrame = 0;
  iDelayCounter = 0;
  iID = id;
  x = x_;
  y = y_;
  fAngle = angle;
  iLayer = layer;
  iFacing = facing;
  iPlane = plane;
  iComboType = comboType;
  iBackstabEnable = backstabEnable;
  InitCustom(damage);
}

void TProjectile::InitCustom(float) {}

void TProjectile::Move() {
  iDelayCounter = NextDelayCounter(iDelayCounter);
  MoveProjectile();
}

void TProjectile::MoveProjectile() {}

void TProjectile::Draw(int layer, int plane) {
  if (layer == iLayer && plane == iPlane) DrawProjectile();
}

void TProjectile::DrawProjectile() {}

void TProjectile::SetTarget() {}

void TProjectile::GetTargetID(int id) { iTargetID = id; }

void TProjectile::CreateHitEffect(float xHit, float yHit, float wHit, float hHit) {
  PlaySFX();
  CreateHitEffectCustom(xHit, yHit, wHit, hHit);
}

void TProjectile::CreateHitEffectCustom(float, float, float, float) {}

void TProjectile::PlaySFX() {}

void TProjectile::CreateEffect(int kind, float ex, float ey, float angle, int facing, int plane) {
  std::shared_ptr<TEffect> effect;
  switch (kind) {
    case EFFECT_KIND_RING:
      effect = std::make_shared<TEffectRing>();
      break;
    case EFFECT_KIND_SLASH:
      effect = std::make_shared<TEffectSlash>();
      break;
    case EFFECT_KIND_SPARK:
      effect = std::make_shared<TEffectNormal>();
      break;
    case EFFECT_KIND_EXPLOSION:
      effect = std::make_shared<TEffectExplosion>();
      break;
    default:
      return;
  }
  effect->Init(ex, ey, angle, 0, facing, plane);
  EffectList.push_back(effect);
}

// ---- TProjectileHandler -------------------------------------------------------------------------

int TProjectileHandler::SortType(const TProjectile& a, const TProjectile& b) {
  return a.iType - b.iType;
}

void TProjectileHandler::Move() {
  // Boxes first, then circles, then points; list::sort is stable, so equal shapes keep their
  // order of creation.
  ProjectileList.sort([](const std::shared_ptr<TProjectile>& a,
                         const std::shared_ptr<TProjectile>& b) { return SortType(*a, *b) > 0; });
  for (auto it = ProjectileList.begin(); it != ProjectileList.end();) {
    const std::shared_ptr<TProjectile> p = *it;
    if (p->iStatus != PROJECTILE_ACTIVE && p->iStatus != PROJECTILE_SPENT) {
      it = ProjectileList.erase(it);
      continue;
    }
    p->Move();
    // A box that ended its life while moving is not tested; the next pass drops it.
    if (p->iStatus == PROJECTILE_ACTIVE) HitCharacters(*p);
    ++it;
  }
}

void TProjectileHandler::Draw(int layer, int plane) {
  for (const std::shared_ptr<TProjectile>& p : ProjectileList) p->Draw(layer, plane);
}

void TProjectileHandler::Clear() { ProjectileList.clear(); }
