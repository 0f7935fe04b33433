#include "ui/overlays.h"

#include "world/animation.h"

namespace {
constexpr int kPauseBlinkFrames = 40;
}  // namespace

void TPause::Move() {
  iDelayCounter = NextDelayCounter(iDelayCounter);
  if (iDelayCounter % kPauseBlinkFrames == 0) bVisible = bVisible ? 0 : 1;
}

void TPause::Draw() {}

void TESC::Init() {
  iActiveCursor = 0;
  SetStatus(0);
}

void TESC::GetInput(int cursor) { iActiveCursor = cursor; }

void TESC::SetStatus(int status) {
  iStatus = status;
  iActiveCursor = 0;
}

void TESC::Draw() {}
