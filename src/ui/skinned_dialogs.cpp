// The program's boxes and the desktop's choosers behind the dialog seam.
#include "ui/skinned_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/edit_dlg_box.h"
#include "ui/msg_dlg_box.h"

namespace novlet {

TSkinnedDialogs::TSkinnedDialogs(QString skinFolder, QWidget* parent)
    : skinFolder_(std::move(skinFolder)), parent_(parent) {}

bool TSkinnedDialogs::Ask(const QString& message, const QString& leftCaption, const QString& rightCaption) {
  return ShowMsgBox(message, leftCaption, rightCaption, skinFolder_);
}

QString TSkinnedDialogs::AskText(const QString& message, const QString& okCaption, const QString& cancelCaption,
                                 const QString& initialText) {
  return ShowEditBox(message, okCaption, cancelCaption, initialText, skinFolder_);
}

QString TSkinnedDialogs::ChooseFileToOpen(const QString& title, const QString& folder, const QStringList& filters) {
  return QFileDialog::getOpenFileName(parent_, title, folder, filters.join(QStringLiteral(";;")));
}

QString TSkinnedDialogs::ChooseFileToSave(const QString& title, const QString& folder, const QString& fileName,
                                          const QStringList& filters) {
  return QFileDialog::getSaveFileName(parent_, title, QDir(folder).filePath(fileName), filters.join(QStringLiteral(";;")));
}

std::optional<QColor> TSkinnedDialogs::ChooseColor(const QColor& initial, const QString& title) {
  const QColor chosen = QColorDialog::getColor(initial, parent_, title);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

std::optional<QFont> TSkinnedDialogs::ChooseFont(const QFont& initial) {
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, initial, parent_);
  if (!chosen) return std::nullopt;
  return font;
}

std::optional<int> TSkinnedDialogs::ChooseItem(const QString& title, const QStringList& items, int current) {
  bool chosen = false;
  const QString item = QInputDialog::getItem(parent_, title, title, items, current, false, &chosen);
  if (!chosen) return std::nullopt;
  return static_cast<int>(items.indexOf(item));
}

bool TSkinnedDialogs::ChoosePrinter(QPrinter& printer) {
  const QString pdfFile = qEnvironmentVariable("NOVLET_PRINT_TO_PDF");
  if (!pdfFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return true;
  }
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

void TSkinnedDialogs::CancelOpenBoxes() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QDialog*>(window); box && box->isVisible()) box->reject();
}

}  // namespace novlet
