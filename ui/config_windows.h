#pragma once
// The key and pad configuration screens: the player presses, row by row, the key or button for
// each action. A binding takes effect at once; once every row is bound the screen shows that it
// is saving, writes the binding file 120 frames after the last press, and fades back to the
// options. A key already given to an earlier row is refused with a warning.
//
// These screens read the devices themselves, with their own press tracking per key or button:
// 0 up, 1 pressed (and, after a one-frame tap, still 1 once let go), 2 held or spent. Only a
// code at 1 that is down can be bound, so the key that opened the screen must be let go first.
//
// Esc on the keyboard or the back button of the pad leaves either screen before every row is
// bound, with the bindings it found: a player without the device a screen asks for (or with a
// pad of fewer buttons than rows) can always get out. A file that cannot be written is said so,
// on the screen and on standard error; the new bindings then hold until the game ends.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "input/game_input.h"
#include "ui/windows.h"

constexpr int kPadCodes = 10;   // pad buttons 0 to 9
constexpr int kKeyCodes = 227;  // key codes 0 to 226
constexpr int kConfigDone = 5;  // the action counter once every row is bound
constexpr int kWarningFrames = 60;
constexpr int kSaveDelayFrames = 120;

// The name a key is shown by; empty for a code the table does not name (it still works).
const char* KeyName(int code);

constexpr const char* kDuplicateWarning = "One button can only perform one action";
constexpr const char* kSavingNotice = "Saving the new configuration";
constexpr const char* kNotSavedNotice =
    "Could not save: the new configuration lasts until you quit";
constexpr int kKeyCancel = 27;  // Esc
constexpr int kButtonCancel = kPadBackButton;

// What the two screens share; each names its own counter and tracking as the game knows them.
class TWindowConfig : public TMenuWindow {
 public:
  int32_t iWarningCounter = 0;     // frames the duplicate warning stays up
  std::vector<float> xAdjustment;  // half widths of the action labels, Attack/Start first
  float yStartPost = 0;            // y of the first row

  void Init() override;
  void ResetGameDataCustom() override;
  void MoveCustom() override;
  void DrawCustom() override;
  // 1 when `code` is already bound to an earlier row of this pass.
  virtual int CheckDuplicate(int code);
  virtual void DrawButtonName(int code, int row) = 0;
  virtual void DrawAction();
  // Writes the screen's binding file; false when it could not (the old file stays), with `error`
  // saying why.
  virtual bool WriteConfig(std::string* error) = 0;

  // The row being bound: 0 for the first; the number of rows once all are bound.
  int Row();
  // The line under the rows: the saving notice once all are bound (or that the file could not be
  // saved), the duplicate warning while it lasts, else none (nullptr).
  const char* Notice() const;
  // iMode: binding rows, saving, left without saving, or the file could not be written.
  static constexpr int kBinding = 0;
  static constexpr int kSaving = 1;
  static constexpr int kCancelled = 2;
  static constexpr int kNotSaved = 3;

 protected:
  struct Layout {
    std::span<const int> actions;           // the action of each row, in row order
    std::span<const char* const> labels;    // each row's label
    std::span<const char* const> measured;  // the labels xAdjustment is measured on
    float messageRows;  // the saving notice and the warning lie this many rows below the first
  };
  virtual const Layout& Rows() const = 0;
  virtual int32_t& Counter() = 0;  // the action being bound, kConfigDone when all are
  virtual std::span<int32_t> Tracking() = 0;
  virtual bool Down(int code) const = 0;
  // The bindings the screen changes: the pad's or the keyboard's of the player's input.
  virtual ActionArray& Bindings() const = 0;

 private:
  // Esc or the back button: down now; pressed in this frame.
  static bool CancelHeld();
  bool CancelPressed();
  void Save();
  void TrackPresses();
  // Binds the lowest new press that is not a duplicate; true when one was bound.
  bool BindNewPress();
  void DrawCentred(const char* text, float y);

  ActionArray before_{};     // the bindings when the screen opened, back on a cancel
  bool cancelHeld_ = false;  // Esc or the back button down in the last frame
};

class TWindowConfigPad : public TWindowConfig {
 public:
  int32_t iCurrentPad = 0;
  std::array<int32_t, kPadCodes> iPadStatus{};

  void DrawButtonName(int code, int row) override;
  bool WriteConfig(std::string* error) override;

 protected:
  const Layout& Rows() const override;
  int32_t& Counter() override { return iCurrentPad; }
  std::span<int32_t> Tracking() override { return iPadStatus; }
  bool Down(int code) const override;
  ActionArray& Bindings() const override;
};

class TWindowConfigKey : public TWindowConfig {
 public:
  int32_t iCurrentKey = 0;
  std::array<int32_t, kKeyCodes> iKeyStatus{};

  void DrawButtonName(int code, int row) override;
  bool WriteConfig(std::string* error) override;

 protected:
  const Layout& Rows() const override;
  int32_t& Counter() override { return iCurrentKey; }
  std::span<int32_t> Tracking() override { return iKeyStatus; }
  bool Down(int code) const override;
  ActionArray& Bindings() const override;
};
