#pragma once
// The frame trace: one JSON object per frame with the manager's mode, the segment and its step,
// the world view, the heroine's tallies, the music, the list sizes and every character's state,
// written after the frame's update and before its drawing. Tests and bug reports read it.

#include <string>

#include "files/file_io.h"

class TraceWriter {
 public:
  TraceWriter() = default;
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;
  ~TraceWriter();

  // False, with `error` as one line, when the file may not be written (the rules of every file
  // the game writes: no device, directory, FIFO, socket or read-only file) or cannot be created.
  // The trace goes to a temporary beside it until Close, so that a run that fails to start, or
  // a write that fails, leaves whatever was there as it was.
  bool Open(const std::string& path, std::string& error);
  bool IsOpen() const { return file_.IsOpen(); }
  void WriteFrame(int frame);
  // Writes the rest and gives the trace its name; false, with `error`, when something could not
  // be written.
  bool Close(std::string& error);

  // One frame's line, without the newline (also what WriteFrame writes).
  static std::string FrameLine(int frame);

 private:
  AtomicFile file_;
  bool open_ = false;  // until Close
  std::string line_;
};
