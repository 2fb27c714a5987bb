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
  // The box shape the last comment line before it names, as "# week 2 (2x3)".
  std::optional<TGeometry> NamedShape;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Frame characters that may stand between the cells of a grid row; "-" is not
// one of them, as it is also an empty cell.
bool IsFrameMark(char c) { return c == '|' || c == '+' || c == '='; }

// Cells end where a separator starts what a generator writes after them: a
// rating, a source, the solution.
bool EndsCells(char c) { return IsBlank(c) || c == ',' || c == ';' || c == '#'; }

// The digits of a 16 x 16 board: "1".."G", or "0".."F" for values 1..16,
// which writers that keep "." for an empty cell use.
enum class TDigits : std::uint8_t { FromOne, FromZero };

int CellValue(char c, TDigits digits) {
  if (c == '.' || c == '-' || c == '_') return 0;
  const int shift = digits == TDigits::FromZero ? 1 : 0;
  if (c >= '0' && c <= '9') return c == '0' && shift == 0 ? 0 : c - '0' + shift;
  const int lastLetter = digits == TDigits::FromZero ? 'F' : 'G';
  if (c >= 'A' && c <= lastLetter) return c - 'A' + 10 + shift;
  if (c >= 'a' && c <= lastLetter - 'A' + 'a') return c - 'a' + 10 + shift;
  return kNotACell;
}

// A 16 x 16 board that has "." for its empty cells and also holds a "0"
// counts from zero; no other board can, as "0" is an empty cell there.
TDigits DigitsOf(int gridSize, bool holdsDot, bool holdsZero) {
  return gridSize == kMaxGridSize && holdsDot && holdsZero ? TDigits::FromZero : TDigits::FromOne;
}

std::optional<int> SmallNumber(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

// "(2x3)" at the end of a comment line, as the one-line export writes it.
std::optional<TGeometry> ShapeNamedBy(std::string_view comment) {
  if (!comment.ends_with(')')) return std::nullopt;
  const std::size_t open = comment.rfind('(');
  if (open == std::string_view::npos) return std::nullopt;
  const std::string_view inside = comment.substr(open + 1, comment.size() - open - 2);
  const std::size_t cross = inside.find_first_of("xX");
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = SmallNumber(inside.substr(0, cross));
  const std::optional<int> height = SmallNumber(inside.substr(cross + 1));
  if (!width || !height || !FindBoxShape(*width, *height)) return std::nullopt;
  TGeometry g;
  g.SetBoxShape(*width, *height);
  return g;
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
  std::optional<TGeometry> named;
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
    if (first == std::string_view::npos) continue;
    if (line[first] == '#') {
      named = ShapeNamedBy(line);
      continue;
    }
    lines.push_back({line, number, std::exchange(named, std::nullopt)});
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
  bool allNamed = true;
  for (const TTextLine& line : lines) {
    if (IsFrameLine(line.Text)) continue;
    ++rows;
    const int cells = CountCells(line.Text);
    if (cells > kMaxGridSize) return true;
    allSmallestBoards = allSmallestBoards && cells == kSmallestGridSize * kSmallestGridSize;
    allNamed = allNamed && line.NamedShape;
  }
  if (rows == 0 || !allSmallestBoards) return false;
  // Sixteen 2 x 2 puzzles each after its comment line, as exported, are no 16 x 16 grid.
  return shape ? shape->GridSize == kSmallestGridSize : rows != kMaxGridSize || allNamed;
}

std::string CellsText(int count) { return std::to_string(count) + (count == 1 ? " cell" : " cells"); }

// "4, 6, 8, ... or 16", or their squares.
std::string OfferedSizesText(bool squared) {
  std::string text;
  for (int n = 1; n <= kMaxGridSize; ++n) {
    if (!UsualShape(n)) continue;
    if (!text.empty()) text += n == kMaxGridSize ? " or " : ", ";
    text += std::to_string(squared ? n * n : n);
  }
  return text;
}

// The one-line length a line of that many cells was probably meant to have:
// one that misses or adds at most a row's worth; else every length offered.
std::string ExpectedOneLineLengths(int cells) {
  for (int n = 1; n <= kMaxGridSize; ++n) {
    if (UsualShape(n) && std::abs(n * n - cells) <= n) return std::to_string(n * n);
  }
  return OfferedSizesText(true);
}

// Takes the cells of one puzzle in row order, refusing a character that is no
// cell of the shape and a value that its row, column or box already holds.
class TGivensReader {
 public:
  TGivensReader(TTextPuzzle& puzzle, const TGeometry& g, TDigits digits) : puzzle_(puzzle), g_(g), digits_(digits) {
    puzzle_.BoxWidth = g.BoxWidth;
    puzzle_.BoxHeight = g.BoxHeight;
  }

  bool Place(char cell, int lineNumber, int position) {
    const int column = placed_ % g_.GridSize + 1;
    const int row = placed_ / g_.GridSize + 1;
    ++placed_;
    const int value = CellValue(cell, digits_);
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
  TDigits digits_;
  int placed_ = 0;
  std::array<std::uint32_t, kMaxGridSize> rowValues_{};
  std::array<std::uint32_t, kMaxGridSize> columnValues_{};
  std::array<std::uint32_t, kMaxGridSize> boxValues_{};
};

TTextPuzzle ReadOneLinePuzzle(const TTextLine& line, const std::optional<TGeometry>& shape) {
  TTextPuzzle puzzle;
  puzzle.Line = line.Number;
  const std::size_t first = line.Text.find_first_not_of(" \t");
  std::size_t end = first;
  while (end < line.Text.size() && !EndsCells(line.Text[end])) ++end;
  const std::string_view cells = line.Text.substr(first, end - first);
  const int count = static_cast<int>(cells.size());

  std::optional<TGeometry> g = shape;
  if (!g && line.NamedShape && line.NamedShape->GridSize * line.NamedShape->GridSize == count) g = line.NamedShape;
  for (int n = 1; !g && n <= kMaxGridSize; ++n) {
    if (n * n == count) g = UsualShape(n);
  }
  if (!g || g->GridSize * g->GridSize != count) {
    const std::string expected =
        shape ? std::to_string(shape->GridSize * shape->GridSize) : ExpectedOneLineLengths(count);
    Refuse(puzzle, LineLabel(line.Number) + ": " + CellsText(count) + ", expected " + expected);
    return puzzle;
  }
  const bool holdsDot = cells.find('.') != std::string_view::npos;
  TGivensReader reader(puzzle, *g, DigitsOf(g->GridSize, holdsDot, cells.find('0') != std::string_view::npos));
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
  const std::optional<TGeometry>& named = lines.front().NamedShape;
  std::optional<TGeometry> g = shape;
  if (!g) g = named && named->GridSize == size ? named : UsualShape(size);
  if (!g) {
    Refuse(puzzle, start + "rows of " + CellsText(size) + ", expected " + OfferedSizesText(false));
    return puzzle;
  }
  if (static_cast<int>(rows.size()) != size) {
    Refuse(puzzle, start + std::to_string(rows.size()) + " rows, expected " + std::to_string(size));
    return puzzle;
  }
  bool holdsDot = false;
  bool holdsZero = false;
  for (const TTextLine& row : rows) {
    holdsDot = holdsDot || row.Text.find('.') != std::string_view::npos;
    holdsZero = holdsZero || row.Text.find('0') != std::string_view::npos;
  }
  TGivensReader reader(puzzle, *g, DigitsOf(size, holdsDot, holdsZero));
  for (const TTextLine& row : rows) {
    const int count = CountCells(row.Text);
    if (count != size) {
      Refuse(puzzle, LineLabel(row.Number) + ": " + CellsText(count) + ", expected " + std::to_string(size));
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

void ForEachTextPuzzle(std::string_view text, const std::optional<TGeometry>& shape,
                       const std::function<void(TTextPuzzle&)>& take) {
  const std::vector<TTextLine> lines = NonCommentLines(text);
  if (HoldsOneLinePuzzles(lines, shape)) {
    for (const TTextLine& line : lines) {
      TTextPuzzle puzzle = ReadOneLinePuzzle(line, shape);
      take(puzzle);
    }
  } else if (std::optional<TTextPuzzle> grid = ReadGridPuzzle(lines, shape)) {
    take(*grid);
  }
}

std::vector<TTextPuzzle> ReadTextPuzzles(std::string_view text, const std::optional<TGeometry>& shape) {
  std::vector<TTextPuzzle> puzzles;
  ForEachTextPuzzle(text, shape, [&](TTextPuzzle& puzzle) { puzzles.push_back(std::move(puzzle)); });
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
