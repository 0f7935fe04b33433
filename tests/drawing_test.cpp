// Drawing on real pixels: the offscreen renderer draws, the back buffer is read back.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "files/file_io.h"
#include "platform/platform.h"
#include "tests/test_support.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

ImagePtr SolidImage(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a,
                    int frames = 1) {
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * frames * 4);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    rgba[i] = r, rgba[i + 1] = g, rgba[i + 2] = b, rgba[i + 3] = a;
  }
  return CreateImage(width, height, frames, rgba.data(), 0);
}

class Drawing : public HeadlessWindow {
 protected:
  void SetUp() override { OpenWindow(kWidth, kHeight); }
};

TEST_F(Drawing, ImageQuadFollowsRotationScaleAndMirroring) {
  struct Case {
    const char* name;
    int width, height;
    float handleX, handleY, rotation, scaleX, scaleY, x, y;
    Box expected;  // covered pixels, inclusive-exclusive
  };
  // clang-format off
  const Case cases[] = {
    // name                     w    h    hx   hy   rot  sx  sy   x    y     expected box
    {"plain",                  100, 100,  50,  50,   0,  1,  1, 200, 200, {150, 150, 250, 250}},
    {"turned 90 and stretched", 100, 100,  50,  50,  90,  2,  1, 200, 200, {150, 100, 250, 300}},
    {"wide frame facing right", 390,  40, 170,  20,   0,  1,  1, 300, 100, {130,  80, 520, 120}},
    {"wide frame mirrored",     390,  40, 170,  20,   0, -1,  1, 300, 100, { 80,  80, 470, 120}},
    {"scaled about the pivot",   40,  40,   0,   0,   0,  3,  2, 100, 100, {100, 100, 220, 180}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Cls();
    ImagePtr image = SolidImage(c.width, c.height, 255, 255, 255, 255);
    SetImageHandle(image, c.handleX, c.handleY);
    SetRotation(c.rotation);
    SetScale(c.scaleX, c.scaleY);
    DrawImage(image, c.x, c.y);
    SetRotation(0);
    SetScale(1, 1);
    ExpectCoveredBox(ReadBack(), c.expected);
  }
}

TEST_F(Drawing, OriginShiftsEverything) {
  ImagePtr image = SolidImage(10, 10, 255, 255, 255, 255);
  SetOrigin(-100, 30);
  DrawImage(image, 150, 50);
  DrawRect(300, 50, 10, 10);
  SetOrigin(0, 0);
  const Picture picture = ReadBack();
  EXPECT_EQ(picture.At(50, 80).r, 255);
  EXPECT_EQ(picture.At(200, 80).r, 255);
  EXPECT_EQ(picture.At(150, 50).r, 0);
}

TEST_F(Drawing, ColourAndAlphaAreClampedNotWrapped) {
  struct Case {
    int r, g, b;
    float alpha;
    Rgb expected;
  };
  const Case cases[] = {
      {300, -5, 128, 1.0f, {255, 0, 128}},
      {255, 255, 255, 1.5f, {255, 255, 255}},
      {255, 255, 255, -0.2f, {0, 0, 0}},
      {100, 200, 50, 1.0f, {100, 200, 50}},
  };
  SetBlend(ALPHABLEND);
  ImagePtr white = SolidImage(20, 20, 255, 255, 255, 255);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b << " alpha " << c.alpha);
    Cls();
    SetColor(c.r, c.g, c.b);
    SetAlpha(c.alpha);
    DrawImage(white, 10, 10);
    DrawRect(50, 10, 20, 20);
    const Picture picture = ReadBack();
    ExpectNear(picture.At(20, 20), c.expected);
    ExpectNear(picture.At(60, 20), c.expected);
  }
  SetColor(255, 255, 255);
  SetAlpha(1);
}

TEST_F(Drawing, BlendModesOnRealPixels) {
  // A mid-grey-blue ground, then a red source pixel at half opacity (or the given alpha).
  struct Case {
    const char* name;
    int mode;
    uint8_t sourceAlpha;
    Rgb expected;
  };
  const Rgb ground{100, 100, 200};
  // clang-format off
  const Case cases[] = {
    // name                 mode        src alpha  expected
    {"mask, opaque enough", MASKBLEND,   200,      {255,   0,   0}},
    {"mask, too faint",     MASKBLEND,   100,      {100, 100, 200}},
    {"solid",               SOLIDBLEND,  128,      {255,   0,   0}},
    {"alpha",               ALPHABLEND,  128,      {178,  50, 100}},
    {"light",               LIGHTBLEND,  128,      {228, 100, 200}},
    {"shade",               SHADEBLEND,  128,      {100,   0,   0}},
  };
  // clang-format on
  ImagePtr groundImage = SolidImage(40, 40, ground.r, ground.g, ground.b, 255);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Cls();
    SetBlend(SOLIDBLEND);
    DrawImage(groundImage, 0, 0);
    SetBlend(c.mode);
    DrawImage(SolidImage(40, 40, 255, 0, 0, c.sourceAlpha), 0, 0);
    ExpectNear(ReadBack().At(20, 20), c.expected, 3);
  }
  SetBlend(MASKBLEND);
}

// A frame is drawn from the box of it that holds a drawing, from a mirrored copy when mirrored,
// and cut to the picture when scaled past its edge: none of that may move or change a pixel.
// The fixture: a 60 x 40 frame, clear but for a 20 x 10 block at (30, 20), its left half red and
// its right half blue, pivot at the top-left.
TEST_F(Drawing, FramesDrawnFromTheirDrawnPartKeepTheirPicture) {
  struct Case {
    const char* name;
    float scaleX, scaleY, x, y, alpha;
    Box expected;        // the covered pixels
    int probeX, probeY;  // a pixel of the picture
    Rgb probe;           // its colour over the dark-green ground
  };
  const Rgb ground{0, 60, 0};
  // clang-format off
  const Case cases[] = {
    // name                     sx  sy    x    y  alpha  expected box          probe at   colour
    {"plain",                    1,  1, 100, 100, 1,    {130, 120, 150, 130}, 135, 125, {255, 0, 0}},
    {"mirrored",                -1,  1, 300, 100, 1,    {250, 120, 270, 130}, 265, 125, {255, 0, 0}},
    {"mirrored both ways",      -1, -1, 300, 300, 1,    {250, 270, 270, 280}, 265, 275, {255, 0, 0}},
    {"scaled past the left",     3,  2, -120, 50, 1,    {  0,  90,  30, 110}, 5,   100, {0, 0, 255}},
    {"scaled past the bottom",   2,  3, 200, 420, 1,    {260, 480, 300, 480}, 0,   0,   {0, 60, 0}},
    {"opaque at half alpha",     1,  1, 100, 100, 0.5f, {130, 120, 150, 130}, 135, 125, {128, 30, 0}},
  };
  // clang-format on
  std::vector<uint8_t> rgba(60 * 40 * 4, 0);
  for (int y = 20; y < 30; ++y) {
    for (int x = 30; x < 50; ++x) {
      uint8_t* p = &rgba[(y * 60 + x) * 4];
      p[0] = x < 40 ? 255 : 0, p[2] = x < 40 ? 0 : 255, p[3] = 255;
    }
  }
  ImagePtr image = CreateImage(60, 40, 1, rgba.data(), 0);
  ImagePtr groundImage = SolidImage(kWidth, kHeight, ground.r, ground.g, ground.b, 255);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Cls();
    SetBlend(ALPHABLEND);
    DrawImage(groundImage, 0, 0);
    SetScale(c.scaleX, c.scaleY);
    SetAlpha(c.alpha);
    DrawImage(image, c.x, c.y);
    SetScale(1, 1);
    SetAlpha(1);
    const Picture picture = ReadBack();
    Box covered{kWidth, kHeight, 0, 0};
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const Rgb p = picture.At(x, y);
        if (p.r == ground.r && p.g == ground.g && p.b == ground.b) continue;
        covered = {std::min(covered.left, x), std::min(covered.top, y),
                   std::max(covered.right, x + 1), std::max(covered.bottom, y + 1)};
      }
    }
    if (c.expected.top == c.expected.bottom) {
      EXPECT_GE(covered.left, covered.right) << "nothing of it lies in the picture";
    } else {
      EXPECT_NEAR(covered.left, c.expected.left, 1);
      EXPECT_NEAR(covered.top, c.expected.top, 1);
      EXPECT_NEAR(covered.right, c.expected.right, 1);
      EXPECT_NEAR(covered.bottom, c.expected.bottom, 1);
    }
    ExpectNear(picture.At(c.probeX, c.probeY), c.probe, 3);
  }
  SetBlend(MASKBLEND);
}

TEST_F(Drawing, AClearFrameDrawsNothing) {
  std::vector<uint8_t> clear(30 * 30 * 4, 0);
  Cls();
  DrawImage(CreateImage(30, 30, 1, clear.data(), 0), 10, 10);
  EXPECT_EQ(CountLit(ReadBack()), 0);
}

TEST_F(Drawing, AnimImageCutsCellsRowByRow) {
  // A 3 x 2 sheet of 4 x 4 cells, each a different red level, plus a partial column.
  const int cols = 3, rows = 2, cell = 4, width = cols * cell + 2, height = rows * cell;
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4, 255);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      rgba[(y * width + x) * 4] = static_cast<uint8_t>((y / cell) * cols + x / cell) * 40;
  }
  const auto path = std::filesystem::temp_directory_path() / "talvenne_sheet.png";
  std::vector<uint8_t> png;
  ASSERT_TRUE(EncodePng(rgba.data(), width, height, png));
  ASSERT_TRUE(WriteFileAtomically(path.string(), png));

  ImagePtr image = LoadAnimImage(path.string(), cell, cell, 0, 6, 2);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->FrameCount(), 6);
  for (int frame = 0; frame < 6; ++frame) EXPECT_EQ(image->pixels[frame][0], frame * 40) << frame;
  EXPECT_FALSE(LoadAnimImage(path.string(), cell, cell, 0, 7, 2)) << "7 cells do not fit";
  EXPECT_FALSE(LoadAnimImage(path.string(), cell, cell, 3, 4, 2)) << "cells 3..6 do not fit";
  EXPECT_FALSE(LoadImage("no such file.png", 2));
  EXPECT_FALSE(LoadImage("incbin::no/such/picture.png", 2));
  std::filesystem::remove(path);
}

TEST_F(Drawing, ImagesSurviveANewWindow) {
  CloseGraphics();
  ImagePtr image = SolidImage(10, 10, 0, 255, 0, 255);  // made before any window exists
  for (int window = 0; window < 2; ++window) {
    SCOPED_TRACE(window);
    OpenWindow(200, 100);
    const int sequence = GraphicsSequence();
    Cls();
    DrawImage(image, 50, 50);
    ExpectNear(ReadBack().At(55, 55), Rgb{0, 255, 0});
    EXPECT_NE(sequence, 0);
  }
}

TEST_F(Drawing, BuiltInTextSkipsMissingCharacters) {
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextWidth("abc"), 24);
  EXPECT_EQ(TextWidth("a\xC3\xA9"
                      "b"),
            16)
      << "an e-acute has no glyph and takes no room";

  Cls();
  DrawText("ab", 10, 10);
  const Picture plain = ReadBack();
  Cls();
  DrawText(
      "a\xC3\xA9"
      "b",
      10, 10);
  const Picture withGap = ReadBack();
  EXPECT_EQ(plain.pixels, withGap.pixels);
  EXPECT_GT(CountLit(plain), 20);
}

TEST_F(Drawing, TextScalesWithTheState) {
  SetScale(2, 2);
  DrawText("I", 0, 0);
  SetScale(1, 1);
  const Box box = LitBox(ReadBack());
  EXPECT_GE(box.bottom - box.top, 26) << "the built-in I is 14 pixels tall, doubled";
}

TEST_F(Drawing, FontsFromFilesAndFallbacks) {
  EXPECT_FALSE(LoadImageFont("Fonts\\no such font.otf", 18, 4));
  FontPtr font = LoadImageFont(kTestFontPath, 24, 4);
  ASSERT_TRUE(font) << kTestFontPath;
  SetImageFont(font);
  const int wide = TextWidth("WWW");
  EXPECT_GT(wide, TextWidth("iii"));
  DrawText("Hello", 10, 10);
  EXPECT_GT(CountLit(ReadBack()), 50);
  SetImageFont(nullptr);
  EXPECT_EQ(TextWidth("WWW"), 24) << "no font selects the built-in one";
}

}  // namespace
