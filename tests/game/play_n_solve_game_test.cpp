// A Play & Solve game's life: New, the clock and its limit, pause, restart,
// the end, storing and coming back.
#include <gtest/gtest.h>

#include "play_n_solve_fixture.h"
#include "store/puzzle_record.h"

namespace novlet::test {
namespace {

TEST_F(PlayNSolveTest, ANewGameStartsFreshAndItsClockCountsMinutesAndSeconds) {
  CreatePage();
  NewGame("S3X3");
  EXPECT_EQ(N(), 9);
  EXPECT_EQ(Grid().ColCount(), 9);
  EXPECT_TRUE(Run().GameState == TGameFlag::Playing);
  EXPECT_EQ(Game().Status, StatusPlaying);
  EXPECT_EQ(Game().EntryCount + Game().PauseCount + Game().HintCount + Game().ErrorCount + Game().RestartCount, 0);
  EXPECT_TRUE(Game().History.empty());
  EXPECT_EQ(TimeLabel(), "Time ");
  EXPECT_EQ(Page().PlayNSolveLevelLbl()->text(), "Level Normal");
  EXPECT_TRUE(BoardFull(Run().Engine.Geometry(), Run().Solution));
  EXPECT_EQ(Grid().Cells(), Run().PuzzleTexts);

  Run().Options.TimeLimited = false;
  Tick(0);
  EXPECT_EQ(TimeLabel(), "Time 00:00");
  Tick(3600 + 2 * 60 + 5);
  EXPECT_EQ(TimeLabel(), "Time 02:05");
  EXPECT_TRUE(Page().PlayNSolveGauge()->isVisibleTo(&Page()));
  EXPECT_EQ(Page().PlayNSolveGauge()->Progress(), 4);
  EXPECT_EQ(Page().PlayNSolveGauge()->ForeColor(), QColor(Qt::black));
}

TEST_F(PlayNSolveTest, TheTimeLimitFillsARedGaugeAndEndsTheGame) {
  CreatePage();
  Run().Options.TimeLimited = true;
  Run().Options.PlayTimeLimit = 1.0 / 24;
  NewGame();
  Tick(30 * 60);
  EXPECT_EQ(Page().PlayNSolveGauge()->Progress(), 32);
  EXPECT_EQ(Page().PlayNSolveGauge()->ForeColor(), QColor(Qt::red));
  Tick(31 * 60);
  EXPECT_TRUE(Run().GameState.Has(TGameFlag::SolutionShown));
  EXPECT_EQ(Game().Status, StatusFinished);
  EXPECT_EQ(TimeLabel(), "Time 01:00");  // the time once
  Tick();
  EXPECT_EQ(TimeLabel(), "Puzzle Solution");
  EXPECT_FALSE(Page().PlayNSolveGauge()->isVisibleTo(&Page()));

  // A limit of 0 is no limit: the gauge counts minutes in black.
  Run().Options.PlayTimeLimit = 0;
  NewGame();
  Tick(90);
  EXPECT_EQ(Page().PlayNSolveGauge()->ForeColor(), QColor(Qt::black));
  EXPECT_EQ(Page().PlayNSolveGauge()->Progress(), 3);
}

TEST_F(PlayNSolveTest, PauseStopsTheClockHidesTheGridAndCountsEachPause) {
  CreatePage();
  NewGame();
  Tick(10);
  Click(Page().PlayNSolvePauseBtn());
  EXPECT_TRUE(Run().GameState.Has(TGameFlag::Paused));
  EXPECT_EQ(Game().Status, StatusPaused);
  EXPECT_EQ(TimeLabel(), "Pausing");
  EXPECT_EQ(Page().PlayNSolvePauseBtn()->Caption(), "Continue");
  EXPECT_FALSE(Grid().isEnabled());
  EXPECT_FALSE(Page().PlayNSolveHintBtn()->isEnabled());
  EXPECT_TRUE(Page().PlayNSolveRestartBtn()->isEnabled());
  Tick(600);
  EXPECT_NEAR(Game().TimePlayed * kSecondsPerDay, 10, 0.01);

  Click(Page().PlayNSolvePauseBtn());
  EXPECT_EQ(TimeLabel(), "Time 00:10");
  EXPECT_TRUE(Grid().isEnabled());
  Tick(5);
  EXPECT_EQ(TimeLabel(), "Time 00:15");
  Click(Page().PlayNSolvePauseBtn());
  EXPECT_EQ(Game().PauseCount, 2);

  // Stored while paused, the game comes back paused and counts once more.
  Form().MyNovletsBtnClick();
  Form().PlayNSolveBtnClick();
  EXPECT_TRUE(Run().GameState.Has(TGameFlag::Paused));
  EXPECT_EQ(Game().PauseCount, 3);
}

TEST_F(PlayNSolveTest, RestartKeepsTheClockDuringPlayAndResetsItAfterTheSolution) {
  CreatePage();
  NewGame();
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_1);
  Tick(20);
  Click(Page().PlayNSolveRestartBtn());
  EXPECT_EQ(Grid().Cells(), Run().PuzzleTexts);
  EXPECT_TRUE(Game().History.empty());
  EXPECT_EQ(Game().RestartCount, 1);
  EXPECT_NEAR(Game().TimePlayed * kSecondsPerDay, 20, 0.01);

  Click(Page().PlayNSolveSolutionBtn());
  Click(Page().PlayNSolveRestartBtn());
  EXPECT_TRUE(Run().GameState == TGameFlag::Playing);
  EXPECT_EQ(Game().TimePlayed, 0);
  EXPECT_EQ(Game().RestartCount, 2);
  EXPECT_EQ(Game().Status, StatusPlaying);
}

TEST_F(PlayNSolveTest, SavingAsksForANameAndNeverOverwritesAgainstTheAnswer) {
  CreatePage();
  NewGame();
  nameAnswer_ = "  First  ";
  Click(Page().PlayNSolveSaveBtn());
  const std::filesystem::path collection = Run().Folders.Data.CollectionFile;
  ASSERT_TRUE(SectionExistsInFile(collection, "tester@First"));
  EXPECT_EQ(Game().Name, "tester@First");
  EXPECT_EQ(Page().PlayNSolveFileNameLbl()->text(), "First");
  EXPECT_TRUE(Run().GameState == TGameFlag::Playing);  // storing goes on playing

  // A second game saved as "First", answered "No": the old one stays.
  NewGame("S2X2", 99);
  TNovletFileData before;
  ASSERT_TRUE(ReadPuzzleRecord(collection, "tester@First", before));
  overwriteAnswer_ = false;
  Click(Page().PlayNSolveSaveBtn());
  EXPECT_EQ(overwritesAsked_, 1);
  TNovletFileData after;
  ASSERT_TRUE(ReadPuzzleRecord(collection, "tester@First", after));
  EXPECT_EQ(after, before);
  EXPECT_NE(Game().Name, "tester@First");

  // Cancelling the name stores nothing at all.
  nameAnswer_ = "";
  Click(Page().PlayNSolveSaveBtn());
  EXPECT_FALSE(SectionExistsInFile(collection, Game().Name));
}

TEST_F(PlayNSolveTest, LeavingAndComingBackRestoresTheWholeGame) {
  CreatePage();
  NewGame("S3X3");
  const auto [c, r] = OpenCell();
  const auto [c2, r2] = OpenCell(1);
  Select(c, r);
  Key(Qt::Key_5);
  Select(c2, r2);
  Key(Qt::Key_2, Qt::ControlModifier);
  Key(Qt::Key_7, Qt::ControlModifier);
  Tick(75);
  Click(Page().PlayNSolveErrorsBtn());
  const TCellTexts grid = Grid().Cells();
  const TNovletFileData game = Game();

  Form().OptionsBtnClick();
  EXPECT_TRUE(Run().GameState.IsClear());
  Tick(500);  // time away from the page is not played
  Form().PlayNSolveBtnClick();
  EXPECT_TRUE(Run().GameState == TGameFlag::Playing);
  EXPECT_EQ(Grid().Cells(), grid);
  EXPECT_EQ(Cell(c2, r2), "2,7,");
  EXPECT_EQ(Game().History, game.History);
  EXPECT_EQ(Game().EntryCount, 3);
  EXPECT_EQ(Game().ErrorCount, 1);
  EXPECT_EQ(Game().Name, game.Name);
  Tick(0);
  EXPECT_EQ(TimeLabel(), "Time 01:15");
}

TEST_F(PlayNSolveTest, AFinishedGameComesBackFinishedAfterTheProgramRestarts) {
  CreatePage();
  NewGame();
  const auto [c, r] = OpenCell();
  Select(c, r);
  Key(Qt::Key_3, Qt::ControlModifier);
  Tick(42);
  const TCellTexts grid = Grid().Cells();
  ASSERT_TRUE(Form().close());

  CreatePage();
  EXPECT_EQ(N(), 4);
  EXPECT_EQ(Grid().Cells(), grid);
  EXPECT_EQ(Game().EntryCount, 1);
  Tick(0);
  EXPECT_EQ(TimeLabel(), "Time 00:42");

  Click(Page().PlayNSolveSolutionBtn());
  ASSERT_TRUE(Form().close());
  CreatePage();
  EXPECT_TRUE(Run().GameState == TGameFlag::SolutionShown);
  Tick();
  EXPECT_EQ(TimeLabel(), "Puzzle Solution");
  EXPECT_TRUE(Page().PlayNSolveRestartBtn()->isEnabled());
  EXPECT_FALSE(Page().PlayNSolveHintBtn()->isEnabled());
}

TEST_F(PlayNSolveTest, WithoutAStoredGameThePageHasNoGame) {
  CreatePage();
  EXPECT_TRUE(Run().GameState.IsClear());
  EXPECT_TRUE(Page().PlayNSolveNewBtn()->isEnabled());
  EXPECT_FALSE(Page().PlayNSolveSaveBtn()->isEnabled());
  EXPECT_FALSE(Page().PlayNSolvePauseBtn()->isEnabled());
  EXPECT_FALSE(Page().PlayNSolveSolutionBtn()->isEnabled());
  Key(Qt::Key_1);
  EXPECT_EQ(Cell(1, 1), "");
}

}  // namespace
}  // namespace novlet::test
