#pragma once
// Device state as a list of changes by frame: what input scripts are parsed into and what
// recordings store, played back by one feed.

#include <cstdint>
#include <memory>
#include <vector>

#include "input/device_feed.h"

enum class ChangeKind : uint8_t {
  Key,        // code, down
  Button,     // port, button, down
  AxisX,      // port, value
  AxisY,      // port, value
  Connected,  // port, down = plugged in; only the flag changes
  Unplug,     // port: pulled out, so released and centred
  Focus,      // down = the window lost the focus, up = it has it back
};

// Twelve bytes: a replayed recording holds one for every two or more bytes of its file.
struct DeviceChange {
  int32_t frame = 0;
  ChangeKind kind = ChangeKind::Key;
  uint8_t code = 0;  // key code, or pad port
  uint8_t button = 0;
  bool down = false;
  float value = 0;
};
static_assert(sizeof(DeviceChange) == 12);

void ApplyChange(DeviceState& state, const DeviceChange& change);

// Appends the changes that turn `from` into `to`, all at `frame`. Applying them to `from`
// gives `to` bit for bit.
void AppendChanges(const DeviceState& from, const DeviceState& to, int frame,
                   std::vector<DeviceChange>& changes);

// Plays `changes` (sorted by frame) over `initial`: BeginFrame applies every change up to its
// frame and points the device override at the result.
std::unique_ptr<DeviceFeed> MakeChangeFeed(const DeviceState& initial,
                                           std::vector<DeviceChange> changes);
