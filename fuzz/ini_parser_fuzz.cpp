// Feeds arbitrary bytes to the INI parser as a collection file. Reading must
// never fail, reading the parser's own text again must give the same
// sections, and any value written into any file must read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "store/ini_document.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  auto document = novlet::TIniDocument::Parse(input);

  const auto reparsed = novlet::TIniDocument::Parse(document.Text());
  Require(reparsed.SectionNames() == document.SectionNames());
  for (const auto& name : document.SectionNames()) {
    const auto before = document.Section(name)->Entries();
    const auto after = reparsed.Section(name)->Entries();
    Require(before.size() == after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      Require(before[i].Key == after[i].Key && before[i].Value == after[i].Value);
    }
  }
  Require(novlet::DistinctSectionNames(novlet::ScanIniSections(input)) == document.SectionNames());

  // Storing a record straight into the text ends as storing it through the
  // parsed document does.
  const std::string firstName = document.SectionNames().empty() ? "S" : document.SectionNames().front();
  const std::vector<novlet::TIniEntry> record{{"Name", firstName}, {"U", std::string(input.substr(size / 2))}};
  const auto spliced = novlet::ReplaceSectionInText(input, firstName, record);
  Require(spliced.has_value());
  auto viaDocument = novlet::TIniDocument::Parse(input);
  Require(viaDocument.ReplaceSection(firstName, record));
  const auto splicedDocument = novlet::TIniDocument::Parse(*spliced);
  Require(splicedDocument.SectionNames() == novlet::TIniDocument::Parse(viaDocument.Text()).SectionNames());
  const auto stored = splicedDocument.Section(firstName)->Entries();
  Require(stored.size() == 2 && stored[0].Value == record[0].Value && stored[1].Value == record[1].Value);

  // The first half of the input, whatever it holds, as a value in the file.
  const std::string value(input.substr(0, size / 2));
  const std::string section = document.SectionNames().empty() ? "S" : document.SectionNames().back();
  Require(document.WriteString(section, "Value", value));
  Require(novlet::TIniDocument::Parse(document.Text()).Section(section)->ReadString("Value", "") == value);
  Require(document.ReplaceSection("Replaced", {{"U", value}}));
  Require(novlet::FindIniSection(document.Text(), "replaced")->ReadString("u", "") == value);
  return 0;
}
