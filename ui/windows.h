#pragma once
// Full-screen menu windows. Every window runs the same frame cycle (a frame counter, one input
// poll, its own logic, a fade to and from black) and tells the manager what was chosen through
// iExecuteCode, fading to black first; the manager acts once the screen is black.
//
// The menus proper are still to come. Until then the title is a plain stand-in that starts a
// game on Attack/Start, and the options window only settles the difficulty at start-up; the
// other windows are bare TWindow objects the manager can already hold and drive.

#include <cstdint>

class TWindow {
 public:
  virtual ~TWindow() = default;

  int32_t iDelayCounter = 0;  // frames, 1 .. 1200 and round again
  float fAlphaFade = 0;       // the black overlay: 0 clear .. 1 black
  int32_t bFade = 0;          // 0 towards clear, 1 towards black
  int32_t iMode = 0;
  int32_t iStatus = 0;
  int32_t iActiveMenu = 0;
  int32_t iExecuteCode = 0;  // the chosen entry; -1 for none

  virtual void Init() {}
  // Entering the window: it fades in from black.
  virtual void ResetGameData();
  virtual void ResetGameDataCustom() {}
  virtual void Move();
  virtual void MoveCustom() {}
  virtual void Draw();
  virtual void DrawCustom() {}
};

// Entries of the title menu, as iExecuteCode reports them.
constexpr int TITLE_START = 0;
constexpr int TITLE_OPTION = 1;
constexpr int TITLE_CREDIT = 2;
constexpr int TITLE_EXIT = 3;  // the frame loop ends the program

// The stand-in title: the sky, the hills and the game's name, and "Start" on Attack/Start. It
// reads the binding files when it is made and plays the title music.
class TWindowTitle : public TWindow {
 public:
  void Init() override;
  void ResetGameDataCustom() override;
  void MoveCustom() override;
  void DrawCustom() override;
  virtual void ReadConfig();
};

// Stand-in options window: for now it only sets the difficulty to Normal when it is made.
class TWindowOption : public TWindow {
 public:
  void Init() override;
};
