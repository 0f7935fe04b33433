#pragma once
// What the installed game shows on the desktop, made from the window icon's own painter: the icon
// at each size of the icon theme and as a scalable SVG, and the list of font links the data
// folder holds in place of copies.

#include <filesystem>

// Writes DIR/<N>x<N>.png for every theme size and DIR/scalable.svg. False after printing what
// failed.
bool WriteDesktopIcons(const std::filesystem::path& folder);

// Writes one line per font file the game opens: its name under Fonts/, a tab, and the file of
// the Debian font package it stands for.
bool WriteFontLinks(const std::filesystem::path& path);
