#pragma once
// TEnemy: what every hostile fighter shares. The enemy mode machine (hit reactions, knock-downs,
// plane switches, walking, backing off and waiting), facing the heroine's side, the small
// hit-point bar, the two attitudes (engaged: it presses her; watching: it keeps its distance and
// waits for a place), and the fall-back after an attack. The kinds add their attacks as modes
// 100 and up and their engage logic through the hooks.

#include <cstdint>

#include "actors/character.h"
#include "platform/graphics.h"

// The enemies' own modes beside the shared ones.
constexpr int ENEMY_CHARGE = 3;
constexpr int ENEMY_SEIZE = 10;  // the executioner seizes the heroine
constexpr int ENEMY_ATTACK1 = 100;
constexpr int ENEMY_ATTACK2 = 101;
constexpr int ENEMY_ATTACK3 = 102;
constexpr int ENEMY_ATTACK4 = 103;
constexpr int ENEMY_THROW = 105;  // the executioner throws her
constexpr int ENEMY_SKULL = 120;  // the necromancer's spell
constexpr int ENEMY_FINISHER = 159;

// iAIMode.
constexpr int AI_ENGAGE = 0;
constexpr int AI_WATCH = 1;

// Frames of a delay scaled by the difficulty's delay factor, cut to whole frames.
int Truncated(float frames);

// The heroine is down: lying or getting up, and unless `onlyLyingOrRising`, also refilling a life
// or sliding on her face.
bool HeroineDown(const TCharacter& pc, bool onlyLyingOrRising = false);

// The entry of a blow's reaction that every foe shares, the yard's straw-men too: knocked away or
// down, staggered or pushed, knocked up, lifted, bounced, getting up, slammed. False, with nothing
// changed, for any other mode.
bool EnterFoeReaction(TCharacter& foe, int mode);

// The strips a foe is drawn from in the modes every foe shares; a null one draws nothing.
struct FoeStrips {
  const ImagePtr* stance;
  const ImagePtr* walk;
  const ImagePtr* run;
  const ImagePtr* planeSwitch;
  const ImagePtr* knockdown;
  const ImagePtr* hitUp;
  const ImagePtr* hitLow;
  const ImagePtr* knockOut;
  const ImagePtr* wakeUp;
  const ImagePtr* thrown;
};

class TEnemy : public TCharacter {
 public:
  int32_t iAICounter = 0;      // frames before the next free choice; also the wait of mode 43
  int32_t iColorModifier = 0;  // grey of a dead body
  float fWalkSpeed = 0;        // pixels per frame
  int32_t iCoolDownPlaneSwitch = 0;
  int32_t iBlockTimer = 0;  // kept at 0
  float fHPBarPost = 0;     // height of the hit-point bar above the feet

  void SetMode(int mode) override;
  void MoveChara() override;
  void DrawGUI() override;

  // ---- Hooks and shared steps, in slot order
  // ------------------------------------------------------
  virtual TCharacter* GetPC();
  virtual void CheckFacing();
  virtual void SwitchFacing(int ignored);
  // Seizes `target`: it learns who holds it, and this enemy enters mode 10.
  virtual void CheckGrapple(TCharacter& target);
  virtual int IsAerialMode(const TCharacter& c);
  virtual void SetModeCustom(int mode);
  virtual void SetModePlaneSwitch(int up);
  virtual void MoveCustom(TCharacter* pc);
  virtual void AnimationStance();
  virtual void AnimationMove();
  virtual void MovePlaneSwitchUp();
  virtual void MovePlaneSwitchDown();
  virtual void MoveAI(TCharacter* pc);
  virtual void MoveAIEngage(TCharacter* pc);
  virtual void MoveAIWatch(TCharacter* pc);
  virtual void Fallback();

 protected:
  // The picture of a mode every foe shares (standing, walking, crossing planes, a blow's reaction,
  // held or thrown), from `strips`; false, with nothing drawn, for a mode of the kind's own.
  bool DrawSharedPicture(const FoeStrips& strips) const;
  // One ballistic frame: up by fJump, which falls by `gravity`, and along the blow; true on
  // landing (the feet are then on the ground line).
  bool BallisticStep(float gravity);
  // The free choice of an idle enemy whose wait has run out: walk up, stand, or back away.
  void FreeChoice();
  // Seizes whoever has it as their target (she who reached for it, or whom it reached for): held
  // fast in mode 64 until the throw.
  void Seize();
  // 1 while the heroine is seizing or throwing this character.
  bool HeldByHeroine(const TCharacter* pc) const;
  // Her back throw still has this foe on her shoulders; if not, it drops off.
  bool CarriedByHeroine(const TCharacter* pc) const;
  void DropFromHeroine(const TCharacter* pc);
  bool WalkLeadsToward(const TCharacter* pc) const;
  bool WalkLeadsAway(const TCharacter* pc) const;
  // Walking modes 41, 42 and 44 turn into each other without restarting their counter.
  void SwitchWalkKeepingCounter(int mode);

 private:
  // The mode rows: each shared mode's entry, frame and picture (enemy.cpp).
  struct Modes;
};
