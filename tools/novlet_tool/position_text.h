// Reads and writes positions in the tool's text forms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/board.h"
#include "engine/geometry.h"

// The position forms novlet-tool reads and writes: hex board text, the
// one-line form of boards up to 9 x 9, the record form (every cell's text
// followed by "|") and a readable grid.
namespace novlet::tool {

struct TParsedPosition {
  TCellTexts Texts;
  std::string Error;  // empty when the line was good
};

TParsedPosition ParsePosition(std::string_view line, const TGeometry& g);

std::string TextsToRecord(const TGeometry& g, const TCellTexts& texts);
std::string BoardToLine(const TGeometry& g, const TBoard& board);
std::vector<std::string> BoardToGridLines(const TGeometry& g, const TBoard& board);

}  // namespace novlet::tool
