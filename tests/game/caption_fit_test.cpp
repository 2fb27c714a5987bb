// Nothing is cut off: every caption of the window and of every page fits its
// control, measured in the control's own font, in every shipped language and
// at every screen size. The controls are found by walking the window, so a
// page gets measured as soon as it has controls.
#include "main_form_fixture.h"
#include "shipped_language.h"

#include "ui/base_btn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace novlet::test {
namespace {

// What does not fit: the caption and the room it needs; empty when it fits.
QString CutOff(QWidget* control) {
  const QFontMetrics metrics(control->font());
  QSize room = control->size();
  QSize needed;
  QString caption;
  if (auto* button = qobject_cast<TBaseBtn*>(control)) {
    caption = button->Caption();
    // The caption stays inside the face, from where it starts.
    room.setWidth(static_cast<int>(
        (button->FaceXOffset() + button->FaceWidth() - button->CaptionXOffset()) * room.width()));
    needed = QSize(metrics.horizontalAdvance(caption), metrics.height());
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    caption = label->text();
    needed = label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width())) : label->sizeHint();
  } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
    caption = box->text();
    needed = box->sizeHint();
  } else if (auto* list = qobject_cast<QComboBox*>(control)) {
    for (int i = 0; i < list->count(); ++i) caption += list->itemText(i) + '|';
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    needed = QSize(list->sizeHint().width(), metrics.height());
  }
  if (caption.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height())) return {};
  return QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6")
      .arg(control->objectName(), caption)
      .arg(needed.width())
      .arg(needed.height())
      .arg(room.width())
      .arg(room.height());
}

TEST_F(MainFormTest, EveryCaptionFitsInEveryLanguageAtEveryScreenSize) {
  WriteShippedLanguageFile(DataFolder() / "Novlet.lng");
  TMainForm& form = CreateForm();
  for (const std::int32_t language : kShippedLanguages) {
    form.LanguageChosen(language);
    for (const int screenSize : {1, 3, 4}) {
      form.ScaleUp(screenSize);
      SCOPED_TRACE(testing::Message() << "language " << language << ", screen mode " << form.ScreenMode());
      int measured = 0;
      for (QWidget* control : form.findChildren<QWidget*>()) {
        if (control->isHidden()) continue;
        ++measured;
        const QString problem = CutOff(control);
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
      }
      EXPECT_GT(measured, 50);
    }
  }
}

}  // namespace
}  // namespace novlet::test
