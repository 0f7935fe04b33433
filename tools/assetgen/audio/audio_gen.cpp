#include "audio/audio_gen.h"

// Placeholder until the synthesiser lands.
bool GenerateAudio(const std::filesystem::path&, const std::filesystem::path&) { return true; }
