#pragma once
// The two overlays that can stop a game: the pause and the back-to-title question. They only
// show what the heroine's flags decide (she reads the Pause and Esc requests, Attack answers the
// question); the manager runs the frame accordingly. Both are drawn in the view, over the world.

#include <cstdint>

#include "segments/segment.h"

// The pause: a "Pause" that blinks every 40 frames. Showing it beeps once, like the GO arrow.
class TPause : public TGo {
 public:
  void Move() override;
  void Draw() override;
};

// "Back to title screen?" with "Yes" and "No"; it always opens on "No".
class TESC {
 public:
  virtual ~TESC() = default;

  int32_t iActiveCursor = 0;  // 0 "No", 1 "Yes"
  int32_t iStatus = 0;        // 0 hidden, 1 shown

  virtual void Init();
  virtual void GetInput(int cursor);
  virtual void SetStatus(int status);
  virtual void Draw();
};
