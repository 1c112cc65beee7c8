// Every input bounded, every failure reported with its reason, files replaced as careful tools do.
#include "common/file_io.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace tessaro {
namespace {

namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#elif defined(__has_feature)
constexpr bool Sanitized = __has_feature(address_sanitizer);
#else
constexpr bool Sanitized = false;
#endif

void put(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
  std::ofstream(path, std::ios::binary) << bytes;
  ::chmod(path.c_str(), mode);
}

struct stat statusOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info;
}

// The message of the FileError the action throws; empty when it succeeds.
Text failureOf(const std::function<void()>& action) {
  try {
    action();
    return {};
  } catch (const FileError& error) {
    return error.message();
  }
}

// Runs the action in a child process, which exits with 0 when the action returns true; meanwhile,
// when given, runs in this process once the action began. The child's wait status.
int inChild(const std::function<bool()>& action, const std::function<void(pid_t)>& meanwhile = {}) {
  int started[2];
  if (::pipe(started) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    [[maybe_unused]] const ssize_t told = ::write(started[1], "!", 1);
    try {
      _exit(action() ? 0 : 1);
    } catch (...) {
      _exit(2);
    }
  }
  ::close(started[1]);
  char mark;
  if (::read(started[0], &mark, 1) == 1 && meanwhile) meanwhile(child);
  ::close(started[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

// A full disk: a tmpfs of 64 KiB, in a mount namespace of the process's own so that it goes with
// the process however that ends. Only where the process may mount.
bool mountSmallDisk(const std::string& where) {
  return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=64k") == 0;
}

// The address space the process uses now, from the kernel's account of it.
rlim_t addressSpaceInUse() {
  std::ifstream status("/proc/self/status");
  for (std::string word; status >> word;) {
    if (word == "VmSize:") {
      rlim_t kilobytes = 0;
      status >> kilobytes;
      return kilobytes << 10;
    }
  }
  return 0;
}

class FileLayer : public ::testing::Test {
 protected:
  FileLayer() { fs::create_directories(dir); }
  ~FileLayer() override {
    if (smallDisk) ::umount2(path("small").c_str(), MNT_DETACH);
    fs::remove_all(dir);
  }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  // The names of the folder that start with the prefix.
  std::vector<std::string> namesIn(const std::string& folder, std::string_view prefix = "") const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().filename().string().starts_with(prefix))
        names.push_back(entry.path().filename().string());
    }
    return names;
  }

  const fs::path dir = fs::temp_directory_path() / ("file_io_test." + std::to_string(::getpid()));
  bool smallDisk = false;
};

TEST_F(FileLayer, BoundsEveryInputReportsEveryFailureAndReplacesFilesCarefully) {
  ::alarm(60);  // a read that waits on a FIFO would otherwise hang the suite
  const bool root = ::geteuid() == 0;
  const std::string bytes(70000, 'x');
  const Text notAFile(NotAFileReason), tooLarge(FileTooLargeReason);
  auto cannotOpen = [](const std::string& path, std::string_view reason) {
    return formatMessage(CannotOpenFilePattern, path) + "\n" + Text(reason);
  };
  auto cannotCreate = [](const std::string& path, std::string_view reason) {
    return formatMessage(CannotCreateFilePattern, path) + "\n" + Text(reason);
  };
  auto read = [](const std::string& path, size_t maxBytes = MaxReadableFileBytes) {
    return [=] { readWholeFile(path, maxBytes); };
  };
  auto write = [&bytes](const std::string& path) {
    return [=, &bytes] { writeFileAtomically(path, bytes); };
  };

  ::mkfifo(path("fifo").c_str(), 0644);
  const int fifoReader = ::open(path("fifo").c_str(), O_RDONLY | O_NONBLOCK);
  put(path("terabyte"), "");
  fs::resize_file(path("terabyte"), uintmax_t{1} << 40);
  put(path("at the cap"), "");
  fs::resize_file(path("at the cap"), MaxReadableFileBytes);
  put(path("five"), "12345");
  put(path("target"), "old");
  fs::create_symlink("target", path("link"));
  put(path("first name"), "old");
  fs::create_hard_link(path("first name"), path("second name"));
  put(path("read-only"), "old", 0444);
  put(path("kept"), "old", 0640);
  const bool device = root && ::mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  if (root) {
    EXPECT_EQ(::chown(path("kept").c_str(), 1234, 1234), 0);
  }
  put(path("long first name"), std::string(100, 'o'));
  fs::create_hard_link(path("long first name"), path("long second name"));
  put(path("single"), "old");
  const ino_t singleInode = statusOf(path("single")).st_ino;
  put(path("special bits"), "old", 07755);
  put(path("limited"), "old");
  fs::create_hard_link(path("limited"), path("limited too"));
  ::mkfifo(path("lonely fifo").c_str(), 0644);
  // A group member's replace: the folder open to all, the file to its group.
  fs::permissions(dir, fs::perms::all);
  put(path("shared"), "old", 0664);
  if (root) {
    EXPECT_EQ(::chown(path("shared").c_str(), 1234, 1234), 0);
  }
  fs::create_directory(path("small"));
  smallDisk = mountSmallDisk(path("small"));
  put(path("small/full"), "old");
  put(path("small/linked"), "old");
  fs::create_hard_link(path("small/linked"), path("small/linked too"));
  put(path("saved"), "old");
  const auto newFileUnder = [&](mode_t mask, const std::string& name) {
    return [=, this, &bytes] {
      const mode_t previous = ::umask(mask);
      writeFileAtomically(path(name), bytes);
      ::umask(previous);
    };
  };
  const auto modeOf = [&](const std::string& name) { return statusOf(path(name)).st_mode & 07777; };

  struct Case {
    const char* what;
    bool available;
    std::function<void()> action;
    Text message;                 // of the FileError, empty for none
    std::function<bool()> holds;  // what must hold afterwards
  };
  const Case cases[] = {
      {"missing file", true, read(path("absent")), cannotOpen(path("absent"), FileNotFoundReason), {}},
      {"missing folder",
       true,
       read(path("absent/x")),
       cannotOpen(path("absent/x"), FolderNotFoundReason),
       {}},
      {"folder read", true, read(dir.string()), cannotOpen(dir.string(), notAFile), {}},
      {"FIFO read", true, read(path("fifo")), cannotOpen(path("fifo"), notAFile), {}},
      {"/dev/zero read", true, read("/dev/zero"), cannotOpen("/dev/zero", notAFile), {}},
      {"terabyte read", true, read(path("terabyte")), cannotOpen(path("terabyte"), tooLarge), {}},
      {"one byte over the cap", true, read(path("five"), 4), cannotOpen(path("five"), tooLarge), {}},
      {"file at the cap under a memory cap",
       !Sanitized,
       [&] {
         const int status = inChild([&] {
           // Room for the program as it is, not for a copy of the file.
           const rlim_t room = addressSpaceInUse() + (rlim_t{16} << 20);
           const rlimit cap{room, room};
           ::setrlimit(RLIMIT_AS, &cap);
           return failureOf(read(path("at the cap"))) == cannotOpen(path("at the cap"), OutOfMemoryReason);
         });
         EXPECT_EQ(status, 0) << "the read threw something else, or no error";
       },
       {},
       {}},
      {"new file under umask 077",
       true,
       [&] {
         const mode_t previous = ::umask(077);
         writeFileAtomically(path("new"), bytes);
         ::umask(previous);
       },
       {},
       [&] { return (statusOf(path("new")).st_mode & 0777) == 0600; }},
      {"owner, group and mode kept",
       true,
       write(path("kept")),
       {},
       [&] {
         const struct stat s = statusOf(path("kept"));
         return (s.st_mode & 0777) == 0640 && (!root || (s.st_uid == 1234 && s.st_gid == 1234));
       }},
      {"symbolic link followed",
       true,
       write(path("link")),
       {},
       [&] { return S_ISLNK(statusOf(path("link")).st_mode) && readWholeFile(path("target")) == bytes; }},
      {"hard link kept",
       true,
       write(path("first name")),
       {},
       [&] {
         return statusOf(path("first name")).st_ino == statusOf(path("second name")).st_ino &&
                readWholeFile(path("second name")) == bytes;
       }},
      {"read-only file refused", true, write(path("read-only")),
       cannotCreate(path("read-only"), PermissionDeniedReason),
       [&] { return readWholeFile(path("read-only")) == "old"; }},
      {"FIFO written into",
       true,
       [&] { writeFileAtomically(path("fifo"), "through"); },
       {},
       [&] {
         char got[16] = {};
         return S_ISFIFO(statusOf(path("fifo")).st_mode) && ::read(fifoReader, got, sizeof got) == 7 &&
                std::string(got) == "through";
       }},
      {"device written into",
       device,
       write(path("null")),
       {},
       [&] { return S_ISCHR(statusOf(path("null")).st_mode); }},
      {"folder written", true, write(dir.string()), cannotCreate(dir.string(), notAFile), {}},
      {"missing folder written",
       true,
       write(path("absent/x")),
       cannotCreate(path("absent/x"), FolderNotFoundReason),
       {}},
      {"full disk", smallDisk, write(path("small/full")), cannotCreate(path("small/full"), DiskFullReason),
       [&] { return readWholeFile(path("small/full")) == "old" && namesIn(path("small")).size() == 3; }},
      {"hard-linked file on a full disk", smallDisk, write(path("small/linked")),
       cannotCreate(path("small/linked"), DiskFullReason),
       [&] {
         return readWholeFile(path("small/linked")) == "old" &&
                readWholeFile(path("small/linked too")) == "old" && namesIn(path("small")).size() == 3;
       }},
      {"hard-linked file over the file-size limit, SIGXFSZ left as it is",
       true,
       [&] {
         const int status = inChild([&] {
           const rlimit cap{2048, 2048};
           ::setrlimit(RLIMIT_FSIZE, &cap);
           return failureOf(write(path("limited"))) == cannotCreate(path("limited"), FileTooLargeReason);
         });
         EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
       },
       {},
       [&] {
         return readWholeFile(path("limited")) == "old" && readWholeFile(path("limited too")) == "old";
       }},
      {"shorter content rewritten in place",
       true,
       [&] { writeFileAtomically(path("long first name"), "new"); },
       {},
       [&] { return readWholeFile(path("long second name")) == "new"; }},
      {"file with one link replaced whole",
       true,
       write(path("single")),
       {},
       [&] {
         return statusOf(path("single")).st_ino != singleInode && readWholeFile(path("single")) == bytes;
       }},
      {"setuid, setgid and sticky bits kept",
       true,
       write(path("special bits")),
       {},
       [&] { return modeOf("special bits") == 07755; }},
      {"new file under umask 022",
       true,
       newFileUnder(022, "new 022"),
       {},
       [&] { return modeOf("new 022") == 0644; }},
      {"new file under umask 0", true, newFileUnder(0, "new 0"), {}, [&] { return modeOf("new 0") == 0666; }},
      {"FIFO whose reader leaves, SIGPIPE left as it is",
       true,
       [&] {
         const int reader = ::open(path("lonely fifo").c_str(), O_RDONLY | O_NONBLOCK);
         const int status = inChild(
             [&] {
               ::close(reader);
               return failureOf([&] {
                        writeFileAtomically(path("lonely fifo"), std::string(size_t{1} << 20, 'z'));
                      }) == cannotCreate(path("lonely fifo"), "plus personne ne lit à l'autre bout"_cp1252);
             },
             [&](pid_t) {
               // The reader leaves once the writing has begun.
               pollfd data{reader, POLLIN, 0};
               ::poll(&data, 1, 10000);
               ::close(reader);
             });
         EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
       },
       {},
       {}},
      {"group member's replace keeps the owner",
       root,
       [&] {
         const int status = inChild([&] {
           const gid_t group = 1234;
           if (::setgroups(1, &group) != 0 || ::setgid(group) != 0 || ::setuid(4321) != 0) return false;
           writeFileAtomically(path("shared"), bytes);
           return true;
         });
         EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
       },
       {},
       [&] {
         const struct stat s = statusOf(path("shared"));
         return s.st_uid == 1234 && s.st_gid == 1234 && readWholeFile(path("shared")) == bytes;
       }},
      {"saved without /proc",
       root,
       [&] {
         const int status = inChild([&] {
           if (::unshare(CLONE_NEWNS) != 0 ||
               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
               ::umount2("/proc", MNT_DETACH) != 0)
             return false;
           writeFileAtomically(path("without proc"), bytes);
           return readWholeFile(path("without proc")) == bytes;
         });
         EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
       },
       {},
       [&] { return namesIn(dir.string(), ".without").empty(); }},
      {"signal mid-save",
       true,
       [&] {
         const std::string large(size_t{256} << 20, 'y');
         const int status = inChild(
             [&] {
               writeFileAtomically(path("saved"), large);
               return true;
             },
             [](pid_t child) {
               ::usleep(5000);
               ::kill(child, SIGTERM);
             });
         EXPECT_TRUE(WIFSIGNALED(status)) << "the save ended before the signal";
         const std::string kept = readWholeFile(path("saved"), large.size());
         EXPECT_TRUE(kept == "old" || kept == large);
       },
       {},
       [&] { return namesIn(dir.string(), ".saved").empty(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.available) continue;
    EXPECT_EQ(failureOf(c.action), c.message);
    if (c.holds) {
      EXPECT_TRUE(c.holds());
    }
  }
  ::close(fifoReader);
  ::alarm(0);
}

}  // namespace
}  // namespace tessaro
