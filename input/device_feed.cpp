#include "input/device_feed.h"

// Placeholder until scripts and replays land.
std::unique_ptr<DeviceFeed> OpenInputScript(const std::string& path, std::string& error) {
  error = path + ": input scripts are not supported yet";
  return nullptr;
}
std::unique_ptr<DeviceFeed> OpenReplay(const std::string& path, int&, std::string& error) {
  error = path + ": replays are not supported yet";
  return nullptr;
}
std::unique_ptr<DeviceFeed> OpenRecorder(const std::string& path, int, std::unique_ptr<DeviceFeed>,
                                         std::string& error) {
  error = path + ": recording is not supported yet";
  return nullptr;
}
