#include "store/collection_transfer.h"

#include <functional>
#include <optional>

#include "store/atomic_file.h"
#include "store/ini_document.h"
#include "store/ini_file.h"
#include "store/puzzle_naming.h"
#include "store/text_case.h"

namespace novlet {

namespace {

// For a source section name, the target section name, or nothing to skip it.
using TTargetNameOf = std::function<std::optional<std::string>(std::string_view)>;

std::vector<TIniSection> CollectCopies(const std::filesystem::path& source, const TTargetNameOf& targetNameOf) {
  const std::string text = ReadIniText(source);
  std::vector<TIniSection> copies;
  for (const auto& section : DistinctSections(ScanIniSections(text))) {
    if (auto targetName = targetNameOf(section.Name)) copies.push_back({std::move(*targetName), section.Entries()});
  }
  return copies;
}

TTransferResult AddCopies(const std::filesystem::path& target, const std::vector<TIniSection>& copies) {
  if (copies.empty()) return {};
  const auto result = EditIniFile(target, [&](TIniDocument& document) {
    return document.ReplaceSections(copies) ? TStoreResult::Success()
                                            : TStoreResult::Failure(UnableToWriteMessage(target));
  });
  return {result, result ? static_cast<int>(copies.size()) : 0};
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  const auto canonicalA = std::filesystem::weakly_canonical(a, error);
  if (error) return false;
  const auto canonicalB = std::filesystem::weakly_canonical(b, error);
  return !error && canonicalA == canonicalB;
}

std::optional<TStoreResult> RefuseOwnDataFile(const TDataPaths& files, const std::filesystem::path& target) {
  for (const auto& own : {files.CollectionFile, files.OptionsFile, files.BackupFile}) {
    if (SameFile(target, own)) {
      return TStoreResult::Failure("Cannot export to " + target.string() +
                                   ": it is one of Corvex Novlet's own data files");
    }
  }
  return std::nullopt;
}

TTransferResult ExportSections(const TDataPaths& files, const std::filesystem::path& target,
                               const TTargetNameOf& targetNameOf) {
  if (auto refusal = RefuseOwnDataFile(files, target)) return {*refusal, 0};
  const auto copies = CollectCopies(files.CollectionFile, targetNameOf);
  if (copies.empty()) return {};
  TIniDocument exported;
  exported.ReplaceSections(copies);
  const auto result = ReplaceFileAtomically(target, exported.Text());
  return {result, result ? static_cast<int>(copies.size()) : 0};
}

TTargetNameOf SameNameIfAccount(std::string_view userName) {
  return [userName = std::string(userName)](std::string_view name) -> std::optional<std::string> {
    if (!IsAccountSection(name, userName)) return std::nullopt;
    return std::string(name);
  };
}

void SetEntry(std::vector<TIniEntry>& entries, std::string_view key, std::string value) {
  for (auto& entry : entries) {
    if (EqualsIgnoringCase(entry.Key, key)) {
      entry.Value = std::move(value);
      return;
    }
  }
  entries.push_back({std::string(key), std::move(value)});
}

}  // namespace

std::vector<std::string> ListAccountPuzzles(const std::filesystem::path& collectionFile,
                                            std::string_view userName) {
  std::vector<std::string> names;
  for (const auto& section : ReadIniSectionNames(collectionFile)) {
    if (IsAccountSection(section, userName)) names.push_back(BarePuzzleName(section));
  }
  return names;
}

TTransferResult CopySection(const std::filesystem::path& sourceFile, std::string_view sourceSection,
                            const std::filesystem::path& targetFile, std::string_view targetSection) {
  const auto found = ReadIniSectionFromFile(sourceFile, sourceSection);
  if (!found) return {};
  return AddCopies(targetFile, {{std::string(targetSection), found->View().Entries()}});
}

TTransferResult ExportPuzzle(const TDataPaths& files, std::string_view userName, std::string_view bareName,
                             const std::filesystem::path& target) {
  const std::string wanted = CollectionSectionName(userName, bareName);
  return ExportSections(files, target, [&](std::string_view name) -> std::optional<std::string> {
    if (name != wanted) return std::nullopt;
    return std::string(name);
  });
}

TTransferResult ExportAllPuzzles(const TDataPaths& files, std::string_view userName,
                                 const std::filesystem::path& target) {
  return ExportSections(files, target, SameNameIfAccount(userName));
}

TTransferResult ImportPuzzles(const TDataPaths& files, std::string_view userName,
                              const std::filesystem::path& source) {
  const std::string prefix = AccountPrefix(userName) + "Imports ";
  auto copies = CollectCopies(source, [&](std::string_view name) -> std::optional<std::string> {
    return prefix + BarePuzzleName(name);
  });
  for (auto& copy : copies) {
    SetEntry(copy.Entries, "Name", copy.Name);
    SetEntry(copy.Entries, "I", "1");
  }
  return AddCopies(files.CollectionFile, copies);
}

TTransferResult BackupAllPuzzles(const TDataPaths& files, std::string_view userName) {
  return AddCopies(files.BackupFile, CollectCopies(files.CollectionFile, SameNameIfAccount(userName)));
}

TTransferResult RestoreAllPuzzles(const TDataPaths& files, std::string_view userName) {
  return AddCopies(files.CollectionFile, CollectCopies(files.BackupFile, SameNameIfAccount(userName)));
}

}  // namespace novlet
