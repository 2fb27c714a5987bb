// Stores the solvable puzzles of a text file as records of the collection.
#include "session/text_import.h"

#include <unordered_map>
#include <unordered_set>

#include "engine/board_text.h"
#include "session/level_estimate.h"
#include "store/atomic_file.h"
#include "store/ini_file.h"
#include "store/plain_text.h"
#include "store/puzzle_naming.h"
#include "store/puzzle_record.h"
#include "store/section_name.h"
#include "store/text_case.h"
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

TNovletFileData RecordOf(const TTextPuzzle& puzzle, TDateTime now) {
  const TGeometry g = puzzle.Geometry();
  TCellTexts givens;
  BoardToTexts(g, puzzle.Givens, givens);
  TNovletFileData record;
  record.Created = now;
  record.Level = static_cast<std::uint8_t>(EstimateLevel(g, givens));
  record.Origin = OriginSelf | OriginImported;
  record.BoxWidth = puzzle.BoxWidth;
  record.BoxHeight = puzzle.BoxHeight;
  record.SolutionHex = BoardToHex(g, puzzle.Solution);
  record.PuzzleHex = BoardToHex(g, puzzle.Givens);
  return record;
}

struct TNewPuzzle {
  std::string Name;  // the bare name it asks for
  TNovletFileData Record;
};

bool SameGivens(const TIniSectionView& stored, const TNovletFileData& record) {
  TNovletFileData storedRecord;
  return PuzzleRecordFromSection(stored, storedRecord) && storedRecord.BoxWidth == record.BoxWidth &&
         storedRecord.BoxHeight == record.BoxHeight && EqualsIgnoringCase(storedRecord.PuzzleHex, record.PuzzleHex);
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
  std::vector<TNewPuzzle> checked;
  for (std::size_t i = 0; i < puzzles.size(); ++i) {
    TTextPuzzle& puzzle = puzzles[i];
    if (!CheckTextPuzzle(puzzle)) {
      result.Refusals.push_back(puzzle.Reason);
      continue;
    }
    checked.push_back({NumberedName(stem, static_cast<int>(i) + 1, result.Found), RecordOf(puzzle, now)});
  }
  if (checked.empty()) return result;

  TStoreResult stored = EnsureDataFolder(files);
  std::vector<TIniSection> sections;
  int alreadyThere = 0;
  if (stored.Ok) {
    stored = EditIniFile(files.CollectionFile, [&](TIniDocument& document) {
      // Names are decided under the file's lock, against what it holds now.
      const std::string text = document.Text();
      std::unordered_map<std::string, TIniSectionView> taken;
      for (const TIniSectionView& section : DistinctSections(ScanIniSections(text))) {
        if (IsAccountSection(section.Name, userName)) taken.emplace(SectionNameKey(section.Name), section);
      }
      std::unordered_set<std::string> named;
      sections.clear();
      alreadyThere = 0;
      for (TNewPuzzle& puzzle : checked) {
        bool same = false;
        const std::string name = FreePuzzleName(
            [&](const std::string& candidate) {
              const std::string key = SectionNameKey(CollectionSectionName(userName, candidate));
              const auto found = taken.find(key);
              same = same || (found != taken.end() && SameGivens(found->second, puzzle.Record));
              return found != taken.end() || named.contains(key);
            },
            puzzle.Name);
        if (same) {
          ++alreadyThere;
          continue;
        }
        const std::string section = CollectionSectionName(userName, name);
        named.insert(SectionNameKey(section));
        puzzle.Record.Name = section;
        sections.push_back({section, PuzzleRecordEntries(puzzle.Record)});
      }
      return document.ReplaceSections(sections) ? TStoreResult::Success()
                                                : TStoreResult::Failure("a puzzle's name cannot be a section name");
    });
  }
  result.Result = stored;
  if (stored.Ok) {
    result.Imported = static_cast<int>(sections.size());
    result.AlreadyThere = alreadyThere;
  }
  return result;
}

}  // namespace novlet
