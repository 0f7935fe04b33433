#include "world/globals.h"

float fScreenWidth = 0;
float fScreenHeight = 0;
std::array<float, 5> fPlaneY{};

std::vector<std::shared_ptr<TGameInput>> GameInput;
std::shared_ptr<TBGMPlayer> BGMPlayer;
std::shared_ptr<TComboCounter> ComboCounter;
std::list<std::shared_ptr<TProjectile>> ProjectileList;
std::list<std::shared_ptr<TCharacter>> CharacterList;
std::list<std::shared_ptr<TEffect>> EffectList;
std::shared_ptr<TManager> Manager;
std::shared_ptr<TMomo> Momo;

int iDifficulty = 0;
float fEnemyStatFactor = 0;
float fEnemyDelayFactor = 0;
int iDifficultyShift = 0;

float fWorldX = 0;
float fWorldY = 0;
float fQuake = 0;
float fStageLength = 0;
float fScrollLimitX = 0;
float fScrollLockX = 0;

float ViewX(float x) { return fWorldX + x; }
float ViewY(float y) { return y - fWorldY; }

void SetDifficulty(int level) {
  struct Level {
    float statFactor, delayFactor;
    int shift;
  };
  // clang-format off
  constexpr Level kLevels[] = {
    // enemy stats  enemy waits  engagement shift
    {  0.7f,        1.6f,        -1 },  // Easy
    {  1.0f,        1.0f,         0 },  // Normal
    {  1.2f,        0.5f,         1 },  // Hard
  };
  // clang-format on
  if (level < DIFFICULTY_EASY || level > DIFFICULTY_HARD) level = DIFFICULTY_NORMAL;
  iDifficulty = level;
  fEnemyStatFactor = kLevels[level].statFactor;
  fEnemyDelayFactor = kLevels[level].delayFactor;
  iDifficultyShift = kLevels[level].shift;
}

void ComputePlaneLines() {
  fPlaneY = {};
  fPlaneY[0] = fScreenHeight - 150;
  fPlaneY[2] = fScreenHeight - 105;
  fPlaneY[4] = fScreenHeight - 60;
}

void ResetGlobals() {
  // The manager and the heroine go first: they may still refer to the lists.
  Manager.reset();
  Momo.reset();
  CharacterList.clear();
  ProjectileList.clear();
  EffectList.clear();
  ComboCounter.reset();
  BGMPlayer.reset();
  GameInput.clear();
  fScreenWidth = fScreenHeight = 0;
  fPlaneY = {};
  iDifficulty = iDifficultyShift = 0;
  fEnemyStatFactor = fEnemyDelayFactor = 0;
  fWorldX = fWorldY = fQuake = 0;
  fStageLength = fScrollLimitX = fScrollLockX = 0;
}
