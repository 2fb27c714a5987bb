// novlet-tool's engine commands: generate, solve, alternatives, reduce.
#include <iostream>
#include <string>

#include "command_line.h"
#include "engine/board_text.h"
#include "engine/novlet_engine.h"
#include "engine/unique_puzzle.h"
#include "position_text.h"
#include "tool_commands.h"

namespace novlet::tool {
namespace {

constexpr char kGenerateHelp[] = R"(novlet-tool generate --shape WxH --level L [--count N] [--seed S] [--full]
                     [--solution] [--format hex|line|grid]

Generates N puzzles (default 1) of box shape WxH (3x3, 2x2 .. 8x2) and level L
(rookie, normal, skilled, expert or 0..3), one per line. --full prints full
random boards instead of puzzles. --solution adds a blank and the solution in
the same form on the same line (beside the puzzle for --format grid).
Formats: hex (default) is the hex board text, two hex digits a cell in row
order; line is one character a cell, "." for empty (boards up to 9 x 9);
grid is a readable block. The same seed gives the same output; without one
the clock seeds the generator.
)";

constexpr char kSolveHelp[] = R"(novlet-tool solve --shape WxH [--cap K] [--no-guess]

Reads positions from standard input, one per line, and runs a solution search
on each (solution cap K, default 10; --no-guess: propagation only). Prints the
solution list as the search leaves it ("Solutions=" count, then the solutions
as hex board texts, the most recent first), then "Texts=" and the working
texts in record form, then an empty line.

Position lines: hex board text (2 x N^2 hex digits); for N <= 9 the one-line
form (N^2 characters "1".."N", "." or "0" for empty); or the record form: every
cell's text in row order, each followed by "|". Cell texts are values ("7"),
pencil notes ("3,1,"), ascending alternatives ("1,4,7") or deduced marks ("$0C").
A bad line gets a message on standard error naming the line and the problem,
nothing on standard output, and the exit status is 2. Empty lines are skipped.
)";

constexpr char kAlternativesHelp[] = R"(novlet-tool alternatives --shape WxH [--passes P]

Reads positions (any form "solve" reads; usually the record form) from standard
input, runs P propagation passes (default 1) on an empty working board and the
position's texts, and prints the texts in record form, then the working board
as hex board text on the next line.
)";

constexpr char kReduceHelp[] = R"(novlet-tool reduce --shape WxH --level L [--seed S]

Reads full boards (hex board text, or the one-line form) from standard input
and prints, one per line as hex board text, the puzzle the level's reduction
makes of each. A board that is not full with every row and column complete is
refused with a message on standard error (exit status 2).
)";

int Usage(const char* help, const std::string& error) {
  std::cerr << "novlet-tool: " << error << "\n\n" << help;
  return 2;
}

void SeedEngine(TNovletEngine& engine, const std::optional<std::uint64_t>& seed) {
  if (seed) {
    engine.Random().Seed(*seed);
  } else {
    engine.Random().ReseedFromClock();
  }
}

// The game reseeds from the clock before retrying a failed generation; with
// a seed given, retries reseed from the seed so the output repeats.
void ReseedForRetry(TNovletEngine& engine, const std::optional<std::uint64_t>& seed, std::uint64_t& retries) {
  if (seed) {
    engine.Random().Seed(*seed ^ (0x9E3779B97F4A7C15ULL * ++retries));
  } else {
    engine.Random().ReseedFromClock();
  }
}

std::string FormatBoard(const TGeometry& g, const TBoard& board, const std::string& format) {
  if (format == "line") return BoardToLine(g, board);
  return BoardToHex(g, board);
}

// Reads standard input line by line; calls handle(lineNumber, texts) for each
// good position and reports the bad ones. Returns the exit status.
template <typename THandler>
int ForEachPosition(const TGeometry& g, THandler handle) {
  int status = 0;
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const TParsedPosition parsed = ParsePosition(line, g);
    if (!parsed.Error.empty()) {
      std::cerr << "novlet-tool: line " << lineNumber << ": " << parsed.Error << "\n";
      status = 2;
      continue;
    }
    if (!handle(lineNumber, parsed.Texts)) status = 2;
  }
  return status;
}

}  // namespace

int RunGenerate(const TArguments& args) {
  TCommandLine options(args, {"--shape", "--level", "--count", "--seed", "--format"}, {"--full", "--solution"});
  if (options.HelpWanted()) {
    std::cout << kGenerateHelp;
    return 0;
  }
  const auto shape = options.Shape();
  const auto level = options.Level();
  const auto count = options.NonNegative("--count", 1);
  const auto seed = options.Seed();
  const auto format = options.Choice("--format", {"hex", "line", "grid"}, "hex");
  if (!options.Ok()) return Usage(kGenerateHelp, options.Error());
  if (*format == "line" && shape->GridSize > 9) return Usage(kGenerateHelp, "--format line is for boards up to 9 x 9");
  const bool full = options.Has("--full");

  TNovletEngine engine;
  engine.SetBoxShape(shape->BoxWidth, shape->BoxHeight);
  const TGeometry& g = engine.Geometry();
  SeedEngine(engine, seed);
  std::uint64_t retries = 0;
  for (std::int64_t n = 0; n < *count; ++n) {
    TBoard solution;
    TCellTexts puzzleTexts;
    const auto generate = [&] {
      return full ? engine.GeneratePuzzle(solution, puzzleTexts, false, *level)
                  : GenerateUniquePuzzle(engine, solution, puzzleTexts, *level);
    };
    while (!generate()) ReseedForRetry(engine, seed, retries);
    TBoard puzzle = solution;
    if (!full) TextsToBoard(g, puzzleTexts, puzzle);
    if (*format == "grid") {
      const auto puzzleLines = BoardToGridLines(g, puzzle);
      const auto solutionLines = BoardToGridLines(g, solution);
      if (n > 0) std::cout << "\n";
      for (std::size_t i = 0; i < puzzleLines.size(); ++i) {
        std::cout << puzzleLines[i];
        if (options.Has("--solution")) std::cout << "    " << solutionLines[i];
        std::cout << "\n";
      }
    } else {
      std::cout << FormatBoard(g, puzzle, *format);
      if (options.Has("--solution")) std::cout << ' ' << FormatBoard(g, solution, *format);
      std::cout << "\n";
    }
  }
  return 0;
}

int RunSolve(const TArguments& args) {
  TCommandLine options(args, {"--shape", "--cap"}, {"--no-guess"});
  if (options.HelpWanted()) {
    std::cout << kSolveHelp;
    return 0;
  }
  const auto shape = options.Shape();
  const auto cap = options.NonNegative("--cap", kRestingSolutionCap);
  if (!options.Ok()) return Usage(kSolveHelp, options.Error());

  TNovletEngine engine;
  engine.SetBoxShape(shape->BoxWidth, shape->BoxHeight);
  const bool guess = !options.Has("--no-guess");
  return ForEachPosition(engine.Geometry(), [&](int, TCellTexts texts) {
    TBoard board;
    engine.SetSolutionCap(static_cast<int>(std::min<std::int64_t>(*cap, 1 << 20)));
    engine.SolveAndCount(board, texts, false, guess);
    for (const std::string& line : engine.SolutionList()) std::cout << line << "\n";
    std::cout << "Texts=" << TextsToRecord(engine.Geometry(), texts) << "\n\n";
    return true;
  });
}

int RunAlternatives(const TArguments& args) {
  TCommandLine options(args, {"--shape", "--passes"}, {});
  if (options.HelpWanted()) {
    std::cout << kAlternativesHelp;
    return 0;
  }
  const auto shape = options.Shape();
  const auto passes = options.NonNegative("--passes", 1);
  if (!options.Ok()) return Usage(kAlternativesHelp, options.Error());

  TNovletEngine engine;
  engine.SetBoxShape(shape->BoxWidth, shape->BoxHeight);
  return ForEachPosition(engine.Geometry(), [&](int, TCellTexts texts) {
    TBoard board;
    for (std::int64_t pass = 0; pass < *passes; ++pass) engine.ComputeAlternatives(board, texts);
    std::cout << TextsToRecord(engine.Geometry(), texts) << "\n" << BoardToHex(engine.Geometry(), board) << "\n";
    return true;
  });
}

int RunReduce(const TArguments& args) {
  TCommandLine options(args, {"--shape", "--level", "--seed"}, {});
  if (options.HelpWanted()) {
    std::cout << kReduceHelp;
    return 0;
  }
  const auto shape = options.Shape();
  const auto level = options.Level();
  const auto seed = options.Seed();
  if (!options.Ok()) return Usage(kReduceHelp, options.Error());

  TNovletEngine engine;
  engine.SetBoxShape(shape->BoxWidth, shape->BoxHeight);
  SeedEngine(engine, seed);
  const TGeometry& g = engine.Geometry();
  return ForEachPosition(g, [&](int lineNumber, TCellTexts texts) {
    TBoard board;
    TextsToBoard(g, texts, board);
    TCellTexts puzzle;
    BoardToTexts(g, board, puzzle);
    if (!engine.ReduceToLevel(board, puzzle, *level)) {
      std::cerr << "novlet-tool: line " << lineNumber << ": not a full board whose rows and columns are complete\n";
      return false;
    }
    std::cout << TextsToHex(g, puzzle) << "\n";
    return true;
  });
}

}  // namespace novlet::tool
