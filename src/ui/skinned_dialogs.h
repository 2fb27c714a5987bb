// The real dialogs: the program's skinned boxes and Qt's choosers.
#pragma once

#include "ui/dialogs.h"

class QWidget;

namespace novlet {

class TSkinnedDialogs : public TDialogs {
 public:
  // skinFolder is the "I" folder whose loose bitmaps replace the built-in
  // button faces; parent owns the choosers while they show.
  TSkinnedDialogs(QString skinFolder, QWidget* parent);

  bool Ask(const QString& message, const QString& leftCaption, const QString& rightCaption) override;
  QString AskText(const QString& message, const QString& okCaption, const QString& cancelCaption,
                  const QString& initialText) override;
  QString ChooseFileToOpen(const QString& title, const QString& folder, const QStringList& filters) override;
  QString ChooseFileToSave(const QString& title, const QString& folder, const QString& fileName,
                           const QStringList& filters) override;
  std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) override;
  std::optional<QFont> ChooseFont(const QFont& initial) override;
  std::optional<int> ChooseItem(const QString& title, const QStringList& items, int current) override;
  // With NOVLET_PRINT_TO_PDF naming a file, prints there without asking:
  // unattended runs (the acceptance script) print through the real path.
  bool ChoosePrinter(QPrinter& printer) override;
  void CancelOpenBoxes() override;

 private:
  QString skinFolder_;
  QWidget* parent_;
};

}  // namespace novlet
