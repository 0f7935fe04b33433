#pragma once
// Small program-wide helpers that many parts of the game call.

#include <string>

// Text kinds of DrawShadowText.
enum TextKind { TEXT_BLACK = 0, TEXT_WHITE = 1, TEXT_RED = 2, TEXT_GREEN = 3, TEXT_BLUE = 4 };

// Draws `text` with the current font over a grey shadow one pixel right and down, in the colour
// of `kind`, and leaves the colour white. Every text of the game goes through here.
void DrawShadowText(int kind, const std::string& text, float x, float y);

// 1 when (x1, y1) and (x2, y2) are strictly closer than `radius`.
int IsWithinRadius(float x1, float y1, float x2, float y2, float radius);

// 1 for ordinary attacks (numbers below 50), 0 for skills, which never backstab.
int IsBackstabAttack(int attack);
