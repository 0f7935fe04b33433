#pragma once
// The cutscenes: segments the player only watches. The skill list opens a game (the heroine's
// moves on one picture, left with Attack/Start); the map closes it (an icon travels one leg of
// the journey, then the title returns). The later legs of the journey exist as classes of their
// own. Every cutscene puts the heroine's invisible stand-in into CharacterList to drive the view.

#include <array>
#include <memory>

#include "segments/segment.h"

class TCharacter;

class TCutscene : public TGameSegment {
 public:
  void Move() override;
  virtual void MoveDelayCounter();

 protected:
  // What every cutscene does when it becomes current: the view back at the start, a fade in from
  // black, every character inactive, and a fresh stand-in for the heroine in CharacterList.
  void StartCutscene(std::array<std::shared_ptr<TCharacter>, 1>& stand_in);
};

class TCutsceneSkillList : public TCutscene {
 public:
  std::array<std::shared_ptr<TCharacter>, 1> NPCCutscene;

  void SegmentManager() override;
  void InitSegment() override;
  void MoveSegment() override {}
  void Draw() override;
};

// One leg of the journey on the map: where the icon starts, its heading, and where the leg ends.
struct MapLeg {
  float angle;   // degrees
  float xStart;  // from the middle of the screen
  float yStart;
  bool endsOnX;  // the leg ends when x passes xEnd (from the middle), else when y passes yEnd
  float xEnd;
  float yEnd;
};

class TCutsceneMap1 : public TCutscene {
 public:
  std::array<std::shared_ptr<TCharacter>, 1> NPCCutscene;
  float fIconAngle = 0;
  float fIconSpeed = 0;  // pixels a frame
  float xIcon = 0;
  float yIcon = 0;

  void SegmentManager() override;
  void InitSegment() override;
  void Draw() override;
  virtual void MoveIcon();

 protected:
  // The script of every leg.
  void RunLeg(const MapLeg& leg);
  void StartLeg(const MapLeg& leg);
};

class TCutsceneMap2 : public TCutsceneMap1 {
 public:
  void SegmentManager() override;
  void InitSegment() override;
};

class TCutsceneMap3 : public TCutsceneMap1 {
 public:
  void SegmentManager() override;
  void InitSegment() override;
};

class TCutsceneMap4 : public TCutsceneMap1 {
 public:
  void SegmentManager() override;
  void InitSegment() override;
};
