#include "platform/log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace {
int logFd = -1;
}  // namespace

bool OpenLog(const std::string& path) {
  // Rotated only once the folder is known to take a file: a failed start keeps the old logs.
  const std::string fresh = path + ".new";
  const int fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  std::rename((path + ".1").c_str(), (path + ".2").c_str());
  std::rename(path.c_str(), (path + ".1").c_str());
  if (std::rename(fresh.c_str(), path.c_str()) != 0) {
    close(fd);
    unlink(fresh.c_str());
    return false;
  }
  CloseLog();
  logFd = fd;
  return true;
}

void CloseLog() {
  if (logFd >= 0) close(logFd);
  logFd = -1;
}

void LogEvent(const std::string& line) {
  if (logFd < 0) return;
  // The time of day, so that a report can be matched with what the player remembers.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  char stamp[16] = "";
  if (localtime_r(&now, &local)) std::strftime(stamp, sizeof stamp, "%H:%M:%S ", &local);
  const std::string text = stamp + line + "\n";
  // One write a line, so that a line is whole even if the program dies right after it.
  for (size_t done = 0; done < text.size();) {
    const ssize_t n = write(logFd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

void LogWarning(const std::string& line) {
  std::fprintf(stderr, "%s\n", line.c_str());
  LogEvent(line);
}

int LogDescriptor() { return logFd; }
