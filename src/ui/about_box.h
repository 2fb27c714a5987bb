// The about box: the program's name, version and maker, skinned like the window.
#pragma once

#include "ui/translator.h"

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;

namespace novlet {

class TBaseBtn;
class TBkControl;

struct TAboutBoxSetup {
  // The "I" folder whose loose bitmaps replace the built-in pictures.
  QString SkinFolder;
  // Translates the texts by their tags each time the box is shown.
  TControlTranslator Translate;
  // The logo was clicked (the box has already closed): open the maker's web
  // page and minimise the program.
  std::function<void()> OnCorvexClick;
};

// The about box: a borderless 325 x 325 picture window, kept on top and
// centred; the dialog seam shows it. It closes (hides, to be shown again later) when it loses the
// activation, on Enter or Escape without modifiers, and by its buttons.
class TAboutBox : public QWidget {
 public:
  explicit TAboutBox(TAboutBoxSetup setup);

  TBkControl* AboutboxImg() const { return aboutboxImg_; }
  TBaseBtn* CorvexSBtn() const { return corvexSBtn_; }
  TBaseBtn* CloseBtn() const { return closeBtn_; }
  TBaseBtn* HideBtn() const { return hideBtn_; }
  QLabel* DescriptionLbl() const { return descriptionLbl_; }

  // The farewell look on quitting: the picture alone, nothing to click.
  void HideButtons();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  TControlTexts TextsFor(int tag, const TControlTexts& builtIn) const;
  void Translate();
  void CorvexSBtnClick();

  TAboutBoxSetup setup_;
  TBkControl* aboutboxImg_ = nullptr;
  TBaseBtn* corvexSBtn_ = nullptr;
  TBaseBtn* closeBtn_ = nullptr;
  TBaseBtn* hideBtn_ = nullptr;
  QLabel* versionLbl_ = nullptr;
  QLabel* descriptionLbl_ = nullptr;
  QLabel* copyrightLbl_ = nullptr;
};

}  // namespace novlet
