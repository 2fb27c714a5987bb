// The games left by pages, written once the next page shows and kept until a write succeeds.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/data_paths.h"
#include "store/puzzle_record.h"

// A page left stores its game after the next page shows, so that the disk's
// wait never delays the page the user asked for. A record that cannot be
// written (a full disk, a busy lock) stays here: it is newer than the stored
// one, so it is tried again at every tick and handed back to the page that
// returns to it.
namespace novlet {

class TDeferredStores {
 public:
  explicit TDeferredStores(const TDataPaths& data) : data_(data) {}

  // An older record for the same place, still unstored, is out of date.
  void Add(const std::filesystem::path& file, const std::string& section, TNovletFileData record);
  std::optional<TNovletFileData> Take(const std::filesystem::path& file, const std::string& section);

  // Writes every record it holds. The failures to tell: each once, or every
  // one again when the program is about to close.
  enum class TNotice { Once, Again };
  std::vector<std::string> Flush(TNotice notice = TNotice::Once);

 private:
  struct TPending {
    std::filesystem::path File;
    std::string Section;
    TNovletFileData Record;
    bool FailureTold = false;
  };

  const TDataPaths& data_;
  std::vector<TPending> pending_;
};

}  // namespace novlet
