// How the main window takes part in the close protocol: its question, farewell, storing and end.
#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include "game/main_form.h"
#include "store/language/text_ids.h"
#include "ui/dialogs.h"

namespace novlet {

void TMainForm::QuitBtnClick() { closeProtocol_.Quit(); }

void TMainForm::CloseWithoutAsking() { closeProtocol_.Stop(); }

void TMainForm::FormRestore() {
  if (closeProtocol_.Leaving()) return;
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  // A question left open stays in front of the window it belongs to.
  if (QWidget* box = QApplication::activeModalWidget()) {
    box->raise();
    box->activateWindow();
  }
}

bool TMainForm::AskToQuit() {
  const QString question = Text(TextId::QuitQuestion) + QStringLiteral("\n\n") + Text(TextId::QuitExplanation);
  return dialogs_->Ask(question, Text(TextId::Yes), Text(TextId::No));
}

bool TMainForm::WantsFarewell() const { return startupFlags_ & StartupFarewellAbout; }

void TMainForm::SayFarewell() {
  // No tick may bring the hidden window back while the farewell shows.
  mainTimer_->stop();
  hide();
  dialogs_->ShowFarewell(ControlTexts());
  QTimer::singleShot(farewellMilliseconds_, Qt::PreciseTimer, this, [this] {
    dialogs_->CloseAbout();
    closeProtocol_.FarewellEnded();
  });
}

void TMainForm::StoreEverything() {
  mainTimer_->stop();
  SaveOptions();
  drag_.MouseUp();
  // No control may keep the mouse once the window is gone.
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

void TMainForm::CancelOpenBoxes() { dialogs_->CancelOpenBoxes(); }

void TMainForm::End() { close(); }

void TMainForm::Later(std::function<void()> call) { QTimer::singleShot(0, this, std::move(call)); }

// A close the program did not ask for itself (the window manager's close
// button, Alt+F4 taken by the desktop) asks the quit question first.
void TMainForm::closeEvent(QCloseEvent* event) {
  if (!closeProtocol_.CloseRequested()) {
    event->ignore();
    return;
  }
  // An about box left open would keep the program running without its window.
  dialogs_->CloseAbout();
  event->accept();
}

void TMainForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key != Qt::Key_F4 || held != Qt::AltModifier) return;
  // Without a window manager to turn Alt+F4 into a close request, the
  // window asks itself.
  Later([this] { close(); });
}

void TMainForm::FormKeyUp(int key, Qt::KeyboardModifiers shift) {
  const Qt::KeyboardModifiers held = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == Qt::Key_Insert && held == Qt::NoModifier) HideBtnClick();
}

}  // namespace novlet
