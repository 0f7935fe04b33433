// Writes the game's manual page from the program's own flag table, so the page and --help can
// never disagree.
//
//   talvenne_manpage OUTPUT

#include <cstdio>
#include <fstream>
#include <string>

#include "app/command_line.h"
#include "app/version.h"

namespace {

// Text as roff shows it literally: backslashes and minus signs escaped, and a line that would
// start with a control character guarded.
std::string Roff(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string Page() {
  std::string page;
  page += std::string(".TH TALVENNE 6 \"") + kGameReleaseDate + "\" \"" + kGameName + " " +
          kGameVersion + "\" \"Games\"\n";
  page += ".SH NAME\n";
  page += "talvenne \\- a side\\-scrolling beat 'em up in a castle at night\n";
  page += ".SH SYNOPSIS\n.B talvenne\n.RI [ options ]\n";
  page += ".SH DESCRIPTION\n";
  page +=
      "The swordswoman Momo fights through two castle stages at night on three depth planes:\n"
      "combos, grabs and throws, four moonlight skills paid for with mana, a fire\\-breathing\n"
      "dragon to ride, and the Dark Knight waiting at the end.\n"
      ".PP\n"
      "Started with no options, the game first asks for one of eight screen modes (press 1 to\n"
      "8). Arrow keys move, X attacks and confirms, Z casts magic, C jumps, Enter dashes and\n"
      "switches planes, P pauses and Esc leaves; the keys and the gamepad buttons can be\n"
      "changed in the options.\n";
  page += ".SH OPTIONS\n";
  for (const FlagHelp& flag : FlagHelpRows()) {
    page += ".TP\n";
    if (flag.value) {
      page += ".BI \"" + Roff(flag.name) + " \" " + Roff(flag.value) + "\n";
    } else {
      page += ".B " + Roff(flag.name) + "\n";
    }
    page += Roff(flag.help) + "\n";
  }
  page +=
      ".PP\n"
      "A bad option or value prints one line naming it and the usage, and exits with status\n"
      "2.\n";
  page +=
      ".SH FILES\n"
      ".TP\n"
      ".I /usr/share/games/talvenne/\n"
      "The fonts, sounds, music and the skill\\-list picture. The game looks for them beside\n"
      "its program first, then in\n"
      ".I ../share/games/talvenne\n"
      "relative to it, wherever it is installed.\n"
      ".TP\n"
      ".I $XDG_CONFIG_HOME/talvenne/ConfigKey.set\n"
      ".TQ\n"
      ".I $XDG_CONFIG_HOME/talvenne/ConfigPad.set\n"
      "The keyboard and gamepad bindings, made on the first run.\n"
      ".I $XDG_CONFIG_HOME\n"
      "is\n"
      ".I ~/.config\n"
      "when it is not set. Without a home folder the game plays on its built\\-in bindings and\n"
      "says so. A game run from its build tree keeps them in the working folder instead.\n"
      ".TP\n"
      ".I $XDG_STATE_HOME/talvenne/talvenne.log\n"
      "The run's log, one line an event: the version, the screen and sound, the binding files\n"
      "read or replaced, each file written, how the run ended, and a crash's backtrace. The\n"
      "logs of the two runs before are kept as\n"
      ".I talvenne.log.1\n"
      "and\n"
      ".IR talvenne.log.2 .\n"
      ".TP\n"
      ".I $XDG_STATE_HOME/talvenne/last-run.rec\n"
      "Every run but a replay records itself here as it goes, the run before kept as\n"
      ".IR last\\-run.1.rec ;\n"
      ".B \\-\\-replay\n"
      "plays it back, a run that crashed up to where it stopped.\n"
      ".I $XDG_STATE_HOME\n"
      "is\n"
      ".I ~/.local/state\n"
      "when it is not set. A game run from its build tree keeps both in the working folder.\n";
  page +=
      ".SH EXIT STATUS\n"
      "0 when the run ends normally, 1 when a file could not be loaded or written, 2 for a bad\n"
      "command line or a file the run may not write; a crash ends it as its signal does.\n";
  page +=
      ".SH COPYRIGHT\n"
      "The program is free software under the GNU General Public License, version 3 or later;\n"
      "its pictures, sounds and music are under Creative Commons Attribution\\-ShareAlike 4.0.\n";
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: talvenne_manpage OUTPUT\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << Page();
  out.close();
  if (!out) {
    std::fprintf(stderr, "talvenne_manpage: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
