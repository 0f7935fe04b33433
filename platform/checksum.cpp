#include "platform/checksum.h"

#include <zlib.h>

uint32_t Crc32(uint32_t crc, std::span<const uint8_t> bytes) {
  return static_cast<uint32_t>(crc32_z(crc, bytes.data(), bytes.size()));
}
