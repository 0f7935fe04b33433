#include "input/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "unknown error"; }

// Pushes the file's bytes to the disk before the rename makes them the real file; without this
// a power cut right after the rename can leave an empty file under the target's name.
bool SyncToDisk([[maybe_unused]] std::FILE* file) {
#if defined(__unix__) || defined(__APPLE__)
  return fsync(fileno(file)) == 0;
#else
  return true;
#endif
}

}  // namespace

AtomicFile::~AtomicFile() { Abandon(); }

bool AtomicFile::Fail(const std::string& what) {
  error_ = path_ + ": " + what;
  Abandon();
  return false;
}

bool AtomicFile::Open(const std::string& path) {
  Abandon();
  path_ = path;
  temp_ = path + ".tmp";
  error_.clear();
  errno = 0;
  file_ = std::fopen(temp_.c_str(), "wb");
  if (!file_) {
    error_ = path_ + ": cannot create " + temp_ + ": " + Reason(errno);
    return false;
  }
  return true;
}

bool AtomicFile::Write(std::span<const uint8_t> bytes) {
  if (!file_) return false;
  errno = 0;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
    return Fail("cannot write: " + Reason(errno));
  }
  return true;
}

bool AtomicFile::Commit() {
  if (!file_) return false;
  errno = 0;
  if (std::fflush(file_) != 0 || !SyncToDisk(file_)) return Fail("cannot write: " + Reason(errno));
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (closed != 0) return Fail("cannot write: " + Reason(errno));
  std::error_code renameError;
  std::filesystem::rename(temp_, path_, renameError);
  if (renameError) return Fail("cannot replace the file: " + renameError.message());
  return true;
}

void AtomicFile::Abandon() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temp_, ignored);
    temp_.clear();
  }
}

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error) {
  AtomicFile file;
  const bool written = file.Open(path) && file.Write(bytes) && file.Commit();
  if (!written && error) *error = file.Error();
  return written;
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error) {
  bytes.clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    if (error) *error = path + ": cannot open: " + Reason(errno);
    return false;
  }
  uint8_t chunk[4096];
  bool failed = false;
  while (bytes.size() < maxBytes) {
    const size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
    const size_t got = std::fread(chunk, 1, want, file);
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < want) {
      failed = std::ferror(file) != 0;
      break;
    }
  }
  const int readError = errno;
  std::fclose(file);
  if (failed) {
    if (error) *error = path + ": cannot read: " + Reason(readError);
    return false;
  }
  return true;
}
