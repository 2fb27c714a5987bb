// The page frame: heading, tagged texts and the defaults of the page contract.
#include "game/book_page.h"

#include <QAbstractButton>
#include <QLabel>

#include "game/frame_look.h"
#include "ui/base_btn.h"

namespace novlet {

TBookPage::TBookPage(TPageHost& host, TPageKind kind, int headingTag)
    : host_(host), kind_(kind), headingTag_(headingTag) {
  setAttribute(Qt::WA_TranslucentBackground);
  headingLbl_ = new QLabel(this);
  headingLbl_->setObjectName(QStringLiteral("HeadingLbl"));
  headingLbl_->setGeometry(12, 6, kPageAreaWidth - 24, 22);
  headingLbl_->setFont(FrameFont(15, true));
  headingLbl_->setStyleSheet(CreamLabelStyle());
  AddTagged(headingLbl_, headingTag);
}

void TBookPage::AddTagged(QWidget* control, int tag) {
  tagged_.push_back({control, tag});
  ApplyTexts(control, tag);
}

void TBookPage::ApplyTexts(QWidget* control, int tag) const {
  const TControlTexts texts = host_.Texts().Control(tag);
  const QString caption = QString::fromStdString(texts.Caption);
  if (auto* button = qobject_cast<TBaseBtn*>(control))
    SetCentredCaption(button, caption);
  else if (auto* label = qobject_cast<QLabel*>(control))
    label->setText(caption);
  else if (auto* box = qobject_cast<QAbstractButton*>(control))
    box->setText(caption);
  control->setToolTip(QString::fromStdString(texts.Hint));
}

void TBookPage::Translate() {
  for (const TTagged& tagged : tagged_) ApplyTexts(tagged.Control, tagged.Tag);
}

}  // namespace novlet
