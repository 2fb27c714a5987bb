// The "My Novlets" page: the account's collection, its details, Rename,
// Delete, the hand-overs to the game pages, and the transfers to and from
// other files.
#pragma once

#include "game/book_page.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/geometry.h"
#include "session/collection_session.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;

namespace novlet {

class TBaseBtn;

class TMyNovletsPage : public TBookPage {
  Q_OBJECT

 public:
  explicit TMyNovletsPage(TPageHost& host);

  QListWidget* MyNovletsList() const { return list_; }
  QLabel* MyNovletsDataLbl() const { return dataLbl_; }
  TBaseBtn* MyNovletsRenameBtn() const { return renameBtn_; }
  TBaseBtn* MyNovletsDeleteBtn() const { return deleteBtn_; }
  TBaseBtn* MyNovletsImportBtn() const { return importBtn_; }
  TBaseBtn* MyNovletsExportBtn() const { return exportBtn_; }
  TBaseBtn* MyNovletsExportAllBtn() const { return exportAllBtn_; }
  TBaseBtn* MyNovletsPlayNSolveBtn() const { return playNSolveBtn_; }
  TBaseBtn* MyNovletsReplayNSolveBtn() const { return replayNSolveBtn_; }
  TBaseBtn* MyNovletsEnterNDesignBtn() const { return enterNDesignBtn_; }
  TBaseBtn* MyNovletsBackupAllBtn() const { return backupAllBtn_; }
  TBaseBtn* MyNovletsRestoreAllBtn() const { return restoreAllBtn_; }
  TBaseBtn* MyNovletsBookletBtn() const { return bookletBtn_; }
  QMenu* MyNovletsBookletMenu() const { return bookletMenu_; }
  // The collection the page shows: its names, rules and the selected puzzle.
  const TCollectionSession& Session() const { return session_; }

  // Reads the account's puzzle names anew, selects the first and shows it.
  void FillCollectionList();
  // The details of the selected entry, read from the file as it stands.
  void MyNovletsListClick();
  void MyNovletsRenameBtnClick();
  void MyNovletsDeleteBtnClick();
  void MyNovletsPlayNSolveBtnClick();
  void MyNovletsReplayNSolveBtnClick();
  void MyNovletsEnterNDesignBtnClick();
  void MyNovletsImportBtnClick();
  void MyNovletsExportBtnClick();
  void MyNovletsExportAllBtnClick();
  void MyNovletsBackupAllBtnClick();
  void MyNovletsRestoreAllBtnClick();
  void MyNovletsBookletBtnClick();
  // Prints the chosen puzzles where the user says, `perPage` to a page.
  void PrintBooklet(int perPage);

  // The page contract.
  void Enter(bool alreadyShown) override;
  void RefreshStatus() override;
  void Translate() override;
  void ApplyOptions() override;
  std::vector<TBaseBtn*> SmallButtons() const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateBookletMenu();
  // The bare name of the selected entry; nothing when none is selected.
  std::optional<std::string> SelectedName() const;
  // The bare names of every selected entry, in list order.
  std::vector<std::string> ChosenNames() const;
  // Imports a file of puzzles in text and tells what came in and what not.
  void ImportTextFile(const std::filesystem::path& source);
  bool ChooseTextShape(const std::filesystem::path& source, std::optional<TGeometry>& shape);
  // Shows the session's names, the first selected.
  void ShowList();
  // Shows the session's selected puzzle.
  void ShowEntry();
  void ShowDetails();
  // Hands the selected puzzle to a game page when it can be opened there.
  void HandOver(TPageKind kind, TOpenMode mode);
  // The chosen file for an export, with the default extension; empty for
  // Cancel.
  std::filesystem::path ChooseExportFile(int titleId, const QString& defaultName);
  std::filesystem::path DialogFolder() const;
  // Tells the user what a transfer from `source` did less than asked.
  void TellOutcome(const TTransferResult& result, const std::filesystem::path& source);
  void Tell(const std::string& message);
  bool Ask(const QString& question);
  // The data folder exists before a transfer writes into it; false, told,
  // when it cannot be made.
  bool DataFolderReady();

  TCollectionSession session_;

  QListWidget* list_ = nullptr;
  QLabel* dataLbl_ = nullptr;
  TBaseBtn* renameBtn_ = nullptr;
  TBaseBtn* deleteBtn_ = nullptr;
  TBaseBtn* importBtn_ = nullptr;
  TBaseBtn* exportBtn_ = nullptr;
  TBaseBtn* exportAllBtn_ = nullptr;
  TBaseBtn* playNSolveBtn_ = nullptr;
  TBaseBtn* replayNSolveBtn_ = nullptr;
  TBaseBtn* enterNDesignBtn_ = nullptr;
  TBaseBtn* backupAllBtn_ = nullptr;
  TBaseBtn* restoreAllBtn_ = nullptr;
  TBaseBtn* bookletBtn_ = nullptr;
  QMenu* bookletMenu_ = nullptr;
  QAction* bookletSolutions_ = nullptr;
  // The title last given, offered again for the next booklet.
  QString bookletTitle_;
};

}  // namespace novlet
