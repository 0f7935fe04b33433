#include "score.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace audiogen {

namespace {

int PitchClass(std::string_view s, size_t* used) {
  static constexpr int kNatural[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (s.empty() || s[0] < 'A' || s[0] > 'G') return -1;
  int pc = kNatural[s[0] - 'A'];
  *used = 1;
  if (s.size() > 1 && (s[1] == '#' || s[1] == 'b')) {
    pc += s[1] == '#' ? 1 : -1;
    *used = 2;
  }
  return (pc + 12) % 12;
}

std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (std::isspace(static_cast<unsigned char>(text[i])) || text[i] == '|'))
      ++i;
    size_t start = i;
    while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != '|')
      ++i;
    if (i > start) out.push_back(text.substr(start, i - start));
  }
  return out;
}

[[noreturn]] void Fail(std::string_view what, std::string_view token) {
  std::fprintf(stderr, "assetgen: bad %.*s in a score: '%.*s'\n", static_cast<int>(what.size()),
               what.data(), static_cast<int>(token.size()), token.data());
  std::abort();
}

// The smallest pitch at or above `lowest` with pitch class `pc`.
int PlaceAbove(int pc, int lowest) { return lowest + ((pc - lowest) % 12 + 12) % 12; }

}  // namespace

float ParseNote(std::string_view name) {
  size_t used = 0;
  int pc = PitchClass(name, &used);
  if (pc < 0 || used >= name.size()) return -1.0f;
  std::string rest(name.substr(used));
  if (!std::isdigit(static_cast<unsigned char>(rest[0]))) return -1.0f;
  int octave = std::atoi(rest.c_str());
  // "Cb" and "B#" cross the octave boundary the way they are spelled.
  int natural = (name[0] == 'C' && name[1] == 'b')   ? -12
                : (name[0] == 'B' && name[1] == '#') ? 12
                                                     : 0;
  return static_cast<float>((octave + 1) * 12 + pc + natural);
}

Chord ParseChord(std::string_view symbol) {
  Chord c;
  size_t used = 0;
  c.root = PitchClass(symbol, &used);
  if (c.root < 0) Fail("chord", symbol);
  std::string_view rest = symbol.substr(used);
  c.bass = c.root;
  if (size_t slash = rest.find('/'); slash != std::string_view::npos) {
    size_t bassUsed = 0;
    c.bass = PitchClass(rest.substr(slash + 1), &bassUsed);
    if (c.bass < 0) Fail("chord", symbol);
    rest = rest.substr(0, slash);
  }
  struct Quality {
    std::string_view name;
    std::vector<int> tones;
  };
  // clang-format off
  static const Quality kQualities[] = {
      {"",      {0, 4, 7}},      {"m",     {0, 3, 7}},      {"7",     {0, 4, 7, 10}},
      {"m7",    {0, 3, 7, 10}},  {"maj7",  {0, 4, 7, 11}},  {"sus4",  {0, 5, 7}},
      {"sus2",  {0, 2, 7}},      {"dim",   {0, 3, 6}},      {"aug",   {0, 4, 8}},
      {"5",     {0, 7}},         {"add9",  {0, 4, 7, 14}},  {"madd9", {0, 3, 7, 14}},
      {"6",     {0, 4, 7, 9}},   {"m6",    {0, 3, 7, 9}},   {"mmaj7", {0, 3, 7, 11}},
  };
  // clang-format on
  for (const Quality& q : kQualities) {
    if (q.name == rest) {
      c.tones = q.tones;
      return c;
    }
  }
  Fail("chord", symbol);
}

Score::Score(int beatsPerBar, int bars, int64_t loopSamples, uint64_t seed)
    : beatsPerBar_(beatsPerBar),
      bars_(bars),
      loopSamples_(loopSamples),
      samplesPerBeat_(static_cast<double>(loopSamples) / (static_cast<double>(bars) * beatsPerBar)),
      rng_(seed),
      chords_(static_cast<size_t>(bars)) {}

int Score::Add(const Instrument& instrument) {
  instruments_.push_back(instrument);
  return static_cast<int>(instruments_.size()) - 1;
}

void Score::SetChords(int bar, std::string_view chords) {
  for (std::string_view token : Tokens(chords)) {
    if (bar >= bars_) Fail("bar number", token);
    auto& parts = chords_[static_cast<size_t>(bar++)];
    parts.clear();
    size_t start = 0;
    while (true) {
      size_t colon = token.find(':', start);
      parts.push_back(ParseChord(token.substr(start, colon - start)));
      if (colon == std::string_view::npos) break;
      start = colon + 1;
    }
  }
}

const Chord& Score::ChordAt(double beat) const {
  int bar = std::clamp(static_cast<int>(beat / beatsPerBar_), 0, bars_ - 1);
  const auto& parts = chords_[static_cast<size_t>(bar)];
  if (parts.empty()) {
    static const Chord kNone = ParseChord("C5");
    return kNone;
  }
  double within = (beat - BeatOfBar(bar)) / beatsPerBar_;
  size_t part = std::min(parts.size() - 1, static_cast<size_t>(within * parts.size() + 1e-9));
  return parts[part];
}

int64_t Score::SampleOf(double beat) const {
  return static_cast<int64_t>(std::llround(beat * samplesPerBeat_));
}

void Score::Hit(int inst, double beat, float pitch, float vel, double beats) {
  if (beat < 0 || beat >= BeatOfBar(bars_)) {
    std::fprintf(stderr, "assetgen: a note at beat %.2f lies outside the loop\n", beat);
    std::abort();
  }
  beats = std::min(beats, BeatOfBar(bars_) - beat);
  float human = 1.0f + 0.06f * rng_.Bipolar();
  notes_.push_back({beat, beats, pitch, std::clamp(vel * human, 0.05f, 1.2f), inst});
}

void Score::Walk(int inst, const std::vector<std::string_view>& tokens, double beat, double step,
                 const std::function<std::vector<Sounding>(std::string_view, double)>& start) {
  std::vector<Sounding> pending;
  double from = -1;
  auto flush = [&](double end) {
    for (const Sounding& n : pending) Hit(inst, from, n.pitch, n.vel, end - from);
    pending.clear();
    from = -1;
  };
  for (std::string_view token : tokens) {
    if (token == ".") {
      if (from < 0) Fail("hold without a note", token);
    } else if (token == "-") {
      flush(beat);
    } else {
      flush(beat);
      pending = start(token, beat);
      from = beat;
    }
    beat += step;
  }
  flush(beat);
}

void Score::Line(int inst, int bar, int stepsPerBar, std::string_view grid, float vel,
                 int transpose) {
  // Bars marked with '|' must be whole: a miscounted bar would shift everything after it.
  for (size_t from = 0; from <= grid.size();) {
    size_t to = std::min(grid.find('|', from), grid.size());
    if (Tokens(grid.substr(from, to - from)).size() != static_cast<size_t>(stepsPerBar)) {
      Fail("bar length", grid.substr(from, to - from));
    }
    from = to + 1;
  }
  const double step = static_cast<double>(beatsPerBar_) / stepsPerBar;
  Walk(inst, Tokens(grid), BeatOfBar(bar), step, [&](std::string_view token, double) {
    bool accent = token.back() == '^';
    float p = ParseNote(accent ? token.substr(0, token.size() - 1) : token);
    if (p < 0) Fail("note", token);
    return std::vector<Sounding>{{p + static_cast<float>(transpose), vel * (accent ? 1.2f : 1.0f)}};
  });
}

void Score::Pattern(int inst, int bar, int bars, int stepsPerBar, std::string_view oneBar,
                    int lowest, float vel) {
  const double step = static_cast<double>(beatsPerBar_) / stepsPerBar;
  const auto tokens = Tokens(oneBar);
  auto chordTones = [&](std::string_view token, double beat) {
    const Chord& chord = ChordAt(beat);
    const int root = PlaceAbove(chord.root, lowest);
    auto tone = [&](size_t index, int octaves) {
      int interval = index < chord.tones.size() ? chord.tones[index] : 12;
      return root + interval + 12 * octaves;
    };
    std::vector<int> pitches;
    if (token == "c") {
      for (int t : chord.tones) pitches.push_back(PlaceAbove((chord.root + t) % 12, lowest));
    } else {
      int degree = std::atoi(std::string(token).c_str());
      int octaves = (degree - 1) / 7;
      switch ((degree - 1) % 7 + 1) {
        case 1:
          pitches.push_back(octaves ? root + 12 * octaves : PlaceAbove(chord.bass, lowest));
          break;
        case 3:
          pitches.push_back(tone(1, octaves));
          break;
        case 5:
          pitches.push_back(tone(2, octaves));
          break;
        case 7:
          pitches.push_back(chord.tones.size() > 3 ? tone(3, octaves) : root + 12 * (octaves + 1));
          break;
        default:
          Fail("degree", token);
      }
    }
    std::vector<Sounding> out;
    for (int p : pitches) out.push_back({static_cast<float>(p), vel});
    return out;
  };
  for (int b = bar; b < bar + bars; ++b) Walk(inst, tokens, BeatOfBar(b), step, chordTones);
}

void Score::Beat(int inst, int bar, int bars, int stepsPerBar, std::string_view oneBar, float vel,
                 float pitch) {
  const double step = static_cast<double>(beatsPerBar_) / stepsPerBar;
  std::string steps;
  for (char ch : oneBar) {
    if (!std::isspace(static_cast<unsigned char>(ch)) && ch != '|') steps.push_back(ch);
  }
  for (int b = bar; b < bar + bars; ++b) {
    for (size_t i = 0; i < steps.size(); ++i) {
      float level = steps[i] == 'X'   ? 1.0f
                    : steps[i] == 'x' ? 0.75f
                    : steps[i] == 'o' ? 0.4f
                                      : 0.0f;
      if (level > 0)
        Hit(inst, BeatOfBar(b) + step * static_cast<double>(i), pitch, vel * level, step);
    }
  }
}

void Score::Groove(int from, int to, std::initializer_list<DrumLine> lines,
                   std::initializer_list<int> skip) {
  for (int bar = from; bar < to; ++bar) {
    if (std::find(skip.begin(), skip.end(), bar) != skip.end()) continue;
    for (const DrumLine& line : lines) Beat(line.inst, bar, 1, 16, line.steps, line.vel);
  }
}

void Score::Hold(int inst, int bar, int bars, int lowest, float vel) {
  const Chord* current = nullptr;
  double start = 0;
  auto flush = [&](double end) {
    if (!current) return;
    for (int t : current->tones) {
      Hit(inst, start, static_cast<float>(PlaceAbove((current->root + t) % 12, lowest)), vel,
          end - start);
    }
  };
  for (int b = bar; b < bar + bars; ++b) {
    const auto& parts = chords_[static_cast<size_t>(b)];
    for (size_t p = 0; p < parts.size(); ++p) {
      double beat = BeatOfBar(b) + beatsPerBar_ * static_cast<double>(p) / parts.size();
      const Chord& c = parts[p];
      if (current && current->root == c.root && current->tones == c.tones) continue;
      flush(beat);
      current = &c;
      start = beat;
    }
  }
  flush(BeatOfBar(bar + bars));
}

Pcm Score::Render(double tailSeconds, float roomSize, float damping) const {
  const size_t total =
      static_cast<size_t>(loopSamples_) + static_cast<size_t>(Samples(tailSeconds));
  std::vector<float> left(total, 0.0f), right(total, 0.0f), send(total, 0.0f);
  for (size_t n = 0; n < notes_.size(); ++n) {
    const Note& note = notes_[n];
    const Instrument& ins = instruments_[static_cast<size_t>(note.inst)];
    const int64_t start = SampleOf(note.beat);
    const double held =
        static_cast<double>(SampleOf(note.beat + note.beats * ins.gate) - start) / kRate;
    Sound v = RenderVoice(ins, note.pitch, note.vel, held,
                          n * 7919u + static_cast<uint64_t>(note.inst) * 104729u);
    // A wide instrument spreads its notes over the stereo field by pitch, walking the circle of
    // fifths so that the notes of a chord land apart, like players seated side by side.
    float spread = std::fmod(note.pitch * 7.0f, 12.0f) / 11.0f * 2.0f - 1.0f;
    float pan = std::clamp(ins.pan + ins.width * spread, -1.0f, 1.0f);
    double angle = (pan + 1.0) * kPi / 4.0;
    float gl = static_cast<float>(std::cos(angle) * std::sqrt(2.0)) * ins.gain;
    float gr = static_cast<float>(std::sin(angle) * std::sqrt(2.0)) * ins.gain;
    float gs = ins.gain * ins.send;
    const size_t from = static_cast<size_t>(start);
    const size_t end = std::min(total, from + v.size());
    for (size_t i = from; i < end; ++i) {
      float x = v.s[i - from];
      left[i] += x * gl;
      right[i] += x * gr;
      send[i] += x * gs;
    }
  }
  Reverb room(roomSize, damping, 0.02);
  for (size_t i = 0; i < total; ++i) {
    float l, r;
    room.Process(send[i], &l, &r);
    left[i] += l;
    right[i] += r;
  }
  Pcm out;
  out.channels.push_back(std::move(left));
  out.channels.push_back(std::move(right));
  return out;
}

}  // namespace audiogen
