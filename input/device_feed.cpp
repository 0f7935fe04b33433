#include "input/device_feed.h"

#include <bit>

#include "input/device_changes.h"

const std::string& DeviceFeed::Error() const {
  static const std::string kNone;
  return kNone;
}

void ApplyChange(DeviceState& state, const DeviceChange& change) {
  if (change.kind == ChangeKind::Key) {
    state.keys[change.code] = change.down ? 1 : 0;
    return;
  }
  if (change.kind == ChangeKind::Focus) {
    state.unfocused = change.down;
    return;
  }
  PadState& pad = state.pads[change.code];
  switch (change.kind) {
    case ChangeKind::Button:
      if (change.down)
        pad.buttons |= 1u << change.button;
      else
        pad.buttons &= ~(1u << change.button);
      break;
    case ChangeKind::AxisX:
      pad.x = change.value;
      break;
    case ChangeKind::AxisY:
      pad.y = change.value;
      break;
    case ChangeKind::Connected:
      pad.connected = change.down;
      break;
    case ChangeKind::Unplug:
      pad = PadState{};
      break;
    case ChangeKind::Key:
    case ChangeKind::Focus:
      break;
  }
}

void AppendChanges(const DeviceState& from, const DeviceState& to, int frame,
                   std::vector<DeviceChange>& changes) {
  if (from.unfocused != to.unfocused) {
    changes.push_back({.frame = frame, .kind = ChangeKind::Focus, .down = to.unfocused});
  }
  for (int key = 0; key < static_cast<int>(to.keys.size()); ++key) {
    if ((from.keys[key] != 0) != (to.keys[key] != 0)) {
      changes.push_back(
          {.frame = frame, .code = static_cast<uint8_t>(key), .down = to.keys[key] != 0});
    }
  }
  for (uint8_t port = 0; port < kMaxRecordedPads; ++port) {
    const PadState& a = from.pads[port];
    const PadState& b = to.pads[port];
    if (a.connected != b.connected) {
      changes.push_back(
          {.frame = frame, .kind = ChangeKind::Connected, .code = port, .down = b.connected});
    }
    for (uint8_t button = 0; button < 32; ++button) {
      const uint32_t bit = 1u << button;
      if ((a.buttons ^ b.buttons) & bit) {
        changes.push_back({.frame = frame,
                           .kind = ChangeKind::Button,
                           .code = port,
                           .button = button,
                           .down = (b.buttons & bit) != 0});
      }
    }
    // Bit for bit, so that -0.0 and 0.0 (or two NaNs) are told apart and the replay is exact.
    if (std::bit_cast<uint32_t>(a.x) != std::bit_cast<uint32_t>(b.x)) {
      changes.push_back({.frame = frame, .kind = ChangeKind::AxisX, .code = port, .value = b.x});
    }
    if (std::bit_cast<uint32_t>(a.y) != std::bit_cast<uint32_t>(b.y)) {
      changes.push_back({.frame = frame, .kind = ChangeKind::AxisY, .code = port, .value = b.y});
    }
  }
}

namespace {

class ChangeFeed final : public DeviceFeed {
 public:
  ChangeFeed(const DeviceState& initial, std::vector<DeviceChange> changes)
      : state_(initial), changes_(std::move(changes)) {}
  ~ChangeFeed() override { OverrideDeviceState(nullptr); }

  void BeginFrame(int frame) override {
    while (next_ < changes_.size() && changes_[next_].frame <= frame) {
      ApplyChange(state_, changes_[next_++]);
    }
    OverrideDeviceState(&state_);
  }
  const DeviceState& FrameState() const override { return state_; }

 private:
  DeviceState state_;
  std::vector<DeviceChange> changes_;
  size_t next_ = 0;
};

}  // namespace

std::unique_ptr<DeviceFeed> MakeChangeFeed(const DeviceState& initial,
                                           std::vector<DeviceChange> changes) {
  return std::make_unique<ChangeFeed>(initial, std::move(changes));
}
