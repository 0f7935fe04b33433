// Segments, stages and cutscenes: the GO arrow, the wait at black, the score tally, the wave
// scripts and what holds them back, slow motion, and the legs of the map.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/trace.h"
#include "game_fixtures.h"
#include "segments/castle.h"
#include "segments/cutscenes.h"

namespace {

// The numbers of the updates after which the arrow shows, over 130 updates.
std::vector<int> ShownAfter(TGo& go) {
  std::vector<int> shown;
  for (int update = 1; update <= 130; ++update) {
    go.Move();
    if (go.iStatus == 1 && go.bVisible == 1) shown.push_back(update);
  }
  return shown;
}

TEST(GoArrow, BlinksThreeTimesThenHidesAndRestartsWhenShownAgain) {
  std::vector<int> expected;  // shown 25, hidden 25, three times over
  for (int first : {0, 50, 100}) {
    for (int u = std::max(first, 1); u < first + 25; ++u) expected.push_back(u);
  }
  TGo go;
  go.Init();
  go.SetStatus(1);
  EXPECT_EQ(go.bVisible, 1);
  EXPECT_EQ(ShownAfter(go), expected);
  EXPECT_EQ(go.iStatus, 0);

  go.SetStatus(1);
  for (int i = 0; i < 60; ++i) go.Move();
  go.SetStatus(1);  // again while blinking: from the start
  EXPECT_EQ(go.iDelayCounter, 0);
  EXPECT_EQ(ShownAfter(go), expected);
}

TEST(SegmentFade, FinishesOnThe51stCallAtBlackAndOnlyOnceWaitsPerObject) {
  TStage stage;
  stage.Init();
  stage.fAlphaFade = 0.5f;
  for (int i = 0; i < 100; ++i) stage.HandleFadeTransition();  // not black yet: no wait
  EXPECT_EQ(stage.iFadeDelayCounter, 0);
  stage.fAlphaFade = 1;
  for (int i = 0; i < 50; ++i) stage.HandleFadeTransition();
  EXPECT_EQ(stage.bSegmentFinished, 0);
  stage.HandleFadeTransition();
  EXPECT_EQ(stage.bSegmentFinished, 1);
  // Later fade-outs of the same object end on the first call at black.
  stage.bSegmentFinished = 0;
  stage.HandleFadeTransition();
  EXPECT_EQ(stage.bSegmentFinished, 1);
}

// ---- The score tally ----------------------------------------------------------------------------

class TallyTest : public GameFixture {
 protected:
  // Runs the tally of the second stage with her at `hp` of her health and `combo` as her best
  // combo; returns the frames spent counting (step 101).
  int CountTally(float hpShare, int combo, int bonus = 10000) {
    stage.Init();
    stage.iBonus = bonus;
    Momo->ResetGameData();
    Momo->AddHP(2000);
    Momo->fHP = Momo->fHPMax * hpShare;
    Momo->iMaxCombo = combo;
    Momo->fScore = 0;
    stage.bSegmentFinished = 1;
    stage.PrepareBonusScore();
    EXPECT_EQ(stage.iSegmentCounter, kTallyFirstStep);
    EXPECT_EQ(Momo->iMode, MODE_INACTIVE);
    int counting = 0;
    for (int frame = 0; frame < 2000 && stage.SegmentIsFinished() == 0; ++frame) {
      if (stage.iSegmentCounter == kTallyFirstStep + 1) ++counting;
      stage.Move();
    }
    EXPECT_EQ(stage.SegmentIsFinished(), 1);
    return counting - 1;  // the last frame of the step only moves on
  }
  TStageCastle2 stage;
};

TEST_F(TallyTest, CountsBonusLifeAndComboAtTheirRates) {
  struct Case {
    const char* name;
    float hpShare;
    int combo;
    int bonus;
    int lifeBonus;
    int ticks;
  };
  // clang-format off
  const Case cases[] = {
    // name                   health   combo  bonus  life    ticks (bonus + life + combo)
    {"full health, no combo",  1.0f,   0,     10000, 10000,  10 + 100 + 0 },
    {"57.9 % health",          0.579f, 0,     10000, 5700,   10 + 57 + 0  },
    {"a combo of 12",          1.0f,   12,    10000, 10000,  10 + 100 + 12},
    {"bonus of 2500",          1.0f,   0,     2500,  10000,  3 + 100 + 0  },
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CountTally(c.hpShare, c.combo, c.bonus), c.ticks);
    // Whole thousands of bonus, even past an odd bonus.
    const int bonusPaid = (c.bonus + 999) / 1000 * 1000;
    EXPECT_EQ(Momo->fScore, bonusPaid + c.lifeBonus + 100 * c.combo);
    EXPECT_EQ(stage.iTotalScore[0], Momo->fScore);
  }
}

TEST_F(TallyTest, WaitsAtBothEndsAndFadesOut) {
  stage.Init();
  stage.iBonus = 10000;
  Momo->AddHP(2000);
  stage.bSegmentFinished = 1;
  stage.PrepareBonusScore();
  EXPECT_EQ(stage.fAlphaFade, 1);
  int frames = 0;
  while (stage.iSegmentCounter == kTallyFirstStep) {
    stage.Move();
    ++frames;
  }
  EXPECT_EQ(frames, 81);  // 80 frames of waiting, then the step moves on
  while (stage.iSegmentCounter == kTallyFirstStep + 1) stage.Move();
  frames = 0;
  while (stage.iSegmentCounter == kTallyFirstStep + 2) {
    stage.Move();
    ++frames;
  }
  EXPECT_EQ(frames, 121);
  EXPECT_EQ(stage.bFade, 1);
}

// ---- Wave scripts -------------------------------------------------------------------------------

using WaveTest = GameFixture;

TEST_F(WaveTest, TheFirstWaveComesThroughTheSpawnTable) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  const auto foes = Enemies();
  ASSERT_EQ(foes.size(), 2u);
  // In draw order: the higher number first.
  EXPECT_EQ(foes[0]->iID, 2);
  EXPECT_EQ(foes[0]->iType, 16);
  EXPECT_EQ(foes[0]->x, 2760);
  EXPECT_EQ(foes[0]->iPlane, 4);
  EXPECT_EQ(foes[1]->iID, 1);
  EXPECT_EQ(foes[1]->x, 2420);
  EXPECT_EQ(foes[1]->iPlane, 0);
  EXPECT_EQ(fStageLength, 2000);
  EXPECT_EQ(fScrollLimitX, 0);
}

TEST_F(WaveTest, NoStepWhileAFoeStandsAndAKnockedOutOneHoldsNothingBack) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  auto foes = Enemies();
  Frames(100);
  EXPECT_EQ(Segment().iSegmentCounter, 1);  // step 1 has no condition, yet it waits
  foes[0]->fHP = 0;                         // knocked out but still in the list
  Frames(10);
  EXPECT_EQ(Segment().iSegmentCounter, 1);
  foes[1]->fHP = -3;
  Frames(1);
  EXPECT_EQ(Segment().iSegmentCounter, 2);
  EXPECT_EQ(fStageLength, 3000);
  EXPECT_EQ(fScrollLimitX, 1000);
  auto& stage = static_cast<TStage&>(Segment());
  EXPECT_EQ(stage.Go->iStatus, 1);

  // The next wave, and her already past the stretch after it: still nothing moves on.
  RunToStep(3);
  foes = Enemies();
  ASSERT_EQ(foes.size(), 5u);  // two lying, three new
  Momo->x = 2500;
  Frames(30);
  EXPECT_EQ(Segment().iSegmentCounter, 3);
  for (const auto& foe : foes) foe->fHP = 0;
  Frames(2);
  EXPECT_EQ(Segment().iSegmentCounter, 5);  // the stretch opened, and at once its wave came
}

TEST_F(WaveTest, KindsNobodyRegisteredAreLeftOut) {
  LeaveOutSoldiers();
  EnterFirstStage();
  EXPECT_TRUE(Enemies().empty());
  RunToStep(9);
  EXPECT_TRUE(Enemies().empty());
}

TEST_F(WaveTest, InSlowMotionTheScriptRunsEveryFrameAndTheWorldEveryThird) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  const auto foe = Enemies().front();
  auto& stage = static_cast<TStageCastle&>(Segment());
  stage.bSlowMotion = 1;
  stage.iSlowMotionCounter = 0;
  stage.Go->SetStatus(1);
  const int foeDelay = foe->iDelayCounter, momoDelay = Momo->iDelayCounter;
  const int sceneryDelay = stage.iDelayCounter, goDelay = stage.Go->iDelayCounter;
  const float cloud = stage.xCloud[0];
  Frames(9);
  EXPECT_EQ(stage.iSlowMotionCounter, 9);
  EXPECT_EQ(foe->iDelayCounter, foeDelay + 3);
  EXPECT_EQ(Momo->iDelayCounter, momoDelay + 3);
  EXPECT_EQ(stage.iDelayCounter, sceneryDelay + 3);
  EXPECT_FLOAT_EQ(stage.xCloud[0], cloud + 3 * stage.CloudSpeed[0]);
  EXPECT_EQ(stage.Go->iDelayCounter, goDelay);  // the arrow stops blinking
}

TEST_F(WaveTest, TheHeroineStillOnScreenKeepsTheStageGoing) {
  auto& stage = static_cast<TStageCastle&>(*Manager->Stage[SEGMENT_CASTLE]);
  fWorldX = 1000;
  Momo->x = 1500;
  stage.iSegmentCounter = 13;
  stage.bFade = 0;
  stage.CheckOutsideScreen();
  EXPECT_EQ(stage.iSegmentCounter, 13);
  EXPECT_EQ(stage.bFade, 0);
  Momo->x = 1000 + fScreenWidth + 1;
  stage.CheckOutsideScreen();
  EXPECT_EQ(stage.iSegmentCounter, 14);
  EXPECT_EQ(stage.bFade, 1);
}

// ---- The map ------------------------------------------------------------------------------------

using MapTest = GameFixture;

TEST_F(MapTest, EachLegMovesTheIconUntilItsEnd) {
  struct Case {
    const char* name;
    std::shared_ptr<TCutsceneMap1> map;
    int moves;  // frames of travel
  };
  // Six pixels a frame along the leg's heading, until the leg's end is passed.
  const Case cases[] = {
      {"Map1", std::make_shared<TCutsceneMap1>(), 20},
      {"Map2", std::make_shared<TCutsceneMap2>(), 22},
      {"Map3", std::make_shared<TCutsceneMap3>(), 26},
      {"Map4", std::make_shared<TCutsceneMap4>(), 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCutsceneMap1& map = *c.map;
    map.InitSegment();
    const float angle = map.fIconAngle;
    int still = 0, travel = 0, after = 0;
    for (int frame = 0; frame < 1000 && !map.SegmentIsFinished(); ++frame) {
      const int step = map.iSegmentCounter;
      map.Move();
      if (step == 0) ++still;
      if (step == 1) ++travel;
      if (step == 2) ++after;
    }
    EXPECT_TRUE(map.SegmentIsFinished());
    EXPECT_EQ(still, 81);  // the counter runs from 0 to 80
    EXPECT_EQ(travel, c.moves);
    EXPECT_EQ(after, 80);
    EXPECT_EQ(map.fIconAngle, angle);
    CharacterList.remove_if([](const auto& ch) { return ch->iType < 0; });
  }
}

}  // namespace

namespace {

// The second stage's last wave is the Dark Knight, with his hit points for the difficulty.
TEST_F(WaveTest, TheSecondStagesLastWaveIsTheDarkKnight) {
  LeaveOutSoldiers();  // the earlier waves come empty, so she walks through
  EnterFirstStage();
  RunToStep(12);
  ASSERT_GT(FramesUntil([] { return Manager->iStage == SEGMENT_CASTLE2; }), 0);
  ASSERT_GT(FramesUntil([] { return Momo->iMode == MODE_STANCE; }, 200), 0);
  RunToStep(9);
  std::shared_ptr<TCharacter> knight;
  for (const auto& c : CharacterList) {
    if (c->iType == TYPE_DARK_KNIGHT) knight = c;
  }
  ASSERT_TRUE(knight);
  EXPECT_FLOAT_EQ(knight->fHPMax, 1008);
  const std::string line = TraceWriter::FrameLine(0);
  EXPECT_NE(line.find("{\"type\":50,\"id\":" + std::to_string(knight->iID)), std::string::npos);
  EXPECT_NE(line.find("\"stage\":2"), std::string::npos);
}

}  // namespace
