#include "base/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace veltrax {
namespace {

Error SystemError(const std::string& what, const std::filesystem::path& path, int err) {
  ErrorKind kind = ErrorKind::Io;
  if (err == ENOENT) kind = ErrorKind::NotFound;
  if (err == EACCES || err == EPERM) kind = ErrorKind::PermissionDenied;
  return Error{kind, what + " " + path.string() + ": " + std::strerror(err)};
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

Result<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return SystemError("cannot open", path, errno);
  std::vector<uint8_t> bytes;
  uint8_t block[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), block, sizeof block);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SystemError("cannot read", path, errno);
    if (n == 0) break;
    bytes.insert(bytes.end(), block, block + n);
  }
  return bytes;
}

Status WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  FileDescriptor fd(::mkstemp(pattern.data()));
  if (fd.get() < 0) return SystemError("cannot create a file in", folder, errno);
  const std::filesystem::path temporary = pattern;

  auto fail = [&](const char* what) {
    int err = errno;
    ::close(fd.release());
    ::unlink(temporary.c_str());
    return Status(SystemError(what, path, err));
  };
  if (::fchmod(fd.get(), 0644) != 0) return fail("cannot set the permissions of");
  if (!WriteAll(fd.get(), bytes)) return fail("cannot write");
  if (::fsync(fd.get()) != 0) return fail("cannot flush");
  if (::close(fd.release()) != 0) {
    int err = errno;
    ::unlink(temporary.c_str());
    return SystemError("cannot close", path, err);
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temporary.c_str());
    return SystemError("cannot replace", path, err);
  }
  return Success();
}

}  // namespace veltrax
