// Reading data files whole or in pieces, and replacing them atomically.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "store/store_result.h"

// Reading files, and replacing them safely. A data file is never written in
// place: its new content goes to a temporary file in the same folder, is
// flushed to the disk and then renamed over the old file, so a killed process
// or a full disk leaves either the old or the new file, never half of one.
namespace novlet {

enum class TFileReadStatus { Read, Missing, Unreadable };

struct TFileReadResult {
  TFileReadStatus Status = TFileReadStatus::Read;
  std::string Reason;  // why the file is unreadable, as the system puts it
};

struct TFileContent {
  TFileReadStatus Status = TFileReadStatus::Missing;
  std::string Reason;
  std::string Text;
};

// Reads the whole file. A missing file is not an error for the readers (it is
// an empty collection), but a writer must not replace a file it could not read.
TFileContent ReadWholeFile(const std::filesystem::path& path);

// Reads the file in pieces through one reused buffer, until consume returns
// false: a collection of many megabytes is scanned without holding it whole.
// Anything but a regular file (a folder, a pipe) is unreadable.
TFileReadResult ReadFileInPieces(const std::filesystem::path& path,
                                 const std::function<bool(std::string_view)>& consume);

// The file a write to path replaces: path itself, or where its chain of
// symbolic links ends, so that a novlet.dat linked into a synced folder is
// updated there rather than replaced by a plain file.
std::filesystem::path ResolveWriteTarget(const std::filesystem::path& path);

// A new content for a file, written to a temporary file beside the file it
// replaces (ResolveWriteTarget) and not yet in place. The temporary file is
// removed again unless Commit() succeeds; one a killed process left behind is
// removed by a later write (stale_temporary_files.h).
class TStagedFile {
 public:
  // Creates the temporary file; the content follows through Write.
  static TStagedFile Begin(const std::filesystem::path& target);
  // The whole content at once, written and flushed to the disk.
  static TStagedFile Stage(const std::filesystem::path& target, std::string_view content);

  TStagedFile(TStagedFile&& other) noexcept;
  TStagedFile& operator=(TStagedFile&&) = delete;
  TStagedFile(const TStagedFile&) = delete;
  TStagedFile& operator=(const TStagedFile&) = delete;
  ~TStagedFile();

  // Buffered; a failure shows in Result() and makes Commit() refuse.
  void Write(std::string_view text);

  // A failure means the content did not reach the disk whole.
  const TStoreResult& Result() const { return result_; }
  const std::filesystem::path& TemporaryPath() const { return temporary_; }

  // Flushes to the disk and renames the temporary file over the target.
  TStoreResult Commit();

 private:
  TStagedFile(std::filesystem::path target, std::filesystem::path destination, std::filesystem::path temporary,
              int descriptor);
  void Flush();
  void Finish();
  void Fail();

  std::filesystem::path target_;       // as the caller named it, for messages
  std::filesystem::path destination_;  // the file the rename replaces
  std::filesystem::path temporary_;
  int descriptor_ = -1;
  bool finished_ = false;
  std::string buffer_;
  TStoreResult result_;
};

// Stage and commit in one step.
TStoreResult ReplaceFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace novlet
