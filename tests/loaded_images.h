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
