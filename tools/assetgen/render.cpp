#include "render.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

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

namespace {

// Paints every frame of a fitted row on a large scratch canvas around the same pivot and sizes
// the row to the union of what was drawn, plus a margin.
manifest::ImageRow Fit(manifest::ImageRow row) {
  constexpr int kScratch = 1400, kPivotX = 700, kPivotY = 900, kMargin = 3;
  int x0 = kScratch, y0 = kScratch, x1 = -1, y1 = -1;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kScratch, kScratch);
  for (int i = 0; i < row.frames; ++i) {
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    row.draw({cr, i, row.frames, kScratch, kScratch, double(kPivotX), double(kPivotY)});
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const uint8_t* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kScratch; ++y) {
      const auto* line = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
      for (int x = 0; x < kScratch; ++x)
        if (line[x] >> 24) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
          y0 = std::min(y0, y);
          y1 = std::max(y1, y);
        }
    }
  }
  cairo_surface_destroy(surface);
  if (x1 < 0) x0 = y0 = x1 = y1 = kPivotX;  // nothing drawn: a minimal frame
  row.frameWidth = x1 - x0 + 1 + 2 * kMargin;
  row.frameHeight = y1 - y0 + 1 + 2 * kMargin;
  row.handleX = kPivotX - x0 + kMargin;
  row.handleY = kPivotY - y0 + kMargin;
  return row;
}

std::vector<manifest::ImageRow> FitRows() {
  std::vector<manifest::ImageRow> rows(manifest::kImages.begin(), manifest::kImages.end());
  std::vector<int> todo;
  for (int i = 0; i < int(rows.size()); ++i)
    if (rows[i].frameWidth == manifest::kFit) todo.push_back(i);
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t n = next++; n < todo.size(); n = next++) rows[todo[n]] = Fit(rows[todo[n]]);
  };
  std::vector<std::thread> pool;
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  return rows;
}

}  // namespace

const std::vector<manifest::ImageRow>& Rows() {
  static const std::vector<manifest::ImageRow> rows = FitRows();
  return rows;
}
