#include "app/program.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  const int status = RunProgram(argc, argv);
  ExitPlatform();
  return status;
}
