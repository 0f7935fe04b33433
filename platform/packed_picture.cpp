#include "platform/packed_picture.h"

#include <lz4.h>
#include <lz4hc.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

constexpr uint8_t kMagic[4] = {'T', 'V', 'P', '1'};
constexpr size_t kFixedHeader = 16;  // magic, width, height, frame count

uint32_t ReadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Bytes of one frame's pixels, 0 when it could not be held in an LZ4 block.
size_t FrameBytes(uint64_t width, uint64_t height) {
  const uint64_t bytes = width * height * 4;
  return bytes > 0 && bytes <= LZ4_MAX_INPUT_SIZE ? static_cast<size_t>(bytes) : 0;
}

}  // namespace

bool LooksPacked(const uint8_t* data, size_t size) {
  return size >= sizeof kMagic && std::memcmp(data, kMagic, sizeof kMagic) == 0;
}

bool ParsePackedPicture(const uint8_t* data, size_t size, PackedPicture& picture) {
  picture = PackedPicture{};
  if (!LooksPacked(data, size) || size < kFixedHeader) return false;
  const uint32_t width = ReadU32(data + 4), height = ReadU32(data + 8);
  const uint32_t count = ReadU32(data + 12);
  if (width > std::numeric_limits<int>::max() || height > std::numeric_limits<int>::max() ||
      count == 0 || FrameBytes(width, height) == 0 || (size - kFixedHeader) / 4 < count) {
    return false;
  }
  const size_t bound = static_cast<size_t>(LZ4_compressBound(int(FrameBytes(width, height))));
  PackedPicture parsed;
  parsed.frameWidth = static_cast<int>(width);
  parsed.frameHeight = static_cast<int>(height);
  size_t offset = kFixedHeader + size_t(count) * 4;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t length = ReadU32(data + kFixedHeader + size_t(i) * 4);
    if (length == 0 || length > bound || length > size - offset) return false;
    parsed.frames.emplace_back(data + offset, length);
    offset += length;
  }
  if (offset != size) return false;
  picture = std::move(parsed);
  return true;
}

bool UnpackFrame(std::span<const uint8_t> frame, int width, int height,
                 std::vector<uint8_t>& rgba) {
  const size_t bytes = width > 0 && height > 0 ? FrameBytes(width, height) : 0;
  rgba.resize(bytes);
  const bool whole =
      bytes > 0 && frame.size() <= size_t(std::numeric_limits<int>::max()) &&
      LZ4_decompress_safe(reinterpret_cast<const char*>(frame.data()),
                          reinterpret_cast<char*>(rgba.data()), static_cast<int>(frame.size()),
                          static_cast<int>(bytes)) == static_cast<int>(bytes);
  if (!whole) rgba.clear();
  return whole;
}

void CopyCell(const uint8_t* sheetRgba, int sheetWidth, int cellWidth, int cellHeight, int cell,
              uint8_t* cellRgba) {
  const int cols = sheetWidth / cellWidth;
  const size_t left = size_t(cell % cols) * cellWidth;
  const size_t top = size_t(cell / cols) * cellHeight;
  const size_t rowBytes = size_t(cellWidth) * 4;
  for (int y = 0; y < cellHeight; ++y) {
    const uint8_t* source = sheetRgba + ((top + y) * sheetWidth + left) * 4;
    std::copy(source, source + rowBytes, cellRgba + y * rowBytes);
  }
}

std::vector<uint8_t> PackSheet(const uint8_t* sheetRgba, int sheetWidth, int sheetHeight,
                               int cellWidth, int cellHeight, int frames) {
  if (cellWidth <= 0 || cellHeight <= 0 || frames <= 0 || sheetWidth < cellWidth) return {};
  const size_t bytes = FrameBytes(cellWidth, cellHeight);
  if (bytes == 0 || int64_t(frames) > int64_t(sheetWidth / cellWidth) * (sheetHeight / cellHeight))
    return {};
  std::vector<uint8_t> out(kMagic, kMagic + sizeof kMagic);
  AppendU32(out, uint32_t(cellWidth));
  AppendU32(out, uint32_t(cellHeight));
  AppendU32(out, uint32_t(frames));
  std::vector<uint8_t> body;
  std::vector<uint8_t> cell(bytes);
  std::vector<char> packed(static_cast<size_t>(LZ4_compressBound(static_cast<int>(bytes))));
  for (int frame = 0; frame < frames; ++frame) {
    CopyCell(sheetRgba, sheetWidth, cellWidth, cellHeight, frame, cell.data());
    const int length = LZ4_compress_HC(reinterpret_cast<const char*>(cell.data()), packed.data(),
                                       static_cast<int>(bytes), static_cast<int>(packed.size()),
                                       LZ4HC_CLEVEL_DEFAULT);
    if (length <= 0) return {};
    AppendU32(out, uint32_t(length));
    body.insert(body.end(), packed.begin(), packed.begin() + length);
  }
  out.insert(out.end(), body.begin(), body.end());
  return out;
}
