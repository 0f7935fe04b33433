#pragma once
// The combo counter: how many hits in a row the heroine has landed, and whether the last one was
// critical or a backstab. The damage pipeline feeds it; it pops up on every counted hit, stays
// for 51 frames and then fades. It draws at a fixed place on the screen.

#include <cstdint>

class TComboCounter {
 public:
  virtual ~TComboCounter() = default;

  int32_t iCombo = 0;
  int32_t iCounter = 0;  // frames since the last counted hit; stops at 51
  float fAlpha = 0;
  float fScale = 0;
  int32_t iComboType = 0;  // last hit: 0 combo, 1 critical, 2 backstab, 3 critical backstab

  virtual void AddCombo(int comboType);
  virtual void Reset();
  virtual void Move();
  virtual void Draw();
};
