#pragma once
// The game manager, for now a practice yard: the heroine under control on a stretch of castle
// floor with a few targets, the hit boxes, the effects and the combo counter, in the order a stage
// frame runs them. It owns a title window only so the frame loop's exit test has something to
// read.

#include <memory>

class TCharacterHandler;
class TEffectHandler;
class TOvermind;
class TProjectileHandler;

class TWindowTitle {
 public:
  int iExecuteCode = 0;  // 3 once "Exit" is confirmed
};

// Manager modes.
constexpr int MANAGER_TITLE = 0;
constexpr int MANAGER_GAME = 1;

class TManager {
 public:
  std::shared_ptr<TWindowTitle> WindowTitle;
  std::shared_ptr<TEffectHandler> EffectHandler;
  std::shared_ptr<TProjectileHandler> ProjectileHandler;
  std::shared_ptr<TCharacterHandler> CharacterHandler;
  std::shared_ptr<TOvermind> Overmind;
  int iMode = MANAGER_TITLE;

  void Init();
  void Move();
  void Draw();
};
