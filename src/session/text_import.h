// Puzzles from text files (a newspaper's, a forum's, a file of thousands)
// stored as records of the collection.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geometry.h"
#include "store/data_paths.h"
#include "store/date_time.h"
#include "store/store_result.h"

namespace novlet {

struct TTextImportResult {
  // A source that cannot be read, or a collection that cannot be written:
  // then nothing was stored.
  TStoreResult Result;
  int Found = 0;
  int Imported = 0;      // stored as new puzzles
  int AlreadyThere = 0;  // left out as the stored puzzle of their name has their givens
  // Why each puzzle was left out, "line N: reason", in file order.
  std::vector<std::string> Refusals;
};

// Reads every puzzle of the text file (any of the text forms), counts the
// solutions of each exactly, and stores the ones with exactly one solution as
// records of the account in one replacement of the collection: named after
// the file and the puzzle's number in it ("puzzles 007"), with their solution
// and the level Save would give them. Nothing stored is ever replaced: where
// the account has a puzzle of that name (letter case ignored) with the same
// givens, under that name or a numbered one ("puzzles 007 (2)"), the puzzle
// is counted as already there; otherwise it takes the first free numbered
// name. A given shape overrides the one the size suggests.
TTextImportResult ImportTextPuzzles(const TDataPaths& files, std::string_view userName,
                                    const std::filesystem::path& source, const std::optional<TGeometry>& shape,
                                    TDateTime now);

}  // namespace novlet
