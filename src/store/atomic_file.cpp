#include "store/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace novlet {

namespace {

// Closes a descriptor when it goes out of scope.
class TDescriptor {
 public:
  explicit TDescriptor(int fd) : fd_(fd) {}
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  ~TDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now, so that a failing close can be reported.
  bool Close() {
    const int fd = std::exchange(fd_, -1);
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The new file keeps the old one's permissions; a new file gets the usual
// permissions under the user's umask rather than mkstemp's private 0600.
mode_t PermissionsFor(const std::filesystem::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Makes the rename itself durable; failing to sync a folder loses nothing
// that was there before, so it is not reported.
void SyncFolder(const std::filesystem::path& folder) {
  TDescriptor fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

}  // namespace

TFileContent ReadWholeFile(const std::filesystem::path& path) {
  TFileContent content;
  TDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) {
    content.Status = (errno == ENOENT || errno == ENOTDIR) ? TFileReadStatus::Missing
                                                           : TFileReadStatus::Unreadable;
    return content;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    content.Status = TFileReadStatus::Unreadable;
    return content;
  }
  content.Text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      content.Status = TFileReadStatus::Unreadable;
      content.Text.clear();
      return content;
    }
    content.Text.append(buffer, static_cast<std::size_t>(got));
  }
  content.Status = TFileReadStatus::Read;
  return content;
}

TStagedFile::TStagedFile(std::filesystem::path target, std::filesystem::path temporary,
                         TStoreResult result)
    : target_(std::move(target)), temporary_(std::move(temporary)), result_(std::move(result)) {}

TStagedFile::TStagedFile(TStagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      temporary_(std::exchange(other.temporary_, {})),
      result_(std::move(other.result_)) {}

TStagedFile::~TStagedFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

TStagedFile TStagedFile::Stage(const std::filesystem::path& target, std::string_view content) {
  return Stage(target, std::vector<std::string_view>{content});
}

TStagedFile TStagedFile::Stage(const std::filesystem::path& target, const std::vector<std::string_view>& parts) {
  const auto failure = TStoreResult::Failure(UnableToWriteMessage(target));
  // The temporary file is hidden and in the target's own folder, so that the
  // rename never crosses file systems.
  std::string pattern =
      (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
  TDescriptor fd(::mkstemp(pattern.data()));
  if (fd.Get() < 0) return TStagedFile(target, {}, failure);
  TStagedFile staged(target, pattern, TStoreResult::Success());
  bool written = ::fchmod(fd.Get(), PermissionsFor(target)) == 0;
  for (const auto part : parts) written = written && WriteAll(fd.Get(), part);
  written = written && ::fsync(fd.Get()) == 0;
  if (!fd.Close() || !written) staged.result_ = failure;
  return staged;
}

TStoreResult TStagedFile::Commit() {
  if (!result_) return result_;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
    result_ = TStoreResult::Failure(UnableToWriteMessage(target_));
    return result_;
  }
  temporary_.clear();
  SyncFolder(target_.parent_path());
  return result_;
}

TStoreResult ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content) {
  return TStagedFile::Stage(target, content).Commit();
}

}  // namespace novlet
