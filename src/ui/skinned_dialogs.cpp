// The program's boxes and picture windows and the desktop's choosers behind the dialog seam.
#include "ui/skinned_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "ui/about_box.h"
#include "ui/edit_dlg_box.h"
#include "ui/intro_form.h"
#include "ui/msg_dlg_box.h"

namespace novlet {

namespace {

void BringForward(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

TSkinnedDialogs::TSkinnedDialogs(QString skinFolder, QWidget* parent)
    : skinFolder_(std::move(skinFolder)), parent_(parent) {}

TSkinnedDialogs::~TSkinnedDialogs() = default;

int TSkinnedDialogs::Run(QDialog& dialog) {
  open_.push_back(&dialog);
  const int result = dialog.exec();
  std::erase(open_, &dialog);
  return result;
}

bool TSkinnedDialogs::Ask(const QString& message, const QString& leftCaption, const QString& rightCaption) {
  if (TMsgDlgBox* open = OpenBox<TMsgDlgBox>()) {
    BringForward(*open);
    return false;
  }
  TMsgDlgBox box(skinFolder_);
  box.SetTexts(message, leftCaption, rightCaption);
  return Run(box) == QDialog::Accepted;
}

QString TSkinnedDialogs::AskText(const QString& message, const QString& okCaption, const QString& cancelCaption,
                                 const QString& initialText) {
  if (TEditDlgBox* open = OpenBox<TEditDlgBox>()) {
    BringForward(*open);
    return QString();
  }
  TEditDlgBox box(skinFolder_);
  box.SetTexts(message, okCaption, cancelCaption);
  box.Edit()->setText(initialText);
  box.Edit()->selectAll();
  box.Edit()->setFocus();
  if (Run(box) != QDialog::Accepted) return QString();
  return box.Edit()->text();
}

QString TSkinnedDialogs::ChooseFileToOpen(const QString& title, const QString& folder, const QStringList& filters) {
  QFileDialog chooser(parent_, title, folder, filters.join(QStringLiteral(";;")));
  chooser.setFileMode(QFileDialog::ExistingFile);
  if (Run(chooser) != QDialog::Accepted) return QString();
  return chooser.selectedFiles().value(0);
}

QString TSkinnedDialogs::ChooseFileToSave(const QString& title, const QString& folder, const QString& fileName,
                                          const QStringList& filters) {
  QFileDialog chooser(parent_, title, QDir(folder).filePath(fileName), filters.join(QStringLiteral(";;")));
  chooser.setAcceptMode(QFileDialog::AcceptSave);
  if (Run(chooser) != QDialog::Accepted) return QString();
  return chooser.selectedFiles().value(0);
}

std::optional<QColor> TSkinnedDialogs::ChooseColor(const QColor& initial, const QString& title) {
  QColorDialog chooser(initial, parent_);
  chooser.setWindowTitle(title);
  if (Run(chooser) != QDialog::Accepted) return std::nullopt;
  return chooser.selectedColor();
}

std::optional<QFont> TSkinnedDialogs::ChooseFont(const QFont& initial) {
  QFontDialog chooser(initial, parent_);
  if (Run(chooser) != QDialog::Accepted) return std::nullopt;
  return chooser.selectedFont();
}

std::optional<int> TSkinnedDialogs::ChooseItem(const QString& title, const QStringList& items, int current) {
  QInputDialog chooser(parent_);
  chooser.setWindowTitle(title);
  chooser.setLabelText(title);
  chooser.setComboBoxItems(items);
  chooser.setComboBoxEditable(false);
  chooser.setTextValue(items.value(current));
  if (Run(chooser) != QDialog::Accepted) return std::nullopt;
  return static_cast<int>(items.indexOf(chooser.textValue()));
}

bool TSkinnedDialogs::ChoosePrinter(QPrinter& printer) {
  const QString pdfFile = qEnvironmentVariable("NOVLET_PRINT_TO_PDF");
  if (!pdfFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
  }
  QPrintDialog chooser(&printer, parent_);
  return Run(chooser) == QDialog::Accepted;
}

void TSkinnedDialogs::CancelOpenBoxes() {
  for (QDialog* dialog : std::vector(open_)) dialog->reject();
}

void TSkinnedDialogs::ShowAbout(const TControlTranslator& translate, std::function<void()> onMakerClick) {
  if (!about_) about_ = std::make_unique<TAboutBox>(TAboutBoxSetup{skinFolder_, translate, std::move(onMakerClick)});
  BringForward(*about_);
}

void TSkinnedDialogs::ShowFarewell(const TControlTranslator& translate) {
  ShowAbout(translate, nullptr);
  about_->HideButtons();
}

void TSkinnedDialogs::CloseAbout() { about_.reset(); }

void TSkinnedDialogs::ShowSplash(const QString& version, int milliseconds, std::function<void()> ended) {
  splash_ = std::make_unique<TIntroForm>(skinFolder_, version);
  splash_->show();
  // A coarse timer may end it a twentieth early.
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, splash_.get(), [this, ended = std::move(ended)] {
    splash_.reset();
    ended();
  });
}

}  // namespace novlet
