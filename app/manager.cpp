#include "app/manager.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>

#include "platform/system.h"
#include "world/animation.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

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

// ---- Effect showcase ----------------------------------------------------------------------------

template <class T>
std::shared_ptr<TEffect> Make() {
  return std::make_shared<T>();
}

// Every kind of effect replays in its own cell, restarting every `period` frames. `age` is how
// many updates old it is in frame 119, the frame the screenshot runs take. Trails are made by a
// point sweeping through the cell that leaves an effect every `trailEvery` frames.
struct EffectCell {
  const char* label;
  float x, y;  // fractions of the screen
  int period;
  int age;
  std::shared_ptr<TEffect> (*make)();
  float angle;
  int facing;
  int layer;
  int trailEvery;  // 0: a single effect, not a trail
  int frames;      // pictures a trail's effects cycle through
};
// clang-format off
constexpr EffectCell kEffectCells[] = {
  // label, x, y, period, age, kind, angle, facing, layer, trail, frames
  {"Ultima burst",     0.125f, 0.3f,  40, 3,  Make<TEffectUltima>,            0,   0,   0, 0, 1},
  {"Explosion",        0.375f, 0.3f,  90, 24, Make<TEffectExplosion>,         30,  0,   0, 0, 1},
  {"Hit spark (left)", 0.625f, 0.3f,  30, 4,  Make<TEffectNormal>,            0,   180, 0, 0, 1},
  {"Ring",             0.875f, 0.3f,  30, 3,  Make<TEffectRing>,              0,   0,   0, 0, 1},
  {"Slash",            0.125f, 0.7f,  30, 5,  Make<TEffectSlash>,             -20, 0,   0, 0, 1},
  {"Strike-through",   0.375f, 0.86f, 60, 0,  Make<TEffectMomoStrikeThrough>, 0,   0,   1, 6, 4},
  {"Dragon breath",    0.625f, 0.7f,  60, 0,  Make<TEffectDragonBreath>,      0,   0,   1, 2, 1},
  {"Dust",             0.875f, 0.86f, 40, 5,  Make<TEffectDust>,              0,   0,   0, 0, 1},
};
// clang-format on
static_assert(std::size(kEffectCells) == 8);

constexpr int kShowcaseFrame = 120;  // iFrame in the frame loop's frame 119
constexpr float kTrailSweep = 180;   // pixels a trail's point sweeps through its cell
constexpr int kShowcasePlane = 2;

}  // namespace

void TManager::Init() {
  WindowTitle = std::make_shared<TWindowTitle>();
  imgStar = MakeStar(96);
  SetImageHandle(imgStar, 48, 48);
  imgOrb = MakeOrb(128);
  SetImageHandle(imgOrb, 64, 64);
  imgStrip = MakeStrip(160, 24, 4);
  EffectHandler = std::make_shared<TEffectHandler>();
  iFrame = 0;
  heroine_ = HeroineDemo{};
  heroine_.x = fScreenWidth * 0.25f;
}

void TManager::Move() {
  ++iFrame;
  SpawnEffects();
  MoveHeroine();
  EffectHandler->Move();
}

// Each phase steps her strip exactly as her modes do: standing Animation2WayLoop(6, 9), running
// Animation1WayLoop(10, 4) at 10 pixels a frame, stopping Animation2Way(3, 3) while the speed
// falls by 2, and strike 1 Animation1Way(4, 3) with its slash appearing at the third frame.
void TManager::MoveHeroine() {
  HeroineDemo& h = heroine_;
  auto enter = [&h](HeroineDemo::Phase phase) {
    h.phase = phase;
    h.counter = 0;
    h.frame = 0;
    h.forward = 1;
  };
  const float direction = h.facing == 0 ? 1.0f : -1.0f;
  ++h.counter;
  switch (h.phase) {
    case HeroineDemo::Stance:
    case HeroineDemo::Rest:
      StepAnimation2Way(h.frame, h.forward, h.counter, 6, 9, true);
      if (h.phase == HeroineDemo::Stance && h.counter >= 40) {
        enter(HeroineDemo::Run);
      } else if (h.phase == HeroineDemo::Rest && h.counter >= 30) {
        h.facing = 180 - h.facing;
        enter(HeroineDemo::Stance);
      }
      break;
    case HeroineDemo::Run:
      h.x += 10 * direction;
      StepAnimation1WayLoop(h.frame, h.counter, 10, 4);
      if (h.counter % 20 == 0) {
        auto dust = std::make_shared<TEffectDust>();
        dust->Init(h.x, fPlaneY[4], static_cast<float>(h.facing), 0, h.facing, 4);
        EffectList.push_back(dust);
      }
      if (h.counter >= 48) {
        enter(HeroineDemo::RunBreak);
        h.speed = 10;
      }
      break;
    case HeroineDemo::RunBreak:
      h.speed = std::max(0.0f, h.speed - 2);
      h.x += h.speed * direction;
      if (StepAnimation2Way(h.frame, h.forward, h.counter, 3, 3, false) == 1)
        enter(HeroineDemo::Strike);
      break;
    case HeroineDemo::Strike:
      if (h.counter < 15) {
        StepAnimation1Way(h.frame, h.counter, 4, 3);
        if (h.counter == 3) {
          h.slash = true;
          h.slashCounter = 0;
          h.slashFrame = 0;
          h.slashX = h.x;
          h.slashAlpha = 1;
        }
      } else {
        enter(HeroineDemo::Rest);
      }
      break;
  }
  if (h.slash) {
    ++h.slashCounter;
    h.slashAlpha = std::max(0.0f, h.slashAlpha - 0.04f);
    if (StepAnimation1Way(h.slashFrame, h.slashCounter, 4, 3) == 1) h.slash = false;
  }
}

void TManager::DrawHeroine() {
  const HeroineDemo& h = heroine_;
  const float ground = fPlaneY[4];
  SetScale(h.facing == 180 ? -1.0f : 1.0f, 1);
  if (imgShadow) DrawImage(imgShadow, h.x, ground);
  static constexpr int kStanceFrames[] = {0, 0, 1, 2, 3, 3};
  switch (h.phase) {
    case HeroineDemo::Stance:
    case HeroineDemo::Rest:
      if (imgMomoStance) DrawImage(imgMomoStance, h.x, ground, kStanceFrames[h.frame]);
      break;
    case HeroineDemo::Run:
      if (imgMomoRun) DrawImage(imgMomoRun, h.x, ground, h.frame);
      break;
    case HeroineDemo::RunBreak:
      if (imgMomoRunBreak) DrawImage(imgMomoRunBreak, h.x, ground, h.frame);
      break;
    case HeroineDemo::Strike:
      if (imgMomoAttack1) DrawImage(imgMomoAttack1, h.x, ground, h.frame);
      break;
  }
  if (h.slash && imgMomoAttack1Effect) {
    SetAlpha(h.slashAlpha);
    DrawImage(imgMomoAttack1Effect, h.slashX, ground, h.slashFrame);
    SetAlpha(1);
  }
  SetScale(1, 1);
}

void TManager::SpawnEffects() {
  const float w = fScreenWidth, h = fScreenHeight;
  for (const EffectCell& cell : kEffectCells) {
    float x = w * cell.x, y = h * cell.y;
    if (cell.trailEvery > 0) {
      // The point sweeps left to right and starts over every period.
      const int phase = iFrame % cell.period;
      if (phase % cell.trailEvery != 0) continue;
      x += kTrailSweep * (static_cast<float>(phase) / cell.period - 0.5f);
    } else {
      const int firstSpawn = kShowcaseFrame - cell.age + 1;
      if (((iFrame - firstSpawn) % cell.period + cell.period) % cell.period != 0) continue;
    }
    std::shared_ptr<TEffect> effect = cell.make();
    effect->Init(x, y, cell.angle, cell.layer, cell.facing, kShowcasePlane);
    if (cell.trailEvery > 0) effect->iFrame = (iFrame / cell.trailEvery) % cell.frames;
    EffectList.push_back(effect);
  }
}

void TManager::DrawEffectLabels() {
  for (const EffectCell& cell : kEffectCells) {
    const float x = fScreenWidth * cell.x - static_cast<float>(TextWidth(cell.label)) / 2;
    DrawShadowText(TEXT_WHITE, cell.label, x, fScreenHeight * cell.y + 60);
  }
}

// The cast on the ground lines, animated through their strips: the others stand or walk in place,
// the right half facing left, and the heroine acts on the front plane.
void TManager::DrawCast() {
  struct Actor {
    const ImagePtr& image;
    int plane;
    float xFraction;
    int step;  // frames per picture
  };
  const Actor cast[] = {
      {imgTemplarStance, 0, 0.18f, 8},  {imgNecromancerStance, 0, 0.82f, 8},
      {imgSpearmanWalk, 2, 0.30f, 8},   {imgDarkKnightStance, 2, 0.70f, 8},
      {imgSabermanStance, 4, 0.12f, 8}, {imgExecutionerStance, 4, 0.88f, 8},
  };
  for (const Actor& actor : cast) {
    if (!actor.image) continue;
    const float x = fScreenWidth * actor.xFraction;
    SetScale(actor.xFraction > 0.5f ? -1.0f : 1.0f, 1);
    DrawImage(actor.image, x, fPlaneY[actor.plane],
              (iFrame / actor.step) % actor.image->FrameCount());
  }
  SetScale(1, 1);
  DrawHeroine();
}

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

  DrawCast();

  // Text in every colour kind, in the menus' font.
  SetImageFont(fntProciono18);
  const char* names[] = {"black", "white", "red", "green", "blue"};
  for (int kind = 0; kind <= 4; ++kind) {
    SetColor(255, 255, 255);
    DrawShadowText(
        kind, std::string("Talvenne text, kind ") + std::to_string(kind) + " (" + names[kind] + ")",
        w - 340, 60.0f + kind * 22);
  }
  SetImageFont(nullptr);
  SetScale(2, 2);
  DrawShadowText(TEXT_WHITE, "Frame " + std::to_string(iFrame), w - 340, 190);
  SetScale(1, 1);

  // The effects, plane by plane, behind and in front as a stage draws them.
  for (int plane = 0; plane <= 4; ++plane) {
    EffectHandler->Draw(1, plane);
    EffectHandler->Draw(0, plane);
  }
  DrawEffectLabels();
}
