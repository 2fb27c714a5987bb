// The real dialogs: the program's boxes and picture windows, and Qt's choosers.
#pragma once

#include "ui/dialogs.h"

#include <QDialog>

#include <memory>
#include <vector>

class QWidget;

namespace novlet {

class TAboutBox;
class TIntroForm;

class TSkinnedDialogs : public TDialogs {
 public:
  // skinFolder is the "I" folder whose loose bitmaps replace the built-in
  // pictures; parent owns the choosers while they show.
  TSkinnedDialogs(QString skinFolder, QWidget* parent);
  ~TSkinnedDialogs() override;

  // While a box of a kind is open, a second request for that kind brings it
  // forward and answers Cancel at once; the other kind may still ask over it.
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
  void ShowAbout(const TControlTranslator& translate, std::function<void()> onMakerClick) override;
  void ShowFarewell(const TControlTranslator& translate) override;
  void CloseAbout() override;
  void ShowSplash(const QString& version, int milliseconds, std::function<void()> ended) override;

  // The box or chooser of that kind now open, if any.
  template <typename Box>
  Box* OpenBox() const {
    for (QDialog* dialog : open_)
      if (auto* box = dynamic_cast<Box*>(dialog)) return box;
    return nullptr;
  }
  TAboutBox* AboutBox() const { return about_.get(); }
  TIntroForm* Splash() const { return splash_.get(); }

 private:
  // Runs the box or chooser modally, known as open meanwhile.
  int Run(QDialog& dialog);

  QString skinFolder_;
  QWidget* parent_;
  // Innermost last: a question may come over the name box that led to it.
  std::vector<QDialog*> open_;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<TIntroForm> splash_;
};

}  // namespace novlet
