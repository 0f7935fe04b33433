#pragma once
// The hit-box overlay, for seeing why a blow landed or missed: outlines over the game of every
// character's hurt box (thin) and of every live hit box (bold, with its damage beside it), the
// heroine's side in cyan and the enemies' in orange-red. It reads the world and changes nothing.

// On or off, flipped once by each press of its key (held down, it stays as the press left it).
class HitboxToggle {
 public:
  explicit HitboxToggle(bool shown) : shown_(shown) {}
  // Once a frame, with whether the key is down now.
  void Follow(bool keyDown) {
    if (keyDown && !keyWasDown_) shown_ = !shown_;
    keyWasDown_ = keyDown;
  }
  bool Shown() const { return shown_; }

 private:
  bool shown_;
  bool keyWasDown_ = false;
};

// Draws the outlines of CharacterList and ProjectileList in world coordinates, so the origin must
// follow the scroll as it does for the world itself. Leaves the render state as it found it.
void DrawHitboxOverlay();
