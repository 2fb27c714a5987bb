// The frame of the message and text boxes: cream, borderless, two buttons.
#include "ui/skinned_box.h"

#include "ui/base_btn.h"
#include "ui/bk_control.h"
#include "ui/kit_colors.h"
#include "ui/screen_placement.h"
#include "ui/skin_pictures.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>

namespace novlet {

namespace {

constexpr int BoxWidth = 400;
constexpr int BoxHeight = 150;

bool IsEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool IsAnswerKey(int key) { return IsEnterKey(key) || key == Qt::Key_Escape; }

bool HasModifierKey(const QKeyEvent* event) {
  return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
}

QFont BoxFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(8);
  return font;
}

}  // namespace

TSkinnedBox::TSkinnedBox(int messageHeight, const QString& skinFolder)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setFixedSize(BoxWidth, BoxHeight);
  // The window manager's task list and switcher name the box, not the binary.
  setWindowTitle(QStringLiteral("Corvex Novlet"));
  setFont(BoxFont());
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromStoredColor(BoxCream));
  colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(colours);

  background_ = new TBkControl(this);
  background_->Background().SetBrush(QBrush(ColorFromStoredColor(BoxCream)));
  background_->SetAlign(TAlign::alClient);

  background_->setObjectName(QStringLiteral("Background"));

  msgLbl_ = new QLabel(this);
  msgLbl_->setObjectName(QStringLiteral("MsgLbl"));
  msgLbl_->setGeometry(20, 10, 360, messageHeight);
  msgLbl_->setWordWrap(true);
  msgLbl_->setTextFormat(Qt::PlainText);
  msgLbl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  okBtn_ = CreateButton(140, QStringLiteral("Ok"), skinFolder);
  okBtn_->setObjectName(QStringLiteral("OkBtn"));
  cancelBtn_ = CreateButton(260, QStringLiteral("Cancel"), skinFolder);
  cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
  connect(okBtn_, &TBaseBtn::clicked, this, &QDialog::accept);
  connect(cancelBtn_, &TBaseBtn::clicked, this, &QDialog::reject);

  CenterOnScreen(*this);
}

TBaseBtn* TSkinnedBox::CreateButton(int left, const QString& caption, const QString& skinFolder) {
  auto* button = new TBaseBtn(this);
  button->setGeometry(left, 100, 120, 35);
  button->SetFaceVisible(false);
  button->SetPen(QPen(Qt::NoPen));
  button->SetCaption(caption);
  button->SetCaptionXOffset(0.2);
  button->SetCaptionYOffset(0.25);
  button->setFont(BoxFont());
  button->SetFontColor(ColorFromStoredColor(BoxCream));
  button->SetShadowColor(Qt::white);
  button->SetShadowXOffset(0.01);
  button->SetShadowYOffset(0.02);
  // The boxes are never scaled, so they always wear the base-size faces.
  button->SetGlyphUp(LoadSkinPicture(skinFolder, QStringLiteral("but_up.bmp"), QStringLiteral("But_Up")));
  button->SetGlyphDown(LoadSkinPicture(skinFolder, QStringLiteral("but_down.bmp"), QStringLiteral("But_Down")));
  button->SetGlyphDisabled(
      LoadSkinPicture(skinFolder, QStringLiteral("but_disabled.bmp"), QStringLiteral("But_Disabled")));
  return button;
}

void TSkinnedBox::SetTexts(const QString& message, const QString& okCaption, const QString& cancelCaption) {
  msgLbl_->setText(message);
  setAccessibleName(message);
  okBtn_->SetCaption(okCaption);
  okBtn_->setVisible(!okCaption.isEmpty());
  cancelBtn_->SetCaption(cancelCaption);
  cancelBtn_->setVisible(!cancelCaption.isEmpty());
  FitMessage();
}

void TSkinnedBox::FitMessage() {
  // A long message (an import's reasons) makes the box taller, as far as the
  // screen allows, rather than hiding its last lines behind the buttons.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int tallest = screen ? screen->availableGeometry().height() - 40 : BoxHeight;
  const int wanted = msgLbl_->heightForWidth(msgLbl_->width()) - msgLbl_->height();
  const int extra = std::clamp(wanted, 0, std::max(0, tallest - height()));
  if (extra == 0) return;
  const int labelBottom = msgLbl_->geometry().bottom();
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child->y() > labelBottom) child->move(child->x(), child->y() + extra);
  msgLbl_->resize(msgLbl_->width(), msgLbl_->height() + extra);
  setFixedSize(width(), height() + extra);
  CenterOnScreen(*this);
}

QPoint TSkinnedBox::PointerSpot() const { return pos() + cancelBtn_->pos() + QPoint(40, 20); }

void TSkinnedBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    QCursor::setPos(PointerSpot());
    raise();
  }
}

void TSkinnedBox::keyPressEvent(QKeyEvent* event) {
  if (!IsAnswerKey(event->key())) {
    QDialog::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) answerKeyPressed_ = event->key();
  event->accept();
}

void TSkinnedBox::keyReleaseEvent(QKeyEvent* event) {
  const int key = event->key();
  if (!IsAnswerKey(key)) {
    QDialog::keyReleaseEvent(event);
    return;
  }
  event->accept();
  if (event->isAutoRepeat() || key != answerKeyPressed_) return;
  answerKeyPressed_ = 0;
  if (HasModifierKey(event)) return;
  TBaseBtn* first = IsEnterKey(key) ? okBtn_ : cancelBtn_;
  TBaseBtn* other = first == okBtn_ ? cancelBtn_ : okBtn_;
  if (!first->isHidden())
    first->Click();
  else if (!other->isHidden())
    other->Click();
  else if (key == Qt::Key_Escape)
    reject();
}

}  // namespace novlet
