#include "platform/log.h"

#include <cstdio>

namespace {
FILE* logFile = nullptr;
}  // namespace

bool OpenLog(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "a");
  if (!f) return false;
  CloseLog();
  logFile = f;
  return true;
}

void CloseLog() {
  if (logFile) std::fclose(logFile);
  logFile = nullptr;
}

void LogEvent(const std::string& line) {
  if (!logFile) return;
  std::fprintf(logFile, "%s\n", line.c_str());
  std::fflush(logFile);
}

void LogWarning(const std::string& line) {
  std::fprintf(stderr, "%s\n", line.c_str());
  LogEvent(line);
}
