#pragma once
// The run's log: one line per event (start-up, devices, files read and written, how the run
// ended), never one per frame. Until a log is opened the lines go nowhere, except warnings,
// which always reach standard error.

#include <string>

// Starts the log at path, keeping the logs of earlier runs beside it. False (and nothing else
// changes) when the file cannot be written.
bool OpenLog(const std::string& path);
void CloseLog();
void LogEvent(const std::string& line);
// A line the player should see as well: written to standard error and to the log.
void LogWarning(const std::string& line);
