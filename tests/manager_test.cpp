// The game manager driven as a player drives it: starting a game from the title, the segment
// sequence with its refills, pausing, the back-to-title question, game over, and a new game on the
// segments of the last one.

#include "app/manager.h"

#include <gtest/gtest.h>

#include <memory>

#include "fx/effects.h"
#include "game_fixtures.h"
#include "heroine/cutscene_momo.h"
#include "ui/overlays.h"
#include "ui/windows.h"

namespace {

using ManagerTest = GameFixture;

// An effect that lives for ever and counts its updates.
class CountingEffect : public TEffect {
 public:
  void MoveEffect() override { ++moves; }
  int moves = 0;
};

TEST_F(ManagerTest, StartOnTheTitleAndAGameBeginsWithTheSkillListAndHerFull) {
  EXPECT_EQ(Manager->iMode, MANAGER_TITLE);
  ToTitleMenu();
  EXPECT_EQ(BGMPlayer->iPlayingBGM, BGM_MAIN_TITLE);
  Momo->fHP = 1;
  StartGame();
  EXPECT_EQ(Manager->iStage, SEGMENT_SKILL_LIST);
  EXPECT_EQ(Momo->iLive, 2);
  EXPECT_EQ(Momo->iContinue, 2);
  EXPECT_EQ(Momo->fHP, Momo->fHPMax);
  EXPECT_EQ(Momo->fMP, Momo->fMPMax);
  EXPECT_EQ(Momo->iMode, MODE_INACTIVE);
  // The view is driven by her invisible copy.
  int copies = 0;
  for (const auto& c : CharacterList) {
    if (c->iType == TYPE_CUTSCENE_MOMO) {
      ++copies;
      EXPECT_EQ(c->iMode, MODE_INACTIVE);
    }
  }
  EXPECT_EQ(copies, 1);
}

TEST_F(ManagerTest, AHeldAttackFromTheTitleLeavesTheSkillListOnlyWhenLetGoAfterTheFadeIn) {
  ToTitleMenu();
  Key(kKeyX, true);
  ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_GAME; }, 60), 0);
  Frames(200);  // still held: the picture stays
  EXPECT_EQ(Segment().iSegmentCounter, 0);
  EXPECT_EQ(Segment().bFade, 0);
  Key(kKeyX, false);
  Frames(1);
  EXPECT_EQ(Segment().iSegmentCounter, 1);
  EXPECT_EQ(Segment().bFade, 1);
}

TEST_F(ManagerTest, AReleaseDuringTheSkillListFadeInIsIgnored) {
  StartGame();
  ASSERT_GT(Segment().fAlphaFade, 0.5f);
  Tap(kKeyX);
  ASSERT_GT(Segment().fAlphaFade, 0);
  Frames(30);
  EXPECT_EQ(Segment().iSegmentCounter, 0);
  Tap(kKeyX);
  EXPECT_EQ(Segment().iSegmentCounter, 1);
}

TEST_F(ManagerTest, TheCutsceneCopyLetsALeftoverShakeDieAway) {
  StartGame();
  fQuake = 12;
  Frames(12);
  EXPECT_EQ(fQuake, 0);
  EXPECT_EQ(fWorldX, 0);
}

TEST_F(ManagerTest, PausingFreezesTheWorldAndTheScriptButNotTheMusic) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  auto effect = std::make_shared<CountingEffect>();
  effect->Init(600, 600, 0, 0, 0, 2);
  EffectList.push_back(effect);
  ASSERT_FALSE(Enemies().empty());
  const auto foe = Enemies().front();
  Frames(3);

  Key(kKeyP, true);
  Frames(1);
  Key(kKeyP, false);
  Frames(1);  // the release: the pause begins after this frame's update
  ASSERT_EQ(Momo->IsPaused(), 1);
  EXPECT_EQ(Manager->Pause->iStatus, 1);
  const int foeDelay = foe->iDelayCounter, momoDelay = Momo->iDelayCounter;
  const int effectMoves = effect->moves, step = Segment().iSegmentCounter;
  const int segmentDelay = Segment().iDelayCounter, music = BGMPlayer->iBGMCounter;
  const float alpha = Segment().fAlphaFade;

  Frames(50);
  EXPECT_EQ(foe->iDelayCounter, foeDelay);
  EXPECT_EQ(Momo->iDelayCounter, momoDelay);
  EXPECT_EQ(effect->moves, effectMoves);
  EXPECT_EQ(Segment().iSegmentCounter, step);
  EXPECT_EQ(Segment().iDelayCounter, segmentDelay);
  EXPECT_EQ(Segment().fAlphaFade, alpha);
  EXPECT_EQ(BGMPlayer->iBGMCounter, music + 50);

  // Unpausing: the frame that reads the release still stands; every frame after it moves once.
  Key(kKeyP, true);
  Frames(1);
  Key(kKeyP, false);
  Frames(1);
  EXPECT_EQ(Momo->IsPaused(), 0);
  EXPECT_EQ(Manager->Pause->iStatus, 0);
  EXPECT_EQ(foe->iDelayCounter, foeDelay);
  for (int i = 1; i <= 5; ++i) {
    Frames(1);
    EXPECT_EQ(foe->iDelayCounter, foeDelay + i);
    EXPECT_EQ(effect->moves, effectMoves + i);
  }
}

// The game never plays on unattended: out of focus it pauses, and stays paused until the player
// is back and resumes it.
TEST_F(ManagerTest, LosingTheFocusPausesTheStageUntilThePlayerResumesIt) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  const auto foe = Enemies().front();
  Frames(3);
  devices.unfocused = true;
  Frames(1);
  ASSERT_EQ(Momo->IsPaused(), 1);
  EXPECT_EQ(Manager->Pause->iStatus, 1);
  const int foeDelay = foe->iDelayCounter;
  Frames(30);
  Tap(kKeyP);
  EXPECT_EQ(Momo->IsPaused(), 1) << "no resuming while out of focus";
  devices.unfocused = false;
  Frames(10);
  EXPECT_EQ(Momo->IsPaused(), 1) << "the focus back is not enough";
  EXPECT_EQ(foe->iDelayCounter, foeDelay);
  Tap(kKeyP);
  EXPECT_EQ(Momo->IsPaused(), 0);
  Frames(1);
  EXPECT_EQ(foe->iDelayCounter, foeDelay + 1);
}

class BackToTitleTest : public GameFixture {
 protected:
  // In the first stage with a foe to watch, Esc (or the pad's back button) opens the question;
  // Right moves it to "Yes" when asked; Attack answers.
  void Answer(bool yes, bool byPad = false) {
    RegisterStandInSoldiers();
    EnterFirstStage();
    foe = Enemies().front();
    PadState& pad = devices.pads[0];
    pad.connected = true;
    Frames(1);
    ASSERT_EQ(Momo->IsESC(), 0);
    if (byPad) {
      pad.buttons = 1u << kPadBackButton;
    } else {
      Key(kKeyEsc, true);
    }
    Frames(1);
    Key(kKeyEsc, false);
    pad.buttons = 0;
    ASSERT_EQ(Momo->IsESC(), 1);
    EXPECT_EQ(Manager->ESC->iStatus, 1);
    EXPECT_EQ(Momo->iESCActiveCursor, 0);  // it opens on "No"
    if (yes) Tap(kKeyRightArrow);
    EXPECT_EQ(Manager->ESC->iActiveCursor, yes ? 1 : 0);
    foeDelay = foe->iDelayCounter;
    Tap(kKeyX);
    EXPECT_EQ(Momo->IsESC(), 0);
    EXPECT_EQ(Manager->ESC->iStatus, 0);
    EXPECT_EQ(foe->iDelayCounter, foeDelay);  // nothing moved while it was open
  }
  std::shared_ptr<TCharacter> foe;
  int foeDelay = 0;
};

TEST_F(BackToTitleTest, NoGoesOnInTheNextFrame) {
  Answer(false);
  Frames(1);
  EXPECT_EQ(foe->iDelayCounter, foeDelay + 1);
  EXPECT_EQ(Manager->bBack2TitleScreen, 0);
  EXPECT_EQ(Manager->iMode, MANAGER_GAME);
}

TEST_F(BackToTitleTest, ThePadsBackButtonAsksAsEscDoes) {
  Answer(true, true);
  EXPECT_EQ(Manager->bBack2TitleScreen, 1);
}

TEST_F(BackToTitleTest, YesFadesOutWithTheWorldFrozenThenShowsTheTitle) {
  Answer(true);
  EXPECT_EQ(Manager->bBack2TitleScreen, 1);
  const float volume = BGMPlayer->fChannelVolume[BGMPlayer->iActiveChannel];
  Frames(10);
  EXPECT_EQ(foe->iDelayCounter, foeDelay);
  EXPECT_NEAR(Segment().fAlphaFade, 0.5f, 1e-4f);
  EXPECT_NEAR(BGMPlayer->fChannelVolume[BGMPlayer->iActiveChannel], volume - 0.5f, 1e-4f);
  EXPECT_GT(FramesUntil([] { return Manager->iMode == MANAGER_TITLE; }, 200), 0);
  EXPECT_EQ(foe->iDelayCounter, foeDelay);
  EXPECT_TRUE(Enemies().empty());
  EXPECT_EQ(fWorldX, 0);
}

TEST_F(ManagerTest, GameOverInTheSecondStageLetsTheWorldRun240FramesBeforeTheFade) {
  RegisterStandInSoldiers();
  EnterFirstStage();
  Manager->Stage[SEGMENT_CASTLE]->bSegmentFinished = 1;  // the first stage is won
  ASSERT_GT(FramesUntil([] { return Manager->iStage == SEGMENT_CASTLE2; }, 5), 0);
  Frames(40);
  const auto foe = Enemies().front();
  Momo->iLive = 0;
  Momo->iContinue = 0;
  Momo->SetMode(MOMO_GAME_OVER);
  Manager->iGameOverDelayCounter = 0;
  const int foeDelay = foe->iDelayCounter;
  Frames(239);
  EXPECT_EQ(foe->iDelayCounter, foeDelay + 239);  // the world goes on
  EXPECT_EQ(Segment().bFade, 0);
  Frames(1);
  EXPECT_EQ(Segment().bFade, 1);
  // The fade (20 frames) and the wait at black, then the title.
  const int frames = FramesUntil([] { return Manager->iMode == MANAGER_TITLE; }, 200);
  EXPECT_GT(frames, 20);
  EXPECT_LE(frames, 20 + 52);
}

TEST_F(ManagerTest, AWholeGameThenANewOneOnTheSameSegments) {
  LeaveOutSoldiers();                 // the waves come empty
  RegisterSpawn(50, MakeFallenBoss);  // and the boss falls at once
  const auto segments = Manager->Stage;
  EnterFirstStage();

  // The first stage: she runs to its end, stands, and the stage sends her out.
  RunToStep(12);
  Momo->fHP = 100;
  Momo->fMP = 10;
  ASSERT_GT(FramesUntil([] { return Manager->iStage == SEGMENT_CASTLE2; }), 0);
  EXPECT_EQ(Momo->fHP, 164);  // 64 hit points and 48 mana carried over
  EXPECT_EQ(Momo->fMP, 58);
  EXPECT_EQ(BGMPlayer->iPlayingBGM, BGM_IMPENDING_DANGER);

  // The second: the boss wave brings its music, then its fall is watched in slow motion.
  ASSERT_GT(FramesUntil([] { return Momo->iMode == MODE_STANCE; }, 200), 0);
  RunToStep(10);
  EXPECT_EQ(BGMPlayer->iPlayingBGM, BGM_BRUTE_FORCE);
  EXPECT_EQ(Segment().bSlowMotion, 1);
  ASSERT_GT(FramesUntil([this] { return Segment().iSegmentCounter >= kTallyFirstStep; }), 0);
  EXPECT_EQ(Segment().bSlowMotion, 0);
  EXPECT_EQ(Momo->iMode, MODE_INACTIVE);

  // The tally, then the map, then the title.
  ASSERT_GT(FramesUntil([] { return Manager->iStage == SEGMENT_MAP; }), 0);
  EXPECT_EQ(Momo->fHP, Momo->fHPMax);
  EXPECT_EQ(Momo->fMP, Momo->fMPMax);
  ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_TITLE; }), 0);
  // The stage bonus and her health at the end (164 of 224: 73 %), with no combo.
  EXPECT_EQ(Momo->fScore, 10000 + 7300);

  // A new game: the same objects, re-armed, and her lives, health and mana restored.
  Momo->iLive = 0;
  Momo->iContinue = 0;
  Momo->fHP = 1;
  Momo->fMP = 0;
  StartGame();
  EXPECT_EQ(Manager->Stage, segments);
  EXPECT_EQ(Manager->iStage, SEGMENT_SKILL_LIST);
  EXPECT_EQ(Segment().iSegmentCounter, 0);
  EXPECT_EQ(Segment().bSegmentFinished, 0);
  EXPECT_EQ(Momo->iLive, 2);
  EXPECT_EQ(Momo->iContinue, 2);
  EXPECT_EQ(Momo->fScore, 0);
  EXPECT_EQ(Momo->fHP, Momo->fHPMax);
  EXPECT_EQ(Momo->fMP, Momo->fMPMax);
  // Its wait at black was spent in the first game: the skill list now ends as soon as it is
  // black.
  ASSERT_GT(FramesUntil([this] { return Segment().fAlphaFade <= 0; }, 60), 0);
  Tap(kKeyX);
  EXPECT_LE(FramesUntil([] { return Manager->iStage == SEGMENT_CASTLE; }, 60), 22);
}

class PracticeTest : public GameFixture {
 protected:
  PracticeTest() { practice = 1; }
};

TEST_F(PracticeTest, TheYardIsLeftForTheTitleAndOrdinaryGames) {
  EXPECT_EQ(Manager->iMode, MANAGER_GAME);
  EXPECT_EQ(Manager->TracedStage(), -1);
  EXPECT_EQ(Enemies().size(), 4u);
  EXPECT_EQ(Segment().fAlphaFade, 0);
  Key(kKeyEsc, true);
  Frames(1);
  Key(kKeyEsc, false);
  Tap(kKeyRightArrow);
  Tap(kKeyX);
  ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_TITLE; }, 200), 0);
  EXPECT_TRUE(Enemies().empty());
  StartGame();
  EXPECT_EQ(Manager->TracedStage(), SEGMENT_SKILL_LIST);
}

}  // namespace
