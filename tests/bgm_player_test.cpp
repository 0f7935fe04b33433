#include "audio/bgm_player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio_fixtures.h"
#include "platform/audio_internal.h"
#include "platform/platform.h"

using platform_detail::LiveVoiceCount;
using platform_detail::VolumeToGain;

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 8000;  // the music's content does not matter here, only its length

// Stand-ins for the four pieces, made once. The title piece outlasts its loop point (4105 frames
// of 16 ms, 65.7 s), so its restart overlaps; the others end long before theirs.
struct MusicFolders {
  TempFolder complete;  // all four pieces
  TempFolder damaged;   // the title piece only; one piece undecodable, two missing

  static void WritePiece(const fs::path& folder, const char* name, int seconds) {
    fs::create_directories(folder / "BGM");
    if (!WriteOggVorbis(folder / "BGM" / name, kRate, 1,
                        SineTone(kRate, seconds * kRate, 220, 0.5f))) {
      std::abort();
    }
  }

  MusicFolders() {
    WritePiece(complete.Path(), "ImpendingDanger.ogg", 3);
    WritePiece(complete.Path(), "BruteForce.ogg", 1);
    WritePiece(complete.Path(), "CrypticIllusion.ogg", 1);
    WritePiece(complete.Path(), "MainTitle.ogg", 70);
    fs::create_directories(damaged.Path() / "BGM");
    fs::copy_file(complete.Path() / "BGM" / "MainTitle.ogg",
                  damaged.Path() / "BGM" / "MainTitle.ogg");
    std::ofstream(damaged.Path() / "BGM" / "BruteForce.ogg") << "not music";
  }
};

const MusicFolders& Music() {
  static const MusicFolders folders;
  return folders;
}

// The player on the headless back end: every frame the virtual clock moves one 16 ms tick, the
// silent driver's voices with it, and then the screen calls Move, as the frame loop does.
class BGMPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    timer_ = RestartHeadless();
    ASSERT_TRUE(timer_) << PlatformError();
    previousFolder_ = fs::current_path();
    StartIn(Music().complete.Path());
  }
  void TearDown() override {
    fs::current_path(previousFolder_);
    ShutdownPlatform();
  }

  // The music files are found beside the program, that is in the working folder.
  void StartIn(const fs::path& folder) {
    fs::current_path(folder);
    player_ = TBGMPlayer{};
    player_.Init();
    player_.ResetGameData();
  }

  void Frames(int count) {
    for (int i = 0; i < count; ++i) {
      WaitTimer(timer_);
      player_.Move();
    }
  }
  int Playing(int channel) const { return ChannelPlaying(player_.ChnBGM[channel]); }
  int ActivePlaying() const { return Playing(player_.iActiveChannel); }
  platform_detail::Voice VoiceOn(int channel) const { return VoiceOf(player_.ChnBGM[channel]); }
  float ActiveGain() const { return VoiceOn(player_.iActiveChannel).gain; }

  TTimer* timer_ = nullptr;
  fs::path previousFolder_;
  TBGMPlayer player_;
};

TEST_F(BGMPlayerTest, InitLoadsTheFourPieces) {
  for (const SoundPtr& piece : {player_.bgmImpendingDanger, player_.bgmBruteForce,
                                player_.bgmCrypticIllusion, player_.bgmMainTitle}) {
    ASSERT_TRUE(piece);
    EXPECT_FALSE(piece->loop) << "the player loops the music itself";
    EXPECT_TRUE(piece->Streamed()) << "a piece is decoded only while it plays";
  }
  EXPECT_EQ(SoundLengthMs(player_.bgmMainTitle), 70000);
}

TEST_F(BGMPlayerTest, PlayingThePlayingPieceRestartsItOnTheOtherChannel) {
  player_.Play(BGM_MAIN_TITLE);
  EXPECT_EQ(player_.iPlayingBGM, BGM_MAIN_TITLE);
  EXPECT_EQ(player_.iActiveChannel, 0);
  EXPECT_EQ(Playing(0), 1);
  Frames(30);
  EXPECT_EQ(player_.iBGMCounter, 30);

  player_.Play(BGM_MAIN_TITLE);
  EXPECT_EQ(player_.iActiveChannel, 1);
  EXPECT_EQ(player_.iBGMCounter, 0);
  EXPECT_EQ(VoiceOn(1).position, 0) << "a fresh start";
  EXPECT_EQ(player_.fChannelVolume[1], 1.0f);
  EXPECT_EQ(ActiveGain(), 1.0f);
  Frames(5);
  EXPECT_EQ(Playing(0), 1) << "the old copy sounds on";
  EXPECT_EQ(Playing(1), 1);

  player_.Stop();
  EXPECT_EQ(Playing(0), 0);
  EXPECT_EQ(Playing(1), 0);
}

TEST_F(BGMPlayerTest, PlayRightAfterResetGameDataStartsAtOnce) {
  player_.Play(BGM_MAIN_TITLE);
  Frames(10);
  player_.ResetGameData();
  EXPECT_EQ(Playing(0), 0) << "reset pauses the music";
  EXPECT_EQ(player_.iPlayingBGM, BGM_NONE);

  player_.Play(BGM_IMPENDING_DANGER);  // the paused channel does not count as playing
  EXPECT_EQ(player_.iPlayingBGM, BGM_IMPENDING_DANGER);
  EXPECT_EQ(player_.iBGMWaitingList, BGM_NONE);
  EXPECT_EQ(player_.iActiveChannel, 0);
  EXPECT_EQ(Playing(0), 1);
  EXPECT_EQ(LiveVoiceCount(), 1) << "the paused title piece was let go";
}

TEST_F(BGMPlayerTest, AnotherPieceFadesTheCurrentOneDownFirst) {
  player_.Play(BGM_IMPENDING_DANGER);
  Frames(10);
  player_.Play(BGM_BRUTE_FORCE);
  EXPECT_EQ(player_.iBGMWaitingList, BGM_BRUTE_FORCE);

  // 1.0 less 0.01 a call in single precision is still above 0 after 100 calls, below after 101.
  float previousGain = ActiveGain();
  for (int call = 1; call <= 101; ++call) {
    Frames(1);
    ASSERT_EQ(player_.iPlayingBGM, BGM_IMPENDING_DANGER) << "call " << call;
    ASSERT_EQ(ActivePlaying(), 1) << "call " << call;
    ASSERT_EQ(player_.iBGMCounter, 10) << "the loop clock waits during the fade";
    ASSERT_LT(ActiveGain(), previousGain) << "call " << call;
    previousGain = ActiveGain();
  }
  EXPECT_LE(player_.fChannelVolume[0], 0.0f);

  Frames(1);
  EXPECT_EQ(player_.iPlayingBGM, BGM_BRUTE_FORCE);
  EXPECT_EQ(player_.iBGMWaitingList, BGM_NONE);
  EXPECT_EQ(player_.iBGMCounter, 0);
  EXPECT_EQ(player_.iActiveChannel, 0);
  EXPECT_EQ(player_.fChannelVolume[0], 1.0f);
  EXPECT_EQ(ActiveGain(), 1.0f);
  EXPECT_EQ(ActivePlaying(), 1);
  EXPECT_EQ(LiveVoiceCount(), 1) << "the faded piece is stopped, not left running unheard";
  Frames(1);
  EXPECT_EQ(player_.iBGMCounter, 1);
}

TEST_F(BGMPlayerTest, LoopPointRestartsThePiece) {
  struct Case {
    int piece;
    int loopPoint;
    bool stillSounding;  // at the loop point: then the restart goes to the other channel
  };
  const Case cases[] = {
      {BGM_IMPENDING_DANGER, 7070, false},
      {BGM_BRUTE_FORCE, 6800, false},
      {BGM_MAIN_TITLE, 4105, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.piece);
    player_.ResetGameData();
    player_.Play(c.piece);
    Frames(c.loopPoint - 1);
    EXPECT_EQ(player_.iBGMCounter, c.loopPoint - 1);
    EXPECT_EQ(player_.iActiveChannel, 0);
    EXPECT_EQ(ActivePlaying(), c.stillSounding ? 1 : 0);

    Frames(1);
    EXPECT_EQ(player_.iBGMCounter, 0);
    EXPECT_EQ(player_.iPlayingBGM, c.piece);
    EXPECT_EQ(player_.iActiveChannel, c.stillSounding ? 1 : 0);
    EXPECT_EQ(ActivePlaying(), 1);
    EXPECT_EQ(VoiceOn(player_.iActiveChannel).position, 0);
    EXPECT_EQ(Playing(1 - player_.iActiveChannel), c.stillSounding ? 1 : 0);
  }
}

TEST_F(BGMPlayerTest, PieceWithoutLoopPointRestartsWhenItEnds) {
  player_.Play(BGM_CRYPTIC_ILLUSION);
  // One second of music at 16 ms a frame: still sounding at 992 ms, over at 1008 ms.
  Frames(62);
  EXPECT_EQ(player_.iBGMCounter, 62);
  EXPECT_EQ(ActivePlaying(), 1);
  Frames(1);
  EXPECT_EQ(player_.iBGMCounter, 0);
  EXPECT_EQ(player_.iActiveChannel, 0);
  EXPECT_EQ(ActivePlaying(), 1);
}

TEST_F(BGMPlayerTest, FadeOffStopsAtSilence) {
  // The steps the title, the stages and the manager fade with.
  for (const float step : {0.1f, 0.05f, 0.02f}) {
    SCOPED_TRACE(step);
    player_.ResetGameData();
    player_.Play(BGM_MAIN_TITLE);
    const int calls = static_cast<int>(1.0f / step) + 5;  // a few more than reach 0
    for (int call = 0; call < calls; ++call) {
      player_.FadeOff(step);
      ASSERT_GE(player_.fChannelVolume[0], 0.0f);
      ASSERT_GE(player_.fChannelVolume[1], 0.0f);
    }
    EXPECT_EQ(player_.fChannelVolume[0], 0.0f);
    EXPECT_EQ(player_.fChannelVolume[1], 0.0f);
    EXPECT_EQ(ActiveGain(), VolumeToGain(0));
    EXPECT_EQ(ActivePlaying(), 1) << "faded, not stopped";
  }
}

TEST_F(BGMPlayerTest, LoopPointAfterFadeOffRestartsAtFullVolume) {
  player_.Play(BGM_MAIN_TITLE);
  Frames(100);
  for (int call = 0; call < 12; ++call) player_.FadeOff(0.1f);
  Frames(kMainTitleLoopPoint - 101);
  EXPECT_EQ(player_.iBGMCounter, kMainTitleLoopPoint - 1) << "the silent piece keeps its clock";

  Frames(1);
  EXPECT_EQ(player_.iBGMCounter, 0);
  EXPECT_EQ(player_.iActiveChannel, 1);
  EXPECT_EQ(player_.fChannelVolume[1], 1.0f);
  EXPECT_EQ(ActiveGain(), 1.0f);
  EXPECT_EQ(ActivePlaying(), 1);
  EXPECT_EQ(player_.fChannelVolume[0], 0.0f) << "the faded copy stays faded";
}

TEST_F(BGMPlayerTest, MissingOrUndecodablePieceStaysSilent) {
  StartIn(Music().damaged.Path());
  EXPECT_FALSE(player_.bgmImpendingDanger);
  EXPECT_FALSE(player_.bgmBruteForce);
  EXPECT_FALSE(player_.bgmCrypticIllusion);
  ASSERT_TRUE(player_.bgmMainTitle);

  // A missing piece without a loop point asks for a restart every frame; each stays silent.
  player_.Play(BGM_CRYPTIC_ILLUSION);
  EXPECT_EQ(player_.iPlayingBGM, BGM_CRYPTIC_ILLUSION);
  Frames(100);
  EXPECT_EQ(ActivePlaying(), 0);
  EXPECT_EQ(LiveVoiceCount(), 0);

  // A piece that loads still plays, and switching from it to a broken one fades to silence.
  player_.Play(BGM_MAIN_TITLE);
  EXPECT_EQ(ActivePlaying(), 1);
  player_.Play(BGM_BRUTE_FORCE);
  Frames(102);
  EXPECT_EQ(player_.iPlayingBGM, BGM_BRUTE_FORCE);
  EXPECT_EQ(player_.iBGMWaitingList, BGM_NONE);
  EXPECT_EQ(LiveVoiceCount(), 0);
  Frames(kBruteForceLoopPoint);  // through its loop point
  EXPECT_EQ(ActivePlaying(), 0);
}

}  // namespace
