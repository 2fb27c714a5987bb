// What the user waits for on the Enter & Design page, through the real page
// and window: Check Puzzle from the click to the verdict shown, Complete on
// an empty 16 x 16 board, and Print (to a PDF file) and Clipboard.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "engine/board_text.h"
#include "engine/novlet_engine.h"
#include "game/enter_n_design_page.h"
#include "bench_window.h"
#include "game/main_form.h"
#include "store/puzzle_record.h"
#include "ui/base_btn.h"

namespace {

using namespace novlet;

// A unique 9 x 9 puzzle of 17 givens, the fewest a unique one can have.
const char* const kSeventeenUnique =
    ".......1.4.........2...........5.4.7..8...3....1.9....3..4..2...5.1........8.6...";
// 17 givens of a full board: the count runs to " [10+]".
const char* const kSeventeenOpen =
    "1...5...9.5.7.9.2..8.1...5...............72......1.....31.....8......5...........";

struct TDesignPage {
  TDesignPage() {
    Form = OpenBenchWindow(std::filesystem::path(Folder.path().toStdString()));
    Form->ShowPageByButton(Form->Page(TPageKind::EnterNDesign));
    Page = static_cast<TEnterNDesignPage*>(Form->Page(TPageKind::EnterNDesign));
  }

  // Opens the givens (a board's values, 0 for none) as a design.
  void Open(const TGeometry& g, const TBoard& givens, int status = StatusDesignPuzzle) {
    TCellTexts texts;
    BoardToTexts(g, givens, texts);
    TNovletFileData record;
    record.Name = "bench@Design";
    record.BoxWidth = static_cast<std::uint8_t>(g.BoxWidth);
    record.BoxHeight = static_cast<std::uint8_t>(g.BoxHeight);
    record.SolutionHex = BoardToHex(g, givens);
    record.PuzzleHex = TextsToHex(g, texts);
    record.Status = static_cast<std::uint8_t>(status);
    const std::filesystem::path file = Folder.filePath("designs.dat").toStdString();
    WritePuzzleRecord(file, record.Name, record);
    Form->OpenStoredPuzzle(TPageKind::EnterNDesign, file, record.Name, TOpenMode::Continue);
  }
  void Open(const char* oneLine) {
    TGeometry g;
    TBoard givens;
    for (int i = 0; i < 81; ++i)
      if (oneLine[i] != '.') givens.at(i % 9 + 1, i / 9 + 1) = static_cast<std::uint8_t>(oneLine[i] - '0');
    Open(g, givens);
  }
  // A 16 x 16 puzzle of the "Normal" level: about 95 givens, one solution.
  void OpenNormal16x16() {
    TNovletEngine engine;
    engine.SetBoxShape(4, 4);
    engine.Random().Seed(11);
    TBoard solution;
    TCellTexts puzzle;
    while (!engine.GeneratePuzzle(solution, puzzle, true, 1)) engine.Random().ReseedFromClock();
    TBoard givens;
    TextsToBoard(engine.Geometry(), puzzle, givens);
    Open(engine.Geometry(), givens);
  }

  // A click, and the window painted until its result shows.
  void Click(TBaseBtn* button) {
    button->Click();
    QCoreApplication::processEvents();
  }
  void Verdict(benchmark::State& state, const QString& expected) {
    const QString shown = Page->BottomLbl()->text();
    if (shown != expected) state.SkipWithError(("the page shows " + shown.toStdString()).c_str());
  }

  QTemporaryDir Folder;
  std::unique_ptr<TMainForm> Form;
  TEnterNDesignPage* Page = nullptr;
};

void CheckPuzzle9x9Unique(benchmark::State& state) {
  TDesignPage design;
  design.Open(kSeventeenUnique);
  for (auto _ : state) design.Click(design.Page->EnterNDesignCheckPuzzleBtn());
  design.Verdict(state, "Puzzle Solvable");
}
BENCHMARK(CheckPuzzle9x9Unique)->Unit(benchmark::kMillisecond);

void CheckPuzzle9x9SeventeenGivensCounted(benchmark::State& state) {
  TDesignPage design;
  design.Open(kSeventeenOpen);
  for (auto _ : state) design.Click(design.Page->EnterNDesignCheckPuzzleBtn());
  design.Verdict(state, "Puzzle Solvable [10+]");
}
BENCHMARK(CheckPuzzle9x9SeventeenGivensCounted)->Unit(benchmark::kMillisecond);

void CheckPuzzle16x16Normal(benchmark::State& state) {
  TDesignPage design;
  design.OpenNormal16x16();
  for (auto _ : state) design.Click(design.Page->EnterNDesignCheckPuzzleBtn());
  design.Verdict(state, "Puzzle Solvable");
}
BENCHMARK(CheckPuzzle16x16Normal)->Unit(benchmark::kMillisecond);

void CompleteEmpty16x16(benchmark::State& state) {
  TDesignPage design;
  const TGeometry g = [] {
    TGeometry shape;
    shape.SetBoxShape(4, 4);
    return shape;
  }();
  for (auto _ : state) {
    state.PauseTiming();
    design.Open(g, TBoard(), StatusDesignMode);
    state.ResumeTiming();
    design.Click(design.Page->SolutionsBtn());
  }
}
BENCHMARK(CompleteEmpty16x16)->Unit(benchmark::kMillisecond);

void PrintToPdf16x16(benchmark::State& state) {
  TDesignPage design;
  design.OpenNormal16x16();
  qputenv("NOVLET_PRINT_TO_PDF", design.Folder.filePath("novlet.pdf").toLocal8Bit());
  for (auto _ : state) design.Click(design.Page->PrintBtn());
  qunsetenv("NOVLET_PRINT_TO_PDF");
  if (QFileInfo(design.Folder.filePath("novlet.pdf")).size() < 1000) state.SkipWithError("nothing was printed");
}
BENCHMARK(PrintToPdf16x16)->Unit(benchmark::kMillisecond);

void CopyToClipboard16x16(benchmark::State& state) {
  TDesignPage design;
  design.OpenNormal16x16();
  for (auto _ : state) design.Click(design.Page->ClipboardBtn());
}
BENCHMARK(CopyToClipboard16x16)->Unit(benchmark::kMillisecond);

}  // namespace
