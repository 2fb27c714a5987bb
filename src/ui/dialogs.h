// The one seam through which the program asks the user anything: its own
// question and name boxes and the desktop's choosers; its picture windows,
// the about box and the splash, show through it too. The window passes the
// real one; tests answer in its place.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "ui/translator.h"

class QPrinter;

namespace novlet {

class TDialogs {
 public:
  virtual ~TDialogs() = default;

  // The message box: true exactly when the left button was chosen. An empty
  // caption hides its button, so a notice passes one caption only.
  virtual bool Ask(const QString& message, const QString& leftCaption, const QString& rightCaption) = 0;
  // The text-entry box: the text entered, or empty for Cancel.
  virtual QString AskText(const QString& message, const QString& okCaption, const QString& cancelCaption,
                          const QString& initialText) = 0;
  // The desktop's file choosers: the chosen path, or empty for Cancel. The
  // filters read like "Corvex Novlet File (*.cnf)".
  virtual QString ChooseFileToOpen(const QString& title, const QString& folder, const QStringList& filters) = 0;
  virtual QString ChooseFileToSave(const QString& title, const QString& folder, const QString& fileName,
                                   const QStringList& filters) = 0;
  // The colour chooser, titled with what the colour is for.
  virtual std::optional<QColor> ChooseColor(const QColor& initial, const QString& title) = 0;
  virtual std::optional<QFont> ChooseFont(const QFont& initial) = 0;
  // A choice of one item among a few, the current one chosen at first: its
  // index, or nothing for Cancel.
  virtual std::optional<int> ChooseItem(const QString& title, const QStringList& items, int current) = 0;
  // The desktop's print dialog, which always offers printing to a PDF file:
  // true when the user chose where to print, with the printer set up for it.
  virtual bool ChoosePrinter(QPrinter& printer) = 0;

  // Every box and chooser still open answers Cancel (or the right button):
  // the program is being stopped and must not wait for an answer.
  virtual void CancelOpenBoxes() = 0;

  // The about box, one at a time: a second request shows the open one
  // again. Its texts are translated each time it shows; onMakerClick runs
  // once a click on the logo has closed it.
  virtual void ShowAbout(const TControlTranslator& translate, std::function<void()> onMakerClick) = 0;
  // The farewell on quitting: the about box's picture alone, nothing to
  // click, until CloseAbout.
  virtual void ShowFarewell(const TControlTranslator& translate) = 0;
  // Ends the about box, which would otherwise keep the program running
  // without its window; nothing happens when there is none.
  virtual void CloseAbout() = 0;
  // The splash while the program starts, with the version under the name.
  // It returns at once: the splash goes by itself after the time, and then
  // `ended` runs.
  virtual void ShowSplash(const QString& version, int milliseconds, std::function<void()> ended) = 0;

  // A notice with the one button.
  void Tell(const QString& message, const QString& okCaption) { Ask(message, okCaption, QString()); }
};

}  // namespace novlet
