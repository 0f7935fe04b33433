#pragma once
// The heroine's stand-in for cutscenes. During a cutscene only the cut-scene actors move, so the
// real heroine stands still and this copy is what runs: its update ends, in every mode, by
// following it with the view exactly as the heroine's does, which sets the drawing origin and
// lets a screen shake left over from a stage die away. The game's cutscenes keep it in mode 0,
// invisible; it can also stand, be pushed back, and hold two poses.

#include "actors/character.h"

// Its kind: below 0, a cut-scene actor.
constexpr int TYPE_CUTSCENE_MOMO = -10;
// Its two held poses.
constexpr int CUTSCENE_MOMO_KNEELING = 1000;
constexpr int CUTSCENE_MOMO_FLYING = 1002;  // a flying figure in her place

class TNPCCutsceneMomo : public TCharacter {
 public:
  void Init(int codePlayer, int id) override;
  void ResetBBox() override;
  void ResetGameData() override;
  void SetMode(int mode) override;
  void MoveChara() override;
  void Draw() override;
  void Damage(float damage, float knockbackAngle, int damageType, int comboType,
              int backstabEnable) override;

  virtual void QuakeNeutralizer();
  virtual void MoveWorld(float xOld, float yOld);
  // Footsteps, dust and the run's frames; its own update never calls it.
  virtual void RunEffect();
};
