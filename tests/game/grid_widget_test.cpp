// The grid control as the player meets it: selection by keys and mouse,
// released keys as key codes, the right-click permission, the painting.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include <vector>

#include "engine/board_text.h"
#include "game/grid_key_codes.h"
#include "game/novlet_grid.h"
#include "render/grid_painter.h"

namespace novlet {
namespace {

struct TReleasedKey {
  int Key;
  TShiftState Shift;
};

struct TGridUnderTest {
  TGridUnderTest() {
    grid.resize(245, 245);
    grid.SetGridSize(9);
    grid.OnKeyUp = [this](QObject*, int key, TShiftState shift) { released.push_back({key, shift}); };
    grid.OnSelectCell = [this](QObject*, int column, int row, bool& canSelect) {
      asked.push_back(QPoint(column, row));
      canSelect = allowSelect;
    };
    grid.show();
  }

  QPoint CentreOf(int column, int row) const { return GridCellRect(column, row, 9, grid.size()).center(); }

  TNovletGrid grid;
  std::vector<TReleasedKey> released;
  std::vector<QPoint> asked;
  bool allowSelect = true;
};

TEST(NovletGrid, ArrowKeysMoveTheSelectionWithinTheBoardAndAskFirst) {
  TGridUnderTest t;
  QTest::keyClick(&t.grid, Qt::Key_Right);
  QTest::keyClick(&t.grid, Qt::Key_Down);
  QTest::keyClick(&t.grid, Qt::Key_Down);
  EXPECT_EQ(t.grid.Col(), 1);
  EXPECT_EQ(t.grid.Row(), 2);
  QTest::keyClick(&t.grid, Qt::Key_Up);
  QTest::keyClick(&t.grid, Qt::Key_Up);
  QTest::keyClick(&t.grid, Qt::Key_Up);
  EXPECT_EQ(t.grid.Row(), 0);  // the edge holds
  QTest::keyClick(&t.grid, Qt::Key_End);
  EXPECT_EQ(t.grid.Col(), 8);
  ASSERT_FALSE(t.asked.empty());
  EXPECT_EQ(t.asked.front(), QPoint(1, 0));

  t.allowSelect = false;
  QTest::keyClick(&t.grid, Qt::Key_Left);
  EXPECT_EQ(t.grid.Col(), 8);
}

TEST(NovletGrid, ReleasedKeysReachTheHandlerAsKeyCodesWithTheirShiftState) {
  TGridUnderTest t;
  QTest::keyClick(&t.grid, Qt::Key_7);
  QTest::keyClick(&t.grid, Qt::Key_3, Qt::ControlModifier);
  QTest::keyClick(&t.grid, Qt::Key_Q);
  QTest::keyClick(&t.grid, Qt::Key_2, Qt::KeypadModifier);
  QTest::keyClick(&t.grid, Qt::Key_Delete);
  QTest::keyClick(&t.grid, Qt::Key_Backspace);
  QTest::keyClick(&t.grid, Qt::Key_Clear);
  QTest::keyClick(&t.grid, Qt::Key_Pause);
  QTest::keyClick(&t.grid, Qt::Key_Return);
  QTest::keyClick(&t.grid, Qt::Key_Space);
  QTest::keyClick(&t.grid, Qt::Key_Right);
  // The Ctrl key's own release has no code of the game.
  const std::vector<int> expected{Vk1 + 6, Vk1 + 2, 0,        LetterKey('Q'), VkNumpad1 + 1, VkDelete,
                                  VkBack,  VkClear, VkPause, VkReturn,       VkSpace,       VkRight};
  ASSERT_EQ(t.released.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(t.released[i].Key, expected[i]) << i;
  EXPECT_EQ(t.released[1].Shift, TShiftState(TShift::Ctrl));
  EXPECT_EQ(t.released[0].Shift, TShiftState());
}

TEST(NovletGrid, AKeyKeepsTheCtrlItWasPressedWith) {
  TGridUnderTest t;
  QTest::keyPress(&t.grid, Qt::Key_3, Qt::ControlModifier);
  QTest::keyRelease(&t.grid, Qt::Key_3, Qt::NoModifier);
  QTest::keyPress(&t.grid, Qt::Key_4, Qt::NoModifier);
  QTest::keyRelease(&t.grid, Qt::Key_4, Qt::NoModifier);
  ASSERT_EQ(t.released.size(), 2u);
  EXPECT_EQ(t.released[0].Shift, TShiftState(TShift::Ctrl));
  EXPECT_EQ(t.released[1].Shift, TShiftState());
}

TEST(NovletGrid, AHeldKeyIsReleasedOnce) {
  TGridUnderTest t;
  QTest::sendKeyEvent(QTest::KeyAction::Release, &t.grid, Qt::Key_5, '5', Qt::NoModifier);
  QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, "5", true);
  QCoreApplication::sendEvent(&t.grid, &repeated);
  EXPECT_EQ(t.released.size(), 1u);
}

TEST(NovletGrid, MouseSelectsTheCellUnderItOnlyInsideTheBoard) {
  TGridUnderTest t;
  QTest::mouseClick(&t.grid, Qt::LeftButton, {}, t.CentreOf(4, 6));
  EXPECT_EQ(t.grid.Col(), 4);
  EXPECT_EQ(t.grid.Row(), 6);
  QTest::mouseClick(&t.grid, Qt::LeftButton, {}, QPoint(244, 244));  // the leftover strip beyond 9 x 27
  EXPECT_EQ(t.grid.Col(), 4);
  t.grid.SetGridSize(4);
  EXPECT_EQ(t.grid.Col(), 3);  // kept inside the smaller board
  EXPECT_EQ(t.grid.Row(), 3);
}

TEST(NovletGrid, RightClickSelectsAndOpensTheMenuOnlyWhenAllowed) {
  TGridUnderTest t;
  QMenu menu;
  menu.addAction(QStringLiteral("[ ]"));
  t.grid.SetPopupMenu(&menu);
  t.grid.OnSelectCell = [&t](QObject*, int column, int, bool&) { t.grid.SetPopupAllowed(column == 2); };
  QTest::mouseClick(&t.grid, Qt::RightButton, {}, t.CentreOf(1, 1));
  EXPECT_EQ(t.grid.Col(), 1);
  EXPECT_FALSE(menu.isVisible());
  QTest::mousePress(&t.grid, Qt::RightButton, {}, t.CentreOf(2, 1));
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
}

TEST(NovletGrid, PaintsThroughTheGridPainterIntoTheOwnersBuffer) {
  TGridUnderTest t;
  TGeometry geometry;
  TBoard solution;
  TCellTexts puzzle;
  TDisplaySet displaySet;
  QImage buffer(t.grid.size(), QImage::Format_RGB32);
  buffer.fill(Qt::magenta);
  t.grid.OnDrawInputs = [&] {
    TGridDrawInputs inputs{&geometry, &solution, &puzzle, &displaySet, &buffer, {}, {}};
    inputs.Look.Ruler = false;
    return inputs;
  };
  t.grid.SetCell(0, 0, "5");
  EXPECT_EQ(t.grid.Cells().at(1, 1), "5");
  const QImage shown = t.grid.grab().toImage();
  // The corner box keeps the background colour, its neighbour the contrast.
  EXPECT_EQ(shown.pixelColor(GridCellRect(0, 1, 9, t.grid.size()).center()), TGridLook().BackgroundColor);
  EXPECT_EQ(shown.pixelColor(GridCellRect(4, 1, 9, t.grid.size()).topLeft() + QPoint(3, 3)),
            TGridLook().ContrastColor);
  EXPECT_NE(buffer.pixelColor(5, 5), QColor(Qt::magenta));
}

}  // namespace
}  // namespace novlet
