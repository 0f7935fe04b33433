// Input scripts, recordings and replays: what each frame's device queries answer, and that a
// recorded run and its replay see the same input.

#include "input/device_feed.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "input/game_input.h"
#include "platform/system.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

// The fixed part of every recording: magic, format, seed, mode, difficulty, flags, two tables.
constexpr size_t kHeaderBytes = 128;  // with its checksum

RecordedRun Seeded(int seed) {
  RecordedRun run;
  run.seed = seed;
  return run;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}
void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

class DeviceFeedTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InitPlatform(BackendKind::Headless)) << PlatformError();
  }
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "talvenne-feeds-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    OverrideDeviceState(nullptr);
    headless::ReleaseAll();
    fs::remove_all(dir_);
  }

  std::string Path(const char* name) const { return (dir_ / name).string(); }
  // The names in the test's folder, sorted (temporaries, which start with a dot, first).
  std::vector<std::string> FilesHere() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string WriteScript(const std::string& text) const {
    const std::string path = Path("script.txt");
    std::ofstream(path) << text;
    return path;
  }
  std::unique_ptr<DeviceFeed> Script(const std::string& text) {
    std::string error;
    auto feed = OpenInputScript(WriteScript(text), error);
    EXPECT_NE(feed, nullptr) << error;
    return feed;
  }

 private:
  fs::path dir_;
};

// ---- Scripts -----------------------------------------------------------------------------------

TEST_F(DeviceFeedTest, ScriptSetsTheDevicesFrameByFrame) {
  auto feed = Script(R"(# pad 1 is named, so it is plugged in from the start; pad 2 from frame 30

5 pad 1 button 9 down
10 key 88 down     # X
12 key 88 up
7 pad 1 button 9 up
7 pad 1 axis x -1.0
8 pad 1 axis y 0.5
9 key 90 down
9 key 90 up
20 pad 1 disconnect
25 pad 1 button 2 down
30 pad 2 connect
)");
  ASSERT_NE(feed, nullptr);
  headless::SetKey(88, true);  // the live keyboard is not read while the script runs

  struct Frame {
    int key88, key90, start, button2, count;
    float x, y;
    bool operator==(const Frame&) const = default;
  };
  // clang-format off
  const std::pair<int, Frame> checks[] = {
      // frame  X  Z  start b2 pads  x     y
      {0,     {0, 0, 0,    0, 1,    0,    0}},
      {4,     {0, 0, 0,    0, 1,    0,    0}},
      {5,     {0, 0, 1,    0, 1,    0,    0}},
      {6,     {0, 0, 1,    0, 1,    0,    0}},
      {7,     {0, 0, 0,    0, 1,   -1,    0}},
      {8,     {0, 0, 0,    0, 1,   -1,    0.5f}},
      {9,     {0, 0, 0,    0, 1,   -1,    0.5f}},  // Z down and up in one frame: the later wins
      {10,    {1, 0, 0,    0, 1,   -1,    0.5f}},
      {11,    {1, 0, 0,    0, 1,   -1,    0.5f}},
      {12,    {0, 0, 0,    0, 1,   -1,    0.5f}},
      {19,    {0, 0, 0,    0, 1,   -1,    0.5f}},
      {20,    {0, 0, 0,    0, 0,    0,    0}},     // pulled out: released and centred
      {25,    {0, 0, 0,    1, 1,    0,    0}},     // a button plugs it back in
      {29,    {0, 0, 0,    1, 1,    0,    0}},
      {30,    {0, 0, 0,    1, 2,    0,    0}},
  };
  // clang-format on
  int frame = 0;
  for (const auto& [checked, expected] : checks) {
    for (; frame <= checked; ++frame) feed->BeginFrame(frame);
    const Frame seen{KeyDown(88), KeyDown(90), JoyDown(9, 1), JoyDown(2, 1),
                     JoyCount(),  JoyX(1),     JoyY(1)};
    EXPECT_EQ(seen, expected) << "frame " << checked << ": X " << seen.key88 << " Z " << seen.key90
                              << " start " << seen.start << " b2 " << seen.button2 << " pads "
                              << seen.count << " x " << seen.x << " y " << seen.y;
  }

  feed.reset();
  EXPECT_EQ(KeyDown(88), 1) << "the live devices answer again once the feed is gone";
}

// What editors on other systems save: a byte-order mark, CR or CR LF line ends, a plus sign, a
// number written with an exponent.
TEST_F(DeviceFeedTest, ScriptsAsOtherEditorsSaveThemAreRead) {
  const std::string texts[] = {
      "\xEF\xBB\xBF# a BOM\r3 key 88 down\r4 pad 0 axis x +0.5\r5 pad 0 axis y 1e-50\r",
      "\xEF\xBB\xBF"
      "3 key 88 down\r\n4 pad 0 axis x +0.5\r\n5 pad 0 axis y 1e-50\r\n",
      "3 key 88 down\n4 pad 0 axis x 5e-1\n5 pad 0 axis y -1e-50",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    auto feed = Script(text);
    ASSERT_NE(feed, nullptr);
    for (int frame = 0; frame <= 5; ++frame) feed->BeginFrame(frame);
    EXPECT_EQ(KeyDown(88), 1);
    EXPECT_EQ(JoyX(0), 0.5f);
    EXPECT_EQ(JoyY(0), 0.0f);
  }
  // Line numbers count CR and CR LF line ends once each.
  for (const char* end : {"\r", "\r\n"}) {
    std::string error;
    const std::string text = std::string("1 key 88 down") + end + "2 key 88 dwn" + end;
    EXPECT_EQ(OpenInputScript(WriteScript(text), error), nullptr);
    EXPECT_NE(error.find("script.txt:2: "), std::string::npos) << error;
  }
}

struct BadLine {
  const char* line;
  const char* mentions;  // what the error must quote
};

TEST_F(DeviceFeedTest, MalformedLineIsNamedWithItsLineNumber) {
  const BadLine cases[] = {
      {"12 key 300 down", "'300'"},
      {"12 key 0 down", "'0'"},
      {"12 key 0x58 down", "'0x58'"},
      {"12 key 88 dwn", "'dwn'"},
      {"12 key 88", "missing state"},
      {"12 key", "missing key code"},
      {"x12 key 88 down", "'x12'"},
      {"-1 key 88 down", "'-1'"},
      {"99999999999 key 88 down", "'99999999999'"},
      {"12 mouse 1 down", "'mouse'"},
      {"12 key 88 down now", "'now'"},
      {"12 pad 4 button 0 down", "'4'"},
      {"12 pad 0 button 32 down", "'32'"},
      {"12 pad 0 axis z 0.5", "'z'"},
      {"12 pad 0 axis x 1.5", "'1.5'"},
      {"12 pad 0 axis x nan", "'nan'"},
      {"12 pad 0 axis x 1e50", "'1e50'"},
      {"12 pad 0 axis x +-0.5", "'+-0.5'"},
      {"12 pad 0 axis x +", "'+'"},
      {"12 pad 0 axis x", "missing axis value"},
      {"12 pad 0 plug", "'plug'"},
      {"12 window lost", "'lost'"},
      {"12 window", "missing window change"},
  };
  for (const BadLine& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string path =
        WriteScript(std::string("# ok so far\n10 key 88 down\n") + c.line + "\n20 key 88 up\n");
    std::string error;
    EXPECT_EQ(OpenInputScript(path, error), nullptr);
    EXPECT_EQ(error.rfind(path + ":3: ", 0), 0u) << error;
    EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
  }
  std::string error;
  EXPECT_EQ(OpenInputScript(Path("absent.txt"), error), nullptr);
  EXPECT_EQ(error.rfind(Path("absent.txt") + ": ", 0), 0u) << error;
}

// ---- Recordings --------------------------------------------------------------------------------

// What the game sees of the input in one frame: every status and the live held test.
using InputTrace = std::vector<std::vector<int32_t>>;

// Runs frames first .. first + count - 1 of `feed`.
InputTrace RunFrames(DeviceFeed& feed, int first, int count, TGameInput& input,
                     const std::function<void()>& afterBegin = {}) {
  InputTrace trace;
  for (int frame = first; frame < first + count; ++frame) {
    feed.BeginFrame(frame);
    if (afterBegin) afterBegin();
    input.CheckInput();
    std::vector<int32_t> seen(input.KeyboardStatus.begin(), input.KeyboardStatus.end());
    seen.insert(seen.end(), input.GamepadStatus.begin(), input.GamepadStatus.end());
    for (int i = ACTION_LEFT; i <= ACTION_DOWN; ++i) {
      seen.push_back(input.DirectionalButtonPress(i, INPUT_HELD));
    }
    seen.push_back(WindowUnfocused());
    trace.push_back(seen);
  }
  return trace;
}

TGameInput FreshInput() {
  TGameInput input;
  input.Init(0, INPUT_BOTH);
  input.SetDefaultConfig();
  return input;
}

constexpr const char* kPlayScript = R"(
3 key 88 down
4 key 88 up
5 key 88 down
9 key 88 up
6 pad 0 button 0 down
8 pad 0 button 0 up
10 pad 0 axis x -0.2
12 pad 0 axis x -0.25
13 pad 0 axis y -1
15 pad 0 axis x 1
18 pad 0 axis x 0
18 pad 0 axis y 0.2
20 key 37 down
22 key 37 up
24 window unfocused
27 window focused
)";

TEST_F(DeviceFeedTest, ScriptAndItsRecordingDriveTheSameStatuses) {
  constexpr int kFrames = 30;
  TGameInput scripted = FreshInput();
  const InputTrace expected = RunFrames(*Script(kPlayScript), 0, kFrames, scripted);
  // Spot checks that the script did what it says.
  EXPECT_EQ(expected[3][ACTION_ATTACK], INPUT_PRESSED);
  EXPECT_EQ(expected[5][ACTION_ATTACK], INPUT_RELEASED);  // pressed again right after the tap
  EXPECT_EQ(expected[10][kActionCount + ACTION_LEFT], INPUT_UP);  // -0.2 is inside
  EXPECT_EQ(expected[12][kActionCount + ACTION_LEFT], INPUT_PRESSED);
  EXPECT_EQ(expected[23].back(), 0);
  EXPECT_EQ(expected[24].back(), 1);  // the window out of focus from frame 24 to 26
  EXPECT_EQ(expected[27].back(), 0);

  // Every field away from its default, so that a field the header drops or mixes up shows.
  RecordedRun made = Seeded(-12345);
  made.screenMode = 6;
  made.difficulty = 2;
  made.practice = true;
  for (int i = 0; i < kActionCount; ++i) {
    made.bindings.pad[i] = 31 - i;
    made.bindings.keys[i] = 200 + i;
  }
  std::string error;
  auto recorder = OpenRecorder(Path("run.rec"), made, Script(kPlayScript), error);
  ASSERT_NE(recorder, nullptr) << error;
  TGameInput recorded = FreshInput();
  EXPECT_EQ(RunFrames(*recorder, 0, kFrames, recorded), expected);
  recorder->Finish();
  EXPECT_EQ(recorder->Error(), "");
  recorder.reset();

  RecordedRun run;
  auto replay = OpenReplay(Path("run.rec"), run, error);
  ASSERT_NE(replay, nullptr) << error;
  EXPECT_EQ(run, made);
  TGameInput replayed = FreshInput();
  EXPECT_EQ(RunFrames(*replay, 0, kFrames, replayed), expected);
}

TEST_F(DeviceFeedTest, LiveRecordingHoldsEachFrameAsCapturedAndReplaysExactly) {
  constexpr int kFrames = 40;
  // Odd stick readings on purpose: the replay must give back the very same floats.
  const float kOddX[] = {0.2f, -0.0f, std::nextafter(-0.2f, -1.0f), 0.7071f};
  auto setLive = [&](int frame) {
    headless::SetKey(88, frame % 7 == 2 || frame % 7 == 3);
    headless::SetKey(38, frame >= 20 && frame < 25);
    headless::SetPad(0, PadState{frame < 30, frame % 5 == 0 ? 1u << 9 : 0u, kOddX[frame % 4],
                                 frame >= 10 ? -1.0f : 0.0f});
  };

  std::string error;
  auto recorder = OpenRecorder(Path("live.rec"), Seeded(7), nullptr, error);
  ASSERT_NE(recorder, nullptr) << error;
  TGameInput live = FreshInput();
  std::vector<DeviceState> captured;
  std::vector<int> heldAfterChange;
  InputTrace trace;
  for (int frame = 0; frame < kFrames; ++frame) {
    setLive(frame);
    const InputTrace one = RunFrames(*recorder, frame, 1, live, [&] {
      // The key changes after the frame began; the game must still see the captured state.
      headless::SetKey(88, !KeyDown(88));
      heldAfterChange.push_back(KeyDown(88));
    });
    trace.push_back(one[0]);
    captured.push_back(recorder->FrameState());
    EXPECT_EQ(heldAfterChange.back(), frame % 7 == 2 || frame % 7 == 3) << "frame " << frame;
  }
  recorder->Finish();
  ASSERT_EQ(recorder->Error(), "");
  recorder.reset();
  headless::ReleaseAll();

  RecordedRun run;
  auto replay = OpenReplay(Path("live.rec"), run, error);
  ASSERT_NE(replay, nullptr) << error;
  EXPECT_EQ(run.seed, 7);
  TGameInput replayed = FreshInput();
  for (int frame = 0; frame < kFrames; ++frame) {
    SCOPED_TRACE("frame " + std::to_string(frame));
    EXPECT_EQ(RunFrames(*replay, frame, 1, replayed)[0], trace[frame]);
    const DeviceState& state = replay->FrameState();
    EXPECT_EQ(state, captured[frame]);
    EXPECT_EQ(std::bit_cast<uint32_t>(state.pads[0].x), std::bit_cast<uint32_t>(kOddX[frame % 4]));
  }
}

// A change costs its block, and a frame without one nothing but a mark once a second (a length,
// a step of 60 and a checksum: ten bytes).
TEST_F(DeviceFeedTest, RecordingStoresOnlyChangesAndAMarkEachSecond) {
  std::string error;
  auto recorder = OpenRecorder(Path("idle.rec"), Seeded(1), nullptr, error);
  ASSERT_NE(recorder, nullptr) << error;
  for (int frame = 0; frame < 36000; ++frame) {  // ten minutes
    headless::SetKey(88, frame == 1000);
    recorder->BeginFrame(frame);
  }
  recorder->Finish();
  EXPECT_LE(fs::file_size(Path("idle.rec")), kHeaderBytes + 36000 / 60 * 10 + 40);
}

// A recording of the play script, as a finished run leaves it.
std::vector<uint8_t> GoodRecording(const std::string& path) {
  std::string error;
  auto recorder = OpenRecorder(path, Seeded(99), nullptr, error);
  EXPECT_NE(recorder, nullptr) << error;
  if (!recorder) return {};
  for (int frame = 0; frame < 30; ++frame) {
    headless::SetKey(88, frame % 4 == 1);
    headless::SetPad(0, PadState{true, frame % 3 == 0 ? 1u : 0u, frame * 0.03f, 0});
    recorder->BeginFrame(frame);
  }
  recorder.reset();  // finishes the file
  headless::ReleaseAll();
  return ReadAll(path);
}

void StoreU32(std::vector<uint8_t>& b, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
size_t BlockLength(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

// The checksums of a changed file made right again (the header's, then each block's, chained),
// so that the checks behind them show.
void Reseal(std::vector<uint8_t>& b) {
  uint32_t crc = static_cast<uint32_t>(crc32_z(0, b.data(), kHeaderBytes - 4));
  StoreU32(b, kHeaderBytes - 4, crc);
  for (size_t at = kHeaderBytes; at + 4 <= b.size();) {
    const size_t end = at + 4 + BlockLength(b, at);
    if (end + 4 > b.size()) break;
    crc = static_cast<uint32_t>(crc32_z(crc, b.data() + at, end - at));
    StoreU32(b, end, crc);
    at = end + 4;
  }
}

// Records put at the front of the first block, its length grown to hold them.
void InsertRecords(std::vector<uint8_t>& b, std::vector<uint8_t> records) {
  const size_t length = BlockLength(b, kHeaderBytes) + records.size();
  const uint8_t lengths[] = {static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                             static_cast<uint8_t>(~length), static_cast<uint8_t>(~length >> 8)};
  std::copy(std::begin(lengths), std::end(lengths), b.begin() + kHeaderBytes);
  b.insert(b.begin() + kHeaderBytes + 4, records.begin(), records.end());
}

struct Damage {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> apply;
  const char* mentions;
};

TEST_F(DeviceFeedTest, DamagedRecordingIsRefusedWithAClearError) {
  const std::vector<uint8_t> good = GoodRecording(Path("good.rec"));
  ASSERT_GT(good.size(), 20u);

  const size_t header = kHeaderBytes;
  const auto resealed = [](std::function<void(std::vector<uint8_t>&)> change) {
    return [change](std::vector<uint8_t>& b) {
      change(b);
      Reseal(b);
    };
  };
  const Damage cases[] = {
      {"empty", [](auto& b) { b.clear(); }, "not a Talvenne recording"},
      {"wrong magic", [](auto& b) { b[0] = 'X'; }, "not a Talvenne recording"},
      {"newer format", [](auto& b) { b[4] = 5; }, "format 5 is newer"},
      {"format 1", [](auto& b) { b[4] = 1; }, "older version of Talvenne (format 1)"},
      // One checksum at its end, so that a run cut short could not be replayed.
      {"format 3", [](auto& b) { b[4] = 3; }, "(format 3); this version plays format 4 only"},
      // As format 2 wrote it: nine bytes of header, then the body.
      {"format 2", [](auto& b) { b = {'T', 'L', 'V', 'R', 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}; },
       "older version of Talvenne (format 2); this version plays format 4 only"},
      {"cut inside the header", [](auto& b) { b.resize(40); }, "cut short inside its header"},
      {"seed changed", [](auto& b) { b[6] ^= 0x10; }, "checksum does not match"},
      {"a binding changed", [](auto& b) { b[12 + 4 * 15] ^= 1; }, "checksum does not match"},
      {"screen mode 0", resealed([](auto& b) { b[9] = 0; }), "screen mode 0"},
      {"screen mode 9", resealed([](auto& b) { b[9] = 9; }), "screen mode 9"},
      {"difficulty 3", resealed([](auto& b) { b[10] = 3; }), "difficulty 3"},
      {"unknown flag", resealed([](auto& b) { b[11] = 2; }), "unknown flags"},
      {"a record changed", [&](auto& b) { b[header + 4] ^= 0x40; },
       "checksum of the block at byte 128 does not match"},
      {"checksum changed", [](auto& b) { b.back() ^= 1; }, "does not match"},
      // A damaged length must not pass for a recording cut short.
      {"a length changed", [&](auto& b) { b[header] ^= 0x40; },
       "length of the block at byte 128 is damaged"},
      {"a block left out",
       [&](auto& b) {
         b.erase(b.begin() + header, b.begin() + header + 8 + BlockLength(b, header));
       },
       "checksum of the block at byte 128 does not match"},
      {"unknown record", resealed([&](auto& b) { InsertRecords(b, {0x7E}); }),
       "unknown record 0x7e at byte 132"},
      {"pad out of range", resealed([&](auto& b) {
         InsertRecords(b, {0x07, 9});
       }),
       "pad 9"},
      {"a record past its block", resealed([&](auto& b) {
         b.erase(b.begin() + header + 4, b.begin() + header + 4 + BlockLength(b, header));
         b[header] = b[header + 1] = 0;
         InsertRecords(b, {0x01});  // a key with no code
       }),
       "runs past the end of its block"},
      {"bytes after the end", resealed([](auto& b) { b.push_back(0); }), "after the end"},
      {"frame step of zero", resealed([&](auto& b) {
         InsertRecords(b, {0x10, 0});
       }),
       "frame step"},
  };
  std::string error;
  for (const Damage& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = good;
    c.apply(bytes);
    const std::string path = Path("bad.rec");
    WriteAll(path, bytes);
    RecordedRun run;
    EXPECT_EQ(OpenReplay(path, run, error), nullptr);
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
  }
  RecordedRun run;
  EXPECT_EQ(OpenReplay(Path("absent.rec"), run, error), nullptr);
  EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
  EXPECT_EQ(OpenRecorder(Path("no-such-dir/x.rec"), Seeded(1), nullptr, error), nullptr);
  EXPECT_NE(error.find("no-such-dir"), std::string::npos) << error;
}

// A run that crashed, was killed or lost its power leaves a recording cut anywhere: cut at every
// byte, it replays the frames of its whole blocks exactly as the finished one does, and no more.
TEST_F(DeviceFeedTest, ARecordingCutAnywhereReplaysTheFramesOfItsWholeBlocks) {
  const std::vector<uint8_t> good = GoodRecording(Path("good.rec"));
  RecordedRun run;
  std::string error;
  auto whole = OpenReplay(Path("good.rec"), run, error);
  ASSERT_NE(whole, nullptr) << error;
  ASSERT_EQ(whole->Frames(), 30);
  std::vector<DeviceState> states;
  for (int frame = 0; frame < 30; ++frame) {
    whole->BeginFrame(frame);
    states.push_back(whole->FrameState());
  }
  int before = 0;
  for (size_t size = kHeaderBytes; size < good.size(); ++size) {
    SCOPED_TRACE("cut to " + std::to_string(size) + " bytes");
    WriteAll(Path("cut.rec"), std::vector<uint8_t>(good.begin(), good.begin() + size));
    auto cut = OpenReplay(Path("cut.rec"), run, error);
    ASSERT_NE(cut, nullptr) << error;
    const int frames = cut->Frames().value_or(-1);
    EXPECT_GE(frames, before);
    EXPECT_LE(frames, 30);
    before = frames;
    for (int frame = 0; frame < frames; ++frame) {
      cut->BeginFrame(frame);
      ASSERT_EQ(cut->FrameState(), states[frame]) << "frame " << frame;
    }
  }
  EXPECT_EQ(before, 30) << "only the end block was lost";
  // A power cut can leave the file's last blocks as zeros, never written.
  std::vector<uint8_t> zeroed = good;
  std::fill(zeroed.end() - 40, zeroed.end(), 0);
  WriteAll(Path("cut.rec"), zeroed);
  auto cut = OpenReplay(Path("cut.rec"), run, error);
  ASSERT_NE(cut, nullptr) << error;
  EXPECT_LT(cut->Frames().value_or(30), 30);
}

TEST_F(DeviceFeedTest, EveryFlippedBitOfARecordingIsRefusedTheSeedAndTheBindingsToo) {
  const std::vector<uint8_t> good = GoodRecording(Path("good.rec"));
  RecordedRun run;
  std::string error;
  ASSERT_NE(OpenReplay(Path("good.rec"), run, error), nullptr) << error;
  // The header counts as much as the body: a seed or a binding a flip changes would replay
  // silently as another run. Every bit of the seed (bytes 5 to 8), and one bit of every other byte.
  for (size_t at = 0; at < good.size(); ++at) {
    for (int seedBit = 0; at >= 5 && at < 9 && seedBit < 8; ++seedBit) {
      std::vector<uint8_t> bytes = good;
      bytes[at] ^= static_cast<uint8_t>(1 << seedBit);
      WriteAll(Path("flipped.rec"), bytes);
      EXPECT_EQ(OpenReplay(Path("flipped.rec"), run, error), nullptr)
          << "seed byte " << at << " bit " << seedBit << " replays as another run";
      EXPECT_NE(error.find("checksum does not match"), std::string::npos) << error;
    }
    const int bit = static_cast<int>(at % 8);
    std::vector<uint8_t> bytes = good;
    bytes[at] ^= static_cast<uint8_t>(1 << bit);
    WriteAll(Path("flipped.rec"), bytes);
    EXPECT_EQ(OpenReplay(Path("flipped.rec"), run, error), nullptr)
        << "byte " << at << " bit " << bit << " replays as another run";
  }
}

TEST_F(DeviceFeedTest, RecordingIsOnDiskAsTheRunGoesAndReplacesTheOldOneOnlyWhenComplete) {
  const std::string path = Path("run.rec");
  WriteAll(path, {'o', 'l', 'd'});
  std::string error;
  {
    // A run that fails before its first frame leaves the old recording and no temporary.
    auto unstarted = OpenRecorder(path, Seeded(5), nullptr, error);
    ASSERT_NE(unstarted, nullptr) << error;
  }
  EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{'o', 'l', 'd'}));
  EXPECT_EQ(FilesHere(), (std::vector<std::string>{"run.rec"}));

  auto recorder = OpenRecorder(path, Seeded(5), nullptr, error);
  ASSERT_NE(recorder, nullptr) << error;
  for (int frame = 0; frame < 10; ++frame) {
    headless::SetKey(88, frame % 2 == 1);
    recorder->BeginFrame(frame);
  }
  // Mid-run, as a crash would leave it: every frame so far is in the temporary beside the old
  // recording, the end is not.
  EXPECT_EQ(ReadAll(path), (std::vector<uint8_t>{'o', 'l', 'd'}));
  const std::vector<std::string> files = FilesHere();
  ASSERT_EQ(files.size(), 2u);
  const std::string temporary = Path(files[0].c_str());
  EXPECT_TRUE(files[0].starts_with(".run.rec.")) << files[0];
  const std::vector<uint8_t> midRun = ReadAll(temporary);
  EXPECT_EQ(std::vector<uint8_t>(midRun.begin(), midRun.begin() + 4),
            (std::vector<uint8_t>{'T', 'L', 'V', 'R'}));
  EXPECT_EQ(midRun.size(), kHeaderBytes + 9 * 12)
      << "each key change is a block: its length, a step, a record and its checksum";
  // As a crash leaves it, the recording replays every frame it holds.
  RecordedRun run;
  const auto cut = OpenReplay(temporary, run, error);
  ASSERT_NE(cut, nullptr) << error;
  EXPECT_EQ(cut->Frames(), 10);
  recorder->Finish();
  EXPECT_EQ(recorder->Error(), "");
  EXPECT_EQ(FilesHere(), (std::vector<std::string>{"run.rec"}));
  EXPECT_NE(OpenReplay(path, run, error), nullptr) << error;
  EXPECT_EQ(run.seed, 5);
}

// A file-size limit stops the writes partway, as a full disk would: the older recording stays,
// what the run wrote lies beside it, and the error says where.
TEST_F(DeviceFeedTest, RecordingThatFailsPartwayKeepsTheOldOneAndWhatItWrote) {
  const std::string path = Path("run.rec");
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  // Past the 128 bytes of the header, room for a few frames only.
  constexpr size_t kLimit = 150;
  for (bool partialTaken : {false, true}) {
    SCOPED_TRACE(partialTaken ? "a file of the player's is named run.rec.partial" : "");
    WriteAll(path, old);
    if (partialTaken) WriteAll(path + ".partial", {'m', 'i', 'n', 'e'});
    std::string error;
    auto recorder = OpenRecorder(path, Seeded(5), nullptr, error);
    ASSERT_NE(recorder, nullptr) << error;
    WithFileSizeLimit(kLimit, [&] {
      for (int frame = 0; frame < 20; ++frame) {
        headless::SetKey(88, frame % 2 == 1);
        recorder->BeginFrame(frame);
      }
      recorder->Finish();
    });

    EXPECT_EQ(ReadAll(path), old);
    const std::vector<std::string> files = FilesHere();
    ASSERT_EQ(files.size(), partialTaken ? 3u : 2u);
    const std::string kept = partialTaken ? files[0] : files[1];
    if (partialTaken) {
      EXPECT_TRUE(kept.starts_with(".run.rec.")) << kept;
      EXPECT_EQ(ReadAll(path + ".partial"), (std::vector<uint8_t>{'m', 'i', 'n', 'e'}));
    } else {
      EXPECT_EQ(kept, "run.rec.partial");
    }
    const std::string& said = recorder->Error();
    EXPECT_NE(said.find("File too large"), std::string::npos) << said;
    EXPECT_NE(said.find("in " + Path(kept.c_str())), std::string::npos) << said;
    const std::vector<uint8_t> written = ReadAll(Path(kept.c_str()));
    EXPECT_GE(written.size(), kHeaderBytes);
    EXPECT_LE(written.size(), kLimit);
    EXPECT_EQ(std::vector<uint8_t>(written.begin(), written.begin() + 4),
              (std::vector<uint8_t>{'T', 'L', 'V', 'R'}));
    recorder.reset();
    for (const std::string& name : files) {
      if (name != "run.rec") fs::remove(Path(name.c_str()));
    }
  }
}

TEST_F(DeviceFeedTest, OversizedInputsAreRefusedWithoutBeingRead) {
  // A recording header on a file past the limit; the rest is a hole that costs no disk.
  const std::string big = Path("big.rec");
  std::vector<uint8_t> header(kHeaderBytes, 0);
  std::copy_n("TLVR\4", 5, header.begin());
  WriteAll(big, header);
  fs::resize_file(big, (size_t{256} << 20) + 1);
  RecordedRun run;
  std::string error;
  EXPECT_EQ(OpenReplay(big, run, error), nullptr);
  EXPECT_NE(error.find("larger than 256 MB"), std::string::npos) << error;

  // An endless line (or one with no end in sight) stops at the line limit.
  for (const std::string& path : {std::string("/dev/zero"), WriteScript(std::string(5000, '1'))}) {
    EXPECT_EQ(OpenInputScript(path, error), nullptr);
    EXPECT_NE(error.find("longer than 4096 bytes (line 1)"), std::string::npos) << error;
  }
  EXPECT_EQ(OpenReplay("/dev/zero", run, error), nullptr);
  EXPECT_NE(error.find("not a Talvenne recording"), std::string::npos) << error;
}

TEST_F(DeviceFeedTest, ErrorsQuoteAShortEscapedPieceOfTheText) {
  std::string word = "\x01\x1b[2J";
  word[0] = '\x01';
  word += std::string(3000, 'k') + "\xc3\xa9";
  std::string error;
  EXPECT_EQ(OpenInputScript(WriteScript("5 key 88 down " + word + "\n"), error), nullptr);
  EXPECT_NE(error.find("unexpected '\\x01\\x1b[2Jkkk"), std::string::npos) << error;
  EXPECT_NE(error.find("kkk'..."), std::string::npos) << error;
  EXPECT_LT(error.size(), Path("script.txt").size() + 140) << error;
}

}  // namespace
