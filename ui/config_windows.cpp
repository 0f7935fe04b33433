#include "ui/config_windows.h"

#include <cstdio>
#include <string>

#include "input/binding_files.h"
#include "platform/platform.h"
#include "world/assets.h"
#include "world/globals.h"
#include "world/helpers.h"

namespace {

constexpr float kRowSpacing = 50;
constexpr float kColumnOffset = 200;  // labels left of the middle, names right of it
constexpr float kFirstRowY = 100;

struct NamedKey {
  int code;
  const char* name;
};
// clang-format off
constexpr NamedKey kKeyNames[] = {
  {   8, "Backspace" }, {   9, "Tab"       }, {  13, "Enter"     }, {  27, "Esc"       },
  {  32, "Space"     }, {  33, "Page Up"   }, {  34, "Page Down" }, {  35, "End"       },
  {  36, "Home"      }, {  37, "Left"      }, {  38, "Up"        }, {  39, "Right"     },
  {  40, "Down"      }, {  45, "Insert"    }, {  46, "Delete"    }, {  91, "Left Sys"  },
  {  92, "Right Sys" }, { 106, "*"         }, { 107, "+"         }, { 109, "-"         },
  { 110, "."         }, { 111, "/"         }, { 186, ";"         }, { 187, "="         },
  { 188, ","         }, { 189, "-"         }, { 190, "."         }, { 191, "/"         },
  { 192, "`"         }, { 219, "["         }, { 221, "]"         }, { 222, "'"         },
  { 226, "\\"        },
};
// clang-format on

// Single characters for the ranges: the digit row, the letters, the keypad digits.
struct KeyRange {
  int first, last;
  char name;  // of the first code
};
constexpr KeyRange kKeyRanges[] = {{48, 57, '0'}, {65, 90, 'A'}, {96, 105, '0'}};

TGameInput* PlayerInput() { return GameInput.empty() ? nullptr : GameInput[0].get(); }

// Before the player's input exists the screens bind into this and change nothing.
ActionArray& Unbound() {
  static ActionArray none{};
  return none;
}

}  // namespace

const char* KeyName(int code) {
  // One string per named range code, so the returned text stays valid.
  static const std::array<std::string, kKeyCodes> kRangeNames = [] {
    std::array<std::string, kKeyCodes> names;
    for (const KeyRange& r : kKeyRanges) {
      for (int c = r.first; c <= r.last; ++c)
        names[c] = std::string(1, static_cast<char>(r.name + (c - r.first)));
    }
    return names;
  }();
  for (const NamedKey& k : kKeyNames) {
    if (k.code == code) return k.name;
  }
  if (code >= 0 && code < kKeyCodes) return kRangeNames[code].c_str();
  return "";
}

// ---- What both screens share --------------------------------------------------------------------

void TWindowConfig::Init() {
  SetImageFont(fntProciono18);
  const Layout& layout = Rows();
  xAdjustment.clear();
  for (const char* label : layout.measured) xAdjustment.push_back(HalfTextWidth(label));
  yStartPost = kFirstRowY;
}

void TWindowConfig::ResetGameDataCustom() {
  iMode = kBinding;
  iWarningCounter = 0;
  ResetHighlight();
  Counter() = Rows().actions.front();
  before_ = Bindings();
  // A cancel key already down when the screen opens must be let go first.
  cancelHeld_ = CancelHeld();
  // Whatever is down now (the key that chose this screen) must be let go before it counts.
  std::span<int32_t> tracking = Tracking();
  for (size_t code = 0; code < tracking.size(); ++code) {
    tracking[code] = Down(static_cast<int>(code)) ? 2 : 0;
  }
}

int TWindowConfig::Row() {
  const std::span<const int> actions = Rows().actions;
  for (size_t row = 0; row < actions.size(); ++row) {
    if (actions[row] == Counter()) return static_cast<int>(row);
  }
  return static_cast<int>(actions.size());
}

void TWindowConfig::TrackPresses() {
  std::span<int32_t> tracking = Tracking();
  for (size_t code = 0; code < tracking.size(); ++code) {
    int32_t& status = tracking[code];
    if (Down(static_cast<int>(code))) {
      if (status < 2) ++status;
    } else if (status == 2) {
      status = 0;
    }
  }
}

bool TWindowConfig::BindNewPress() {
  std::span<int32_t> tracking = Tracking();
  for (size_t i = 0; i < tracking.size(); ++i) {
    const int code = static_cast<int>(i);
    if (!Down(code) || tracking[i] == 2) continue;
    if (CheckDuplicate(code) == 1) {
      if (tracking[i] == 1) iWarningCounter = kWarningFrames;
      continue;
    }
    tracking[i] = 1;
    const std::span<const int> actions = Rows().actions;
    const size_t row = static_cast<size_t>(Row());
    Bindings()[actions[row]] = code;
    Counter() = row + 1 < actions.size() ? actions[row + 1] : kConfigDone;
    iDelayCounter = 0;
    return true;
  }
  return false;
}

bool TWindowConfig::CancelHeld() {
  return KeyDown(kKeyCancel) != 0 || JoyDown(kButtonCancel, 0) != 0;
}

bool TWindowConfig::CancelPressed() {
  const bool held = CancelHeld();
  const bool pressed = held && !cancelHeld_;
  cancelHeld_ = held;
  return pressed;
}

void TWindowConfig::Save() {
  std::string error;
  if (WriteConfig(&error)) {
    bFade = 1;
    return;
  }
  std::fprintf(stderr, "talvenne: the new bindings are not saved: %s\n", error.c_str());
  iMode = kNotSaved;
  iDelayCounter = 0;
}

void TWindowConfig::MoveCustom() {
  if (iMode == kBinding) {
    if (CancelPressed()) {
      Bindings() = before_;
      iMode = kCancelled;
      bFade = 1;
      return;
    }
    TrackPresses();
    BindNewPress();
    if (Counter() == kConfigDone) iMode = kSaving;
    PulseHighlight();
  } else if (iMode == kSaving && iDelayCounter == kSaveDelayFrames) {
    Save();
  } else if (iMode == kNotSaved && iDelayCounter == kSaveDelayFrames) {
    bFade = 1;
  }
  if (iWarningCounter > 0) --iWarningCounter;
}

int TWindowConfig::CheckDuplicate(int code) {
  const ActionArray& bindings = Bindings();
  const std::span<const int> actions = Rows().actions;
  const int row = Row();
  for (int r = 0; r < row; ++r) {
    if (bindings[actions[r]] == code) return 1;
  }
  return 0;
}

void TWindowConfig::DrawAction() {
  const std::span<const char* const> labels = Rows().labels;
  const float x = fScreenWidth / 2 - kColumnOffset - xAdjustment.front();
  const int bound = Row();
  for (size_t r = 0; r < labels.size(); ++r) {
    const int kind = static_cast<int>(r) == bound ? TEXT_BLACK : TEXT_WHITE;
    DrawShadowText(kind, labels[r], x, yStartPost + kRowSpacing * r);
  }
}

void TWindowConfig::DrawCentred(const char* text, float y) {
  DrawShadowText(TEXT_WHITE, text, fScreenWidth / 2 - HalfTextWidth(text), y);
}

void TWindowConfig::DrawCustom() {
  const float w = fScreenWidth;
  const Layout& layout = Rows();
  const int row = Row();
  DrawImage(imgMenuBackdrop, w / 2, 0, 0);
  for (size_t r = 0; r < layout.actions.size(); ++r) {
    DrawImage(imgConfigRow, w / 2, yStartPost + kRowSpacing * r, 0);
  }
  SetImageFont(fntProciono18);
  if (iMode == kBinding) DrawHighlight(w / 2 - kColumnOffset, yStartPost + kRowSpacing * row);
  const ActionArray& bindings = Bindings();
  for (int r = 0; r < static_cast<int>(layout.actions.size()); ++r) {
    if (r < row) {
      DrawButtonName(bindings[layout.actions[r]], r);
    } else {
      DrawShadowText(TEXT_WHITE, "-", w / 2 + kColumnOffset, yStartPost + kRowSpacing * r);
    }
  }
  DrawAction();
  if (const char* notice = Notice()) {
    DrawCentred(notice, yStartPost + kRowSpacing * layout.messageRows);
  }
}

const char* TWindowConfig::Notice() const {
  if (iMode == kSaving) return kSavingNotice;
  if (iMode == kNotSaved) return kNotSavedNotice;
  // Shown whichever row is being bound: a press that does nothing always says why.
  if (iWarningCounter > 0) return kDuplicateWarning;
  return nullptr;
}

// ---- The pad screen -----------------------------------------------------------------------------

namespace {

constexpr int kPadRowActions[] = {ACTION_ATTACK, ACTION_MAGIC, ACTION_JUMP, ACTION_DASH,
                                  ACTION_PAUSE};
constexpr const char* kPadRowLabels[] = {"Attack/Start", "Magic", "Jump", "Dash", "Pause"};
constexpr const char* kActionLabels[] = {
    "Attack/Start", "Magic", "Jump", "Dash/Switch Plane", "Pause", "Left", "Up", "Right", "Down"};
constexpr int kKeyRowActions[] = {ACTION_LEFT, ACTION_UP,     ACTION_RIGHT,
                                  ACTION_DOWN, ACTION_ATTACK, ACTION_MAGIC,
                                  ACTION_JUMP, ACTION_DASH,   ACTION_PAUSE};
constexpr const char* kKeyRowLabels[] = {"Left",  "Up",   "Right", "Down", "Attack/Start",
                                         "Magic", "Jump", "Dash",  "Pause"};

}  // namespace

const TWindowConfig::Layout& TWindowConfigPad::Rows() const {
  static const Layout layout{kPadRowActions, kPadRowLabels, std::span(kActionLabels).first(5), 5};
  return layout;
}

bool TWindowConfigPad::Down(int code) const { return JoyDown(code, 0) != 0; }

ActionArray& TWindowConfigPad::Bindings() const {
  TGameInput* input = PlayerInput();
  return input ? input->Gamepad : Unbound();
}

void TWindowConfigPad::DrawButtonName(int code, int row) {
  // Buttons are counted from 1 for the player.
  DrawShadowText(TEXT_WHITE, "Button " + std::to_string(code + 1), fScreenWidth / 2 + kColumnOffset,
                 yStartPost + kRowSpacing * row);
}

bool TWindowConfigPad::WriteConfig(std::string* error) {
  const TGameInput* input = PlayerInput();
  return input && WritePadBindings(*input, error);
}

// ---- The keyboard screen ------------------------------------------------------------------------

const TWindowConfig::Layout& TWindowConfigKey::Rows() const {
  static const Layout layout{kKeyRowActions, kKeyRowLabels, kActionLabels, 10};
  return layout;
}

bool TWindowConfigKey::Down(int code) const { return KeyDown(code) != 0; }

ActionArray& TWindowConfigKey::Bindings() const {
  TGameInput* input = PlayerInput();
  return input ? input->Keyboard : Unbound();
}

void TWindowConfigKey::DrawButtonName(int code, int row) {
  DrawShadowText(TEXT_WHITE, KeyName(code), fScreenWidth / 2 + kColumnOffset,
                 yStartPost + kRowSpacing * row);
}

bool TWindowConfigKey::WriteConfig(std::string* error) {
  const TGameInput* input = PlayerInput();
  return input && WriteKeyBindings(*input, error);
}
