// The undo history text of a game: its records, newest first.
#include "session/grid_history.h"

#include <charconv>

namespace novlet {
namespace {

// The whole text read as a decimal integer, 0 when it is not one.
int ReadInteger(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

// The text before the first `separator`, removed from `rest` with the
// separator; the whole rest when it holds none.
std::string_view CutBefore(std::string_view& rest, char separator) {
  const std::size_t at = rest.find(separator);
  const std::string_view head = rest.substr(0, at);
  rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
  return head;
}

}  // namespace

void PushHistoryRecord(std::string& history, int column, int row, std::string_view previousText) {
  std::string record = std::to_string(column);
  record += ',';
  record += std::to_string(row);
  record += '=';
  record += previousText;
  record += '|';
  history.insert(0, record);
}

std::optional<THistoryRecord> PopHistoryRecord(std::string& history) {
  const std::size_t bar = history.find('|');
  if (bar == std::string::npos) return std::nullopt;
  std::string_view record = std::string_view(history).substr(0, bar);
  THistoryRecord result;
  result.Column = ReadInteger(CutBefore(record, ','));
  result.Row = ReadInteger(CutBefore(record, '='));
  result.PreviousText = std::string(record);
  history.erase(0, bar + 1);
  return result;
}

bool HasHistoryRecord(std::string_view history) { return history.find('|') != std::string_view::npos; }

}  // namespace novlet
