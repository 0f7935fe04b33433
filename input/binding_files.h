#pragma once
// The binding files beside the game: "ConfigPad.set" holds the pad buttons of Attack/Start,
// Magic, Jump, Dash and Pause, "ConfigKey.set" the key codes of all 14 actions. Both are bare
// signed 32-bit little-endian integers in action order, no header.

#include <cstdint>
#include <span>
#include <string>

class TGameInput;

inline constexpr char kPadBindingFile[] = "ConfigPad.set";
inline constexpr char kKeyBindingFile[] = "ConfigKey.set";
inline constexpr char kDebugBindingFile[] = "test.con";
constexpr int kPadBindingCount = 5;
constexpr int kKeyBindingCount = 14;
// The built-in table binds no key to Pause; P is the one the game falls back on.
constexpr int32_t kDefaultPauseKey = 80;

struct BindingFilesRead {
  bool padReplaced = false;  // "ConfigPad.set" was unusable and has been rewritten
  bool keyReplaced = false;  // likewise "ConfigKey.set"
};

// Reads "ConfigPad.set" into Gamepad 0 to 4 and "ConfigKey.set" into Keyboard 0 to 13 of
// `input`, from the working directory. Codes are taken as they are: one that names no key or
// button simply never reads as down. A file that is missing, unreadable or too short leaves
// its part of `input` on the built-in bindings (Pause on P) and is written anew from them, so
// the game always starts playable.
BindingFilesRead ReadBindingFiles(TGameInput& input);

// What the configuration screens call once the player has rebound the controls. False when the
// file could not be written; the old file is then left as it was.
bool WritePadBindings(const TGameInput& input);
bool WriteKeyBindings(const TGameInput& input);

// One binding file: false, with `values` untouched, unless the file holds at least
// values.size() integers.
bool ReadBindingFile(const std::string& path, std::span<int32_t> values);
bool WriteBindingFile(const std::string& path, std::span<const int32_t> values);
