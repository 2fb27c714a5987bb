// The main window's frame: background, caption, frame buttons and their texts.
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "game/book_page.h"
#include "game/frame_buttons.h"
#include "game/frame_look.h"
#include "game/main_form.h"
#include "store/language/text_ids.h"
#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/skin_pictures.h"
#include "ui/std_text.h"

namespace novlet {

void TMainForm::CreateFrame() {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(kBaseWidth, kBaseHeight);
  setWindowIcon(ApplicationIcon());

  background_ = new TBkControl(this);
  background_->setObjectName(QStringLiteral("Background"));
  background_->Background().SetBrush(Qt::NoBrush);
  background_->Background().SetPen(Qt::NoPen);
  background_->Background().SetImageDrawStyle(TImageDrawStyle::idsStretch);
  background_->SetAlign(TAlign::alClient);
  connect(background_, &TBkControl::mousePressed, this, [this](QMouseEvent* event) { drag_.MouseDown(event); });
  connect(background_, &TBkControl::mouseMoved, this, [this](QMouseEvent* event) { drag_.MouseMove(event); });
  connect(background_, &TBkControl::mouseReleased, this, [this] { drag_.MouseUp(); });

  captionLbl_ = new QLabel(this);
  captionLbl_->setObjectName(QStringLiteral("CaptionLbl"));
  captionLbl_->setGeometry(144, 4, 330, 16);
  captionLbl_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  captionLbl_->setFont(FrameFont(11, false));
  captionLbl_->setStyleSheet(CreamLabelStyle());
  captionLbl_->installEventFilter(this);

  quitBtn_ = CreateFrameButton(this, 318, QStringLiteral("QuitBtn"));
  connect(quitBtn_, &TBaseBtn::clicked, this, &TMainForm::QuitBtnClick);

  helpBtn_ = CreateSmallButton(this, 484, QStringLiteral("HelpBtn"));
  infoBtn_ = CreateSmallButton(this, 504, QStringLiteral("InfoBtn"));
  minimizeBtn_ = CreateSmallButton(this, 524, QStringLiteral("MinimizeBtn"));
  hideBtn_ = CreateSmallButton(this, 544, QStringLiteral("HideBtn"));
  connect(helpBtn_, &TBaseBtn::clicked, this, &TMainForm::HelpBtnClick);
  connect(infoBtn_, &TBaseBtn::clicked, this, &TMainForm::InfoBtnClick);
  connect(minimizeBtn_, &TBaseBtn::clicked, this, &TMainForm::MinimizeBtnClick);
  connect(hideBtn_, &TBaseBtn::clicked, this, &TMainForm::HideBtnClick);

  // The maker's mark is part of the background picture; this clear button
  // lies over it.
  corvexSBtn_ = new TBaseBtn(this);
  corvexSBtn_->setObjectName(QStringLiteral("CorvexSBtn"));
  corvexSBtn_->setGeometry(10, 360, 118, 38);
  corvexSBtn_->SetFaceVisible(false);
  corvexSBtn_->SetPen(Qt::NoPen);
  connect(corvexSBtn_, &TBaseBtn::clicked, this, &TMainForm::CorvexSBtnClick);

  taggedButtons_ = {{quitBtn_, TextId::QuitBtn},         {helpBtn_, TextId::HelpBtn},
                    {infoBtn_, TextId::InfoBtn},         {minimizeBtn_, TextId::MinimizeBtn},
                    {hideBtn_, TextId::HideBtn},         {corvexSBtn_, TextId::WebsiteBtn}};

  mainTimer_ = new QTimer(this);
  mainTimer_->setInterval(kMainTimerInterval);
  connect(mainTimer_, &QTimer::timeout, this, &TMainForm::MainTimerTime);
}



void TMainForm::UpdateCaption() { captionLbl_->setText(kWindowCaption + QStringLiteral(" - ") + FromStd(userName_)); }

void TMainForm::TranslateWindow() {
  for (const auto& [button, tag] : taggedButtons_) {
    const TControlTexts texts = translator_.Control(tag);
    button->SetCaption(FromStd(texts.Caption));
    button->setToolTip(FromStd(texts.Hint));
  }
  // The small buttons carry their captions in the middle of their faces.
  for (TBaseBtn* button : {helpBtn_, infoBtn_, minimizeBtn_, hideBtn_}) {
    const int textWidth = QFontMetrics(button->font()).horizontalAdvance(button->Caption());
    button->SetCaptionXOffset((button->FaceWidth() * button->width() - textWidth) / 2.0 / button->width());
  }
  for (TBookPage* page : pages_) page->Translate();
}

}  // namespace novlet
