// Measures a mix the game wrote, with libebur128, and judges it against the game's budget.
//
//   sound_check [--raw] FILE [--game-frames N] [--check]
//       FILE is a WAV the game wrote with --audio-out, or with --raw the bare 16-bit stereo
//       44.1 kHz stream SDL's disk audio driver writes. Prints its length, sample peak, clipped
//       samples, true peak, integrated loudness, loudness range and the start of its loudest ten
//       seconds. --game-frames N: the WAV must hold exactly 735 sample frames per game frame.
//       --check: no clipped sample, peak and true peak at or under -1 dBFS, and -18 +/- 2 LUFS.
//
// Exits 0 when the mix passes (or only measuring), 1 when it fails (saying how), 2 when the file
// cannot be read or is not such a stream.

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kFramesPerGameFrame = kRate / 60;
constexpr double kCeilingDb = -1.0;
constexpr double kTargetLufs = -18.0, kToleranceLu = 2.0;

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

int Usage() {
  std::fputs("usage: sound_check [--raw] FILE [--game-frames N] [--check]\n", stderr);
  return 2;
}

// The samples of a WAV of 16-bit stereo PCM at 44.1 kHz; false with `error` for anything else.
bool ReadWav(const std::vector<uint8_t>& bytes, std::vector<int16_t>& samples, std::string& error) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    error = "not a WAV file";
    return false;
  }
  if (U32(bytes.data() + 4) != bytes.size() - 8) {
    error = "the RIFF size does not match the file's";
    return false;
  }
  bool format = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const uint8_t* chunk = bytes.data() + at;
    const uint32_t size = U32(chunk + 4);
    if (at + 8 + size > bytes.size()) break;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
      format = U16(chunk + 8) == 1 && U16(chunk + 10) == kChannels && U32(chunk + 12) == kRate &&
               U16(chunk + 22) == 16;
      if (!format) {
        error = "not 16-bit stereo PCM at 44.1 kHz";
        return false;
      }
    } else if (std::memcmp(chunk, "data", 4) == 0 && format) {
      samples.resize(size / 2);
      std::memcpy(samples.data(), chunk + 8, samples.size() * 2);  // little-endian, as we are
      return true;
    }
    at += 8 + size + (size & 1);
  }
  error = "no format and data chunks";
  return false;
}

double Db(double gain) { return gain > 0 ? 20 * std::log10(gain) : -INFINITY; }

}  // namespace

int main(int argc, char** argv) {
  bool raw = false, check = false;
  long gameFrames = -1;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--raw") {
      raw = true;
    } else if (arg == "--check") {
      check = true;
    } else if (arg == "--game-frames" && i + 1 < argc) {
      gameFrames = std::strtol(argv[++i], nullptr, 10);
    } else if (!path && arg[0] != '-') {
      path = argv[i];
    } else {
      return Usage();
    }
  }
  if (!path) return Usage();
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  if (!in.good() && !in.eof()) {
    std::fprintf(stderr, "sound_check: cannot read %s\n", path);
    return 2;
  }
  std::vector<int16_t> samples;
  std::string error;
  if (raw) {
    samples.resize(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
  } else if (!ReadWav(bytes, samples, error)) {
    std::fprintf(stderr, "sound_check: %s: %s\n", path, error.c_str());
    return 2;
  }
  const size_t frames = samples.size() / kChannels;

  ebur128_state* meter =
      ebur128_init(kChannels, kRate,
                   EBUR128_MODE_I | EBUR128_MODE_LRA | EBUR128_MODE_TRUE_PEAK | EBUR128_MODE_S);
  if (!meter) return 2;
  long clipped = 0;
  int peak = 0;
  for (const int16_t s : samples) {
    const int magnitude = std::abs(static_cast<int>(s));
    peak = std::max(peak, magnitude);
    if (magnitude >= 32767) ++clipped;
  }
  // Fed a second at a time, so the loudest ten seconds can be found from the short-term meter's
  // three-second windows.
  double loudestTen = -INFINITY;
  size_t loudestStart = 0;
  std::vector<double> shortTerm;  // per second
  for (size_t at = 0; at < frames; at += kRate) {
    const size_t n = std::min<size_t>(kRate, frames - at);
    ebur128_add_frames_short(meter, samples.data() + at * kChannels, n);
    double s = -INFINITY;
    if (ebur128_loudness_shortterm(meter, &s) != EBUR128_SUCCESS || !std::isfinite(s)) s = -70;
    shortTerm.push_back(std::pow(10.0, s / 10));
  }
  for (size_t first = 0; first + 10 <= shortTerm.size(); ++first) {
    double power = 0;
    for (size_t i = first; i < first + 10; ++i) power += shortTerm[i];
    const double lufs = 10 * std::log10(power / 10);
    if (lufs > loudestTen) loudestTen = lufs, loudestStart = first;
  }
  double integrated = -INFINITY, range = 0, truePeak = 0;
  ebur128_loudness_global(meter, &integrated);
  ebur128_loudness_range(meter, &range);
  for (unsigned c = 0; c < kChannels; ++c) {
    double p = 0;
    ebur128_true_peak(meter, c, &p);
    truePeak = std::max(truePeak, p);
  }
  ebur128_destroy(&meter);

  // Short-term loudness is measured over three seconds up to the end of each second fed.
  const double loudestFrom = std::max(0.0, static_cast<double>(loudestStart) - 2.0);
  std::printf(
      "%s: %zu frames (%.1f s), peak %.2f dBFS, %ld clipped samples, true peak %.2f dBTP, "
      "integrated %.1f LUFS, loudness range %.1f LU, loudest ten seconds from %.0f s\n",
      path, frames, static_cast<double>(frames) / kRate, Db(peak / 32768.0), clipped, Db(truePeak),
      integrated, range, loudestFrom);

  std::vector<std::string> failures;
  if (gameFrames >= 0 && frames != static_cast<size_t>(gameFrames) * kFramesPerGameFrame) {
    failures.push_back("holds " + std::to_string(frames) + " sample frames, not " +
                       std::to_string(gameFrames) + " game frames of 735");
  }
  if (check) {
    if (clipped > 0) failures.push_back(std::to_string(clipped) + " clipped samples");
    if (Db(peak / 32768.0) > kCeilingDb) failures.push_back("the peak is above -1 dBFS");
    if (Db(truePeak) > kCeilingDb) failures.push_back("the true peak is above -1 dBFS");
    if (!(std::fabs(integrated - kTargetLufs) <= kToleranceLu))
      failures.push_back("the loudness is outside -18 +/- 2 LUFS");
  }
  for (const std::string& failure : failures) std::printf("FAIL: %s\n", failure.c_str());
  return failures.empty() ? 0 : 1;
}
