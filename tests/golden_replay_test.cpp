// Runs of the whole program one after another in one process: nothing a run sets up (globals, the
// spawn table, the seed, the difficulty, the bindings, segment objects) reaches the next one. The
// golden replay must give the committed trace first and after runs unlike it; its recording goes
// back to the title and starts a second game on the same segment objects.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "audio_fixtures.h"
#include "input/device_feed.h"

namespace {

const std::string kGolden = std::string(TALVENNE_TESTS_DIR) + "/golden/";
constexpr const char* kRerecord =
    "If the game's rules changed on purpose, re-record the golden run with "
    "tools/rerecord-golden.sh, check the change (git diff tests/golden) and commit it.";

std::vector<std::string> Lines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int RunGame(const std::vector<std::string>& args) {
  std::vector<std::string> storage = args;
  storage.insert(storage.begin(), "talvenne");
  std::vector<char*> argv;
  for (std::string& arg : storage) argv.push_back(arg.data());
  return RunProgram(static_cast<int>(argv.size()), argv.data());
}

// The golden replay gives the committed trace first in the process, and again after runs that
// leave everything else behind: a clock-seeded bot game on Easy a good way into the first stage,
// with enemies on the field and the bot's input, and the practice yard on Hard.
TEST(GoldenReplay, GivesTheGoldenTraceFirstAndAfterOtherRuns) {
  const std::vector<std::string> golden = Lines(kGolden + "stage1.jsonl");
  ASSERT_GT(golden.size(), 600u);
  TempFolder folder;
  const std::vector<std::vector<std::string>> others = {
      {"--headless", "--no-draw", "--autoplay", "--difficulty", "easy", "--frames", "1500"},
      {"--headless", "--mode", "2", "--practice", "--difficulty", "hard", "--frames", "200"},
  };
  for (const char* run : {"first", "after other runs"}) {
    SCOPED_TRACE(run);
    if (std::string(run) != "first") {
      for (const std::vector<std::string>& other : others) ASSERT_EQ(RunGame(other), 0);
    }
    const std::filesystem::path trace = folder.Path() / "golden.jsonl";
    ASSERT_EQ(RunGame({"--headless", "--mode", "4", "--no-draw", "--frames",
                       std::to_string(golden.size()), "--replay", kGolden + "stage1.rec", "--trace",
                       trace.string()}),
              0);
    const std::vector<std::string> lines = Lines(trace);
    ASSERT_EQ(lines.size(), golden.size()) << kRerecord;
    for (size_t i = 0; i < lines.size(); ++i) {
      ASSERT_EQ(lines[i], golden[i]) << "frame " << i << "\n" << kRerecord;
    }
  }
}

// The seed a recorded run was played with, as its recording says.
RecordedRun Recorded(const std::filesystem::path& path) {
  RecordedRun run;
  std::string error;
  EXPECT_NE(OpenReplay(path.string(), run, error), nullptr) << error;
  return run;
}

TEST(GoldenReplay, ARunStartsAfreshAfterASeededOneAndAReplay) {
  TempFolder folder;
  const auto seeded = folder.Path() / "seeded.rec";
  const auto after = folder.Path() / "after.rec";
  constexpr int kOddSeed = 2000000123;  // far from any clock a short run reads
  ASSERT_EQ(
      RunGame({"--headless", "--mode", "4", "--no-draw", "--frames", "3", "--seed",
               std::to_string(kOddSeed), "--difficulty", "hard", "--record", seeded.string()}),
      0);
  ASSERT_EQ(Recorded(seeded).seed, kOddSeed);
  // Clock-seeded, after the seeded run and after a replay (which takes its recording's seed).
  for (const char* before : {"a seeded run", "a replay"}) {
    SCOPED_TRACE(std::string("after ") + before);
    if (std::string(before) == "a replay") {
      ASSERT_EQ(RunGame({"--headless", "--no-draw", "--frames", "3", "--replay", seeded.string()}),
                0);
    }
    ASSERT_EQ(RunGame({"--headless", "--no-draw", "--frames", "3", "--record", after.string()}), 0);
    const RecordedRun run = Recorded(after);
    EXPECT_NE(run.seed, kOddSeed) << "the clock-seeded run took the seed of the one before";
    EXPECT_EQ(run.difficulty, std::nullopt);
    EXPECT_EQ(run.screenMode, 1);
  }
}

}  // namespace
