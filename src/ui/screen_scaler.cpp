// Scales the window and re-skins it for the chosen screen size.
#include "ui/screen_scaler.h"

#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/skin_pictures.h"
#include "ui/widget_scaling.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace novlet {

namespace {

struct TButtonFaces {
  QString UpName;
  QString DownName;
  QString DisabledName;
};

// A loaded up face replaces the drawn face; the picture is the button, and
// only glyph and caption move when it is pressed.
void PutOnFaces(const std::vector<TBaseBtn*>& buttons, const TButtonFaces& names, const QString& suffix) {
  const QPixmap up = LoadResourceBitmap(names.UpName + suffix);
  const QPixmap down = LoadResourceBitmap(names.DownName + suffix);
  const QPixmap disabled = LoadResourceBitmap(names.DisabledName + suffix);
  for (TBaseBtn* button : buttons) {
    button->SetGlyphUp(up);
    if (!up.isNull()) {
      button->SetFaceVisible(false);
      QPen pen = button->Pen();
      pen.setStyle(Qt::NoPen);
      button->SetPen(pen);
      button->SetShadowXOffset(0.01);
      button->SetShadowYOffset(0.02);
    }
    button->SetGlyphDown(down);
    button->SetGlyphDisabled(disabled);
  }
}

}  // namespace

TScreenScaler::TScreenScaler(TSkinnedWindow target) : target_(std::move(target)) {}

void TScreenScaler::ScaleUp(int screenSizeChoice, QSize screenSize) {
  const int oldMode = screenMode_;
  const int newMode = ChooseScreenMode(screenSizeChoice, screenSize);
  if (newMode == oldMode) return;
  screenMode_ = newMode;
  // Back to the designed size first, so scales never accumulate.
  ScaleWidgetTree(target_.Window, ScaleToBase(oldMode));
  ScaleWidgetTree(target_.Window, ScaleFromBase(newMode));
  LoadSkins(SkinSuffix(newMode));
  if (target_.AfterScale) target_.AfterScale();
}

void TScreenScaler::ScaleUp(int screenSizeChoice) {
  const QScreen* screen = target_.Window ? target_.Window->screen() : QGuiApplication::primaryScreen();
  ScaleUp(screenSizeChoice, screen ? screen->availableGeometry().size() : QSize());
}

void TScreenScaler::LoadSkins(const QString& suffix) {
  if (target_.Background) target_.Background->Background().SetImage(LoadResourceBitmap("Background" + suffix));
  PutOnFaces(target_.PageButtons, {"But_Up", "But_Down", "But_Disabled"}, suffix);
  PutOnFaces(target_.SmallButtons, {"But85x15_Up", "But85x15_Down", "But85x15_Disabled"}, suffix);
}

}  // namespace novlet
