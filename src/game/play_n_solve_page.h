// The "Play & Solve" page: a view of its play session, with the grid, the
// buttons, the clock and the aids.
#pragma once

#include "game/grid_page.h"

#include <optional>

#include "render/grid_look.h"
#include "session/play_session.h"

namespace novlet {

class TCellFlashAnimation;

class TPlayNSolvePage : public TGridPage {
  Q_OBJECT

 public:
  explicit TPlayNSolvePage(TPageHost& host);

  const TPlaySession& Session() const { return session_; }
  TCellFlashAnimation& CellFlash() const { return *flash_; }

  TBaseBtn* PlayNSolvePauseBtn() const { return pauseBtn_; }
  TBaseBtn* PlayNSolveRestartBtn() const { return restartBtn_; }
  TBaseBtn* PlayNSolveUndoBtn() const { return undoBtn_; }
  TBaseBtn* PlayNSolveHintBtn() const { return hintBtn_; }
  TBaseBtn* PlayNSolveErrorsBtn() const { return errorsBtn_; }
  QAction* ExplainItem() const { return explainItem_; }
  QLabel* PlayNSolveExplainLbl() const { return explainLbl_; }

  void PlayNSolvePauseBtnClick();

  void Leave() override;
  void RefreshStatus() override;
  void Tick() override;
  void Translate() override;
  void ApplyOptions() override;
  void OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode mode) override;

 private:
  TGridScene Scene() const override;
  std::string LastGameSection() const override;
  void GridKeyUp(int key, TShiftState shift) override;
  void NewClick(int boxWidth, int boxHeight) override;
  void ShowOpened(bool loaded) override;
  void SolutionsBtnAlone() override;

  void CreateControls();
  void RestartBtnClick();
  // Explain: names and shows the next step from the player's position.
  void ExplainClick();
  void UndoBtnClick();
  void HintBtnClick();
  void ErrorsBtnClick();
  void ShowTime();
  void ShowLevel(int level);
  void ShowClock(const TClockDisplay& display);
  void ShowGauge(const QColor& color, int progress);
  void FlashCellChanged(int column, int row);
  // The explanation stays while the grid is as it was explained.
  bool ExplanationShown() const;
  void ShowExplanation();

  TPlaySession session_;
  TCellFlashAnimation* flash_ = nullptr;
  std::optional<TExplanation> explanation_;
  TCellTexts explainedGrid_;
  TGridMarks explainMarks_;
  mutable TCellTexts flashGrid_;

  TBaseBtn* pauseBtn_ = nullptr;
  TBaseBtn* restartBtn_ = nullptr;
  TBaseBtn* undoBtn_ = nullptr;
  TBaseBtn* hintBtn_ = nullptr;
  TBaseBtn* errorsBtn_ = nullptr;
  QLabel* explainLbl_ = nullptr;
  QAction* explainItem_ = nullptr;
};

}  // namespace novlet
