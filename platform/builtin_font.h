#pragma once

constexpr int kBuiltinFirstChar = 32;
constexpr int kBuiltinLastChar = 127;
constexpr int kBuiltinCellWidth = 8;
constexpr int kBuiltinCellHeight = 16;

// Whether pixel (x, y) of the 8 x 16 cell of character `code` is set.
bool BuiltinGlyphPixel(int code, int x, int y);
