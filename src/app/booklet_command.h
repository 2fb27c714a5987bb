// The booklet command line: fresh puzzles printed to a PDF file without a window.
#pragma once

#include <QPageSize>
#include <QStringList>

#include <string>
#include <vector>

#include "render/booklet.h"

namespace novlet {

struct TProgramFolders;

inline constexpr const char* kBookletUsage =
    "Usage: corvex-novlet --booklet FILE.pdf --shape WxH --level L --count N [--per-page K] [--solutions]\n"
    "                     [--title TEXT] [--paper a4|letter] [--seed S]\n"
    "  --shape WxH   the box shape, boxes W columns wide and H rows high (3x3, 2x3, 4x4, ...)\n"
    "  --level L     rookie, normal, skilled or expert (or 0 to 3)\n"
    "  --count N     how many puzzles, 1 to 1000\n"
    "  --per-page K  puzzles a page: 1, 2, 4 (the default) or 6\n"
    "  --solutions   add an answer key at the back, several solutions a page\n"
    "  --title TEXT  a title on the first page\n"
    "  --paper P     a4 or letter; without it, the paper of the locale (LC_PAPER)\n"
    "  --seed S      the same seed gives the same puzzles\n";

// What a booklet holds, for standard output: "12 puzzles on 5 pages (2 with
// the solutions)".
std::string BookletSummary(const std::vector<TBookletPuzzle>& puzzles, const TBookletLayout& layout);

// The paper a locale ("en_US.UTF-8") prints on: Letter in the United States
// and Canada, A4 elsewhere.
QPageSize::PageSizeId PaperOfLocale(const QString& localeName);

// Makes the booklet the arguments ask for (the first being "--booklet") and
// returns the exit status: 0 done, 1 the file could not be written, 2 a
// usage error. Needs a QGuiApplication, no display.
int RunBooklet(const QStringList& arguments, const TProgramFolders& folders);

}  // namespace novlet
