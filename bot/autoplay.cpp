#include "bot/autoplay.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <numbers>
#include <random>

#include "actors/character.h"
#include "combat/projectile.h"
#include "enemies/enemy.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "segments/segment.h"
#include "ui/windows.h"
#include "world/globals.h"
#include "world/modes.h"

namespace {

// ---- Reach and ranges, in world pixels ----------------------------------------------------------

constexpr float kStrikeNear = 35;  // closer than this her sword passes beyond the foe
constexpr float kStrikeFar = 135;  // the first strike's box ends about here
constexpr float kRideStrikeFar = 200;
constexpr float kSwitchPlaneWithin = 420;  // a foe further off along the floor is walked to first
constexpr float kCrowdRadius = 220;        // foes this close count for the skills
constexpr float kMountWithin = 700;        // a waiting dragon this close is worth the walk
constexpr int kMaxPlane = 4;
constexpr float kBlowReach = 300;     // a foe's blow starting this close is dodged
constexpr float kMissileWatch = 500;  // a missile this close on her plane is dodged
constexpr int kFreshAttackFrames = 3;
constexpr int kGrappleTries = 24;  // frames she walks into a foe to seize it
constexpr float kDashFrom = 220;   // a dash from this far ...
constexpr float kDashTo = 380;     // ... to this far ends in reach
constexpr float kDashStrike = 200;
constexpr float kPlaneCost = 150;     // a plane away weighs like this much floor
constexpr float kBoardWithin = 40;    // the dragon's saddle is this close
constexpr float kAirStrikeRise = 20;  // an air strike once the rise has slowed to this

// F1 to F12, which a watcher may press while the bot plays.
constexpr int kFirstFunctionKey = 112;
constexpr int kLastFunctionKey = 123;

using ActionMask = uint32_t;
constexpr ActionMask Bit(int action) { return 1u << action; }

bool IsStanding(int mode) {
  return mode == MODE_STANCE || mode == MODE_WALK_RIGHT || mode == MODE_WALK_LEFT ||
         mode == MODE_STOPPING;
}
bool IsJumping(int mode) {
  return mode == MODE_JUMP_RISE || mode == MODE_JUMP_PEAK || mode == MODE_JUMP_FALL;
}
bool IsGroundStrike(int mode) { return mode >= MOMO_STRIKE1 && mode <= MOMO_STRIKE4; }
// A foe's attacks: its blows, throws and spells, its charge and its seize.
// Whether something `dx` along the floor from her lies the way she faces.
bool Facing(const TMomo& momo, float dx) { return momo.iFacing == FACING_RIGHT ? dx > 0 : dx < 0; }
bool IsFoeAttack(int mode) { return mode >= 100 || mode == ENEMY_CHARGE || mode == ENEMY_SEIZE; }
bool IsAirStrike(int mode) { return mode >= MOMO_JUMP_ATTACK1 && mode <= MOMO_JUMP_ATTACK3; }

// A foe she can still fight: on the enemies' side, standing or about to stand again.
bool IsFoe(const TCharacter& c) {
  return c.iAffiliation == SIDE_ENEMY && c.fHP > 0 && c.iStatus != STATUS_FINISHED &&
         c.iStatus != STATUS_FADING && c.iMode != MODE_DEAD;
}

// The heroine's keyboard bindings; the built-in ones until the manager has made hers.
const TGameInput& Bindings() {
  if (!GameInput.empty() && GameInput[0]) return *GameInput[0];
  static const TGameInput builtIn = [] {
    TGameInput input;
    input.SetDefaultConfig();
    return input;
  }();
  return builtIn;
}

}  // namespace

// ---- The brain ----------------------------------------------------------------------------------

struct Autoplay::Brain {
  std::function<BotView()> look;
  std::mt19937 rng;
  DeviceState state;

  // What is held this frame, and each action's status as the game's poll will see it.
  ActionMask held = 0;
  std::array<int32_t, kActionCount> status{};
  // Frames of held actions queued by a move that takes several frames (a double tap).
  std::deque<ActionMask> queued;

  // Progress, for the outcome and the stall watch.
  int frames = 0;
  bool inGame = false;
  int segmentIndex = -1;
  int step = -1;
  int framesWithoutProgress = 0;
  BotOutcome outcome = BotOutcome::Playing;

  // The fight.
  int backOffFrames = 0;  // walking away from a foe that is too close or out of reach
  int pinnedFrames = 0;   // frames she has walked without moving
  float lastX = 0;
  int restFrames = 0;        // standing still where the way on is shut
  int strikesInGrapple = 0;  // grapple strikes before the throw
  int grappleFrames = 0;     // walking into a foe to seize it
  int jumpFrames = 0;        // Jump counts once held for a second poll, so it is held a while
  int lastMomoMode = -1;

  Brain(uint32_t seed, std::function<BotView()> view) : look(std::move(view)), rng(seed) {}

  int Roll(int sides) { return static_cast<int>(rng() % static_cast<uint32_t>(sides)); }

  // A press needs the action up in the poll before; otherwise it is let go this frame.
  void Tap(int action) {
    if (status[action] == INPUT_UP) held |= Bit(action);
  }
  void Hold(int action) { held |= Bit(action); }
  void Jump() {
    if (status[ACTION_JUMP] == INPUT_UP) jumpFrames = 3;
  }

  void Decide(const BotView& view);
  void WatchProgress(const BotView& view);
  void OnTitle(const TWindowTitle& title);
  void InGame(const BotView& view);
  // What she sees around her on foot or riding.
  struct Survey {
    const TCharacter* target = nullptr;        // the foe to fight
    const TCharacter* waitingMount = nullptr;  // a riderless dragon close by
    int near = 0, ahead = 0, behind = 0;       // foes close on her plane, and on which side
  };
  Survey Look(const TMomo& momo) const;
  void Fight(const TMomo& momo);
  void Grapple(const TMomo& momo, const Survey& s);
  void OnFoot(const TMomo& momo, const Survey& s);
  // Towards a foe out of reach on her plane.
  void Approach(const TMomo& momo, float dx);
  void Ride(const TMomo& momo, const Survey& s);
  // Whether she stands on c's plane; if not, sets off there: the double tap when c is close along
  // the floor, else walking towards it.
  bool OnPlaneOf(const TMomo& momo, const TCharacter& c);
  void HoldTowards(float dx);
  // Whether she has walked against something (the edge of the view) for a while now.
  bool Pinned(const TMomo& momo);
  // Nothing to fight: on to the right, or stand where the way is shut.
  void WalkOn(const TMomo& momo);
  void SwitchPlane(bool up);
  // A blow about to fall on her plane, or a missile flying at her along it.
  bool Threatened(const TMomo& momo) const;
  // Out of the way: the quick switch (Dash with Up or Down) to the plane with fewer foes.
  void Evade(const TMomo& momo);
  void EndFrame();
};

void Autoplay::Brain::WatchProgress(const BotView& view) {
  ++frames;
  if (view.screen == BotView::Screen::Game) {
    const int newStep = view.segment ? view.segment->iSegmentCounter : -1;
    if (!inGame || view.segmentIndex != segmentIndex || newStep != step) {
      framesWithoutProgress = 0;
    }
    inGame = true;
    segmentIndex = view.segmentIndex;
    step = newStep;
  } else if (inGame) {
    // The title is back: the game is over one way or the other.
    outcome = segmentIndex >= view.lastSegment ? BotOutcome::Finished : BotOutcome::GameOver;
    return;
  }
  if (++framesWithoutProgress >= kStallFrames) outcome = BotOutcome::Stalled;
}

void Autoplay::Brain::Decide(const BotView& view) {
  held = 0;
  if (!queued.empty()) {
    held = queued.front();
    queued.pop_front();
    return;
  }
  switch (view.screen) {
    case BotView::Screen::Title:
      if (view.title) OnTitle(*view.title);
      break;
    case BotView::Screen::OtherMenu:
      break;  // the bot never opens these
    case BotView::Screen::Game:
      if (!view.paused) InGame(view);
      break;
  }
  if (jumpFrames > 0) {
    --jumpFrames;
    Hold(ACTION_JUMP);
  }
}

void Autoplay::Brain::OnTitle(const TWindowTitle& title) {
  if (title.iMode != TITLE_MODE_MENU || title.bFade == 1) return;
  if (title.iActiveMenu != TITLE_START) {
    Tap(ACTION_UP);
  } else {
    Tap(ACTION_ATTACK);
  }
}

void Autoplay::Brain::InGame(const BotView& view) {
  if (!Momo) return;
  const TMomo& momo = *Momo;
  if (momo.iMode == MOMO_CONTINUE) {
    // "Yes" is the first entry.
    if (momo.iContinueCursor != 0) {
      Tap(ACTION_RIGHT);
    } else {
      Tap(ACTION_ATTACK);
    }
    return;
  }
  // The skill list waits for Attack to be let go; the map plays by itself.
  if (view.segmentIndex == 0) {
    Tap(ACTION_ATTACK);
    return;
  }
  if (view.segmentIndex >= view.lastSegment) return;
  Fight(momo);
}

void Autoplay::Brain::HoldTowards(float dx) { Hold(dx >= 0 ? ACTION_RIGHT : ACTION_LEFT); }

bool Autoplay::Brain::Pinned(const TMomo& momo) {
  const bool walking = momo.iMode == MODE_WALK_RIGHT || momo.iMode == MODE_WALK_LEFT;
  pinnedFrames = walking && std::fabs(momo.x - lastX) < 0.5f ? pinnedFrames + 1 : 0;
  lastX = momo.x;
  if (pinnedFrames <= 8) return false;
  pinnedFrames = 0;
  return true;
}

void Autoplay::Brain::WalkOn(const TMomo& momo) {
  // The stage takes her over at its end only once she stands still.
  if (restFrames > 0) {
    --restFrames;
  } else if (Pinned(momo)) {
    restFrames = 60;
  } else {
    Hold(ACTION_RIGHT);
  }
}

bool Autoplay::Brain::Threatened(const TMomo& momo) const {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (!IsFoe(*c) || c->iPlane != momo.iPlane) continue;
    const float dx = momo.x - c->x;
    const bool facingHer = c->iFacing == FACING_RIGHT ? dx > 0 : dx < 0;
    const bool winding = IsFoeAttack(c->iMode) && c->iDelayCounter <= kFreshAttackFrames;
    if (winding && facingHer && std::fabs(dx) < kBlowReach) return true;
  }
  for (const std::shared_ptr<TProjectile>& p : ProjectileList) {
    if (p->iAffiliation == SIDE_HEROINE || p->iStatus != PROJECTILE_ACTIVE) continue;
    if (p->iPlane != momo.iPlane) continue;
    const float dx = momo.x - p->x;
    const float heading = std::cos(p->fAngle * std::numbers::pi_v<float> / 180);
    if (std::fabs(dx) < kMissileWatch && std::fabs(dx) > kBlowReach && dx * heading > 0)
      return true;
  }
  return false;
}

void Autoplay::Brain::Evade(const TMomo& momo) {
  int above = 0, below = 0;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (!IsFoe(*c) || std::fabs(c->x - momo.x) > kCrowdRadius) continue;
    if (c->iPlane < momo.iPlane) ++above;
    if (c->iPlane > momo.iPlane) ++below;
  }
  bool up = momo.iPlane == kMaxPlane ||
            (momo.iPlane != 0 && (above < below || (above == below && Roll(2) == 0)));
  Hold(up ? ACTION_UP : ACTION_DOWN);
  Tap(ACTION_DASH);
}

void Autoplay::Brain::SwitchPlane(bool up) {
  // The double tap: down now, then up (the first release opens the window), up again so that
  // the next press counts, down, and up: the second release switches.
  const ActionMask key = Bit(up ? ACTION_UP : ACTION_DOWN);
  held = key;
  queued = {0, 0, key, 0};
}

Autoplay::Brain::Survey Autoplay::Brain::Look(const TMomo& momo) const {
  // The foe to fight is the nearest along the floor, planes away counting as distance too.
  Survey s;
  float best = 1e9f;
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation == SIDE_NEUTRAL && c->iMode == MODE_MOUNT_WAITING &&
        std::fabs(c->x - momo.x) < kMountWithin) {
      s.waitingMount = c.get();
    }
    if (!IsFoe(*c)) continue;
    const float dx = c->x - momo.x;
    const float cost =
        std::fabs(dx) + kPlaneCost * static_cast<float>(std::abs(c->iPlane - momo.iPlane));
    if (cost < best) {
      best = cost;
      s.target = c.get();
    }
    if (c->iPlane == momo.iPlane && std::fabs(dx) < kCrowdRadius) {
      ++s.near;
      ++(Facing(momo, dx) ? s.ahead : s.behind);
    }
  }
  return s;
}

bool Autoplay::Brain::OnPlaneOf(const TMomo& momo, const TCharacter& c) {
  if (c.iPlane == momo.iPlane) return true;
  const float dx = c.x - momo.x;
  if (std::fabs(dx) < kSwitchPlaneWithin && momo.iPlane % 2 == 0) {
    SwitchPlane(c.iPlane < momo.iPlane);
  } else {
    HoldTowards(dx);
  }
  return false;
}

void Autoplay::Brain::Fight(const TMomo& momo) {
  const int mode = momo.iMode;
  if (mode != lastMomoMode && mode == MOMO_GRAPPLE) strikesInGrapple = Roll(3);
  lastMomoMode = mode;
  const Survey s = Look(momo);
  if (momo.iTypeMount == MOUNT_DRACON) {
    Ride(momo, s);
  } else if (mode == MOMO_GRAPPLE_HOLD) {
    Grapple(momo, s);
  } else if (IsGroundStrike(mode) || IsAirStrike(mode)) {
    // Chain the combo while the foe is in front of her (or hardly past her).
    if (s.target && s.target->iPlane == momo.iPlane) {
      const float dx = s.target->x - momo.x;
      const float ahead = momo.iFacing == FACING_RIGHT ? dx : -dx;
      if (ahead > -kStrikeNear && ahead < kStrikeFar + 40) Tap(ACTION_ATTACK);
    }
  } else if (IsJumping(mode)) {
    // Steer onto the foe and strike on the way down.
    if (!s.target || s.target->iPlane != momo.iPlane) return;
    const float dx = s.target->x - momo.x;
    if (std::fabs(dx) > kStrikeNear) HoldTowards(dx);
    if (std::fabs(dx) < kStrikeFar && momo.fJump <= kAirStrikeRise) Tap(ACTION_ATTACK);
  } else if (mode == MODE_DASH) {
    // The dash attack, or the strike-through when the mana is there.
    if (s.target && s.target->iPlane == momo.iPlane &&
        std::fabs(s.target->x - momo.x) < kDashStrike) {
      const bool through = momo.fMP > momo.fMPCostStrikeThrough + 40 && Roll(2) == 0;
      Tap(through ? ACTION_MAGIC : ACTION_ATTACK);
    }
  } else if (IsStanding(mode)) {
    OnFoot(momo, s);
  }
  // Otherwise she is hit, lying, busy with a move, or run by the stage.
}

void Autoplay::Brain::Grapple(const TMomo& momo, const Survey& s) {
  if (strikesInGrapple > 0) {
    if (momo.iDelayCounter > 6) {
      Tap(ACTION_ATTACK);
      if (held & Bit(ACTION_ATTACK)) --strikesInGrapple;
    }
    return;
  }
  // Throw towards the others, or back where no one is.
  const bool towardFacing = s.ahead > 1 || (s.behind == 0 && Roll(2) == 0);
  const bool right = momo.iFacing == FACING_RIGHT;
  Hold(towardFacing == right ? ACTION_RIGHT : ACTION_LEFT);
  Tap(ACTION_ATTACK);
}

void Autoplay::Brain::OnFoot(const TMomo& momo, const Survey& s) {
  if (Threatened(momo)) {
    Evade(momo);
    return;
  }
  // A waiting dragon: beside it, board it (Jump with Down); else go there.
  if (s.waitingMount) {
    if (!OnPlaneOf(momo, *s.waitingMount)) return;
    const float dx = s.waitingMount->x - momo.x;
    if (std::fabs(dx) > kBoardWithin) {
      HoldTowards(dx);
    } else {
      Hold(ACTION_DOWN);
      Jump();
    }
    return;
  }
  if (!s.target) {
    WalkOn(momo);
    return;
  }
  if (!OnPlaneOf(momo, *s.target)) return;

  const float dx = s.target->x - momo.x;
  const float distance = std::fabs(dx);
  if (grappleFrames > 0) {
    // Into the foe: running into one that stands seizes it.
    --grappleFrames;
    HoldTowards(dx);
    return;
  }
  if (backOffFrames > 0) {
    --backOffFrames;
    HoldTowards(-dx);
    return;
  }
  if (distance < kStrikeNear) {
    backOffFrames = 6;
    HoldTowards(-dx);
    return;
  }
  if (distance > kStrikeFar) {
    Approach(momo, dx);
    return;
  }
  if (!Facing(momo, dx)) {
    HoldTowards(dx);
    return;
  }
  // In reach: a skill when the mana is there and it pays, else the sword, now and then a
  // grapple, a jump into the air combo or the upward strike.
  const int roll = Roll(20);
  if (s.near >= 2 && momo.fMP > momo.fMPCostPsychicSphere && s.behind > 0) {
    Hold(ACTION_DOWN);
    Tap(ACTION_MAGIC);
  } else if (s.near >= 2 && momo.fMP > momo.fMPCostEruption + 20 && roll < 10) {
    Hold(ACTION_UP);
    Tap(ACTION_MAGIC);
  } else if (roll < 3) {
    grappleFrames = kGrappleTries;
  } else if (roll < 5) {
    Jump();
  } else if (roll == 5) {
    Hold(ACTION_UP);
    Tap(ACTION_ATTACK);
  } else if (roll == 6 && momo.fMP > momo.fMPCostMoonSlasher + 40) {
    Tap(ACTION_MAGIC);
  } else {
    Tap(ACTION_ATTACK);
  }
}

void Autoplay::Brain::Approach(const TMomo& momo, float dx) {
  const float distance = std::fabs(dx);
  if (Pinned(momo)) {
    // Against the edge of the view a foe can stand out of her reach while its own reaches her:
    // the moon slasher's wave flies to it, or she draws it in.
    if (Facing(momo, dx) && momo.fMP > momo.fMPCostMoonSlasher && distance < kMissileWatch) {
      Tap(ACTION_MAGIC);
    } else {
      backOffFrames = 40;
      HoldTowards(-dx);
    }
    return;
  }
  // From a few steps off, now and then a dash into the dash attack or the strike-through.
  if (Facing(momo, dx) && distance > kDashFrom && distance < kDashTo && Roll(40) == 0) {
    Tap(ACTION_DASH);
    return;
  }
  HoldTowards(dx);
}

void Autoplay::Brain::Ride(const TMomo& momo, const Survey& s) {
  const int mode = momo.iMode;
  if (mode == DRACON_STRIKE1 || mode == DRACON_STRIKE2 || mode == DRACON_STRIKE1_WIND_UP ||
      mode == DRACON_STRIKE2_WIND_UP) {
    Tap(ACTION_ATTACK);  // the second blow
    return;
  }
  if (!IsStanding(mode)) return;
  if (!s.target) {
    WalkOn(momo);
    return;
  }
  if (!OnPlaneOf(momo, *s.target)) return;
  const float dx = s.target->x - momo.x;
  if (std::fabs(dx) > kRideStrikeFar || !Facing(momo, dx)) {
    HoldTowards(dx);
  } else if (momo.fMP > momo.fMPCostDraconFireball + 30 && Roll(3) == 0) {
    Tap(ACTION_MAGIC);  // fire
  } else {
    Tap(ACTION_ATTACK);
  }
}

void Autoplay::Brain::EndFrame() {
  for (int a = 0; a < kActionCount; ++a) status[a] = NextInputStatus(status[a], held & Bit(a));
  // Whoever watches keeps the function keys (F3 shows the hit boxes); the rest is the bot's.
  const DeviceState live = ReadDeviceState();
  state.keys.fill(0);
  std::copy(live.keys.begin() + kFirstFunctionKey, live.keys.begin() + kLastFunctionKey + 1,
            state.keys.begin() + kFirstFunctionKey);
  const TGameInput& bindings = Bindings();
  for (int a = 0; a < kActionCount; ++a) {
    if (!(held & Bit(a))) continue;
    const int key = bindings.Keyboard[a];
    if (key > 0 && key < static_cast<int>(state.keys.size())) state.keys[key] = 1;
  }
}

// ---- The feed -----------------------------------------------------------------------------------

Autoplay::Autoplay(uint32_t seed, std::function<BotView()> look)
    : brain_(std::make_unique<Brain>(seed, std::move(look))) {}

Autoplay::~Autoplay() { OverrideDeviceState(nullptr); }

void Autoplay::BeginFrame(int) {
  Brain& b = *brain_;
  const BotView view = b.look();
  b.WatchProgress(view);
  if (b.outcome == BotOutcome::Playing) {
    b.Decide(view);
  } else {
    b.held = 0;
  }
  b.EndFrame();
  OverrideDeviceState(&b.state);
}

const DeviceState& Autoplay::FrameState() const { return brain_->state; }

BotOutcome Autoplay::Outcome() const { return brain_->outcome; }

std::string Autoplay::Summary() const {
  const Brain& b = *brain_;
  const std::string where =
      " (segment " + std::to_string(b.segmentIndex) + ", step " + std::to_string(b.step) + ")";
  const std::string after = " after " + std::to_string(b.frames) + " frames";
  switch (b.outcome) {
    case BotOutcome::Finished:
      return "autoplay: finished" + after;
    case BotOutcome::GameOver:
      return "autoplay: game over" + after + where;
    case BotOutcome::Stalled:
      return "autoplay: no progress for " + std::to_string(kStallFrames) + " frames" + after +
             where;
    case BotOutcome::Playing:
      break;
  }
  return "autoplay: still playing" + after + where;
}
