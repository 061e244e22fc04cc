#include "base/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "base/FileDescriptor.h"

namespace veltrax {
namespace {

constexpr int kMaxLinkDepth = 40;
constexpr std::size_t kTemporarySuffixLength = 6;
constexpr int kTemporaryNameTries = 100;

Error SystemError(const std::string& what, const std::filesystem::path& path, int err) {
  ErrorKind kind = ErrorKind::Io;
  if (err == ENOENT) kind = ErrorKind::NotFound;
  if (err == EEXIST) kind = ErrorKind::AlreadyExists;
  if (err == EACCES || err == EPERM) kind = ErrorKind::PermissionDenied;
  return Error{kind, what + " " + path.string() + ": " + std::strerror(err)};
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<size_t>(n));
  }
  return true;
}

int LockWait(int fd, int operation) {
  int result;
  do {
    result = ::flock(fd, operation);
  } while (result != 0 && errno == EINTR);
  return result;
}

// The file a save replaces: symbolic links are followed to the file they
// name, which need not exist yet. What is there must be a regular file.
Result<std::filesystem::path> SaveTarget(const std::filesystem::path& path) {
  std::filesystem::path current = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st{};
    if (::lstat(current.c_str(), &st) != 0) {
      if (errno == ENOENT) return current;
      return SystemError("cannot examine", current, errno);
    }
    if (!S_ISLNK(st.st_mode)) {
      if (!S_ISREG(st.st_mode)) return Error{ErrorKind::BadFormat, current.string() + " is not a regular file"};
      return current;
    }
    std::error_code ec;
    const std::filesystem::path link = std::filesystem::read_symlink(current, ec);
    if (ec) return Error{ErrorKind::Io, "cannot follow " + current.string() + ": " + ec.message()};
    current = link.is_absolute() ? link : current.parent_path() / link;
  }
  return Error{ErrorKind::Io, path.string() + ": too many levels of symbolic links"};
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// ".NAME." : what the temporary files of a save of NAME start with.
std::string TemporaryPrefix(const std::filesystem::path& target) {
  std::string prefix(1, '.');
  prefix.append(target.filename().string());
  prefix.push_back('.');
  return prefix;
}

// A temporary file beside the target, locked for as long as it is open, so
// that a later save tells a live writer's file from one a killed writer
// left behind. Created with 0666, of which the umask takes its part.
struct Temporary {
  FileDescriptor fd;
  std::filesystem::path path;
};

Result<Temporary> CreateTemporary(const std::filesystem::path& target) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  const std::filesystem::path folder = FolderOf(target);
  int err = EEXIST;
  for (int attempt = 0; attempt < kTemporaryNameTries && err == EEXIST; ++attempt) {
    std::string name = TemporaryPrefix(target);
    for (std::size_t i = 0; i < kTemporarySuffixLength; ++i) name.push_back(kLetters[pick(random)]);
    Temporary temporary{FileDescriptor(::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)),
                        folder / name};
    if (temporary.fd.valid()) {
      LockWait(temporary.fd.get(), LOCK_EX);
      return temporary;
    }
    err = errno;
  }
  return SystemError("cannot create a file in", folder, err);
}

// Temporary files of earlier saves of the same target whose writer is gone
// (killed in the middle): nobody holds their lock any more.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
  const std::string prefix = TemporaryPrefix(target);
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(FolderOf(target), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() != prefix.size() + kTemporarySuffixLength || name.compare(0, prefix.size(), prefix) != 0) continue;
    FileDescriptor fd(::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st{};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
  }
}

// An existing target's permission bits and owner go to its replacement.
// Taking the owner is allowed only to some; where it is not, it stays ours.
bool KeepModeOf(const std::filesystem::path& target, int fd) {
  struct stat st{};
  if (::stat(target.c_str(), &st) != 0) return errno == ENOENT;
  if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
    // not permitted: the file becomes ours, with the same permission bits
  }
  return ::fchmod(fd, st.st_mode & 07777) == 0;
}

// The rename is flushed with its folder; a folder that cannot be flushed
// (some file systems refuse) leaves the rename as the system keeps it.
void SyncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

// Moves the temporary file to the target, over an existing one or not.
int Install(const std::filesystem::path& temporary, const std::filesystem::path& target, Existing existing) {
  if (existing == Existing::Replace) return ::rename(temporary.c_str(), target.c_str());
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return -1;
  // A file system without the no-replace rename: a new link fails the same way.
  if (::link(temporary.c_str(), target.c_str()) != 0) return -1;
  ::unlink(temporary.c_str());
  return 0;
}

}  // namespace

Result<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
  // Without waiting: a FIFO would otherwise block the open until a writer came.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd.valid()) return SystemError("cannot open", path, errno);
  struct stat st{};
  if (::fstat(fd.get(), &st) != 0) return SystemError("cannot examine", path, errno);
  if (!S_ISREG(st.st_mode)) return Error{ErrorKind::BadFormat, path.string() + " is not a regular file"};
  const Error tooLarge{ErrorKind::BadFormat, path.string() + " is larger than " + std::to_string(maxBytes) + " bytes"};
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return tooLarge;

  // Some files (of /proc, /sys) do not know their size: read one byte more
  // than allowed to tell.
  std::vector<uint8_t> bytes(maxBytes + 1);
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return SystemError("cannot read", path, errno);
    if (n == 0) break;
    filled += static_cast<std::size_t>(n);
  }
  if (filled > maxBytes) return tooLarge;
  bytes.resize(filled);
  return bytes;
}

Status WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes, Existing existing) {
  const Result<std::filesystem::path> resolved = SaveTarget(path);
  if (!resolved) return resolved.error();
  const std::filesystem::path& target = resolved.value();
  if (existing == Existing::Keep && ::access(target.c_str(), F_OK) == 0) {
    return SystemError("will not replace", target, EEXIST);
  }
  RemoveStaleTemporaries(target);
  Result<Temporary> created = CreateTemporary(target);
  if (!created) return created.error();
  Temporary& temporary = created.value();

  auto fail = [&](const char* what, int err) {
    ::unlink(temporary.path.c_str());
    return Status(SystemError(what, target, err));
  };
  if (!KeepModeOf(target, temporary.fd.get())) return fail("cannot take the permissions of", errno);
  if (!WriteAll(temporary.fd.get(), bytes)) return fail("cannot write", errno);
  if (::fsync(temporary.fd.get()) != 0) return fail("cannot flush", errno);
  if (Install(temporary.path, target, existing) != 0) {
    return fail(existing == Existing::Keep ? "will not replace" : "cannot replace", errno);
  }
  SyncFolder(FolderOf(target));
  return Success();
}

}  // namespace veltrax
