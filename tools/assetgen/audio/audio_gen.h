#pragma once
// The sound side of the generator: every sound effect and music piece, plus the listening report.

#include <filesystem>

// Writes sounds/*.ogg and BGM/*.ogg under assetsDir and the listening report under reportDir.
// Returns false (after printing one line naming what failed) on any error.
bool GenerateAudio(const std::filesystem::path& assetsDir, const std::filesystem::path& reportDir);
