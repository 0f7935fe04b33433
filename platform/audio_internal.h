#pragma once
// The mixer's view of sounds and voices. Shared by platform/audio.cpp and the audio tests, which
// mix by hand to check gain, clamping and resampling; the game only sees platform/audio.h.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio.h"
#include "platform/master_stage.h"

// An Ogg Vorbis file, decoded whole (sound effects) or kept as it is and decoded by each voice
// while it plays (music).
struct TSound {
  std::vector<int16_t> samples;  // the whole sound, interleaved when stereo; empty when streamed
  std::shared_ptr<const std::vector<uint8_t>> encoded;  // the file itself, when streamed
  int channels = 1;                                     // 1 or 2
  int rate = 0;                                         // frames per second
  int64_t frames = 0;                                   // length
  bool loop = false;
  float gain = 1;  // linear: the sound's own level in the mix, whatever channel plays it

  [[nodiscard]] int64_t Frames() const { return frames; }
  [[nodiscard]] bool Streamed() const { return encoded != nullptr; }
};

namespace platform_detail {

// The decoder of one voice of a streamed sound (platform/audio.cpp).
class StreamDecoder;

enum class VoiceState { Idle, Paused, Playing };

// One play of one sound. A channel owns the voice it cued; the mixer's list keeps it sounding
// after a temporary channel has been dropped.
struct Voice {
  SoundPtr sound;
  VoiceState state = VoiceState::Idle;
  double position = 0;  // frames of the sound, fractional while resampling
  float gain = 1;       // linear, from the channel's volume
  bool ended = false;   // went idle by playing to its end, not by being stopped
  bool heard = false;   // taken up by the capture of the mix
  // Silent driver: the clock and the position when the voice last started playing. The position
  // is worked out from these afresh each time, so rounding never piles up over a long piece.
  int anchorMs = 0;
  double anchorPosition = 0;
  // A streamed sound's own decoder, opened by the mixer the first time the voice is heard: the
  // silent driver never decodes at all.
  std::shared_ptr<StreamDecoder> stream;
};
using VoicePtr = std::shared_ptr<Voice>;

// Rate the silent driver mixes at when asked to (only tests ask).
constexpr int kSilentOutputRate = 44100;

// Linear gain of a channel volume: clamped to 0..1, then (1 - v^0.1) x 100 dB of attenuation.
float VolumeToGain(float volume);

// Adds `frames` interleaved stereo frames of every playing voice into `sum` (overwritten, on
// the 16-bit scale, unclamped), resampled to outputRate, and advances the voices; a voice that
// reaches the end of a non-looping sound goes idle.
void SumVoices(const std::vector<VoicePtr>& voices, float* sum, int frames, int outputRate);
// The sum through the master stage: what the device's callback runs.
void MixVoices(const std::vector<VoicePtr>& voices, MasterStage& master, int16_t* out, int frames,
               int outputRate);

// The voice a channel holds, empty when it plays nothing.
VoicePtr ChannelVoice(const ChannelPtr& channel);
// Voices still playing or paused, whoever holds their channels.
int LiveVoiceCount();

}  // namespace platform_detail
