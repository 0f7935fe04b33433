#pragma once
// Reading files with bounds, and writing them so that nothing the player owns is ever destroyed.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

// No file the game reads (recordings, input scripts) may be larger than this.
constexpr size_t kMaxInputFileBytes = size_t{256} << 20;

// Checks that `path` may be written: a regular file that is not read-only, or no file yet in an
// existing folder. A symbolic link is followed to the file it names. On refusal returns false
// with `error` as "PATH: reason" (a device, a directory, a FIFO, a socket, read-only, no such
// folder). Fills `resolved`, when given, with the path the file will really be written at.
bool CheckWriteTarget(const std::string& path, std::string& error, std::string* resolved = nullptr);

// A file written under a unique temporary name in its target's folder and given the target's
// name only once every byte is in it (Commit), or early for a file that grows as the run goes
// (Publish). A failed or abandoned write leaves whatever was at the target as it was, and an
// unfinished temporary is removed. A symbolic link at the target is written through, the link
// kept; a replaced file keeps its permissions.
class AtomicFile {
 public:
  AtomicFile() = default;
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();

  // Checks the target (CheckWriteTarget) and creates the temporary.
  bool Open(const std::string& path);
  // Once a call has failed, every later call fails too and Commit does nothing.
  bool Write(std::span<const uint8_t> bytes);
  // Writes over bytes already written from `offset` on (a header filled in at the end); later
  // writes go on at the end of the file.
  bool WriteAt(uint64_t offset, std::span<const uint8_t> bytes);
  // Hands what was written so far to the system, so that it outlives a crash of the game.
  bool Flush();
  // Gives the file its real name now; later writes go on into it.
  bool Publish();
  // From now on a failed write keeps what the file holds instead of removing it: the temporary
  // is renamed "PATH.partial" (unless that name is taken; then it keeps its own), and Error()
  // ends by saying where it is. The target is still left as it was.
  void KeepWhatFails() { keepOnFailure_ = true; }
  // Flushes to the disk, closes and, unless published, renames over the target.
  bool Commit();
  void Abandon();
  bool IsOpen() const { return file_ != nullptr; }
  // What went wrong, as "PATH: reason".
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& what);
  bool TakeTargetName();
  // Closes the file and keeps the temporary, for KeepWhatFails; false when there is none.
  bool KeepTemporary();

  std::string path_;    // as the caller named it, for messages
  std::string target_;  // where the file lands, symbolic links followed
  std::string temp_;    // empty once the file has its real name
  std::FILE* file_ = nullptr;
  std::string error_;
  bool keepOnFailure_ = false;
};

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr);

// A file read from the front in bounded pieces.
class InputFile {
 public:
  InputFile() = default;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile();

  bool Open(const std::string& path);
  // Appends up to `count` bytes to `bytes`; fewer only at the end of the file. False on a read
  // error.
  bool Read(size_t count, std::vector<uint8_t>& bytes);
  // One line without its line break (LF, CR LF or CR alone), at most `maxLength` bytes. False at
  // the end of the file, on a read error or on a longer line (see Error()).
  bool ReadLine(std::string& line, size_t maxLength);
  // Bytes read so far.
  size_t Consumed() const { return consumed_; }
  // The size of a regular file, 0 for anything else (a pipe, a device).
  size_t Size() const;
  // Empty, or "PATH: reason" after a failed call.
  const std::string& Error() const { return error_; }

 private:
  bool Fail(const std::string& what);

  std::string path_;
  std::FILE* file_ = nullptr;
  size_t consumed_ = 0;
  std::string error_;
};

// Reads at most `maxBytes` of the file. False (and `error` as "PATH: reason") when it cannot be
// opened or read.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error = nullptr);
