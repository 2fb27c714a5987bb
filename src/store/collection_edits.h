// Rename and Delete of a collection puzzle, each one locked, atomic replacement of the collection file.
#pragma once

#include <filesystem>
#include <string_view>

#include "store/puzzle_record.h"
#include "store/store_result.h"

// The sections are full section names (UserName + "@" + puzzle name), taken
// as they stand in the file at the moment of the action, not as the page last
// read them. A refused write changes nothing and is reported.
namespace novlet {

// Erases the section, whatever its record holds. A missing section or file is
// nothing to do: success, and no file is created.
TStoreResult DeletePuzzle(const std::filesystem::path& collectionFile, std::string_view section);

// Erases the section and writes its record under newSection with "Name" set
// to newSection, in the record's fixed key order, in one replacement of the file,
// so that no failure in between can lose the puzzle. A puzzle already named
// newSection is replaced (the page has asked the overwrite question);
// newSection equal to section rewrites it. Refused with a message when the
// section is gone or its record is not whole (IsWholePuzzleRecord),
// and with "Unable to write to %s" when newSection cannot be a section name.
// The record as written goes to `renamed` when given, so that the page can
// show it without reading the file again.
TStoreResult RenamePuzzle(const std::filesystem::path& collectionFile, std::string_view section,
                          std::string_view newSection, TNovletFileData* renamed = nullptr);

}  // namespace novlet
