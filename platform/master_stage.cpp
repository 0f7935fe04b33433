#include "platform/master_stage.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform_detail {

namespace {
float DbToGain(double db) { return static_cast<float>(std::pow(10.0, db / 20.0)); }
}  // namespace

MasterStage::MasterStage(int rate)
    : lookAhead_(std::max(1, static_cast<int>(std::lround(rate * kLimiterLookAheadSeconds)))),
      headroom_(DbToGain(kMasterHeadroomDb)),
      ceiling_(static_cast<float>(CeilingSample())),
      releaseStep_(static_cast<float>(1.0 - std::exp(-1.0 / (rate * kLimiterReleaseSeconds)))),
      needs_(static_cast<size_t>(lookAhead_)),
      window_(static_cast<size_t>(lookAhead_), 1.0f),
      windowSum_(lookAhead_),
      delay_(static_cast<size_t>(lookAhead_) * 2, 0.0f) {
  // A windowed sinc for each point a quarter, a half and three quarters of the way from the
  // middle sample to the next.
  for (int k = 0; k < kBetween; ++k) {
    for (int j = 0; j < kTaps; ++j) {
      const double d = kTaps / 2 - 1 + (k + 1) / 4.0 - j;
      const double x = std::numbers::pi * d;
      const double sinc = std::sin(x) / x;
      const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * d / (kTaps / 2));
      between_[k][j] = static_cast<float>(sinc * window);
    }
  }
}

int MasterStage::CeilingSample() {
  return static_cast<int>(std::floor(32768.0 * DbToGain(kMasterCeilingDb)));
}

void MasterStage::Process(const float* sum, int16_t* out, int frames) {
  const int size = lookAhead_;
  for (int i = 0; i < frames; ++i, ++frame_) {
    // The frame kTaps / 2 back, and the highest the wave rises from it to the next one.
    float frame[2];
    float peak = 0;
    for (int side = 0; side < 2; ++side) {
      float* history = history_[side];
      history[historyAt_] = history[historyAt_ + kTaps] = sum[2 * i + side] * headroom_;
      const float* taps = history + historyAt_ + 1;  // the oldest first
      frame[side] = taps[kTaps / 2 - 1];
      peak = std::max(peak, std::fabs(frame[side]));
      for (const float(&coefficients)[kTaps] : between_) {
        float v = 0;
        for (int j = 0; j < kTaps; ++j) v += coefficients[j] * taps[j];
        peak = std::max(peak, std::fabs(v));
      }
    }
    historyAt_ = (historyAt_ + 1) % kTaps;
    const float left = frame[0], right = frame[1];
    const float need = peak > ceiling_ ? ceiling_ / peak : 1.0f;

    // The window's smallest need: older candidates leave at the front, and a new need hides
    // every larger one before it, which can never be the smallest again.
    if (needsCount_ > 0 && needs_[needsFront_].frame <= frame_ - size) {
      needsFront_ = (needsFront_ + 1) % size;
      --needsCount_;
    }
    while (needsCount_ > 0 && needs_[(needsFront_ + needsCount_ - 1) % size].gain >= need)
      --needsCount_;
    needs_[(needsFront_ + needsCount_) % size] = {frame_, need};
    ++needsCount_;
    const float held = needs_[needsFront_].gain;

    // Down at once, back up slowly; the mean over the window then spreads the way down over the
    // look-ahead, so the gain is fully down when the peak itself comes out.
    released_ = held < released_ ? held : released_ + (held - released_) * releaseStep_;
    windowSum_ += static_cast<double>(released_) - window_[at_];
    window_[at_] = released_;
    const auto gain = static_cast<float>(windowSum_ / size);

    delay_[2 * at_] = left;
    delay_[2 * at_ + 1] = right;
    at_ = (at_ + 1) % size;
    for (int side = 0; side < 2; ++side) {
      // The clamp only catches the last bit of rounding in the running mean.
      const float v = std::clamp(delay_[2 * at_ + side] * gain, -ceiling_, ceiling_);
      out[2 * i + side] = static_cast<int16_t>(std::lrint(v));
    }
  }
}

}  // namespace platform_detail
