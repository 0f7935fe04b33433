#pragma once
// Where a frame's keyboard and pad state comes from when it is not the live devices: an input
// script, a recording being replayed, or live devices being recorded.

#include <memory>
#include <string>

#include "platform/system.h"

class DeviceFeed {
 public:
  virtual ~DeviceFeed() = default;
  // Called once per frame of the frame loop, right after WaitTimer and before the game update;
  // `frame` counts frame-loop iterations from 0. Sets (or clears) the platform's device
  // override so that every device query of this frame answers from the feed.
  virtual void BeginFrame(int frame) = 0;
  // Called once after the loop ends (flushes recordings).
  virtual void Finish() {}
  // The device state the last BeginFrame handed to the platform.
  virtual const DeviceState& FrameState() const = 0;
  // Empty, or one line saying why the feed failed (a recording that could not be written).
  virtual const std::string& Error() const;
};

// A plain-text script of device changes by frame number. On a malformed line returns nullptr
// and sets `error` to one line naming the file and line number.
std::unique_ptr<DeviceFeed> OpenInputScript(const std::string& path, std::string& error);
// A recording made by OpenRecorder; `seed` receives the seed it was recorded with.
std::unique_ptr<DeviceFeed> OpenReplay(const std::string& path, int& seed, std::string& error);
// Records every frame's device state (from `source`, or the live devices when it is null)
// together with `seed` into `path`. Recording live devices also overrides them with the state
// captured for the frame, so that the run sees exactly what its replay will.
std::unique_ptr<DeviceFeed> OpenRecorder(const std::string& path, int seed,
                                         std::unique_ptr<DeviceFeed> source, std::string& error);
