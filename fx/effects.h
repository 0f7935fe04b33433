#pragma once
// Visual effects: hit sparks, slash streaks, explosions, rings, dust puffs, after-images and magic
// bursts. Each lives in EffectList, animates and fades by itself, draws on one plane behind
// (layer 1) or in front of (layer 0) that plane's characters, and ends by setting iMode to 0;
// the handler drops it on its next pass. Nothing reads effects back.

#include <cstdint>

// iMode of an effect.
constexpr int EFFECT_FINISHED = 0;
constexpr int EFFECT_ALIVE = 1;

class TEffect {
 public:
  virtual ~TEffect() = default;

  float x = 0;  // world pixels; the image's handle is placed here
  float y = 0;
  float fAngle = 0;    // degrees
  int32_t iLayer = 0;  // 1 behind the characters of its plane, 0 in front
  int32_t iFrame = 0;
  int32_t iDelayCounter = 0;  // frames since creation; wraps from 1200 to 1
  int32_t iMode = 0;
  int32_t iFacing = 0;  // FACING_LEFT mirrors the kinds that care
  int32_t iPlane = 0;

  virtual void Init(float x_, float y_, float angle, int layer, int facing, int plane);
  virtual void InitCustom() {}
  virtual void Move();
  virtual void MoveEffect() {}
  virtual void Draw(int layer, int plane);
  // The kind's picture. Every kind leaves alpha 1, scale (1, 1), rotation 0 and white behind.
  virtual void DrawProjectile() {}
};

// A fading feather; only its two descendants are ever made.
class TEffectDarkSumaFeather : public TEffect {
 public:
  float fAlpha = 0;
  float fAlphaModifier = 0;  // added to fAlpha every frame

  void InitCustom() override;
  void MoveEffect() override;
};

// The heroine's blue after-image while she strikes through; the creator copies her frame.
class TEffectMomoStrikeThrough : public TEffectDarkSumaFeather {
 public:
  void DrawProjectile() override;
};

// The trail of a dragon's breath: a purple sphere that shrinks as it fades.
class TEffectDragonBreath : public TEffectDarkSumaFeather {
 public:
  float fScale = 0;

  void InitCustom() override;
  void MoveEffect() override;
  void DrawProjectile() override;
};

// The puff raised by knock-downs, landings, bounces and plane switches: it brightens for five
// frames, then fades for twenty, drifting behind the mover.
class TEffectDust : public TEffect {
 public:
  float fAlpha = 0;
  float fAlphaModifier = 0;

  void InitCustom() override;
  void MoveEffect() override;
  void DrawProjectile() override;
};

// A ring that swells as it fades.
class TEffectRing : public TEffect {
 public:
  float fAlpha = 0;
  float fScale = 0;

  void InitCustom() override;
  void MoveEffect() override;
  void DrawProjectile() override;
};

// The flash of a finishing blow. Its Init sends out a ring of 9 to 27 blasts, appended to
// EffectList before the flash itself, so the flash covers them.
class TEffectUltima : public TEffectRing {
 public:
  void InitCustom() override;
  void MoveEffect() override;
  void DrawProjectile() override;
};

// One streak of the Ultima burst, flying outward along fAngle.
class TEffectUltimaBlast : public TEffectUltima {
 public:
  float fSpeed = 0;  // pixels per frame

  void InitCustom() override;
  void MoveEffect() override;
  void DrawProjectile() override;
};

// A slash streak, turned to fAngle and stretched twice as wide.
class TEffectSlash : public TEffect {
 public:
  void MoveEffect() override;
  void DrawProjectile() override;
  virtual float Animation1Way(int frames, int delay);
};

// A hit spark, mirrored with its facing.
class TEffectNormal : public TEffectSlash {
 public:
  float fAlpha = 0;

  void InitCustom() override;
  void MoveEffect() override;
  void DrawProjectile() override;
};

// An explosion: fifteen frames, then it fades on the last one. Never mirrored.
class TEffectExplosion : public TEffectNormal {
 public:
  void MoveEffect() override;
  void DrawProjectile() override;
};

class TEffectHandler {
 public:
  virtual ~TEffectHandler() = default;
  // Moves every live effect and drops the finished ones, in list order.
  virtual void Move();
  // Draws the effects of one layer and plane; leaves alpha 1 and rotation 0.
  virtual void Draw(int layer, int plane);
  virtual void Clear();
};
