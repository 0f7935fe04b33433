#pragma once
// A stand-in for the game manager: it owns a title window only so the frame loop's exit test has
// something to read, and it moves and draws a test scene of sprites, blending and text, with
// every kind of visual effect playing over it.

#include <cstdint>
#include <memory>
#include <vector>

#include "fx/effects.h"
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
  void MoveHeroine();
  void DrawHeroine();

  // The heroine on the front plane going through stance, run, stop and first strike at the
  // game's timings, once facing right and once facing left.
  struct HeroineDemo {
    enum Phase { Stance, Run, RunBreak, Strike, Rest } phase = Stance;
    int32_t counter = 0, frame = 0, forward = 1;
    float x = 0, speed = 0;
    int facing = 0;  // 0 right, 180 left
    // The slash drawn by the strike's hit box: its own counter, frame and fading alpha.
    bool slash = false;
    int32_t slashCounter = 0, slashFrame = 0;
    float slashX = 0, slashAlpha = 0;
  } heroine_;

  int iFrame = 0;  // frames since Init
  ImagePtr imgStar;
  ImagePtr imgOrb;
  ImagePtr imgStrip;
};
