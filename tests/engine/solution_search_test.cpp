// The solution search: counting, the cap, the node budget, guessing and the menu it offers.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "board_literals.h"
#include "engine/board_text.h"
#include "engine_kinds.h"
#include "recording_host.h"

namespace novlet {
namespace {

const TBoard kFullBoard = BoardFromRows({
    "4 3 1 7 8 5 9 2 6",  //
    "5 7 8 9 2 6 3 1 4",  //
    "6 9 2 3 1 4 7 8 5",  //
    "3 8 4 2 5 7 1 6 9",  //
    "7 2 5 1 6 9 8 4 3",  //
    "9 1 6 8 4 3 2 5 7",  //
    "2 5 3 6 7 8 4 9 1",  //
    "8 4 9 5 3 1 6 7 2",  //
    "1 6 7 4 9 2 5 3 8",
});

// Positions cut from kFullBoard with 2, 3 and more than eleven solutions.
const std::initializer_list<std::string_view> kTwoSolutions{
    ". . 1 7 8 5 9 2 6", "5 7 8 . 2 6 . 1 4", "6 . . . 1 . 7 8 .", "3 8 . . 5 7 1 6 .", "7 2 . . . 9 . 4 .",
    "9 . 6 8 . . . 5 .", ". 5 3 6 7 . 4 9 1", ". 4 . . . . . . 2", ". 6 . . . . . 3 ."};
const std::initializer_list<std::string_view> kThreeSolutions{
    ". . 1 7 8 5 9 2 6", "5 7 8 . 2 6 . 1 4", "6 . . . . . 7 8 .", "3 8 . . 5 7 1 6 .", "7 2 . . . 9 . 4 .",
    "9 . 6 8 . . . 5 .", ". 5 3 6 7 . . 9 1", ". 4 . . . . . . 2", ". 6 . . . . . 3 ."};
const std::initializer_list<std::string_view> kManySolutions{
    ". . . . . . . . .", ". 7 8 . . 6 . 1 4", "6 . . . . . 7 8 .", "3 8 . . 5 7 1 6 .", "7 . . . . 9 . 4 .",
    "9 . 6 8 . . . 5 .", ". 5 3 . . . . 9 1", ". 4 . . . . . . 2", ". 6 . . . . . 3 ."};

template <typename Engine>
class SolutionSearch : public ::testing::Test {
 protected:
  SolutionSearch() { engine.SetHost(&host); }

  bool Search(const TCellTexts& position, bool display = false, bool guess = true) {
    texts = position;
    board = TBoard();
    TextsToBoard(nine, texts, board);
    return engine.SolveAndCount(board, texts, display, guess);
  }
  std::vector<std::string> Solutions() const {
    const auto& list = engine.SolutionList();
    return {list.begin() + 1, list.end()};
  }
  // Every solution listed is full and valid and keeps the givens.
  void ExpectSolutionsOf(const TCellTexts& position) const {
    for (const std::string& hex : Solutions()) {
      TBoard solution;
      HexToBoard(nine, hex, solution);
      EXPECT_TRUE(IsCompleteNovlet(3, 3, solution)) << hex;
      for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
          if (!position.at(c, r).empty()) {
            EXPECT_EQ(DecimalText(solution.at(c, r)), position.at(c, r));
          }
        }
      }
    }
  }

  Engine engine;
  TRecordingHost host;
  TGeometry nine;
  TBoard board;
  TCellTexts texts;
};
TYPED_TEST_SUITE(SolutionSearch, EngineKinds, EngineKindNames);

TYPED_TEST(SolutionSearch, AFullBoardIsItsOwnOnlySolution) {
  TCellTexts full;
  BoardToTexts(this->nine, kFullBoard, full);
  EXPECT_TRUE(this->Search(full, true));
  EXPECT_EQ(this->engine.SolutionList(), (std::vector<std::string>{"Solutions=1", BoardToHex(this->nine, kFullBoard)}));
  EXPECT_EQ(this->engine.SolutionCount(), 1);
  EXPECT_EQ(this->board, kFullBoard);
  EXPECT_EQ(this->host.MessageCalls, 0);  // the board was full already: no propagation
  EXPECT_EQ(this->host.MenuItems, 0);
  EXPECT_EQ(this->host.CountSuffix, "");

  // From an empty working board one pass fills it, and propagation stops there.
  this->board = TBoard();
  this->texts = full;
  EXPECT_TRUE(this->engine.SolveAndCount(this->board, this->texts, false, false));
  EXPECT_EQ(this->host.MessageCalls, 1);
}

TYPED_TEST(SolutionSearch, TooFewGivensAreNotSearched) {
  EXPECT_FALSE(this->Search(TCellTexts()));
  EXPECT_EQ(this->engine.SolutionList(), std::vector<std::string>{"Solutions=0"});
  EXPECT_EQ(this->host.MessageCalls, 0);

  // 16 givens pass the threshold of 66 empty cells, 15 do not.
  TCellTexts position;
  BoardToTexts(this->nine, kFullBoard, position);
  for (int i = 0; i < 65; ++i) position.at(i % 9 + 1, i / 9 + 1).clear();
  this->Search(position);
  EXPECT_GT(this->host.MessageCalls, 0);
  this->host.MessageCalls = 0;
  position.at(3, 8).clear();
  EXPECT_FALSE(this->Search(position));
  EXPECT_EQ(this->host.MessageCalls, 0);
  EXPECT_EQ(this->engine.SolutionCount(), 0);
}

TYPED_TEST(SolutionSearch, EverySolutionUpToTheCapIsListedAndTheLastFoundIsLoaded) {
  const struct {
    std::initializer_list<std::string_view> Rows;
    int Listed;
    int MenuItems;
    const char* Suffix;
  } cases[] = {{kTwoSolutions, 2, 2, " [2]"}, {kThreeSolutions, 3, 3, " [3]"}, {kManySolutions, 11, 10, " [10+]"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Suffix);
    const TCellTexts position = TextsFromRows(c.Rows);
    this->host = TRecordingHost();
    this->Search(position, false);
    EXPECT_EQ(this->host.MenuItems, -1) << "only a displayed search touches the menu";
    EXPECT_FALSE(this->Search(position, true));
    EXPECT_EQ(this->engine.SolutionCount(), c.Listed);
    const std::vector<std::string> solutions = this->Solutions();
    EXPECT_EQ(std::set<std::string>(solutions.begin(), solutions.end()).size(), static_cast<std::size_t>(c.Listed));
    this->ExpectSolutionsOf(position);
    EXPECT_EQ(BoardToHex(this->nine, this->board), solutions.front());
    EXPECT_EQ(this->host.MenuItems, c.MenuItems);
    EXPECT_EQ(this->host.CountSuffix, c.Suffix);
  }

  // Propagation alone cannot decide two solutions.
  EXPECT_FALSE(this->Search(TextsFromRows(kTwoSolutions), true, false));
  EXPECT_EQ(this->engine.SolutionList(), std::vector<std::string>{"Solutions=0"});
  EXPECT_EQ(this->host.MenuItems, 0);
  EXPECT_EQ(this->host.CountSuffix, "");

  const TCellTexts many = TextsFromRows(kManySolutions);
  this->engine.SetSolutionCap(1);
  EXPECT_FALSE(this->Search(many));
  EXPECT_EQ(this->engine.SolutionCount(), 2);
  // With cap 0 the first solution ends the search, which then reads as unique.
  this->engine.SetSolutionCap(0);
  EXPECT_TRUE(this->Search(many));
  EXPECT_EQ(this->engine.SolutionCount(), 1);
  this->ExpectSolutionsOf(many);
}

TYPED_TEST(SolutionSearch, OfEquallyShortCellsTheLastInRowOrderIsGuessed) {
  // After propagation six cells hold two values each, from (1, 7) "2,8" to
  // (6, 9) "1,2". Guessing (6, 9) = 1 first finds the solution with
  // (1, 7) = 8; guessing (1, 7) = 2 first would find the other one.
  this->engine.SetSolutionCap(0);
  EXPECT_TRUE(this->Search(TextsFromRows(kTwoSolutions)));
  EXPECT_EQ(this->board.at(6, 9), 1);
  EXPECT_EQ(this->board.at(1, 7), 8);
}

TYPED_TEST(SolutionSearch, TheNodeBudgetBoundsAnUncappedCountAndTheNextSearchForgetsIt) {
  this->engine.SetSolutionCap(100000);
  EXPECT_FALSE(this->Search(TextsFromRows(kManySolutions)));
  EXPECT_GT(this->engine.SolutionCount(), 11);
  EXPECT_LT(this->engine.SolutionCount(), 250);
  EXPECT_EQ(this->Solutions().size(), static_cast<std::size_t>(this->engine.SolutionCount()));

  TCellTexts full;
  BoardToTexts(this->nine, kFullBoard, full);
  this->Search(TextsFromRows(kManySolutions));
  EXPECT_TRUE(this->Search(full));
  EXPECT_EQ(this->engine.SolutionList().size(), 2u);
}

TYPED_TEST(SolutionSearch, AContradictionOrARepeatingFullGridHasNoSolution) {
  TCellTexts position = TextsFromRows(kTwoSolutions);
  position.at(1, 1) = "1";  // 1 stands in row 1 already
  EXPECT_FALSE(this->Search(position, true));
  EXPECT_EQ(this->engine.SolutionList(), std::vector<std::string>{"Solutions=0"});

  this->engine.SetBoxShape(2, 2);
  TGeometry four;
  four.SetBoxShape(2, 2);
  // Rows and columns hold 1..4 (and so sum right) but the boxes repeat values.
  for (const auto& rows : {std::initializer_list<std::string_view>{"1 2 3 4", "2 3 4 1", "3 4 1 2", "4 1 2 3"},
                           std::initializer_list<std::string_view>{"1 4 1 4", "4 1 4 1", "1 4 1 4", "4 1 4 1"}}) {
    TBoard board = BoardFromRows(rows);
    TCellTexts texts;
    BoardToTexts(four, board, texts);
    EXPECT_FALSE(this->engine.SolveAndCount(board, texts, false, true));
    EXPECT_EQ(this->engine.SolutionList(), std::vector<std::string>{"Solutions=0"});
  }
  // Swapping 1 and 2 in the four blank cells gives a second solution, but a
  // 4 x 4 position is never guessed.
  TCellTexts open = TextsFromRows({". . 3 4", "3 4 1 2", ". . 4 3", "4 3 2 1"});
  TBoard board;
  TextsToBoard(four, open, board);
  EXPECT_FALSE(this->engine.SolveAndCount(board, open, false, true));
  EXPECT_EQ(this->engine.SolutionCount(), 0);
}

// A click handled while the engine lets messages run must not start a second
// search inside the first one.
class TReenteringHost : public TEngineHost {
 public:
  explicit TReenteringHost(TNovletEngine& engine) : engine_(engine) {}
  void ProcessPendingMessages() override {
    TBoard board;
    TCellTexts texts = TextsFromRows(kTwoSolutions);
    InnerResults += engine_.SolveAndCount(board, texts, true, true) ? "T" : "F";
  }
  std::string InnerResults;

 private:
  TNovletEngine& engine_;
};

TEST(SolutionSearchReentry, ASearchStartedDuringASearchDoesNothing) {
  TNovletEngine engine;
  TReenteringHost host(engine);
  engine.SetHost(&host);
  TCellTexts texts = TextsFromRows(kThreeSolutions);
  TBoard board;
  EXPECT_FALSE(engine.SolveAndCount(board, texts, false, true));
  EXPECT_EQ(engine.SolutionCount(), 3);
  ASSERT_FALSE(host.InnerResults.empty());
  EXPECT_EQ(host.InnerResults.find('T'), std::string::npos);
}

}  // namespace
}  // namespace novlet
