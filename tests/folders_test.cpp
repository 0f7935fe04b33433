// Where the program's files are: the data folders a relative name is found in, and the per-user
// folders of the XDG layout that an installed game keeps its own files in.

#include "platform/folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder, and the environment and data folders as they were before the test.
class FoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "talvenne-folders-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
    previousFolders_ = DataFolders();
  }
  void TearDown() override {
    for (size_t i = 0; i < std::size(kVariables); ++i) Set(kVariables[i], saved_[i]);
    SetDataFolders(previousFolders_);
    fs::remove_all(dir_);
  }
  static void Set(const char* name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  void Touch(const fs::path& path, const std::string& text = "x") const {
    fs::create_directories((dir_ / path).parent_path());
    std::ofstream(dir_ / path) << text;
  }

  static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"};
  fs::path dir_;

 private:
  std::vector<std::optional<std::string>> saved_;
  std::vector<fs::path> previousFolders_;
};

// ---- Per-user folders -------------------------------------------------------------------------

struct UserFolderCase {
  const char* name;
  UserFolderKind kind;
  const char* home;                // under the scratch folder; null: HOME unset
  std::optional<std::string> xdg;  // the kind's variable; "@" stands for the scratch folder
  const char* expected;            // under the scratch folder; null: no folder
  const char* error;               // part of the error line when there is none
};

// clang-format off
const UserFolderCase kUserFolderCases[] = {
  // name                         kind                    home     xdg             expected                        error
  {"config by default",           UserFolderKind::Config, "home",  std::nullopt,   "home/.config/talvenne",        nullptr},
  {"state by default",            UserFolderKind::State,  "home",  std::nullopt,   "home/.local/state/talvenne",   nullptr},
  {"config where XDG says",       UserFolderKind::Config, "home",  "@/cfg",        "cfg/talvenne",                 nullptr},
  {"state where XDG says",        UserFolderKind::State,  "home",  "@/st",         "st/talvenne",                  nullptr},
  {"an empty variable is unset",  UserFolderKind::Config, "home",  "",             "home/.config/talvenne",        nullptr},
  {"a relative one is ignored",   UserFolderKind::Config, "home",  "cfg",          "home/.config/talvenne",        nullptr},
  {"XDG needs no home",           UserFolderKind::Config, nullptr, "@/cfg",        "cfg/talvenne",                 nullptr},
  {"no home",                     UserFolderKind::Config, nullptr, std::nullopt,   nullptr,  "no home folder"},
  {"a home that is not there",    UserFolderKind::State,  "gone",  std::nullopt,   nullptr,  "does not exist"},
  {"a file in the way",           UserFolderKind::Config, "home",  "@/file/x",     nullptr,  "is not a folder"},
};
// clang-format on

TEST_F(FoldersTest, UserFolderFollowsTheXdgLayoutAndIsMadePrivate) {
  fs::create_directory(dir_ / "home");
  Touch("file");
  for (const UserFolderCase& c : kUserFolderCases) {
    SCOPED_TRACE(c.name);
    Set("HOME", c.home ? std::optional((dir_ / c.home).string()) : std::nullopt);
    std::optional<std::string> xdg = c.xdg;
    if (xdg && xdg->starts_with("@")) xdg = dir_.string() + xdg->substr(1);
    Set(c.kind == UserFolderKind::Config ? "XDG_CONFIG_HOME" : "XDG_STATE_HOME", xdg);
    Set(c.kind == UserFolderKind::Config ? "XDG_STATE_HOME" : "XDG_CONFIG_HOME", std::nullopt);

    std::string error;
    const std::optional<fs::path> folder = UserFolder(c.kind, error);
    if (!c.expected) {
      EXPECT_FALSE(folder);
      EXPECT_NE(error.find(c.error), std::string::npos) << error;
      EXPECT_EQ(error.find('\n'), std::string::npos);
      continue;
    }
    ASSERT_TRUE(folder) << error;
    EXPECT_EQ(*folder, dir_ / c.expected);
    struct stat info {};
    ASSERT_EQ(stat(folder->c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // Asked again, the folder is simply there.
    EXPECT_EQ(UserFolder(c.kind, error), folder);
    fs::remove_all(dir_ / c.expected);
  }
  // The game never makes a home of its own.
  EXPECT_FALSE(fs::exists(dir_ / "gone"));
}

// ---- Data folders -----------------------------------------------------------------------------

TEST_F(FoldersTest, ANameIsFoundInTheFirstDataFolderThatHoldsIt) {
  const fs::path first = dir_ / "games";
  const fs::path second = dir_ / "share/games/talvenne";
  Touch("games/both.ogg", "first");
  Touch("share/games/talvenne/both.ogg", "second");
  Touch("share/games/talvenne/sounds/only.ogg", "installed");
  fs::create_directories(first);
  EXPECT_EQ(ProgramDataFolders(first),
            (std::vector<fs::path>{first, (first / kInstalledDataFolder).lexically_normal()}));
  EXPECT_EQ(ProgramDataFolders(first)[1], second);

  SetDataFolders(ProgramDataFolders(first));
  EXPECT_EQ(FindDataFile("both.ogg"), first / "both.ogg");
  EXPECT_EQ(FindDataFile("sounds/only.ogg"), second / "sounds/only.ogg");
  // Found nowhere: the error names the first place, and the line both.
  EXPECT_EQ(FindDataFile("missing.ogg"), first / "missing.ogg");
  EXPECT_EQ(DescribeDataFolders(), "in " + first.string() + ", then in " + second.string());
  EXPECT_EQ(FindDataFile("/etc/hostname"), fs::path("/etc/hostname"));

  // The loaders read through the same lookup, with the game's backslash names.
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadAssetBytes("sounds\\only.ogg", bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "installed");
  EXPECT_FALSE(ReadAssetBytes("sounds\\missing.ogg", bytes));

  SetDataFolders({});
  EXPECT_EQ(FindDataFile("both.ogg"), fs::path("both.ogg"));
  EXPECT_EQ(DescribeDataFolders(), "in the working folder");
}

}  // namespace
