#include "app/manager.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "app/globals.h"
#include "app/helpers.h"
#include "platform/system.h"

namespace {

// A soft round glow, white at the centre.
ImagePtr MakeOrb(int size) {
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
  const float centre = (size - 1) / 2.0f;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float d = std::hypot(x - centre, y - centre) / centre;
      const float a = std::clamp(1.0f - d, 0.0f, 1.0f);
      uint8_t* p = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      p[0] = p[1] = p[2] = 255;
      p[3] = static_cast<uint8_t>(a * a * 255);
    }
  }
  return CreateImage(size, size, 1, rgba.data(), 2);
}

// A four-pointed star with a dark outline, so rotation and mirroring are easy to see.
ImagePtr MakeStar(int size) {
  std::vector<uint8_t> rgba(static_cast<size_t>(size) * size * 4);
  const float centre = (size - 1) / 2.0f;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const float dx = std::fabs(x - centre) / centre, dy = std::fabs(y - centre) / centre;
      const float star = std::sqrt(dx) + std::sqrt(dy);
      uint8_t* p = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      if (star < 0.85f) {
        p[0] = static_cast<uint8_t>(255 - x);  // warm on the left, cooler on the right
        p[1] = 200;
        p[2] = static_cast<uint8_t>(80 + y);
        p[3] = 255;
      } else if (star < 1.0f) {
        p[0] = 0x1b, p[1] = 0x13, p[2] = 0x25, p[3] = 255;
      }
    }
  }
  // A notch in the upper-right point shows which way the picture faces.
  for (int y = 0; y < size / 6; ++y) {
    for (int x = size - size / 6; x < size; ++x) {
      uint8_t* p = &rgba[(static_cast<size_t>(y) * size + x) * 4];
      p[0] = 240, p[1] = 90, p[2] = 140, p[3] = 255;
    }
  }
  return CreateImage(size, size, 1, rgba.data(), 2);
}

// Four frames of a bar that fills up, to show animation through frames.
ImagePtr MakeStrip(int width, int height, int frames) {
  std::vector<uint8_t> rgba(static_cast<size_t>(width) * frames * height * 4);
  for (int f = 0; f < frames; ++f) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        uint8_t* p = &rgba[(static_cast<size_t>(y) * width * frames + f * width + x) * 4];
        const bool filled = x < width * (f + 1) / frames;
        p[0] = filled ? 90 : 40;
        p[1] = filled ? 200 : 40;
        p[2] = filled ? 255 : 60;
        p[3] = 255;
      }
    }
  }
  return CreateImage(width, height, frames, rgba.data(), 2);
}

}  // namespace

void TManager::Init() {
  WindowTitle = std::make_shared<TWindowTitle>();
  imgStar = MakeStar(96);
  SetImageHandle(imgStar, 48, 48);
  imgOrb = MakeOrb(128);
  SetImageHandle(imgOrb, 64, 64);
  imgStrip = MakeStrip(160, 24, 4);
  iFrame = 0;
}

void TManager::Move() { ++iFrame; }

void TManager::Draw() {
  const float w = fScreenWidth, h = fScreenHeight;
  // A night-sky gradient, drawn as bands.
  for (int band = 0; band < 32; ++band) {
    SetColor(20 + band * 2, 16 + band, 60 + band * 3);
    DrawRect(0, h * band / 32.0f, w, h / 32.0f + 1);
  }
  // The three ground lines.
  for (int plane = 0; plane <= 4; plane += 2) {
    SetColor(120, 110, 150);
    DrawRect(0, fPlaneY[plane], w, 2);
  }
  SetColor(255, 255, 255);

  // A ring of stars, each turned and scaled differently, the left half mirrored.
  for (int i = 0; i < 12; ++i) {
    const float angle = i * 30.0f + iFrame * 2.0f;
    const float x = w / 2 + static_cast<float>(Cos(angle)) * 220;
    const float y = h / 2 - 40 + static_cast<float>(Sin(angle)) * 160;
    const float scale = 0.5f + 0.1f * (i % 6);
    SetRotation(angle);
    SetScale(x < w / 2 ? -scale : scale, scale);
    SetAlpha(0.4f + 0.05f * i);
    DrawImage(imgStar, x, y);
  }
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);

  // Blend modes side by side: alpha, light and shade over the same orbs.
  const int modes[] = {ALPHABLEND, LIGHTBLEND, SHADEBLEND};
  for (int m = 0; m < 3; ++m) {
    const float x = 120.0f + m * 150;
    SetBlend(ALPHABLEND);
    SetColor(200, 80, 60);
    DrawRect(x - 50, 60, 100, 100);
    SetBlend(modes[m]);
    SetColor(120, 200, 255);
    DrawImage(imgOrb, x, 110);
  }
  SetBlend(ALPHABLEND);
  SetColor(255, 255, 255);

  // An animated strip: one frame every 15 frames.
  DrawImage(imgStrip, 60, h - 40, (iFrame / 15) % 4);

  // Text in every colour kind.
  const char* names[] = {"black", "white", "red", "green", "blue"};
  for (int kind = 0; kind <= 4; ++kind) {
    SetColor(255, 255, 255);
    DrawShadowText(kind, std::string("Talvenne text, kind ") + std::to_string(kind) + " (" + names[kind] + ")",
                   w - 340, 60.0f + kind * 22);
  }
  SetScale(2, 2);
  DrawShadowText(TEXT_WHITE, "Frame " + std::to_string(iFrame), w - 340, 190);
  SetScale(1, 1);
}
