// What the user waits for on the "My Novlets" page with the large collection
// (large_collection.h), through the real page and window: the list filled on
// entering, the details of a selected puzzle, Rename and Delete, and the
// transfers, each to the page painted. Targets: the list 100 ms, the details
// 10 ms, Rename and Delete 200 ms each, the transfers 2 s each.
#include <benchmark/benchmark.h>

#include <QLabel>
#include <QListWidget>

#include <memory>

#include "bench_window.h"
#include "game/main_form.h"
#include "game/my_novlets_page.h"
#include "game/scripted_dialogs.h"
#include "large_collection.h"
#include "store/collection_transfer.h"
#include "ui/base_btn.h"

namespace {

using namespace novlet;

constexpr std::size_t kMyNovletsButton = 2;

struct TCollectionPage {
  TCollectionPage() {
    Form = OpenBenchWindow(Folder.Files(), "alice", &Dialogs);
    Form->PageButtons()[kMyNovletsButton]->Click();
    Page = static_cast<TMyNovletsPage*>(Form->Page(TPageKind::MyNovlets));
  }

  QString FilePath(const char* name) const {
    return QString::fromStdString((Folder.Files().DataFolder / name).string());
  }
  void Click(TBaseBtn* button) {
    button->Click();
    Form->repaint();
  }

  bench::TDataFolder Folder;
  test::TScriptedDialogs Dialogs;
  std::unique_ptr<TMainForm> Form;
  TMyNovletsPage* Page = nullptr;
};

void CheckListed(benchmark::State& state, const TCollectionPage& page, int least) {
  if (page.Page->MyNovletsList()->count() < least) state.SkipWithError("the page does not list the collection");
}

// The page's button again: the list is read anew and the first puzzle shown.
void BM_EnterFillsTheList(benchmark::State& state) {
  TCollectionPage page;
  for (auto _ : state) page.Click(page.Form->PageButtons()[kMyNovletsButton]);
  CheckListed(state, page, bench::kPuzzleCount / 2);
}
BENCHMARK(BM_EnterFillsTheList)->Unit(benchmark::kMillisecond);

void BM_SelectShowsTheDetails(benchmark::State& state) {
  TCollectionPage page;
  QListWidget* list = page.Page->MyNovletsList();
  int row = 0;
  for (auto _ : state) {
    row = row == 2000 ? 3000 : 2000;
    list->setCurrentRow(row);
    page.Page->MyNovletsDataLbl()->repaint();
  }
  if (page.Page->MyNovletsDataLbl()->text().isEmpty()) state.SkipWithError("no details shown");
}
BENCHMARK(BM_SelectShowsTheDetails)->Unit(benchmark::kMillisecond);

// Back and forth between two names, each one the name box answered.
void BM_Rename(benchmark::State& state) {
  TCollectionPage page;
  bool away = true;
  for (auto _ : state) {
    page.Dialogs.NameAnswer = away ? "Renamed puzzle" : "Puzzle number 0";
    away = !away;
    page.Click(page.Page->MyNovletsRenameBtn());
  }
  CheckListed(state, page, bench::kPuzzleCount / 2);
}
BENCHMARK(BM_Rename)->Unit(benchmark::kMillisecond);

// The first puzzle deleted; it is stored again outside the timing.
void BM_Delete(benchmark::State& state) {
  TCollectionPage page;
  const std::string section = bench::SectionName(0);
  for (auto _ : state) {
    page.Dialogs.Answers = {true};
    page.Click(page.Page->MyNovletsDeleteBtn());
    state.PauseTiming();
    WritePuzzleRecord(page.Folder.Files().CollectionFile, section, bench::Record(section, 0));
    page.Page->FillCollectionList();
    state.ResumeTiming();
  }
  CheckListed(state, page, bench::kPuzzleCount / 2);
}
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond);

void BM_ExportAll(benchmark::State& state) {
  TCollectionPage page;
  page.Dialogs.FileToSave = page.FilePath("novlets.cnf");
  for (auto _ : state) page.Click(page.Page->MyNovletsExportAllBtn());
  if (!page.Dialogs.Messages.isEmpty()) state.SkipWithError("Export All was refused");
}
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond);

void BM_BackupAll(benchmark::State& state) {
  TCollectionPage page;
  for (auto _ : state) {
    page.Dialogs.Answers = {true};
    page.Click(page.Page->MyNovletsBackupAllBtn());
  }
}
BENCHMARK(BM_BackupAll)->Unit(benchmark::kMillisecond);

// The restore, then the list filled again.
void BM_RestoreAll(benchmark::State& state) {
  TCollectionPage page;
  BackupAllPuzzles(page.Folder.Files(), "alice");
  for (auto _ : state) {
    page.Dialogs.Answers = {true};
    page.Click(page.Page->MyNovletsRestoreAllBtn());
  }
  CheckListed(state, page, bench::kPuzzleCount / 2);
}
BENCHMARK(BM_RestoreAll)->Unit(benchmark::kMillisecond);

// Bob's 5,000 puzzles imported into alice's collection, then the list filled
// again; after the first run they replace their own earlier copies.
void BM_ImportFiveThousand(benchmark::State& state) {
  TCollectionPage page;
  ExportAllPuzzles(page.Folder.Files(), "bob", page.Folder.Files().DataFolder / "bob.cnf");
  page.Dialogs.FileToOpen = page.FilePath("bob.cnf");
  for (auto _ : state) page.Click(page.Page->MyNovletsImportBtn());
  CheckListed(state, page, bench::kPuzzleCount);
}
BENCHMARK(BM_ImportFiveThousand)->Unit(benchmark::kMillisecond);

}  // namespace
