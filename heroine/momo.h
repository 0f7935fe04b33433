#pragma once
// TMomo, the heroine under the player's control: her frame update and her modes, each a row of a
// table in the file of its family (standing, running, jumping and the stage's automatic runs in
// momo.cpp, reactions, lives and continues in momo_reactions.cpp, the attack families in
// momo_ground_combo.cpp, momo_air_combo.cpp, momo_grapple.cpp and momo_skills.cpp, riding in
// momo_dracon.cpp), the world scroll that follows her, the screen shake, the repeated-attack
// counter the enemies watch, and her drawing and status display (momo_draw.cpp).

#include <cstdint>
#include <span>

#include "actors/character.h"
#include "input/game_input.h"
#include "platform/graphics.h"

// ---- The heroine's own modes (the shared ones are in world/modes.h)
// ------------------------------
constexpr int MOMO_GRAPPLE = 10;       // seizing an enemy
constexpr int MOMO_GRAPPLE_HOLD = 11;  // holding it, up to 60 frames
constexpr int MOMO_DASH_BREAK = 12;
constexpr int MOMO_LIFE_REFILL = MODE_DEAD;  // lying while a new life refills her hit points
constexpr int MOMO_FALL_FORWARD = 68;
constexpr int MOMO_SLIDE = 69;
constexpr int MOMO_CONTINUE = 70;
constexpr int MOMO_GAME_OVER = MODE_GAME_OVER;
constexpr int MOMO_STRIKE1 = MODE_ATTACK1;
constexpr int MOMO_STRIKE2 = 101;
constexpr int MOMO_STRIKE3 = 102;
constexpr int MOMO_STRIKE4 = MODE_ATTACK4;
constexpr int MOMO_KICK_LANDING = 104;
constexpr int MOMO_BACK_THROW = 105;
constexpr int MOMO_BACK_THROW_DONE = 106;
constexpr int MOMO_GRAPPLE_STRIKE = 107;
constexpr int MOMO_GRAPPLE_FINISH = 108;
constexpr int MOMO_FRONT_THROW = 109;
constexpr int MOMO_SPHERE_PREPARE = 120;
constexpr int MOMO_MOON_SLASHER = 121;
constexpr int MOMO_ERUPTION_PREPARE = 122;
constexpr int MOMO_ERUPTION = 123;
constexpr int MOMO_ERUPTION_END = 124;
constexpr int MOMO_STRIKE_THROUGH = 125;
constexpr int MOMO_DRACON_FIREBALL = 126;
constexpr int MOMO_JUMP_ATTACK1 = MODE_AIR_STRIKE;
constexpr int MOMO_JUMP_ATTACK2 = 151;
constexpr int MOMO_JUMP_ATTACK3 = 152;
constexpr int MOMO_DIVE_WIND_UP = 153;
constexpr int MOMO_DIVE = 154;
constexpr int MOMO_JUMP_KICK = 156;
constexpr int MOMO_UP_ATTACK = 157;
constexpr int MOMO_UP_ATTACK_END = 158;
constexpr int MOMO_DASH_ATTACK = MODE_CHARGE;
constexpr int MOMO_SPHERE_RISE = 170;
constexpr int MOMO_SPHERE_CAST = 171;
constexpr int MOMO_SPHERE_HOVER = 172;
constexpr int MOMO_AIR_SPHERE = 173;
constexpr int MOMO_AIR_MOON_SLASHER = 174;
constexpr int MOMO_AIR_DRACON_FIREBALL = MODE_AIR_BREATH_UP;
// Riding the dragon.
constexpr int DRACON_RUN = MODE_DASH;
constexpr int DRACON_STRIKE1 = MODE_ATTACK1;
constexpr int DRACON_STRIKE2 = 101;
constexpr int DRACON_BREATH_WIND_UP = 126;
constexpr int DRACON_BREATH = 127;
constexpr int DRACON_MOUNTING = 128;
constexpr int DRACON_STRIKE1_WIND_UP = 129;
constexpr int DRACON_STRIKE2_WIND_UP = 130;
constexpr int DRACON_AIR_STRIKE = MODE_AIR_STRIKE;
constexpr int DRACON_CHARGE = MODE_CHARGE;
constexpr int DRACON_AIR_STRIKE_WIND_UP = MODE_AIR_HOVER;
constexpr int DRACON_AIR_BREATH_WIND_UP = MODE_AIR_BREATH_UP;
constexpr int DRACON_AIR_BREATH = MODE_AIR_BREATH;
constexpr int MOUNT_DRACON = 1;  // iTypeMount while she rides the dragon

class TMomo : public TCharacter {
 public:
  // ---- Fields, after those of TCharacter --------------------------------------------------------
  int32_t bComboMagicEnable = 0;     // a buffered magic follow-up
  int32_t iRunEnable = 0;            // cleared when an attack or jump starts; falls by 1 a frame
  int32_t bDoubleJump = 0;           // the upward attack is still available in this jump
  int32_t iUpDoubleTapEnable = 0;    // frames left for a second tap of Up to switch planes
  int32_t iDownDoubleTapEnable = 0;  // the same for Down
  float fAngleRoll = 0;              // rotation of the diving sprite, degrees
  float fAngleRollDirection = 0;     // its step per frame: -30 facing left, 30 facing right
  float fMPCostMoonSlasher = 0;
  float fMPCostEruption = 0;
  float fMPCostPsychicSphere = 0;
  float fMPCostStrikeThrough = 0;
  float fMPCostDraconFireball = 0;
  int32_t iExploitTimer = 0;    // frames left in the repeated-attack window
  int32_t iContinueCursor = 0;  // continue prompt: 0 "Yes", 1 "No"

  // ---- Overrides --------------------------------------------------------------------------------
  void Init(int codePlayer, int id) override;
  void ResetBBox() override;
  void ResetGameData() override;
  void Damage(float damage, float knockbackAngle, int damageType, int comboType,
              int backstabEnable) override;
  void SetMode(int mode) override;
  void MoveChara() override;
  void DrawGUI() override;
  void Draw() override;

  // ---- Operations of her own, in slot order
  // -------------------------------------------------------
  virtual void ResetExploitCounter();
  virtual void QuakeNeutralizer();
  virtual void DamageMount(float amount);
  virtual void SetModeNoMount(int mode);
  virtual void CheckExploitCounter();
  virtual void MoveExploitCounter();
  virtual void MoveWorld(float xOld, float yOld);
  virtual void MPCheck(int mode);
  virtual void CheckStanceAttackCombo();
  virtual void CheckJumpAttackCombo();
  virtual void CheckStanceInput();
  virtual void CheckContinueInput();
  virtual void CheckJumpInput();
  virtual void CheckJumpAttackInput();
  virtual void CheckGrapple();
  virtual int GrappledTargetLive();
  virtual void SetTargetMode(int mode);
  virtual void AddBonusLive();
  virtual void MoveCharaNoMount(float xOld, float yOld);
  virtual void RunAuto();
  virtual void RunEffect();
  virtual void DrawNoMount();
  // ---- Riding the dragon (momo_dracon.cpp) ----
  virtual void SetModeDracon(int mode);
  virtual void CheckDraconStanceInput();
  virtual void CheckDraconStanceAttackCombo();
  virtual void CheckDraconJumpInput();
  virtual void CreateDraconFireball(int plane, float height, float angleOffset);
  virtual void LandingCheck();
  virtual void MoveCharaDracon(float xOld, float yOld);
  virtual void DraconRunAuto();
  virtual void DrawDracon();

 private:
  // Input of this frame through her bindings; every query reads false without them.
  bool Query(int action, int kind) const;
  bool Pressed(int action) const { return Query(action, INPUT_PRESSED); }
  bool Held(int action) const { return Query(action, INPUT_HELD); }
  bool DirectionPressed(int direction) const { return Query(direction, INPUT_PRESSED); }
  bool DirectionHeld(int direction) const { return Query(direction, INPUT_HELD); }
  bool DirectionReleased(int direction) const { return Query(direction, INPUT_RELEASED); }

  // Step sounds, dust and the run's pictures.
  void RunStep();
  // Boards a riderless dragon waiting where she stands; false when there is none.
  bool BoardWaitingMount();
  // The dragon's stride: a heavy step every 16 frames and its eight running pictures.
  void DraconStride();
  // One of her modes, told once: its picture, what entering it does and what each of its frames
  // does (any hit box it launches is named in its frame). The rows are grouped by family, a file
  // each; the entry, the frame update and the drawing all find a mode from its row, and a mode
  // with no row stands and reads the controls.
  struct ModeRow {
    int mode;
    const ImagePtr* picture;  // the strip she is drawn from; null: nothing is drawn
    int pictureFrame;         // kOwnPictureFrame: her iFrame
    void (*enter)(TMomo&);    // may be null: the counters reset by SetMode are all it needs
    void (*frame)(TMomo&);
    void (*draw)(const TMomo&) = nullptr;  // a picture that is more than a strip at a frame
    // A skill's mana: asking for the mode (MPCheck) enters it only while she has more than this,
    // and pays it then, unless a later mode of the skill pays.
    float TMomo::*price = nullptr;
    bool paidLater = false;
  };
  static constexpr int kOwnPictureFrame = -1;
  // On foot.
  static std::span<const ModeRow> MovementModes();     // momo.cpp
  static std::span<const ModeRow> ReactionModes();     // momo_reactions.cpp
  static std::span<const ModeRow> GroundComboModes();  // momo_ground_combo.cpp
  static std::span<const ModeRow> AirComboModes();     // momo_air_combo.cpp
  static std::span<const ModeRow> GrappleModes();      // momo_grapple.cpp
  static std::span<const ModeRow> SkillModes();        // momo_skills.cpp
  // On the dragon.
  static std::span<const ModeRow> RidingModes();  // momo_dracon.cpp
  // The row of a mode on foot, or on the dragon; null for a mode without one.
  static const ModeRow* ModeOnFoot(int mode);
  static const ModeRow* ModeRiding(int mode);
  // Her pace on foot or on the dragon.
  struct Gait {
    float walk;      // running on foot, walking on the dragon
    float jump;      // upward speed at take-off
    float airSteer;  // sideways speed of a running take-off
  };
  static const Gait kFootGait;    // momo.cpp
  static const Gait kRidingGait;  // momo_dracon.cpp
  const Gait& GaitNow() const { return iTypeMount == MOUNT_DRACON ? kRidingGait : kFootGait; }
  // The entries of the modes that riding and going on foot share, at the pace of her gait.
  static void EnterInactive(TMomo& m);
  static void EnterWalk(TMomo& m);
  static void EnterLanding(TMomo& m);
  static void EnterStance(TMomo& m);
  static void EnterStopping(TMomo& m);
  static void EnterPlaneSwitch(TMomo& m);
  static void EnterJumpRise(TMomo& m);
  static void EnterStagger(TMomo& m);
  // A new mode's counters: the first frame of its first picture, animated forward.
  void StartMode(int mode) {
    iDelayCounter = 0;
    iMode = mode;
    iFrame = 0;
    bFrameDirection = 1;
  }
  // One frame of drifting through the air: her speed sideways, her rise slowed by `gravity`.
  void Drift(float gravity) {
    x += fSpeed;
    y -= fJump;
    fJump -= gravity;
  }
  void LoseLife();
  // Standing or running on foot: the controls, then the stance's breathing or the run's steps.
  void MoveStanding();
  // The automatic modes, at the stance and the run of her gait, from where she was at the start
  // of the frame.
  struct Stance {
    int frames, delay;
  };
  void MoveAutoMode(Stance stance, void (TMomo::*run)());
  // Slowing to a halt, `braking` a frame; pressing the way she faces sets her off in mode `again`,
  // and otherwise she reads the controls as she stands.
  void MoveStopping(float braking, int again, void (TMomo::*stanceInput)());
  // Standing or walking on the dragon.
  void MoveDraconStanding();
  float xFrameStart = 0, yFrameStart = 0;
  // One frame of a jump's arc, on foot or on the dragon: only the steering and the number of the
  // peak's pictures differ.
  void MoveJumpArc(int peakFrames);
  // Dash, switching planes with Dash and a direction or two taps; true when one of them acted.
  bool CheckPlaneInput(int dashMode);
  void MovePlaneSwitch();
  // Rolls attack `attack` and launches a hit box of class P at (px, py).
  template <class P>
  void Launch(float px, float py, int attack, float angle);
  template <class P>
  void Launch(float px, float py, int attack) {
    Launch<P>(px, py, attack, static_cast<float>(iFacing));
  }
  TCharacter* GrappledTarget() const;
  // Her picture from a mode's row; nothing for none.
  void DrawMode(const ModeRow* row) const;
  void DrawThrownFoe() const;
};

// Her hurt box (also her cutscene copy's): 50 wide and 180 tall, standing on her feet.
void SetHeroineBox(TCharacter& c);

// The view following a figure that moved from (xOld, yOld) to (x, y): the world scrolls once it
// leaves the band around the middle of the screen, never back behind the scroll lock, and the
// figure is kept inside the stretch (x may be moved). Sets the drawing origin from the view.
void FollowWithView(float& x, float y, float xOld, float yOld);
// One frame of the screen shake dying away: it swings to the other side, 2 pixels smaller.
void SettleQuake();

// How she reacts on foot to a blow that asks for reaction `damageType` (shared with her cutscene
// copy): down when airborne, lifted or knocked higher when launched, bounced when lying,
// otherwise the reaction asked for, with the push of a pushing blow (face down when it came from
// behind).
void ReactOnFoot(TCharacter& c, int damageType);
// Out of hit points: exactly 0, and a stagger or a push turns into a fall.
void FallWhenSpent(TCharacter& c);
