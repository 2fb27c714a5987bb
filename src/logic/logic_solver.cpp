// Trying the techniques in order of difficulty, step after step.
#include "logic/logic_solver.h"

#include <algorithm>

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
  switch (technique) {
    case TTechnique::NakedSingle: return t::NakedSingle(grid, step);
    case TTechnique::HiddenSingle: return t::HiddenSingle(grid, step);
    case TTechnique::Pointing: return t::Pointing(grid, step);
    case TTechnique::BoxLine: return t::BoxLine(grid, step);
    case TTechnique::NakedPair: return t::NakedSubset(grid, 2, step);
    case TTechnique::HiddenPair: return t::HiddenSubset(grid, 2, step);
    case TTechnique::NakedTriple: return t::NakedSubset(grid, 3, step);
    case TTechnique::HiddenTriple: return t::HiddenSubset(grid, 3, step);
    case TTechnique::XWing: return t::Fish(grid, 2, step);
    case TTechnique::NakedQuad: return t::NakedSubset(grid, 4, step);
    case TTechnique::HiddenQuad: return t::HiddenSubset(grid, 4, step);
    case TTechnique::Swordfish: return t::Fish(grid, 3, step);
    case TTechnique::SimpleColouring: return t::SimpleColouring(grid, step);
    case TTechnique::XyWing: return t::XyWing(grid, step);
    case TTechnique::XyzWing: return t::XyzWing(grid, step);
    case TTechnique::UniqueRectangle: return t::UniqueRectangle(grid, step);
    case TTechnique::Jellyfish: return t::Fish(grid, 4, step);
    case TTechnique::Aic: return t::AlternatingChain(grid, step);
    case TTechnique::None: break;
  }
  return false;
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
