#pragma once
// Little-endian 32-bit values in byte buffers, the byte order of every file the game writes,
// whatever the machine's own order.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

inline void AppendUint32Le(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}
inline void AppendInt32Le(std::vector<uint8_t>& out, int32_t value) {
  AppendUint32Le(out, static_cast<uint32_t>(value));
}
inline void AppendFloatLe(std::vector<uint8_t>& out, float value) {
  AppendUint32Le(out, std::bit_cast<uint32_t>(value));
}

// `bytes` must hold at least four bytes.
inline uint32_t LoadUint32Le(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}
inline int32_t LoadInt32Le(const uint8_t* bytes) {
  return static_cast<int32_t>(LoadUint32Le(bytes));
}
inline float LoadFloatLe(const uint8_t* bytes) { return std::bit_cast<float>(LoadUint32Le(bytes)); }
