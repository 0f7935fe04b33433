#include "app/manager.h"

#include "actors/character_handler.h"
#include "actors/combo_counter.h"
#include "app/practice_yard.h"
#include "audio/bgm_player.h"
#include "combat/projectile.h"
#include "enemies/overmind.h"
#include "fx/effects.h"
#include "heroine/momo.h"
#include "input/binding_files.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {
constexpr float kYardScreens = 3;  // the yard is three screens long
}  // namespace

void TManager::Init() {
  WindowTitle = std::make_shared<TWindowTitle>();
  EffectHandler = std::make_shared<TEffectHandler>();
  ProjectileHandler = std::make_shared<TProjectileHandler>();
  CharacterHandler = std::make_shared<TCharacterHandler>();
  Overmind = std::make_shared<TOvermind>();
  Overmind->SetMaxEngagedCombatant(2);

  // The player's controls: keyboard and pads together, with the bindings kept beside the game.
  if (GameInput.empty()) GameInput.resize(1);
  GameInput[0] = std::make_shared<TGameInput>();
  GameInput[0]->Init(0, INPUT_BOTH);
  ReadBindingFiles(*GameInput[0]);

  SetDifficulty(DIFFICULTY_NORMAL);
  fWorldX = fWorldY = fQuake = 0;
  fStageLength = kYardScreens * fScreenWidth;
  fScrollLimitX = fStageLength;
  fScrollLockX = 0;

  Momo = std::make_shared<TMomo>();
  Momo->Init(0, 0);
  CharacterList.push_back(Momo);
  Momo->SetLive();
  Momo->ResetGameData();
  Momo->SetMount(0, -1);
  Momo->AddHP(2000);
  Momo->AddMP(2000);
  SpawnPracticeTargets();
  if (BGMPlayer) {
    BGMPlayer->ResetGameData();
    BGMPlayer->Play(BGM_IMPENDING_DANGER);
  }
  iMode = MANAGER_GAME;
}

void TManager::Move() {
  MovePracticeYard();
  Overmind->SetAI();
  CharacterHandler->Move();
  ProjectileHandler->Move();
  EffectHandler->Move();
  if (ComboCounter) ComboCounter->Move();
  if (BGMPlayer) BGMPlayer->Move();
  CharacterHandler->Sort();  // the draw order, settled whether or not the frame is drawn
}

void TManager::Draw() {
  DrawPracticeYard();
  for (int plane = 0; plane <= 4; ++plane) {
    EffectHandler->Draw(1, plane);
    ProjectileHandler->Draw(1, plane);
    CharacterHandler->Draw(plane);
    ProjectileHandler->Draw(0, plane);
    EffectHandler->Draw(0, plane);
  }
  CharacterHandler->DrawBossGUI();
  if (ComboCounter) ComboCounter->Draw();
  if (Momo) Momo->DrawGUI();
}
