// The splash window shown while the program starts.
#pragma once

#include <QString>
#include <QWidget>

namespace novlet {

class TBkControl;

// The splash: a borderless 280 x 280 picture window, kept on top and centred.
class TIntroForm : public QWidget {
 public:
  // The version is drawn over the picture, in the window's language.
  explicit TIntroForm(const QString& skinFolder = QString(), const QString& version = QString());

  TBkControl* IntroFormImg() const { return introFormImg_; }

 private:
  TBkControl* introFormImg_ = nullptr;
};

}  // namespace novlet
