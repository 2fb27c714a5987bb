// What Play & Solve and Enter & Design share: a grid page, the view of one
// grid session.
#pragma once

#include "game/book_page.h"

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "game/grid_key_codes.h"
#include "render/display_set.h"
#include "render/grid_painter.h"
#include "session/grid_session.h"

class QAction;
class QLabel;
class QMenu;

namespace novlet {

class TBaseBtn;
class TGridPopupMenu;
class TGridShapeMenu;
class TGridSymbolStrip;
class TNovletGrid;
class TPieGauge;
class TSolutionsMenu;
struct TOutputSource;

// A base class rather than a composed view: the two pages answer the same
// page contract (Enter, Leave, the reductions, the scale) the same way, and
// their own parts are small overrides of it. Each page keeps its session,
// its last-game section, its buttons and its bottom labels.
class TGridPage : public TBookPage, protected TSessionHost {
  Q_OBJECT

 public:
  TNovletGrid* Grid() const { return grid_; }
  TGridSymbolStrip* Strip() const { return strip_; }
  TPieGauge* Gauge() const { return gauge_; }
  // Above the alternatives: the clock on Play & Solve, the mode on Enter & Design.
  QLabel* StatusLbl() const { return statusLbl_; }
  // Under the name: the level on Play & Solve, the verdict on Enter & Design;
  // a running reduction shows its progress there on both.
  QLabel* BottomLbl() const { return bottomLbl_; }
  QLabel* FileNameLbl() const { return fileNameLbl_; }
  QLabel* AlternativesLbl() const { return alternativesLbl_; }
  QLabel* AlternativesImg() const { return alternativesImg_; }
  TBaseBtn* NewBtn() const { return newBtn_; }
  TBaseBtn* SaveBtn() const { return saveBtn_; }
  TBaseBtn* PrintBtn() const { return printBtn_; }
  TBaseBtn* ClipboardBtn() const { return clipboardBtn_; }
  // Solution on Play & Solve, Complete on Enter & Design: the solutions menu
  // drops from it.
  TBaseBtn* SolutionsBtn() const { return solutionsBtn_; }
  TGridShapeMenu* NovletGridsPopupMenu() const { return shapeMenu_; }
  TGridPopupMenu* NovletGridPopupMenu() const { return gridMenu_; }
  QMenu* SolutionsPopupMenu() const;
  // The value the grid highlights until the next status refresh; 0 for none.
  int HighlightValue() const { return highlightValue_; }

  // A shape from the New menu: a new game or design, when the session allows one.
  void NovletGridsPopupMenuClick(int boxWidth, int boxHeight) { NewClick(boxWidth, boxHeight); }

  void Enter(bool alreadyShown) override;
  void Leave() override;
  bool StoreLastGame() override;
  void RefreshStatus() override;
  void Translate() override;
  void AfterScale() override;
  void BeginReduction() override;
  void ShowReductionProgress(const std::string& levelText, const TBoard& puzzle) override;
  void EndReduction() override;
  std::vector<TBaseBtn*> SmallButtons() const override { return smallButtons_; }
  TGameState SessionState() const override { return gridSession_.State(); }

 protected:
  // The object names of the page's own controls.
  struct TGridPageNames {
    const char* Prefix;  // "PlayNSolve": "PlayNSolveNovletGrid", ...
    const char* StatusLbl;
    const char* BottomLbl;
    int StripTag;
    int AlternativesTag;
    bool PencilNotes;
  };
  TGridPage(TPageHost& host, TPageKind kind, int headingTag, TGridSession& session);
  // The grid, its menus, the strip and the labels, the same on both pages.
  void CreateGridControls(const TGridPageNames& names);
  // The right-hand column; New, Save, Print, Clipboard and the solutions
  // button among them, which the page wires to the clicks below.
  void CreateGridButtons(std::initializer_list<TColumnButton> buttons);
  void NewBtnClick();
  void SaveBtnClick();
  void PrintBtnClick();
  void ClipboardBtnClick();
  void SolutionsPopupClick();

  // What the grid draws: the session's boards; a page adds its own state.
  virtual TGridScene Scene() const { return SceneOf(gridSession_.PuzzleTexts(), gridSession_.Grid()); }
  // The scene of these texts with the session's other boards and the page's look.
  TGridScene SceneOf(const TCellTexts& puzzleTexts, const TCellTexts& shownTexts) const;
  virtual std::string LastGameSection() const = 0;
  std::filesystem::path LastGameFile() const;
  // A key released on the grid, typed or from the menu or the strip.
  virtual void GridKeyUp(int key, TShiftState shift) = 0;
  virtual void NewClick(int boxWidth, int boxHeight) = 0;
  // The session has opened the last game (or failed to).
  virtual void ShowOpened(bool loaded) = 0;
  // The solutions button with no menu to offer.
  virtual void SolutionsBtnAlone() = 0;
  // A solution chosen from the menu was taken.
  virtual void SolutionChosen() {}

  // Stores the game; with askName the user names it first. False when
  // nothing was stored.
  bool SaveGame(const std::filesystem::path& file, const std::string& section, bool askName);
  TOutputSource OutputSource() const;
  // What a new game or design takes from the options, the account and the
  // window's language.
  TNewGameSettings NewGameSettings(int boxWidth, int boxHeight) const;
  // One tick of "Thinking" on the status label: the gauge turns by a tenth,
  // the label grows a dot up to four.
  void AnimateThinking(int thinkingTag);
  // The grid, the strip and the display set follow the session's board side.
  void FollowGridSize();
  void ApplyDisplaySet();
  void StateChanged() override;

  TDisplaySet displaySet_;
  TNovletGrid* grid_ = nullptr;
  TGridPopupMenu* gridMenu_ = nullptr;
  TPieGauge* gauge_ = nullptr;
  QLabel* bottomLbl_ = nullptr;
  TBaseBtn* newBtn_ = nullptr;
  TBaseBtn* saveBtn_ = nullptr;
  TBaseBtn* printBtn_ = nullptr;
  TBaseBtn* clipboardBtn_ = nullptr;
  TBaseBtn* solutionsBtn_ = nullptr;

 private:
  void StripClick(Qt::MouseButton button, TShiftState shift, int value);
  void GridMenuClick(QAction* item);
  void SelectCell(int column, int row);
  void GridMouseUp();
  void SolutionsPopupMenuClick(int number);
  void ShowAlternatives();
  void SetGridEnabled(bool enabled);

  TGridSession& gridSession_;
  bool pencilNotes_ = false;
  int alternativesTag_ = 0;
  int highlightValue_ = 0;
  QString savedBottomCaption_;
  std::vector<TBaseBtn*> smallButtons_;
  QLabel* statusLbl_ = nullptr;
  TGridSymbolStrip* strip_ = nullptr;
  QLabel* fileNameLbl_ = nullptr;
  QLabel* alternativesLbl_ = nullptr;
  QLabel* alternativesImg_ = nullptr;
  TGridShapeMenu* shapeMenu_ = nullptr;
  TSolutionsMenu* solutionsMenu_ = nullptr;
};

}  // namespace novlet
