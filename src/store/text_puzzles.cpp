// Reading puzzles from the plain-text forms people pass them around in, and writing a puzzle's one-line form.
#include "store/text_puzzles.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace novlet {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The 2 x 2 board's one-line form is as long as the longest grid row, so only
// there can a line be read either way.
constexpr int kSmallestGridSize = 4;
constexpr int kNotACell = -1;
// Indexed by value; a value no character stands for is written as one that
// reads back as a refusal rather than as a different puzzle.
constexpr std::string_view kCellCharacters = ".123456789ABCDEFG";
constexpr char kUnwritableValue = '?';

struct TTextLine {
  std::string_view Text;  // without its line end and trailing blanks
  int Number = 0;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Frame characters that may stand between the cells of a grid row; "-" is not
// one of them, as it is also an empty cell.
bool IsFrameMark(char c) { return c == '|' || c == '+' || c == '='; }

int CellValue(char c) {
  if (c == '.' || c == '0' || c == '-' || c == '_') return 0;
  if (c >= '1' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'G') return c - 'A' + 10;
  if (c >= 'a' && c <= 'g') return c - 'a' + 10;
  return kNotACell;
}

std::string Quoted(char c) {
  if (c > ' ' && c < '\x7F') return std::string{'"', c, '"'};
  char text[16];
  std::snprintf(text, sizeof text, "byte 0x%02X", static_cast<unsigned char>(c));
  return text;
}

std::string LineLabel(int number) { return "line " + std::to_string(number); }

bool Refuse(TTextPuzzle& puzzle, std::string reason) {
  puzzle.State = TTextPuzzleState::Unreadable;
  puzzle.Reason = std::move(reason);
  return false;
}

std::vector<TTextLine> NonCommentLines(std::string_view text) {
  while (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<TTextLine> lines;
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = text.substr(0, end);
    if (end == std::string_view::npos) {
      text = {};
    } else {
      const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
      text.remove_prefix(end + (crlf ? 2 : 1));
    }
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;
    lines.push_back({line, number});
  }
  return lines;
}

// Frame lines join their dashes or cross them; a row of empty cells typed as
// "-" has its dashes standing alone.
bool IsFrameLine(std::string_view line) {
  bool dashes = false;
  bool joinedDashes = false;
  bool crossings = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '-') {
      dashes = true;
      joinedDashes = joinedDashes || (i + 1 < line.size() && line[i + 1] == '-');
    } else if (c == '+' || c == '=') {
      crossings = true;
    } else if (c != '|' && !IsBlank(c)) {
      return false;
    }
  }
  return !dashes || joinedDashes || crossings;
}

int CountCells(std::string_view line) {
  int cells = 0;
  for (const char c : line) cells += !IsBlank(c) && !IsFrameMark(c);
  return cells;
}

// The splitting rule of ReadTextPuzzles.
bool HoldsOneLinePuzzles(const std::vector<TTextLine>& lines, const std::optional<TGeometry>& shape) {
  int rows = 0;
  bool allSmallestBoards = true;
  for (const TTextLine& line : lines) {
    if (IsFrameLine(line.Text)) continue;
    ++rows;
    const int cells = CountCells(line.Text);
    if (cells > kMaxGridSize) return true;
    allSmallestBoards = allSmallestBoards && cells == kSmallestGridSize * kSmallestGridSize;
  }
  if (rows == 0 || !allSmallestBoards) return false;
  return shape ? shape->GridSize == kSmallestGridSize : rows != kMaxGridSize;
}

std::string OfferedSizesText() {
  std::string text;
  for (int n = 1; n <= kMaxGridSize; ++n) {
    if (!UsualShape(n)) continue;
    if (!text.empty()) text += n == kMaxGridSize ? " or " : ", ";
    text += std::to_string(n);
  }
  return text;
}

int NearestOneLineLength(int cells) {
  int nearest = 0;
  for (int n = 1; n <= kMaxGridSize; ++n) {
    if (UsualShape(n) && std::abs(n * n - cells) <= std::abs(nearest - cells)) nearest = n * n;
  }
  return nearest;
}

// Takes the cells of one puzzle in row order, refusing a character that is no
// cell of the shape and a value that its row, column or box already holds.
class TGivensReader {
 public:
  TGivensReader(TTextPuzzle& puzzle, const TGeometry& g) : puzzle_(puzzle), g_(g) {
    puzzle_.BoxWidth = g.BoxWidth;
    puzzle_.BoxHeight = g.BoxHeight;
  }

  bool Place(char cell, int lineNumber, int position) {
    const int column = placed_ % g_.GridSize + 1;
    const int row = placed_ / g_.GridSize + 1;
    ++placed_;
    const int value = CellValue(cell);
    if (value == kNotACell || value > g_.GridSize) return RefuseCharacter(cell, value, lineNumber, position);
    if (value == 0) return true;
    const int box = (row - 1) / g_.BoxHeight * g_.BoxesAcross + (column - 1) / g_.BoxWidth;
    const std::uint32_t bit = 1u << value;
    if (rowValues_[row - 1] & bit) return RefuseRepeat(cell, lineNumber, "row", row);
    if (columnValues_[column - 1] & bit) return RefuseRepeat(cell, lineNumber, "column", column);
    if (boxValues_[box] & bit) return RefuseRepeat(cell, lineNumber, "box", box + 1);
    rowValues_[row - 1] |= bit;
    columnValues_[column - 1] |= bit;
    boxValues_[box] |= bit;
    puzzle_.Givens.at(column, row) = static_cast<std::uint8_t>(value);
    return true;
  }

 private:
  bool RefuseCharacter(char cell, int value, int lineNumber, int position) {
    const std::string where = LineLabel(lineNumber) + ", character " + std::to_string(position) + ": " + Quoted(cell);
    if (value == kNotACell) return Refuse(puzzle_, where + " is neither a value nor an empty cell");
    return Refuse(puzzle_,
                  where + " is " + std::to_string(value) + ", above the largest value " + std::to_string(g_.GridSize));
  }

  bool RefuseRepeat(char cell, int lineNumber, std::string_view unit, int number) {
    return Refuse(puzzle_, LineLabel(lineNumber) + ": " + Quoted(cell) + " twice in " + std::string(unit) + " " +
                               std::to_string(number));
  }

  TTextPuzzle& puzzle_;
  const TGeometry& g_;
  int placed_ = 0;
  std::array<std::uint32_t, kMaxGridSize> rowValues_{};
  std::array<std::uint32_t, kMaxGridSize> columnValues_{};
  std::array<std::uint32_t, kMaxGridSize> boxValues_{};
};

TTextPuzzle ReadOneLinePuzzle(const TTextLine& line, const std::optional<TGeometry>& shape) {
  TTextPuzzle puzzle;
  puzzle.Line = line.Number;
  const std::size_t first = line.Text.find_first_not_of(" \t");
  const std::string_view cells = line.Text.substr(first, line.Text.find_first_of(" \t", first) - first);
  const int count = static_cast<int>(cells.size());

  std::optional<TGeometry> g = shape;
  for (int n = 1; !g && n <= kMaxGridSize; ++n) {
    if (n * n == count) g = UsualShape(n);
  }
  if (!g || g->GridSize * g->GridSize != count) {
    const int expected = shape ? shape->GridSize * shape->GridSize : NearestOneLineLength(count);
    Refuse(puzzle,
           LineLabel(line.Number) + ": " + std::to_string(count) + " cells, expected " + std::to_string(expected));
    return puzzle;
  }
  TGivensReader reader(puzzle, *g);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!reader.Place(cells[i], line.Number, static_cast<int>(first + i + 1))) break;
  }
  return puzzle;
}

// The cell count most rows share, the larger on a tie. In a grid no row holds
// more than kMaxGridSize cells, or the text would be one-line puzzles.
int MostCommonRowLength(const std::vector<TTextLine>& rows) {
  std::array<int, kMaxGridSize + 1> rowsOfLength{};
  for (const TTextLine& row : rows) ++rowsOfLength[CountCells(row.Text)];
  int mostCommon = kMaxGridSize;
  for (int length = kMaxGridSize; length >= 0; --length) {
    if (rowsOfLength[length] > rowsOfLength[mostCommon]) mostCommon = length;
  }
  return mostCommon;
}

std::optional<TTextPuzzle> ReadGridPuzzle(const std::vector<TTextLine>& lines, const std::optional<TGeometry>& shape) {
  std::vector<TTextLine> rows;
  for (const TTextLine& line : lines) {
    if (!IsFrameLine(line.Text)) rows.push_back(line);
  }
  if (rows.empty()) return std::nullopt;

  TTextPuzzle puzzle;
  puzzle.Line = lines.front().Number;
  const std::string start = LineLabel(puzzle.Line) + ": ";
  const int size = shape ? shape->GridSize : MostCommonRowLength(rows);
  const std::optional<TGeometry> g = shape ? shape : UsualShape(size);
  if (!g) {
    Refuse(puzzle, start + "rows of " + std::to_string(size) + " cells, expected " + OfferedSizesText());
    return puzzle;
  }
  if (static_cast<int>(rows.size()) != size) {
    Refuse(puzzle, start + std::to_string(rows.size()) + " rows, expected " + std::to_string(size));
    return puzzle;
  }
  TGivensReader reader(puzzle, *g);
  for (const TTextLine& row : rows) {
    const int count = CountCells(row.Text);
    if (count != size) {
      Refuse(puzzle, LineLabel(row.Number) + ": " + std::to_string(count) + " cells, expected " + std::to_string(size));
      return puzzle;
    }
    for (std::size_t i = 0; i < row.Text.size(); ++i) {
      const char c = row.Text[i];
      if (IsBlank(c) || IsFrameMark(c)) continue;
      if (!reader.Place(c, row.Number, static_cast<int>(i + 1))) return puzzle;
    }
  }
  return puzzle;
}

}  // namespace

TGeometry TTextPuzzle::Geometry() const {
  TGeometry g;
  g.SetBoxShape(BoxWidth, BoxHeight);
  return g;
}

std::optional<TGeometry> UsualShape(int gridSize) {
  std::optional<TGeometry> shape;
  for (int height = 1; height <= gridSize / height; ++height) {
    if (gridSize % height != 0 || !FindBoxShape(gridSize / height, height)) continue;
    shape.emplace();
    shape->SetBoxShape(gridSize / height, height);
  }
  return shape;
}

std::vector<TTextPuzzle> ReadTextPuzzles(std::string_view text, const std::optional<TGeometry>& shape) {
  const std::vector<TTextLine> lines = NonCommentLines(text);
  std::vector<TTextPuzzle> puzzles;
  if (HoldsOneLinePuzzles(lines, shape)) {
    puzzles.reserve(lines.size());
    for (const TTextLine& line : lines) puzzles.push_back(ReadOneLinePuzzle(line, shape));
  } else if (std::optional<TTextPuzzle> grid = ReadGridPuzzle(lines, shape)) {
    puzzles.push_back(std::move(*grid));
  }
  return puzzles;
}

std::string BoardToPuzzleLine(const TGeometry& g, const TBoard& board) {
  std::string line;
  line.reserve(static_cast<std::size_t>(g.GridSize) * g.GridSize);
  for (int row = 1; row <= g.GridSize; ++row) {
    for (int column = 1; column <= g.GridSize; ++column) {
      const std::uint8_t value = board.at(column, row);
      line += value < kCellCharacters.size() ? kCellCharacters[value] : kUnwritableValue;
    }
  }
  return line;
}

}  // namespace novlet
