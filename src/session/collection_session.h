// An account's collection as the "My Novlets" page and `novlet-tool collection` both work on it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/geometry.h"
#include "session/text_import.h"
#include "store/collection_details.h"
#include "store/collection_transfer.h"
#include "store/data_paths.h"
#include "store/date_time.h"
#include "store/store_result.h"

namespace novlet {

// What a rename did to the sorted list, so that a view changes its rows
// alike: the rows taken out (highest first), then the row the new name went
// to.
struct TRenameOutcome {
  enum class TKind { Renamed, Damaged, Exists, Refused };
  TKind Kind = TKind::Refused;
  TStoreResult Result;  // the store's refusal
  std::vector<std::size_t> RemovedRows;
  std::size_t Row = 0;
  // The record as written: a rename writes only a whole record, so it shows
  // as a read would.
  TNovletFileData Record;
};

// The box shapes to choose among for a text file's puzzles, the usual one
// offered first.
struct TShapeQuestion {
  int Size = 0;
  std::vector<TGeometry> Shapes;
  std::size_t Usual = 0;
};

// Whether the puzzle can go to a game page.
enum class THandOver { Open, Gone, Damaged };

// The account's puzzle names, sorted as the list shows them, kept in memory:
// Rename and Delete change them by the names that changed, as reading a large
// collection anew would cost more than the change itself. Every change goes
// to the file through the store, as the file stands at that moment.
class TCollectionSession {
 public:
  TCollectionSession(TDataPaths files, std::string userName);

  const TDataPaths& Files() const { return files_; }
  const std::filesystem::path& CollectionFile() const { return files_.CollectionFile; }
  const std::string& UserName() const { return userName_; }
  std::string SectionOf(const std::string& bareName) const;

  // Reads the account's names anew: accents beside their letter, letter case
  // ignored. Nothing is read before the first call.
  void Reload();
  const std::vector<std::string>& Names() const { return names_; }
  std::optional<std::size_t> RowOf(const std::string& name) const;
  // The listed name as typed: exactly, else ignoring case, as the store's
  // look-ups find it.
  std::optional<std::string> Resolve(const std::string& typed) const;

  // The puzzle as the file holds it now.
  TCollectionEntry Entry(const std::string& name) const;
  // The details follow one selected name, read once when it is selected.
  void Select(std::optional<std::string> name);
  const std::optional<std::string>& Selected() const { return selected_; }
  const TCollectionEntry& SelectedEntry() const { return entry_; }
  // The selected record, as last read, cannot be written anew; the store
  // checks it again as the file stands.
  bool SelectedDamaged() const { return entry_.Found && !entry_.Whole; }

  // Renames `oldName` to the bare `newName`. Without `mayReplace` another
  // puzzle of that name (letter case ignored) refuses it; a change of letter
  // case alone finds the puzzle itself. The renamed puzzle is selected.
  TRenameOutcome Rename(const std::string& oldName, const std::string& newName, bool mayReplace);
  // Deletes the puzzle, damaged or not; its row is gone from the list.
  TStoreResult Delete(const std::string& name);
  // A puzzle gone behind the list's back fills the list anew.
  THandOver CheckHandOver(const std::string& name);

  // The transfers; those that bring puzzles in fill the list anew.
  TStoreResult PrepareDataFolder() const;
  TTransferResult Export(const std::vector<std::string>& names, const std::filesystem::path& target) const;
  TTransferResult ExportAll(const std::filesystem::path& target) const;
  TTransferResult Import(const std::filesystem::path& source);
  // Asked where the file's puzzles are all of one size that has several
  // shapes and no line names theirs. Square usual boxes are not asked about:
  // 16 x 16 puzzles come with boxes of 4 x 4 nearly always.
  std::optional<TShapeQuestion> TextShapeQuestion(const std::filesystem::path& source) const;
  TTextImportResult ImportText(const std::filesystem::path& source, const std::optional<TGeometry>& shape,
                               TDateTime now);
  TTransferResult Backup() const;
  TTransferResult Restore();

  // The chosen puzzles that can be printed, in the order given: damaged and
  // vanished ones are left out.
  std::vector<std::pair<std::string, TNovletFileData>> BookletRecords(const std::vector<std::string>& names) const;

 private:
  void RemoveRow(std::size_t row);
  std::size_t Insert(const std::string& name);
  void ReloadIfListed();

  TDataPaths files_;
  std::string userName_;
  bool listed_ = false;
  // Sorted by collation key, then by the exact text.
  std::vector<std::string> names_;
  std::vector<std::string> keys_;
  std::optional<std::string> selected_;
  TCollectionEntry entry_;
};

}  // namespace novlet
