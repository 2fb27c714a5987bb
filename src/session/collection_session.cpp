// An account's collection as the "My Novlets" page and `novlet-tool collection` both work on it.
#include "session/collection_session.h"

#include <algorithm>
#include <numeric>
#include <ranges>
#include <tuple>

#include "store/atomic_file.h"
#include "store/collection_edits.h"
#include "store/ini_file.h"
#include "store/name_collation.h"
#include "store/puzzle_naming.h"
#include "store/text_puzzles.h"
#include "store/text_case.h"

namespace novlet {

TCollectionSession::TCollectionSession(TDataPaths files, std::string userName)
    : files_(std::move(files)), userName_(std::move(userName)) {}

std::string TCollectionSession::SectionOf(const std::string& bareName) const {
  return CollectionSectionName(userName_, bareName);
}

void TCollectionSession::Reload() {
  std::vector<std::string> names = ListAccountPuzzles(CollectionFile(), userName_);
  std::vector<std::string> keys = CollationKeys(names);
  // Names that collate alike order by their exact text, so that the order is
  // the same on every run.
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::tie(keys[a], names[a]) < std::tie(keys[b], names[b]);
  });
  names_.clear();
  keys_.clear();
  names_.reserve(order.size());
  keys_.reserve(order.size());
  for (std::size_t i : order) {
    names_.push_back(std::move(names[i]));
    keys_.push_back(std::move(keys[i]));
  }
  listed_ = true;
}

void TCollectionSession::ReloadIfListed() {
  if (listed_) Reload();
}

std::optional<std::size_t> TCollectionSession::RowOf(const std::string& name) const {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - names_.begin());
}

std::optional<std::string> TCollectionSession::Resolve(const std::string& typed) const {
  if (RowOf(typed)) return typed;
  for (const auto& name : names_)
    if (EqualsIgnoringCase(name, typed)) return name;
  return std::nullopt;
}

TCollectionEntry TCollectionSession::Entry(const std::string& name) const {
  return ReadCollectionEntry(CollectionFile(), SectionOf(name));
}

void TCollectionSession::Select(std::optional<std::string> name) {
  entry_ = name ? Entry(*name) : TCollectionEntry();
  selected_ = std::move(name);
}

void TCollectionSession::RemoveRow(std::size_t row) {
  names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(row));
  keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(row));
}

std::size_t TCollectionSession::Insert(const std::string& name) {
  std::string key = std::move(CollationKeys({name}).front());
  const auto rows = std::views::iota(std::size_t{0}, names_.size());
  const std::size_t row = *std::ranges::partition_point(
      rows, [&](std::size_t i) { return std::tie(keys_[i], names_[i]) < std::tie(key, name); });
  names_.insert(names_.begin() + static_cast<std::ptrdiff_t>(row), name);
  keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(row), std::move(key));
  return row;
}

TRenameOutcome TCollectionSession::Rename(const std::string& oldName, const std::string& newName,
                                          bool mayReplace) {
  using TKind = TRenameOutcome::TKind;
  TRenameOutcome outcome;
  if (selected_ == oldName && SelectedDamaged()) {
    outcome.Kind = TKind::Damaged;
    return outcome;
  }
  // A change of letter case alone renames the puzzle onto itself.
  if (!mayReplace && !EqualsIgnoringCase(oldName, newName) && IniSectionExists(CollectionFile(), SectionOf(newName))) {
    outcome.Kind = TKind::Exists;
    return outcome;
  }
  outcome.Result = RenamePuzzle(CollectionFile(), SectionOf(oldName), SectionOf(newName), &outcome.Record);
  if (!outcome.Result) return outcome;
  outcome.Kind = TKind::Renamed;
  // The puzzle it replaced may have differed in letter case alone.
  for (std::size_t row = names_.size(); row-- > 0;) {
    if (names_[row] != oldName && !EqualsIgnoringCase(names_[row], newName)) continue;
    RemoveRow(row);
    outcome.RemovedRows.push_back(row);
  }
  outcome.Row = Insert(newName);
  selected_ = newName;
  entry_ = {true, true, true, outcome.Record};
  return outcome;
}

TStoreResult TCollectionSession::Delete(const std::string& name) {
  const TStoreResult result = DeletePuzzle(CollectionFile(), SectionOf(name));
  if (!result) return result;
  if (const auto row = RowOf(name)) RemoveRow(*row);
  if (selected_ == name) Select(std::nullopt);
  return result;
}

THandOver TCollectionSession::CheckHandOver(const std::string& name) {
  const TCollectionEntry entry = Entry(name);
  if (!entry.Found) {
    Reload();
    return THandOver::Gone;
  }
  return entry.Readable ? THandOver::Open : THandOver::Damaged;
}

TStoreResult TCollectionSession::PrepareDataFolder() const { return EnsureDataFolder(files_); }

TTransferResult TCollectionSession::Export(const std::vector<std::string>& names,
                                           const std::filesystem::path& target) const {
  return ExportPuzzles(files_, userName_, names, target);
}

TTransferResult TCollectionSession::ExportAll(const std::filesystem::path& target) const {
  return ExportAllPuzzles(files_, userName_, target);
}

TTransferResult TCollectionSession::Import(const std::filesystem::path& source) {
  const TTransferResult result = ImportPuzzles(files_, userName_, source);
  ReloadIfListed();
  return result;
}

std::optional<TShapeQuestion> TCollectionSession::TextShapeQuestion(const std::filesystem::path& source) const {
  const TFileContent content = ReadWholeFile(source);
  if (content.Status != TFileReadStatus::Read) return std::nullopt;
  const std::vector<int> sizes = UnshapedPuzzleSizes(content.Text);
  if (sizes.size() != 1) return std::nullopt;
  TShapeQuestion question{sizes.front(), BoxShapesOfSize(sizes.front()), 0};
  const std::optional<TGeometry> usual = UsualShape(question.Size);
  if (question.Shapes.size() < 2 || !usual || usual->BoxWidth == usual->BoxHeight) return std::nullopt;
  for (std::size_t i = 0; i < question.Shapes.size(); ++i)
    if (question.Shapes[i].BoxWidth == usual->BoxWidth) question.Usual = i;
  return question;
}

TTextImportResult TCollectionSession::ImportText(const std::filesystem::path& source,
                                                 const std::optional<TGeometry>& shape, TDateTime now) {
  TTextImportResult result = ImportTextPuzzles(files_, userName_, source, shape, now);
  ReloadIfListed();
  return result;
}

TTransferResult TCollectionSession::Backup() const { return BackupAllPuzzles(files_, userName_); }

TTransferResult TCollectionSession::Restore() {
  const TTransferResult result = RestoreAllPuzzles(files_, userName_);
  ReloadIfListed();
  return result;
}

std::vector<std::pair<std::string, TNovletFileData>> TCollectionSession::BookletRecords(
    const std::vector<std::string>& names) const {
  std::vector<std::pair<std::string, TNovletFileData>> records;
  for (const std::string& name : names) {
    TCollectionEntry entry = Entry(name);
    if (entry.Found && entry.Readable) records.emplace_back(name, std::move(entry.Record));
  }
  return records;
}

}  // namespace novlet
