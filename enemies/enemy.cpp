#include "enemies/enemy.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "heroine/momo.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr float kPlaneSwitchStep = 2;  // pixels a frame toward the next ground line
constexpr int kStaggerFrames = 20;
constexpr int kPushFrames = 12;
constexpr int kLyingFrames = 80;
constexpr int kWatchEngageRange = 400;
constexpr int kWatchChargeRange = 760;
constexpr int kFallbackPlaneCoolDown = 170;

bool InHeroineGrip(int mode) {
  return mode == MOMO_GRAPPLE || mode == MOMO_GRAPPLE_HOLD ||
         (mode >= MOMO_BACK_THROW && mode <= MOMO_FRONT_THROW);
}

bool IsIdle(int mode) {
  return mode == MODE_STANCE || mode == MODE_WALK_TOWARD || mode == MODE_WALK_BACK;
}

}  // namespace

// ---- Entries ------------------------------------------------------------------------------------

int Truncated(float frames) { return static_cast<int>(frames * fEnemyDelayFactor); }

bool HeroineDown(const TCharacter& pc, bool onlyLyingOrRising) {
  if (pc.iMode == MODE_LYING || pc.iMode == MODE_GETTING_UP) return true;
  return !onlyLyingOrRising && (pc.iMode == MOMO_LIFE_REFILL || pc.iMode == MOMO_SLIDE);
}

bool EnterFoeReaction(TCharacter& foe, int mode) {
  switch (mode) {
    case MODE_KNOCKED_AWAY:
    case MODE_KNOCKDOWN:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.fJump = 8;
      foe.fSpeed = 12;
      foe.CreateEffectDust();
      foe.NormalizeKnockbackAngle();
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
    case MODE_PUSHED_LOW:
    case MODE_GRAPPLE_HIT:
    case MODE_PUSHED_HIGH:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.CreateEffectDust();
      break;
    case MODE_KNOCKUP:
      foe.fJump = 27;
      foe.fSpeed = 3;
      foe.CreateEffectDust();
      break;
    case MODE_LIFTED:
      foe.iStatus = STATUS_UNHITTABLE;
      break;
    case MODE_LYING_HIT:
    case MODE_BOUNCE:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.fJump = 5;
      foe.fSpeed = 8;
      foe.CreateEffectDust();
      if (mode == MODE_BOUNCE) PlaySound(sndBodySlam1);
      break;
    case MODE_GETTING_UP:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.ResetBBox();
      break;
    case MODE_SLAMMED:
      foe.iStatus = STATUS_UNHITTABLE;
      foe.fSpeed = 12;
      break;
    default:
      return false;
  }
  return true;
}

void TEnemy::SetModePlaneSwitch(int up) { StartPlaneSwitch(up == 1); }

void TEnemy::SetModeCustom(int) {}
void TEnemy::MoveCustom(TCharacter*) {}
void TEnemy::MoveAIEngage(TCharacter*) {}

// ---- Frame update -------------------------------------------------------------------------------

bool TEnemy::BallisticStep(float gravity) {
  y -= fJump;
  fJump -= gravity;
  MoveAlongKnockback();
  return LandOnGround();
}

bool TEnemy::WalkLeadsToward(const TCharacter* pc) const {
  return pc && ((pc->x < x && fAngle == FACING_LEFT) || (pc->x > x && fAngle == FACING_RIGHT));
}

bool TEnemy::WalkLeadsAway(const TCharacter* pc) const {
  return pc && ((pc->x < x && fAngle == FACING_RIGHT) || (pc->x > x && fAngle == FACING_LEFT));
}

void TEnemy::Seize() {
  PlaySound(sndGrab);
  iStatus = STATUS_UNHITTABLE;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iTargetType != iType || c->iTargetID != iID) continue;
    c->SetMode(MODE_GRAPPLED);
    iTargetType = c->iType;
    iTargetID = c->iID;
  }
}

bool TEnemy::HeldByHeroine(const TCharacter* pc) const { return pc && InHeroineGrip(pc->iMode); }

bool TEnemy::CarriedByHeroine(const TCharacter* pc) const {
  return HeldByHeroine(pc) && pc->iTargetID == iID;
}

void TEnemy::DropFromHeroine(const TCharacter* pc) {
  // It falls the way she was throwing it: behind her.
  if (pc) fKnockbackAngle = pc->iFacing == FACING_RIGHT ? float{FACING_LEFT} : float{FACING_RIGHT};
  SetMode(MODE_KNOCKDOWN);
}

void TEnemy::SwitchWalkKeepingCounter(int mode) {
  const int32_t counter = iDelayCounter;
  SetMode(mode);
  iDelayCounter = counter;
}

// ---- Modes --------------------------------------------------------------------------------------
// One row per mode every foe shares: its entry (after the reset every mode starts with), its
// frame, and its picture from the foe's strips. A mode without a row, or a row without an entry
// or a frame, is the kind's (SetModeCustom, MoveCustom, its own pictures).

struct TEnemy::Modes {
  // How a row's strip is drawn: as it is, shaking by a pixel and a half (staggered), greyed (dead).
  enum Look { kPlain, kShakes, kGreyed };
  struct Picture {
    const ImagePtr* FoeStrips::*strip;  // nullptr: nothing drawn
    int frame;                          // kOwnFrame: the foe's iFrame
    Look look;
    void (*draw)(const TEnemy& e, const FoeStrips& s);  // when set, draws instead of the strip
  };
  struct Row {
    int mode;
    void (*enter)(TEnemy& e);
    void (*frame)(TEnemy& e, TCharacter* pc);
    Picture picture;
  };
  static constexpr int kOwnFrame = -1;
  static const Row* Find(int mode);
  static void Draw(const TEnemy& e, const ImagePtr* image, int frame, float dy = 0) {
    if (!image || !*image) return;
    DrawImage(*image, e.x, e.y + dy, std::clamp(frame, 0, (*image)->FrameCount() - 1));
  }

  // Standing, hesitating and walking.
  static void EnterStance(TEnemy& e) {
    e.CheckFacing();
    e.SwitchFacing(0);
    e.fSpeed = 0;
    e.iStatus = STATUS_NORMAL;
    e.iAICounter = Rand(30, 60);
  }
  static void Stance(TEnemy& e, TCharacter* pc) {
    e.MoveAI(pc);
    e.AnimationStance();
  }
  static void Hesitate(TEnemy& e, TCharacter*) {
    if (e.iAICounter < 1) {
      e.SetMode(ENEMY_ATTACK1);
    } else {
      --e.iAICounter;
      e.AnimationStance();
    }
  }
  static void EnterWalk(TEnemy& e) {  // toward her, back, or backing off after an attack
    const int mode = e.iMode;
    if (mode == MODE_BACK_OFF) e.iStatus = STATUS_NORMAL;
    e.iFrame = 1;
    e.bFrameDirection = 1;
    e.fSpeed = e.fWalkSpeed;
    e.iAICounter = mode == MODE_WALK_TOWARD ? Rand(50, 90)
                   : mode == MODE_WALK_BACK ? Rand(40, 80)
                                            : 50;
    e.CheckFacing();
    e.SwitchFacing(0);
    // Toward her, or backward while still facing her.
    if (mode == MODE_WALK_TOWARD) {
      e.fAngle = static_cast<float>(e.iFacing);
    } else {
      e.fAngle = e.iFacing == FACING_RIGHT ? float{FACING_LEFT} : float{FACING_RIGHT};
    }
  }
  static void Walk(TEnemy& e, TCharacter* pc) {
    e.CheckFacing();
    e.SwitchFacing(0);
    // She has moved past: the walk turns, its counter runs on.
    if (e.iMode == MODE_WALK_TOWARD && e.WalkLeadsAway(pc)) {
      e.SwitchWalkKeepingCounter(MODE_WALK_BACK);
    } else if (e.iMode == MODE_WALK_BACK && e.WalkLeadsToward(pc)) {
      e.SwitchWalkKeepingCounter(MODE_WALK_TOWARD);
    }
    e.AnimationMove();
    e.SetMovement();
    e.MoveAI(pc);
  }
  static void BackOff(TEnemy& e, TCharacter* pc) {
    if (e.iCoolDownDodge > 0) --e.iCoolDownDodge;
    if (e.iCoolDownBlock > 0) --e.iCoolDownBlock;
    if (e.WalkLeadsToward(pc)) e.SwitchWalkKeepingCounter(MODE_WALK_TOWARD);
    e.AnimationMove();
    e.SetMovement();
    if (e.iAICounter > 0) {
      --e.iAICounter;
    } else {
      e.FreeChoice();
    }
  }
  static void EnterPlaneUp(TEnemy& e) { e.SetModePlaneSwitch(1); }
  static void PlaneUp(TEnemy& e, TCharacter*) { e.MovePlaneSwitchUp(); }
  static void EnterPlaneDown(TEnemy& e) { e.SetModePlaneSwitch(0); }
  static void PlaneDown(TEnemy& e, TCharacter*) { e.MovePlaneSwitchDown(); }

  // Blows' reactions: their entries are the ones every foe shares (EnterFoeReaction).
  static void EnterReaction(TEnemy& e) { EnterFoeReaction(e, e.iMode); }
  static void Flung(TEnemy& e, TCharacter*) {  // knocked away or down
    if (e.iMode == MODE_KNOCKDOWN && e.iDelayCounter == 4) e.iStatus = STATUS_NORMAL;
    if (e.BallisticStep(0.8f)) {
      e.SetMode(MODE_BOUNCE);
      fQuake = 6;
    } else {
      e.iFrame = e.fJump < 0 ? 1 : 0;
    }
  }
  static void Stagger(TEnemy& e, TCharacter*) {
    if (e.iDelayCounter == kStaggerFrames) e.SetMode(MODE_STANCE);
    if (e.iDelayCounter == 4) e.iStatus = STATUS_NORMAL;
  }
  static void Pushed(TEnemy& e, TCharacter*) {
    e.Animation2Way(2, 4);
    if (e.iDelayCounter == kPushFrames) {
      e.SetMode(MODE_STANCE);
    } else {
      e.MoveAlongKnockback();
      e.fSpeed -= 2;
    }
  }
  static void Launched(TEnemy& e, TCharacter*) { e.MoveLaunched(); }
  static void DrawLaunched(const TEnemy& e, const FoeStrips& s) {  // rising, then falling
    if (e.fJump > 0) {
      Draw(e, s.hitUp, 0);
    } else {
      Draw(e, s.knockdown, e.iFrame);
    }
  }
  static void GrappleHit(TEnemy& e, TCharacter* pc) {
    if (e.iDelayCounter == kStaggerFrames) e.SetMode(MODE_GRAPPLED);
    if (e.iDelayCounter == 4) e.iStatus = STATUS_NORMAL;
    // Let go while still reeling. (Not after the turn to grappled above: an executioner may
    // just have turned the grip on her, and she is no longer holding anything.)
    if (e.iMode == MODE_GRAPPLE_HIT && !e.HeldByHeroine(pc)) {
      e.SetMode(e.fHP > 0 ? MODE_STANCE : MODE_KNOCKDOWN);
    }
  }
  static void Lifted(TEnemy& e, TCharacter*) { e.MoveLifted(); }
  static void Slammed(TEnemy& e, TCharacter*) { e.MoveSlammed(); }
  static void LyingHit(TEnemy& e, TCharacter*) {
    if (e.BallisticStep(1)) {
      e.SetMode(MODE_LYING);
      e.iStatus = STATUS_UNHITTABLE;
    }
  }
  static void Bounce(TEnemy& e, TCharacter*) {
    if (e.BallisticStep(1)) e.SetMode(MODE_LYING);
  }
  static void DrawBounce(const TEnemy& e, const FoeStrips& s) {  // up off the ground, back down
    if (e.iDelayCounter <= 4) {
      Draw(e, s.knockOut, 0);
    } else {
      Draw(e, s.knockdown, 1, 20);
    }
  }
  static void EnterLying(TEnemy& e) {
    if (e.fHP == 0) {
      e.SetMode(MODE_DEAD);
    } else {
      e.iStatus = STATUS_NORMAL;
    }
    e.SetBBoxKnockOut();
    e.CreateEffectDust();
    PlaySound(sndBodySlam2);
  }
  static void Lying(TEnemy& e, TCharacter*) {
    if (e.iCoolDownDodge > 0) --e.iCoolDownDodge;
    if (e.iDelayCounter == kLyingFrames) {
      e.SetMode(MODE_GETTING_UP);
    } else {
      e.Animation2WayLoop(5, 10);
    }
  }
  static void EnterDead(TEnemy& e) {
    e.iStatus = STATUS_FADING;
    e.iColorModifier = 255;
  }
  static void GettingUp(TEnemy& e, TCharacter*) {
    if (e.Animation1Way(2, 5) == 1) e.SetMode(MODE_STANCE);
  }

  // Held and thrown by the heroine.
  static void Grappled(TEnemy& e, TCharacter* pc) {
    if (!e.HeldByHeroine(pc)) e.SetMode(MODE_STANCE);
  }
  static void Carried(TEnemy& e, TCharacter* pc) {
    // Only her back throw lets go of it. Broken off (she is struck, knocked down, seized), the
    // throw would leave it on her shoulders for good, unseen and alive: it drops off instead.
    if (!e.CarriedByHeroine(pc)) e.DropFromHeroine(pc);
  }
  static void Thrown(TEnemy& e, TCharacter*) {
    if (e.BallisticStep(0.8f)) {
      e.SetMode(MODE_BOUNCE);
      fQuake = 10;
    }
  }

  static const Row kRows[];
};

// clang-format off
const TEnemy::Modes::Row TEnemy::Modes::kRows[] = {
  // mode             entry           frame       picture: strip          frame      look
  {MODE_STANCE,       EnterStance,    Stance,     {&FoeStrips::stance,      kOwnFrame, kPlain,  nullptr}},
  {MODE_HESITATE,     nullptr,        Hesitate,   {&FoeStrips::stance,      kOwnFrame, kPlain,  nullptr}},
  {MODE_WALK_TOWARD,  EnterWalk,      Walk,       {&FoeStrips::walk,        kOwnFrame, kPlain,  nullptr}},
  {MODE_WALK_BACK,    EnterWalk,      Walk,       {&FoeStrips::walk,        kOwnFrame, kPlain,  nullptr}},
  {MODE_BACK_OFF,     EnterWalk,      BackOff,    {&FoeStrips::walk,        kOwnFrame, kPlain,  nullptr}},
  {MODE_RUN,          nullptr,        nullptr,    {&FoeStrips::run,         kOwnFrame, kPlain,  nullptr}},  // the kinds' charge
  {MODE_PLANE_UP,     EnterPlaneUp,   PlaneUp,    {&FoeStrips::planeSwitch, kOwnFrame, kPlain,  nullptr}},
  {MODE_PLANE_DOWN,   EnterPlaneDown, PlaneDown,  {&FoeStrips::planeSwitch, kOwnFrame, kPlain,  nullptr}},
  {MODE_KNOCKED_AWAY, EnterReaction,  Flung,      {&FoeStrips::knockdown,   kOwnFrame, kPlain,  nullptr}},
  {MODE_KNOCKDOWN,    EnterReaction,  Flung,      {&FoeStrips::knockdown,   kOwnFrame, kPlain,  nullptr}},
  {MODE_HIT_HIGH,     EnterReaction,  Stagger,    {&FoeStrips::hitUp,       0,         kShakes, nullptr}},
  {MODE_HIT_LOW,      EnterReaction,  Stagger,    {&FoeStrips::hitLow,      0,         kShakes, nullptr}},
  {MODE_PUSHED_LOW,   EnterReaction,  Pushed,     {&FoeStrips::hitLow,      0,         kPlain,  nullptr}},
  {MODE_PUSHED_HIGH,  EnterReaction,  Pushed,     {&FoeStrips::hitUp,       0,         kPlain,  nullptr}},
  {MODE_KNOCKUP,      EnterReaction,  Launched,   {nullptr,                 0,         kPlain,  DrawLaunched}},
  {MODE_GRAPPLE_HIT,  EnterReaction,  GrappleHit, {&FoeStrips::hitLow,      0,         kShakes, nullptr}},
  {MODE_LIFTED,       EnterReaction,  Lifted,     {&FoeStrips::knockdown,   0,         kPlain,  nullptr}},
  {MODE_SLAMMED,      EnterReaction,  Slammed,    {&FoeStrips::knockdown,   1,         kPlain,  nullptr}},
  {MODE_LYING_HIT,    EnterReaction,  LyingHit,   {nullptr,                 0,         kPlain,  DrawBounce}},
  {MODE_BOUNCE,       EnterReaction,  Bounce,     {nullptr,                 0,         kPlain,  DrawBounce}},
  {MODE_LYING,        EnterLying,     Lying,      {&FoeStrips::knockOut,    0,         kPlain,  nullptr}},
  {MODE_DEAD,         EnterDead,      nullptr,    {&FoeStrips::knockOut,    0,         kGreyed, nullptr}},
  {MODE_GETTING_UP,   EnterReaction,  GettingUp,  {&FoeStrips::wakeUp,      kOwnFrame, kPlain,  nullptr}},
  {MODE_GRAPPLED,     nullptr,        Grappled,   {&FoeStrips::hitUp,       0,         kPlain,  nullptr}},
  {MODE_CARRIED,      nullptr,        Carried,    {nullptr,                 0,         kPlain,  nullptr}},  // she draws it
  {MODE_THROWN,       nullptr,        Thrown,     {&FoeStrips::thrown,      kOwnFrame, kPlain,  nullptr}},
};
// clang-format on

const TEnemy::Modes::Row* TEnemy::Modes::Find(int mode) {
  for (const Row& row : kRows) {
    if (row.mode == mode) return &row;
  }
  return nullptr;
}

void TEnemy::SetMode(int mode) {
  iDelayCounter = 0;
  // Waiting and hesitating share the stance pictures: its frame runs on between them.
  const bool stanceToStance = (mode == MODE_STANCE || mode == MODE_HESITATE) &&
                              (iMode == MODE_STANCE || iMode == MODE_HESITATE);
  if (!stanceToStance) iFrame = 0;
  iMode = mode;
  bFrameDirection = 1;
  const Modes::Row* row = Modes::Find(mode);
  if (row && row->enter) {
    row->enter(*this);
  } else {
    SetModeCustom(mode);
  }
}

void TEnemy::MoveChara() {
  TCharacter* pc = GetPC();
  const Modes::Row* row = Modes::Find(iMode);
  if (row && row->frame) {
    row->frame(*this, pc);
  } else {
    MoveCustom(pc);
  }
}

bool TEnemy::DrawSharedPicture(const FoeStrips& strips) const {
  const Modes::Row* row = Modes::Find(iMode);
  if (!row) return false;
  const Modes::Picture& picture = row->picture;
  if (picture.draw) {
    picture.draw(*this, strips);
    return true;
  }
  if (!picture.strip) return true;
  const int frame = picture.frame == Modes::kOwnFrame ? iFrame : picture.frame;
  const float shake = picture.look != Modes::kShakes ? 0 : iDelayCounter % 2 == 0 ? -1.5f : 1.5f;
  if (picture.look == Modes::kGreyed) SetColor(iColorModifier, iColorModifier, iColorModifier);
  Modes::Draw(*this, strips.*picture.strip, frame, shake);
  if (picture.look == Modes::kGreyed) SetColor(255, 255, 255);
  return true;
}

void TEnemy::FreeChoice() {
  switch (Rand(0, 2)) {
    case 0:
      SetMode(MODE_WALK_TOWARD);
      break;
    case 1:
      SetMode(MODE_STANCE);
      break;
    default:
      SetMode(MODE_WALK_BACK);
      break;
  }
}

// ---- Facing and planes --------------------------------------------------------------------------

TCharacter* TEnemy::GetPC() { return FindHeroine(); }

void TEnemy::CheckFacing() {
  bool left = false, right = false;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iStatus == STATUS_FINISHED || c->iAffiliation != SIDE_HEROINE) continue;
    (c->x <= x ? left : right) = true;
  }
  iFacingState = !left ? FACING_RIGHT : right ? FACING_BOTH_SIDES : FACING_LEFT;
}

void TEnemy::SwitchFacing(int) {
  iFacing = iFacingState == FACING_LEFT ? FACING_LEFT : FACING_RIGHT;
}

void TEnemy::CheckGrapple(TCharacter& target) {
  target.iTargetType = iType;
  target.iTargetID = iID;
  SetMode(ENEMY_SEIZE);
}

int TEnemy::IsAerialMode(const TCharacter& c) {
  return (c.iMode >= 31 && c.iMode <= 40) || (c.iMode >= 150 && c.iMode <= 200) ? 1 : 0;
}

void TEnemy::MovePlaneSwitchUp() {
  if (iPlane - 1 >= 0 && y <= fPlaneY[iPlane - 1]) {
    SetPlane(iPlane - 1);
    SetMode(MODE_STANCE);
    return;
  }
  y -= kPlaneSwitchStep;
  Animation2Way(3, 4);
  SetMovement();
  if (iDelayCounter % 6 == 0) CreateEffectDust();
}

void TEnemy::MovePlaneSwitchDown() {
  if (iPlane + 1 < static_cast<int>(fPlaneY.size()) && y >= fPlaneY[iPlane + 1]) {
    SetPlane(iPlane + 1);
    SetMode(MODE_STANCE);
    return;
  }
  y += kPlaneSwitchStep;
  Animation2Way(3, 4);
  SetMovement();
  if (iDelayCounter % 6 == 0) CreateEffectDust();
}

void TEnemy::AnimationStance() { Animation2WayLoop(3, 8); }
void TEnemy::AnimationMove() { Animation2WayLoop(3, 8); }

// ---- Attitudes ----------------------------------------------------------------------------------

void TEnemy::MoveAI(TCharacter* pc) {
  if (iAIMode == AI_ENGAGE) {
    MoveAIEngage(pc);
  } else {
    MoveAIWatch(pc);
  }
}

void TEnemy::MoveAIWatch(TCharacter* pc) {
  if (pc && !HeroineDown(*pc)) {
    if (iCoolDownPlaneSwitch > 0) --iCoolDownPlaneSwitch;
    const float dx = std::fabs(pc->x - x);
    if (dx < kWatchEngageRange && pc->iPlane == iPlane && IsIdle(iMode)) {
      iAIMode = AI_ENGAGE;  // steps in by itself, over the limit until the next count
      return;
    }
    if (dx > kWatchChargeRange && pc->iPlane != iPlane) {
      SetMode(ENEMY_CHARGE);
      return;
    }
  }
  if (iAICounter > 0) {
    --iAICounter;
  } else {
    FreeChoice();
  }
}

void TEnemy::Fallback() {
  if (Rand(0, 2) < 2) {
    SetMode(MODE_BACK_OFF);
  } else {
    if (iPlane == 0) {
      SetMode(MODE_PLANE_DOWN);
    } else if (iPlane == 4) {
      SetMode(MODE_PLANE_UP);
    } else {
      SetMode(Rand(0, 1) == 0 ? MODE_PLANE_DOWN : MODE_PLANE_UP);
    }
    iCoolDownPlaneSwitch = static_cast<int32_t>(kFallbackPlaneCoolDown * fEnemyDelayFactor);
  }
  bComboEnable = 0;
}

// ---- Drawing ------------------------------------------------------------------------------------

void TEnemy::DrawGUI() {
  if (fHP <= 0 || fHPMax <= 0) return;
  SetColor(0, 0, 0);
  DrawRect(x - 50, y - fHPBarPost, 100, 3);
  SetColor(200, 160, 0);
  DrawRect(x - 50, y - fHPBarPost, 100 / fHPMax * fHP, 3);
  SetColor(255, 255, 255);
}
