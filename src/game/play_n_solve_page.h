// The "Play & Solve" page: a view of its play session, with the grid, the
// buttons, the clock and the aids.
#pragma once

#include "game/book_page.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/grid_key_codes.h"
#include "game/solutions_menu.h"
#include "render/display_set.h"
#include "render/grid_look.h"
#include "session/play_session.h"

class QAction;
class QLabel;

namespace novlet {

class TCellFlashAnimation;

class TBaseBtn;
class TGridPopupMenu;
class TGridShapeMenu;
class TGridSymbolStrip;
class TNovletGrid;
class TPieGauge;
struct TGridDrawInputs;

class TPlayNSolvePage : public TBookPage, private TSessionHost {
  Q_OBJECT

 public:
  explicit TPlayNSolvePage(TPageHost& host);

  const TPlaySession& Session() const { return session_; }
  TCellFlashAnimation& CellFlash() const { return *flash_; }

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
  QAction* ExplainItem() const { return explainItem_; }
  QLabel* PlayNSolveExplainLbl() const { return explainLbl_; }
  QMenu* SolutionsPopupMenu() const { return solutionsMenu_; }
  // The value the grid highlights until the next status refresh; 0 for none.
  int HighlightValue() const { return highlightValue_; }

  // The game.
  void NovletGridsPopupMenuClick(int boxWidth, int boxHeight);
  void PlayNSolveNewBtnClick(int boxWidth, int boxHeight);
  void LoadPlayGame(const std::filesystem::path& file, const std::string& section);
  // Stores the game; with askName the player names it first. False when
  // nothing was stored.
  bool SavePlayGame(const std::filesystem::path& file, const std::string& section, bool askName);
  void PlayNSolveSaveBtnClick();
  void PlayNSolvePauseBtnClick();
  void PlayNSolveRestartBtnClick();

  // Input.
  void NovletGridKeyUp(int key, TShiftState shift);
  void NovletGridPopupMenuClick(QAction* item);
  // Explain: names and shows the next step from the player's position.
  void PlayNSolveExplainClick();
  void DisplaySetImgMouseUp(Qt::MouseButton button, TShiftState shift, int value);
  void NovletGridSelectCell(int column, int row);
  void NovletGridMouseUp();

  // Aids.
  void PlayNSolveUndoBtnClick();
  void PlayNSolveHintBtnClick();
  void PlayNSolveErrorsBtnClick();
  void PlayNSolveSolutionBtnClick();
  void SolutionsPopupClick();
  void SolutionsPopupMenuClick(int number);

  // The page contract.
  void Enter(bool alreadyShown) override;
  bool Leave() override;
  bool StoreLastGame() override;
  void RefreshStatus() override;
  void Tick() override;
  void Translate() override;
  void ApplyOptions() override;
  void OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode mode) override;
  void AfterScale() override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;
  std::vector<TBaseBtn*> SmallButtons() const override;

 private:
  // TSessionHost: the session's long operations keep the window alive.
  void StateChanged() override;
  void LetEventsRun() override;

  void CreateControls();
  void ApplyDisplaySet();
  void CountAlternativesShown();
  void SetPauseCaption();
  void ShowTime();
  void ShowLevel(int level);
  void ShowClock(const TClockDisplay& display);
  void ShowGauge(const QColor& color, int progress);
  void SetGridEnabled(bool enabled);
  void FlashCellChanged(int column, int row);
  TGridDrawInputs DrawInputs() const;
  // The explanation stays while the grid is as it was explained.
  bool ExplanationShown() const;
  void ShowExplanation();
  // The page follows the game the session has just opened (or failed to).
  void ShowLoadedGame(bool loaded);
  // A game first stored gets the default name of its creation time.
  void NameIfUnnamed();
  bool OwnsGame() const;
  std::filesystem::path LastGameFile() const;
  std::string LastGameSection() const;

  TPlaySession session_;
  TDisplaySet displaySet_;
  int highlightValue_ = 0;
  TCellFlashAnimation* flash_ = nullptr;
  std::optional<TExplanation> explanation_;
  TCellTexts explainedGrid_;
  TGridMarks explainMarks_;
  mutable TCellTexts flashGrid_;
  QString savedLevelCaption_;

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
  QLabel* explainLbl_ = nullptr;
  QAction* explainItem_ = nullptr;
  QLabel* alternativesLbl_ = nullptr;
  QLabel* alternativesImg_ = nullptr;
  TPieGauge* gauge_ = nullptr;
  TGridSymbolStrip* strip_ = nullptr;
  TGridShapeMenu* shapeMenu_ = nullptr;
  TGridPopupMenu* gridMenu_ = nullptr;
  TSolutionsMenu* solutionsMenu_ = nullptr;
};

}  // namespace novlet
