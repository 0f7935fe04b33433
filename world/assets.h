#pragma once
// The asset catalogue: one global per picture, font and sound, named img..., fnt..., snd...
// (declared by the catalogue the asset generator writes from its manifest), and the three
// loading steps of start-up.

#include <string>

#include "asset_catalogue.h"
#include "embedded_assets.h"
#include "platform/platform.h"

// Registers the embedded pictures, then loads every image in catalogue order with its handle.
// On failure returns false with `failed` naming the file.
bool LoadImages(std::string& failed);
// The six fonts, in catalogue order.
bool LoadFonts(std::string& failed);
// The sound effects, in catalogue order (the game manager calls it first thing).
bool LoadSounds(std::string& failed);

// The program's icon, embedded by the generator beside the pictures.
inline std::string WindowIconName() { return std::string(kEmbeddedPrefix) + "icon.png"; }
