#include "world/assets.h"

namespace {
// Every picture is filtered: transparency comes from its alpha channel, no colour key, no mipmaps.
constexpr int kImageFlags = 2;
}  // namespace

// Each loader walks its whole table, so that one bad file does not leave the assets after it
// empty, and reports the first file that failed.
bool LoadImages(std::string& failed) {
  RegisterEmbeddedAssets();
  failed.clear();
  for (const catalogue::Image& entry : catalogue::kImages) {
    const std::string name =
        entry.embedded ? std::string(kEmbeddedPrefix) + entry.file : std::string(entry.file);
    ImagePtr image = entry.frames == 1 ? LoadImage(name, kImageFlags)
                                       : LoadAnimImage(name, entry.frameWidth, entry.frameHeight, 0,
                                                       entry.frames, kImageFlags);
    if (image && (entry.handleX != 0 || entry.handleY != 0))
      SetImageHandle(image, entry.handleX, entry.handleY);
    if (!image && failed.empty()) failed = name;
    *entry.global = image;
  }
  return failed.empty();
}

bool LoadFonts(std::string& failed) {
  failed.clear();
  for (const catalogue::Font& entry : catalogue::kFonts) {
    *entry.global = LoadImageFont(entry.file, entry.size, entry.style);
    if (!*entry.global && failed.empty()) failed = entry.file;
  }
  return failed.empty();
}

bool LoadSounds(std::string& failed) {
  failed.clear();
  for (const catalogue::Sound& entry : catalogue::kSounds) {
    *entry.global = LoadSound(entry.file, 0);
    SetSoundGain(*entry.global, entry.gainDb);
    if (!*entry.global && failed.empty()) failed = entry.file;
  }
  return failed.empty();
}
