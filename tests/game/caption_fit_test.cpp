// Nothing is cut off and no caption touches an edge: every caption of the
// window, its pages, its menus, the message box and the about box sits inside
// its control, a button's inside the face as drawn (rounded ends and border
// included) with a pixel to spare, measured in the control's own font, in
// every shipped language and at every screen size. The controls are found by
// walking the windows, so a control gets measured as soon as it exists.
#include "main_form_fixture.h"
#include "shipped_language.h"

#include "store/language/text_ids.h"
#include "ui/about_box.h"
#include "ui/base_btn.h"
#include "ui/msg_dlg_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

namespace novlet::test {
namespace {

int Pixel(double fraction, int size) { return static_cast<int>(std::lround(fraction * size)); }

// The face as the button draws it: the up picture's opaque pixels, else the
// drawn rounded box; nothing for a button that shows neither.
QImage Face(const TBaseBtn* button) {
  QImage face(button->size(), QImage::Format_ARGB32_Premultiplied);
  face.fill(Qt::transparent);
  QPainter painter(&face);
  const int w = button->width();
  const int h = button->height();
  const QPixmap& glyph = button->GlyphUp();
  if (!glyph.isNull()) {
    if (button->GlyphStretched()) {
      painter.drawPixmap(face.rect(), glyph);
    } else if (button->GlyphCentered()) {
      painter.drawPixmap((w - glyph.width()) / 2, (h - glyph.height()) / 2, glyph);
    } else {
      painter.drawPixmap(Pixel(button->GlyphXOffset(), w), Pixel(button->GlyphYOffset(), h), glyph);
    }
  } else if (button->FaceVisible()) {
    const QRect box(QPoint(Pixel(button->FaceXOffset(), w), Pixel(button->FaceYOffset(), h)),
                    QPoint(Pixel(button->FaceXOffset() + button->FaceWidth(), w) - 1,
                           Pixel(button->FaceYOffset() + button->FaceHeight(), h) - 1));
    QPainterPath path;
    path.addRoundedRect(box, button->CaptionXRound() / 2.0, button->CaptionYRound() / 2.0);
    painter.fillPath(path, Qt::black);
  }
  return face;
}

// A pixel of the face that is neither its border nor next to it.
bool Inside(const QImage& face, int x, int y) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (!face.valid(x + dx, y + dy) || qAlpha(face.pixel(x + dx, y + dy)) == 0) return false;
  return true;
}

// Where the caption falls short of its face: empty when it sits inside.
QString ButtonProblem(const TBaseBtn* button) {
  const QImage face = Face(button);
  if (button->Caption().isEmpty() || face.isNull() || !Inside(face, face.width() / 2, face.height() / 2)) return {};
  const QFontMetrics metrics(button->CaptionFont());
  // The ink as PaintCaption puts it, from the text box's top left.
  const QRect ink =
      metrics.tightBoundingRect(button->Caption()).translated(button->CaptionOrigin() + QPoint(0, metrics.ascent()));
  for (const QPoint corner : {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()}) {
    if (!Inside(face, corner.x(), corner.y()))
      return QStringLiteral("ink %1,%2 %3x%4 leaves the face at %5,%6")
          .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height()).arg(corner.x()).arg(corner.y());
  }
  return {};
}

// What does not fit: the caption and why; empty when it fits.
QString CutOff(QWidget* control) {
  QSize room = control->size();
  QSize needed;
  QString caption;
  if (auto* button = qobject_cast<TBaseBtn*>(control)) {
    const QString problem = ButtonProblem(button);
    return problem.isEmpty() ? problem : control->objectName() + " \"" + button->Caption() + "\": " + problem;
  }
  if (auto* label = qobject_cast<QLabel*>(control)) {
    caption = label->text();
    needed = label->wordWrap() ? QSize(room.width(), label->heightForWidth(room.width())) : label->sizeHint();
  } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
    caption = box->text();
    needed = box->sizeHint();
  } else if (auto* list = qobject_cast<QComboBox*>(control)) {
    for (int i = 0; i < list->count(); ++i) caption += list->itemText(i) + '|';
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    needed = QSize(list->sizeHint().width(), QFontMetrics(control->font()).height());
  } else if (auto* menu = qobject_cast<QMenu*>(control)) {
    // A menu grows with its items; it must stay on the smallest desktop.
    for (const QAction* item : menu->actions()) caption += item->text() + '|';
    needed = menu->sizeHint();
    room = QSize(640, 480);
  }
  if (caption.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height())) return {};
  return QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6")
      .arg(control->objectName(), caption)
      .arg(needed.width())
      .arg(needed.height())
      .arg(room.width())
      .arg(room.height());
}

int ExpectAllFit(QWidget* window) {
  int measured = 0;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->isHidden() && !qobject_cast<QMenu*>(control)) continue;
    ++measured;
    const QString problem = CutOff(control);
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
  }
  return measured;
}

TEST_F(MainFormTest, EveryCaptionSitsInsideItsControlInEveryLanguageAtEveryScreenSize) {
  WriteShippedLanguageFile(DataFolder() / "Novlet.lng");
  TMainForm& form = CreateForm();
  for (const std::int32_t language : kShippedLanguages) {
    form.LanguageChosen(language);
    for (const int screenSize : {1, 3, 4}) {
      form.ScaleUp(screenSize);
      SCOPED_TRACE(testing::Message() << "language " << language << ", screen mode " << form.ScreenMode());
      EXPECT_GT(ExpectAllFit(&form), 50);
    }
    SCOPED_TRACE(testing::Message() << "language " << language << ", the boxes");
    TMsgDlgBox box;
    const auto text = [&form](int id) { return QString::fromStdString(form.Texts().Text(id)); };
    for (const auto& [left, right] : {std::pair{TextId::Ok, TextId::Cancel}, {TextId::Yes, TextId::No}}) {
      box.OkBtn()->SetCaption(text(left));
      box.CancelBtn()->SetCaption(text(right));
      ExpectAllFit(&box);
    }
    TAboutBox about({QString(), [&form](int tag, const TControlTexts&) { return form.Texts().Control(tag); }, {}});
    about.show();
    ExpectAllFit(&about);
    about.hide();
  }
}

}  // namespace
}  // namespace novlet::test
