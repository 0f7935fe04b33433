#pragma once
// Waits until the rasteriser has finished the frame drawn so far, so that a benchmark iteration
// measures the whole frame and not only the queueing of its quads.

#include <vector>

#include "platform/internal.h"

inline void WaitForFrame() {
  std::vector<uint8_t> pixel(4);
  SDL_Rect one{0, 0, 1, 1};
  platform_detail::FlushQuads();
  SDL_RenderReadPixels(platform_detail::Renderer(), &one, SDL_PIXELFORMAT_RGBA32, pixel.data(), 4);
}
