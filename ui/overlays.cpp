#include "ui/overlays.h"

#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {
constexpr int kPauseBlinkFrames = 40;
constexpr float kAnswerSpacing = 30;  // the answers lie one line under the question
constexpr float kAnswerOffset = 50;   // "Yes" left of the middle, "No" right of it
}  // namespace

void TPause::Move() {
  iDelayCounter = NextDelayCounter(iDelayCounter);
  if (iDelayCounter % kPauseBlinkFrames == 0) bVisible = bVisible ? 0 : 1;
}

void TPause::Draw() {
  if (iStatus != 1 || bVisible != 1) return;
  SetImageFont(fntProciono18);
  DrawShadowText(TEXT_WHITE, "Pause", ViewX(fScreenWidth / 2 - 20), ViewY(fScreenHeight / 2));
}

void TESC::Init() {
  iActiveCursor = 0;
  SetStatus(0);
}

void TESC::GetInput(int cursor) { iActiveCursor = cursor; }

void TESC::SetStatus(int status) {
  iStatus = status;
  iActiveCursor = 0;
}

void TESC::Draw() {
  if (iStatus != 1) return;
  const float middle = fScreenWidth / 2;
  const float y = fScreenHeight / 2;
  SetImageFont(fntProciono18);
  DrawShadowText(TEXT_WHITE, "Back to title screen?", ViewX(middle - kAnswerOffset), ViewY(y));
  // The chosen answer is drawn last, in the larger size.
  struct Answer {
    const char* text;
    float x;
  };
  const Answer no{"No", middle + kAnswerOffset}, yes{"Yes", middle - kAnswerOffset};
  const Answer& chosen = iActiveCursor == 1 ? yes : no;
  const Answer& other = iActiveCursor == 1 ? no : yes;
  DrawShadowText(TEXT_WHITE, other.text, ViewX(other.x), ViewY(y + kAnswerSpacing));
  SetImageFont(fntProciono22);
  DrawShadowText(TEXT_WHITE, chosen.text, ViewX(chosen.x), ViewY(y + kAnswerSpacing));
}
