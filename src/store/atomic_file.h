#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/store_result.h"

// Whole-file reading and crash-safe replacement. A data file is never written
// in place: its new content goes to a temporary file in the same folder, is
// flushed to the disk and then renamed over the old file, so a killed process
// or a full disk leaves either the old or the new file, never half of one.
namespace novlet {

enum class TFileReadStatus { Read, Missing, Unreadable };

struct TFileContent {
  TFileReadStatus Status = TFileReadStatus::Missing;
  std::string Text;
};

// Reads the whole file. A missing file is not an error for the readers (it is
// an empty collection), but a writer must not replace a file it could not read.
TFileContent ReadWholeFile(const std::filesystem::path& path);

// A new content for a file, written and flushed but not yet in place. The
// temporary file is removed again unless Commit() succeeds.
class TStagedFile {
 public:
  static TStagedFile Stage(const std::filesystem::path& target, std::string_view content);
  // The content given in parts, written one after the other.
  static TStagedFile Stage(const std::filesystem::path& target, const std::vector<std::string_view>& parts);
  TStagedFile(TStagedFile&& other) noexcept;
  TStagedFile& operator=(TStagedFile&&) = delete;
  TStagedFile(const TStagedFile&) = delete;
  TStagedFile& operator=(const TStagedFile&) = delete;
  ~TStagedFile();

  // The staging result: a failure means nothing was written.
  const TStoreResult& Result() const { return result_; }
  const std::filesystem::path& TemporaryPath() const { return temporary_; }

  // Renames the temporary file over the target.
  TStoreResult Commit();

 private:
  TStagedFile(std::filesystem::path target, std::filesystem::path temporary, TStoreResult result);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  TStoreResult result_;
};

// Stage and commit in one step.
TStoreResult ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace novlet
