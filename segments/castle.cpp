#include "segments/castle.h"

#include <iterator>
#include <memory>

#include "actors/character.h"
#include "audio/bgm_player.h"
#include "heroine/momo.h"
#include "platform/platform.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/modes.h"
#include "world/spawn.h"

namespace {

constexpr int kStageBonus = 10000;

// The stretches the script opens one after the other: the end of the playable stretch and the
// x at which the next wave is sent (and up to which the view may be locked).
struct Stretch {
  float stageLength;
  float scrollLimit;
};
constexpr float kFirstStageLength = 2000;
constexpr Stretch kStretches[] = {{3000, 1000}, {4000, 2000}, {5000, 3000}, {7000, 5000}};
constexpr int kWaveSteps = 8;  // steps 0 .. 8 open the stretches and send the waves

// The boss lies defeated this long before the second stage fades out.
constexpr int kBossFallFrames = 50;
constexpr float kEndMusicFade = 0.02f;

// ---- Scenery ------------------------------------------------------------------------------------

// Smoke, six groups of three puffs: where each group rises from and how fast.
struct SmokeGroup {
  float x0, dx;      // puff k of the group starts at x0 + k * dx
  float fromBottom;  // its starting height, above the bottom of the screen
  float speed;
};
// clang-format off
constexpr SmokeGroup kSmokeGroups[] = {
  //  x0     dx   from bottom  speed
  {  800,   40,   400,         10 },
  { 2000,   50,   320,         11 },
  { 3900,   60,   400,         12 },
  { 5500,   50,   420,         10 },
  {  100,  -70,   200,         10 },  // the near smoke, drawn over the fighters
  { 4000,   50,   250,          9 },
};
// clang-format on
constexpr int kPuffsPerGroup = 3;
static_assert(std::size(kSmokeGroups) * kPuffsPerGroup == TStageCastle::kSmokePuffs);
constexpr float kPuffAlphaStep = 0.3f;  // the puffs of a group start a third of a life apart
constexpr float kSmokeFade = 0.01f;
constexpr int kFarPuffs = 12;  // puffs 0 .. 11 behind the fighters, 12 .. 17 in front

// Clouds, three bands of twelve.
struct CloudBand {
  float y, speed;
};
constexpr CloudBand kCloudBands[] = {{20, 0.3f}, {160, 0.2f}, {120, 0.1f}};
constexpr int kCloudsPerBand = 12;
static_assert(std::size(kCloudBands) * kCloudsPerBand == TStageCastle::kClouds);
constexpr float kCloudSpacing = 800;
constexpr float kCloudStart = -1600;
constexpr float kCloudWrap = 7200;

constexpr float kPillarStart = 0.6f;
constexpr float kPillarStep = 0.015f;
constexpr float kPillarMax = 1.045f;
constexpr float kPillarMin = 1;

// Layers tiled across the world. A layer at world x = b + f * fWorldX lands on the screen at
// b - (1 - f) * fWorldX: the nearer f is to 1, the further away it looks. Heights count up from
// the bottom of the screen, and a layer's height follows the view by g the same way.
struct Tiled {
  const ImagePtr* image;
  int copies;
  float step;   // between copies
  float x0;     // of the first copy
  float fx;     // share of the horizontal scroll it moves with
  float above;  // its top, above the bottom of the screen
  float fy;     // share of the vertical scroll
};
// clang-format off
const Tiled kHills   = {&imgCastleHill,    3,  900,    0,    0.7f,  400, 0.55f};
const Tiled kGround  = {&imgCastleGround,  6,  900, -120,    0.55f, 360, 0.45f};
const Tiled kGround2 = {&imgCastleGround2, 6,  900, -120,    0.45f, 360, 0.35f};
const Tiled kFire    = {&imgCastleGroundFire, 6, 900, -120,  0.45f, 360, 0.35f};
const Tiled kWall    = {&imgCastleWall,    1,    0, 4360,    0.3f,  400, 0.2f};
const Tiled kFloor   = {&imgCastleFloor,  13,  840, -300,    0,     275, 0};
// clang-format on

void DrawTiled(const Tiled& layer, int frame = 0) {
  for (int k = 0; k < layer.copies; ++k) {
    DrawImage(*layer.image, layer.x0 + layer.step * static_cast<float>(k) + layer.fx * fWorldX,
              fScreenHeight - layer.above - layer.fy * fWorldY, frame);
  }
}

void SpawnWave(const WaveEnemy* table, int count, int step) {
  for (int i = 0; i < count; ++i) {
    const WaveEnemy& e = table[i];
    if (e.step != step) continue;
    // A kind nobody registered is left out; the wave is fought without it.
    const std::shared_ptr<TCharacter> enemy = Spawn(e.type, e.number);
    if (!enemy) continue;
    enemy->SetCoordinat(e.x, static_cast<float>(e.plane));
    CharacterList.push_back(enemy);
    enemy->ResetGameData();
  }
}

float HeroineX() { return Momo ? Momo->x : 0; }

}  // namespace

// clang-format off
const std::array<WaveEnemy, 16> kCastleWaves = {{
  // no  kind              x     plane step
  {  1, TYPE_SABERMAN,    2420, 0,    0 },
  {  2, TYPE_SABERMAN,    2760, 4,    0 },
  {  3, TYPE_SABERMAN,    3420, 4,    2 },
  {  4, TYPE_SABERMAN,    3400, 0,    2 },
  {  5, TYPE_SPEARMAN,    3320, 2,    2 },
  {  6, TYPE_NECROMANCER, -520, 0,    4 },  // behind her
  {  7, TYPE_NECROMANCER, 4800, 4,    4 },
  {  8, TYPE_SABERMAN,    -420, 2,    4 },  // behind her
  {  9, TYPE_SPEARMAN,    4420, 4,    4 },
  { 10, TYPE_RAIDER,      5700, 0,    6 },
  { 11, TYPE_SABERMAN,    5600, 4,    6 },
  { 12, TYPE_SABERMAN,    5400, 2,    6 },
  { 13, TYPE_SPEARMAN,    2600, 2,    8 },  // behind her
  { 14, TYPE_SABERMAN,    7400, 0,    8 },
  { 15, TYPE_SPEARMAN,    7700, 2,    8 },
  { 16, TYPE_SABERMAN,    7600, 4,    8 },
}};

const std::array<WaveEnemy, 14> kCastle2Waves = {{
  // no  kind              x     plane step
  {  1, TYPE_SPEARMAN,    2420, 0,    0 },
  {  2, TYPE_SPEARMAN,    2760, 4,    0 },
  {  3, TYPE_NECROMANCER, 3620, 4,    2 },
  {  4, TYPE_SABERMAN,    3400, 0,    2 },
  {  5, TYPE_SPEARMAN,    3420, 2,    2 },
  {  6, TYPE_SABERMAN,    520, 2,    4 },  // behind her
  {  7, TYPE_SABERMAN,    4500, 4,    4 },
  {  8, TYPE_TEMPLAR,     -820, 4,    4 },  // behind her
  {  9, TYPE_SABERMAN,    5400, 0,    6 },
  { 10, TYPE_SPEARMAN,    1500, 4,    6 },  // behind her
  { 12, TYPE_EXECUTIONER, 6400, 2,    6 },
  { 13, TYPE_SABERMAN,    7600, 0,    8 },
  { 14, TYPE_SABERMAN,    7400, 4,    8 },
  { 15, TYPE_DARK_KNIGHT, 8000, 2,    8 },
}};
// clang-format on

// ---- Script -------------------------------------------------------------------------------------

bool TStageCastle::AnyEnemyStanding() {
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation == SIDE_ENEMY && c->fHP > 0) return true;
  }
  return false;
}

bool TStageCastle::MoveWaveSteps(const WaveEnemy* table, int count) {
  if (iSegmentCounter < 0 || iSegmentCounter > kWaveSteps) return false;
  const int step = iSegmentCounter;
  if (step == 0) {
    ++iSegmentCounter;
    fStageLength = kFirstStageLength;
    fScrollLimitX = 0;
    fScrollLockX = 0;
    SpawnWave(table, count, step);
  } else if (step % 2 == 1) {
    // Open the next stretch.
    const Stretch& next = kStretches[step / 2];
    Go->SetStatus(1);
    fStageLength = next.stageLength;
    fScrollLimitX = next.scrollLimit;
    ++iSegmentCounter;
  } else if (HeroineX() >= fScrollLimitX) {
    ++iSegmentCounter;
    SpawnWave(table, count, step);
  }
  return true;
}

void TStageCastle::SegmentManager() {
  if (AnyEnemyStanding()) return;
  if (MoveWaveSteps(kCastleWaves.data(), static_cast<int>(kCastleWaves.size()))) return;
  switch (iSegmentCounter) {
    case 9:
      ++iSegmentCounter;
      iDelayCounter = 0;
      break;
    case 10:
      SetAuto();
      break;
    case 11:
      CheckUnconsciousEnemy();
      break;
    case 12:
      CheckAutoStageExit();  // she runs out by herself
      break;
    case 13:
      CheckOutsideScreen();  // and once she is gone, the screen fades
      break;
    case 14:
      if (BGMPlayer) BGMPlayer->FadeOff(kEndMusicFade);
      HandleFadeTransition();
      break;
    default:
      break;
  }
}

void TStageCastle2::SegmentManager() {
  if (AnyEnemyStanding()) return;
  // The boss wave comes with the boss's music.
  if (iSegmentCounter == kWaveSteps && HeroineX() >= fScrollLimitX && BGMPlayer) {
    BGMPlayer->Play(BGM_BRUTE_FORCE);
  }
  if (MoveWaveSteps(kCastle2Waves.data(), static_cast<int>(kCastle2Waves.size()))) return;
  switch (iSegmentCounter) {
    case 9:
      bSlowMotion = 1;  // the last blow falls in slow motion
      ++iSegmentCounter;
      break;
    case 10:
      SetAuto();
      break;
    case 11:
      if (BGMPlayer) BGMPlayer->FadeOff(kEndMusicFade);
      for (const std::shared_ptr<TCharacter>& c : CharacterList) {
        if (c->iType != TYPE_DARK_KNIGHT || c->iMode != MODE_DEAD ||
            c->iDelayCounter < kBossFallFrames)
          continue;
        bFade = 1;
        ++iSegmentCounter;
        bSlowMotion = 0;
      }
      break;
    case 12:
      // The tally takes over in the frame the stage would have finished.
      HandleFadeTransition();
      PrepareBonusScore();
      break;
    default:
      MoveTally();
      break;
  }
}

// ---- Set-up and motion --------------------------------------------------------------------------

void TStageCastle::InitSegment() {
  if (BGMPlayer) {
    BGMPlayer->ResetGameData();
    BGMPlayer->Play(BGM_IMPENDING_DANGER);
  }
  iBonus = kStageBonus;
  Go->SetStatus(0);
  fWorldX = 0;
  fWorldY = 0;
  Restart();
  for (int g = 0; g < static_cast<int>(std::size(kSmokeGroups)); ++g) {
    const SmokeGroup& group = kSmokeGroups[g];
    for (int k = 0; k < kPuffsPerGroup; ++k) {
      const int i = g * kPuffsPerGroup + k;
      xSmoke[i] = group.x0 + group.dx * static_cast<float>(k);
      ySmoke[i] = fScreenHeight - group.fromBottom;
      SmokeSpeed[i] = group.speed;
      SmokeAlpha[i] = kPuffAlphaStep * static_cast<float>(k);
    }
  }
  for (int band = 0; band < static_cast<int>(std::size(kCloudBands)); ++band) {
    for (int k = 0; k < kCloudsPerBand; ++k) {
      const int i = band * kCloudsPerBand + k;
      xCloud[i] = kCloudSpacing * static_cast<float>(k) + kCloudStart;
      yCloud[i] = kCloudBands[band].y;
      CloudSpeed[i] = kCloudBands[band].speed;
    }
  }
  fPillarScale = kPillarStart;
  bPillarScaleDirection = 1;
  // She runs in by herself and takes over a few steps into the stage.
  for (const std::shared_ptr<TCharacter>& c : CharacterList) {
    if (c->iAffiliation != SIDE_HEROINE) continue;
    c->SetAuto(1);
    c->SetMode(MODE_AUTO_RUN_IN);
  }
}

void TStageCastle::Animation1WayLoop(int frames, int interval) {
  StepAnimation1WayLoop(iFrame, iDelayCounter, frames, interval);
}

void TStageCastle::MoveSegment() {
  if (BGMPlayer) BGMPlayer->Move();
  iDelayCounter = NextDelayCounter(iDelayCounter);
  for (int i = 0; i < kClouds; ++i) {
    xCloud[i] += CloudSpeed[i];
    if (xCloud[i] > kCloudWrap) xCloud[i] = kCloudStart;
  }
  if (bPillarScaleDirection == 1) {
    if (fPillarScale < kPillarMax) {
      fPillarScale += kPillarStep;
    } else {
      bPillarScaleDirection = 0;
    }
  } else if (fPillarScale > kPillarMin) {
    fPillarScale -= kPillarStep;
  } else {
    bPillarScaleDirection = 1;
  }
  // The fire and the smoke move here with the rest of the scenery, never while drawing, so a
  // run draws the same world whether or not its frames are drawn.
  Animation1WayLoop(2, 5);
  MoveSmoke();
}

void TStageCastle::MoveSmoke() {
  for (int i = 0; i < kSmokePuffs; ++i) {
    SmokeAlpha[i] -= kSmokeFade;
    ySmoke[i] -= SmokeSpeed[i];
    if (SmokeAlpha[i] <= 0) {
      ySmoke[i] = fScreenHeight - kSmokeGroups[i / kPuffsPerGroup].fromBottom;
      SmokeAlpha[i] = 1;
    }
  }
}

// ---- Drawing ------------------------------------------------------------------------------------

void TStageCastle::DrawClouds(int band, float parallaxX, float parallaxY, int grey, float scaleX,
                              float scaleY) {
  SetColor(grey, grey, grey);
  SetScale(scaleX, scaleY);
  for (int i = band * kCloudsPerBand; i < (band + 1) * kCloudsPerBand; ++i) {
    DrawImage(imgCastleCloud, xCloud[i] + parallaxX * fWorldX, yCloud[i] - parallaxY * fWorldY);
  }
  SetScale(1, 1);
  SetColor(255, 255, 255);
}

void TStageCastle::DrawSmoke(int first, int last, float parallaxX, float parallaxY) {
  for (int i = first; i <= last; ++i) {
    SetAlpha(SmokeAlpha[i]);
    DrawImage(imgCastleSmoke, xSmoke[i] + parallaxX * fWorldX, ySmoke[i] - parallaxY * fWorldY);
  }
  SetAlpha(1);
}

void TStageCastle::Draw() {
  const float h = fScreenHeight;
  DrawImage(imgCastleSky, fWorldX, -100);
  SetScale(0.5f, 0.5f);
  SetAlpha(0.7f);
  DrawImage(imgWildernessMoon, 900 + 0.9f * fWorldX, 150 - 0.95f * fWorldY);
  SetScale(1, 1);
  SetAlpha(1);
  DrawClouds(0, 0.9f, 0.85f, 100, 1, 1);
  DrawClouds(1, 0.85f, 0.75f, 170, -1, -1);
  SetScale(fPillarScale, 1);
  DrawImage(imgCastleLightPillar, 1050 + 0.8f * fWorldX, 0 - 0.65f * fWorldY);
  DrawImage(imgCastleLightPillarGlow, 1050 + 0.8f * fWorldX, h - 700 - 0.65f * fWorldY);
  SetScale(1, 1);
  DrawClouds(2, 0.8f, 0.65f, 240, 1, -1);
  DrawTiled(kHills);
  DrawTiled(kGround);
  DrawTiled(kGround2);
  DrawTiled(kFire, iFrame);
  DrawTiled(kWall);
  DrawSmoke(0, kFarPuffs - 1, 0.1f, 0.1f);
  DrawTiled(kFloor);
}

void TStageCastle::DrawForeground() {
  // The near floor scrolls faster than the world, dimmed and stretched.
  SetScale(1.5f, 1.2f);
  SetColor(150, 150, 150);
  for (int k = 0; k <= 10; ++k) {
    DrawImage(imgCastleFloor, 840 * static_cast<float>(k) - 200 - 0.3f * fWorldX,
              fScreenHeight - 80);
  }
  SetColor(255, 255, 255);
  DrawSmoke(kFarPuffs, kSmokePuffs - 1, -0.4f, 0);
  SetScale(1, 1);
}
