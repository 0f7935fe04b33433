#include "enemies/boss.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "enemies/enemy_projectiles.h"
#include "heroine/momo.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"
#include "world/spawn.h"

namespace {

constexpr float kLayerHP = 360;  // hit points of one layer of the bar
constexpr float kBarWidth = 720;
constexpr float kGuardStrength = 20000;  // never worn through in practice
constexpr int kPlaneCoolDown = 200;
constexpr int kExploitingFrom = 4;
constexpr float kSpiritWaveAhead = 140;
constexpr int kBlowPower = 15;
constexpr int kSpiritPower = 56;

// clang-format off
constexpr int kBarColours[][3] = {
  {0,   0,   0  },  // nothing left
  {204, 21,  16 },  // red
  {255, 210, 71 },  // yellow
  {85,  174, 98 },  // green
  {197, 168, 227},  // lilac
  {255, 255, 255},  // white
};
// clang-format on

void CountDown(int32_t& counter) {
  if (counter > 0) --counter;
}

}  // namespace

// ---- The boss bar -------------------------------------------------------------------------------

void TEnemyBoss::SetHPBarColor(int layer) {
  if (layer < 0 || layer >= static_cast<int>(std::size(kBarColours))) return;
  SetColor(kBarColours[layer][0], kBarColours[layer][1], kBarColours[layer][2]);
}

void TEnemyBoss::DrawGUI() {
  const float w = fScreenWidth, h = fScreenHeight;
  const float top = ViewY(0);
  const int layers = static_cast<int>(fHP / kLayerHP);
  const float rest = std::fmod(fHP, kLayerHP) * 2;
  SetImageFont(fntProciono14);
  DrawShadowText(TEXT_WHITE, strName, ViewX(w / 2 - 400), top + h - 55);
  SetHPBarColor(layers);
  DrawRect(ViewX(w / 2 - kBarWidth / 2), top + h - 30, kBarWidth, 8);
  SetHPBarColor(layers + 1);
  DrawRect(ViewX(w / 2 - kBarWidth / 2), top + h - 30, rest, 8);
  SetColor(255, 255, 255);
  DrawImage(imgBarBorderBoss, ViewX(w / 2 - 405), top + h - 34, 0);
}

// ---- Set-up -------------------------------------------------------------------------------------

void TDarkKnight::Init(int, int id) {
  fSize = 8;
  iCodePlayer = CODE_PLAYER_NONE;
  ResetBBox();
  iType = TYPE_DARK_KNIGHT;
  iID = id;
  iStatus = STATUS_NORMAL;
  iAffiliation = SIDE_ENEMY;
  fWalkSpeed = 5.2f;
  iSkillBlock = iSkillDodge = iSkillFortitude = 0;
  fBlockModifier = 3;
  bUnmount = 1;
  strName = "Dark Knight";
}

void TDarkKnight::ResetBBox() {
  xBBox = -40;
  yBBox = -220;
  BBoxWidth = 80;
  BBoxHeight = 210;
}

void TDarkKnight::SetBBoxKnockOut() {
  xBBox = -80;
  yBBox = -40;
  BBoxWidth = 160;
  BBoxHeight = 60;
}

void TDarkKnight::ResetGameData() {
  const float s = fEnemyStatFactor;
  fHPModifier = 36;
  fVit = 28 * s;
  fStr = 25 * s;
  fInt = 16 * s;
  fAgi = 10 * s;
  fHP = fVit * fHPModifier;
  fMP = fInt * 10;
  fHPMax = fHP;
  fMPMax = fMP;
  fSpeed = 0;
  SetMode(MODE_STANCE);
  iFacing = FACING_LEFT;
  bComboEnable = 0;
  iCoolDownSpiritCut = Truncated(240);
  iCoolDownPlaneSwitch = kPlaneCoolDown;
  iCoolDownAttack = 0;
  iCoolDownThrow = Truncated(110);
  iAIMode = AI_ENGAGE;
  fHPBlock = 0;
  iInvulnerableCounter = 0;
}

void TDarkKnight::PlayBlockSFX() {}

// ---- AI -----------------------------------------------------------------------------------------

void TDarkKnight::MoveAI(TCharacter* pc) {
  if (pc && !HeroineDown(*pc)) {
    CountDown(iCoolDownSpiritCut);
    CountDown(iCoolDownPlaneSwitch);
    CountDown(iCoolDownAttack);
    CountDown(iCoolDownThrow);
    const float dx = std::fabs(pc->x - x);
    const bool samePlane = pc->iPlane == iPlane;
    const bool exploiting = pc->iExploitCounter >= kExploitingFrom;
    const bool idle = iMode == MODE_STANCE || iMode == MODE_WALK_TOWARD || iMode == MODE_WALK_BACK;
    if (exploiting && dx < 170 && IsAerialMode(*pc) == 0 && samePlane) {
      // She keeps on hacking at him within reach on the ground: he seizes her.
      CheckGrapple(*pc);
      iCoolDownThrow = 0;
      return;
    }
    if (exploiting && dx < 280 && samePlane) {
      SetMode(KNIGHT_CHARGING_CUT);
      return;
    }
    if (dx < 280 && iCoolDownAttack == 0 && samePlane && idle) {
      SetMode(KNIGHT_GUARD);
      return;
    }
    if (IsInsideScreen() == 1 && dx > 420 && iCoolDownSpiritCut == 0 && samePlane) {
      SetMode(KNIGHT_SPIRIT_WIND_UP);
      return;
    }
    if (!samePlane && iCoolDownPlaneSwitch == 0) {
      SetMode(pc->iPlane > iPlane ? MODE_PLANE_DOWN : MODE_PLANE_UP);
      iCoolDownPlaneSwitch = kPlaneCoolDown;
      return;
    }
    if (dx > 600 && iMode != MODE_WALK_TOWARD) {
      SetMode(MODE_WALK_TOWARD);
      return;
    }
  }
  if (iAICounter > 0) {
    --iAICounter;
  } else {
    FreeChoice();
  }
}

void TDarkKnight::Fallback() {
  SetMode(MODE_BACK_OFF);  // he never leaves her plane after an attack
  bComboEnable = 0;
}

// ---- Modes --------------------------------------------------------------------------------------

template <class B>
void TDarkKnight::Launch(int power, float bx) {
  const float damage = power >= 50 ? CountMagicalDamage(power) : CountPhysicalDamage(power);
  auto box = std::make_shared<B>();
  box->Init(iID, bx, y, static_cast<float>(iFacing), 0, iFacing, iPlane, damage, iComboType,
            IsBackstabAttack(power));
  ProjectileList.push_back(box);
}

void TDarkKnight::SetModeCustom(int mode) {
  const auto guard = [this] {
    iStatus = STATUS_GUARDING;
    fHPBlock = kGuardStrength;
  };
  switch (mode) {
    case KNIGHT_GUARD:
      guard();
      break;
    case ENEMY_ATTACK1:
      fSpeed = 0;
      bComboEnable = 0;
      iCoolDownAttack = Truncated(80);
      break;
    case KNIGHT_SECOND_BLOW:
      bComboEnable = 0;
      break;
    case KNIGHT_CHARGING_CUT:
      guard();
      fSpeed = 12;
      fAngle = static_cast<float>(iFacing);
      break;
    case KNIGHT_SPIRIT_CUT:
      guard();
      fSpeed = 0;
      iCoolDownSpiritCut = Truncated(240);
      break;
    case ENEMY_SEIZE:
      iCoolDownThrow = Truncated(220);
      Seize();
      break;
    case MODE_GRAPPLED:
      if (iCoolDownThrow == 0) SetMode(ENEMY_SEIZE);  // he turns her hold on her
      break;
    case MODE_THROWN: {
      iStatus = STATUS_UNHITTABLE;
      fJump = 12;
      fSpeed = 15;
      CreateEffectDust();
      const float damage = CountThrowDamage(static_cast<int>(fSize));  // before its combo type
      auto box = std::make_shared<TProjectileDarkKnightThrown>();
      box->Init(iID, x, y, static_cast<float>(iFacing), 0, iFacing, iPlane, damage, iComboType, 0);
      ProjectileList.push_back(box);
      break;
    }
    default:
      break;
  }
}

void TDarkKnight::MoveCustom(TCharacter*) {
  switch (iMode) {
    case KNIGHT_GUARD:
      if (iDelayCounter < 24) {
        Animation1Way(3, 6);
      } else {
        SetMode(ENEMY_ATTACK1);
      }
      break;
    case ENEMY_ATTACK1:
      // The first blow always leads into the second.
      if (iDelayCounter < 28) {
        Animation2Way(5, 4);
        if (iDelayCounter == 8) Launch<TProjectileDarkKnightAttack1>(kBlowPower, x);
      } else {
        SetMode(KNIGHT_SECOND_BLOW);
      }
      break;
    case KNIGHT_SECOND_BLOW:
      // Only a second blow that connected leads into the charging cut.
      if (bComboEnable == 1 && iDelayCounter >= 28) {
        SetMode(KNIGHT_CHARGING_CUT);
        break;
      }
      if (iDelayCounter < 36) {
        Animation2Way(5, 4);
        if (iDelayCounter == 8) Launch<TProjectileDarkKnightAttack2>(kBlowPower, x);
      } else {
        Fallback();
        bComboEnable = 0;
      }
      break;
    case KNIGHT_CHARGING_CUT:
      if (iDelayCounter < 42) {
        Animation1Way(5, 6);
        if (iDelayCounter == 12) Launch<TProjectileDarkKnightSpiritCut>(kBlowPower, x);
        if (fSpeed > 0) fSpeed -= 0.5f;
        SetMovement();
      } else {
        Fallback();
        bComboEnable = 0;
      }
      break;
    case KNIGHT_SPIRIT_WIND_UP:
      if (Animation1Way(3, 6) == 1) SetMode(KNIGHT_SPIRIT_CUT);
      break;
    case KNIGHT_SPIRIT_CUT:
      if (iDelayCounter < 42) {
        Animation1Way(5, 6);
        if (iDelayCounter == 12) {
          Launch<TProjectileDarkKnightSpiritCut>(kBlowPower, x);
          const float ahead = iFacing == FACING_LEFT ? -kSpiritWaveAhead : kSpiritWaveAhead;
          Launch<TProjectileDarkKnightSpiritSlasher>(kSpiritPower, x + ahead);
        }
      } else {
        SetMode(MODE_STANCE);
        bComboEnable = 0;
      }
      break;
    case ENEMY_SEIZE:
      Animation1Way(3, 6);
      if (iDelayCounter == 32) SetMode(ENEMY_THROW);
      break;
    case ENEMY_THROW:
      Animation2Way(5, 6);
      if (iDelayCounter == 6) {
        for (const std::shared_ptr<TCharacter>& c : CharacterList) {
          if (c->iTargetType != iType || c->iTargetID != iID) continue;
          c->Damage(CountThrowDamage(static_cast<int>(c->fSize)), static_cast<float>(iFacing),
                    MODE_SLAMMED, 0, 0);
        }
      }
      if (iDelayCounter == 36) Fallback();
      break;
    default:
      break;
  }
}

// ---- Drawing ------------------------------------------------------------------------------------

void TDarkKnight::Draw() {
  const float facing = FacingScale(iFacing);
  const bool crossing = iMode == MODE_PLANE_UP || iMode == MODE_PLANE_DOWN;
  SetScale(1.5f * facing, 1.5f);  // a big man's shadow
  DrawImage(imgShadow, x, crossing ? y : GroundLine(), 0);
  SetScale(facing, 1);
  const auto draw = [this](const ImagePtr& image, int frame, float dx = 0, float dy = 0) {
    if (image) DrawImage(image, x + dx, y + dy, std::clamp(frame, 0, image->FrameCount() - 1));
  };
  const bool holdsHer = iTargetType == TYPE_HEROINE;
  switch (iMode) {
    case MODE_STANCE:
    case MODE_HESITATE:
      draw(imgDarkKnightStance, iFrame);
      break;
    case MODE_WALK_TOWARD:
    case MODE_WALK_BACK:
    case MODE_BACK_OFF:
      draw(imgDarkKnightWalk, iFrame);
      break;
    case MODE_PLANE_UP:
    case MODE_PLANE_DOWN:
    case KNIGHT_SPIRIT_WIND_UP:
    case KNIGHT_GUARD:
      draw(imgDarkKnightPlaneSwitch, iFrame);
      break;
    case ENEMY_ATTACK1:
    case KNIGHT_SECOND_BLOW:
      draw(imgDarkKnightAttack, iFrame);
      if (iFrame >= 2 && iFrame <= 4) {
        draw(iMode == ENEMY_ATTACK1 ? imgDarkKnightAttack1 : imgDarkKnightAttack2, iFrame - 2);
      }
      break;
    case KNIGHT_CHARGING_CUT:
    case KNIGHT_SPIRIT_CUT:
      draw(imgDarkKnightSpiritCut, iFrame);
      break;
    case ENEMY_SEIZE:
      if (holdsHer) draw(imgDarkKnightGrappleMomo, iFrame);
      break;
    case ENEMY_THROW:
      if (!holdsHer) break;
      if (iFrame == 3) {
        draw(imgDarkKnightThrowMomo, 1);
      } else if (iFrame == 4) {
        draw(imgDarkKnightPlaneSwitch, 0);
      } else {
        draw(imgDarkKnightThrowMomo, iFrame);
      }
      break;
    case MODE_GRAPPLED:
      // Held at arm's length in front of her.
      draw(imgDarkKnightHitUp, 0, FacingScale(iFacing) * 40.0f);
      break;
    case MODE_THROWN:
      SetRotation(180);  // upside down
      draw(imgDarkKnightHitLow, iFrame, 0, -240);
      SetRotation(0);
      break;
    default:
      DrawFoeReaction(*this,
                      {&imgDarkKnightKnockdown, &imgDarkKnightHitUp, &imgDarkKnightHitLow,
                       &imgDarkKnightKnockout, &imgDarkKnightWakeUp},
                      iColorModifier);
      break;
  }
  SetScale(1, 1);
}

void RegisterBossKinds() {
  RegisterSpawn(TYPE_DARK_KNIGHT, [](int id) -> std::shared_ptr<TCharacter> {
    auto knight = std::make_shared<TDarkKnight>();
    knight->Init(CODE_PLAYER_NONE, id);
    return knight;
  });
}
