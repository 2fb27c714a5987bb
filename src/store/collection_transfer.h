// The file side of Export, Export All, Import, Backup All and Restore All.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_paths.h"
#include "store/store_result.h"

// Moving puzzles between the collection and other files: the file side of
// Export, Export All, Import, Backup All and Restore All. Sections travel key
// by key as text. Each operation reads its source once and replaces its
// target in one atomic write, so a refused write leaves the target exactly as
// it was. A source that exists but cannot be read is refused with "Unable to
// read %s" and the reason; a missing one has nothing to copy. Only whole
// records travel (IsWholePuzzleRecord): a record cut short in a damaged
// backup must never replace a good one, so it is left out and counted.
namespace novlet {

struct TTransferResult {
  TStoreResult Result;
  int SectionsCopied = 0;
  int SectionsSkipped = 0;  // records of the source left out as not whole
};

// A refusal when the target of an export is one of the program's own files
// (the three data files, or anything at or inside ProtectedPaths); nothing
// when the target may be written. Both sides are compared made absolute (a
// relative path counts from the working folder), normalised, and with their
// links followed where they exist, so no spelling of a path slips through.
std::optional<TStoreResult> RefuseOwnFile(const TDataPaths& files, const std::filesystem::path& target);

// The bare names of the account's puzzles, in file order (the collection
// session orders them for the list).
std::vector<std::string> ListAccountPuzzles(const std::filesystem::path& collectionFile,
                                            std::string_view userName);

// Copies the source section's keys, in order, into the target section, which
// is erased first, whatever the section holds. A missing source section
// copies nothing and leaves the target alone.
TTransferResult CopySection(const std::filesystem::path& sourceFile, std::string_view sourceSection,
                            const std::filesystem::path& targetFile, std::string_view targetSection);

// Writes the account's puzzle of that bare name (Export), or all its puzzles
// in file order (Export All), into a new file replacing the target. With
// nothing to export the target is not touched. A target that is the
// collection, the options or the backup file, or one of files.ProtectedPaths
// or inside one of those that is a folder, is refused, as replacing it would
// lose the user's data or break the program. Paths are compared resolved.
TTransferResult ExportPuzzle(const TDataPaths& files, std::string_view userName, std::string_view bareName,
                             const std::filesystem::path& target);
TTransferResult ExportAllPuzzles(const TDataPaths& files, std::string_view userName,
                                 const std::filesystem::path& target);
// The same for the account's puzzles of several bare names, in file order.
TTransferResult ExportPuzzles(const TDataPaths& files, std::string_view userName,
                              const std::vector<std::string>& bareNames, const std::filesystem::path& target);

// Adds every section of the source, whatever its account, to the collection
// as UserName + "@Imports " + its bare name, with "Name" set to that and "I"
// to "1"; a puzzle of that name is replaced. A source that is not text (NUL
// bytes, UTF-16 or UTF-32) is refused as unreadable.
TTransferResult ImportPuzzles(const TDataPaths& files, std::string_view userName,
                              const std::filesystem::path& source);

// Whether Import takes the file as a collection file, whatever its name: a
// text with a section holding a puzzle record's boards ("M1" or "M2"). Any
// other file, unreadable ones too, is for the reader of text puzzles, which
// tells why it cannot be read.
bool IsCollectionFile(const std::filesystem::path& file);

// Copies the account's sections from the collection into novlet.bak, and
// back. Other sections of the target stay.
TTransferResult BackupAllPuzzles(const TDataPaths& files, std::string_view userName);
TTransferResult RestoreAllPuzzles(const TDataPaths& files, std::string_view userName);

}  // namespace novlet
