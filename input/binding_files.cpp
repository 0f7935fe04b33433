#include "input/binding_files.h"

#include <vector>

#include "input/file_io.h"
#include "input/game_input.h"
#include "input/little_endian.h"

bool ReadBindingFile(const std::string& path, std::span<int32_t> values) {
  const size_t size = values.size() * sizeof(int32_t);
  std::vector<uint8_t> bytes;
  // Anything after the expected integers is ignored.
  if (!ReadFileBytes(path, bytes, size) || bytes.size() < size) return false;
  for (size_t i = 0; i < values.size(); ++i) values[i] = LoadInt32Le(&bytes[i * sizeof(int32_t)]);
  return true;
}

bool WriteBindingFile(const std::string& path, std::span<const int32_t> values) {
  std::vector<uint8_t> bytes;
  bytes.reserve(values.size() * sizeof(int32_t));
  for (int32_t value : values) AppendInt32Le(bytes, value);
  return WriteFileAtomically(path, bytes);
}

bool WritePadBindings(const TGameInput& input) {
  return WriteBindingFile(kPadBindingFile, std::span(input.Gamepad).first<kPadBindingCount>());
}

bool WriteKeyBindings(const TGameInput& input) {
  return WriteBindingFile(kKeyBindingFile, std::span(input.Keyboard).first<kKeyBindingCount>());
}

BindingFilesRead ReadBindingFiles(TGameInput& input) {
  TGameInput defaults = input;
  defaults.SetDefaultConfig();
  defaults.Keyboard[ACTION_PAUSE] = kDefaultPauseKey;

  // Each file stands on its own: a broken pad file does not throw away good key bindings.
  BindingFilesRead result;
  if (!ReadBindingFile(kPadBindingFile, std::span(input.Gamepad).first<kPadBindingCount>())) {
    input.Gamepad = defaults.Gamepad;
    WritePadBindings(input);
    result.padReplaced = true;
  }
  if (!ReadBindingFile(kKeyBindingFile, std::span(input.Keyboard).first<kKeyBindingCount>())) {
    input.Keyboard = defaults.Keyboard;
    WriteKeyBindings(input);
    result.keyReplaced = true;
  }
  return result;
}
