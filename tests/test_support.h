#pragma once
// Shared fixtures for tests that draw: a headless window and a read-back picture.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/platform.h"
#include "world/globals.h"

// A font from the Debian packages the build installs.
inline constexpr const char* kTestFontPath =
    "/usr/share/fonts/opentype/fonts-prociono/Prociono.otf";

struct Rgb {
  int r, g, b;
};

// Covered pixels: left and top inclusive, right and bottom exclusive.
struct Box {
  int left, top, right, bottom;
};

struct Picture {
  std::vector<uint8_t> pixels;
  int width = 0, height = 0;
  Rgb At(int x, int y) const {
    const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
    return Rgb{p[0], p[1], p[2]};
  }
  bool Lit(int x, int y) const {
    const Rgb c = At(x, y);
    return c.r + c.g + c.b > 0;
  }
};

inline Picture ReadBack() {
  Picture picture;
  EXPECT_TRUE(ReadBackBuffer(picture.pixels, picture.width, picture.height));
  return picture;
}

inline int CountLit(const Picture& picture) {
  int count = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) count += picture.Lit(x, y);
  }
  return count;
}

// The smallest box holding every pixel brighter than half white (edges are anti-aliased).
inline Box LitBox(const Picture& picture) {
  Box box{picture.width, picture.height, 0, 0};
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.At(x, y);
      if (c.r + c.g + c.b < 3 * 128) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

inline void ExpectCoveredBox(const Picture& picture, const Box& expected, int tolerance = 1) {
  const Box box = LitBox(picture);
  EXPECT_NEAR(box.left, expected.left, tolerance);
  EXPECT_NEAR(box.top, expected.top, tolerance);
  EXPECT_NEAR(box.right, expected.right, tolerance);
  EXPECT_NEAR(box.bottom, expected.bottom, tolerance);
}

inline void ExpectNear(const Rgb& actual, const Rgb& expected, int tolerance = 2) {
  EXPECT_NEAR(actual.r, expected.r, tolerance);
  EXPECT_NEAR(actual.g, expected.g, tolerance);
  EXPECT_NEAR(actual.b, expected.b, tolerance);
}

// Starts the headless back end once and opens a fresh window for each test.
class HeadlessWindow : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InitPlatform(BackendKind::Headless)) << PlatformError();
  }
  void OpenWindow(int width, int height) {
    ASSERT_TRUE(OpenGraphics(width, height, 0, 0, 0)) << PlatformError();
    Cls();
  }
  void TearDown() override { CloseGraphics(); }
};

// A window that looks at the scrolled world as the game does (the alpha blend, the origin at the
// view), with fresh globals before and after, and one of the game's fonts stood in for by the
// test font while the test runs.
class WorldWindow : public HeadlessWindow {
 protected:
  void OpenWorld(int width, int height, float viewX, float viewY, FontPtr& font, int fontSize) {
    ResetGlobals();
    font_ = &font;
    saved_ = font;
    font = LoadImageFont(kTestFontPath, fontSize, 4);
    ASSERT_TRUE(font);
    OpenWindow(width, height);
    SetBlend(ALPHABLEND);
    fWorldX = viewX;
    fWorldY = viewY;
    SetOrigin(-fWorldX, fWorldY);
  }
  void TearDown() override {
    if (font_) *font_ = saved_;
    SetOrigin(0, 0);
    ResetGlobals();
    HeadlessWindow::TearDown();
  }

 private:
  FontPtr* font_ = nullptr;
  FontPtr saved_;
};

// Runs `write` while files may grow to `bytes` only, as on a full disk; SIGXFSZ is ignored, as the
// game ignores it, so that the write fails with a reason.
template <class Write>
void WithFileSizeLimit(rlim_t bytes, Write write) {
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = bytes;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  write();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
}
