#pragma once
// The last stage of the mix: a fixed headroom, then a look-ahead peak limiter on both sides at
// once, so that whatever number of voices sound together no sample leaves the mixer clipped.
// The limiter watches the true peaks, between the samples too (as a converter rebuilds the wave),
// so that the sound stays under its ceiling after the loudspeaker's converter as well. The
// device's callback and the frame-exact mix written to a file each run one.

#include <cstdint>
#include <vector>

namespace platform_detail {

// Gain of the sum before the limiter: room for a few loud effects on top of the music.
constexpr float kMasterHeadroomDb = -5.0f;
// Nothing that leaves the stage is louder than this, between the samples neither: a tenth of a
// decibel under the -1 dBFS the game promises, for the rounding to 16 bits and the interpolation's
// own small error.
constexpr float kMasterCeilingDb = -1.1f;
// How far ahead the limiter looks: it turns the gain down over this long before a peak.
constexpr double kLimiterLookAheadSeconds = 0.005;
// How slowly the gain comes back after a peak. Long enough that the music under a fight does not
// swell and duck with every blow.
constexpr double kLimiterReleaseSeconds = 0.25;

class MasterStage {
 public:
  explicit MasterStage(int rate);

  // Takes `frames` interleaved stereo frames of the voices' sum (on the 16-bit scale) and writes
  // them as 16-bit samples, LatencyFrames() late: the first frames out are silence.
  void Process(const float* sum, int16_t* out, int frames);

  // The largest sample Process writes.
  static int CeilingSample();
  int LatencyFrames() const { return lookAhead_ - 1 + kTaps / 2; }

 private:
  // The peaks between samples are found by interpolating three points between each two, from
  // kTaps samples around them.
  static constexpr int kTaps = 12;
  static constexpr int kBetween = 3;

  struct Need {
    int64_t frame;
    float gain;
  };

  int lookAhead_;      // frames
  float headroom_;     // linear
  float ceiling_;      // on the 16-bit scale
  float releaseStep_;  // share of the way back to the held gain, per frame
  int64_t frame_ = 0;  // frames taken so far
  // The smallest gain the frames of the look-ahead window need, as a queue of candidates whose
  // gains rise from front to back (a ring of lookAhead_ entries).
  std::vector<Need> needs_;
  int needsFront_ = 0, needsCount_ = 0;
  float released_ = 1;  // the held gain after the release
  // The released gains of the window and their running sum: their mean is the gain applied, so
  // it falls smoothly over the look-ahead and is down in full when the peak comes out.
  std::vector<float> window_;
  double windowSum_;
  float between_[kBetween][kTaps];  // the interpolation's coefficients
  // The last kTaps headroomed input frames of each side, written twice so that they always lie
  // in a row: the newest at [history_ + kTaps - 1].
  float history_[2][2 * kTaps] = {};
  int historyAt_ = 0;
  // The headroomed input of the window, two samples a frame, waiting to come out.
  std::vector<float> delay_;
  int at_ = 0;  // ring position of the oldest frame in window_ and delay_
};

}  // namespace platform_detail
