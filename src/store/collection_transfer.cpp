// Export, Export All, Import, Backup All and Restore All: whole sections between the collection and other files.
#include "store/collection_transfer.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <set>

#include "store/atomic_file.h"
#include "store/ini_document.h"
#include "store/ini_file.h"
#include "store/plain_text.h"
#include "store/puzzle_naming.h"
#include "store/puzzle_record.h"
#include "store/text_case.h"

namespace novlet {

namespace {

// For a source section name, the target section name, or nothing to leave it.
using TTargetNameOf = std::function<std::optional<std::string>(std::string_view)>;

enum class TSourceKind { DataFile, HandedFile };

struct TCollected {
  TStoreResult Result;
  std::vector<TIniSection> Copies;
  int Skipped = 0;
};

// Reads the source once. A missing source has nothing to copy; one that
// cannot be read is refused, as reporting "0 copied" would hide the failure.
// Records that are not whole are left out and counted.
TCollected CollectCopies(const std::filesystem::path& source, TSourceKind kind, const TTargetNameOf& targetNameOf) {
  const TFileContent content = ReadIniFile(source);
  if (content.Status == TFileReadStatus::Unreadable) {
    return {TStoreResult::Failure(UnableToReadMessage(source, content.Reason)), {}, 0};
  }
  if (kind == TSourceKind::HandedFile) {
    if (auto reason = NotTextReason(content.Text)) return {TStoreResult::Failure(UnableToReadMessage(source, *reason)), {}, 0};
  }
  TCollected collected;
  for (const auto& section : DistinctSections(ScanIniSections(content.Text))) {
    auto targetName = targetNameOf(section.Name);
    if (!targetName) continue;
    if (!IsWholePuzzleRecord(section)) {
      ++collected.Skipped;
      continue;
    }
    collected.Copies.push_back({std::move(*targetName), section.Entries()});
  }
  return collected;
}

int CopiedCount(const TStoreResult& result, const TCollected& collected) {
  return result ? static_cast<int>(collected.Copies.size()) : 0;
}

TTransferResult AddCopies(const std::filesystem::path& target, const TCollected& collected) {
  if (!collected.Result || collected.Copies.empty()) return {collected.Result, 0, collected.Skipped};
  const auto result = EditIniFile(target, [&](TIniDocument& document) {
    return document.ReplaceSections(collected.Copies) ? TStoreResult::Success()
                                                      : TStoreResult::Failure(UnableToWriteMessage(target));
  });
  return {result, CopiedCount(result, collected), collected.Skipped};
}

TTransferResult ExportSections(const TDataPaths& files, const std::filesystem::path& target,
                               const TTargetNameOf& targetNameOf) {
  if (auto refusal = RefuseOwnFile(files, target)) return {*refusal, 0, 0};
  const auto collected = CollectCopies(files.CollectionFile, TSourceKind::DataFile, targetNameOf);
  if (!collected.Result || collected.Copies.empty()) return {collected.Result, 0, collected.Skipped};
  TIniDocument exported;
  exported.ReplaceSections(collected.Copies);
  const auto result = ReplaceFileAtomically(target, exported.Text());
  return {result, CopiedCount(result, collected), collected.Skipped};
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

// The path as the file system reaches it: absolute (a relative one is taken
// from the working folder, as opening it would), "." and ".." resolved, and
// links followed as far as the path exists.
std::filesystem::path Resolved(const std::filesystem::path& path) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(path, error);
  if (error) return path.lexically_normal();
  const auto canonical = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : canonical;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) || Resolved(a) == Resolved(b);
}

// Whether path lies anywhere below folder, after both are resolved.
bool InsideFolder(const std::filesystem::path& path, const std::filesystem::path& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) return false;
  const auto resolvedFolder = Resolved(folder);
  const auto resolvedPath = Resolved(path);
  const auto [folderEnd, pathEnd] =
      std::mismatch(resolvedFolder.begin(), resolvedFolder.end(), resolvedPath.begin(), resolvedPath.end());
  return folderEnd == resolvedFolder.end() && pathEnd != resolvedPath.end();
}

}  // namespace

std::optional<TStoreResult> RefuseOwnFile(const TDataPaths& files, const std::filesystem::path& target) {
  std::vector<std::filesystem::path> own{files.CollectionFile, files.OptionsFile, files.BackupFile};
  own.insert(own.end(), files.ProtectedPaths.begin(), files.ProtectedPaths.end());
  // The file the export would replace: a link leading to a file not made yet
  // is written through like any other.
  const std::filesystem::path written = ResolveWriteTarget(target);
  for (const auto& path : own) {
    if (SameFile(written, path) || InsideFolder(written, path)) {
      return TStoreResult::Failure("Cannot export to " + target.string() +
                                   ": it is one of Corvex Novlet's own data files");
    }
  }
  return std::nullopt;
}


std::vector<std::string> ListAccountPuzzles(const std::filesystem::path& collectionFile,
                                            std::string_view userName) {
  std::vector<std::string> names;
  // The known account is cut off whole, as an account name may itself hold
  // an "@" ("ann@corp.example" on a domain-joined machine).
  for (const auto& section : ReadIniSectionNames(collectionFile)) {
    if (IsAccountSection(section, userName)) names.push_back(section.substr(AccountPrefix(userName).size()));
  }
  return names;
}

TTransferResult CopySection(const std::filesystem::path& sourceFile, std::string_view sourceSection,
                            const std::filesystem::path& targetFile, std::string_view targetSection) {
  const auto found = ReadIniSectionFromFile(sourceFile, sourceSection);
  if (!found) return {};
  TCollected collected;
  collected.Copies.push_back({std::string(targetSection), found->View().Entries()});
  return AddCopies(targetFile, collected);
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

TTransferResult ExportPuzzles(const TDataPaths& files, std::string_view userName,
                              const std::vector<std::string>& bareNames, const std::filesystem::path& target) {
  std::set<std::string, std::less<>> wanted;
  for (const auto& bareName : bareNames) wanted.insert(CollectionSectionName(userName, bareName));
  return ExportSections(files, target, [&](std::string_view name) -> std::optional<std::string> {
    if (!wanted.contains(name)) return std::nullopt;
    return std::string(name);
  });
}

TTransferResult ImportPuzzles(const TDataPaths& files, std::string_view userName,
                              const std::filesystem::path& source) {
  const std::string prefix = AccountPrefix(userName) + "Imports ";
  auto collected = CollectCopies(source, TSourceKind::HandedFile, [&](std::string_view name) -> std::optional<std::string> {
    return prefix + BarePuzzleName(name);
  });
  for (auto& copy : collected.Copies) {
    SetEntry(copy.Entries, "Name", copy.Name);
    SetEntry(copy.Entries, "I", "1");
  }
  return AddCopies(files.CollectionFile, collected);
}

bool IsCollectionFile(const std::filesystem::path& file) {
  const TFileContent content = ReadWholeFile(file);
  if (content.Status != TFileReadStatus::Read || NotTextReason(content.Text)) return false;
  const std::vector<TIniSectionView> sections = ScanIniSections(content.Text);
  return std::any_of(sections.begin(), sections.end(), [](const TIniSectionView& section) {
    return section.Value("M1").has_value() || section.Value("M2").has_value();
  });
}

TTransferResult BackupAllPuzzles(const TDataPaths& files, std::string_view userName) {
  return AddCopies(files.BackupFile, CollectCopies(files.CollectionFile, TSourceKind::DataFile, SameNameIfAccount(userName)));
}

TTransferResult RestoreAllPuzzles(const TDataPaths& files, std::string_view userName) {
  return AddCopies(files.CollectionFile, CollectCopies(files.BackupFile, TSourceKind::DataFile, SameNameIfAccount(userName)));
}

}  // namespace novlet
