#include "input/binding_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "files/file_io.h"
#include "files/little_endian.h"
#include "input/game_input.h"

namespace {

// The key actions the game reads; 5 to 9 are spare entries it never asks about.
constexpr int kUsedKeyActions[] = {ACTION_ATTACK, ACTION_MAGIC, ACTION_JUMP,
                                   ACTION_DASH,   ACTION_PAUSE, ACTION_LEFT,
                                   ACTION_UP,     ACTION_RIGHT, ACTION_DOWN};
constexpr int kNoKey = 0;

BindingFolder bindingFolder;

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

void SetBindingFolder(const BindingFolder& place) { bindingFolder = place; }

const BindingFolder& CurrentBindingFolder() { return bindingFolder; }

std::string BindingFilePath(const char* file) {
  return bindingFolder.folder.empty() ? std::string(file) : (bindingFolder.folder / file).string();
}

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
  // Anything after the expected integers is not read (a later version may keep more there).
  if (!ReadFileBytes(path, bytes, size, &why)) return BindingFileRead::Unreadable;
  if (bytes.size() < size) {
    why = "too short";
    return BindingFileRead::Unusable;
  }
  for (size_t i = 0; i < values.size(); ++i) values[i] = LoadInt32Le(&bytes[i * sizeof(int32_t)]);
  if (static_cast<uintmax_t>(info.st_size) > size) {
    why = std::to_string(info.st_size) + " bytes where " + std::to_string(size) + " are expected";
  }
  return BindingFileRead::Read;
}

bool WriteBindingFile(const std::string& path, std::span<const int32_t> values,
                      std::string* error) {
  std::vector<uint8_t> bytes;
  bytes.reserve(values.size() * sizeof(int32_t));
  for (int32_t value : values) AppendInt32Le(bytes, value);
  return WriteFileAtomically(path, bytes, error);
}

namespace {

// The bindings of the run under way; none outside a run (a test of one screen reads the files).
struct HeldBindings {
  BindingTables tables;
  bool inMemoryOnly = false;
};
std::optional<HeldBindings> held;

}  // namespace

void HoldRunBindings(const BindingTables& tables, bool inMemoryOnly) {
  held = HeldBindings{tables, inMemoryOnly};
}

void ReleaseRunBindings() { held.reset(); }

BindingTables ReadBindingTables() {
  TGameInput fresh;
  fresh.Init(0, INPUT_BOTH);
  for (const std::string& warning : ReadBindingFiles(fresh).warnings) {
    std::fprintf(stderr, "talvenne: %s\n", warning.c_str());
  }
  return {fresh.Gamepad, fresh.Keyboard};
}

void LoadBindings(TGameInput& input) {
  const BindingTables tables = held ? held->tables : ReadBindingTables();
  input.Gamepad = tables.pad;
  input.Keyboard = tables.keys;
}

namespace {

// One table of the run's bindings saved: held for the rest of the run, and written to its file
// unless the run keeps its bindings in memory only (a replay).
bool SaveBindings(ActionArray BindingTables::*table, const ActionArray& values, const char* file,
                  size_t count, std::string* error) {
  if (held) held->tables.*table = values;
  if (held && held->inMemoryOnly) return true;
  if (!bindingFolder.used) {
    if (error) *error = "there is no folder to keep the bindings in";
    return false;
  }
  return WriteBindingFile(BindingFilePath(file), std::span(values).first(count), error);
}

}  // namespace

bool WritePadBindings(const TGameInput& input, std::string* error) {
  return SaveBindings(&BindingTables::pad, input.Gamepad, kPadBindingFile, kPadBindingCount, error);
}

bool WriteKeyBindings(const TGameInput& input, std::string* error) {
  return SaveBindings(&BindingTables::keys, input.Keyboard, kKeyBindingFile, kKeyBindingCount,
                      error);
}

BindingFilesRead ReadBindingFiles(TGameInput& input) {
  TGameInput defaults = input;
  defaults.SetDefaultConfig();
  defaults.Keyboard[ACTION_PAUSE] = kDefaultPauseKey;
  static constexpr int kUsedPadActions[] = {0, 1, 2, 3, 4};
  if (!bindingFolder.used) {
    input.Gamepad = defaults.Gamepad;
    input.Keyboard = defaults.Keyboard;
    return {};
  }

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
    const std::string path = BindingFilePath(part.file);
    BindingFileRead state = ReadBindingFile(path, std::span(read).first(part.count), why);
    if (state == BindingFileRead::Read) {
      const std::string damage = TableDamage(read, part.used, part.zeroIsNoCode, part.range);
      if (damage.empty()) {
        part.bindings = read;
        if (!why.empty()) {
          result.warnings.push_back(path + ": " + why + "; playing with the " +
                                    std::to_string(part.count) +
                                    " bindings it begins with, the file left as it is");
        }
        continue;
      }
      why = damage;
      state = BindingFileRead::Unusable;
    }
    part.bindings = part.builtIn;
    const std::string& file = path;
    if (state == BindingFileRead::Unreadable) {
      part.kept = true;
      result.warnings.push_back(file + ": cannot be read (" + why +
                                "); playing with the built-in bindings, the file left alone");
      continue;
    }
    part.replaced = true;
    const std::string what =
        state == BindingFileRead::Missing ? file + ": not found" : file + ": damaged (" + why + ")";
    result.warnings.push_back(what + "; playing with the built-in bindings, " +
                              (part.write(input, nullptr) ? "the file written anew"
                                                          : "the file could not be written anew"));
  }
  return result;
}
