// Reads and writes positions in the tool's text forms.
#include "position_text.h"

#include <cctype>

#include "engine/board_text.h"

namespace novlet::tool {
namespace {

bool IsHexDigit(char ch) { return std::isxdigit(static_cast<unsigned char>(ch)) != 0; }

// A decimal value 1..N as the cell texts write it; 0 when the text is not one.
int ValueText(std::string_view text, int gridSize) {
  if (text.empty() || text.size() > 2 || text.front() == '0') return 0;
  for (char ch : text)
    if (ch < '0' || ch > '9') return 0;
  const int value = TextToValue(text);
  return value <= gridSize ? value : 0;
}

// Checks one text against the cell-text vocabulary: empty, a value, pencil
// notes ("3,1,"), an ascending alternatives list ("1,4,7") or a deduced mark
// ("$0C"). Returns the problem, or an empty string.
std::string CheckCellText(std::string_view text, int gridSize) {
  if (text.empty()) return {};
  const std::string n = std::to_string(gridSize);
  if (text.front() == '$') {
    if (text.size() != 3 || !IsHexDigit(text[1]) || !IsHexDigit(text[2]) || std::islower(static_cast<unsigned char>(text[1])) ||
        std::islower(static_cast<unsigned char>(text[2]))) {
      return "\"" + std::string(text) + "\" is not a deduced mark ($ and two upper-case hex digits)";
    }
    const int value = TextToValue(text);
    if (value < 1 || value > gridSize) return "mark \"" + std::string(text) + "\" is not of a value 1.." + n;
    return {};
  }
  const bool notes = text.back() == ',';
  std::string_view rest = notes ? text.substr(0, text.size() - 1) : text;
  int previous = 0;
  int count = 0;
  while (true) {
    const std::size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    for (char ch : item)
      if (ch < '0' || ch > '9') return "\"" + std::string(text) + "\" is not a cell text";
    const int value = ValueText(item, gridSize);
    if (value == 0) {
      if (!item.empty() && item.front() != '0' && item.size() <= 2) return "value " + std::string(item) + " is above " + n;
      return "\"" + std::string(text) + "\" is not a cell text";
    }
    if (!notes && value <= previous) return "alternatives \"" + std::string(text) + "\" are not ascending";
    previous = value;
    ++count;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return {};
}

TParsedPosition ParseRecord(std::string_view line, const TGeometry& g) {
  TParsedPosition parsed;
  const int cells = g.GridSize * g.GridSize;
  int fields = 0;
  for (char ch : line) fields += ch == '|';
  if (fields != cells || line.back() != '|') {
    parsed.Error = "a record needs " + std::to_string(cells) + " fields each followed by \"|\", found " +
                   std::to_string(fields);
    return parsed;
  }
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      const std::size_t bar = line.find('|');
      const std::string_view text = line.substr(0, bar);
      line.remove_prefix(bar + 1);
      if (std::string problem = CheckCellText(text, g.GridSize); !problem.empty()) {
        parsed.Error = "cell (" + std::to_string(c) + ", " + std::to_string(r) + "): " + problem;
        return parsed;
      }
      parsed.Texts.at(c, r) = std::string(text);
    }
  }
  return parsed;
}

TParsedPosition ParseHex(std::string_view line, const TGeometry& g) {
  TParsedPosition parsed;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (!IsHexDigit(line[i])) {
      parsed.Error = "character '" + std::string(1, line[i]) + "' at position " + std::to_string(i + 1) +
                     " is not a hex digit";
      return parsed;
    }
  }
  TBoard board;
  HexToBoard(g, line, board);
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      if (board.at(c, r) > g.GridSize) {
        parsed.Error = "cell (" + std::to_string(c) + ", " + std::to_string(r) + "): value " +
                       std::to_string(board.at(c, r)) + " is above " + std::to_string(g.GridSize);
        return parsed;
      }
    }
  }
  BoardToTexts(g, board, parsed.Texts);
  return parsed;
}

TParsedPosition ParseLine(std::string_view line, const TGeometry& g) {
  TParsedPosition parsed;
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      const char ch = line[(r - 1) * g.GridSize + (c - 1)];
      if (ch == '.' || ch == '0') continue;
      if (ch < '1' || ch > '9') {
        parsed.Error = "character '" + std::string(1, ch) + "' in cell (" + std::to_string(c) + ", " +
                       std::to_string(r) + ") is not a value, '.' or '0'";
        return parsed;
      }
      if (ch - '0' > g.GridSize) {
        parsed.Error = "cell (" + std::to_string(c) + ", " + std::to_string(r) + "): value " + std::string(1, ch) +
                       " is above " + std::to_string(g.GridSize);
        return parsed;
      }
      parsed.Texts.at(c, r) = std::string(1, ch);
    }
  }
  return parsed;
}

}  // namespace

TParsedPosition ParsePosition(std::string_view line, const TGeometry& g) {
  const std::size_t cells = static_cast<std::size_t>(g.GridSize) * g.GridSize;
  if (line.find('|') != std::string_view::npos) return ParseRecord(line, g);
  if (line.size() == 2 * cells) return ParseHex(line, g);
  if (g.GridSize <= 9 && line.size() == cells) return ParseLine(line, g);
  TParsedPosition parsed;
  parsed.Error = "expected " + std::to_string(2 * cells) + " hex digits" +
                 (g.GridSize <= 9 ? ", " + std::to_string(cells) + " one-line characters" : std::string()) +
                 " or a record of " + std::to_string(cells) + " fields, found " + std::to_string(line.size()) +
                 " characters";
  return parsed;
}

std::string TextsToRecord(const TGeometry& g, const TCellTexts& texts) {
  std::string record;
  for (int r = 1; r <= g.GridSize; ++r) {
    for (int c = 1; c <= g.GridSize; ++c) {
      record += texts.at(c, r);
      record += '|';
    }
  }
  return record;
}

std::string BoardToLine(const TGeometry& g, const TBoard& board) {
  std::string line;
  for (int r = 1; r <= g.GridSize; ++r)
    for (int c = 1; c <= g.GridSize; ++c) line += board.at(c, r) == 0 ? '.' : static_cast<char>('0' + board.at(c, r));
  return line;
}

std::vector<std::string> BoardToGridLines(const TGeometry& g, const TBoard& board) {
  const int width = g.GridSize > 9 ? 2 : 1;
  std::vector<std::string> lines;
  std::string rule;
  for (int bx = 1; bx <= g.BoxesAcross; ++bx) {
    if (bx > 1) rule += "+";
    rule += std::string(static_cast<std::size_t>(g.BoxWidth * (width + 1) + 1), '-');
  }
  for (int r = 1; r <= g.GridSize; ++r) {
    if (r > 1 && (r - 1) % g.BoxHeight == 0) lines.push_back(rule);
    std::string line;
    for (int c = 1; c <= g.GridSize; ++c) {
      if (c > 1 && (c - 1) % g.BoxWidth == 0) line += " |";
      const int value = board.at(c, r);
      std::string cell = value == 0 ? "." : std::to_string(value);
      line += ' ' + std::string(static_cast<std::size_t>(width) - cell.size(), ' ') + cell;
    }
    lines.push_back(line + ' ');
  }
  return lines;
}

}  // namespace novlet::tool
