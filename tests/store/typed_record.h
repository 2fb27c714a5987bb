// A stored 9 x 9 record whose givens are a one-line puzzle, as a user typed it in.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/board_text.h"
#include "store/puzzle_record.h"
#include "store/text_puzzles.h"

namespace novlet::test {

inline TNovletFileData TypedRecord(std::string_view oneLine, int status) {
  TNovletFileData record;
  record.Name = "tester@Typed";
  record.PuzzleHex = BoardToHex(TGeometry(), ReadTextPuzzles(oneLine).front().Givens);
  record.Status = static_cast<std::uint8_t>(status);
  return record;
}

}  // namespace novlet::test
