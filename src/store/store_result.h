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

}  // namespace novlet
