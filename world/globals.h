#pragma once
// The program-wide state: screen, planes, the object lists, the world view and the singletons.
// Every Part of the game reads and writes these directly; ResetGlobals() puts them back to the
// state before start-up (tests call it between cases).

#include <array>
#include <list>
#include <memory>
#include <vector>

class TGameInput;
class TBGMPlayer;
class TComboCounter;
class TCharacter;
class TProjectile;
class TEffect;
class TManager;
class TMomo;

extern float fScreenWidth;
extern float fScreenHeight;
// Ground line (screen y of the feet) of each depth plane; only 0, 2 and 4 are ground lines.
extern std::array<float, 5> fPlaneY;

// One slot, made at start-up; the manager fills element 0.
extern std::vector<std::shared_ptr<TGameInput>> GameInput;
extern std::shared_ptr<TBGMPlayer> BGMPlayer;
extern std::shared_ptr<TComboCounter> ComboCounter;
extern std::list<std::shared_ptr<TProjectile>> ProjectileList;
extern std::list<std::shared_ptr<TCharacter>> CharacterList;
extern std::list<std::shared_ptr<TEffect>> EffectList;
extern std::shared_ptr<TManager> Manager;
extern std::shared_ptr<TMomo> Momo;

extern int iDifficulty;
extern float fEnemyStatFactor;
extern float fEnemyDelayFactor;
extern int iDifficultyShift;

// The world view: scroll, screen shake and the scroll bounds of the current segment.
extern float fWorldX;
extern float fWorldY;
extern float fQuake;
extern float fStageLength;
extern float fScrollLimitX;
extern float fScrollLockX;

// Screen-fixed drawing in the scrolled world: the drawing origin follows the scroll, so screen
// point (x, y) lies at view position (ViewX(x), ViewY(y)) = (fWorldX + x, y - fWorldY).
float ViewX(float x);
float ViewY(float y);

// Difficulty levels, and the four globals each sets: 0 Easy, 1 Normal, 2 Hard.
constexpr int DIFFICULTY_EASY = 0;
constexpr int DIFFICULTY_NORMAL = 1;
constexpr int DIFFICULTY_HARD = 2;
void SetDifficulty(int level);

// Sets fPlaneY from fScreenHeight: the planes lie 150, 105 and 60 pixels above the bottom.
void ComputePlaneLines();

void ResetGlobals();
