// novlet-tool explain: the steps a person takes through each puzzle, named and explained.
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "command_line.h"
#include "logic/logic_solver.h"
#include "session/step_text.h"
#include "store/text_puzzle_check.h"
#include "store/text_puzzles.h"
#include "tool_commands.h"

namespace novlet::tool {
namespace {

constexpr char kExplainHelp[] = R"(novlet-tool explain --shape WxH [--next]

Reads puzzles of box shape WxH from standard input, one a line, in the form the
text import reads ("." or "0" for an empty cell, 1-9 then A-G for 10-16), and
solves each as a person does, easiest technique first, never guessing. Prints
one line a step:

  TECHNIQUE<TAB>CHANGES<TAB>TEXT

TECHNIQUE is naked-single, hidden-single, pointing, box-line, naked-pair,
naked-triple, naked-quad, hidden-pair, hidden-triple, hidden-quad, x-wing,
swordfish, jellyfish, xy-wing, xyz-wing, simple-colouring, aic (alternating
inference chain) or unique-rectangle (tried only when the puzzle has exactly
one solution). CHANGES lists "rRcC=V" (value V placed in row R, column C) and
"rRcC-V" (candidate V removed), separated by blanks. Then a closing line,
"solved<TAB>HARDEST<TAB>STEPS" or "stuck<TAB>HARDEST<TAB>STEPS<TAB>OPEN" (OPEN:
the cells still empty; HARDEST is "none" without steps), and an empty line.
--next prints only the first step and the closing line of the whole solve.

A line that is not a puzzle gets "line N: reason" on standard error and the
rest are still explained; the exit status is 0 when every line was a puzzle,
1 otherwise (2 for bad options).
)";

std::string Changes(const TLogicStep& step) {
  std::string changes;
  const auto add = [&](const TCellValue& change, char sign) {
    if (!changes.empty()) changes += ' ';
    changes +=
        'r' + std::to_string(change.Row) + 'c' + std::to_string(change.Column) + sign + std::to_string(change.Value);
  };
  for (const TCellValue& placed : step.Placed) add(placed, '=');
  for (const TCellValue& removed : step.Removed) add(removed, '-');
  return changes;
}

void PrintPath(const TLogicPath& path, bool firstOnly, const TTextLookup& text) {
  for (const TLogicStep& step : path.Steps) {
    std::cout << TechniqueIdentifier(step.Technique) << '\t' << Changes(step) << '\t' << StepText(step, text) << '\n';
    if (firstOnly) break;
  }
  std::cout << (path.Solved ? "solved" : "stuck") << '\t' << TechniqueIdentifier(path.Hardest) << '\t'
            << path.Steps.size();
  if (!path.Solved) std::cout << '\t' << path.OpenCells;
  std::cout << "\n\n";
}

}  // namespace

int RunExplain(const TArguments& args) {
  TCommandLine options(args, {"--shape"}, {"--next"});
  if (options.HelpWanted()) {
    std::cout << kExplainHelp;
    return 0;
  }
  const auto shape = options.Shape();
  if (!options.Ok()) {
    std::cerr << "novlet-tool: " << options.Error() << "\n\n" << kExplainHelp;
    return 2;
  }
  const std::string input{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  const TTextLookup text = BuiltInTextLookup();
  int status = 0;
  for (TTextPuzzle& puzzle : ReadTextPuzzles(input, shape)) {
    if (puzzle.State == TTextPuzzleState::Unreadable) {
      std::cerr << puzzle.Reason << '\n';
      status = 1;
      continue;
    }
    const bool unique = CheckTextPuzzle(puzzle);
    PrintPath(SolvePath(*shape, puzzle.Givens, unique), options.Has("--next"), text);
  }
  return status;
}

}  // namespace novlet::tool
