#pragma once
// The character handler: updates every character of CharacterList once a frame and drops the
// finished ones, updates only the cut-scene actors during cut-scenes, draws the characters plane
// by plane (highest id first, so the heroine is drawn last on her plane), draws the boss bars,
// and empties the list between segments. It keeps no state of its own.

class TCharacter;

class TCharacterHandler {
 public:
  virtual ~TCharacterHandler() = default;

  // Comparisons of the draw sort: by position (unused by the game) and by id.
  static int Sortx(const TCharacter& a, const TCharacter& b);
  static int SortID(const TCharacter& a, const TCharacter& b);

  // ResetGameData of every character, in list order.
  virtual void ResetGameData();
  // One update of every character; a finished one is dropped instead of updated.
  virtual void Move();
  // One update of the cut-scene actors (negative types) only.
  virtual void MoveCutscene();
  // Sorts the list by descending id (stable, relinking the nodes). Drawing sorts; the manager also
  // sorts at the end of every update, so that a run without drawing keeps the same list order,
  // and with it the same order of updates and hits, as a run that draws.
  virtual void Sort();
  // Sorts, then draws the characters of one plane index.
  virtual void Draw(int plane);
  // The same sort, then the bars of the bosses (types 50 and up), even at 0 hit points.
  virtual void DrawBossGUI();
  // A segment's end: drops the enemies, the cut-scene actors and any mount not in mode 0.
  virtual void Clear();
  // Drops everyone but the heroine, and puts her back on foot.
  virtual void ClearAll();
};
