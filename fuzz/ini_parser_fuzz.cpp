// Feeds arbitrary bytes to the INI parser as a collection file. Reading must
// never fail; the streamed file reads must see what the parsed document sees;
// storing a record into the file must keep every other section; and any value
// written into any file must read back unchanged.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "store/ini_document.h"
#include "store/ini_file.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool SameEntries(const std::vector<novlet::TIniEntry>& a, const std::vector<novlet::TIniEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Key != b[i].Key || a[i].Value != b[i].Value) return false;
  }
  return true;
}

// In memory where the system offers it: a store flushes to the disk, which
// would make every run as slow as a disk.
const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path folder =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  static const std::filesystem::path path = folder / ("novlet-ini-fuzz-" + std::to_string(::getpid()) + ".ini");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  auto document = novlet::TIniDocument::Parse(input);
  const auto names = document.SectionNames();

  const auto reparsed = novlet::TIniDocument::Parse(document.Text());
  Require(reparsed.SectionNames() == names);
  for (const auto& name : names) Require(SameEntries(document.Section(name)->Entries(), reparsed.Section(name)->Entries()));
  Require(novlet::DistinctSectionNames(novlet::ScanIniSections(input)) == names);

  // The same bytes as a file, through the streamed reads and a record store;
  // the file reads drop leading byte-order marks.
  const auto& path = ScratchFile();
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(input.data(), static_cast<std::streamsize>(size));
  std::string_view unmarked = input;
  while (unmarked.starts_with("\xEF\xBB\xBF")) unmarked.remove_prefix(3);
  const auto fileDocument = novlet::TIniDocument::Parse(unmarked);
  const auto fileNames = fileDocument.SectionNames();
  Require(novlet::ReadIniSectionNames(path) == fileNames);
  for (const auto& name : fileNames) {
    Require(SameEntries(novlet::ReadIniSectionFromFile(path, name)->View().Entries(), fileDocument.Section(name)->Entries()));
  }
  const std::string stored = fileNames.empty() ? "S" : fileNames.front();
  const std::vector<novlet::TIniEntry> record{{"Name", stored}, {"U", std::string(input.substr(size / 2))}};
  Require(novlet::ReplaceIniSection(path, stored, record).Ok);
  const auto afterStore = novlet::TIniDocument::Parse(novlet::ReadIniText(path));
  Require(SameEntries(afterStore.Section(stored)->Entries(), record));
  auto expected = novlet::TIniDocument::Parse(unmarked);
  Require(expected.ReplaceSection(stored, record));
  Require(afterStore.SectionNames() == expected.SectionNames());
  for (const auto& name : expected.SectionNames()) {
    Require(SameEntries(afterStore.Section(name)->Entries(), expected.Section(name)->Entries()));
  }
  std::filesystem::remove(path);

  // The first half of the input, whatever it holds, as a value in the file.
  const std::string value(input.substr(0, size / 2));
  const std::string section = names.empty() ? "S" : names.back();
  Require(document.WriteString(section, "Value", value));
  Require(novlet::TIniDocument::Parse(document.Text()).Section(section)->ReadString("Value", "") == value);
  return 0;
}
