#include "catalogue_writer.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "manifest.h"
#include "platform/packed_picture.h"
#include "render.h"

namespace {

bool WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

// A C++ string literal for a file name (the sound and font names hold backslashes).
std::string Literal(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool Embedded(const manifest::ImageRow& row) { return row.format != manifest::kJpeg; }

// The packed form of a picture: its frames as the game cuts them from the PNG, which keeps no
// alpha for an opaque picture.
std::vector<uint8_t> PackAsLoaded(const manifest::ImageRow& row, const Picture& picture) {
  if (row.format != manifest::kRgb) {
    return PackSheet(picture.rgba.data(), picture.width, picture.height, row.frameWidth,
                     row.frameHeight, row.frames);
  }
  std::vector<uint8_t> opaque = picture.rgba;
  for (size_t i = 3; i < opaque.size(); i += 4) opaque[i] = 255;
  return PackSheet(opaque.data(), picture.width, picture.height, row.frameWidth, row.frameHeight,
                   row.frames);
}

std::filesystem::path PackedPath(const std::filesystem::path& generatedDir,
                                 const manifest::ImageRow& row) {
  return std::filesystem::absolute(generatedDir / "packed" / row.file).replace_extension(".tvp");
}

// Packs the embedded pictures on all cores, each to its file under generatedDir/packed.
bool WritePackedPictures(const std::filesystem::path& generatedDir,
                         const std::vector<Picture>& pictures) {
  std::atomic<size_t> next{0};
  std::atomic<bool> ok{true};
  auto worker = [&] {
    for (size_t i = next++; i < Rows().size(); i = next++) {
      const manifest::ImageRow& row = Rows()[i];
      if (!Embedded(row)) continue;
      const std::vector<uint8_t> packed = PackAsLoaded(row, pictures[i]);
      const std::filesystem::path path = PackedPath(generatedDir, row);
      std::error_code ec;
      std::filesystem::create_directories(path.parent_path(), ec);
      if (packed.empty()) std::fprintf(stderr, "assetgen: cannot pack %s\n", row.file);
      if (packed.empty() || !WriteText(path, std::string(packed.begin(), packed.end()))) ok = false;
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
    pool.emplace_back(worker);
  for (auto& t : pool) t.join();
  return ok;
}

}  // namespace

std::string GlobalName(const std::string& prefix, const std::string& file) {
  const size_t slash = file.find_last_of("/\\");
  std::string stem = slash == std::string::npos ? file : file.substr(slash + 1);
  const size_t dot = stem.find_last_of('.');
  if (dot != std::string::npos) stem.resize(dot);
  std::string name;
  for (char c : stem)
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  if (!name.empty()) name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
  return prefix + name;
}

bool WriteCatalogue(const std::filesystem::path& generatedDir) {
  std::ostringstream h;
  h << "#pragma once\n"
       "// The asset catalogue, written by tools/assetgen from its manifest: edit the manifest,\n"
       "// not this file. One global per picture, font and sound, and the tables the loaders in\n"
       "// world/assets.cpp walk in loading order.\n\n"
       "#include \"platform/audio.h\"\n"
       "#include \"platform/graphics.h\"\n\n";
  for (const auto& row : Rows()) h << "extern ImagePtr " << GlobalName("img", row.file) << ";\n";
  h << "\n";
  for (const auto& font : manifest::kFonts) h << "extern FontPtr " << font.global << ";\n";
  h << "\n";
  for (const auto& sound : manifest::kSounds)
    h << "extern SoundPtr " << GlobalName("snd", sound.file) << ";\n";
  h << "\nnamespace catalogue {\n\n"
       "struct Image {\n"
       "  ImagePtr* global;\n"
       "  const char* file;\n"
       "  bool embedded;  // packed inside the program as \"incbin::\" + file, else the file "
       "beside the game\n"
       "  int frameWidth;\n"
       "  int frameHeight;\n"
       "  int frames;\n"
       "  float handleX;\n"
       "  float handleY;\n"
       "};\n"
       "struct Font {\n"
       "  FontPtr* global;\n"
       "  const char* file;\n"
       "  int size;\n"
       "  int style;\n"
       "};\n"
       "struct Sound {\n"
       "  SoundPtr* global;\n"
       "  const char* file;\n"
       "  float gainDb;  // its level in the mix, by its role\n"
       "};\n\n"
    << "inline constexpr int kImageCount = " << Rows().size() << ";\n"
    << "inline constexpr int kFontCount = " << manifest::kFonts.size() << ";\n"
    << "inline constexpr int kSoundCount = " << manifest::kSounds.size() << ";\n"
    << "// The music's level in the mix.\n"
    << "inline constexpr float kMusicGainDb = " << manifest::kMusicGainDb << ";\n"
    << "extern const Image kImages[kImageCount];\n"
       "extern const Font kFonts[kFontCount];\n"
       "extern const Sound kSounds[kSoundCount];\n\n"
       "}  // namespace catalogue\n";

  std::ostringstream c;
  c << "// Written by tools/assetgen from its manifest.\n"
       "#include \"asset_catalogue.h\"\n\n";
  for (const auto& row : Rows()) c << "ImagePtr " << GlobalName("img", row.file) << ";\n";
  for (const auto& font : manifest::kFonts) c << "FontPtr " << font.global << ";\n";
  for (const auto& sound : manifest::kSounds)
    c << "SoundPtr " << GlobalName("snd", sound.file) << ";\n";
  c << "\nnamespace catalogue {\n\n// clang-format off\nconst Image kImages[kImageCount] = {\n";
  for (const auto& row : Rows()) {
    c << "    {&" << GlobalName("img", row.file) << ", " << Literal(row.file) << ", "
      << (Embedded(row) ? "true" : "false") << ", " << row.frameWidth << ", " << row.frameHeight
      << ", " << row.frames << ", " << row.handleX << ", " << row.handleY << "},\n";
  }
  c << "};\n\nconst Font kFonts[kFontCount] = {\n";
  for (const auto& font : manifest::kFonts) {
    c << "    {&" << font.global << ", " << Literal(font.file) << ", " << font.size << ", "
      << font.style << "},\n";
  }
  c << "};\n\nconst Sound kSounds[kSoundCount] = {\n";
  for (const auto& sound : manifest::kSounds) {
    c << "    {&" << GlobalName("snd", sound.file) << ", " << Literal(sound.file) << ", "
      << manifest::RoleGainOf(sound.role).gainDb << "},\n";
  }
  c << "};\n// clang-format on\n\n}  // namespace catalogue\n";

  return WriteText(generatedDir / "asset_catalogue.h", h.str()) &&
         WriteText(generatedDir / "asset_catalogue.cpp", c.str());
}

bool WriteEmbedding(const std::filesystem::path& generatedDir,
                    const std::filesystem::path& assetsDir, const std::vector<Picture>& pictures) {
  if (!WritePackedPictures(generatedDir, pictures)) return false;
  // Every embedded picture of the catalogue, packed, then the icon as its PNG.
  std::vector<std::string> names;
  std::vector<std::filesystem::path> paths;
  for (const auto& row : Rows()) {
    if (!Embedded(row)) continue;
    names.push_back(row.file);
    paths.push_back(PackedPath(generatedDir, row));
  }
  names.push_back(manifest::kIcon.file);
  paths.push_back(std::filesystem::absolute(assetsDir / manifest::kIcon.file));

  std::ostringstream s;
  s << "# The pictures carried inside the program, written by tools/assetgen.\n"
       "    .section .rodata.talvenne_assets,\"a\",@progbits\n";
  for (size_t i = 0; i < paths.size(); ++i) {
    const std::string path = paths[i].string();
    if (path.find('"') != std::string::npos) {
      std::fprintf(stderr, "assetgen: cannot embed a path holding a quote: %s\n", path.c_str());
      return false;
    }
    s << "    .balign 16\n"
      << "    .globl talvenne_asset_" << i << ", talvenne_asset_" << i << "_end\n"
      << "talvenne_asset_" << i << ":\n"
      << "    .incbin \"" << path << "\"\n"
      << "talvenne_asset_" << i << "_end:\n";
  }
  s << "    .section .note.GNU-stack,\"\",@progbits\n";

  std::ostringstream c;
  c << "// Registers the pictures embedded by embedded_assets.S; written by tools/assetgen.\n"
       "#include \"embedded_assets.h\"\n\n"
       "#include <cstddef>\n"
       "#include <cstdint>\n"
       "#include <mutex>\n\n"
       "#include \"platform/graphics.h\"\n\n"
       "extern \"C\" {\n";
  for (size_t i = 0; i < names.size(); ++i)
    c << "extern const uint8_t talvenne_asset_" << i << "[], talvenne_asset_" << i << "_end[];\n";
  c << "}\n\nnamespace {\n"
       "struct EmbeddedFile {\n"
       "  const char* name;\n"
       "  const uint8_t* begin;\n"
       "  const uint8_t* end;\n"
       "};\n"
       "// clang-format off\n"
       "const EmbeddedFile kEmbeddedFiles[] = {\n";
  for (size_t i = 0; i < names.size(); ++i) {
    c << "    {" << Literal(names[i]) << ", talvenne_asset_" << i << ", talvenne_asset_" << i
      << "_end},\n";
  }
  c << "};\n// clang-format on\n}  // namespace\n\n"
       "// Only the first call registers: the program registers before it loads the pictures on\n"
       "// another thread, and LoadImages registers too for callers that did not, so a later call\n"
       "// must not touch the table while the window icon is being read from it.\n"
       "void RegisterEmbeddedAssets() {\n"
       "  static std::once_flag once;\n"
       "  std::call_once(once, [] {\n"
       "    for (const EmbeddedFile& file : kEmbeddedFiles)\n"
       "      RegisterEmbeddedFile(file.name, file.begin, static_cast<size_t>(file.end - "
       "file.begin));\n"
       "  });\n"
       "}\n";
  const std::string h =
      "#pragma once\n"
      "// Written by tools/assetgen. Registers every picture carried inside the program under its\n"
      "// \"incbin::\" name.\n"
      "void RegisterEmbeddedAssets();\n";
  return WriteText(generatedDir / "embedded_assets.S", s.str()) &&
         WriteText(generatedDir / "embedded_assets.h", h) &&
         WriteText(generatedDir / "embedded_assets.cpp", c.str());
}
