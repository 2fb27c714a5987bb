// Filling a technique's sentence template with the units, cells and values of a step.
#include "session/step_text.h"

#include <algorithm>
#include <vector>

#include "store/language/text_ids.h"

namespace novlet {
namespace {

// "%1" .. "%9" replaced by the arguments, each as often as it appears.
std::string Fill(const std::string& pattern, const std::vector<std::string>& arguments) {
  std::string filled;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t index =
        i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : arguments.size();
    if (pattern[i] == '%' && index < arguments.size()) {
      filled += arguments[index];
      ++i;
    } else {
      filled += pattern[i];
    }
  }
  return filled;
}

std::string JoinList(const std::vector<std::string>& items, const std::string& separator, const TTextLookup& text) {
  std::string joined;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) joined += i + 1 == items.size() ? text(TextId::ExplainAnd) : separator;
    joined += items[i];
  }
  return joined;
}

std::string UnitName(const TUnitRef& unit, const TTextLookup& text) {
  static constexpr int kIds[] = {TextId::ExplainRow, TextId::ExplainColumn, TextId::ExplainBox};
  return Fill(text(kIds[static_cast<int>(unit.Kind)]), {std::to_string(unit.Index)});
}

std::string Units(const std::vector<TUnitRef>& units, const TTextLookup& text) {
  std::vector<std::string> names;
  for (const TUnitRef& unit : units) names.push_back(UnitName(unit, text));
  return JoinList(names, ", ", text);
}

std::string Cells(std::vector<TCellRef> cells, const TTextLookup& text) {
  std::vector<std::string> names;
  for (const TCellRef& cell : cells) {
    // A chain passes a cell twice, once for each of its values; name it once.
    const std::string name = CellName(cell, text);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return JoinList(names, text(TextId::ExplainCellSeparator), text);
}

std::string Values(const std::vector<int>& values, const TTextLookup& text) {
  std::vector<std::string> numbers;
  for (const int value : values) numbers.push_back(std::to_string(value));
  return JoinList(numbers, ", ", text);
}

std::vector<TCellRef> ChangedCells(const TLogicStep& step) {
  std::vector<TCellRef> cells;
  for (const auto* changes : {&step.Placed, &step.Removed}) {
    for (const TCellValue& change : *changes) cells.push_back({change.Row, change.Column});
  }
  return cells;
}

}  // namespace

std::string TechniqueName(TTechnique technique, const TTextLookup& text) {
  return text(TextId::ExplainTechniqueNames + static_cast<int>(technique));
}

std::string CellName(const TCellRef& cell, const TTextLookup& text) {
  return Fill(text(TextId::ExplainCell), {std::to_string(cell.Row), std::to_string(cell.Column)});
}

std::string StepText(const TLogicStep& step, const TTextLookup& text) {
  if (!step.Found()) return text(TextId::ExplainNoStep);
  const std::vector<TCellRef> others(step.Cells.begin() + std::min<std::size_t>(1, step.Cells.size()),
                                     step.Cells.end());
  return Fill(text(TextId::ExplainTemplates + static_cast<int>(step.Technique)),
              {TechniqueName(step.Technique, text), Units(step.Units, text), Cells(step.Cells, text),
               Values(step.Values, text), Cells(ChangedCells(step), text), Units(step.CoverUnits, text),
               step.Cells.empty() ? std::string() : CellName(step.Cells.front(), text), Cells(others, text)});
}

TTextLookup BuiltInTextLookup() {
  return [](int id) { return std::string(BuiltInText(id).Caption); };
}

}  // namespace novlet
