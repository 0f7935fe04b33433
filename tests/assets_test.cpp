// The asset catalogue against the generated files: frame counts, pivots, the pivot rules the
// drawing code relies on, tiling, fonts, and how a missing file is reported.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/packed_picture.h"
#include "tests/loaded_images.h"

namespace {

class Assets : public LoadedImages {};

TEST_F(Assets, EveryImageLoadsWithTheCataloguesFramesAndPivot) {
  ASSERT_TRUE(loaded_) << failed_;
  for (const catalogue::Image& entry : catalogue::kImages) {
    SCOPED_TRACE(entry.file);
    const ImagePtr& image = *entry.global;
    ASSERT_TRUE(image);
    EXPECT_EQ(image->FrameCount(), entry.frames);
    EXPECT_EQ(image->width, entry.frameWidth);
    EXPECT_EQ(image->height, entry.frameHeight);
    EXPECT_EQ(image->handle_x, entry.handleX);
    EXPECT_EQ(image->handle_y, entry.handleY);
  }
}

TEST_F(Assets, TellingRowsKeepTheirFixedSizesAndPivots) {
  ASSERT_TRUE(loaded_) << failed_;
  struct Row {
    const ImagePtr& image;
    const char* name;
    int width, height, frames;
    float hx, hy;
  };
  // clang-format off
  const Row rows[] = {
      {imgStageClear,             "StageClear",             502,  32,  1, 251,   0},
      {imgHighlight,              "Highlight",              300,  28,  1, 150,   0},
      {imgGameTitle,              "GameTitle",              780, 560,  1, 400,   0},
      {imgMainTitleSky,           "MainTitleSky",          1366, 768,  1, 683,   0},
      {imgMapIcon,                "MapIcon",                 52,  48,  1,  26,  24},
      {imgMomoStance,             "MomoStance",              85, 180,  4,  40, 175},
      {imgMomoEruptionEffect,     "MomoEruptionEffect",     195, 270,  6, -45, 265},
      {imgMomoRun,                "MomoRun",                130, 180, 10,  55, 175},
      {imgMomoJumpUp,             "MomoJumpUp",             100, 190,  3,  40, 175},
      {imgMomoAttack1,            "MomoAttack1",            190, 180,  4, 125, 175},
      {imgMomoAttack1Effect,      "MomoAttack1Effect",      280,  60,  4, 125, 120},
      {imgMomoKnockout,           "MomoKnockout",           190,  55,  4, 105,  35},
      {imgMomoDraconStand,        "MomoDraconStand",        390, 265,  3, 170, 260},
      {imgNecromancerStance,      "NecromancerStance",      195, 220,  3,  90, 215},
      {imgNecromancerAttack1Effect, "NecromancerAttack1Effect", 90, 195, 3, -65, 255},
      {imgRaiderStance,           "RaiderStance",           225, 220,  3, 120, 275},
      {imgDarkKnightStance,       "DarkKnightStance",       190, 235,  3, 100, 225},
      {imgHitNormal,              "HitNormal",              261, 262,  6, 130, 131},
      {imgHitSlash,               "HitSlash",               280,  30,  4, 140,  15},
      {imgShadow,                 "Shadow",                 200,  70,  1, 100,  35},
      {imgExplosion,              "Explosion",              100, 100, 15,  50,  50},
      {imgSkillListMomo,          "SkillListMomo",         1366, 768,  1, 683,   0},
      {imgCastleFloor,            "CastleFloor",            840, 280,  1,   0,   0},
      {imgCastleLightPillarGlow,  "CastleLightPillarGlow",  320, 140,  1, 160, -320},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(row.image);
    EXPECT_EQ(row.image->width, row.width);
    EXPECT_EQ(row.image->height, row.height);
    EXPECT_EQ(row.image->FrameCount(), row.frames);
    EXPECT_EQ(row.image->handle_x, row.hx);
    EXPECT_EQ(row.image->handle_y, row.hy);
  }
}

TEST_F(Assets, StandingFiguresHaveTheirFeetOnThePivot) {
  ASSERT_TRUE(loaded_) << failed_;
  const std::pair<const ImagePtr&, const char*> strips[] = {
      {imgMomoStance, "MomoStance"},
      {imgMomoRun, "MomoRun"},
      {imgMomoRunBreak, "MomoRunBreak"},
      {imgMomoDash, "MomoDash"},
      {imgMomoDashAttack, "MomoDashAttack"},
      {imgMomoStrikeThrough, "MomoStrikeThrough"},
      {imgMomoPlaneSwitch, "MomoPlaneSwitch"},
      {imgMomoJumpCrouch, "MomoJumpCrouch"},
      {imgMomoJumpKickLand, "MomoJumpKickLand"},
      {imgMomoAttack1, "MomoAttack1"},
      {imgMomoAttack2, "MomoAttack2"},
      {imgMomoAttack3, "MomoAttack3"},
      {imgMomoHitUp, "MomoHitUp"},
      {imgMomoHitLow, "MomoHitLow"},
      {imgMomoGrapple, "MomoGrapple"},
      {imgMomoGrappleAttack1, "MomoGrappleAttack1"},
      {imgMomoGrappleAttack2, "MomoGrappleAttack2"},
      {imgMomoThrow, "MomoThrow"},
      {imgMomoThrowDone, "MomoThrowDone"},
      {imgMomoEruptionPrepare, "MomoEruptionPrepare"},
      {imgMomoEruption, "MomoEruption"},
      {imgMomoMoonSlasher, "MomoMoonSlasher"},
      {imgMomoWakeUp, "MomoWakeUp"},
      {imgNecromancerStance, "NecromancerStance"},
      {imgNecromancerWalk, "NecromancerWalk"},
      {imgNecromancerSkull, "NecromancerSkull"},
      {imgNecromancerAttack1, "NecromancerAttack1"},
      {imgNecromancerAttack2, "NecromancerAttack2"},
      {imgNecromancerHitUp, "NecromancerHitUp"},
      {imgNecromancerHitLow, "NecromancerHitLow"},
      {imgNecromancerWakeUp, "NecromancerWakeUp"},
      {imgTemplarStance, "TemplarStance"},
      {imgTemplarBlock, "TemplarBlock"},
      {imgTemplarWalk, "TemplarWalk"},
      {imgTemplarRun, "TemplarRun"},
      {imgTemplarDash, "TemplarDash"},
      {imgTemplarAttack1, "TemplarAttack1"},
      {imgTemplarAttack2, "TemplarAttack2"},
      {imgTemplarAttack3, "TemplarAttack3"},
      {imgTemplarHitUp, "TemplarHitUp"},
      {imgTemplarHitLow, "TemplarHitLow"},
      {imgTemplarWakeUp, "TemplarWakeUp"},
      {imgRaiderWakeUp, "RaiderWakeUp"},
      {imgExecutionerStance, "ExecutionerStance"},
      {imgExecutionerGrappleMomo, "ExecutionerGrappleMomo"},
      {imgExecutionerThrow, "ExecutionerThrow"},
      {imgExecutionerWalk, "ExecutionerWalk"},
      {imgExecutionerRun, "ExecutionerRun"},
      {imgExecutionerAttack1, "ExecutionerAttack1"},
      {imgExecutionerAttack2, "ExecutionerAttack2"},
      {imgExecutionerAttack3, "ExecutionerAttack3"},
      {imgExecutionerHitUp, "ExecutionerHitUp"},
      {imgExecutionerHitLow, "ExecutionerHitLow"},
      {imgExecutionerWakeUp, "ExecutionerWakeUp"},
      {imgSpearmanStance, "SpearmanStance"},
      {imgSpearmanWalk, "SpearmanWalk"},
      {imgSpearmanRun, "SpearmanRun"},
      {imgSpearmanAttack1, "SpearmanAttack1"},
      {imgSpearmanHitUp, "SpearmanHitUp"},
      {imgSpearmanHitLow, "SpearmanHitLow"},
      {imgSpearmanWakeUp, "SpearmanWakeUp"},
      {imgSabermanStance, "SabermanStance"},
      {imgSabermanWalk, "SabermanWalk"},
      {imgSabermanAttack1, "SabermanAttack1"},
      {imgSabermanHitUp, "SabermanHitUp"},
      {imgSabermanHitLow, "SabermanHitLow"},
      {imgSabermanWakeUp, "SabermanWakeUp"},
      {imgDarkKnightStance, "DarkKnightStance"},
      {imgDarkKnightWalk, "DarkKnightWalk"},
      {imgDarkKnightPlaneSwitch, "DarkKnightPlaneSwitch"},
      {imgDarkKnightAttack, "DarkKnightAttack"},
      {imgDarkKnightSpiritCut, "DarkKnightSpiritCut"},
      {imgDarkKnightGrappleMomo, "DarkKnightGrappleMomo"},
      {imgDarkKnightThrowMomo, "DarkKnightThrowMomo"},
      {imgDarkKnightHitUp, "DarkKnightHitUp"},
      {imgDarkKnightHitLow, "DarkKnightHitLow"},
      {imgDarkKnightWakeUp, "DarkKnightWakeUp"},
      {imgDraconStance, "DraconStance"},
      {imgMomoDraconStand, "MomoDraconStand"},
      {imgMomoDraconStance, "MomoDraconStance"},
      {imgMomoDraconWalk, "MomoDraconWalk"},
      {imgMomoDraconRun, "MomoDraconRun"},
      {imgMomoDraconAttack1, "MomoDraconAttack1"},
      {imgMomoDraconFireball, "MomoDraconFireball"},
      {imgMomoDraconHitUp, "MomoDraconHitUp"},
  };
  for (const auto& [image, name] : strips) {
    for (int frame = 0; frame < image->FrameCount(); ++frame) {
      SCOPED_TRACE(std::string(name) + " frame " + std::to_string(frame));
      const int lowest = LowestOpaqueRow(image, frame);
      EXPECT_NEAR(lowest, image->handle_y, 3);
    }
  }
}

TEST_F(Assets, EveryFrameOfEveryPictureShowsSomething) {
  ASSERT_TRUE(loaded_) << failed_;
  for (const catalogue::Image& entry : catalogue::kImages) {
    const ImagePtr& image = *entry.global;
    ASSERT_TRUE(image) << entry.file;
    for (int frame = 0; frame < image->FrameCount(); ++frame) {
      const std::vector<uint8_t>& rgba = image->pixels[frame];
      bool shows = false;
      for (size_t i = 3; i < rgba.size() && !shows; i += 4) shows = rgba[i] >= 16;
      EXPECT_TRUE(shows) << entry.file << " frame " << frame;
    }
  }
}

// The program carries its pictures packed; every frame must be exactly the frame the game would
// cut from the generator's PNG of it.
TEST_F(Assets, EveryEmbeddedPictureIsPackedAndMatchesItsPng) {
  ASSERT_TRUE(loaded_) << failed_;
  int packed = 0;
  for (const catalogue::Image& entry : catalogue::kImages) {
    if (!entry.embedded) continue;
    SCOPED_TRACE(entry.file);
    const ImagePtr& image = *entry.global;
    ASSERT_TRUE(image);
    ASSERT_EQ(image->packed.size(), static_cast<size_t>(entry.frames));
    const std::string png = std::string("assets/") + entry.file;
    const ImagePtr fromPng =
        entry.frames == 1
            ? LoadImage(png, 2)
            : LoadAnimImage(png, entry.frameWidth, entry.frameHeight, 0, entry.frames, 2);
    ASSERT_TRUE(fromPng);
    for (int frame = 0; frame < entry.frames; ++frame) {
      std::vector<uint8_t> unpacked;
      ASSERT_TRUE(UnpackFrame(image->packed[frame], image->width, image->height, unpacked));
      ASSERT_TRUE(unpacked == fromPng->pixels[frame]) << "frame " << frame;
    }
    ++packed;
  }
  EXPECT_GT(packed, 200);
}

// A drawing that runs into the edge of its frame shows as a hard cut in the game: the heroine's
// pictures, every enemy kind's and the Dark Knight's.
TEST_F(Assets, TheFightersFramesHoldTheirWholeDrawing) {
  ASSERT_TRUE(loaded_) << failed_;
  struct Fighter {
    const char* prefix;
    bool effects;  // its slashes and missiles too
  };
  const Fighter fighters[] = {{"sprites/Momo", true},         {"sprites/Necromancer", false},
                              {"sprites/Templar", false},     {"sprites/Raider", false},
                              {"sprites/Executioner", false}, {"sprites/Spearman", false},
                              {"sprites/Saberman", false},    {"sprites/DarkKnight", true}};
  for (const catalogue::Image& entry : catalogue::kImages) {
    const std::string file = entry.file;
    const Fighter* fighter = std::find_if(std::begin(fighters), std::end(fighters),
                                          [&](auto& f) { return file.rfind(f.prefix, 0) == 0; });
    if (fighter == std::end(fighters)) continue;
    // The six kinds' slashes and the skull are still drawn to the first set's frames.
    if (!fighter->effects &&
        (file.find("Effect") != std::string::npos || file.find("Projectile") != std::string::npos))
      continue;
    const ImagePtr& image = *entry.global;
    ASSERT_TRUE(image) << entry.file;
    for (int frame = 0; frame < image->FrameCount(); ++frame)
      EXPECT_EQ(PixelsOnTheEdge(image, frame), 0) << entry.file << " frame " << frame;
  }
}

// A strip of an attack, the frame on screen when the game creates its hit box, and that box.
struct Strike {
  const ImagePtr& image;
  const char* name;
  int frame;
  int left, top, w, h;  // facing right, from the attacker's feet
};

// An attack's box opens on a fixed frame of its animation. That frame must be the one where the
// blade arrives in the box; the wind-up before it may graze the box but not fill it.
TEST_F(Assets, TheHeroinesStrikesArriveOnTheFrameTheirBoxOpens) {
  ASSERT_TRUE(loaded_) << failed_;
  // clang-format off
  const Strike strikes[] = {
      {imgMomoAttack1,      "MomoAttack1",      1,  40, -120, 110,  60},
      {imgMomoAttack2,      "MomoAttack2",      1,  40, -160, 130, 115},
      {imgMomoAttack3,      "MomoAttack3",      1,  20, -160, 150,  70},
      {imgMomoAttack4,      "MomoAttack4",      2,  20, -180, 150, 175},
      {imgMomoJumpAttack1,  "MomoJumpAttack1",  1,  40, -120, 120,  60},
      {imgMomoJumpAttack2,  "MomoJumpAttack2",  1,  40, -160, 130, 150},
      {imgMomoDashAttack,   "MomoDashAttack",   0,  40, -115, 160,  60},
      {imgMomoMoonSlasher,  "MomoMoonSlasher",  3,  40, -130,  65,  30},
      {imgMomoJumpMoonSlasher, "MomoJumpMoonSlasher", 3, 40, -130, 65, 30},
  };
  // clang-format on
  for (const Strike& s : strikes) {
    auto inside = [&](int frame) {
      int count = 0;
      for (int y = s.top; y < s.top + s.h; ++y) {
        for (int x = s.left; x < s.left + s.w; ++x) {
          const int px = int(s.image->handle_x) + x, py = int(s.image->handle_y) + y;
          if (px < 0 || py < 0 || px >= s.image->width || py >= s.image->height) continue;
          count += Alpha(s.image, frame, px, py) >= 128;
        }
      }
      return count;
    };
    SCOPED_TRACE(s.name);
    const int strike = inside(s.frame);
    EXPECT_GE(strike, 40) << "the strike frame " << s.frame << " misses the box";
    for (int frame = 0; frame < s.frame; ++frame)
      EXPECT_LT(4 * inside(frame), strike) << "wind-up frame " << frame << " already strikes";
  }
}

// The enemies' boxes start at their feet, where their own bodies and the Templar's shield already
// stand, so their strikes are judged by reach: on the frame the box is created the weapon is far
// into the box, while every frame of the wind-up before it stays well short of that.
TEST_F(Assets, TheEnemiesStrikesReachIntoTheBoxOnTheFrameItIsCreated) {
  ASSERT_TRUE(loaded_) << failed_;
  // clang-format off
  const Strike strikes[] = {
      {imgNecromancerAttack1,  "NecromancerAttack1",  1,   0, -240, 150, 160},
      {imgNecromancerAttack2,  "NecromancerAttack2",  1,   0, -240, 155, 160},
      // The skull's box over its first four frames of flight (18 pixels a frame).
      {imgNecromancerSkull,    "NecromancerSkull",    3, -25, -165, 122,  50},
      {imgTemplarAttack1,      "TemplarAttack1",      1,   0, -220, 165, 140},
      {imgTemplarAttack2,      "TemplarAttack2",      1,   0, -200, 180, 100},
      {imgTemplarAttack3,      "TemplarAttack3",      2,   0, -230, 185, 170},
      {imgTemplarDash,         "TemplarDash",         0,   0, -180, 110, 120},
      {imgRaiderAttack3,       "RaiderAttack3",       2,   0, -310, 255, 240},
      {imgRaiderDash,          "RaiderDash",          0,   0, -190, 225, 120},
      {imgExecutionerAttack1,  "ExecutionerAttack1",  1,   0, -220, 185, 120},
      {imgExecutionerAttack2,  "ExecutionerAttack2",  1,   0, -170, 185, 100},
      {imgExecutionerAttack3,  "ExecutionerAttack3",  1,   0, -240, 185, 160},
      {imgSpearmanAttack1,     "SpearmanAttack1",     1,   0, -120, 195,  30},
      {imgSabermanAttack1,     "SabermanAttack1",     1,   0, -210, 165, 140},
      // Both of the Dark Knight's blows play one strip; each box is made on its frame 2.
      {imgDarkKnightAttack,    "DarkKnightAttack, first blow",  2, 40, -160, 300, 30},
      {imgDarkKnightAttack,    "DarkKnightAttack, second blow", 2, 40, -140, 310, 30},
      {imgDarkKnightSpiritCut, "DarkKnightSpiritCut", 2,  40, -260, 260, 235},
  };
  // clang-format on
  for (const Strike& s : strikes) {
    SCOPED_TRACE(s.name);
    ASSERT_LT(s.frame, s.image->FrameCount());
    auto reach = [&](int frame) { return ReachAhead(s.image, frame, -(s.top + s.h), -s.top); };
    const int strike = reach(s.frame);
    EXPECT_GE(strike, s.left + s.w / 2) << "the strike frame " << s.frame << " falls short";
    for (int frame = 0; frame < s.frame; ++frame)
      EXPECT_LE(reach(frame), strike - 20) << "wind-up frame " << frame << " already strikes";
  }
}

// A captor's picture holds the heroine while the game leaves her drawing to him (she draws only
// her shadow while held) and shows him alone once she is thrown and draws herself: drawn twice,
// or not at all, she would flicker in and out of the throw. Her rose-pink hair tells her apart.
TEST_F(Assets, CaptorsShowTheHeroineOnlyWhileTheyHoldHer) {
  ASSERT_TRUE(loaded_) << failed_;
  auto hairPixels = [](const ImagePtr& image, int frame) {
    int count = 0;
    const std::vector<uint8_t>& rgba = image->pixels[frame];
    for (size_t i = 0; i + 3 < rgba.size(); i += 4)
      count += rgba[i + 3] == 255 && std::abs(rgba[i] - 0xf0) < 12 &&
               std::abs(rgba[i + 1] - 0x7a) < 12 && std::abs(rgba[i + 2] - 0xa8) < 12;
    return count;
  };
  struct Hold {
    const ImagePtr& image;
    const char* name;
    int frame;
    bool holding;
  };
  // clang-format off
  const Hold holds[] = {
      {imgExecutionerGrappleMomo, "ExecutionerGrappleMomo", 0, true},
      {imgExecutionerGrappleMomo, "ExecutionerGrappleMomo", 2, true},
      {imgExecutionerThrow,       "ExecutionerThrow",       0, false},
      {imgDarkKnightGrappleMomo,  "DarkKnightGrappleMomo",  0, true},
      {imgDarkKnightGrappleMomo,  "DarkKnightGrappleMomo",  1, true},
      {imgDarkKnightGrappleMomo,  "DarkKnightGrappleMomo",  2, true},
      // His throw lets go of her after frame 0, when the game throws her.
      {imgDarkKnightThrowMomo,    "DarkKnightThrowMomo",    0, true},
      {imgDarkKnightThrowMomo,    "DarkKnightThrowMomo",    1, false},
      {imgDarkKnightThrowMomo,    "DarkKnightThrowMomo",    2, false},
  };
  // clang-format on
  for (const Hold& h : holds) {
    SCOPED_TRACE(std::string(h.name) + " frame " + std::to_string(h.frame));
    const int hair = hairPixels(h.image, h.frame);
    if (h.holding)
      EXPECT_GE(hair, 40);
    else
      EXPECT_EQ(hair, 0);
  }
}

TEST_F(Assets, SparksRingsAndSpheresAreCentredOnTheirPivot) {
  ASSERT_TRUE(loaded_) << failed_;
  const std::pair<const ImagePtr&, int> centred[] = {
      {imgEffectRing, 0}, {imgEffectGreenSphere, 0}, {imgEffectPurpleSphere, 0},
      {imgHitNormal, 0},  {imgExplosion, 4},         {imgShadow, 0},
  };
  for (const auto& [image, frame] : centred) {
    int left = image->width, right = -1, top = image->height, bottom = -1;
    for (int y = 0; y < image->height; ++y) {
      for (int x = 0; x < image->width; ++x) {
        if (Alpha(image, frame, x, y) < 32) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    SCOPED_TRACE(testing::Message() << image->width << " x " << image->height);
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right + 1) / 2.0, image->handle_x, 3);
    EXPECT_NEAR((top + bottom + 1) / 2.0, image->handle_y, 3);
  }
}

// Copies of the floor are laid 840 pixels apart: the step from its last column to its first
// must look like any step between neighbouring columns inside it.
TEST_F(Assets, CastleFloorTilesSeamlessly) {
  ASSERT_TRUE(loaded_) << failed_;
  const ImagePtr& floor = imgCastleFloor;
  auto columnStep = [&](int a, int b) {
    long sum = 0;
    for (int y = 0; y < floor->height; ++y)
      for (int c = 0; c < 3; ++c) {
        const auto& px = floor->pixels[0];
        sum += std::abs(int(px[(size_t(y) * floor->width + a) * 4 + c]) -
                        int(px[(size_t(y) * floor->width + b) * 4 + c]));
      }
    return double(sum) / floor->height;
  };
  double inside = 0;
  for (int x = 1; x < floor->width; ++x) inside += columnStep(x - 1, x);
  inside /= floor->width - 1;
  EXPECT_LE(columnStep(floor->width - 1, 0), 3 * inside + 4);
}

TEST_F(Assets, OpaqueBackgroundsHaveNoTransparentPixel) {
  ASSERT_TRUE(loaded_) << failed_;
  for (const ImagePtr* image :
       {&imgMainTitleSky, &imgMap, &imgGreenBGHorizontal, &imgCastleSky, &imgSkillListMomo}) {
    const auto& px = (*image)->pixels[0];
    bool opaque = true;
    for (size_t i = 3; i < px.size() && opaque; i += 4) opaque = px[i] == 255;
    EXPECT_TRUE(opaque) << (*image)->width << " x " << (*image)->height;
  }
}

TEST_F(Assets, FontsLoadAtTheirSizes) {
  std::string failed;
  ASSERT_TRUE(LoadFonts(failed)) << failed;
  for (const catalogue::Font& entry : catalogue::kFonts) EXPECT_TRUE(*entry.global) << entry.file;
  SetImageFont(fntProciono24);
  const int wide = TextWidth("Total");
  SetImageFont(fntProciono14);
  EXPECT_GT(wide, TextWidth("Total"));
}

// Run in an empty folder: the embedded pictures still load, and each loader names the first
// file beside the program that it could not read or decode.
TEST_F(Assets, AMissingOrBrokenFileIsNamed) {
  const std::filesystem::path home = std::filesystem::current_path();
  const std::filesystem::path empty =
      std::filesystem::temp_directory_path() / ("talvenne-assets-" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  std::filesystem::current_path(empty);

  std::string failed;
  EXPECT_FALSE(LoadImages(failed));
  EXPECT_EQ(failed, "Skill List - Momo.jpg");
  EXPECT_TRUE(imgMomoRun);
  EXPECT_TRUE(imgCastleLightPillarGlow);
  EXPECT_FALSE(imgSkillListMomo);

  std::ofstream("Skill List - Momo.jpg") << "not a picture";
  EXPECT_FALSE(LoadImages(failed));
  EXPECT_EQ(failed, "Skill List - Momo.jpg");

  EXPECT_FALSE(LoadFonts(failed));
  EXPECT_EQ(failed, "Fonts\\DOMOAI__.TTF");
  EXPECT_FALSE(LoadSounds(failed));
  EXPECT_EQ(failed, "sounds\\BonusLive.ogg");

  std::filesystem::current_path(home);
  std::filesystem::remove_all(empty);
}

}  // namespace
