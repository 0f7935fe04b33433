#pragma once
// What the audio and music tests share: small Ogg Vorbis files made at test time (so they never
// depend on the game's own music), a fresh headless platform, and a look at a channel's voice.

#include <filesystem>
#include <vector>

#include "platform/audio_internal.h"
#include "platform/system.h"

// A sine tone, amplitude 0..1 of full scale.
std::vector<float> SineTone(int rate, int frames, float frequency, float amplitude);
// Left and right tones of equal length made into one interleaved stereo stream.
std::vector<float> Interleave(const std::vector<float>& left, const std::vector<float>& right);

// Encodes interleaved samples (-1..1) as Ogg Vorbis. False when the encoder or the file refuse.
bool WriteOggVorbis(const std::filesystem::path& path, int rate, int channels,
                    const std::vector<float>& samples);

// A fresh folder under the system's temporary folder, removed when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Restarts the platform on the headless back end, the audio driver not yet chosen. Returns a
// 60 Hz frame timer, or null when SDL would not start (PlatformError() says why).
TTimer* RestartHeadless();

// A copy of the channel's voice; without one an idle voice at position -1 and gain -1, so that a
// failing case reports instead of crashing.
platform_detail::Voice VoiceOf(const ChannelPtr& channel);
