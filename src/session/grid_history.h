// The undo history text of a game: its records, newest first.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The undo history of a Play & Solve game: a text of records, newest first,
// each "column,row=previous text|" with 1-based column and row.
namespace novlet {

struct THistoryRecord {
  int Column = 0;  // 0 when the record's column does not read as a number
  int Row = 0;
  std::string PreviousText;
};

// Puts the record of cell (column, row), which held previousText, in front.
void PushHistoryRecord(std::string& history, int column, int row, std::string_view previousText);

// Cuts the newest record off the history. Nothing when the history holds no
// "|"; a record whose column or row is no number reads them as 0.
std::optional<THistoryRecord> PopHistoryRecord(std::string& history);

bool HasHistoryRecord(std::string_view history);

}  // namespace novlet
