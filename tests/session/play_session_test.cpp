// The rules of a Play & Solve game, on the session alone.
#include <gtest/gtest.h>

#include <tuple>

#include "session/grid_history.h"
#include "session/session_fixture.h"

namespace novlet::test {
namespace {

using TGauge = TClockDisplay::TGauge;
using TLabel = TClockDisplay::TLabel;

// Two solutions: the 1 and 2 of rows 1 and 4 in the first two columns can
// trade places.
const std::string kTwoSolutions =
    "..3456789456789123789123456..4365897365897214897214365531642978642978531978531642";
// No solution: the first row holds two 1s.
const std::string kNoSolution = "11" + std::string(79, '.');

TEST_F(PlaySessionTest, ANewGameStartsFreshAndItsClockCountsMinutesAndSeconds) {
  NewGame(3, 3);
  const TNovletFileData& game = play_.Record();
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::Playing));
  EXPECT_EQ(game.Status, StatusPlaying);
  EXPECT_EQ(game.EntryCount + game.PauseCount + game.HintCount + game.ErrorCount + game.RestartCount, 0);
  EXPECT_TRUE(game.History.empty());
  EXPECT_EQ(game.Origin, OriginCorvex);
  EXPECT_EQ(game.Name.rfind("tester@", 0), 0u);
  EXPECT_TRUE(BoardFull(play_.Geometry(), play_.Solution()));
  EXPECT_EQ(play_.Grid(), play_.PuzzleTexts());

  EXPECT_EQ(Tick(0).Time, "00:00");
  const TClockDisplay display = Tick(3600 + 2 * 60 + 5);
  EXPECT_EQ(std::tuple(display.Label, display.Time, display.Gauge, display.GaugeProgress),
            std::tuple(TLabel::Time, "02:05", TGauge::Minutes, 4));
}

TEST_F(PlaySessionTest, TheTimeLimitFillsItsGaugeAndEndsTheGame) {
  timeLimited_ = true;
  timeLimit_ = 1.0 / 24;
  NewGame();
  TClockDisplay display = Tick(30 * 60);
  EXPECT_EQ(display.Gauge, TGauge::Limit);
  EXPECT_EQ(display.GaugeProgress, 32);
  display = Tick(31 * 60);
  EXPECT_TRUE(play_.State().Has(TGameFlag::SolutionShown));
  EXPECT_EQ(play_.Record().Status, StatusFinished);
  EXPECT_EQ(display.Time, "01:00");  // the time once
  EXPECT_EQ(Tick().Label, TLabel::Solution);

  // A limit of 0 is no limit; a game started without one keeps none when
  // the option is switched on later.
  for (TDateTime limit : {0.0, 1.0 / 24}) {
    timeLimit_ = limit;
    timeLimited_ = limit == 0;
    NewGame();
    timeLimited_ = true;
    EXPECT_EQ(Tick(2 * 3600).Gauge, TGauge::Minutes);
    EXPECT_TRUE(play_.State().Has(TGameFlag::Playing));
  }
}

TEST_F(PlaySessionTest, APausedGameRefusesSavingAndTheSolutionEndsIt) {
  EXPECT_FALSE(play_.CanSave() || play_.CanPause() || play_.CanRestart() || play_.OwnsGame());
  NewGame();
  play_.TogglePause();
  EXPECT_FALSE(play_.CanSave());
  EXPECT_TRUE(play_.OwnsGame() && play_.CanRestart() && play_.CanShowSolution());
  play_.ShowSolution();
  EXPECT_TRUE(play_.CanSave() && play_.CanRestart());
  EXPECT_FALSE(play_.CanPause() || play_.CanShowSolution());
  EXPECT_FALSE(play_.ChooseSolution(1));
}

TEST_F(PlaySessionTest, AidsTheOptionsForbidAreRefused) {
  NewGame();
  play_.SetAidOptions({false, false, false});
  EXPECT_FALSE(play_.BeginHint() || play_.Explain() || play_.BeginShowErrors());
  for (int r = 1; r <= N(); ++r)
    for (int c = 1; c <= N(); ++c) EXPECT_FALSE(play_.AlternativesShown(c, r));
  play_.CountAlternativesShown(OpenCell().first, OpenCell().second);
  EXPECT_EQ(play_.Record().HintCount + play_.Record().ErrorCount + play_.Record().AlternativesCount, 0);
  play_.SetAidOptions({});
  EXPECT_TRUE(play_.AlternativesShown(OpenCell().first, OpenCell().second));
}

TEST_F(PlaySessionTest, PauseStopsTheClockAndKeysAndCountsEachPause) {
  NewGame();
  Tick(10);
  play_.TogglePause();
  EXPECT_EQ(play_.Record().Status, StatusPaused);
  EXPECT_EQ(Tick(600).Gauge, TGauge::Hidden);
  EXPECT_EQ(Type(OpenCell(), Vk1), TKeyOutcome::Unchanged);
  play_.TogglePause();
  EXPECT_EQ(Tick(5).Time, "00:15");
  // The window's question box and its drawing for output hold the clock too.
  Pass(60);
  EXPECT_EQ(play_.ClockStep(false, TGameFlag::NameEntryOpen).Label, TLabel::Unchanged);
  Pass(60);
  EXPECT_EQ(play_.ClockStep(false, TGameFlag::OutputCapture).Time, "00:15");
  EXPECT_EQ(Tick(5).Time, "00:20");
  play_.TogglePause();
  EXPECT_EQ(play_.Record().PauseCount, 2);

  // Stored while paused, the game comes back paused and counts once more.
  const std::filesystem::path file = folder_ / "last.ini";
  ASSERT_TRUE(WritePuzzleRecord(file, "tester.Last", play_.RecordToStore()).Ok);
  ASSERT_TRUE(play_.Load(file, "tester.Last"));
  EXPECT_TRUE(play_.State().Has(TGameFlag::Paused));
  EXPECT_EQ(play_.Record().PauseCount, 3);
}

TEST_F(PlaySessionTest, RestartKeepsTheClockDuringPlayAndResetsItAfterTheSolution) {
  NewGame();
  Type(OpenCell(), Vk1);
  Tick(20);
  play_.Restart();
  EXPECT_EQ(play_.Grid(), play_.PuzzleTexts());
  EXPECT_TRUE(play_.Record().History.empty());
  EXPECT_EQ(play_.Record().RestartCount, 1);
  EXPECT_NEAR(play_.Record().TimePlayed * kSecondsPerDay, 20, 0.01);

  play_.ShowSolution();
  play_.Restart();
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::Playing));
  EXPECT_EQ(play_.Record().TimePlayed, 0);
  EXPECT_EQ(play_.Record().RestartCount, 2);
}

TEST_F(PlaySessionTest, KeysWriteValuesAndTogglePencilNotesWithOneHistoryRecordEach) {
  NewGame(3, 3);
  const auto cell = OpenCell();
  const auto [c, r] = cell;
  const struct {
    int Key;
    bool Ctrl;
    const char* Text;
    bool Changes;
  } steps[] = {
      {Vk1 + 6, false, "7", true},   {Vk1 + 6, false, "7", false},  {Vk1 + 2, true, "3,", true},
      {Vk1, true, "3,1,", true},     {Vk1 + 2, true, "1,", true},   {Vk1 + 4, false, "5", true},
      {Vk1 + 1, true, "2,", true},   {VkDelete, false, "", true},   {VkBack, false, "", false},
      {LetterKey('Q'), false, "", false}, {VkLeft, true, "", false},
  };
  int changes = 0;
  for (const auto& step : steps) {
    const TKeyOutcome outcome = Type(cell, step.Key, step.Ctrl);
    EXPECT_EQ(Cell(c, r), step.Text) << step.Key;
    EXPECT_EQ(outcome == TKeyOutcome::Changed, step.Changes) << step.Key;
    changes += step.Changes;
  }
  EXPECT_EQ(play_.Record().EntryCount, changes);
  std::string history = play_.Record().History;
  int records = 0;
  while (PopHistoryRecord(history)) ++records;
  EXPECT_EQ(records, changes);
  EXPECT_EQ(play_.Record().History.substr(0, play_.Record().History.find('|') + 1),
            std::to_string(c) + "," + std::to_string(r) + "=2,|");

  // Givens never change; the Pause key asks for a pause.
  for (int row = 1; row <= N(); ++row)
    for (int col = 1; col <= N(); ++col)
      if (play_.IsGiven(col, row)) {
        EXPECT_EQ(play_.KeyUp(col, row, Vk1, false), TKeyOutcome::Unchanged);
      }
  EXPECT_EQ(Type(cell, VkPause), TKeyOutcome::PauseAsked);
  EXPECT_EQ(Type(cell, VkPause, true), TKeyOutcome::Unchanged);
}

TEST_F(PlaySessionTest, WideBoardsTypeTenToSixteenWithQToW) {
  NewGame(4, 4);
  const auto cell = OpenCell();
  Type(cell, LetterKey('W'), true);
  Type(cell, LetterKey('Q'), true);
  EXPECT_EQ(Cell(cell.first, cell.second), "16,10,");
  Type(cell, LetterKey('T'));
  EXPECT_EQ(Cell(cell.first, cell.second), "13");
}

TEST_F(PlaySessionTest, UndoStepsBackThroughEntriesNotesAndHintsUnlessTheGameChangedMeanwhile) {
  NewGame(3, 3);
  EXPECT_FALSE(play_.BeginUndo());
  const auto cell = OpenCell();
  for (const auto& [key, ctrl] : {std::pair{Vk1, true}, {Vk1 + 4, true}, {Vk1 + 3, false}, {Vk1 + 5, false}})
    Type(cell, key, ctrl);
  for (const char* expected : {"4", "1,5,", "1,", ""}) {
    const std::optional<TCellFlash> flash = play_.BeginUndo();
    ASSERT_TRUE(flash);
    play_.EndUndo(*flash);
    EXPECT_EQ(Cell(cell.first, cell.second), expected);
  }
  EXPECT_FALSE(play_.CanUndo());
  EXPECT_EQ(play_.Record().EntryCount, 4);

  // A hint goes only to the cell with notes (every other is filled, one of
  // them wrong so the game goes on), replaces them, counts as a hint and is
  // undone like an entry.
  FillAllBut(2);
  const auto noted = OpenCell();
  const auto wrong = OpenCell(1);
  Type(wrong, WrongKey(wrong.first, wrong.second));
  Type(noted, Vk1, true);
  Type(noted, Vk1 + 1, true);
  const std::optional<TCellFlash> hint = play_.BeginHint();
  ASSERT_TRUE(hint);
  EXPECT_TRUE(play_.HintRunning());
  EXPECT_EQ(std::pair(hint->Column, hint->Row), noted);
  play_.EndHint(*hint);
  EXPECT_EQ(Cell(noted.first, noted.second), DecimalText(SolutionAt(noted.first, noted.second)));
  EXPECT_EQ(play_.Record().HintCount, 1);
  EXPECT_FALSE(play_.HintRunning());
  const std::optional<TCellFlash> undo = play_.BeginUndo();
  play_.EndUndo(*undo);
  EXPECT_EQ(Cell(noted.first, noted.second), "1,2,");

  // A flash is left alone when the game changed meanwhile.
  const std::optional<TCellFlash> stale = play_.BeginUndo();
  ASSERT_TRUE(stale);
  play_.ShowSolution();
  EXPECT_FALSE(play_.StillCurrent(*stale));
  play_.EndUndo(*stale);
  EXPECT_EQ(Cell(noted.first, noted.second), "");  // notes go with the solution, and stay gone
}

TEST_F(PlaySessionTest, ErrorsCountEveryPressAndTheSolutionEndsTheGameAndItsAids) {
  NewGame(3, 3);
  const auto noted = OpenCell();
  const auto entered = OpenCell(1);
  Type(noted, Vk1, true);
  Type(entered, RightKey(entered.first, entered.second));
  for (int press = 0; press < 2; ++press) {
    play_.BeginShowErrors();
    EXPECT_TRUE(play_.State().Has(TGameFlag::ShowErrors));
    play_.EndShowErrors();
  }
  EXPECT_EQ(play_.Record().ErrorCount, 2);

  play_.ShowSolution();
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::SolutionShown));
  EXPECT_EQ(Cell(noted.first, noted.second), "");  // notes go, entries stay
  EXPECT_EQ(Cell(entered.first, entered.second), DecimalText(SolutionAt(entered.first, entered.second)));
  EXPECT_TRUE(play_.Record().History.empty());
  EXPECT_EQ(play_.Record().Status, StatusFinished);
  EXPECT_EQ(Tick().Label, TLabel::Solution);

  // Whoever asks, an ended game gives no more aids and counts none.
  EXPECT_FALSE(play_.BeginHint());
  EXPECT_FALSE(play_.Explain());
  play_.BeginShowErrors();
  play_.EndShowErrors();
  EXPECT_FALSE(play_.State().Has(TGameFlag::ShowErrors));
  EXPECT_EQ(play_.Record().HintCount + play_.Record().ErrorCount, 2);
}

TEST_F(PlaySessionTest, ExplainNamesAWrongValueFirstThenAStepAndCountsAsAHint) {
  NewGame(3, 2);
  const auto cell = OpenCell();
  Type(cell, WrongKey(cell.first, cell.second));
  const TCellTexts before = play_.Grid();
  const std::optional<TExplanation> wrong = play_.Explain();
  ASSERT_TRUE(wrong);
  EXPECT_EQ(wrong->Kind, TExplanation::TKind::WrongValue);
  EXPECT_EQ(wrong->Cell, (TCellRef{cell.second, cell.first}));
  EXPECT_EQ(play_.Grid(), before) << "the player makes the move";

  Type(cell, VkBack);
  const std::optional<TExplanation> step = play_.Explain();
  ASSERT_TRUE(step);
  ASSERT_EQ(step->Kind, TExplanation::TKind::Step);
  for (const TCellValue& placed : step->Step.Placed) EXPECT_EQ(placed.Value, SolutionAt(placed.Column, placed.Row));
  EXPECT_EQ(play_.Record().HintCount, 2);
}

TEST_F(PlaySessionTest, TheLastCorrectValueWinsAtOnceButNotesNeverDo) {
  NewGame();
  FillAllBut(1);
  const auto last = OpenCell();
  Type(last, Vk1, true);
  EXPECT_TRUE(play_.State().Has(TGameFlag::Playing));
  Type(last, WrongKey(last.first, last.second));
  EXPECT_TRUE(play_.State().Has(TGameFlag::Playing));
  Type(last, RightKey(last.first, last.second));
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::SolutionShown));
  EXPECT_EQ(play_.Record().Status, StatusFinished);
  EXPECT_EQ(Tick(30).Label, TLabel::Solved);
  EXPECT_EQ(play_.Record().TimePlayed, 0);  // the clock stopped with the win
}

TEST_F(PlaySessionTest, ALoadedPuzzleWithoutAUniqueSolutionStaysPlayable) {
  // Several solutions: the undecided cells are open, the menu offers each.
  const auto [file, section] = StorePuzzle(kTwoSolutions);
  ASSERT_TRUE(play_.Load(file, section));
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::Playing));
  EXPECT_EQ(play_.SolutionChoices().Count(), 2);
  EXPECT_EQ(play_.SolutionChoices().MenuItems, 2);
  EXPECT_EQ(play_.SolutionChoices().CountSuffix, " [2]");
  EXPECT_TRUE(play_.SolutionKnown());
  EXPECT_EQ(SolutionAt(1, 1), 0);
  EXPECT_FALSE(play_.IsGiven(1, 1));
  EXPECT_EQ(Type({1, 1}, Vk1 + 1), TKeyOutcome::Changed);
  EXPECT_TRUE(play_.ChooseSolution(2));
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::SolutionShown));
  EXPECT_TRUE(BoardFull(play_.Geometry(), play_.Solution()));
  EXPECT_FALSE(play_.ChooseSolution(3));

  // No solution at all: nothing to show, but the open cells still take keys.
  const auto [badFile, badSection] = StorePuzzle(kNoSolution);
  ASSERT_TRUE(play_.Load(badFile, badSection));
  EXPECT_FALSE(play_.SolutionKnown());
  EXPECT_EQ(Type({5, 5}, Vk1 + 2), TKeyOutcome::Changed);

  // One solution found by the search: the board is complete and known.
  std::string unique = kTwoSolutions;
  unique[0] = '1';
  const auto [oneFile, oneSection] = StorePuzzle(unique);
  ASSERT_TRUE(play_.Load(oneFile, oneSection));
  EXPECT_TRUE(BoardFull(play_.Geometry(), play_.Solution()));
  EXPECT_EQ(play_.SolutionChoices().MenuItems, 0);
  EXPECT_EQ(play_.SolutionChoices().CountSuffix, "");
}

TEST_F(PlaySessionTest, AStoredGameComesBackWholeAndAMissingOneLeavesNoGame) {
  NewGame(3, 3);
  const auto entered = OpenCell();
  const auto noted = OpenCell(1);
  Type(entered, Vk1 + 4);
  Type(noted, Vk1 + 1, true);
  Type(noted, Vk1 + 6, true);
  Tick(75);
  play_.BeginShowErrors();
  play_.EndShowErrors();
  const TCellTexts grid = play_.Grid();
  const TNovletFileData before = play_.Record();
  const std::filesystem::path file = folder_ / "novlet.ini";
  ASSERT_TRUE(WritePuzzleRecord(file, "tester.Last_PlayNSolve", play_.RecordToStore()).Ok);

  Pass(500);  // time away from the game is not played
  play_.Close();
  ASSERT_TRUE(play_.Load(file, "tester.Last_PlayNSolve"));
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::Playing));
  EXPECT_EQ(play_.Grid(), grid);
  EXPECT_EQ(Cell(noted.first, noted.second), "2,7,");
  EXPECT_EQ(play_.Record().History, before.History);
  EXPECT_EQ(play_.Record().EntryCount, 3);
  EXPECT_EQ(play_.Record().ErrorCount, 1);
  EXPECT_EQ(play_.Record().Name, before.Name);
  EXPECT_EQ(Tick(0).Time, "01:15");

  play_.ShowSolution();
  ASSERT_TRUE(WritePuzzleRecord(file, "tester.Last_PlayNSolve", play_.RecordToStore()).Ok);
  ASSERT_TRUE(play_.Load(file, "tester.Last_PlayNSolve"));
  EXPECT_EQ(play_.State(), TGameState(TGameFlag::SolutionShown));

  EXPECT_FALSE(play_.Load(file, "tester.Missing"));
  EXPECT_TRUE(play_.State().IsClear());
}

// A host that asks for a second generation while the engine is at work: the
// engine refuses every nested call, and the session must give up, not spin.
class ImpatientHost : public TEngineHost {
 public:
  explicit ImpatientHost(TPlaySession& session) : session_(session) {}
  void ProcessPendingMessages() override {
    if (asked_) return;
    asked_ = true;
    session_.BeginNewGame(TNewGameSettings());
    gaveUp_ = !session_.GenerateNewGame();
  }
  bool gaveUp_ = false;

 private:
  TPlaySession& session_;
  bool asked_ = false;
};

TEST_F(PlaySessionTest, GeneratingGivesUpWhenTheEngineKeepsFailing) {
  TPlaySession other(engine_, [this] { return now_; });
  ImpatientHost host(other);
  engine_.SetHost(&host);
  NewGame(3, 3);
  engine_.SetHost(nullptr);
  EXPECT_TRUE(host.gaveUp_);
  EXPECT_TRUE(other.State().IsClear());
}

}  // namespace
}  // namespace novlet::test
