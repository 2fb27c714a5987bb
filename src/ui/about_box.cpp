// The about box: the program's name, version and maker, skinned like the window.
#include "ui/about_box.h"

#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/kit_colors.h"
#include "ui/screen_placement.h"
#include "ui/skin_pictures.h"
#include "ui/std_text.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

namespace novlet {

namespace {

constexpr int AboutBoxTag = 4000;
constexpr int CorvexSBtnTag = 4010;
constexpr int CloseBtnTag = 4020;
constexpr int HideBtnTag = 4030;
constexpr int VersionTag = 72570;
constexpr int GameTag = 72571;
constexpr int FeaturesTag = 72572;
constexpr int CopyrightTag = 72573;

// A text over the picture, in the picture's own face and colour.
QLabel* CreateAboutLabel(QWidget* parent, const char* name, const QRect& place, int pixelSize, const QColor& colour) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  label->setFont(font);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, colour);
  label->setPalette(colours);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QFont ArialFont(bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(8);
  font.setBold(bold);
  return font;
}

}  // namespace

TAboutBox::TAboutBox(TAboutBoxSetup setup)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), setup_(std::move(setup)) {
  setFixedSize(325, 325);
  setFont(ArialFont(false));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromStoredColor(BoxCream));
  setPalette(colours);
  setAutoFillBackground(true);
  setWindowTitle(QStringLiteral("About Corvex Novlet"));

  aboutboxImg_ = new TBkControl(this);
  aboutboxImg_->Background().SetBrush(Qt::NoBrush);
  // The outline is the box's one-pixel border, drawn over any picture.
  aboutboxImg_->Background().SetPen(QPen(QColor(0x1c, 0x25, 0x33), 1));
  aboutboxImg_->Background().SetImageDrawStyle(TImageDrawStyle::idsCenter);
  aboutboxImg_->Background().SetImage(
      LoadSkinPicture(setup_.SkinFolder, QStringLiteral("about.bmp"), QStringLiteral("About")));
  aboutboxImg_->SetAlign(TAlign::alClient);

  // The picture holds no prose: the texts are drawn over it in the window's
  // language.
  versionLbl_ = CreateAboutLabel(this, "VersionLbl", QRect(61, 31, 240, 16), 11, QColor(0xf3, 0xc9, 0x7a));
  descriptionLbl_ = CreateAboutLabel(this, "DescriptionLbl", QRect(22, 68, 281, 164), 12, QColor(0x24, 0x33, 0x48));
  descriptionLbl_->setWordWrap(true);
  copyrightLbl_ = CreateAboutLabel(this, "CopyrightLbl", QRect(22, 244, 281, 18), 10, QColor(0x55, 0x63, 0x77));

  corvexSBtn_ = new TBaseBtn(this);
  corvexSBtn_->setObjectName(QStringLiteral("CorvexSBtn"));
  corvexSBtn_->setGeometry(13, 276, 130, 40);
  corvexSBtn_->SetFaceVisible(false);
  connect(corvexSBtn_, &TBaseBtn::clicked, this, &TAboutBox::CorvexSBtnClick);

  closeBtn_ = new TBaseBtn(this);
  closeBtn_->setObjectName(QStringLiteral("CloseBtn"));
  closeBtn_->setGeometry(230, 300, 85, 15);
  closeBtn_->SetCaption(QStringLiteral("Close"));
  closeBtn_->SetCaptionXOffset(0.1);
  closeBtn_->SetCaptionYOffset(0.05);
  closeBtn_->SetFontColor(ColorFromStoredColor(BoxCream));
  closeBtn_->SetGlyphUp(
      LoadSkinPicture(setup_.SkinFolder, QStringLiteral("but85x15_up.bmp"), QStringLiteral("But85x15_Up")));
  closeBtn_->SetGlyphDown(
      LoadSkinPicture(setup_.SkinFolder, QStringLiteral("but85x15_down.bmp"), QStringLiteral("But85x15_Down")));
  closeBtn_->SetGlyphDisabled(LoadSkinPicture(setup_.SkinFolder, QStringLiteral("but85x15_disabled.bmp"),
                                              QStringLiteral("But85x15_Disabled")));
  if (!closeBtn_->GlyphUp().isNull()) {
    closeBtn_->SetFaceVisible(false);
    closeBtn_->SetPen(QPen(Qt::NoPen));
    closeBtn_->SetShadowXOffset(0.01);
    closeBtn_->SetShadowYOffset(0.02);
  }
  connect(closeBtn_, &TBaseBtn::clicked, this, &QWidget::hide);
  closeBtn_->hide();

  hideBtn_ = new TBaseBtn(this);
  hideBtn_->setObjectName(QStringLiteral("HideBtn"));
  hideBtn_->setGeometry(309, 2, 14, 14);
  hideBtn_->SetCaption(QStringLiteral("x"));
  hideBtn_->setFont(ArialFont(true));
  hideBtn_->SetFaceVisible(false);
  hideBtn_->SetCaptionXOffset(0.3);
  hideBtn_->SetCaptionYOffset(0.0);
  hideBtn_->SetFontColor(ColorFromStoredColor(BoxCream));
  connect(hideBtn_, &TBaseBtn::mouseIn, this, [this] { hideBtn_->SetButtonIsHot(true); });
  connect(hideBtn_, &TBaseBtn::mouseOut, this, [this] { hideBtn_->SetButtonIsHot(false); });
  connect(hideBtn_, &TBaseBtn::clicked, this, &QWidget::hide);

  CenterOnScreen(*this);
}

void TAboutBox::HideButtons() {
  hideBtn_->hide();
  closeBtn_->hide();
}

TControlTexts TAboutBox::TextsFor(int tag, const TControlTexts& builtIn) const {
  return setup_.Translate ? setup_.Translate(tag, builtIn) : builtIn;
}

void TAboutBox::Translate() {
  setWindowTitle(FromStd(TextsFor(AboutBoxTag, {"About Corvex Novlet", ""}).Caption));
  const struct {
    TBaseBtn* Button;
    int Tag;
    TControlTexts BuiltIn;
  } controls[] = {
      {corvexSBtn_, CorvexSBtnTag, {"", "Go to the Corvex Software website"}},
      {closeBtn_, CloseBtnTag, {"Close", ""}},
      {hideBtn_, HideBtnTag, {"x", "Close About Corvex Novlet"}},
  };
  for (const auto& control : controls) {
    const TControlTexts texts = TextsFor(control.Tag, control.BuiltIn);
    control.Button->SetCaption(FromStd(texts.Caption));
    control.Button->setToolTip(FromStd(texts.Hint));
  }
  const auto caption = [this](int tag, const char* builtIn) { return FromStd(TextsFor(tag, {builtIn, ""}).Caption); };
  versionLbl_->setText(caption(VersionTag, "Version 1.0, release 5"));
  descriptionLbl_->setText(caption(GameTag,
                                   "Novlet is the number-placement puzzle: fill the board so that every row, every "
                                   "column and every box holds each value exactly once.") +
                           QStringLiteral("\n\n") +
                           caption(FeaturesTag,
                                   "Boards from 4 x 4 to 16 x 16 in nineteen box shapes, puzzles made on the spot at "
                                   "four levels, a clock, hints, pencil notes, your own designs and a collection of "
                                   "your games."));
  copyrightLbl_->setText(caption(CopyrightTag, "Copyright \u00a9 Corvex Software. All rights reserved."));
}

void TAboutBox::CorvexSBtnClick() {
  hide();
  if (setup_.OnCorvexClick) setup_.OnCorvexClick();
}

void TAboutBox::showEvent(QShowEvent* event) {
  Translate();
  QWidget::showEvent(event);
}

void TAboutBox::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) hide();
}

void TAboutBox::keyReleaseEvent(QKeyEvent* event) {
  const bool closingKey =
      event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool modified = (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
  if (closingKey && !modified) {
    hide();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

}  // namespace novlet
