#pragma once

// The whole program: command line, start-up, the frame loop and shutdown. Returns the exit status.
int RunProgram(int argc, char** argv);

// Seeds the generator and creates and initialises a new game manager, releasing any previous one.
void StartGame();
