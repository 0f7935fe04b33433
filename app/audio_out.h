#pragma once
// The run's mix written to a WAV file (--audio-out): 16-bit, 44.1 kHz, stereo, exactly one game
// frame's share of sample frames per frame of the loop, so that a run's sound repeats as its
// trace does. The file is written under a temporary name and takes its own at the end.

#include <cstdint>
#include <string>
#include <vector>

#include "files/file_io.h"
#include "platform/audio.h"

// The game runs at 60 frames per second.
constexpr int kAudioFramesPerGameFrame = kCaptureRate / 60;
static_assert(kAudioFramesPerGameFrame * 60 == kCaptureRate);

class AudioOut {
 public:
  AudioOut() = default;
  AudioOut(const AudioOut&) = delete;
  AudioOut& operator=(const AudioOut&) = delete;
  ~AudioOut();

  // Creates the temporary file and starts capturing the mix. False with `error` as one line.
  bool Open(const std::string& path, std::string& error);
  // Mixes and writes one game frame of sound. A failed write is kept for Close to report.
  void Frame();
  // Fills in the header and gives the file its name. False with `error` when any write failed.
  bool Close(std::string& error);
  bool IsOpen() const { return file_.IsOpen(); }

 private:
  AtomicFile file_;
  uint64_t frames_ = 0;  // sample frames written
  std::vector<int16_t> block_;
  std::vector<uint8_t> bytes_;
  std::string error_;
};

// The 44-byte header of a WAV file of 16-bit stereo PCM at kCaptureRate holding `frames`.
std::vector<uint8_t> WavHeader(uint64_t frames);
