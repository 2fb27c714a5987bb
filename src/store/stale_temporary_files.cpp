// Naming the temporary files of atomic writes, and removing the stale ones.
#include "store/stale_temporary_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <ctime>

#include "store/atomic_file.h"

namespace novlet {

namespace {

constexpr std::size_t kUniqueLength = 6;  // the XXXXXX of mkstemp
constexpr std::time_t kStaleAfterSeconds = 60;

std::string TemporaryPrefix(const std::filesystem::path& destination) {
  return "." + destination.filename().string() + ".";
}

bool IsTemporaryName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kUniqueLength || !name.starts_with(prefix)) return false;
  const std::string_view unique = name.substr(prefix.size());
  return std::all_of(unique.begin(), unique.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

void RemoveIfStale(const std::filesystem::path& path) {
  struct stat seen {};
  if (::lstat(path.c_str(), &seen) != 0 || !S_ISREG(seen.st_mode)) return;
  if (std::time(nullptr) - seen.st_mtime < kStaleAfterSeconds) return;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened {};
  struct stat now {};
  // A live writer holds the lock from just after making the file until it is
  // renamed into place, so with the lock taken here no one will rename it;
  // the name must still be this very file, not a newer one.
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &now) == 0 &&
      SameFile(opened, now)) {
    ::unlink(path.c_str());
  }
  ::close(fd);
}

}  // namespace

std::string TemporaryFileTemplate(const std::filesystem::path& destination) {
  return (destination.parent_path() / (TemporaryPrefix(destination) + std::string(kUniqueLength, 'X'))).string();
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& destination) {
  const std::string prefix = TemporaryPrefix(destination);
  const std::filesystem::path folder = destination.parent_path().empty() ? "." : destination.parent_path();
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    if (IsTemporaryName(entry->path().filename().string(), prefix)) RemoveIfStale(entry->path());
  }
}

void RemoveStaleDataTemporaryFiles(const TDataPaths& files) {
  for (const auto& file : {files.CollectionFile, files.OptionsFile, files.BackupFile}) {
    RemoveStaleTemporaryFiles(ResolveWriteTarget(file));
  }
}

}  // namespace novlet
