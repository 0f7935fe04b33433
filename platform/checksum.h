#pragma once
// The CRC-32 that recordings end with (zlib's: the polynomial of PNG and gzip).

#include <cstdint>
#include <span>

// Carries `crc`, the CRC of the bytes before, over `bytes`; Crc32(0, {}) starts a new one.
uint32_t Crc32(uint32_t crc, std::span<const uint8_t> bytes);
