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
                          std::string_view newSection) {
  return EditIniFile(collectionFile, [&](TIniDocument& document) {
    const auto found = document.Section(section);
    if (!found) return TStoreResult::Failure(CannotRenameMessage(section, "it is no longer in " + collectionFile.string()));
    TNovletFileData record;
    if (!IsWholePuzzleRecord(*found) || !PuzzleRecordFromSection(*found, record)) {
      return TStoreResult::Failure(CannotRenameMessage(section, "its record in " + collectionFile.string() + " is damaged"));
    }
    record.Name = newSection;
    document.EraseSection(section);
    // A refused edit writes nothing, so the erase above is undone with it.
    return document.ReplaceSection(newSection, PuzzleRecordEntries(record))
               ? TStoreResult::Success()
               : TStoreResult::Failure(UnableToWriteMessage(collectionFile));
  });
}

}  // namespace novlet
