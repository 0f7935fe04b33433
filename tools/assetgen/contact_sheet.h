#pragma once
// Review sheets: every frame of every picture of a group side by side, its pivot marked and its
// name underneath; and manifest.tsv, one line per picture.

#include <filesystem>
#include <vector>

#include "image_io.h"

// `pictures` holds the rendered files in manifest order.
bool WriteContactSheets(const std::filesystem::path& dir, const std::vector<Picture>& pictures);
bool WriteManifestTsv(const std::filesystem::path& path);
