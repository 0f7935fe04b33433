#pragma once
// The practice yard's straw-man: drawn and thrown as a saberman, it takes hits, falls, gets up
// and can be seized and thrown, but never fights back and never stays down for good.

#include "actors/character.h"

class TPracticeTarget : public TCharacter {
 public:
  void Init(int codePlayer, int id) override;
  void ResetBBox() override;
  void SetBBoxKnockOut() override;
  void ResetGameData() override;
  void SetMode(int mode) override;
  void MoveChara() override;
  void Draw() override;
  void DrawGUI() override;

 private:
  // The heroine still has this target in her grip.
  bool StillHeld() const;
};
