#include "platform/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> dataFolders;

// An absolute path from the environment, or nothing: the layout says to ignore relative ones.
std::optional<fs::path> AbsoluteFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || !*value || value[0] != '/') return std::nullopt;
  return fs::path(value);
}

// Makes every missing folder of `path` with `mode`; false with `error` naming the one that failed.
bool MakeFolders(const fs::path& path, mode_t mode, std::string& error) {
  fs::path sofar;
  for (const fs::path& part : path) {
    sofar /= part;
    struct stat info {};
    if (stat(sofar.c_str(), &info) == 0) {
      if (S_ISDIR(info.st_mode)) continue;
      error = sofar.string() + " is not a folder";
      return false;
    }
    if (errno != ENOENT || mkdir(sofar.c_str(), mode) != 0) {
      error = "cannot make " + sofar.string() + " (" + std::strerror(errno) + ")";
      return false;
    }
  }
  return true;
}

}  // namespace

fs::path ProgramFolder() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : exe.parent_path();
}

bool IsBuildTree(const fs::path& programFolder) {
  std::error_code ec;
  return !programFolder.empty() && fs::is_regular_file(programFolder / "CMakeCache.txt", ec);
}

void SetDataFolders(std::vector<fs::path> folders) { dataFolders = std::move(folders); }

const std::vector<fs::path>& DataFolders() { return dataFolders; }

std::vector<fs::path> ProgramDataFolders(const fs::path& programFolder) {
  if (programFolder.empty()) return {};
  return {programFolder, (programFolder / kInstalledDataFolder).lexically_normal()};
}

std::string DescribeDataFolders() {
  if (dataFolders.empty()) return "in the working folder";
  std::string text;
  for (size_t i = 0; i < dataFolders.size(); ++i) {
    text += (i == 0 ? "in " : ", then in ") + dataFolders[i].string();
  }
  return text;
}

fs::path FindDataFile(const std::string& name) {
  fs::path relative(name);
  if (dataFolders.empty() || relative.is_absolute()) return relative;
  std::error_code ec;
  for (const fs::path& folder : dataFolders) {
    if (fs::exists(folder / relative, ec)) return folder / relative;
  }
  return dataFolders.front() / relative;
}

std::optional<fs::path> UserFolder(UserFolderKind kind, std::string& error) {
  const bool config = kind == UserFolderKind::Config;
  std::optional<fs::path> base =
      AbsoluteFromEnvironment(config ? "XDG_CONFIG_HOME" : "XDG_STATE_HOME");
  if (!base) {
    // The default lies in the home folder, which the game never makes itself.
    const std::optional<fs::path> home = AbsoluteFromEnvironment("HOME");
    std::error_code ec;
    if (!home) {
      error = "no home folder (HOME is not set to an absolute path)";
      return std::nullopt;
    }
    if (!fs::is_directory(*home, ec)) {
      error = "the home folder " + home->string() + " does not exist";
      return std::nullopt;
    }
    base = *home / (config ? ".config" : ".local/state");
  }
  const fs::path folder = *base / "talvenne";
  if (!MakeFolders(folder, 0700, error)) return std::nullopt;
  if (access(folder.c_str(), W_OK) != 0) {
    error = folder.string() + " is read-only (" + std::strerror(errno) + ")";
    return std::nullopt;
  }
  return folder;
}
