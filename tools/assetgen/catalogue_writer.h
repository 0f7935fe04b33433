#pragma once
// Writes the game's side of the manifest: the catalogue of globals and tables the loaders walk,
// and the assembler file that carries the pictures inside the program.

#include <filesystem>
#include <string>

// "sprites/MomoRun.png" -> "imgMomoRun", "sounds\TVbeep-3.ogg" -> "sndTVbeep3": the prefix,
// then the file name without folder and extension, letters and digits only, first one upper case.
std::string GlobalName(const std::string& prefix, const std::string& file);

bool WriteCatalogue(const std::filesystem::path& generatedDir);
// Embeds every PNG of the manifest and the window icon, read from assetsDir.
bool WriteEmbedding(const std::filesystem::path& generatedDir,
                    const std::filesystem::path& assetsDir);
