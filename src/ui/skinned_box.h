// The frame of the message and text boxes: cream, borderless, two buttons.
#pragma once

#include <QDialog>

class QLabel;

namespace novlet {

class TBaseBtn;
class TBkControl;

// The frame shared by the message box and the text-entry box: a borderless
// 400 x 150 cream window, kept on top and centred, with a message and a left
// (Ok) and a right (Cancel) button. Enter answers with the left button and
// Escape with the right one (each with the only one when one is hidden); a
// close request answers with Cancel. To assistive technology the box is a
// dialog named by its message.
class TSkinnedBox : public QDialog {
 public:
  TBkControl* Background() const { return background_; }
  QLabel* MsgLbl() const { return msgLbl_; }
  TBaseBtn* OkBtn() const { return okBtn_; }
  TBaseBtn* CancelBtn() const { return cancelBtn_; }

  // An empty caption hides its button; the other keeps its place.
  void SetTexts(const QString& message, const QString& okCaption, const QString& cancelCaption);

  // Where activation puts the mouse pointer: on the right button, so that a
  // hasty click gives the negative answer.
  QPoint PointerSpot() const;

 protected:
  TSkinnedBox(int messageHeight, const QString& skinFolder);

  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void FitMessage();
  TBaseBtn* CreateButton(int left, const QString& caption, const QString& skinFolder);

  TBkControl* background_ = nullptr;
  QLabel* msgLbl_ = nullptr;
  TBaseBtn* okBtn_ = nullptr;
  TBaseBtn* cancelBtn_ = nullptr;
  // The answer key pressed in this box: only its release answers, so a key
  // whose press opened the box from elsewhere answers nothing.
  int answerKeyPressed_ = 0;
};

}  // namespace novlet
