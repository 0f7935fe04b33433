// The program's spine: start-up in its fixed order, the screen-mode chooser, the frame loop
// and shutdown.

#include "app/program.h"

#include <cstdio>
#include <future>
#include <memory>
#include <optional>

#include "actors/combo_counter.h"
#include "app/command_line.h"
#include "app/manager.h"
#include "app/screen_modes.h"
#include "app/trace.h"
#include "audio/bgm_player.h"
#include "input/device_feed.h"
#include "mounts/mount.h"
#include "platform/platform.h"
#include "ui/windows.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr const char* kChooserTitle = "Choose Screen Mode";
constexpr const char* kGameTitle = "Talvenne v0.38a Demo";

// The seed every place of the game uses: the clock's, unless a run asks for a fixed one.
std::optional<int> forcedSeed;

void SeedFromClockOrForced() { SeedRnd(forcedSeed ? *forcedSeed : MilliSecs()); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "talvenne: %s\n", message.c_str());
  return 1;
}

// Opens the device feed the command line asks for: a script, a replay, a recording or none.
bool OpenFeed(const CommandLine& options, std::unique_ptr<DeviceFeed>& feed, std::string& error) {
  if (!options.inputScript.empty()) {
    feed = OpenInputScript(options.inputScript, error);
    if (!feed) return false;
  }
  if (!options.replayPath.empty()) {
    int seed = 0;
    feed = OpenReplay(options.replayPath, seed, error);
    if (!feed) return false;
    forcedSeed = seed;
  }
  if (!options.recordPath.empty()) {
    // A recording must be replayable, so the run's seed is fixed and saved with it.
    if (!forcedSeed) forcedSeed = MilliSecs();
    feed = OpenRecorder(options.recordPath, *forcedSeed, std::move(feed), error);
    if (!feed) return false;
  }
  return true;
}

// The music player leaves a piece it could not load silent; the game refuses to start without it.
bool MusicLoaded(const TBGMPlayer& player, std::string& missing) {
  const std::pair<const SoundPtr&, const char*> pieces[] = {
      {player.bgmImpendingDanger, "BGM\\ImpendingDanger.ogg"},
      {player.bgmBruteForce, "BGM\\BruteForce.ogg"},
      {player.bgmCrypticIllusion, "BGM\\CrypticIllusion.ogg"},
      {player.bgmMainTitle, "BGM\\MainTitle.ogg"},
  };
  for (const auto& [sound, file] : pieces) {
    if (!sound) {
      missing = file;
      return false;
    }
  }
  return true;
}

}  // namespace

void RegisterCharacterKinds() { RegisterMountKinds(); }

bool StartGame(std::string& failed, bool practice) {
  SeedFromClockOrForced();
  // The sound effects are the manager's first load; a missing one stops the game here.
  if (!LoadSounds(failed)) return false;
  Manager = std::make_shared<TManager>();
  Manager->bPractice = practice ? 1 : 0;
  Manager->Init();
  return true;
}

int RunProgram(int argc, char** argv) {
  CommandLine options;
  std::string error;
  if (!ParseCommandLine(argc, argv, options, error)) {
    std::fprintf(stderr, "talvenne: %s\n%s", error.c_str(), Usage().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(Usage().c_str(), stdout);
    return 0;
  }
  if (options.seed) forcedSeed = *options.seed;
  RegisterCharacterKinds();
  TraceWriter trace;
  if (!options.tracePath.empty() && !trace.Open(options.tracePath, error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    return 2;
  }

  // Start-up, in the order everything depends on.
  if (!InitPlatform(options.headless ? BackendKind::Headless : BackendKind::Sdl)) {
    return Fail(PlatformError());
  }
  std::unique_ptr<DeviceFeed> feed;
  if (!OpenFeed(options, feed, error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    ShutdownPlatform();
    return 2;
  }
  RegisterEmbeddedAssets();
  GameInput.assign(1, nullptr);
  // Decoding every picture and piece of music takes a couple of seconds of work, none of it
  // needing a window: it runs on two threads while the player looks at the chooser.
  // The chooser shows its first frame before the work starts, so it appears at once.
  InitAudio();
  BGMPlayer = std::make_shared<TBGMPlayer>();
  std::future<std::string> images;
  std::future<void> music;
  auto startLoading = [&] {
    images = std::async(std::launch::async, [] {
      std::string failed;
      return LoadImages(failed) ? std::string() : failed;
    });
    music = std::async(std::launch::async, [] { BGMPlayer->Init(); });
  };

  AppTitle = kChooserTitle;
  ScreenMode mode;
  bool chosen = true;
  if (options.mode) {
    mode = kScreenModes[*options.mode - 1];
    startLoading();
  } else {
    chosen = RunScreenModeChooser(mode, startLoading);
    if (!images.valid()) startLoading();
  }
  music.get();
  const std::string badImage = images.get();
  if (!chosen) return Fail(PlatformError());
  if (!badImage.empty()) return Fail("cannot load image " + badImage);
  if (!MusicLoaded(*BGMPlayer, error)) return Fail("cannot load music " + error);
  ReleaseFreeMemory();
  fScreenWidth = static_cast<float>(mode.width);
  fScreenHeight = static_cast<float>(mode.height);
  ComputePlaneLines();
  ComboCounter = std::make_shared<TComboCounter>();
  ProjectileList.clear();
  CharacterList.clear();
  EffectList.clear();
  AppTitle = kGameTitle;
  SeedFromClockOrForced();
  JoyCount();
  HideMouse();
  if (!LoadFonts(error)) return Fail("cannot load font " + error);
  TTimer* timer = CreateTimer(60);
  if (!OpenGraphics(mode.width, mode.height, mode.fullScreen ? 1 : 0, 60, 0)) {
    return Fail(PlatformError());
  }
  SetWindowIcon(WindowIconName());
  SetBlend(ALPHABLEND);
  if (!StartGame(error, options.practice)) return Fail("cannot load sound " + error);
  // After the options window has set its Normal, so that it shows the level asked for.
  if (options.difficulty) SetDifficulty(*options.difficulty);

  // The frame loop: one update and one drawing per tick of the 60 Hz timer.
  for (int frame = 0; options.frames < 0 || frame < options.frames; ++frame) {
    WaitTimer(timer);
    if (feed) feed->BeginFrame(frame);
    if (!options.noDraw) Cls();
    Manager->Move();
    trace.WriteFrame(frame);
    if (!options.noDraw) Manager->Draw();
    for (const Screenshot& shot : options.screenshots) {
      if (shot.frame == frame && !SaveScreenshot(shot.path)) {
        std::fprintf(stderr, "talvenne: cannot write screenshot %s\n", shot.path.c_str());
      }
    }
    Flip(-1);
    if (AppTerminate()) break;
    if (Manager->WindowTitle && Manager->WindowTitle->iExecuteCode == TITLE_EXIT) break;
  }

  BGMPlayer->Stop();
  if (feed) feed->Finish();
  int status = 0;
  if (!trace.Close(error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    status = 1;
  }
  OverrideDeviceState(nullptr);
  ResetGlobals();
  return status;
}
