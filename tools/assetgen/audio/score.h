#pragma once
// A small sequencer: instruments, notes placed on a bar grid, chords per bar, and a renderer
// that mixes everything in stereo through one shared reverb.
//
// Notation (tokens separated by spaces; '|' is ignored and only helps the eye):
//   Line    note names "E5", "F#4", "Bb3" ("^" after a note accents it), "." holds the
//           previous note one more step, "-" is a rest.
//   Pattern chord degrees of the bar's chord: "1" root, "3" third, "5" fifth, "7" seventh (or
//           the octave when the chord has none), "8" "10" "12" "15" the same an octave or two up,
//           "c" the whole chord, plus "." and "-" as in Line.
//   Beat    one character per step: 'X' accent, 'x' normal, 'o' ghost, anything else silence.
//   Chords  chord symbols, one per bar ("Em", "C", "D/F#", "Bbmaj7", "Asus4", "E5"); a bar may be
//           split evenly with ':' ("C:D").

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "ogg_codec.h"
#include "synth.h"

namespace audiogen {

enum class Voice {
  // pitched, sustained
  kStrings,
  kPad,
  kChoir,
  kBrass,
  kSawLead,
  kSquareLead,
  kFlute,
  kSawBass,
  kFmBass,
  kSubBass,
  kPowerChord,
  kOrgan,
  // pitched, struck
  kPluck,
  kHarp,
  kBell,
  kCelesta,
  kTimpani,
  kTom,
  // unpitched
  kKick,
  kSnare,
  kHat,
  kOpenHat,
  kCrash,
  kTaiko,
  kShaker,
};

struct Instrument {
  Voice voice;
  float gain = 1.0f;
  float pan = 0.0f;     // -1 left .. 1 right
  float send = 0.15f;   // to the reverb
  float width = 0.0f;   // notes spread this far either side of `pan`, by pitch
  float gate = 1.0f;    // fraction of a written note that is held (staccato < 1)
  float bright = 1.0f;  // filter opening
};

struct Chord {
  int root = 0;            // pitch class
  std::vector<int> tones;  // semitones above the root, ascending, starting with 0
  int bass = 0;            // pitch class of the bass note (the root unless a slash chord)
};
Chord ParseChord(std::string_view symbol);
float ParseNote(std::string_view name);  // MIDI number; -1 when not a note

class Score {
 public:
  // `loopSamples` is where the music returns to its start: every bar gets exactly
  // loopSamples / bars samples, fractions included, so the loop lands on the sample.
  Score(int beatsPerBar, int bars, int64_t loopSamples, uint64_t seed);

  int Add(const Instrument& instrument);
  void SetChords(int bar, std::string_view chords);

  void Line(int inst, int bar, int stepsPerBar, std::string_view grid, float vel = 0.8f,
            int transpose = 0);
  void Pattern(int inst, int bar, int bars, int stepsPerBar, std::string_view oneBar, int lowest,
               float vel = 0.8f);
  void Beat(int inst, int bar, int bars, int stepsPerBar, std::string_view oneBar, float vel = 0.8f,
            float pitch = 60.0f);
  // A drum groove, sixteen steps a bar, over bars [from, to) except the `skip` bars (where the
  // fills go).
  struct DrumLine {
    int inst;
    std::string_view steps;
    float vel = 0.8f;
  };
  void Groove(int from, int to, std::initializer_list<DrumLine> lines,
              std::initializer_list<int> skip = {});
  // The bars' chords held as pads, voiced upwards from `lowest`; repeated chords are tied.
  void Hold(int inst, int bar, int bars, int lowest, float vel = 0.7f);
  void Hit(int inst, double beat, float pitch, float vel, double beats = 1.0);

  double BeatOfBar(int bar) const { return static_cast<double>(bar) * beatsPerBar_; }
  int bars() const { return bars_; }
  double Bpm() const { return 60.0 * kRate / samplesPerBeat_; }

  // Stereo mix of every note plus `tailSeconds` after the loop for the releases and the reverb.
  Pcm Render(double tailSeconds, float roomSize, float damping) const;

 private:
  struct Note {
    double beat, beats;
    float pitch, vel;
    int inst;
  };
  struct Sounding {
    float pitch, vel;
  };
  // Walks grid tokens from `beat`: "." holds, "-" rests, anything else is handed to `start`,
  // which says what begins sounding there; it sounds until the next token that is not a hold.
  void Walk(int inst, const std::vector<std::string_view>& tokens, double beat, double step,
            const std::function<std::vector<Sounding>(std::string_view, double)>& start);
  const Chord& ChordAt(double beat) const;
  int64_t SampleOf(double beat) const;

  int beatsPerBar_, bars_;
  int64_t loopSamples_;
  double samplesPerBeat_;
  Rng rng_;
  std::vector<Instrument> instruments_;
  std::vector<Note> notes_;
  std::vector<std::vector<Chord>> chords_;  // per bar, the even parts of the bar
};

// One note of an instrument, mono, held for `seconds` and followed by its natural release.
Sound RenderVoice(const Instrument& ins, float pitch, float vel, double seconds, uint64_t seed);

}  // namespace audiogen
