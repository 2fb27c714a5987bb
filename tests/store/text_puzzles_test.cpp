// Tests of reading puzzles from text, writing their one-line form and checking them with the engine.
#include "store/text_puzzles.h"

#include <gtest/gtest.h>

#include "store/text_puzzle_check.h"

namespace novlet {
namespace {

const std::string kPuzzle = "..4.6.92..3..71.6.....9287..19.47.32...1..7.......6..8.6..53..727......5..5.1....";
const std::string kSolution = "784365921932871564156492873819547632643128759527936418468253197271689345395714286";
const std::string kBig =
    "GA7.95DF6.2BEC.8..54E.289D.A13B7D..1.3...5E4.G9.E..9G.14FC.7.D2A.5..C.9.EB..2.G.C3G8.14EAF5.96.....B"
    ".A56....4F1E6E.28DB.1.4.3AC5B.AC..G354F.D.892.3.14A..6B8C5EF74.ED.F..A.CG1..5F...E..D3.G.4A289.547C."
    "3.AF6BD.3B.D5.E14.76A9F..G6.F93BC.D18E5.4C.FA.6DB9857231";

std::optional<TGeometry> Shape(int boxWidth, int boxHeight) {
  TGeometry g;
  g.SetBoxShape(boxWidth, boxHeight);
  return g;
}

// An empty 9 x 9 line with the given characters at the given indexes.
std::string Cells(std::initializer_list<std::pair<int, char>> cells, std::string line = std::string(81, '.')) {
  for (const auto& [index, c] : cells) line[index] = c;
  return line;
}

// A 9 x 9 line laid out as a grid, with a frame line between bands when one is given.
std::string Grid(std::string_view line, std::string_view cellGap, std::string_view boxGap, std::string_view frame) {
  std::string text;
  for (int row = 0; row < 9; ++row) {
    if (row % 3 == 0 && row > 0 && !frame.empty()) text += std::string(frame) + "\n";
    for (int column = 0; column < 9; ++column) {
      text += line[row * 9 + column];
      if (column < 8) text += column % 3 == 2 ? boxGap : cellGap;
    }
    text += "\n";
  }
  return text;
}

// "WxH @line 'title' one-line-form" for a puzzle read, the reason for one refused.
std::vector<std::string> Summaries(std::string_view text, const std::optional<TGeometry>& shape = std::nullopt) {
  std::vector<std::string> summaries;
  for (const TTextPuzzle& p : ReadTextPuzzles(text, shape)) {
    summaries.push_back(p.State == TTextPuzzleState::Unreadable
                            ? p.Reason
                            : std::to_string(p.BoxWidth) + "x" + std::to_string(p.BoxHeight) + " @" +
                                  std::to_string(p.Line) + " " + (p.Title.empty() ? "" : "'" + p.Title + "' ") +
                                  BoardToPuzzleLine(p.Geometry(), p.Givens));
  }
  return summaries;
}

struct TReadCase {
  std::string Text;
  std::optional<TGeometry> Shape;
  std::vector<std::string> Expected;
};

TEST(TextPuzzles, ReadsEveryFormAndRefusesWithLineAndReason) {
  const std::string read = "3x3 @1 " + kPuzzle, mixedEmpties = Cells({{0, '0'}, {1, '-'}, {3, '_'}}, kPuzzle);
  const std::string sixBySix = Cells({{0, '1'}, {8, '1'}}, std::string(36, '.'));
  const std::string small = "1.3..2...4.1....", bigLower = "ga7" + kBig.substr(3);
  std::string bigGrid, bigFromZero, bigFromZeroGrid, named2x2;
  for (const char c : kBig) {
    bigFromZero += c == '.' ? c : "0123456789ABCDEF"[std::string_view("123456789ABCDEFG").find(c)];
  }
  for (int row = 0; row < 16; ++row) {
    bigGrid += kBig.substr(row * 16, 16) + " \n";
    bigFromZeroGrid += bigFromZero.substr(row * 16, 16) + "\n";
  }
  std::vector<std::string> read2x2;
  for (int line = 2; line <= 32; line += 2) {
    named2x2 += "# exported (2x2)\n" + small + "\n";
    read2x2.push_back("2x2 @" + std::to_string(line) + " " + small);
  }
  const std::string anySize = ", expected 16, 36, 64, 81, 100, 144, 196, 225 or 256";
  const TReadCase cases[] = {
      {mixedEmpties + "\t2.3 rating\n", {}, {read}},
      {"\xEF\xBB\xBF# set\r\n\r\n" + kPuzzle + "  \r\n  # done\r\n" + kPuzzle + " hard\r\n",
       {},
       {"3x3 @3 " + kPuzzle, "3x3 @5 " + kPuzzle}},
      {"# a grid\n" + Grid(kPuzzle, "", "", ""), {}, {"3x3 @2 " + kPuzzle}},
      {Grid(kPuzzle, " ", " | ", "---------------------"), {}, {read}},
      {"+=====+\n" + Grid(std::string("5") + std::string(80, '-'), " ", "|", "- - -+- - -+- - -") + "+-----+\n",
       {},
       {"3x3 @1 5" + std::string(80, '.')}},
      {sixBySix, {}, {"line 1: \"1\" twice in box 1"}},
      {sixBySix, Shape(2, 3), {"2x3 @1 " + sixBySix}},
      {"1.....\n......\n.1....\n......\n......\n......\n",
       {},
       {"3x2 @1 1" + std::string(12, '.') + "1" + std::string(22, '.')}},
      {bigLower, {}, {"4x4 @1 " + kBig}},
      {bigFromZero, {}, {"4x4 @1 " + kBig}},
      {bigFromZeroGrid, {}, {"4x4 @1 " + kBig}},
      {kPuzzle + "#hard\n" + kPuzzle + "," + kSolution + "\n" + kPuzzle + ";x\tz\n",
       {},
       {read, "3x3 @2 " + kPuzzle, "3x3 @3 " + kPuzzle}},
      {kPuzzle + "\n1234567\n5 3 . . 7\n", {}, {read, "line 2: 7 cells" + anySize, "line 3: 1 cell" + anySize}},
      {"# a (2x3)\n" + sixBySix + "\n# b (2x3)\n" + kPuzzle + "\n# c\n" + sixBySix,
       {},
       {"2x3 @2 " + sixBySix, "3x3 @4 " + kPuzzle, "line 6: \"1\" twice in box 1"}},
      {named2x2, {}, read2x2},
      {bigGrid, {}, {"4x4 @1 " + kBig}},
      {small + "\n" + small, {}, {"2x2 @1 " + small, "2x2 @2 " + small}},
      {kPuzzle.substr(0, 80) + "\n" + kPuzzle + "5",
       {},
       {"line 1: 80 cells, expected 81", "line 2: 82 cells, expected 81"}},
      {kPuzzle, Shape(2, 3), {"line 1: 81 cells, expected 36"}},
      {Cells({{5, 'x'}}), {}, {"line 1, character 6: \"x\" is neither a value nor an empty cell"}},
      {Cells({{0, 'A'}}), {}, {"line 1, character 1: \"A\" is 10, above the largest value 9"}},
      {"\x01" + kBig.substr(1), {}, {"line 1, character 1: byte 0x01 is neither a value nor an empty cell"}},
      {"h" + kBig.substr(1), {}, {"line 1, character 1: \"h\" is neither a value nor an empty cell"}},
      {Cells({{0, '5'}, {3, '5'}}), {}, {"line 1: \"5\" twice in row 1"}},
      {Cells({{0, '5'}, {27, '5'}}), {}, {"line 1: \"5\" twice in column 1"}},
      {Cells({{0, '5'}, {10, '5'}}), {}, {"line 1: \"5\" twice in box 1"}},
      {Grid(kPuzzle, "", "", "").erase(10, 1), {}, {"line 2: 8 cells, expected 9"}},
      {Grid(kPuzzle, "", "", "").substr(10), {}, {"line 1: 8 rows, expected 9"}},
      {"1234567\n-------\n", {}, {"line 1: rows of 7 cells, expected 4, 6, 8, 9, 10, 12, 14, 15 or 16"}},
      {"# nothing\n---+---\n", {}, {}},
      {"1 |\n2 |\n", {}, {"line 1: rows of 0 cells, expected 4, 6, 8, 9, 10, 12, 14, 15 or 16"}},
  };
  for (const TReadCase& c : cases) EXPECT_EQ(Summaries(c.Text, c.Shape), c.Expected) << c.Text;
}

// Several grids in a file, titled or not, and grids as web pages and documents lay them out.
TEST(TextPuzzles, ReadsSeveralGridsAndGridsCopiedFromPages) {
  const std::string small = "1.3..2...4.1....", read = "3x3 @1 " + kPuzzle,
                    readable = Grid(kPuzzle, " ", " | ", "------+-------+------");
  const std::string compact = Grid(kPuzzle, "", "|", "---+---+---"), nbsp = "\xC2\xA0", ideographic = "\xE3\x80\x80";
  std::string labelled = "    1 2 3   4 5 6   7 8 9\n",
              boxed = "\xE2\x94\x8C\xE2\x94\x80\xE2\x94\xAC\xE2\x94\x80\xE2\x94\x90\n";
  for (int row = 0; row < 9; ++row)
    labelled += std::string(1, "ABCDEFGHI"[row]) + " | " + Grid(kPuzzle, " ", " | ", "").substr(row * 22, 22);
  for (int row = 0; row < 4; ++row) {
    boxed +=
        "\xE2\x94\x82" + small.substr(row * 4, 2) + "\xE2\x94\x82" + small.substr(row * 4 + 2, 2) + "\xE2\x95\x91\n";
  }
  std::string sixBySix = "Week 2 (2x3)\n";
  for (int row = 0; row < 6; ++row) sixBySix += row == 0 ? "1.....\n" : row == 1 ? "..1...\n" : "......\n";
  std::string spaced = Grid(kPuzzle, nbsp, ideographic + "|" + nbsp, "");
  const std::string emptyRow =
      Grid(kPuzzle.substr(0, 72) + std::string(9, '.'), "", "|", "").substr(0, 8 * 12) + "---|---|---\n";
  const TReadCase cases[] = {
      {readable + "\n" + readable, {}, {read, "3x3 @13 " + kPuzzle}},
      {"Grid 01\n" + compact + "Puzzle 3: hard\n\n" + compact,
       {},
       {"3x3 @1 'Grid 01' " + kPuzzle, "3x3 @13 'Puzzle 3: hard' " + kPuzzle}},
      {"1\n" + compact + "\n12\n" + Grid(kPuzzle, "", "", ""),
       {},
       {"3x3 @1 '1' " + kPuzzle, "3x3 @14 '12' " + kPuzzle}},
      {Grid(kPuzzle, " ", " ", " "), {}, {read}},
      {Grid(kPuzzle, "", "", "") + Grid(kPuzzle, "", "", ""), {}, {read, "3x3 @10 " + kPuzzle}},
      {Grid(kPuzzle, "", "", "").substr(10) + "\n" + compact, {}, {"line 1: 8 rows, expected 9", "3x3 @10 " + kPuzzle}},
      {"Grid\n" + compact.substr(0, 24) + "..x|...|...\n" + compact.substr(36),
       {},
       {"line 4, character 3: \"x\" is neither a value nor an empty cell"}},
      {spaced, {}, {read}},
      {"Grid\n\n" + Grid(Cells({{5, '1'}}, std::string(81, 'x')), "", "", ""),
       {},
       {"line 3, character 1: \"x\" is neither a value nor an empty cell"}},
      {Grid(Cells({{5, '1'}}, std::string(81, 'x')), "", "", ""),
       {},
       {"line 1, character 1: \"x\" is neither a value nor an empty cell"}},
      {"Sunday's puzzle\n" + labelled, {}, {"3x3 @1 'Sunday's puzzle' " + kPuzzle}},
      {"   a b c d e f g h i\n" + Grid(kPuzzle, " ", " ", "").insert(0, "1 | "), {}, {"line 2: 10 cells, expected 9"}},
      {boxed + "\xE2\x94\x94\xE2\x94\x80\xE2\x94\x98\n", {}, {"2x2 @1 " + small}},
      {emptyRow, {}, {"3x3 @1 " + kPuzzle.substr(0, 72) + std::string(9, '.')}},
      {"1.3.\n.2..\n----\n.4.1\n....\n", {}, {"2x2 @1 " + small}},
      {"1.3.\n.2..\n----\n.4.1\n", {}, {"2x2 @1 1.3..2.......4.1"}},
      {sixBySix, {}, {"2x3 @1 'Week 2 (2x3)' 1.......1" + std::string(27, '.')}},
      {"Puzzle 1\n" + kPuzzle + "\nTotal: 2 puzzles\n" + kPuzzle,
       {},
       {"3x3 @2 'Puzzle 1' " + kPuzzle, "3x3 @4 'Total: 2 puzzles' " + kPuzzle}},
  };
  for (const TReadCase& c : cases) EXPECT_EQ(Summaries(c.Text, c.Shape), c.Expected) << c.Text;
}

TEST(TextPuzzles, UsualShapesAreTheSquarestWiderThanHigh) {
  std::string shapes;
  for (int n = 1; n <= 17; ++n) {
    if (const auto g = UsualShape(n)) shapes += std::to_string(g->BoxWidth) + "x" + std::to_string(g->BoxHeight) + " ";
  }
  EXPECT_EQ(shapes, "2x2 3x2 4x2 3x3 5x2 4x3 7x2 5x3 4x4 ");
  shapes.clear();
  for (const TGeometry& g : BoxShapesOfSize(12))
    shapes += std::to_string(g.BoxWidth) + "x" + std::to_string(g.BoxHeight) + " ";
  EXPECT_EQ(shapes, "6x2 4x3 3x4 2x6 ");
}

TEST(TextPuzzles, TellsTheSizesWhoseShapeNoLineNames) {
  const std::string sixBySix = std::string(36, '.'), rows = "......\n......\n......\n......\n......\n......\n";
  const std::pair<std::string, std::vector<int>> cases[] = {
      {kPuzzle + "\n" + sixBySix + "\n# b (2x5)\n" + std::string(100, '.') + "\nPuzzle 4\n", {6, 9}},
      {"# a (2x3)\n" + sixBySix, {}},
      {"Week 2 (2x3)\n" + rows + "\nWeek 3\n" + rows + "1234567\n", {6}},
      {"1234567\n", {}},
  };
  for (const auto& [text, sizes] : cases) EXPECT_EQ(UnshapedPuzzleSizes(text), sizes) << text;
}

TEST(TextPuzzles, CheckCountsSolutionsExactlyWhateverTheSearchBudget) {
  auto blanked = [](std::string_view values) {
    std::string line = kSolution;
    for (char& c : line) c = values.find(c) == std::string_view::npos ? c : '.';
    return line;
  };
  const std::string hardUnique = "......1.....89..7.8.147...2..7....6..1....89...2.........3......98....46.6.9..3..";
  const std::string sixtySeven = "2.6..3......1..2.8.98.......8.52.....4.....15...3......3....1949....8.5.5.4.3....";
  const struct {
    std::string Line;
    TTextPuzzleState State;
    std::string Reason;
  } cases[] = {
      {kPuzzle, TTextPuzzleState::Solvable, ""},
      {kBig, TTextPuzzleState::Solvable, ""},
      {hardUnique, TTextPuzzleState::Solvable, ""},
      {sixtySeven, TTextPuzzleState::SeveralSolutions, "line 1: several solutions"},
      {Cells({{0, '1'}}, kPuzzle), TTextPuzzleState::NoSolution, "line 1: no solution"},
      {blanked("12"), TTextPuzzleState::SeveralSolutions, "line 1: several solutions"},
      {kSolution.substr(0, 15) + std::string(66, '.'), TTextPuzzleState::SeveralSolutions, "line 1: several solutions"},
      {std::string(256, '.'), TTextPuzzleState::SeveralSolutions, "line 1: several solutions"},
      {kPuzzle.substr(1), TTextPuzzleState::Unreadable, "line 1: 80 cells, expected 81"},
  };
  for (const auto& c : cases) {
    TTextPuzzle puzzle = ReadTextPuzzles(c.Line).front();
    EXPECT_EQ(CheckTextPuzzle(puzzle), c.State == TTextPuzzleState::Solvable) << c.Line;
    EXPECT_EQ(puzzle.State, c.State) << c.Line;
    EXPECT_EQ(puzzle.Reason, c.Reason) << c.Line;
    if (c.Line == kPuzzle) {
      EXPECT_EQ(BoardToPuzzleLine(puzzle.Geometry(), puzzle.Solution), kSolution);
    }
  }
}

}  // namespace
}  // namespace novlet
