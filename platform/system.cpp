// Window, events, keyboard, gamepads, timers, clock and random numbers over SDL2.

#include "platform/system.h"

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <numbers>
#include <string_view>
#include <vector>

#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/internal.h"
#include "platform/log.h"

std::string AppTitle;

namespace {

constexpr int kKeyCount = 256;
constexpr int kMaxPorts = 256;
constexpr int kMaxTimers = 16;
constexpr float kStickDeadZone = 0.2f;

// The device behind one gamepad port; a pulled pad leaves its port empty.
struct Port {
  SDL_GameController* controller = nullptr;
  SDL_Joystick* joystick = nullptr;  // raw device when SDL knows no controller mapping
  SDL_JoystickID instance = -1;
};

struct TimerSlot {
  int periodMs = 0;
  int ticks = 0;
  int ticksAtWait = 0;
  int startMs = 0;  // headless: ticks follow the virtual clock from here
  SDL_TimerID sdlTimer = 0;
  bool used = false;
};

struct PlatformState {
  bool initialised = false;
  BackendKind backend = BackendKind::Sdl;
  std::string error;

  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  // The picture of the mode's size the game draws into while the window has another size; Flip
  // scales it into the window.
  SDL_Texture* target = nullptr;
  int width = 0, height = 0, depth = 0, hz = 0;
  bool fullScreen = false;
  SDL_Rect windowed{};  // where the window goes back to when it leaves full screen
  int sequence = 0;
  PacingMode pacing = PacingMode::None;
  SoftPacing soft;
  int vsync = -1;                                  // what the renderer is set to, -1 unknown
  bool software = false;                           // the renderer is SDL's software renderer
  Uint32 opaqueFormat = SDL_PIXELFORMAT_ARGB8888;  // see OpaqueTextureFormat
  // Offscreen windows never swap, and a GL driver then keeps every frame's commands queued;
  // headless presents finish the frame's drawing through this instead.
  void (*finishGl)() = nullptr;
  // The GL driver stays loaded from the first window to shutdown, however many windows come and
  // go: reloading it for each window costs time, and leak checkers cannot see into a driver
  // that was unloaded.
  bool glLoaded = false;
  bool mouseHidden = false;

  std::array<uint8_t, kKeyCount> keys{};
  std::array<int, kKeyCount> keyHits{};  // presses since the key was last read
  // A key let go before anything read it stays down until the frame given here has ended (0
  // for none): a tap shorter than a frame still reads as down once.
  std::array<int, kKeyCount> tapEndsAfter{};
  int taps = 0;    // keys held by tapEndsAfter
  int frames = 0;  // frames presented so far
  bool closeRequest = false;
  bool unfocused = false;  // the window lost the focus and has not had it back
  bool processing = false;

  std::vector<Port> ports;
  bool joyCounted = false;
  std::array<PadState, kMaxRecordedPads> injectedPads{};  // headless devices
  const DeviceState* override = nullptr;

  std::array<TimerSlot, kMaxTimers> timers{};
  Uint32 timerEvent = 0;
  int virtualMs = 0;
  Uint64 startCounter = 0;

  int rndState = 4660;
};

PlatformState g;

// Every signal whose default would end the process without a word is a close request instead:
// the run ends between frames and saves what it writes (a recording killed mid-write cannot be
// replayed). Faults (SIGSEGV, SIGABRT ...) keep their default; SIGXFSZ is ignored by the program,
// so that a file-size limit fails a write with a reason.
constexpr int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM,  SIGPIPE,
                                  SIGALRM, SIGUSR1, SIGUSR2, SIGPROF,  SIGVTALRM,
                                  SIGXCPU, SIGIO,   SIGPWR,  SIGSTKFLT};
volatile std::sig_atomic_t pendingSignal = 0;  // set by the handler, taken between frames
int endingSignal = 0;                          // the first one taken
void OnEndingSignal(int signal) {
  if (pendingSignal == 0) pendingSignal = signal;
}

void CatchEndingSignals() {
  struct sigaction action {};
  action.sa_handler = OnEndingSignal;
  sigemptyset(&action.sa_mask);
  // Reads and writes go on where they were: the run ends at the next frame, not in mid-write.
  action.sa_flags = SA_RESTART;
  for (int signal : kEndingSignals) sigaction(signal, &action, nullptr);
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) sigaction(signal, &action, nullptr);
}

int NowMs() {
  if (g.backend == BackendKind::Headless) return g.virtualMs;
  return static_cast<int>(SDL_GetTicks64() - g.startCounter);
}

void ClearKeys() {
  g.keys.fill(0);
  g.keyHits.fill(0);
  g.tapEndsAfter.fill(0);
  g.taps = 0;
}

// The end of a frame: a tapped key that was read, or has waited a whole frame, is let go.
void EndTaps() {
  ++g.frames;
  if (g.taps == 0) return;
  for (int key = 0; key < kKeyCount; ++key) {
    int& endsAfter = g.tapEndsAfter[key];
    if (endsAfter == 0 || (g.keyHits[key] > 0 && g.frames < endsAfter)) continue;
    endsAfter = 0;
    g.keys[key] = 0;
    --g.taps;
  }
}

void ForgetTap(int key) {
  if (g.tapEndsAfter[key] == 0) return;
  g.tapEndsAfter[key] = 0;
  --g.taps;
}

// Mesa's software GL reserves hundreds of megabytes of address space for its threads and code
// and crashes when a limit refuses it (ulimit -v): under such a limit, SDL's own software
// renderer draws the same pictures instead.
bool AddressSpaceLimited() {
  rlimit limit{};
  return getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
}

void IncrementSequence() {
  ++g.sequence;
  if (g.sequence == 0) g.sequence = 1;
}

// ---- Gamepads ----------------------------------------------------------------------------------

void ClosePort(Port& port) {
  if (port.controller)
    SDL_GameControllerClose(port.controller);
  else if (port.joystick)
    SDL_JoystickClose(port.joystick);
  port.controller = nullptr;
  port.joystick = nullptr;
  port.instance = -1;
}

bool OpenPort(Port& port, int deviceIndex) {
  if (SDL_IsGameController(deviceIndex)) {
    port.controller = SDL_GameControllerOpen(deviceIndex);
    if (port.controller) port.joystick = SDL_GameControllerGetJoystick(port.controller);
  } else {
    port.joystick = SDL_JoystickOpen(deviceIndex);
  }
  if (!port.joystick) return false;
  port.instance = SDL_JoystickInstanceID(port.joystick);
  return true;
}

// One line of the log for each pad that comes or goes, as "pad plugged in: NAME as pad 1".
void LogPad(const char* what, const Port& port, size_t index) {
  const char* name = port.joystick ? SDL_JoystickName(port.joystick) : nullptr;
  LogEvent(std::string("pad ") + what + ": " + (name ? name : "unnamed") + " as pad " +
           std::to_string(index + 1));
}

bool PortHasInstance(SDL_JoystickID instance) {
  return std::any_of(g.ports.begin(), g.ports.end(),
                     [&](const Port& port) { return port.instance == instance; });
}

// A pad plugged in takes the first empty port, so a pad pulled and plugged in again comes back
// as the same player.
void AddDevice(int deviceIndex) {
  if (PortHasInstance(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
  Port port;
  if (!OpenPort(port, deviceIndex)) return;
  auto slot = std::find_if(g.ports.begin(), g.ports.end(),
                           [](const Port& used) { return used.instance < 0; });
  if (slot == g.ports.end()) {
    if (static_cast<int>(g.ports.size()) == kMaxPorts) {
      ClosePort(port);
      return;
    }
    slot = g.ports.insert(g.ports.end(), port);
  }
  *slot = port;
  LogPad("plugged in", port, static_cast<size_t>(slot - g.ports.begin()));
}

void RemoveDevice(SDL_JoystickID instance) {
  for (size_t index = 0; index < g.ports.size(); ++index) {
    Port& port = g.ports[index];
    if (port.instance != instance) continue;
    LogPad("pulled out", port, index);
    ClosePort(port);
  }
}

float ScaleAxis(Sint16 raw) {
  // The stick's range is 0 .. 65535 once shifted; 2 (p - min) / max - 1.
  const float p = static_cast<float>(raw) + 32768.0f;
  return 2.0f * p / 65535.0f - 1.0f;
}

PadState ReadPort(Port& port) {
  // An empty port, or a pad pulled out whose event is not taken yet: nothing is held any more.
  if (!port.joystick || !SDL_JoystickGetAttached(port.joystick)) return {};
  PadState pad;
  pad.connected = true;
  if (port.controller) {
    // Positional numbering so that the default bindings make sense on any pad.
    static constexpr SDL_GameControllerButton kButtons[] = {
        SDL_CONTROLLER_BUTTON_A,
        SDL_CONTROLLER_BUTTON_B,
        SDL_CONTROLLER_BUTTON_X,
        SDL_CONTROLLER_BUTTON_Y,
        SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
        SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
        SDL_CONTROLLER_BUTTON_BACK,
        SDL_CONTROLLER_BUTTON_LEFTSTICK,
        SDL_CONTROLLER_BUTTON_RIGHTSTICK,
        SDL_CONTROLLER_BUTTON_START,
        SDL_CONTROLLER_BUTTON_GUIDE,
    };
    for (int b = 0; b < static_cast<int>(std::size(kButtons)); ++b) {
      if (SDL_GameControllerGetButton(port.controller, kButtons[b])) pad.buttons |= 1u << b;
    }
    pad.x = ScaleAxis(SDL_GameControllerGetAxis(port.controller, SDL_CONTROLLER_AXIS_LEFTX));
    pad.y = ScaleAxis(SDL_GameControllerGetAxis(port.controller, SDL_CONTROLLER_AXIS_LEFTY));
    const bool stickResting =
        std::fabs(pad.x) < kStickDeadZone && std::fabs(pad.y) < kStickDeadZone;
    if (stickResting) {
      auto held = [&](SDL_GameControllerButton b) {
        return SDL_GameControllerGetButton(port.controller, b) != 0;
      };
      const int dx = held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) - held(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
      const int dy = held(SDL_CONTROLLER_BUTTON_DPAD_DOWN) - held(SDL_CONTROLLER_BUTTON_DPAD_UP);
      if (dx != 0 || dy != 0) {
        pad.x = static_cast<float>(dx);
        pad.y = static_cast<float>(dy);
      }
    }
  } else {
    const int count = std::min(SDL_JoystickNumButtons(port.joystick), 32);
    for (int b = 0; b < count; ++b) {
      if (SDL_JoystickGetButton(port.joystick, b)) pad.buttons |= 1u << b;
    }
    if (SDL_JoystickNumAxes(port.joystick) >= 2) {
      pad.x = ScaleAxis(SDL_JoystickGetAxis(port.joystick, 0));
      pad.y = ScaleAxis(SDL_JoystickGetAxis(port.joystick, 1));
    }
  }
  return pad;
}

PadState ReadLivePad(int port) {
  if (port < 0) return {};
  if (g.backend == BackendKind::Headless) {
    return port < kMaxRecordedPads ? g.injectedPads[port] : PadState{};
  }
  if (port >= static_cast<int>(g.ports.size())) return {};
  SDL_GameControllerUpdate();
  return ReadPort(g.ports[port]);
}

// The live reading of a port, from the device or, headless, from the injected state. While the
// window has not the focus, a pad reads as plugged in or not, but released and centred: a pad
// left on the desk must not play a game in the background.
PadState LivePad(int port) {
  PadState pad = ReadLivePad(port);
  if (g.unfocused) pad = PadState{.connected = pad.connected};
  return pad;
}

PadState CurrentPad(int port) {
  if (g.override) {
    return (port >= 0 && port < kMaxRecordedPads) ? g.override->pads[port] : PadState{};
  }
  return LivePad(port);
}

// ---- Window size -------------------------------------------------------------------------------

// The game draws straight into a window of its mode's size; into one of any other size (resized,
// maximised, full screen) it draws a picture of the mode's size that PresentPicture scales into
// the window. False when that picture cannot be made: the game then draws into the window's
// corner.
bool MatchTargetToWindow() {
  // Measured with no picture set, which would give its own size.
  SDL_SetRenderTarget(g.renderer, nullptr);
  int outputWidth = 0, outputHeight = 0;
  SDL_GetRendererOutputSize(g.renderer, &outputWidth, &outputHeight);
  const bool scaled = outputWidth != g.width || outputHeight != g.height;
  if (g.target && !scaled) {
    SDL_DestroyTexture(g.target);
    g.target = nullptr;
  } else if (!g.target && scaled) {
    g.target = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                 g.width, g.height);
    if (!g.target) return false;
    SDL_SetTextureBlendMode(g.target, SDL_BLENDMODE_NONE);
  }
  if (g.target && SDL_SetRenderTarget(g.renderer, g.target) != 0) {
    SDL_DestroyTexture(g.target);
    g.target = nullptr;
    return false;
  }
  return true;
}

// Borderless full screen covers the display the window is on, and leaving it gives the window
// back its place and size. The window is moved and sized by hand as well, so that it covers the
// screen without a window manager to do it (a bare X server).
void SetFullScreen(bool on) {
  if (!g.window || on == g.fullScreen) return;
  g.fullScreen = on;
  if (!on) {
    SDL_SetWindowFullscreen(g.window, 0);
    SDL_SetWindowBordered(g.window, SDL_TRUE);
    SDL_SetWindowSize(g.window, g.windowed.w, g.windowed.h);
    SDL_SetWindowPosition(g.window, g.windowed.x, g.windowed.y);
    return;
  }
  SDL_GetWindowPosition(g.window, &g.windowed.x, &g.windowed.y);
  SDL_GetWindowSize(g.window, &g.windowed.w, &g.windowed.h);
  SDL_Rect desktop{};
  if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(g.window)), &desktop) == 0) {
    SDL_SetWindowBordered(g.window, SDL_FALSE);
    SDL_SetWindowPosition(g.window, desktop.x, desktop.y);
    SDL_SetWindowSize(g.window, desktop.w, desktop.h);
  }
  SDL_SetWindowFullscreen(g.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// ---- Events ------------------------------------------------------------------------------------

void HandleWindowEvent(const SDL_WindowEvent& event) {
  // A window closed since (the screen-mode chooser's) may still have events queued.
  if (!g.window || event.windowID != SDL_GetWindowID(g.window)) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
      ClearKeys();
      g.unfocused = true;
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      ClearKeys();
      g.unfocused = false;
      break;
    case SDL_WINDOWEVENT_CLOSE:
      g.closeRequest = true;
      break;
    default:
      break;
  }
}

// Alt+Enter switches between the window and full screen; its Enter is not a key of the game.
bool IsFullScreenChord(const SDL_KeyboardEvent& event) {
  const SDL_Scancode scancode = event.keysym.scancode;
  return (scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER) &&
         (event.keysym.mod & KMOD_ALT) != 0;
}

void HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN: {
      if (event.key.repeat) break;
      if (IsFullScreenChord(event.key)) {
        SetFullScreen(!g.fullScreen);
        break;
      }
      const int key = platform_detail::VirtualKeyFromScancode(event.key.keysym.scancode);
      if (key <= 0) break;
      if (!g.keys[key] || g.tapEndsAfter[key] != 0) ++g.keyHits[key];
      ForgetTap(key);
      g.keys[key] = 1;
      break;
    }
    case SDL_KEYUP: {
      const int key = platform_detail::VirtualKeyFromScancode(event.key.keysym.scancode);
      if (key <= 0 || !g.keys[key]) break;
      if (g.keyHits[key] > 0) {
        // Down and up again before anything read it: it reads as down through the next frame.
        if (g.tapEndsAfter[key] == 0) ++g.taps;
        g.tapEndsAfter[key] = g.frames + 2;
      } else {
        g.keys[key] = 0;
      }
      break;
    }
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    case SDL_QUIT:
      g.closeRequest = true;
      break;
    case SDL_JOYDEVICEADDED:
      if (g.joyCounted) AddDevice(event.jdevice.which);
      break;
    case SDL_JOYDEVICEREMOVED:
      RemoveDevice(event.jdevice.which);
      break;
    default:
      if (g.timerEvent != 0 && event.type == g.timerEvent) {
        const int slot = event.user.code;
        if (slot >= 0 && slot < kMaxTimers && g.timers[slot].used) ++g.timers[slot].ticks;
      }
      break;
  }
}

Uint32 TimerCallback(Uint32 interval, void* param) {
  SDL_Event event{};
  event.type = g.timerEvent;
  event.user.code = static_cast<int>(reinterpret_cast<intptr_t>(param));
  SDL_PushEvent(&event);
  return interval;
}

void SleepMs(int ms) {
  if (ms <= 0) return;
  if (g.backend == BackendKind::Headless) {
    g.virtualMs += ms;
  } else {
    SDL_Delay(static_cast<Uint32>(ms));
  }
}

// The renderer the game draws with. Without a GPU, and on every machine that tests or records
// the game, drawing is done on the processor either way: SDL's own software renderer, fed the
// trimmed, unmirrored quads this layer sends, draws a stage frame in a fraction of the processor
// time of OpenGL through Mesa's software rasteriser, and on one core where the rasteriser takes
// both. SDL_RENDER_DRIVER still names another, for measuring or for a machine where it serves
// better.
std::string RendererDriver() {
  const char* hint = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  return hint && *hint ? hint : "software";
}

// The index of the named render driver, -1 (SDL's own choice) when there is none of that name.
int RendererIndex(const std::string& name) {
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info{};
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && SDL_strcasecmp(info.name, name.c_str()) == 0)
      return i;
  }
  return -1;
}

void SetVSync(int vsync) {
  if (!g.renderer || g.vsync == vsync) return;
  SDL_RenderSetVSync(g.renderer, vsync);
  g.vsync = vsync;
}

int RndStep(int state) {
  state = (state % 44488) * 48271 - (state / 44488) * 3399;
  if (state < 0) state += 2147483647;
  return state;
}

}  // namespace

// ---- Back ends ---------------------------------------------------------------------------------

bool InitPlatform(BackendKind kind) {
  // A new run: a signal an earlier run in this process was ended by is forgotten.
  pendingSignal = 0;
  endingSignal = 0;
  if (g.initialised) return true;
  g.backend = kind;
  if (kind == BackendKind::Headless) {
    // No display and no sound card: the offscreen driver still renders real pixels.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
  }
  SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  Uint32 systems = SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS;
  if (kind == BackendKind::Sdl) systems |= SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK;
  if (SDL_Init(systems) != 0) {
    g.error = std::string("cannot start SDL: ") + SDL_GetError();
    return false;
  }
  g.timerEvent = SDL_RegisterEvents(1);
  g.startCounter = SDL_GetTicks64();
  g.virtualMs = 0;
  g.initialised = true;
  // After SDL_Init, which would otherwise turn SIGINT and SIGTERM into a nameless close request.
  CatchEndingSignals();
  if (kind == BackendKind::Sdl) JoyCount();
  return true;
}

void ShutdownPlatform() {
  if (!g.initialised) return;
  ShutdownAudio();
  CloseGraphics();
  for (TimerSlot& timer : g.timers) {
    if (timer.sdlTimer) SDL_RemoveTimer(timer.sdlTimer);
    timer = TimerSlot{};
  }
  for (Port& port : g.ports) ClosePort(port);
  g.ports.clear();
  if (g.glLoaded) SDL_GL_UnloadLibrary();
  SDL_Quit();
  const int sequence = g.sequence;  // images keep comparing against it across restarts
  g = PlatformState{};
  g.sequence = sequence;
}

namespace {
bool exiting = false;
}  // namespace

void ExitPlatform() {
  if (!g.initialised) return;
  platform_detail::FlushQuads();
  ShutdownAudio();
  exiting = true;
}

bool PlatformExiting() { return exiting; }

void ReleaseFreeMemory() { malloc_trim(0); }

BackendKind CurrentBackend() { return g.backend; }
bool IsHeadless() { return g.backend == BackendKind::Headless; }
const std::string& PlatformError() { return g.error; }

// ---- Window and presentation -------------------------------------------------------------------

void CloseGraphics() {
  if (!g.window) return;
  platform_detail::ForgetTextures();
  if (g.target) SDL_DestroyTexture(g.target);
  if (g.renderer) SDL_DestroyRenderer(g.renderer);
  g.target = nullptr;
  SDL_DestroyWindow(g.window);
  g.renderer = nullptr;
  g.window = nullptr;
  g.finishGl = nullptr;
  g.software = false;
  g.opaqueFormat = SDL_PIXELFORMAT_ARGB8888;
  g.width = g.height = 0;
  g.fullScreen = false;
  g.vsync = -1;
  IncrementSequence();
  ClearKeys();
}

bool OpenGraphics(int width, int height, int depth, int hz, int flags) {
  (void)flags;
  CloseGraphics();
  if (!g.initialised) {
    g.error = "the platform layer is not started";
    return false;
  }
  // Under an address-space limit only SDL's own software renderer is safe (see above), whatever
  // SDL_RENDER_DRIVER asks for.
  const std::string driver = AddressSpaceLimited() ? "software" : RendererDriver();
  if (driver.starts_with("opengl") && !g.glLoaded) g.glLoaded = SDL_GL_LoadLibrary(nullptr) == 0;
  // The software renderer draws into the window's own pixels; left to itself, SDL would show
  // those through an OpenGL texture, and so through the very rasteriser it stands in for.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const bool fullScreen = depth != 0 && g.backend == BackendKind::Sdl;
  Uint32 windowFlags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
  if (fullScreen) windowFlags |= SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
  // A full-screen window is made the desktop's size from the start: without a window manager
  // to enlarge it (a bare X server), it would stay the mode's size in the middle of the screen.
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
  int windowWidth = width, windowHeight = height;
  SDL_Rect desktop{};
  if (fullScreen && SDL_GetDisplayBounds(0, &desktop) == 0) {
    x = desktop.x;
    y = desktop.y;
    windowWidth = desktop.w;
    windowHeight = desktop.h;
  }
  g.window = SDL_CreateWindow(AppTitle.c_str(), x, y, windowWidth, windowHeight, windowFlags);
  if (!g.window) {
    g.error = "cannot open a " + std::to_string(width) + "x" + std::to_string(height) +
              " window: " + SDL_GetError();
    return false;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  g.renderer = SDL_CreateRenderer(g.window, RendererIndex(driver), 0);
  if (!g.renderer && driver != "software") {
    g.renderer = SDL_CreateRenderer(g.window, -1, SDL_RENDERER_ACCELERATED);
  }
  if (!g.renderer) g.renderer = SDL_CreateRenderer(g.window, -1, SDL_RENDERER_SOFTWARE);
  if (!g.renderer) {
    g.error = std::string("cannot create a renderer: ") + SDL_GetError();
    SDL_DestroyWindow(g.window);
    g.window = nullptr;
    return false;
  }
  // The game draws in real pixels of its mode in every back end, so that a screenshot is the
  // mode's picture, whatever size the window has now or takes later.
  g.width = width;
  g.height = height;
  if (!MatchTargetToWindow()) {
    g.error = "cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
              " picture to draw into: " + SDL_GetError();
    CloseGraphics();
    return false;
  }
  g.fullScreen = fullScreen;
  g.windowed = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height};
  g.unfocused = false;
  if (fullScreen) SDL_WarpMouseInWindow(g.window, width / 2, height / 2);
  SDL_SetRenderDrawBlendMode(g.renderer, SDL_BLENDMODE_BLEND);
  if (g.backend == BackendKind::Sdl) SDL_ShowWindow(g.window);
  SDL_RendererInfo info{};
  g.software = SDL_GetRendererInfo(g.renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
  g.opaqueFormat = SDL_PIXELFORMAT_ARGB8888;
  if (g.software && !g.target) {
    const SDL_Surface* picture = SDL_GetWindowSurface(g.window);
    if (picture && picture->format->format == SDL_PIXELFORMAT_RGB888)
      g.opaqueFormat = SDL_PIXELFORMAT_RGB888;
  }
  g.finishGl = nullptr;
  if (g.backend == BackendKind::Headless && SDL_GetRendererInfo(g.renderer, &info) == 0 &&
      std::string_view(info.name).starts_with("opengl")) {
    g.finishGl = reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFinish"));
  }
  const char* video = SDL_GetCurrentVideoDriver();
  LogEvent("screen: " + std::to_string(width) + "x" + std::to_string(height) +
           (fullScreen ? " full screen" : " window") + ", SDL video driver " +
           (video ? video : "?") + ", renderer " + (info.name ? info.name : "?"));
  g.depth = depth;
  g.hz = hz;
  IncrementSequence();
  ClearKeys();
  if (hz != 0 && depth == 0) {
    g.pacing = PacingMode::Soft;
    g.soft.Start(hz, NowMs());
  } else if (hz != 0) {
    g.pacing = PacingMode::Hard;
  } else {
    g.pacing = PacingMode::None;
  }
  ResetGraphicsState(width, height);
  if (g.mouseHidden) SDL_ShowCursor(SDL_DISABLE);
  return true;
}

bool GraphicsOpen() { return g.window != nullptr; }
int GraphicsWidth() { return g.width; }
int GraphicsHeight() { return g.height; }
int GraphicsSequence() { return g.sequence; }
PacingMode CurrentPacingMode() { return g.pacing; }

void SoftPacing::Start(int hz, int now) {
  rate = hz;
  period = 1000 / hz;
  frac = 1000 - period * hz;
  accum = 0;
  next = now;
}

int SoftPacing::Advance(int now) {
  next += period;
  accum += frac;
  if (accum >= rate) {
    accum -= rate;
    next += 1;
  }
  const int wait = next - now;
  if (wait > 0) return wait;
  next -= wait;
  return 0;
}

PictureBox FitPicture(int outputWidth, int outputHeight, int width, int height) {
  if (width <= 0 || height <= 0 || outputWidth <= 0 || outputHeight <= 0) return {};
  // The side that runs out of room first decides the scale; the other is rounded.
  const int64_t wide = static_cast<int64_t>(outputWidth) * height;
  const int64_t tall = static_cast<int64_t>(outputHeight) * width;
  int w = outputWidth, h = outputHeight;
  if (wide > tall) {
    w = static_cast<int>((static_cast<int64_t>(width) * outputHeight * 2 + height) / (2 * height));
  } else if (wide < tall) {
    h = static_cast<int>((static_cast<int64_t>(height) * outputWidth * 2 + width) / (2 * width));
  }
  return {(outputWidth - w) / 2, (outputHeight - h) / 2, w, h};
}

namespace {

// Shows the mode's picture in the window, scaled with its aspect kept and black bars around it.
void PresentPicture() {
  if (!g.target) {
    SDL_RenderPresent(g.renderer);
    return;
  }
  SDL_SetRenderTarget(g.renderer, nullptr);
  int outputWidth = g.width, outputHeight = g.height;
  SDL_GetRendererOutputSize(g.renderer, &outputWidth, &outputHeight);
  const PictureBox fit = FitPicture(outputWidth, outputHeight, g.width, g.height);
  const SDL_Rect box = {fit.x, fit.y, fit.width, fit.height};
  const bool unscaled = box.w == g.width && box.h == g.height;
  SDL_SetTextureScaleMode(g.target, unscaled ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
  SDL_RenderClear(g.renderer);
  SDL_RenderCopy(g.renderer, g.target, nullptr, &box);
  SDL_RenderPresent(g.renderer);
}

}  // namespace

namespace {
// The frame's pacing: a software sleep, the display's vertical blank, or none.
void PaceFrame(int sync) {
  if (sync == -1) {
    switch (g.pacing) {
      case PacingMode::Soft:
        SetVSync(0);
        SleepMs(g.soft.Advance(NowMs()));
        break;
      case PacingMode::Hard:
        SetVSync(g.backend == BackendKind::Sdl ? 1 : 0);
        break;
      case PacingMode::None:
        SetVSync(0);
        break;
    }
  } else {
    SetVSync(sync == 1 && g.backend == BackendKind::Sdl ? 1 : 0);
  }
}
}  // namespace

void Flip(int sync) {
  platform_detail::ProcessEvents();
  EndTaps();
  if (!g.renderer) return;
  PaceFrame(sync);
  platform_detail::FlushQuads();
  PresentPicture();
  // The next frame is drawn for the window's size, which this frame's events may have changed.
  MatchTargetToWindow();
  if (g.finishGl) g.finishGl();
  platform_detail::ReleaseUnusedTextures();
  UpdateAudio();
}

void FlipWithoutPicture() {
  platform_detail::ProcessEvents();
  EndTaps();
  if (!g.renderer) return;
  PaceFrame(-1);
  UpdateAudio();
}

int AppTerminate() {
  platform_detail::ProcessEvents();
  const bool request = g.closeRequest;
  g.closeRequest = false;
  return request ? 1 : 0;
}

int EndingSignal() { return endingSignal; }

void HideMouse() {
  g.mouseHidden = true;
  if (g.initialised) SDL_ShowCursor(SDL_DISABLE);
}

void SetWindowIcon(const std::string& name) {
  if (!g.window) return;
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> rgba;
  int width = 0, height = 0;
  if (!ReadAssetBytes(name, bytes) || !platform_detail::DecodeImage(bytes, rgba, width, height)) {
    return;
  }
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(rgba.data(), width, height, 32,
                                                            width * 4, SDL_PIXELFORMAT_RGBA32);
  if (!surface) return;
  SDL_SetWindowIcon(g.window, surface);
  SDL_FreeSurface(surface);
}

// ---- Events ------------------------------------------------------------------------------------

namespace platform_detail {

SDL_Window* Window() { return g.window; }
SDL_Renderer* Renderer() { return g.renderer; }
bool SoftwareRenderer() { return g.software; }
Uint32 OpaqueTextureFormat() { return g.opaqueFormat; }

void ProcessEvents() {
  if (!g.initialised || g.processing) return;
  if (const int signal = pendingSignal) {
    pendingSignal = 0;
    if (endingSignal == 0) endingSignal = signal;
    g.closeRequest = true;
  }
  g.processing = true;
  SDL_Event event;
  while (SDL_PollEvent(&event)) HandleEvent(event);
  g.processing = false;
}

}  // namespace platform_detail

// ---- Keyboard and gamepads ---------------------------------------------------------------------

int KeyDown(int key) {
  if (key < 0 || key >= kKeyCount) return 0;
  if (g.override) return g.override->keys[key] ? 1 : 0;
  platform_detail::ProcessEvents();
  g.keyHits[key] = 0;
  return g.keys[key] ? 1 : 0;
}

bool WindowUnfocused() {
  if (g.override) return g.override->unfocused;
  platform_detail::ProcessEvents();
  return g.unfocused;
}

int JoyCount() {
  if (g.override) {
    return static_cast<int>(std::count_if(g.override->pads.begin(), g.override->pads.end(),
                                          [](const PadState& pad) { return pad.connected; }));
  }
  if (g.backend == BackendKind::Headless) {
    return static_cast<int>(std::count_if(g.injectedPads.begin(), g.injectedPads.end(),
                                          [](const PadState& pad) { return pad.connected; }));
  }
  if (!g.initialised) return 0;
  g.joyCounted = true;
  std::vector<SDL_JoystickID> known;  // logged already
  for (Port& port : g.ports) {
    known.push_back(port.instance);
    ClosePort(port);
  }
  g.ports.clear();
  SDL_JoystickUpdate();
  const int devices = SDL_NumJoysticks();
  for (int i = 0; i < devices && static_cast<int>(g.ports.size()) < kMaxPorts; ++i) {
    Port port;
    if (!OpenPort(port, i)) continue;
    g.ports.push_back(port);
    if (std::find(known.begin(), known.end(), port.instance) == known.end())
      LogPad("found", port, g.ports.size() - 1);
  }
  return static_cast<int>(g.ports.size());
}

int JoyDown(int button, int port) {
  if (button < 0 || button > 31) return 0;
  return static_cast<int>((CurrentPad(port).buttons >> button) & 1u);
}

float JoyX(int port) { return CurrentPad(port).x; }
float JoyY(int port) { return CurrentPad(port).y; }

DeviceState ReadDeviceState() {
  platform_detail::ProcessEvents();
  DeviceState state;
  state.keys = g.keys;
  state.unfocused = g.unfocused;
  g.keyHits.fill(0);
  for (int port = 0; port < kMaxRecordedPads; ++port) state.pads[port] = LivePad(port);
  return state;
}

void OverrideDeviceState(const DeviceState* state) { g.override = state; }

namespace headless {

void SetKey(int key, bool down) {
  if (key <= 0 || key >= kKeyCount) return;
  ForgetTap(key);
  if (down && !g.keys[key]) ++g.keyHits[key];
  if (!down) g.keyHits[key] = 0;
  g.keys[key] = down ? 1 : 0;
}

void SetPad(int port, const PadState& pad) {
  if (port < 0 || port >= kMaxRecordedPads) return;
  g.injectedPads[port] = pad;
}

void ReleaseAll() {
  ClearKeys();
  g.injectedPads.fill(PadState{});
}

namespace {
void PushWindowEvent(SDL_WindowEventID what) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = static_cast<Uint8>(what);
  event.window.windowID = g.window ? SDL_GetWindowID(g.window) : 0;
  SDL_PushEvent(&event);
}
}  // namespace

void LoseFocus() { PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST); }
void GainFocus() { PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED); }

void RequestClose() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
}

void AdvanceClock(int ms) {
  if (ms > 0) g.virtualMs += ms;
}

}  // namespace headless

// ---- Timing ------------------------------------------------------------------------------------

TTimer* CreateTimer(int hz) {
  if (hz <= 0 || !g.initialised) return nullptr;
  for (int slot = 0; slot < kMaxTimers; ++slot) {
    TimerSlot& timer = g.timers[slot];
    if (timer.used) continue;
    timer = TimerSlot{};
    timer.used = true;
    timer.periodMs = std::max(1, 1000 / hz);
    timer.startMs = NowMs();
    if (g.backend == BackendKind::Sdl) {
      timer.sdlTimer = SDL_AddTimer(static_cast<Uint32>(timer.periodMs), TimerCallback,
                                    reinterpret_cast<void*>(static_cast<intptr_t>(slot)));
    }
    // The handle is the slot number plus one, never dereferenced.
    return reinterpret_cast<TTimer*>(static_cast<intptr_t>(slot + 1));
  }
  return nullptr;
}

int WaitTimer(TTimer* handle) {
  const intptr_t slot = reinterpret_cast<intptr_t>(handle) - 1;
  if (slot < 0 || slot >= kMaxTimers || !g.timers[slot].used) return 0;
  TimerSlot& timer = g.timers[slot];
  platform_detail::ProcessEvents();
  if (g.backend == BackendKind::Headless) {
    // The virtual clock moves to the next tick; a frame costs exactly one period.
    auto ticksNow = [&] { return (g.virtualMs - timer.startMs) / timer.periodMs; };
    if (ticksNow() == timer.ticksAtWait) {
      g.virtualMs = timer.startMs + (timer.ticksAtWait + 1) * timer.periodMs;
    }
    timer.ticks = ticksNow();
  } else {
    while (timer.ticks == timer.ticksAtWait) {
      SDL_Event event;
      if (SDL_WaitEventTimeout(&event, timer.periodMs)) HandleEvent(event);
      platform_detail::ProcessEvents();
    }
  }
  const int elapsed = timer.ticks - timer.ticksAtWait;
  timer.ticksAtWait = timer.ticks;
  UpdateAudio();
  return elapsed;
}

int MilliSecs() { return NowMs(); }

void Delay(int ms) {
  SleepMs(ms);
  platform_detail::ProcessEvents();
}

// ---- Random numbers and math -------------------------------------------------------------------

void SeedRnd(int seed) {
  g.rndState = seed & 0x7FFFFFFF;
  if (g.rndState == 0 || g.rndState == 0x7FFFFFFF) g.rndState = 4660;
}

int RndSeedState() { return g.rndState; }

double RndDouble() {
  g.rndState = RndStep(g.rndState);
  const int a = g.rndState & 0x1FFFFFFC;
  g.rndState = RndStep(g.rndState);
  const int b = g.rndState & 0x1FFFFFF8;
  return (static_cast<double>(a) + static_cast<double>(b) / 134217728.0) / 536870912.0;
}

int Rand(int min, int max) {
  const int range = max - min;
  const double f = RndDouble();
  if (range > 0) return min + static_cast<int>(f * (range + 1.0));
  return max + static_cast<int>(f * (1.0 - range));
}

double Sin(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }
double Cos(double degrees) { return std::cos(degrees * std::numbers::pi / 180.0); }
