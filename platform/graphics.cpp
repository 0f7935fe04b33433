// Render state, images and the one quad-submission path every draw call ends in.

#include "platform/graphics.h"

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <unordered_map>
#include <unordered_set>

#include "platform/folders.h"
#include "platform/internal.h"
#include "platform/packed_picture.h"
#include "platform/system.h"

namespace {

TMax2DGraphics state;

struct EmbeddedFile {
  const uint8_t* data;
  size_t size;
};
std::unordered_map<std::string, EmbeddedFile>& EmbeddedFiles() {
  static std::unordered_map<std::string, EmbeddedFile> files;
  return files;
}

// ---- Decoding ----------------------------------------------------------------------------------

bool DecodePng(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& rgba, int& width,
               int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  image.format = PNG_FORMAT_RGBA;
  rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return false;
  }
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return true;
}

struct JpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

bool DecodeJpeg(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& rgba, int& width,
                int& height) {
  jpeg_decompress_struct info{};
  JpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = OnJpegError;
  std::vector<uint8_t> row;
  if (setjmp(error.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  width = static_cast<int>(info.output_width);
  height = static_cast<int>(info.output_height);
  rgba.assign(static_cast<size_t>(width) * height * 4, 255);
  row.resize(static_cast<size_t>(width) * 3);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
    uint8_t* out = rgba.data() + static_cast<size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x) {
      out[x * 4 + 0] = row[x * 3 + 0];
      out[x * 4 + 1] = row[x * 3 + 1];
      out[x * 4 + 2] = row[x * 3 + 2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// ---- Textures ----------------------------------------------------------------------------------

// The box of a frame that holds every pixel with any cover, grown by one clear pixel where the
// frame has room: a filtered sample near its edge then reads what it would read in the whole
// frame. Empty when nothing is drawn in the frame.
SDL_Rect CoveredBox(const uint8_t* rgba, int width, int height) {
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = rgba + static_cast<size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x) {
      if (row[x * 4 + 3] == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  if (right < 0) return SDL_Rect{0, 0, 0, 0};
  left = std::max(left - 1, 0);
  top = std::max(top - 1, 0);
  right = std::min(right + 1, width - 1);
  bottom = std::min(bottom + 1, height - 1);
  return SDL_Rect{left, top, right - left + 1, bottom - top + 1};
}

bool BoxOpaque(const uint8_t* rgba, int width, const SDL_Rect& box) {
  for (int y = box.y; y < box.y + box.h; ++y) {
    const uint8_t* row = rgba + (static_cast<size_t>(y) * width + box.x) * 4;
    for (int x = 0; x < box.w; ++x)
      if (row[x * 4 + 3] != 255) return false;
  }
  return true;
}

// A texture of the box of a frame, in a format SDL's software renderer draws without converting
// every pixel of every draw: ARGB8888 blends straight onto the picture, and an opaque frame in the
// picture's own format (platform_detail::OpaqueTextureFormat) is copied or stretched onto it.
// `variant` mirrors it and thresholds its alpha as TImage::Texture's variants say.
SDL_Texture* MakeTexture(SDL_Renderer* renderer, const TImage& image, const uint8_t* rgba,
                         const SDL_Rect& box, int variant, bool opaque) {
  const Uint32 format =
      opaque ? platform_detail::OpaqueTextureFormat() : Uint32{SDL_PIXELFORMAT_ARGB8888};
  SDL_Texture* texture =
      SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STATIC, box.w, box.h);
  if (!texture) return nullptr;
  const bool mirrorX = variant & TImage::kMirrorX, mirrorY = variant & TImage::kMirrorY;
  const bool mask = variant & TImage::kMaskVariant;
  std::vector<uint32_t> argb(static_cast<size_t>(box.w) * box.h);
  for (int y = 0; y < box.h; ++y) {
    const int fromY = box.y + (mirrorY ? box.h - 1 - y : y);
    const uint8_t* from = rgba + (static_cast<size_t>(fromY) * image.width + box.x) * 4;
    uint32_t* to = argb.data() + static_cast<size_t>(y) * box.w;
    for (int x = 0; x < box.w; ++x, from += 4) {
      // Mask blending draws only pixels of at least half opacity, at full opacity.
      const uint32_t alpha = mask ? (from[3] >= 128 ? 255 : 0) : from[3];
      to[mirrorX ? box.w - 1 - x : x] =
          alpha << 24 | uint32_t(from[0]) << 16 | uint32_t(from[1]) << 8 | from[2];
    }
  }
  SDL_UpdateTexture(texture, nullptr, argb.data(), box.w * 4);
  SDL_SetTextureScaleMode(texture, (image.flags & 2) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  return texture;
}

// Images that hold textures of the current window. Textures are made and released on the
// drawing thread only. Never freed: images held by globals may go after it would.
std::unordered_set<TImage*>& ImagesWithTextures() {
  static auto* images = new std::unordered_set<TImage*>;
  return *images;
}

// Pictures shown since the program started; a texture undrawn for kUnusedPictures of them is
// released, looked for every kReleaseInterval pictures. A stage's scenery and a character's moves
// come back within seconds while they are in play, so a texture released is one that has left it.
int shownPictures = 0;
constexpr int kReleaseInterval = 60;
constexpr int kUnusedPictures = 600;

bool HoldsHandles(const TImage::Texture& texture) {
  return std::any_of(texture.handles.begin(), texture.handles.end(),
                     [](void* handle) { return handle != nullptr; });
}

// Frees a frame's textures; what was measured of the frame stays.
void ReleaseHandles(TImage::Texture& texture) {
  if (texture.sequence == GraphicsSequence() && platform_detail::Renderer() &&
      HoldsHandles(texture)) {
    // Quads already gathered may still sample these textures.
    platform_detail::FlushQuads();
    for (void* handle : texture.handles)
      if (handle) SDL_DestroyTexture(static_cast<SDL_Texture*>(handle));
  }
  texture.handles = {};
}

void DestroyTextures(TImage& image) {
  if (PlatformExiting()) return;  // the renderer goes with the process
  if (image.holdsTextures) ImagesWithTextures().erase(&image);
  image.holdsTextures = false;
  for (TImage::Texture& texture : image.textures) {
    ReleaseHandles(texture);
    texture = TImage::Texture{};
  }
}

// The frame's drawable form for the current window, made on first use after each new window,
// with its variant made on first use too; null when the frame has nothing drawn in it.
const TImage::Texture* FrameTexture(TImage& image, int frame, int variant) {
  SDL_Renderer* renderer = platform_detail::Renderer();
  if (!renderer) return nullptr;
  if (image.textures.size() != static_cast<size_t>(image.FrameCount()))
    image.textures.resize(image.FrameCount());
  TImage::Texture& texture = image.textures[frame];
  if (texture.sequence != GraphicsSequence()) {
    texture = TImage::Texture{};
    texture.sequence = GraphicsSequence();
  }
  texture.lastDrawn = shownPictures;
  void*& handle = texture.handles[variant];
  if (!handle && !(texture.measured && texture.width == 0)) {
    std::vector<uint8_t> decoded;
    if (image.pixels.empty()) decoded = FramePixels(image, frame);
    const std::vector<uint8_t>& rgba = image.pixels.empty() ? decoded : image.pixels[frame];
    if (rgba.empty()) return nullptr;
    if (!texture.measured) {
      const SDL_Rect box = CoveredBox(rgba.data(), image.width, image.height);
      texture.left = box.x;
      texture.top = box.y;
      texture.width = box.w;
      texture.height = box.h;
      texture.opaque = box.w > 0 && BoxOpaque(rgba.data(), image.width, box);
      texture.measured = true;
    }
    if (texture.width == 0) return nullptr;
    const SDL_Rect box{texture.left, texture.top, texture.width, texture.height};
    handle = MakeTexture(renderer, image, rgba.data(), box, variant, texture.opaque);
    if (handle && !image.holdsTextures) {
      ImagesWithTextures().insert(&image);
      image.holdsTextures = true;
    }
  }
  return handle ? &texture : nullptr;
}

// ---- Quad batching -----------------------------------------------------------------------------

// Consecutive quads with the same texture and blend mode go to SDL in one geometry call.
struct Batch {
  SDL_Texture* texture = nullptr;
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
  std::vector<SDL_Vertex> vertices;
  std::vector<int> indices;
};
Batch batch;

SDL_BlendMode SdlBlend(int mode) {
  switch (mode) {
    case SOLIDBLEND:
      return SDL_BLENDMODE_NONE;
    case LIGHTBLEND:
      return SDL_BLENDMODE_ADD;
    case SHADEBLEND:
      return SDL_BLENDMODE_MOD;
    default:
      return SDL_BLENDMODE_BLEND;  // alpha, and mask through thresholded textures
  }
}

uint8_t ClampChannel(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

SDL_Color VertexColor() {
  const float alpha = std::clamp(state.color_alpha, 0.0f, 1.0f);
  uint8_t a = static_cast<uint8_t>(std::lround(alpha * 255.0f));
  if (state.blend_mode == MASKBLEND) a = alpha * 255.0f >= 128.0f ? 255 : 0;
  return SDL_Color{ClampChannel(state.color_red), ClampChannel(state.color_green),
                   ClampChannel(state.color_blue), a};
}

}  // namespace

namespace platform_detail {

void FlushQuads() {
  if (batch.vertices.empty()) return;
  SDL_Renderer* renderer = Renderer();
  if (renderer) {
    if (batch.texture)
      SDL_SetTextureBlendMode(batch.texture, batch.blend);
    else
      SDL_SetRenderDrawBlendMode(renderer, batch.blend);
    SDL_RenderGeometry(renderer, batch.texture, batch.vertices.data(),
                       static_cast<int>(batch.vertices.size()), batch.indices.data(),
                       static_cast<int>(batch.indices.size()));
  }
  batch.vertices.clear();
  batch.indices.clear();
}

// True when the quad lies wholly outside the picture, where it cannot change a pixel.
bool OutsidePicture(const SDL_FPoint corners[4]) {
  float left = corners[0].x, right = left, top = corners[0].y, bottom = top;
  for (int i = 1; i < 4; ++i) {
    left = std::min(left, corners[i].x);
    right = std::max(right, corners[i].x);
    top = std::min(top, corners[i].y);
    bottom = std::max(bottom, corners[i].y);
  }
  return right <= 0 || bottom <= 0 || left >= static_cast<float>(GraphicsWidth()) ||
         top >= static_cast<float>(GraphicsHeight());
}

void SubmitQuad(SDL_Texture* texture, const SDL_FPoint corners[4], bool opaque,
                const SDL_FPoint* uv) {
  if (!Renderer() || OutsidePicture(corners)) return;
  const SDL_Color color = VertexColor();
  SDL_BlendMode blend = SdlBlend(state.blend_mode);
  // Alpha blending of a wholly clear quad leaves the picture as it was; of an opaque one at full
  // opacity, it is a copy.
  if (blend == SDL_BLENDMODE_BLEND || blend == SDL_BLENDMODE_ADD) {
    if (color.a == 0) return;
    if (blend == SDL_BLENDMODE_BLEND && opaque && color.a == 255) blend = SDL_BLENDMODE_NONE;
  }
  if (texture != batch.texture || blend != batch.blend) {
    FlushQuads();
    batch.texture = texture;
    batch.blend = blend;
  }
  static constexpr SDL_FPoint kUv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  if (!uv) uv = kUv;
  const int base = static_cast<int>(batch.vertices.size());
  for (int i = 0; i < 4; ++i) batch.vertices.push_back(SDL_Vertex{corners[i], color, uv[i]});
  for (int index : {0, 1, 2, 0, 2, 3}) batch.indices.push_back(base + index);
}

void ForgetTextures() {
  FlushQuads();
  batch.texture = nullptr;
  // The renderer frees them itself.
  for (TImage* image : ImagesWithTextures()) image->holdsTextures = false;
  ImagesWithTextures().clear();
}

void ReleaseUnusedTextures() {
  if (++shownPictures % kReleaseInterval != 0) return;
  std::unordered_set<TImage*>& images = ImagesWithTextures();
  for (auto it = images.begin(); it != images.end();) {
    bool holds = false;
    for (TImage::Texture& texture : (*it)->textures) {
      if (shownPictures - texture.lastDrawn >= kUnusedPictures) ReleaseHandles(texture);
      holds = holds || HoldsHandles(texture);
    }
    if (holds) {
      ++it;
    } else {
      (*it)->holdsTextures = false;
      it = images.erase(it);
    }
  }
}

bool DecodeImage(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& rgba, int& width,
                 int& height) {
  static constexpr uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G'};
  if (bytes.size() >= 4 && std::equal(kPngSignature, kPngSignature + 4, bytes.begin())) {
    return DecodePng(bytes, rgba, width, height);
  }
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
    return DecodeJpeg(bytes, rgba, width, height);
  }
  return false;
}

namespace {

// A scaled quad that runs past the picture makes SDL's software renderer scale the whole of it
// into a scratch picture first. The quad is cut down to the whole texels that reach the
// picture, with the corners of exactly those texels, which leaves every drawn pixel as it was.
// `corners` run clockwise from the top-left, axis-aligned; `uv` receives their coordinates.
void CutToPicture(SDL_FPoint corners[4], SDL_FPoint uv[4], int textureWidth, int textureHeight) {
  const float left = corners[0].x, top = corners[0].y;
  const float width = corners[2].x - left, height = corners[2].y - top;
  const float pictureWidth = static_cast<float>(GraphicsWidth());
  const float pictureHeight = static_cast<float>(GraphicsHeight());
  // One axis: the first and one past the last texel that reach [0, size), of `count`.
  auto cut = [](float start, float extent, float size, int count, float& from, float& to) {
    const float texel = extent / static_cast<float>(count);
    from = std::max(0.0f, std::floor((0 - start) / texel));
    to = std::min(static_cast<float>(count), std::ceil((size - start) / texel));
  };
  float u0, u1, v0, v1;
  cut(left, width, pictureWidth, textureWidth, u0, u1);
  cut(top, height, pictureHeight, textureHeight, v0, v1);
  const float x0 = left + u0 * width / textureWidth, x1 = left + u1 * width / textureWidth;
  const float y0 = top + v0 * height / textureHeight, y1 = top + v1 * height / textureHeight;
  corners[0] = {x0, y0};
  corners[1] = {x1, y0};
  corners[2] = {x1, y1};
  corners[3] = {x0, y1};
  // SDL turns these into whole texels by truncation: a quarter texel in keeps it from falling
  // on the texel before. It refuses coordinates past the texture's edges.
  auto coordinate = [](float texel, int count) {
    return texel >= static_cast<float>(count) ? 1.0f : (texel + 0.25f) / static_cast<float>(count);
  };
  const float s0 = u0 == 0 ? 0 : coordinate(u0, textureWidth);
  const float s1 = coordinate(u1, textureWidth);
  const float t0 = v0 == 0 ? 0 : coordinate(v0, textureHeight);
  const float t1 = coordinate(v1, textureHeight);
  uv[0] = {s0, t0};
  uv[1] = {s1, t0};
  uv[2] = {s1, t1};
  uv[3] = {s0, t1};
}

}  // namespace

// The quad of a frame whose top-left corner is (x0, y0) relative to (tx, ty), under the matrix.
void DrawImageQuad(TImage& image, int frame, float tx, float ty, float x0, float y0) {
  if (frame < 0 || frame >= image.FrameCount()) return;
  const float ix = state.tform_ix, iy = state.tform_iy, jx = state.tform_jx, jy = state.tform_jy;
  // Mirrored without rotation: drawn from a mirrored copy, as a plain quad.
  const bool upright = iy == 0 && jx == 0;
  int variant = state.blend_mode == MASKBLEND ? TImage::kMaskVariant : 0;
  if (upright && ix < 0) variant |= TImage::kMirrorX;
  if (upright && jy < 0) variant |= TImage::kMirrorY;
  const TImage::Texture* texture = FrameTexture(image, frame, variant);
  if (!texture) return;
  x0 += static_cast<float>(texture->left);
  y0 += static_cast<float>(texture->top);
  const float x1 = x0 + static_cast<float>(texture->width);
  const float y1 = y0 + static_cast<float>(texture->height);
  SDL_FPoint corners[4] = {
      {x0 * ix + y0 * iy + tx, x0 * jx + y0 * jy + ty},
      {x1 * ix + y0 * iy + tx, x1 * jx + y0 * jy + ty},
      {x1 * ix + y1 * iy + tx, x1 * jx + y1 * jy + ty},
      {x0 * ix + y1 * iy + tx, x0 * jx + y1 * jy + ty},
  };
  // The mirrored copy's first texel is the corner that the mirroring moved to the top-left.
  if (variant & TImage::kMirrorX) {
    std::swap(corners[0], corners[1]);
    std::swap(corners[2], corners[3]);
  }
  if (variant & TImage::kMirrorY) {
    std::swap(corners[0], corners[3]);
    std::swap(corners[1], corners[2]);
  }
  SDL_Texture* handle = static_cast<SDL_Texture*>(texture->handles[variant]);
  if (upright && SoftwareRenderer()) {
    // The software renderer truncates corners to whole pixels; a rasteriser covers the pixels
    // whose centres the quad holds, which is rounding them.
    for (SDL_FPoint& corner : corners) corner = {std::round(corner.x), std::round(corner.y)};
  }
  const bool scaled = std::fabs(ix) != 1 || std::fabs(jy) != 1;
  const bool pastPicture = corners[0].x < 0 || corners[0].y < 0 ||
                           corners[2].x > static_cast<float>(GraphicsWidth()) ||
                           corners[2].y > static_cast<float>(GraphicsHeight());
  if (upright && scaled && pastPicture && SoftwareRenderer()) {
    SDL_FPoint uv[4];
    CutToPicture(corners, uv, texture->width, texture->height);
    if (corners[2].x > corners[0].x && corners[2].y > corners[0].y)
      SubmitQuad(handle, corners, texture->opaque, uv);
    return;
  }
  SubmitQuad(handle, corners, texture->opaque, nullptr);
}

}  // namespace platform_detail

TImage::~TImage() { DestroyTextures(*this); }

// ---- Render state ------------------------------------------------------------------------------

TMax2DGraphics& GraphicsState() { return state; }

void ResetGraphicsState(int viewportWidth, int viewportHeight) {
  platform_detail::FlushQuads();
  state = TMax2DGraphics{};
  state.viewport_w = viewportWidth;
  state.viewport_h = viewportHeight;
}

namespace {
void UpdateMatrix() {
  const float s = static_cast<float>(Sin(state.tform_rot));
  const float c = static_cast<float>(Cos(state.tform_rot));
  state.tform_ix = c * state.tform_scale_x;
  state.tform_iy = -s * state.tform_scale_y;
  state.tform_jx = s * state.tform_scale_x;
  state.tform_jy = c * state.tform_scale_y;
}
}  // namespace

void SetColor(int red, int green, int blue) {
  state.color_red = red;
  state.color_green = green;
  state.color_blue = blue;
}
void SetAlpha(float alpha) { state.color_alpha = alpha; }
void SetBlend(int mode) { state.blend_mode = mode; }
void SetRotation(float degrees) {
  state.tform_rot = degrees;
  UpdateMatrix();
}
void SetScale(float scaleX, float scaleY) {
  state.tform_scale_x = scaleX;
  state.tform_scale_y = scaleY;
  UpdateMatrix();
}
void SetOrigin(float x, float y) {
  state.origin_x = x;
  state.origin_y = y;
}
void SetImageFont(const FontPtr& font) { state.image_font = font; }
void SetClsColor(int red, int green, int blue) {
  state.clscolor_red = red;
  state.clscolor_green = green;
  state.clscolor_blue = blue;
}

// ---- Loading ----------------------------------------------------------------------------------

void RegisterEmbeddedFile(const std::string& name, const uint8_t* data, size_t size) {
  // Registering again changes nothing, so loaders on other threads may repeat it safely.
  EmbeddedFiles().try_emplace(name, EmbeddedFile{data, size});
}

bool FindEmbeddedFile(const std::string& name, const uint8_t** data, size_t* size) {
  const auto found = EmbeddedFiles().find(name);
  if (found == EmbeddedFiles().end()) return false;
  *data = found->second.data;
  *size = found->second.size;
  return true;
}

bool ReadAssetBytes(const std::string& name, std::vector<uint8_t>& out) {
  const std::string prefix = kEmbeddedPrefix;
  if (name.compare(0, prefix.size(), prefix) == 0) {
    const uint8_t* data = nullptr;
    size_t size = 0;
    if (!FindEmbeddedFile(name.substr(prefix.size()), &data, &size)) return false;
    out.assign(data, data + size);
    return true;
  }
  std::string path = name;
  std::replace(path.begin(), path.end(), '\\', '/');
  std::ifstream file(FindDataFile(path), std::ios::binary | std::ios::ate);
  if (!file) return false;
  // In one read: the fonts and the music are megabytes long.
  const std::streamoff size = file.tellg();
  if (size < 0 || !file.seekg(0)) return false;
  out.resize(static_cast<size_t>(size));
  file.read(reinterpret_cast<char*>(out.data()), size);
  return file.gcount() == size;
}

namespace {

// An image holding cells firstCell.. of an RGBA sheet, cut row by row.
ImagePtr ImageFromSheet(const uint8_t* sheetRgba, int sheetWidth, int cellWidth, int cellHeight,
                        int firstCell, int cellCount, int flags) {
  auto image = std::make_shared<TImage>();
  image->width = cellWidth;
  image->height = cellHeight;
  image->flags = flags;
  image->pixels.resize(cellCount);
  image->textures.resize(cellCount);
  for (int frame = 0; frame < cellCount; ++frame) {
    std::vector<uint8_t>& pixels = image->pixels[frame];
    pixels.resize(static_cast<size_t>(cellWidth) * cellHeight * 4);
    CopyCell(sheetRgba, sheetWidth, cellWidth, cellHeight, firstCell + frame, pixels.data());
  }
  return image;
}

}  // namespace

ImagePtr CreateImage(int width, int height, int frameCount, const uint8_t* stripRgba, int flags) {
  if (width <= 0 || height <= 0 || frameCount <= 0) return nullptr;
  return ImageFromSheet(stripRgba, width * frameCount, width, height, 0, frameCount, flags);
}

namespace {

// Cells firstCell.. of a packed picture carried inside the program; cellWidth 0 asks for the
// whole of a picture of one frame. Nothing is decoded here.
ImagePtr LoadPackedImage(const uint8_t* data, size_t size, int cellWidth, int cellHeight,
                         int firstCell, int cellCount, int flags) {
  PackedPicture picture;
  if (!ParsePackedPicture(data, size, picture)) return nullptr;
  if (cellWidth == 0) {
    if (picture.frames.size() != 1) return nullptr;
    cellWidth = picture.frameWidth;
    cellHeight = picture.frameHeight;
  }
  if (cellWidth != picture.frameWidth || cellHeight != picture.frameHeight ||
      static_cast<size_t>(firstCell) + cellCount > picture.frames.size()) {
    return nullptr;
  }
  auto image = std::make_shared<TImage>();
  image->width = cellWidth;
  image->height = cellHeight;
  image->flags = flags;
  image->packed.assign(picture.frames.begin() + firstCell,
                       picture.frames.begin() + firstCell + cellCount);
  image->textures.resize(cellCount);
  return image;
}

// A packed picture found under an embedded name, or nothing when the name holds none (the
// caller then reads it as a PNG or JPEG).
bool FindPackedPicture(const std::string& name, const uint8_t** data, size_t* size) {
  const std::string prefix = kEmbeddedPrefix;
  return name.compare(0, prefix.size(), prefix) == 0 &&
         FindEmbeddedFile(name.substr(prefix.size()), data, size) && LooksPacked(*data, *size);
}

}  // namespace

ImagePtr LoadAnimImage(const std::string& name, int cellWidth, int cellHeight, int firstCell,
                       int cellCount, int flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return nullptr;
  const uint8_t* packed = nullptr;
  size_t packedSize = 0;
  if (FindPackedPicture(name, &packed, &packedSize)) {
    return LoadPackedImage(packed, packedSize, cellWidth, cellHeight, firstCell, cellCount, flags);
  }
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> rgba;
  int width = 0, height = 0;
  if (!ReadAssetBytes(name, bytes) || !platform_detail::DecodeImage(bytes, rgba, width, height)) {
    return nullptr;
  }
  const int cols = width / cellWidth;
  const int rows = height / cellHeight;
  if (firstCell + cellCount > cols * rows) return nullptr;
  return ImageFromSheet(rgba.data(), width, cellWidth, cellHeight, firstCell, cellCount, flags);
}

ImagePtr LoadImage(const std::string& name, int flags) {
  const uint8_t* packed = nullptr;
  size_t packedSize = 0;
  if (FindPackedPicture(name, &packed, &packedSize))
    return LoadPackedImage(packed, packedSize, 0, 0, 0, 1, flags);
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> rgba;
  int width = 0, height = 0;
  if (!ReadAssetBytes(name, bytes) || !platform_detail::DecodeImage(bytes, rgba, width, height)) {
    return nullptr;
  }
  return CreateImage(width, height, 1, rgba.data(), flags);
}

void SetImageHandle(const ImagePtr& image, float x, float y) {
  if (!image) return;
  image->handle_x = x;
  image->handle_y = y;
}

std::vector<uint8_t> FramePixels(const TImage& image, int frame) {
  std::vector<uint8_t> rgba;
  if (frame < 0 || frame >= image.FrameCount()) return rgba;
  if (static_cast<size_t>(frame) < image.pixels.size()) return image.pixels[frame];
  UnpackFrame(image.packed[frame], image.width, image.height, rgba);
  return rgba;
}

// ---- Drawing ----------------------------------------------------------------------------------

void Cls() {
  SDL_Renderer* renderer = platform_detail::Renderer();
  if (!renderer) return;
  platform_detail::FlushQuads();
  SDL_SetRenderDrawColor(renderer, ClampChannel(state.clscolor_red),
                         ClampChannel(state.clscolor_green), ClampChannel(state.clscolor_blue),
                         255);
  SDL_RenderClear(renderer);
}

void DrawImage(const ImagePtr& image, float x, float y, int frame) {
  if (!image) return;
  platform_detail::DrawImageQuad(*image, frame, x + state.origin_x, y + state.origin_y,
                                 -image->handle_x, -image->handle_y);
}

void DrawRect(float x, float y, float width, float height) {
  const float tx = x + state.origin_x, ty = y + state.origin_y;
  const float ix = state.tform_ix, iy = state.tform_iy, jx = state.tform_jx, jy = state.tform_jy;
  const SDL_FPoint corners[4] = {
      {tx, ty},
      {width * ix + tx, width * jx + ty},
      {width * ix + height * iy + tx, width * jx + height * jy + ty},
      {height * iy + tx, height * jy + ty},
  };
  platform_detail::SubmitQuad(nullptr, corners, true, nullptr);
}

// ---- Reading the picture back
// --------------------------------------------------------------------

bool ReadBackBuffer(std::vector<uint8_t>& rgba, int& width, int& height) {
  SDL_Renderer* renderer = platform_detail::Renderer();
  if (!renderer) return false;
  platform_detail::FlushQuads();
  width = GraphicsWidth();
  height = GraphicsHeight();
  rgba.resize(static_cast<size_t>(width) * height * 4);
  if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, rgba.data(), width * 4) !=
      0) {
    return false;
  }
  for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;  // the screen is opaque
  return true;
}

bool EncodePng(const uint8_t* rgba, int width, int height, std::vector<uint8_t>& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, rgba, 0, nullptr)) return false;
  png.resize(size);
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgba, 0, nullptr)) return false;
  png.resize(size);
  return true;
}

bool EncodeScreenshot(std::vector<uint8_t>& png) {
  std::vector<uint8_t> rgba;
  int width = 0, height = 0;
  return ReadBackBuffer(rgba, width, height) && EncodePng(rgba.data(), width, height, png);
}
