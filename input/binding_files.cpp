#include "input/binding_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "input/file_io.h"
#include "input/game_input.h"
#include "input/little_endian.h"

namespace {

// The key actions the game reads; 5 to 9 are spare entries it never asks about.
constexpr int kUsedKeyActions[] = {ACTION_ATTACK, ACTION_MAGIC, ACTION_JUMP,
                                   ACTION_DASH,   ACTION_PAUSE, ACTION_LEFT,
                                   ACTION_UP,     ACTION_RIGHT, ACTION_DOWN};
constexpr int kNoKey = 0;

// The codes a table may give its used actions: anything else no key or button ever sends, and
// a table of such codes (random bytes, say) leaves the player with no control at all.
struct CodeRange {
  int32_t lowest, highest;
  const char* what;
};
constexpr CodeRange kKeyCodes = {1, 255, "key codes are 1 to 255"};
constexpr CodeRange kPadButtons = {0, 31, "pad buttons are 0 to 31"};

// What makes a table unplayable, or empty when it is not: an action with no key, a code outside
// the range, or one key or button that two actions would fight over.
std::string TableDamage(std::span<const int32_t> values, std::span<const int> used,
                        bool zeroIsNoCode, const CodeRange& range) {
  for (size_t i = 0; i < used.size(); ++i) {
    const int32_t code = values[used[i]];
    if (zeroIsNoCode && code == kNoKey) return "action " + std::to_string(used[i]) + " has no key";
    if (code < range.lowest || code > range.highest) {
      return "action " + std::to_string(used[i]) + " has code " + std::to_string(code) + "; " +
             range.what;
    }
    for (size_t j = 0; j < i; ++j) {
      if (values[used[j]] == code) {
        return "actions " + std::to_string(used[j]) + " and " + std::to_string(used[i]) +
               " share code " + std::to_string(code);
      }
    }
  }
  return {};
}

}  // namespace

BindingFileRead ReadBindingFile(const std::string& path, std::span<int32_t> values,
                                std::string& why) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    why = std::strerror(errno);
    return errno == ENOENT ? BindingFileRead::Missing : BindingFileRead::Unreadable;
  }
  // Root reads anything; a file nobody may read is still kept from us by its owner.
  if (!S_ISREG(info.st_mode) || (info.st_mode & 0444) == 0 || access(path.c_str(), R_OK) != 0) {
    why = S_ISREG(info.st_mode) ? "no permission to read it" : "not a regular file";
    return BindingFileRead::Unreadable;
  }
  const size_t size = values.size() * sizeof(int32_t);
  std::vector<uint8_t> bytes;
  // Anything after the expected integers is ignored.
  if (!ReadFileBytes(path, bytes, size, &why)) return BindingFileRead::Unreadable;
  if (bytes.size() < size) {
    why = "too short";
    return BindingFileRead::Unusable;
  }
  for (size_t i = 0; i < values.size(); ++i) values[i] = LoadInt32Le(&bytes[i * sizeof(int32_t)]);
  return BindingFileRead::Read;
}

bool WriteBindingFile(const std::string& path, std::span<const int32_t> values,
                      std::string* error) {
  std::vector<uint8_t> bytes;
  bytes.reserve(values.size() * sizeof(int32_t));
  for (int32_t value : values) AppendInt32Le(bytes, value);
  return WriteFileAtomically(path, bytes, error);
}

bool WritePadBindings(const TGameInput& input, std::string* error) {
  return WriteBindingFile(kPadBindingFile, std::span(input.Gamepad).first<kPadBindingCount>(),
                          error);
}

bool WriteKeyBindings(const TGameInput& input, std::string* error) {
  return WriteBindingFile(kKeyBindingFile, std::span(input.Keyboard).first<kKeyBindingCount>(),
                          error);
}

BindingFilesRead ReadBindingFiles(TGameInput& input) {
  TGameInput defaults = input;
  defaults.SetDefaultConfig();
  defaults.Keyboard[ACTION_PAUSE] = kDefaultPauseKey;
  static constexpr int kUsedPadActions[] = {0, 1, 2, 3, 4};

  // Each file stands on its own: a broken pad file does not throw away good key bindings.
  BindingFilesRead result;
  struct Part {
    const char* file;
    ActionArray& bindings;
    const ActionArray& builtIn;
    int count;
    std::span<const int> used;
    bool zeroIsNoCode;
    const CodeRange& range;
    bool (*write)(const TGameInput&, std::string*);
    bool& replaced;
    bool& kept;
  };
  const Part parts[] = {
      {kPadBindingFile, input.Gamepad, defaults.Gamepad, kPadBindingCount, kUsedPadActions, false,
       kPadButtons, WritePadBindings, result.padReplaced, result.padKept},
      {kKeyBindingFile, input.Keyboard, defaults.Keyboard, kKeyBindingCount, kUsedKeyActions, true,
       kKeyCodes, WriteKeyBindings, result.keyReplaced, result.keyKept},
  };
  for (const Part& part : parts) {
    ActionArray read = part.bindings;
    std::string why;
    BindingFileRead state = ReadBindingFile(part.file, std::span(read).first(part.count), why);
    if (state == BindingFileRead::Read) {
      why = TableDamage(read, part.used, part.zeroIsNoCode, part.range);
      if (why.empty()) {
        part.bindings = read;
        continue;
      }
      state = BindingFileRead::Unusable;
    }
    part.bindings = part.builtIn;
    if (state == BindingFileRead::Unreadable) {
      part.kept = true;
      result.warnings.push_back(std::string(part.file) + ": cannot be read (" + why +
                                "); playing with the built-in bindings, the file left alone");
    } else {
      part.replaced = true;
      part.write(input, nullptr);
      if (state != BindingFileRead::Missing) {
        result.warnings.push_back(std::string(part.file) + ": damaged (" + why +
                                  "); playing with the built-in bindings, the file written anew");
      }
    }
  }
  return result;
}
