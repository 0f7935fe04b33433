#pragma once

#include <string>

#include "bot/autoplay.h"

// The whole program: command line, start-up, the frame loop and shutdown. Returns the exit status.
// It leaves the platform running, so that a test can run the program again in the same process;
// main() lets the platform go with the process (ExitPlatform).
int RunProgram(int argc, char** argv);

// Seeds the generator, loads the sound effects and creates and initialises a new game manager,
// releasing any previous one; with `practice` the game opens in the practice yard instead of the
// title. Returns false with `failed` naming a sound that would not load.
bool StartGame(std::string& failed, bool practice = false);

// Registers every character kind of the game in the spawn table.
void RegisterCharacterKinds();

// What the bot sees of the screen this frame: the menu or segment that is up, and whether the game
// waits on the pause or the back-to-title question.
BotView LookAtScreen();
