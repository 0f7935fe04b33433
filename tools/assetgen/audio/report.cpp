#include "report.h"

#include <ebur128.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>

#include "synth.h"

namespace audiogen {

namespace {

// The loudness of the sound after `gainDb`, by libebur128: the loudest 400 ms window for a short
// effect (silence follows it, so that the window can pass its end), the integrated loudness of a
// piece of music.
float MixLoudness(const Pcm& decoded, float gainDb, bool integrated) {
  const auto channels = static_cast<unsigned>(decoded.channels.size());
  ebur128_state* meter = ebur128_init(channels, kRate, EBUR128_MODE_M | EBUR128_MODE_I);
  if (!meter) return -INFINITY;
  const float gain = DbToGain(gainDb);
  const size_t frames = decoded.frames(), padded = frames + static_cast<size_t>(kRate * 0.4);
  constexpr size_t kStep = kRate / 100;  // the momentary loudness is read every 10 ms
  std::vector<float> block;
  double loudest = -INFINITY;
  for (size_t at = 0; at < padded; at += kStep) {
    const size_t n = std::min(kStep, padded - at);
    block.assign(n * channels, 0.0f);
    for (size_t i = 0; i < n && at + i < frames; ++i) {
      for (unsigned c = 0; c < channels; ++c)
        block[i * channels + c] = decoded.channels[c][at + i] * gain;
    }
    ebur128_add_frames_float(meter, block.data(), n);
    double momentary = -INFINITY;
    if (ebur128_loudness_momentary(meter, &momentary) == EBUR128_SUCCESS)
      loudest = std::max(loudest, momentary);
  }
  double whole = -INFINITY;
  ebur128_loudness_global(meter, &whole);
  ebur128_destroy(&meter);
  return static_cast<float>(integrated ? whole : loudest);
}

}  // namespace

FileStats Measure(const std::string& file, const Pcm& decoded, float gainDb) {
  FileStats st;
  st.gainDb = gainDb;
  st.mixLufs = MixLoudness(decoded, gainDb, decoded.channels.size() > 1);
  st.file = file;
  st.channels = static_cast<int>(decoded.channels.size());
  st.seconds = static_cast<double>(decoded.frames()) / kRate;
  std::vector<const std::vector<float>*> channels;
  double sum = 0.0;
  for (const auto& ch : decoded.channels) {
    channels.push_back(&ch);
    for (float v : ch) sum += static_cast<double>(v) * v;
  }
  st.peakDb = GainToDb(Peak(channels));
  double samples = static_cast<double>(decoded.frames()) * st.channels;
  st.rmsDb = GainToDb(static_cast<float>(std::sqrt(sum / std::max(1.0, samples))));
  st.integratedLufs = MeasureLoudness(channels, 0.4).integrated;
  st.loudest200msLufs = MeasureLoudness(channels, 0.2).max;
  return st;
}

namespace {

void Fft(std::vector<std::complex<float>>& a) {
  const size_t n = a.size();
  for (size_t i = 1, j = 0; i < n; ++i) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (size_t len = 2; len <= n; len <<= 1) {
    double ang = -kTwoPi / static_cast<double>(len);
    std::complex<float> wl(static_cast<float>(std::cos(ang)), static_cast<float>(std::sin(ang)));
    for (size_t i = 0; i < n; i += len) {
      std::complex<float> w(1.0f, 0.0f);
      for (size_t k = 0; k < len / 2; ++k) {
        auto u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        w *= wl;
      }
    }
  }
}

// Black through violet and orange to pale yellow: quiet is dark, loud is bright.
void Colour(float t, png_byte* rgb) {
  static constexpr float kStops[5][3] = {
      {0, 0, 0}, {60, 10, 110}, {190, 40, 90}, {250, 150, 30}, {255, 250, 200}};
  t = std::clamp(t, 0.0f, 1.0f) * 4.0f;
  int i = std::min(3, static_cast<int>(t));
  float f = t - static_cast<float>(i);
  for (int c = 0; c < 3; ++c) {
    rgb[c] = static_cast<png_byte>(kStops[i][c] + (kStops[i + 1][c] - kStops[i][c]) * f);
  }
}

}  // namespace

bool WriteSpectrogram(const Pcm& pcm, size_t markSample, const std::filesystem::path& png) {
  constexpr int kWidth = 1200, kHeight = 400, kFft = 4096;
  constexpr double kLowHz = 30.0, kHighHz = 18000.0;
  const size_t frames = pcm.frames();
  std::vector<png_byte> image(static_cast<size_t>(kWidth) * kHeight * 3, 0);
  std::vector<float> window(kFft);
  for (int i = 0; i < kFft; ++i) {
    window[i] = static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * i / (kFft - 1)));
  }
  std::vector<std::complex<float>> buf(kFft);
  for (int x = 0; x < kWidth; ++x) {
    size_t centre = frames * static_cast<size_t>(x) / kWidth;
    for (int i = 0; i < kFft; ++i) {
      long at = static_cast<long>(centre) + i - kFft / 2;
      float v = 0.0f;
      if (at >= 0 && static_cast<size_t>(at) < frames) {
        for (const auto& ch : pcm.channels) v += ch[static_cast<size_t>(at)];
        v /= static_cast<float>(pcm.channels.size());
      }
      buf[i] = {v * window[i], 0.0f};
    }
    Fft(buf);
    for (int y = 0; y < kHeight; ++y) {
      double hz =
          kLowHz * std::pow(kHighHz / kLowHz, static_cast<double>(kHeight - 1 - y) / (kHeight - 1));
      int bin = std::clamp(static_cast<int>(hz * kFft / kRate), 1, kFft / 2 - 1);
      float mag = std::abs(buf[bin]) * (4.0f / kFft);
      float db = GainToDb(mag);
      Colour((db + 105.0f) / 95.0f, &image[(static_cast<size_t>(y) * kWidth + x) * 3]);
    }
  }
  auto vline = [&](size_t sample, png_byte r, png_byte g, png_byte b, int dash) {
    int x = static_cast<int>(static_cast<double>(sample) / static_cast<double>(frames) * kWidth);
    if (x < 0 || x >= kWidth) return;
    for (int y = 0; y < kHeight; ++y) {
      if (dash && (y / dash) % 2) continue;
      png_byte* p = &image[(static_cast<size_t>(y) * kWidth + x) * 3];
      p[0] = r, p[1] = g, p[2] = b;
    }
  };
  for (size_t s = 10 * kRate; s < frames; s += 10 * kRate) vline(s, 90, 90, 90, 2);
  if (markSample) vline(markSample, 80, 255, 120, 0);

  png_image out{};
  out.version = PNG_IMAGE_VERSION;
  out.width = kWidth;
  out.height = kHeight;
  out.format = PNG_FORMAT_RGB;
  bool ok = png_image_write_to_file(&out, png.string().c_str(), 0, image.data(), 0, nullptr) != 0;
  png_image_free(&out);
  return ok;
}

bool WriteReport(const std::vector<FileStats>& effects, const std::vector<FileStats>& music,
                 double generationSeconds, const std::filesystem::path& markdown) {
  std::ofstream out(markdown);
  char line[512];
  out << "# Listening report\n\n"
         "Every sound and piece of music, measured after decoding the Ogg Vorbis file. Loudness "
         "is K-weighted (LUFS-like): *integrated* gates out quiet passages over 400 ms windows, "
         "*loudest 200 ms* is the loudest 200 ms window, which is what effects are matched on. "
         "*In the mix* is the file after the gain of its role in the game's mix (before the "
         "mixer's master stage), measured with libebur128: an effect's loudest 400 ms, a piece's "
         "integrated loudness.\n\n";
  auto table = [&](const std::vector<FileStats>& rows, bool withNote) {
    out << "| File | Ch | Length (s) | Peak (dBFS) | RMS (dBFS) | Integrated (LUFS) | "
           "Loudest 200 ms (LUFS) | Role | Gain (dB) | "
        << (withNote ? "Integrated in the mix (LUFS) | Loop |"
                     : "Loudest 400 ms in the mix (LUFS) |")
        << "\n|---|---|---|---|---|---|---|---|---|---|" << (withNote ? "---|" : "") << "\n";
    for (const FileStats& r : rows) {
      std::snprintf(line, sizeof line,
                    "| %s | %d | %.3f | %.2f | %.2f | %.2f | %.2f | %s | %.1f | %.2f |",
                    r.file.c_str(), r.channels, r.seconds, r.peakDb, r.rmsDb, r.integratedLufs,
                    r.loudest200msLufs, r.role.c_str(), r.gainDb, r.mixLufs);
      out << line << (withNote ? " " + r.note + " |" : "") << "\n";
    }
  };
  auto spread = [](const std::vector<FileStats>& rows, float FileStats::*field) {
    auto [lo, hi] =
        std::minmax_element(rows.begin(), rows.end(),
                            [&](const auto& a, const auto& b) { return a.*field < b.*field; });
    return std::make_pair((*lo).*field, (*hi).*field);
  };
  out << "## Sound effects (mono, 44.1 kHz)\n\n";
  table(effects, false);
  auto [eLo, eHi] = spread(effects, &FileStats::loudest200msLufs);
  auto [pLo, pHi] = spread(effects, &FileStats::peakDb);
  std::snprintf(
      line, sizeof line,
      "\nLoudest 200 ms: %.2f to %.2f LUFS, a spread of %.2f dB. Peaks: %.2f to %.2f dBFS.\n\n",
      eLo, eHi, eHi - eLo, pLo, pHi);
  out << line;
  out << "## Music (stereo, 44.1 kHz)\n\n";
  table(music, true);
  auto [mLo, mHi] = spread(music, &FileStats::integratedLufs);
  std::snprintf(line, sizeof line,
                "\nIntegrated loudness: %.2f to %.2f LUFS, a spread of %.2f dB.\n\n", mLo, mHi,
                mHi - mLo);
  out << line;
  out << "Spectrograms (log frequency 30 Hz to 18 kHz, -105 to -10 dB, grey lines every 10 s, "
         "green line at the "
         "loop point):\n\n";
  for (const FileStats& r : music) {
    std::string stem = std::filesystem::path(r.file).stem().string();
    out << "- " << stem << ": ![" << stem << "](" << stem << "_spectrogram.png)\n";
  }
  std::snprintf(line, sizeof line, "\nGenerated in %.1f s.\n", generationSeconds);
  out << line;
  return static_cast<bool>(out);
}

}  // namespace audiogen
