#include "heroine/momo_projectiles.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "actors/character.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "heroine/momo_modes.h"
#include "platform/platform.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"

// Where a box lives: where it was made, on the heroine in every mode, or on her only while she is
// in the mode that made it (any other value).
constexpr int kInPlace = -1;
constexpr int kOnHer = -2;

constexpr int kRing = 1 << EFFECT_KIND_RING;
constexpr int kSlash = 1 << EFFECT_KIND_SLASH;
constexpr int kSpark = 1 << EFFECT_KIND_SPARK;

struct MomoBoxRow {
  int damageType;                         // the reaction asked of the victim
  int xRight, xLeft, width, top, height;  // the box, for a heroine facing right or left
  float score;                            // multiplier of the score per hit
  const SoundPtr* created;                // played when the box appears; nullptr for none
  const SoundPtr* hit;
  const ImagePtr* sprite;  // nullptr: not drawn
  bool fades;              // its picture fades by 0.04 a frame
  int place;               // kInPlace, kOnHer or the heroine's mode it is bound to
  int liveUntil;           // frame from which it hits no more; 0: its whole life
  int endsAt;              // frame on which it is gone; 0: when its animation or mode ends
  int frames, delay;       // its animation, which ends its life; 0 frames: no animation
  int effects;             // effect kinds made where it hits
  bool refund;             // a hit gives her a fifth of the damage as mana
  bool spentOnHit;         // one hit and it hits no more
};

namespace {

// clang-format off
const MomoBoxRow kAttack1           {MODE_HIT_LOW,     40,   -150, 110, -120, 60,  10, &sndTVSwingSword1,    &sndSlash1,              &imgMomoAttack1Effect,     true,  kInPlace,            3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kAttack2           {MODE_HIT_HIGH,    40,   -170, 130, -160, 115, 10, &sndTVSwingSword2,    &sndSlash2,              &imgMomoAttack2Effect,     true,  kInPlace,            3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kAttack3           {MODE_HIT_LOW,     20,   -170, 150, -160, 70,  10, &sndTVSwingSword3,    &sndSlash1,              &imgMomoAttack3Effect,     true,  kInPlace,            3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kAttack4           {MODE_KNOCKDOWN,   20,   -170, 150, -180, 175, 20, &sndTVSwingSword1,    &sndSlash3,              &imgMomoAttack4Effect,     true,  kInPlace,            3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kJumpAttack1       {MODE_HIT_HIGH,    40,   -160, 120, -120, 60,  10, &sndTVSwingSword1,    &sndSlash1,              &imgMomoAttack1Effect,     true,  MOMO_JUMP_ATTACK1,   3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kJumpAttack2       {MODE_HIT_HIGH,    40,   -170, 130, -160, 150, 10, &sndTVSwingSword2,    &sndSlash2,              &imgMomoAttack2Effect,     true,  MOMO_JUMP_ATTACK2,   3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kJumpAttack3       {MODE_HIT_HIGH,    20,   -170, 150, -160, 80,  10, &sndTVSwingSword3,    &sndSlash1,              &imgMomoAttack3Effect,     true,  MOMO_JUMP_ATTACK3,   3, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kDashAttack        {MODE_PUSHED_LOW,  40,   -200, 160, -115, 60,  10, &sndTVSwingSword1,    &sndSlash1,              &imgMomoDashAttackEffect,  true,  MOMO_DASH_ATTACK,    6, 0,  4, 3, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kUpAttack          {MODE_KNOCKUP,     0,    -110, 110, -240, 200, 20, &sndTVSwingSword2,    &sndSlash3,              &imgMomoUpAttackEffect,    true,  MOMO_UP_ATTACK,      8, 0,  4, 4, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kMoonBlade         {MODE_PUSHED_HIGH, 40,   -105, 65,  -130, 30,  20, &sndMoonSlasher,      &sndSlash3,              &imgMomoMoonSlasherEffect, true,  kOnHer,              4, 0,  4, 4, kRing | kSpark,          true,  false};
const MomoBoxRow kEruption          {MODE_KNOCKDOWN,   85,   -210, 125, -260, 260, 30, &sndExplosion1,       &sndHitHi2,              &imgMomoEruptionEffect,    false, kInPlace,            0, 0,  6, 4, kRing | kSlash | kSpark, false, true };
const MomoBoxRow kJumpKick          {MODE_KNOCKDOWN,   0,    -90,  90,  -70,  60,  20, nullptr,              &sndHitMed,              nullptr,                   false, MOMO_JUMP_KICK,      0, 0,  0, 0, kRing | kSpark,          true,  false};
const MomoBoxRow kDive              {MODE_PUSHED_LOW,  -80,  -80,  160, -160, 160, 10, nullptr,              &sndHitMed,              nullptr,                   false, MOMO_DIVE,           0, 0,  0, 0, kRing | kSpark,          true,  false};
const MomoBoxRow kStrikeThrough     {MODE_HIT_LOW,     -80,  -80,  160, -160, 160, 30, nullptr,              &sndHitMed,              nullptr,                   false, MOMO_STRIKE_THROUGH, 0, 0,  0, 0, kRing | kSlash | kSpark, false, true };
const MomoBoxRow kMoonWave          {MODE_PUSHED_HIGH, 0,    -60,  60,  -20,  40,  10, nullptr,              &sndSlash1,              &imgMoonSlasher,           true,  kInPlace,            0, 0,  0, 0, kRing | kSlash | kSpark, false, false};
const MomoBoxRow kDraconAttack1     {MODE_PUSHED_LOW,  40,   -240, 200, -120, 60,  10, &sndTVSwingSword1,    &sndSlashHeavy3,         nullptr,                   false, kInPlace,            0, 12, 0, 0, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kDraconAttack2     {MODE_KNOCKUP,     40,   -240, 200, -230, 120, 10, &sndTVSwingSword3,    &sndHitHi2,              nullptr,                   false, kOnHer,              0, 18, 0, 0, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kDraconJumpAttack1 {MODE_KNOCKDOWN,   20,   -210, 190, -150, 90,  10, &sndTVSwingSword2,    &sndSlashHeavy3,         nullptr,                   false, DRACON_AIR_STRIKE,   0, 12, 0, 0, kRing | kSlash | kSpark, true,  true };
const MomoBoxRow kDraconDash        {MODE_KNOCKDOWN,   0,    -190, 190, -190, 120, 10, nullptr,              &sndHitHi3,              nullptr,                   false, DRACON_CHARGE,       0, 0,  0, 0, kRing | kSpark,          true,  false};
const MomoBoxRow kDraconBreath      {MODE_KNOCKDOWN,   -25,  -25,  50,  -25,  50,  20, &sndNecromancerSkull, &sndNecromancerSkullHit, &imgEffectPurpleSphere,    false, kInPlace,            0, 0,  0, 0, 0,                       false, false};
const MomoBoxRow kSphere            {MODE_HIT_LOW,     -100, -100, 200, -100, 200, 30, &sndMoonSphere,       &sndHitHi1,              &imgEffectGreenSphere,     false, kInPlace,            0, 0,  0, 0, kRing | kSpark,          false, false};
// clang-format on

constexpr float kFadePerFrame = 0.04f;
constexpr float kWaveSpeed = 22;
constexpr int kWaveStaggersFrom = 24;  // the wave pushes at first, then only staggers
constexpr float kWaveFade = 0.125f;    // per frame once it staggers, and per foe it cuts
constexpr float kWaveDamageLoss = 2;   // per foe it cuts
constexpr int kSphereShrinksFrom = 56;
constexpr int kSphereEndsAt = 60;
constexpr int kSphereKnocksDownFrom = 52;

// Shape, side, reaction, box, score and creation sound, from the box's row.
void SetUpBox(TProjectileMomo& p, const MomoBoxRow& row, float damage) {
  p.iType = HIT_BOX;
  p.iAffiliation = SIDE_HEROINE;
  p.fDamage = damage;
  p.iDamageType = row.damageType;
  p.xBBox = p.iFacing == FACING_LEFT ? row.xLeft : row.xRight;
  p.BBoxWidth = row.width;
  p.yBBox = row.top;
  p.BBoxHeight = row.height;
  if (row.created) PlaySound(*row.created);
  p.CountScore(row.score);
}

// A hit: mana back if the box gives it, its effects at a random point of the overlap, and spent
// if one hit is all it has.
void HitEffects(TProjectileMomo& p, const MomoBoxRow& row, float xHit, float yHit, float wHit,
                float hHit) {
  if (row.refund) p.MPFill();
  const float px = static_cast<float>(Rand(static_cast<int>(xHit), static_cast<int>(xHit + wHit)));
  const float py = static_cast<float>(Rand(static_cast<int>(yHit), static_cast<int>(yHit + hHit)));
  const float angle = p.fAngle + static_cast<float>(Rand(-45, 45));
  for (int kind = EFFECT_KIND_RING; kind <= EFFECT_KIND_EXPLOSION; ++kind) {
    if (row.effects & (1 << kind)) p.CreateEffect(kind, px, py, angle, p.iFacing, p.iPlane);
  }
  if (row.spentOnHit) p.iStatus = PROJECTILE_SPENT;
}

// Rides on the heroine; a box bound to a mode ends the moment she leaves it.
void Follow(TProjectile& p, int place) {
  const TCharacter* heroine = FindHeroine();
  if (!heroine) {
    p.iStatus = PROJECTILE_FINISHED;
    return;
  }
  if (place >= 0 && heroine->iMode != place) p.iStatus = PROJECTILE_FINISHED;
  p.x = heroine->x;
  p.y = heroine->y;
}

}  // namespace

// ---- The slashes --------------------------------------------------------------------------------

const MomoBoxRow& TProjectileMomoAttack1::Row() const { return kAttack1; }
const MomoBoxRow& TProjectileMomoAttack2::Row() const { return kAttack2; }
const MomoBoxRow& TProjectileMomoAttack3::Row() const { return kAttack3; }
const MomoBoxRow& TProjectileMomoAttack4::Row() const { return kAttack4; }
const MomoBoxRow& TProjectileMoonSlasher_A::Row() const { return kMoonBlade; }
const MomoBoxRow& TProjectileMomoEruption::Row() const { return kEruption; }
const MomoBoxRow& TProjectileMomoJumpAttack1::Row() const { return kJumpAttack1; }
const MomoBoxRow& TProjectileMomoJumpAttack2::Row() const { return kJumpAttack2; }
const MomoBoxRow& TProjectileMomoJumpAttack3::Row() const { return kJumpAttack3; }
const MomoBoxRow& TProjectileMomoDashAttack::Row() const { return kDashAttack; }
const MomoBoxRow& TProjectileMomoUpAttack::Row() const { return kUpAttack; }
const MomoBoxRow& TProjectileMomoDraconAttack1::Row() const { return kDraconAttack1; }
const MomoBoxRow& TProjectileMomoDraconAttack2::Row() const { return kDraconAttack2; }
const MomoBoxRow& TProjectileMomoDraconJumpAttack1::Row() const { return kDraconJumpAttack1; }

void TProjectileMomoAttack1::InitCustom(float damage) {
  fAlpha = 1;
  SetUpBox(*this, Row(), damage);
}

void TProjectileMomoAttack1::FollowHeroine() {
  if (Row().place != kInPlace) Follow(*this, Row().place);
}

void TProjectileMomoAttack1::MoveProjectile() {
  const MomoBoxRow& row = Row();
  FollowHeroine();
  if (row.fades && fAlpha > 0) fAlpha -= kFadePerFrame;
  if (Animation1Way(row.frames, row.delay) == 1) iStatus = PROJECTILE_FINISHED;
  if (row.liveUntil != 0 && iDelayCounter == row.liveUntil) iStatus = PROJECTILE_SPENT;
  if (row.endsAt != 0 && iDelayCounter == row.endsAt) iStatus = PROJECTILE_FINISHED;
}

float TProjectileMomoAttack1::Animation1Way(int frames, int delay) {
  return StepAnimation1Way(iFrame, iDelayCounter, frames, delay);
}

void TProjectileMomoAttack1::DrawProjectile() {
  const MomoBoxRow& row = Row();
  if (!row.sprite || !*row.sprite) return;
  SetScale(FacingScale(iFacing), 1);
  SetAlpha(std::max(fAlpha, 0.0f));
  DrawImage(*row.sprite, x, y, iFrame);
  SetAlpha(1);
  SetScale(1, 1);
}

void TProjectileMomoAttack1::PlaySFX() { PlaySound(*Row().hit); }

void TProjectileMomoAttack1::CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) {
  HitEffects(*this, Row(), xHit, yHit, wHit, hHit);
}

// ---- The unseen boxes that ride with her --------------------------------------------------------

const MomoBoxRow& TProjectileMomoJumpKick::Row() const { return kJumpKick; }
const MomoBoxRow& TProjectileMomoStrikeThrough::Row() const { return kStrikeThrough; }
const MomoBoxRow& TProjectileMomoJumpAttack4::Row() const { return kDive; }

void TProjectileMomoJumpKick::InitCustom(float damage) { SetUpBox(*this, Row(), damage); }

void TProjectileMomoJumpKick::MoveProjectile() { Follow(*this, Row().place); }

void TProjectileMomoJumpKick::PlaySFX() { PlaySound(*Row().hit); }

void TProjectileMomoJumpKick::CreateHitEffectCustom(float xHit, float yHit, float wHit,
                                                    float hHit) {
  HitEffects(*this, Row(), xHit, yHit, wHit, hHit);
}

void TProjectileMomoStrikeThrough::MoveProjectile() {
  TProjectileMomoJumpKick::MoveProjectile();
  const TCharacter* heroine = FindHeroine();
  if (iStatus == PROJECTILE_ACTIVE && heroine && heroine->iFrame >= 2) iStatus = PROJECTILE_SPENT;
}

// ---- The moon slasher's wave --------------------------------------------------------------------

void TProjectileMoonSlasher_B::InitCustom(float damage) {
  fAlpha = 1;
  fScale = 1;
  fSpeed = kWaveSpeed;
  SetUpBox(*this, kMoonWave, damage);
}

void TProjectileMoonSlasher_B::MoveProjectile() {
  x += static_cast<float>(Cos(fAngle)) * fSpeed;
  y += static_cast<float>(Sin(fAngle)) * fSpeed;
  if (iDelayCounter == kWaveStaggersFrom) iDamageType = MODE_HIT_HIGH;
  if (iDelayCounter > kWaveStaggersFrom) fAlpha -= kWaveFade;
  if (fAlpha <= 0) iStatus = PROJECTILE_FINISHED;
}

void TProjectileMoonSlasher_B::DrawProjectile() {
  if (!imgMoonSlasher) return;
  SetScale(FacingScale(iFacing) * fScale, fScale);
  SetAlpha(std::max(fAlpha, 0.0f));
  DrawImage(imgMoonSlasher, x, y, iFrame);
  SetAlpha(1);
  SetScale(1, 1);
}

void TProjectileMoonSlasher_B::PlaySFX() { PlaySound(*kMoonWave.hit); }

void TProjectileMoonSlasher_B::CreateHitEffectCustom(float xHit, float yHit, float wHit,
                                                     float hHit) {
  HitEffects(*this, kMoonWave, xHit, yHit, wHit, hHit);
  // Each foe it cuts through weakens it and fades it a little.
  if (fAlpha > 0) fAlpha -= kWaveFade;
  fDamage = std::max(fDamage - kWaveDamageLoss, 1.0f);
}

// ---- The psychic sphere -------------------------------------------------------------------------

void TProjectilePsychoSphere::InitCustom(float damage) {
  fScale = 0.25f;
  SetUpBox(*this, kSphere, damage);
}

void TProjectilePsychoSphere::MoveProjectile() {
  TCharacter* heroine = FindHeroine();
  if (heroine)
    fDamage = heroine->CountMagicalDamage(momo::kAttackSphere);  // every frame a new roll
  const bool casting =
      heroine && (heroine->iMode == MOMO_SPHERE_CAST || heroine->iMode == MOMO_SPHERE_RISE ||
                  heroine->iMode == MOMO_AIR_SPHERE);
  if (!casting) {
    // She was interrupted: the sphere collapses at once and hits nothing more.
    fScale = std::max(fScale - 0.25f, 0.0f);
    iStatus = PROJECTILE_SPENT;
    return;
  }
  if (iDelayCounter < kSphereShrinksFrom) {
    if (fScale < 1) {
      fScale += 0.25f;
    } else if (fScale < 1.25f) {
      fScale += 0.075f;
      iDamageType = iDelayCounter % 2 == 0 ? MODE_HIT_LOW : MODE_HIT_HIGH;
    } else {
      fScale = 1;  // and it swells again: a pulse
    }
    if (iDelayCounter >= kSphereKnocksDownFrom) iDamageType = MODE_KNOCKDOWN;
  } else if (iDelayCounter < kSphereEndsAt) {
    fScale = std::max(fScale - 0.25f, 0.0f);
    if (iDelayCounter == kSphereShrinksFrom) iStatus = PROJECTILE_SPENT;
  } else {
    iStatus = PROJECTILE_FINISHED;
  }
}

void TProjectilePsychoSphere::DrawProjectile() {
  if (!imgEffectGreenSphere) return;
  SetScale(fScale, fScale);
  DrawImage(imgEffectGreenSphere, x, y, iFrame);
  SetScale(1, 1);
}

void TProjectilePsychoSphere::PlaySFX() { PlaySound(*kSphere.hit); }

void TProjectilePsychoSphere::CreateHitEffectCustom(float xHit, float yHit, float wHit,
                                                    float hHit) {
  HitEffects(*this, kSphere, xHit, yHit, wHit, hHit);
}

// ---- The dragon's charge and breath -------------------------------------------------------------

namespace {
constexpr int kDashHits = 3;        // a charge hits at most three times
constexpr int kDashRearmEvery = 8;  // and at most once in eight frames
constexpr float kDashWeakening = 3;
constexpr float kBreathSpeed = 16;
constexpr int kBreathLife = 150;
}  // namespace

void TProjectileMomoDraconDash::InitCustom(float damage) {
  SetUpBox(*this, kDraconDash, damage);
  iMaxHitCounter = kDashHits;
}

void TProjectileMomoDraconDash::MoveProjectile() {
  const TCharacter* heroine = FindHeroine();
  if (!heroine || heroine->iMode != kDraconDash.place) {
    iStatus = PROJECTILE_FINISHED;
    return;
  }
  x = heroine->x;
  y = heroine->y;
  if (iDelayCounter % kDashRearmEvery == 0 && iMaxHitCounter > 0) iStatus = PROJECTILE_ACTIVE;
}

void TProjectileMomoDraconDash::PlaySFX() { PlaySound(*kDraconDash.hit); }

void TProjectileMomoDraconDash::CreateHitEffectCustom(float xHit, float yHit, float wHit,
                                                      float hHit) {
  HitEffects(*this, kDraconDash, xHit, yHit, wHit, hHit);
  iStatus = PROJECTILE_SPENT;
  if (fDamage > kDashWeakening) fDamage -= kDashWeakening;
  if (--iMaxHitCounter < 1) iStatus = PROJECTILE_FINISHED;
}

void TProjectileDraconBreath::InitCustom(float damage) {
  SetUpBox(*this, kDraconBreath, damage);
  fSpeed = kBreathSpeed;
}

void TProjectileDraconBreath::MoveProjectile() {
  x += static_cast<float>(Cos(fAngle)) * fSpeed;
  y += static_cast<float>(Sin(fAngle)) * fSpeed;
  const bool belowItsGround =
      iPlane >= 0 && iPlane < static_cast<int>(fPlaneY.size()) && y > fPlaneY[iPlane];
  if (iDelayCounter == kBreathLife || belowItsGround) CreateExplosion();
  if (iDelayCounter % 2 == 0) {
    auto trail = std::make_shared<TEffectDragonBreath>();
    trail->Init(x, y, fAngle, 1, iFacing, iPlane);
    trail->iFrame = iFrame;
    EffectList.push_back(trail);
  }
}

void TProjectileDraconBreath::CreateExplosion() {
  iStatus = PROJECTILE_FINISHED;
  CreateEffect(EFFECT_KIND_EXPLOSION, x, y, fAngle + static_cast<float>(Rand(-25, 25)), iFacing,
               iPlane);
}

void TProjectileDraconBreath::PlaySFX() { PlaySound(*kDraconBreath.hit); }

void TProjectileDraconBreath::CreateHitEffectCustom(float, float, float, float) {
  CreateExplosion();
}

void TProjectileDraconBreath::DrawProjectile() {
  if (!imgEffectPurpleSphere) return;
  // It pulses: three sizes in turn.
  const float scale = iDelayCounter % 3 == 0 ? 0.36f : iDelayCounter % 2 == 0 ? 0.32f : 0.28f;
  SetScale(scale, scale);
  DrawImage(imgEffectPurpleSphere, x, y, iFrame);
  SetScale(1, 1);
}
