// "Cryptic Illusion": A minor in three, a music box lost in fog, 32 bars at about 89 BPM.
// The game plays it to its end and starts it again, so it closes on E, the dominant.
//
//   bars  0-7   A: the celesta motif, F with a raised fourth for strangeness
//   bars  8-15  B: chromatic mediants (A minor, C sharp minor, F minor), the choir enters
//   bars 16-23  A again, a darker turn through B flat
//   bars 24-31  C: F minor against A minor, the harp climbs, back to E

#include "music.h"

namespace audiogen {

Score ComposeCrypticIllusion() {
  Score s(3, 32, LoopSamples(3900), 0xC1);
  // clang-format off
  //                        voice              gain   pan    send   width  gate   bright
  const int celesta = s.Add({Voice::kCelesta,  0.32f, 0.2f,  0.5f});
  const int harp    = s.Add({Voice::kHarp,     0.3f, -0.4f, 0.45f, 0.0f, 1.0f,  0.7f});
  const int pad     = s.Add({Voice::kPad,      0.14f,  0.0f,  0.5f,  0.8f, 1.0f,  0.8f});
  const int choir   = s.Add({Voice::kChoir,    0.31f,  0.0f,  0.55f, 0.7f, 1.0f,  0.7f});
  const int drone   = s.Add({Voice::kSubBass,  0.25f,  0.0f,  0.1f});
  const int flute   = s.Add({Voice::kFlute,    0.26f, -0.2f, 0.55f, 0.0f, 0.95f, 0.8f});
  const int tom     = s.Add({Voice::kTom,      0.54f, -0.1f, 0.35f});
  const int shaker  = s.Add({Voice::kShaker,   0.19f, 0.4f,  0.2f});
  const int bell    = s.Add({Voice::kBell,     0.22f, -0.3f, 0.6f});

  s.SetChords(0,  "Am Am F F Dm Dm E E");
  s.SetChords(8,  "Am Am C#m C#m Fm Fm E E");
  s.SetChords(16, "Am Am F F Dm Bb E E");
  s.SetChords(24, "Fm Fm Am Am Fm Fm E E");

  const char* kMotif =
      "A5 . B5 . C6 . | E6 . . . . . | F5 . A5 . C6 . | B5 . . . . . |"
      "D6 . C6 . A5 . | F5 . . . . . | G#5 . . . B5 . | E5 . . . . .";
  s.Line(celesta, 0, 6, kMotif, 0.7f);
  s.Line(celesta, 8, 6,
         "C6 . . . E6 . | A5 . . . . . | G#5 . . . E5 . | C#6 . . . . . |"
         "Ab5 . . . C6 . | F5 . . . . . | G#5 . B5 . D6 . | E6 . . . . .",
         0.7f);
  s.Line(celesta, 16, 6,
         "A5 . B5 . C6 . | E6 . . . . . | F5 . A5 . C6 . | B5 . . . . . |"
         "D6 . C6 . A5 . | F5 . . . D5 . | G#5 . . . B5 . | E5 . . . . .",
         0.7f);
  s.Line(celesta, 24, 6,
         "C6 . . . Ab5 . | F5 . . . . . | E5 . . . A5 . | C6 . . . . . |"
         "Ab5 . . . C6 . | F6 . . . . . | E6 . . . D6 . | B5 . . . G#5 .",
         0.7f);
  s.Line(flute, 8, 3,
         "E5 . . | . . . | E5 . . | G#5 . . | C5 . . | . . . | B4 . . | . . . ", 0.55f);
  s.Line(flute, 24, 3,
         "Ab4 . . | C5 . . | C5 . . | E5 . . | F5 . . | Eb5 . . | D5 . . | . . . ", 0.55f);

  s.Pattern(harp, 4, 4, 6, "1 5 8 10 8 5", 45, 0.5f);
  s.Pattern(harp, 16, 16, 6, "1 5 8 10 12 10", 45, 0.55f);
  s.Hold(pad, 0, 32, 52, 0.5f);
  s.Hold(choir, 8, 8, 57, 0.45f);
  s.Hold(choir, 24, 8, 57, 0.5f);
  s.Pattern(drone, 0, 32, 1, "1", 33, 0.7f);
  s.Pattern(bell, 8, 8, 1, "8", 64, 0.4f);

  s.Beat(tom, 4, 28, 6, "X.....", 0.5f, 41);
  s.Beat(tom, 8, 24, 6, "....o.", 0.5f, 48);
  s.Beat(shaker, 8, 8, 6, "x.oxo.", 0.6f);
  s.Beat(shaker, 16, 16, 6, "x.oxoo", 0.6f);
  // clang-format on
  return s;
}

}  // namespace audiogen
