// Speed of the store on the collection of a long-time player
// (large_collection.h). Each operation below reads or replaces the whole
// file, as the collection page, Save and the batched transfers do; a transfer
// must stay within 2 s and listing well under 100 ms.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <utility>

#include "large_collection.h"
#include "store/collection_edits.h"
#include "store/collection_transfer.h"
#include "store/puzzle_record.h"

namespace {

using novlet::bench::kPuzzleCount;
using novlet::bench::LargeCollectionFile;
using novlet::bench::Record;
using novlet::bench::SectionName;
using novlet::bench::TDataFolder;

void AddFileSize(benchmark::State& state) {
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(LargeCollectionFile())) / 1e6;
}

void BM_ListOneAccountsPuzzles(benchmark::State& state) {
  const auto& path = LargeCollectionFile();
  for (auto _ : state) benchmark::DoNotOptimize(novlet::ListAccountPuzzles(path, "alice"));
  AddFileSize(state);
}
BENCHMARK(BM_ListOneAccountsPuzzles)->Unit(benchmark::kMillisecond);

void BM_ReadOneRecord(benchmark::State& state) {
  const auto& path = LargeCollectionFile();
  const std::string section = SectionName(kPuzzleCount / 2 + 1);
  novlet::TNovletFileData record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(novlet::ReadPuzzleRecord(path, section, record));
  }
  AddFileSize(state);
}
BENCHMARK(BM_ReadOneRecord)->Unit(benchmark::kMillisecond);

void BM_WriteOneRecord(benchmark::State& state) {
  const auto& path = LargeCollectionFile();
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
  const TDataFolder folder;
  const auto target = folder.Files().DataFolder / "novlets.cnf";
  for (auto _ : state) benchmark::DoNotOptimize(novlet::ExportAllPuzzles(folder.Files(), "bob", target));
  AddFileSize(state);
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond);

void BM_BackupAll(benchmark::State& state) {
  const TDataFolder folder;
  for (auto _ : state) benchmark::DoNotOptimize(novlet::BackupAllPuzzles(folder.Files(), "alice"));
  AddFileSize(state);
}
BENCHMARK(BM_BackupAll)->Unit(benchmark::kMillisecond);

void BM_RestoreAll(benchmark::State& state) {
  const TDataFolder folder;
  novlet::BackupAllPuzzles(folder.Files(), "alice");
  for (auto _ : state) benchmark::DoNotOptimize(novlet::RestoreAllPuzzles(folder.Files(), "alice"));
  AddFileSize(state);
}
BENCHMARK(BM_RestoreAll)->Unit(benchmark::kMillisecond);

// After the first run the 5,000 imports replace their own earlier copies.
void BM_ImportFiveThousand(benchmark::State& state) {
  const TDataFolder folder;
  const auto source = folder.Files().DataFolder / "novlets.cnf";
  novlet::ExportAllPuzzles(folder.Files(), "bob", source);
  for (auto _ : state) benchmark::DoNotOptimize(novlet::ImportPuzzles(folder.Files(), "alice", source));
  AddFileSize(state);
}
BENCHMARK(BM_ImportFiveThousand)->Unit(benchmark::kMillisecond);

// Renames back and forth, each one read, check and replacement of the file.
void BM_RenameOnePuzzle(benchmark::State& state) {
  const TDataFolder folder;
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
