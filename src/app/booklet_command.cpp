// The booklet command line: fresh puzzles printed to a PDF file without a window.
#include "app/booklet_command.h"

#include <QPageSize>
#include <QLocale>
#include <QPdfWriter>

#include <cstdio>
#include <optional>

#include "engine/board_text.h"
#include "engine/novlet_engine.h"
#include "engine/unique_puzzle.h"
#include "game/run_folders.h"
#include "render/booklet.h"
#include "session/play_session.h"
#include "store/language/language_detection.h"
#include "store/language/text_ids.h"
#include "store/language/translator.h"

namespace novlet {
namespace {

struct TBookletRequest {
  QString File;
  int BoxWidth = 0;
  int BoxHeight = 0;
  int Level = -1;
  int Count = 0;
  int PerPage = 4;
  bool Solutions = false;
  QString Title;
  std::optional<QPageSize::PageSizeId> Paper;
  std::optional<quint64> Seed;
};

std::optional<int> Level(const QString& text) {
  const QStringList names{"rookie", "normal", "skilled", "expert"};
  const int named = static_cast<int>(names.indexOf(text.toLower()));
  if (named >= 0) return named;
  bool number = false;
  const int level = text.toInt(&number);
  if (number && level >= 0 && level < 4) return level;
  return std::nullopt;
}

// The request, or the reason it is none.
std::optional<TBookletRequest> Parse(const QStringList& arguments, QString& error) {
  TBookletRequest request;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString& name = arguments[i];
    if (name == QStringLiteral("--solutions")) {
      request.Solutions = true;
      continue;
    }
    if (i + 1 >= arguments.size()) {
      error = name + QStringLiteral(" needs a value");
      return std::nullopt;
    }
    const QString value = arguments[++i];
    bool number = true;
    if (name == QStringLiteral("--booklet")) {
      request.File = value;
    } else if (name == QStringLiteral("--shape")) {
      const QStringList sides = value.toLower().split('x');
      bool wide = false;
      bool high = false;
      if (sides.size() == 2) {
        request.BoxWidth = sides[0].toInt(&wide);
        request.BoxHeight = sides[1].toInt(&high);
      }
      if (!wide || !high || !FindBoxShape(request.BoxWidth, request.BoxHeight)) {
        error = QStringLiteral("--shape: \"") + value + QStringLiteral("\" is none of the box shapes");
        return std::nullopt;
      }
    } else if (name == QStringLiteral("--level")) {
      const std::optional<int> level = Level(value);
      if (!level) {
        error = QStringLiteral("--level: \"") + value + QStringLiteral("\" is no level");
        return std::nullopt;
      }
      request.Level = *level;
    } else if (name == QStringLiteral("--count")) {
      request.Count = value.toInt(&number);
      number = number && request.Count >= 1 && request.Count <= 1000;
    } else if (name == QStringLiteral("--per-page")) {
      request.PerPage = value.toInt(&number);
      number = number && (request.PerPage == 1 || request.PerPage == 2 || request.PerPage == 4 || request.PerPage == 6);
    } else if (name == QStringLiteral("--title")) {
      request.Title = value;
    } else if (name == QStringLiteral("--paper")) {
      const QString paper = value.toLower();
      number = paper == QStringLiteral("a4") || paper == QStringLiteral("letter");
      if (number) request.Paper = paper == QStringLiteral("a4") ? QPageSize::A4 : QPageSize::Letter;
    } else if (name == QStringLiteral("--seed")) {
      request.Seed = value.toULongLong(&number);
    } else {
      error = QStringLiteral("unknown option ") + name;
      return std::nullopt;
    }
    if (!number) {
      error = name + QStringLiteral(": \"") + value + QStringLiteral("\" is out of range");
      return std::nullopt;
    }
  }
  if (request.File.isEmpty() || request.BoxWidth == 0 || request.Level < 0 || request.Count == 0) {
    error = QStringLiteral("--booklet, --shape, --level and --count are all needed");
    return std::nullopt;
  }
  return request;
}

// Fresh puzzles, or fewer when the engine keeps failing.
std::vector<TBookletPuzzle> GeneratePuzzles(const TBookletRequest& request, const QString& levelName) {
  TNovletEngine engine;
  if (request.Seed)
    engine.Random().Seed(*request.Seed);
  else
    engine.Random().ReseedFromClock();
  engine.SetBoxShape(request.BoxWidth, request.BoxHeight);
  std::vector<TBookletPuzzle> puzzles;
  for (int number = 1; number <= request.Count; ++number) {
    TBookletPuzzle puzzle{QStringLiteral("Novlet ") + QString::number(number), levelName, engine.Geometry(), {}, {}};
    TCellTexts givens;
    bool generated = false;
    for (int attempt = 0; attempt < kMostGenerationAttempts && !generated; ++attempt)
      generated = GenerateUniquePuzzle(engine, puzzle.Solution, givens, request.Level);
    if (!generated) break;
    TextsToBoard(engine.Geometry(), givens, puzzle.Givens);
    puzzles.push_back(std::move(puzzle));
  }
  return puzzles;
}

// The locale that decides the paper, as the desktop reads it.
QString PaperLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"})
    if (const QString value = qEnvironmentVariable(variable); !value.isEmpty()) return value;
  return QStringLiteral("C");
}

std::string Counted(int count, const char* one, const char* many) {
  return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

}  // namespace

std::string BookletSummary(const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout) {
  const TBookletPages pages = CountBookletPages(puzzles, layout);
  std::string summary = Counted(static_cast<int>(puzzles.size()), "puzzle", "puzzles") + " on " +
                        Counted(pages.Total(), "page", "pages");
  if (layout.Solutions) summary += " (" + std::to_string(pages.Answers) + " with the solutions)";
  return summary;
}

QPageSize::PageSizeId PaperOfLocale(const QString& localeName) {
  const QLocale::Territory territory = QLocale(localeName.section('.', 0, 0).section('@', 0, 0)).territory();
  return territory == QLocale::UnitedStates || territory == QLocale::Canada ? QPageSize::Letter : QPageSize::A4;
}

int RunBooklet(const QStringList& arguments, const TProgramFolders& folders) {
  QString error;
  const std::optional<TBookletRequest> request = Parse(arguments, error);
  if (!request) {
    std::fprintf(stderr, "corvex-novlet: %s\n%s", qPrintable(error), kBookletUsage);
    return 2;
  }
  TTranslator texts;
  texts.SetLanguage(folders.LanguageFile(), DetectLanguage());
  const std::vector<TBookletPuzzle> puzzles =
      GeneratePuzzles(*request, QString::fromStdString(texts.Text(kLevelNameIds[request->Level])));
  if (static_cast<int>(puzzles.size()) < request->Count) {
    std::fprintf(stderr, "corvex-novlet: no more than %d puzzles could be made\n", static_cast<int>(puzzles.size()));
    return 1;
  }

  QPdfWriter writer(request->File);
  writer.setPageSize(QPageSize(request->Paper ? *request->Paper : PaperOfLocale(PaperLocaleName())));
  writer.setResolution(300);
  writer.setTitle(QStringLiteral("Corvex Novlet"));
  writer.setCreator(QStringLiteral("Corvex Novlet 1.0 release 5"));
  TBookletLayout layout;
  layout.PerPage = request->PerPage;
  layout.Solutions = request->Solutions;
  layout.Title = request->Title;
  layout.SolutionWord = QString::fromStdString(texts.Text(TextId::Solution));
  if (!PaintBooklet(writer, puzzles, layout, TDisplaySet(), TGridLook())) {
    std::fprintf(stderr, "corvex-novlet: Unable to write to %s\n", qPrintable(request->File));
    return 1;
  }
  std::printf("%s: %s\n", qPrintable(request->File), BookletSummary(puzzles, layout).c_str());
  return 0;
}

}  // namespace novlet
