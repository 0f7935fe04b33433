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

// One line on standard error; returns the exit status it ends the run with.
int Fail(const std::string& message, int status = 1) {
  std::fprintf(stderr, "talvenne: %s\n", message.c_str());
  return status;
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

namespace {

// What the command line answers on its own: a refusal, the usage, the version, or a file the run
// could not write. Nothing when the run goes on.
std::optional<int> AnswerCommandLine(int argc, char** argv, CommandLine& options) {
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
  if (!CheckOutputs(options, error)) return Fail(error, 2);
  return std::nullopt;
}

// One run of the game, from start-up to its end. Each stage returns the exit status when the run
// ends there, or nothing to go on; however it ends, the destructor puts back what the run set up,
// so that a test can run the program again in the same process.
class ProgramRun {
 public:
  explicit ProgramRun(CommandLine& options) : options_(options) {
    // One run, one start: nothing an earlier run in this process set up reaches this one.
    ResetGlobals();
    forcedSeed = options.seed;
  }
  ~ProgramRun() {
    // The loaders may still be at work when the run ends early; they finish before it is undone.
    if (music_.valid()) music_.wait();
    if (images_.valid()) images_.wait();
    if (fonts_.valid()) fonts_.wait();
    feed_.reset();
    OverrideDeviceState(nullptr);
    ResetGlobals();
    forcedSeed.reset();
    ReleaseRunBindings();
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // The platform, the device feed and the screen mode, while the files load in the background.
  std::optional<int> StartUp();
  // The window, the loaded files, the game manager and the files the run writes.
  std::optional<int> OpenGame();
  // The frame loop: one update and one drawing per tick of the 60 Hz timer. Returns the status.
  int Play();
  // Saves what the run wrote and says what went wrong; returns the run's exit status.
  int Ending(int status);

 private:
  void StartLoading();

  CommandLine& options_;
  std::string error_;
  TraceWriter trace_;
  std::optional<ProgramFolders> folders_;
  std::unique_ptr<DeviceFeed> feed_;
  Autoplay* bot_ = nullptr;
  BindingTables bindings_;
  std::future<std::string> images_;
  std::future<std::string> fonts_;
  std::future<void> music_;
  ScreenMode mode_;
  TTimer* timer_ = nullptr;
  AudioOut audioOut_;
  int framesRun_ = 0;
};

// A loader run on its own thread; its result names the first file that failed, or is empty.
std::future<std::string> InBackground(bool (*load)(std::string&)) {
  return std::async(std::launch::async, [load] {
    std::string failed;
    return load(failed) ? std::string() : failed;
  });
}

void ProgramRun::StartLoading() {
  images_ = InBackground(LoadImages);
  fonts_ = InBackground(LoadFonts);
  music_ = std::async(std::launch::async, [] { BGMPlayer->Init(); });
}

std::optional<int> ProgramRun::StartUp() {
  // A file-size limit makes a write fail with a reason instead of ending the process unsaid.
  std::signal(SIGXFSZ, SIG_IGN);
  RegisterCharacterKinds();
  if (!options_.tracePath.empty() && !trace_.Open(options_.tracePath, error_)) {
    return Fail(error_, 2);
  }

  // Start-up, in the order everything depends on.
  folders_.emplace();
  if (!InitPlatform(options_.headless ? BackendKind::Headless : BackendKind::Sdl)) {
    return Fail(PlatformError());
  }
  if (!OpenFeed(options_, feed_, bot_, bindings_, error_)) {
    ShutdownPlatform();
    return Fail(error_, 2);
  }
  RegisterEmbeddedAssets();
  GameInput.assign(1, nullptr);
  // Loading the pictures, the music and the fonts needs no window: it runs on other threads
  // while the player looks at the chooser (which shows its first frame before the work starts,
  // so it appears at once), and while the game window and its graphics driver start up.
  InitAudio();
  BGMPlayer = std::make_shared<TBGMPlayer>();

  AppTitle = kChooserTitle;
  if (options_.mode) {
    mode_ = kScreenModes[*options_.mode - 1];
    StartLoading();
    return std::nullopt;
  }
  const ChooserEnd end = RunScreenModeChooser(mode_, [this] { StartLoading(); });
  if (!images_.valid()) StartLoading();
  if (end == ChooserEnd::NoWindow) return Fail(PlatformError());
  // Closed before any game: nothing was played, so nothing is recorded or traced.
  if (end == ChooserEnd::Closed) return EndingSignal() ? 128 + EndingSignal() : 0;
  return std::nullopt;
}

std::optional<int> ProgramRun::OpenGame() {
  fScreenWidth = static_cast<float>(mode_.width);
  fScreenHeight = static_cast<float>(mode_.height);
  ComputePlaneLines();
  ComboCounter = std::make_shared<TComboCounter>();
  ProjectileList.clear();
  CharacterList.clear();
  EffectList.clear();
  AppTitle = std::string(kGameName) + " v" + kGameVersion + " Demo";
  SeedFromClockOrForced();
  JoyCount();
  HideMouse();
  timer_ = CreateTimer(60);
  const bool windowOpen = OpenGraphics(mode_.width, mode_.height, mode_.fullScreen ? 1 : 0, 60, 0);
  music_.get();
  const std::string badImage = images_.get();
  const std::string badFont = fonts_.get();
  if (!badImage.empty()) return FailToLoad("image", badImage);
  if (!MusicLoaded(*BGMPlayer, error_)) return FailToLoad("music", error_);
  if (!badFont.empty()) return FailToLoad("font", badFont);
  if (!windowOpen) return Fail(PlatformError());
  ReleaseFreeMemory();
  SetWindowIcon(WindowIconName());
  SetBlend(ALPHABLEND);
  if (!StartGame(error_, options_.practice)) return FailToLoad("sound", error_);
  // After the options window has set its Normal, so that it shows the level asked for.
  if (options_.difficulty) SetDifficulty(*options_.difficulty);
  if (!options_.recordPath.empty()) {
    const RecordedRun run{.seed = *forcedSeed,
                          .screenMode = ModeNumber(mode_),
                          .difficulty = options_.difficulty,
                          .practice = options_.practice,
                          .bindings = bindings_};
    feed_ = OpenRecorder(options_.recordPath, run, std::move(feed_), error_);
    if (!feed_) return Fail(error_, 2);
  }
  if (!options_.audioOutPath.empty() && !audioOut_.Open(options_.audioOutPath, error_)) {
    return Fail(error_, 2);
  }
  return std::nullopt;
}

int ProgramRun::Play() {
  int status = 0;
  HitboxToggle hitboxes(options_.hitboxes);
  for (int frame = 0; options_.frames < 0 || frame < options_.frames; ++frame) {
    framesRun_ = frame + 1;
    WaitTimer(timer_);
    if (feed_) feed_->BeginFrame(frame);
    hitboxes.Follow(KeyDown(kKeyF3) != 0);
    Manager->bShowHitboxes = hitboxes.Shown() ? 1 : 0;
    if (!options_.noDraw) Cls();
    Manager->Move();
    trace_.WriteFrame(frame);
    if (!options_.noDraw) Manager->Draw();
    for (const Screenshot& shot : options_.screenshots) {
      if (shot.frame == frame && !WriteScreenshot(shot)) status = 1;
    }
    if (options_.noDraw) {
      FlipWithoutPicture();
    } else {
      Flip(-1);
    }
    audioOut_.Frame();
    if (AppTerminate()) break;
    if (bot_ && bot_->Outcome() != BotOutcome::Playing) break;
    if (Manager->WindowTitle && Manager->WindowTitle->iExecuteCode == TITLE_EXIT) break;
  }
  return status;
}

int ProgramRun::Ending(int status) {
  BGMPlayer->Stop();
  for (const Screenshot& shot : options_.screenshots) {
    if (shot.frame < framesRun_) continue;
    std::fprintf(stderr,
                 "talvenne: screenshot of frame %d not written: the run ended after %d frames\n",
                 shot.frame, framesRun_);
    status = 1;
  }
  if (bot_) {
    std::printf("%s\n", bot_->Summary().c_str());
    if (bot_->Outcome() == BotOutcome::Stalled) status = 1;
  }
  if (feed_) {
    feed_->Finish();
    if (!feed_->Error().empty()) {
      std::fprintf(stderr, "talvenne: recording not saved in full: %s\n", feed_->Error().c_str());
      status = 1;
    }
  }
  if (!audioOut_.Close(error_)) status = Fail(error_);
  if (!trace_.Close(error_)) status = Fail(error_);
  if (std::fflush(stdout) != 0) {
    status = Fail(std::string("cannot write to standard output: ") + std::strerror(errno));
  }
  // Ended by a signal: the files are saved, and the status says what ended the run.
  if (EndingSignal()) status = 128 + EndingSignal();
  return status;
}

}  // namespace

int RunProgram(int argc, char** argv) {
  CommandLine options;
  if (const std::optional<int> answer = AnswerCommandLine(argc, argv, options)) return *answer;
  ProgramRun run(options);
  if (const std::optional<int> ended = run.StartUp()) return *ended;
  if (const std::optional<int> ended = run.OpenGame()) return *ended;
  return run.Ending(run.Play());
}
