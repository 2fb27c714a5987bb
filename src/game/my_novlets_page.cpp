// The "My Novlets" page: the list of the account's puzzles, their details,
// and what the page's buttons ask of the store and of the other pages.
#include "game/my_novlets_page.h"

#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QToolTip>

#include <algorithm>

#include "engine/board_text.h"
#include "game/frame_look.h"
#include "game/month_names.h"
#include "game/name_entry.h"
#include "game/page_controls.h"
#include "game/run_folders.h"
#include "game/store_messages.h"
#include "render/booklet.h"
#include "render/grid_look.h"
#include "render/grid_output.h"
#include "store/collection_transfer.h"
#include "store/language/text_ids.h"
#include "store/options_record.h"
#include "store/puzzle_naming.h"
#include "store/transfer_notice.h"
#include "ui/base_btn.h"
#include "ui/dialogs.h"
#include "ui/std_text.h"

namespace novlet {
namespace {

// Layout at base size, inside the page area of 412 x 363: the list with the
// details under it on the left, the buttons in four groups on the right.
constexpr int kListLeft = 12;
constexpr int kListTop = 34;
constexpr int kListWidth = 278;
constexpr int kListHeight = 192;
constexpr int kDataTop = 234;
constexpr int kDataWidth = 388;
constexpr int kDataHeight = 122;
// Wider than the other pages' buttons: "Replay & Solve" must fit.
constexpr int kButtonLeft = 300;
constexpr int kButtonWidth = 100;

const QString kExportSuffix = QStringLiteral("cnf");
const QString kCollectionFiles = QStringLiteral("*.cnf");

// A chooser's file type: its name in the window's language, its patterns as they are.
QString FileType(const TPageServices& host, int nameId, const QString& patterns) {
  return host.Text(nameId) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::filesystem::path PathOf(const QString& text) { return std::filesystem::path(text.toStdString()); }

// The details label: its two rows of counters stand in three columns, so
// its tab stops divide the label's width in three at every screen size.
class TDetailsLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(kCreamText);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTabStopDistance(width() / 3.0);
    painter.drawText(QRectF(rect()), text(), option);
  }
};

}  // namespace

TMyNovletsPage::TMyNovletsPage(TPageHost& host)
    : TBookPage(host, TPageKind::MyNovlets, TextId::MyNovletsHeader), session_(host.Folders().Data, host.UserName()) {
  CreateControls();
}

void TMyNovletsPage::CreateControls() {
  CreateBookletMenu();
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("MyNovletsList"));
  list_->setGeometry(kListLeft, kListTop, kListWidth, kListHeight);
  list_->setFont(FrameFont(11, false));
  list_->setUniformItemSizes(true);
  // Several puzzles are chosen together for a booklet; the other buttons act
  // on one.
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setTextElideMode(Qt::ElideMiddle);
  // The slate of the window's panels, with the cream of its captions.
  list_->setStyleSheet(QStringLiteral(
      "QListWidget { background: #26364c; color: %1; border: 1px solid #7d98bd; outline: none; }"
      "QListWidget::item { padding: 1px 3px; border: none; }"
      "QListWidget::item:selected { background: #7d98bd; color: #101620; border: none; }")
                           .arg(kCreamText.name()));
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { MyNovletsListClick(); });
  list_->viewport()->installEventFilter(this);

  dataLbl_ = new TDetailsLabel(this);
  dataLbl_->setObjectName(QStringLiteral("MyNovletsDataLbl"));
  dataLbl_->setGeometry(kListLeft, kDataTop, kDataWidth, kDataHeight);
  dataLbl_->setFont(FrameFont(11, false));
  dataLbl_->setWordWrap(true);

  CreateButtonColumn(
      kButtonLeft,
      {
          {renameBtn_, "MyNovletsRenameBtn", 34, TextId::Rename, [this] { MyNovletsRenameBtnClick(); }},
          {deleteBtn_, "MyNovletsDeleteBtn", 52, TextId::Delete, [this] { MyNovletsDeleteBtnClick(); }},
          {importBtn_, "MyNovletsImportBtn", 80, TextId::Import, [this] { MyNovletsImportBtnClick(); }},
          {exportBtn_, "MyNovletsExportBtn", 98, TextId::Export, [this] { MyNovletsExportBtnClick(); }},
          {exportAllBtn_, "MyNovletsExportAllBtn", 116, TextId::ExportAll, [this] { MyNovletsExportAllBtnClick(); }},
          {playNSolveBtn_, "MyNovletsPlayNSolveBtn", 144, TextId::CollectionPlayNSolve,
           [this] { MyNovletsPlayNSolveBtnClick(); }},
          {replayNSolveBtn_, "MyNovletsReplayNSolveBtn", 162, TextId::ReplayNSolve,
           [this] { MyNovletsReplayNSolveBtnClick(); }},
          {enterNDesignBtn_, "MyNovletsEnterNDesignBtn", 180, TextId::CollectionEnterNDesign,
           [this] { MyNovletsEnterNDesignBtnClick(); }},
          {backupAllBtn_, "MyNovletsBackupAllBtn", 208, TextId::BackupAll, [this] { MyNovletsBackupAllBtnClick(); }},
          {restoreAllBtn_, "MyNovletsRestoreAllBtn", 226, TextId::RestoreAll,
           [this] { MyNovletsRestoreAllBtnClick(); }},
          {bookletBtn_, "MyNovletsBookletBtn", 254, TextId::Booklet, [this] { MyNovletsBookletBtnClick(); }},
      });
  for (TBaseBtn* button : SmallButtons()) {
    button->resize(kButtonWidth, button->height());
    // The skin's faces are drawn for 85 pixels; they stretch to the width.
    button->SetGlyphStretched(true);
    button->SetGlyphWidth(1.0);
    button->SetGlyphHeight(1.0);
  }
}

void TMyNovletsPage::CreateBookletMenu() {
  bookletMenu_ = new QMenu(this);
  bookletMenu_->setObjectName(QStringLiteral("MyNovletsBookletMenu"));
  for (int perPage : {1, 2, 4, 6}) {
    QAction* item = bookletMenu_->addAction(QString());
    item->setData(perPage);
    connect(item, &QAction::triggered, this, [this, perPage] { PrintBooklet(perPage); });
  }
  bookletMenu_->addSeparator();
  bookletSolutions_ = bookletMenu_->addAction(QString());
  bookletSolutions_->setCheckable(true);
}

std::vector<TBaseBtn*> TMyNovletsPage::SmallButtons() const {
  return {renameBtn_,     deleteBtn_,      importBtn_,    exportBtn_,     exportAllBtn_, playNSolveBtn_,
          replayNSolveBtn_, enterNDesignBtn_, backupAllBtn_, restoreAllBtn_, bookletBtn_};
}

// A name too long for the list shows whole in a tool tip. It is measured
// when the tip is asked for, as measuring thousands of names at every fill
// would slow the list down.
bool TMyNovletsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list_->viewport() || event->type() != QEvent::ToolTip) return TBookPage::eventFilter(watched, event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QListWidgetItem* item = list_->itemAt(help->pos());
  const QRect shown = item ? list_->visualItemRect(item) : QRect();
  if (item && QFontMetrics(list_->font()).horizontalAdvance(item->text()) > shown.width() - 8)
    QToolTip::showText(help->globalPos(), item->text(), list_->viewport(), shown);
  else
    QToolTip::hideText();
  return true;
}

std::optional<std::string> TMyNovletsPage::SelectedName() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.size() != 1) return std::nullopt;
  const int row = list_->row(selected.front());
  const std::vector<std::string>& names = session_.Names();
  if (row < 0 || row >= static_cast<int>(names.size())) return std::nullopt;
  return names[static_cast<std::size_t>(row)];
}

std::vector<std::string> TMyNovletsPage::ChosenNames() const {
  const std::vector<std::string>& names = session_.Names();
  std::vector<std::string> chosen;
  for (int row = 0; row < list_->count() && row < static_cast<int>(names.size()); ++row)
    if (list_->item(row)->isSelected()) chosen.push_back(names[static_cast<std::size_t>(row)]);
  return chosen;
}

// --- The list and the details ---

void TMyNovletsPage::FillCollectionList() {
  // Another account may have logged on since.
  session_ = TCollectionSession(Host().Folders().Data, Host().UserName());
  session_.Reload();
  ShowList();
}

void TMyNovletsPage::ShowList() {
  QStringList items;
  items.reserve(static_cast<qsizetype>(session_.Names().size()));
  for (const std::string& name : session_.Names()) items << FromStd(name);
  {
    const QSignalBlocker quiet(list_);
    list_->clear();
    list_->addItems(items);
    list_->setCurrentRow(items.isEmpty() ? -1 : 0);
  }
  MyNovletsListClick();
}

void TMyNovletsPage::MyNovletsListClick() {
  session_.Select(SelectedName());
  ShowEntry();
}

void TMyNovletsPage::ShowEntry() {
  ShowDetails();
  Host().UpdateStatus();
}

void TMyNovletsPage::ShowDetails() {
  const TCollectionEntry& entry = session_.SelectedEntry();
  if (!entry.Found) {
    dataLbl_->clear();
  } else if (!entry.Readable) {
    dataLbl_->setText(Host().Text(TextId::DamagedPuzzle));
  } else {
    const std::array<std::string, 12> months = MonthNames(Host().Texts());
    std::array<std::string_view, 12> monthViews;
    std::copy(months.begin(), months.end(), monthViews.begin());
    const TDetailsLanguage language =
        DetailsLanguage([this](int id) { return Host().Texts().Text(id); }, monthViews);
    dataLbl_->setText(FromStd(PuzzleDetailsText(entry.Record, language)));
  }
}

// --- Rename and Delete ---

void TMyNovletsPage::MyNovletsRenameBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  const std::optional<std::string> oldName = SelectedName();
  if (!flow.Held() || !oldName) return;
  // The record as the selection read it spares the user a name asked for
  // nothing.
  if (session_.SelectedDamaged()) {
    Tell(Host().Texts().Text(TextId::DamagedPuzzle));
    return;
  }
  const std::string section = session_.SectionOf(*oldName);
  const std::optional<std::string> newSection = RunNameEntryFlow(session_.CollectionFile(), section, Host().UserName(),
                                                                 section, Host().Dialogs(), Host().Texts());
  if (!newSection) return;
  // The name box has asked before replacing another puzzle.
  const TRenameOutcome outcome =
      session_.Rename(*oldName, newSection->substr(AccountPrefix(Host().UserName()).size()), true);
  if (outcome.Kind != TRenameOutcome::TKind::Renamed) {
    Tell(outcome.Kind == TRenameOutcome::TKind::Damaged ? Host().Texts().Text(TextId::DamagedPuzzle)
                                                        : outcome.Result.Message);
    return;
  }
  const QSignalBlocker quiet(list_);
  for (const std::size_t row : outcome.RemovedRows) delete list_->takeItem(static_cast<int>(row));
  const int row = static_cast<int>(outcome.Row);
  list_->insertItem(row, FromStd(session_.Names()[outcome.Row]));
  list_->setCurrentRow(row);
  ShowEntry();
}

void TMyNovletsPage::MyNovletsDeleteBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  const std::optional<std::string> name = SelectedName();
  if (!flow.Held() || !name) return;
  const QString question = Host().Text(TextId::DeleteQuestion).replace(QStringLiteral("%1"), FromStd(*name));
  if (!Host().Dialogs().Ask(question, Host().Text(TextId::NameYes), Host().Text(TextId::NameNo))) return;
  const std::optional<std::size_t> row = session_.RowOf(*name);
  const TStoreResult result = session_.Delete(*name);
  if (!result) {
    Tell(result.Message);
    return;
  }
  const QSignalBlocker quiet(list_);
  if (row) delete list_->takeItem(static_cast<int>(*row));
  list_->setCurrentRow(session_.Names().empty() ? -1 : 0);
  MyNovletsListClick();
}

// --- The hand-overs ---

void TMyNovletsPage::HandOver(TPageKind kind, TOpenMode mode) {
  const std::optional<std::string> name = SelectedName();
  if (!name) return;
  switch (session_.CheckHandOver(*name)) {
    case THandOver::Gone:
      // Changed behind the page's back: show the collection as it now is.
      ShowList();
      return;
    case THandOver::Damaged:
      Tell(Host().Texts().Text(TextId::DamagedPuzzle));
      return;
    case THandOver::Open:
      Host().OpenStoredPuzzle(kind, session_.CollectionFile(), session_.SectionOf(*name), mode);
      return;
  }
}

void TMyNovletsPage::MyNovletsPlayNSolveBtnClick() { HandOver(TPageKind::PlayNSolve, TOpenMode::Continue); }

void TMyNovletsPage::MyNovletsReplayNSolveBtnClick() { HandOver(TPageKind::PlayNSolve, TOpenMode::Replay); }

void TMyNovletsPage::MyNovletsEnterNDesignBtnClick() { HandOver(TPageKind::EnterNDesign, TOpenMode::Continue); }

// --- Import, export, backup and restore ---

// The data folder is the program's folder whenever that can be written, so
// the choosers start where the program keeps its files either way.
std::filesystem::path TMyNovletsPage::DialogFolder() const { return Host().Folders().Data.DataFolder; }

void TMyNovletsPage::MyNovletsImportBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  if (!flow.Held()) return;
  const QString chosen = Host().Dialogs().ChooseFileToOpen(
      Host().Text(TextId::ImportTitle), FromStd(DialogFolder().string()),
      {FileType(Host(), TextId::CollectionFileType, kCollectionFiles),
       FileType(Host(), TextId::TextPuzzlesFileType, QStringLiteral("*.txt *.sdk *.ss *.sdm"))});
  if (chosen.isEmpty() || !DataFolderReady()) {
    Host().UpdateStatus();
    return;
  }
  const std::filesystem::path source = PathOf(chosen);
  // The content decides, as puzzles come in files of every name.
  if (!IsCollectionFile(source)) {
    ImportTextFile(source);
    return;
  }
  const TTransferResult result = session_.Import(source);
  ShowList();
  TellOutcome(result, source);
}

// The box shape the user chose where the session asks: nothing for the
// usual one, false for Cancel.
bool TMyNovletsPage::ChooseTextShape(const std::filesystem::path& source, std::optional<TGeometry>& shape) {
  const std::optional<TShapeQuestion> question = session_.TextShapeQuestion(source);
  if (!question) return true;
  QStringList items;
  for (const TGeometry& g : question->Shapes) items << QStringLiteral("%1 x %2").arg(g.BoxWidth).arg(g.BoxHeight);
  const int usual = static_cast<int>(question->Usual);
  const std::optional<int> chosen =
      Host().Dialogs().ChooseItem(Host().Text(TextId::TextImportShape).arg(question->Size), items, usual);
  if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(items.size())) return false;
  if (*chosen != usual) shape = question->Shapes[static_cast<std::size_t>(*chosen)];
  return true;
}

void TMyNovletsPage::ImportTextFile(const std::filesystem::path& source) {
  std::optional<TGeometry> shape;
  if (!ChooseTextShape(source, shape)) return;
  const TTextImportResult result = session_.ImportText(source, shape, Host().Clock()());
  ShowList();
  if (!result.Result) {
    Tell(result.Result.Message);
    return;
  }
  QString message = Host().Text(result.AlreadyThere > 0 ? TextId::TextImportedSomeThere : TextId::TextImported)
                        .arg(result.Imported)
                        .arg(result.Found)
                        .arg(FromStd(source.filename().string()));
  if (result.AlreadyThere > 0) message = message.arg(result.AlreadyThere);
  if (!result.Refusals.empty()) message += QStringLiteral("\n\n") + Host().Text(TextId::TextNotImported);
  constexpr std::size_t kRefusalsShown = 4;
  for (std::size_t i = 0; i < result.Refusals.size() && i < kRefusalsShown; ++i)
    message += QLatin1Char('\n') + StoreMessageText(result.Refusals[i], Host().Texts());
  if (result.Refusals.size() > kRefusalsShown)
    message += QLatin1Char('\n') + Host().Text(TextId::TextMoreNotImported).arg(result.Refusals.size() - kRefusalsShown);
  Host().Dialogs().Tell(message, Host().Text(TextId::Ok));
}

// --- Booklets ---

void TMyNovletsPage::MyNovletsBookletBtnClick() {
  bookletMenu_->popup(bookletBtn_->mapToGlobal(QPoint(0, bookletBtn_->height())));
}

void TMyNovletsPage::PrintBooklet(int perPage) {
  std::vector<TBookletPuzzle> puzzles;
  for (const auto& [name, record] : session_.BookletRecords(ChosenNames())) {
    TBookletPuzzle puzzle;
    puzzle.Name = FromStd(name);
    puzzle.Level = record.Level < kLevelCount ? Host().Text(kLevelNameIds[record.Level]) : QString();
    puzzle.Geometry.SetBoxShape(record.BoxWidth, record.BoxHeight);
    HexToBoard(puzzle.Geometry, record.SolutionHex, puzzle.Solution);
    HexToBoard(puzzle.Geometry, record.PuzzleHex, puzzle.Givens);
    puzzles.push_back(puzzle);
  }
  if (puzzles.empty()) return;
  TBookletLayout layout;
  layout.PerPage = perPage;
  layout.Solutions = bookletSolutions_->isChecked();
  bookletTitle_ = Host().Dialogs().AskText(Host().Text(TextId::BookletTitle), Host().Text(TextId::Ok),
                                           Host().Text(TextId::Cancel), bookletTitle_).trimmed();
  layout.Title = bookletTitle_;
  layout.SolutionWord = Host().Text(TextId::Solution);
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(kPrintJobTitle);
  if (!Host().Dialogs().ChoosePrinter(printer)) return;
  if (!PaintBooklet(printer, puzzles, layout, TDisplaySet(), GridLookOf(Host().Options(), 0))) {
    const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    Tell((Host().Text(TextId::PrintFailed) + target + QLatin1Char('"')).toStdString());
  }
}

std::filesystem::path TMyNovletsPage::ChooseExportFile(int titleId, const QString& defaultName) {
  const QString chosen =
      Host().Dialogs().ChooseFileToSave(Host().Text(titleId), FromStd(DialogFolder().string()), defaultName,
                                        {FileType(Host(), TextId::CollectionFileType, kCollectionFiles)});
  if (chosen.isEmpty()) return {};
  if (!QFileInfo(chosen).suffix().isEmpty()) return PathOf(chosen);
  // The chooser asked before replacing the name as typed, not the one with
  // the extension added.
  const QString withSuffix = chosen + '.' + kExportSuffix;
  if (QFileInfo::exists(withSuffix) && !Ask(Host().Text(TextId::ReplaceFile).replace(QStringLiteral("%1"), withSuffix)))
    return {};
  return PathOf(withSuffix);
}

void TMyNovletsPage::MyNovletsExportBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  const std::optional<std::string> name = SelectedName();
  if (!flow.Held() || !name) return;
  const std::filesystem::path target = ChooseExportFile(TextId::ExportTitle, QStringLiteral("novlet.cnf"));
  if (target.empty()) return;
  TellOutcome(session_.Export({*name}, target), session_.CollectionFile());
}

void TMyNovletsPage::MyNovletsExportAllBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  if (!flow.Held() || session_.Names().empty()) return;
  const std::filesystem::path target = ChooseExportFile(TextId::ExportAllTitle, QStringLiteral("novlets.cnf"));
  if (target.empty()) return;
  TellOutcome(session_.ExportAll(target), session_.CollectionFile());
}

void TMyNovletsPage::MyNovletsBackupAllBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  if (!flow.Held() || session_.Names().empty() || !Ask(Host().Text(TextId::BackupQuestion))) return;
  TellOutcome(session_.Backup(), session_.CollectionFile());
}

void TMyNovletsPage::MyNovletsRestoreAllBtnClick() {
  const TWindowFlagHold flow(Host(), TGameFlag::NameEntryOpen);
  if (!flow.Held() || !Ask(Host().Text(TextId::RestoreQuestion)) || !DataFolderReady()) return;
  const TTransferResult result = session_.Restore();
  ShowList();
  TellOutcome(result, session_.Files().BackupFile);
}

bool TMyNovletsPage::DataFolderReady() {
  const TStoreResult result = session_.PrepareDataFolder();
  if (!result) Tell(result.Message);
  return result.Ok;
}

void TMyNovletsPage::TellOutcome(const TTransferResult& result, const std::filesystem::path& source) {
  if (const auto notice = TransferNotice(result, source, [this](int id) { return Host().Texts().Text(id); }))
    Tell(*notice);
  Host().UpdateStatus();
}

void TMyNovletsPage::Tell(const std::string& message) {
  Host().Dialogs().Tell(StoreMessageText(message, Host().Texts()), Host().Text(TextId::Ok));
}

bool TMyNovletsPage::Ask(const QString& question) {
  return Host().Dialogs().Ask(question, Host().Text(TextId::Yes), Host().Text(TextId::No));
}

// --- The page in the window ---

void TMyNovletsPage::Enter(bool) { FillCollectionList(); }

void TMyNovletsPage::RefreshStatus() {
  const bool selected = SelectedName().has_value();
  for (TBaseBtn* button :
       {renameBtn_, deleteBtn_, exportBtn_, playNSolveBtn_, replayNSolveBtn_, enterNDesignBtn_})
    button->setEnabled(selected);
  for (TBaseBtn* button : {importBtn_, exportAllBtn_, backupAllBtn_, restoreAllBtn_}) button->setEnabled(true);
  bookletBtn_->setEnabled(!list_->selectedItems().isEmpty());
}

void TMyNovletsPage::Translate() {
  TBookPage::Translate();
  for (QAction* item : bookletMenu_->actions())
    if (item->data().isValid()) item->setText(Host().Text(TextId::BookletPerPage).arg(item->data().toInt()));
  bookletSolutions_->setText(Host().Text(TextId::BookletSolutions));
  // The list has no caption of its own; the page's heading names it.
  list_->setAccessibleName(Host().Text(TextId::MyNovletsHeader));
  ShowDetails();
}

// Options are loaded again when another account logs on: the page then
// shows that account's collection.
void TMyNovletsPage::ApplyOptions() {
  if (IsActive()) FillCollectionList();
}

}  // namespace novlet
