// Effects: start values, lifetimes, the Ultima burst, drawing and the handler.

#include "fx/effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "test_support.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

using EffectMaker = std::function<std::shared_ptr<TEffect>()>;

template <class T>
EffectMaker Make() {
  return [] { return std::make_shared<T>(); };
}

struct LifeCase {
  const char* name;
  EffectMaker make;
  int endsAt;  // the Move() that sets iMode to 0
};

const LifeCase kLifeCases[] = {
    {"feather", Make<TEffectDarkSumaFeather>(), 10},
    {"strike-through after-image", Make<TEffectMomoStrikeThrough>(), 10},
    {"dragon breath trail", Make<TEffectDragonBreath>(), 20},
    {"dust", Make<TEffectDust>(), 25},
    {"ring", Make<TEffectRing>(), 18},
    {"ultima flash", Make<TEffectUltima>(), 14},
    {"ultima blast", Make<TEffectUltimaBlast>(), 11},
    {"slash", Make<TEffectSlash>(), 16},
    {"hit spark", Make<TEffectNormal>(), 12},
    {"explosion", Make<TEffectExplosion>(), 80},
};

class Effects : public testing::Test {
 protected:
  void SetUp() override {
    ResetGlobals();
    SeedRnd(1);
  }
  void TearDown() override { ResetGlobals(); }
};

TEST_F(Effects, EachKindEndsOnItsUpdate) {
  for (const LifeCase& c : kLifeCases) {
    SCOPED_TRACE(c.name);
    auto effect = c.make();
    effect->Init(100, 200, 30, 1, 0, 2);
    EXPECT_EQ(effect->iMode, EFFECT_ALIVE);
    int endedAt = 0;
    for (int update = 1; update <= 200 && endedAt == 0; ++update) {
      effect->Move();
      if (effect->iMode == EFFECT_FINISHED) endedAt = update;
    }
    EXPECT_EQ(endedAt, c.endsAt);
  }
}

TEST_F(Effects, DustBrightensForFiveFramesThenFadesBehindTheMover) {
  for (int facing : {0, 180}) {
    TEffectDust dust;
    dust.Init(100, 200, 0, 0, facing, 2);
    EXPECT_FLOAT_EQ(dust.fAlpha, 0.5f);
    float brightest = 0;
    int brightestAt = 0;
    for (int update = 1; update <= 25; ++update) {
      dust.Move();
      if (dust.fAlpha > brightest) {
        brightest = dust.fAlpha;
        brightestAt = update;
      }
    }
    EXPECT_EQ(brightestAt, 5);
    EXPECT_NEAR(brightest, 1.0f, 1e-5);
    EXPECT_FLOAT_EQ(dust.x, facing == 0 ? 100 - 12.5f : 100 + 12.5f);
  }
}

TEST_F(Effects, ExplosionFadesOnlyAfterItsLastFrame) {
  TEffectExplosion explosion;
  explosion.Init(0, 0, 0, 0, 180, 2);
  struct Step {
    int update;
    int frame;
    float alpha;
  };
  // clang-format off
  const Step steps[] = {
    {4, 1, 1}, {55, 13, 1}, {56, 14, 1}, {59, 14, 1}, {60, 14, 0.8f},
    {63, 14, 0.8f}, {64, 14, 0.6f}, {68, 14, 0.4f}, {72, 14, 0.2f},
  };
  // clang-format on
  int update = 0;
  for (const Step& s : steps) {
    while (update < s.update) {
      explosion.Move();
      ++update;
    }
    EXPECT_EQ(explosion.iFrame, s.frame) << "update " << s.update;
    EXPECT_NEAR(explosion.fAlpha, s.alpha, 1e-5) << "update " << s.update;
    EXPECT_EQ(explosion.iMode, EFFECT_ALIVE);
  }
  while (update < 76) {
    explosion.Move();
    ++update;
  }
  EXPECT_GT(explosion.fAlpha, 0) << "the fifth step leaves a sliver";
  EXPECT_EQ(explosion.iMode, EFFECT_ALIVE);
}

// The burst's blasts stand before the flash in the list, a ring of 9 spokes with one to three
// blasts each, at multiples of 40 degrees plus 0, 6 or 12.
TEST_F(Effects, UltimaBurstSendsOutNineSpokesBeforeTheFlash) {
  for (int seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    EffectList.clear();
    SeedRnd(seed);
    auto ultima = std::make_shared<TEffectUltima>();
    ultima->Init(500, 300, 77, 0, 180, 4);
    EffectList.push_back(ultima);

    ASSERT_GE(EffectList.size(), 10u);
    ASSERT_LE(EffectList.size(), 28u);
    EXPECT_EQ(EffectList.back(), ultima);
    std::vector<int> perSpoke(9, 0);
    for (auto it = EffectList.begin(); std::next(it) != EffectList.end(); ++it) {
      auto blast = std::dynamic_pointer_cast<TEffectUltimaBlast>(*it);
      ASSERT_TRUE(blast);
      const int angle = static_cast<int>(blast->fAngle);
      ASSERT_EQ(static_cast<float>(angle), blast->fAngle);
      const int spoke = angle / 40, j = angle % 40;
      ASSERT_LT(spoke, 9);
      // Spokes in order, each counting its blasts up from 0 in steps of 6.
      ASSERT_EQ(j, 6 * perSpoke[spoke]);
      for (int later = spoke + 1; later < 9; ++later) ASSERT_EQ(perSpoke[later], 0);
      ++perSpoke[spoke];
      EXPECT_EQ(blast->iFacing, 180);
      EXPECT_EQ(blast->iPlane, 4);
      EXPECT_EQ(blast->iLayer, 0);
      EXPECT_GE(blast->fScale, 0.4f - 1e-6f);
      EXPECT_LE(blast->fScale, 1.8f + 1e-6f);
      EXPECT_GE(blast->fSpeed, 12);
      EXPECT_LE(blast->fSpeed, 18);
      // The start lies -10 .. 30 pixels along the spoke, drawn separately for x and y.
      const float c = static_cast<float>(Cos(blast->fAngle)),
                  s = static_cast<float>(Sin(blast->fAngle));
      if (std::fabs(c) > 0.2f) {
        EXPECT_GE((blast->x - 500) / c, -10.01f);
        EXPECT_LE((blast->x - 500) / c, 30.01f);
      }
      if (std::fabs(s) > 0.2f) {
        EXPECT_GE((blast->y - 300) / s, -10.01f);
        EXPECT_LE((blast->y - 300) / s, 30.01f);
      }
    }
    for (int n : perSpoke) {
      EXPECT_GE(n, 1);
      EXPECT_LE(n, 3);
    }
  }
}

TEST_F(Effects, UltimaBlastFliesOutAlongItsSpoke) {
  TEffectUltimaBlast blast;
  blast.Init(0, 0, 90, 0, 0, 2);
  const float x = blast.x, y = blast.y, scale = blast.fScale;
  blast.Move();
  EXPECT_NEAR(blast.x, x, 1e-4);
  EXPECT_FLOAT_EQ(blast.y, y + blast.fSpeed);
  EXPECT_FLOAT_EQ(blast.fAlpha, 0.9f);
  EXPECT_FLOAT_EQ(blast.fScale, scale + 0.1f);
}

// ---- The handler --------------------------------------------------------------------------------

TEST_F(Effects, HandlerDropsFinishedEffectsOnTheNextPass) {
  auto finished = std::make_shared<TEffectRing>();
  finished->Init(0, 0, 0, 0, 0, 0);
  finished->iMode = EFFECT_FINISHED;
  auto endsNow = std::make_shared<TEffectRing>();
  endsNow->Init(0, 0, 0, 0, 0, 0);
  endsNow->fAlpha = 0;  // ends in this pass
  auto alive = std::make_shared<TEffectRing>();
  alive->Init(0, 0, 0, 0, 0, 0);
  EffectList = {finished, endsNow, alive};

  TEffectHandler handler;
  handler.Move();
  ASSERT_EQ(EffectList.size(), 2u);
  EXPECT_EQ(EffectList.front(), endsNow);
  EXPECT_EQ(endsNow->iMode, EFFECT_FINISHED);
  EXPECT_EQ(alive->iDelayCounter, 1) << "the walk went on past the removal";
  EXPECT_EQ(finished->iDelayCounter, 0);

  handler.Move();
  ASSERT_EQ(EffectList.size(), 1u);
  EXPECT_EQ(EffectList.front(), alive);
  EXPECT_EQ(alive->iDelayCounter, 2);

  handler.Clear();
  EXPECT_TRUE(EffectList.empty());
}

// ---- Drawing ------------------------------------------------------------------------------------

// Borrows the effect pictures with small stand-ins: 20 x 10, the left half white, handle in the
// middle, so mirroring moves the white half to the right of the drawing point.
class EffectDrawing : public HeadlessWindow {
 protected:
  void SetUp() override {
    ResetGlobals();
    saved = {imgHitNormal, imgExplosion, imgDust, imgEffectRing, imgHitSlash};
    std::vector<uint8_t> rgba(20 * 10 * 4, 0);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        uint8_t* p = &rgba[(y * 20 + x) * 4];
        p[0] = p[1] = p[2] = p[3] = 255;
      }
    }
    halfWhite = CreateImage(20, 10, 1, rgba.data(), 0);
    SetImageHandle(halfWhite, 10, 5);
    imgHitNormal = imgExplosion = imgDust = imgEffectRing = imgHitSlash = halfWhite;
    OpenWindow(320, 240);
    SetBlend(ALPHABLEND);
  }
  void TearDown() override {
    imgHitNormal = saved[0];
    imgExplosion = saved[1];
    imgDust = saved[2];
    imgEffectRing = saved[3];
    imgHitSlash = saved[4];
    ResetGlobals();
    HeadlessWindow::TearDown();
  }
  template <class T>
  std::shared_ptr<T> Add(float x, float y, int layer, int facing, int plane) {
    auto effect = std::make_shared<T>();
    effect->Init(x, y, 0, layer, facing, plane);
    EffectList.push_back(effect);
    return effect;
  }
  std::vector<ImagePtr> saved;
  ImagePtr halfWhite;
};

TEST_F(EffectDrawing, SparksMirrorWithTheirFacingExplosionsNever) {
  struct Case {
    const char* name;
    bool explosion;
    int facing;
    Box lit;
  };
  // Drawn at (100, 100). The explosion is 2.5 times as large.
  const Case cases[] = {
      {"spark facing right", false, 0, {90, 95, 100, 105}},
      {"spark facing left", false, 180, {100, 95, 110, 105}},
      {"explosion facing left", true, 180, {75, 88, 100, 113}},
  };
  TEffectHandler handler;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EffectList.clear();
    Cls();
    if (c.explosion) {
      Add<TEffectExplosion>(100, 100, 0, c.facing, 2);
    } else {
      Add<TEffectNormal>(100, 100, 0, c.facing, 2);
    }
    handler.Draw(0, 2);
    ExpectCoveredBox(ReadBack(), c.lit);
  }
}

TEST_F(EffectDrawing, OnlyTheRequestedLayerAndPlaneAreDrawn) {
  Add<TEffectNormal>(50, 50, 1, 0, 1);  // behind, on the odd plane between 0 and 2
  Add<TEffectNormal>(150, 50, 0, 0, 1);
  Add<TEffectNormal>(250, 50, 0, 0, 2);
  TEffectHandler handler;
  struct Pass {
    int layer, plane;
    std::vector<bool> lit;  // at x 45, 145, 245
  };
  const Pass passes[] = {{1, 1, {true, false, false}},
                         {0, 1, {false, true, false}},
                         {0, 2, {false, false, true}},
                         {1, 0, {false, false, false}},
                         {0, 3, {false, false, false}}};
  for (const Pass& pass : passes) {
    Cls();
    handler.Draw(pass.layer, pass.plane);
    const Picture picture = ReadBack();
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(picture.Lit(45 + 100 * i, 50), pass.lit[i])
          << "layer " << pass.layer << " plane " << pass.plane << " effect " << i;
    }
  }
}

TEST_F(EffectDrawing, EveryKindLeavesTheDrawingStateAsItFoundIt) {
  for (const LifeCase& c : kLifeCases) {
    SCOPED_TRACE(c.name);
    EffectList.clear();
    auto effect = c.make();
    effect->Init(100, 100, 35, 0, 180, 2);
    for (int i = 0; i < 3; ++i) effect->Move();
    effect->DrawProjectile();
    const TMax2DGraphics& state = GraphicsState();
    EXPECT_FLOAT_EQ(state.color_alpha, 1);
    EXPECT_FLOAT_EQ(state.tform_rot, 0);
    EXPECT_FLOAT_EQ(state.tform_scale_x, 1);
    EXPECT_FLOAT_EQ(state.tform_scale_y, 1);
    EXPECT_EQ(state.color_red, 255);
    EXPECT_EQ(state.color_green, 255);
    EXPECT_EQ(state.color_blue, 255);
  }
  // The handler puts alpha and rotation back even after drawing nothing.
  SetAlpha(0.3f);
  SetRotation(45);
  TEffectHandler().Draw(0, 0);
  EXPECT_FLOAT_EQ(GraphicsState().color_alpha, 1);
  EXPECT_FLOAT_EQ(GraphicsState().tform_rot, 0);
}

}  // namespace
