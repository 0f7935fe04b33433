// Placeholder: silent until the mixer lands.
#include "platform/audio.h"

SoundPtr LoadSound(const std::string&, int) { return nullptr; }
ChannelPtr AllocChannel() { return nullptr; }
ChannelPtr PlaySound(const SoundPtr&, const ChannelPtr& channel) { return channel; }
ChannelPtr CueSound(const SoundPtr&, const ChannelPtr& channel) { return channel; }
void StopChannel(const ChannelPtr&) {}
void PauseChannel(const ChannelPtr&) {}
void ResumeChannel(const ChannelPtr&) {}
void SetChannelVolume(const ChannelPtr&, float) {}
int ChannelPlaying(const ChannelPtr&) { return 0; }
int SoundLengthMs(const SoundPtr&) { return 0; }
bool AudioDeviceOpen() { return false; }
void UpdateAudio() {}
void ShutdownAudio() {}
