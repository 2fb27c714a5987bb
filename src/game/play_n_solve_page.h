#pragma once

#include "game/book_page.h"

#include <QSize>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/grid_key_codes.h"
#include "game/play_clock.h"
#include "game/play_name_entry.h"

class QAction;
class QLabel;
class QMenu;
class QMouseEvent;

namespace novlet {

class TBaseBtn;
class TGridPopupMenu;
class TGridShapeMenu;
class TGridSymbolStrip;
class TNovletGrid;
class TPieGauge;
struct TRunState;

// The "Play & Solve" page: one puzzle at a time, generated on the spot or
// taken from the collection, with its clock, its input and its aids.
class TPlayNSolvePage : public TBookPage {
 public:
  explicit TPlayNSolvePage(TMainForm& mainForm);

  TNovletGrid* PlayNSolveNovletGrid() const { return grid_; }
  TBaseBtn* PlayNSolveNewBtn() const { return newBtn_; }
  TBaseBtn* PlayNSolveSaveBtn() const { return saveBtn_; }
  TBaseBtn* PlayNSolvePauseBtn() const { return pauseBtn_; }
  TBaseBtn* PlayNSolvePrintBtn() const { return printBtn_; }
  TBaseBtn* PlayNSolveClipboardBtn() const { return clipboardBtn_; }
  TBaseBtn* PlayNSolveRestartBtn() const { return restartBtn_; }
  TBaseBtn* PlayNSolveUndoBtn() const { return undoBtn_; }
  TBaseBtn* PlayNSolveHintBtn() const { return hintBtn_; }
  TBaseBtn* PlayNSolveErrorsBtn() const { return errorsBtn_; }
  TBaseBtn* PlayNSolveSolutionBtn() const { return solutionBtn_; }
  QLabel* PlayNSolveTimeLbl() const { return timeLbl_; }
  QLabel* PlayNSolveLevelLbl() const { return levelLbl_; }
  QLabel* PlayNSolveFileNameLbl() const { return fileNameLbl_; }
  QLabel* PlayNSolveAlternativesLbl() const { return alternativesLbl_; }
  QLabel* PlayNSolveAlternativesImg() const { return alternativesImg_; }
  TPieGauge* PlayNSolveGauge() const { return gauge_; }
  TGridSymbolStrip* PlayNSolveDisplaySetImg() const { return strip_; }
  TGridShapeMenu* NovletGridsPopupMenu() const { return shapeMenu_; }
  TGridPopupMenu* NovletGridPopupMenu() const { return gridMenu_; }
  QMenu* SolutionsPopupMenu() const { return solutionsMenu_; }

  // The size of PlayNSolveNovletGrid, which GridBuffer follows.
  QSize NovletGridSize() const;

  // --- The game ---
  // New: pops the box-shape menu up under the button.
  void NovletGridsPopupClick(QObject* sender);
  void NovletGridsPopupMenuClick(QAction* item);
  void PlayNSolveNewBtnClick();
  // Opens the game stored in the section; a missing section leaves the page
  // without a game.
  void LoadPlayGame(const std::filesystem::path& fileName, const std::string& section);
  // Stores CurrentGame; with askName the player names it first.
  void SavePlayGame(const std::filesystem::path& fileName, const std::string& section, bool askName);
  void PlayNSolveSaveBtnClick();
  void PlayNSolvePauseBtnClick();
  void PlayNSolveRestartBtnClick();
  // The candidates of every cell, after each change of the grid.
  void RecomputeAlternatives();
  // The main timer's tick while nothing is thinking: the play clock and its
  // time limit, and the end messages.
  void PlayClockStep();
  // This page's part of UpdateStatus: name label, grid, solved check,
  // buttons, alternatives.
  void UpdatePlayNSolveStatus();
  // The display set for the current board side: grid menu, strip, icons.
  void ApplyDisplaySet();

  // --- Grid input ---
  void NovletGridKeyUp(QObject* sender, int key, TShiftState shift);
  void NovletGridPopupMenuClick(QAction* item);
  void DisplaySetImgMouseUp(QObject* sender, Qt::MouseButton button, TShiftState shift, int x, int y);
  void NovletGridSelectCell(QObject* sender, int column, int row, bool& canSelect);
  void NovletGridMouseUp(QObject* sender, QMouseEvent* event);
  void NovletGridShowAlternatives(QLabel* label, QLabel* image, const std::string& alternatives);

  // --- Aids ---
  void PlayNSolveUndoBtnClick();
  void PlayNSolveHintBtnClick();
  void PlayNSolveErrorsBtnClick();
  void PlayNSolveSolutionBtnClick();
  void SolutionsPopupClick(QObject* sender);
  void SolutionsPopupMenuClick(QAction* item);

  // --- The page in the window ---
  void Translate() override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;
  void ShowSolutionChoices(int menuItems, const std::string& countSuffix) override;
  std::vector<TBaseBtn*> SmallButtons() const override;

  // What the page takes from outside, replaceable for tests: the clock's
  // "now", the pause between the steps of a flash, and the name-entry boxes.
  void SetTimeSource(TTimeSource timeSource) { now_ = std::move(timeSource); }
  void SetFlashWait(std::function<void(int milliseconds)> wait) { flashWait_ = std::move(wait); }
  void SetNameEntryDialogs(TNameEntryDialogs dialogs) { nameEntryDialogs_ = std::move(dialogs); }

 private:
  struct TTaggedControl {
    QWidget* Control;
    int Tag;
    QString Caption;
    QString Hint;
  };

  TRunState& Run() const;
  void CreateControls();
  TBaseBtn* CreateButton(int top, int tag, const QString& caption, const QString& hint);
  QLabel* CreateLabel(const QRect& geometry, const QString& name, bool bold);
  void SetBoxShape(int boxWidth, int boxHeight);
  void ResetSolutionChoices();
  void SetPauseCaption(int tag);
  QString TimeCaption() const;
  QString LevelCaption(int level) const;
  void ShowGauge(const QColor& color, int progress);
  // The cell (1-based) is a given of the puzzle.
  bool IsGiven(int column, int row) const;
  bool InsideBoard(int column, int row) const;
  void PlayKeyUp(int key, TShiftState shift);
  // Shows `shown` and `final` in turn in a cell, the window living on; false
  // when the game changed meanwhile and the flash was given up.
  bool FlashCell(int column, int row, const std::string& shown, const std::string& final);
  void SetGridEnabled(bool enabled);

  TNovletGrid* grid_ = nullptr;
  TBaseBtn* newBtn_ = nullptr;
  TBaseBtn* saveBtn_ = nullptr;
  TBaseBtn* pauseBtn_ = nullptr;
  TBaseBtn* printBtn_ = nullptr;
  TBaseBtn* clipboardBtn_ = nullptr;
  TBaseBtn* restartBtn_ = nullptr;
  TBaseBtn* undoBtn_ = nullptr;
  TBaseBtn* hintBtn_ = nullptr;
  TBaseBtn* errorsBtn_ = nullptr;
  TBaseBtn* solutionBtn_ = nullptr;
  QLabel* timeLbl_ = nullptr;
  QLabel* levelLbl_ = nullptr;
  QLabel* fileNameLbl_ = nullptr;
  QLabel* alternativesLbl_ = nullptr;
  QLabel* alternativesImg_ = nullptr;
  TPieGauge* gauge_ = nullptr;
  TGridSymbolStrip* strip_ = nullptr;
  TGridShapeMenu* shapeMenu_ = nullptr;
  TGridPopupMenu* gridMenu_ = nullptr;
  QMenu* solutionsMenu_ = nullptr;
  std::vector<TTaggedControl> taggedControls_;

  TTimeSource now_ = SystemTimeSource();
  std::function<void(int)> flashWait_;
  TNameEntryDialogs nameEntryDialogs_;
  // Counts the games begun and ended, so that a flash that let a New, a load
  // or the end of the game run in between stops touching the grid.
  int gameSerial_ = 0;
  bool flashRunning_ = false;
  QString savedLevelCaption_;
};

}  // namespace novlet
