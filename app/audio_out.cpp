#include "app/audio_out.h"

#include <algorithm>
#include <limits>

#include "files/little_endian.h"

namespace {

constexpr int kChannels = 2;
constexpr int kBytesPerFrame = kChannels * static_cast<int>(sizeof(int16_t));
constexpr uint32_t kHeaderBytes = 44;
// The header's sizes are 32-bit: past this a WAV cannot say how long it is (about 6.7 hours).
constexpr uint64_t kMostFrames =
    (std::numeric_limits<uint32_t>::max() - kHeaderBytes) / kBytesPerFrame;

void AppendTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

void AppendUint16Le(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

}  // namespace

std::vector<uint8_t> WavHeader(uint64_t frames) {
  const auto dataBytes = static_cast<uint32_t>(std::min(frames, kMostFrames) * kBytesPerFrame);
  std::vector<uint8_t> out;
  out.reserve(kHeaderBytes);
  AppendTag(out, "RIFF");
  AppendUint32Le(out, kHeaderBytes - 8 + dataBytes);
  AppendTag(out, "WAVE");
  AppendTag(out, "fmt ");
  AppendUint32Le(out, 16);
  AppendUint16Le(out, 1);  // PCM
  AppendUint16Le(out, kChannels);
  AppendUint32Le(out, kCaptureRate);
  AppendUint32Le(out, kCaptureRate * kBytesPerFrame);
  AppendUint16Le(out, kBytesPerFrame);
  AppendUint16Le(out, 16);
  AppendTag(out, "data");
  AppendUint32Le(out, dataBytes);
  return out;
}

AudioOut::~AudioOut() {
  if (file_.IsOpen()) StopAudioCapture();
}

bool AudioOut::Open(const std::string& path, std::string& error) {
  if (!file_.Open(path) || !file_.Write(WavHeader(0))) {
    error = file_.Error();
    file_.Abandon();
    return false;
  }
  StartAudioCapture();
  block_.resize(static_cast<size_t>(kAudioFramesPerGameFrame) * kChannels);
  return true;
}

void AudioOut::Frame() {
  if (!file_.IsOpen() || !error_.empty()) return;
  if (frames_ + kAudioFramesPerGameFrame > kMostFrames) {
    error_ = "the run is too long for a WAV file; its sound stops after " +
             std::to_string(frames_ / kCaptureRate) + " s";
    return;
  }
  CaptureAudio(block_.data(), kAudioFramesPerGameFrame);
  bytes_.clear();
  for (const int16_t sample : block_) {
    const auto bits = static_cast<uint16_t>(sample);
    bytes_.push_back(static_cast<uint8_t>(bits));
    bytes_.push_back(static_cast<uint8_t>(bits >> 8));
  }
  if (!file_.Write(bytes_)) {
    error_ = file_.Error();
    return;
  }
  frames_ += kAudioFramesPerGameFrame;
}

bool AudioOut::Close(std::string& error) {
  if (!file_.IsOpen() && error_.empty()) return true;
  StopAudioCapture();
  // A run that outgrew the format keeps what fits; any failed write loses the file.
  const bool written =
      file_.Error().empty() && file_.WriteAt(0, WavHeader(frames_)) && file_.Commit();
  if (!written) error_ = file_.Error();
  if (error_.empty()) return true;
  error = "sound not saved in full: " + error_;
  return false;
}
