#include "image_io.h"

#include <jpeglib.h>
#include <png.h>

#include <cstdio>

Picture PictureFromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  Picture p;
  p.width = cairo_image_surface_get_width(surface);
  p.height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const uint8_t* data = cairo_image_surface_get_data(surface);
  p.rgba.resize(size_t(p.width) * p.height * 4);
  for (int y = 0; y < p.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    uint8_t* out = &p.rgba[size_t(y) * p.width * 4];
    for (int x = 0; x < p.width; ++x) {
      const uint32_t v = row[x];
      const uint32_t a = v >> 24;
      uint32_t r = (v >> 16) & 255, g = (v >> 8) & 255, b = v & 255;
      if (a != 0 && a != 255) {
        r = (r * 255 + a / 2) / a;
        g = (g * 255 + a / 2) / a;
        b = (b * 255 + a / 2) / a;
      }
      out[x * 4 + 0] = uint8_t(r);
      out[x * 4 + 1] = uint8_t(g);
      out[x * 4 + 2] = uint8_t(b);
      out[x * 4 + 3] = uint8_t(a);
    }
  }
  return p;
}

bool WritePng(const std::filesystem::path& path, const Picture& picture, bool opaqueRgb,
              int level) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    std::fprintf(stderr, "assetgen: PNG encoding failed for %s\n", path.c_str());
    return false;
  }
  png_init_io(png, file);
  png_set_compression_level(png, level);
  png_set_IHDR(png, info, picture.width, picture.height, 8,
               opaqueRgb ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(size_t(picture.width) * 4);
  for (int y = 0; y < picture.height; ++y) {
    const uint8_t* src = &picture.rgba[size_t(y) * picture.width * 4];
    if (opaqueRgb) {
      for (int x = 0; x < picture.width; ++x)
        for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + c] = src[x * 4 + c];
      png_write_row(png, row.data());
    } else {
      png_write_row(png, src);
    }
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0;
}

bool WriteJpeg(const std::filesystem::path& path, const Picture& picture, int quality) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = picture.width;
  cinfo.image_height = picture.height;
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(size_t(picture.width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* src = &picture.rgba[size_t(cinfo.next_scanline) * picture.width * 4];
    for (int x = 0; x < picture.width; ++x)
      for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + c] = src[x * 4 + c];
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}
