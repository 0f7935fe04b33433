#include "platform/crash_report.h"

#include <execinfo.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include "platform/log.h"

namespace {

constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int kMaxFrames = 64;
constexpr size_t kPathRoom = 4096;

// Everything the handler reads is set before it is installed: it may only use write(2) and
// what it finds here.
char logPath[kPathRoom];
char recordingPath[kPathRoom];
volatile sig_atomic_t crashFrame = -1;
bool installed = false;

const char* SignalName(int signal) {
  switch (signal) {
    case SIGSEGV:
      return "SIGSEGV";
    case SIGBUS:
      return "SIGBUS";
    case SIGFPE:
      return "SIGFPE";
    case SIGILL:
      return "SIGILL";
    case SIGABRT:
      return "SIGABRT";
    default:
      return "a signal";
  }
}

void Put(int fd, const char* text) {
  if (fd < 0) return;
  for (size_t left = std::strlen(text); left > 0;) {
    const ssize_t n = write(fd, text, left);
    if (n <= 0) return;
    text += n;
    left -= static_cast<size_t>(n);
  }
}

void PutNumber(int fd, long value) {
  char digits[24];
  char* at = digits + sizeof digits;
  *--at = '\0';
  const bool negative = value < 0;
  unsigned long rest = negative ? 0ul - static_cast<unsigned long>(value) : value;
  do {
    *--at = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0);
  if (negative) *--at = '-';
  Put(fd, at);
}

void OnCrash(int signal) {
  const int log = LogDescriptor();
  Put(log, "crash: ");
  Put(log, SignalName(signal));
  Put(log, " in frame ");
  PutNumber(log, crashFrame);
  Put(log, "; backtrace:\n");
  void* frames[kMaxFrames];
  const int count = backtrace(frames, kMaxFrames);
  if (log >= 0) backtrace_symbols_fd(frames, count, log);
  Put(STDERR_FILENO, "talvenne: crashed (");
  Put(STDERR_FILENO, SignalName(signal));
  Put(STDERR_FILENO, "); ");
  Put(STDERR_FILENO, log >= 0 ? "the log with a backtrace is " : "no log was kept");
  Put(STDERR_FILENO, log >= 0 ? logPath : "");
  Put(STDERR_FILENO, *recordingPath ? ", the run's recording " : ", and no recording");
  Put(STDERR_FILENO, recordingPath);
  Put(STDERR_FILENO, "\n");
  // The handler was reset as it ran: raised again, the signal does what it would have done,
  // once this returns.
  raise(signal);
}

void CopyPath(char* to, const std::string& from) {
  const size_t n = from.size() < kPathRoom - 1 ? from.size() : kPathRoom - 1;
  std::memcpy(to, from.data(), n);
  to[n] = '\0';
}

}  // namespace

void InstallCrashReport(const std::string& log, const std::string& recording) {
  CopyPath(logPath, log);
  CopyPath(recordingPath, recording);
  crashFrame = -1;
  // The first backtrace loads the unwinder, which a signal handler must not have to do.
  void* frames[1];
  backtrace(frames, 1);
  struct sigaction action {};
  action.sa_handler = OnCrash;
  sigemptyset(&action.sa_mask);
  action.sa_flags = static_cast<int>(SA_RESETHAND);
  for (int signal : kCrashSignals) sigaction(signal, &action, nullptr);
  installed = true;
}

void UninstallCrashReport() {
  if (!installed) return;
  for (int number : kCrashSignals) ::signal(number, SIG_DFL);
  installed = false;
}

void SetCrashFrame(int frame) { crashFrame = frame; }
