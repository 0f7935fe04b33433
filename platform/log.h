#pragma once
// The run's log: one line per event (start-up, devices, files read and written, how the run
// ended), never one per frame. Until a log is opened the lines go nowhere, except warnings,
// which always reach standard error.

#include <string>

// Starts the log at path, keeping the logs of the two runs before beside it as PATH.1 and
// PATH.2. False (and nothing else changes) when the file cannot be written.
bool OpenLog(const std::string& path);
void CloseLog();
void LogEvent(const std::string& line);
// A line the player should see as well: written to standard error and to the log.
void LogWarning(const std::string& line);
// The open log's file descriptor, or -1: for the crash report, which may only write(2) to it.
int LogDescriptor();
