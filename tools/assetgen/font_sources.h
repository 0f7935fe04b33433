#pragma once
// Where Debian's font packages put the faces the game ships and the generator letters with.

namespace fonts {
inline constexpr const char* kProciono = "/usr/share/fonts/opentype/fonts-prociono/Prociono.otf";
inline constexpr const char* kSpartanBold =
    "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf";
inline constexpr const char* kIpaMincho = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";
}  // namespace fonts
