// The Play & Solve page in a real main window, with a clock the test moves,
// flashes that do not wait, and dialogs the test answers.
#pragma once

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <string>
#include <utility>

#include "engine/board_text.h"
#include "game/cell_flash_animation.h"
#include "game/grid_shape_menu.h"
#include "game/grid_symbol_strip.h"
#include "game/novlet_grid.h"
#include "game/pie_gauge.h"
#include "game/play_n_solve_page.h"
#include "main_form_fixture.h"
#include "render/display_set_strip.h"
#include "render/grid_painter.h"
#include "ui/base_btn.h"

namespace novlet::test {

class PlayNSolveTest : public MainFormTest {
 protected:
  // A window showing the Play & Solve page, its timer stopped so that only
  // Tick moves the clock.
  TPlayNSolvePage& CreatePage() {
    TMainForm& form = CreateForm();
    form.show();
    form.MainTimer()->stop();
    return Page();
  }

  TPlayNSolvePage& Page() { return *static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve)); }
  const TPlaySession& Session() { return Page().Session(); }
  TNovletGrid& Grid() { return *Page().Grid(); }
  const TNovletFileData& Game() { return Session().Record(); }
  int N() { return Session().GridSize(); }

  // New with a box shape of the menu, from a fixed seed.
  void NewGame(const char* shapeItem = "S2X2", std::uint64_t seed = 7) {
    Form().Engine().Random().Seed(seed);
    QAction* item = Page().NovletGridsPopupMenu()->findChild<QAction*>(QString::fromLatin1(shapeItem));
    ASSERT_NE(item, nullptr) << shapeItem;
    item->trigger();
  }

  // Selects cell (c, r), 1-based, with the mouse.
  void Select(int c, int r, Qt::MouseButton button = Qt::LeftButton) {
    const QPoint centre = GridCellRect(c - 1, r - 1, N(), Grid().size()).center();
    QTest::mouseClick(&Grid(), button, {}, centre);
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(&Grid(), key, modifiers); }
  void StripClick(int value, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    TGridSymbolStrip* strip = Page().Strip();
    const int slot = StripSlotWidth(strip->width(), N(), strip->ScreenMode());
    QTest::mouseClick(strip, Qt::LeftButton, modifiers, QPoint(slot * (value - 1) + slot / 2, strip->height() / 2));
  }
  void Click(TBaseBtn* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 7)); }

  std::string Cell(int c, int r) { return Session().Grid().at(c, r); }
  int SolutionAt(int c, int r) { return Session().Solution().at(c, r); }
  // The open cells in reading order, 1-based; a given.
  std::pair<int, int> OpenCell(int skip = 0) {
    for (int r = 1; r <= N(); ++r)
      for (int c = 1; c <= N(); ++c)
        if (!Session().IsGiven(c, r) && skip-- == 0) return {c, r};
    return {0, 0};
  }
  std::pair<int, int> GivenCell() {
    for (int r = 1; r <= N(); ++r)
      for (int c = 1; c <= N(); ++c)
        if (Session().IsGiven(c, r)) return {c, r};
    return {0, 0};
  }
  QString TimeLabel() { return Page().StatusLbl()->text(); }
};

}  // namespace novlet::test
