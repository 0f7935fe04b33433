#pragma once
// Ogg Vorbis in and out, in memory. Encoding is deterministic: a fixed stream serial number and
// a fixed amount of input per analysis call, so equal samples give equal bytes.

#include <cstdint>
#include <string>
#include <vector>

namespace audiogen {

// Planar float samples, one vector per channel.
struct Pcm {
  std::vector<std::vector<float>> channels;
  size_t frames() const { return channels.empty() ? 0 : channels.front().size(); }
};

// Variable bit rate at the given quality (-0.1 .. 1.0). Returns an empty vector on failure.
std::vector<uint8_t> EncodeVorbis(const Pcm& pcm, float quality, uint32_t serial);

// Decodes a whole stream; returns false when the bytes are not a Vorbis stream.
bool DecodeVorbis(const std::vector<uint8_t>& bytes, Pcm* out, int* rate);

}  // namespace audiogen
