#include "main_form_fixture.h"

#include "ui/base_btn.h"
#include "ui/msg_dlg_box.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace novlet::test {

void MainFormTest::SetUp() {
  ASSERT_TRUE(dataFolder_.isValid());
  qputenv("NOVLET_HOME", dataFolder_.path().toLocal8Bit());
}

void MainFormTest::TearDown() {
  form_.reset();
  qunsetenv("NOVLET_HOME");
}

TMainForm& MainFormTest::CreateForm(std::uint8_t startupFlags) {
  TMainFormSetup setup;
  setup.Folders.ProgramFolder = DataFolder();
  setup.Folders.ResourceFolder = DataFolder();
  setup.Folders.Data = ResolveDataPaths(CurrentDataPathInputs(DataFolder()));
  setup.StartupFlags = startupFlags;
  setup.ShellLinks = &shellLinks_;
  setup.AccountName = [this] { return account_; };
  form_ = std::make_unique<TMainForm>(std::move(setup));
  return *form_;
}

void MainFormTest::AnswerNextBox(bool leftButton) {
  QTimer::singleShot(0, qApp, [leftButton] {
    TMsgDlgBox* box = TMsgDlgBox::OpenBox();
    ASSERT_NE(box, nullptr);
    QTest::mouseClick(leftButton ? box->OkBtn() : box->CancelBtn(), Qt::LeftButton, {}, QPoint(20, 10));
  });
}

}  // namespace novlet::test
