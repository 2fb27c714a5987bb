// The fast engine against the literal model on many random positions, boards and seeds.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "engine/board_text.h"
#include "engine/geometry.h"
#include "engine/novlet_engine.h"
#include "engine_kinds.h"
#include "literal_model.h"
#include "random_positions.h"
#include "recording_host.h"

// The fast engine must give exactly what the literal model gives: the same
// texts, boards, solution lists, host calls and random draws.
namespace novlet {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kPositionShare = 10;
constexpr int kGenerationSeedsPerLevel = 1;
#else
constexpr int kPositionShare = 100;
constexpr int kGenerationSeedsPerLevel = 3;
#endif

// About 10,000 positions in all, more of them on the small boards, where the
// literal model is quick, than on the big ones.
int PositionsFor(int gridSize) {
  const int perHundred = gridSize <= 9 ? 900 : gridSize <= 10 ? 600 : gridSize <= 12 ? 400 : gridSize <= 15 ? 300 : 250;
  return perHundred * kPositionShare / 100;
}

// NOVLET_DIFFERENTIAL_SEED=<number> explores other positions than the fixed ones.
std::uint64_t BaseSeed() {
  if (const char* text = std::getenv("NOVLET_DIFFERENTIAL_SEED")) return std::strtoull(text, nullptr, 0);
  return 20261206;
}

std::string Hex(std::uint64_t value) {
  std::ostringstream text;
  text << "0x" << std::hex << value;
  return text.str();
}

// The engine and the model side by side, each with its own recording host.
struct TContenders {
  explicit TContenders(const TBoxShape& shape) {
    engine.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
    model.SetBoxShape(shape.BoxWidth, shape.BoxHeight);
    engine.SetHost(&engineHost);
    model.SetHost(&modelHost);
  }
  void Seed(std::uint64_t seed) {
    engine.Random().Seed(seed);
    model.Random().Seed(seed);
  }
  void ForgetHostCalls() {
    engineHost = TRecordingHost();
    modelHost = TRecordingHost();
  }

  TNovletEngine engine;
  TLiteralModel model;
  TRecordingHost engineHost;
  TRecordingHost modelHost;
};

bool SameTextsOnTheBoard(int gridSize, const TCellTexts& a, const TCellTexts& b) {
  for (int r = 1; r <= gridSize; ++r) {
    for (int c = 1; c <= gridSize; ++c) {
      if (a.at(c, r) != b.at(c, r)) return false;
    }
  }
  return true;
}

// Where two runs first part, or "" when they agree in every respect.
std::string FirstDifference(int gridSize, bool engineResult, bool modelResult, const TBoard& engineBoard,
                            const TBoard& modelBoard, const TCellTexts& engineTexts, const TCellTexts& modelTexts) {
  if (engineResult != modelResult) {
    return std::string("result: engine ") + (engineResult ? "true" : "false") + ", model " +
           (modelResult ? "true" : "false");
  }
  if (engineBoard != modelBoard) {
    return "board: engine" + DescribeBoard(gridSize, engineBoard) + "\nmodel" + DescribeBoard(gridSize, modelBoard);
  }
  // Texts beyond N x N are compared no further: the literal pass clears all
  // 256 while the engine leaves them, and nothing ever reads them.
  if (!SameTextsOnTheBoard(gridSize, engineTexts, modelTexts)) {
    return "texts: engine" + DescribeTexts(gridSize, engineTexts) + "\nmodel" + DescribeTexts(gridSize, modelTexts);
  }
  return "";
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

std::string ListAndHostDifference(const TContenders& c) {
  if (c.engine.SolutionList() != c.model.SolutionList()) {
    return "solution list: engine" + JoinLines(c.engine.SolutionList()) + "\nmodel" + JoinLines(c.model.SolutionList());
  }
  if (c.engine.SolutionCount() != c.model.SolutionCount()) return "solution count";
  if (c.engineHost.Log != c.modelHost.Log) {
    return "host calls: engine" + JoinLines(c.engineHost.Log) + "\nmodel" + JoinLines(c.modelHost.Log);
  }
  return "";
}

class EngineAgainstModel : public ::testing::TestWithParam<int> {
 protected:
  const TBoxShape& Shape() const { return kBoxShapes[static_cast<std::size_t>(GetParam())]; }
  TShapeSize Size() const { return {Shape().BoxWidth, Shape().BoxHeight}; }
  int GridSize() const { return Shape().BoxWidth * Shape().BoxHeight; }
  std::uint64_t PositionSeed(int kind, int index) const {
    return BaseSeed() * 1000003 + static_cast<std::uint64_t>(GetParam()) * 100000 + kind * 10000 + index;
  }
};

TEST_P(EngineAgainstModel, PropagationPassesAndSearchesAgree) {
  TContenders c(Shape());
  const int n = GridSize();
  // Generated boards, reshuffled for every position, and now and then a
  // pattern board with its many swappable cells.
  std::vector<TBoard> generated;
  TLiteralModel maker;
  maker.SetBoxShape(Shape().BoxWidth, Shape().BoxHeight);
  maker.Random().Seed(PositionSeed(0, 0));
  for (int attempt = 0; attempt < 100 && generated.size() < 3; ++attempt) {
    TBoard board;
    TCellTexts texts;
    if (maker.GeneratePuzzle(board, texts, false, 0)) generated.push_back(board);
  }
  ASSERT_EQ(generated.size(), 3u);

  for (int i = 0; i < PositionsFor(n); ++i) {
    const std::uint64_t seed = PositionSeed(1, i);
    TRandomSource random(seed);
    const TBoard solution = random.Below(4) == 0
                                ? RandomFullBoard(Size(), random)
                                : ShuffledBoard(Size(), generated[random.Below(3)], random);
    TCellTexts position = RandomPosition(Size(), solution, random);
    // Cells beyond the N x N board belong to nobody; only the Clear operations touch them.
    const bool strayCells = n < kMaxGridSize && random.Below(10) == 0;
    if (strayCells) position.at(kMaxGridSize, kMaxGridSize) = "stray";
    const std::string context = "seed " + Hex(seed) + " (base " + std::to_string(BaseSeed()) + "), shape " +
                                std::string(Shape().Caption) + ", position" + DescribeTexts(n, position) + "\n";

    TBoard engineBoard;
    if (strayCells) engineBoard.at(kMaxGridSize, 1) = 9;
    TBoard modelBoard = engineBoard;
    TCellTexts engineTexts = position;
    TCellTexts modelTexts = position;
    const int passes = random.Between(1, 4);
    for (int pass = 1; pass <= passes; ++pass) {
      const bool engineResult = c.engine.ComputeAlternatives(engineBoard, engineTexts);
      const bool modelResult = c.model.ComputeAlternatives(modelBoard, modelTexts);
      ASSERT_EQ(FirstDifference(n, engineResult, modelResult, engineBoard, modelBoard, engineTexts, modelTexts), "")
          << context << "after alternatives pass " << pass;
    }

    const int cap = std::array{0, 1, 10}[random.Below(3)];
    const bool guess = random.Below(2) == 0;
    const bool display = random.Below(2) == 0;
    // The working board the caller hands in: usually the givens, sometimes
    // nothing, and now and then a full board that disagrees with the texts.
    const int boardKind = static_cast<int>(random.Below(10));
    c.engine.SetSolutionCap(cap);
    c.model.SetSolutionCap(cap);
    c.ForgetHostCalls();
    engineTexts = position;
    modelTexts = position;
    engineBoard = boardKind == 0 ? solution : TBoard();
    if (boardKind >= 3) c.model.TextsToBoard(position, engineBoard);
    if (strayCells) engineBoard.at(kMaxGridSize, 1) = 9;
    modelBoard = engineBoard;
    const bool engineResult = c.engine.SolveAndCount(engineBoard, engineTexts, display, guess);
    const bool modelResult = c.model.SolveAndCount(modelBoard, modelTexts, display, guess);
    const std::string search = "search with cap " + std::to_string(cap) + (guess ? ", guessing" : ", no guessing") +
                               (display ? ", display" : ", no display") +
                               (boardKind == 0   ? ", the full board"
                                : boardKind < 3 ? ", empty board"
                                                : ", board read from the texts");
    ASSERT_EQ(FirstDifference(n, engineResult, modelResult, engineBoard, modelBoard, engineTexts, modelTexts), "")
        << context << search;
    ASSERT_EQ(ListAndHostDifference(c), "") << context << search;
  }
}

TEST_P(EngineAgainstModel, TextFormsAgree) {
  TContenders c(Shape());
  const TGeometry& g = c.engine.Geometry();
  for (const char* text : {"", "0", "7", "007", "16", "$0C", "$0c", "$", "$1G", "x", " 7", "+7", "-7", "7,", "1,4",
                           "3,1,", "$FF", "300", "4294967296", "99999999999999999999"}) {
    EXPECT_EQ(TextToValue(text), TLiteralModel::ReadValue(text)) << "'" << text << "'";
  }
  for (int i = 0; i < 50; ++i) {
    const std::uint64_t seed = PositionSeed(4, i);
    TRandomSource random(seed);
    const TBoard solution = RandomFullBoard(Size(), random);
    const TCellTexts position = RandomPosition(Size(), solution, random);
    const std::string context = "seed " + Hex(seed) + ", shape " + std::string(Shape().Caption);
    for (const std::string& text : position.cells) {
      ASSERT_EQ(TextToValue(text), TLiteralModel::ReadValue(text)) << context << ", '" << text << "'";
    }
    ASSERT_EQ(TextsToHex(g, position), c.model.TextsToHex(position)) << context;
    ASSERT_EQ(BoardToHex(g, solution), c.model.BoardToHex(solution)) << context;

    // A hex text damaged by hand: a character changed, or the end cut off.
    std::string hex = c.model.BoardToHex(solution);
    hex[random.Below(static_cast<std::uint32_t>(hex.size()))] = "0Fz $g"[random.Below(6)];
    if (random.Below(3) == 0) hex.resize(random.Below(static_cast<std::uint32_t>(hex.size())));
    TBoard engineBoard;
    TBoard modelBoard;
    HexToBoard(g, hex, engineBoard);
    c.model.HexToBoard(hex, modelBoard);
    ASSERT_EQ(engineBoard, modelBoard) << context << ", hex " << hex;
    ASSERT_EQ(BoardLinesValid(g, solution), c.model.BoardLinesValid(solution)) << context;
    ASSERT_EQ(BoardLinesValid(g, engineBoard), c.model.BoardLinesValid(modelBoard)) << context << ", hex " << hex;
  }
}

TEST_P(EngineAgainstModel, GenerationAndReductionAgree) {
  TContenders c(Shape());
  const int n = GridSize();
  for (int level = 0; level <= 3; ++level) {
    for (int s = 0; s < kGenerationSeedsPerLevel; ++s) {
      const std::uint64_t seed = PositionSeed(2, level * 10 + s);
      const std::string context = "seed " + Hex(seed) + " (base " + std::to_string(BaseSeed()) + "), shape " +
                                  std::string(Shape().Caption) + ", level " + std::to_string(level) + "\n";
      c.Seed(seed);
      c.ForgetHostCalls();
      TBoard engineBoard;
      TBoard modelBoard;
      TCellTexts engineTexts;
      TCellTexts modelTexts;
      // Retry as the game does, but on the same random stream so both stay in step.
      bool engineResult = false;
      bool modelResult = false;
      // 12 x 12 fills succeed about one time in seven, so allow plenty of tries.
      for (int attempt = 0; attempt < 100 && !engineResult && engineResult == modelResult; ++attempt) {
        engineResult = c.engine.GeneratePuzzle(engineBoard, engineTexts, true, level);
        modelResult = c.model.GeneratePuzzle(modelBoard, modelTexts, true, level);
      }
      ASSERT_EQ(FirstDifference(n, engineResult, modelResult, engineBoard, modelBoard, engineTexts, modelTexts), "")
          << context;
      EXPECT_TRUE(modelResult) << context << "no puzzle in 100 attempts";
      ASSERT_EQ(ListAndHostDifference(c), "") << context;
      EXPECT_EQ(c.engine.SolutionCap(), c.model.SolutionCap()) << context;
      EXPECT_EQ(c.engine.Random().Below(1u << 30), c.model.Random().Below(1u << 30))
          << context << "the random sources are out of step afterwards";
    }
  }
}

// A reduction of a board the generator did not make, and of boards it must refuse.
TEST_P(EngineAgainstModel, ReductionOfGivenBoardsAgrees) {
  TContenders c(Shape());
  const int n = GridSize();
  const std::uint64_t seed = PositionSeed(3, 0);
  TBoard full;
  TCellTexts ignored;
  c.Seed(seed);
  for (int attempt = 0; attempt < 100 && !c.model.GeneratePuzzle(full, ignored, false, 0); ++attempt) {
  }
  TBoard brokenRow = full;
  std::swap(brokenRow.at(1, 1), brokenRow.at(1, 2));  // columns still sum right, rows do not
  TBoard notFull = full;
  notFull.at(n, n) = 0;
  // Rows and columns hold 1..N, boxes do not: the line test lets it through.
  TBoard latinSquare;
  for (int r = 1; r <= n; ++r) {
    for (int col = 1; col <= n; ++col) latinSquare.at(col, r) = static_cast<std::uint8_t>((col + r) % n + 1);
  }
  TCellTexts callerTexts;
  callerTexts.at(1, 1) = "caller's";
  const std::array boards{full, brokenRow, notFull, latinSquare};
  const int level = n > 12 ? 3 : GetParam() % 4;
  for (std::size_t b = 0; b < boards.size(); ++b) {
    const std::string context = "seed " + Hex(seed) + ", shape " + std::string(Shape().Caption) + ", board #" +
                                std::to_string(b) + DescribeBoard(n, boards[b]) + "\n";
    c.Seed(seed);
    c.ForgetHostCalls();
    TBoard engineBoard = boards[b];
    TBoard modelBoard = boards[b];
    TCellTexts engineTexts = callerTexts;
    TCellTexts modelTexts = callerTexts;
    const bool engineResult = c.engine.ReduceToLevel(engineBoard, engineTexts, level);
    const bool modelResult = c.model.ReduceToLevel(modelBoard, modelTexts, level);
    ASSERT_EQ(FirstDifference(n, engineResult, modelResult, engineBoard, modelBoard, engineTexts, modelTexts), "")
        << context;
    ASSERT_EQ(ListAndHostDifference(c), "") << context;
    EXPECT_EQ(c.engine.Random().Below(1u << 30), c.model.Random().Below(1u << 30)) << context;
  }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, EngineAgainstModel, ::testing::Range(0, static_cast<int>(kBoxShapes.size())),
                         ShapeName);

}  // namespace
}  // namespace novlet
