// The account's puzzles written out in the one-line text form, for other
// programs, forums and friends.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/data_paths.h"
#include "store/store_result.h"

namespace novlet {

// Writes the givens of the named puzzles (bare names, in that order) into
// the target, replaced: one puzzle a line in the one-line form, each after
// a line "# NAME (WxH)" with its name and box shape, which the reader
// takes back. A record that does not read is left out. The
// program's own files are refused as export targets.
TStoreResult ExportTextPuzzles(const TDataPaths& files, std::string_view userName,
                               const std::vector<std::string>& bareNames, const std::filesystem::path& target);

}  // namespace novlet
