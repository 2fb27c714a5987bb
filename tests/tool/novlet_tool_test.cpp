// novlet-tool generate, solve, alternatives and reduce through the real binary.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tool_run.h"

namespace {

// The arguments are separated by blanks.
TRun RunTool(const std::string& args, const std::string& input = "") {
  std::istringstream words(args);
  using TWords = std::istream_iterator<std::string>;
  return RunProgram(NOVLET_TOOL_PATH, std::vector<std::string>(TWords(words), TWords()), input);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A known 9 x 9 puzzle with one solution, in the one-line form.
const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

std::string LineToHex(const std::string& line) {
  std::string hex;
  for (char ch : line) hex += ch == '.' ? "00" : std::string("0") + ch;
  return hex;
}

TEST(NovletToolGenerate, SameSeedSameOutputAndPuzzlesAgreeWithSolutions) {
  const TRun first = RunTool("generate --shape 3x3 --level expert --count 3 --seed 42 --solution --format line");
  const TRun second = RunTool("generate --shape 3x3 --level 3 --count 3 --seed 42 --solution --format line");
  ASSERT_EQ(first.Status, 0) << first.Err;
  EXPECT_EQ(first.Out, second.Out);
  const auto lines = Lines(first.Out);
  ASSERT_EQ(lines.size(), 3u);
  for (const std::string& line : lines) {
    ASSERT_EQ(line.size(), 81u + 1 + 81u);
    const std::string puzzle = line.substr(0, 81);
    const std::string solution = line.substr(82);
    int givens = 0;
    for (std::size_t i = 0; i < 81; ++i) {
      EXPECT_NE(solution[i], '.');
      if (puzzle[i] != '.') {
        EXPECT_EQ(puzzle[i], solution[i]);
        ++givens;
      }
    }
    EXPECT_GE(givens, 20);  // Expert on 9 x 9 aims at 61 removals and stops early only when none can go
  }
}

TEST(NovletToolGenerate, FullBoardsAndFormatsAndBadOptionsRefusedWithAMessage) {
  const TRun full = RunTool("generate --shape 4x4 --level 0 --full --seed 1");
  ASSERT_EQ(full.Status, 0) << full.Err;
  const std::string hex = Lines(full.Out).at(0);
  ASSERT_EQ(hex.size(), 512u);
  for (std::size_t i = 0; i < hex.size(); i += 2) EXPECT_NE(hex.substr(i, 2), "00") << "cell " << i / 2;

  const TRun grid = RunTool("generate --shape 2x3 --level normal --seed 1 --format grid");
  ASSERT_EQ(grid.Status, 0);
  EXPECT_EQ(Lines(grid.Out).size(), 6u + 1u);  // six rows, a rule between the two bands of three

  EXPECT_EQ(RunTool("generate --shape 4x4 --level 0 --format line").Status, 2);

  for (const char* args : {"generate --shape 5x5 --level 0", "generate --shape 3x3 --level hard",
                           "generate --shape 3x3 --level 0 --count -1", "generate --level 0",
                           "generate --shape 3x3 --level 0 --format png", "generate --shape 3x3 --level 0 --bogus"}) {
    const TRun run = RunTool(args);
    EXPECT_EQ(run.Status, 2) << args;
    EXPECT_TRUE(run.Out.empty()) << args;
    EXPECT_NE(run.Err.find("novlet-tool: "), std::string::npos) << args;
  }
  EXPECT_EQ(RunTool("generate --shape 3x3 --level 0 --count 0").Out, "");
}

TEST(NovletToolSolve, PrintsTheListAndTheWorkingTextsForEveryPositionForm) {
  std::string record;
  for (char ch : kPuzzle) record += (ch == '.' ? std::string() : std::string(1, ch)) + "|";
  const TRun run = RunTool("solve --shape 3x3", kPuzzle + "\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const auto lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "Solutions=1");
  EXPECT_EQ(lines[1], LineToHex(kSolution));
  EXPECT_EQ(lines[2].rfind("Texts=$05|$03|$04|", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(RunTool("solve --shape 3x3", LineToHex(kPuzzle) + "\n").Out, run.Out);
  EXPECT_EQ(RunTool("solve --shape 3x3", record + "\n").Out, run.Out);
}

TEST(NovletToolSolve, CountsSeveralSolutionsUpToTheCapAndReportsBadLinesByNumber) {
  // Without its first twelve givens the puzzle has many solutions.
  std::string open = kPuzzle;
  for (int i = 0, blanked = 0; blanked < 12; ++i)
    if (open[i] != '.') {
      open[i] = '.';
      ++blanked;
    }
  const TRun capped = RunTool("solve --shape 3x3 --cap 1", open + "\n");
  EXPECT_EQ(Lines(capped.Out).at(0), "Solutions=2");
  const TRun resting = RunTool("solve --shape 3x3", open + "\n");
  EXPECT_EQ(Lines(resting.Out).at(0), "Solutions=11");
  EXPECT_EQ(Lines(resting.Out).size(), 1u + 11u + 2u);
  const TRun propagationOnly = RunTool("solve --shape 3x3 --no-guess", open + "\n");
  EXPECT_EQ(Lines(propagationOnly.Out).at(0), "Solutions=0");

  const std::string input = "12345\n" + kPuzzle + "\n" + std::string(80, '.') + "x\n" + std::string(81, '.').replace(0, 1, "9") + "\n";
  const TRun run = RunTool("solve --shape 2x2", input);
  EXPECT_EQ(run.Status, 2);
  const TRun nine = RunTool("solve --shape 3x3", input);
  EXPECT_EQ(nine.Status, 2);
  const auto errors = Lines(nine.Err);
  ASSERT_EQ(errors.size(), 2u) << nine.Err;
  EXPECT_NE(errors[0].find("line 1:"), std::string::npos);
  EXPECT_NE(errors[1].find("line 3:"), std::string::npos);
  EXPECT_EQ(Lines(nine.Out).at(0), "Solutions=1");  // line 2 was solved
  EXPECT_EQ(Lines(nine.Out).at(4), "Solutions=0");  // line 4 has 80 empty cells

  const std::string rest(15, '|');
  const TRun record = RunTool("solve --shape 2x2", "1|2|3|4|5|" + std::string(11, '|') + "\n" + rest + "\n1,1|" + rest +
                                                       "\n$0a|" + rest + "\n");
  EXPECT_EQ(Lines(record.Err).size(), 4u) << record.Err;
  EXPECT_NE(record.Err.find("above 4"), std::string::npos);
  EXPECT_TRUE(record.Out.empty());
}

TEST(NovletToolAlternatives, OnePassMarksTheOnlyPlaceAndTheGivens) {
  const TRun run = RunTool("alternatives --shape 2x2", "1|2|3||||||||||||||\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const auto lines = Lines(run.Out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].rfind("$01|$02|$03|$04|", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1], "01020300" + std::string(24, '0'));
}

TEST(NovletToolReduce, ReducesFullBoardsAndRefusesBrokenOnes) {
  const TRun run = RunTool("reduce --shape 3x3 --level rookie --seed 9", LineToHex(kSolution) + "\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::string puzzle = Lines(run.Out).at(0);
  ASSERT_EQ(puzzle.size(), 162u);
  int removed = 0;
  for (std::size_t i = 0; i < 162; i += 2) {
    if (puzzle.substr(i, 2) == "00") {
      ++removed;
    } else {
      EXPECT_EQ(puzzle.substr(i, 2), LineToHex(kSolution).substr(i, 2));
    }
  }
  EXPECT_GE(removed, 42);
  EXPECT_LE(removed, 46);

  std::string broken = kSolution;
  std::swap(broken[0], broken[9]);  // each of the first two rows now repeats a value
  const TRun refused = RunTool("reduce --shape 3x3 --level 0", broken + "\n");
  EXPECT_EQ(refused.Status, 2);
  EXPECT_NE(refused.Err.find("line 1:"), std::string::npos);
  EXPECT_TRUE(refused.Out.empty());
}

}  // namespace
