// A main window for the tests, with its files, desktop, dialogs and clock.
#include "main_form_fixture.h"

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
  setup.Dialogs = &dialogs_;
  setup.FarewellMilliseconds = 0;
  setup.AccountName = [this] { return account_; };
  setup.Clock = [this] { return now_; };
  form_.reset();
  form_ = std::make_unique<TMainForm>(std::move(setup));
  return *form_;
}

TPlayNSolvePage& MainFormTest::PlayPage() { return *static_cast<TPlayNSolvePage*>(PageOf(TPageKind::PlayNSolve)); }

void MainFormTest::WhileGenerating(const std::function<void()>& during, const std::function<void()>& work) {
  bool ran = false;
  QTimer::singleShot(0, form_.get(), [&] {
    ran = true;
    during();
  });
  Form().Engine().Random().Seed(7);
  if (work)
    work();
  else
    PlayPage().NovletGridsPopupMenuClick(3, 3);
  EXPECT_TRUE(ran) << "the engine let no events run";
}

}  // namespace novlet::test
