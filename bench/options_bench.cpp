// What the user waits for on the Options page, through the real page and
// window: a language chosen from the list until every page is translated and
// the window repainted, and a screen size chosen until the window is
// rescaled, its skins reloaded and repainted.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "bench_window.h"
#include "game/main_form.h"
#include "game/options_page.h"
#include "store/language/language_source.h"
#include "store/language/row_store_writer.h"

namespace {

using namespace novlet;

struct TOptionsWindow {
  TOptionsWindow() {
    const std::filesystem::path folder = Folder.path().toStdString();
    row_store::TRowStoreContent content;
    std::string problem;
    if (!ReadLanguageSources(NOVLET_LANGUAGE_SOURCES, false, content, problem) ||
        !row_store::WriteRowStore(folder / "Novlet.lng", content, problem))
      Problem = problem;
    Form = OpenBenchWindow(folder);
    Page = static_cast<TOptionsPage*>(Form->Page(TPageKind::Options));
    Form->ShowPageByButton(Page);
  }

  // The user's choice in one of the page's lists, and the window painted.
  void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
    Form->repaint();
  }

  QTemporaryDir Folder;
  std::string Problem;
  std::unique_ptr<TMainForm> Form;
  TOptionsPage* Page = nullptr;
};

void LanguageChosenToEveryPageRepainted(benchmark::State& state) {
  TOptionsWindow window;
  QComboBox* list = window.Page->OptionsLanguageList();
  const int german = list->findText("Deutsch");
  const int french = list->findText("Français");
  if (!window.Problem.empty() || german < 0 || french < 0) {
    state.SkipWithError("no languages to choose from");
    return;
  }
  bool toGerman = true;
  for (auto _ : state) {
    // Each choice saves the options, loads them and translates every page.
    window.Choose(list, toGerman ? german : french);
    toGerman = !toGerman;
  }
}
BENCHMARK(LanguageChosenToEveryPageRepainted)->Unit(benchmark::kMillisecond);

void ScreenSizeChosenToWindowRepainted(benchmark::State& state) {
  TOptionsWindow window;
  QComboBox* list = window.Page->OptionsScreenModeList();
  bool large = true;
  for (auto _ : state) {
    // "1024 x 768" and "800 x 600" by turns: each a new scale and new skins.
    window.Choose(list, large ? 4 : 3);
    large = !large;
  }
  if (window.Form->width() < 700) state.SkipWithError("the window was not enlarged");
}
BENCHMARK(ScreenSizeChosenToWindowRepainted)->Unit(benchmark::kMillisecond);

}  // namespace
