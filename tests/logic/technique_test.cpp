// Each technique on candidate patterns where it applies and on a near miss where it must not.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "logic/logic_solver.h"

namespace novlet {
namespace {

// Candidates are cut from a board without values by instructions:
// "r1c5=13" leaves the cell only 1 and 3; "r1:5@27" leaves value 5 in row 1
// only at positions 2 and 7 (c for a column, b for a box, its cells row by row).
TCandidateGrid Pattern(int boxWidth, int boxHeight, const std::string& instructions) {
  TGeometry g;
  g.SetBoxShape(boxWidth, boxHeight);
  TCandidateGrid grid(g, TBoard{});
  const TLogicLayout& layout = grid.Layout();
  std::istringstream words(instructions);
  for (std::string word; words >> word;) {
    const auto has = [&](std::size_t from, int digit) {
      return word.find(char('0' + digit), from) != std::string::npos;
    };
    if (word.find('=') != std::string::npos) {
      const int cell = (word[1] - '1') * layout.N + word[3] - '1';
      for (int value = 1; value <= layout.N; ++value) {
        if (!has(5, value)) grid.Remove(cell, value);
      }
    } else {
      const int unit = std::string("rcb").find(word[0]) * layout.N + word[1] - '1';
      const int value = word[3] - '0';
      for (int k = 0; k < layout.N; ++k) {
        if (!has(5, k + 1)) grid.Remove(layout.UnitCells[unit][k], value);
      }
    }
  }
  return grid;
}

std::vector<std::string> Changes(const TLogicStep& step) {
  std::vector<std::string> changes;
  for (const TCellValue& c : step.Placed)
    changes.push_back("r" + std::to_string(c.Row) + "c" + std::to_string(c.Column) + "=" + std::to_string(c.Value));
  for (const TCellValue& c : step.Removed)
    changes.push_back("r" + std::to_string(c.Row) + "c" + std::to_string(c.Column) + "-" + std::to_string(c.Value));
  return changes;
}

struct TCase {
  TTechnique Technique;
  std::string Instructions;
  // "N: change change": N changes, these among them; empty: the technique must not apply.
  std::string Expected;
  int BoxWidth = 3;
  int BoxHeight = 3;
};

const TCase kCases[] = {
    // Singles.
    {TTechnique::NakedSingle, "r1c9=9", "1: r1c9=9"},
    {TTechnique::NakedSingle, "r1c9=39", ""},
    {TTechnique::HiddenSingle, "b5:7@3", "1: r4c6=7"},
    {TTechnique::HiddenSingle, "b5:7@36", ""},
    {TTechnique::HiddenSingle, "b1:4@5", "1: r2c2=4", 3, 2},
    {TTechnique::HiddenSingle, "b6:7@3", "1: r5c7=7", 4, 4},
    // Subsets.
    {TTechnique::NakedPair, "r1c1=12 r1c2=12", "14: r1c3-1 r1c9-2"},
    {TTechnique::NakedPair, "r1c1=12 r1c2=13", ""},
    {TTechnique::NakedPair, "r1c1=12 r2c2=12", "14: r1c2-1 r3c3-2"},
    {TTechnique::NakedTriple, "r1c1=12 r1c4=23 r1c7=13", "18: r1c2-1 r1c9-3"},
    {TTechnique::NakedTriple, "r1c1=12 r1c4=23 r1c7=34", ""},
    {TTechnique::NakedQuad, "r1c1=12 r1c3=23 r1c5=34 r1c9=14", "20: r1c2-1 r1c8-4"},
    {TTechnique::NakedQuad, "r1c1=12 r1c3=23 r1c5=34 r1c9=15", ""},
    {TTechnique::HiddenPair, "r1:1@15 r1:2@15", "14: r1c1-3 r1c5-9"},
    {TTechnique::HiddenPair, "r1:1@15 r1:2@16", ""},
    {TTechnique::HiddenPair, "c3:1@28 c3:2@28", "14: r2c3-3 r8c3-9"},
    {TTechnique::HiddenTriple, "r1:1@159 r1:2@15 r1:3@59", "18: r1c1-4 r1c9-9"},
    {TTechnique::HiddenTriple, "r1:1@159 r1:2@15 r1:3@58", ""},
    {TTechnique::HiddenQuad, "r1:1@1357 r1:2@13 r1:3@57 r1:4@17", "20: r1c1-5 r1c7-9"},
    {TTechnique::HiddenQuad, "r1:1@1357 r1:2@13 r1:3@57 r1:4@18", ""},
    // Intersections.
    {TTechnique::Pointing, "b1:5@12", "6: r1c4-5 r1c9-5"},
    {TTechnique::Pointing, "b1:5@15", ""},
    {TTechnique::Pointing, "b5:5@25", "6: r1c5-5 r9c5-5"},
    {TTechnique::Pointing, "b1:4@12", "3: r1c4-4 r1c6-4", 3, 2},
    {TTechnique::BoxLine, "r1:5@12", "6: r2c1-5 r3c3-5"},
    {TTechnique::BoxLine, "r1:5@14", ""},
    // Fish.
    {TTechnique::XWing, "r1:5@27 r5:5@27", "14: r2c2-5 r9c7-5"},
    {TTechnique::XWing, "r1:5@27 r5:5@28", ""},
    {TTechnique::XWing, "c2:5@16 c8:5@16", "14: r1c1-5 r6c9-5"},
    {TTechnique::Swordfish, "r1:5@14 r5:5@47 r9:5@17", "18: r2c1-5 r8c7-5"},
    {TTechnique::Swordfish, "r1:5@14 r5:5@47", ""},
    {TTechnique::Jellyfish, "r1:5@13 r4:5@35 r6:5@58 r8:5@18", "20: r2c1-5 r9c8-5"},
    {TTechnique::Jellyfish, "r1:5@13 r4:5@35 r6:5@58 r8:5@19", ""},
    // Wings.
    {TTechnique::XyWing, "r1c1=12 r1c5=13 r5c1=23", "1: r5c5-3"},
    {TTechnique::XyWing, "r1c1=12 r1c5=13 r5c1=24", ""},
    {TTechnique::XyWing, "r1c1=12 r2c3=13 r5c1=23", "5: r2c1-3 r3c1-3 r4c3-3 r5c3-3 r6c3-3"},
    {TTechnique::XyzWing, "r1c1=123 r1c5=13 r2c2=23", "2: r1c2-3 r1c3-3"},
    {TTechnique::XyzWing, "r1c1=124 r1c5=13 r2c2=23", ""},
    // Chains.
    {TTechnique::SimpleColouring, "r1:5@15 c5:5@17 r7:5@15", "7: r2c1-5 r9c1-5"},
    {TTechnique::SimpleColouring, "r1:5@15 c5:5@17", ""},
    {TTechnique::Aic, "r1c1=12 r1c5=13 r5c1=23", "1: r5c5-3"},
    {TTechnique::Aic, "r1:5@15 b5:5@27", "1: r6c1-5"},
    {TTechnique::Aic, "r1:5@145 c6:5@37", "1: r7c1-5"},  // through the group r1c4, r1c5
    {TTechnique::Aic, "r1c1=12 r1c5=13", ""},
    {TTechnique::UniqueRectangle, "r1c1=12 r1c4=12 r2c1=12 r2c4=123", "2: r2c4-1 r2c4-2"},
    {TTechnique::UniqueRectangle, "r1c1=12 r1c2=12 r2c1=12 r2c2=123", ""},
};

TEST(LogicTechniques, EachFindsItsPatternAndNotItsNearMiss) {
  for (const TCase& c : kCases) {
    SCOPED_TRACE(std::string(TechniqueIdentifier(c.Technique)) + " on " + c.Instructions);
    const TCandidateGrid grid = Pattern(c.BoxWidth, c.BoxHeight, c.Instructions);
    TLogicStep step;
    const bool found = TryTechnique(c.Technique, grid, step);
    ASSERT_EQ(found, !c.Expected.empty());
    if (!found) continue;
    EXPECT_EQ(step.Technique, c.Technique);
    const std::vector<std::string> changes = Changes(step);
    std::istringstream expected(c.Expected);
    std::size_t count = 0;
    expected >> count;
    expected.ignore(1);
    EXPECT_EQ(changes.size(), count);
    for (std::string change; expected >> change;) {
      EXPECT_NE(std::find(changes.begin(), changes.end(), change), changes.end()) << change;
    }
  }
}

// The proof of a step names what a person needs to see it.
TEST(LogicTechniques, StepsNameTheirUnitsCellsAndValues) {
  TLogicStep step;
  ASSERT_TRUE(TryTechnique(TTechnique::HiddenSingle, Pattern(3, 3, "b5:7@3"), step));
  EXPECT_EQ(step.Units, (std::vector<TUnitRef>{{TUnitKind::Box, 5}}));
  EXPECT_EQ(step.Cells, (std::vector<TCellRef>{{4, 6}}));
  EXPECT_EQ(step.Values, std::vector<int>{7});
  ASSERT_TRUE(TryTechnique(TTechnique::XWing, Pattern(3, 3, "r1:5@27 r5:5@27"), step = {}));
  EXPECT_EQ(step.Units, (std::vector<TUnitRef>{{TUnitKind::Row, 1}, {TUnitKind::Row, 5}}));
  EXPECT_EQ(step.CoverUnits, (std::vector<TUnitRef>{{TUnitKind::Column, 2}, {TUnitKind::Column, 7}}));
  ASSERT_TRUE(TryTechnique(TTechnique::XyWing, Pattern(3, 3, "r1c1=12 r1c5=13 r5c1=23"), step = {}));
  EXPECT_EQ(step.Cells.front(), (TCellRef{1, 1}));  // the pivot first
}

}  // namespace
}  // namespace novlet
