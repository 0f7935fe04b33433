// Our drawing layer against plain SDL_RenderCopyEx of the same sprites on the same renderer:
// 1,000 rotated, scaled, alpha-blended 200 x 200 sprites per frame at 1366 x 768, headless.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/internal.h"
#include "platform/platform.h"
#include "wait_for_frame.h"

namespace {

constexpr int kSprites = 1000;
constexpr int kSize = 200;

struct Scene {
  ImagePtr image;
  SDL_Texture* texture = nullptr;

  Scene() {
    InitPlatform(BackendKind::Headless);
    OpenGraphics(1366, 768, 0, 0, 0);
    std::vector<uint8_t> rgba(kSize * kSize * 4);
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        uint8_t* p = &rgba[(y * kSize + x) * 4];
        p[0] = static_cast<uint8_t>(x);
        p[1] = static_cast<uint8_t>(y);
        p[2] = 180;
        p[3] = static_cast<uint8_t>((x + y) % 256);
      }
    }
    image = CreateImage(kSize, kSize, 1, rgba.data(), 2);
    SetImageHandle(image, kSize / 2.0f, kSize / 2.0f);
    texture = SDL_CreateTexture(platform_detail::Renderer(), SDL_PIXELFORMAT_RGBA32,
                                SDL_TEXTUREACCESS_STATIC, kSize, kSize);
    SDL_UpdateTexture(texture, nullptr, rgba.data(), kSize * 4);
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

float SpriteX(int i) { return static_cast<float>((i * 37) % 1366); }
float SpriteY(int i) { return static_cast<float>((i * 53) % 768); }

void BM_DrawImage(benchmark::State& run) {
  Scene& scene = TheScene();
  SetBlend(ALPHABLEND);
  for (auto _ : run) {
    Cls();
    for (int i = 0; i < kSprites; ++i) {
      SetRotation(static_cast<float>(i % 360));
      SetScale(0.5f + (i % 7) * 0.1f, 0.5f + (i % 7) * 0.1f);
      SetAlpha(0.5f + (i % 5) * 0.1f);
      DrawImage(scene.image, SpriteX(i), SpriteY(i));
    }
    WaitForFrame();
  }
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
}

void BM_SdlRenderCopyEx(benchmark::State& run) {
  Scene& scene = TheScene();
  SDL_Renderer* renderer = platform_detail::Renderer();
  for (auto _ : run) {
    Cls();
    for (int i = 0; i < kSprites; ++i) {
      const float scale = 0.5f + (i % 7) * 0.1f;
      const float size = kSize * scale;
      SDL_FRect dst{SpriteX(i) - size / 2, SpriteY(i) - size / 2, size, size};
      SDL_SetTextureAlphaMod(scene.texture, static_cast<Uint8>((0.5f + (i % 5) * 0.1f) * 255));
      SDL_RenderCopyExF(renderer, scene.texture, nullptr, &dst, i % 360, nullptr, SDL_FLIP_NONE);
    }
    WaitForFrame();
  }
}

}  // namespace

BENCHMARK(BM_DrawImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SdlRenderCopyEx)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
