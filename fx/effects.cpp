#include "fx/effects.h"

#include <memory>

#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/modes.h"

namespace {

// The Ultima burst: nine spokes 40 degrees apart, each with one to three blasts 6 degrees apart.
constexpr int kUltimaSpokes = 9;
constexpr float kUltimaSpokeStep = 40;
constexpr float kUltimaBlastStep = 6;

void Mirror(int facing) { SetScale(FacingScale(facing), 1.0f); }

// What every effect leaves behind, whatever it drew with.
void RestoreDrawState() {
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
  SetColor(255, 255, 255);
}

float CosF(float degrees) { return static_cast<float>(Cos(degrees)); }
float SinF(float degrees) { return static_cast<float>(Sin(degrees)); }

}  // namespace

// ---- TEffect ------------------------------------------------------------------------------------

void TEffect::Init(float x_, float y_, float angle, int layer, int facing, int plane) {
  iMode = EFFECT_ALIVE;
  x = x_;
  y = y_;
  fAngle = angle;
  iLayer = layer;
  iFacing = facing;
  iPlane = plane;
  iFrame = 0;
  iDelayCounter = 0;
  InitCustom();
}

void TEffect::Move() {
  iDelayCounter = NextDelayCounter(iDelayCounter);
  MoveEffect();
}

void TEffect::Draw(int layer, int plane) {
  if (iLayer == layer && iPlane == plane) DrawProjectile();
}

// ---- Feathers: after-images and the breath trail -----------------------------------------------

void TEffectDarkSumaFeather::InitCustom() {
  fAlpha = 1;
  fAlphaModifier = -0.1f;
}

void TEffectDarkSumaFeather::MoveEffect() {
  fAlpha += fAlphaModifier;
  if (fAlpha <= 0) iMode = EFFECT_FINISHED;
}

void TEffectMomoStrikeThrough::DrawProjectile() {
  SetAlpha(fAlpha);
  Mirror(iFacing);
  SetColor(100, 100, 255);
  DrawImage(imgMomoStrikeThrough, x, y, iFrame);
  RestoreDrawState();
}

void TEffectDragonBreath::InitCustom() {
  fAlpha = 1;
  fAlphaModifier = -0.05f;
  fScale = 0.28f;
}

void TEffectDragonBreath::MoveEffect() {
  fAlpha += fAlphaModifier;
  fScale -= 0.01f;
  if (fAlpha <= 0) iMode = EFFECT_FINISHED;
}

void TEffectDragonBreath::DrawProjectile() {
  SetAlpha(fAlpha);
  SetScale(fScale, fScale);
  DrawImage(imgEffectPurpleSphere, x, y, iFrame);
  RestoreDrawState();
}

// ---- Dust ---------------------------------------------------------------------------------------

void TEffectDust::InitCustom() {
  fAlpha = 0.5f;
  fAlphaModifier = 0.1f;
}

void TEffectDust::MoveEffect() {
  // The puff trails behind whoever raised it.
  x += iFacing == FACING_RIGHT ? -0.5f : 0.5f;
  fAlpha += fAlphaModifier;
  if (fAlpha >= 1) {
    fAlphaModifier = -0.05f;
  } else if (fAlpha <= 0) {
    iMode = EFFECT_FINISHED;
  }
}

void TEffectDust::DrawProjectile() {
  SetAlpha(fAlpha);
  Mirror(iFacing);
  DrawImage(imgDust, x, y, 0);
  RestoreDrawState();
}

// ---- Rings and the Ultima burst -----------------------------------------------------------------

void TEffectRing::InitCustom() {
  fAlpha = 1;
  fScale = 0.5f;
}

void TEffectRing::MoveEffect() {
  if (fAlpha > 0) {
    fAlpha -= 0.06f;
    fScale += 0.5f;
  } else {
    iMode = EFFECT_FINISHED;
  }
}

void TEffectRing::DrawProjectile() {
  SetScale(fScale, fScale);
  SetAlpha(fAlpha);
  DrawImage(imgEffectRing, x, y, iFrame);
  RestoreDrawState();
}

void TEffectUltima::InitCustom() {
  fAlpha = 1;
  fScale = 1;
  for (int spoke = 0; spoke < kUltimaSpokes; ++spoke) {
    const int extra = Rand(0, 2);
    for (int j = 0; j <= extra; ++j) {
      auto blast = std::make_shared<TEffectUltimaBlast>();
      blast->Init(x, y, kUltimaSpokeStep * spoke + kUltimaBlastStep * j, 0, iFacing, iPlane);
      EffectList.push_back(blast);
    }
  }
}

void TEffectUltima::MoveEffect() {
  if (fAlpha > 0) {
    // The flash swells to twice its size before it starts to fade.
    if (fScale > 2) fAlpha -= 0.1f;
    fScale += 0.4f;
  } else {
    iMode = EFFECT_FINISHED;
  }
}

void TEffectUltima::DrawProjectile() {
  SetScale(fScale, fScale);
  SetAlpha(fAlpha);
  DrawImage(imgEffectUltima, x, y, iFrame);
  RestoreDrawState();
}

void TEffectUltimaBlast::InitCustom() {
  fAlpha = 1;
  fScale = static_cast<float>(Rand(4, 18)) / 10;
  fSpeed = static_cast<float>(Rand(12, 18));
  // Each blast starts a little way along its spoke (or just behind the centre).
  x += CosF(fAngle) * static_cast<float>(Rand(-10, 30));
  y += SinF(fAngle) * static_cast<float>(Rand(-10, 30));
}

void TEffectUltimaBlast::MoveEffect() {
  if (fAlpha > 0) {
    fAlpha -= 0.1f;
    fScale += 0.1f;
    x += CosF(fAngle) * fSpeed;
    y += SinF(fAngle) * fSpeed;
  } else {
    iMode = EFFECT_FINISHED;
  }
}

void TEffectUltimaBlast::DrawProjectile() {
  SetScale(fScale, fScale);
  SetAlpha(fAlpha);
  SetRotation(fAngle);
  DrawImage(imgEffectUltimaBlast, x, y, iFrame);
  RestoreDrawState();
}

// ---- Slashes, sparks and explosions -------------------------------------------------------------

float TEffectSlash::Animation1Way(int frames, int delay) {
  return StepAnimation1Way(iFrame, iDelayCounter, frames, delay);
}

void TEffectSlash::MoveEffect() {
  if (Animation1Way(4, 4) == 1) iMode = EFFECT_FINISHED;
}

void TEffectSlash::DrawProjectile() {
  SetRotation(fAngle);
  SetScale(2, 1);
  DrawImage(imgHitSlash, x, y, iFrame);
  RestoreDrawState();
}

void TEffectNormal::InitCustom() { fAlpha = 1; }

void TEffectNormal::MoveEffect() {
  if (fAlpha > 0) fAlpha -= 0.06f;
  if (Animation1Way(6, 2) == 1) iMode = EFFECT_FINISHED;
}

void TEffectNormal::DrawProjectile() {
  Mirror(iFacing);
  SetAlpha(fAlpha);
  SetRotation(fAngle);
  DrawImage(imgHitNormal, x, y, iFrame);
  RestoreDrawState();
}

void TEffectExplosion::MoveEffect() {
  // Once the last frame is up, every further tick takes a fifth of the opacity away.
  if (Animation1Way(15, 4) == 1) {
    fAlpha -= 0.2f;
    if (fAlpha <= 0) iMode = EFFECT_FINISHED;
  }
}

void TEffectExplosion::DrawProjectile() {
  SetRotation(fAngle);
  SetScale(2.5f, 2.5f);
  SetAlpha(fAlpha);
  DrawImage(imgExplosion, x, y, iFrame);
  RestoreDrawState();
}

// ---- TEffectHandler -----------------------------------------------------------------------------

void TEffectHandler::Move() {
  for (auto it = EffectList.begin(); it != EffectList.end();) {
    if ((*it)->iMode == EFFECT_FINISHED) {
      it = EffectList.erase(it);
      continue;
    }
    const std::shared_ptr<TEffect> effect = *it;
    effect->Move();
    ++it;
  }
}

void TEffectHandler::Draw(int layer, int plane) {
  for (const std::shared_ptr<TEffect>& effect : EffectList) effect->Draw(layer, plane);
  SetAlpha(1);
  SetRotation(0);
}

void TEffectHandler::Clear() { EffectList.clear(); }
