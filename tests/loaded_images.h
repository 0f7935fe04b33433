#pragma once
// Test suites over the pictures of the catalogue: every image is loaded once per suite on the
// headless back end, and each test starts only if they all loaded. The game keeps its pictures
// packed; for the tests every frame is decoded once and held beside its packed form.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "platform/system.h"
#include "world/assets.h"

class LoadedImages : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InitPlatform(BackendKind::Headless)) << PlatformError();
    std::string failed;
    loaded_ = LoadImages(failed);
    failed_ = failed;
    for (const catalogue::Image& entry : catalogue::kImages) {
      TImage* image = entry.global->get();
      if (!image || !image->pixels.empty()) continue;
      for (int frame = 0; frame < image->FrameCount(); ++frame)
        image->pixels.push_back(FramePixels(*image, frame));
    }
  }
  static void TearDownTestSuite() { ShutdownPlatform(); }
  void SetUp() override { ASSERT_TRUE(loaded_) << failed_; }

  static inline bool loaded_ = false;
  static inline std::string failed_;
};

// Opacity of a frame's pixel, 0 outside the frame.
inline int Alpha(const ImagePtr& image, int frame, int x, int y) {
  if (x < 0 || y < 0 || x >= image->width || y >= image->height) return 0;
  return image->pixels[frame][(static_cast<size_t>(y) * image->width + x) * 4 + 3];
}

// The lowest row of a frame that holds a clearly visible pixel, or -1.
inline int LowestOpaqueRow(const ImagePtr& image, int frame) {
  for (int y = image->height - 1; y >= 0; --y)
    for (int x = 0; x < image->width; ++x)
      if (Alpha(image, frame, x, y) >= 32) return y;
  return -1;
}

// Clearly visible pixels on the border of a frame: a drawing cut by the frame's edge.
inline int PixelsOnTheEdge(const ImagePtr& image, int frame) {
  const int w = image->width, h = image->height;
  int touching = 0;
  for (int x = 0; x < w; ++x)
    touching += (Alpha(image, frame, x, 0) >= 32) + (Alpha(image, frame, x, h - 1) >= 32);
  for (int y = 0; y < h; ++y)
    touching += (Alpha(image, frame, 0, y) >= 32) + (Alpha(image, frame, w - 1, y) >= 32);
  return touching;
}

// The farthest column ahead of the pivot (facing right) holding a clearly visible pixel between
// two heights above it, or 0.
inline int ReachAhead(const ImagePtr& image, int frame, int fromHeight, int toHeight) {
  const int px = static_cast<int>(image->handle_x), py = static_cast<int>(image->handle_y);
  for (int x = image->width - 1; x > px; --x)
    for (int h = fromHeight; h <= toHeight; ++h)
      if (Alpha(image, frame, x, py - h) >= 32) return x - px;
  return 0;
}
