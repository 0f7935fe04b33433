#pragma once
// The riderless mount. A dragon thrown off by its rider stands in CharacterList on the neutral
// side, where nothing hits it: it recoils, stands up and waits to be boarded; once its boardings
// are used up or nobody boards it in time, it rises and runs off until it is far enough away to
// be dropped. While ridden it waits unseen in mode 0, where the rider's Dismount finds it again.

#include "actors/character.h"

class TMount : public TCharacter {
 public:
  int32_t iAICounter = 0;  // frames left in the waiting mode
  float fWalkSpeed = 0;
  int32_t iCoolDownPlaneSwitch = 0;
  float fHPBarPost = 0;  // height above the feet of the hit-point bar

  void SetMode(int mode) override;
  void MoveChara() override;
  void DrawGUI() override;

  // The heroine, or nullptr before she exists.
  virtual TCharacter* GetPC();
  // Which side the heroine's party stands on (iFacingState): FACING_RIGHT all on the right,
  // FACING_LEFT all on the left, FACING_BOTH_SIDES both.
  virtual void CheckFacing();
  virtual void SwitchFacing(int ignored);
  virtual void SetModeCustom(int mode);
  virtual void MoveCustom(TCharacter* pc);
  virtual void MoveAI(TCharacter* pc);

 protected:
  // After a throw-off: wait to be boarded again while boardings are left, else run off.
  void Leave();
  // The mode rows: each mode's entry, frame and picture (mount.cpp).
  struct Modes;
};

class TMountDracon : public TMount {
 public:
  void Init(int codePlayer, int id) override;
  void ResetBBox() override;
  void SetBBoxKnockOut() override;
  void MoveCustom(TCharacter* pc) override;
  void Draw() override;
};

// Puts the riderless dragon in the spawn table.
void RegisterMountKinds();
