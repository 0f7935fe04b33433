#pragma once
// The binding files beside the game: "ConfigPad.set" holds the pad buttons of Attack/Start,
// Magic, Jump, Dash and Pause, "ConfigKey.set" the key codes of all 14 actions. Both are bare
// signed 32-bit little-endian integers in action order, no header.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TGameInput;

inline constexpr char kPadBindingFile[] = "ConfigPad.set";
inline constexpr char kKeyBindingFile[] = "ConfigKey.set";
inline constexpr char kDebugBindingFile[] = "test.con";
constexpr int kPadBindingCount = 5;
constexpr int kKeyBindingCount = 14;
// The built-in table binds no key to Pause; P is the one the game falls back on.
constexpr int32_t kDefaultPauseKey = 80;

struct BindingFilesRead {
  bool padReplaced = false;           // "ConfigPad.set" was unusable and has been rewritten
  bool keyReplaced = false;           // likewise "ConfigKey.set"
  bool padKept = false;               // "ConfigPad.set" could not be read, and is left alone
  bool keyKept = false;               // likewise "ConfigKey.set"
  std::vector<std::string> warnings;  // one line for each file not read as it is, but missing
};

// Reads "ConfigPad.set" into Gamepad 0 to 4 and "ConfigKey.set" into Keyboard 0 to 13 of
// `input`, from the working directory. Either way the game starts playable, on the built-in
// bindings (Pause on P) for a file that is not usable:
// - missing, too short, or damaged (a used key action on code 0 or outside 1 to 255, a pad
//   button outside 0 to 31, or two used actions on one key or button; the spare keys 5 to 9
//   are not judged): written anew from the built-in bindings;
// - there but not readable (no read permission, not a regular file): the player's own file,
//   which the game cannot see and so never replaces.
BindingFilesRead ReadBindingFiles(TGameInput& input);

// What the configuration screens call once the player has rebound the controls. False when the
// file could not be written, with `error` as "FILE: reason"; the old file is then left as it was.
bool WritePadBindings(const TGameInput& input, std::string* error = nullptr);
bool WriteKeyBindings(const TGameInput& input, std::string* error = nullptr);

enum class BindingFileRead { Read, Missing, Unusable, Unreadable };
// One binding file: `values` is untouched unless the file holds at least values.size()
// integers. `why` says what was wrong with an unusable or unreadable one.
BindingFileRead ReadBindingFile(const std::string& path, std::span<int32_t> values,
                                std::string& why);
bool WriteBindingFile(const std::string& path, std::span<const int32_t> values,
                      std::string* error = nullptr);
