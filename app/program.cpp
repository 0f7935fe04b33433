// The program's spine: start-up in its fixed order, the screen-mode chooser, the frame loop
// and shutdown.

#include "app/program.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "actors/combo_counter.h"
#include "app/audio_out.h"
#include "app/command_line.h"
#include "app/manager.h"
#include "app/screen_modes.h"
#include "app/trace.h"
#include "app/version.h"
#include "audio/bgm_player.h"
#include "bot/autoplay.h"
#include "enemies/boss.h"
#include "enemies/roster.h"
#include "files/file_io.h"
#include "heroine/momo.h"
#include "input/binding_files.h"
#include "input/device_feed.h"
#include "mounts/mount.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "segments/segment.h"
#include "ui/hitbox_overlay.h"
#include "ui/windows.h"
#include "world/assets.h"
#include "world/globals.h"

namespace {

constexpr const char* kChooserTitle = "Choose Screen Mode";
constexpr int kKeyF3 = 114;  // turns the hit-box overlay on and off

// The seed every place of the game uses: the clock's, unless a run asks for a fixed one.
std::optional<int> forcedSeed;

void SeedFromClockOrForced() { SeedRnd(forcedSeed ? *forcedSeed : MilliSecs()); }

int Fail(const std::string& message) {
  std::fprintf(stderr, "talvenne: %s\n", message.c_str());
  return 1;
}

// A file of the game that would not load, and where it was looked for.
int FailToLoad(const char* what, const std::string& name) {
  std::string message = std::string("cannot load ") + what + " " + name;
  if (!name.starts_with(kEmbeddedPrefix)) message += " (looked " + DescribeDataFolders() + ")";
  return Fail(message);
}

// The program finds its files from where it lies, whatever the working folder. Run from its build
// tree it keeps the binding files in the working folder; installed, in the player's configuration
// folder, and where there is none the run plays on the built-in bindings. Both choices last for
// one run: the previous ones come back when it ends.
class ProgramFolders {
 public:
  ProgramFolders() : dataFolders_(DataFolders()), bindingFolder_(CurrentBindingFolder()) {
    const std::filesystem::path program = ProgramFolder();
    SetDataFolders(ProgramDataFolders(program));
    if (IsBuildTree(program)) return;
    std::string error;
    if (const auto folder = UserFolder(UserFolderKind::Config, error)) {
      SetBindingFolder({true, *folder});
    } else {
      std::fprintf(stderr, "talvenne: %s; playing with the built-in bindings, none saved\n",
                   error.c_str());
      SetBindingFolder({false, {}});
    }
  }
  ~ProgramFolders() {
    SetDataFolders(dataFolders_);
    SetBindingFolder(bindingFolder_);
  }
  ProgramFolders(const ProgramFolders&) = delete;
  ProgramFolders& operator=(const ProgramFolders&) = delete;

 private:
  std::vector<std::filesystem::path> dataFolders_;
  BindingFolder bindingFolder_;
};

// Every file the run will write must be one it may replace, or the run does not start.
bool CheckOutputs(const CommandLine& options, std::string& error) {
  if (!options.recordPath.empty() && !CheckWriteTarget(options.recordPath, error)) return false;
  if (!options.audioOutPath.empty() && !CheckWriteTarget(options.audioOutPath, error)) return false;
  if (!options.tracePath.empty() && !CheckWriteTarget(options.tracePath, error)) {
    error = "cannot write trace " + error;
    return false;
  }
  for (const Screenshot& shot : options.screenshots) {
    if (!CheckWriteTarget(shot.path, error)) return false;
  }
  return true;
}

bool WriteScreenshot(const Screenshot& shot) {
  std::vector<uint8_t> png;
  std::string error = shot.path + ": cannot read the picture back";
  if (EncodeScreenshot(png) && WriteFileAtomically(shot.path, png, &error)) return true;
  std::fprintf(stderr, "talvenne: screenshot of frame %d not written: %s\n", shot.frame,
               error.c_str());
  return false;
}

// Opens the device feed the command line asks for: a script, a replay, the bot or none (a
// recording wraps it once the run's screen mode is known), and holds the run's bindings, which
// `bindings` receives: a replay's own, or what the binding files give. `bot` points at the bot
// when it plays.
bool OpenFeed(CommandLine& options, std::unique_ptr<DeviceFeed>& feed, Autoplay*& bot,
              BindingTables& bindings, std::string& error) {
  // A recording must be replayable, and the bot's choices follow the run's seed: either fixes it.
  if (!forcedSeed && (options.autoplay || !options.recordPath.empty())) forcedSeed = MilliSecs();
  if (options.autoplay) {
    auto autoplay = std::make_unique<Autoplay>(static_cast<uint32_t>(*forcedSeed), LookAtScreen);
    bot = autoplay.get();
    feed = std::move(autoplay);
  }
  if (!options.inputScript.empty()) {
    feed = OpenInputScript(options.inputScript, error);
    if (!feed) return false;
  }
  if (options.replayPath.empty()) {
    bindings = ReadBindingTables();
    HoldRunBindings(bindings, false);
    return true;
  }
  RecordedRun run;
  feed = OpenReplay(options.replayPath, run, error);
  if (!feed || !TakeRecordedRun(run, options, error)) return false;
  forcedSeed = run.seed;
  bindings = run.bindings;
  // The player's files stay as they are, whatever the recorded run did to its own.
  HoldRunBindings(bindings, true);
  return true;
}

int ModeNumber(const ScreenMode& mode) {
  const auto* found = std::find_if(kScreenModes.begin(), kScreenModes.end(),
                                   [&](const ScreenMode& m) { return m.label == mode.label; });
  return static_cast<int>(found - kScreenModes.begin()) + 1;
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

BotView LookAtScreen() {
  BotView view;
  if (!Manager) return view;
  view.lastSegment = SEGMENT_MAP;
  switch (Manager->iMode) {
    case MANAGER_TITLE:
      view.screen = BotView::Screen::Title;
      view.title = dynamic_cast<const TWindowTitle*>(Manager->WindowTitle.get());
      break;
    case MANAGER_GAME:
      view.screen = BotView::Screen::Game;
      view.segment = &Manager->CurrentSegment();
      view.segmentIndex = Manager->TracedStage();
      view.paused = Momo && (Momo->bPause != 0 || Momo->bESC != 0);
      break;
    default:
      view.screen = BotView::Screen::OtherMenu;
      break;
  }
  return view;
}

void RegisterCharacterKinds() {
  RegisterMountKinds();
  RegisterEnemyKinds();
  RegisterBossKinds();
}

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
  if (options.version) {
    std::printf("%s %s\n", kGameName, kGameVersion);
    return 0;
  }
  if (!CheckOutputs(options, error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    return 2;
  }
  // A file-size limit makes a write fail with a reason instead of ending the process unsaid.
  std::signal(SIGXFSZ, SIG_IGN);
  // One run, one start: nothing an earlier run in this process set up reaches this one.
  ResetGlobals();
  forcedSeed = options.seed;
  struct RunEnd {
    ~RunEnd() {
      forcedSeed.reset();
      ReleaseRunBindings();
    }
  } runEnd;
  RegisterCharacterKinds();
  TraceWriter trace;
  if (!options.tracePath.empty() && !trace.Open(options.tracePath, error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    return 2;
  }

  // Start-up, in the order everything depends on.
  const ProgramFolders folders;
  if (!InitPlatform(options.headless ? BackendKind::Headless : BackendKind::Sdl)) {
    return Fail(PlatformError());
  }
  std::unique_ptr<DeviceFeed> feed;
  Autoplay* bot = nullptr;
  BindingTables bindings;
  if (!OpenFeed(options, feed, bot, bindings, error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    ShutdownPlatform();
    return 2;
  }
  RegisterEmbeddedAssets();
  GameInput.assign(1, nullptr);
  // Loading the pictures, the music and the fonts needs no window: it runs on other threads
  // while the player looks at the chooser (which shows its first frame before the work starts,
  // so it appears at once), and while the game window and its graphics driver start up.
  InitAudio();
  BGMPlayer = std::make_shared<TBGMPlayer>();
  // A loader run on its own thread; its result names the first file that failed, or is empty.
  auto inBackground = [](bool (*load)(std::string&)) {
    return std::async(std::launch::async, [load] {
      std::string failed;
      return load(failed) ? std::string() : failed;
    });
  };
  std::future<std::string> images;
  std::future<std::string> fonts;
  std::future<void> music;
  auto startLoading = [&] {
    images = inBackground(LoadImages);
    fonts = inBackground(LoadFonts);
    music = std::async(std::launch::async, [] { BGMPlayer->Init(); });
  };

  AppTitle = kChooserTitle;
  ScreenMode mode;
  if (options.mode) {
    mode = kScreenModes[*options.mode - 1];
    startLoading();
  } else {
    const ChooserEnd end = RunScreenModeChooser(mode, startLoading);
    if (!images.valid()) startLoading();
    if (end == ChooserEnd::NoWindow) return Fail(PlatformError());
    if (end == ChooserEnd::Closed) {
      // Closed before any game: nothing was played, so nothing is recorded or traced.
      music.wait();
      images.wait();
      fonts.wait();
      return EndingSignal() ? 128 + EndingSignal() : 0;
    }
  }
  fScreenWidth = static_cast<float>(mode.width);
  fScreenHeight = static_cast<float>(mode.height);
  ComputePlaneLines();
  ComboCounter = std::make_shared<TComboCounter>();
  ProjectileList.clear();
  CharacterList.clear();
  EffectList.clear();
  AppTitle = std::string(kGameName) + " v" + kGameVersion + " Demo";
  SeedFromClockOrForced();
  JoyCount();
  HideMouse();
  TTimer* timer = CreateTimer(60);
  const bool windowOpen = OpenGraphics(mode.width, mode.height, mode.fullScreen ? 1 : 0, 60, 0);
  music.get();
  const std::string badImage = images.get();
  const std::string badFont = fonts.get();
  if (!badImage.empty()) return FailToLoad("image", badImage);
  if (!MusicLoaded(*BGMPlayer, error)) return FailToLoad("music", error);
  if (!badFont.empty()) return FailToLoad("font", badFont);
  if (!windowOpen) return Fail(PlatformError());
  ReleaseFreeMemory();
  SetWindowIcon(WindowIconName());
  SetBlend(ALPHABLEND);
  if (!StartGame(error, options.practice)) return FailToLoad("sound", error);
  // After the options window has set its Normal, so that it shows the level asked for.
  if (options.difficulty) SetDifficulty(*options.difficulty);
  if (!options.recordPath.empty()) {
    const RecordedRun run{.seed = *forcedSeed,
                          .screenMode = ModeNumber(mode),
                          .difficulty = options.difficulty,
                          .practice = options.practice,
                          .bindings = bindings};
    feed = OpenRecorder(options.recordPath, run, std::move(feed), error);
    if (!feed) {
      std::fprintf(stderr, "talvenne: %s\n", error.c_str());
      return 2;
    }
  }
  AudioOut audioOut;
  if (!options.audioOutPath.empty() && !audioOut.Open(options.audioOutPath, error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    return 2;
  }

  // The frame loop: one update and one drawing per tick of the 60 Hz timer.
  int status = 0;
  HitboxToggle hitboxes(options.hitboxes);
  int framesRun = 0;
  for (int frame = 0; options.frames < 0 || frame < options.frames; ++frame) {
    framesRun = frame + 1;
    WaitTimer(timer);
    if (feed) feed->BeginFrame(frame);
    hitboxes.Follow(KeyDown(kKeyF3) != 0);
    Manager->bShowHitboxes = hitboxes.Shown() ? 1 : 0;
    if (!options.noDraw) Cls();
    Manager->Move();
    trace.WriteFrame(frame);
    if (!options.noDraw) Manager->Draw();
    for (const Screenshot& shot : options.screenshots) {
      if (shot.frame == frame && !WriteScreenshot(shot)) status = 1;
    }
    if (options.noDraw) {
      FlipWithoutPicture();
    } else {
      Flip(-1);
    }
    audioOut.Frame();
    if (AppTerminate()) break;
    if (bot && bot->Outcome() != BotOutcome::Playing) break;
    if (Manager->WindowTitle && Manager->WindowTitle->iExecuteCode == TITLE_EXIT) break;
  }

  BGMPlayer->Stop();
  for (const Screenshot& shot : options.screenshots) {
    if (shot.frame < framesRun) continue;
    std::fprintf(stderr,
                 "talvenne: screenshot of frame %d not written: the run ended after %d frames\n",
                 shot.frame, framesRun);
    status = 1;
  }
  if (bot) {
    std::printf("%s\n", bot->Summary().c_str());
    if (bot->Outcome() == BotOutcome::Stalled) status = 1;
  }
  if (feed) {
    feed->Finish();
    if (!feed->Error().empty()) {
      std::fprintf(stderr, "talvenne: recording not saved in full: %s\n", feed->Error().c_str());
      status = 1;
    }
  }
  if (!audioOut.Close(error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    status = 1;
  }
  if (!trace.Close(error)) {
    std::fprintf(stderr, "talvenne: %s\n", error.c_str());
    status = 1;
  }
  if (std::fflush(stdout) != 0) {
    std::fprintf(stderr, "talvenne: cannot write to standard output: %s\n", std::strerror(errno));
    status = 1;
  }
  // Ended by a signal: the files are saved, and the status says what ended the run.
  if (EndingSignal()) status = 128 + EndingSignal();
  OverrideDeviceState(nullptr);
  ResetGlobals();
  return status;
}
