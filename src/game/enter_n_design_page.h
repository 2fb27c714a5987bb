// The "Enter & Design" page: a view of its design session, with the grid,
// the design buttons, the validation and the alternatives of the design.
#pragma once

#include "game/grid_page.h"

#include <QElapsedTimer>

#include <optional>

#include "session/design_session.h"

namespace novlet {

class TEnterNDesignPage : public TGridPage {
  Q_OBJECT

 public:
  explicit TEnterNDesignPage(TPageHost& host);

  const TDesignSession& Session() const { return session_; }

  TBaseBtn* EnterNDesignPlayNSolveBtn() const { return playNSolveBtn_; }
  TBaseBtn* EnterNDesignModeBtn() const { return modeBtn_; }
  TBaseBtn* EnterNDesignCheckPuzzleBtn() const { return checkPuzzleBtn_; }
  TBaseBtn* EnterNDesignGenerateBtn() const { return generateBtn_; }
  TBaseBtn* EnterNDesignPuzzleBtn() const { return puzzleBtn_; }
  QAction* PasteItem() const { return pasteItem_; }

  void RefreshStatus() override;
  void Tick() override;
  void Translate() override;
  void ApplyOptions() override { ApplyDisplaySet(); }
  void OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode mode) override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;

 private:
  // The puzzle a running reduction has reached, drawn in place of the design.
  struct TReductionView {
    TCellTexts Texts;
    QElapsedTimer SinceRepaint;
  };

  TGridScene Scene() const override;
  std::string LastGameSection() const override;
  void GridKeyUp(int key, TShiftState shift) override;
  void NewClick(int boxWidth, int boxHeight) override;
  void ShowOpened(bool loaded) override;
  void SolutionsBtnAlone() override;
  void SolutionChosen() override;

  void CreateControls();
  // A puzzle on the clipboard becomes a new design in puzzle mode and is checked.
  void PasteClick();
  void PlayNSolveBtnClick();
  void GenerateBtnClick();
  void PuzzleBtnClick();
  void CompleteBtnClick();
  void GridDblClick();
  // An engine operation has ended: the gauge goes, the page shows the result.
  void EndOperation();
  void SetStateCaptions();
  QString ValidationText() const;

  TDesignSession session_;
  std::optional<TReductionView> reduction_;

  TBaseBtn* playNSolveBtn_ = nullptr;
  TBaseBtn* modeBtn_ = nullptr;
  TBaseBtn* checkPuzzleBtn_ = nullptr;
  TBaseBtn* generateBtn_ = nullptr;
  TBaseBtn* puzzleBtn_ = nullptr;
  QAction* pasteItem_ = nullptr;
};

}  // namespace novlet
