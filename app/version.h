#pragma once
// The game's name and version. The build reads the version from this line for the package, the
// desktop metadata and the manual page, so it is set here alone.

inline constexpr char kGameName[] = "Talvenne";
inline constexpr char kGameVersion[] = "0.38a";
// The day this version was released, for the metadata and the manual page.
inline constexpr char kGameReleaseDate[] = "2026-12-10";
