// Fonts: TrueType/OpenType faces through FreeType and the built-in 8 x 16 font. Glyph images
// are made the first time a character is drawn or measured.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <unordered_map>

#include "platform/builtin_font.h"
#include "platform/graphics.h"
#include "platform/internal.h"

namespace {

struct Glyph {
  bool present = false;
  ImagePtr image;  // empty for blank glyphs such as the space
  int offsetX = 0;
  int offsetY = 0;  // from the top of the line
  int advance = 0;
};

FT_Library FreeTypeLibrary() {
  static FT_Library library = [] {
    FT_Library created = nullptr;
    if (FT_Init_FreeType(&created) != 0) created = nullptr;
    return created;
  }();
  return library;
}

// Decodes one UTF-8 sequence; malformed bytes come out as themselves.
char32_t NextCodePoint(const std::string& text, size_t& i) {
  const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(i++);
  int extra = 0;
  char32_t code = lead;
  if (lead >= 0xF0 && lead < 0xF8)
    extra = 3, code = lead & 0x07;
  else if (lead >= 0xE0)
    extra = 2, code = lead & 0x0F;
  else if (lead >= 0xC0)
    extra = 1, code = lead & 0x1F;
  if (lead < 0xC0 || i + extra > text.size()) return lead;
  for (int k = 0; k < extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return lead;
  }
  for (int k = 0; k < extra; ++k) code = (code << 6) | (byte(i++) & 0x3F);
  return code;
}

}  // namespace

struct TImageFont {
  FT_Face face = nullptr;  // null for the built-in font
  std::vector<uint8_t> fileBytes;
  int size = 0;
  int style = 0;
  int ascender = 0;
  int lineHeight = 0;
  std::unordered_map<char32_t, Glyph> glyphs;

  ~TImageFont() {
    if (face) FT_Done_Face(face);
  }

  const Glyph& GetGlyph(char32_t code) {
    const auto found = glyphs.find(code);
    if (found != glyphs.end()) return found->second;
    return glyphs.emplace(code, face ? RenderGlyph(code) : BuiltinGlyph(code)).first->second;
  }

 private:
  Glyph RenderGlyph(char32_t code) {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face, code);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) {
      return glyph;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.present = true;
    glyph.advance = static_cast<int>(slot->advance.x >> 6);
    glyph.offsetX = slot->bitmap_left;
    glyph.offsetY = ascender - slot->bitmap_top;
    if (bitmap.width == 0 || bitmap.rows == 0) return glyph;
    // Smooth fonts get a clear one-pixel border so filtering never smears the glyph's edge.
    const bool smooth = (style & 4) != 0;
    const int border = smooth ? 1 : 0;
    const int width = static_cast<int>(bitmap.width) + 2 * border;
    const int height = static_cast<int>(bitmap.rows) + 2 * border;
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4, 0);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
      for (unsigned x = 0; x < bitmap.width; ++x) {
        uint8_t coverage = 0;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
          coverage = bitmap.buffer[y * bitmap.pitch + x];
        } else if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
          coverage = ((bitmap.buffer[y * bitmap.pitch + x / 8] >> (7 - x % 8)) & 1) ? 255 : 0;
        }
        uint8_t* pixel = &rgba[((y + border) * width + x + border) * 4];
        pixel[0] = pixel[1] = pixel[2] = 255;
        pixel[3] = coverage;
      }
    }
    glyph.image = CreateImage(width, height, 1, rgba.data(), smooth ? 6 : 0);
    glyph.offsetX -= border;
    glyph.offsetY -= border;
    return glyph;
  }

  static Glyph BuiltinGlyph(char32_t code) {
    Glyph glyph;
    if (code < kBuiltinFirstChar || code > kBuiltinLastChar) return glyph;
    glyph.present = true;
    glyph.advance = kBuiltinCellWidth;
    std::vector<uint8_t> rgba(kBuiltinCellWidth * kBuiltinCellHeight * 4, 0);
    bool any = false;
    for (int y = 0; y < kBuiltinCellHeight; ++y) {
      for (int x = 0; x < kBuiltinCellWidth; ++x) {
        if (!BuiltinGlyphPixel(static_cast<int>(code), x, y)) continue;
        uint8_t* pixel = &rgba[(y * kBuiltinCellWidth + x) * 4];
        pixel[0] = pixel[1] = pixel[2] = pixel[3] = 255;
        any = true;
      }
    }
    if (any) glyph.image = CreateImage(kBuiltinCellWidth, kBuiltinCellHeight, 1, rgba.data(), 0);
    return glyph;
  }
};

namespace {

TImageFont& BuiltinFont() {
  static TImageFont font = [] {
    TImageFont created;
    created.lineHeight = kBuiltinCellHeight;
    return created;
  }();
  return font;
}

TImageFont& CurrentFont() {
  TImageFont* font = GraphicsState().image_font.get();
  return font ? *font : BuiltinFont();
}

}  // namespace

FontPtr LoadImageFont(const std::string& path, int size, int style) {
  FT_Library library = FreeTypeLibrary();
  if (!library || size <= 0) return nullptr;
  auto font = std::make_shared<TImageFont>();
  if (!ReadAssetBytes(path, font->fileBytes)) return nullptr;
  // A collection opens at its first face.
  if (FT_New_Memory_Face(library, font->fileBytes.data(),
                         static_cast<FT_Long>(font->fileBytes.size()), 0, &font->face) != 0) {
    font->face = nullptr;
    return nullptr;
  }
  int chosen = size;
  while (chosen >= 1 && FT_Set_Pixel_Sizes(font->face, 0, static_cast<FT_UInt>(chosen)) != 0)
    --chosen;
  if (chosen < 1) return nullptr;
  font->size = chosen;
  font->style = style;
  font->ascender = static_cast<int>(font->face->size->metrics.ascender >> 6);
  font->lineHeight = static_cast<int>(font->face->size->metrics.height >> 6);
  return font;
}

void DrawText(const std::string& text, float x, float y) {
  TImageFont& font = CurrentFont();
  const TMax2DGraphics& state = GraphicsState();
  float penX = x + state.origin_x;
  float penY = y + state.origin_y;
  for (size_t i = 0; i < text.size();) {
    const Glyph& glyph = font.GetGlyph(NextCodePoint(text, i));
    if (!glyph.present) continue;
    if (glyph.image) {
      platform_detail::DrawImageQuad(*glyph.image, 0, penX, penY, static_cast<float>(glyph.offsetX),
                                     static_cast<float>(glyph.offsetY));
    }
    penX += static_cast<float>(glyph.advance) * state.tform_ix;
    penY += static_cast<float>(glyph.advance) * state.tform_jx;
  }
}

int TextWidth(const std::string& text) {
  TImageFont& font = CurrentFont();
  int width = 0;
  for (size_t i = 0; i < text.size();) {
    const Glyph& glyph = font.GetGlyph(NextCodePoint(text, i));
    if (glyph.present) width += glyph.advance;
  }
  return width;
}

int TextHeight() { return CurrentFont().lineHeight; }
