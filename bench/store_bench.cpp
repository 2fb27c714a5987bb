// Speed of the store on the collection of a long-time player: 10,000 puzzles of
// two accounts, 9 x 9 and 16 x 16 records with long undo histories (about
// 40 MB). Each operation below reads or replaces the whole file, as the
// collection page, Save and the batched transfers do; a transfer must stay
// within 2 s and listing well under 100 ms.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "store/atomic_file.h"
#include "store/collection_edits.h"
#include "store/collection_transfer.h"
#include "store/ini_document.h"
#include "store/puzzle_record.h"

namespace {

constexpr int kPuzzleCount = 10'000;

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

novlet::TNovletFileData Record(const std::string& section, int index) {
  const bool large = index % 2 == 1;
  const int gridSize = large ? 16 : 9;
  novlet::TNovletFileData record;
  record.Name = section;
  record.Created = 46361.5 + index / 100.0;
  record.Level = static_cast<std::uint8_t>(index % 4);
  record.Origin = novlet::OriginCorvex;
  record.BoxWidth = large ? 4 : 3;
  record.BoxHeight = large ? 4 : 3;
  record.SolutionHex = HexBoard(gridSize, index);
  record.PuzzleHex = HexBoard(gridSize, index + 1);
  record.GridHex = HexBoard(gridSize, index + 2);
  record.GridNotes = std::string(static_cast<std::size_t>(gridSize * gridSize), '|');
  record.TimePlayed = 0.02;
  record.EntryCount = 150 + index % 50;
  record.History = History(gridSize, large ? 4000 : 1000, index);
  record.Status = novlet::StatusPaused;
  return record;
}

std::string SectionName(int index) {
  return std::string(index % 2 == 0 ? "alice" : "bob") + "@" + "Puzzle number " + std::to_string(index);
}

std::filesystem::path MakeTemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "novlet-bench-XXXXXX").string();
  return ::mkdtemp(pattern.data());
}

// The collection file, made once for all benchmarks and removed at exit.
class TCollectionFile {
 public:
  TCollectionFile() : folder_(MakeTemporaryFolder()), path_(folder_ / "novlet.dat") {
    novlet::TIniDocument document;
    for (int index = 0; index < kPuzzleCount; ++index) {
      const std::string section = SectionName(index);
      document.ReplaceSection(section, novlet::PuzzleRecordEntries(Record(section, index)));
    }
    novlet::ReplaceFileAtomically(path_, document.Text());
  }
  ~TCollectionFile() { std::filesystem::remove_all(folder_); }

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::path path_;
};

// A data folder of its own holding a copy of the collection, for the
// benchmarks that change their files.
class TDataFolder {
 public:
  explicit TDataFolder(const std::filesystem::path& collection)
      : files_(novlet::ResolveDataPaths({MakeTemporaryFolder(), true, std::nullopt, std::nullopt, std::nullopt})) {
    std::filesystem::copy_file(collection, files_.CollectionFile);
  }
  ~TDataFolder() { std::filesystem::remove_all(files_.DataFolder); }

  const novlet::TDataPaths& Files() const { return files_; }

 private:
  novlet::TDataPaths files_;
};

const TCollectionFile& Collection() {
  static const TCollectionFile file;
  return file;
}

void AddFileSize(benchmark::State& state) {
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(Collection().Path())) / 1e6;
}

void BM_ListOneAccountsPuzzles(benchmark::State& state) {
  const auto& path = Collection().Path();
  for (auto _ : state) benchmark::DoNotOptimize(novlet::ListAccountPuzzles(path, "alice"));
  AddFileSize(state);
}
BENCHMARK(BM_ListOneAccountsPuzzles)->Unit(benchmark::kMillisecond);

void BM_ReadOneRecord(benchmark::State& state) {
  const auto& path = Collection().Path();
  const std::string section = SectionName(kPuzzleCount / 2 + 1);
  novlet::TNovletFileData record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(novlet::ReadPuzzleRecord(path, section, record));
  }
  AddFileSize(state);
}
BENCHMARK(BM_ReadOneRecord)->Unit(benchmark::kMillisecond);

void BM_WriteOneRecord(benchmark::State& state) {
  const auto& path = Collection().Path();
  const std::string section = SectionName(kPuzzleCount / 2 + 1);
  novlet::TNovletFileData record = Record(section, kPuzzleCount / 2 + 1);
  for (auto _ : state) {
    ++record.EntryCount;
    benchmark::DoNotOptimize(novlet::WritePuzzleRecord(path, section, record));
  }
  AddFileSize(state);
}
BENCHMARK(BM_WriteOneRecord)->Unit(benchmark::kMillisecond);

// Bob's 5,000 puzzles (half the file), exported for Import to read.
void BM_ExportAll(benchmark::State& state) {
  const TDataFolder folder(Collection().Path());
  const auto target = folder.Files().DataFolder / "novlets.cnf";
  for (auto _ : state) benchmark::DoNotOptimize(novlet::ExportAllPuzzles(folder.Files(), "bob", target));
  AddFileSize(state);
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond);

void BM_BackupAll(benchmark::State& state) {
  const TDataFolder folder(Collection().Path());
  for (auto _ : state) benchmark::DoNotOptimize(novlet::BackupAllPuzzles(folder.Files(), "alice"));
  AddFileSize(state);
}
BENCHMARK(BM_BackupAll)->Unit(benchmark::kMillisecond);

void BM_RestoreAll(benchmark::State& state) {
  const TDataFolder folder(Collection().Path());
  novlet::BackupAllPuzzles(folder.Files(), "alice");
  for (auto _ : state) benchmark::DoNotOptimize(novlet::RestoreAllPuzzles(folder.Files(), "alice"));
  AddFileSize(state);
}
BENCHMARK(BM_RestoreAll)->Unit(benchmark::kMillisecond);

// After the first run the 5,000 imports replace their own earlier copies.
void BM_ImportFiveThousand(benchmark::State& state) {
  const TDataFolder folder(Collection().Path());
  const auto source = folder.Files().DataFolder / "novlets.cnf";
  novlet::ExportAllPuzzles(folder.Files(), "bob", source);
  for (auto _ : state) benchmark::DoNotOptimize(novlet::ImportPuzzles(folder.Files(), "alice", source));
  AddFileSize(state);
}
BENCHMARK(BM_ImportFiveThousand)->Unit(benchmark::kMillisecond);

// Renames back and forth, each one read, check and replacement of the file.
void BM_RenameOnePuzzle(benchmark::State& state) {
  const TDataFolder folder(Collection().Path());
  const auto& path = folder.Files().CollectionFile;
  std::string from = SectionName(kPuzzleCount / 2);
  std::string to = from + " renamed";
  for (auto _ : state) {
    benchmark::DoNotOptimize(novlet::RenamePuzzle(path, from, to));
    std::swap(from, to);
  }
  AddFileSize(state);
}
BENCHMARK(BM_RenameOnePuzzle)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
