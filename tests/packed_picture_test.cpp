// Packed pictures: the format itself, and images that load from it and draw from it.

#include "platform/packed_picture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/test_support.h"

namespace {

// A 3 x 2 sheet of 4 x 4 cells plus a partial column 2 pixels wide. Cell n is red n * 40 with
// alpha 100 + n * 30, and every pixel differs from its neighbours in green and blue, so a
// mis-cut or mis-ordered cell shows.
constexpr int kCell = 4, kCols = 3, kRows = 2;
constexpr int kSheetWidth = kCols * kCell + 2, kSheetHeight = kRows * kCell;

std::vector<uint8_t> Sheet() {
  std::vector<uint8_t> rgba(size_t(kSheetWidth) * kSheetHeight * 4);
  for (int y = 0; y < kSheetHeight; ++y) {
    for (int x = 0; x < kSheetWidth; ++x) {
      const int cell = (y / kCell) * kCols + x / kCell;
      uint8_t* p = &rgba[(size_t(y) * kSheetWidth + x) * 4];
      p[0] = uint8_t(cell * 40), p[1] = uint8_t(x * 17), p[2] = uint8_t(y * 29);
      p[3] = uint8_t(100 + cell * 30);
    }
  }
  return rgba;
}

std::vector<uint8_t> Cell(const std::vector<uint8_t>& sheet, int cell) {
  std::vector<uint8_t> rgba(size_t(kCell) * kCell * 4);
  for (int y = 0; y < kCell; ++y) {
    const size_t from = ((size_t(cell / kCols) * kCell + y) * kSheetWidth + (cell % kCols) * kCell);
    std::memcpy(&rgba[size_t(y) * kCell * 4], &sheet[from * 4], kCell * 4);
  }
  return rgba;
}

std::vector<uint8_t> Packed(int frames = kCols * kRows) {
  const std::vector<uint8_t> sheet = Sheet();
  return PackSheet(sheet.data(), kSheetWidth, kSheetHeight, kCell, kCell, frames);
}

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
         uint32_t(bytes[at + 3]) << 24;
}
void SetU32At(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

TEST(PackedPicture, FramesComeBackAsTheCellsOfTheSheet) {
  const std::vector<uint8_t> sheet = Sheet();
  const std::vector<uint8_t> bytes = Packed();
  PackedPicture picture;
  ASSERT_TRUE(ParsePackedPicture(bytes.data(), bytes.size(), picture));
  EXPECT_EQ(picture.frameWidth, kCell);
  EXPECT_EQ(picture.frameHeight, kCell);
  ASSERT_EQ(picture.frames.size(), size_t(kCols * kRows));
  for (int cell = 0; cell < kCols * kRows; ++cell) {
    std::vector<uint8_t> rgba;
    ASSERT_TRUE(UnpackFrame(picture.frames[cell], kCell, kCell, rgba)) << cell;
    EXPECT_EQ(rgba, Cell(sheet, cell)) << cell;
  }
  EXPECT_TRUE(PackSheet(sheet.data(), kSheetWidth, kSheetHeight, kCell, kCell, 7).empty())
      << "7 cells do not fit";
}

TEST(PackedPicture, DamagedBytesAreRefused) {
  const std::vector<uint8_t> good = Packed();
  constexpr size_t kFirstFrameSizeAt = 16;
  struct Case {
    const char* what;
    void (*damage)(std::vector<uint8_t>&);
  };
  const Case cases[] = {
      {"empty", [](std::vector<uint8_t>& b) { b.clear(); }},
      {"another magic", [](std::vector<uint8_t>& b) { b[3] = '2'; }},
      {"header cut short", [](std::vector<uint8_t>& b) { b.resize(14); }},
      {"last frame cut short", [](std::vector<uint8_t>& b) { b.pop_back(); }},
      {"bytes after the last frame", [](std::vector<uint8_t>& b) { b.push_back(0); }},
      {"no frames", [](std::vector<uint8_t>& b) { SetU32At(b, 12, 0); }},
      {"more frames than sizes", [](std::vector<uint8_t>& b) { SetU32At(b, 12, 1000000); }},
      {"zero width", [](std::vector<uint8_t>& b) { SetU32At(b, 4, 0); }},
      {"frames too large to exist", [](std::vector<uint8_t>& b) { SetU32At(b, 8, 0x40000000); }},
      {"a frame size too large", [](std::vector<uint8_t>& b) { SetU32At(b, 16, 0xFFFFFFF0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = good;
    c.damage(bytes);
    PackedPicture picture;
    EXPECT_FALSE(ParsePackedPicture(bytes.data(), bytes.size(), picture));
    EXPECT_TRUE(picture.frames.empty());
  }

  // A frame whose bytes do not decode to exactly its pixels gives none.
  PackedPicture picture;
  ASSERT_TRUE(ParsePackedPicture(good.data(), good.size(), picture));
  std::vector<uint8_t> rgba;
  EXPECT_FALSE(UnpackFrame(picture.frames[0], kCell + 1, kCell, rgba));
  EXPECT_TRUE(rgba.empty());
  EXPECT_FALSE(
      UnpackFrame(picture.frames[0].first(U32At(good, kFirstFrameSizeAt) - 1), kCell, kCell, rgba));
  EXPECT_TRUE(rgba.empty());
}

// Packed bytes registered under an embedded name, as the program's own pictures are.
class PackedImages : public HeadlessWindow {
 protected:
  void SetUp() override {
    OpenWindow(64, 32);
    static const std::vector<uint8_t> sheet = Packed();
    static const std::vector<uint8_t> single = Packed(1);
    RegisterEmbeddedFile("test/sheet.tvp", sheet.data(), sheet.size());
    RegisterEmbeddedFile("test/single.tvp", single.data(), single.size());
  }
};

TEST_F(PackedImages, LoadKeepsOnlyThePackedFramesAskedFor) {
  const ImagePtr image = LoadAnimImage("incbin::test/sheet.tvp", kCell, kCell, 2, 3, 0);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->FrameCount(), 3);
  EXPECT_TRUE(image->pixels.empty()) << "nothing is decoded at load";
  for (int frame = 0; frame < 3; ++frame)
    EXPECT_EQ(FramePixels(*image, frame), Cell(Sheet(), 2 + frame));
  EXPECT_TRUE(FramePixels(*image, 3).empty());

  const ImagePtr single = LoadImage("incbin::test/single.tvp", 0);
  ASSERT_TRUE(single);
  EXPECT_EQ(FramePixels(*single, 0), Cell(Sheet(), 0));

  struct Refused {
    const char* what;
    ImagePtr image;
  };
  const Refused refused[] = {
      {"other cells", LoadAnimImage("incbin::test/sheet.tvp", 2, 2, 0, 1, 0)},
      {"cells past the end", LoadAnimImage("incbin::test/sheet.tvp", kCell, kCell, 4, 3, 0)},
      {"a whole picture of six frames", LoadImage("incbin::test/sheet.tvp", 0)},
  };
  for (const Refused& r : refused) EXPECT_FALSE(r.image) << r.what;
}

// A packed frame is decoded whenever a window needs its texture, for plain and mask drawing.
TEST_F(PackedImages, FramesDrawInEveryNewWindow) {
  const ImagePtr image = LoadAnimImage("incbin::test/sheet.tvp", kCell, kCell, 0, 6, 0);
  ASSERT_TRUE(image);
  for (int window = 0; window < 2; ++window) {
    SCOPED_TRACE(window);
    if (window > 0) OpenWindow(64, 32);
    Cls();
    SetBlend(SOLIDBLEND);
    DrawImage(image, 0, 0, 3);
    SetBlend(MASKBLEND);
    DrawImage(image, 10, 0, 1);  // alpha 130: drawn whole
    DrawImage(image, 20, 0, 0);  // alpha 100: not drawn
    const Picture picture = ReadBack();
    ExpectNear(picture.At(1, 1), Rgb{120, 17, 145});  // sheet pixel (1, 5)
    ExpectNear(picture.At(11, 1), Rgb{40, 85, 29});   // sheet pixel (5, 1)
    ExpectNear(picture.At(21, 1), Rgb{0, 0, 0});
  }
  SetBlend(MASKBLEND);
}

}  // namespace
