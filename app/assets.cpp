#include "app/assets.h"

#include "embedded_assets.h"

// Placeholder until the generated catalogue lands: only the embedded files are registered.
bool LoadImages(std::string&) {
  RegisterEmbeddedAssets();
  return true;
}
bool LoadFonts(std::string&) { return true; }
bool LoadSounds(std::string&) { return true; }
