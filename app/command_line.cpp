#include "app/command_line.h"

#include <charconv>
#include <cstring>
#include <iterator>

namespace {

bool ParseInt(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto [last, status] = std::from_chars(text.data(), end, value);
  return status == std::errc() && last == end && !text.empty();
}

// The words --difficulty takes, by level.
constexpr const char* kDifficultyNames[] = {"easy", "normal", "hard"};

}  // namespace

std::string Usage() {
  return "Usage: talvenne [options]\n"
         "  --mode N              use screen mode N (1-8) instead of asking\n"
         "  --headless            no window and no sound device (mode 1 unless --mode)\n"
         "  --frames N            end after N frames\n"
         "  --seed S              seed the random generator with S instead of the clock\n"
         "  --screenshot F:PATH   write the picture of frame F as a PNG (may repeat)\n"
         "  --input PATH          drive the keyboard and pad from a script\n"
         "  --record PATH         save every frame's keyboard and pad state\n"
         "  --replay PATH         play back a recording\n"
         "  --no-draw             skip drawing\n"
         "  --trace PATH          write one JSON line of game state per frame\n"
         "  --practice            start in the practice yard instead of the title\n"
         "  --difficulty LEVEL    easy, normal or hard, as the options screen sets it\n"
         "  --help                show this text\n";
}

bool ParseCommandLine(int argc, char** argv, CommandLine& options, std::string& error) {
  options = CommandLine{};
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    // Flags that take a value read it from the next argument.
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        error = flag + " needs a value";
        return false;
      }
      out = argv[++i];
      return true;
    };
    auto intValue = [&](int& out, int min, int max) {
      std::string text;
      if (!value(text)) return false;
      if (!ParseInt(text, out) || out < min || out > max) {
        error = "bad value for " + flag + ": '" + text + "'";
        return false;
      }
      return true;
    };
    int number = 0;
    std::string text;
    if (flag == "--mode") {
      if (!intValue(number, 1, 8)) return false;
      options.mode = number;
    } else if (flag == "--headless") {
      options.headless = true;
    } else if (flag == "--frames") {
      if (!intValue(options.frames, 0, 2147483647)) return false;
    } else if (flag == "--seed") {
      if (!intValue(number, -2147483647 - 1, 2147483647)) return false;
      options.seed = number;
    } else if (flag == "--screenshot") {
      if (!value(text)) return false;
      const size_t colon = text.find(':');
      Screenshot shot;
      if (colon == std::string::npos || !ParseInt(text.substr(0, colon), shot.frame) ||
          shot.frame < 0 || colon + 1 == text.size()) {
        error = "bad value for --screenshot: '" + text + "' (expected FRAME:PATH)";
        return false;
      }
      shot.path = text.substr(colon + 1);
      options.screenshots.push_back(shot);
    } else if (flag == "--input") {
      if (!value(options.inputScript)) return false;
    } else if (flag == "--record") {
      if (!value(options.recordPath)) return false;
    } else if (flag == "--replay") {
      if (!value(options.replayPath)) return false;
    } else if (flag == "--trace") {
      if (!value(options.tracePath)) return false;
    } else if (flag == "--no-draw") {
      options.noDraw = true;
    } else if (flag == "--practice") {
      options.practice = true;
    } else if (flag == "--difficulty") {
      if (!value(text)) return false;
      options.difficulty.reset();
      for (int level = 0; level < static_cast<int>(std::size(kDifficultyNames)); ++level) {
        if (text == kDifficultyNames[level]) options.difficulty = level;
      }
      if (!options.difficulty) {
        error = "bad value for --difficulty: '" + text + "' (expected easy, normal or hard)";
        return false;
      }
    } else if (flag == "--help" || flag == "-h") {
      options.help = true;
    } else {
      error = "unknown flag '" + flag + "'";
      return false;
    }
  }
  if (!options.inputScript.empty() && !options.replayPath.empty()) {
    error = "--input and --replay cannot be used together";
    return false;
  }
  if (!options.recordPath.empty() && !options.replayPath.empty()) {
    error = "--record and --replay cannot be used together";
    return false;
  }
  if (options.headless && !options.mode) options.mode = 1;
  return true;
}
