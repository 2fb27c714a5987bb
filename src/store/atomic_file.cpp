// Reading data files, and replacing them through a flushed temporary file and a rename.
#include "store/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "store/stale_temporary_files.h"

namespace novlet {

namespace {

constexpr std::size_t kPieceSize = 1 << 20;

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

TFileReadResult ReadFileInPieces(const std::filesystem::path& path,
                                 const std::function<bool(std::string_view)>& consume) {
  const auto unreadable = [](int error) { return TFileReadResult{TFileReadStatus::Unreadable, std::strerror(error)}; };
  // Not blocking, so that a pipe in the file's place cannot hang the program.
  TDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {TFileReadStatus::Missing, {}};
    return unreadable(errno);
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) return unreadable(errno);
  if (S_ISDIR(info.st_mode)) return unreadable(EISDIR);
  if (!S_ISREG(info.st_mode)) return {TFileReadStatus::Unreadable, "not a regular file"};
  // Small files, the options file among them, need no large buffer.
  const auto size = static_cast<std::size_t>(info.st_size);
  std::vector<char> buffer(std::clamp<std::size_t>(size + 1, 4096, kPieceSize));
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
    if (got == 0) return {};
    if (got < 0) {
      if (errno == EINTR) continue;
      return unreadable(errno);
    }
    if (!consume(std::string_view(buffer.data(), static_cast<std::size_t>(got)))) return {};
  }
}

TFileContent ReadWholeFile(const std::filesystem::path& path) {
  TFileContent content;
  std::error_code ignored;
  const auto size = std::filesystem::file_size(path, ignored);
  if (size != static_cast<std::uintmax_t>(-1)) content.Text.reserve(static_cast<std::size_t>(size));
  auto read = ReadFileInPieces(path, [&](std::string_view piece) {
    content.Text += piece;
    return true;
  });
  content.Status = read.Status;
  content.Reason = std::move(read.Reason);
  if (content.Status != TFileReadStatus::Read) content.Text.clear();
  return content;
}

std::filesystem::path ResolveWriteTarget(const std::filesystem::path& path) {
  // The limit the system itself puts on a chain of links; a longer one is a
  // loop, which no read gets through either.
  constexpr int kMaxLinks = 40;
  std::filesystem::path current = path;
  for (int link = 0; link < kMaxLinks; ++link) {
    std::error_code error;
    if (!std::filesystem::is_symlink(current, error)) return current;
    const auto pointsTo = std::filesystem::read_symlink(current, error);
    if (error) return current;
    current = pointsTo.is_absolute() ? pointsTo : current.parent_path() / pointsTo;
  }
  return current;
}

TStagedFile::TStagedFile(std::filesystem::path target, std::filesystem::path destination,
                         std::filesystem::path temporary, int descriptor)
    : target_(std::move(target)),
      destination_(std::move(destination)),
      temporary_(std::move(temporary)),
      descriptor_(descriptor) {
  if (descriptor_ < 0) Fail();
}

TStagedFile::TStagedFile(TStagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      destination_(std::move(other.destination_)),
      temporary_(std::exchange(other.temporary_, {})),
      descriptor_(std::exchange(other.descriptor_, -1)),
      finished_(other.finished_),
      buffer_(std::move(other.buffer_)),
      result_(std::move(other.result_)) {}

TStagedFile::~TStagedFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  if (descriptor_ >= 0) ::close(descriptor_);
}

TStagedFile TStagedFile::Begin(const std::filesystem::path& target) {
  const std::filesystem::path destination = ResolveWriteTarget(target);
  RemoveStaleTemporaryFiles(destination);
  // In the destination's own folder, so that the rename never crosses file
  // systems.
  std::string pattern = TemporaryFileTemplate(destination);
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  TStagedFile staged(target, destination, fd >= 0 ? std::filesystem::path(pattern) : std::filesystem::path(), fd);
  if (fd < 0) return staged;
  // Locked while it lives, so that no clean-up takes it for a stale one. A
  // file system without locks fails this, and the clean-up's own lock too,
  // which then leaves the file alone.
  ::flock(fd, LOCK_EX | LOCK_NB);
  if (::fchmod(fd, PermissionsFor(destination)) != 0) staged.Fail();
  return staged;
}

TStagedFile TStagedFile::Stage(const std::filesystem::path& target, std::string_view content) {
  TStagedFile staged = Begin(target);
  staged.Write(content);
  staged.Finish();
  return staged;
}

void TStagedFile::Write(std::string_view text) {
  if (!result_) return;
  if (text.size() >= kPieceSize) {
    // A large piece goes to the file as it is, never copied: it may be the
    // sections of a whole import.
    Flush();
    if (result_ && !WriteAll(descriptor_, text)) Fail();
    return;
  }
  buffer_ += text;
  if (buffer_.size() >= kPieceSize) Flush();
}

void TStagedFile::Flush() {
  if (result_ && !WriteAll(descriptor_, buffer_)) Fail();
  buffer_.clear();
}

void TStagedFile::Finish() {
  if (!result_ || finished_) return;
  finished_ = true;
  Flush();
  if (result_ && ::fsync(descriptor_) != 0) Fail();
}

void TStagedFile::Fail() { result_ = TStoreResult::Failure(UnableToWriteMessage(target_)); }

TStoreResult TStagedFile::Commit() {
  Finish();
  if (!result_) return result_;
  // The descriptor, and with it the lock, is kept until the file is in place.
  if (std::rename(temporary_.c_str(), destination_.c_str()) != 0) {
    Fail();
    return result_;
  }
  temporary_.clear();
  ::close(std::exchange(descriptor_, -1));
  SyncFolder(destination_.parent_path());
  return result_;
}

TStoreResult ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content) {
  return TStagedFile::Stage(target, content).Commit();
}

}  // namespace novlet
