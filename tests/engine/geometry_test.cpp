#include <gtest/gtest.h>

#include "engine/geometry.h"

namespace novlet {
namespace {

TEST(Geometry, DerivedFieldsFollowTheShape) {
  TGeometry g;
  g.SetBoxShape(2, 3);
  EXPECT_EQ(g.GridSize, 6);
  EXPECT_EQ(g.BoxesAcross, 3);
  EXPECT_EQ(g.BoxesDown, 2);
  EXPECT_EQ(g.LineSum, 21);
  g.SetBoxShape(4, 4);
  EXPECT_EQ(g.LineSum, 136);
}

TEST(Geometry, UnknownShapeFallsBackToThreeByThree) {
  TGeometry g;
  g.SetBoxShape(5, 5);
  EXPECT_EQ(g.BoxWidth, 3);
  EXPECT_EQ(g.BoxHeight, 3);
  EXPECT_EQ(g.GridSize, 9);
}

TEST(Geometry, BoxCellsAreNumberedRowByRow) {
  TGeometry g;
  g.SetBoxShape(3, 2);  // 6 x 6, boxes three wide and two high
  // Box (2, 3): columns 4..6, rows 5..6; position 4 starts its second row.
  EXPECT_EQ(g.BoxCellColumn(2, 4), 4);
  EXPECT_EQ(g.BoxCellRow(3, 4), 6);
  EXPECT_EQ(g.BoxCellColumn(2, 3), 6);
  EXPECT_EQ(g.BoxCellRow(3, 3), 5);
}

}  // namespace
}  // namespace novlet
