#include "app/command_line.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>
#include <span>

#include "files/quoted.h"

namespace {

// What follows a flag on the command line.
enum class Takes { Nothing, Number, Path, Screenshot, Difficulty };

struct FlagValue {
  int number = 0;
  std::string text;
  Screenshot shot;
};

struct Flag {
  const char* name;
  const char* value;  // as the usage names it
  Takes takes;
  int min, max;  // of a number
  bool repeats;
  void (*apply)(CommandLine&, const FlagValue&);
  const char* help;
};

// The words of the options screen's three levels, easiest first.
constexpr const char* kLevels[] = {"easy", "normal", "hard"};

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

// clang-format off
const Flag kFlags[] = {
  // name            value     takes               min      max      repeats
  {"--mode",         "N",      Takes::Number,      1,       8,       false,
   [](CommandLine& o, const FlagValue& v) { o.mode = v.number; },
   "use screen mode N (1-8) instead of asking"},
  {"--headless",     nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.headless = true; },
   "no window and no sound device (mode 1 unless --mode or --replay)"},
  {"--frames",       "N",      Takes::Number,      0,       kIntMax, false,
   [](CommandLine& o, const FlagValue& v) { o.frames = v.number; },
   "end after N frames"},
  {"--seed",         "S",      Takes::Number,      kIntMin, kIntMax, false,
   [](CommandLine& o, const FlagValue& v) { o.seed = v.number; },
   "seed the random generator with S instead of the clock"},
  {"--screenshot",   "F:PATH", Takes::Screenshot,  0,       0,       true,
   [](CommandLine& o, const FlagValue& v) { o.screenshots.push_back(v.shot); },
   "write the picture of frame F as a PNG (may repeat)"},
  {"--input",        "PATH",   Takes::Path,        0,       0,       false,
   [](CommandLine& o, const FlagValue& v) { o.inputScript = v.text; },
   "drive the keyboard and pad from a script"},
  {"--record",       "PATH",   Takes::Path,        0,       0,       false,
   [](CommandLine& o, const FlagValue& v) { o.recordPath = v.text; },
   "save every frame's keyboard and pad state"},
  {"--replay",       "PATH",   Takes::Path,        0,       0,       false,
   [](CommandLine& o, const FlagValue& v) { o.replayPath = v.text; },
   "play back a recording (it carries its seed, mode, difficulty and bindings)"},
  {"--no-draw",      nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.noDraw = true; },
   "skip drawing"},
  {"--hitboxes",     nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.hitboxes = true; },
   "draw hurt boxes and live hit boxes (F3 toggles)"},
  {"--trace",        "PATH",   Takes::Path,        0,       0,       false,
   [](CommandLine& o, const FlagValue& v) { o.tracePath = v.text; },
   "write one JSON line of game state per frame"},
  {"--audio-out",    "PATH",   Takes::Path,        0,       0,       false,
   [](CommandLine& o, const FlagValue& v) { o.audioOutPath = v.text; },
   "write the run's sound as a 16-bit 44.1 kHz stereo WAV"},
  {"--difficulty",   "LEVEL",  Takes::Difficulty,  0,       0,       false,
   [](CommandLine& o, const FlagValue& v) { o.difficulty = v.number; },
   "easy, normal or hard, as the options screen sets it"},
  {"--practice",     nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.practice = true; },
   "start in the practice yard instead of the title"},
  {"--autoplay",     nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.autoplay = true; },
   "let the bot play one game from the title, then end"},
  {"--version",      nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.version = true; },
   "print the game's name and version, then end"},
  {"--help",         nullptr,  Takes::Nothing,     0,       0,       false,
   [](CommandLine& o, const FlagValue&) { o.help = true; },
   "show this text"},
};
// clang-format on

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [last, status] = std::from_chars(text.data(), end, value);
  return status == std::errc() && last == end && !text.empty();
}

const Flag* FindFlag(const std::string& name) {
  for (const Flag& flag : kFlags) {
    if (name == flag.name) return &flag;
  }
  return name == "-h" ? FindFlag("--help") : nullptr;
}

// Reads the value of `flag` from `text`; false with `error` naming the flag when it is bad.
bool ReadValue(const Flag& flag, const std::string& text, FlagValue& value, std::string& error) {
  const std::string name = flag.name;
  // "--record --no-draw" is a forgotten path, never a file named "--no-draw".
  if (text.starts_with("--")) {
    error = name + " needs a value, not the flag " + Quoted(text);
    return false;
  }
  switch (flag.takes) {
    case Takes::Nothing:
      return true;
    case Takes::Number:
      if (!ParseInt(text, value.number) || value.number < flag.min || value.number > flag.max) {
        error = "bad value for " + name + ": " + Quoted(text) + " (a whole number from " +
                std::to_string(flag.min) + " to " + std::to_string(flag.max) + ")";
        return false;
      }
      return true;
    case Takes::Path:
      if (text.empty()) {
        error = name + " needs a path, not an empty one";
        return false;
      }
      value.text = text;
      return true;
    case Takes::Difficulty: {
      for (int level = 0; level < 3; ++level) {
        if (text == kLevels[level]) {
          value.number = level;
          return true;
        }
      }
      error = "bad value for " + name + ": " + Quoted(text) + " (expected easy, normal or hard)";
      return false;
    }
    case Takes::Screenshot: {
      const size_t colon = text.find(':');
      if (colon == std::string::npos || !ParseInt(text.substr(0, colon), value.shot.frame) ||
          value.shot.frame < 0 || colon + 1 == text.size()) {
        error = "bad value for " + name + ": " + Quoted(text) + " (expected FRAME:PATH)";
        return false;
      }
      value.shot.path = text.substr(colon + 1);
      return true;
    }
  }
  return false;
}

bool SamePath(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  if (fs::equivalent(a, b, ignored)) return true;
  return fs::weakly_canonical(fs::absolute(a, ignored), ignored) ==
         fs::weakly_canonical(fs::absolute(b, ignored), ignored);
}

// Flags that cannot be read together, or name one file twice where one of them writes it.
bool CheckCombination(const CommandLine& options, std::string& error) {
  const bool replaying = !options.replayPath.empty();
  if (replaying && !options.inputScript.empty()) {
    error = "--input cannot be used with --replay";
    return false;
  }
  if (replaying && !options.recordPath.empty()) {
    error = "--record cannot be used with --replay";
    return false;
  }
  if (replaying && options.seed) {
    error = "--seed cannot be used with --replay: the recording carries its seed";
    return false;
  }
  if (options.autoplay) {
    // The bot is the run's only source of input, and it plays a game from the title.
    for (const auto& [used, flag] : {std::pair{!options.inputScript.empty(), "--input"},
                                     {replaying, "--replay"},
                                     {options.practice, "--practice"}}) {
      if (used) {
        error = std::string("--autoplay cannot be used with ") + flag;
        return false;
      }
    }
  }
  for (const Screenshot& shot : options.screenshots) {
    if (options.noDraw) {
      error = "--screenshot cannot be used with --no-draw: nothing is drawn";
      return false;
    }
    if (options.frames >= 0 && shot.frame >= options.frames) {
      error = "--screenshot " + std::to_string(shot.frame) + ":" + Quoted(shot.path) +
              ": the run ends before frame " + std::to_string(shot.frame) + " (--frames " +
              std::to_string(options.frames) + ")";
      return false;
    }
  }
  struct Named {
    const char* flag;
    const std::string& path;
    bool writes;
  };
  std::vector<Named> files = {{"--input", options.inputScript, false},
                              {"--replay", options.replayPath, false},
                              {"--record", options.recordPath, true},
                              {"--trace", options.tracePath, true},
                              {"--audio-out", options.audioOutPath, true}};
  for (const Screenshot& shot : options.screenshots)
    files.push_back({"--screenshot", shot.path, true});
  for (size_t i = 0; i < files.size(); ++i) {
    for (size_t j = i + 1; j < files.size(); ++j) {
      const Named& a = files[i];
      const Named& b = files[j];
      if ((a.writes || b.writes) && !a.path.empty() && !b.path.empty() &&
          SamePath(a.path, b.path)) {
        error = std::string(a.flag) + " and " + b.flag + " name the same file " + Quoted(b.path);
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::vector<FlagHelp> FlagHelpRows() {
  std::vector<FlagHelp> rows;
  for (const Flag& flag : kFlags) rows.push_back({flag.name, flag.value, flag.help});
  return rows;
}

std::string Usage() {
  std::string usage = "Usage: talvenne [options]\n";
  for (const FlagHelp& flag : FlagHelpRows()) {
    std::string left = std::string("  ") + flag.name;
    if (flag.value) left += std::string(" ") + flag.value;
    left.resize(std::max<size_t>(left.size() + 1, 24), ' ');
    usage += left + flag.help + "\n";
  }
  return usage;
}

bool ParseCommandLine(int argc, char** argv, CommandLine& options, std::string& error) {
  options = CommandLine{};
  std::vector<const Flag*> seen;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    const Flag* flag = FindFlag(name);
    if (!flag) {
      error = "unknown flag " + Quoted(name);
      return false;
    }
    if (!flag->repeats && std::find(seen.begin(), seen.end(), flag) != seen.end()) {
      error = std::string(flag->name) + " is given twice";
      return false;
    }
    seen.push_back(flag);
    FlagValue value;
    if (flag->takes != Takes::Nothing) {
      if (i + 1 >= argc) {
        error = std::string(flag->name) + " needs a value";
        return false;
      }
      if (!ReadValue(*flag, argv[++i], value, error)) return false;
    }
    flag->apply(options, value);
  }
  if (!CheckCombination(options, error)) return false;
  // A replay takes its mode from the recording.
  if (options.headless && !options.mode && options.replayPath.empty()) options.mode = 1;
  return true;
}

bool TakeRecordedRun(const RecordedRun& run, CommandLine& options, std::string& error) {
  const std::string recording = "the recording " + Quoted(options.replayPath);
  if (options.mode && *options.mode != run.screenMode) {
    error = "--mode " + std::to_string(*options.mode) + " contradicts " + recording +
            ", played in mode " + std::to_string(run.screenMode);
    return false;
  }
  if (options.difficulty && options.difficulty != run.difficulty) {
    error = std::string("--difficulty ") + kLevels[*options.difficulty] + " contradicts " +
            recording + ", " +
            (run.difficulty ? std::string("played with --difficulty ") + kLevels[*run.difficulty]
                            : std::string("played without --difficulty"));
    return false;
  }
  if (options.practice && !run.practice) {
    error = "--practice contradicts " + recording + ", which opened on the title";
    return false;
  }
  options.mode = run.screenMode;
  options.difficulty = run.difficulty;
  options.practice = run.practice;
  return true;
}
