// The booklet command line: fresh puzzles printed to a PDF file without a window.
#pragma once

#include <QStringList>

#include <string>

#include "render/booklet.h"

namespace novlet {

struct TProgramFolders;

inline constexpr const char* kBookletUsage =
    "Usage: corvex-novlet --booklet FILE.pdf --shape WxH --level L --count N [--per-page K] [--solutions] [--seed S]\n"
    "  --shape WxH   the box shape, boxes W columns wide and H rows high (3x3, 2x3, 4x4, ...)\n"
    "  --level L     rookie, normal, skilled or expert (or 0 to 3)\n"
    "  --count N     how many puzzles, 1 to 1000\n"
    "  --per-page K  puzzles a page: 1, 2, 4 (the default) or 6\n"
    "  --solutions   add the solutions on the last pages\n"
    "  --seed S      the same seed gives the same puzzles\n";

// What a booklet holds, for standard output: "12 puzzles on 6 pages (3 with
// the solutions)".
std::string BookletSummary(int puzzles, const TBookletLayout& layout);

// Makes the booklet the arguments ask for (the first being "--booklet") and
// returns the exit status: 0 done, 1 the file could not be written, 2 a
// usage error. Needs a QGuiApplication, no display.
int RunBooklet(const QStringList& arguments, const TProgramFolders& folders);

}  // namespace novlet
