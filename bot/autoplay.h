#pragma once
// The autoplay bot: plays the heroine from the title to the end of a game, for tests, soak runs,
// benchmarks and anyone who wants to watch. It looks at the world as a player would (the
// characters, their planes, positions, modes and hit points, her mana, the segment's step) and
// acts only through the device state of each frame, exactly as a keyboard would: it is a device
// feed like an input script, so a run it plays can be recorded and replayed without it. It never
// writes game state, and it draws its choices from a generator of its own, seeded with the run,
// so a seed plays the same game every time.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "input/device_feed.h"

class TGameSegment;
class TWindowTitle;

// What is on the screen, as the program tells the bot each frame.
struct BotView {
  enum class Screen { Title, OtherMenu, Game };
  Screen screen = Screen::Title;
  const TWindowTitle* title = nullptr;    // the title window, on the title
  const TGameSegment* segment = nullptr;  // the segment being played, in the game
  int segmentIndex = -1;                  // 0 skill list, 1 and 2 the stages, 3 the map
  int lastSegment = 3;                    // the segment after which the title returns
  bool paused = false;                    // the pause or the back-to-title question is up
};

// How a game the bot plays ends.
enum class BotOutcome {
  Playing,
  Finished,  // the map played out and the title came back
  GameOver,  // the title came back after a game over
  Stalled,   // nothing moved on (segment and step) for kStallFrames frames
};

// Frames without progress after which a game counts as stuck.
constexpr int kStallFrames = 20000;

class Autoplay final : public DeviceFeed {
 public:
  // `look` describes the screen; it is asked once per frame, before the frame's update.
  Autoplay(uint32_t seed, std::function<BotView()> look);
  ~Autoplay() override;

  void BeginFrame(int frame) override;
  const DeviceState& FrameState() const override;

  BotOutcome Outcome() const;
  // One line for the end of a run: the outcome, the frames it took and where it stopped.
  std::string Summary() const;

 private:
  struct Brain;
  std::unique_ptr<Brain> brain_;
};
