// The autoplay bot on its own: how it calls the end of a game from what the screen shows, when it
// gives a game up as stuck, and that its taps reach the game as presses through the real poll.
// Whole games played by it are checked through the program (cli_whole_game.cmake).

#include "bot/autoplay.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "input/game_input.h"
#include "segments/segment.h"
#include "ui/windows.h"
#include "world/globals.h"

namespace {

class AutoplayTest : public testing::Test {
 protected:
  void TearDown() override {
    OverrideDeviceState(nullptr);
    GameInput.clear();
  }

  // The bot, shown `view` on every frame.
  std::unique_ptr<Autoplay> Bot() {
    return std::make_unique<Autoplay>(7, [this] { return view; });
  }
  void ShowTitle() {
    view = BotView{};
    view.screen = BotView::Screen::Title;
  }
  void ShowSegment(int index) {
    view = BotView{};
    view.screen = BotView::Screen::Game;
    view.segment = &segment;
    view.segmentIndex = index;
  }

  BotView view;
  TGameSegment segment;
};

TEST_F(AutoplayTest, TheGameEndsFinishedOnlyWhenTheTitleReturnsAfterTheMap) {
  struct Case {
    std::vector<int> segments;  // played in turn, then the title comes back
    BotOutcome outcome;
  };
  const Case cases[] = {
      {{0, 1, 2, 3}, BotOutcome::Finished},
      {{0, 1}, BotOutcome::GameOver},
      {{0, 1, 2}, BotOutcome::GameOver},  // beaten by the knight
  };
  for (const Case& c : cases) {
    auto bot = Bot();
    int frame = 0;
    ShowTitle();
    for (int i = 0; i < 5; ++i) bot->BeginFrame(frame++);
    EXPECT_EQ(bot->Outcome(), BotOutcome::Playing) << "the title before the game ends nothing";
    for (int index : c.segments) {
      ShowSegment(index);
      for (int i = 0; i < 3; ++i) bot->BeginFrame(frame++);
    }
    EXPECT_EQ(bot->Outcome(), BotOutcome::Playing);
    ShowTitle();
    bot->BeginFrame(frame++);
    EXPECT_EQ(bot->Outcome(), c.outcome) << bot->Summary();
  }
}

TEST_F(AutoplayTest, AGameWhoseStepStandsStillIsGivenUpAtTheLimit) {
  auto bot = Bot();
  ShowSegment(1);
  int frame = 0;
  // Any new step starts the count again.
  for (; frame < kStallFrames - 1; ++frame) bot->BeginFrame(frame);
  segment.iSegmentCounter = 5;
  for (int i = 0; i < kStallFrames - 1; ++i) bot->BeginFrame(frame++);
  EXPECT_EQ(bot->Outcome(), BotOutcome::Playing);
  bot->BeginFrame(frame++);
  EXPECT_EQ(bot->Outcome(), BotOutcome::Stalled);
  EXPECT_NE(bot->Summary().find("no progress"), std::string::npos) << bot->Summary();
  EXPECT_NE(bot->Summary().find("step 5"), std::string::npos) << bot->Summary();
}

// The title's cursor rule and its confirm, worked by the game's own poll of the bot's keys: a bot
// that held a key for two polls, or pressed again right after a release, would never get there.
TEST_F(AutoplayTest, OnTheTitleItGoesUpToStartAndConfirmsAsTheGameSeesIt) {
  auto input = std::make_shared<TGameInput>();
  input->Init(0, INPUT_BOTH);
  input->SetDefaultConfig();
  GameInput.assign(1, input);
  TWindowTitle title;
  title.iMode = TITLE_MODE_MENU;
  title.iActiveMenu = TITLE_CREDIT;
  ShowTitle();
  view.title = &title;
  auto bot = Bot();
  int chosen = -1, ups = 0;
  for (int frame = 0; frame < 30 && chosen < 0; ++frame) {
    bot->BeginFrame(frame);
    input->CheckInput();
    if (input->DirectionalButtonPress(ACTION_UP, INPUT_PRESSED) == 1) {
      title.iActiveMenu = (title.iActiveMenu + kTitleEntries - 1) % kTitleEntries;
      ++ups;
    } else if (input->ButtonPress(ACTION_ATTACK, INPUT_PRESSED) == 1) {
      chosen = title.iActiveMenu;
    }
  }
  EXPECT_EQ(ups, 2);
  EXPECT_EQ(chosen, TITLE_START);
}

}  // namespace
