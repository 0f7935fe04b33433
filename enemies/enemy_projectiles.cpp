#include "enemies/enemy_projectiles.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "actors/character.h"
#include "platform/platform.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"

// How a box lives and moves.
enum class Pattern {
  Swing,        // in place; fades; ends with its animation
  Missile,      // flies along its facing, animation looping, for 150 frames
  Follow,       // rides on its owner while the owner is in `mode`
  RidingSlash,  // rides on its owner in the charge finisher, fading, animating
  SpiritCut,    // rides on its owner, fading, and ends with its animation
  ShortBlow,    // unseen; hits for its first 12 frames
};

// What a hit does to the box.
enum class OnHit {
  Spent,       // one victim, then it tells its owner the swing connected (if `combo`)
  Ends,        // gone at once
  Thrown,      // scores for the heroine, weakens by 10, flies on into the next foe
  SpiritWave,  // fades and weakens by 1 while above 1, flies on
};

struct EnemyBoxRow {
  int owner;                              // the kind that makes it
  int damageType;                         // the reaction asked of the victim (-1: 52 or 56)
  int xRight, xLeft, top, width, height;  // the box, for an owner facing right or left
  Pattern pattern;
  int frames, delay;  // its animation
  int mode;           // Follow: the owner's mode it rides in
  float speed;        // Missile
  const ImagePtr* picture;
  bool fades;
  const SoundPtr* created;  // nullptr: silent
  const SoundPtr* hit;
  OnHit onHit;
  bool combo;
  const char* effects;  // the effects made where it hits, in order: R ring, S slash, N spark
  int spread;           // degrees of scatter of the effects' angle
};

namespace {

constexpr int kRandomPush = -1;  // the skull pushes low or high at random

constexpr int kMissileLife = 150;
constexpr int kShortBlowFrames = 12;
constexpr float kFadePerFrame = 0.05f;
constexpr float kThrownDamageLoss = 10;
constexpr float kWaveFade = 0.125f;
constexpr float kWaveHitsWhileAlpha = 0.5f;

using P = Pattern;
using H = OnHit;

// clang-format off
//                                        owner damage box: right  left   top  width height pattern         frames delay mode speed picture                           fades  start sound          hit sound               on hit        combo  effects    spread
const EnemyBoxRow kSkull           {11, kRandomPush,       -25,   -25,   -25,   50,   50, P::Missile,     3, 5,   0,  18, &imgNecromancerSkullProjectile,   false, &sndNecromancerSkull2, &sndNecromancerSkullHit, H::Ends,     false, "RN",      25};
const EnemyBoxRow kNecromancerThrown{11, 49,                 0,   -90,   -70,   90,   60, P::Follow,      0, 0,  65,   0, nullptr,                           false, nullptr,               &sndHitHi2,             H::Thrown,   false, "RN",      45};
const EnemyBoxRow kNecromancer1    {11, 51,                  0,  -150,  -240,  150,  160, P::Swing,       3, 7,   0,   0, &imgNecromancerAttack1Effect,     true,  &sndSwing3,            &sndHitMed,             H::Spent,    true,  "RN",      25};
const EnemyBoxRow kNecromancer2    {11, 52,                  0,  -155,  -240,  155,  160, P::Swing,       3, 7,   0,   0, &imgNecromancerAttack2Effect,     true,  &sndSwing4,            &sndHitHi2,             H::Spent,    true,  "RN",      25};
const EnemyBoxRow kTemplar1        {10, 51,                  0,  -165,  -220,  165,  140, P::Swing,       3, 7,   0,   0, &imgTemplarAttack1Effect,         true,  &sndSwing3,            &sndHitHi2,             H::Spent,    true,  "RN",      25};
const EnemyBoxRow kTemplar2        {10, 50,                  0,  -180,  -200,  180,  100, P::Swing,       4, 7,   0,   0, &imgTemplarAttack2Effect,         true,  &sndSwing2,            &sndHitMed,             H::Spent,    true,  "RN",      25};
const EnemyBoxRow kTemplar3        {10, 53,                  0,  -165,  -220,  165,  140, P::Swing,       3, 7,   0,   0, &imgTemplarAttack1Effect,         true,  &sndSwing4,            &sndHitHi1,             H::Spent,    true,  "RN",      25};
const EnemyBoxRow kTemplar4        {10, 53,                  0,  -185,  -230,  185,  170, P::Swing,       3, 8,   0,   0, &imgTemplarAttack3Effect,         true,  &sndSwing4,            &sndHitHi1,             H::Spent,    true,  "RN",      25};
const EnemyBoxRow kTemplarDash     {10, 53,                  0,  -110,  -180,  110,  120, P::Follow,      0, 0, 159,   0, nullptr,                           false, nullptr,               &sndHitHi2,             H::Ends,     false, "RN",      45};
const EnemyBoxRow kRaiderDash      {15, 53,                  0,  -225,  -190,  225,  120, P::Follow,      0, 0, 159,   0, nullptr,                           false, nullptr,               &sndHitHi3,             H::Ends,     false, "RN",      45};
const EnemyBoxRow kRaider1         {15, 53,                  0,  -255,  -310,  255,  240, P::Swing,       4, 6,   0,   0, &imgRaiderAttack3Effect,          true,  &sndTVSwingSword3,     &sndSlashHeavy3,        H::Spent,    false, "RN",      25};
const EnemyBoxRow kExecutioner1    {12, 50,                  0,  -185,  -220,  185,  120, P::Swing,       4, 6,   0,   0, &imgExecutionerAttack1Effect,     true,  &sndSwing1,            &sndHitLow1,            H::Spent,    true,  "RSN",     25};
const EnemyBoxRow kExecutioner2    {12, 51,                  0,  -185,  -170,  185,  100, P::Swing,       4, 6,   0,   0, &imgExecutionerAttack2Effect,     true,  &sndTVSwingSword1,     &sndHitLow2,            H::Spent,    true,  "RSN",     25};
const EnemyBoxRow kExecutioner3    {12, 53,                  0,  -185,  -240,  185,  160, P::Swing,       4, 6,   0,   0, &imgExecutionerAttack3Effect,     true,  &sndTVSwingSword2,     &sndSlashHeavy2,        H::Spent,    true,  "RSN",     25};
const EnemyBoxRow kExecutionerDash {12, 53,                  0,  -185,  -240,  185,  160, P::RidingSlash, 4, 5, 159,   0, &imgExecutionerAttack3Effect,     true,  &sndTVSwingSword2,     &sndSlashHeavy3,        H::Spent,    true,  "RSN",     25};
const EnemyBoxRow kSpearman1       {13, 52,                  0,  -195,  -120,  195,   30, P::Swing,       4, 6,   0,   0, nullptr,                           false, &sndSwing1,            &sndHitLow1,            H::Spent,    true,  "RN",      25};
const EnemyBoxRow kSpearmanDash    {13, 52,                  0,  -195,  -120,  195,   30, P::RidingSlash, 0, 0, 159,   0, nullptr,                           false, &sndSwing1,            &sndHitLow2,            H::Spent,    false, "RSN",     25};
const EnemyBoxRow kSaberman1       {16, 52,                  0,  -165,  -210,  165,  140, P::Swing,       3, 6,   0,   0, &imgSabermanAttack1Effect,        true,  &sndSwing1,            &sndHitLow2,            H::Spent,    true,  "RNS",     25};
const EnemyBoxRow kSpiritSlasher   {50, 53,                -50,   -50,  -225,  100,  200, P::Missile,     3, 3,   0,  19, &imgDarkKnightSpiritSlasher,      true,  &sndNecromancerSkull,  &sndSlash3,             H::SpiritWave, false, "RSN",     25};
const EnemyBoxRow kDarkKnight1     {50, 56,                 40,  -340,  -160,  300,   30, P::ShortBlow,   0, 0,   0,   0, nullptr,                           false, &sndSwing3,            &sndHitLow1,            H::Spent,    true,  "RSN",     25};
const EnemyBoxRow kDarkKnight2     {50, 52,                 40,  -350,  -140,  310,   30, P::ShortBlow,   0, 0,   0,   0, nullptr,                           false, &sndSwing4,            &sndHitLow2,            H::Spent,    true,  "RSN",     25};
const EnemyBoxRow kSpiritCut       {50, 53,                 40,  -300,  -260,  260,  235, P::SpiritCut,   4, 6,   0,   0, &imgDarkKnightSpiritCutEffect,    true,  &sndTVSwingSword2,     &sndSlashHeavy2,        H::Spent,    false, "RN",      25};
// clang-format on

// The thrown family differs only in its owner.
EnemyBoxRow ThrownOf(int owner) {
  EnemyBoxRow row = kNecromancerThrown;
  row.owner = owner;
  return row;
}
const EnemyBoxRow kTemplarThrown = ThrownOf(TYPE_TEMPLAR);
const EnemyBoxRow kExecutionerThrown = ThrownOf(TYPE_EXECUTIONER);
const EnemyBoxRow kSpearmanThrown = ThrownOf(TYPE_SPEARMAN);
const EnemyBoxRow kSabermanThrown = ThrownOf(TYPE_SABERMAN);
const EnemyBoxRow kDarkKnightThrown = ThrownOf(TYPE_DARK_KNIGHT);

// The enemy that made a box: its id and its kind.
TCharacter* Owner(const TProjectile& box, int type) {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iID == box.iID && c->iType == type) return c.get();
  }
  return nullptr;
}

}  // namespace

const EnemyBoxRow& TProjectileNecromancerSkull::Row() const { return kSkull; }
const EnemyBoxRow& TProjectileNecromancerThrown::Row() const { return kNecromancerThrown; }
const EnemyBoxRow& TProjectileTemplarThrown::Row() const { return kTemplarThrown; }
const EnemyBoxRow& TProjectileExecutionerThrown::Row() const { return kExecutionerThrown; }
const EnemyBoxRow& TProjectileSpearmanThrown::Row() const { return kSpearmanThrown; }
const EnemyBoxRow& TProjectileSabermanThrown::Row() const { return kSabermanThrown; }
const EnemyBoxRow& TProjectileDarkKnightThrown::Row() const { return kDarkKnightThrown; }
const EnemyBoxRow& TProjectileNecromancerAttack1::Row() const { return kNecromancer1; }
const EnemyBoxRow& TProjectileNecromancerAttack2::Row() const { return kNecromancer2; }
const EnemyBoxRow& TProjectileTemplarAttack1::Row() const { return kTemplar1; }
const EnemyBoxRow& TProjectileTemplarAttack2::Row() const { return kTemplar2; }
const EnemyBoxRow& TProjectileTemplarAttack3::Row() const { return kTemplar3; }
const EnemyBoxRow& TProjectileTemplarAttack4::Row() const { return kTemplar4; }
const EnemyBoxRow& TProjectileRaiderAttack1::Row() const { return kRaider1; }
const EnemyBoxRow& TProjectileExecutionerAttack1::Row() const { return kExecutioner1; }
const EnemyBoxRow& TProjectileExecutionerAttack2::Row() const { return kExecutioner2; }
const EnemyBoxRow& TProjectileExecutionerAttack3::Row() const { return kExecutioner3; }
const EnemyBoxRow& TProjectileExecutionerDash::Row() const { return kExecutionerDash; }
const EnemyBoxRow& TProjectileSpearmanDash::Row() const { return kSpearmanDash; }
const EnemyBoxRow& TProjectileSpearmanAttack1::Row() const { return kSpearman1; }
const EnemyBoxRow& TProjectileSabermanAttack1::Row() const { return kSaberman1; }
const EnemyBoxRow& TProjectileDarkKnightSpiritCut::Row() const { return kSpiritCut; }
const EnemyBoxRow& TProjectileTemplarDash::Row() const { return kTemplarDash; }
const EnemyBoxRow& TProjectileRaiderDash::Row() const { return kRaiderDash; }
const EnemyBoxRow& TProjectileDarkKnightSpiritSlasher::Row() const { return kSpiritSlasher; }
const EnemyBoxRow& TProjectileDarkKnightAttack1::Row() const { return kDarkKnight1; }
const EnemyBoxRow& TProjectileDarkKnightAttack2::Row() const { return kDarkKnight2; }

void TEnemyBox::InitCustom(float damage) {
  const EnemyBoxRow& row = Row();
  iType = HIT_BOX;
  const bool thrown = row.onHit == OnHit::Thrown;
  iAffiliation = thrown ? SIDE_HEROINE : SIDE_ENEMY;  // a thrown body hurts the enemies
  fDamage = thrown ? damage / 2 : damage;
  iDamageType = row.damageType == kRandomPush
                    ? (Rand(0, 1) == 0 ? MODE_PUSHED_LOW : MODE_PUSHED_HIGH)
                    : row.damageType;
  xBBox = iFacing == FACING_LEFT ? row.xLeft : row.xRight;
  yBBox = row.top;
  BBoxWidth = row.width;
  BBoxHeight = row.height;
  if (row.fades) fAlpha = 1;
  fSpeed = row.speed;
  if (row.created) PlaySound(*row.created);
}

float TEnemyBox::Animation1Way(int frames, int delay) {
  return StepAnimation1Way(iFrame, iDelayCounter, frames, delay);
}

void TEnemyBox::Animation1WayLoop(int frames, int delay) {
  StepAnimation1WayLoop(iFrame, iDelayCounter, frames, delay);
}

void TEnemyBox::MoveProjectile() {
  const EnemyBoxRow& row = Row();
  const auto fade = [this] {
    if (fAlpha > 0) fAlpha -= kFadePerFrame;
  };
  switch (row.pattern) {
    case Pattern::Swing:
      fade();
      if (Animation1Way(row.frames, row.delay) == 1) iStatus = PROJECTILE_FINISHED;
      break;
    case Pattern::Missile:
      Animation1WayLoop(row.frames, row.delay);
      x += iFacing == FACING_RIGHT ? fSpeed : -fSpeed;
      // The spirit wave hits only while it is still bright; faded or not, it ends on time.
      if (row.onHit == OnHit::SpiritWave && fAlpha < kWaveHitsWhileAlpha) {
        iStatus = PROJECTILE_SPENT;
      }
      if (iDelayCounter == kMissileLife) iStatus = PROJECTILE_FINISHED;
      break;
    case Pattern::Follow:
      if (const TCharacter* owner = Owner(*this, row.owner)) {
        if (owner->iMode == row.mode) {
          x = owner->x;
          y = owner->y;
        } else {
          iStatus = PROJECTILE_FINISHED;
        }
      }
      break;
    case Pattern::RidingSlash: {
      const TCharacter* owner = Owner(*this, row.owner);
      fade();
      if (owner) {
        x = owner->x;
        y = owner->y;
      }
      // The executioner's slash ends with its picture; the spear thrust lasts the whole lunge.
      const bool animationOver = row.frames > 0 && Animation1Way(row.frames, row.delay) == 1;
      if (animationOver || !owner || owner->iMode != row.mode) iStatus = PROJECTILE_FINISHED;
      break;
    }
    case Pattern::SpiritCut:
      fade();
      if (Animation1Way(row.frames, row.delay) == 1) {
        iStatus = PROJECTILE_FINISHED;
      } else if (const TCharacter* owner = Owner(*this, row.owner)) {
        x = owner->x;
        y = owner->y;
      }
      break;
    case Pattern::ShortBlow:
      if (iDelayCounter > kShortBlowFrames) iStatus = PROJECTILE_FINISHED;
      break;
  }
}

void TEnemyBox::DrawProjectile() {
  const EnemyBoxRow& row = Row();
  if (!row.picture || !*row.picture) return;
  SetScale(FacingScale(iFacing), 1);
  if (row.fades) SetAlpha(std::max(fAlpha, 0.0f));
  DrawImage(*row.picture, x, y, iFrame);
  SetAlpha(1);
  SetScale(1, 1);
}

void TEnemyBox::PlaySFX() { PlaySound(*Row().hit); }

void TEnemyBox::SetEnableCombo() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iType == Row().owner && c->iID == iID) c->bComboEnable = 1;
  }
}

void TEnemyBox::CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit) {
  const EnemyBoxRow& row = Row();
  switch (row.onHit) {
    case OnHit::Spent:
      iStatus = PROJECTILE_SPENT;  // one victim a swing
      if (row.combo) SetEnableCombo();
      break;
    case OnHit::Ends:
      iStatus = PROJECTILE_FINISHED;
      break;
    case OnHit::Thrown:
      // The heroine scores for the body she threw, and it hits the next foe a little softer.
      if (TCharacter* heroine = FindHeroine()) heroine->fScore += std::ceil(fDamage / 2) * 10;
      fDamage = std::max(fDamage - kThrownDamageLoss, 1.0f);
      break;
    case OnHit::SpiritWave:
      break;
  }
  const float ex = static_cast<float>(Rand(static_cast<int>(xHit), static_cast<int>(xHit + wHit)));
  const float ey = static_cast<float>(Rand(static_cast<int>(yHit), static_cast<int>(yHit + hHit)));
  const float angle = fAngle + static_cast<float>(Rand(-row.spread, row.spread));
  for (const char* e = row.effects; *e; ++e) {
    const int kind = *e == 'R'   ? EFFECT_KIND_RING
                     : *e == 'S' ? EFFECT_KIND_SLASH
                                 : EFFECT_KIND_SPARK;
    CreateEffect(kind, ex, ey, angle, iFacing, iPlane);
  }
  if (row.onHit == OnHit::SpiritWave && fDamage > 1) {
    fAlpha -= kWaveFade;
    fDamage -= 1;
  }
}
