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

// A checked puzzle as it waits for its name: kept small, as a file may hold
// a hundred thousand of them.
struct TCheckedPuzzle {
  std::string Name;  // the bare name it asks for
  std::uint8_t BoxWidth = 3;
  std::uint8_t BoxHeight = 3;
  std::uint8_t Level = 0;
  // One character a cell, half the size of the records' hex.
  std::string SolutionLine;
  std::string PuzzleLine;
};

// A title line a puzzle follows names it ("week Grid 01"), when it can be
// part of a name; otherwise, and without one, the puzzle's number does.
std::string TitledName(std::string_view title) {
  constexpr std::size_t kLongestTitle = 60;
  std::string name = TrimEnteredName(title);
  const bool usable = name.size() <= kLongestTitle && name.find_first_of("[]=\r\n") == std::string::npos;
  return usable ? name : std::string();
}

TCheckedPuzzle CheckedOf(const TTextPuzzle& puzzle, std::string name) {
  const TGeometry g = puzzle.Geometry();
  TCellTexts givens;
  BoardToTexts(g, puzzle.Givens, givens);
  return {std::move(name), static_cast<std::uint8_t>(puzzle.BoxWidth), static_cast<std::uint8_t>(puzzle.BoxHeight),
          static_cast<std::uint8_t>(EstimateLevel(g, givens)), BoardToPuzzleLine(g, puzzle.Solution),
          BoardToPuzzleLine(g, puzzle.Givens)};
}

TNovletFileData RecordOf(const TCheckedPuzzle& puzzle, const std::string& section, TDateTime now) {
  TGeometry g;
  g.SetBoxShape(puzzle.BoxWidth, puzzle.BoxHeight);
  TNovletFileData record;
  record.Name = section;
  record.Created = now;
  record.Level = puzzle.Level;
  record.Origin = OriginSelf | OriginImported;
  record.BoxWidth = puzzle.BoxWidth;
  record.BoxHeight = puzzle.BoxHeight;
  record.SolutionHex = BoardToHex(g, PuzzleLineToBoard(g, puzzle.SolutionLine));
  record.PuzzleHex = BoardToHex(g, PuzzleLineToBoard(g, puzzle.PuzzleLine));
  return record;
}

// What the collection holds of a stored puzzle that a new one is compared
// with: its shape and givens.
struct TStoredGivens {
  std::string Shape;  // "Nc" and "Nr" as written
  std::string PuzzleHex;
};

// Follows the collection's lines as they stream by, keeping the account's
// puzzles by name (the first section of a name, as readers take it).
class TStoredPuzzles {
 public:
  explicit TStoredPuzzles(std::string_view userName) : userName_(userName) {}

  void See(const TIniLine& line) {
    if (line.SectionName) {
      const std::string key = SectionNameKey(*line.SectionName);
      current_ = IsAccountSection(*line.SectionName, userName_) && !puzzles_.contains(key)
                     ? &puzzles_.emplace(key, TStoredGivens{}).first->second
                     : nullptr;
      return;
    }
    if (!current_) return;
    const std::size_t equals = line.Content.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = line.Content.substr(0, equals);
    const std::string_view value = line.Content.substr(equals + 1);
    if (EqualsIgnoringCase(key, "Nc") || EqualsIgnoringCase(key, "Nr"))
      current_->Shape += std::string(value) + 'x';
    else if (EqualsIgnoringCase(key, "M2"))
      current_->PuzzleHex = value;
  }

  const TStoredGivens* Find(const std::string& key) const {
    const auto found = puzzles_.find(key);
    return found == puzzles_.end() ? nullptr : &found->second;
  }

 private:
  std::string_view userName_;
  std::unordered_map<std::string, TStoredGivens> puzzles_;
  TStoredGivens* current_ = nullptr;
};

bool SameGivens(const TStoredGivens& stored, const TCheckedPuzzle& puzzle) {
  const std::string shape = std::to_string(puzzle.BoxWidth) + 'x' + std::to_string(puzzle.BoxHeight) + 'x';
  if (stored.Shape != shape) return false;
  TGeometry g;
  g.SetBoxShape(puzzle.BoxWidth, puzzle.BoxHeight);
  return EqualsIgnoringCase(stored.PuzzleHex, BoardToHex(g, PuzzleLineToBoard(g, puzzle.PuzzleLine)));
}

}  // namespace

TTextImportResult ImportTextPuzzles(const TDataPaths& files, std::string_view userName,
                                    const std::filesystem::path& source, const std::optional<TGeometry>& shape,
                                    TDateTime now) {
  TTextImportResult result;
  TFileContent content = ReadWholeFile(source);
  if (content.Status != TFileReadStatus::Read) {
    const std::string reason = content.Status == TFileReadStatus::Missing ? "it is not there" : content.Reason;
    result.Result = TStoreResult::Failure(UnableToReadMessage(source, reason));
    return result;
  }
  if (const std::optional<std::string> reason = NotTextReason(content.Text)) {
    result.Result = TStoreResult::Failure(UnableToReadMessage(source, *reason));
    return result;
  }

  // Each puzzle is checked as it is read and kept in its small form; its
  // number is made into its name once the count is known.
  std::vector<std::pair<int, TCheckedPuzzle>> checked;
  ForEachTextPuzzle(content.Text, shape, [&](TTextPuzzle& puzzle) {
    ++result.Found;
    if (CheckTextPuzzle(puzzle))
      checked.emplace_back(result.Found, CheckedOf(puzzle, TitledName(puzzle.Title)));
    else
      result.Refusals.push_back(puzzle.Reason);
  });
  content.Text = std::string();
  const std::string stem = TrimEnteredName(source.stem().string());
  for (auto& [number, puzzle] : checked)
    puzzle.Name = puzzle.Name.empty() ? NumberedName(stem, number, result.Found) : stem + ' ' + puzzle.Name;
  if (checked.empty()) return result;

  TStoreResult stored = EnsureDataFolder(files);
  int imported = 0;
  int alreadyThere = 0;
  if (stored.Ok) {
    // The collection streams through once, under its lock: names are decided
    // against what it holds at that moment, and the new sections follow it.
    TStoredPuzzles storedPuzzles(userName);
    stored = RewriteIniFile(
        files.CollectionFile, {},
        [&](const std::optional<TIniSectionCopy>&) {
          std::unordered_set<std::string> named;
          std::string added;
          for (auto& [number, puzzle] : checked) {
            bool same = false;
            const std::string name = FreePuzzleName(
                [&](const std::string& candidate) {
                  const std::string key = SectionNameKey(CollectionSectionName(userName, candidate));
                  const TStoredGivens* found = storedPuzzles.Find(key);
                  same = same || (found && SameGivens(*found, puzzle));
                  return found != nullptr || named.contains(key);
                },
                puzzle.Name);
            if (same) {
              ++alreadyThere;
              continue;
            }
            const std::string section = CollectionSectionName(userName, name);
            const std::optional<std::string> text = NewSectionText(section, PuzzleRecordEntries(RecordOf(puzzle, section, now)));
            if (!text) return TIniRewriteEnd::Refused("a puzzle's name cannot be a section name");
            named.insert(SectionNameKey(section));
            // Room for all at once: doubling would hold two copies for a moment.
            if (added.empty()) added.reserve(text->size() * (checked.size() + checked.size() / 8));
            added += *text;
            ++imported;
            // What is written goes, so the new sections take the place of
            // the puzzles rather than adding to them.
            puzzle = TCheckedPuzzle();
          }
          return imported == 0 ? TIniRewriteEnd::NoChange() : TIniRewriteEnd::Adding(std::move(added));
        },
        [&](const TIniLine& line) { storedPuzzles.See(line); });
  }
  result.Result = stored;
  if (stored.Ok) {
    result.Imported = imported;
    result.AlreadyThere = alreadyThere;
  }
  return result;
}

}  // namespace novlet
