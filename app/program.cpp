// The program's spine: start-up in its fixed order, the screen-mode chooser, the frame loop
// and shutdown.

#include "app/program.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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
#include "platform/crash_report.h"
#include "platform/folders.h"
#include "platform/log.h"
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
constexpr const char* kLogFile = "talvenne.log";
// Every run but a replay records itself here as it goes, the run before kept beside it.
constexpr const char* kFlightFile = "last-run.rec";
constexpr const char* kPreviousFlightFile = "last-run.1.rec";

int Fail(const std::string& message, int status = 1) {
  LogWarning("talvenne: " + message);
  return status;
}

// A file of the game that would not load, and where it was looked for.
int FailToLoad(const char* what, const std::string& name) {
  std::string message = std::string("cannot load ") + what + " " + name;
  if (!name.starts_with(kEmbeddedPrefix)) message += " (looked " + DescribeDataFolders() + ")";
  return Fail(message);
}

// The program finds its files from where it lies, whatever the working folder. Run from its build
// tree it keeps the binding files, its log and its flight recording in the working folder;
// installed, the binding files in the player's configuration folder and the rest in the player's
// state folder. Where there is no configuration folder the run plays on the built-in bindings,
// and where there is no state folder it keeps no log and no flight recording. Both choices last
// for one run: the previous ones come back when it ends.
class ProgramFolders {
 public:
  ProgramFolders() : dataFolders_(DataFolders()), bindingFolder_(CurrentBindingFolder()) {
    const std::filesystem::path program = ProgramFolder();
    SetDataFolders(ProgramDataFolders(program));
    if (IsBuildTree(program)) {
      std::error_code ec;
      stateFolder_ = std::filesystem::current_path(ec);
      return;
    }
    std::string error;
    if (const auto folder = UserFolder(UserFolderKind::Config, error)) {
      SetBindingFolder({true, *folder});
    } else {
      said_.push_back("talvenne: " + error + "; playing with the built-in bindings, none saved");
      SetBindingFolder({false, {}});
    }
    const bool configKept = CurrentBindingFolder().used;
    stateFolder_ = UserFolder(UserFolderKind::State, error);
    // A home the game cannot use costs one line, not one a folder.
    if (!stateFolder_ && configKept) {
      said_.push_back("talvenne: " + error + "; no log or flight recording kept");
    } else if (!stateFolder_) {
      said_.back() += ", and no log or flight recording kept";
    }
    for (const std::string& line : said_) std::fprintf(stderr, "%s\n", line.c_str());
  }
  ~ProgramFolders() {
    SetDataFolders(dataFolders_);
    SetBindingFolder(bindingFolder_);
  }
  ProgramFolders(const ProgramFolders&) = delete;
  ProgramFolders& operator=(const ProgramFolders&) = delete;

  // The path of a file of the run's own (the log, the flight recording), or nothing when there is
  // no folder to keep them in.
  std::optional<std::string> StateFile(const char* name) const {
    if (!stateFolder_) return std::nullopt;
    return (*stateFolder_ / name).string();
  }
  // The lines said on standard error before there was a log to write them in.
  const std::vector<std::string>& Said() const { return said_; }

 private:
  std::vector<std::filesystem::path> dataFolders_;
  BindingFolder bindingFolder_;
  std::optional<std::filesystem::path> stateFolder_;
  std::vector<std::string> said_;
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
  if (EncodeScreenshot(png) && WriteFileAtomically(shot.path, png, &error)) {
    LogEvent("written: " + shot.path);
    return true;
  }
  LogWarning("talvenne: screenshot of frame " + std::to_string(shot.frame) +
             " not written: " + error);
  return false;
}

// Opens the device feed the command line asks for: a script, a replay, the bot or none (a
// recording wraps it once the run's screen mode is known), and holds the run's bindings, which
// `bindings` receives: a replay's own, or what the binding files give. `bot` points at the bot
// when it plays.
bool OpenFeed(CommandLine& options, std::unique_ptr<DeviceFeed>& feed, Autoplay*& bot,
              BindingTables& bindings, std::string& error) {
  // A recording must be replayable (and every run but a replay is recorded), and the bot's
  // choices follow the run's seed: either fixes it.
  if (!forcedSeed && options.replayPath.empty()) forcedSeed = MilliSecs();
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
  ProgramRun(CommandLine& options, int argc, char** argv) : options_(options) {
    for (int i = 1; i < argc; ++i) commandLine_ += std::string(" ") + argv[i];
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
    UninstallCrashReport();
    CloseLog();
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // The whole run; returns its exit status, the log's last line saying how it ended.
  int Go();

 private:
  // The platform, the device feed and the screen mode, while the files load in the background.
  std::optional<int> StartUp();
  // The log, when the run has a folder to keep it in; the first lines say what runs.
  void StartLog();
  // The flight recording, beside the log: wraps the feed.
  void StartFlightRecording(const RecordedRun& run);
  // The window, the loaded files, the game manager and the files the run writes.
  std::optional<int> OpenGame();
  // The frame loop: one update and one drawing per tick of the 60 Hz timer. Returns the status.
  int Play();
  // Saves what the run wrote and says what went wrong; returns the run's exit status.
  int Ending(int status);
  void StartLoading();

  CommandLine& options_;
  std::string commandLine_;
  std::string how_ = "in start-up";  // how the run ended, for the log
  std::string error_;
  TraceWriter trace_;
  std::optional<ProgramFolders> folders_;
  std::unique_ptr<DeviceFeed> feed_;
  DeviceFeed* recorder_ = nullptr;  // the recording --record asked for, in the feed
  DeviceFeed* flight_ = nullptr;    // the flight recording, the feed's outermost
  std::string flightPath_;
  std::string logPath_;
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
  StartLog();
  if (!InitPlatform(options_.headless ? BackendKind::Headless : BackendKind::Sdl)) {
    return Fail(PlatformError());
  }
  LogEvent(std::string("back end: ") + (options_.headless ? "headless" : "SDL"));
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
  if (end == ChooserEnd::Closed) {
    how_ = "at the screen-mode chooser";
    return EndingSignal() ? 128 + EndingSignal() : 0;
  }
  return std::nullopt;
}

void ProgramRun::StartFlightRecording(const RecordedRun& run) {
  const std::optional<std::string> path = folders_->StateFile(kFlightFile);
  if (!path) return;
  std::rename(path->c_str(), folders_->StateFile(kPreviousFlightFile)->c_str());
  std::string error;
  if (auto flight = OpenRecorder(*path, run, std::move(feed_), error, true)) {
    feed_ = std::move(flight);
    flight_ = feed_.get();
    flightPath_ = *path;
    InstallCrashReport(logPath_, flightPath_);
    LogEvent("flight recording: " + *path);
  } else {
    LogWarning("talvenne: " + error + "; no flight recording kept");
  }
}

void ProgramRun::StartLog() {
  const std::optional<std::string> path = folders_->StateFile(kLogFile);
  if (!path) return;
  if (!OpenLog(*path)) {
    std::fprintf(stderr, "talvenne: cannot write the log %s (%s); no log kept\n", path->c_str(),
                 std::strerror(errno));
    return;
  }
  logPath_ = *path;
  InstallCrashReport(logPath_, "");
  char date[32] = "";
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local)) std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S %z", &local);
  LogEvent(std::string(kGameName) + " " + kGameVersion + ", started " + date +
           (commandLine_.empty() ? "" : " with" + commandLine_));
  for (const std::string& line : folders_->Said()) LogEvent(line);
}

int ProgramRun::Go() {
  int status = 0;
  if (const std::optional<int> ended = StartUp()) {
    status = *ended;
  } else if (const std::optional<int> failed = OpenGame()) {
    how_ = "while the game opened";
    status = *failed;
  } else {
    status = Ending(Play());
  }
  if (EndingSignal()) how_ += ", ended by signal " + std::to_string(EndingSignal());
  LogEvent("the run ended " + how_ + ", exit status " + std::to_string(status));
  return status;
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
  LogEvent("screen mode " + std::to_string(ModeNumber(mode_)) + ": " + mode_.label);
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
  if (options_.replayPath.empty()) {
    const RecordedRun run{.seed = *forcedSeed,
                          .screenMode = ModeNumber(mode_),
                          .difficulty = options_.difficulty,
                          .practice = options_.practice,
                          .bindings = bindings_};
    if (!options_.recordPath.empty()) {
      feed_ = OpenRecorder(options_.recordPath, run, std::move(feed_), error_);
      if (!feed_) return Fail(error_, 2);
      recorder_ = feed_.get();
    }
    StartFlightRecording(run);
  }
  if (!options_.audioOutPath.empty() && !audioOut_.Open(options_.audioOutPath, error_)) {
    return Fail(error_, 2);
  }
  return std::nullopt;
}

int ProgramRun::Play() {
  int status = 0;
  HitboxToggle hitboxes(options_.hitboxes);
  const std::optional<int> held = feed_ ? feed_->Frames() : std::nullopt;
  const char* crashAt = std::getenv("TALVENNE_TEST_CRASH_AT_FRAME");
  const int crashAtFrame = crashAt ? std::atoi(crashAt) : -1;
  for (int frame = 0; options_.frames < 0 || frame < options_.frames; ++frame) {
    if (held && frame >= *held) {
      how_ = "with the recording it replays";
      break;
    }
    framesRun_ = frame + 1;
    WaitTimer(timer_);
    SetCrashFrame(frame);
    if (feed_) feed_->BeginFrame(frame);
    // The crash test's fault, once the frame's input is recorded.
    if (frame == crashAtFrame) std::raise(SIGSEGV);
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
    if (AppTerminate()) {
      how_ = "as the window closed";
      break;
    }
    if (bot_ && bot_->Outcome() != BotOutcome::Playing) {
      how_ = "as the bot's game ended";
      break;
    }
    if (Manager->WindowTitle && Manager->WindowTitle->iExecuteCode == TITLE_EXIT) {
      how_ = "by Exit on the title";
      break;
    }
  }
  how_ = "after " + std::to_string(framesRun_) + " frames " +
         (framesRun_ == options_.frames ? std::string("(--frames)") : how_);
  return status;
}

int ProgramRun::Ending(int status) {
  BGMPlayer->Stop();
  for (const Screenshot& shot : options_.screenshots) {
    if (shot.frame < framesRun_) continue;
    status = Fail("screenshot of frame " + std::to_string(shot.frame) +
                  " not written: the run ended after " + std::to_string(framesRun_) + " frames");
  }
  if (bot_) {
    std::printf("%s\n", bot_->Summary().c_str());
    if (bot_->Outcome() == BotOutcome::Stalled) status = 1;
  }
  if (feed_) feed_->Finish();
  if (recorder_ && !recorder_->Error().empty()) {
    status = Fail("recording not saved in full: " + recorder_->Error());
  } else if (recorder_) {
    LogEvent("written: " + options_.recordPath);
  }
  // The flight recording is the game's own: one that fails costs a line, not the run's status.
  if (flight_ && !flight_->Error().empty()) {
    LogWarning("talvenne: flight recording not saved in full: " + flight_->Error());
  } else if (flight_) {
    LogEvent("written: " + flightPath_);
  }
  if (!audioOut_.Close(error_)) {
    status = Fail(error_);
  } else if (!options_.audioOutPath.empty()) {
    LogEvent("written: " + options_.audioOutPath);
  }
  if (!trace_.Close(error_)) {
    status = Fail(error_);
  } else if (!options_.tracePath.empty()) {
    LogEvent("written: " + options_.tracePath);
  }
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
  ProgramRun run(options, argc, argv);
  return run.Go();
}
