#pragma once
// TCharacter: what every fighter shares. Position on a depth plane, stats, hit points and mana,
// the mode of its state machine and its animation counters, the hurt box; the damage rolls, the
// damage pipeline a victim runs when a hit box touches it, the hit tests, the frame-stepping
// animation helpers, and throwing a rider off its mount.

#include <cstdint>

#include "world/modes.h"

class TCharacter {
 public:
  virtual ~TCharacter() = default;

  // ---- Fields ---------------------------------------------------------------------------------
  int32_t iCodePlayer = 0;   // index into GameInput of the bindings this character reads
  int32_t iType = 0;         // kind: 0 heroine, 30 Dracon, 50+ bosses, below 0 cutscene actors
  int32_t iID = 0;           // unique within CharacterList; the heroine is 0
  int32_t iAffiliation = 0;  // 0 heroine's side, 1 enemies, 2 neutral
  float fScore = 0;
  int32_t bPause = 0;
  int32_t bESC = 0;
  uint32_t pausePollSeen = 0;  // the input poll whose Pause release PauseCheck last acted on
  int32_t iAIMode = 0;
  float fHPMax = 0;
  float fMPMax = 0;
  int32_t iLive = 0;
  int32_t iBonusLiveCounter = 0;
  float fHPModifier = 0;  // hit points per point of fVit
  float fMPModifier = 0;  // mana per point of fInt
  float fHP = 0;
  float fMP = 0;
  float fVit = 0;
  float fStr = 0;
  float fInt = 0;
  float fAgi = 0;
  float fSize = 0;  // body size class, compared by grapples
  int32_t iMode = 0;
  int32_t iStatus = 0;  // STATUS_...
  int32_t iFacing = 0;  // FACING_RIGHT or FACING_LEFT
  int32_t iFacingState = 0;
  int32_t iDelayCounter = 0;  // frames in the current mode; wraps from 1200 to 1
  int32_t iFrame = 0;
  int32_t bFrameDirection = 0;       // 1 forward, 0 backward
  int32_t iInvulnerableCounter = 0;  // frames during which hit boxes pass through
  int32_t bComboEnable = 0;
  int32_t iGrappleAttackCounter = 0;
  int32_t iTargetID = 0;
  int32_t iTargetType = 0;
  float x = 0;  // feet, world pixels
  float y = 0;
  float fAngle = 0;  // direction of movement in degrees, 0 right, 90 down
  float fKnockbackAngle = 0;
  float fSpeed = 0;  // pixels per frame along fAngle
  float fJump = 0;   // pixels per frame, positive upward
  int32_t iPlane = 0;
  float xBBox = 0;  // hurt box corner relative to the feet
  float yBBox = 0;
  float BBoxWidth = 0;
  float BBoxHeight = 0;
  float xHitArea = 0;  // world rectangle where the last box hit overlapped the hurt box
  float yHitArea = 0;
  float HitAreaWidth = 0;
  float HitAreaHeight = 0;
  int32_t iSkillBlock = 0;
  int32_t iSkillDodge = 0;
  int32_t iSkillFortitude = 0;  // 1 staggers only, 2 the guard also holds against the back
  float fBlockModifier = 0;     // divisor of damage taken while guarding
  int32_t iCoolDownBlock = 0;   // frames
  int32_t iCoolDownDodge = 0;   // frames
  int32_t iComboType = 0;       // outcome of the last damage roll: 0 normal, 1 critical
  int32_t iMaxCombo = 0;
  int32_t bUnmount = 0;  // 1 on foot, 0 riding
  float fMountHP = 0;
  int32_t iTypeMount = 0;
  int32_t iMountID = 0;
  int32_t yMountModifier = 0;  // added to y when thrown off
  int32_t iRideCounter = 0;    // of a mount: boardings left
  float fHPBlock = 0;          // guard durability
  int32_t iExploitCounter = 0;
  int32_t iContinue = 0;
  int32_t iESCActiveCursor = 0;  // back-to-title dialog: 0 "No", 1 "Yes"
  int32_t bAuto = 0;

  // ---- Operations, in slot order ----------------------------------------------------------------
  virtual int IsInsideScreen();
  virtual void SetAuto(int auto_);
  virtual void SetMount(int typeMount, int mountID);
  virtual void SetLive();
  virtual void AddHP(float amount);
  virtual int CountLifeBonus();
  virtual void AddMP(float amount);
  virtual void Init(int codePlayer, int id);
  virtual void SetCoordinat(float x_, float plane);
  virtual void SetPlane(int plane);
  virtual int IsPaused();
  virtual int IsESC();
  virtual void PauseCheck();
  virtual void ESCCheck();
  virtual void ESCSelectionCheck();
  virtual void ResetBBox();
  virtual void SetBBoxKnockOut();
  virtual void ResetGameData();
  virtual void SetMode(int mode);
  virtual void CreateEffectDust();
  virtual void CreateEffectUltima(float ex, float ey);
  virtual void SetMovement();
  virtual void Move();
  virtual void MoveChara();
  virtual void Draw();
  virtual void PlayBlockSFX();
  virtual void Dismount();
  virtual void Damage(float damage, float knockbackAngle, int damageType, int comboType,
                      int backstabEnable);
  virtual void SetModeDamage(float damage, int damageType);
  virtual float CountThrowDamage(int count);
  virtual float CountPhysicalDamage(int attack);
  virtual float CountDamage(int die, int dice, int critThreshold, int critMultiplier, int magical);
  virtual float CountMagicalDamage(int attack);
  virtual void Animation1WayLoop(int frames, int delay);
  virtual float Animation1Way(int frames, int delay);
  virtual float Animation2Way(int frames, int delay);
  virtual void Animation2WayLoop(int frames, int delay);
  virtual void CreateHitEffect(int type, float px, float py, float pxBBox, float pyBBox,
                               float pWidth, float pHeight, int radius);
  virtual int Hit(int type, float px, float py, float pxBBox, float pyBBox, float pWidth,
                  float pHeight, int radius);
  virtual void DrawGUI();
  virtual void NormalizeKnockbackAngle();

 protected:
  bool IsRiding() const { return bUnmount == 0; }
  // The ground line of its plane (its own height between planes).
  float GroundLine() const;
  // True, with the feet put on the ground line, once it has come down past it.
  bool LandOnGround();
  // One step of fSpeed along the direction of the last blow.
  void MoveAlongKnockback();
  // Reactions every fighter shares, one frame each: launched high (54), lifted by a blow from
  // below (57, turning into 54 with the speed it gathered) and slammed down (67).
  void MoveLaunched();
  void MoveLifted();
  void MoveSlammed();
  // Sets off towards the next plane up or down: unhittable, slowed, with a sound and dust, its
  // plane index at the in-between value while it crosses.
  void StartPlaneSwitch(bool up);
  // The reaction of a character that only staggers (a rider, or fortitude 1 and up).
  void SetModeStagger(int damageType);
  // Zero hit points: exactly 0, the rider thrown off, and the fall.
  void FallSpent();
};

// Shapes of an attack's hit test.
constexpr int HIT_POINT = 0;
constexpr int HIT_CIRCLE = 1;
constexpr int HIT_BOX = 2;

// A rectangle in world pixels; hit tests count its edges as inside.
struct WorldRect {
  float left, top, right, bottom;
};

// Where a character can be hit: its hurt box placed at its feet.
WorldRect HurtBox(const TCharacter& c);
// The rectangle of a box-shaped hit test made at (px, py) with the box's corner and size.
WorldRect AttackBox(float px, float py, float pxBBox, float pyBBox, float pWidth, float pHeight);

// Combo types, as the combo counter shows them.
constexpr int COMBO_NORMAL = 0;
constexpr int COMBO_CRITICAL = 1;
constexpr int COMBO_BACKSTAB = 2;
constexpr int COMBO_CRITICAL_BACKSTAB = 3;

// The attack number whose roll is the backstab bonus.
constexpr int ATTACK_BACKSTAB = 31;

// The heroine as she stands in CharacterList (type 0, id 0), or nullptr before she exists. Her
// score, best combo and mana are credited through this.
TCharacter* FindHeroine();

// The first character of CharacterList with this id, or nullptr.
TCharacter* FindCharacter(int id);
