// Taking and releasing the lock file of a data file.
#include "store/data_file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "store/atomic_file.h"

namespace novlet {

namespace {

constexpr std::chrono::milliseconds kRetryInterval{20};

std::filesystem::path LockFileOf(const std::filesystem::path& dataFile) {
  const std::filesystem::path destination = ResolveWriteTarget(dataFile);
  return destination.parent_path() / ("." + destination.filename().string() + ".lock");
}

// Whether the descriptor is still the file at path: a holder removes the lock
// file when it lets go, and a lock on the removed file guards nothing.
bool StillInPlace(int fd, const std::filesystem::path& path) {
  struct stat locked {};
  struct stat named {};
  return ::fstat(fd, &locked) == 0 && ::lstat(path.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
         locked.st_ino == named.st_ino;
}

}  // namespace

TDataFileLock::TDataFileLock(const std::filesystem::path& dataFile, std::chrono::milliseconds wait)
    : lockFile_(LockFileOf(dataFile)) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // Read access is all flock needs, so another account may lock a file
    // this one made.
    descriptor_ = ::open(lockFile_.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor_ < 0) {
      result_ = TStoreResult::Failure(UnableToWriteMessage(dataFile));
      return;
    }
    while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      // A file system that cannot lock at all must not stop every store; it
      // is written as it always was.
      if (error == ENOLCK || error == EOPNOTSUPP) return;
      const bool busy = error == EWOULDBLOCK || error == EINTR;
      if (!busy || std::chrono::steady_clock::now() >= deadline) {
        result_ = TStoreResult::Failure(busy ? InUseMessage(dataFile) : UnableToWriteMessage(dataFile));
        ::close(std::exchange(descriptor_, -1));
        return;
      }
      std::this_thread::sleep_for(kRetryInterval);
    }
    if (StillInPlace(descriptor_, lockFile_)) return;
    ::close(std::exchange(descriptor_, -1));
  }
}

TDataFileLock::~TDataFileLock() {
  if (descriptor_ < 0) return;
  ::unlink(lockFile_.c_str());
  ::close(descriptor_);
}

}  // namespace novlet
