#include "enemies/practice_target.h"

#include <algorithm>

#include "enemies/enemy.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr int kTargetType = 16;  // drawn and thrown as a saberman
constexpr int kLyingFrames = 80;
constexpr int kDownedRestFrames = 160;  // a spent target lies longer, then rises refreshed

bool InHeroineGrip(int mode) { return mode == 10 || mode == 11 || (mode >= 105 && mode <= 109); }

}  // namespace

void TPracticeTarget::Init(int, int id) {
  iCodePlayer = 2;
  iType = kTargetType;
  iID = id;
  iStatus = STATUS_NORMAL;
  iAffiliation = SIDE_ENEMY;
  fSize = 6;
  ResetBBox();
}

void TPracticeTarget::ResetBBox() {
  xBBox = -35;
  yBBox = -200;
  BBoxWidth = 70;
  BBoxHeight = 190;
}

void TPracticeTarget::SetBBoxKnockOut() {
  xBBox = -80;
  yBBox = -40;
  BBoxWidth = 160;
  BBoxHeight = 40;
}

void TPracticeTarget::ResetGameData() {
  fHPModifier = 10;
  fVit = 15;
  fStr = 10;
  fHPMax = fHP = fVit * fHPModifier;
  fSpeed = 0;
  SetMode(MODE_STANCE);
  iFacing = 180;
  iInvulnerableCounter = 0;
}

bool TPracticeTarget::StillHeld() const {
  const TCharacter* heroine = FindHeroine();
  return heroine && heroine->iTargetID == iID && InHeroineGrip(heroine->iMode);
}

void TPracticeTarget::SetMode(int mode) {
  iDelayCounter = 0;
  iFrame = 0;
  iMode = mode;
  bFrameDirection = 1;
  if (EnterFoeReaction(*this, mode)) return;
  switch (mode) {
    case MODE_STANCE:
      fSpeed = 0;
      iStatus = STATUS_NORMAL;
      ResetBBox();
      break;
    case MODE_GRAPPLED:
    case MODE_CARRIED:
      iStatus = STATUS_UNHITTABLE;
      break;
    case MODE_THROWN:
      // Flung from over her head to behind her.
      iStatus = STATUS_UNHITTABLE;
      if (const TCharacter* heroine = FindHeroine()) {
        x = heroine->x + (heroine->iFacing == 0 ? -40.0f : 40.0f);
        y = heroine->y - 120;
      }
      fJump = 6;
      fSpeed = 10;
      break;
    case MODE_LYING:
      iStatus = STATUS_NORMAL;
      SetBBoxKnockOut();
      CreateEffectDust();
      PlaySound(sndBodySlam2);
      break;
    default:
      break;
  }
}

void TPracticeTarget::MoveChara() {
  switch (iMode) {
    case MODE_STANCE:
      Animation2WayLoop(3, 8);
      break;
    case MODE_HIT_HIGH:
    case MODE_HIT_LOW:
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      if (iDelayCounter == 20) SetMode(MODE_STANCE);
      break;
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
      if (iDelayCounter == 12) {
        SetMode(MODE_STANCE);
      } else {
        MoveAlongKnockback();
        fSpeed -= 2;
      }
      break;
    case MODE_KNOCKED_AWAY:
    case MODE_KNOCKDOWN:
    case MODE_THROWN:
      if (iMode == MODE_KNOCKDOWN && iDelayCounter == 4) iStatus = STATUS_NORMAL;
      y -= fJump;
      fJump -= 0.8f;
      MoveAlongKnockback();
      if (LandOnGround()) {
        fQuake = iMode == MODE_THROWN ? 10.0f : 6.0f;
        SetMode(MODE_BOUNCE);
      } else {
        iFrame = fJump < 0 ? 1 : 0;
      }
      break;
    case MODE_KNOCKUP:
      MoveLaunched();
      break;
    case MODE_LIFTED:
      MoveLifted();
      break;
    case MODE_GRAPPLE_HIT:
      if (iDelayCounter == 4) iStatus = STATUS_NORMAL;
      if (iDelayCounter == 20) SetMode(MODE_GRAPPLED);
      if (iMode == MODE_GRAPPLE_HIT && !StillHeld()) {
        SetMode(fHP > 0 ? MODE_STANCE : MODE_KNOCKDOWN);
      }
      break;
    case MODE_GRAPPLED:
    case MODE_CARRIED:
      if (!StillHeld()) SetMode(MODE_STANCE);
      break;
    case MODE_LYING_HIT:
    case MODE_BOUNCE:
      y -= fJump;
      fJump -= 1;
      MoveAlongKnockback();
      if (LandOnGround()) SetMode(MODE_LYING);
      break;
    case MODE_LYING:
      // A target beaten to nothing rests a while, then stands up whole.
      if (iDelayCounter >= (fHP > 0 ? kLyingFrames : kDownedRestFrames)) {
        fHP = fHPMax;
        SetMode(MODE_GETTING_UP);
      } else {
        Animation2WayLoop(1, 10);
      }
      break;
    case MODE_GETTING_UP:
      if (Animation1Way(2, 5) == 1) SetMode(MODE_STANCE);
      break;
    case MODE_SLAMMED:
      MoveSlammed();
      break;
    default:
      break;
  }
}

void TPracticeTarget::Draw() {
  if (iMode == MODE_CARRIED) return;  // the heroine draws it while she swings it
  SetScale(iFacing == 180 ? -1.0f : 1.0f, 1);
  DrawImage(imgShadow, x, GroundLine(), 0);
  const ImagePtr* picture = &imgSabermanStance;
  int frame = iFrame;
  switch (iMode) {
    case MODE_HIT_HIGH:
    case MODE_PUSHED_HIGH:
      picture = &imgSabermanHitUp;
      frame = 0;
      break;
    case MODE_HIT_LOW:
    case MODE_PUSHED_LOW:
    case MODE_GRAPPLE_HIT:
    case MODE_GRAPPLED:
      picture = &imgSabermanHitLow;
      frame = 0;
      break;
    case MODE_KNOCKED_AWAY:
    case MODE_KNOCKDOWN:
    case MODE_KNOCKUP:
    case MODE_LIFTED:
    case MODE_SLAMMED:
    case MODE_LYING_HIT:
    case MODE_BOUNCE:
      picture = &imgSabermanKnockdown;
      break;
    case MODE_THROWN:
      picture = &imgSabermanThrown;
      frame = 0;
      break;
    case MODE_LYING:
      picture = &imgSabermanKnockOut;
      frame = 0;
      break;
    case MODE_GETTING_UP:
      picture = &imgSabermanWakeUp;
      break;
    default:
      break;
  }
  if (*picture) DrawImage(*picture, x, y, std::clamp(frame, 0, (*picture)->FrameCount() - 1));
  SetScale(1, 1);
  DrawGUI();
}

void TPracticeTarget::DrawGUI() {
  if (fHPMax <= 0 || iMode == MODE_CARRIED) return;
  SetColor(40, 20, 20);
  DrawRect(x - 40, y - 215, 80, 4);
  SetColor(200, 60, 40);
  DrawRect(x - 40, y - 215, 80 * fHP / fHPMax, 4);
  SetColor(255, 255, 255);
}
