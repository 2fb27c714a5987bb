// Rename and Delete of a collection puzzle.
#include "store/collection_edits.h"

#include <string>

#include "store/ini_file.h"
#include "store/puzzle_naming.h"
#include "store/puzzle_record.h"

namespace novlet {

namespace {

std::string CannotRenameMessage(std::string_view section, const std::string& why) {
  return "Cannot rename \"" + BarePuzzleName(section) + "\": " + why;
}

}  // namespace

TStoreResult DeletePuzzle(const std::filesystem::path& collectionFile, std::string_view section) {
  return EraseIniSection(collectionFile, section);
}

TStoreResult RenamePuzzle(const std::filesystem::path& collectionFile, std::string_view section,
                          std::string_view newSection, TNovletFileData* renamed) {
  if (!IsValidSectionName(newSection)) return TStoreResult::Failure(UnableToWriteMessage(collectionFile));
  return RewriteIniFile(collectionFile, {section, newSection}, [&](const std::optional<TIniSectionCopy>& found) {
    if (!found) {
      return TIniRewriteEnd::Refused(CannotRenameMessage(section, "it is no longer in " + collectionFile.string()));
    }
    TNovletFileData record;
    if (!IsWholePuzzleRecord(found->View()) || !PuzzleRecordFromSection(found->View(), record)) {
      return TIniRewriteEnd::Refused(
          CannotRenameMessage(section, "its record in " + collectionFile.string() + " is damaged"));
    }
    record.Name = newSection;
    auto added = NewSectionText(newSection, PuzzleRecordEntries(record));
    if (!added) return TIniRewriteEnd::Refused(UnableToWriteMessage(collectionFile));
    if (renamed) *renamed = std::move(record);
    return TIniRewriteEnd::Adding(std::move(*added));
  });
}

}  // namespace novlet
