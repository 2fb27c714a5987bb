// novlet-tool explain through the real binary: step lines, closing lines, bad lines.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tool_run.h"

namespace {

TRun Explain(const std::vector<std::string>& args, const std::string& input) {
  std::vector<std::string> all{"explain"};
  all.insert(all.end(), args.begin(), args.end());
  return RunProgram(NOVLET_TOOL_PATH, all, input);
}

std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream fieldsIn(line);
    for (std::string field; std::getline(fieldsIn, field, '\t');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kSolution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Every placement of the steps, applied to the puzzle, gives the solution.
TEST(NovletToolExplain, PrintsEveryStepWithItsChangesAndTheClosingLine) {
  const TRun run = Explain({"--shape", "3x3"}, kPuzzle + "\n");
  ASSERT_EQ(run.Status, 0) << run.Err;
  const auto rows = Rows(run.Out);
  ASSERT_EQ(rows.size(), 51u + 2);
  std::string board = kPuzzle;
  for (std::size_t i = 0; i + 2 < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), 3u);
    EXPECT_EQ(rows[i][0], "naked-single");
    int row = 0, column = 0, value = 0;
    ASSERT_EQ(std::sscanf(rows[i][1].c_str(), "r%dc%d=%d", &row, &column, &value), 3) << rows[i][1];
    board[(row - 1) * 9 + column - 1] = static_cast<char>('0' + value);
    EXPECT_EQ(rows[i][2].rfind("Naked single: row " + std::to_string(row) + ", column ", 0), 0u) << rows[i][2];
  }
  EXPECT_EQ(board, kSolution);
  EXPECT_EQ(rows[51], (std::vector<std::string>{"solved", "naked-single", "51"}));
  EXPECT_TRUE(rows[52].empty());

  const TRun next = Explain({"--shape", "3x3", "--next"}, kPuzzle + "\n");
  const auto nextRows = Rows(next.Out);
  ASSERT_EQ(nextRows.size(), 3u);
  EXPECT_EQ(nextRows[0], rows[0]);
  EXPECT_EQ(nextRows[1], rows[51]);
}

TEST(NovletToolExplain, ReportsStuckPuzzlesAndBadLinesAndGoesOn) {
  const std::string open = "1" + std::string(80, '.');
  const TRun run = Explain({"--shape", "3x3", "--next"}, open + "\n" + kPuzzle.substr(1) + "\n" + kPuzzle + "\n");
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err.rfind("line 2: ", 0), 0u) << run.Err;
  const auto rows = Rows(run.Out);
  ASSERT_EQ(rows.size(), 2u + 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"stuck", "none", "0", "80"}));
  EXPECT_EQ(rows[3][0], "solved");

  const TRun small = Explain({"--shape", "2x2"}, "1.3..4.22.4..3.1\n");
  EXPECT_EQ(small.Status, 0) << small.Err;
  EXPECT_NE(small.Out.find("\nsolved\t"), std::string::npos) << small.Out;
  EXPECT_EQ(Explain({"--shape", "9x9"}, "").Status, 2);
}

}  // namespace
