#pragma once
// What a crash leaves for a bug report. On SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT the handler
// writes the signal, the frame under way and a backtrace into the log, tells the player in one
// line on standard error where the log and the flight recording are, and lets the signal end the
// program as it would have (the same exit status, a core dump where the system keeps them).

#include <string>

// From now until UninstallCrashReport; an empty path is a file the run does not keep.
void InstallCrashReport(const std::string& logPath, const std::string& recordingPath);
void UninstallCrashReport();
// The frame the run is in, for the report.
void SetCrashFrame(int frame);
