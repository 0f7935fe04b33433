#include "enemies/boss.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "enemies/enemy_projectiles.h"
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

// One row per mode of his own, and per shared mode he enters or looks his own way in: its entry
// (after the shared reset), its frame and its picture. Whatever his rows leave out is the shared
// foe's (standing, walking, crossing planes, blows' reactions).
struct TDarkKnight::Modes {
  struct Row {
    int mode;
    void (*enter)(TDarkKnight& k);       // nullptr: nothing more
    void (*frame)(TDarkKnight& k);       // nullptr: nothing
    const ImagePtr* picture;             // at his frame, unless `draw` is set
    void (*draw)(const TDarkKnight& k);  // draws instead of `picture`
  };
  static const Row* Find(int mode);
  static void Draw(const TDarkKnight& k, const ImagePtr& image, int frame, float dx = 0,
                   float dy = 0) {
    if (image) DrawImage(image, k.x + dx, k.y + dy, std::clamp(frame, 0, image->FrameCount() - 1));
  }
  static void Guard(TDarkKnight& k) {
    k.iStatus = STATUS_GUARDING;
    k.fHPBlock = kGuardStrength;
  }

  // The guarded combination: guard, two blows, and the charging cut when the second connects.
  static void GuardUp(TDarkKnight& k) {
    if (k.iDelayCounter < 24) {
      k.Animation1Way(3, 6);
    } else {
      k.SetMode(ENEMY_ATTACK1);
    }
  }
  static void EnterFirstBlow(TDarkKnight& k) {
    k.fSpeed = 0;
    k.bComboEnable = 0;
    k.iCoolDownAttack = Truncated(80);
  }
  static void FirstBlow(TDarkKnight& k) {  // always leads into the second
    if (k.iDelayCounter < 28) {
      k.Animation2Way(5, 4);
      if (k.iDelayCounter == 8) k.Launch<TProjectileDarkKnightAttack1>(kBlowPower, k.x);
    } else {
      k.SetMode(KNIGHT_SECOND_BLOW);
    }
  }
  static void EnterSecondBlow(TDarkKnight& k) { k.bComboEnable = 0; }
  static void SecondBlow(TDarkKnight& k) {
    // Only a second blow that connected leads into the charging cut.
    if (k.bComboEnable == 1 && k.iDelayCounter >= 28) {
      k.SetMode(KNIGHT_CHARGING_CUT);
      return;
    }
    if (k.iDelayCounter < 36) {
      k.Animation2Way(5, 4);
      if (k.iDelayCounter == 8) k.Launch<TProjectileDarkKnightAttack2>(kBlowPower, k.x);
    } else {
      k.Fallback();
      k.bComboEnable = 0;
    }
  }
  static void DrawBlow(const TDarkKnight& k) {
    Draw(k, imgDarkKnightAttack, k.iFrame);
    if (k.iFrame >= 2 && k.iFrame <= 4) {
      Draw(k, k.iMode == ENEMY_ATTACK1 ? imgDarkKnightAttack1 : imgDarkKnightAttack2, k.iFrame - 2);
    }
  }
  static void EnterChargingCut(TDarkKnight& k) {
    Guard(k);
    k.fSpeed = 12;
    k.fAngle = static_cast<float>(k.iFacing);
  }
  static void ChargingCut(TDarkKnight& k) {
    if (k.iDelayCounter < 42) {
      k.Animation1Way(5, 6);
      if (k.iDelayCounter == 12) k.Launch<TProjectileDarkKnightSpiritCut>(kBlowPower, k.x);
      if (k.fSpeed > 0) k.fSpeed -= 0.5f;
      k.SetMovement();
    } else {
      k.Fallback();
      k.bComboEnable = 0;
    }
  }

  // The spirit wave, sent from afar.
  static void SpiritWindUp(TDarkKnight& k) {
    if (k.Animation1Way(3, 6) == 1) k.SetMode(KNIGHT_SPIRIT_CUT);
  }
  static void EnterSpiritCut(TDarkKnight& k) {
    Guard(k);
    k.fSpeed = 0;
    k.iCoolDownSpiritCut = Truncated(240);
  }
  static void SpiritCut(TDarkKnight& k) {
    if (k.iDelayCounter < 42) {
      k.Animation1Way(5, 6);
      if (k.iDelayCounter == 12) {
        k.Launch<TProjectileDarkKnightSpiritCut>(kBlowPower, k.x);
        const float ahead = k.iFacing == FACING_LEFT ? -kSpiritWaveAhead : kSpiritWaveAhead;
        k.Launch<TProjectileDarkKnightSpiritSlasher>(kSpiritPower, k.x + ahead);
      }
    } else {
      k.SetMode(MODE_STANCE);
      k.bComboEnable = 0;
    }
  }

  // Seizing and throwing her, and being held and thrown by her.
  static void EnterSeize(TDarkKnight& k) {
    k.iCoolDownThrow = Truncated(220);
    k.Seize();
  }
  static void Seize(TDarkKnight& k) {
    k.Animation1Way(3, 6);
    if (k.iDelayCounter == 32) k.SetMode(ENEMY_THROW);
  }
  static void DrawSeize(const TDarkKnight& k) {
    if (k.iTargetType == TYPE_HEROINE) Draw(k, imgDarkKnightGrappleMomo, k.iFrame);
  }
  static void Throw(TDarkKnight& k) {
    k.Animation2Way(5, 6);
    if (k.iDelayCounter == 6) {
      for (const std::shared_ptr<TCharacter>& c : CharacterList) {
        if (c->iTargetType != k.iType || c->iTargetID != k.iID) continue;
        c->Damage(k.CountThrowDamage(static_cast<int>(c->fSize)), static_cast<float>(k.iFacing),
                  MODE_SLAMMED, 0, 0);
      }
    }
    if (k.iDelayCounter == 36) k.Fallback();
  }
  static void DrawThrow(const TDarkKnight& k) {
    if (k.iTargetType != TYPE_HEROINE) return;
    if (k.iFrame == 3) {
      Draw(k, imgDarkKnightThrowMomo, 1);
    } else if (k.iFrame == 4) {
      Draw(k, imgDarkKnightPlaneSwitch, 0);
    } else {
      Draw(k, imgDarkKnightThrowMomo, k.iFrame);
    }
  }
  static void EnterGrappled(TDarkKnight& k) {
    if (k.iCoolDownThrow == 0) k.SetMode(ENEMY_SEIZE);  // he turns her hold on her
  }
  static void DrawGrappled(const TDarkKnight& k) {  // held at arm's length in front of her
    Draw(k, imgDarkKnightHitUp, 0, FacingScale(k.iFacing) * 40.0f);
  }
  static void EnterThrown(TDarkKnight& k) {
    k.iStatus = STATUS_UNHITTABLE;
    k.fJump = 12;
    k.fSpeed = 15;
    k.CreateEffectDust();
    const float damage = k.CountThrowDamage(static_cast<int>(k.fSize));  // before its combo type
    auto box = std::make_shared<TProjectileDarkKnightThrown>();
    box->Init(k.iID, k.x, k.y, static_cast<float>(k.iFacing), 0, k.iFacing, k.iPlane, damage,
              k.iComboType, 0);
    ProjectileList.push_back(box);
  }
  static void DrawThrown(const TDarkKnight& k) {
    SetRotation(180);  // upside down
    Draw(k, imgDarkKnightHitLow, k.iFrame, 0, -240);
    SetRotation(0);
  }

  static const Row kRows[];
};

// clang-format off
const TDarkKnight::Modes::Row TDarkKnight::Modes::kRows[] = {
  // mode                  entry             frame         picture                    drawn by
  {KNIGHT_GUARD,           Guard,            GuardUp,      &imgDarkKnightPlaneSwitch, nullptr},
  {ENEMY_ATTACK1,          EnterFirstBlow,   FirstBlow,    nullptr,                   DrawBlow},
  {KNIGHT_SECOND_BLOW,     EnterSecondBlow,  SecondBlow,   nullptr,                   DrawBlow},
  {KNIGHT_CHARGING_CUT,    EnterChargingCut, ChargingCut,  &imgDarkKnightSpiritCut,   nullptr},
  {KNIGHT_SPIRIT_WIND_UP,  nullptr,          SpiritWindUp, &imgDarkKnightPlaneSwitch, nullptr},
  {KNIGHT_SPIRIT_CUT,      EnterSpiritCut,   SpiritCut,    &imgDarkKnightSpiritCut,   nullptr},
  {ENEMY_SEIZE,            EnterSeize,       Seize,        nullptr,                   DrawSeize},
  {ENEMY_THROW,            nullptr,          Throw,        nullptr,                   DrawThrow},
  {MODE_GRAPPLED,          EnterGrappled,    nullptr,      nullptr,                   DrawGrappled},
  {MODE_THROWN,            EnterThrown,      nullptr,      nullptr,                   DrawThrown},
};
// clang-format on

// The strips of the modes every foe shares.
const FoeStrips kKnightStrips = {&imgDarkKnightStance,
                                 &imgDarkKnightWalk,
                                 nullptr,
                                 &imgDarkKnightPlaneSwitch,
                                 &imgDarkKnightKnockdown,
                                 &imgDarkKnightHitUp,
                                 &imgDarkKnightHitLow,
                                 &imgDarkKnightKnockout,
                                 &imgDarkKnightWakeUp,
                                 nullptr};

const TDarkKnight::Modes::Row* TDarkKnight::Modes::Find(int mode) {
  for (const Row& row : kRows) {
    if (row.mode == mode) return &row;
  }
  return nullptr;
}

void TDarkKnight::SetModeCustom(int mode) {
  const Modes::Row* row = Modes::Find(mode);
  if (row && row->enter) row->enter(*this);
}

void TDarkKnight::MoveCustom(TCharacter*) {
  const Modes::Row* row = Modes::Find(iMode);
  if (row && row->frame) row->frame(*this);
}

// ---- Drawing ------------------------------------------------------------------------------------

void TDarkKnight::Draw() {
  const float facing = FacingScale(iFacing);
  const bool crossing = iMode == MODE_PLANE_UP || iMode == MODE_PLANE_DOWN;
  SetScale(1.5f * facing, 1.5f);  // a big man's shadow
  DrawImage(imgShadow, x, crossing ? y : GroundLine(), 0);
  SetScale(facing, 1);
  if (const Modes::Row* row = Modes::Find(iMode)) {
    if (row->draw) {
      row->draw(*this);
    } else {
      Modes::Draw(*this, *row->picture, iFrame);
    }
  } else {
    DrawSharedPicture(kKnightStrips);
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
