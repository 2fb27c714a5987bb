// The skinned message and entry boxes: their answers by mouse and key, their layout, one open box of a kind.
#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/edit_dlg_box.h"
#include "ui/msg_dlg_box.h"
#include "ui/skinned_dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace novlet {
namespace {

// Runs the action inside the box's modal loop, once the box is showing.
void WhenShown(std::function<void()> action) { QTimer::singleShot(0, qApp, std::move(action)); }

void Click(TBaseBtn* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10)); }

// Does the action in the shown box and tells whether the box is still open;
// a box left open is closed, so that the test goes on.
bool StaysOpen(QWidget* box, const std::function<void()>& action) {
  action();
  const bool open = box->isVisible();
  if (open) box->close();
  return open;
}

template <typename Box>
std::function<void(Box*)> KeyIn(QWidget* (*target)(Box*), Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  return [=](Box* box) { QTest::keyClick(target(box), key, modifiers); };
}

QWidget* TheBox(TMsgDlgBox* box) { return box; }
QWidget* TheField(TEditDlgBox* box) { return box->Edit(); }

// The boxes ask through the real dialogs, which know the box they have open.
class SkinnedBoxes : public testing::Test {
 protected:
  TMsgDlgBox* MsgBox() const { return dialogs.OpenBox<TMsgDlgBox>(); }
  TEditDlgBox* EditBox() const { return dialogs.OpenBox<TEditDlgBox>(); }

  TSkinnedDialogs dialogs{{}, nullptr};
};

TEST_F(SkinnedBoxes, TheMessageBoxAnswersYesByTheLeftButtonOrEnterAndNoByTheRightButtonEscapeOrClosing) {
  using TAct = std::function<void(TMsgDlgBox*)>;
  const struct {
    const char* Name;
    const char* OkCaption;
    const char* CancelCaption;
    TAct Act;
    std::optional<bool> Answer;  // none: the box stays open
  } cases[] = {
      {"left button", "Yes", "No", [](TMsgDlgBox* box) { Click(box->OkBtn()); }, true},
      {"right button", "Yes", "No", [](TMsgDlgBox* box) { Click(box->CancelBtn()); }, false},
      {"close request", "Yes", "No", [](TMsgDlgBox* box) { box->close(); }, false},
      {"Return", "Yes", "No", KeyIn(TheBox, Qt::Key_Return), true},
      {"Enter", "Yes", "No", KeyIn(TheBox, Qt::Key_Enter), true},
      {"Escape", "Yes", "No", KeyIn(TheBox, Qt::Key_Escape), false},
      {"Escape with Ok alone", "Ok", "", KeyIn(TheBox, Qt::Key_Escape), true},
      {"Return with Close alone", "", "Close", KeyIn(TheBox, Qt::Key_Return), false},
      {"Shift+Return", "Yes", "No", KeyIn(TheBox, Qt::Key_Return, Qt::ShiftModifier), std::nullopt},
      // Only a key pressed in the box answers, not the release of one that
      // was pressed before the box came.
      {"a stray release", "Yes", "No", [](TMsgDlgBox* box) { QTest::keyRelease(box, Qt::Key_Return); }, std::nullopt},
  };
  for (const auto& c : cases) {
    bool stayedOpen = false;
    WhenShown([&] { stayedOpen = StaysOpen(MsgBox(), [&] { c.Act(MsgBox()); }); });
    const bool answer = dialogs.Ask("Quit?", c.OkCaption, c.CancelCaption);
    EXPECT_EQ(stayedOpen, !c.Answer) << c.Name;
    EXPECT_EQ(c.Answer.value_or(answer), answer) << c.Name;
    EXPECT_EQ(MsgBox(), nullptr) << c.Name;
  }
}

TEST_F(SkinnedBoxes, TheEntryBoxReturnsTheTextOnOkOrEnterInTheFieldAndNothingOtherwise) {
  using TAct = std::function<void(TEditDlgBox*)>;
  const auto typed = [](TAct then) {
    return [then](TEditDlgBox* box) {
      box->Edit()->setText("  Typed ");
      then(box);
    };
  };
  const struct {
    const char* Name;
    TAct Act;
    std::optional<QString> Answer;  // none: the box stays open
  } cases[] = {
      {"Ok", typed([](TEditDlgBox* box) { Click(box->OkBtn()); }), "  Typed "},
      {"Cancel", typed([](TEditDlgBox* box) { Click(box->CancelBtn()); }), ""},
      {"close request", typed([](TEditDlgBox* box) { box->close(); }), ""},
      {"Return", KeyIn(TheField, Qt::Key_Return), "Old name"},
      {"Escape", typed(KeyIn(TheField, Qt::Key_Escape)), ""},
      {"Shift+Return", KeyIn(TheField, Qt::Key_Return, Qt::ShiftModifier), std::nullopt},
      {"a stray release", [](TEditDlgBox* box) { QTest::keyRelease(box->Edit(), Qt::Key_Return); }, std::nullopt},
  };
  for (const auto& c : cases) {
    bool stayedOpen = false;
    WhenShown([&] {
      TEditDlgBox* box = EditBox();
      EXPECT_EQ(box->Edit()->text(), "Old name");
      stayedOpen = StaysOpen(box, [&] { c.Act(box); });
    });
    const QString answer = dialogs.AskText("Save as", "Ok", "Cancel", "Old name");
    EXPECT_EQ(stayedOpen, !c.Answer) << c.Name;
    EXPECT_EQ(c.Answer.value_or(answer), answer) << c.Name;
  }
}

TEST_F(SkinnedBoxes, LayOutTheirTextsAndHideTheButtonOfAnEmptyCaption) {
  WhenShown([this] {
    TMsgDlgBox* box = MsgBox();
    EXPECT_EQ(box->size(), QSize(400, 150));
    EXPECT_EQ(box->MsgLbl()->text(), "Saved.");
    EXPECT_EQ(box->MsgLbl()->geometry(), QRect(20, 10, 360, 90));
    EXPECT_TRUE(box->MsgLbl()->wordWrap());
    EXPECT_TRUE(box->OkBtn()->isVisible());
    EXPECT_EQ(box->OkBtn()->Caption(), "Ok");
    EXPECT_EQ(box->OkBtn()->geometry(), QRect(140, 100, 120, 35));
    EXPECT_FALSE(box->CancelBtn()->isVisible());
    EXPECT_FALSE(box->OkBtn()->GlyphUp().isNull());
    Click(box->OkBtn());
  });
  EXPECT_TRUE(dialogs.Ask("Saved.", "Ok", ""));

  WhenShown([this] {
    TMsgDlgBox* box = MsgBox();
    EXPECT_FALSE(box->OkBtn()->isVisible());
    EXPECT_TRUE(box->CancelBtn()->isVisible());
    EXPECT_EQ(box->CancelBtn()->geometry(), QRect(260, 100, 120, 35));
    Click(box->CancelBtn());
  });
  EXPECT_FALSE(dialogs.Ask("Nothing to do.", "", "Close"));

  // A message of many lines grows the box, every line above the button.
  WhenShown([this] {
    TMsgDlgBox* box = MsgBox();
    EXPECT_GT(box->height(), 150);
    EXPECT_GE(box->MsgLbl()->height(), box->MsgLbl()->heightForWidth(360));
    EXPECT_LT(box->MsgLbl()->geometry().bottom(), box->OkBtn()->y());
    EXPECT_EQ(box->Background()->size(), box->size());
    Click(box->OkBtn());
  });
  EXPECT_TRUE(dialogs.Ask("3 imported.\n\nNot imported:\nline 1: a\nline 2: b\nline 3: c\nline 4: d\nand 1 more", "Ok", ""));

  WhenShown([this] {
    TEditDlgBox* box = EditBox();
    EXPECT_EQ(box->Edit()->geometry(), QRect(20, 70, 360, 22));
    EXPECT_EQ(box->MsgLbl()->geometry(), QRect(20, 10, 360, 55));
    box->close();
  });
  dialogs.AskText("Save as", "Ok", "Cancel", "");
}

TEST_F(SkinnedBoxes, ActivatingTheMessageBoxPutsThePointerOnTheRightButton) {
  QPoint pointer;
  QPoint spot;
  WhenShown([&] {
    TMsgDlgBox* box = MsgBox();
    QApplication::setActiveWindow(box);
    pointer = QCursor::pos();
    spot = box->pos() + QPoint(260 + 40, 100 + 20);
    Click(box->CancelBtn());
  });
  dialogs.Ask("Quit?", "Yes", "No");
  EXPECT_EQ(pointer, spot);
}

TEST_F(SkinnedBoxes, ASecondRequestForAnOpenKindAnswersAtOnceButTheOtherKindMayOpen) {
  bool secondAnswer = true;
  WhenShown([&] {
    TMsgDlgBox* first = MsgBox();
    secondAnswer = dialogs.Ask("Second", "Yes", "No");
    EXPECT_EQ(MsgBox(), first);
    EXPECT_EQ(first->MsgLbl()->text(), "First");
    Click(first->OkBtn());
  });
  EXPECT_TRUE(dialogs.Ask("First", "Yes", "No"));
  EXPECT_FALSE(secondAnswer);

  QString secondText = "unset";
  bool messageAnswer = false;
  WhenShown([&] {
    secondText = dialogs.AskText("Second", "Ok", "Cancel", "second text");
    EXPECT_EQ(EditBox()->Edit()->text(), "first text");
    WhenShown([this] { Click(MsgBox()->OkBtn()); });
    messageAnswer = dialogs.Ask("Name taken. Replace?", "Yes", "No");
    Click(EditBox()->OkBtn());
  });
  EXPECT_EQ(dialogs.AskText("First", "Ok", "Cancel", "first text"), "first text");
  EXPECT_EQ(secondText, "");
  EXPECT_TRUE(messageAnswer);
}

TEST_F(SkinnedBoxes, AStopCancelsEveryOpenBoxAndChooser) {
  QString name = "unset";
  std::optional<int> item = 0;
  WhenShown([&] {
    WhenShown([&] {
      WhenShown([&] { dialogs.CancelOpenBoxes(); });
      item = dialogs.ChooseItem("Size", {"Small", "Large"}, 1);
    });
    name = dialogs.AskText("Name?", "Ok", "Cancel", "typed");
  });
  EXPECT_FALSE(dialogs.Ask("Quit?", "Yes", "No"));
  EXPECT_EQ(name, "");
  EXPECT_EQ(item, std::nullopt);

  WhenShown([&] { dialogs.OpenBox<QInputDialog>()->accept(); });
  EXPECT_EQ(dialogs.ChooseItem("Size", {"Small", "Medium", "Large"}, 1), 1);
}

}  // namespace
}  // namespace novlet
