#pragma once
// Review sheets: every frame of every picture of a group side by side, its pivot marked and its
// name underneath; previews of whole scenes; and manifest.tsv, one line per picture.

#include <filesystem>
#include <vector>

#include "image_io.h"

// `pictures` holds the rendered files in manifest order.
bool WriteContactSheets(const std::filesystem::path& dir, const std::vector<Picture>& pictures);
// One sheet of the given rows of the manifest.
bool WriteSheet(const std::filesystem::path& path, const std::vector<Picture>& pictures,
                std::vector<int> rows);
bool WriteManifestTsv(const std::filesystem::path& path);
// The title screen and a castle stage composed from the pictures as the game lays them out.
bool WriteScenePreviews(const std::filesystem::path& dir, const std::vector<Picture>& pictures);
