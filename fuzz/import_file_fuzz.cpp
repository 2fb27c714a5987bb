// Feeds arbitrary bytes to Import as a file the user picked. Import must never
// crash; a file that is not text is refused and changes nothing; otherwise
// every section is either copied or counted as skipped, and every puzzle it
// leaves in the collection is a whole record under the importing account.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "store/collection_transfer.h"
#include "store/ini_document.h"
#include "store/ini_file.h"
#include "store/puzzle_record.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// A data folder for the run, in memory where the system offers it (an import
// flushes to the disk), removed when the fuzzer exits.
class TScratchFolder {
 public:
  TScratchFolder()
      : files_(novlet::ResolveDataPaths(
            {(std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                        : std::filesystem::temp_directory_path()) /
                 ("novlet-import-fuzz-" + std::to_string(::getpid())),
             true, std::nullopt, std::nullopt, std::nullopt})) {
    std::filesystem::create_directories(files_.DataFolder);
  }
  ~TScratchFolder() { std::filesystem::remove_all(files_.DataFolder); }

  const novlet::TDataPaths& Files() const { return files_; }

 private:
  novlet::TDataPaths files_;
};

const novlet::TDataPaths& ScratchFiles() {
  static const TScratchFolder folder;
  return folder.Files();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto& files = ScratchFiles();
  const auto source = files.DataFolder / "picked.cnf";
  std::ofstream(source, std::ios::binary | std::ios::trunc).write(input.data(), static_cast<std::streamsize>(size));

  const auto imported = novlet::ImportPuzzles(files, "fuzzer", source);
  const auto listed = novlet::ListAccountPuzzles(files.CollectionFile, "fuzzer");
  if (!imported.Result) {
    Require(imported.Result.Message.starts_with("Unable to read " + source.string() + ": "));
    Require(listed.empty() && !std::filesystem::exists(files.CollectionFile));
  } else {
    std::string_view unmarked = input;
    while (unmarked.starts_with("\xEF\xBB\xBF")) unmarked.remove_prefix(3);
    const auto sections = novlet::DistinctSections(novlet::ScanIniSections(unmarked));
    Require(static_cast<std::size_t>(imported.SectionsCopied + imported.SectionsSkipped) == sections.size());
    Require(listed.size() <= static_cast<std::size_t>(imported.SectionsCopied));
    for (const auto& bare : listed) {
      const auto section = novlet::ReadIniSectionFromFile(files.CollectionFile, "fuzzer@" + bare);
      Require(section && novlet::IsWholePuzzleRecord(section->View()));
      Require(section->View().ReadString("Name", "") == section->Name && section->View().ReadString("I", "") == "1");
    }
  }
  std::filesystem::remove(files.CollectionFile);
  return 0;
}
