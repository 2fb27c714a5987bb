// The life of a Play & Solve game: choosing a shape, generating, loading,
// storing, the clock, pause and restart.
#include "game/play_n_solve_page.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

#include "engine/board_text.h"
#include "game/grid_shape_menu.h"
#include "game/enter_n_design_page.h"
#include "game/main_form.h"
#include "game/novlet_grid.h"
#include "game/options_page.h"
#include "game/pie_gauge.h"
#include "store/puzzle_naming.h"
#include "ui/base_btn.h"
#include "ui/msg_dlg_box.h"

namespace novlet {
namespace {

const QColor kLimitColor(Qt::red);
const QColor kClockColor(Qt::black);

}  // namespace

void TPlayNSolvePage::NovletGridsPopupClick(QObject* sender) {
  auto* button = dynamic_cast<TBaseBtn*>(sender);
  if (!button) return;
  shapeMenu_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TPlayNSolvePage::SetBoxShape(int boxWidth, int boxHeight) {
  Run().Engine.SetBoxShape(boxWidth, boxHeight);
  ApplyDisplaySet();
  grid_->SetGridSize(Run().Engine.Geometry().GridSize);
}

void TPlayNSolvePage::NovletGridsPopupMenuClick(QAction* item) {
  if (Run().GameState.IsBusy()) return;
  ResetSolutionChoices();
  const auto [boxWidth, boxHeight] = ShapeOfMenuItem(item ? item->objectName() : QString());
  SetBoxShape(boxWidth, boxHeight);
  // Only Play & Solve's own New reaches this page's menu; Enter & Design
  // starts its designs from its own.
  PlayNSolveNewBtnClick();
}

void TPlayNSolvePage::PlayNSolveNewBtnClick() {
  TRunState& run = Run();
  // A running engine operation would refuse every attempt, so New waits
  // for the window to be free.
  if (run.GameState.IsBusy()) return;
  run.GameState = TGameFlag::Thinking;
  ++gameSerial_;
  SetPauseCaption(530);
  timeLbl_->setText(TimeCaption());
  MainForm().UpdateStatus();
  QCoreApplication::processEvents();

  MainForm().OptionsPage()->CollectOptions();
  const int level = run.Options.Level;
  levelLbl_->setText(LevelCaption(level));

  TNovletFileData& game = run.CurrentGame;
  InitPuzzleRecord(game);
  game.Created = now_();
  game.Name = DefaultPuzzleName(run.UserName, game.Created);
  game.Level = static_cast<std::uint8_t>(level);
  game.Origin = OriginCorvex;
  game.BoxWidth = run.Engine.Geometry().BoxWidth;
  game.BoxHeight = run.Engine.Geometry().BoxHeight;
  game.TimeLimit = run.Options.PlayTimeLimit;

  ClearBoard(run.Solution);
  ClearCellTexts(run.PuzzleTexts);
  ClearCellTexts(run.AlternativeTexts);
  grid_->Cells() = run.PuzzleTexts;
  gauge_->SetProgress(0);
  grid_->SelectCell(0, 0);
  grid_->update();
  QCoreApplication::processEvents();

  while (!run.Engine.GeneratePuzzle(run.Solution, run.PuzzleTexts, true, level)) run.Engine.Random().ReseedFromClock();

  grid_->Cells() = run.PuzzleTexts;
  RecomputeAlternatives();
  game.StartTime = now_();
  game.ResumeTime = game.StartTime;
  game.TimePlayed = 0;
  run.GameState = TGameFlag::Playing;
  game.Status = StatusPlaying;
  grid_->update();
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::LoadPlayGame(const std::filesystem::path& fileName, const std::string& section) {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::Loading)) return;
  run.GameState = TGameFlag::Loading;
  ++gameSerial_;
  MainForm().UpdateStatus();
  SetPauseCaption(530);
  timeLbl_->setText(TimeCaption());
  ClearBoard(run.Solution);
  ClearCellTexts(run.PuzzleTexts);
  ClearCellTexts(run.AlternativeTexts);
  grid_->Cells() = run.PuzzleTexts;
  grid_->update();

  TNovletFileData& game = run.CurrentGame;
  if (!ReadPuzzleRecord(fileName, section, game)) {
    run.GameState = TGameState();
    ApplyDisplaySet();
    return;
  }

  ResetSolutionChoices();
  SetBoxShape(game.BoxWidth, game.BoxHeight);
  const TGeometry& g = run.Engine.Geometry();
  grid_->Cells() = run.PuzzleTexts;
  HexToBoard(g, game.SolutionHex, run.Solution);
  HexToTexts(g, game.PuzzleHex, run.PuzzleTexts);
  if (game.GridHex.empty()) game.GridHex = game.PuzzleHex;
  levelLbl_->setText(LevelCaption(game.Level));
  run.GameState.Set(TGameFlag::Thinking);

  if (BoardFull(g, run.Solution) && BoardLinesValid(g, run.Solution)) {
    // The search only fills the solutions menu and the button's count.
    TBoard scratch;
    TCellTexts scratchTexts = run.PuzzleTexts;
    run.Engine.SolveAndCount(scratch, scratchTexts, true, true);
  } else {
    ClearBoard(run.Solution);
    TCellTexts searched = run.PuzzleTexts;
    if (!run.Engine.SolveAndCount(run.Solution, searched, true, true)) TextsToBoard(g, searched, run.Solution);
    ClearCellTexts(run.PuzzleTexts);
    HexToTexts(g, game.PuzzleHex, run.PuzzleTexts);
  }
  HexToTexts(g, game.GridHex, grid_->Cells());
  TextToGridNotes(g, game.GridNotes, grid_->Cells());

  RecomputeAlternatives();
  grid_->SelectCell(0, 0);
  grid_->update();
  QCoreApplication::processEvents();
  game.ResumeTime = now_();
  run.GameState = TGameFlag::Playing;

  switch (game.Status) {
    case StatusNone:
    case StatusPlaying:
    case StatusDesignPuzzle:
    case StatusDesignMode: game.Status = StatusPlaying; break;
    case StatusPaused: PlayNSolvePauseBtnClick(); break;
    case StatusFinished:
      run.GameState = TGameFlag::SolutionShown;
      grid_->update();
      break;
    default: break;
  }
}

void TPlayNSolvePage::SavePlayGame(const std::filesystem::path& fileName, const std::string& section, bool askName) {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::NameEntryOpen)) return;
  run.GameState.Set(TGameFlag::NameEntryOpen);
  MainForm().UpdateStatus();

  TNovletFileData& game = run.CurrentGame;
  if (game.Name.empty()) game.Name = DefaultPuzzleName(run.UserName, game.Created);
  std::string target = section.empty() ? game.Name : section;
  const TGeometry& g = run.Engine.Geometry();
  game.BoxWidth = g.BoxWidth;
  game.BoxHeight = g.BoxHeight;
  game.SolutionHex = BoardToHex(g, run.Solution);
  game.PuzzleHex = TextsToHex(g, run.PuzzleTexts);
  game.GridHex = TextsToHex(g, grid_->Cells());
  game.GridNotes = GridNotesToText(g, grid_->Cells());

  bool store = true;
  if (askName) {
    const auto named = RunNameEntryFlow(fileName, target, run.UserName, game, nameEntryDialogs_,
                                        [this](int id, const QString& text) { return MainForm().TranslateText(id, text); });
    store = named.has_value();
    if (named) target = *named;
  }
  if (store) {
    TStoreResult result = EnsureDataFolder(run.Folders.Data);
    if (result.Ok) result = WritePuzzleRecord(fileName, target, game);
    if (!result.Ok)
      ShowMsgBox(QString::fromStdString(result.Message), MainForm().TranslateText(20, QStringLiteral("Ok")), QString(),
                 QString::fromStdString(run.Folders.SkinFolder().string()));
  }
  run.GameState.Clear(TGameFlag::NameEntryOpen);
}

void TPlayNSolvePage::PlayNSolveSaveBtnClick() {
  SavePlayGame(Run().Folders.Data.CollectionFile, Run().CurrentGame.Name, true);
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolvePauseBtnClick() {
  TRunState& run = Run();
  TNovletFileData& game = run.CurrentGame;
  if (run.GameState.Has(TGameFlag::Paused)) {
    run.GameState.Clear(TGameFlag::Paused);
    game.Status = StatusPlaying;
    game.ResumeTime = now_();
    SetPauseCaption(530);
    timeLbl_->setText(TimeCaption() + QString::fromStdString(PlayTimeText(game.TimePlayed)));
  } else {
    run.GameState.Set(TGameFlag::Paused);
    game.Status = StatusPaused;
    SetPauseCaption(531);
    timeLbl_->setText(MainForm().TranslateText(576, QStringLiteral("Pausing")));
    ++game.PauseCount;
  }
  grid_->update();
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveRestartBtnClick() {
  TRunState& run = Run();
  if (run.GameState.Has(TGameFlag::Restarting)) return;
  const bool solutionWasShown = run.GameState.Has(TGameFlag::SolutionShown);
  run.GameState = TGameFlag::Restarting;
  ++gameSerial_;
  SetPauseCaption(530);
  timeLbl_->setText(TimeCaption());
  grid_->Cells() = run.PuzzleTexts;
  RecomputeAlternatives();
  grid_->SelectCell(0, 0);
  grid_->update();
  QCoreApplication::processEvents();

  TNovletFileData& game = run.CurrentGame;
  if (solutionWasShown) {
    game.StartTime = now_();
    game.ResumeTime = game.StartTime;
    game.TimePlayed = 0;
  } else {
    game.ResumeTime = now_();
  }
  run.GameState = TGameFlag::Playing;
  game.History.clear();
  game.Status = StatusPlaying;
  ++game.RestartCount;
  MainForm().UpdateStatus();
}

void TPlayNSolvePage::RecomputeAlternatives() {
  TRunState& run = Run();
  TBoard scratch;
  ClearCellTexts(run.AlternativeTexts);
  CopyCellTexts(run.Engine.Geometry(), grid_->Cells(), run.AlternativeTexts);
  run.Engine.ComputeAlternatives(scratch, run.AlternativeTexts);
}

void TPlayNSolvePage::ShowGauge(const QColor& color, int progress) {
  if (gauge_->isHidden()) {
    gauge_->SetProgress(0);
    gauge_->show();
  }
  if (gauge_->ForeColor() != color) gauge_->SetForeColor(color);
  gauge_->SetProgress(progress);
}

void TPlayNSolvePage::PlayClockStep() {
  TRunState& run = Run();
  TNovletFileData& game = run.CurrentGame;
  const TGameState state = run.GameState;
  const bool playing = state.Has(TGameFlag::Playing);
  const bool paused = state.Has(TGameFlag::Paused);
  const bool interrupted = state.Has(TGameFlag::Loading) || state.Has(TGameFlag::NameEntryOpen);

  if (playing && !paused && !interrupted) {
    const TDateTime now = now_();
    if (!state.Has(TGameFlag::OutputCapture)) game.TimePlayed += now - game.ResumeTime;
    game.ResumeTime = now;
    if (run.Options.TimeLimited && game.TimeLimit > 0) {
      ShowGauge(kLimitColor, TimeLimitGaugeProgress(game.TimePlayed, game.TimeLimit));
      if (game.TimePlayed > game.TimeLimit) PlayNSolveSolutionBtnClick();
    } else {
      ShowGauge(kClockColor, MinuteGaugeProgress(game.TimePlayed));
    }
    timeLbl_->setText(TimeCaption() + QString::fromStdString(PlayTimeText(game.TimePlayed)));
  } else if (playing && paused) {
    gauge_->hide();
  } else if (playing) {
    // Time spent loading or answering a question box is not played.
    game.ResumeTime = now_();
  } else if (state.Has(TGameFlag::Designing)) {
    MainForm().EnterNDesignPage()->EnterNDesignGauge()->hide();
  } else if (!paused && !state.Has(TGameFlag::SolutionShown)) {
    gauge_->hide();
  } else if (state.Has(TGameFlag::SolutionShown)) {
    gauge_->hide();
    const TGeometry& g = run.Engine.Geometry();
    const bool solved = TextsFull(g, grid_->Cells()) && GridMatchesBoard(g, run.Solution, grid_->Cells());
    const QString message = solved ? MainForm().TranslateText(579, QStringLiteral("Puzzle Solved!"))
                                   : MainForm().TranslateText(578, QStringLiteral("Puzzle Solution"));
    if (timeLbl_->text() != message) timeLbl_->setText(message);
  } else {
    gauge_->hide();
    MainForm().EnterNDesignPage()->EnterNDesignGauge()->hide();
    timeLbl_->setText(QString());
  }
}

}  // namespace novlet
