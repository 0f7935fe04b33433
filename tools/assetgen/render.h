#pragma once
// Turns a manifest row into its picture: every frame painted into its cell of the sheet.

#include <vector>

#include "image_io.h"
#include "manifest.h"

struct Cell {
  int x, y;
};
// Where frame i lies in the row's file, and the size of the whole file.
Cell FrameCell(const manifest::ImageRow& row, int frame);
void SheetSize(const manifest::ImageRow& row, int& width, int& height);

Picture RenderImage(const manifest::ImageRow& row);

// The catalogue's rows in order, each fitted row with the frame size and pivot its drawings need.
// Computed once, on first use.
const std::vector<manifest::ImageRow>& Rows();
