// Whole-file I/O on POSIX descriptors, so that every failure is seen and reported with its reason.
#include "common/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd(fd) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd; }
  // Closes now, as a write is complete only once its close has succeeded: 0 or the errno.
  int close() {
    const int result = ::close(fd);
    fd = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd;
};

// Holds signals back in this thread for as long as it lives; a held signal acts afterwards.
class SignalsHeld {
 public:
  explicit SignalsHeld(std::span<const int> signals) {
    sigset_t set;
    sigemptyset(&set);
    for (int s : signals) sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, &previous);
  }
  ~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &previous, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous;
};

// The signals that end a program by default, held while a save could leave something behind (a
// temporary name, a file half rewritten in place), so that an interrupted save leaves nothing.
// They are held in the saving thread only: a program with other threads that leave them open may
// still die there.
constexpr int EndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
// A FIFO whose reader has gone, and a write past the file-size limit, send a signal that would end
// the program (the whole workbench) where the write's error is enough to report the failure.
constexpr int WriteFailureSignals[] = {SIGPIPE, SIGXFSZ};

// writeAll with the write-failure signals taken back, so that the failure is reported instead.
int writeAllQuietly(int fd, std::string_view bytes) {
  sigset_t pending;
  sigpending(&pending);
  sigset_t raisedHere;
  sigemptyset(&raisedHere);
  for (int s : WriteFailureSignals) {
    if (sigismember(&pending, s) != 1) sigaddset(&raisedHere, s);
  }
  const SignalsHeld held(WriteFailureSignals);
  const int error = writeAll(fd, bytes);
  if (error == EPIPE || error == EFBIG) {
    const timespec noWait{};
    while (sigtimedwait(&raisedHere, nullptr, &noWait) > 0) {
    }
  }
  return error;
}

// Symbolic links followed to the path they lead to, which may not exist yet.
std::string followLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= 40; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
    if (length < 0 || static_cast<size_t>(length) == sizeof target) return current;
    current = (fs::path(current).parent_path() / std::string(target, static_cast<size_t>(length))).string();
  }
  throwCannotCreate(path, systemErrorReason(ELOOP));
}

// A file whose mode grants no write at all is read-only even to the superuser, whom the system
// would let write.
std::optional<Text> refusalToWrite(const std::string& path, const struct stat& info) {
  if (S_ISDIR(info.st_mode) || S_ISSOCK(info.st_mode)) return Text(NotAFileReason);
  if ((info.st_mode & 0222) == 0) return Text(PermissionDeniedReason);
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return systemErrorReason(errno);
  return std::nullopt;
}

// Opened by the name given, so that /dev/stdout and /dev/fd/N reach the pipe they stand for.
void writeIntoDevice(const std::string& path, std::string_view bytes) {
  // Without waiting for a reader of a FIFO; the writes themselves wait as usual.
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) throwCannotCreate(path, systemErrorReason(errno));
  int error = ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK) == 0 ? 0 : errno;
  if (error == 0) error = writeAllQuietly(fd.get(), bytes);
  if (error == 0) error = fd.close();
  if (error != 0) throwCannotCreate(path, systemErrorReason(error));
}

// A file of the folder that no name reaches, gone with its descriptor.
int unnamedFileIn(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR)) return fd;
  // Where the file system has no unnamed files, a named one loses its name at once.
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        (folder / (".tessaro-" + std::to_string(::getpid()) + "-" + std::to_string(attempt))).string();
    const int named = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (named >= 0) {
      ::unlink(name.c_str());
      return named;
    }
    if (errno != EEXIST) return -1;
  }
  errno = EEXIST;
  return -1;
}

// Copies the whole content of one descriptor over another's, from the start: 0 or the errno.
int copyContent(int from, int to) {
  if (::lseek(from, 0, SEEK_SET) < 0 || ::lseek(to, 0, SEEK_SET) < 0) return errno;
  char buffer[65536];
  off_t copied = 0;
  while (true) {
    const ssize_t n = ::read(from, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (const int error = writeAllQuietly(to, std::string_view(buffer, static_cast<size_t>(n)))) return error;
    copied += n;
  }
  return ::ftruncate(to, copied) == 0 ? 0 : errno;
}

// Rewrites a file in place, for a file known by other hard links too, or one whose owner a new file
// could not keep. Nothing of the file changes until the new content has been written whole into a
// file of the same folder (a full disk, a file-size limit are met there) and the old content kept
// in another; should the copy into the file still fail, the old content is put back.
void rewriteInPlace(const std::string& path, const std::string& file, std::string_view bytes,
                    const struct stat& previous) {
  const fs::path folder = fs::path(file).parent_path().empty() ? fs::path(".") : fs::path(file).parent_path();
  Descriptor target(::open(file.c_str(), O_RDWR | O_CLOEXEC));
  if (target.get() < 0) throwCannotCreate(path, systemErrorReason(errno));
  Descriptor fresh(unnamedFileIn(folder));
  if (fresh.get() < 0) throwCannotCreate(path, systemErrorReason(errno));
  int error = writeAllQuietly(fresh.get(), bytes);
  Descriptor kept(error == 0 ? unnamedFileIn(folder) : -1);
  if (error == 0 && kept.get() < 0) error = errno;
  if (error == 0) error = copyContent(target.get(), kept.get());
  // The room is claimed too, so that a full disk is found before a byte changes.
  if (error == 0 && !bytes.empty() &&
      ::fallocate(target.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes.size())) != 0 &&
      errno != EOPNOTSUPP) {
    error = errno;
  }
  if (error != 0) throwCannotCreate(path, systemErrorReason(error));

  const SignalsHeld held(EndingSignals);
  error = copyContent(fresh.get(), target.get());
  if (error == 0 && ::fsync(target.get()) != 0) error = errno;
  if (error != 0) {
    if (copyContent(kept.get(), target.get()) == 0) ::fsync(target.get());
  } else if ((previous.st_mode & (S_ISUID | S_ISGID)) != 0) {
    // The system drops these bits from a file written by another than the superuser.
    ::fchmod(target.get(), previous.st_mode & 07777);
  }
  if (error == 0) error = target.close();
  if (error != 0) throwCannotCreate(path, systemErrorReason(error));
}

bool isMemberOf(gid_t group) {
  if (group == ::getegid()) return true;
  std::vector<gid_t> groups(static_cast<size_t>(std::max(::getgroups(0, nullptr), 0)));
  groups.resize(
      static_cast<size_t>(std::max(::getgroups(static_cast<int>(groups.size()), groups.data()), 0)));
  return std::ranges::find(groups, group) != groups.end();
}

// A new file belongs to whoever writes it: only the superuser may give it away, and only to a group
// it is a member of may anyone else.
bool ownerWouldChange(const struct stat& previous) {
  if (::geteuid() == 0) return false;
  return previous.st_uid != ::geteuid() || !isMemberOf(previous.st_gid);
}

// Gives the new file the owner, group and mode of the one it replaces (where the owner could not be
// kept, the file is rewritten in place instead).
int keepOwnerAndMode(int fd, const struct stat& previous) {
  if (::fchown(fd, previous.st_uid, previous.st_gid) != 0) return errno;
  return ::fchmod(fd, previous.st_mode & 07777) == 0 ? 0 : errno;
}

std::string temporaryName(const fs::path& target, unsigned attempt) {
  return (target.parent_path() / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                  std::to_string(attempt)))
      .string();
}

// Gives the unnamed file a temporary name beside the target, then renames it over the target. The
// name comes through /proc; without it, ENOENT.
int linkAndRename(int fd, const fs::path& target) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::string name = temporaryName(target, attempt);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    if (::rename(name.c_str(), target.c_str()) == 0) return 0;
    const int error = errno;
    ::unlink(name.c_str());
    return error;
  }
  return EEXIST;
}

// Where the unnamed file cannot be made or named (some file systems have none, a system without
// /proc cannot name one), a named one is, and the ending signals are held for the whole save.
int writeThroughNamedFile(const fs::path& target, std::string_view bytes, const struct stat* previous) {
  const SignalsHeld held(EndingSignals);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const std::string name = temporaryName(target, attempt);
    Descriptor fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
      if (errno == EEXIST) continue;
      return errno;
    }
    int error = writeAllQuietly(fd.get(), bytes);
    if (error == 0 && previous != nullptr) error = keepOwnerAndMode(fd.get(), *previous);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (error == 0) error = fd.close();
    if (error == 0 && ::rename(name.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(name.c_str());
    return error;
  }
  return EEXIST;
}

void replaceAtomically(const std::string& path, const fs::path& target, std::string_view bytes,
                       const struct stat* previous) {
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  int error = 0;
  {
    Descriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (fd.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR)) {
      error = writeThroughNamedFile(target, bytes, previous);
    } else if (fd.get() < 0) {
      error = errno;
    } else {
      error = writeAllQuietly(fd.get(), bytes);
      if (error == 0 && previous != nullptr) error = keepOwnerAndMode(fd.get(), *previous);
      if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
      if (error == 0) {
        const SignalsHeld held(EndingSignals);
        error = linkAndRename(fd.get(), target);
      }
      if (error == ENOENT) error = writeThroughNamedFile(target, bytes, previous);
    }
  }
  if (error != 0) throwCannotCreate(path, systemErrorReason(error));
  // The rename lasts only once the folder is on disk too.
  const Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.get() >= 0) ::fsync(directory.get());
}

}  // namespace

Text missingFileReason(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return Text(NotAFileReason);
  const fs::path parent = fs::path(path).parent_path();
  if (!parent.empty() && (::stat(parent.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))) {
    return Text(FolderNotFoundReason);
  }
  return Text(FileNotFoundReason);
}

std::string readWholeFile(const std::string& path, size_t maxBytes) {
  // A FIFO or a device is refused before it is opened: opening one can wait or act.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) throwCannotOpen(path, NotAFileReason);
  // Without waiting, should the name have become a FIFO since.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    throwCannotOpen(path, errno == ENOENT ? missingFileReason(path) : systemErrorReason(errno));
  }
  if (::fstat(fd.get(), &info) != 0) throwCannotOpen(path, systemErrorReason(errno));
  if (!S_ISREG(info.st_mode)) throwCannotOpen(path, NotAFileReason);
  if (static_cast<uintmax_t>(info.st_size) > maxBytes) throwCannotOpen(path, FileTooLargeReason);
  try {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    while (true) {
      const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        throwCannotOpen(path, systemErrorReason(errno));
      }
      // A file may grow while it is read, and some (under /proc) tell no size at all.
      if (static_cast<size_t>(n) > maxBytes - bytes.size()) throwCannotOpen(path, FileTooLargeReason);
      bytes.append(buffer, static_cast<size_t>(n));
    }
    return bytes;
  } catch (const std::bad_alloc&) {
    throwCannotOpen(path, OutOfMemoryReason);
  }
}

void writeFileAtomically(const std::string& path, std::string_view bytes) {
  // Whatever the name leads to that is not a file is written into as the system finds it: a link
  // under /proc leads to a pipe no path names.
  struct stat previous {};
  if (::stat(path.c_str(), &previous) == 0 && !S_ISREG(previous.st_mode)) {
    if (const std::optional<Text> refusal = refusalToWrite(path, previous)) throwCannotCreate(path, *refusal);
    writeIntoDevice(path, bytes);
    return;
  }
  const fs::path target = followLinks(path);
  if (target.filename().empty()) throwCannotCreate(path, NotAFileReason);
  if (::stat(target.c_str(), &previous) != 0) {
    if (errno != ENOENT) throwCannotCreate(path, systemErrorReason(errno));
    replaceAtomically(path, target, bytes, nullptr);
    return;
  }
  if (const std::optional<Text> refusal = refusalToWrite(target.string(), previous))
    throwCannotCreate(path, *refusal);
  if (previous.st_nlink > 1 || ownerWouldChange(previous)) {
    rewriteInPlace(path, target.string(), bytes, previous);
  } else {
    replaceAtomically(path, target, bytes, &previous);
  }
}

int writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(descriptor, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN) {
        // A descriptor handed over in non-blocking mode: wait until it takes more.
        pollfd ready{descriptor, POLLOUT, 0};
        ::poll(&ready, 1, -1);
        continue;
      }
      return errno;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

bool fileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace tessaro
