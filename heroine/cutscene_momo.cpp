#include "heroine/cutscene_momo.h"

#include <algorithm>
#include <iterator>

#include "heroine/momo.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr int kPushFrames = 12;
constexpr int kPushRecover = 4;  // hittable again from this frame of a push
constexpr float kHurtManaShare = 3;
constexpr float kArmourShare = 5;
constexpr int kArmourInvulnerable = 4;

// The stance strip has four pictures; the loop lingers on the first and the last.
constexpr int kStancePicture[] = {0, 0, 1, 2, 3, 3};
constexpr int kStanceFrames = static_cast<int>(std::size(kStancePicture));
constexpr int kWakeUpHeldPicture = 2;

void DrawFrame(const ImagePtr& image, float x, float y, int frame) {
  if (image) DrawImage(image, x, y, std::clamp(frame, 0, image->FrameCount() - 1));
}

}  // namespace

void TNPCCutsceneMomo::Init(int codePlayer, int) {
  fSize = 4;
  iCodePlayer = codePlayer;
  ResetBBox();
  iType = TYPE_CUTSCENE_MOMO;
  iID = 0;
  iStatus = STATUS_NORMAL;
  iAffiliation = SIDE_HEROINE;
}

void TNPCCutsceneMomo::ResetBBox() { SetHeroineBox(*this); }

void TNPCCutsceneMomo::ResetGameData() {
  fHPModifier = 16;
  fMPModifier = 10;
  fVit = 17;
  fStr = 11;
  fInt = 21;
  fAgi = 14;
  fHP = fVit * fHPModifier;
  fSpeed = 0;
  SetMode(MODE_STANCE);
  iFacing = FACING_RIGHT;
  x = 360;
  SetPlane(2);
  iTargetID = -1;
  iInvulnerableCounter = 0;
  iMaxCombo = 0;
}

void TNPCCutsceneMomo::SetMode(int mode) {
  iDelayCounter = 0;
  iMode = mode;
  iFrame = 0;
  bFrameDirection = 1;
  switch (mode) {
    case MODE_STANCE:
      iTargetID = -1;
      iStatus = STATUS_NORMAL;
      fSpeed = 0;
      break;
    case MODE_KNOCKDOWN:
      iStatus = STATUS_UNHITTABLE;
      fJump = 12;
      fSpeed = 12;
      CreateEffectDust();
      NormalizeKnockbackAngle();
      break;
    case MODE_PUSHED_HIGH:
      iStatus = STATUS_UNHITTABLE;
      CreateEffectDust();
      break;
    default:
      break;
  }
}

void TNPCCutsceneMomo::MoveChara() {
  const float xOld = x, yOld = y;
  switch (iMode) {
    case MODE_STANCE:
      Animation2WayLoop(kStanceFrames, 9);
      break;
    case MODE_PUSHED_LOW:
    case MODE_PUSHED_HIGH:
      if (iDelayCounter < kPushFrames) {
        MoveAlongKnockback();
        fSpeed -= 2;
        if (iDelayCounter == kPushRecover) iStatus = STATUS_NORMAL;
        Animation2Way(2, 6);
      } else {
        SetMode(MODE_STANCE);
      }
      break;
    case CUTSCENE_MOMO_FLYING:
      Animation1WayLoop(3, 5);
      break;
    default:
      break;
  }
  MoveWorld(xOld, yOld);
}

void TNPCCutsceneMomo::MoveWorld(float xOld, float yOld) {
  FollowWithView(x, y, xOld, yOld);
  QuakeNeutralizer();
}

void TNPCCutsceneMomo::QuakeNeutralizer() { SettleQuake(); }

void TNPCCutsceneMomo::RunEffect() {
  if (iDelayCounter % 40 == 0) {
    PlaySound(sndTVNakedStep1);
    CreateEffectDust();
  } else if (iDelayCounter % 20 == 0) {
    PlaySound(sndTVNakedStep2);
    CreateEffectDust();
  }
  Animation1WayLoop(10, 4);
}

void TNPCCutsceneMomo::Damage(float damage, float knockbackAngle, int damageType, int, int) {
  fKnockbackAngle = knockbackAngle;
  // The mana goes to the heroine herself, not to her copy.
  if (Momo) Momo->fMP = std::min(Momo->fMP + damage / kHurtManaShare, Momo->fMPMax);
  if (iStatus == STATUS_GUARDING) {
    fHP -= damage / kArmourShare;
    if (fHP <= 0) {
      SetMode(MODE_KNOCKDOWN);
      fHP = 0;
    }
    iInvulnerableCounter = kArmourInvulnerable;
    return;
  }
  fHP -= damage;
  ReactOnFoot(*this, damageType);
  if (fHP <= 0) FallWhenSpent(*this);
}

void TNPCCutsceneMomo::Draw() {
  if (iMode == MODE_INACTIVE) return;
  if (iMode == CUTSCENE_MOMO_FLYING) {
    DrawFrame(imgZellenithFly, x, y, iFrame);
    return;
  }
  SetScale(FacingScale(iFacing), 1);
  DrawImage(imgShadow, x, fPlaneY[iPlane], 0);
  switch (iMode) {
    case MODE_STANCE:
      DrawFrame(imgMomoStance, x, y, kStancePicture[std::clamp(iFrame, 0, kStanceFrames - 1)]);
      break;
    case MODE_PUSHED_LOW:
      DrawFrame(imgMomoHitLow, x, y, iFrame);
      break;
    case MODE_PUSHED_HIGH:
      DrawFrame(imgMomoHitUp, x, y, iFrame);
      break;
    case CUTSCENE_MOMO_KNEELING:
      DrawFrame(imgMomoWakeUp, x, y, kWakeUpHeldPicture);
      break;
    default:
      break;
  }
  SetScale(1, 1);
}
