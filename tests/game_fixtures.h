#pragma once
// A whole game for the tests of the manager, the segments and the stages: the manager made as the
// program makes it, on a 1366 x 768 screen, fed from a keyboard the test presses, with frames
// stepped by Manager->Move() and nothing drawn. Pictures, sounds and music are not loaded (the
// game runs without them). Enemies come from stand-in kinds the test registers in the spawn
// table in place of the real ones.

#include <gtest/gtest.h>

#include <memory>

#include "actors/character.h"
#include "actors/combo_counter.h"
#include "app/manager.h"
#include "app/program.h"
#include "audio/bgm_player.h"
#include "heroine/momo.h"
#include "input/game_input.h"
#include "platform/platform.h"
#include "segments/segment.h"
#include "ui/windows.h"
#include "world/globals.h"
#include "world/spawn.h"

constexpr int kKeyX = 88;  // Attack/Start
constexpr int kKeyP = 80;  // Pause
constexpr int kKeyEsc = 27;
constexpr int kKeyLeftArrow = 37;
constexpr int kKeyRightArrow = 39;

// A foe that only stands there: the test sets its hit points and mode.
class StandInFoe : public TCharacter {
 public:
  void Init(int codePlayer, int id) override {
    iCodePlayer = codePlayer;
    iID = id;
    iAffiliation = SIDE_ENEMY;
    iStatus = STATUS_NORMAL;
  }
  void ResetGameData() override {
    fHPMax = fHP = 100;
    SetMode(MODE_STANCE);
  }
  void SetMode(int mode) override {
    iDelayCounter = 0;
    iMode = mode;
    iFrame = 0;
    bFrameDirection = 1;
  }
};

template <int Type>
std::shared_ptr<TCharacter> MakeStandInFoe(int id) {
  auto foe = std::make_shared<StandInFoe>();
  foe->iType = Type;
  foe->Init(CODE_PLAYER_NONE, id);
  return foe;
}

// A boss already beaten when it arrives: it lies in its final mode from the start, so the second
// stage's ending can be played without the real Dark Knight.
class FallenBoss : public StandInFoe {
 public:
  void ResetGameData() override {
    fHPMax = 100;
    fHP = 0;
    SetMode(MODE_DEAD);
  }
};

inline std::shared_ptr<TCharacter> MakeFallenBoss(int id) {
  auto boss = std::make_shared<FallenBoss>();
  boss->iType = TYPE_DARK_KNIGHT;
  boss->Init(CODE_PLAYER_NONE, id);
  return boss;
}

// Every foot-soldier kind of the wave tables as a stand-in.
inline void RegisterStandInSoldiers() {
  RegisterSpawn(10, MakeStandInFoe<10>);
  RegisterSpawn(11, MakeStandInFoe<11>);
  RegisterSpawn(12, MakeStandInFoe<12>);
  RegisterSpawn(13, MakeStandInFoe<13>);
  RegisterSpawn(15, MakeStandInFoe<15>);
  RegisterSpawn(16, MakeStandInFoe<16>);
}

// No foot soldiers at all: the waves come empty.
inline void LeaveOutSoldiers() {
  for (int type : {10, 11, 12, 13, 15, 16}) RegisterSpawn(type, nullptr);
}

class GameFixture : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InitPlatform(BackendKind::Headless)) << PlatformError();
  }

  void SetUp() override {
    ResetGlobals();
    // The game's own kinds; tests may put stand-ins in their place.
    ClearSpawnTable();
    RegisterCharacterKinds();
    fScreenWidth = 1366;
    fScreenHeight = 768;
    ComputePlaneLines();
    ComboCounter = std::make_shared<TComboCounter>();
    BGMPlayer = std::make_shared<TBGMPlayer>();
    BGMPlayer->ResetGameData();
    OverrideDeviceState(&devices);
    SeedRnd(5);
    Manager = std::make_shared<TManager>();
    Manager->bPractice = practice;
    Manager->Init();
    // The built-in keys, whatever binding files lie in the working directory, unless the test
    // is about those files.
    if (bindingFiles) return;
    GameInput[0]->SetDefaultConfig();
    GameInput[0]->Keyboard[ACTION_PAUSE] = kKeyP;
  }

  void TearDown() override {
    OverrideDeviceState(nullptr);
    ResetGlobals();
    ClearSpawnTable();
    RegisterCharacterKinds();
  }

  void Frames(int count) {
    for (int i = 0; i < count; ++i) Manager->Move();
  }
  // Steps until `done` holds, at most `limit` frames; returns the frames taken, or -1.
  template <class Done>
  int FramesUntil(Done done, int limit = 3000) {
    for (int frames = 1; frames <= limit; ++frames) {
      Manager->Move();
      if (done()) return frames;
    }
    return -1;
  }

  void Key(int code, bool down) { devices.keys[code] = down ? 1 : 0; }
  // Down for two frames (so the press is seen), then up: the release counts in the next frame.
  void Tap(int code) {
    Key(code, true);
    Frames(2);
    Key(code, false);
    Frames(1);
  }

  TGameSegment& Segment() { return Manager->CurrentSegment(); }
  TGameSegment& Segment(int index) { return *Manager->Stage[index]; }

  TWindowTitle& Title() { return static_cast<TWindowTitle&>(*Manager->WindowTitle); }
  // On the title with its menu in full view (after the maker's splash, the first time).
  void ToTitleMenu() {
    ASSERT_GT(FramesUntil(
                  [this] {
                    return Manager->iMode == MANAGER_TITLE && Title().iMode == TITLE_MODE_MENU &&
                           Title().fAlphaFade <= 0;
                  },
                  300),
              0);
  }
  // From the title into the skill list, with the key bound to Attack/Start.
  void StartGame(int attack = kKeyX) {
    ToTitleMenu();
    Tap(attack);
    ASSERT_GT(FramesUntil([] { return Manager->iMode == MANAGER_GAME; }, 60), 0);
  }
  // Through the skill list into the first stage, her run in done and control hers.
  void EnterFirstStage(int attack = kKeyX) {
    StartGame(attack);
    ASSERT_GT(FramesUntil([this] { return Segment().fAlphaFade <= 0; }, 60), 0);
    Tap(attack);
    ASSERT_GT(FramesUntil([] { return Manager->iStage == 1; }, 200), 0);
    ASSERT_GT(FramesUntil([] { return Momo->iMode == MODE_STANCE; }, 200), 0);
  }
  // Runs right until the script reaches `step` (the waves must let it).
  void RunToStep(int step) {
    Key(kKeyRightArrow, true);
    const int frames = FramesUntil([&] { return Segment().iSegmentCounter >= step; }, 2000);
    Key(kKeyRightArrow, false);
    ASSERT_GT(frames, 0) << "the script stopped at step " << Segment().iSegmentCounter;
  }

  // The enemies in CharacterList, in list order.
  static std::vector<std::shared_ptr<TCharacter>> Enemies() {
    std::vector<std::shared_ptr<TCharacter>> out;
    for (const auto& c : CharacterList) {
      if (c->iAffiliation == SIDE_ENEMY) out.push_back(c);
    }
    return out;
  }

  DeviceState devices;
  int practice = 0;
  bool bindingFiles = false;  // keep the bindings read from the working directory
};
