#include <cstdio>
#include <new>
#include <system_error>

#include "app/program.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  int status = 1;
  // Out of memory, or of threads for the loaders, anywhere from start-up on: one line and a
  // failed status, never an abort.
  try {
    status = RunProgram(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("talvenne: out of memory\n", stderr);
  } catch (const std::system_error& error) {
    std::fprintf(stderr, "talvenne: out of system resources: %s\n", error.what());
  }
  ExitPlatform();
  return status;
}
