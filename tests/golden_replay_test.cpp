// The golden replay run twice by the whole program in one process: both runs must give the
// committed trace, so nothing a run leaves behind (globals, the spawn table, the seed, segment
// objects) changes the next one. The recording itself goes back to the title and starts a second
// game on the same segment objects.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "audio_fixtures.h"

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

TEST(GoldenReplay, TwoRunsInOneProcessBothGiveTheGoldenTrace) {
  const std::vector<std::string> golden = Lines(kGolden + "stage1.jsonl");
  ASSERT_GT(golden.size(), 600u);
  TempFolder folder;
  for (const char* run : {"first", "second"}) {
    SCOPED_TRACE(run);
    const std::filesystem::path trace = folder.Path() / (std::string(run) + ".jsonl");
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

}  // namespace
