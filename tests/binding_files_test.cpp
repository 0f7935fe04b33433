// The binding files: reading them as they are, falling back on the built-in bindings when one
// is unusable, and writing them so that a failed write never damages the old file.

#include "input/binding_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "input/game_input.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes LittleEndian(const std::vector<int32_t>& values) {
  Bytes bytes;
  for (const int32_t value : values) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
      bytes.push_back(static_cast<uint8_t>(bits >> shift));
  }
  return bytes;
}

const ActionArray kDefaultPad = {0, 1, 2, 3, 9, 5, 6, 7, 8, 4, 0, 0, 0, 0};
const ActionArray kDefaultKeys = {88, 90, 67, 13, 80, 0, 0, 0, 32, 13, 37, 38, 39, 40};
// Codes no key or button has: they are kept, and simply never read as down.
const std::vector<int32_t> kGarbage = {INT_MAX, INT_MIN, -1,   256, 0x7F7F7F7F, -88,  1 << 20,
                                       33,      -32,     1000, -5,  -1000000,   4096, 227};

// Every test runs in a fresh directory of its own, which the binding files are relative to.
class BindingFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "talvenne-bindings-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::current_path(dir_);
    input.Init(0, INPUT_BOTH);
  }
  void TearDown() override {
    SetBindingFolder({});
    fs::current_path(previous_);
    fs::remove_all(dir_);
  }

  static void Write(const char* name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  static Bytes Read(const char* name) {
    std::ifstream file(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
  }
  std::vector<std::string> FilesHere() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  TGameInput input;

 protected:
  fs::path dir_;

 private:
  fs::path previous_;
};

// ---- Reading -----------------------------------------------------------------------------------

struct Damage {
  const char* name;
  std::optional<Bytes> bytes;  // none: the file is missing
  bool replaced;               // the built-in bindings take its place
};

// kGarbage with one entry changed.
Bytes GarbageWith(int index, int32_t value) {
  std::vector<int32_t> values = kGarbage;
  values[index] = value;
  return LittleEndian(values);
}

std::vector<Damage> DamageCases(int count) {
  std::vector<int32_t> longer(kGarbage.begin(), kGarbage.begin() + count);
  longer.insert(longer.end(), {7, 7, 7});
  const bool keys = count == kKeyBindingCount;
  std::vector<Damage> cases = {
      {"missing", std::nullopt, true},
      {"empty", Bytes{}, true},
      {"19 bytes", Bytes(19, 0x01), true},
      {"one byte short", Bytes(count * 4 - 1, 0x01), true},
      {"longer than expected", LittleEndian(longer), false},
      {"56 bytes of garbage", LittleEndian(kGarbage), false},
      // Two used actions on one code: whichever is asked first would steal the other.
      {"Attack and Pause share a code", GarbageWith(4, kGarbage[0]), true},
  };
  if (keys) {
    cases.push_back({"Down has no key", GarbageWith(ACTION_DOWN, 0), true});
    cases.push_back({"Left and Attack share a key", GarbageWith(ACTION_LEFT, kGarbage[0]), true});
    // The spare entries 5 to 9 are never asked about.
    cases.push_back({"a spare entry is 0", GarbageWith(6, 0), false});
    cases.push_back({"a spare entry repeats Jump", GarbageWith(9, kGarbage[2]), false});
  } else {
    cases.push_back({"pad button 0 is a real button", GarbageWith(1, 0), false});
  }
  return cases;
}

struct BindingFile {
  const char* name;
  int count;
  std::vector<int32_t> good;  // what the other test cases keep in it
};

const BindingFile kPadFile = {kPadBindingFile, 5, {4, 5, 6, 7, 8}};
const BindingFile kKeyFile = {
    kKeyBindingFile, 14, {65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78}};

std::vector<int32_t> ValuesOf(const Bytes& bytes) {
  std::vector<int32_t> values;
  for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
    values.push_back(static_cast<int32_t>(bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 |
                                          static_cast<uint32_t>(bytes[i + 3]) << 24));
  }
  return values;
}

// What the bindings are after a good file of `values` was read.
ActionArray PadRead(const std::vector<int32_t>& values) {
  ActionArray pad{};
  std::copy_n(values.begin(), kPadBindingCount, pad.begin());
  return pad;
}
ActionArray KeysRead(const std::vector<int32_t>& values) {
  ActionArray keys{};
  std::copy_n(values.begin(), kKeyBindingCount, keys.begin());
  return keys;
}

TEST_F(BindingFilesTest, DamagedFileIsReadAsItIsOrReplacedByTheBuiltInBindings) {
  for (const BindingFile* damaged : {&kPadFile, &kKeyFile}) {
    const BindingFile* other = damaged == &kPadFile ? &kKeyFile : &kPadFile;
    for (const Damage& damage : DamageCases(damaged->count)) {
      SCOPED_TRACE(std::string(damaged->name) + ": " + damage.name);
      fs::remove(damaged->name);
      if (damage.bytes) Write(damaged->name, *damage.bytes);
      const std::vector<int32_t> written = damage.bytes ? ValuesOf(*damage.bytes) : kGarbage;
      Write(other->name, LittleEndian(other->good));
      input.Init(0, INPUT_BOTH);
      input.Gamepad = {};
      input.Keyboard = {};

      const BindingFilesRead result = ReadBindingFiles(input);

      const bool padReplaced = damaged == &kPadFile && damage.replaced;
      const bool keyReplaced = damaged == &kKeyFile && damage.replaced;
      EXPECT_EQ(result.padReplaced, padReplaced);
      EXPECT_EQ(result.keyReplaced, keyReplaced);
      const std::vector<int32_t> padValues = damaged == &kPadFile ? written : kPadFile.good;
      const std::vector<int32_t> keyValues = damaged == &kKeyFile ? written : kKeyFile.good;
      // One line, naming the file and what was done, for every file not read exactly as it is.
      const bool longer = damage.bytes && damage.bytes->size() > size_t(damaged->count) * 4;
      if (damage.replaced || longer) {
        ASSERT_EQ(result.warnings.size(), 1u);
        EXPECT_EQ(result.warnings[0].rfind(std::string(damaged->name) + ": ", 0), 0u);
        EXPECT_NE(
            result.warnings[0].find(damage.replaced ? "built-in bindings, the file written anew"
                                                    : "the file left as it is"),
            std::string::npos)
            << result.warnings[0];
      } else {
        EXPECT_EQ(result.warnings, std::vector<std::string>{});
      }
      if (damage.replaced) {
        EXPECT_EQ(input.Gamepad, padReplaced ? kDefaultPad : PadRead(padValues));
        EXPECT_EQ(input.Keyboard, keyReplaced ? kDefaultKeys : KeysRead(keyValues));
        // Written anew from the built-in bindings, and nothing else left behind.
        const Bytes fresh = padReplaced ? LittleEndian({0, 1, 2, 3, 9})
                                        : LittleEndian({kDefaultKeys.begin(), kDefaultKeys.end()});
        EXPECT_EQ(Read(damaged->name), fresh);
      } else {
        EXPECT_EQ(input.Gamepad, PadRead(padValues));
        EXPECT_EQ(input.Keyboard, KeysRead(keyValues));
        EXPECT_EQ(Read(damaged->name), *damage.bytes) << "a usable file is left as it is";
      }
      EXPECT_EQ(Read(other->name), LittleEndian(other->good));
      EXPECT_EQ(FilesHere(), (std::vector<std::string>{kKeyBindingFile, kPadBindingFile}));
    }
  }
}

TEST_F(BindingFilesTest, FirstStartWritesBothFilesWithPauseOnP) {
  const BindingFilesRead result = ReadBindingFiles(input);
  EXPECT_TRUE(result.padReplaced);
  EXPECT_TRUE(result.keyReplaced);
  EXPECT_EQ(Read(kPadBindingFile),
            (Bytes{0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 9, 0, 0, 0}));
  EXPECT_EQ(Read(kKeyBindingFile).size(), 56u);
  EXPECT_EQ(input.Keyboard[ACTION_PAUSE], 80);
  // The next start reads what was written.
  TGameInput again;
  again.Init(0, INPUT_BOTH);
  EXPECT_FALSE(ReadBindingFiles(again).keyReplaced);
  EXPECT_EQ(again.Keyboard, input.Keyboard);
  EXPECT_EQ(FilesHere(), (std::vector<std::string>{kKeyBindingFile, kPadBindingFile}));
}

TEST_F(BindingFilesTest, FileThatCannotBeReadIsPlayedAroundAndLeftAlone) {
  const Bytes theirs = LittleEndian(kKeyFile.good);
  const std::function<void()> makers[] = {
      [] { fs::create_directory(kKeyBindingFile); },
      [] { ASSERT_EQ(mkfifo(kKeyBindingFile, 0644), 0); },  // opening it would wait forever
      [&] {
        Write(kKeyBindingFile, theirs);
        fs::permissions(kKeyBindingFile, fs::perms::none);  // the player's own, mode 000
      },
  };
  for (const auto& make : makers) {
    fs::remove(kKeyBindingFile);
    make();
    Write(kPadBindingFile, LittleEndian(kPadFile.good));
    const auto before = fs::symlink_status(kKeyBindingFile);
    input.Keyboard = {};

    const BindingFilesRead result = ReadBindingFiles(input);

    SCOPED_TRACE(static_cast<int>(before.type()));
    EXPECT_TRUE(result.keyKept);
    EXPECT_FALSE(result.keyReplaced);
    EXPECT_EQ(input.Keyboard, kDefaultKeys);
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_NE(result.warnings[0].find(kKeyBindingFile), std::string::npos);
    EXPECT_EQ(fs::symlink_status(kKeyBindingFile).type(), before.type());
    EXPECT_EQ(fs::symlink_status(kKeyBindingFile).permissions(), before.permissions());
    if (fs::is_regular_file(kKeyBindingFile)) {
      fs::permissions(kKeyBindingFile, fs::perms::owner_read);
      EXPECT_EQ(Read(kKeyBindingFile), theirs);
    }
    EXPECT_EQ(FilesHere(), (std::vector<std::string>{kKeyBindingFile, kPadBindingFile}));
  }
}

// ---- Writing -----------------------------------------------------------------------------------

TEST_F(BindingFilesTest, FilesHoldLittleEndianCodesInActionOrder) {
  input.SetDefaultConfig();
  input.Keyboard[0] = -2;
  input.Keyboard[1] = 0x01020304;
  input.Keyboard[ACTION_PAUSE] = kDefaultPauseKey;  // a table with no Pause key is damaged
  input.Gamepad[4] = 31;
  input.Gamepad[5] = 99;  // beyond the five the pad file holds
  ASSERT_TRUE(WriteKeyBindings(input));
  ASSERT_TRUE(WritePadBindings(input));
  ASSERT_TRUE(input.WriteConfig());

  const Bytes keys = Read(kKeyBindingFile);
  ASSERT_EQ(keys.size(), 56u);
  EXPECT_EQ(Bytes(keys.begin(), keys.begin() + 8), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));
  EXPECT_EQ(Read(kPadBindingFile), LittleEndian({0, 1, 2, 3, 31}));
  // test.con: pad buttons 0 to 9, then the 14 keys.
  std::vector<int32_t> dump(input.Gamepad.begin(), input.Gamepad.begin() + kButtonActionCount);
  dump.insert(dump.end(), input.Keyboard.begin(), input.Keyboard.end());
  EXPECT_EQ(Read(kDebugBindingFile), LittleEndian(dump));
  EXPECT_EQ(Read(kDebugBindingFile).size(), 96u);

  TGameInput reread;
  ReadBindingFiles(reread);
  EXPECT_EQ(reread.Keyboard, input.Keyboard);
  EXPECT_EQ(PadRead({reread.Gamepad.begin(), reread.Gamepad.end()}),
            PadRead({input.Gamepad.begin(), input.Gamepad.end()}));
}

TEST_F(BindingFilesTest, FullDiskLeavesTheOldFileIntact) {
  const Bytes old = LittleEndian(kKeyFile.good);
  Write(kKeyBindingFile, old);
  input.SetDefaultConfig();

  // Files may grow to 24 bytes only: the 56-byte write fails halfway, as on a full disk.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 24;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteKeyBindings(input);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(Read(kKeyBindingFile), old);
  EXPECT_EQ(FilesHere(), (std::vector<std::string>{kKeyBindingFile})) << "no temporary left";

  // With room again: a file of the player's named like a temporary is never touched.
  const std::string theirs = std::string(kKeyBindingFile) + ".tmp";
  Write(theirs.c_str(), Bytes(3, 0xAA));
  EXPECT_TRUE(WriteKeyBindings(input));
  EXPECT_EQ(Read(kKeyBindingFile),
            LittleEndian({88, 90, 67, 13, 0, 0, 0, 0, 32, 13, 37, 38, 39, 40}));
  EXPECT_EQ(Read(theirs.c_str()), Bytes(3, 0xAA));
  EXPECT_EQ(FilesHere(), (std::vector<std::string>{kKeyBindingFile, theirs}));
}

TEST_F(BindingFilesTest, WriteIntoMissingDirectoryFails) {
  EXPECT_FALSE(WriteBindingFile("no-such-dir/ConfigKey.set", std::vector<int32_t>{1, 2}));
  EXPECT_TRUE(FilesHere().empty());
}

// ---- Where they are kept --------------------------------------------------------------------

// An installed game keeps them in a folder of its own: read from there, written there, and the
// working folder untouched, the warnings naming the file where it lies.
TEST_F(BindingFilesTest, KeptInTheFolderGivenAndNowhereElse) {
  const fs::path folder = dir_ / "config";
  fs::create_directory(folder);
  SetBindingFolder({true, folder});
  Write("config/ConfigPad.set", Bytes(3, 0x01));
  const BindingFilesRead first = ReadBindingFiles(input);
  EXPECT_TRUE(first.padReplaced);
  ASSERT_EQ(first.warnings.size(), 2u);
  EXPECT_TRUE(first.warnings[0].starts_with((folder / kPadBindingFile).string() + ": damaged"))
      << first.warnings[0];
  EXPECT_TRUE(first.warnings[1].starts_with((folder / kKeyBindingFile).string() + ": not found"))
      << first.warnings[1];
  EXPECT_EQ(FilesHere(), std::vector<std::string>{"config"});
  EXPECT_EQ(Read("config/ConfigKey.set").size(), 56u);
  EXPECT_EQ(Read("config/ConfigPad.set").size(), 20u);

  input.Keyboard[ACTION_JUMP] = 75;
  ASSERT_TRUE(WriteKeyBindings(input));
  TGameInput again;
  again.Init(0, INPUT_BOTH);
  EXPECT_FALSE(ReadBindingFiles(again).keyReplaced);
  EXPECT_EQ(again.Keyboard[ACTION_JUMP], 75);
  EXPECT_EQ(FilesHere(), std::vector<std::string>{"config"});
}

// A run with no place for them plays on the built-in bindings and never touches a binding file,
// not even one in the working folder.
TEST_F(BindingFilesTest, WithNoFolderNothingIsReadOrWritten) {
  const Bytes theirs = LittleEndian(kKeyFile.good);
  Write(kKeyBindingFile, theirs);
  SetBindingFolder({false, {}});
  const BindingFilesRead result = ReadBindingFiles(input);
  EXPECT_TRUE(result.warnings.empty());
  EXPECT_EQ(input.Keyboard, kDefaultKeys);
  EXPECT_EQ(input.Gamepad, kDefaultPad);
  EXPECT_FALSE(WriteKeyBindings(input));
  EXPECT_FALSE(WritePadBindings(input));
  EXPECT_EQ(Read(kKeyBindingFile), theirs);
  EXPECT_EQ(FilesHere(), std::vector<std::string>{kKeyBindingFile});
}

}  // namespace

// ---- A run's held bindings ---------------------------------------------------------------------

TEST_F(BindingFilesTest, ARunPlaysOnTheBindingsItHoldsAndAReplayWritesNoFile) {
  Write(kKeyBindingFile, LittleEndian(kKeyFile.good));
  Write(kPadBindingFile, LittleEndian(kPadFile.good));
  const BindingTables fromFiles = ReadBindingTables();
  EXPECT_EQ(fromFiles.keys, KeysRead(kKeyFile.good));
  EXPECT_EQ(fromFiles.pad, PadRead(kPadFile.good));

  BindingTables recorded;
  recorded.keys = kDefaultKeys;
  recorded.pad = kDefaultPad;
  for (const bool inMemoryOnly : {true, false}) {
    SCOPED_TRACE(inMemoryOnly ? "replay" : "recorded run");
    HoldRunBindings(recorded, inMemoryOnly);
    // The title of the run takes the held tables, whatever the files now say.
    TGameInput title;
    title.Init(0, INPUT_BOTH);
    LoadBindings(title);
    EXPECT_EQ(title.Keyboard, kDefaultKeys);
    EXPECT_EQ(title.Gamepad, kDefaultPad);
    // A rebinding inside the run: the next start of the title in this run plays on it ...
    title.Keyboard[ACTION_RIGHT] = 'L';
    title.Gamepad[ACTION_JUMP] = 7;
    EXPECT_TRUE(WriteKeyBindings(title));
    EXPECT_TRUE(WritePadBindings(title));
    TGameInput again;
    LoadBindings(again);
    EXPECT_EQ(again.Keyboard, title.Keyboard);
    EXPECT_EQ(again.Gamepad, title.Gamepad);
    // ... and only a run that is not a replay writes it down.
    EXPECT_EQ(ValuesOf(Read(kKeyBindingFile))[ACTION_RIGHT],
              inMemoryOnly ? kKeyFile.good[12] : 'L');
    EXPECT_EQ(ValuesOf(Read(kPadBindingFile))[ACTION_JUMP], inMemoryOnly ? kPadFile.good[2] : 7);
    ReleaseRunBindings();
  }
  // With no run under way the files are read again.
  TGameInput after;
  LoadBindings(after);
  EXPECT_EQ(after.Keyboard[ACTION_RIGHT], 'L');
}
