#pragma once
// A stand-in for the game manager: it owns a title window only so the frame loop's exit test has
// something to read, and it moves and draws a test scene of sprites, blending and text, with
// every kind of visual effect playing over it.

#include <memory>
#include <vector>

#include "combat/effects.h"
#include "platform/graphics.h"

class TWindowTitle {
 public:
  int iExecuteCode = 0;  // 3 once "Exit" is confirmed
};

class TManager {
 public:
  std::shared_ptr<TWindowTitle> WindowTitle;
  std::shared_ptr<TEffectHandler> EffectHandler;

  void Init();
  void Move();
  void Draw();

 private:
  void SpawnEffects();
  void DrawEffectLabels();
  void DrawCast();

  int iFrame = 0;  // frames since Init
  ImagePtr imgStar;
  ImagePtr imgOrb;
  ImagePtr imgStrip;
};
