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
  ~TIntroForm() override;

  TBkControl* IntroFormImg() const { return introFormImg_; }

  // The splash now existing, if any.
  static TIntroForm* Instance();

 private:
  TBkControl* introFormImg_ = nullptr;
};

// Shows the splash (creating it on first use, with the picture "intro.bmp"
// from skinFolder when present and the version under the name) and lets it
// paint.
void ShowIntro(const QString& skinFolder = QString(), const QString& version = QString());
// Ends the splash; nothing happens when there is none.
void DestroyIntro();

}  // namespace novlet
