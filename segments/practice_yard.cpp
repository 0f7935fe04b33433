#include "segments/practice_yard.h"

#include <algorithm>
#include <memory>

#include "audio/bgm_player.h"
#include "enemies/enemy.h"
#include "enemies/practice_target.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/spawn.h"

namespace {

constexpr float kYardScreens = 3;  // the yard is three screens long

// Where the targets stand: in front of her, one on each plane.
struct Post {
  float x;
  int plane;
};
constexpr Post kPosts[] = {{250, 2}, {620, 0}, {900, 4}, {1400, 2}};

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
    // Whole numbers of pixels, exact in a float: the same places as adding 840 each time.
    for (int tile = 0;; ++tile) {
      const float fx = -300.0f + 840.0f * static_cast<float>(tile);
      if (fx >= fStageLength + 840) break;
      DrawImage(imgCastleFloor, fx, h - 275);
    }
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
