#pragma once
// Packed pictures: the form the program carries its pictures in. Each frame is straight RGBA,
// compressed on its own with LZ4, so that one frame decodes without the others, many times
// faster than the same frame from a PNG. The asset generator writes them with PackSheet and the
// game reads them with ParsePackedPicture and UnpackFrame: the format lives only here.
//
// Layout, every number a little-endian uint32: "TVP1", frame width, frame height, frame count,
// the compressed size of each frame, then the compressed frames in order.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct PackedPicture {
  int frameWidth = 0;
  int frameHeight = 0;
  std::vector<std::span<const uint8_t>> frames;  // each frame's compressed bytes, in place
};

// True when the bytes start like a packed picture (they may still be damaged).
bool LooksPacked(const uint8_t* data, size_t size);
// Reads the header and finds every frame; false unless the bytes are one whole packed picture.
// The frames point into `data`, which must outlive them.
bool ParsePackedPicture(const uint8_t* data, size_t size, PackedPicture& picture);
// Decodes one frame of width x height into `rgba` (resized to fit); false, and `rgba` empty,
// unless the bytes decode to exactly that many pixels.
bool UnpackFrame(std::span<const uint8_t> frame, int width, int height, std::vector<uint8_t>& rgba);

// Copies cell `cell` of cellWidth x cellHeight out of an RGBA sheet sheetWidth pixels wide.
// Cells are counted row by row; a partial column at the right edge is skipped.
void CopyCell(const uint8_t* sheetRgba, int sheetWidth, int cellWidth, int cellHeight, int cell,
              uint8_t* cellRgba);
// Packs the first `frames` cells of an RGBA sheet, cut as CopyCell cuts them. Empty when the
// cells do not fit the sheet.
std::vector<uint8_t> PackSheet(const uint8_t* sheetRgba, int sheetWidth, int sheetHeight,
                               int cellWidth, int cellHeight, int frames);
