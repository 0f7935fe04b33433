// "Brute Force", the boss: D minor with a Phrygian E flat, galloping low guitar, taiko and choir,
// 80 bars at about 169 BPM.
//
//   bars  0-7   intro: taiko, timpani, choir and the synth ostinato
//   bars  8-23  A: the brass theme over the gallop
//   bars 24-39  B: half time, the choir sings over heavy stabs
//   bars 40-47  breakdown: D minor against E flat, drums and bells only
//   bars 48-63  A again, double kick
//   bars 64-75  climax: the saw lead soars
//   bars 76-79  turnaround onto A, the dominant, back into the loop

#include "music.h"

namespace audiogen {

Score ComposeBruteForce() {
  Score s(4, 80, LoopSamples(6800), 0xB0);
  // clang-format off
  //                         voice                gain   pan    send   width  gate   bright
  const int kick     = s.Add({Voice::kKick,       0.7f,  0.0f,  0.03f});
  const int snare    = s.Add({Voice::kSnare,      0.54f, 0.05f, 0.2f});
  const int hat      = s.Add({Voice::kHat,        0.29f, 0.3f,  0.04f});
  const int crash    = s.Add({Voice::kCrash,      0.56f, 0.35f, 0.15f});
  const int taiko    = s.Add({Voice::kTaiko,      0.69f,  -0.2f, 0.25f});
  const int timpani  = s.Add({Voice::kTimpani,    0.5f,  0.15f, 0.3f});
  const int tom      = s.Add({Voice::kTom,        0.33f,  -0.1f, 0.12f});
  const int sub      = s.Add({Voice::kSubBass,    0.32f, 0.0f,  0.0f});
  const int bass     = s.Add({Voice::kSawBass,    0.29f,  0.0f,  0.02f, 0.0f,  0.8f,  0.8f});
  const int guitar   = s.Add({Voice::kPowerChord, 0.36f, 0.4f,  0.05f, 0.0f,  0.7f,  0.9f});
  const int guitar2  = s.Add({Voice::kPowerChord, 0.38f, -0.4f, 0.05f, 0.0f,  0.7f,  0.85f});
  const int choir    = s.Add({Voice::kChoir,      0.38f,  0.0f,  0.45f, 0.6f});
  const int ostinato = s.Add({Voice::kSawLead,    0.21f, -0.3f, 0.2f,  0.0f,  0.45f, 0.55f});
  const int brass    = s.Add({Voice::kBrass,      0.38f,  -0.1f, 0.3f,  0.25f, 0.92f, 1.1f});
  const int stabs    = s.Add({Voice::kBrass,      0.18f, 0.2f,  0.3f,  0.4f,  0.5f});
  const int lead     = s.Add({Voice::kSawLead,    0.35f, 0.1f,  0.3f,  0.0f,  0.95f});
  const int bell     = s.Add({Voice::kBell,       0.094f,  0.3f,  0.45f});

  s.SetChords(0,  "Dm Dm Dm Dm Dm Dm Eb A");
  s.SetChords(8,  "Dm Dm Bb C   Dm Dm Eb A   Dm Dm Bb C   Gm A Dm Dm");
  s.SetChords(24, "Gm Gm Dm Dm  Eb Eb A A    Gm Gm Dm Bb  Eb C A A");
  s.SetChords(40, "Dm Eb Dm Eb  Dm Eb Gm A");
  s.SetChords(48, "Dm Dm Bb C   Dm Dm Eb A   Dm Dm Bb C   Gm A Dm Dm");
  s.SetChords(64, "Bb C Dm Dm   Bb C A A     Bb C Dm A");
  s.SetChords(76, "Eb Eb A A");

  for (int bar : {8, 24, 40, 48, 64, 76}) s.Hit(crash, s.BeatOfBar(bar), 60, 1.0f);
  for (int bar : {0, 2, 4, 8, 24, 40, 48, 64}) s.Hit(timpani, s.BeatOfBar(bar), 38, 0.9f, 2);
  auto fill = [&](int bar) {
    s.Beat(snare, bar, 1, 16, "X.x.X.xxX.X.XXXX", 0.8f);
    s.Beat(tom,   bar, 1, 16, "........X.X.....", 0.9f, 50);
    s.Beat(tom,   bar, 1, 16, "............X.X.", 0.9f, 43);
    s.Beat(kick,  bar, 1, 16, "X.......X...X...");
  };

  // Intro: the drums of a war band.
  s.Beat(taiko, 0, 6, 16, "X.......x...x...");
  s.Beat(taiko, 6, 1, 16, "X...x...X...x.x.");
  s.Beat(taiko, 7, 1, 16, "X.x.X.x.XxXxXXXX", 0.9f);
  s.Hold(choir, 0, 8, 50, 0.6f);
  s.Pattern(ostinato, 2, 6, 16, "1 1 8 1 5 1 8 1 1 1 8 1 5 8 1 5", 50, 0.7f);
  s.Pattern(sub, 0, 8, 4, "1 . . .", 26);

  // A and A again.
  for (int start : {8, 48}) {
    bool again = start == 48;
    s.Groove(start, start + 16,
             {{kick, again ? "XxxxXxxxXxxxXxxx" : "X.x...x.X.x.x...", again ? 0.8f : 1.0f},
              {snare, "....X.......X..."}, {hat, "x.x.x.x.x.x.x.x."}},
             {start + 7, start + 15});
    fill(start + 7);
    fill(start + 15);
    s.Beat(taiko, start, 16, 16, "X...............", 0.7f);
    s.Pattern(guitar, start, 16, 16, "1 - 1 1 1 - 1 1 1 - 1 1 1 - 1 1", 38, 0.75f);
    s.Pattern(guitar2, start, 16, 16, "1 - 1 1 1 - 1 1 1 - 1 1 1 - 1 1", 38, 0.7f);
    for (int bar = start; bar < start + 16; ++bar) {
      s.Pattern(bass, bar, 1, 8, bar % 4 == 3 ? "1 1 1 1 3 3 5 5" : "1 1 1 1 1 1 1 1", 38, 0.8f);
    }
    s.Pattern(sub, start, 16, 2, "1 .", 26, 0.8f);
    s.Pattern(ostinato, start, 16, 16, "1 1 8 1 5 1 8 1 1 1 8 1 5 8 1 5", 50, 0.6f);
    if (again) s.Hold(choir, start, 16, 50, 0.45f);
    const char* kTheme =
        "D5 . . . A4 . D5 . | F5 . E5 . D5 . C5 . | D5 . . . F5 . . . | E5 . . . G5 . . . |"
        "A5 . . . . . F5 . | D5 . . . E5 . F5 . | G5 . . . Eb5 . . . | C#5 . . . E5 . . . |"
        "D5 . . . A4 . D5 . | F5 . E5 . D5 . A5 . | Bb5 . . . A5 . F5 . | G5 . . . E5 . C5 . |"
        "D5 . . . G5 . Bb5 . | A5 . G5 . F5 . E5 . | D5 . . . . . . . | - - - - - - - -";
    s.Line(brass, start, 8, kTheme, again ? 0.9f : 0.8f);
    if (again) s.Line(lead, start, 8, kTheme, 0.7f);  // the saw lead thickens the brass
  }

  // B: half time.
  s.Groove(24, 40, {{kick, "X.....x...x....."}, {snare, "........X......."},
                    {hat, "x...x...x...x...", 0.8f}, {taiko, "X.......X.......", 0.7f}},
           {31, 39});
  fill(31);
  fill(39);
  s.Hold(choir, 24, 16, 50, 0.5f);
  s.Pattern(stabs, 24, 16, 8, "c . . c . . c .", 53, 0.8f);
  s.Pattern(guitar, 24, 16, 8, "1 . . 1 . . 1 .", 38, 0.8f);
  s.Pattern(guitar2, 24, 16, 8, "1 . . 1 . . 1 .", 38, 0.75f);
  s.Pattern(bass, 24, 16, 8, "1 . . 1 . . 1 .", 38, 0.85f);
  s.Pattern(sub, 24, 16, 2, "1 .", 26, 0.8f);
  s.Line(lead, 24, 4,
         "G5 . . . | Bb5 . A5 . | F5 . . . | D5 . . . | Eb5 . G5 . | Bb5 . . . | A5 . . . | C#5 . E5 . |"
         "G5 . . . | D6 . Bb5 . | A5 . . . | F5 . D5 . | G5 . . . | E5 . G5 . | A5 . . . | . . . . ",
         0.75f);
  s.Line(brass, 24, 4,
         "D5 . . . | D5 . Bb4 . | A4 . . . | F4 . . . | G4 . Bb4 . | Eb5 . . . | C#5 . . . | A4 . C#5 . |"
         "Bb4 . . . | Bb4 . D5 . | D5 . . . | Bb4 . F4 . | Bb4 . . . | C5 . E5 . | E5 . . . | . . . . ",
         0.6f);

  // Breakdown.
  s.Beat(taiko, 40, 8, 16, "X.....x...x.....");
  s.Beat(kick, 44, 4, 16, "X...X...X...X...", 0.8f);
  s.Beat(snare, 46, 2, 16, "x.x.x.x.xxxxXXXX", 0.6f);
  s.Hold(choir, 40, 8, 50, 0.55f);
  s.Pattern(bell, 40, 8, 8, "1 5 8 5 10 8 5 8", 62, 0.6f);
  s.Pattern(sub, 40, 8, 1, "1", 26, 0.8f);
  s.Pattern(ostinato, 44, 4, 16, "1 1 8 1 5 1 8 1 1 1 8 1 5 8 1 5", 50, 0.6f);

  // Climax and turnaround.
  s.Groove(64, 79, {{kick, "X.x.X.x.X.x.X.x."}, {snare, "....X.......X..."},
                    {hat, "x.x.x.x.x.x.x.x."}},
           {71});
  fill(71);
  fill(79);
  s.Hold(choir, 64, 16, 50, 0.55f);
  s.Pattern(guitar, 64, 16, 16, "1 - 1 1 1 - 1 1 1 - 1 1 1 - 1 1", 38, 0.75f);
  s.Pattern(guitar2, 64, 16, 16, "1 - 1 1 1 - 1 1 1 - 1 1 1 - 1 1", 38, 0.7f);
  s.Pattern(bass, 64, 16, 8, "1 1 1 1 1 1 1 1", 38, 0.8f);
  s.Pattern(sub, 64, 16, 2, "1 .", 26, 0.8f);
  s.Pattern(ostinato, 64, 12, 16, "1 5 8 5 1 5 8 5 1 5 8 5 10 8 5 8", 50, 0.6f);
  s.Pattern(stabs, 64, 12, 8, "c . . c . . c .", 53, 0.7f);
  s.Line(lead, 64, 8,
         "F5 . . . Bb5 . . . | C6 . . . . . G5 . | A5 . . . F5 . D5 . | A5 . . . . . . . |"
         "F5 . . . D6 . . . | E6 . . . C6 . . . | C#6 . . . . . A5 . | E5 . . . . . . . |"
         "F5 . . . Bb5 . D6 . | E6 . . . G6 . . . | F6 . . . . . D6 . | C#6 . . . E6 . . .",
         0.85f);
  s.Line(brass, 76, 8,
         "Eb5 . . . G5 . Bb5 . | Bb5 . . . G5 . Eb5 . | C#5 . . . E5 . A5 . | A5 . . . . . . .",
         0.9f);
  // clang-format on
  return s;
}

}  // namespace audiogen
