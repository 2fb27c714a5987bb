// The outcome of the store's file operations, and the messages they report.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

namespace novlet {

// The outcome of an operation that changes a file. A failure carries the
// message the main window shows as it is; nothing in the store throws.
struct TStoreResult {
  bool Ok = true;
  std::string Message;

  static TStoreResult Success() { return {}; }
  static TStoreResult Failure(std::string message) { return {false, std::move(message)}; }
  explicit operator bool() const { return Ok; }
};

// "Unable to write to %s" with the path in place of %s.
inline std::string UnableToWriteMessage(const std::filesystem::path& path) {
  return "Unable to write to " + path.string();
}

// "Unable to read %s", with the reason when there is one.
inline std::string UnableToReadMessage(const std::filesystem::path& path, const std::string& reason) {
  return "Unable to read " + path.string() + (reason.empty() ? "" : ": " + reason);
}

// Another program holds the file's lock for longer than a store waits.
inline std::string InUseMessage(const std::filesystem::path& path) {
  return UnableToWriteMessage(path) + ": it is in use by another program; please try again";
}

}  // namespace novlet
