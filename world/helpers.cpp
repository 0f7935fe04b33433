#include "world/helpers.h"

#include <cmath>

#include "platform/graphics.h"

void DrawShadowText(int kind, const std::string& text, float x, float y) {
  SetColor(100, 100, 100);
  DrawText(text, x + 1, y + 1);
  switch (kind) {
    case TEXT_BLACK:
      SetColor(0, 0, 0);
      break;
    case TEXT_WHITE:
      SetColor(255, 255, 255);
      break;
    case TEXT_RED:
      SetColor(255, 0, 0);
      break;
    case TEXT_GREEN:
      SetColor(0, 255, 0);
      break;
    default:
      SetColor(0, 0, 255);
      break;
  }
  DrawText(text, x, y);
  SetColor(255, 255, 255);
}

int IsWithinRadius(float x1, float y1, float x2, float y2, float radius) {
  const float dx = x2 - x1;
  const float dy = y2 - y1;
  return std::sqrt(dx * dx + dy * dy) < radius ? 1 : 0;
}

int IsBackstabAttack(int attack) { return attack < 50 ? 1 : 0; }
