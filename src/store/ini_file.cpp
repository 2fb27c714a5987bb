#include "store/ini_file.h"

#include "store/atomic_file.h"

namespace novlet {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A byte-order mark written by some editors would otherwise glue itself to
// the first section's name.
void DropByteOrderMark(std::string& text) {
  if (text.starts_with(kByteOrderMark)) text.erase(0, kByteOrderMark.size());
}

}  // namespace

std::string ReadIniText(const std::filesystem::path& path) {
  auto content = ReadWholeFile(path);
  if (content.Status != TFileReadStatus::Read) return {};
  DropByteOrderMark(content.Text);
  return std::move(content.Text);
}

std::vector<std::string> ReadIniSectionNames(const std::filesystem::path& path) {
  const std::string text = ReadIniText(path);
  return DistinctSectionNames(ScanIniSections(text));
}

std::vector<std::string> ReadIniKeyNames(const std::filesystem::path& path, std::string_view section) {
  const std::string text = ReadIniText(path);
  const auto found = FindIniSection(text, section);
  return found ? found->KeyNames() : std::vector<std::string>{};
}

std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view defaultValue) {
  const std::string text = ReadIniText(path);
  const auto found = FindIniSection(text, section);
  return found ? found->ReadString(key, defaultValue) : std::string(defaultValue);
}

bool IniSectionExists(const std::filesystem::path& path, std::string_view section) {
  const std::string text = ReadIniText(path);
  return FindIniSection(text, section).has_value();
}

TStoreResult WriteIniString(const std::filesystem::path& path, std::string_view section,
                            std::string_view key, std::string_view value) {
  return EditIniFile(path, [&](TIniDocument& document) {
    return document.WriteString(section, key, value) ? TStoreResult::Success()
                                                     : TStoreResult::Failure(UnableToWriteMessage(path));
  });
}

TStoreResult ReplaceIniSection(const std::filesystem::path& path, std::string_view section,
                               const std::vector<TIniEntry>& entries) {
  auto content = ReadWholeFile(path);
  if (content.Status == TFileReadStatus::Unreadable) return TStoreResult::Failure(UnableToWriteMessage(path));
  DropByteOrderMark(content.Text);
  const auto replaced = ReplaceSectionInText(content.Text, section, entries);
  if (!replaced) return TStoreResult::Failure(UnableToWriteMessage(path));
  return TStagedFile::Stage(path, replaced->Parts()).Commit();
}

TStoreResult EraseIniSection(const std::filesystem::path& path, std::string_view section) {
  // Erasing what is not there must not create the file.
  if (!IniSectionExists(path, section)) return TStoreResult::Success();
  return EditIniFile(path, [&](TIniDocument& document) {
    document.EraseSection(section);
    return TStoreResult::Success();
  });
}

TStoreResult EditIniFile(const std::filesystem::path& path,
                         const std::function<TStoreResult(TIniDocument&)>& edit) {
  auto content = ReadWholeFile(path);
  // Replacing a file we could not read would throw away whatever it holds.
  if (content.Status == TFileReadStatus::Unreadable) {
    return TStoreResult::Failure(UnableToWriteMessage(path));
  }
  DropByteOrderMark(content.Text);
  auto document = TIniDocument::Parse(content.Text);
  content.Text.clear();
  content.Text.shrink_to_fit();
  if (auto result = edit(document); !result) return result;
  return ReplaceFileAtomically(path, document.Text());
}

}  // namespace novlet
