#include "app/practice_yard.h"

#include <algorithm>
#include <memory>

#include "audio/bgm_player.h"
#include "enemies/enemy.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/spawn.h"

namespace {

constexpr float kYardScreens = 3;  // the yard is three screens long
constexpr int kTargetType = 16;    // drawn and thrown as a saberman
constexpr int kLyingFrames = 80;
constexpr int kDownedRestFrames = 160;  // a spent target lies longer, then rises refreshed

bool InHeroineGrip(int mode) { return mode == 10 || mode == 11 || (mode >= 105 && mode <= 109); }

// Where the targets stand: in front of her, one on each plane.
struct Post {
  float x;
  int plane;
};
constexpr Post kPosts[] = {{250, 2}, {620, 0}, {900, 4}, {1400, 2}};

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

namespace {

constexpr float kWavesFrom = 1500;  // the waves come once she is this far along
constexpr int kWaveRest = 120;      // frames between the last of a wave falling and the next
constexpr int kWaveKinds[] = {TYPE_NECROMANCER, TYPE_TEMPLAR,  TYPE_RAIDER,
                              TYPE_EXECUTIONER, TYPE_SPEARMAN, TYPE_SABERMAN};
constexpr int kFirstWaveID = 101;

struct Waves {
  bool started = false;
  int rest = 0;
  int nextID = kFirstWaveID;
} waves;

bool IsWaveEnemy(const TCharacter& c) {
  return c.iAffiliation == SIDE_ENEMY && c.iID >= kFirstWaveID;
}

void SpawnWave(const TCharacter& heroine) {
  int slot = 0;
  for (int type : kWaveKinds) {
    const int plane = (slot % 3) * 2;
    const float x = std::min(heroine.x + 650 + 130 * static_cast<float>(slot), fStageLength - 150);
    if (std::shared_ptr<TCharacter> enemy = Spawn(type, waves.nextID++)) {
      enemy->SetCoordinat(x, static_cast<float>(plane));
      CharacterList.push_back(enemy);
      enemy->ResetGameData();
    }
    ++slot;
  }
}

}  // namespace

void MovePracticeYard() {
  TCharacter* heroine = FindHeroine();
  if (!heroine) return;
  // Practice never ends in a game over: a lost life is always given back.
  if (heroine->iLive < 1) heroine->iLive = 1;
  if (!waves.started) {
    if (heroine->x < kWavesFrom) return;
    // The straw-men step aside for the real thing.
    CharacterList.remove_if([](const std::shared_ptr<TCharacter>& c) {
      return dynamic_cast<const TPracticeTarget*>(c.get()) != nullptr;
    });
    waves.started = true;
    SpawnWave(*heroine);
    return;
  }
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (IsWaveEnemy(*c) && c->fHP > 0) {
      waves.rest = kWaveRest;
      return;
    }
  }
  if (--waves.rest > 0) return;
  // The fallen are carried off, and the next wave comes.
  CharacterList.remove_if([](const std::shared_ptr<TCharacter>& c) {
    return IsWaveEnemy(*c) || c->iType == TYPE_DRACON;
  });
  SpawnWave(*heroine);
}

void SpawnPracticeTargets() {
  waves = Waves{};
  int id = 1;
  for (const Post& post : kPosts) {
    auto target = std::make_shared<TPracticeTarget>();
    target->Init(2, id++);
    target->SetCoordinat(post.x, static_cast<float>(post.plane));
    target->ResetGameData();
    CharacterList.push_back(target);
  }
}

void DrawPracticeYard() {
  const float w = fScreenWidth, h = fScreenHeight;
  // Screen-fixed layers are drawn at the scroll plus a fraction of it: the further, the slower.
  const auto layer = [&](const ImagePtr& image, float parallax, float top, float step, int count) {
    if (!image) return;
    const float start = fWorldX - fWorldX * parallax;
    for (int k = 0; k < count; ++k) DrawImage(image, start + step * k - 120, top - fWorldY);
  };
  if (imgCastleSky) DrawImage(imgCastleSky, fWorldX, -100 - fWorldY);
  layer(imgCastleCloud, 0.05f, 40, 800, static_cast<int>(w / 800) + 3);
  layer(imgCastleHill, 0.2f, h - 400, 900, static_cast<int>(w / 900) + 4);
  layer(imgCastleGround, 0.5f, h - 360, 900, static_cast<int>(fStageLength / 900) + 3);
  layer(imgCastleGround2, 0.5f, h - 360, 900, static_cast<int>(fStageLength / 900) + 3);
  if (imgCastleFloor) {
    for (float fx = -300; fx < fStageLength + 840; fx += 840)
      DrawImage(imgCastleFloor, fx, h - 275);
  }
}

void TPracticeYard::InitSegment() {
  fWorldX = fWorldY = fQuake = 0;
  fStageLength = kYardScreens * fScreenWidth;
  fScrollLimitX = fStageLength;
  fScrollLockX = 0;
  Restart();
  fAlphaFade = 0;  // no fade-in: practice starts at once
  SpawnPracticeTargets();
  if (BGMPlayer) {
    BGMPlayer->ResetGameData();
    BGMPlayer->Play(BGM_IMPENDING_DANGER);
  }
}

void TPracticeYard::MoveSegment() {
  MovePracticeYard();
  if (BGMPlayer) BGMPlayer->Move();
}
