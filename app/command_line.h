#pragma once
// Optional flags for players, tests, benchmarks and bug reports. None changes game rules.

#include <optional>
#include <string>
#include <vector>

#include "input/device_feed.h"

struct Screenshot {
  int frame = 0;
  std::string path;
};

struct CommandLine {
  std::optional<int> mode;  // 1 to 8
  bool headless = false;
  int frames = -1;  // -1 runs until the window closes or "Exit"
  std::optional<int> seed;
  std::vector<Screenshot> screenshots;
  std::string inputScript;
  std::string recordPath;
  std::string replayPath;
  std::string tracePath;
  bool noDraw = false;
  bool hitboxes = false;          // the hit-box overlay from the first frame
  bool practice = false;          // start in the practice yard instead of the title
  bool autoplay = false;          // the bot plays one game, then the run ends
  std::optional<int> difficulty;  // 0 Easy, 1 Normal, 2 Hard, from the first frame
  bool help = false;
  bool version = false;  // print the name and version, then end
};

// Fills `options` from argv. On a bad flag, value or combination returns false with `error` as
// one line naming the flag.
bool ParseCommandLine(int argc, char** argv, CommandLine& options, std::string& error);
std::string Usage();

// A replay plays with the screen mode, the difficulty and the opening of its recording; a flag
// that asks for another is refused with `error` naming it.
bool TakeRecordedRun(const RecordedRun& run, CommandLine& options, std::string& error);

// One row of the flag table as --help and the manual page show it; `value` is null for a flag
// that takes none.
struct FlagHelp {
  const char* name;
  const char* value;
  const char* help;
};
std::vector<FlagHelp> FlagHelpRows();
