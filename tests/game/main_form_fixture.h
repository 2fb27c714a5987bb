// A main window on the offscreen platform with its files in a temporary
// folder, a desktop and dialogs of its own, a clock the test moves and an
// account name the test can change.
#pragma once

#include "game/main_form.h"
#include "game/play_n_solve_page.h"
#include "game/shell_links.h"
#include "scripted_dialogs.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace novlet::test {

// Records what the window asked of the desktop.
class TFakeShellLinks : public TShellLinks {
 public:
  bool OpenWebPage(const QString& url) override {
    OpenedUrls << url;
    return true;
  }
  bool DesktopShortcutExists() const override { return ShortcutExists; }
  bool CreateDesktopShortcut() override {
    ++CreateCalls;
    ShortcutExists = true;
    return true;
  }
  bool RemoveDesktopShortcut() override {
    ++RemoveCalls;
    ShortcutExists = false;
    return true;
  }

  QStringList OpenedUrls;
  bool ShortcutExists = false;
  int CreateCalls = 0;
  int RemoveCalls = 0;
};

class MainFormTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window; flags default to no splash and no farewell pause.
  TMainForm& CreateForm(std::uint8_t startupFlags = 0);
  TMainForm& Form() { return *form_; }
  std::filesystem::path DataFolder() const { return dataFolder_.path().toStdString(); }
  TBookPage* PageOf(TPageKind kind) { return Form().Page(kind); }
  void ShowPage(TPageKind kind) { Form().ShowPageByButton(PageOf(kind)); }
  TPlayNSolvePage& PlayPage();
  // Runs `during` from inside the engine's work: `work`, or by default a new
  // 3 x 3 game on Play & Solve.
  void WhileGenerating(const std::function<void()>& during, const std::function<void()>& work = {});
  // Lets time pass and runs one tick of the main timer.
  void Tick(double seconds = 1) {
    now_ += seconds / kSecondsPerDay;
    Form().MainTimerTime();
  }

  QTemporaryDir dataFolder_;
  TFakeShellLinks shellLinks_;
  TScriptedDialogs dialogs_;
  std::string account_ = "tester";
  TDateTime now_ = 46000.5;  // a day in 2025, noon
  std::unique_ptr<TMainForm> form_;
};

}  // namespace novlet::test
