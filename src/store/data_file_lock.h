// The lock that keeps two programs from changing one data file at the same time.
#pragma once

#include <chrono>
#include <filesystem>

#include "store/store_result.h"

// The program, the command-line tool, and accounts sharing a portable folder
// each read a data file, change it and replace it whole; without a lock one's
// change could silently undo the other's. Every read-change-replace holds
// this lock from before the read until the new file is in place; plain reads
// need none, as the rename swaps the whole file at once.
//
// The lock is an exclusive flock on "." + the data file's name + ".lock" in
// the data file's own folder (the folder a symbolic link leads to). The
// holder removes the file on release, and a waiter that then finds it locked
// a removed file tries again, so no lock file stays behind.
namespace novlet {

inline constexpr std::chrono::milliseconds kDataFileLockWait{2000};

class TDataFileLock {
 public:
  // Waits up to `wait` for the lock. When it is not taken, Result() says why:
  // "Unable to write to %s" when the lock file cannot be made, and that the
  // file is in use by another program when the wait runs out.
  explicit TDataFileLock(const std::filesystem::path& dataFile, std::chrono::milliseconds wait = kDataFileLockWait);
  TDataFileLock(const TDataFileLock&) = delete;
  TDataFileLock& operator=(const TDataFileLock&) = delete;
  ~TDataFileLock();

  const TStoreResult& Result() const { return result_; }

 private:
  std::filesystem::path lockFile_;
  int descriptor_ = -1;
  TStoreResult result_;
};

}  // namespace novlet
