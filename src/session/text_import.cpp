// Stores the solvable puzzles of a text file as records of the collection.
#include "session/text_import.h"

#include "engine/board_text.h"
#include "session/level_estimate.h"
#include "store/atomic_file.h"
#include "store/ini_file.h"
#include "store/plain_text.h"
#include "store/puzzle_naming.h"
#include "store/puzzle_record.h"
#include "store/text_puzzle_check.h"

namespace novlet {
namespace {

// The puzzle's number with as many digits as the file's last, so that the
// collection's list keeps the file's order.
std::string NumberedName(const std::string& stem, int number, int count) {
  std::string digits = std::to_string(number);
  digits.insert(0, std::to_string(count).size() - digits.size(), '0');
  return stem + ' ' + digits;
}

TNovletFileData RecordOf(const TTextPuzzle& puzzle, const std::string& name, TDateTime now) {
  const TGeometry g = puzzle.Geometry();
  TCellTexts givens;
  BoardToTexts(g, puzzle.Givens, givens);
  TNovletFileData record;
  record.Name = name;
  record.Created = now;
  record.Level = static_cast<std::uint8_t>(EstimateLevel(g, givens));
  record.Origin = OriginSelf | OriginImported;
  record.BoxWidth = puzzle.BoxWidth;
  record.BoxHeight = puzzle.BoxHeight;
  record.SolutionHex = BoardToHex(g, puzzle.Solution);
  record.PuzzleHex = BoardToHex(g, puzzle.Givens);
  return record;
}

}  // namespace

TTextImportResult ImportTextPuzzles(const TDataPaths& files, std::string_view userName,
                                    const std::filesystem::path& source, const std::optional<TGeometry>& shape,
                                    TDateTime now) {
  TTextImportResult result;
  const TFileContent content = ReadWholeFile(source);
  if (content.Status != TFileReadStatus::Read) {
    const std::string reason = content.Status == TFileReadStatus::Missing ? "it is not there" : content.Reason;
    result.Result = TStoreResult::Failure(UnableToReadMessage(source, reason));
    return result;
  }
  if (const std::optional<std::string> reason = NotTextReason(content.Text)) {
    result.Result = TStoreResult::Failure(UnableToReadMessage(source, *reason));
    return result;
  }

  std::vector<TTextPuzzle> puzzles = ReadTextPuzzles(content.Text, shape);
  result.Found = static_cast<int>(puzzles.size());
  const std::string stem = TrimEnteredName(source.stem().string());
  std::vector<TIniSection> sections;
  for (std::size_t i = 0; i < puzzles.size(); ++i) {
    TTextPuzzle& puzzle = puzzles[i];
    if (!CheckTextPuzzle(puzzle)) {
      result.Refusals.push_back(puzzle.Reason);
      continue;
    }
    const std::string section =
        CollectionSectionName(userName, NumberedName(stem, static_cast<int>(i) + 1, result.Found));
    sections.push_back({section, PuzzleRecordEntries(RecordOf(puzzle, section, now))});
  }
  if (sections.empty()) return result;

  TStoreResult stored = EnsureDataFolder(files);
  if (stored.Ok) {
    stored = EditIniFile(files.CollectionFile, [&sections](TIniDocument& document) {
      return document.ReplaceSections(sections) ? TStoreResult::Success()
                                                : TStoreResult::Failure("a puzzle's name cannot be a section name");
    });
  }
  result.Result = stored;
  if (stored.Ok) result.Imported = static_cast<int>(sections.size());
  return result;
}

}  // namespace novlet
