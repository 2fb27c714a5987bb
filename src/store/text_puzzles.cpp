// Reading puzzles from the plain-text forms people pass them around in, and writing a puzzle's one-line form.
#include "store/text_puzzles.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <deque>
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
  std::string_view Text;  // without its line end and trailing blanks, Unicode blanks and box drawing made ASCII
  int Number = 0;
  // The box shape the last comment line before it names, as "# week 2 (2x3)".
  std::optional<TGeometry> NamedShape;
  bool AfterGap = false;      // the text's start, an empty line or a comment comes right before it
  std::size_t CellsFrom = 0;  // where its cells start, past a row label ("A |")
};

// The lines of a text; the ones that had to be rewritten live in Cleaned.
struct TTextLines {
  std::vector<TTextLine> Lines;
  std::deque<std::string> Cleaned;
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

// Web pages and documents lay grids out with Unicode blanks and box drawing:
// the blanks become " " and the box drawing "|", which both stand between
// cells. Nothing when the line holds neither.
std::optional<std::string> CleanedLine(std::string_view line) {
  if (line.find_first_of("\xC2\xE2\xE3") == std::string_view::npos) return std::nullopt;
  std::string cleaned;
  bool changed = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = [&](std::size_t k) { return i + k < line.size() ? static_cast<unsigned char>(line[i + k]) : 0; };
    const unsigned char first = byte(0);
    char replacement = 0;
    std::size_t length = 0;
    if (first == 0xC2 && byte(1) == 0xA0) {
      replacement = ' ', length = 2;  // U+00A0
    } else if (first == 0xE2 && byte(1) == 0x80 && (byte(2) <= 0x8A || byte(2) == 0xAF) && byte(2) >= 0x80) {
      replacement = ' ', length = 3;  // U+2000..U+200A, U+202F
    } else if (first == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
      replacement = ' ', length = 3;  // U+3000
    } else if (first == 0xE2 && (byte(1) == 0x94 || byte(1) == 0x95) && byte(2) >= 0x80 && byte(2) <= 0xBF) {
      replacement = '|', length = 3;  // U+2500..U+257F
    }
    if (length == 0) {
      cleaned += line[i];
      continue;
    }
    cleaned += replacement;
    changed = true;
    i += length - 1;
  }
  if (!changed) return std::nullopt;
  return cleaned;
}

TTextLines ReadLines(std::string_view text) {
  while (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  TTextLines result;
  std::optional<TGeometry> named;
  int number = 0;
  bool gap = true;
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
    if (std::optional<std::string> cleaned = CleanedLine(line)) line = result.Cleaned.emplace_back(std::move(*cleaned));
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
      gap = true;
      continue;
    }
    if (line[first] == '#') {
      named = ShapeNamedBy(line);
      gap = true;
      continue;
    }
    result.Lines.push_back({line, number, std::exchange(named, std::nullopt), std::exchange(gap, false)});
  }
  return result;
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

int CountCells(const TTextLine& line) {
  int cells = 0;
  for (const char c : line.Text.substr(line.CellsFrom)) cells += !IsBlank(c) && !IsFrameMark(c);
  return cells;
}

bool IsCellCharacter(char c) { return CellValue(c, TDigits::FromOne) != kNotACell; }

// A row label ("A |", "12 |"): its number counting from 1, and where the
// cells after it start.
struct TRowLabel {
  int Index = 0;
  std::size_t CellsFrom = 0;
};

std::optional<TRowLabel> RowLabelOf(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return std::nullopt;
  const std::size_t start = i;
  while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i]))) ++i;
  const std::string_view word = text.substr(start, i - start);
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (word.empty() || word.size() > 2 || i >= text.size() || text[i] != '|') return std::nullopt;
  if (const std::optional<int> number = SmallNumber(word)) return TRowLabel{*number, i + 1};
  if (word.size() != 1 || !std::isalpha(static_cast<unsigned char>(word[0]))) return std::nullopt;
  return TRowLabel{std::toupper(static_cast<unsigned char>(word[0])) - 'A' + 1, i + 1};
}

// A line of column numbers or letters above a grid: "1 2 3 | 4 5 6", "a b c d".
bool IsColumnHeader(std::string_view text) {
  int columns = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i]) || IsFrameMark(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !IsBlank(text[end]) && !IsFrameMark(text[end])) ++end;
    const std::string_view word = text.substr(i, end - i);
    ++columns;
    const bool letter = word.size() == 1 && std::toupper(static_cast<unsigned char>(word[0])) - 'A' + 1 == columns;
    if (!letter && SmallNumber(word) != columns) return false;
    i = end;
  }
  return columns >= kSmallestGridSize;
}

// The first word of a one-line puzzle's line, where its cells are.
std::string_view CellsWord(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  std::size_t end = first;
  while (end < text.size() && !EndsCells(text[end])) ++end;
  return text.substr(first, end - first);
}

// A line that is no row of cells: it holds a character that is neither a cell
// nor between cells, and is too short to be a one-line puzzle with a typo.
bool IsTitleLike(const TTextLine& line) {
  const std::optional<TRowLabel> label = RowLabelOf(line.Text);
  const std::string_view text = line.Text.substr(label ? label->CellsFrom : 0);
  if (CellsWord(text).size() >= static_cast<std::size_t>(kMaxGridSize)) return false;
  for (const char c : text) {
    if (!IsBlank(c) && !IsFrameMark(c) && !IsCellCharacter(c)) return true;
  }
  return false;
}

std::string_view Trimmed(std::string_view text) { return text.substr(text.find_first_not_of(" \t")); }

// The splitting rule of ReadTextPuzzles.
bool HoldsOneLinePuzzles(const std::vector<TTextLine>& lines, const std::optional<TGeometry>& shape) {
  int rows = 0;
  bool allSmallestBoards = true;
  bool allNamed = true;
  for (const TTextLine& line : lines) {
    if (IsFrameLine(line.Text)) continue;
    TTextLine unlabeled = line;
    if (const std::optional<TRowLabel> label = RowLabelOf(line.Text)) unlabeled.CellsFrom = label->CellsFrom;
    const int cells = CountCells(unlabeled);
    if (cells != kSmallestGridSize * kSmallestGridSize && IsTitleLike(line)) continue;
    ++rows;
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
  const std::string_view cells = CellsWord(line.Text);
  const auto first = static_cast<std::size_t>(cells.data() - line.Text.data());
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
  for (const TTextLine& row : rows) {
    if (const int count = CountCells(row); count <= kMaxGridSize) ++rowsOfLength[count];
  }
  int mostCommon = kMaxGridSize;
  for (int length = kMaxGridSize; length >= 0; --length) {
    if (rowsOfLength[length] > rowsOfLength[mostCommon]) mostCommon = length;
  }
  return mostCommon;
}

// The lines of one grid, rows and frame lines, with what names it.
struct TGridBlock {
  std::string Title;
  int Line = 0;  // its title's or first line's
  std::optional<TGeometry> NamedShape;
  std::vector<TTextLine> Lines;
  std::vector<TTextLine> TitleLines;  // its title line and the title-like lines right after it
};

std::vector<TTextLine> RowsOf(const TGridBlock& block) {
  std::vector<TTextLine> rows;
  for (const TTextLine& line : block.Lines) {
    if (!IsFrameLine(line.Text)) rows.push_back(line);
  }
  return rows;
}

int GridSizeOf(const std::vector<TTextLine>& rows, const std::optional<TGeometry>& shape) {
  return shape ? shape->GridSize : MostCommonRowLength(rows);
}

// Splits the text at empty lines, comments and title lines. A line that
// holds more than cells is a title, unless it comes inside a grid that still
// misses rows and is as long as its rows: then it is a row with a typo.
std::vector<TGridBlock> GridBlocks(const std::vector<TTextLine>& lines) {
  std::vector<TGridBlock> blocks;
  int rows = 0;
  int rowLength = 0;
  auto start = [&](const TTextLine& line, std::string title) {
    std::optional<TGeometry> named = ShapeNamedBy(line.Text);
    const bool titled = !title.empty();
    blocks.push_back({std::move(title), line.Number, named ? named : line.NamedShape, {}, {}});
    if (titled) blocks.back().TitleLines.push_back(line);
    rows = 0;
  };
  for (const TTextLine& line : lines) {
    const bool titleOnly = !blocks.empty() && blocks.back().Lines.empty();
    const bool continues = !blocks.empty() && !blocks.back().Lines.empty() && !line.AfterGap;
    const bool frame = IsFrameLine(line.Text);
    if (!frame && IsTitleLike(line) && !(continues && rows < rowLength && CountCells(line) == rowLength)) {
      if (IsColumnHeader(line.Text)) {
        if (!continues && !titleOnly) start(line, {});
      } else if (!titleOnly) {
        start(line, std::string(Trimmed(line.Text)));
      } else {
        if (line.AfterGap) blocks.back().TitleLines.clear();
        blocks.back().TitleLines.push_back(line);
      }
      continue;
    }
    if (!continues && !titleOnly) start(line, {});
    blocks.back().Lines.push_back(line);
    if (frame) continue;
    if (rows++ == 0) rowLength = CountCells(line);
  }
  return blocks;
}

// Drops what stands around the rows of a block: a short title line on top
// ("12" over rows of 9), row labels counting up ("A |", "B |") and the
// column header above them.
void TidyBlock(TGridBlock& block, const std::optional<TGeometry>& shape) {
  // Title-like lines alone, at least as many as the smallest grid's rows and
  // all as long, are a grid with a character no cell is ("53xx7xxxx"), under
  // the title line when the first is not as long.
  std::vector<TTextLine>& titles = block.TitleLines;
  const bool titleFirst = !titles.empty() && titles.front().Number == block.Line;
  const bool titled = titleFirst && titles.size() > 1 && CountCells(titles[0]) != CountCells(titles[1]);
  if (block.Lines.empty() && titles.size() >= static_cast<std::size_t>(kSmallestGridSize) + titled &&
      std::all_of(titles.begin() + titled, titles.end(),
                  [&](const TTextLine& line) { return CountCells(line) == CountCells(titles.back()); })) {
    block.Lines.assign(titles.begin() + titled, titles.end());
    if (titleFirst && !titled) block.Title.clear();
  }
  auto rowAt = [&](std::size_t n) {
    for (std::size_t i = 0; i < block.Lines.size(); ++i) {
      if (!IsFrameLine(block.Lines[i].Text) && n-- == 0) return i;
    }
    return block.Lines.size();
  };
  const std::size_t first = rowAt(0);
  const std::size_t second = rowAt(1);
  if (second == block.Lines.size()) return;
  if (block.Title.empty() && first == 0 && 2 * CountCells(block.Lines[first]) <= CountCells(block.Lines[second])) {
    block.Title = Trimmed(block.Lines.front().Text);
    block.Line = block.Lines.front().Number;
    block.Lines.erase(block.Lines.begin());
    return TidyBlock(block, shape);
  }
  std::vector<std::pair<std::size_t, TRowLabel>> labels;
  bool labeled = true;
  for (std::size_t i = 0; i < block.Lines.size() && labeled; ++i) {
    if (IsFrameLine(block.Lines[i].Text)) continue;
    const std::optional<TRowLabel> label = RowLabelOf(block.Lines[i].Text);
    if (label && (labels.empty() || label->Index == labels.back().second.Index + 1)) {
      labels.emplace_back(i, *label);
    } else {
      labeled = i == first && labels.empty();  // a column header may stand above labelled rows
    }
  }
  bool header = false;
  if (labeled && labels.size() >= 2) {
    for (const auto& [i, label] : labels) block.Lines[i].CellsFrom = label.CellsFrom;
    header = labels.front().first != first;
  } else {
    const std::vector<TTextLine> rows = RowsOf(block);
    header =
        IsColumnHeader(rows.front().Text) &&
        static_cast<int>(rows.size()) == GridSizeOf(std::vector<TTextLine>(rows.begin() + 1, rows.end()), shape) + 1;
  }
  if (header) block.Lines.erase(block.Lines.begin() + static_cast<std::ptrdiff_t>(first));
}

// "---" or "---|---|---" as long as a row: a row of empty cells where the
// grid misses that many rows, a frame line where it does not.
bool MayBeEmptyRow(std::string_view line, int size) {
  return line.find_first_of("+=") == std::string_view::npos && std::count(line.begin(), line.end(), '-') == size;
}

std::optional<TTextPuzzle> ReadGridPuzzle(const TGridBlock& block, const std::optional<TGeometry>& shape) {
  std::vector<TTextLine> rows = RowsOf(block);
  if (rows.empty()) return std::nullopt;

  TTextPuzzle puzzle;
  puzzle.Line = block.Line;
  puzzle.Title = block.Title;
  const std::string start = LineLabel(puzzle.Line) + ": ";
  const int size = GridSizeOf(rows, shape);
  const std::optional<TGeometry>& named = block.NamedShape;
  std::optional<TGeometry> g = shape;
  if (!g) g = named && named->GridSize == size ? named : UsualShape(size);
  if (!g) {
    Refuse(puzzle, start + "rows of " + CellsText(size) + ", expected " + OfferedSizesText(false));
    return puzzle;
  }
  const auto emptyRows = std::count_if(block.Lines.begin(), block.Lines.end(), [&](const TTextLine& line) {
    return IsFrameLine(line.Text) && MayBeEmptyRow(line.Text, size);
  });
  if (static_cast<int>(rows.size()) < size && static_cast<int>(rows.size() + emptyRows) == size) {
    rows.clear();
    for (const TTextLine& line : block.Lines) {
      if (!IsFrameLine(line.Text) || MayBeEmptyRow(line.Text, size)) rows.push_back(line);
    }
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
    const int count = CountCells(row);
    if (count != size) {
      Refuse(puzzle, LineLabel(row.Number) + ": " + CellsText(count) + ", expected " + std::to_string(size));
      return puzzle;
    }
    for (std::size_t i = row.CellsFrom; i < row.Text.size(); ++i) {
      const char c = row.Text[i];
      if (IsBlank(c) || IsFrameMark(c)) continue;
      if (!reader.Place(c, row.Number, static_cast<int>(i + 1))) return puzzle;
    }
  }
  return puzzle;
}

// Blocks become grids: bands set apart by empty lines join when together
// they make one grid, and a block of several grids' rows is cut into them.
template <typename TRead>
void ForEachGrid(const std::vector<TTextLine>& lines, const std::optional<TGeometry>& shape, TRead read) {
  std::vector<TGridBlock> blocks = GridBlocks(lines);
  for (TGridBlock& block : blocks) TidyBlock(block, shape);
  for (std::size_t i = 0; i < blocks.size();) {
    TGridBlock grid = std::move(blocks[i++]);
    const std::vector<TTextLine> rows = RowsOf(grid);
    const int size = GridSizeOf(rows, shape);
    const int rowCount = static_cast<int>(rows.size());
    int total = rowCount;
    std::size_t next = i;
    while (total > 0 && total < size && next < blocks.size() && blocks[next].Title.empty()) {
      const std::vector<TTextLine> more = RowsOf(blocks[next]);
      if (more.empty() || GridSizeOf(more, shape) != size) break;
      total += static_cast<int>(more.size());
      ++next;
    }
    if (total == size && next > i) {
      for (; i < next; ++i) grid.Lines.insert(grid.Lines.end(), blocks[i].Lines.begin(), blocks[i].Lines.end());
    }
    if (size == 0 || rowCount <= size || rowCount % size != 0) {
      read(grid);
      continue;
    }
    TGridBlock part{grid.Title, grid.Line, grid.NamedShape, {}, {}};
    int partRows = 0;
    for (const TTextLine& line : grid.Lines) {
      if (partRows == size) {
        read(part);
        part = {{}, line.Number, std::nullopt, {}, {}};
        partRows = 0;
      }
      part.Lines.push_back(line);
      partRows += !IsFrameLine(line.Text);
    }
    read(part);
  }
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
  const TTextLines read = ReadLines(text);
  const std::vector<TTextLine>& lines = read.Lines;
  if (!HoldsOneLinePuzzles(lines, shape)) {
    ForEachGrid(lines, shape, [&](const TGridBlock& grid) {
      if (std::optional<TTextPuzzle> puzzle = ReadGridPuzzle(grid, shape)) take(*puzzle);
    });
    return;
  }
  std::string title;
  for (const TTextLine& line : lines) {
    if (IsTitleLike(line)) {
      if (title.empty()) title = Trimmed(line.Text);
      continue;
    }
    TTextPuzzle puzzle = ReadOneLinePuzzle(line, shape);
    puzzle.Title = std::exchange(title, {});
    take(puzzle);
  }
}

std::vector<TTextPuzzle> ReadTextPuzzles(std::string_view text, const std::optional<TGeometry>& shape) {
  std::vector<TTextPuzzle> puzzles;
  ForEachTextPuzzle(text, shape, [&](TTextPuzzle& puzzle) { puzzles.push_back(std::move(puzzle)); });
  return puzzles;
}

std::vector<int> UnshapedPuzzleSizes(std::string_view text) {
  const TTextLines read = ReadLines(text);
  std::array<bool, kMaxGridSize + 1> present{};
  auto see = [&](int size, const std::optional<TGeometry>& named) {
    if (size <= kMaxGridSize && UsualShape(size) && !(named && named->GridSize == size)) present[size] = true;
  };
  if (HoldsOneLinePuzzles(read.Lines, std::nullopt)) {
    for (const TTextLine& line : read.Lines) {
      const auto length = static_cast<int>(CellsWord(line.Text).size());
      for (int n = 1; n <= kMaxGridSize && !IsTitleLike(line); ++n) {
        if (n * n == length) see(n, line.NamedShape);
      }
    }
  } else {
    ForEachGrid(read.Lines, std::nullopt, [&](const TGridBlock& grid) {
      const std::vector<TTextLine> rows = RowsOf(grid);
      if (!rows.empty()) see(MostCommonRowLength(rows), grid.NamedShape);
    });
  }
  std::vector<int> sizes;
  for (int n = 0; n <= kMaxGridSize; ++n) {
    if (present[n]) sizes.push_back(n);
  }
  return sizes;
}

std::vector<TGeometry> BoxShapesOfSize(int gridSize) {
  std::vector<TGeometry> shapes;
  for (const TBoxShape& shape : kBoxShapes) {
    if (shape.BoxWidth * shape.BoxHeight != gridSize) continue;
    shapes.emplace_back().SetBoxShape(shape.BoxWidth, shape.BoxHeight);
  }
  std::sort(shapes.begin(), shapes.end(),
            [](const TGeometry& a, const TGeometry& b) { return a.BoxWidth > b.BoxWidth; });
  return shapes;
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

TBoard PuzzleLineToBoard(const TGeometry& g, std::string_view line) {
  TBoard board;
  const auto n = static_cast<std::size_t>(g.GridSize);
  for (std::size_t i = 0; i < line.size() && i < n * n; ++i) {
    const std::size_t value = kCellCharacters.find(line[i]);
    if (value != std::string_view::npos && value <= n)
      board.at(static_cast<int>(i % n) + 1, static_cast<int>(i / n) + 1) = static_cast<std::uint8_t>(value);
  }
  return board;
}

}  // namespace novlet
