// The collection of a long-time player for the benchmarks: 10,000 puzzles of
// two accounts, 9 x 9 and 16 x 16 records with long undo histories (about
// 40 MB).
#pragma once

#include <filesystem>
#include <string>

#include "store/data_paths.h"
#include "store/puzzle_record.h"

namespace novlet::bench {

inline constexpr int kPuzzleCount = 10'000;

// Even puzzles are alice's, odd ones bob's (the 16 x 16 ones).
std::string SectionName(int index);
TNovletFileData Record(const std::string& section, int index);

std::filesystem::path MakeTemporaryFolder();

// The collection file, made once for all benchmarks and removed at exit.
const std::filesystem::path& LargeCollectionFile();

// A data folder of its own holding a copy of the collection, for the
// benchmarks that change their files; removed with its files.
class TDataFolder {
 public:
  TDataFolder();
  ~TDataFolder();
  TDataFolder(const TDataFolder&) = delete;
  TDataFolder& operator=(const TDataFolder&) = delete;

  const TDataPaths& Files() const { return files_; }

 private:
  TDataPaths files_;
};

}  // namespace novlet::bench
