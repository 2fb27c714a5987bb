// The games left by pages, written once the next page shows and kept until a write succeeds.
#include "session/deferred_stores.h"

#include <algorithm>

namespace novlet {

void TDeferredStores::Add(const std::filesystem::path& file, const std::string& section, TNovletFileData record) {
  Take(file, section);
  pending_.push_back({file, section, std::move(record)});
}

std::optional<TNovletFileData> TDeferredStores::Take(const std::filesystem::path& file, const std::string& section) {
  const auto found = std::find_if(pending_.begin(), pending_.end(), [&](const TPending& store) {
    return store.File == file && store.Section == section;
  });
  if (found == pending_.end()) return std::nullopt;
  TNovletFileData record = std::move(found->Record);
  pending_.erase(found);
  return record;
}

std::vector<std::string> TDeferredStores::Flush(TNotice notice) {
  std::vector<std::string> failures;
  std::vector<TPending> pending;
  pending.swap(pending_);
  for (TPending& store : pending) {
    TStoreResult result = EnsureDataFolder(data_);
    if (result.Ok) result = WritePuzzleRecord(store.File, store.Section, store.Record);
    if (result.Ok) continue;
    if (!store.FailureTold || notice == TNotice::Again) failures.push_back(result.Message);
    store.FailureTold = true;
    pending_.push_back(std::move(store));
  }
  return failures;
}

}  // namespace novlet
