// The "Enter & Design" page: a view of its design session, with the grid,
// the design buttons, the validation and the alternatives of the design.
#pragma once

#include "game/book_page.h"

#include <QElapsedTimer>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/grid_key_codes.h"
#include "game/solutions_menu.h"
#include "render/display_set.h"
#include "session/design_session.h"

class QAction;
class QLabel;

namespace novlet {

class TBaseBtn;
class TGridPopupMenu;
class TGridShapeMenu;
class TGridSymbolStrip;
class TNovletGrid;
class TPieGauge;
struct TGridDrawInputs;

class TEnterNDesignPage : public TBookPage, private TSessionHost {
  Q_OBJECT

 public:
  explicit TEnterNDesignPage(TPageHost& host);

  const TDesignSession& Session() const { return session_; }

  TNovletGrid* EnterNDesignNovletGrid() const { return grid_; }
  TBaseBtn* EnterNDesignNewBtn() const { return newBtn_; }
  TBaseBtn* EnterNDesignSaveBtn() const { return saveBtn_; }
  TBaseBtn* EnterNDesignPlayNSolveBtn() const { return playNSolveBtn_; }
  TBaseBtn* EnterNDesignPrintBtn() const { return printBtn_; }
  TBaseBtn* EnterNDesignClipboardBtn() const { return clipboardBtn_; }
  TBaseBtn* EnterNDesignModeBtn() const { return modeBtn_; }
  TBaseBtn* EnterNDesignCheckPuzzleBtn() const { return checkPuzzleBtn_; }
  TBaseBtn* EnterNDesignGenerateBtn() const { return generateBtn_; }
  TBaseBtn* EnterNDesignPuzzleBtn() const { return puzzleBtn_; }
  TBaseBtn* EnterNDesignCompleteBtn() const { return completeBtn_; }
  QLabel* EnterNDesignStatusLbl() const { return statusLbl_; }
  QLabel* EnterNDesignValidateLbl() const { return validateLbl_; }
  QLabel* EnterNDesignAlternativesLbl() const { return alternativesLbl_; }
  QLabel* EnterNDesignAlternativesImg() const { return alternativesImg_; }
  QLabel* EnterNDesignFileNameLbl() const { return fileNameLbl_; }
  TPieGauge* EnterNDesignGauge() const { return gauge_; }
  TGridSymbolStrip* EnterNDesignDisplaySetImg() const { return strip_; }
  TGridShapeMenu* NovletGridsPopupMenu() const { return shapeMenu_; }
  TGridPopupMenu* NovletGridPopupMenu() const { return gridMenu_; }
  QMenu* SolutionsPopupMenu() const { return solutionsMenu_; }
  QAction* PasteItem() const { return pasteItem_; }
  // The value the grid highlights until the next status refresh; 0 for none.
  int HighlightValue() const { return highlightValue_; }

  // The design.
  void NovletGridsPopupMenuClick(int boxWidth, int boxHeight);
  void EnterNDesignNewBtnClick(int boxWidth, int boxHeight);
  // Opens the design stored in the section; a missing section leaves the
  // page without a design.
  void LoadDesign(const std::filesystem::path& file, const std::string& section);
  // Stores the design; with askName the user names it first. False when
  // nothing was stored.
  bool SaveDesign(const std::filesystem::path& file, const std::string& section, bool askName);
  void EnterNDesignSaveBtnClick();
  void EnterNDesignPlayNSolveBtnClick();
  void EnterNDesignModeBtnClick();
  void EnterNDesignCheckPuzzleBtnClick();
  void EnterNDesignGenerateBtnClick();
  void EnterNDesignPuzzleBtnClick();
  void EnterNDesignCompleteBtnClick();
  void EnterNDesignPrintBtnClick();
  void EnterNDesignClipboardBtnClick();
  // A puzzle on the clipboard, in any of the common text forms, becomes a
  // new design in puzzle mode and is checked.
  void EnterNDesignPasteClick();
  void SolutionsPopupClick();
  void SolutionsPopupMenuClick(int number);

  // Input.
  void NovletGridKeyUp(int key, TShiftState shift);
  void NovletGridPopupMenuClick(QAction* item);
  void DisplaySetImgMouseUp(Qt::MouseButton button, TShiftState shift, int value);
  void NovletGridSelectCell(int column, int row);
  void NovletGridMouseUp();
  void NovletGridDblClick();

  // The page contract.
  void Enter(bool alreadyShown) override;
  bool Leave() override;
  bool StoreLastGame() override;
  void RefreshStatus() override;
  void Tick() override;
  void Translate() override;
  void ApplyOptions() override;
  void AfterScale() override;
  void OpenStoredPuzzle(const std::filesystem::path& file, const std::string& section, TOpenMode mode) override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;
  std::vector<TBaseBtn*> SmallButtons() const override;

 private:
  // The puzzle a running reduction has reached, drawn in place of the design.
  struct TReductionView {
    TCellTexts Texts;
    QElapsedTimer SinceRepaint;
  };

  // TSessionHost: the session's long operations keep the window alive.
  void StateChanged() override;
  void LetEventsRun() override;

  void CreateControls();
  void CreateButtons();
  void CreateLabels();
  // The grid, the strip and the display set follow the session's board side.
  void FollowGridSize();
  void ApplyDisplaySet();
  // An engine operation has ended: the gauge goes, the page shows the result.
  void EndOperation();
  void SetGridEnabled(bool enabled);
  void SetStateCaptions();
  QString ValidationText() const;
  void ShowAlternatives();
  TGridDrawInputs DrawInputs() const;
  std::filesystem::path LastDesignFile() const;
  std::string LastDesignSection() const;

  TDesignSession session_;
  TDisplaySet displaySet_;
  int highlightValue_ = 0;
  std::optional<TReductionView> reduction_;
  QString savedValidateCaption_;

  TNovletGrid* grid_ = nullptr;
  TBaseBtn* newBtn_ = nullptr;
  TBaseBtn* saveBtn_ = nullptr;
  TBaseBtn* playNSolveBtn_ = nullptr;
  TBaseBtn* printBtn_ = nullptr;
  TBaseBtn* clipboardBtn_ = nullptr;
  TBaseBtn* modeBtn_ = nullptr;
  TBaseBtn* checkPuzzleBtn_ = nullptr;
  TBaseBtn* generateBtn_ = nullptr;
  TBaseBtn* puzzleBtn_ = nullptr;
  TBaseBtn* completeBtn_ = nullptr;
  QLabel* statusLbl_ = nullptr;
  QLabel* validateLbl_ = nullptr;
  QLabel* alternativesLbl_ = nullptr;
  QLabel* alternativesImg_ = nullptr;
  QLabel* fileNameLbl_ = nullptr;
  TPieGauge* gauge_ = nullptr;
  TGridSymbolStrip* strip_ = nullptr;
  TGridShapeMenu* shapeMenu_ = nullptr;
  TGridPopupMenu* gridMenu_ = nullptr;
  QAction* pasteItem_ = nullptr;
  TSolutionsMenu* solutionsMenu_ = nullptr;
};

}  // namespace novlet
