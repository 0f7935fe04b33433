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

SDL_Texture* MakeTexture(SDL_Renderer* renderer, const TImage& image, const uint8_t* pixels) {
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32,
                                           SDL_TEXTUREACCESS_STATIC, image.width, image.height);
  if (!texture) return nullptr;
  SDL_UpdateTexture(texture, nullptr, pixels, image.width * 4);
  SDL_SetTextureScaleMode(texture, (image.flags & 2) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  return texture;
}

void DestroyTextures(TImage& image) {
  if (PlatformExiting()) return;  // the renderer goes with the process
  for (TImage::Texture& texture : image.textures) {
    if (texture.sequence == GraphicsSequence() && platform_detail::Renderer() &&
        (texture.handle || texture.maskHandle)) {
      // Quads already gathered may still sample these textures.
      platform_detail::FlushQuads();
      if (texture.handle) SDL_DestroyTexture(static_cast<SDL_Texture*>(texture.handle));
      if (texture.maskHandle) SDL_DestroyTexture(static_cast<SDL_Texture*>(texture.maskHandle));
    }
    texture = TImage::Texture{};
  }
}

// The frame's drawable form for the current window, made on first use after each new window.
SDL_Texture* FrameTexture(TImage& image, int frame, bool mask) {
  SDL_Renderer* renderer = platform_detail::Renderer();
  if (!renderer) return nullptr;
  if (image.textures.size() != static_cast<size_t>(image.FrameCount()))
    image.textures.resize(image.FrameCount());
  TImage::Texture& texture = image.textures[frame];
  if (texture.sequence != GraphicsSequence()) {
    texture = TImage::Texture{};
    texture.sequence = GraphicsSequence();
  }
  void*& handle = mask ? texture.maskHandle : texture.handle;
  if (handle) return static_cast<SDL_Texture*>(handle);
  if (!mask && !image.pixels.empty()) {
    handle = MakeTexture(renderer, image, image.pixels[frame].data());
  } else {
    std::vector<uint8_t> rgba = FramePixels(image, frame);
    // Mask blending draws only pixels of at least half opacity, at full opacity.
    if (mask)
      for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = rgba[i] >= 128 ? 255 : 0;
    if (!rgba.empty()) handle = MakeTexture(renderer, image, rgba.data());
  }
  return static_cast<SDL_Texture*>(handle);
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

void SubmitQuad(SDL_Texture* texture, const SDL_FPoint corners[4]) {
  if (!Renderer()) return;
  const SDL_BlendMode blend = SdlBlend(state.blend_mode);
  if (texture != batch.texture || blend != batch.blend) {
    FlushQuads();
    batch.texture = texture;
    batch.blend = blend;
  }
  const SDL_Color color = VertexColor();
  static constexpr SDL_FPoint kUv[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const int base = static_cast<int>(batch.vertices.size());
  for (int i = 0; i < 4; ++i) batch.vertices.push_back(SDL_Vertex{corners[i], color, kUv[i]});
  for (int index : {0, 1, 2, 0, 2, 3}) batch.indices.push_back(base + index);
}

void ForgetTextures() {
  FlushQuads();
  batch.texture = nullptr;
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

// The quad of a frame whose top-left corner is (x0, y0) relative to (tx, ty), under the matrix.
void DrawImageQuad(TImage& image, int frame, float tx, float ty, float x0, float y0) {
  if (frame < 0 || frame >= image.FrameCount()) return;
  SDL_Texture* texture = FrameTexture(image, frame, state.blend_mode == MASKBLEND);
  if (!texture) return;
  const float x1 = x0 + static_cast<float>(image.width);
  const float y1 = y0 + static_cast<float>(image.height);
  const float ix = state.tform_ix, iy = state.tform_iy, jx = state.tform_jx, jy = state.tform_jy;
  const SDL_FPoint corners[4] = {
      {x0 * ix + y0 * iy + tx, x0 * jx + y0 * jy + ty},
      {x1 * ix + y0 * iy + tx, x1 * jx + y0 * jy + ty},
      {x1 * ix + y1 * iy + tx, x1 * jx + y1 * jy + ty},
      {x0 * ix + y1 * iy + tx, x0 * jx + y1 * jy + ty},
  };
  SubmitQuad(texture, corners);
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
  platform_detail::SubmitQuad(nullptr, corners);
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
