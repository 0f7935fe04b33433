#pragma once
// Small Ogg Vorbis files made at test time, so the audio tests never depend on the game's music.

#include <filesystem>
#include <vector>

// A sine tone, amplitude 0..1 of full scale.
std::vector<float> SineTone(int rate, int frames, float frequency, float amplitude);
// Left and right tones of equal length made into one interleaved stereo stream.
std::vector<float> Interleave(const std::vector<float>& left, const std::vector<float>& right);

// Encodes interleaved samples (-1..1) as Ogg Vorbis. False when the encoder or the file refuse.
bool WriteOggVorbis(const std::filesystem::path& path, int rate, int channels,
                    const std::vector<float>& samples);

// A fresh folder under the system's temporary folder, removed when the object goes.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
