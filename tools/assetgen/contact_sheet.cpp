#include "contact_sheet.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

#include "render.h"

namespace {

constexpr int kMaxSheetWidth = 2400;
constexpr double kMaxCellHeight = 280;
constexpr double kMaxCellWidth = 700;
constexpr int kPad = 12;
constexpr int kLabelHeight = 26;

cairo_surface_t* SurfaceFromPicture(const Picture& p) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width, p.height);
  cairo_surface_flush(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < p.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    const uint8_t* src = &p.rgba[size_t(y) * p.width * 4];
    for (int x = 0; x < p.width; ++x) {
      const uint32_t a = src[x * 4 + 3];
      const uint32_t r = src[x * 4] * a / 255, g = src[x * 4 + 1] * a / 255,
                     b = src[x * 4 + 2] * a / 255;
      row[x] = a << 24 | r << 16 | g << 8 | b;
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

struct Layout {
  double scale;
  int cellW, cellH, perLine, lines;
  int Width() const { return std::min(perLine, 1 << 20) * cellW; }
  int Height() const { return lines * cellH + kLabelHeight; }
};

Layout LayoutFor(const manifest::ImageRow& row) {
  Layout l;
  l.scale = std::min({1.0, kMaxCellHeight / row.frameHeight, kMaxCellWidth / row.frameWidth});
  l.cellW = int(std::ceil(row.frameWidth * l.scale)) + 2 * kPad;
  l.cellH = int(std::ceil(row.frameHeight * l.scale)) + 2 * kPad;
  l.perLine = std::max(1, std::min(row.frames, kMaxSheetWidth / l.cellW));
  l.lines = (row.frames + l.perLine - 1) / l.perLine;
  return l;
}

void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.80, 0.80, 0.84);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.90, 0.90, 0.93);
  for (int j = 0; j * 8 < h; ++j)
    for (int i = (j & 1); i * 8 < w; i += 2) cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawStrip(cairo_t* cr, const manifest::ImageRow& row, const Picture& picture, int top) {
  const Layout l = LayoutFor(row);
  cairo_surface_t* source = SurfaceFromPicture(picture);
  for (int i = 0; i < row.frames; ++i) {
    const double x = (i % l.perLine) * l.cellW + kPad, y = top + (i / l.perLine) * l.cellH + kPad;
    const double w = row.frameWidth * l.scale, h = row.frameHeight * l.scale;
    Checker(cr, x, y, w, h);
    const Cell cell = FrameCell(row, i);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, l.scale, l.scale);
    cairo_set_source_surface(cr, source, -cell.x, -cell.y);
    cairo_paint(cr);
    cairo_restore(cr);
    // The pivot: a red cross, clamped into the cell's margin when it lies outside the frame.
    const double px = std::clamp(x + row.handleX * l.scale, x - kPad + 3, x + w + kPad - 3);
    const double py = std::clamp(y + row.handleY * l.scale, y - kPad + 3, y + h + kPad - 3);
    cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, px - 6, py);
    cairo_line_to(cr, px + 6, py);
    cairo_move_to(cr, px, py - 6);
    cairo_line_to(cr, px, py + 6);
    cairo_stroke(cr);
  }
  cairo_surface_destroy(source);
  char label[256];
  std::snprintf(label, sizeof label, "%s   %d x %d   %d frame%s   pivot %d, %d", row.file,
                row.frameWidth, row.frameHeight, row.frames, row.frames == 1 ? "" : "s",
                row.handleX, row.handleY);
  cairo_set_source_rgb(cr, 0.1, 0.08, 0.15);
  art::TextPath(cr, art::Typeface::Serif, 16, {double(kPad), double(top + l.lines * l.cellH + 16)},
                label);
  cairo_fill(cr);
}

}  // namespace

bool WriteSheet(const std::filesystem::path& path, const std::vector<Picture>& pictures,
                std::vector<int> rows) {
  // Cairo's surfaces end at 32767 pixels: a longer sheet keeps its first pictures.
  constexpr int kMaxHeight = 32000;
  int width = 400, height = 0;
  for (size_t n = 0; n < rows.size(); ++n) {
    const Layout l = LayoutFor(Rows()[rows[n]]);
    if (height + l.Height() > kMaxHeight) {
      std::fprintf(stderr, "assetgen: %s shows the first %zu of %zu pictures\n",
                   path.filename().c_str(), n, rows.size());
      rows.resize(n);
      break;
    }
    width = std::max(width, l.Width());
    height += l.Height();
  }
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.97, 0.96, 0.93);
  cairo_paint(cr);
  int top = 0;
  for (int i : rows) {
    DrawStrip(cr, Rows()[i], pictures[i], top);
    top += LayoutFor(Rows()[i]).Height();
  }
  cairo_destroy(cr);
  const Picture picture = PictureFromSurface(sheet);
  cairo_surface_destroy(sheet);
  return WritePng(path, picture, true, 1);
}

namespace {
bool WriteGroupSheet(const std::filesystem::path& dir, const std::vector<Picture>& pictures,
                     size_t g) {
  const auto& groups = manifest::kGroups;
  const int first = groups[g].first;
  const int last = g + 1 < groups.size() ? groups[g + 1].first : int(Rows().size());
  std::vector<int> rows;
  for (int i = first; i < last; ++i) rows.push_back(i);
  return WriteSheet(dir / (std::string(groups[g].name) + ".png"), pictures, rows);
}
}  // namespace

bool WriteContactSheets(const std::filesystem::path& dir, const std::vector<Picture>& pictures) {
  // The groups are independent: share them out over the cores.
  std::atomic<size_t> next{0};
  std::atomic<bool> ok{true};
  auto worker = [&] {
    for (size_t g = next++; g < manifest::kGroups.size(); g = next++)
      if (!WriteGroupSheet(dir, pictures, g)) ok = false;
  };
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
    pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  return ok;
}

namespace {

// One picture placed in a preview scene the way the game draws it: at (x, y) by its pivot,
// scaled about the pivot, with alpha and a colour tint.
struct Placement {
  const char* file;
  double x, y;
  int frame;
  double sx, sy;
  double alpha;
  double tint;  // grey level multiplied into the colours, 1 = none
};

int RowOf(const char* file) {
  for (size_t i = 0; i < Rows().size(); ++i)
    if (std::string(Rows()[i].file) == file) return int(i);
  return -1;
}

void Place(cairo_t* cr, const std::vector<Picture>& pictures, const Placement& p) {
  const int index = RowOf(p.file);
  if (index < 0) return;
  const manifest::ImageRow& row = Rows()[index];
  cairo_surface_t* sheet = SurfaceFromPicture(pictures[index]);
  const Cell cell = FrameCell(row, p.frame);
  // The frame alone, tinted the way the game's colour state multiplies it.
  cairo_surface_t* frame =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, row.frameWidth, row.frameHeight);
  cairo_t* fc = cairo_create(frame);
  cairo_set_source_surface(fc, sheet, -cell.x, -cell.y);
  cairo_paint(fc);
  if (p.tint < 1) {
    cairo_set_operator(fc, CAIRO_OPERATOR_MULTIPLY);
    cairo_set_source_rgb(fc, p.tint, p.tint, p.tint);
    cairo_paint(fc);
    cairo_set_operator(fc, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source_surface(fc, sheet, -cell.x, -cell.y);
    cairo_paint(fc);
  }
  cairo_destroy(fc);
  cairo_save(cr);
  cairo_translate(cr, p.x, p.y);
  cairo_scale(cr, p.sx, p.sy);
  cairo_set_source_surface(cr, frame, -row.handleX, -row.handleY);
  cairo_paint_with_alpha(cr, p.alpha);
  cairo_restore(cr);
  cairo_surface_destroy(frame);
  cairo_surface_destroy(sheet);
}

bool WriteScene(const std::filesystem::path& path, const std::vector<Picture>& pictures,
                const std::vector<Placement>& scene) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1366, 768);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  for (const Placement& p : scene) Place(cr, pictures, p);
  cairo_destroy(cr);
  const Picture picture = PictureFromSurface(s);
  cairo_surface_destroy(s);
  return WritePng(path, picture, true, 1);
}

// The title screen and the first castle stage at 1366 x 768, laid out by the game's numbers,
// with a few characters on the three ground lines (618, 663, 708) to judge their scale.
std::vector<Placement> TitleScene() {
  std::vector<Placement> s = {{"GUI/MainTitleSky.png", 683, 0, 0, 1, 1, 1, 1},
                              {"GUI/MainTitleSun.png", 850, 570, 0, 1, 1, 1, 1}};
  for (int i = 0; i < 4; ++i) {
    s.push_back({"GUI/MainTitleGreatCloud.png", 1100.0 * i - 1240, 350, 0, 1, 1, 1, 1});
    s.push_back({"GUI/MainTitleGreatCloud.png", 1500.0 * i - 840, 280, 0, -1, -0.9, 0.7, 1});
    s.push_back({"GUI/MainTitleGreatCloud.png", 1250.0 * i - 1090, 280, 0, -1, 0.9, 0.7, 1});
  }
  s.push_back({"GUI/MainTitleCloud1.png", 700, 420, 0, 0.8, 0.8, 1, 1});
  s.push_back({"GUI/MainTitleCloud2.png", 420, 300, 0, 1.0, 0.9, 1, 1});
  s.push_back({"GUI/MainTitleHills.png", 683, 300, 0, 1, 1, 1, 1});
  s.push_back({"GUI/GameTitle.png", 683, 0, 0, 1, 1, 1, 1});
  s.push_back({"GUI/Highlight.png", 683, 500, 0, 1, 1, 0.8, 1});
  return s;
}

std::vector<Placement> CastleScene() {
  const double h = 768;
  std::vector<Placement> s = {{"stage/CastleSky.png", 0, -100, 0, 1, 1, 1, 1},
                              {"stage/WildernessMoon.png", 900, 150, 0, 0.5, 0.5, 0.7, 1}};
  for (int k = 0; k < 12; ++k)
    s.push_back({"stage/CastleCloud.png", 800.0 * k - 1600, 20, 0, 1, 1, 1, 100 / 255.0});
  for (int k = 0; k < 12; ++k)
    s.push_back({"stage/CastleCloud.png", 800.0 * k - 1600, 160, 0, -1, -1, 1, 170 / 255.0});
  s.push_back({"stage/CastleLightPillar.png", 1050, 0, 0, 1.02, 1, 1, 1});
  s.push_back({"stage/CastleLightPillarGlow.png", 1050, h - 700, 0, 1.02, 1, 1, 1});
  for (int k = 0; k < 12; ++k)
    s.push_back({"stage/CastleCloud.png", 800.0 * k - 1600, 120, 0, 1, -1, 1, 240 / 255.0});
  for (int k = 0; k < 3; ++k)
    s.push_back({"stage/CastleHill.png", 900.0 * k, h - 400, 0, 1, 1, 1, 1});
  for (int k = 0; k < 6; ++k)
    s.push_back({"stage/CastleGround.png", 900.0 * k - 120, h - 360, 0, 1, 1, 1, 1});
  for (int k = 0; k < 6; ++k) {
    s.push_back({"stage/CastleGround2.png", 900.0 * k - 120, h - 360, 0, 1, 1, 1, 1});
    s.push_back({"stage/CastleGroundFire.png", 900.0 * k - 120, h - 360, k % 2, 1, 1, 1, 1});
  }
  for (int k = 0; k < 3; ++k)
    s.push_back(
        {"stage/CastleSmoke.png", 800.0 + 40 * k, h - 400 - 60 * k, 0, 1, 1, 0.3 * (k + 1), 1});
  for (int k = 0; k < 13; ++k)
    s.push_back({"stage/CastleFloor.png", 840.0 * k - 300, h - 275, 0, 1, 1, 1, 1});
  const double planes[] = {h - 150, h - 105, h - 60};
  s.push_back({"sprites/Shadow.png", 300, planes[1], 0, 1, 1, 1, 1});
  s.push_back({"sprites/MomoStance.png", 300, planes[1], 0, 1, 1, 1, 1});
  s.push_back({"sprites/Shadow.png", 560, planes[0], 0, 1, 1, 1, 1});
  s.push_back({"sprites/TemplarStance.png", 560, planes[0], 0, -1, 1, 1, 1});
  s.push_back({"sprites/Shadow.png", 760, planes[2], 0, 1.5, 1.5, 1, 1});
  s.push_back({"sprites/DarkKnightStance.png", 760, planes[2], 0, -1, 1, 1, 1});
  s.push_back({"sprites/Shadow.png", 1050, planes[1], 0, 1, 1, 1, 1});
  s.push_back({"sprites/DraconStance.png", 1050, planes[1], 0, -1, 1, 1, 1});
  s.push_back({"sprites/RaiderStance.png", 1050, planes[1], 0, -1, 1, 1, 1});
  for (int k = 0; k < 11; ++k)
    s.push_back({"stage/CastleFloor.png", 840.0 * k - 200, h - 80, 0, 1.5, 1.2, 1, 150 / 255.0});
  return s;
}

}  // namespace

bool WriteScenePreviews(const std::filesystem::path& dir, const std::vector<Picture>& pictures) {
  return WriteScene(dir / "scene-title.png", pictures, TitleScene()) &&
         WriteScene(dir / "scene-castle.png", pictures, CastleScene());
}

bool WriteManifestTsv(const std::filesystem::path& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const auto& row : Rows()) {
    out << row.file << '\t' << row.frameWidth << '\t' << row.frameHeight << '\t' << row.frames
        << '\t' << row.handleX << '\t' << row.handleY << '\n';
  }
  out.close();
  if (!out) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
  return bool(out);
}
