// The large collection the store and collection benchmarks work on.
#include "large_collection.h"

#include <stdlib.h>

#include <optional>
#include <vector>

#include "store/atomic_file.h"
#include "store/ini_document.h"

namespace novlet::bench {
namespace {

std::string HexBoard(int gridSize, int seed) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (int cell = 0; cell < gridSize * gridSize; ++cell) {
    const int value = (cell * 7 + seed) % gridSize + 1;
    hex += kDigits[value >> 4];
    hex += kDigits[value & 15];
  }
  return hex;
}

// A history of undo records "c,r=previous|" about historyLength long.
std::string History(int gridSize, std::size_t historyLength, int seed) {
  std::string history;
  for (int step = 0; history.size() < historyLength; ++step) {
    const int column = (step + seed) % gridSize + 1;
    const int row = (step * 3 + seed) % gridSize + 1;
    history += std::to_string(column) + "," + std::to_string(row) + "=" + (step % 3 == 0 ? "1,5," : "") + "|";
  }
  return history;
}

class TCollectionFile {
 public:
  TCollectionFile() : folder_(MakeTemporaryFolder()), path_(folder_ / "novlet.dat") {
    std::vector<TIniSection> sections;
    for (int index = 0; index < kPuzzleCount; ++index) {
      const std::string section = SectionName(index);
      sections.push_back({section, PuzzleRecordEntries(Record(section, index))});
    }
    // In one pass: adding the sections one by one would search all earlier ones each time.
    TIniDocument document;
    document.ReplaceSections(sections);
    ReplaceFileAtomically(path_, document.Text());
  }
  ~TCollectionFile() { std::filesystem::remove_all(folder_); }

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

}  // namespace

std::string SectionName(int index) {
  return std::string(index % 2 == 0 ? "alice" : "bob") + "@" + "Puzzle number " + std::to_string(index);
}

TNovletFileData Record(const std::string& section, int index) {
  const bool large = index % 2 == 1;
  const int gridSize = large ? 16 : 9;
  TNovletFileData record;
  record.Name = section;
  record.Created = 46361.5 + index / 100.0;
  record.Level = static_cast<std::uint8_t>(index % 4);
  record.Origin = OriginCorvex;
  record.BoxWidth = large ? 4 : 3;
  record.BoxHeight = large ? 4 : 3;
  record.SolutionHex = HexBoard(gridSize, index);
  record.PuzzleHex = HexBoard(gridSize, index + 1);
  record.GridHex = HexBoard(gridSize, index + 2);
  record.GridNotes = std::string(static_cast<std::size_t>(gridSize * gridSize), '|');
  record.TimePlayed = 0.02;
  record.EntryCount = 150 + index % 50;
  record.History = History(gridSize, large ? 4000 : 1000, index);
  record.Status = StatusPaused;
  return record;
}

std::filesystem::path MakeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "novlet-bench-XXXXXX").string();
  return ::mkdtemp(pattern.data());
}

const std::filesystem::path& LargeCollectionFile() {
  static const TCollectionFile file;
  return file.Path();
}

TDataFolder::TDataFolder()
    : files_(ResolveDataPaths({MakeTemporaryFolder(), true, std::nullopt, std::nullopt, std::nullopt})) {
  std::filesystem::copy_file(LargeCollectionFile(), files_.CollectionFile);
}

TDataFolder::~TDataFolder() { std::filesystem::remove_all(files_.DataFolder); }

}  // namespace novlet::bench
