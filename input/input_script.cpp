// Input scripts: plain text, one device change per line, by frame number (see README.md).

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

#include "files/file_io.h"
#include "files/quoted.h"
#include "input/device_changes.h"

namespace {

// A malformed line; caught once at the top and turned into "PATH:LINE: what".
struct ScriptError {
  std::string what;
};

// No line of a script needs more; a longer one is not a script.
constexpr size_t kMaxLineBytes = 4096;

// The words of one line, read left to right.
class LineReader {
 public:
  explicit LineReader(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('#')));
    for (std::string word; words >> word;) words_.push_back(word);
  }
  bool Empty() const { return words_.empty(); }

  const std::string& Next(const char* expected) {
    if (next_ == words_.size()) throw ScriptError{std::string("missing ") + expected};
    return words_[next_++];
  }
  int NextInt(const char* expected, int min, int max) {
    const std::string& word = Next(expected);
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < min || value > max) {
      throw ScriptError{std::string(expected) + " must be a whole number from " +
                        std::to_string(min) + " to " + std::to_string(max) + ", got " +
                        Quoted(word)};
    }
    return value;
  }
  float NextAxisValue() {
    const std::string& word = Next("axis value");
    // "+0.5" is as plain a number as "0.5"; a second sign is not.
    const bool plus = word.size() > 1 && word[0] == '+' && word[1] != '-' && word[1] != '+';
    const char* first = word.data() + (plus ? 1 : 0);
    const char* last = word.data() + word.size();
    float value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
      // Too small for a float (1e-50): it is the float nearest it, 0 or nearly.
      double wide = 0;
      const auto retry = std::from_chars(first, last, wide);
      if (retry.ec == std::errc() && std::fabs(wide) < 1) {
        value = static_cast<float>(wide);
        end = retry.ptr;
        error = std::errc();
      }
    }
    if (error != std::errc() || end != last || !(value >= -1.0f && value <= 1.0f)) {
      throw ScriptError{"axis value must be a number from -1 to 1, got " + Quoted(word)};
    }
    return value;
  }
  // Index of the word among `choices`.
  template <size_t N>
  int NextChoice(const char* expected, const std::array<const char*, N>& choices) {
    const std::string& word = Next(expected);
    for (size_t i = 0; i < N; ++i) {
      if (word == choices[i]) return static_cast<int>(i);
    }
    std::string list;
    for (size_t i = 0; i < N; ++i)
      list += (i ? (i + 1 == N ? " or " : ", ") : "") + Quoted(choices[i]);
    throw ScriptError{"expected " + list + " as " + expected + ", got " + Quoted(word)};
  }
  void ExpectEnd() {
    if (next_ < words_.size()) throw ScriptError{"unexpected " + Quoted(words_[next_])};
  }

 private:
  std::vector<std::string> words_;
  size_t next_ = 0;
};

constexpr std::array<const char*, 2> kUpDown = {"down", "up"};

bool NextDown(LineReader& line) { return line.NextChoice("state", kUpDown) == 0; }

// How a pad is first named decides whether it is plugged in from the start.
struct FirstMention {
  int frame = -1;
  bool byConnect = false;
};

class ScriptParser {
 public:
  void ParseLine(const std::string& text) {
    LineReader line(text);
    if (line.Empty()) return;
    const int frame = line.NextInt("frame", 0, std::numeric_limits<int>::max());
    if (line.NextChoice("device", std::array{"key", "pad"}) == 0) {
      const auto code = static_cast<uint8_t>(line.NextInt("key code", 1, 255));
      changes_.push_back({.frame = frame, .code = code, .down = NextDown(line)});
    } else {
      ParsePad(line, frame);
    }
    line.ExpectEnd();
  }

  std::unique_ptr<DeviceFeed> MakeFeed() {
    // Later lines may name earlier frames; within a frame the file's order holds.
    std::stable_sort(
        changes_.begin(), changes_.end(),
        [](const DeviceChange& a, const DeviceChange& b) { return a.frame < b.frame; });
    DeviceState initial;
    for (int port = 0; port < kMaxRecordedPads; ++port) {
      initial.pads[port].connected =
          firstMention_[port].frame >= 0 && !firstMention_[port].byConnect;
    }
    return MakeChangeFeed(initial, std::move(changes_));
  }

 private:
  void ParsePad(LineReader& line, int frame) {
    const auto port = static_cast<uint8_t>(line.NextInt("pad port", 0, kMaxRecordedPads - 1));
    enum PadWord { BUTTON, AXIS, CONNECT, DISCONNECT };
    const int what =
        line.NextChoice("pad change", std::array{"button", "axis", "connect", "disconnect"});
    FirstMention& first = firstMention_[port];
    if (first.frame < 0 || frame < first.frame) first = {frame, what == CONNECT};
    switch (what) {
      case BUTTON: {
        const auto button = static_cast<uint8_t>(line.NextInt("button", 0, 31));
        PlugIn(frame, port);
        changes_.push_back({.frame = frame,
                            .kind = ChangeKind::Button,
                            .code = port,
                            .button = button,
                            .down = NextDown(line)});
        break;
      }
      case AXIS: {
        const bool isX = line.NextChoice("axis", std::array{"x", "y"}) == 0;
        const float value = line.NextAxisValue();
        PlugIn(frame, port);
        changes_.push_back({.frame = frame,
                            .kind = isX ? ChangeKind::AxisX : ChangeKind::AxisY,
                            .code = port,
                            .value = value});
        break;
      }
      case CONNECT:
        PlugIn(frame, port);
        break;
      case DISCONNECT:
        changes_.push_back({.frame = frame, .kind = ChangeKind::Unplug, .code = port});
        break;
    }
  }
  // Pressing a button or moving the stick of a pulled pad plugs it back in.
  void PlugIn(int frame, uint8_t port) {
    changes_.push_back({.frame = frame, .kind = ChangeKind::Connected, .code = port, .down = true});
  }

  std::vector<DeviceChange> changes_;
  std::array<FirstMention, kMaxRecordedPads> firstMention_{};
};

}  // namespace

std::unique_ptr<DeviceFeed> OpenInputScript(const std::string& path, std::string& error) {
  InputFile file;
  if (!file.Open(path)) {
    error = file.Error();
    return nullptr;
  }
  ScriptParser parser;
  int lineNumber = 0;
  for (std::string text; file.ReadLine(text, kMaxLineBytes);) {
    ++lineNumber;
    // Editors that save "UTF-8 with BOM" put one in front of the first line.
    if (lineNumber == 1 && text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    if (file.Consumed() > kMaxInputFileBytes) {
      error = path + ": an input script may not be larger than " +
              std::to_string(kMaxInputFileBytes >> 20) + " MB";
      return nullptr;
    }
    try {
      parser.ParseLine(text);
    } catch (const ScriptError& bad) {
      error = path + ":" + std::to_string(lineNumber) + ": " + bad.what;
      return nullptr;
    }
  }
  if (!file.Error().empty()) {
    error = file.Error();
    error += " (line " + std::to_string(lineNumber + 1) + ")";
    return nullptr;
  }
  return parser.MakeFeed();
}
