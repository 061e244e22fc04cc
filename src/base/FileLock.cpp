#include "base/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace veltrax {

Result<FileLock> FileLock::Acquire(const std::filesystem::path& path) {
  for (;;) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid()) {
      const int err = errno;
      return Error{err == ENOENT ? ErrorKind::NotFound : ErrorKind::Io,
                   "cannot lock " + path.string() + ": " + std::strerror(err)};
    }
    int locked;
    do {
      locked = ::flock(fd.get(), LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) return Error{ErrorKind::Io, "cannot lock " + path.string() + ": " + std::strerror(errno)};
    // A save by the program that held the lock replaced the file: lock the
    // new one instead.
    struct stat held{}, named{};
    if (::fstat(fd.get(), &held) != 0) return Error{ErrorKind::Io, "cannot lock " + path.string()};
    if (::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
      return FileLock(std::move(fd));
    }
  }
}

}  // namespace veltrax
