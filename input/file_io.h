#pragma once
// Whole-file reads, and writes that never leave a half-written file behind.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <span>
#include <string>
#include <vector>

// A file written under a temporary name beside its target ("NAME.tmp") and renamed over the
// target only once every byte has reached the disk, so a crash or a full disk leaves either the
// old file or the new one, never a mix. Destroying an uncommitted file removes the temporary.
class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();

  bool Open(const std::string& path);
  // Once a write has failed, every later call fails too and Commit does nothing.
  bool Write(std::span<const uint8_t> bytes);
  bool Commit();
  void Abandon();
  bool IsOpen() const { return file_ != nullptr; }
  // What went wrong, as "PATH: reason".
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& what);

  std::string path_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  std::string error_;
};

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr);

// Reads at most `maxBytes` of the file. False (and `error` as "PATH: reason") when it cannot be
// opened or read.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes,
                   size_t maxBytes = std::numeric_limits<size_t>::max(),
                   std::string* error = nullptr);
