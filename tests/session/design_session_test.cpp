// The rules of an Enter & Design puzzle, on the session alone.
#include <gtest/gtest.h>

#include "session/design_session.h"
#include "session/session_fixture.h"

namespace novlet::test {
namespace {

class DesignSessionTest : public PlaySessionTest {
 protected:
  void NewDesign(int boxWidth = 3, int boxHeight = 3) {
    TNewGameSettings settings;
    settings.BoxWidth = boxWidth;
    settings.BoxHeight = boxHeight;
    settings.UserName = "tester";
    design_.NewDesign(settings);
  }
  // Types a one-line puzzle in puzzle mode.
  void TypePuzzle(const std::string& oneLine) {
    for (int i = 0; i < 81; ++i) {
      const char symbol = oneLine[static_cast<std::size_t>(i)];
      if (symbol != '.') design_.KeyUp(i % 9 + 1, i / 9 + 1, Vk1 + (symbol - '1'));
    }
  }
  int Givens() const { return 81 - CountEmptyTexts(design_.Geometry(), design_.PuzzleTexts()); }

  TDesignSession design_{engine_, [this] { return now_; }};
};

const std::string kTwoSolutions =
    "..3456789456789123789123456..4365897365897214897214365531642978642978531978531642";
const std::string kSeventeenGivens =
    ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6...";
const std::string kThreeSolutions =
    ".2...6.8.456.8.1.....12...62.4....97.6..972.48.7.1...55..64....64.9785.....5316.2";
const std::string kTwelveSolutions =
    "123..6..9.5.789....89..34.....36.8973..89..14......36....6..97...2.7....97853.64.";

TEST_F(DesignSessionTest, PuzzleModeTypesGivensAndDesignModeTypesValues) {
  NewDesign();
  EXPECT_EQ(design_.State(), TGameFlag::Designing | TGameFlag::PuzzleMode);
  EXPECT_EQ(design_.Record().Status, StatusDesignPuzzle);
  EXPECT_EQ(design_.Record().Origin, OriginSelf);
  EXPECT_TRUE(design_.KeyUp(2, 3, Vk1 + 3));
  EXPECT_EQ(design_.PuzzleTexts().at(2, 3), "4");
  EXPECT_EQ(design_.Grid().at(2, 3), "4");
  EXPECT_FALSE(design_.KeyUp(2, 3, Vk1 + 3));
  EXPECT_FALSE(design_.KeyUp(2, 3, VkReturn));  // Enter marks givens in design mode only

  design_.SwitchMode();
  EXPECT_EQ(design_.Record().Status, StatusDesignMode);
  EXPECT_TRUE(design_.KeyUp(5, 5, Vk1 + 5));  // a value, not a given
  EXPECT_EQ(design_.PuzzleTexts().at(5, 5), "");
  EXPECT_TRUE(design_.KeyUp(2, 3, Vk1 + 6));  // a given follows its new value
  EXPECT_EQ(design_.PuzzleTexts().at(2, 3), "7");
  EXPECT_TRUE(design_.KeyUp(5, 5, VkReturn));
  EXPECT_EQ(design_.PuzzleTexts().at(5, 5), "6");
  EXPECT_FALSE(design_.KeyUp(1, 1, VkReturn));  // an empty cell has no mark to toggle
  EXPECT_TRUE(design_.ToggleGiven(5, 5));
  EXPECT_EQ(design_.PuzzleTexts().at(5, 5), "");

  // Switching shows the givens, then the whole design again, unchanged; a
  // new design keeps the open design's mode.
  design_.SwitchMode();
  EXPECT_EQ(design_.Grid().at(5, 5), "");
  design_.SwitchMode();
  EXPECT_EQ(design_.Grid().at(5, 5), "6");
  NewDesign();
  EXPECT_TRUE(design_.InDesignMode());
}

TEST_F(DesignSessionTest, ValidationCountsTheSolutionsUpToTheCapAndEditsClearTheVerdict) {
  const struct {
    const std::string& Puzzle;
    const char* Suffix;
  } cases[] = {{kSeventeenGivens, ""}, {kTwoSolutions, " [2]"}, {kThreeSolutions, " [3]"}, {kTwelveSolutions, " [10+]"}};
  for (const auto& c : cases) {
    NewDesign();
    TypePuzzle(c.Puzzle);
    design_.Validate();
    EXPECT_TRUE(design_.Solvable()) << c.Puzzle;
    EXPECT_EQ(design_.SolutionChoices().CountSuffix, c.Suffix) << c.Puzzle;
  }
  EXPECT_EQ(design_.SolutionChoices().MenuItems, 10);

  // A changed given makes the verdict and the offered solutions stale.
  design_.KeyUp(1, 1, Vk1 + 1);
  EXPECT_FALSE(design_.Solvable());
  EXPECT_EQ(design_.SolutionChoices().MenuItems, 0);
  NewDesign();
  design_.Validate();
  EXPECT_FALSE(design_.Solvable());  // an empty board
}

TEST_F(DesignSessionTest, CompleteFillsAUniquePuzzleAndKeepsTypedValuesOtherwise) {
  NewDesign();
  std::string unique = kTwoSolutions;
  unique[0] = '1';
  TypePuzzle(unique);
  design_.EnterDesignMode();
  design_.Validate();
  design_.Complete();
  EXPECT_TRUE(design_.BoardComplete());
  EXPECT_EQ(Givens(), 78);

  // After a check, the given that made the puzzle unique taken away and
  // Complete pressed: the verdict no longer holds, so the design's own values
  // are searched and kept rather than cut back to two possible boards.
  design_.Validate();
  design_.ToggleGiven(1, 1);
  design_.Complete();
  EXPECT_TRUE(design_.BoardComplete());
  EXPECT_EQ(design_.Solution().at(1, 1), 1);
}

TEST_F(DesignSessionTest, GeneratePuzzleAndCheckGiveASolvablePuzzleOfTheLevel) {
  NewDesign();
  design_.EnterDesignMode();
  engine_.Random().Seed(3);
  ASSERT_TRUE(design_.Generate());
  EXPECT_TRUE(design_.BoardComplete());
  EXPECT_EQ(Givens(), 0);
  design_.MakePuzzle(2);
  EXPECT_GT(Givens(), 17);
  EXPECT_TRUE(design_.Solvable());
  EXPECT_EQ(design_.SolutionChoices().CountSuffix, "");
  EXPECT_EQ(design_.Record().Level, 2);
}

TEST_F(DesignSessionTest, PasteReadsTheFirstPuzzleInTheDesignsShapeOrSaysWhyNot) {
  NewDesign(2, 3);
  // Boxes 2 wide: read as the usual 3 x 2 it would repeat values in boxes.
  const std::string puzzle = ".23456345612561234234561456123612345\n";
  const TPasteOutcome pasted = design_.Paste(puzzle + puzzle + puzzle, TNewGameSettings());
  EXPECT_EQ(pasted.Kind, TPasteOutcome::TKind::Pasted);
  EXPECT_EQ(pasted.MorePuzzles, 2);
  EXPECT_EQ(design_.Geometry().BoxWidth, 2);
  EXPECT_EQ(design_.PuzzleTexts().at(2, 1), "2");
  EXPECT_FALSE(design_.InDesignMode());
  EXPECT_TRUE(design_.Solvable());

  EXPECT_EQ(design_.Paste("# nothing here\n", TNewGameSettings()).Kind, TPasteOutcome::TKind::Empty);
  const TPasteOutcome refused = design_.Paste(puzzle.substr(1), TNewGameSettings());
  EXPECT_EQ(refused.Kind, TPasteOutcome::TKind::Unreadable);
  EXPECT_FALSE(refused.Reason.empty());
  EXPECT_EQ(design_.PuzzleTexts().at(2, 1), "2") << "a refused paste leaves the design alone";
}

TEST_F(DesignSessionTest, EachOperationWaitsForTheStateThatAllowsIt) {
  EXPECT_FALSE(design_.CanSave());
  NewDesign();
  EXPECT_TRUE(design_.CanSave());
  EXPECT_FALSE(design_.CanPlay()) << "no givens to play";
  EXPECT_FALSE(design_.Generate()) << "puzzle mode";
  design_.KeyUp(1, 1, Vk1);
  EXPECT_TRUE(design_.CanPlay());
  EXPECT_FALSE(design_.ToggleGiven(1, 1)) << "puzzle mode";
  design_.EnterDesignMode();
  EXPECT_TRUE(design_.CanGenerate());
  EXPECT_FALSE(design_.CanMakePuzzle()) << "the board is not complete";
  design_.MakePuzzle(2);
  EXPECT_EQ(design_.Record().Level, 1);
  design_.PrepareSave();
  EXPECT_EQ(design_.Record().Level, design_.LevelEstimate());
}

TEST_F(DesignSessionTest, TheLevelEstimateFollowsTheOpenCells) {
  const struct {
    int BoxWidth, BoxHeight, Givens, Level;
  } cases[] = {{3, 3, 35, 0}, {3, 3, 30, 1}, {3, 3, 25, 2}, {3, 3, 20, 3}, {3, 3, 14, 0},
               {4, 4, 100, 3}, {4, 4, 80, 3}, {4, 4, 40, 0}, {4, 4, 200, 0}};
  for (const auto& c : cases) {
    NewDesign(c.BoxWidth, c.BoxHeight);
    const int n = c.BoxWidth * c.BoxHeight;
    for (int i = 0; i < c.Givens; ++i) design_.KeyUp(i % n + 1, i / n + 1, Vk1);
    EXPECT_EQ(design_.LevelEstimate(), c.Level) << n << "x" << n << " with " << c.Givens << " givens";
  }
}

TEST_F(DesignSessionTest, ADesignLoadedFromAPlayedGameLeavesThePlayBehind) {
  NewGame(3, 3);
  Type(OpenCell(), Vk1);
  Tick(90);
  play_.BeginShowErrors();
  play_.EndShowErrors();
  const std::filesystem::path file = folder_ / "novlet.dat";
  ASSERT_TRUE(WritePuzzleRecord(file, "tester@Played", play_.RecordToStore()).Ok);

  ASSERT_TRUE(design_.Load(file, "tester@Played"));
  const TNovletFileData& record = design_.Record();
  EXPECT_TRUE(record.History.empty());
  EXPECT_EQ(record.TimePlayed, 0);
  EXPECT_EQ(record.EntryCount + record.ErrorCount, 0);
  EXPECT_EQ(record.Status, StatusDesignPuzzle);
  EXPECT_TRUE(design_.Solvable());
  EXPECT_EQ(design_.RecordToStore().GridHex, "");
}

}  // namespace
}  // namespace novlet::test
