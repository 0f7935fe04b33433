#include "audio_gen.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "effects.h"
#include "manifest.h"
#include "music.h"
#include "ogg_codec.h"
#include "report.h"

namespace audiogen {
namespace {

constexpr float kQuality = 0.45f;
constexpr float kPromisedPeakDb = -1.0f;

struct Encoded {
  std::vector<uint8_t> bytes;
  Pcm decoded;
  std::string error;
};

// The gain of the effect's role in the game's mix, from the manifest the catalogue is made of.
float EffectGainDb(const std::string& file, std::string& role) {
  for (const auto& sound : manifest::kSounds) {
    std::string name = sound.file;
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name != file) continue;
    const auto& gain = manifest::RoleGainOf(sound.role);
    role = gain.name;
    return gain.gainDb;
  }
  role = "(not loaded)";
  return 0;
}

uint32_t SerialFor(const std::string& name) {
  uint32_t h = 2166136261u;  // FNV-1a: a stable serial number per file
  for (char c : name) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
  return h;
}

// Encodes what `master(ceiling)` produces and checks the decoded peak. The codec can overshoot
// sharp transients by a decibel or so; when it does, the ceiling comes down by the overshoot
// and the sound is mastered again.
Encoded EncodeWithin(const std::string& name, float ceilingDb,
                     const std::function<Pcm(float)>& master) {
  Encoded out;
  for (int attempt = 0; attempt < 6; ++attempt) {
    out.bytes = EncodeVorbis(master(ceilingDb), kQuality, SerialFor(name));
    int rate = 0;
    if (out.bytes.empty() || !DecodeVorbis(out.bytes, &out.decoded, &rate) || rate != kRate) {
      out.error = "cannot encode " + name;
      return out;
    }
    std::vector<const std::vector<float>*> channels;
    for (const auto& ch : out.decoded.channels) channels.push_back(&ch);
    float peakDb = GainToDb(Peak(channels));
    if (peakDb <= kPromisedPeakDb - 0.02f) return out;
    ceilingDb -= peakDb - kPromisedPeakDb + 0.1f;
  }
  out.error = name + " still peaks above -1 dBFS after decoding";
  return out;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream f(path, std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  return static_cast<bool>(f);
}

}  // namespace
}  // namespace audiogen

bool GenerateAudio(const std::filesystem::path& assetsDir, const std::filesystem::path& reportDir) {
  using namespace audiogen;
  const auto started = std::chrono::steady_clock::now();
  std::error_code ec;
  for (const auto& dir : {assetsDir / "sounds", assetsDir / "BGM", reportDir}) {
    std::filesystem::create_directories(dir, ec);
    if (ec) {
      std::fprintf(stderr, "assetgen: cannot create %s: %s\n", dir.string().c_str(),
                   ec.message().c_str());
      return false;
    }
  }

  // Each piece renders on its own thread and the effects on another; every result lands in its
  // own slot, so the output does not depend on which thread finishes first. The calling thread
  // only waits, and keeps its floating-point mode.
  const auto& pieces = PieceRecipes();
  std::vector<FileStats> musicStats(pieces.size());
  std::vector<std::string> errors(pieces.size() + 1);
  std::vector<std::thread> threads;
  for (size_t i = 0; i < pieces.size(); ++i) {
    threads.emplace_back([&, i] {
      EnableFlushToZero();
      const PieceRecipe& piece = pieces[i];
      const RenderedPiece rendered = RenderPiece(piece);
      const Encoded e = EncodeWithin(piece.name, kMusicCeilingDb,
                                     [&](float ceiling) { return MasterPiece(rendered, ceiling); });
      const std::string file = std::string("BGM/") + piece.name + ".ogg";
      const auto png = reportDir / (std::string(piece.name) + "_spectrogram.png");
      const size_t loop = static_cast<size_t>(LoopSamples(piece.loopFrames));
      if (!e.error.empty()) {
        errors[i] = e.error;
        return;
      }
      if (!WriteFile(assetsDir / file, e.bytes))
        errors[i] = "cannot write " + (assetsDir / file).string();
      if (!WriteSpectrogram(e.decoded, loop, png)) errors[i] = "cannot write " + png.string();
      FileStats& st = musicStats[i];
      st = Measure(file, e.decoded, manifest::kMusicGainDb);
      st.role = "music";
      char note[160];
      std::snprintf(note, sizeof note,
                    "%d frames = %zu samples = %.3f s, %d bars at %.2f BPM, then %.1f s tail",
                    piece.loopFrames, loop, static_cast<double>(loop) / kRate, rendered.bars,
                    rendered.bpm, piece.tailSeconds);
      st.note = note;
    });
  }
  std::vector<FileStats> effectStats;
  threads.emplace_back([&] {
    EnableFlushToZero();
    for (const EffectRecipe& recipe : EffectRecipes()) {
      Encoded e = EncodeWithin(recipe.name, kEffectCeilingDb, [&](float ceiling) {
        Pcm pcm;
        pcm.channels.push_back(MakeEffect(recipe, ceiling));
        return pcm;
      });
      const std::string file = std::string("sounds/") + recipe.name + ".ogg";
      if (e.error.empty() && !WriteFile(assetsDir / file, e.bytes)) {
        e.error = "cannot write " + (assetsDir / file).string();
      }
      if (!e.error.empty()) {
        errors.back() = e.error;
        return;
      }
      std::string role;
      const float gainDb = EffectGainDb(file, role);
      effectStats.push_back(Measure(file, e.decoded, gainDb));
      effectStats.back().role = role;
    }
  });
  for (std::thread& t : threads) t.join();
  for (const std::string& error : errors) {
    if (!error.empty()) {
      std::fprintf(stderr, "assetgen: %s\n", error.c_str());
      return false;
    }
  }

  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::filesystem::path report = reportDir / "listening_report.md";
  if (!WriteReport(effectStats, musicStats, seconds, report)) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", report.string().c_str());
    return false;
  }
  std::printf("assetgen: %zu sound effects and %zu pieces of music in %.1f s\n", effectStats.size(),
              musicStats.size(), seconds);
  return true;
}
