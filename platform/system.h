#pragma once
// Window, presentation, keyboard, gamepads, frame timer, clock and random numbers.
// Free functions over process-wide state: the game calls them from everywhere.

#include <array>
#include <cstdint>
#include <string>

// ---- Back ends -------------------------------------------------------------------------------

enum class BackendKind {
  Sdl,       // a real window, the accelerated renderer, a real audio device
  Headless,  // offscreen window, virtual clock, injected devices, silent audio
};

// Chooses the back end once, before any other platform call. Returns false and fills
// PlatformError() when SDL cannot start.
bool InitPlatform(BackendKind kind);
void ShutdownPlatform();
// The process is about to end: silences the audio device and lets the window, the renderer and
// the graphics driver go with the process. Unloading the driver by hand gains nothing and makes
// leak checkers report the driver's own allocations as ours.
void ExitPlatform();
// True once ExitPlatform ran: textures are no longer released one by one.
bool PlatformExiting();
BackendKind CurrentBackend();
bool IsHeadless();
const std::string& PlatformError();

// Hands memory freed by loading back to the system (decoding leaves large freed blocks behind).
void ReleaseFreeMemory();

// ---- Window and presentation ------------------------------------------------------------------

// Caption of the next window OpenGraphics opens.
extern std::string AppTitle;

// Closes the current window, then opens one of width x height: depth 0 windowed, anything
// else borderless desktop full screen. The game draws width x height pixels whatever size the
// window takes: a window may be resized and maximised, and Alt+Enter switches between the window
// and full screen at any time; the picture is scaled to fit (FitPicture). Returns false (and
// PlatformError() says why) when no window could be opened.
bool OpenGraphics(int width, int height, int depth, int hz, int flags);
void CloseGraphics();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
// Incremented (skipping 0) every time a window is opened or closed.
int GraphicsSequence();

// Where a picture of width x height lands in an output of outputWidth x outputHeight: as large
// as fits with its aspect kept, centred, the rest left for black bars.
struct PictureBox {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PictureBox&) const = default;
};
PictureBox FitPicture(int outputWidth, int outputHeight, int width, int height);

// Presents the back buffer. sync -1 paces by the window's pacing mode, 0 at once, 1 at vblank.
void Flip(int sync);
// A frame that draws nothing (runs with --no-draw): events, pacing and sound as Flip, but no
// picture is scaled into the window or presented.
void FlipWithoutPicture();
// 1 once per close request (close box, Alt+F4, system, or a terminating signal such as SIGTERM,
// SIGINT, SIGHUP, SIGPIPE or SIGUSR1), then 0.
int AppTerminate();
// The number of the first terminating signal that asked this run to end, 0 when none did.
int EndingSignal();
void HideMouse();
// Gives the current window the picture of an asset name (a file or an embedded "incbin::" name)
// as its icon; nothing happens when it cannot be read.
void SetWindowIcon(const std::string& name);

enum class PacingMode { None, Soft, Hard };
PacingMode CurrentPacingMode();

// The soft pacing schedule of a window: presentation times in milliseconds.
struct SoftPacing {
  int rate = 0;    // hz
  int period = 0;  // 1000 div hz
  int frac = 0;    // 1000 - period * hz
  int accum = 0;
  int next = 0;  // next presentation time
  void Start(int hz, int now);
  // Advances the schedule by one frame; returns how long to sleep (0 when late, and then the
  // schedule restarts from now).
  int Advance(int now);
};

// ---- Keyboard and gamepads ---------------------------------------------------------------------

// Windows virtual-key numbering; left/right Shift, Control, Alt are 160 to 165. A key that went
// down and up again before anything read it (a tap shorter than a frame) reads as down until the
// end of the frame that reads it (Flip ends a frame), or of the next one at most.
int KeyDown(int key);
// True while the window does not have the focus (answered from the override when one is set).
bool WindowUnfocused();
int JoyCount();
int JoyDown(int button, int port);
float JoyX(int port);
float JoyY(int port);

// Every device reading of one frame, as scripts, recordings and tests set it.
constexpr int kMaxRecordedPads = 4;
struct PadState {
  bool connected = false;
  uint32_t buttons = 0;  // bit b = button b held
  float x = 0, y = 0;    // -1 left/top .. +1 right/bottom
  bool operator==(const PadState&) const = default;
};
struct DeviceState {
  std::array<uint8_t, 256> keys{};
  std::array<PadState, kMaxRecordedPads> pads{};
  bool unfocused = false;  // the window has lost the focus: keys read up, pads are not read
  bool operator==(const DeviceState&) const = default;
};

// The devices as they are now (events processed first); a tap reads as down, as in KeyDown.
DeviceState ReadDeviceState();
// While an override is set, KeyDown, JoyCount, JoyDown, JoyX and JoyY answer from it instead of
// the devices. nullptr returns to the devices. The pointer must stay valid while set.
void OverrideDeviceState(const DeviceState* state);

// State injection for the headless back end (and tests): these change the "live" devices.
namespace headless {
void SetKey(int key, bool down);
void SetPad(int port, const PadState& pad);
void ReleaseAll();
// Window events as the system would deliver them.
void LoseFocus();
void GainFocus();
void RequestClose();
// The virtual clock, in milliseconds.
void AdvanceClock(int ms);
}  // namespace headless

// ---- Timing -----------------------------------------------------------------------------------

struct TTimer;
// A periodic timer of 1000 div hz milliseconds; at most 16 exist. nullptr when hz <= 0 or full.
TTimer* CreateTimer(int hz);
// Processes events and sleeps until the timer ticked since the last wait; returns the ticks.
int WaitTimer(TTimer* handle);
// Milliseconds since start (virtual in the headless back end).
int MilliSecs();
// Sleeps, processing events (advances the virtual clock when headless).
void Delay(int ms);

// ---- Random numbers and math -------------------------------------------------------------------

void SeedRnd(int seed);
int RndSeedState();
// A uniform double in [0, 1), two generator steps.
double RndDouble();
int Rand(int min, int max);

double Sin(double degrees);
double Cos(double degrees);
