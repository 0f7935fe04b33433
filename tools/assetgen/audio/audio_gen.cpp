#include "audio_gen.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "effects.h"
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
  if (!f) std::fprintf(stderr, "assetgen: cannot write %s\n", path.string().c_str());
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

  // Each piece renders on its own thread; every result lands in its own slot, so the output
  // does not depend on which thread finishes first.
  const auto& pieces = PieceRecipes();
  std::vector<Encoded> music(pieces.size());
  std::vector<RenderedPiece> rendered(pieces.size());
  std::vector<std::thread> threads;
  for (size_t i = 0; i < pieces.size(); ++i) {
    threads.emplace_back([&, i] {
      EnableFlushToZero();
      rendered[i] = RenderPiece(pieces[i]);
      music[i] = EncodeWithin(pieces[i].name, kMusicCeilingDb,
                              [&](float ceiling) { return MasterPiece(rendered[i], ceiling); });
      rendered[i].pcm = Pcm();
    });
  }

  EnableFlushToZero();
  bool ok = true;
  std::vector<FileStats> effectStats;
  for (const EffectRecipe& recipe : EffectRecipes()) {
    Encoded e = EncodeWithin(recipe.name, kEffectCeilingDb, [&](float ceiling) {
      Pcm pcm;
      pcm.channels.push_back(MakeEffect(recipe, ceiling));
      return pcm;
    });
    std::string file = std::string("sounds/") + recipe.name + ".ogg";
    if (!e.error.empty()) {
      std::fprintf(stderr, "assetgen: %s\n", e.error.c_str());
      ok = false;
      continue;
    }
    ok = WriteFile(assetsDir / file, e.bytes) && ok;
    effectStats.push_back(Measure(file, e.decoded));
  }

  for (std::thread& t : threads) t.join();
  std::vector<FileStats> musicStats;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const PieceRecipe& piece = pieces[i];
    std::string file = std::string("BGM/") + piece.name + ".ogg";
    if (!music[i].error.empty()) {
      std::fprintf(stderr, "assetgen: %s\n", music[i].error.c_str());
      ok = false;
      continue;
    }
    ok = WriteFile(assetsDir / file, music[i].bytes) && ok;
    FileStats st = Measure(file, music[i].decoded);
    const size_t loop = static_cast<size_t>(LoopSamples(piece.loopFrames));
    char note[160];
    std::snprintf(note, sizeof note,
                  "%d frames = %zu samples = %.3f s, %d bars at %.2f BPM, then %.1f s tail",
                  piece.loopFrames, loop, static_cast<double>(loop) / kRate, rendered[i].bars,
                  rendered[i].bpm, piece.tailSeconds);
    st.note = note;
    musicStats.push_back(st);
    std::filesystem::path png = reportDir / (std::string(piece.name) + "_spectrogram.png");
    if (!WriteSpectrogram(music[i].decoded, loop, png)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", png.string().c_str());
      ok = false;
    }
  }
  if (!ok) return false;

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
