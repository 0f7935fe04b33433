#pragma once
// The six enemy kinds. Their numbers (stats, speeds, attacks, charges, pictures) are rows of the
// tables in roster.cpp; TEnemyKind runs every kind from its rows, and each kind adds only what is
// its own: the necromancer's skull and its own counsel, the templar's and the raider's guard, the
// raider's dragon, the executioner's seize and throw, and the foot soldiers' retreat.

#include <cstdint>
#include <memory>

#include "enemies/enemy.h"
#include "platform/graphics.h"

struct KindRow;
struct Sight;
class TProjectile;

// The shared body of the six kinds.
class TEnemyKind : public TEnemy {
 public:
  void Init(int codePlayer, int id) override;
  void ResetBBox() override;
  void SetBBoxKnockOut() override;
  void ResetGameData() override;
  void Draw() override;
  void SetModeCustom(int mode) override;
  void MoveCustom(TCharacter* pc) override;

  virtual const KindRow& Row() const = 0;

  // The mode rows: each mode a kind runs itself, its entry, frame and picture (roster.cpp).
  struct Modes;

 protected:
  // The engage AI every kind shares: with the heroine up, the cool-downs count down and the first
  // of the kind's rules that applies is taken; otherwise the free choice once the wait runs out.
  // Each rule acts and answers true when it applies.
  bool HeroineUp(const TCharacter* pc, bool onlyLyingOrRising) const;
  void WaitOrChoose();
  bool Answer(const Sight& s, float reach, int mode);  // she keeps attacking: strike back
  bool Guard(const Sight& s, const TCharacter& pc, float reach, int counter);
  bool Hesitate(const Sight& s, float reach, int wait);  // in reach: a short wait, then attack
  bool SwitchPlane(const Sight& s, const TCharacter& pc);
  bool Charge(const Sight& s, float beyond);
  bool WalkUp(const Sight& s, float beyond);
  virtual void CountCoolDowns();
  // The kind's own cool-down set at ResetGameData.
  virtual void ResetOwnCoolDowns() {}
  // The picture of a mode the common table does not cover; false when the kind has none.
  virtual bool DrawOwnPicture();
  void DrawPicture(const ImagePtr& picture, int frame, float yOffset = 0);
  using BoxMaker = std::shared_ptr<TProjectile> (*)();
  // Rolls attack number `power` and puts a box of its kind at the feet (or `height`).
  void LaunchBox(BoxMaker make, int power, float height);
  bool MoveAttack();
  void MoveCharge(TCharacter* pc);
  void MoveFinisher();
  void MoveBlock(TCharacter* pc);
};

class TNecromancer : public TEnemyKind {
 public:
  int32_t iCoolDownSkull = 0;  // frames before the skull may be cast again

  const KindRow& Row() const override;
  // It keeps its own counsel: engaged whatever the limit says.
  void MoveAI(TCharacter* pc) override;

 protected:
  void CountCoolDowns() override;
  void ResetOwnCoolDowns() override;
};

class TTemplar : public TEnemyKind {
 public:
  const KindRow& Row() const override;
  void MoveAIEngage(TCharacter* pc) override;
};

class TRaider : public TEnemyKind {
 public:
  const KindRow& Row() const override;
  void Init(int codePlayer, int id) override;
  void MoveAIEngage(TCharacter* pc) override;
  void AnimationMove() override;
  // The dragon's walk with the rider bobbing in the saddle.
  virtual void DrawWalk();

 protected:
  bool DrawOwnPicture() override;
};

class TExecutioner : public TEnemyKind {
 public:
  int32_t iCoolDownThrow = 0;  // frames before it may seize the heroine again

  const KindRow& Row() const override;
  void MoveAIEngage(TCharacter* pc) override;

 protected:
  void CountCoolDowns() override;
  void ResetOwnCoolDowns() override;
};

class TSpearman : public TEnemyKind {
 public:
  const KindRow& Row() const override;
  void MoveAIEngage(TCharacter* pc) override;
  void Fallback() override;  // always backs off
};

class TSaberman : public TEnemyKind {
 public:
  const KindRow& Row() const override;
  void MoveAIEngage(TCharacter* pc) override;
  void MoveAIWatch(TCharacter* pc) override;  // walks up instead of charging
  void Fallback() override;
};

// Puts the six kinds in the spawn table.
void RegisterEnemyKinds();
