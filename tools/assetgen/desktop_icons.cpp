#include "desktop_icons.h"

#include <cairo-svg.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>

#include "image_io.h"
#include "manifest.h"

namespace fs = std::filesystem;

namespace {

// The sizes the hicolor theme looks for, smallest first.
constexpr int kThemeSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Paints the window icon into `surface`, scaled from its own frame to `size` pixels.
bool PaintIcon(cairo_surface_t* surface, double size) {
  const manifest::ImageRow& icon = manifest::kIcon;
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size / icon.frameWidth, size / icon.frameHeight);
  icon.draw({cr, 0, 1, icon.frameWidth, icon.frameHeight, 0.0, 0.0});
  const bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  return ok;
}

}  // namespace

bool WriteDesktopIcons(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const int size : kThemeSizes) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    const bool painted = PaintIcon(surface, size);
    const Picture picture = PictureFromSurface(surface);
    cairo_surface_destroy(surface);
    const fs::path path = folder / (std::to_string(size) + "x" + std::to_string(size) + ".png");
    if (!painted || !WritePng(path, picture, false, 9)) {
      std::fprintf(stderr, "assetgen: cannot write the icon %s\n", path.c_str());
      return false;
    }
  }
  const fs::path svg = folder / "scalable.svg";
  const manifest::ImageRow& icon = manifest::kIcon;
  cairo_surface_t* surface =
      cairo_svg_surface_create(svg.c_str(), icon.frameWidth, icon.frameHeight);
  // In pixels, as icon themes measure, rather than cairo's default of points.
  cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
  bool ok = PaintIcon(surface, icon.frameWidth);
  cairo_surface_finish(surface);
  ok = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) std::fprintf(stderr, "assetgen: cannot write the icon %s\n", svg.c_str());
  return ok;
}

bool WriteFontLinks(const fs::path& path) {
  std::ofstream out(path);
  std::set<std::string> written;
  for (const auto& font : manifest::kFonts) {
    std::string name = font.file;
    name = name.substr(name.find('\\') + 1);
    if (written.insert(name).second) out << name << '\t' << font.source << '\n';
  }
  out.close();
  if (!out) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
  return bool(out);
}
