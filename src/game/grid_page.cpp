// The grid page: the controls and flows both game pages share, each asking
// its grid session what the state allows.
#include "game/grid_page.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <vector>

#include "engine/board_text.h"
#include "engine/cell_text.h"
#include "game/frame_look.h"
#include "game/grid_popup_menu.h"
#include "game/grid_shape_menu.h"
#include "game/grid_symbol_strip.h"
#include "game/month_names.h"
#include "game/name_entry.h"
#include "game/novlet_grid.h"
#include "game/page_controls.h"
#include "game/page_output.h"
#include "game/pie_gauge.h"
#include "game/run_folders.h"
#include "game/solutions_menu.h"
#include "game/store_messages.h"
#include "render/grid_look.h"
#include "session/key_map.h"
#include "store/language/text_ids.h"
#include "store/options_record.h"
#include "store/puzzle_naming.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

// The right column at base size, inside the page area of 412 x 363.
constexpr int kColumnLeft = 272;
constexpr int kColumnWidth = 128;
constexpr int kButtonLeft = 294;

}  // namespace

TGridPage::TGridPage(TPageHost& host, TPageKind kind, int headingTag, TGridSession& session)
    : TBookPage(host, kind, headingTag), gridSession_(session) {}

QMenu* TGridPage::SolutionsPopupMenu() const { return solutionsMenu_; }

void TGridPage::CreateGridControls(const TGridPageNames& names) {
  const QString prefix = QString::fromLatin1(names.Prefix);
  pencilNotes_ = names.PencilNotes;
  alternativesTag_ = names.AlternativesTag;
  grid_ = new TNovletGrid(this);
  grid_->setObjectName(prefix + QStringLiteral("NovletGrid"));
  grid_->setGeometry(kPageGridLeft, kPageGridTop, kPageGridSide, kPageGridSide);
  grid_->SetGridSize(gridSession_.GridSize());
  grid_->SetScene([this] { return Scene(); });
  connect(grid_, &TNovletGrid::keyReleased, this, [this](int key, TShiftState shift) { GridKeyUp(key, shift); });
  connect(grid_, &TNovletGrid::selecting, this, &TGridPage::SelectCell);
  connect(grid_, &TNovletGrid::mouseReleased, this, &TGridPage::GridMouseUp);

  gridMenu_ = new TGridPopupMenu(this);
  gridMenu_->setObjectName(QStringLiteral("NovletGridPopupMenu"));
  gridMenu_->SetPencilNoteVisible(pencilNotes_);
  connect(gridMenu_, &TGridPopupMenu::itemClicked, this, &TGridPage::GridMenuClick);
  grid_->SetPopupMenu(gridMenu_);
  gridMenu_->addSeparator();

  strip_ = new TGridSymbolStrip(this);
  strip_->setObjectName(prefix + QStringLiteral("DisplaySetImg"));
  // Seven pixels to the left, the strip's digits stand under the columns.
  strip_->setGeometry(kPageGridLeft - 7, kPageGridTop + kPageGridSide + 8, 255, 16);
  strip_->setFont(FrameFont(11, false));
  strip_->SetFillColor(QColor(0xfa, 0xf6, 0xee));
  strip_->SetDisplaySet(&displaySet_);
  connect(strip_, &TGridSymbolStrip::valueClicked, this, &TGridPage::StripClick);
  AddTagged(strip_, names.StripTag);

  gauge_ = new TPieGauge(this);
  gauge_->setObjectName(prefix + QStringLiteral("Gauge"));
  gauge_->setGeometry(kColumnLeft, 260, 18, 18);
  gauge_->SetMaxValue(kGaugeMaximum);
  gauge_->hide();
  statusLbl_ = CreatePageLabel(this, QString::fromLatin1(names.StatusLbl),
                               QRect(kColumnLeft + 22, 260, kColumnWidth - 22, 18), true);
  alternativesLbl_ = CreatePageLabel(this, prefix + QStringLiteral("AlternativesLbl"),
                                     QRect(kColumnLeft, 284, kColumnWidth, 34), false);
  alternativesLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  alternativesLbl_->setWordWrap(true);
  alternativesLbl_->setText(Host().Text(alternativesTag_));
  alternativesImg_ = new QLabel(this);
  alternativesImg_->setObjectName(prefix + QStringLiteral("AlternativesImg"));
  alternativesImg_->setGeometry(kColumnLeft, 300, 100, 20);
  alternativesImg_->hide();
  fileNameLbl_ = CreatePageLabel(this, prefix + QStringLiteral("FileNameLbl"),
                                 QRect(kPageGridLeft, 314, kPageGridSide, 18), true);
  bottomLbl_ = CreatePageLabel(this, QString::fromLatin1(names.BottomLbl),
                               QRect(kPageGridLeft, 332, kPageGridSide + kColumnWidth, 18), false);

  shapeMenu_ = new TGridShapeMenu(this);
  shapeMenu_->setObjectName(QStringLiteral("NovletGridsPopupMenu"));
  connect(shapeMenu_, &TGridShapeMenu::shapeChosen, this, &TGridPage::NovletGridsPopupMenuClick);
  solutionsMenu_ = new TSolutionsMenu(this);
  connect(solutionsMenu_, &TSolutionsMenu::solutionChosen, this, &TGridPage::SolutionsPopupMenuClick);
}

void TGridPage::CreateGridButtons(std::initializer_list<TColumnButton> buttons) {
  CreateButtonColumn(kButtonLeft, buttons);
  for (const TColumnButton& button : buttons) smallButtons_.push_back(button.Button);
}

void TGridPage::NewBtnClick() { shapeMenu_->popup(newBtn_->mapToGlobal(QPoint(0, newBtn_->height()))); }

void TGridPage::PrintBtnClick() { PrintGrid(Host(), OutputSource()); }

void TGridPage::ClipboardBtnClick() { CopyGridToClipboard(Host(), OutputSource()); }

TGridScene TGridPage::SceneOf(const TCellTexts& puzzleTexts, const TCellTexts& shownTexts) const {
  TGridPaintState state;
  state.OutputCapture = Host().WindowState().Has(TGameFlag::OutputCapture);
  state.HighlightValue = highlightValue_;
  return {gridSession_.Geometry(), gridSession_.Solution(), puzzleTexts, shownTexts, displaySet_,
          GridLookOf(Host().Options(), Host().ScreenMode()), state};
}

TNewGameSettings TGridPage::NewGameSettings(int boxWidth, int boxHeight) const {
  const TOptions& options = Host().Options();
  TNewGameSettings settings;
  settings.BoxWidth = boxWidth;
  settings.BoxHeight = boxHeight;
  settings.Level = options.Level;
  settings.TimeLimited = options.TimeLimited;
  settings.PlayTimeLimit = options.PlayTimeLimit;
  settings.UserName = Host().UserName();
  settings.MonthNames = MonthNames(Host().Texts());
  return settings;
}

TOutputSource TGridPage::OutputSource() const {
  return {grid_, [this] { return Scene(); }, FromStd(gridSession_.Record().Name)};
}

std::filesystem::path TGridPage::LastGameFile() const { return Host().Folders().Data.OptionsFile; }

void TGridPage::StateChanged() {
  FollowGridSize();
  Host().UpdateStatus();
}

void TGridPage::FollowGridSize() {
  if (grid_->ColCount() == gridSession_.GridSize() && displaySet_.GridSize() == gridSession_.GridSize()) return;
  grid_->SetGridSize(gridSession_.GridSize());
  ApplyDisplaySet();
}

// --- Saving ---

bool TGridPage::SaveGame(const std::filesystem::path& file, const std::string& section, bool askName) {
  const TWindowFlagHold nameEntry(Host(), TGameFlag::NameEntryOpen);
  if (!nameEntry.Held()) return false;
  Host().UpdateStatus();
  const TGeometry& shape = gridSession_.Geometry();
  gridSession_.NameIfUnnamed(NewGameSettings(shape.BoxWidth, shape.BoxHeight));
  std::string target = section.empty() ? gridSession_.Record().Name : section;
  bool store = true;
  if (askName) {
    const std::optional<std::string> named = RunNameEntryFlow(file, target, Host().UserName(),
                                                               gridSession_.Record().Name, Host().Dialogs(), Host().Texts());
    store = named.has_value();
    if (named && *named != target) {
      gridSession_.SetName(*named);
      target = *named;
    }
  }
  if (store) {
    TStoreResult result = EnsureDataFolder(Host().Folders().Data);
    if (result.Ok) result = WritePuzzleRecord(file, target, gridSession_.RecordToStore());
    if (!result.Ok) Host().Dialogs().Tell(StoreMessageText(result.Message, Host().Texts()), Host().Text(TextId::Ok));
    store = result.Ok;
  }
  return store;
}

void TGridPage::SaveBtnClick() {
  if (!gridSession_.CanSave()) return;
  gridSession_.PrepareSave();
  SaveGame(Host().Folders().Data.CollectionFile, gridSession_.Record().Name, true);
  Host().UpdateStatus();
}

// --- Input ---

void TGridPage::GridMenuClick(QAction* item) {
  const int c = grid_->SelectedColumn();
  const int r = grid_->SelectedRow();
  if (!item || !gridSession_.MenuAllowedAt(c, r)) return;
  const QString name = item->objectName();
  GridKeyUp(GridMenuItemKey(name), name.contains('P') ? TShiftState(TShift::Ctrl) : TShiftState());
}

void TGridPage::StripClick(Qt::MouseButton button, TShiftState shift, int value) {
  if (gridSession_.State().Has(TGameFlag::Thinking) || button != Qt::LeftButton || value < 1) return;
  if (shift.testFlag(TShift::Shift)) {
    highlightValue_ = value;
    grid_->Repaint();
    return;
  }
  GridKeyUp(ValueKeyCode(value), shift);
}

void TGridPage::SelectCell(int column, int row) {
  grid_->SetPopupAllowed(gridSession_.MenuAllowedAt(column + 1, row + 1));
  Host().UpdateStatus();
}

void TGridPage::GridMouseUp() {
  grid_->Repaint();
  gridSession_.CountAlternativesShown(grid_->SelectedColumn(), grid_->SelectedRow());
  Host().UpdateStatus();
}

void TGridPage::SolutionsPopupClick() {
  if (solutionsMenu_->isEmpty()) {
    SolutionsBtnAlone();
    return;
  }
  solutionsMenu_->popup(solutionsBtn_->mapToGlobal(QPoint(0, solutionsBtn_->height())));
}

void TGridPage::SolutionsPopupMenuClick(int number) {
  if (!gridSession_.ChooseSolution(number)) return;
  SolutionChosen();
  grid_->Repaint();
  Host().UpdateStatus();
}

// --- What the page shows ---

void TGridPage::SetGridEnabled(bool enabled) {
  if (grid_->isEnabled() == enabled) return;
  grid_->setEnabled(enabled);
  // Back from a pause or a long operation, the keys go to the grid again.
  if (enabled && isVisible()) grid_->setFocus();
}

// The selected cell's candidates under the caption: as the digits its text
// holds, as the display set's symbols, or, with an icon set on a board of
// side 9 or less, as icons beside the label, nine pixels apart.
void TGridPage::ShowAlternatives() {
  alternativesLbl_->setEnabled(gridSession_.CanShowAlternatives());
  const std::optional<std::string> alternatives =
      gridSession_.AlternativesShown(grid_->SelectedColumn(), grid_->SelectedRow());
  const QString caption = Host().Text(alternativesTag_);
  alternativesImg_->hide();
  alternativesLbl_->setText(caption);
  if (!alternatives) return;
  const int n = gridSession_.GridSize();
  const std::vector<int> values = ListedValues(*alternatives, n);
  if (n <= 9 && displaySet_.UsesIcons()) {
    // The icons stand on the page itself, which the skin paints.
    QPixmap picture(alternativesImg_->size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    int shown = 0;
    for (int value : values)
      if (const QImage* icon = displaySet_.SmallIcon(value)) painter.drawImage(9 * shown++, 2, *icon);
    painter.end();
    alternativesImg_->setPixmap(picture);
    alternativesImg_->show();
    return;
  }
  if (n <= 9 && displaySet_.SelectedIndex() == 0) {
    const bool deduced = alternatives->find('$') != std::string::npos;
    alternativesLbl_->setText(caption + '\n' +
                              FromStd(deduced ? DecimalText(TextToValue(*alternatives)) : *alternatives));
    return;
  }
  QStringList symbols;
  for (int value : values) symbols << displaySet_.DisplaySetSymbol(value);
  alternativesLbl_->setText(caption + '\n' + symbols.join(','));
}

void TGridPage::RefreshStatus() {
  fileNameLbl_->setText(FromStd(BarePuzzleName(gridSession_.Record().Name)));
  SetGridEnabled(gridSession_.TakesInput());
  newBtn_->setEnabled(gridSession_.CanNew());
  for (TBaseBtn* button : {saveBtn_, printBtn_, clipboardBtn_}) button->setEnabled(gridSession_.CanSave());
  solutionsMenu_->Rebuild(gridSession_.SolutionChoices().MenuItems, Host().Text(TextId::Solution));
  highlightValue_ = 0;
  ShowAlternatives();
}

// --- The page in the window ---

void TGridPage::Enter(bool alreadyShown) {
  if (alreadyShown) return;
  grid_->SelectCell(0, 0);
  if (const std::optional<TNovletFileData> unstored = Host().TakeUnstored(LastGameFile(), LastGameSection()))
    ShowOpened(gridSession_.Resume(*unstored));
  else
    ShowOpened(gridSession_.Load(LastGameFile(), LastGameSection()));
}

void TGridPage::Leave() {
  if (!gridSession_.OwnsGame()) return;
  const TGeometry& shape = gridSession_.Geometry();
  gridSession_.NameIfUnnamed(NewGameSettings(shape.BoxWidth, shape.BoxHeight));
  Host().StoreAfterShowing(LastGameFile(), LastGameSection(), gridSession_.RecordToStore());
  gridSession_.Close();
}

bool TGridPage::StoreLastGame() {
  if (!gridSession_.OwnsGame()) return false;
  SaveGame(LastGameFile(), LastGameSection(), false);
  return true;
}

void TGridPage::Translate() {
  TBookPage::Translate();
  shapeMenu_->SetCaptions(Host().Text(TextId::PureShape), Host().Text(TextId::Variants));
  gridMenu_->SetPencilNoteCaption(Host().Text(TextId::PencilNote));
  solutionsMenu_->Rebuild(gridSession_.SolutionChoices().MenuItems, Host().Text(TextId::Solution));
}

void TGridPage::AfterScale() {
  strip_->SetScreenMode(Host().ScreenMode());
  strip_->update();
}

// The display-set option (its item found without regard to case, item 0 when
// none matches) fitted to the board's side. An icon set that fails to load
// falls back to "123456789", and the option follows.
void TGridPage::ApplyDisplaySet() {
  const QStringList& list = Host().DisplaySetList();
  const QString wanted = FromStd(Host().Options().DisplaySet);
  int index = 0;
  for (int i = 0; i < list.size(); ++i) {
    if (list[i].compare(wanted, Qt::CaseInsensitive) == 0) {
      index = i;
      break;
    }
  }
  const QString itemText = index < list.size() ? list[index] : kSymbolAlphabets.front();
  displaySet_.Apply(index, itemText, gridSession_.GridSize(), FromStd(Host().Folders().DisplaySetsFolder().string()));
  // Changed only when it differs, so the second round of applying ends there.
  const std::string shown = displaySet_.DisplaySet().toStdString();
  if (Host().Options().DisplaySet != shown)
    Host().ChangeOptions([&shown](TOptions& options) { options.DisplaySet = shown; });
  gridSession_.SetDisplaySetIndex(displaySet_.SelectedIndex());
  gridMenu_->ApplyDisplaySet(displaySet_);
  gridMenu_->SetPencilNoteVisible(pencilNotes_);
  AfterScale();
  grid_->update();
}

void TGridPage::AnimateThinking(int thinkingTag) {
  if (gauge_->isHidden()) {
    gauge_->SetProgress(0);
    gauge_->show();
  }
  if (gauge_->ForeColor() != QColor(Qt::black)) gauge_->SetForeColor(Qt::black);
  gauge_->SetProgress(gauge_->Progress() + 1 > gauge_->MaxValue() ? 0 : gauge_->Progress() + 6);
  const QString thinking = Host().Text(thinkingTag);
  QString text = statusLbl_->text();
  if (!text.contains(thinking)) {
    statusLbl_->setText(thinking);
    return;
  }
  text += QStringLiteral(" .");
  statusLbl_->setText(text.contains(QStringLiteral(" . . . . .")) ? thinking : text);
}

void TGridPage::BeginReduction() { savedBottomCaption_ = bottomLbl_->text(); }

void TGridPage::ShowReductionProgress(const std::string& levelText, const TBoard&) {
  const QString text = FromStd(levelText);
  if (bottomLbl_->text() != text) bottomLbl_->setText(text);
}

void TGridPage::EndReduction() { bottomLbl_->setText(savedBottomCaption_); }

}  // namespace novlet
