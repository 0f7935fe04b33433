#pragma once
// The engagement limit: how many enemies may press the heroine at once. The others watch from a
// distance until a place frees up. The manager owns one and asks it once a stage frame, before
// the characters move.

#include <cstdint>

class TCharacter;

class TOvermind {
 public:
  virtual ~TOvermind() = default;

  int32_t iMaxEngagedCombatant = 0;
  int32_t iEngagedCombatant = 0;   // counted at the start of the last SetAI
  int32_t iWatchingCombatant = 0;  // likewise

  virtual void SetMaxEngagedCombatant(int count);
  // An enemy that takes part: alive, hostile, and not a necromancer (it keeps its own counsel).
  virtual int Qualified(const TCharacter& c);
  // Engages watchers while there is room; with too many engaged, sends those off her plane back
  // to watching. Engaged enemies on her plane are never sent back.
  virtual void SetAI();
  // "watch=… engage=…" over the play field; a diagnostic the game does not call.
  virtual void Debug();
};
