#include "actors/character.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "actors/combo_counter.h"
#include "fx/effects.h"
#include "input/game_input.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"
#include "world/spawn.h"

namespace {

constexpr int kKeyEscape = 27;

// ---- Damage rolls -------------------------------------------------------------------------------

// Which stat a roll adds, halved.
enum class RollStat {
  Str,
  Int,
  Str32,  // strength taken as 32 for this roll only (the dragon's blows)
  None,   // no stat and no critical check: the backstab bonus
};

// One attack number: `dice` rolls of Rand(die / 2, die), plus half the stat, times `critTimes`
// when the check roll Rand(1, 20) reaches `critAt`.
struct DamageRoll {
  int attack;
  int die;
  int dice;
  int critAt;
  int critTimes;
  RollStat stat;
};

// clang-format off
constexpr DamageRoll kPhysicalRolls[] = {
  // attack  die  dice  crit at  crit x  stat
  {  0,       4,   2,    18,      2,     RollStat::Int   },  // the heroine's basic strike
  {  1,       8,   1,    20,      3,     RollStat::Str   },
  {  2,       8,   1,    20,      2,     RollStat::Str   },
  {  3,       6,   2,    19,      2,     RollStat::Str   },
  {  4,       6,   3,    20,      3,     RollStat::Str   },
  {  5,       6,   1,    20,      2,     RollStat::Str   },
  {  6,       3,   1,    20,      2,     RollStat::Str   },
  {  7,       4,   1,    20,      2,     RollStat::Str   },
  {  8,       4,   2,    20,      2,     RollStat::Str   },
  {  9,       4,   1,    20,      3,     RollStat::Str   },
  { 10,       4,   2,    19,      3,     RollStat::Str   },
  { 11,       3,   1,    20,      2,     RollStat::Str   },
  { 12,      10,   1,    20,      3,     RollStat::Str   },
  { 13,       4,   1,    20,      2,     RollStat::Str   },
  { 14,       6,   1,    19,      2,     RollStat::Str   },
  { 15,      10,   1,    19,      2,     RollStat::Str   },
  { 16,       4,   6,    20,      1,     RollStat::Str   },
  { 17,       8,   1,    20,      3,     RollStat::Str   },
  { 18,       6,   2,    20,      2,     RollStat::Str32 },
  { 30,       8,   1,    20,      1,     RollStat::Str32 },
  { 31,       6,   2,     0,      0,     RollStat::None  },  // backstab bonus: 2 x Rand(3, 6)
};
// clang-format on
static_assert(std::size(kPhysicalRolls) == 21);

// clang-format off
constexpr DamageRoll kMagicalRolls[] = {
  // attack  die  dice  crit at  crit x  stat
  { 50,       6,   1,    20,      2,     RollStat::Int },
  { 51,       4,   2,    19,      2,     RollStat::Int },
  { 52,       3,   1,    20,      1,     RollStat::Int },
  { 53,       3,   1,    19,      2,     RollStat::Int },
  { 54,       1,   1,    20,      1,     RollStat::Int },
  { 55,       6,   6,    19,      2,     RollStat::Int },
  { 56,       1,   1,    20,      1,     RollStat::Int },
  { 57,       4,   1,    19,      2,     RollStat::Int },
  { 58,      20,   4,    20,      1,     RollStat::Int },
  { 59,      20,   4,    20,      1,     RollStat::Int },
  { 60,       8,   2,    20,      1,     RollStat::Int },
  { 61,       6,   2,    20,      2,     RollStat::Int },
  { 62,       8,   2,    20,      1,     RollStat::Str },
  { 63,       4,   2,    20,      1,     RollStat::Int },
  { 64,      12,   4,    20,      1,     RollStat::Int },
};
// clang-format on
static_assert(std::size(kMagicalRolls) == 15);

template <size_t N>
const DamageRoll* FindRoll(const DamageRoll (&table)[N], int attack) {
  for (const DamageRoll& row : table) {
    if (row.attack == attack) return &row;
  }
  return nullptr;
}

// Throws: four dice of 4 per count, strength, never critical.
constexpr int kThrowDie = 4;
constexpr int kThrowDicePerCount = 4;
constexpr int kThrowCritAt = 20;

// The dragon hits as hard whoever rides it.
constexpr float kDraconStrength = 32;

// ---- Damage pipeline ----------------------------------------------------------------------------

constexpr int kComboWindow = 24;  // frames within which a hit on a standing victim still counts
constexpr float kBackstabScore = 20;
constexpr float kComboScore = 10;
constexpr int kGuardInvulnerable = 4;
constexpr float kPushBackSpeed = 20;

bool IsOneOf(int mode, std::initializer_list<int> modes) {
  return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

// Modes in which a block or a dodge can be pulled off.
bool CanBlockIn(int mode, int frame) {
  return IsOneOf(mode, {MODE_STANCE, MODE_WALK_TOWARD, MODE_WALK_BACK, MODE_RUN, MODE_HIT_HIGH,
                        MODE_HIT_LOW}) ||
         (mode == MODE_ATTACK1 && frame == 0);
}
bool CanDodgeIn(int mode, int frame) {
  return IsOneOf(mode, {MODE_STANCE, MODE_WALK_TOWARD, MODE_WALK_BACK, MODE_RUN}) ||
         ((mode == MODE_ATTACK1 || mode == MODE_DASH) && frame == 0);
}
// Reactions after which a character would stand up again.
bool IsStagger(int mode) {
  return IsOneOf(
      mode, {MODE_GRAPPLE_HIT, MODE_HIT_HIGH, MODE_HIT_LOW, MODE_PUSHED_LOW, MODE_PUSHED_HIGH});
}

// ---- Dismount -----------------------------------------------------------------------------------

constexpr int kMountIdFloor = 1000;  // a new mount's id is drawn from rider id + 1000 ..
constexpr int kMountIdCeiling = 30000;
constexpr float kMountChargeSpeed = 15;

// The mount a rider boarded, waiting unseen in CharacterList: found by its id and kind.
TCharacter* FindMount(int id, int type) {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iID == id && c->iType == type) return c.get();
  }
  return nullptr;
}

// The mount carries on with the rider's motion: a charge, a jump or an air strike goes on without
// her, in the mode written here directly (no entry actions); anything else throws it back.
struct HandOver {
  int riderMode;
  int mountMode;
  bool keepCounters;  // the rider's frame and frame counter go on in the mount
};
// clang-format off
constexpr HandOver kHandOvers[] = {
  // rider                 mount             counters
  { MODE_CHARGE,           MODE_CHARGE,      false },
  { MODE_JUMP_RISE,        MODE_JUMP_RISE,   false },
  { MODE_JUMP_PEAK,        MODE_JUMP_PEAK,   true  },
  { MODE_JUMP_FALL,        MODE_JUMP_FALL,   false },
  { MODE_AIR_STRIKE,       MODE_JUMP_FALL,   false },
  { MODE_AIR_BREATH,       MODE_JUMP_FALL,   false },
  { MODE_AIR_HOVER,        MODE_AIR_HOVER,   true  },
  { MODE_AIR_BREATH_UP,    MODE_AIR_HOVER,   true  },
};
// clang-format on
static_assert(std::size(kHandOvers) == 8);

// A new riderless dragon with an id no character has yet; nullptr when no layer registered the
// kind (the rider then simply falls).
std::shared_ptr<TCharacter> SpawnFreshMount(int riderID) {
  std::shared_ptr<TCharacter> dracon;
  int id = 0;
  do {
    id = Rand(riderID + kMountIdFloor, kMountIdCeiling);
    dracon = Spawn(TYPE_DRACON, id);
  } while (dracon && FindCharacter(id));
  return dracon;
}

void HandOverMotion(const TCharacter& rider, TCharacter& mount) {
  const HandOver* row = nullptr;
  for (const HandOver& h : kHandOvers) {
    if (h.riderMode == rider.iMode) row = &h;
  }
  if (!row) {
    mount.SetMode(MODE_PUSHED_HIGH);
    return;
  }
  mount.fJump = rider.fJump;
  mount.fSpeed = rider.iMode == MODE_CHARGE ? kMountChargeSpeed : rider.fSpeed;
  mount.iMode = row->mountMode;
  mount.iFrame = row->keepCounters ? rider.iFrame : 0;
  if (row->keepCounters) mount.iDelayCounter = rider.iDelayCounter;
}

}  // namespace

TCharacter* FindHeroine() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iType == TYPE_HEROINE && c->iID == 0) return c.get();
  }
  return nullptr;
}

TCharacter* FindCharacter(int id) {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iID == id) return c.get();
  }
  return nullptr;
}

// ---- Position, stats and lives ------------------------------------------------------------------

int TCharacter::IsInsideScreen() { return fWorldX <= x && x <= fWorldX + fScreenWidth ? 1 : 0; }

void TCharacter::SetAuto(int auto_) { bAuto = auto_; }

void TCharacter::SetMount(int typeMount, int mountID) {
  iTypeMount = typeMount;
  iMountID = mountID;
  if (typeMount != 0) {
    iSkillFortitude = 1;
    bUnmount = 0;
    fMountHP = 48;
  } else {
    iSkillFortitude = 0;
    bUnmount = 1;
    fMountHP = 0;
  }
}

void TCharacter::SetLive() {
  iLive = 2;
  iBonusLiveCounter = 0;
  fScore = 0;
  iContinue = iDifficulty == 0 ? 3 : 2;
}

void TCharacter::AddHP(float amount) {
  fHPMax = fVit * fHPModifier;
  fHP = std::min(fHP + amount, fHPMax);
}

int TCharacter::CountLifeBonus() {
  // A character without hit points to speak of earns nothing (and divides by nothing).
  if (fHPMax <= 0) return 0;
  return static_cast<int>(fHP / fHPMax * 100) * 100;
}

void TCharacter::AddMP(float amount) {
  fMPMax = fInt * fMPModifier;
  fMP = std::min(fMP + amount, fMPMax);
}

void TCharacter::Init(int, int) {}

void TCharacter::SetCoordinat(float x_, float plane) {
  x = x_;
  SetPlane(static_cast<int>(plane));
}

void TCharacter::SetPlane(int plane) {
  iPlane = plane;
  if (plane >= 0 && plane < static_cast<int>(fPlaneY.size())) y = fPlaneY[plane];
}

// ---- Pause and back-to-title checks -------------------------------------------------------------

namespace {
// The bindings this character reads; enemies point past the one slot and read none.
TGameInput* InputOf(int codePlayer) {
  if (codePlayer < 0 || codePlayer >= static_cast<int>(GameInput.size())) return nullptr;
  return GameInput[codePlayer].get();
}
}  // namespace

int TCharacter::IsPaused() { return bPause; }

int TCharacter::IsESC() { return bESC; }

// One release, one toggle: on a frame where nothing polled (the skill list fading out, the map,
// a frame slow motion skips) the last poll's release is not a new one.
void TCharacter::PauseCheck() {
  const TGameInput* input = InputOf(iCodePlayer);
  if (input && input->ReleasedInNewPoll(ACTION_PAUSE, pausePollSeen)) bPause = bPause ? 0 : 1;
}

void TCharacter::ESCCheck() {
  if (iMode != MODE_INACTIVE && KeyDown(kKeyEscape) && bESC == 0) {
    bESC = 1;
    iESCActiveCursor = 0;
  }
}

void TCharacter::ESCSelectionCheck() {
  const TGameInput* input = InputOf(iCodePlayer);
  if (!input) return;
  const bool sideways = input->DirectionalButtonPress(ACTION_LEFT, INPUT_RELEASED) ||
                        input->DirectionalButtonPress(ACTION_RIGHT, INPUT_RELEASED);
  if (iMode != MODE_INACTIVE && sideways) {
    iESCActiveCursor = iESCActiveCursor ? 0 : 1;
    PlaySound(sndTVbeep3);
  } else if (input->ButtonPress(ACTION_ATTACK, INPUT_RELEASED)) {
    bESC = 0;
  }
}

// ---- Hooks of the subclasses --------------------------------------------------------------------

void TCharacter::ResetBBox() {}
void TCharacter::SetBBoxKnockOut() {}
void TCharacter::ResetGameData() {}
void TCharacter::SetMode(int) {}
void TCharacter::MoveChara() {}
void TCharacter::Draw() {}
void TCharacter::DrawGUI() {}

// ---- Effects, sounds and movement ---------------------------------------------------------------

void TCharacter::CreateEffectDust() {
  auto dust = std::make_shared<TEffectDust>();
  dust->Init(x, y, fAngle, 0, iFacing, iPlane);
  EffectList.push_back(dust);
}

void TCharacter::CreateEffectUltima(float ex, float ey) {
  auto ultima = std::make_shared<TEffectUltima>();
  ultima->Init(ex, ey, fAngle, 0, iFacing, iPlane);
  EffectList.push_back(ultima);
  PlaySound(sndSpecialFlash);
}

void TCharacter::PlayBlockSFX() {
  const SoundPtr* const sounds[] = {&sndMetalBlock1, &sndMetalBlock2, &sndMetalBlock3};
  PlaySound(*sounds[Rand(0, 2)]);
}

float TCharacter::GroundLine() const {
  return iPlane >= 0 && iPlane < static_cast<int>(fPlaneY.size()) ? fPlaneY[iPlane] : y;
}

bool TCharacter::LandOnGround() {
  if (y <= GroundLine()) return false;
  y = GroundLine();
  return true;
}

void TCharacter::MoveAlongKnockback() {
  x += static_cast<float>(Cos(fKnockbackAngle)) * fSpeed;
  y += static_cast<float>(Sin(fKnockbackAngle)) * fSpeed;
}

void TCharacter::MoveLaunched() {
  MoveAlongKnockback();
  y -= fJump;
  fJump -= 1;
  if (fJump <= 0) {
    if (fJump == 0) iDelayCounter = 1;  // the fall's pictures start at the top
    Animation1Way(2, 8);
  }
  if (LandOnGround()) {
    SetMode(MODE_BOUNCE);
    fQuake = 10;
  }
}

void TCharacter::MoveLifted() {
  if (fJump < 28) fJump += 1.5f;
  if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
  if (iDelayCounter == 8) iMode = MODE_KNOCKUP;  // keeps the counters and the speed gathered
  if (LandOnGround()) SetMode(MODE_BOUNCE);
}

void TCharacter::MoveSlammed() {
  if (iDelayCounter >= 12) {
    y = GroundLine();
    fSpeed = 0;
    fQuake = 12;
    SetMode(MODE_BOUNCE);
  } else {
    MoveAlongKnockback();
    y += 3;
  }
}

void TCharacter::SetMovement() {
  x += static_cast<float>(Cos(fAngle)) * fSpeed;
  y += static_cast<float>(Sin(fAngle)) * fSpeed;
}

void TCharacter::Move() {
  iDelayCounter = NextDelayCounter(iDelayCounter);
  if (iInvulnerableCounter > 0) --iInvulnerableCounter;
  MoveChara();
}

// ---- Dismount -----------------------------------------------------------------------------------

void TCharacter::Dismount() {
  if (TCharacter* mount = FindMount(iMountID, TYPE_DRACON)) {
    // The mount she boarded waits in the list; it takes over where she was thrown off.
    mount->ResetGameData();
    mount->SetCoordinat(x, static_cast<float>(iPlane));
    mount->y = y;
    mount->iFacing = iFacing;
    mount->fAngle = static_cast<float>(iFacing);
    HandOverMotion(*this, *mount);
  } else if (std::shared_ptr<TCharacter> dracon = SpawnFreshMount(iID)) {
    dracon->SetCoordinat(x, static_cast<float>(iPlane));
    dracon->y = y;
    CharacterList.push_back(dracon);
    dracon->ResetGameData();
    if (iMode == MODE_CHARGE) {
      dracon->fJump = fJump;
      dracon->fSpeed = kMountChargeSpeed;
      dracon->SetMode(MODE_CHARGE);
    } else {
      dracon->SetMode(MODE_PUSHED_HIGH);
    }
    dracon->iFacing = iFacing;
    dracon->fAngle = static_cast<float>(iFacing);
  }
  y += static_cast<float>(yMountModifier);
  SetMount(0, -1);
  SetMode(MODE_KNOCKDOWN);
}

// ---- Damage pipeline ----------------------------------------------------------------------------

void TCharacter::FallSpent() {
  fHP = 0;
  if (IsRiding()) Dismount();
  SetMode(MODE_KNOCKDOWN);
}

void TCharacter::Damage(float damage, float knockbackAngle, int damageType, int comboType,
                        int backstabEnable) {
  fKnockbackAngle = knockbackAngle;
  // Pushed the way it faces: the blow came from behind.
  const bool fromBehind = fKnockbackAngle == static_cast<float>(iFacing);
  TCharacter* heroine = FindHeroine();

  if (fromBehind && backstabEnable == 1) {
    fHP -= CountPhysicalDamage(ATTACK_BACKSTAB);
    if (comboType == COMBO_NORMAL) {
      comboType = COMBO_BACKSTAB;
    } else if (comboType == COMBO_CRITICAL) {
      comboType = COMBO_CRITICAL_BACKSTAB;
    }
    if (heroine) heroine->fScore += kBackstabScore;
  }

  // A victim still reeling keeps the combo going however long ago the last hit was.
  if (ComboCounter) {
    if (IsReactionMode(iMode) || ComboCounter->iCounter < kComboWindow) {
      ComboCounter->AddCombo(comboType);
      if (heroine) {
        heroine->iMaxCombo = std::max(heroine->iMaxCombo, ComboCounter->iCombo);
        heroine->fScore += kComboScore;
      }
    } else {
      ComboCounter->Reset();
      ComboCounter->AddCombo(comboType);
    }
  }

  if (iStatus == STATUS_GUARDING && (iSkillFortitude >= 2 || !fromBehind)) {
    // A guard with no divisor set softens nothing rather than dividing by zero.
    const float divisor = fBlockModifier > 0 ? fBlockModifier : 1;
    fHP -= damage / divisor;
    PlayBlockSFX();
    fHPBlock -= damage;
    if (fHP <= 0) FallSpent();
    if (fHPBlock <= 0 || fHP <= 0) SetModeDamage(damage, damageType);
    iInvulnerableCounter = kGuardInvulnerable;
  } else if (iSkillBlock == 1 && iCoolDownBlock == 0 && CanBlockIn(iMode, iFrame)) {
    SetMode(MODE_BLOCK);
    PlayBlockSFX();
    // The backstab bonus lands even on a block; if it emptied the hit points, the block is moot.
    if (fHP <= 0) FallSpent();
  } else if (iSkillDodge == 1 && iCoolDownDodge == 0 && CanDodgeIn(iMode, iFrame)) {
    SetMode(MODE_DODGE);
    if (fHP <= 0) FallSpent();
  } else {
    fHP -= damage;
    SetModeDamage(damage, damageType);
  }
  NormalizeKnockbackAngle();
}

void TCharacter::StartPlaneSwitch(bool up) {
  PlaySound(sndTVPlaneSwitch);
  iStatus = STATUS_UNHITTABLE;
  fSpeed /= 1.5f;
  CreateEffectDust();
  iPlane += up ? -1 : 1;
}

void TCharacter::SetModeStagger(int damageType) {
  // Nothing knocks this character off its feet.
  if (iMode == MODE_LYING) {
    SetMode(MODE_LYING_HIT);
  } else if (damageType == MODE_PUSHED_LOW) {
    SetMode(MODE_HIT_LOW);
  } else if (damageType == MODE_PUSHED_HIGH) {
    SetMode(MODE_HIT_HIGH);
  } else if (damageType == MODE_KNOCKDOWN || damageType == MODE_KNOCKED_AWAY) {
    fSpeed = kPushBackSpeed;
    SetMode(MODE_PUSHED_LOW);
  } else if (damageType == MODE_KNOCKUP) {
    fSpeed = kPushBackSpeed;
    SetMode(MODE_PUSHED_HIGH);
  } else {
    SetMode(damageType);
  }
}

void TCharacter::SetModeDamage(float, int damageType) {
  if (iSkillFortitude >= 1) {
    SetModeStagger(damageType);
  } else if (iMode == MODE_LYING) {
    SetMode(MODE_LYING_HIT);
  } else if (IsAirborneMode(iMode) || iMode == MODE_KNOCKDOWN) {
    // A hit in the air always knocks down.
    if (damageType == MODE_KNOCKED_AWAY || damageType == MODE_KNOCKUP) {
      SetMode(damageType);
    } else {
      SetMode(MODE_KNOCKDOWN);
    }
  } else if (iMode == MODE_KNOCKUP || iMode == MODE_LIFTED) {
    // Juggling keeps the victim up.
    if (damageType == MODE_KNOCKDOWN || damageType == MODE_KNOCKED_AWAY) {
      SetMode(damageType);
    } else {
      SetMode(MODE_LIFTED);
    }
  } else {
    if (damageType == MODE_PUSHED_LOW || damageType == MODE_PUSHED_HIGH) fSpeed = kPushBackSpeed;
    SetMode(damageType);
  }

  if (fHP <= 0) {
    fHP = 0;
    if (IsRiding()) Dismount();
    if (IsStagger(iMode)) SetMode(MODE_KNOCKDOWN);
  }
}

// ---- Damage rolls -------------------------------------------------------------------------------

float TCharacter::CountDamage(int die, int dice, int critThreshold, int critMultiplier,
                              int magical) {
  const int check = Rand(1, 20);
  float sum = 0;
  for (int i = 0; i < dice; ++i) sum += static_cast<float>(Rand(die / 2, die));
  sum += (magical != 0 ? fInt : fStr) / 2;
  if (check >= critThreshold) {
    sum *= static_cast<float>(critMultiplier);
    iComboType = COMBO_CRITICAL;
  } else {
    iComboType = COMBO_NORMAL;
  }
  return sum;
}

namespace {
float RollFromTable(TCharacter& c, const DamageRoll* row) {
  if (!row) return 0;
  switch (row->stat) {
    case RollStat::None: {
      float sum = 0;
      for (int i = 0; i < row->dice; ++i) sum += static_cast<float>(Rand(row->die / 2, row->die));
      return sum;
    }
    case RollStat::Str32: {
      const float ownStrength = c.fStr;
      c.fStr = kDraconStrength;
      const float damage = c.CountDamage(row->die, row->dice, row->critAt, row->critTimes, 0);
      c.fStr = ownStrength;
      return damage;
    }
    case RollStat::Int:
      return c.CountDamage(row->die, row->dice, row->critAt, row->critTimes, 1);
    case RollStat::Str:
      break;
  }
  return c.CountDamage(row->die, row->dice, row->critAt, row->critTimes, 0);
}
}  // namespace

float TCharacter::CountThrowDamage(int count) {
  const float damage = CountDamage(kThrowDie, kThrowDicePerCount * count, kThrowCritAt, 1, 0);
  iComboType = COMBO_NORMAL;
  return damage;
}

float TCharacter::CountPhysicalDamage(int attack) {
  return RollFromTable(*this, FindRoll(kPhysicalRolls, attack));
}

float TCharacter::CountMagicalDamage(int attack) {
  return RollFromTable(*this, FindRoll(kMagicalRolls, attack));
}

// ---- Animation ----------------------------------------------------------------------------------

void TCharacter::Animation1WayLoop(int frames, int delay) {
  StepAnimation1WayLoop(iFrame, iDelayCounter, frames, delay);
}

float TCharacter::Animation1Way(int frames, int delay) {
  return StepAnimation1Way(iFrame, iDelayCounter, frames, delay);
}

float TCharacter::Animation2Way(int frames, int delay) {
  return StepAnimation2Way(iFrame, bFrameDirection, iDelayCounter, frames, delay, false);
}

void TCharacter::Animation2WayLoop(int frames, int delay) {
  StepAnimation2Way(iFrame, bFrameDirection, iDelayCounter, frames, delay, true);
}

// ---- Hit tests ----------------------------------------------------------------------------------

WorldRect HurtBox(const TCharacter& c) {
  const float left = c.x + c.xBBox, top = c.y + c.yBBox;
  return {left, top, left + c.BBoxWidth, top + c.BBoxHeight};
}

WorldRect AttackBox(float px, float py, float pxBBox, float pyBBox, float pWidth, float pHeight) {
  const float left = px + pxBBox, top = py + pyBBox;
  return {left, top, left + pWidth, top + pHeight};
}

int TCharacter::Hit(int type, float px, float py, float pxBBox, float pyBBox, float pWidth,
                    float pHeight, int radius) {
  const WorldRect c = HurtBox(*this);
  switch (type) {
    case HIT_POINT:
      return c.left <= px && px <= c.right && c.top <= py && py <= c.bottom ? 1 : 0;
    case HIT_CIRCLE:
      return IsWithinRadius(px, py, x, y, static_cast<float>(radius));
    case HIT_BOX: {
      // Touching edges count.
      const WorldRect p = AttackBox(px, py, pxBBox, pyBBox, pWidth, pHeight);
      return p.left <= c.right && p.right >= c.left && p.top <= c.bottom && p.bottom >= c.top ? 1
                                                                                              : 0;
    }
    default:
      return 0;
  }
}

void TCharacter::CreateHitEffect(int type, float px, float py, float pxBBox, float pyBBox,
                                 float pWidth, float pHeight, int) {
  if (type != HIT_BOX) return;
  const WorldRect c = HurtBox(*this);
  const WorldRect p = AttackBox(px, py, pxBBox, pyBBox, pWidth, pHeight);
  xHitArea = std::max(p.left, c.left);
  yHitArea = std::max(p.top, c.top);
  HitAreaWidth = std::min(p.right, c.right) - xHitArea;
  HitAreaHeight = std::min(p.bottom, c.bottom) - yHitArea;
}

void TCharacter::NormalizeKnockbackAngle() {
  fKnockbackAngle =
      fKnockbackAngle > -90 && fKnockbackAngle <= 90 ? float{FACING_RIGHT} : float{FACING_LEFT};
}
