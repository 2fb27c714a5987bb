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
    QObject::connect(&grid, &TNovletGrid::keyReleased,
                     [this](int key, TShiftState shift) { released.push_back({key, shift}); });
    QObject::connect(&grid, &TNovletGrid::selecting,
                     [this](int column, int row) { told.push_back(QPoint(column, row)); });
    grid.show();
  }

  QPoint CentreOf(int column, int row) const { return GridCellRect(column, row, 9, grid.size()).center(); }

  TNovletGrid grid;
  std::vector<TReleasedKey> released;
  std::vector<QPoint> told;
};

// A key event as a keyboard of some layout sends it: the key's code, the
// character it types and its place on the keyboard.
int KeyCodeOf(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
  const QKeyEvent event(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0);
  return VirtualKeyOf(event);
}

TEST(NovletGrid, TheNumberRowTypesDigitsOnEveryLayoutWithOrWithoutShift) {
  const struct {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    quint32 ScanCode;
    int Expected;
  } cases[] = {
      {Qt::Key_1, Qt::NoModifier, 10, Vk1},                    // US, "1"
      {Qt::Key_Exclam, Qt::ShiftModifier, 10, Vk1},            // US, Shift+1
      {Qt::Key_Ampersand, Qt::NoModifier, 10, Vk1},            // French, the "1" key unshifted
      {Qt::Key_1, Qt::ShiftModifier, 10, Vk1},                 // French, Shift+1
      {Qt::Key_Agrave, Qt::NoModifier, 19, Vk0},               // French, the "0" key
      {Qt::Key_ParenLeft, Qt::ShiftModifier, 18, Vk1 + 8},     // US, Shift+9
      {Qt::Key_9, Qt::KeypadModifier, 81, VkNumpad1 + 8},      // the keypad keeps its own codes
      {Qt::Key_A, Qt::NoModifier, 24, LetterKey('A')},         // French "A" sits where US has "Q"
      {Qt::Key_Q, Qt::ShiftModifier, 38, LetterKey('Q')},
      {Qt::Key_7, Qt::NoModifier, 0, Vk1 + 6},                 // no scan code at all
  };
  for (const auto& c : cases) EXPECT_EQ(KeyCodeOf(c.Key, c.Modifiers, c.ScanCode), c.Expected) << c.Key;
}

TEST(NovletGrid, ArrowKeysMoveTheSelectionWithinTheBoardAndTellFirst) {
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
  ASSERT_FALSE(t.told.empty());
  EXPECT_EQ(t.told.front(), QPoint(1, 0));
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
  QTest::sendKeyEvent(QTest::KeyAction::Press, &t.grid, Qt::Key_5, '5', Qt::NoModifier);
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
  QObject::connect(&t.grid, &TNovletGrid::selecting, [&t](int column, int) { t.grid.SetPopupAllowed(column == 2); });
  QTest::mouseClick(&t.grid, Qt::RightButton, {}, t.CentreOf(1, 1));
  EXPECT_EQ(t.grid.Col(), 1);
  EXPECT_FALSE(menu.isVisible());
  QTest::mousePress(&t.grid, Qt::RightButton, {}, t.CentreOf(2, 1));
  EXPECT_TRUE(menu.isVisible());
  menu.hide();
}

TEST(NovletGrid, PaintsWhatItsPageLendsIt) {
  TGridUnderTest t;
  TGeometry geometry;
  TBoard solution;
  TCellTexts puzzle;
  TCellTexts cells;
  cells.at(1, 1) = "5";
  TDisplaySet displaySet;
  t.grid.SetScene([&] {
    TGridScene scene{geometry, solution, puzzle, cells, displaySet, {}, {}};
    scene.Look.Ruler = false;
    return scene;
  });
  const QImage shown = t.grid.grab().toImage();
  // The corner box keeps the background colour, its neighbour the contrast.
  EXPECT_EQ(shown.pixelColor(GridCellRect(0, 1, 9, t.grid.size()).center()), TGridLook().BackgroundColor);
  EXPECT_EQ(shown.pixelColor(GridCellRect(4, 1, 9, t.grid.size()).topLeft() + QPoint(3, 3)),
            TGridLook().ContrastColor);
  // The 5 in the first cell is drawn in the font's colour.
  bool fiveDrawn = false;
  const QRect first = GridCellRect(0, 0, 9, t.grid.size());
  for (int y = first.top(); y < first.bottom(); ++y)
    for (int x = first.left(); x < first.right(); ++x) fiveDrawn |= shown.pixelColor(x, y) == TGridLook().FontColor;
  EXPECT_TRUE(fiveDrawn);
}

}  // namespace
}  // namespace novlet
