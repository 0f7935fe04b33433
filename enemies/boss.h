#pragma once
// The boss: TEnemyBoss, an enemy with a name and a stacked hit-point bar across the bottom of the
// screen, and TDarkKnight, the one boss of the game. He guards while he swings, chains two blows
// into a charging cut when they connect, seizes and throws a heroine who keeps repeating attacks,
// sends a spirit wave from afar, and keeps his own counsel whatever the engagement limit says.

#include <cstdint>
#include <string>

#include "enemies/enemy.h"

class TEnemyBoss : public TEnemy {
 public:
  std::string strName;

  // The stacked bar: every 360 hit points is a layer of its own colour, 2 pixels a point.
  void DrawGUI() override;
  virtual void SetHPBarColor(int layer);
};

// The Dark Knight's own modes.
constexpr int KNIGHT_SECOND_BLOW = 101;
constexpr int KNIGHT_CHARGING_CUT = 102;
constexpr int KNIGHT_SPIRIT_WIND_UP = 120;
constexpr int KNIGHT_SPIRIT_CUT = 121;
constexpr int KNIGHT_GUARD = 122;

class TDarkKnight : public TEnemyBoss {
 public:
  int32_t iCoolDownSpiritCut = 0;
  int32_t iCoolDownAttack = 0;  // before the guarded combination may start again
  int32_t iCoolDownThrow = 0;   // before he may turn a hold of hers on her

  void Init(int codePlayer, int id) override;
  void ResetBBox() override;
  void SetBBoxKnockOut() override;
  void ResetGameData() override;
  void PlayBlockSFX() override;  // his guard is silent
  void SetModeCustom(int mode) override;
  void MoveAI(TCharacter* pc) override;
  void MoveCustom(TCharacter* pc) override;
  void Fallback() override;
  void Draw() override;

 private:
  // Rolls attack `power` and puts a box of class B at (bx, y).
  template <class B>
  void Launch(int power, float bx);
  // His mode rows: each mode's entry, frame and picture (boss.cpp).
  struct Modes;
};

// Puts the Dark Knight in the spawn table.
void RegisterBossKinds();
