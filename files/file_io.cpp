#include "files/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr size_t kWriteBuffer = size_t{1} << 16;  // a trace writes a line a frame

std::string Reason(int error) { return error != 0 ? std::strerror(error) : "unknown error"; }

// What sits at a path that must not be replaced, or null when a regular file may be.
const char* NotRegular(mode_t mode) {
  if (S_ISDIR(mode)) return "is a directory";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device";
  if (S_ISFIFO(mode)) return "is a FIFO";
  if (S_ISSOCK(mode)) return "is a socket";
  if (!S_ISREG(mode)) return "is not a regular file";
  return nullptr;
}

// The file a path names once every symbolic link on the way is followed; a link may name a
// file that does not exist yet.
bool FollowLinks(const std::string& path, std::string& target, std::string& error) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::error_code failed;
    const fs::path link = fs::read_symlink(target, failed);
    if (failed) {
      error = failed.message();
      return false;
    }
    target = link.is_absolute() ? link.string() : (fs::path(target).parent_path() / link).string();
  }
  error = Reason(ELOOP);
  return false;
}

std::string FolderOf(const std::string& path) {
  const fs::path folder = fs::path(path).parent_path();
  return folder.empty() ? "." : folder.string();
}

// The mode a new file gets from the process's umask, as open() would give it.
mode_t NewFileMode() {
  static const mode_t mask = [] {
    const mode_t current = umask(0);
    umask(current);
    return current;
  }();
  return 0666 & ~mask;
}

}  // namespace

bool CheckWriteTarget(const std::string& path, std::string& error, std::string* resolved) {
  std::string target;
  std::string why;
  if (path.empty()) {
    error = "an empty path names no file";
    return false;
  }
  if (!FollowLinks(path, target, why)) {
    error = path + ": " + why;
    return false;
  }
  struct stat info {};
  if (stat(target.c_str(), &info) == 0) {
    if (const char* what = NotRegular(info.st_mode)) {
      error = path + ": " + what + ", not a regular file; it is left alone";
      return false;
    }
    // Root may write anything; a file nobody may write is still the owner's word.
    if ((info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0) {
      error = path + ": is read-only; it is left alone";
      return false;
    }
  } else if (errno != ENOENT) {
    error = path + ": " + Reason(errno);
    return false;
  } else {
    const std::string folder = FolderOf(target);
    struct stat folderInfo {};
    if (stat(folder.c_str(), &folderInfo) != 0) {
      error = path + ": cannot write into " + folder + ": " + Reason(errno);
      return false;
    }
    if (!S_ISDIR(folderInfo.st_mode)) {
      error = path + ": cannot write into " + folder + ": " + Reason(ENOTDIR);
      return false;
    }
  }
  if (resolved) *resolved = target;
  return true;
}

// ---- Writing -----------------------------------------------------------------------------------

AtomicFile::~AtomicFile() { Abandon(); }

bool AtomicFile::Fail(const std::string& what) {
  error_ = path_ + ": " + what;
  if (!KeepTemporary()) Abandon();
  return false;
}

bool AtomicFile::KeepTemporary() {
  if (!keepOnFailure_ || temp_.empty()) return false;
  if (file_) {
    std::fclose(file_);  // what is buffered goes where it can; the file already failed
    file_ = nullptr;
  }
  std::string kept = target_ + ".partial";
  // Never over a file of the player's: without that name free, the temporary keeps its own.
  if (renameat2(AT_FDCWD, temp_.c_str(), AT_FDCWD, kept.c_str(), RENAME_NOREPLACE) != 0) {
    kept = temp_;
  }
  temp_.clear();
  error_ += "; the older file is left as it was, what was written is in " + kept;
  return true;
}

bool AtomicFile::Open(const std::string& path) {
  Abandon();
  path_ = path;
  error_.clear();
  keepOnFailure_ = false;
  if (!CheckWriteTarget(path, error_, &target_)) return false;
  // A name of our own beside the target: two runs writing one path never share a temporary,
  // and no file of the player's is ever taken for one.
  std::string temp =
      (fs::path(FolderOf(target_)) / ("." + fs::path(target_).filename().string() + ".XXXXXX"))
          .string();
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Fail("cannot create a file in " + FolderOf(target_) + ": " + Reason(errno));
  temp_ = temp;
  // A replaced file keeps its permissions and, where allowed, its owner.
  struct stat old {};
  if (stat(target_.c_str(), &old) == 0) {
    fchmod(fd, old.st_mode & 07777);
    [[maybe_unused]] const int ignored = fchown(fd, old.st_uid, old.st_gid);
  } else {
    fchmod(fd, NewFileMode());
  }
  file_ = fdopen(fd, "wb");
  if (!file_) {
    close(fd);
    return Fail("cannot write: " + Reason(errno));
  }
  std::setvbuf(file_, nullptr, _IOFBF, kWriteBuffer);
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

bool AtomicFile::WriteAt(uint64_t offset, std::span<const uint8_t> bytes) {
  if (!file_) return false;
  errno = 0;
  if (fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0)
    return Fail("cannot write: " + Reason(errno));
  const bool written = Write(bytes);
  if (fseeko(file_, 0, SEEK_END) != 0 && written) return Fail("cannot write: " + Reason(errno));
  return written;
}

bool AtomicFile::Flush() {
  if (!file_) return false;
  errno = 0;
  if (std::fflush(file_) != 0) return Fail("cannot write: " + Reason(errno));
  return true;
}

// The target is checked again right before it is replaced: something may have appeared there
// since the file was opened.
bool AtomicFile::TakeTargetName() {
  if (temp_.empty()) return true;
  std::string error;
  if (!CheckWriteTarget(path_, error)) {
    error_ = error;
    if (!KeepTemporary()) Abandon();
    return false;
  }
  if (std::rename(temp_.c_str(), target_.c_str()) != 0) {
    return Fail("cannot replace the file: " + Reason(errno));
  }
  temp_.clear();
  return true;
}

bool AtomicFile::Publish() { return Flush() && TakeTargetName(); }

bool AtomicFile::Commit() {
  if (!Flush()) return false;
  // Without this a power cut right after the rename can leave an empty file under the name.
  if (fsync(fileno(file_)) != 0) return Fail("cannot write: " + Reason(errno));
  const int closed = std::fclose(file_);
  file_ = nullptr;
  if (closed != 0) return Fail("cannot write: " + Reason(errno));
  return TakeTargetName();
}

void AtomicFile::Abandon() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    unlink(temp_.c_str());
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

// ---- Reading -----------------------------------------------------------------------------------

InputFile::~InputFile() {
  if (file_) std::fclose(file_);
}

bool InputFile::Fail(const std::string& what) {
  error_ = path_ + ": " + what;
  return false;
}

bool InputFile::Open(const std::string& path) {
  path_ = path;
  error_.clear();
  consumed_ = 0;
  errno = 0;
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) return Fail("cannot open: " + Reason(errno));
  return true;
}

size_t InputFile::Size() const {
  struct stat info {};
  if (!file_ || fstat(fileno(file_), &info) != 0 || !S_ISREG(info.st_mode)) return 0;
  return static_cast<size_t>(info.st_size);
}

bool InputFile::Read(size_t count, std::vector<uint8_t>& bytes) {
  if (!file_) return false;
  // A regular file's bytes land in one allocation of their size, not one grown by doubling.
  if (const size_t size = Size(); size > consumed_) {
    bytes.reserve(bytes.size() + std::min(count, size - consumed_));
  }
  uint8_t chunk[4096];
  while (count > 0) {
    const size_t want = std::min(sizeof chunk, count);
    errno = 0;
    const size_t got = std::fread(chunk, 1, want, file_);
    bytes.insert(bytes.end(), chunk, chunk + got);
    consumed_ += got;
    count -= got;
    if (got < want) {
      if (std::ferror(file_)) return Fail("cannot read: " + Reason(errno));
      break;
    }
  }
  return true;
}

bool InputFile::ReadLine(std::string& line, size_t maxLength) {
  line.clear();
  if (!file_) return false;
  for (;;) {
    const int c = getc_unlocked(file_);
    if (c == EOF) {
      if (std::ferror(file_)) return Fail("cannot read: " + Reason(errno));
      return !line.empty();
    }
    ++consumed_;
    if (c == '\n') return true;
    // A line may also end in CR alone (old Mac files) or in CR LF (Windows), the pair one end.
    if (c == '\r') {
      const int next = getc_unlocked(file_);
      if (next == '\n') {
        ++consumed_;
      } else if (next != EOF) {
        ungetc(next, file_);
      }
      return true;
    }
    if (line.size() == maxLength) {
      return Fail("a line is longer than " + std::to_string(maxLength) + " bytes");
    }
    line.push_back(static_cast<char>(c));
  }
}

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t maxBytes,
                   std::string* error) {
  bytes.clear();
  InputFile file;
  if (file.Open(path) && file.Read(maxBytes, bytes)) return true;
  if (error) *error = file.Error();
  return false;
}
