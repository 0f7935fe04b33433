// "Impending Danger", the stage theme: E minor, driving eighths, 72 bars at about 147 BPM.
//
//   bars  0-3   intro: bass, chugging guitar and arpeggio over four-on-the-floor
//   bars  4-19  A: the theme on the saw lead
//   bars 20-35  B: a broader tune, brass under it, open hats
//   bars 36-43  breakdown: half time, strings and celesta, the Neapolitan F for unease
//   bars 44-47  build: snare roll and a rising line
//   bars 48-63  A again, brass stabs and a celesta counter-line
//   bars 64-71  coda ending on B, the dominant that leads back into the loop

#include "music.h"

namespace audiogen {

Score ComposeImpendingDanger() {
  Score s(4, 72, LoopSamples(7070), 0x1D);
  // clang-format off
  //                        voice                gain   pan    send  width gate  bright
  const int kick    = s.Add({Voice::kKick,       0.75f,  0.0f,  0.04f});
  const int snare   = s.Add({Voice::kSnare,      0.55f,  0.05f, 0.18f});
  const int hat     = s.Add({Voice::kHat,        0.3f,  0.3f,  0.04f});
  const int ohat    = s.Add({Voice::kOpenHat,    0.14f,  0.3f,  0.08f});
  const int crash   = s.Add({Voice::kCrash,      0.57f, -0.35f, 0.15f});
  const int tom     = s.Add({Voice::kTom,        0.33f,  -0.15f, 0.12f});
  const int bass    = s.Add({Voice::kSawBass,    0.37f, 0.0f,  0.02f, 0.0f, 0.85f});
  const int guitar  = s.Add({Voice::kPowerChord, 0.38f, -0.45f, 0.06f, 0.0f, 0.55f});
  const int strings = s.Add({Voice::kStrings,    0.14f,  0.0f,  0.35f, 0.6f});
  const int lead    = s.Add({Voice::kSawLead,    0.33f, 0.1f,  0.28f, 0.0f, 0.95f});
  const int arp     = s.Add({Voice::kPluck,      0.25f,  0.45f, 0.25f, 0.0f, 1.0f, 0.8f});
  const int brass   = s.Add({Voice::kBrass,      0.16f,  -0.2f, 0.3f,  0.35f, 0.8f});
  const int celesta = s.Add({Voice::kCelesta,    0.22f, 0.35f, 0.4f});
  const int under   = s.Add({Voice::kSquareLead, 0.16f, -0.15f, 0.25f, 0.0f, 0.9f, 0.7f});

  s.SetChords(0,  "Em C Am B");
  s.SetChords(4,  "Em C D Em   Em C Am B   Em C D Em   C D B Em");
  s.SetChords(20, "C D Bm Em   Am D G B    C D Bm Em   Am B Em Em");
  s.SetChords(36, "Am Am Em Em F F B B");
  s.SetChords(44, "C D B B");
  s.SetChords(48, "Em C D Em   Em C Am B   Em C D Em   C D B Em");
  s.SetChords(64, "Em C Am B   Em C B B");

  // Drums, sixteen steps a bar.
  const char* kFour  = "X...x...X...x...";
  const char* kRockK = "X.....x.X.x.....";
  const char* kRockS = "....X.......X...";
  const char* kRockH = "X.x.X.x.X.x.X.x.";
  const char* kDrivK = "X.x...x.X.x...x.";
  const char* kSixteen = "XxxxXxxxXxxxXxxx";
  auto fill = [&](int bar, bool big) {
    s.Beat(kick,  bar, 1, 16, big ? "X.....x.X......." : "X.....x.X.x.....");
    s.Beat(snare, bar, 1, 16, big ? "....X...x.x.X.XX" : "....X.......X.xx");
    s.Beat(tom,   bar, 1, 16, big ? ".........X.X...." : "..............X.", 0.8f, 52);
    s.Beat(tom,   bar, 1, 16, big ? "..........X.X..." : "...............X", 0.8f, 45);
    if (big) s.Beat(tom, bar, 1, 16, "...........X.X..", 0.85f, 40);
  };
  for (int bar : {0, 4, 20, 36, 48, 64}) s.Hit(crash, s.BeatOfBar(bar), 60, 0.9f);

  s.Beat(kick, 0, 3, 16, kFour);
  s.Beat(hat,  0, 3, 16, "x.x.x.x.x.x.x.x.", 0.6f);
  fill(3, true);

  s.Groove(4, 20, {{kick, kRockK}, {snare, kRockS}, {hat, kRockH}}, {11, 19});
  s.Groove(20, 36, {{kick, kDrivK}, {snare, "....X..o....X..."}, {ohat, "..x...x...x...x."},
                    {hat, "x...x...x...x...", 0.6f}},
           {27, 35});
  for (int bar : {11, 19, 27, 35}) fill(bar, bar == 19 || bar == 35);
  s.Beat(kick, 36, 8, 16, "X.........x.....");
  s.Beat(snare, 36, 8, 16, "........X.......", 0.7f);
  s.Beat(hat, 36, 8, 16, "x.o.x.o.x.o.x.o.", 0.5f);
  s.Beat(snare, 44, 1, 16, "x...x...x...x...", 0.35f);
  s.Beat(snare, 45, 1, 16, "x.x.x.x.x.x.x.x.", 0.5f);
  s.Beat(snare, 46, 1, 16, "xxxxxxxxxxxxxxxx", 0.6f);
  s.Beat(snare, 47, 1, 16, "XXXXXXXXXXXXXXXX", 0.8f);
  s.Beat(kick, 44, 4, 16, kFour);
  s.Groove(48, 64, {{kick, kRockK}, {snare, kRockS}, {hat, kSixteen, 0.55f}}, {55, 63});
  s.Groove(64, 71, {{kick, kDrivK}, {snare, kRockS}, {hat, kSixteen, 0.55f}});
  for (int bar : {55, 63}) fill(bar, bar == 63);
  fill(71, true);

  // Bass and guitar.
  // Every fourth bar the bass walks up through the chord into the next phrase.
  auto drive = [&](int from, int to) {
    for (int bar = from; bar < to; ++bar) {
      s.Pattern(bass, bar, 1, 8, bar % 4 == 3 ? "1 1 8 1 3 3 5 5" : "1 1 8 1 1 1 8 1", 33);
    }
  };
  drive(0, 36);
  s.Pattern(bass, 36, 8, 8, "1 . . . . . 5 .", 33);
  s.Pattern(bass, 44, 4, 8, "1 1 1 1 1 1 1 1", 33);
  drive(48, 72);
  s.Pattern(guitar, 0, 20, 8, "1 1 1 1 1 1 1 1", 40, 0.7f);
  s.Pattern(guitar, 20, 16, 8, "1 . . 1 . . 1 .", 40, 0.8f);
  s.Pattern(guitar, 46, 2, 16, "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", 40, 0.6f);
  s.Pattern(guitar, 48, 24, 8, "1 1 1 1 1 1 1 1", 40, 0.75f);

  // Harmony.
  s.Pattern(arp, 0, 20, 16, "1 5 8 5 10 8 5 8 1 5 8 5 10 8 12 8", 59, 0.6f);
  s.Pattern(arp, 36, 12, 16, "1 5 8 10 12 10 8 5 1 5 8 10 12 10 8 5", 59, 0.55f);
  s.Pattern(arp, 64, 8, 16, "1 5 8 5 10 8 5 8 1 5 8 5 10 8 12 8", 59, 0.6f);
  s.Hold(strings, 4, 44, 55, 0.6f);
  s.Hold(strings, 48, 24, 55, 0.65f);
  s.Pattern(brass, 20, 16, 8, "c . . . c . . .", 53, 0.7f);
  s.Pattern(brass, 48, 16, 8, "c . . c . . c .", 53, 0.75f);

  // Theme A, twice; the second time with a higher answer.
  const char* kThemeA =
      "E5 . . B4 E5 . F#5 G5 | G5 . F#5 E5 . . D5 E5 | F#5 . . D5 A4 . D5 F#5 | G5 . F#5 . E5 . . - |"
      "E5 . . B4 E5 . F#5 G5 | A5 . G5 . E5 . C5 E5 | C6 . B5 . A5 . E5 . | D#5 . . F#5 . . B4 . |"
      "B5 . . G5 E5 . F#5 G5 | G5 . E5 . C5 . E5 G5 | A5 . . F#5 D5 . E5 F#5 | G5 . . . B4 . E5 . |"
      "E5 . G5 . C6 . B5 A5 | F#5 . A5 . D6 . C6 B5 | A5 . . F#5 D#5 . . B4 | E5 . . . . . - -";
  s.Line(lead, 4, 8, kThemeA, 0.8f);
  s.Line(lead, 20, 8,
         "E5 . . . G5 . . . | F#5 . . . A5 . . . | B5 . . . A5 . F#5 . | G5 . . . . . E5 . |"
         "C6 . . . B5 . A5 . | A5 . . . F#5 . D5 . | G5 . B5 . D6 . . . | C6 . B5 . A5 . F#5 . |"
         "E5 . . . G5 . C6 . | B5 . A5 . . . F#5 . | D6 . . . B5 . F#5 . | G5 . . . E5 . G5 . |"
         "A5 . . . C6 . E6 . | D#6 . . . . . B5 . | E6 . . . . . . . | - - - - - - - -",
         0.8f);
  s.Line(celesta, 36, 8,
         "A5 . . . C6 . . . | B5 . . . A5 . E5 . | G5 . . . . . . . | - - B4 . E5 . G5 . |"
         "A5 . . . . . C6 . | B5 . . . A5 . . . | F#5 . . . . . . . | D#5 . . . . . . .",
         0.75f);
  s.Line(lead, 44, 8,
         "E5 . . . G5 . . . | F#5 . . . A5 . . . | B5 . . . A5 . G5 . | F#5 . E5 . D#5 . F#5 .",
         0.7f);
  s.Line(lead, 48, 8, kThemeA, 0.85f);
  s.Line(under, 48, 8, kThemeA, 0.8f, -12);  // the return of the theme, an octave below as well
  s.Line(celesta, 48, 8,
         "G5 . . . B5 . . . | C6 . . . G5 . . . | A5 . . . F#5 . . . | G5 . . . E5 . . . |"
         "B5 . . . G5 . . . | E6 . . . C6 . . . | E6 . . . C6 . . . | D#6 . . . B5 . . . |"
         "G5 . . . B5 . . . | C6 . . . E6 . . . | D6 . . . A5 . . . | B5 . . . G5 . . . |"
         "C6 . . . G5 . . . | A5 . . . D6 . . . | D#6 . . . F#6 . . . | E6 . . . . . . .",
         0.6f);
  s.Line(lead, 64, 8,
         "B5 . . . G5 . E5 . | C6 . . . B5 . G5 . | A5 . . . E5 . C5 . | D#5 . . . F#5 . . . |"
         "E5 . . . G5 . B5 . | C6 . . . E6 . . . | D#6 . . . . . . . | - - - - - - - -",
         0.85f);
  // clang-format on
  return s;
}

}  // namespace audiogen
