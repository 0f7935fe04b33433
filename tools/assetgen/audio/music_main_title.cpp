// "Main Title": D major, heroic and a little wistful, 32 bars at about 112 BPM.
//
//   bars  0-3   harp and strings set the scene
//   bars  4-11  A: the flute sings the wistful tune
//   bars 12-19  B: the brass answers with the heroic theme, timpani and a march snare
//   bars 20-27  A again, now in full: brass and strings, the flute an octave up
//   bars 28-31  coda: B flat - C - D, the hero's cadence, ringing into the loop

#include "music.h"

namespace audiogen {

Score ComposeMainTitle() {
  Score s(4, 32, LoopSamples(4105), 0x717);
  // clang-format off
  //                        voice              gain   pan    send   width  gate   bright
  const int harp    = s.Add({Voice::kHarp,     0.25f, -0.35f, 0.35f, 0.0f, 1.0f,  0.9f});
  const int strings = s.Add({Voice::kStrings,  0.18f, 0.0f,  0.4f,  0.7f});
  const int low     = s.Add({Voice::kStrings,  0.17f, 0.0f,  0.3f,  0.2f, 1.0f,  0.6f});
  const int bass    = s.Add({Voice::kSubBass,  0.22f,  0.0f,  0.05f});
  const int flute   = s.Add({Voice::kFlute,    0.26f,  0.2f,  0.4f,  0.0f, 0.95f});
  const int brass   = s.Add({Voice::kBrass,    0.34f,  -0.15f, 0.35f, 0.3f, 0.95f});
  const int horns   = s.Add({Voice::kBrass,    0.2f,  0.25f, 0.35f, 0.4f, 1.0f,  0.7f});
  const int timpani = s.Add({Voice::kTimpani,  0.44f,  0.1f,  0.3f});
  const int snare   = s.Add({Voice::kSnare,    0.3f,  0.15f, 0.25f});
  const int crash   = s.Add({Voice::kCrash,    0.56f, -0.3f, 0.25f});
  const int bell    = s.Add({Voice::kCelesta,  0.21f, 0.4f,  0.45f});

  s.SetChords(0,  "D A/C# Bm G");
  s.SetChords(4,  "D A/C# Bm F#m   G D/F# Em A");
  s.SetChords(12, "G A F#m Bm      G A D D");
  s.SetChords(20, "D A/C# Bm F#m   G D/F# Em A");
  s.SetChords(28, "Bb C D D");

  // Harmony under everything.
  s.Pattern(harp, 0, 12, 8, "1 5 8 10 12 10 8 5", 50, 0.7f);
  s.Pattern(harp, 20, 8, 8, "1 5 8 10 12 10 8 5", 50, 0.6f);
  s.Pattern(harp, 28, 4, 8, "1 5 8 10 12 15 12 10", 50, 0.7f);
  s.Hold(strings, 0, 32, 57, 0.55f);
  s.Hold(low, 12, 20, 45, 0.5f);
  s.Pattern(bass, 0, 12, 2, "1 .", 38, 0.7f);
  s.Pattern(bass, 12, 20, 4, "1 . 1 5", 38, 0.8f);

  // A: the wistful tune.
  const char* kTune =
      "A4 . D5 . E5 . F#5 . | E5 . . . . . C#5 . | D5 . . . F#5 . B5 . | A5 . . . . . F#5 . |"
      "G5 . F#5 . E5 . D5 . | F#5 . E5 . D5 . . . | E5 . . . G5 . B5 . | A5 . . . . . . .";
  s.Line(flute, 4, 8, kTune, 0.75f);
  s.Line(bell, 8, 8, "- - - - D6 . . . | - - - - C#6 . . . | - - - - B5 . . . | - - - - C#6 . E6 .",
         0.5f);

  // B: the heroic answer.
  for (int bar : {12, 20, 28}) s.Hit(crash, s.BeatOfBar(bar), 60, 0.9f);
  s.Line(brass, 12, 8,
         "D5 . . B4 D5 . G5 . | E5 . . . A5 . . . | F#5 . . E5 F#5 . A5 . | B5 . . . . . . . |"
         "B5 . . A5 G5 . D5 . | E5 . . F#5 G5 . A5 . | A5 . . . F#5 . D5 . | D5 . . . . . - -",
         0.85f);
  s.Pattern(horns, 12, 8, 8, "c . . c . . c .", 55, 0.65f);
  s.Beat(snare, 12, 7, 16, "X..xX.x.X..xX.xx", 0.6f);
  s.Beat(snare, 19, 1, 16, "X.x.X.x.xxxxXXXX", 0.7f);
  s.Pattern(timpani, 12, 7, 4, "1 - 1 -", 38, 0.8f);
  s.Beat(timpani, 19, 1, 16, "............XXXX", 0.7f, 45);

  // A again, in full.
  s.Line(brass, 20, 8, kTune, 0.8f, -12);
  s.Line(flute, 20, 8, kTune, 0.7f, 12);
  s.Line(horns, 20, 8, kTune, 0.6f);
  s.Beat(snare, 20, 8, 16, "X...X.x.X...X.x.", 0.45f);
  s.Pattern(timpani, 20, 8, 4, "1 - - -", 38, 0.7f);

  // Coda.
  s.Line(brass, 28, 8, "D5 . . . F5 . . . | E5 . . . G5 . . . | F#5 . . . . . . . | - - - - - - - -",
         0.9f);
  s.Line(horns, 28, 8, "Bb4 . . . D5 . . . | C5 . . . E5 . . . | D5 . . . . . . . | - - - - - - - -",
         0.7f);
  s.Pattern(timpani, 28, 2, 4, "1 - - 1", 38, 0.85f);
  s.Hit(timpani, s.BeatOfBar(30), 38, 1.0f, 4);
  s.Line(bell, 30, 8, "- - - - A5 . D6 . | F#6 . . . . . . .", 0.5f);
  // clang-format on
  return s;
}

}  // namespace audiogen
