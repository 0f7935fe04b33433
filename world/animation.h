#pragma once
// Frame stepping shared by characters, hit boxes and effects. An animation advances only on a
// tick: a frame whose counter is non-zero and a multiple of the step delay. Since a new mode
// starts its counter at 0 and the update raises it before the mode runs, the first tick of a
// delay d comes d frames after the mode began.

#include <cstdint>

// Frame counters of characters, hit boxes, effects, windows and segments run to this and wrap to 1.
constexpr int32_t kCounterWrap = 1200;

inline int32_t NextDelayCounter(int32_t counter) {
  return counter >= kCounterWrap ? 1 : counter + 1;
}

inline bool IsAnimationTick(int32_t delayCounter, int delay) {
  return delay > 0 && delayCounter != 0 && delayCounter % delay == 0;
}

// One pass through `frames` frames. On a tick: the next frame, or 1 when already on the last, so
// the last frame stays up for one full delay before the caller moves on.
inline float StepAnimation1Way(int32_t& frame, int32_t delayCounter, int frames, int delay) {
  if (!IsAnimationTick(delayCounter, delay)) return 0;
  if (frame < frames - 1) {
    ++frame;
    return 0;
  }
  return 1;
}

// Round and round through `frames` frames.
inline void StepAnimation1WayLoop(int32_t& frame, int32_t delayCounter, int frames, int delay) {
  if (!IsAnimationTick(delayCounter, delay)) return;
  frame = frame < frames - 1 ? frame + 1 : 0;
}

// Forward to the last frame, back to the first, then 1 (or round again when `loop`).
inline float StepAnimation2Way(int32_t& frame, int32_t& forward, int32_t delayCounter, int frames,
                               int delay, bool loop) {
  if (!IsAnimationTick(delayCounter, delay)) return 0;
  if (forward == 1) {
    if (frame < frames - 1) {
      ++frame;
    } else {
      frame = frames - 2;
      forward = 0;
    }
  } else if (frame > 0) {
    --frame;
  } else if (loop) {
    frame = 1;
    forward = 1;
  } else {
    return 1;
  }
  return 0;
}
