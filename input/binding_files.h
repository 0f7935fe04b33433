#pragma once
// The binding files beside the game: "ConfigPad.set" holds the pad buttons of Attack/Start,
// Magic, Jump, Dash and Pause, "ConfigKey.set" the key codes of all 14 actions. Both are bare
// signed 32-bit little-endian integers in action order, no header.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "input/game_input.h"

inline constexpr char kPadBindingFile[] = "ConfigPad.set";
inline constexpr char kKeyBindingFile[] = "ConfigKey.set";
inline constexpr char kDebugBindingFile[] = "test.con";
constexpr int kPadBindingCount = 5;
constexpr int kKeyBindingCount = 14;
// The built-in table binds no key to Pause; P is the one the game falls back on.
constexpr int32_t kDefaultPauseKey = 80;

// Where the two files are kept. A game run from its build tree keeps them in the working folder
// (an empty `folder`); an installed one in its folder under the player's configuration folder.
// With `used` false the run has no place for them: it plays on the built-in bindings and neither
// reads nor writes a binding file.
struct BindingFolder {
  bool used = true;
  std::filesystem::path folder;
};
void SetBindingFolder(const BindingFolder& place);
const BindingFolder& CurrentBindingFolder();
// The path of one binding file in the current folder.
std::string BindingFilePath(const char* file);

struct BindingFilesRead {
  bool padReplaced = false;           // "ConfigPad.set" was unusable and has been rewritten
  bool keyReplaced = false;           // likewise "ConfigKey.set"
  bool padKept = false;               // "ConfigPad.set" could not be read, and is left alone
  bool keyKept = false;               // likewise "ConfigKey.set"
  std::vector<std::string> warnings;  // one line for each file not read exactly as it is
};

// Reads "ConfigPad.set" into Gamepad 0 to 4 and "ConfigKey.set" into Keyboard 0 to 13 of
// `input`, from the binding folder. Codes are taken as they are: one that names no key or
// button simply never reads as down. Either way the game starts playable, on the built-in
// bindings (Pause on P) for a file that is not usable:
// - missing, too short, or damaged (a used key action on code 0, or two used actions on one key
//   or button; the spare keys 5 to 9 are not judged): written anew from the built-in bindings;
// - there but not readable (no read permission, not a regular file): the player's own file,
//   which the game cannot see and so never replaces;
// - longer than its table: read as far as the table goes and left as it is.
// Each file not read exactly as it is gets one line in `warnings`, naming it and what was done.
BindingFilesRead ReadBindingFiles(TGameInput& input);

// Both tables of a TGameInput as they were when a run started: what a recording carries.
struct BindingTables {
  ActionArray pad{};
  ActionArray keys{};
  bool operator==(const BindingTables&) const = default;
};

// A run reads its bindings once, at its start, and holds them to its end: the title takes them
// from here and the configuration screens change them here, and in the files too unless
// `inMemoryOnly` (a replay plays with the bindings it carries and leaves the player's files
// alone). Nothing is held outside a run (a test of one screen); then LoadBindings reads the
// files each time.
void HoldRunBindings(const BindingTables& tables, bool inMemoryOnly);
void ReleaseRunBindings();
// The tables the files give a fresh input, with each warning on standard error.
BindingTables ReadBindingTables();
// Puts the held bindings (read from the files first when none are held) into `input`.
void LoadBindings(TGameInput& input);

// What the configuration screens call once the player has rebound the controls: the held
// bindings change, and the file is written unless they are held in memory only. False when the
// file could not be written; the old file is then left as it was.
bool WritePadBindings(const TGameInput& input);
bool WriteKeyBindings(const TGameInput& input);

enum class BindingFileRead { Read, Missing, Unusable, Unreadable };
// One binding file: `values` is untouched unless the file holds at least values.size()
// integers. `why` says what was wrong with an unusable or unreadable one, or, with Read, that
// the file holds more than the table.
BindingFileRead ReadBindingFile(const std::string& path, std::span<int32_t> values,
                                std::string& why);
bool WriteBindingFile(const std::string& path, std::span<const int32_t> values);
