// Writes the account's puzzles in the one-line text form.
#include "store/text_export.h"

#include <map>

#include "engine/board_text.h"
#include "store/atomic_file.h"
#include "store/collection_transfer.h"
#include "store/ini_document.h"
#include "store/ini_file.h"
#include "store/puzzle_naming.h"
#include "store/puzzle_record.h"
#include "store/section_name.h"
#include "store/text_puzzles.h"

namespace novlet {

TStoreResult ExportTextPuzzles(const TDataPaths& files, std::string_view userName,
                               const std::vector<std::string>& bareNames, const std::filesystem::path& target) {
  if (auto refusal = RefuseOwnFile(files, target)) return *refusal;
  const TFileContent collection = ReadWholeFile(files.CollectionFile);
  if (collection.Status == TFileReadStatus::Unreadable)
    return TStoreResult::Failure(UnableToReadMessage(files.CollectionFile, collection.Reason));

  std::map<std::string, TIniSectionView> sections;
  for (const TIniSectionView& section : DistinctSections(ScanIniSections(collection.Text)))
    sections.emplace(SectionNameKey(section.Name), section);
  std::string text;
  for (const std::string& bareName : bareNames) {
    const auto found = sections.find(SectionNameKey(CollectionSectionName(userName, bareName)));
    TNovletFileData record;
    if (found == sections.end() || !PuzzleRecordFromSection(found->second, record)) continue;
    TGeometry g;
    g.SetBoxShape(record.BoxWidth, record.BoxHeight);
    TBoard givens;
    HexToBoard(g, record.PuzzleHex, givens);
    // The shape, as the size alone cannot tell 2 x 3 from 3 x 2 or 8 x 2 from 4 x 4.
    text += "# " + bareName + " (" + std::to_string(g.BoxWidth) + 'x' + std::to_string(g.BoxHeight) + ")\n" +
            BoardToPuzzleLine(g, givens) + '\n';
  }
  return ReplaceFileAtomically(target, text);
}

}  // namespace novlet
