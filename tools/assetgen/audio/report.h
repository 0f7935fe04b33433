#pragma once
// The listening report: a table of every generated file with its length, peak and loudness,
// and a spectrogram of each piece of music with its loop point marked.

#include <filesystem>
#include <string>
#include <vector>

#include "ogg_codec.h"

namespace audiogen {

// What the report says about one file, measured on the decoded stream.
struct FileStats {
  std::string file;  // relative to the assets directory, e.g. "sounds/step1.ogg"
  int channels = 0;
  double seconds = 0;
  float peakDb = 0;
  float rmsDb = 0;
  float integratedLufs = 0;
  float loudest200msLufs = 0;
  std::string note;  // loop and tempo for music
  // Its level in the game's mix: the gain of its role, and its loudness after that gain, measured
  // with libebur128 (an effect's loudest 400 ms, a piece's integrated loudness).
  std::string role;
  float gainDb = 0;
  float mixLufs = 0;
};
// Measures the decoded file; `gainDb` is its gain in the game's mix.
FileStats Measure(const std::string& file, const Pcm& decoded, float gainDb = 0);

// Writes a log-frequency spectrogram of the mono sum, with a line at `markSample` (0: none).
bool WriteSpectrogram(const Pcm& pcm, size_t markSample, const std::filesystem::path& png);

bool WriteReport(const std::vector<FileStats>& effects, const std::vector<FileStats>& music,
                 double generationSeconds, const std::filesystem::path& markdown);

}  // namespace audiogen
