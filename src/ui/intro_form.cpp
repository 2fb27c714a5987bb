// The splash window shown while the program starts.
#include "ui/intro_form.h"

#include "ui/bk_control.h"
#include "ui/kit_colors.h"
#include "ui/screen_placement.h"
#include "ui/skin_pictures.h"

#include <QLabel>

namespace novlet {

TIntroForm::TIntroForm(const QString& skinFolder, const QString& version)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFixedSize(280, 280);
  // The window manager's task list names the splash, not the binary.
  setWindowTitle(QStringLiteral("Corvex Novlet"));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromStoredColor(BoxCream));
  setPalette(colours);
  setAutoFillBackground(true);

  introFormImg_ = new TBkControl(this);
  introFormImg_->Background().SetBrush(Qt::NoBrush);
  introFormImg_->Background().SetPen(Qt::NoPen);
  introFormImg_->Background().SetImageDrawStyle(TImageDrawStyle::idsCenter);
  introFormImg_->Background().SetImage(
      LoadSkinPicture(skinFolder, QStringLiteral("intro.bmp"), QStringLiteral("Intro")));
  introFormImg_->SetAlign(TAlign::alClient);

  auto* versionLbl = new QLabel(version, this);
  versionLbl->setObjectName(QStringLiteral("VersionLbl"));
  versionLbl->setGeometry(0, 200, 280, 20);
  versionLbl->setAlignment(Qt::AlignCenter);
  versionLbl->setTextFormat(Qt::PlainText);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  versionLbl->setFont(font);
  QPalette amber = versionLbl->palette();
  amber.setColor(QPalette::WindowText, QColor(0xf3, 0xc9, 0x7a));
  versionLbl->setPalette(amber);

  CenterOnScreen(*this);
}

}  // namespace novlet
