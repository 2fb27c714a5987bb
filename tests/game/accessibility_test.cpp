// The window as screen readers and automation meet it through Qt's interfaces.
// Every page's controls, pressing, the grid's cells and what it announces.
#include "play_n_solve_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QStackedWidget>

#include "game/grid_announcer.h"
#include "ui/bk_control.h"

namespace novlet::test {
namespace {

// What a player meets under the interface: shown controls, but neither the
// skin's picture, nor labels that show nothing, nor the panels that only hold
// other controls.
void CollectControls(QAccessibleInterface* parent, std::vector<QAccessibleInterface*>& controls) {
  for (int i = 0; i < parent->childCount(); ++i) {
    QAccessibleInterface* child = parent->child(i);
    if (!child || child->state().invisible) continue;
    const auto* widget = qobject_cast<QWidget*>(child->object());
    const auto* label = qobject_cast<const QLabel*>(widget);
    const QAccessible::Role role = child->role();
    const bool holder = widget && !widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty() &&
                        (role == QAccessible::Client || role == QAccessible::Pane ||
                         role == QAccessible::LayeredPane || role == QAccessible::Grouping);
    if (!holder && !qobject_cast<const TBkControl*>(widget) &&
        !(label && label->text().isEmpty() && label->pixmap().isNull()))
      controls.push_back(child);
    CollectControls(child, controls);
  }
}

QString Describe(QAccessibleInterface* control) {
  const QObject* object = control->object();
  return object ? QString::fromLatin1(object->metaObject()->className()) + ' ' + object->objectName()
                : control->parent()->object()->objectName() + " child " + control->text(QAccessible::Name);
}

void Press(QAccessibleInterface* control) {
  control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();
}

void Press(QObject* control) { Press(QAccessible::queryAccessibleInterface(control)); }

QAccessibleInterface* ChildNamed(QAccessibleInterface* parent, const QString& name) {
  for (int i = 0; i < parent->childCount(); ++i)
    if (parent->child(i)->text(QAccessible::Name) == name) return parent->child(i);
  return nullptr;
}

TEST_F(PlayNSolveTest, EveryShownControlOfEveryPageHasARoleAndAName) {
  CreatePage();
  NewGame("S3X3");
  Tick();
  for (TBookPage* page : Form().BookPages()) {
    Form().ShowPageByButton(page);
    SCOPED_TRACE(page->HeadingLbl()->text().toStdString());
    std::vector<QAccessibleInterface*> controls;
    CollectControls(QAccessible::queryAccessibleInterface(&Form()), controls);
    EXPECT_GT(controls.size(), 10u);
    for (QAccessibleInterface* control : controls) {
      EXPECT_NE(control->role(), QAccessible::NoRole) << Describe(control).toStdString();
      EXPECT_NE(control->role(), QAccessible::Client) << Describe(control).toStdString() << " is a nameless filler";
      EXPECT_FALSE(control->text(QAccessible::Name).isEmpty()) << Describe(control).toStdString();
    }
  }
}

TEST_F(PlayNSolveTest, PressingThroughTheAccessibilityInterfaceIsAClick) {
  CreatePage();
  QApplication::setActiveWindow(&Form());
  Press(Page().NewBtn());
  ASSERT_TRUE(Page().NovletGridsPopupMenu()->isVisible());
  Press(ChildNamed(QAccessible::queryAccessibleInterface(Page().NovletGridsPopupMenu()), "3 x 3 (Pure Novlet)"));
  EXPECT_EQ(Grid().ColCount(), 9);
  Press(Page().SaveBtn());
  EXPECT_EQ(dialogs_.NamesAsked, 1);

  // A cell's press selects it; a symbol's enters its value there.
  const auto [c, r] = OpenCell(3);
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&Grid());
  Press(grid->tableInterface()->cellAt(r - 1, c - 1));
  EXPECT_EQ(std::pair(Grid().SelectedColumn(), Grid().SelectedRow()), std::pair(c, r));
  EXPECT_EQ(grid->focusChild(), grid->tableInterface()->cellAt(r - 1, c - 1));
  Press(QAccessible::queryAccessibleInterface(Page().Strip())->child(SolutionAt(c, r) - 1));
  EXPECT_EQ(Cell(c, r), std::to_string(SolutionAt(c, r)));

  // Explain is a named action of every cell, as it is an item of its menu.
  QAccessibleInterface* cell = grid->tableInterface()->cellAt(0, 0);
  ASSERT_TRUE(cell->actionInterface()->actionNames().contains("Explain"));
  cell->actionInterface()->doAction("Explain");
  QCoreApplication::processEvents();
  EXPECT_TRUE(Page().PlayNSolveExplainLbl()->isVisible());
  EXPECT_EQ(Game().HintCount, 1);

  QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(Page().Gauge());
  Tick(90);
  EXPECT_EQ(gauge->role(), QAccessible::ProgressBar);
  EXPECT_EQ(gauge->valueInterface()->currentValue().toInt(), Page().Gauge()->Progress());
}

std::vector<std::pair<QAccessible::Event, int>> announced;
void RecordEvent(QAccessibleEvent* event) { announced.emplace_back(event->type(), event->child()); }

TEST_F(PlayNSolveTest, TheGridIsATableOfCellsNamedByWhatTheyShowAndAnnouncesWhatChanged) {
  CreatePage();
  NewGame("S2X2");
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&Grid());
  ASSERT_EQ(grid->role(), QAccessible::Table);
  EXPECT_EQ(grid->tableInterface()->rowCount(), 4);
  EXPECT_EQ(grid->childCount(), 16);
  const auto name = [&](int c, int r) { return grid->child((r - 1) * 4 + c - 1)->text(QAccessible::Name); };
  const auto [gc, gr] = GivenCell();
  EXPECT_EQ(name(gc, gr), QString("row %1, column %2: %3, given").arg(gr).arg(gc).arg(SolutionAt(gc, gr)));
  const auto [c, r] = OpenCell();
  EXPECT_EQ(name(c, r), QString("row %1, column %2: empty").arg(r).arg(c));

  Grid().findChild<TGridAnnouncer*>()->SetListener(RecordEvent);
  QApplication::setActiveWindow(&Form());
  Grid().update();
  const auto settled = [](QAccessible::Event last) {
    return QTest::qWaitFor([last] { return !announced.empty() && announced.back().first == last; },
                           TGridAnnouncer::kSettleMilliseconds * 10);
  };
  EXPECT_TRUE(settled(QAccessible::TableModelChanged)) << "the first look takes in the whole table";
  announced.clear();
  Select(c, r);
  Key(Qt::Key_3, Qt::ControlModifier);
  Key(Qt::Key_1, Qt::ControlModifier);
  EXPECT_TRUE(settled(QAccessible::NameChanged));
  const std::pair focus(QAccessible::Focus, (r - 1) * 4 + c - 1);
  EXPECT_EQ(name(c, r), QString("row %1, column %2: notes 1, 3").arg(r).arg(c));
  EXPECT_NE(std::find(announced.begin(), announced.end(), focus), announced.end());
  std::vector<int> renamed;
  for (const auto& [type, child] : announced)
    if (type == QAccessible::NameChanged) renamed.push_back(child);
  EXPECT_EQ(renamed, std::vector{focus.second}) << "one announcement of two notes, for their cell only";
}

}  // namespace
}  // namespace novlet::test
