#pragma once
// The two castle stages. Both play over one scrolling night scene of parallax layers (sky, moon,
// three bands of cloud, a pulsing beam of light, hills, two burning grounds, the castle wall,
// rising smoke, the floor and a near floor over the fighters). Each runs a wave script: it opens
// the scroll one stretch at a time and sends a fixed set of enemies when the heroine reaches the
// end of a stretch. The first stage ends with her running out of the screen, the second with the
// Dark Knight's fall in slow motion and the score tally.

#include <array>
#include <cstdint>

#include "segments/segment.h"

// One enemy of a wave table: made through the spawn table when the script reaches its step.
struct WaveEnemy {
  int number;  // running number of the table, the enemy's iID
  int type;    // its kind
  float x;     // world x
  int plane;   // 0, 2 or 4
  int step;    // the script step that sends it
};

class TStageCastle : public TStage {
 public:
  static constexpr int kSmokePuffs = 18;
  static constexpr int kClouds = 36;

  std::array<float, kSmokePuffs> xSmoke{};
  std::array<float, kSmokePuffs> ySmoke{};
  std::array<float, kSmokePuffs> SmokeSpeed{};  // rise, pixels a frame
  std::array<float, kSmokePuffs> SmokeAlpha{};
  int32_t iFrame = 0;  // of the ground fire
  float fPillarScale = 0;
  int32_t bPillarScaleDirection = 0;  // 1 growing, 0 shrinking
  std::array<float, kClouds> xCloud{};
  std::array<float, kClouds> yCloud{};
  std::array<float, kClouds> CloudSpeed{};  // drift, pixels a frame

  void SegmentManager() override;
  void InitSegment() override;
  void MoveSegment() override;
  void Draw() override;
  void DrawForeground() override;

  virtual void Animation1WayLoop(int frames, int interval);

 protected:
  // Nothing in the script moves while an enemy still stands with hit points above 0.
  static bool AnyEnemyStanding();
  // Steps 0 to 8, the same in both stages: the stretches and the waves of `table`. Returns false
  // for any later step.
  bool MoveWaveSteps(const WaveEnemy* table, int count);

 private:
  // Each puff fades as it rises and starts again from its group's height once it is gone.
  void MoveSmoke();
  void DrawSmoke(int first, int last, float parallaxX, float parallaxY);
  void DrawClouds(int band, float parallaxX, float parallaxY, int grey, float scaleX, float scaleY);
};

class TStageCastle2 : public TStageCastle {
 public:
  void SegmentManager() override;
};

// The two stages' wave tables, for the stages and their tests.
extern const std::array<WaveEnemy, 16> kCastleWaves;
extern const std::array<WaveEnemy, 14> kCastle2Waves;
