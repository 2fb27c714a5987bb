#include "ui/base_btn.h"
#include "ui/edit_dlg_box.h"
#include "ui/msg_dlg_box.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace novlet {
namespace {

// Runs the action inside the box's modal loop, once the box is showing.
void WhenShown(std::function<void()> action) { QTimer::singleShot(0, qApp, std::move(action)); }

void Click(TBaseBtn* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 10)); }

TEST(MsgDlgBox, AnswersTrueOnlyForTheLeftButton) {
  WhenShown([] { Click(TMsgDlgBox::OpenBox()->OkBtn()); });
  EXPECT_TRUE(ShowMsgBox("Quit?", "Yes", "No"));
  WhenShown([] { Click(TMsgDlgBox::OpenBox()->CancelBtn()); });
  EXPECT_FALSE(ShowMsgBox("Quit?", "Yes", "No"));
  EXPECT_EQ(TMsgDlgBox::OpenBox(), nullptr);
}

TEST(MsgDlgBox, ACloseRequestAnswersNoAndEscapeIsIgnored) {
  bool stillShownAfterEscape = false;
  WhenShown([&] {
    TMsgDlgBox* box = TMsgDlgBox::OpenBox();
    QTest::keyClick(box, Qt::Key_Escape);
    stillShownAfterEscape = box->isVisible();
    box->close();
  });
  EXPECT_FALSE(ShowMsgBox("Quit?", "Yes", "No"));
  EXPECT_TRUE(stillShownAfterEscape);
}

TEST(MsgDlgBox, LaysOutItsTextsAndHidesTheButtonOfAnEmptyCaption) {
  WhenShown([] {
    TMsgDlgBox* box = TMsgDlgBox::OpenBox();
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
  EXPECT_TRUE(ShowMsgBox("Saved.", "Ok", ""));

  WhenShown([] {
    TMsgDlgBox* box = TMsgDlgBox::OpenBox();
    EXPECT_FALSE(box->OkBtn()->isVisible());
    EXPECT_TRUE(box->CancelBtn()->isVisible());
    EXPECT_EQ(box->CancelBtn()->geometry(), QRect(260, 100, 120, 35));
    Click(box->CancelBtn());
  });
  EXPECT_FALSE(ShowMsgBox("Nothing to do.", "", "Close"));
}

TEST(MsgDlgBox, ASecondRequestWhileOneIsOpenAnswersNoAtOnce) {
  bool secondAnswer = true;
  WhenShown([&] {
    TMsgDlgBox* first = TMsgDlgBox::OpenBox();
    secondAnswer = ShowMsgBox("Second", "Yes", "No");
    EXPECT_EQ(TMsgDlgBox::OpenBox(), first);
    EXPECT_EQ(first->MsgLbl()->text(), "First");
    Click(first->OkBtn());
  });
  EXPECT_TRUE(ShowMsgBox("First", "Yes", "No"));
  EXPECT_FALSE(secondAnswer);
}

TEST(MsgDlgBox, ActivationPutsThePointerOnTheRightButton) {
  QPoint pointer;
  QPoint spot;
  WhenShown([&] {
    TMsgDlgBox* box = TMsgDlgBox::OpenBox();
    QApplication::setActiveWindow(box);
    pointer = QCursor::pos();
    spot = box->pos() + QPoint(260 + 40, 100 + 20);
    Click(box->CancelBtn());
  });
  ShowMsgBox("Quit?", "Yes", "No");
  EXPECT_EQ(pointer, spot);
}

TEST(EditDlgBox, ReturnsTheTextOnOkAndNothingOtherwise) {
  WhenShown([] {
    TEditDlgBox* box = TEditDlgBox::OpenBox();
    EXPECT_EQ(box->Edit()->text(), "Old name");
    EXPECT_EQ(box->Edit()->geometry(), QRect(20, 70, 360, 22));
    EXPECT_EQ(box->MsgLbl()->geometry(), QRect(20, 10, 360, 55));
    box->Edit()->setText("  New name ");
    Click(box->OkBtn());
  });
  EXPECT_EQ(ShowEditBox("Save as", "Ok", "Cancel", "Old name"), "  New name ");

  WhenShown([] {
    TEditDlgBox* box = TEditDlgBox::OpenBox();
    box->Edit()->setText("Typed");
    Click(box->CancelBtn());
  });
  EXPECT_EQ(ShowEditBox("Save as", "Ok", "Cancel", "Old name"), "");

  WhenShown([] { TEditDlgBox::OpenBox()->close(); });
  EXPECT_EQ(ShowEditBox("Save as", "Ok", "Cancel", "Old name"), "");
}

TEST(EditDlgBox, EnterConfirmsButNotWithShiftNorWithoutItsPressInTheField) {
  bool openAfterShiftEnter = false;
  bool openAfterStrayRelease = false;
  WhenShown([&] {
    TEditDlgBox* box = TEditDlgBox::OpenBox();
    QLineEdit* edit = box->Edit();
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    openAfterShiftEnter = box->isVisible();
    QTest::keyRelease(edit, Qt::Key_Return);
    openAfterStrayRelease = box->isVisible();
    edit->setText("Mine");
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(ShowEditBox("Save as", "Ok", "Cancel", ""), "Mine");
  EXPECT_TRUE(openAfterShiftEnter);
  EXPECT_TRUE(openAfterStrayRelease);
}

TEST(EditDlgBox, ASecondRequestWhileOneIsOpenAnswersEmptyAtOnce) {
  QString secondAnswer = "unset";
  WhenShown([&] {
    secondAnswer = ShowEditBox("Second", "Ok", "Cancel", "second text");
    TEditDlgBox* box = TEditDlgBox::OpenBox();
    EXPECT_EQ(box->Edit()->text(), "first text");
    Click(box->OkBtn());
  });
  EXPECT_EQ(ShowEditBox("First", "Ok", "Cancel", "first text"), "first text");
  EXPECT_EQ(secondAnswer, "");
}

TEST(SkinnedBoxes, AMessageBoxAndAnEntryBoxMayBeOpenTogether) {
  bool messageAnswer = false;
  WhenShown([&] {
    WhenShown([] { Click(TMsgDlgBox::OpenBox()->OkBtn()); });
    messageAnswer = ShowMsgBox("Name taken. Replace?", "Yes", "No");
    Click(TEditDlgBox::OpenBox()->OkBtn());
  });
  EXPECT_EQ(ShowEditBox("Save as", "Ok", "Cancel", "Name"), "Name");
  EXPECT_TRUE(messageAnswer);
}

}  // namespace
}  // namespace novlet
