#pragma once
// Writing the pictures: PNG (RGBA or opaque RGB) and JPEG, from straight-alpha RGBA pixels.

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <vector>

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // straight alpha, row by row
};

// Cairo draws premultiplied native-endian ARGB; the files want straight RGBA.
Picture PictureFromSurface(cairo_surface_t* surface);

// `level` is zlib's compression level. Returns false after printing what failed.
bool WritePng(const std::filesystem::path& path, const Picture& picture, bool opaqueRgb,
              int level = 6);
bool WriteJpeg(const std::filesystem::path& path, const Picture& picture, int quality);
