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
};

struct DeviceChange {
  int frame = 0;
  ChangeKind kind = ChangeKind::Key;
  int code = 0;  // key code, or pad port
  int button = 0;
  bool down = false;
  float value = 0;
};

void ApplyChange(DeviceState& state, const DeviceChange& change);

// Appends the changes that turn `from` into `to`, all at `frame`. Applying them to `from`
// gives `to` bit for bit.
void AppendChanges(const DeviceState& from, const DeviceState& to, int frame,
                   std::vector<DeviceChange>& changes);

// Plays `changes` (sorted by frame) over `initial`: BeginFrame applies every change up to its
// frame and points the device override at the result.
std::unique_ptr<DeviceFeed> MakeChangeFeed(const DeviceState& initial,
                                           std::vector<DeviceChange> changes);
