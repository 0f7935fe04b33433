// Sounds, channels and our own mixer over one SDL2 audio device, or the silent driver.
//
// Sound effects are decoded whole at load time; music is kept encoded and each voice that plays
// it decodes its own way through it. A play or cue makes a voice that the mixer sums into the
// device's stream. Without a device (and always in the headless back end) the silent
// driver moves the same voices along the platform clock, so a channel reports playing for
// exactly as long as it would be heard, and the music keeps its timing in tests.

#include "platform/audio.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/audio_internal.h"
#include "platform/graphics.h"
#include "platform/log.h"
#include "platform/system.h"

using platform_detail::kSilentOutputRate;
using platform_detail::MasterStage;
using platform_detail::Voice;
using platform_detail::VoicePtr;
using platform_detail::VoiceState;

struct TChannel {
  bool kept = false;  // made by AllocChannel; dropping it stops its sound
  float volume = 1;   // 0..1
  VoicePtr voice;

  ~TChannel();
};

namespace {

constexpr int kOutputChannels = 2;
constexpr int kDeviceBufferFrames = 1024;  // about 23 ms at 44.1 kHz
constexpr int kDecodeChunkBytes = 16384;

enum class Driver { Unchosen, Silent, Device };

// The frame-exact mix: every voice it has taken up, each followed at a position of its own from
// where it was taken up, so that it hears every sound whole whatever the driver's timing.
struct HeardVoice {
  VoicePtr voice;
  double position = 0;
  std::shared_ptr<platform_detail::StreamDecoder> stream;
};
struct Capture {
  MasterStage master{kCaptureRate};
  std::vector<HeardVoice> voices;
  std::vector<float> sum;
};

struct MixerState {
  Driver driver = Driver::Unchosen;
  SDL_AudioDeviceID device = 0;
  bool sdlAudioStarted = false;
  int outputRate = kSilentOutputRate;
  // Every voice that may still sound. The device callback reads it; the main thread changes it
  // only under the device lock and drops idle voices in UpdateAudio.
  std::vector<VoicePtr> voices;
  std::unique_ptr<MasterStage> master;  // the device's, made when it opens
  std::unique_ptr<Capture> capture;     // while the mix is written to a file
};

// Never destroyed: channels held by globals may still be released after main returns.
MixerState& Mixer() {
  static auto* state = new MixerState;
  return *state;
}

// Keeps the device's callback out while voices change. A no-op on the silent driver.
class VoiceLock {
 public:
  VoiceLock() : device_(Mixer().device) {
    if (device_) SDL_LockAudioDevice(device_);
  }
  ~VoiceLock() {
    if (device_) SDL_UnlockAudioDevice(device_);
  }
  VoiceLock(const VoiceLock&) = delete;
  VoiceLock& operator=(const VoiceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

// ---- Decoding ----------------------------------------------------------------------------------

struct MemoryReader {
  const std::vector<uint8_t>& bytes;
  size_t offset = 0;
};

size_t ReadMemory(void* into, size_t size, size_t count, void* source) {
  auto* reader = static_cast<MemoryReader*>(source);
  if (size == 0) return 0;
  const size_t available = reader->bytes.size() - reader->offset;
  const size_t length = std::min(size * count, available) / size * size;
  if (length == 0) return 0;
  std::memcpy(into, reader->bytes.data() + reader->offset, length);
  reader->offset += length;
  return length / size;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto* reader = static_cast<MemoryReader*>(source);
  const auto size = static_cast<ogg_int64_t>(reader->bytes.size());
  ogg_int64_t target = offset;
  if (whence == SEEK_CUR)
    target += static_cast<ogg_int64_t>(reader->offset);
  else if (whence == SEEK_END)
    target += size;
  if (target < 0 || target > size) return -1;
  reader->offset = static_cast<size_t>(target);
  return 0;
}

long TellMemory(void* source) {
  return static_cast<long>(static_cast<MemoryReader*>(source)->offset);
}

const ov_callbacks kMemoryCallbacks = {ReadMemory, SeekMemory, nullptr, TellMemory};

constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;

// Opens the stream and fills in the sound's format and length; false (the file closed again)
// when it is not Ogg Vorbis, holds no samples, or is not mono or stereo at one rate throughout.
bool OpenOggVorbis(MemoryReader& reader, OggVorbis_File& file, TSound& sound) {
  if (ov_open_callbacks(&reader, &file, nullptr, 0, kMemoryCallbacks) != 0) return false;
  const vorbis_info* info = ov_info(&file, -1);
  bool ok = info && (info->channels == 1 || info->channels == 2) && info->rate > 0;
  for (int link = 0; ok && link < ov_streams(&file); ++link) {
    const vorbis_info* linkInfo = ov_info(&file, link);
    ok = linkInfo && linkInfo->channels == info->channels && linkInfo->rate == info->rate;
  }
  const ogg_int64_t total = ok ? ov_pcm_total(&file, -1) : 0;
  if (total <= 0) {
    ov_clear(&file);
    return false;
  }
  sound.channels = info->channels;
  sound.rate = static_cast<int>(info->rate);
  sound.frames = total;
  return true;
}

// The whole stream as 16-bit PCM; empty when it cannot be opened or is damaged.
SoundPtr DecodeOggVorbis(const std::vector<uint8_t>& bytes) {
  MemoryReader reader{bytes};
  OggVorbis_File file;
  auto sound = std::make_shared<TSound>();
  if (!OpenOggVorbis(reader, file, *sound)) return nullptr;
  sound->samples.reserve(static_cast<size_t>(sound->frames) * sound->channels);
  bool ok = true;
  char chunk[kDecodeChunkBytes];
  while (ok) {
    int link = 0;
    const long got = ov_read(&file, chunk, sizeof chunk, kBigEndian, 2, 1, &link);
    if (got == 0) break;
    if (got == OV_HOLE) continue;  // a gap in the stream: the decoder resynchronises
    ok = got > 0;
    if (!ok) break;
    const size_t before = sound->samples.size();
    sound->samples.resize(before + static_cast<size_t>(got) / sizeof(int16_t));
    std::memcpy(sound->samples.data() + before, chunk, static_cast<size_t>(got));
  }
  ov_clear(&file);
  sound->frames = static_cast<int64_t>(sound->samples.size()) / sound->channels;
  if (!ok || sound->samples.empty()) return nullptr;
  return sound;
}

// The file kept as it is, its headers checked; voices decode it as they play.
SoundPtr OpenStreamedSound(std::vector<uint8_t>&& bytes) {
  auto encoded = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
  MemoryReader reader{*encoded};
  OggVorbis_File file;
  auto sound = std::make_shared<TSound>();
  if (!OpenOggVorbis(reader, file, *sound)) return nullptr;
  ov_clear(&file);
  sound->encoded = std::move(encoded);
  return sound;
}

}  // namespace

namespace platform_detail {

// One voice's way through a streamed sound. It keeps the last packet it decoded and the frame
// before it, so that the mixer, which reads each frame and the one after it at a fractional
// position moving forward, decodes every packet once; anywhere else it seeks, and libvorbisfile
// seeks to the exact sample, so what a voice hears never depends on how it got there.
class StreamDecoder {
 public:
  explicit StreamDecoder(const TSound& sound)
      : encoded_(sound.encoded), reader_{*encoded_}, channels_(sound.channels) {}
  ~StreamDecoder() {
    if (open_) ov_clear(&file_);
  }
  StreamDecoder(const StreamDecoder&) = delete;
  StreamDecoder& operator=(const StreamDecoder&) = delete;

  // The samples of one frame, valid until the next call; silence where the stream is damaged.
  const int16_t* Frame(int64_t index) {
    if (index < windowStart_ || index >= WindowEnd()) {
      if (!Reach(index)) return kSilence;
    }
    return window_.data() + (index - windowStart_) * channels_;
  }

 private:
  // Skipping this little forward decodes on instead of seeking.
  static constexpr int64_t kReadOnFrames = 8192;
  static constexpr int16_t kSilence[2] = {0, 0};

  int64_t WindowEnd() const {
    return windowStart_ + static_cast<int64_t>(window_.size()) / channels_;
  }

  bool Reach(int64_t index) {
    if (failed_) return false;
    if (!open_) {
      failed_ = ov_open_callbacks(&reader_, &file_, nullptr, 0, kMemoryCallbacks) != 0;
      if (failed_) return false;
      open_ = true;
    }
    if (index < next_ || index > next_ + kReadOnFrames) {
      failed_ = ov_pcm_seek(&file_, index) != 0;
      if (failed_) return false;
      window_.clear();
      windowStart_ = next_ = index;
    }
    while (index >= next_) {
      char chunk[kDecodeChunkBytes];
      int link = 0;
      const long got = ov_read(&file_, chunk, sizeof chunk, kBigEndian, 2, 1, &link);
      if (got == OV_HOLE) continue;
      failed_ = got < 0;
      if (got <= 0) return false;
      // The frame before the packet stays, for the mixer's step between the two.
      const int64_t kept = next_ > windowStart_ && next_ == WindowEnd() ? 1 : 0;
      window_.erase(window_.begin(), window_.end() - kept * channels_);
      windowStart_ = next_ - kept;
      const size_t before = window_.size();
      window_.resize(before + static_cast<size_t>(got) / sizeof(int16_t));
      std::memcpy(window_.data() + before, chunk, static_cast<size_t>(got));
      next_ += got / static_cast<long>(sizeof(int16_t)) / channels_;
    }
    return true;
  }

  std::shared_ptr<const std::vector<uint8_t>> encoded_;
  MemoryReader reader_;
  int channels_;
  OggVorbis_File file_{};
  bool open_ = false;
  bool failed_ = false;
  std::vector<int16_t> window_;  // decoded frames from windowStart_ on
  int64_t windowStart_ = 0;
  int64_t next_ = 0;  // the frame the decoder reads next
};

}  // namespace platform_detail

namespace {

// ---- Voices ------------------------------------------------------------------------------------

void StartVoice(Voice& voice) {
  voice.state = VoiceState::Playing;
  voice.anchorMs = MilliSecs();
  voice.anchorPosition = voice.position;
}

// Silent driver: where the voice would be now had it been heard since it last started.
void CatchUp(Voice& voice, int now) {
  if (voice.state != VoiceState::Playing) return;
  const TSound& sound = *voice.sound;
  const auto length = static_cast<double>(sound.Frames());
  double position = voice.anchorPosition + static_cast<double>(now - voice.anchorMs) *
                                               static_cast<double>(sound.rate) / 1000.0;
  if (position >= length) {
    if (sound.loop) {
      position = std::fmod(position, length);
    } else {
      position = length;
      voice.state = VoiceState::Idle;
      voice.ended = true;
    }
  }
  voice.position = position;
}

void CatchUpSilentVoices() {
  MixerState& mixer = Mixer();
  if (mixer.driver != Driver::Silent) return;
  const int now = MilliSecs();
  for (const VoicePtr& voice : mixer.voices) CatchUp(*voice, now);
}

// Moves the voices that will never sound again out of the mixer's list; the caller lets them
// go after the lock is released, so the audio thread never waits on a free.
void TakeIdleVoices(std::vector<VoicePtr>& idle) {
  std::vector<VoicePtr>& voices = Mixer().voices;
  auto stillLive = std::stable_partition(
      voices.begin(), voices.end(), [](const VoicePtr& v) { return v->state != VoiceState::Idle; });
  std::move(stillLive, voices.end(), std::back_inserter(idle));
  voices.erase(stillLive, voices.end());
}

void ReleaseVoice(TChannel& channel) {
  if (!channel.voice) return;
  {
    VoiceLock lock;
    channel.voice->state = VoiceState::Idle;
  }
  channel.voice.reset();
}

// ---- The device
// ----------------------------------------------------------------------------------

void SDLCALL FillDevice(void* userdata, Uint8* stream, int length) {
  auto* mixer = static_cast<MixerState*>(userdata);
  const int frames = length / static_cast<int>(kOutputChannels * sizeof(int16_t));
  platform_detail::MixVoices(mixer->voices, *mixer->master, reinterpret_cast<int16_t*>(stream),
                             frames, mixer->outputRate);
}

bool OpenDevice(MixerState& mixer) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  mixer.sdlAudioStarted = true;
  SDL_AudioSpec want{};
  want.freq = kSilentOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = kOutputChannels;
  want.samples = kDeviceBufferFrames;
  want.callback = FillDevice;
  want.userdata = &mixer;
  SDL_AudioSpec have{};
  // We resample ourselves, so the device may keep its own rate; SDL converts anything else.
  mixer.device = SDL_OpenAudioDevice(
      nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_SAMPLES_CHANGE);
  if (mixer.device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixer.sdlAudioStarted = false;
    return false;
  }
  mixer.outputRate = have.freq;
  mixer.master = std::make_unique<MasterStage>(have.freq);
  SDL_PauseAudioDevice(mixer.device, 0);
  return true;
}

// The output is chosen once, at the first audio operation.
void EnsureDriver() {
  MixerState& mixer = Mixer();
  if (mixer.driver != Driver::Unchosen) return;
  mixer.outputRate = kSilentOutputRate;
  if (IsHeadless()) {
    mixer.driver = Driver::Silent;
    LogEvent("sound: none, the run is headless");
  } else if (OpenDevice(mixer)) {
    mixer.driver = Driver::Device;
    const char* name = SDL_GetCurrentAudioDriver();
    LogEvent(std::string("sound: SDL driver ") + (name ? name : "?") + " at " +
             std::to_string(mixer.outputRate) + " Hz");
  } else {
    mixer.driver = Driver::Silent;
    LogEvent(std::string("sound: none, the game runs silent (") + SDL_GetError() + ")");
  }
}

}  // namespace

TChannel::~TChannel() {
  if (!voice) return;
  VoiceLock lock;
  // A paused voice whose temporary channel is gone could never be resumed: it goes too.
  if (kept || voice->state == VoiceState::Paused) voice->state = VoiceState::Idle;
}

// ---- Mixing
// --------------------------------------------------------------------------------------

namespace platform_detail {

float VolumeToGain(float volume) {
  const double v = volume > 0 ? std::min(volume, 1.0f) : 0.0;  // NaN counts as silence
  const double attenuationDb = (1.0 - std::pow(v, 0.1)) * 100.0;
  return static_cast<float>(std::pow(10.0, -attenuationDb / 20.0));
}

namespace {

float Lerp(int16_t from, int16_t to, float t) {
  return static_cast<float>(from) + static_cast<float>(to - from) * t;
}

// Adds a sound from `position` on into the accumulator, linearly interpolated from the sound's
// rate to the output rate; a mono sound feeds both sides. frameAt(i) gives the samples of the
// sound's frame i. Stops early at the end of a non-looping sound; returns the position reached.
template <typename FrameAt>
double AddSound(const TSound& sound, double position, float gain, FrameAt&& frameAt,
                float* accumulator, int frames, int outputRate) {
  const int64_t length = sound.Frames();
  const double step = static_cast<double>(sound.rate) / outputRate;
  const int right = sound.channels - 1;
  gain *= sound.gain;
  for (int i = 0; i < frames; ++i) {
    if (position >= static_cast<double>(length)) {
      if (!sound.loop) break;
      position = std::fmod(position, static_cast<double>(length));
    }
    const auto index = static_cast<int64_t>(position);
    const auto t = static_cast<float>(position - static_cast<double>(index));
    int64_t next = index + 1;
    if (next >= length) next = sound.loop ? 0 : index;
    const int16_t* a = frameAt(index);
    const int16_t aLeft = a[0], aRight = a[right];  // a streamed frame goes at the next call
    const int16_t* b = frameAt(next);
    float* frame = accumulator + static_cast<ptrdiff_t>(i) * kOutputChannels;
    frame[0] += gain * Lerp(aLeft, b[0], t);
    frame[1] += gain * Lerp(aRight, b[right], t);
    position += step;
  }
  return position;
}

bool AtEnd(const TSound& sound, double position) {
  return !sound.loop && position >= static_cast<double>(sound.Frames());
}

// Adds the sound from `position` on, through `stream` when it is streamed (opened on first use).
double AddSoundFrom(const TSound& sound, double position, float gain,
                    std::shared_ptr<StreamDecoder>& stream, float* accumulator, int frames,
                    int outputRate) {
  if (sound.Streamed()) {
    if (!stream) stream = std::make_shared<StreamDecoder>(sound);
    StreamDecoder& decoder = *stream;
    return AddSound(
        sound, position, gain, [&](int64_t index) { return decoder.Frame(index); }, accumulator,
        frames, outputRate);
  }
  const int16_t* samples = sound.samples.data();
  const int stride = sound.channels;
  return AddSound(
      sound, position, gain, [&](int64_t index) { return samples + index * stride; }, accumulator,
      frames, outputRate);
}

}  // namespace

void SumVoices(const std::vector<VoicePtr>& voices, float* sum, int frames, int outputRate) {
  std::fill(sum, sum + static_cast<ptrdiff_t>(frames) * kOutputChannels, 0.0f);
  for (const VoicePtr& voice : voices) {
    if (voice->state != VoiceState::Playing) continue;
    voice->position = AddSoundFrom(*voice->sound, voice->position, voice->gain, voice->stream, sum,
                                   frames, outputRate);
    if (AtEnd(*voice->sound, voice->position)) {
      voice->state = VoiceState::Idle;
      voice->ended = true;
    }
  }
}

void MixVoices(const std::vector<VoicePtr>& voices, MasterStage& master, int16_t* out, int frames,
               int outputRate) {
  // Grows once to the device's buffer size, then the audio thread never allocates again.
  thread_local std::vector<float> sum;
  sum.resize(static_cast<size_t>(frames) * kOutputChannels);
  SumVoices(voices, sum.data(), frames, outputRate);
  master.Process(sum.data(), out, frames);
}

VoicePtr ChannelVoice(const ChannelPtr& channel) { return channel ? channel->voice : nullptr; }

int LiveVoiceCount() {
  CatchUpSilentVoices();
  VoiceLock lock;
  const auto& voices = Mixer().voices;
  return static_cast<int>(std::count_if(voices.begin(), voices.end(), [](const VoicePtr& v) {
    return v->state != VoiceState::Idle;
  }));
}

}  // namespace platform_detail

// ---- The interface
// -------------------------------------------------------------------------------

void InitAudio() { EnsureDriver(); }

namespace {
template <typename Open>
SoundPtr ReadSound(const std::string& path, int flags, Open open) {
  EnsureDriver();
  std::vector<uint8_t> bytes;
  if (!ReadAssetBytes(path, bytes)) return nullptr;
  SoundPtr sound = open(std::move(bytes));
  if (sound) sound->loop = (flags & 1) != 0;
  return sound;
}
}  // namespace

SoundPtr LoadSound(const std::string& path, int flags) {
  return ReadSound(path, flags,
                   [](std::vector<uint8_t>&& bytes) { return DecodeOggVorbis(bytes); });
}

SoundPtr LoadMusic(const std::string& path, int flags) {
  return ReadSound(path, flags, OpenStreamedSound);
}

ChannelPtr AllocChannel() {
  EnsureDriver();
  auto channel = std::make_shared<TChannel>();
  channel->kept = true;
  return channel;
}

ChannelPtr CueSound(const SoundPtr& sound, const ChannelPtr& channel) {
  EnsureDriver();
  ChannelPtr target = channel ? channel : std::make_shared<TChannel>();
  ReleaseVoice(*target);
  if (!sound) return target;

  auto voice = std::make_shared<Voice>();
  voice->sound = sound;
  voice->state = VoiceState::Paused;
  voice->gain = platform_detail::VolumeToGain(target->volume);
  std::vector<VoicePtr> idle;
  {
    VoiceLock lock;
    TakeIdleVoices(idle);
    Mixer().voices.push_back(voice);
  }
  target->voice = voice;
  return target;
}

ChannelPtr PlaySound(const SoundPtr& sound, const ChannelPtr& channel) {
  ChannelPtr target = CueSound(sound, channel);
  ResumeChannel(target);
  return target;
}

void StopChannel(const ChannelPtr& channel) {
  if (channel) ReleaseVoice(*channel);
}

void PauseChannel(const ChannelPtr& channel) {
  if (!channel || !channel->voice) return;
  CatchUpSilentVoices();  // pause where the sound has got to by now
  VoiceLock lock;
  if (channel->voice->state == VoiceState::Playing) channel->voice->state = VoiceState::Paused;
}

void ResumeChannel(const ChannelPtr& channel) {
  if (!channel || !channel->voice) return;
  VoiceLock lock;
  if (channel->voice->state == VoiceState::Paused) StartVoice(*channel->voice);
}

void SetChannelVolume(const ChannelPtr& channel, float volume) {
  if (!channel) return;
  channel->volume = volume > 0 ? std::min(volume, 1.0f) : 0.0f;
  if (!channel->voice) return;
  VoiceLock lock;
  channel->voice->gain = platform_detail::VolumeToGain(channel->volume);
}

int ChannelPlaying(const ChannelPtr& channel) {
  if (!channel || !channel->voice) return 0;
  CatchUpSilentVoices();
  VoiceLock lock;
  return channel->voice->state == VoiceState::Playing ? 1 : 0;
}

int SoundLengthMs(const SoundPtr& sound) {
  if (!sound || sound->rate <= 0) return 0;
  return static_cast<int>(sound->Frames() * 1000 / sound->rate);
}

bool AudioDeviceOpen() { return Mixer().driver == Driver::Device; }

void UpdateAudio() {
  if (Mixer().driver == Driver::Unchosen) return;
  CatchUpSilentVoices();
  std::vector<VoicePtr> idle;
  VoiceLock lock;
  TakeIdleVoices(idle);
}

void ShutdownAudio() {
  MixerState& mixer = Mixer();
  if (mixer.device) {
    SDL_CloseAudioDevice(mixer.device);
    mixer.device = 0;
  }
  if (mixer.sdlAudioStarted) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixer.sdlAudioStarted = false;
  }
  mixer.capture.reset();
  // Channels still held elsewhere report nothing playing from now on.
  for (const VoicePtr& voice : mixer.voices) voice->state = VoiceState::Idle;
  mixer.voices.clear();
  mixer.driver = Driver::Unchosen;
}

void SetSoundGain(const SoundPtr& sound, float decibels) {
  if (!sound) return;
  VoiceLock lock;
  sound->gain = static_cast<float>(std::pow(10.0, decibels / 20.0));
}

// ---- The capture
// ---------------------------------------------------------------------------------

void StartAudioCapture() {
  EnsureDriver();
  MixerState& mixer = Mixer();
  mixer.capture = std::make_unique<Capture>();
  CatchUpSilentVoices();
  VoiceLock lock;
  // What sounds already is heard from where it has got to; what has ended is not heard again.
  for (const VoicePtr& voice : mixer.voices) {
    voice->heard = true;
    if (voice->state == VoiceState::Playing)
      mixer.capture->voices.push_back({voice, voice->position, nullptr});
  }
}

void CaptureAudio(int16_t* out, int frames) {
  MixerState& mixer = Mixer();
  const auto samples = static_cast<size_t>(frames) * kOutputChannels;
  if (!mixer.capture) {
    std::fill(out, out + samples, int16_t{0});
    return;
  }
  Capture& capture = *mixer.capture;
  CatchUpSilentVoices();
  // What each voice does now, read under the lock; the mixing itself keeps out of the device's
  // way, since the capture never moves a voice of the driver.
  struct Seen {
    VoiceState state;
    bool ended;
    float gain;
  };
  std::vector<Seen> seen;
  {
    VoiceLock lock;
    for (const VoicePtr& voice : mixer.voices) {
      // A voice that started, even one so short that it has ended already, is heard from its start.
      if (voice->heard || (voice->state != VoiceState::Playing && !voice->ended)) continue;
      voice->heard = true;
      capture.voices.push_back({voice, 0.0, nullptr});
    }
    seen.reserve(capture.voices.size());
    for (const HeardVoice& heard : capture.voices)
      seen.push_back({heard.voice->state, heard.voice->ended, heard.voice->gain});
  }
  capture.sum.assign(samples, 0.0f);
  size_t kept = 0;
  for (size_t i = 0; i < capture.voices.size(); ++i) {
    HeardVoice& heard = capture.voices[i];
    bool keep = seen[i].state != VoiceState::Idle;  // a stopped voice goes at once
    // A voice that played to its end for the driver plays to its end here too.
    if (seen[i].state == VoiceState::Playing || seen[i].ended) {
      const TSound& sound = *heard.voice->sound;
      heard.position =
          platform_detail::AddSoundFrom(sound, heard.position, seen[i].gain, heard.stream,
                                        capture.sum.data(), frames, kCaptureRate);
      keep = !platform_detail::AtEnd(sound, heard.position);
    }
    if (!keep) continue;
    if (kept != i) capture.voices[kept] = std::move(heard);
    ++kept;
  }
  capture.voices.resize(kept);
  capture.master.Process(capture.sum.data(), out, frames);
}

void StopAudioCapture() { Mixer().capture.reset(); }
