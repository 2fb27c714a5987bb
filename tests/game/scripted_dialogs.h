// Answers the window's questions in a test's place and remembers them.
#pragma once

#include <QPrinter>
#include <QStringList>

#include <deque>
#include <optional>

#include "ui/dialogs.h"

namespace novlet::test {

class TScriptedDialogs : public TDialogs {
 public:
  bool Ask(const QString& message, const QString& leftCaption, const QString&) override {
    Messages << message;
    LeftCaptions << leftCaption;
    if (Answers.empty()) return false;
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  QString AskText(const QString& message, const QString&, const QString&, const QString& initialText) override {
    Messages << message;
    ++NamesAsked;
    return NameAnswer ? *NameAnswer : initialText;
  }
  QString ChooseFileToOpen(const QString& title, const QString&, const QStringList&) override {
    Titles << title;
    return FileToOpen;
  }
  QString ChooseFileToSave(const QString& title, const QString&, const QString& fileName,
                           const QStringList&) override {
    Titles << title;
    OfferedNames << fileName;
    return FileToSave;
  }
  std::optional<QColor> ChooseColor(const QColor&, const QString& title) override {
    Titles << title;
    return Color;
  }
  std::optional<QFont> ChooseFont(const QFont&) override { return Font; }
  std::optional<int> ChooseItem(const QString& title, const QStringList& items, int current) override {
    Titles << title;
    OfferedItems = items;
    return ItemAnswer ? *ItemAnswer : std::optional<int>(current);
  }
  bool ChoosePrinter(QPrinter& printer) override {
    ++PrintersAsked;
    if (PrintToPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PrintToPdf);
    return true;
  }

  void CancelOpenBoxes() override { ++Cancellations; }
  void ShowAbout(const TControlTranslator&, std::function<void()>) override { AboutShown("about"); }
  void ShowFarewell(const TControlTranslator&) override { AboutShown("farewell"); }
  void CloseAbout() override { AboutOpen = false; }
  void ShowSplash(const QString&, int, std::function<void()> ended) override { ended(); }

  int Cancellations = 0;
  // How the about box was shown ("about", "farewell"), in order, and whether it is still open.
  QStringList AboutShows;
  bool AboutOpen = false;
  // Every message and question shown, in order.
  QStringList Messages;
  QStringList LeftCaptions;
  // The answers to the next questions (left button true); "No" when empty.
  std::deque<bool> Answers;
  // The name typed into the name box; its initial text when empty.
  std::optional<QString> NameAnswer;
  int NamesAsked = 0;
  QStringList Titles;
  QStringList OfferedNames;
  QString FileToOpen;
  QString FileToSave;
  std::optional<QColor> Color;
  std::optional<QFont> Font;
  // The last items offered to choose from, and the index chosen (nullopt
  // inside for Cancel); the current item when not set.
  QStringList OfferedItems;
  std::optional<std::optional<int>> ItemAnswer;
  // The PDF file the print dialog is answered with; Cancel when empty.
  QString PrintToPdf;
  int PrintersAsked = 0;

 private:
  void AboutShown(const QString& look) {
    AboutShows << look;
    AboutOpen = true;
  }
};

}  // namespace novlet::test
