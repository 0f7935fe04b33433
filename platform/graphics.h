#pragma once
// The immediate-mode 2D drawing interface: a render state, images of equal frames with a pivot,
// filled rectangles and text.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct TImageFont;

// One frame's pixels are RGBA, 8 bits a channel, straight alpha, row by row. A picture the
// program carries packed keeps only its compressed frames: a frame is decoded each time a texture
// is made from it (once per window), and its pixels go again straight after.
struct TImage {
  int width = 0;
  int height = 0;
  int flags = 0;  // 1 masked, 2 filtered, 4 mipmapped
  float handle_x = 0;
  float handle_y = 0;
  std::vector<std::vector<uint8_t>> pixels;      // one buffer of width * height * 4 per frame
  std::vector<std::span<const uint8_t>> packed;  // or each frame packed, inside the program

  // The drawable form of each frame and the graphics sequence it was made for. A texture holds
  // only the box of the frame that has something drawn in it (and a clear pixel round that, so
  // that filtering at its edge reads what the whole frame would give): the rest, clear, would
  // cost sampling and memory for nothing.
  //
  // A frame drawn mirrored gets a mirrored copy of its own, made when first drawn so: a plain
  // copy costs the software renderer far less than a mirroring one.
  struct Texture {
    // Indexed by kMaskVariant (the alpha-thresholded copy for the mask blend mode) plus the
    // mirrorings (kMirrorX, kMirrorY).
    std::array<void*, 8> handles{};
    int sequence = 0;
    int left = 0, top = 0, width = 0, height = 0;  // the box, in the frame's pixels
    bool measured = false;  // the box is known (an empty box: nothing to draw)
    bool opaque = false;    // every pixel of the box fully opaque: drawn without blending
    int lastDrawn = 0;      // the shown picture it was last drawn for (see ReleaseUnusedTextures)
  };
  std::vector<Texture> textures;
  bool holdsTextures = false;  // listed among the images that have textures to release
  static constexpr int kMirrorX = 1, kMirrorY = 2, kMaskVariant = 4;

  ~TImage();
  int FrameCount() const { return static_cast<int>(std::max(pixels.size(), packed.size())); }
};
using ImagePtr = std::shared_ptr<TImage>;
using FontPtr = std::shared_ptr<TImageFont>;

struct TMax2DGraphics {
  int color_red = 255, color_green = 255, color_blue = 255;
  float color_alpha = 1.0f;
  int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
  int blend_mode = 1;
  float tform_rot = 0;
  float tform_scale_x = 1, tform_scale_y = 1;
  float tform_ix = 1, tform_iy = 0, tform_jx = 0, tform_jy = 1;
  int viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;
  float origin_x = 0, origin_y = 0;
  float handle_x = 0, handle_y = 0;
  FontPtr image_font;  // empty selects the built-in font
};

// The render state of the current window (defaults when a window opens).
TMax2DGraphics& GraphicsState();
void ResetGraphicsState(int viewportWidth, int viewportHeight);

enum BlendMode { MASKBLEND = 1, SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4, SHADEBLEND = 5 };

// ---- Loading ----------------------------------------------------------------------------------
// Loading touches no window and no shared drawing state: it may run on any thread.

// The prefix that names an embedded file instead of one on disk.
inline constexpr const char* kEmbeddedPrefix = "incbin::";

// Embedded files, found as "incbin::" + name. Register them on the main thread before loading
// elsewhere; registering a name twice keeps the first.
void RegisterEmbeddedFile(const std::string& name, const uint8_t* data, size_t size);
bool FindEmbeddedFile(const std::string& name, const uint8_t** data, size_t* size);
// Reads a file or an "incbin::" name into memory; a backslash in a path is a folder separator.
bool ReadAssetBytes(const std::string& name, std::vector<uint8_t>& out);

// Images load from PNG, JPEG, or packed pictures (platform/packed_picture.h). A packed picture
// loads only from an embedded name, whose bytes last as long as the program; its frames must be
// the cells asked for (LoadImage: a single frame).
ImagePtr LoadImage(const std::string& name, int flags);
ImagePtr LoadAnimImage(const std::string& name, int cellWidth, int cellHeight, int firstCell,
                       int cellCount, int flags);
// An image of frameCount frames from RGBA pixels laid out as a horizontal strip.
ImagePtr CreateImage(int width, int height, int frameCount, const uint8_t* stripRgba, int flags);
void SetImageHandle(const ImagePtr& image, float x, float y);
// A copy of one frame's RGBA, decoded when the frame is packed; empty when there is no such frame.
std::vector<uint8_t> FramePixels(const TImage& image, int frame);
FontPtr LoadImageFont(const std::string& path, int size, int style);

// ---- State ------------------------------------------------------------------------------------

void SetColor(int red, int green, int blue);
void SetAlpha(float alpha);
void SetBlend(int mode);
void SetRotation(float degrees);
void SetScale(float scaleX, float scaleY);
void SetOrigin(float x, float y);
void SetImageFont(const FontPtr& font);
void SetClsColor(int red, int green, int blue);

// ---- Drawing ----------------------------------------------------------------------------------

void Cls();
void DrawImage(const ImagePtr& image, float x, float y, int frame = 0);
void DrawRect(float x, float y, float width, float height);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight();

// ---- Reading the picture back
// --------------------------------------------------------------------

// The picture the next Flip will show, as RGBA rows of exactly the window's mode size: the game
// draws into a picture of that size whatever the window's size on the screen.
bool ReadBackBuffer(std::vector<uint8_t>& rgba, int& width, int& height);
// PNG files in memory: the caller decides where and how they are written.
bool EncodePng(const uint8_t* rgba, int width, int height, std::vector<uint8_t>& png);
bool EncodeScreenshot(std::vector<uint8_t>& png);
