#pragma once
// Where a frame's keyboard and pad state comes from when it is not the live devices: an input
// script, a recording being replayed, or live devices being recorded.

#include <memory>
#include <optional>
#include <string>

#include "input/binding_files.h"
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
  // The frames a replay holds: the run ends with them. Nothing for a feed without an end.
  virtual std::optional<int> Frames() const { return std::nullopt; }
};

// Everything besides the devices that a run's course depends on, read from outside when it
// starts: a recording carries it, so that its replay is the same run on any machine.
struct RecordedRun {
  int seed = 0;
  int screenMode = 1;             // 1 to 8: the size of the screen moves the game's lines
  std::optional<int> difficulty;  // as given by --difficulty (0 Easy to 2 Hard), if it was
  bool practice = false;          // the run opened in the practice yard
  BindingTables bindings;         // the keyboard and pad bindings in force at the start
  bool operator==(const RecordedRun&) const = default;
};

// A plain-text script of device changes by frame number. On a malformed line returns nullptr
// and sets `error` to one line naming the file and line number.
std::unique_ptr<DeviceFeed> OpenInputScript(const std::string& path, std::string& error);
// A recording made by OpenRecorder; `run` receives what it was recorded with. A recording whose
// run did not finish (a crash, a kill, a full disk) replays up to its last whole block, with one
// line on standard error and in the log; any other damage refuses it, `error` saying what.
std::unique_ptr<DeviceFeed> OpenReplay(const std::string& path, RecordedRun& run,
                                       std::string& error);
// Records every frame's device state (from `source`, or the live devices when it is null)
// together with `run` into `path`. Recording live devices also overrides them with the state
// captured for the frame, so that the run sees exactly what its replay will. With `asItGoes`
// the file has its name from the start (the flight recording), instead of once complete.
// Finishing it finishes `source` too. On failure `source` stays with the caller.
std::unique_ptr<DeviceFeed> OpenRecorder(const std::string& path, const RecordedRun& run,
                                         std::unique_ptr<DeviceFeed>&& source, std::string& error,
                                         bool asItGoes = false);
