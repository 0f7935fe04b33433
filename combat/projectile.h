#pragma once
// Hit boxes. Every attack is carried by a TProjectile in ProjectileList: a point, a circle or a
// box with the damage to deal, the reaction it asks of the victim and the id of who dealt it.
// The handler moves them once a frame, tests the live ones against the characters of the other
// side on the same plane, applies the hits and drops the finished ones.

#include <cstdint>

// iStatus of a hit box.
constexpr int PROJECTILE_FINISHED = 0;  // any value but 1 and 3 counts as finished
constexpr int PROJECTILE_ACTIVE = 1;    // moves, draws and hits
constexpr int PROJECTILE_SPENT = 3;     // moves and draws, never hits again

// Kinds of hit effect a box may create.
constexpr int EFFECT_KIND_RING = 0;
constexpr int EFFECT_KIND_SLASH = 1;
constexpr int EFFECT_KIND_SPARK = 2;
constexpr int EFFECT_KIND_EXPLOSION = 3;

class TProjectile {
 public:
  virtual ~TProjectile() = default;

  int32_t iStatus = 0;
  int32_t iType = 0;         // shape: 0 point, 1 circle, 2 box
  int32_t iAffiliation = 0;  // 0 hits the enemies, anything else hits the heroine's side
  int32_t iID = 0;           // id of the character that made it
  int32_t iTargetID = 0;     // id of the last character it hit
  float fDamage = 0;
  int32_t iDamageType = 0;  // the reaction mode asked of the victim
  float x = 0;
  float y = 0;
  float fAngle = 0;  // knockback direction, and direction of travel of moving boxes
  float fRadius = 0;
  int32_t iLayer = 0;  // 0 in front of the characters of its plane, 1 behind
  int32_t iPlane = 0;
  int32_t iFacing = 0;
  int32_t xBBox = 0;  // box corner relative to (x, y); mirrored by the corner, never by the width
  int32_t yBBox = 0;
  int32_t BBoxWidth = 0;
  int32_t BBoxHeight = 0;
  int32_t iDelayCounter = 0;  // frames since creation; wraps from 1200 to 1
  int32_t iFrame = 0;
  int32_t iComboType = 0;       // 1 when the attacker's roll was critical
  int32_t iBackstabEnable = 0;  // 1 when the attack may backstab

  // The radius a circle tests with: whole pixels, the fraction dropped.
  int HitRadius() const { return static_cast<int>(fRadius); }

  virtual void Init(int id, float x_, float y_, float angle, int layer, int facing, int plane,
                    float damage, int comboType, int backstabEnable);
  // Stores the damage and sets shape, side, reaction, box, score and swing sound.
  virtual void InitCustom(float damage);
  virtual void Move();
  virtual void MoveProjectile();
  virtual void Draw(int layer, int plane);
  virtual void DrawProjectile();
  virtual void SetTarget();
  virtual void GetTargetID(int id);
  // After a hit, with the victim's overlap rectangle.
  virtual void CreateHitEffect(float xHit, float yHit, float wHit, float hHit);
  virtual void CreateHitEffectCustom(float xHit, float yHit, float wHit, float hHit);
  virtual void PlaySFX();
  // Appends one hit effect of kind 0 (ring), 1 (slash), 2 (spark) or 3 (explosion).
  virtual void CreateEffect(int kind, float ex, float ey, float angle, int facing, int plane);
};

class TProjectileHandler {
 public:
  virtual ~TProjectileHandler() = default;

  // Difference of the two shapes; the handler sorts boxes first, then circles, then points.
  static int SortType(const TProjectile& a, const TProjectile& b);

  // Sorts, moves, hit-tests and applies hits; drops the finished boxes.
  virtual void Move();
  virtual void Draw(int layer, int plane);
  virtual void Clear();
};
