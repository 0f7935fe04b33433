#pragma once
// Sound effects and music, and channels that play them. Effects are decoded whole when loaded;
// music is decoded while it plays.

#include <cstdint>
#include <memory>
#include <string>

struct TSound;
struct TChannel;
using SoundPtr = std::shared_ptr<TSound>;
using ChannelPtr = std::shared_ptr<TChannel>;

// Chooses the audio driver now (a device, or the silent driver) instead of at the first sound.
// Start-up calls it on the main thread so that sounds may then be loaded on other threads.
void InitAudio();

// Decodes a whole Ogg Vorbis file; flags 1 loops. Empty when missing or undecodable.
SoundPtr LoadSound(const std::string& path, int flags);
// Reads a whole Ogg Vorbis file and checks its headers, but decodes it only while it is heard,
// every play on its own: a long piece never sits in memory decoded. Flags as LoadSound; the
// sound plays, pauses and reports its length exactly as if it had been loaded by LoadSound.
SoundPtr LoadMusic(const std::string& path, int flags);
ChannelPtr AllocChannel();
ChannelPtr PlaySound(const SoundPtr& sound, const ChannelPtr& channel = nullptr);
ChannelPtr CueSound(const SoundPtr& sound, const ChannelPtr& channel = nullptr);
void StopChannel(const ChannelPtr& channel);
void PauseChannel(const ChannelPtr& channel);
void ResumeChannel(const ChannelPtr& channel);
void SetChannelVolume(const ChannelPtr& channel, float volume);
int ChannelPlaying(const ChannelPtr& channel);
// The sound's own level in the mix, in decibels, for every play from now on (0 by default).
void SetSoundGain(const SoundPtr& sound, float decibels);

// Length of a sound in milliseconds (0 for none).
int SoundLengthMs(const SoundPtr& sound);
// True when sound goes to a real device, false on the silent driver.
bool AudioDeviceOpen();
// Advances the silent driver's voices to the platform clock (the platform calls it).
void UpdateAudio();
void ShutdownAudio();

// The mix as the player hears it, frame by frame, for writing to a file. It is worked out apart
// from the device (or the silent driver), from what plays at each call, so it is the same on
// every run of the same game. StartAudioCapture begins it; each CaptureAudio then mixes `frames`
// interleaved stereo frames at kCaptureRate of whatever sounds now, through a master stage of
// its own, into `out`; StopAudioCapture lets it go.
constexpr int kCaptureRate = 44100;
void StartAudioCapture();
void CaptureAudio(int16_t* out, int frames);
void StopAudioCapture();
