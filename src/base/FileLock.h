#pragma once
// An advisory lock (flock) on a file that is replaced by atomic saves: the
// lock is taken on the file the path names at the moment it is held, so a
// program that waited for it sees the file the holder saved, not the one
// it replaced.

#include <filesystem>

#include "base/Error.h"
#include "base/FileDescriptor.h"

namespace veltrax {

class FileLock {
 public:
  // Waits until no other program holds the lock on the file. NotFound when
  // there is no file at the path.
  static Result<FileLock> Acquire(const std::filesystem::path& path);

  FileLock(FileLock&&) = default;
  FileLock& operator=(FileLock&&) = default;

 private:
  explicit FileLock(FileDescriptor fd) : fd_(std::move(fd)) {}
  FileDescriptor fd_;  // the lock goes with the descriptor
};

}  // namespace veltrax
