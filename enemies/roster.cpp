#include "enemies/roster.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "enemies/enemy_projectiles.h"
#include "heroine/momo.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"
#include "world/spawn.h"

namespace {

using BoxMaker = std::shared_ptr<TProjectile> (*)();
template <class T>
std::shared_ptr<TProjectile> Make() {
  return std::make_shared<T>();
}

// One attack mode of a kind.
struct AttackRow {
  int mode;
  int frames, delay;
  bool backAndForth;  // the skull's cast plays its pictures there and back
  int hitAt;          // the frame counter at which the box appears
  BoxMaker box;
  int power;    // attack number of the damage roll
  int chainTo;  // 0: none
  int chainAt;  // the earliest frame counter at which a connected swing chains
  int duration;
  bool fallback;  // ends in Fallback() rather than standing
};

// The charge (mode 3) and its finisher (mode 159).
enum class Finisher { None, Leap, Slash, Thrust };
struct ChargeRow {
  float speed;
  int finisherRange;
  int runFrames, runDelay;
  int longStep, shortStep;
  const SoundPtr* step1;
  const SoundPtr* step2;
  Finisher finisher;
  float leapJump;                                                      // Leap
  int finisherFrames, finisherDelay, finisherHitAt, finisherDuration;  // Slash and Thrust
  float finisherBrake;                                                 // speed lost a frame
  BoxMaker box;
  int power;
};

// A picture of a kind's own mode.
struct OwnPicture {
  int mode;
  const ImagePtr* picture;
  int fixedFrame;  // -1: the enemy's frame
};

}  // namespace

// What an enemy sees of the heroine this frame.
struct Sight {
  float dx;
  bool samePlane;
  bool exploiting;  // she keeps on attacking
};

// A mode a kind runs itself: its entry (after the shared reset), its frame and, where the kind's
// pictures do not cover it, its picture.
struct KindMode {
  int mode;
  void (*enter)(TEnemyKind& k);                  // nullptr: nothing more
  void (*frame)(TEnemyKind& k, TCharacter* pc);  // nullptr: nothing
  void (*draw)(TEnemyKind& k);                   // nullptr: the kind's pictures
};

struct KindRow {
  int type;
  float size;
  float walkSpeed;
  float hpBarPost;
  int skillBlock, skillDodge, skillFortitude;
  float blockModifier;
  int unmount;
  float hpModifier, vit, str, intelligence, agi, mpPerInt;
  int planeCoolDown;  // at ResetGameData, and after every switch the engage AI makes
  // The guard against a heroine who keeps attacking (0 cool-down: it has none): how long before
  // the next, how much it holds, and the reach and the mode of the counter-blow it ends in.
  int guardCoolDown;
  float guardStrength;
  float guardReach;
  int guardCounter;
  int boxTop, boxHeight;
  float thrownJump, thrownSpeed;  // flung by the heroine; 0: it is never thrown
  BoxMaker thrownBox;
  const AttackRow* attacks;
  int attackCount;
  const ChargeRow* charge;  // nullptr: it never charges
  FoeStrips pictures;       // of the modes every foe shares
  const OwnPicture* own;
  int ownCount;
  const KindMode* modes;  // the kind's own mode rows, looked at before every kind's
  int modeCount;
};

namespace {

// clang-format off
// mode  frames delay  2-way  hit at  box                                     power  chain  at  duration  fallback
const AttackRow kNecromancerAttacks[] = {
  {100,  4,     7,     false, 7,      Make<TProjectileNecromancerAttack1>,    5,     101,   28, 42,       false},
  {101,  4,     7,     false, 7,      Make<TProjectileNecromancerAttack2>,    5,     0,     0,  42,       false},
  {120,  4,     5,     true,  15,     Make<TProjectileNecromancerSkull>,      50,    0,     0,  35,       false},
};
const AttackRow kTemplarAttacks[] = {
  {100,  4,     7,     false, 7,      Make<TProjectileTemplarAttack1>,        2,     101,   28, 49,       true },
  {101,  4,     7,     false, 7,      Make<TProjectileTemplarAttack2>,        2,     102,   28, 49,       false},
  {102,  4,     7,     false, 7,      Make<TProjectileTemplarAttack3>,        2,     0,     0,  49,       true },
  {103,  5,     8,     false, 16,     Make<TProjectileTemplarAttack4>,        2,     0,     0,  64,       false},
};
const AttackRow kRaiderAttacks[] = {
  {100,  5,     6,     false, 12,     Make<TProjectileRaiderAttack1>,         12,    0,     0,  36,       true },
};
const AttackRow kExecutionerAttacks[] = {
  {100,  4,     6,     false, 6,      Make<TProjectileExecutionerAttack1>,    3,     101,   24, 42,       true },
  {101,  4,     6,     false, 6,      Make<TProjectileExecutionerAttack2>,    3,     102,   24, 42,       true },
  {102,  4,     6,     false, 6,      Make<TProjectileExecutionerAttack3>,    3,     0,     0,  42,       true },
};
const AttackRow kSpearmanAttacks[] = {
  {100,  4,     6,     false, 6,      Make<TProjectileSpearmanAttack1>,       1,     0,     0,  42,       true },
};
const AttackRow kSabermanAttacks[] = {
  {100,  4,     6,     false, 6,      Make<TProjectileSabermanAttack1>,       14,    0,     0,  42,       true },
};

// speed range run        steps    sounds                            finisher          jump frames delay hit duration brake box                                   power
const ChargeRow kTemplarCharge     {8,    360,  6, 6,  36, 18, &sndStep1,       &sndStep2,       Finisher::Leap,   12,  0, 0, 0,  0,  0,     Make<TProjectileTemplarDash>,     7};
const ChargeRow kRaiderCharge      {11.5f, 360, 8, 4,  32, 16, &sndDraconStep1, &sndDraconStep1, Finisher::Leap,   14,  0, 0, 0,  0,  0,     Make<TProjectileRaiderDash>,      30};
const ChargeRow kExecutionerCharge {8.5f, 252,  6, 6,  36, 18, &sndStep1,       &sndStep2,       Finisher::Slash,  0,   4, 5, 5,  35, 0.25f, Make<TProjectileExecutionerDash>, 3};
const ChargeRow kSpearmanCharge    {7.5f, 264,  6, 6,  36, 18, &sndStep1,       &sndStep2,       Finisher::Thrust, 0,   4, 6, 6,  42, 0.4f,  Make<TProjectileSpearmanDash>,    1};

const OwnPicture kNecromancerOwn[] = {{100, &imgNecromancerAttack1, -1}, {101, &imgNecromancerAttack2, -1}};
const OwnPicture kTemplarOwn[] = {{13, &imgTemplarBlock, -1}, {159, &imgTemplarDash, 0}, {100, &imgTemplarAttack1, -1}, {102, &imgTemplarAttack1, -1}, {101, &imgTemplarAttack2, -1}, {103, &imgTemplarAttack3, -1}};
const OwnPicture kExecutionerOwn[] = {{159, &imgExecutionerAttack3, -1}, {102, &imgExecutionerAttack3, -1}, {100, &imgExecutionerAttack1, -1}, {101, &imgExecutionerAttack2, -1}};
const OwnPicture kSpearmanOwn[] = {{100, &imgSpearmanAttack1, -1}, {159, &imgSpearmanAttack1, -1}};
const OwnPicture kSabermanOwn[] = {{100, &imgSabermanAttack1, -1}};

// clang-format on

constexpr int kExploitingFrom = 4;  // repeated attacks of hers that make the enemies answer
constexpr float kRunPastDistance = 200;
constexpr float kLeapGravity = 0.8f;
constexpr int kBlockFrames = 50;
constexpr int kThrowCarry = 100;  // pixels the executioner carries her before the slam

bool IsIdle(int mode) {
  return mode == MODE_STANCE || mode == MODE_WALK_TOWARD || mode == MODE_WALK_BACK;
}

const AttackRow* FindAttack(const KindRow& row, int mode) {
  for (int i = 0; i < row.attackCount; ++i) {
    if (row.attacks[i].mode == mode) return &row.attacks[i];
  }
  return nullptr;
}

}  // namespace

// ---- The shared body ----------------------------------------------------------------------------

void TEnemyKind::Init(int, int id) {
  const KindRow& row = Row();
  fSize = row.size;
  iCodePlayer = CODE_PLAYER_NONE;
  ResetBBox();
  iType = row.type;
  iID = id;
  iStatus = STATUS_NORMAL;
  iAffiliation = SIDE_ENEMY;
  fWalkSpeed = row.walkSpeed;
  fHPBarPost = row.hpBarPost;
  iSkillBlock = row.skillBlock;
  iSkillDodge = row.skillDodge;
  iSkillFortitude = row.skillFortitude;
  fBlockModifier = row.blockModifier;
  bUnmount = row.unmount;
}

void TEnemyKind::ResetBBox() {
  xBBox = -35;
  yBBox = static_cast<float>(Row().boxTop);
  BBoxWidth = 70;
  BBoxHeight = static_cast<float>(Row().boxHeight);
}

void TEnemyKind::SetBBoxKnockOut() {
  xBBox = -80;
  yBBox = -40;
  BBoxWidth = 160;
  BBoxHeight = 60;
}

void TEnemyKind::ResetGameData() {
  const KindRow& row = Row();
  const float s = fEnemyStatFactor;
  fHPModifier = row.hpModifier;
  fVit = row.vit * s;
  fStr = row.str * s;
  fInt = row.intelligence * s;
  fAgi = row.agi * s;
  fHP = fVit * fHPModifier;
  fMP = fInt * row.mpPerInt;
  fHPMax = fHP;
  fMPMax = fMP;
  fSpeed = 0;
  SetMode(MODE_STANCE);
  iFacing = FACING_LEFT;
  bComboEnable = 0;
  iCoolDownPlaneSwitch = row.planeCoolDown;
  iCoolDownBlock = 0;
  ResetOwnCoolDowns();
  iAIMode = AI_ENGAGE;
  fHPBlock = 0;
  iInvulnerableCounter = 0;
}

void TEnemyKind::CountCoolDowns() {
  if (iCoolDownPlaneSwitch > 0) --iCoolDownPlaneSwitch;
  if (Row().skillBlock == 1 && iCoolDownBlock > 0) --iCoolDownBlock;
}

// The common pattern of an attack: a connected swing chains from its threshold on; the box
// appears on its frame; at the end it falls back or stands.
void TEnemyKind::LaunchBox(BoxMaker make, int power, float height) {
  const float damage = power >= 50 ? CountMagicalDamage(power) : CountPhysicalDamage(power);
  auto box = make();
  box->Init(iID, x, height, static_cast<float>(iFacing), 0, iFacing, iPlane, damage, iComboType,
            IsBackstabAttack(power));
  ProjectileList.push_back(box);
}

bool TEnemyKind::MoveAttack() {
  const AttackRow* attack = FindAttack(Row(), iMode);
  if (!attack) return false;
  if (iDelayCounter < attack->duration) {
    if (attack->chainTo != 0 && bComboEnable == 1 && iDelayCounter >= attack->chainAt) {
      SetMode(attack->chainTo);
      return true;
    }
    if (attack->backAndForth) {
      Animation2Way(attack->frames, attack->delay);
    } else {
      Animation1Way(attack->frames, attack->delay);
    }
    if (iDelayCounter == attack->hitAt) {
      // The skull is cast from above the head.
      LaunchBox(attack->box, attack->power, iMode == ENEMY_SKULL ? y - 140 : y);
    }
  } else {
    if (attack->fallback) {
      Fallback();
    } else {
      SetMode(MODE_STANCE);
    }
    bComboEnable = 0;
  }
  return true;
}

void TEnemyKind::MoveCharge(TCharacter* pc) {
  const ChargeRow* charge = Row().charge;
  if (!charge || !pc) return;
  const bool runPast = (iFacing == FACING_RIGHT && x > pc->x + kRunPastDistance) ||
                       (iFacing == FACING_LEFT && x < pc->x - kRunPastDistance);
  if (runPast) {
    SetMode(MODE_STANCE);
  } else if (std::fabs(pc->x - x) < static_cast<float>(charge->finisherRange) &&
             pc->iPlane == iPlane) {
    SetMode(ENEMY_FINISHER);
  }
  Animation1WayLoop(charge->runFrames, charge->runDelay);
  if (iDelayCounter % charge->longStep == 0) {
    PlaySound(*charge->step1);
    CreateEffectDust();
  } else if (iDelayCounter % charge->shortStep == 0) {
    PlaySound(*charge->step2);
    CreateEffectDust();
  }
  SetMovement();
}

void TEnemyKind::MoveFinisher() {
  const ChargeRow* charge = Row().charge;
  if (!charge) return;
  if (charge->finisher == Finisher::Leap) {
    y -= fJump;
    fJump -= kLeapGravity;
    SetMovement();
    if (LandOnGround()) SetMode(MODE_STANCE);
    return;
  }
  // A slash or a thrust that carries it on, braking.
  if (iDelayCounter < charge->finisherDuration) {
    Animation1Way(charge->finisherFrames, charge->finisherDelay);
    if (iDelayCounter == charge->finisherHitAt) LaunchBox(charge->box, charge->power, y);
    if (fSpeed > 0) fSpeed -= charge->finisherBrake;
    SetMovement();
  } else {
    SetMode(MODE_STANCE);
    bComboEnable = 0;
  }
}

void TEnemyKind::MoveBlock(TCharacter* pc) {
  const KindRow& row = Row();
  if (iDelayCounter == kBlockFrames) {
    // The guard ends in a counter-blow if she is still close.
    const bool close = pc && std::fabs(pc->x - x) < row.guardReach;
    SetMode(close ? row.guardCounter : MODE_STANCE);
    return;
  }
  MoveAlongKnockback();
  if (fSpeed > 0) fSpeed -= 1;
}

// ---- Modes --------------------------------------------------------------------------------------

// One row per mode a kind runs itself: every kind's rows (its attacks' openings, the charge and its
// finisher, the guard, being thrown), then each kind's own rows, looked at first. A mode with no
// row at all is one of the kind's attacks, run from its attack row.
struct TEnemyKind::Modes {
  static const KindMode* Find(const TEnemyKind& k, int mode);
  static void Attack(TEnemyKind& k, TCharacter*) { k.MoveAttack(); }

  // Every kind's.
  static void EnterFirstAttack(TEnemyKind& k) {
    k.fSpeed = 0;
    k.bComboEnable = 0;
  }
  static void EnterChainedAttack(TEnemyKind& k) { k.bComboEnable = 0; }
  static void EnterThrown(TEnemyKind& k) {
    const KindRow& row = k.Row();
    if (!row.thrownBox) return;
    k.iStatus = STATUS_UNHITTABLE;
    k.fJump = row.thrownJump;
    k.fSpeed = row.thrownSpeed;
    k.CreateEffectDust();
    // The body becomes a weapon: it hurts the enemies it flies into. The roll comes first: it
    // settles the combo type the box carries.
    const float damage = k.CountThrowDamage(static_cast<int>(k.fSize));
    auto box = row.thrownBox();
    box->Init(k.iID, k.x, k.y, static_cast<float>(k.iFacing), 0, k.iFacing, k.iPlane, damage,
              k.iComboType, 0);
    ProjectileList.push_back(box);
  }
  static void EnterCharge(TEnemyKind& k) {
    const ChargeRow* charge = k.Row().charge;
    if (!charge) return;
    k.CheckFacing();
    k.SwitchFacing(0);
    k.fSpeed = charge->speed;
    k.fAngle = static_cast<float>(k.iFacing);
  }
  static void Charge(TEnemyKind& k, TCharacter* pc) { k.MoveCharge(pc); }
  static void EnterFinisher(TEnemyKind& k) {
    const ChargeRow* charge = k.Row().charge;
    if (!charge) return;
    k.iFrame = 0;
    if (charge->finisher == Finisher::Leap) {
      // A guarded leap: the box rides with it until it lands.
      k.iStatus = STATUS_GUARDING;
      k.fHPBlock = 70;
      k.fJump = charge->leapJump;
      k.fSpeed = 15;
      k.LaunchBox(charge->box, charge->power, k.y);
    }
  }
  static void Finisher(TEnemyKind& k, TCharacter*) { k.MoveFinisher(); }
  static void EnterBlock(TEnemyKind& k) {
    const KindRow& row = k.Row();
    k.CheckFacing();
    k.SwitchFacing(0);
    k.iCoolDownBlock = Truncated(static_cast<float>(row.guardCoolDown));
    k.iStatus = STATUS_GUARDING;
    k.fHPBlock = row.guardStrength;
    k.fSpeed = 10;
  }
  static void Block(TEnemyKind& k, TCharacter* pc) { k.MoveBlock(pc); }

  // The necromancer's skull.
  static void EnterSkull(TEnemyKind& k) {
    k.fSpeed = 0;
    static_cast<TNecromancer&>(k).iCoolDownSkull = Truncated(170);
  }
  static void DrawSkull(TEnemyKind& k) { k.DrawPicture(imgNecromancerSkull, k.iFrame); }

  // The raider charges behind its dragon's armour, which nothing wears down, and keeps its guard
  // through the leap; running past her, or landing, it lowers it.
  static void RaiderGuards(TEnemyKind& k) {
    k.iSkillFortitude = 2;
    k.fBlockModifier = 1;
  }
  static void RaiderStandsDownOnStance(TEnemyKind& k) {  // back to its saddle's footing
    if (k.iMode != MODE_STANCE) return;
    k.iSkillFortitude = 1;
    k.fBlockModifier = 4;
  }
  static void EnterRaiderCharge(TEnemyKind& k) {
    EnterCharge(k);
    k.iStatus = STATUS_GUARDING;
    k.fHPBlock = 20000;
    RaiderGuards(k);
  }
  static void RaiderCharge(TEnemyKind& k, TCharacter* pc) {
    Charge(k, pc);
    RaiderStandsDownOnStance(k);
  }
  static void EnterRaiderFinisher(TEnemyKind& k) {
    const float guard = k.fHPBlock;  // the charge's
    EnterFinisher(k);
    k.fHPBlock = guard;
    RaiderGuards(k);
  }
  static void RaiderFinisher(TEnemyKind& k, TCharacter* pc) {
    Finisher(k, pc);
    RaiderStandsDownOnStance(k);
  }
  // The dragon and its rider, each at its own frame.
  static void DrawRaider(TEnemyKind& k, const ImagePtr& dragon, int dragonFrame,
                         const ImagePtr& rider, int riderFrame, float dy = 0) {
    k.DrawPicture(dragon, dragonFrame, dy);
    k.DrawPicture(rider, riderFrame, dy);
  }
  static void DrawRaiderCharge(TEnemyKind& k) {
    DrawRaider(k, imgDraconRun, k.iFrame, imgRaiderRun, k.iFrame % 4);
  }
  static void DrawRaiderFinisher(TEnemyKind& k) {
    DrawRaider(k, imgDraconDash, 0, imgRaiderDash, 0);
  }

  // The executioner seizes her and throws her; held by her, with its cool-down spent, it turns the
  // grip on her.
  static void EnterSeize(TEnemyKind& k) {
    static_cast<TExecutioner&>(k).iCoolDownThrow = Truncated(220);
    k.Seize();
  }
  static void Seize(TEnemyKind& k, TCharacter*) {
    if (k.Animation1Way(4, 6) == 1) k.SetMode(ENEMY_THROW);
  }
  static void DrawSeize(TEnemyKind& k) {
    // The pair is drawn only while it holds the heroine; its last picture is the one before.
    if (k.iTargetType == TYPE_HEROINE)
      k.DrawPicture(imgExecutionerGrappleMomo, std::min(k.iFrame, 2));
  }
  static void EnterThrow(TEnemyKind& k) {
    for (const std::shared_ptr<TCharacter>& c : CharacterList) {
      if (c->iTargetType != k.iType || c->iTargetID != k.iID) continue;
      // Carried a step past it and slammed down behind: its own strength, her weight.
      const bool right = k.iFacing == FACING_RIGHT;
      c->iFacing = right ? FACING_RIGHT : FACING_LEFT;
      c->x += right ? -kThrowCarry : kThrowCarry;
      c->Damage(k.CountThrowDamage(static_cast<int>(c->fSize)),
                right ? float{FACING_LEFT} : float{FACING_RIGHT}, MODE_SLAMMED, 0, 0);
    }
  }
  static void Throw(TEnemyKind& k, TCharacter*) {
    k.Animation2Way(2, 6);
    if (k.iDelayCounter == 36) k.Fallback();
  }
  static void DrawThrow(TEnemyKind& k) {
    k.DrawPicture(imgExecutionerThrow, std::min(k.iFrame, 3));
  }
  static void EnterGrappled(TEnemyKind& k) {
    if (static_cast<TExecutioner&>(k).iCoolDownThrow == 0) k.SetMode(ENEMY_SEIZE);
  }

  static const KindMode kRows[];
  static const KindMode kNecromancerRows[1];
  static const KindMode kRaiderRows[2];
  static const KindMode kExecutionerRows[3];
};

// clang-format off
const KindMode TEnemyKind::Modes::kRows[] = {
  // mode           entry                frame           picture (nullptr: the kind's)
  {ENEMY_ATTACK1,   EnterFirstAttack,    Attack,         nullptr},
  {ENEMY_ATTACK2,   EnterChainedAttack,  Attack,         nullptr},
  {MODE_THROWN,     EnterThrown,         nullptr,        nullptr},
  {ENEMY_CHARGE,    EnterCharge,         Charge,         nullptr},
  {ENEMY_FINISHER,  EnterFinisher,       Finisher,       nullptr},
  {MODE_BLOCK,      EnterBlock,          Block,          nullptr},
};
const KindMode TEnemyKind::Modes::kNecromancerRows[] = {
  {ENEMY_SKULL,     EnterSkull,          Attack,         DrawSkull},
};
const KindMode TEnemyKind::Modes::kRaiderRows[] = {
  {ENEMY_CHARGE,    EnterRaiderCharge,   RaiderCharge,   DrawRaiderCharge},
  {ENEMY_FINISHER,  EnterRaiderFinisher, RaiderFinisher, DrawRaiderFinisher},
};
const KindMode TEnemyKind::Modes::kExecutionerRows[] = {
  {ENEMY_SEIZE,     EnterSeize,          Seize,          DrawSeize},
  {ENEMY_THROW,     EnterThrow,          Throw,          DrawThrow},
  {MODE_GRAPPLED,   EnterGrappled,       nullptr,        nullptr},
};
// clang-format on

const KindMode* TEnemyKind::Modes::Find(const TEnemyKind& k, int mode) {
  const KindRow& row = k.Row();
  for (int i = 0; i < row.modeCount; ++i) {
    if (row.modes[i].mode == mode) return &row.modes[i];
  }
  for (const KindMode& m : kRows) {
    if (m.mode == mode) return &m;
  }
  return nullptr;
}

void TEnemyKind::SetModeCustom(int mode) {
  const KindMode* row = Modes::Find(*this, mode);
  if (row && row->enter) row->enter(*this);
}

void TEnemyKind::MoveCustom(TCharacter* pc) {
  const KindMode* row = Modes::Find(*this, iMode);
  if (!row) {
    MoveAttack();
  } else if (row->frame) {
    row->frame(*this, pc);
  }
}

namespace {

// clang-format off
//                      type              size walk  bar  block dodge fort  guard unmount  hp  vit str int agi  mp  plane  guard: cd strength reach counter  box: top height thrown: jump speed box
const KindRow kNecromancer {TYPE_NECROMANCER, 7,  5.5f, 220, 0,    0,    0,    3,    1,      16, 12, 13, 19, 10, 10, 360,   0,   0,       0,    0,        -200, 190,     12, 15, Make<TProjectileNecromancerThrown>,
  kNecromancerAttacks, 3, nullptr,
  {&imgNecromancerStance, &imgNecromancerWalk, nullptr, &imgNecromancerPlaneSwitch, &imgNecromancerKnockdown, &imgNecromancerHitUp, &imgNecromancerHitLow, &imgNecromancerKnockOut, &imgNecromancerWakeUp, &imgNecromancerThrown},
  kNecromancerOwn, 2, TEnemyKind::Modes::kNecromancerRows, std::size(TEnemyKind::Modes::kNecromancerRows)};
const KindRow kTemplar     {TYPE_TEMPLAR,     7,  4.5f, 220, 1,    0,    0,    4,    1,      16, 21, 19, 14, 11, 6,  300,   180, 105,     185,  103,      -200, 190,     12, 15, Make<TProjectileTemplarThrown>,
  kTemplarAttacks, 4, &kTemplarCharge,
  {&imgTemplarStance, &imgTemplarWalk, &imgTemplarRun, &imgTemplarPlaneSwitch, &imgTemplarKnockdown, &imgTemplarHitUp, &imgTemplarHitLow, &imgTemplarKnockOut, &imgTemplarWakeUp, &imgTemplarThrown},
  kTemplarOwn, 6, nullptr, 0};
const KindRow kRaider      {TYPE_RAIDER,      12, 5.4f, 295, 1,    0,    1,    3,    0,      24, 18, 18, 14, 11, 6,  260,   165, 20000,   250,  100,      -270, 265,     0,  0,  nullptr,
  kRaiderAttacks, 1, &kRaiderCharge,
  {&imgRaiderStance, nullptr, &imgRaiderRun, &imgRaiderPlaneSwitch, &imgRaiderKnockdown, &imgRaiderHitUp, &imgRaiderHitDown, &imgRaiderKnockout, &imgRaiderWakeUp, nullptr},
  nullptr, 0, TEnemyKind::Modes::kRaiderRows, std::size(TEnemyKind::Modes::kRaiderRows)};
const KindRow kExecutioner {TYPE_EXECUTIONER, 7,  5,    220, 0,    0,    0,    4,    1,      16, 19, 18, 10, 14, 6,  180,   0,   0,       0,    0,        -200, 190,     12, 15, Make<TProjectileExecutionerThrown>,
  kExecutionerAttacks, 3, &kExecutionerCharge,
  {&imgExecutionerStance, &imgExecutionerWalk, &imgExecutionerRun, &imgExecutionerPlaneSwitch, &imgExecutionerKnockdown, &imgExecutionerHitUp, &imgExecutionerHitLow, &imgExecutionerKnockOut, &imgExecutionerWakeUp, &imgExecutionerThrown},
  kExecutionerOwn, 4, TEnemyKind::Modes::kExecutionerRows, std::size(TEnemyKind::Modes::kExecutionerRows)};
const KindRow kSpearman    {TYPE_SPEARMAN,    7,  4,    220, 0,    0,    0,    4,    1,      12, 11, 14, 10, 10, 4,  360,   0,   0,       0,    0,        -200, 190,     13, 16, Make<TProjectileSpearmanThrown>,
  kSpearmanAttacks, 1, &kSpearmanCharge,
  {&imgSpearmanStance, &imgSpearmanWalk, &imgSpearmanRun, &imgSpearmanPlaneSwitch, &imgSpearmanKnockdown, &imgSpearmanHitUp, &imgSpearmanHitLow, &imgSpearmanKnockOut, &imgSpearmanWakeUp, &imgSpearmanThrown},
  kSpearmanOwn, 2, nullptr, 0};
const KindRow kSaberman    {TYPE_SABERMAN,    7,  5,    220, 0,    0,    0,    4,    1,      12, 12, 14, 10, 10, 4,  320,   0,   0,       0,    0,        -200, 190,     13, 16, Make<TProjectileSabermanThrown>,
  kSabermanAttacks, 1, nullptr,
  {&imgSabermanStance, &imgSabermanWalk, nullptr, &imgSabermanPlaneSwitch, &imgSabermanKnockdown, &imgSabermanHitUp, &imgSabermanHitLow, &imgSabermanKnockOut, &imgSabermanWakeUp, &imgSabermanThrown},
  kSabermanOwn, 1, nullptr, 0};
// clang-format on

}  // namespace

// ---- Engage AI ----------------------------------------------------------------------------------

namespace {

Sight Look(const TEnemy& e, const TCharacter& pc) {
  return {std::fabs(pc.x - e.x), pc.iPlane == e.iPlane, pc.iExploitCounter >= kExploitingFrom};
}

}  // namespace

bool TEnemyKind::HeroineUp(const TCharacter* pc, bool onlyLyingOrRising) const {
  return pc && !HeroineDown(*pc, onlyLyingOrRising);
}

void TEnemyKind::WaitOrChoose() {
  if (iAICounter > 0) {
    --iAICounter;
  } else {
    FreeChoice();
  }
}

bool TEnemyKind::Answer(const Sight& s, float reach, int mode) {
  if (!s.exploiting || s.dx >= reach || !s.samePlane) return false;
  SetMode(mode);
  return true;
}

bool TEnemyKind::Guard(const Sight& s, const TCharacter& pc, float reach, int counter) {
  if (!s.exploiting || s.dx >= reach || !s.samePlane) return false;
  if (pc.iFacing != iFacing) {  // she faces it: it raises its guard
    SetMode(MODE_BLOCK);
    iCoolDownBlock = 0;
  } else {  // her back is turned: it strikes
    SetMode(counter);
  }
  return true;
}

bool TEnemyKind::Hesitate(const Sight& s, float reach, int wait) {
  if (s.dx >= reach || !s.samePlane || !IsIdle(iMode)) return false;
  iAICounter = wait;
  SetMode(MODE_HESITATE);
  return true;
}

bool TEnemyKind::SwitchPlane(const Sight& s, const TCharacter& pc) {
  if (s.samePlane || iCoolDownPlaneSwitch != 0) return false;
  SetMode(pc.iPlane > iPlane ? MODE_PLANE_DOWN : MODE_PLANE_UP);
  iCoolDownPlaneSwitch = Row().planeCoolDown;
  return true;
}

bool TEnemyKind::Charge(const Sight& s, float beyond) {
  if (s.dx <= beyond) return false;
  SetMode(ENEMY_CHARGE);
  return true;
}

bool TEnemyKind::WalkUp(const Sight& s, float beyond) {
  if (s.dx <= beyond || iMode == MODE_WALK_TOWARD) return false;
  SetMode(MODE_WALK_TOWARD);
  return true;
}

// ---- Drawing ------------------------------------------------------------------------------------

void TEnemyKind::DrawPicture(const ImagePtr& picture, int frame, float yOffset) {
  if (!picture) return;
  DrawImage(picture, x, y + yOffset, std::clamp(frame, 0, picture->FrameCount() - 1));
}

bool TEnemyKind::DrawOwnPicture() {
  const KindRow& row = Row();
  for (int i = 0; i < row.ownCount; ++i) {
    if (row.own[i].mode != iMode) continue;
    DrawPicture(*row.own[i].picture, row.own[i].fixedFrame < 0 ? iFrame : row.own[i].fixedFrame);
    return true;
  }
  return false;
}

void TEnemyKind::Draw() {
  const bool crossing = iMode == MODE_PLANE_UP || iMode == MODE_PLANE_DOWN;
  SetScale(FacingScale(iFacing), 1);
  DrawImage(imgShadow, x, crossing ? y : GroundLine(), 0);
  // Its own attacks first, then what every foe shares; swung over the heroine's head, it is drawn
  // by her.
  const KindMode* row = Modes::Find(*this, iMode);
  if (row && row->draw) {
    row->draw(*this);
  } else if (!DrawOwnPicture()) {
    DrawSharedPicture(Row().pictures);
  }
  SetScale(1, 1);
  DrawGUI();
}

// ---- The necromancer ----------------------------------------------------------------------------

const KindRow& TNecromancer::Row() const { return kNecromancer; }

void TNecromancer::ResetOwnCoolDowns() { iCoolDownSkull = Truncated(85); }

void TNecromancer::CountCoolDowns() {
  TEnemyKind::CountCoolDowns();
  if (iCoolDownSkull > 0) --iCoolDownSkull;
}

void TNecromancer::MoveAI(TCharacter* pc) {
  if (HeroineUp(pc, false)) {
    CountCoolDowns();
    const Sight s = Look(*this, *pc);
    if (Answer(s, 170, ENEMY_ATTACK2) || Hesitate(s, 170, 18)) return;
    // From afar, with her in sight on its plane, it casts.
    if (IsInsideScreen() == 1 && s.dx > 420 && iCoolDownSkull == 0 && s.samePlane) {
      SetMode(ENEMY_SKULL);
      return;
    }
    if (SwitchPlane(s, *pc) || WalkUp(s, 700)) return;
  }
  WaitOrChoose();
}

// ---- The templar --------------------------------------------------------------------------------

const KindRow& TTemplar::Row() const { return kTemplar; }

void TTemplar::MoveAIEngage(TCharacter* pc) {
  if (HeroineUp(pc, false)) {
    CountCoolDowns();
    const Sight s = Look(*this, *pc);
    if (Guard(s, *pc, 185, ENEMY_ATTACK4) || Hesitate(s, 185, 14) || SwitchPlane(s, *pc) ||
        Charge(s, 725)) {
      return;
    }
  }
  WaitOrChoose();
}

// ---- The raider ---------------------------------------------------------------------------------

namespace {
constexpr int kRaiderMountOffset = 1000;  // its dragon's id is its own plus this
}  // namespace

const KindRow& TRaider::Row() const { return kRaider; }

void TRaider::Init(int codePlayer, int id) {
  TEnemyKind::Init(codePlayer, id);
  yMountModifier = -100;
  iMountID = iID + kRaiderMountOffset;
}

void TRaider::MoveAIEngage(TCharacter* pc) {
  if (HeroineUp(pc, false)) {
    CountCoolDowns();
    const Sight s = Look(*this, *pc);
    if (Guard(s, *pc, 250, ENEMY_ATTACK1) || Hesitate(s, 250, 8) || SwitchPlane(s, *pc) ||
        Charge(s, 710)) {
      return;
    }
  }
  WaitOrChoose();
}

void TRaider::AnimationMove() { Animation2WayLoop(6, 5); }

void TRaider::DrawWalk() {
  DrawPicture(imgDraconWalk, iFrame);
  // The rider bobs with the dragon's step.
  struct Bob {
    int frame;
    float dy;
  };
  constexpr Bob kBobs[] = {{2, 3}, {1, 2}, {0, 1}, {0, 1}, {1, 2}, {2, 3}};
  const Bob& bob = kBobs[std::clamp(iFrame, 0, 5)];
  DrawPicture(imgRaiderStance, bob.frame, bob.dy);
}

bool TRaider::DrawOwnPicture() {
  const float shake = iDelayCounter % 2 == 0 ? -1.5f : 1.5f;
  switch (iMode) {
    case MODE_STANCE:
    case MODE_HESITATE:
      Modes::DrawRaider(*this, imgDraconStance, iFrame, imgRaiderStance, iFrame);
      return true;
    case MODE_WALK_TOWARD:
    case MODE_WALK_BACK:
    case MODE_BACK_OFF:
      DrawWalk();
      return true;
    case ENEMY_ATTACK1:
      Modes::DrawRaider(*this, imgDraconHeavyAttack, iFrame < 2 ? 0 : iFrame - 1, imgRaiderAttack3,
                        iFrame);
      return true;
    case MODE_BLOCK:
      Modes::DrawRaider(*this, imgDraconHit, 0, imgRaiderBlock, 0);
      return true;
    case MODE_PUSHED_LOW:
      Modes::DrawRaider(*this, imgDraconHit, iFrame, imgRaiderHitDown, iFrame);
      return true;
    case MODE_PUSHED_HIGH:
      Modes::DrawRaider(*this, imgDraconHit, iFrame, imgRaiderHitUp, iFrame);
      return true;
    case MODE_HIT_LOW:
      Modes::DrawRaider(*this, imgDraconHit, 0, imgRaiderHitDown, 0, shake);
      return true;
    case MODE_HIT_HIGH:
      Modes::DrawRaider(*this, imgDraconHit, 0, imgRaiderHitUp, 0, shake);
      return true;
    case MODE_PLANE_UP:
    case MODE_PLANE_DOWN:
      Modes::DrawRaider(*this, imgDraconPlaneSwitch, iFrame, imgRaiderPlaneSwitch, iFrame);
      return true;
    default:
      return false;
  }
}

// ---- The executioner ----------------------------------------------------------------------------

const KindRow& TExecutioner::Row() const { return kExecutioner; }

void TExecutioner::ResetOwnCoolDowns() { iCoolDownThrow = Truncated(110); }

void TExecutioner::CountCoolDowns() {
  TEnemyKind::CountCoolDowns();
  if (iCoolDownThrow > 0) --iCoolDownThrow;
}

void TExecutioner::MoveAIEngage(TCharacter* pc) {
  if (HeroineUp(pc, false)) {
    CountCoolDowns();
    const Sight s = Look(*this, *pc);
    // She keeps attacking within arm's reach on the ground: it seizes her.
    if (s.exploiting && s.dx < 150 && IsAerialMode(*pc) == 0 && s.samePlane) {
      CheckGrapple(*pc);
      iCoolDownThrow = 0;
      return;
    }
    if (Answer(s, 210, ENEMY_ATTACK3) || Hesitate(s, 210, 12) || Charge(s, 710) ||
        SwitchPlane(s, *pc)) {
      return;
    }
  }
  WaitOrChoose();
}

// ---- The foot soldiers --------------------------------------------------------------------------

const KindRow& TSpearman::Row() const { return kSpearman; }

void TSpearman::MoveAIEngage(TCharacter* pc) {
  if (HeroineUp(pc, false)) {
    CountCoolDowns();
    const Sight s = Look(*this, *pc);
    if (Answer(s, 220, ENEMY_ATTACK1) || Hesitate(s, 220, 15) || Charge(s, 740) ||
        SwitchPlane(s, *pc)) {
      return;
    }
  }
  WaitOrChoose();
}

void TSpearman::Fallback() {
  SetMode(MODE_BACK_OFF);
  bComboEnable = 0;
}

const KindRow& TSaberman::Row() const { return kSaberman; }

void TSaberman::MoveAIEngage(TCharacter* pc) {
  if (HeroineUp(pc, true)) {
    CountCoolDowns();
    const Sight s = Look(*this, *pc);
    if (Answer(s, 190, ENEMY_ATTACK1) || Hesitate(s, 190, 14) || WalkUp(s, 600) ||
        SwitchPlane(s, *pc)) {
      return;
    }
  }
  WaitOrChoose();
}

void TSaberman::MoveAIWatch(TCharacter* pc) {
  const bool herDown = pc && HeroineDown(*pc);
  if (pc && !herDown) {
    if (iCoolDownPlaneSwitch > 0) --iCoolDownPlaneSwitch;
    const float dx = std::fabs(pc->x - x);
    if (dx < 400 && pc->iPlane == iPlane && IsIdle(iMode)) {
      iAIMode = AI_ENGAGE;
      return;
    }
    // It never charges: it walks up instead.
    if (dx > 600 && pc->iPlane != iPlane && iMode != MODE_WALK_TOWARD) {
      SetMode(MODE_WALK_TOWARD);
      return;
    }
  }
  WaitOrChoose();
}

void TSaberman::Fallback() {
  SetMode(MODE_BACK_OFF);
  bComboEnable = 0;
}

// ---- The spawn table ----------------------------------------------------------------------------

namespace {
template <class Kind>
std::shared_ptr<TCharacter> SpawnKind(int id) {
  auto kind = std::make_shared<Kind>();
  kind->Init(CODE_PLAYER_NONE, id);
  return kind;
}
}  // namespace

void RegisterEnemyKinds() {
  RegisterSpawn(TYPE_NECROMANCER, SpawnKind<TNecromancer>);
  RegisterSpawn(TYPE_TEMPLAR, SpawnKind<TTemplar>);
  RegisterSpawn(TYPE_RAIDER, SpawnKind<TRaider>);
  RegisterSpawn(TYPE_EXECUTIONER, SpawnKind<TExecutioner>);
  RegisterSpawn(TYPE_SPEARMAN, SpawnKind<TSpearman>);
  RegisterSpawn(TYPE_SABERMAN, SpawnKind<TSaberman>);
}
