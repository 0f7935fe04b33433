// assetgen: makes every picture, sound and piece of music of the game, copies its fonts, and
// writes the catalogue and embedding sources the game is built from, and the desktop icons.
//
//   assetgen --assets DIR --generated DIR --report DIR [--skip-audio | --only TEXT]

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "audio/audio_gen.h"
#include "catalogue_writer.h"
#include "contact_sheet.h"
#include "desktop_icons.h"
#include "manifest.h"
#include "render.h"

namespace fs = std::filesystem;

namespace {

struct Options {
  fs::path assets, generated, report;
  bool audio = true;  // --skip-audio leaves the sounds alone while the pictures are worked on
  std::string only;   // --only TEXT[,TEXT...]: just the pictures whose file names contain one
};

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "--skip-audio") {
      o.audio = false;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (flag == "--assets")
      o.assets = value;
    else if (flag == "--generated")
      o.generated = value;
    else if (flag == "--report")
      o.report = value;
    else if (flag == "--only")
      o.only = value;
    else
      return false;
  }
  return !o.assets.empty() && !o.generated.empty() && !o.report.empty();
}

bool WriteImage(const fs::path& assets, const manifest::ImageRow& row, const Picture& picture) {
  const fs::path path = assets / row.file;
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  if (row.format == manifest::kJpeg) return WriteJpeg(path, picture, 92);
  return WritePng(path, picture, row.format == manifest::kRgb);
}

// Renders and writes the pictures of `rows` (indices into the catalogue, and its size for the
// icon) on all cores; keeps the pictures for the contact sheets.
bool MakeImages(const fs::path& assets, const std::vector<int>& rows,
                std::vector<Picture>& pictures) {
  const int count = int(rows.size());
  pictures.assign(Rows().size(), Picture{});
  std::atomic<int> next{0};
  std::atomic<bool> ok{true};
  auto worker = [&] {
    for (int n = next++; n < count; n = next++) {
      const int i = rows[n];
      const manifest::ImageRow& row = i < int(Rows().size()) ? Rows()[i] : manifest::kIcon;
      Picture picture = RenderImage(row);
      if (!WriteImage(assets, row, picture)) ok = false;
      if (i < int(Rows().size())) pictures[i] = std::move(picture);
    }
  };
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  return ok;
}

bool CopyFonts(const fs::path& assets) {
  std::error_code ec;
  fs::create_directories(assets / "Fonts", ec);
  for (const auto& font : manifest::kFonts) {
    std::string name = font.file;
    name = name.substr(name.find('\\') + 1);
    fs::copy_file(font.source, assets / "Fonts" / name, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      std::fprintf(stderr, "assetgen: cannot copy font %s to Fonts/%s: %s\n", font.source,
                   name.c_str(), ec.message().c_str());
      return false;
    }
  }
  return true;
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArgs(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: assetgen --assets DIR --generated DIR --report DIR [--skip-audio]\n"
                 "       assetgen --assets DIR --generated DIR --report DIR --only TEXT\n");
    return 2;
  }
  if (!options.only.empty()) {
    // Quick work on the art: the matching pictures and one sheet of them, contact/only.png.
    std::vector<int> rows;
    for (int i = 0; i < int(Rows().size()); ++i) {
      for (size_t from = 0; from < options.only.size();) {
        const size_t comma = std::min(options.only.find(',', from), options.only.size());
        const std::string text = options.only.substr(from, comma - from);
        if (!text.empty() && std::string(Rows()[i].file).find(text) != std::string::npos) {
          rows.push_back(i);
          break;
        }
        from = comma + 1;
      }
    }
    std::error_code ec;
    fs::create_directories(options.assets / "contact", ec);
    std::vector<Picture> pictures;
    const bool ok = MakeImages(options.assets, rows, pictures) &&
                    WriteSheet(options.assets / "contact" / "only.png", pictures, rows) &&
                    WriteManifestTsv(options.assets / "contact" / "manifest.tsv");
    std::printf("assetgen: %zu pictures matching \"%s\"\n", rows.size(), options.only.c_str());
    return ok ? 0 : 1;
  }
  const auto start = std::chrono::steady_clock::now();
  std::error_code ec;
  for (const fs::path& dir : {options.assets, options.assets / "sounds", options.assets / "BGM",
                              options.assets / "contact", options.generated, options.report})
    fs::create_directories(dir, ec);

  // The sounds take one core for most of the run; the pictures share the rest.
  bool audioOk = false;
  double audioSeconds = 0;
  std::thread audio([&] {
    const auto t = std::chrono::steady_clock::now();
    audioOk = !options.audio || GenerateAudio(options.assets, options.report);
    audioSeconds = Seconds(t);
  });

  std::vector<int> everything;
  for (int i = 0; i <= int(Rows().size()); ++i) everything.push_back(i);
  std::vector<Picture> pictures;
  bool ok = MakeImages(options.assets, everything, pictures);
  const double imageSeconds = Seconds(start);
  ok = ok && WriteContactSheets(options.assets / "contact", pictures) &&
       WriteScenePreviews(options.assets / "contact", pictures) &&
       WriteManifestTsv(options.assets / "contact" / "manifest.tsv");
  ok = ok && CopyFonts(options.assets) && WriteFontLinks(options.assets / "font-links.tsv") &&
       WriteDesktopIcons(options.assets / "icons") && WriteCatalogue(options.generated) &&
       WriteEmbedding(options.generated, options.assets, pictures);
  audio.join();
  if (!ok || !audioOk) return 1;
  std::printf("assetgen: %zu pictures in %.1f s, sounds in %.1f s, all done in %.1f s\n",
              Rows().size() + 1, imageSeconds, audioSeconds, Seconds(start));
  return 0;
}
