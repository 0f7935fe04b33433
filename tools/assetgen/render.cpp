#include "render.h"

namespace {
int Columns(const manifest::ImageRow& row) {
  return row.sheet == manifest::kGrid5 ? std::min(5, row.frames) : row.frames;
}
}  // namespace

Cell FrameCell(const manifest::ImageRow& row, int frame) {
  const int cols = Columns(row);
  return {(frame % cols) * row.frameWidth, (frame / cols) * row.frameHeight};
}

void SheetSize(const manifest::ImageRow& row, int& width, int& height) {
  const int cols = Columns(row);
  width = cols * row.frameWidth;
  height = ((row.frames + cols - 1) / cols) * row.frameHeight;
  if (row.sheet == manifest::kPad5) height += 5;
}

Picture RenderImage(const manifest::ImageRow& row) {
  int width = 0, height = 0;
  SheetSize(row, width, height);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  for (int i = 0; i < row.frames; ++i) {
    const Cell cell = FrameCell(row, i);
    cairo_save(cr);
    cairo_translate(cr, cell.x, cell.y);
    cairo_rectangle(cr, 0, 0, row.frameWidth, row.frameHeight);
    cairo_clip(cr);
    const art::Frame frame{cr,
                           i,
                           row.frames,
                           row.frameWidth,
                           row.frameHeight,
                           double(row.handleX),
                           double(row.handleY)};
    row.draw(frame);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  Picture picture = PictureFromSurface(surface);
  cairo_surface_destroy(surface);
  if (row.format != manifest::kRgba) {
    // Opaque pictures: whatever the painter left uncovered is black.
    for (size_t i = 3; i < picture.rgba.size(); i += 4) picture.rgba[i] = 255;
  }
  return picture;
}
