// Trying the techniques in order of difficulty, step after step.
#include "logic/logic_solver.h"

#include <algorithm>
#include <iterator>

#include "logic/techniques.h"

namespace novlet {
namespace {

namespace t = techniques;

// Applies the found step to the grid; false when none was found.
bool Advance(TCandidateGrid& grid, bool knownUnique, TLogicStep& step) {
  if (grid.OpenCells() == 0 || !grid.Consistent()) return false;
  step = FindStep(grid, knownUnique);
  if (!step.Found()) return false;
  ApplyStep(step, grid);
  return true;
}

}  // namespace

bool TryTechnique(TTechnique technique, const TCandidateGrid& grid, TLogicStep& step) {
  using TFinder = bool (*)(const TCandidateGrid&, TLogicStep&);
  // In the order of TTechnique.
  static constexpr TFinder kFinders[] = {
      t::NakedSingle,
      t::HiddenSingle,
      t::Pointing,
      t::BoxLine,
      [](const TCandidateGrid& g, TLogicStep& s) { return t::NakedSubset(g, 2, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::HiddenSubset(g, 2, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::NakedSubset(g, 3, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::HiddenSubset(g, 3, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::Fish(g, 2, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::NakedSubset(g, 4, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::HiddenSubset(g, 4, s); },
      [](const TCandidateGrid& g, TLogicStep& s) { return t::Fish(g, 3, s); },
      t::SimpleColouring,
      t::XyWing,
      t::XyzWing,
      t::UniqueRectangle,
      [](const TCandidateGrid& g, TLogicStep& s) { return t::Fish(g, 4, s); },
      t::AlternatingChain,
  };
  static_assert(std::size(kFinders) == kTechniqueCount);
  return technique != TTechnique::None && kFinders[static_cast<int>(technique)](grid, step);
}

TLogicStep FindStep(const TCandidateGrid& grid, bool knownUnique) {
  for (int t = 0; t < kTechniqueCount; ++t) {
    const auto technique = static_cast<TTechnique>(t);
    if (technique == TTechnique::UniqueRectangle && !knownUnique) continue;
    TLogicStep step;
    if (TryTechnique(technique, grid, step)) return step;
  }
  return {};
}

TLogicPath SolvePath(const TGeometry& g, const TBoard& position, bool knownUnique) {
  TCandidateGrid grid(g, position);
  TLogicPath path;
  for (TLogicStep step; Advance(grid, knownUnique, step);) {
    path.Hardest = path.Steps.empty() ? step.Technique : std::max(path.Hardest, step.Technique);
    path.Steps.push_back(std::move(step));
  }
  path.OpenCells = grid.OpenCells();
  path.Solved = path.OpenCells == 0 && grid.Consistent();
  return path;
}

TLogicStep NextStep(const TGeometry& g, const TBoard& position, bool knownUnique) {
  TCandidateGrid grid(g, position);
  std::vector<TLogicStep> preparation;
  for (TLogicStep step; Advance(grid, knownUnique, step);) {
    if (!step.Placed.empty()) {
      step.Preparation = std::move(preparation);
      return step;
    }
    preparation.push_back(std::move(step));
  }
  TLogicStep none;
  none.Preparation = std::move(preparation);
  return none;
}

}  // namespace novlet
