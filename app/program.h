#pragma once

#include <string>

// The whole program: command line, start-up, the frame loop and shutdown. Returns the exit status.
int RunProgram(int argc, char** argv);

// Seeds the generator, loads the sound effects and creates and initialises a new game manager,
// releasing any previous one. Returns false with `failed` naming a sound that would not load.
bool StartGame(std::string& failed);

// Registers every character kind of the game in the spawn table.
void RegisterCharacterKinds();
