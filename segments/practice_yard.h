#pragma once
// The practice yard: a stretch of castle floor, the heroine under the player's control, a few
// straw-men that take hits, fall, get up, and can be seized and thrown (they never fight back and
// never stay down for good), and further on, waves of the six enemy kinds.

#include "segments/segment.h"

// Puts the heroine's practice partners on the three planes, ahead of her.
void SpawnPracticeTargets();

// Once she walks past the straw-men, the real thing: a wave of all six enemy kinds at a time,
// the next one when the last of a wave is down.
void MovePracticeYard();

// The yard's scenery, behind everything: sky, hills, the burning ground and the castle floor.
void DrawPracticeYard();

// The yard as a segment the manager plays: no fade-in, no script and no end of its own; it is
// left through the back-to-title question or a game over, like a stage.
class TPracticeYard : public TStage {
 public:
  void InitSegment() override;
  void MoveSegment() override;
  void Draw() override { DrawPracticeYard(); }
};
