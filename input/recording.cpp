// Recordings: every frame's device state with everything else the run read from outside when it
// started, as written by --record and played back by --replay.
//
// File format, all integers little-endian:
//
//   header   "TLVR"   4 bytes, the magic
//            u8       format version, 4
//            i32      seed of the recorded run
//            u8       screen mode, 1 to 8
//            u8       difficulty given by --difficulty: 0 Easy, 1 Normal, 2 Hard; 255 none given
//            u8       flags: bit 0 the run opened in the practice yard; the others are 0
//            14 i32   pad button of each action, as the run started with them
//            14 i32   key code of each action, likewise
//            u32      CRC-32 (zlib's) of the header's bytes before it
//   blocks   one for each frame in which something changed, and one at least every second:
//            u16      n, the length of its records in bytes, 1 or more
//            u16      n with every bit flipped, so that a damaged length is not taken for a cut
//            n bytes  records, each a tag byte and its payload
//            u32      CRC-32 of the block before it, carried on from the check of the block
//                     before (the header's for the first): a block out of its place fails too
//   records: they belong to frame 0 until the first NEXT, and each NEXT moves on by its count:
//     0x01 KEY_DOWN   u8 key code
//     0x02 KEY_UP     u8 key code
//     0x03 BTN_DOWN   u8 port << 5 | button
//     0x04 BTN_UP     u8 port << 5 | button
//     0x05 AXIS_X     u8 port, f32 value (the bits of the float, exactly as read)
//     0x06 AXIS_Y     u8 port, f32 value
//     0x07 PLUG       u8 port: the pad reads as connected
//     0x08 PULL       u8 port: the pad reads as not connected (buttons and axes as recorded)
//     0x09 BLUR       the window lost the focus
//     0x0A FOCUS      the window has the focus back
//     0x10 NEXT       varint frames to move on, 1 or more
//     0x00 END        varint count of frames recorded; the only record of the last block, which
//                     ends the file
//   varint: unsigned LEB128, 7 bits a byte, low bits first, at most 5 bytes.
//
// Only changes are stored, and a mark each second: a key tap costs about twenty bytes, so an
// hour of play is some tens of kilobytes. The file is written as the run goes and flushed every
// block, so a run that crashes or is killed leaves what it played on disk: without its end
// block (or with a tail of zeros a power cut left), the recording replays up to its last whole
// block. Written by --record, it is kept under
// a temporary name beside its target and takes its name once complete; the flight recording
// has its name from the start. Format 1 had no CRC; format 2 kept only the seed, whose bytes its
// CRC did not cover, and no bindings, so that it replayed as another run on another machine;
// format 3 had one CRC at its end, so that a recording cut short could not be replayed.

#include <algorithm>
#include <limits>
#include <span>
#include <string>

#include "files/file_io.h"
#include "files/little_endian.h"
#include "input/device_changes.h"
#include "platform/checksum.h"
#include "platform/log.h"

namespace {

constexpr uint8_t kMagic[4] = {'T', 'L', 'V', 'R'};
constexpr uint8_t kVersion = 4;
constexpr size_t kVersionAt = 4;
constexpr size_t kCrcSize = 4;
constexpr size_t kRunSize = 12 + 2 * kActionCount * 4;  // the header before its check
constexpr size_t kHeaderSize = kRunSize + kCrcSize;
constexpr size_t kBlockLengthSize = 4;
constexpr int kFramesBetweenMarks = 60;  // a block at least this often, to date a cut recording
constexpr uint8_t kNoDifficulty = 255;
constexpr uint8_t kPracticeFlag = 1;
constexpr int kScreenModeCount = 8;
constexpr int kDifficultyCount = 3;

enum Tag : uint8_t {
  TAG_END = 0x00,
  TAG_KEY_DOWN = 0x01,
  TAG_KEY_UP = 0x02,
  TAG_BUTTON_DOWN = 0x03,
  TAG_BUTTON_UP = 0x04,
  TAG_AXIS_X = 0x05,
  TAG_AXIS_Y = 0x06,
  TAG_PLUG = 0x07,
  TAG_PULL = 0x08,
  TAG_BLUR = 0x09,
  TAG_FOCUS = 0x0A,
  TAG_NEXT = 0x10,
};

void AppendVarint(std::vector<uint8_t>& out, uint32_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<uint8_t>(value | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<uint8_t>(value));
}

void AppendRecord(std::vector<uint8_t>& out, const DeviceChange& change) {
  const auto port = static_cast<uint8_t>(change.code);
  switch (change.kind) {
    case ChangeKind::Key:
      out.push_back(change.down ? TAG_KEY_DOWN : TAG_KEY_UP);
      out.push_back(static_cast<uint8_t>(change.code));
      break;
    case ChangeKind::Button:
      out.push_back(change.down ? TAG_BUTTON_DOWN : TAG_BUTTON_UP);
      out.push_back(static_cast<uint8_t>(port << 5 | change.button));
      break;
    case ChangeKind::AxisX:
    case ChangeKind::AxisY:
      out.push_back(change.kind == ChangeKind::AxisX ? TAG_AXIS_X : TAG_AXIS_Y);
      out.push_back(port);
      AppendFloatLe(out, change.value);
      break;
    case ChangeKind::Connected:
      out.push_back(change.down ? TAG_PLUG : TAG_PULL);
      out.push_back(port);
      break;
    case ChangeKind::Focus:
      out.push_back(change.down ? TAG_BLUR : TAG_FOCUS);
      break;
    case ChangeKind::Unplug:  // never recorded: the recorder stores the flag and the readings
      break;
  }
}

std::vector<uint8_t> EncodeHeader(const RecordedRun& run) {
  std::vector<uint8_t> header(std::begin(kMagic), std::end(kMagic));
  header.push_back(kVersion);
  AppendInt32Le(header, run.seed);
  header.push_back(static_cast<uint8_t>(run.screenMode));
  header.push_back(run.difficulty ? static_cast<uint8_t>(*run.difficulty) : kNoDifficulty);
  header.push_back(run.practice ? kPracticeFlag : 0);
  for (const ActionArray* table : {&run.bindings.pad, &run.bindings.keys}) {
    for (int32_t code : *table) AppendInt32Le(header, code);
  }
  AppendUint32Le(header, Crc32(Crc32(0, {}), header));
  return header;
}

// ---- Recording ---------------------------------------------------------------------------------

class Recorder final : public DeviceFeed {
 public:
  explicit Recorder(bool asItGoes) : asItGoes_(asItGoes) {}
  // A run that never reached its first frame leaves any older recording as it was.
  ~Recorder() override {
    if (published_) Finish();
    OverrideDeviceState(nullptr);
  }

  bool Open(const std::string& path, const RecordedRun& run) {
    if (!file_.Open(path)) {
      error_ = file_.Error();
      return false;
    }
    const std::vector<uint8_t> header = EncodeHeader(run);
    crc_ = LoadUint32Le(&header[kRunSize]);
    // A disk that cannot take even the header is found before the first frame.
    if (!file_.Write(header) || !file_.Flush() || (asItGoes_ && !file_.Publish())) {
      error_ = file_.Error();
      return false;
    }
    return true;
  }

  void BeginFrame(int frame) override {
    // The run has started: the recording replaces an older one once it is complete, and what a
    // run that fails to write it all recorded is kept beside that one.
    if (!published_) {
      published_ = true;
      file_.KeepWhatFails();
    }
    DeviceState next;
    if (source_) {
      source_->BeginFrame(frame);
      next = source_->FrameState();
    } else {
      next = ReadDeviceState();
    }
    for (uint8_t& key : next.keys) key = key ? 1 : 0;  // KeyDown answers 0 or 1 anyway

    // Frames only go forward; a repeated or earlier number is taken as the current frame.
    frame = std::max(frame, currentFrame_);
    changes_.clear();
    AppendChanges(state_, next, frame, changes_);
    if (!changes_.empty() || frame - currentFrame_ >= kFramesBetweenMarks) {
      bytes_.clear();
      if (frame > currentFrame_) {
        bytes_.push_back(TAG_NEXT);
        AppendVarint(bytes_, static_cast<uint32_t>(frame - currentFrame_));
        currentFrame_ = frame;
      }
      for (const DeviceChange& change : changes_) AppendRecord(bytes_, change);
      WriteBlock(bytes_);
    }
    frameCount_ = std::max(frameCount_, frame + 1);
    state_ = next;
    // The run sees the state as recorded, never a key that changed later in the frame.
    OverrideDeviceState(&state_);
  }

  void Finish() override {
    if (source_) source_->Finish();
    if (!file_.IsOpen()) return;
    bytes_.assign(1, TAG_END);
    AppendVarint(bytes_, static_cast<uint32_t>(frameCount_));
    WriteBlock(bytes_);
    if (!file_.Commit()) NoteError();
  }

  const DeviceState& FrameState() const override { return state_; }
  const std::string& Error() const override { return error_; }
  void RecordFrom(std::unique_ptr<DeviceFeed> source) { source_ = std::move(source); }

 private:
  // One block of records: its length, the records and its check, flushed at once. A frame's
  // records stay far below the 64 KiB a block can hold (every key and button changing at once
  // takes about 1 KiB).
  void WriteBlock(const std::vector<uint8_t>& records) {
    const auto length = static_cast<uint16_t>(records.size());
    block_.clear();
    for (const uint16_t half : {length, static_cast<uint16_t>(~length)}) {
      block_.push_back(static_cast<uint8_t>(half));
      block_.push_back(static_cast<uint8_t>(half >> 8));
    }
    block_.insert(block_.end(), records.begin(), records.end());
    crc_ = Crc32(crc_, block_);
    AppendUint32Le(block_, crc_);
    if (!file_.Write(block_) || !file_.Flush()) NoteError();
  }
  // The first failure is the one worth telling.
  void NoteError() {
    if (error_.empty()) error_ = file_.Error();
  }

  std::unique_ptr<DeviceFeed> source_;
  bool asItGoes_ = false;
  AtomicFile file_;
  DeviceState state_;
  int currentFrame_ = 0;  // the frame the records being written belong to
  int frameCount_ = 0;
  bool published_ = false;
  uint32_t crc_ = 0;                   // the check of the last block written
  std::vector<DeviceChange> changes_;  // scratch, kept to avoid allocating every frame
  std::vector<uint8_t> bytes_;
  std::vector<uint8_t> block_;
  std::string error_;
};

// ---- Replay ------------------------------------------------------------------------------------

struct ReplayError {
  std::string what;
};

// The records of one block, from the front.
class RecordReader {
 public:
  RecordReader(const std::vector<uint8_t>& bytes, size_t begin, size_t end)
      : bytes_(bytes), pos_(begin), end_(end) {}

  bool AtEnd() const { return pos_ >= end_; }
  size_t Position() const { return pos_; }

  uint8_t Byte() {
    if (pos_ >= end_) {
      throw ReplayError{"a record runs past the end of its block at byte " + std::to_string(pos_)};
    }
    return bytes_[pos_++];
  }
  uint32_t Varint() {
    uint32_t value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      const uint8_t byte = Byte();
      if (shift == 28 && (byte & 0x70)) break;  // more than 32 bits
      value |= static_cast<uint32_t>(byte & 0x7F) << shift;
      if (!(byte & 0x80)) return value;
    }
    throw ReplayError{"a frame count at byte " + std::to_string(pos_) + " runs on too long"};
  }
  float Float() {
    const uint8_t b[4] = {Byte(), Byte(), Byte(), Byte()};
    return LoadFloatLe(b);
  }
  uint8_t Port(size_t at) {
    const uint8_t port = Byte();
    if (port >= kMaxRecordedPads) {
      throw ReplayError{"pad " + std::to_string(port) + " at byte " + std::to_string(at) +
                        " is out of range"};
    }
    return port;
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t pos_;
  size_t end_;
};

// Where decoded changes go: only counted on a first pass, stored on the second, so that the list
// is allocated once at its size (a recording of taps holds a change every two bytes, and a list
// grown by doubling would take several times that).
class ChangeSink {
 public:
  explicit ChangeSink(std::vector<DeviceChange>* store) : store_(store) {}
  void push_back(const DeviceChange& change) {
    ++count_;
    if (store_) store_->push_back(change);
  }
  bool empty() const { return count_ == 0; }
  size_t size() const { return count_; }

 private:
  std::vector<DeviceChange>* store_;
  size_t count_ = 0;
};

// How many frames the blocks hold, and whether the last of them is missing (a run that did not
// finish, or a file cut short).
struct BodyLength {
  int frames = 0;
  bool cut = false;
};

// Decodes one block's records; true when it was the end block.
bool DecodeBlock(RecordReader& in, int64_t& frame, ChangeSink& changes, uint32_t& endCount) {
  while (!in.AtEnd()) {
    const size_t at = in.Position();
    const uint8_t tag = in.Byte();
    const int f = static_cast<int>(frame);
    switch (tag) {
      case TAG_END:
        endCount = in.Varint();
        if (!in.AtEnd()) {
          throw ReplayError{"unexpected bytes after the end record at byte " +
                            std::to_string(in.Position())};
        }
        return true;
      case TAG_KEY_DOWN:
      case TAG_KEY_UP:
        changes.push_back({.frame = f, .code = in.Byte(), .down = tag == TAG_KEY_DOWN});
        break;
      case TAG_BUTTON_DOWN:
      case TAG_BUTTON_UP: {
        const uint8_t packed = in.Byte();
        if ((packed >> 5) >= kMaxRecordedPads) {
          throw ReplayError{"pad " + std::to_string(packed >> 5) + " at byte " +
                            std::to_string(at) + " is out of range"};
        }
        changes.push_back({.frame = f,
                           .kind = ChangeKind::Button,
                           .code = static_cast<uint8_t>(packed >> 5),
                           .button = static_cast<uint8_t>(packed & 31),
                           .down = tag == TAG_BUTTON_DOWN});
        break;
      }
      case TAG_AXIS_X:
      case TAG_AXIS_Y: {
        const uint8_t port = in.Port(at);
        changes.push_back({.frame = f,
                           .kind = tag == TAG_AXIS_X ? ChangeKind::AxisX : ChangeKind::AxisY,
                           .code = port,
                           .value = in.Float()});
        break;
      }
      case TAG_PLUG:
      case TAG_PULL:
        changes.push_back({.frame = f,
                           .kind = ChangeKind::Connected,
                           .code = in.Port(at),
                           .down = tag == TAG_PLUG});
        break;
      case TAG_BLUR:
      case TAG_FOCUS:
        changes.push_back({.frame = f, .kind = ChangeKind::Focus, .down = tag == TAG_BLUR});
        break;
      case TAG_NEXT: {
        const uint32_t skip = in.Varint();
        frame += skip;
        if (skip == 0 || frame >= std::numeric_limits<int>::max()) {
          throw ReplayError{"bad frame step at byte " + std::to_string(at)};
        }
        break;
      }
      default: {
        static constexpr char kHex[] = "0123456789abcdef";
        throw ReplayError{std::string("unknown record 0x") + kHex[tag >> 4] + kHex[tag & 15] +
                          " at byte " + std::to_string(at)};
      }
    }
  }
  return false;
}

// Walks the blocks, each checked before its records are read. Only a last block that is not all
// there, or one that reaches into an unwritten tail, counts as the recording's end; any other
// fault is damage, thrown.
BodyLength DecodeInto(const std::vector<uint8_t>& bytes, ChangeSink& changes) {
  // A power cut can leave the end of the file allocated but never written: a run of zeros far
  // longer than any a recorder writes. A block that reaches into it is where the recording ends.
  constexpr size_t kUnwrittenTail = 16;
  const auto lastWritten = std::find_if(bytes.rbegin(), bytes.rend(), [](uint8_t b) { return b; });
  const size_t zerosFrom = static_cast<size_t>(bytes.rend() - lastWritten);
  const bool unwrittenTail = bytes.size() - zerosFrom >= kUnwrittenTail;
  uint32_t crc = LoadUint32Le(&bytes[kRunSize]);
  int64_t frame = 0;
  bool anyBlock = false;
  for (size_t at = kHeaderSize;;) {
    const BodyLength cut{anyBlock ? static_cast<int>(frame) + 1 : 0, true};
    if (bytes.size() - at < kBlockLengthSize) return cut;
    const size_t length = bytes[at] | bytes[at + 1] << 8;
    const size_t end = at + kBlockLengthSize + length;
    const bool unwritten = unwrittenTail && end + kCrcSize > zerosFrom;
    if (length == 0 || (length ^ (bytes[at + 2] | bytes[at + 3] << 8)) != 0xFFFF) {
      if (unwritten) return cut;
      throw ReplayError{"the length of the block at byte " + std::to_string(at) + " is damaged"};
    }
    if (bytes.size() < end + kCrcSize) return cut;
    crc = Crc32(crc, std::span(bytes).subspan(at, end - at));
    if (crc != LoadUint32Le(&bytes[end])) {
      if (unwritten) return cut;
      throw ReplayError{"the checksum of the block at byte " + std::to_string(at) +
                        " does not match"};
    }
    RecordReader in(bytes, at + kBlockLengthSize, end);
    uint32_t count = 0;
    anyBlock = true;
    at = end + kCrcSize;
    if (!DecodeBlock(in, frame, changes, count)) continue;
    if (at != bytes.size()) {
      throw ReplayError{"unexpected bytes after the end record at byte " + std::to_string(at)};
    }
    if (count < frame + (changes.empty() ? 0 : 1) || count > std::numeric_limits<int>::max()) {
      throw ReplayError{"the end record counts fewer frames than were recorded"};
    }
    return {static_cast<int>(count), false};
  }
}

std::vector<DeviceChange> DecodeBody(const std::vector<uint8_t>& bytes, BodyLength& length) {
  ChangeSink counted(nullptr);
  length = DecodeInto(bytes, counted);
  std::vector<DeviceChange> changes;
  changes.reserve(counted.size());
  ChangeSink stored(&changes);
  DecodeInto(bytes, stored);
  return changes;
}

// A recording played back: its changes frame by frame, for as many frames as it holds.
class Replay final : public DeviceFeed {
 public:
  Replay(std::unique_ptr<DeviceFeed> changes, int frames)
      : changes_(std::move(changes)), frames_(frames) {}
  void BeginFrame(int frame) override { changes_->BeginFrame(frame); }
  const DeviceState& FrameState() const override { return changes_->FrameState(); }
  std::optional<int> Frames() const override { return frames_; }

 private:
  std::unique_ptr<DeviceFeed> changes_;
  int frames_;
};

// What the header says of the run; throws on values no recorder writes.
RecordedRun DecodeHeader(const std::vector<uint8_t>& bytes) {
  RecordedRun run;
  run.seed = LoadInt32Le(&bytes[5]);
  run.screenMode = bytes[9];
  if (run.screenMode < 1 || run.screenMode > kScreenModeCount) {
    throw ReplayError{"screen mode " + std::to_string(run.screenMode) + " is not one of 1 to 8"};
  }
  if (bytes[10] != kNoDifficulty) {
    if (bytes[10] >= kDifficultyCount) {
      throw ReplayError{"difficulty " + std::to_string(bytes[10]) + " is not one of 0 to 2"};
    }
    run.difficulty = bytes[10];
  }
  if (bytes[11] & ~kPracticeFlag) throw ReplayError{"unknown flags in the header"};
  run.practice = (bytes[11] & kPracticeFlag) != 0;
  size_t at = 12;
  for (ActionArray* table : {&run.bindings.pad, &run.bindings.keys}) {
    for (int32_t& code : *table) {
      code = LoadInt32Le(&bytes[at]);
      at += 4;
    }
  }
  return run;
}

}  // namespace

std::unique_ptr<DeviceFeed> OpenRecorder(const std::string& path, const RecordedRun& run,
                                         std::unique_ptr<DeviceFeed>&& source, std::string& error,
                                         bool asItGoes) {
  auto recorder = std::make_unique<Recorder>(asItGoes);
  if (!recorder->Open(path, run)) {
    error = recorder->Error();
    return nullptr;
  }
  recorder->RecordFrom(std::move(source));
  return recorder;
}

std::unique_ptr<DeviceFeed> OpenReplay(const std::string& path, RecordedRun& run,
                                       std::string& error) {
  // The header is read and checked first: a file that is no recording costs a few bytes.
  InputFile file;
  std::vector<uint8_t> bytes;
  if (!file.Open(path) || !file.Read(kHeaderSize, bytes)) {
    error = file.Error();
    return nullptr;
  }
  if (bytes.size() <= kVersionAt ||
      !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) {
    error = path + ": not a Talvenne recording";
    return nullptr;
  }
  const int version = bytes[kVersionAt];
  if (version < kVersion) {
    error = path + ": recorded by an older version of Talvenne (format " + std::to_string(version) +
            "); this version plays format " + std::to_string(kVersion) + " only";
    return nullptr;
  }
  if (version > kVersion) {
    error = path + ": recording format " + std::to_string(version) +
            " is newer than this version reads (format " + std::to_string(kVersion) + ")";
    return nullptr;
  }
  if (bytes.size() < kHeaderSize) {
    error = path + ": damaged recording: the file is cut short inside its header";
    return nullptr;
  }
  if (file.Size() > kMaxInputFileBytes || !file.Read(kMaxInputFileBytes + 1 - kHeaderSize, bytes) ||
      bytes.size() > kMaxInputFileBytes) {
    error = file.Error().empty() ? path + ": a recording may not be larger than " +
                                       std::to_string(kMaxInputFileBytes >> 20) + " MB"
                                 : file.Error();
    return nullptr;
  }
  // A changed byte anywhere, the seed and the bindings included, must not replay silently as
  // another run.
  if (Crc32(0, std::span(bytes).first(kRunSize)) != LoadUint32Le(&bytes[kRunSize])) {
    error = path + ": damaged recording: its header's checksum does not match";
    return nullptr;
  }
  try {
    run = DecodeHeader(bytes);
    BodyLength length;
    std::vector<DeviceChange> changes = DecodeBody(bytes, length);
    if (length.cut) {
      LogWarning("talvenne: " + path + ": the recorded run did not finish; replaying the " +
                 std::to_string(length.frames) + " frames it holds");
    }
    return std::make_unique<Replay>(MakeChangeFeed(DeviceState{}, std::move(changes)),
                                    length.frames);
  } catch (const ReplayError& damage) {
    error = path + ": damaged recording: " + damage.what;
    return nullptr;
  }
}
