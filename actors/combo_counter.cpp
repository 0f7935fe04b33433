#include "actors/combo_counter.h"

#include <iterator>
#include <string>

#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {

// How each kind of hit is shown: the colour of the number, the caption and its colour, and how
// fast the display swells in the first three frames and shrinks back afterwards.
struct ComboStyle {
  int numberKind;
  const char* caption;
  int captionKind;
  float popStep;
};
// clang-format off
constexpr ComboStyle kComboStyles[] = {
  // number      caption               caption     pop step
  { TEXT_WHITE,  "Combo",              TEXT_WHITE, 0.02f },  // 0 combo
  { TEXT_WHITE,  "Critical",           TEXT_RED,   0.08f },  // 1 critical
  { TEXT_WHITE,  "Backstab",           TEXT_RED,   0.08f },  // 2 backstab
  { TEXT_RED,    "Critical Backstab",  TEXT_RED,   0.2f  },  // 3 critical backstab
};
// clang-format on
static_assert(std::size(kComboStyles) == 4);

const ComboStyle& StyleOf(int comboType) {
  const bool known = comboType >= 0 && comboType < static_cast<int>(std::size(kComboStyles));
  return kComboStyles[known ? comboType : 0];
}

constexpr int kShowFrames = 50;  // the display fades once iCounter is past this
constexpr int kPopFrames = 3;
constexpr float kNumberRight = 160;  // screen x of the number's right edge
constexpr float kCaptionLeft = 200;
constexpr float kTextTop = 240;

}  // namespace

void TComboCounter::AddCombo(int comboType) {
  ++iCombo;
  iCounter = 0;
  fAlpha = 1;
  fScale = 1;
  iComboType = comboType;
}

void TComboCounter::Reset() { iCombo = 0; }

void TComboCounter::Move() {
  if (iCounter > kShowFrames) {
    if (fAlpha > 0) fAlpha -= 0.5f;
    return;
  }
  const float step = StyleOf(iComboType).popStep;
  if (iCounter < kPopFrames) {
    fScale += step;
  } else if (fScale > 1) {
    fScale -= step;
  }
  ++iCounter;
}

void TComboCounter::Draw() {
  if (fAlpha <= 0) return;
  const ComboStyle& style = StyleOf(iComboType);
  SetImageFont(fntDomoai36);
  SetScale(fScale, fScale);
  SetAlpha(fAlpha);
  // Fixed on the screen.
  const std::string number = std::to_string(iCombo);
  const float top = ViewY(kTextTop);
  DrawShadowText(style.numberKind, number,
                 ViewX(kNumberRight) - static_cast<float>(TextWidth(number)), top);
  DrawShadowText(style.captionKind, style.caption, ViewX(kCaptionLeft), top);
  SetAlpha(1);
  SetScale(1, 1);
}
