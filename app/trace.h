#pragma once
// The frame trace: one JSON object per frame with the manager's mode, the segment and its step,
// the world view, the heroine's tallies, the music, the list sizes and every character's state,
// written after the frame's update and before its drawing. Tests and bug reports read it.

#include <cstdio>
#include <string>

class TraceWriter {
 public:
  TraceWriter() = default;
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;
  ~TraceWriter();

  // False, with `error` as one line, when the file cannot be created.
  bool Open(const std::string& path, std::string& error);
  bool IsOpen() const { return file_ != nullptr; }
  void WriteFrame(int frame);
  // Flushes and closes; false, with `error`, when something could not be written.
  bool Close(std::string& error);

  // One frame's line, without the newline (also what WriteFrame writes).
  static std::string FrameLine(int frame);

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  std::string line_;
};
