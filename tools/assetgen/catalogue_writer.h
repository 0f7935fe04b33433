#pragma once
// Writes the game's side of the manifest: the catalogue of globals and tables the loaders walk,
// and the assembler file that carries the pictures inside the program.

#include <filesystem>
#include <string>
#include <vector>

#include "image_io.h"

// "sprites/MomoRun.png" -> "imgMomoRun", "sounds\TVbeep-3.ogg" -> "sndTVbeep3": the prefix,
// then the file name without folder and extension, letters and digits only, first one upper case.
std::string GlobalName(const std::string& prefix, const std::string& file);

bool WriteCatalogue(const std::filesystem::path& generatedDir);
// Embeds every embedded picture of the manifest packed (platform/packed_picture.h), as the game
// would read it from its PNG, and the window icon as its PNG from assetsDir. `pictures` holds
// the rendered pictures in catalogue order; the packed files go to generatedDir/packed.
bool WriteEmbedding(const std::filesystem::path& generatedDir,
                    const std::filesystem::path& assetsDir, const std::vector<Picture>& pictures);
