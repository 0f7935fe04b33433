#pragma once
// Where the program's files live: the folder of the executable, the folders its data is read
// from, and the per-user folders an installed game keeps its own files in.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The installed data folder, relative to the folder of the executable.
inline constexpr const char* kInstalledDataFolder = "../share/games/talvenne";

// The folder holding the running executable; empty when the system cannot say.
std::filesystem::path ProgramFolder();
// True when `programFolder` is a CMake build tree (the game built and run in place).
bool IsBuildTree(const std::filesystem::path& programFolder);

// The folders a relative file name is looked up in, first hit wins. With none (the default)
// names are relative to the working folder.
void SetDataFolders(std::vector<std::filesystem::path> folders);
const std::vector<std::filesystem::path>& DataFolders();
// Beside the program, then the installed data folder relative to it.
std::vector<std::filesystem::path> ProgramDataFolders(const std::filesystem::path& programFolder);
// Where a relative file name is looked for, for an error line: "in A, then in B".
std::string DescribeDataFolders();
// The path a name is read from: the first data folder that holds it (the first folder when none
// does), or the name itself when there are no data folders or it is absolute.
std::filesystem::path FindDataFile(const std::string& name);

// The game's own folder under a per-user base folder of the XDG layout:
//   Config  $XDG_CONFIG_HOME/talvenne, by default ~/.config/talvenne
//   State   $XDG_STATE_HOME/talvenne, by default ~/.local/state/talvenne
// created (mode 0700, as the layout asks) when missing. A base variable that is unset, empty or
// not an absolute path counts as unset. Without a usable folder (no home, a home that is missing
// or read-only) returns nothing, with `error` one line saying why.
enum class UserFolderKind { Config, State };
std::optional<std::filesystem::path> UserFolder(UserFolderKind kind, std::string& error);
