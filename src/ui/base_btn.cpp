// The skinned push button every page and box uses.
#include "ui/base_btn.h"

#include "ui/hand_cursors.h"
#include "ui/kit_colors.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace novlet {

namespace {

// Positions are rounded to the nearest pixel, ties to even, so that a button
// lands on the same pixels on every machine and in every test.
int RoundPixel(double value) { return static_cast<int>(std::lrint(value)); }

bool SamePicture(const QPixmap& a, const QPixmap& b) { return a.cacheKey() == b.cacheKey(); }

}  // namespace

TBaseBtn::TBaseBtn(QWidget* parent) : GGraphicControl(parent) {
  resize(120, 40);
  setCursor(HandCursor());
  setFocusPolicy(Qt::NoFocus);
}

template <typename T>
void TBaseBtn::Store(T& field, const T& value) {
  if (field == value) return;
  field = value;
  update();
}

void TBaseBtn::SetBrush(const QBrush& brush) { Store(brush_, brush); }
void TBaseBtn::SetButtonIsDown(bool down) { Store(buttonIsDown_, down); }
void TBaseBtn::SetButtonIsHot(bool hot) { Store(buttonIsHot_, hot); }
void TBaseBtn::SetCaptionPenColor(const QColor& color) { Store(captionPenColor_, color); }
void TBaseBtn::SetCaptionPenVisible(bool visible) { Store(captionPenVisible_, visible); }
void TBaseBtn::SetCaptionXOffset(double offset) { Store(captionXOffset_, offset); }
void TBaseBtn::SetCaptionYOffset(double offset) { Store(captionYOffset_, offset); }
void TBaseBtn::SetCaptionCentred(bool centred) { Store(captionCentred_, centred); }
void TBaseBtn::SetCaptionXRound(int pixels) { Store(captionXRound_, pixels); }
void TBaseBtn::SetCaptionYRound(int pixels) { Store(captionYRound_, pixels); }
void TBaseBtn::SetFaceHeight(double fraction) { Store(faceHeight_, fraction); }
void TBaseBtn::SetFaceVisible(bool visible) { Store(faceVisible_, visible); }
void TBaseBtn::SetFaceWidth(double fraction) { Store(faceWidth_, fraction); }
void TBaseBtn::SetFaceXOffset(double offset) { Store(faceXOffset_, offset); }
void TBaseBtn::SetFaceYOffset(double offset) { Store(faceYOffset_, offset); }
void TBaseBtn::SetFontColor(const QColor& color) { Store(fontColor_, color); }
void TBaseBtn::SetGlyphHeight(double fraction) { Store(glyphHeight_, fraction); }
void TBaseBtn::SetGlyphUpIsGlyphDown(bool same) { Store(glyphUpIsGlyphDown_, same); }
void TBaseBtn::SetGlyphWidth(double fraction) { Store(glyphWidth_, fraction); }
void TBaseBtn::SetGlyphXOffset(double offset) { Store(glyphXOffset_, offset); }
void TBaseBtn::SetGlyphYOffset(double offset) { Store(glyphYOffset_, offset); }
void TBaseBtn::SetPen(const QPen& pen) { Store(pen_, pen); }
void TBaseBtn::SetShadowColor(const QColor& color) { Store(shadowColor_, color); }
void TBaseBtn::SetShadowXOffset(double offset) { Store(shadowXOffset_, offset); }
void TBaseBtn::SetShadowYOffset(double offset) { Store(shadowYOffset_, offset); }

void TBaseBtn::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
  // The caption is the button's accessible name; screen readers follow its
  // changes ("Pause"/"Continue", "Solution [3]").
  QAccessibleEvent event(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void TBaseBtn::SetGlyphCentered(bool centered) {
  if (centered == glyphCentered_) return;
  glyphCentered_ = centered;
  if (centered) glyphStretched_ = false;
  update();
}

void TBaseBtn::SetGlyphStretched(bool stretched) {
  if (stretched == glyphStretched_) return;
  glyphStretched_ = stretched;
  if (stretched) glyphCentered_ = false;
  update();
}

void TBaseBtn::SetGlyphDisabled(const QPixmap& glyph) {
  if (SamePicture(glyph, glyphDisabled_)) return;
  glyphDisabled_ = glyph;
  update();
}

void TBaseBtn::SetGlyphDown(const QPixmap& glyph) {
  if (SamePicture(glyph, glyphDown_)) return;
  glyphDown_ = glyph;
  update();
}

void TBaseBtn::SetGlyphUp(const QPixmap& glyph) {
  if (SamePicture(glyph, glyphUp_)) return;
  glyphUp_ = glyph;
  update();
}

QRect TBaseBtn::FractionRect(double x, double y, double w, double h) const {
  const double width = this->width();
  const double height = this->height();
  const int left = RoundPixel(x * width);
  const int top = RoundPixel(y * height);
  const int right = RoundPixel((x + w) * width);
  const int bottom = RoundPixel((y + h) * height);
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect TBaseBtn::FaceRect() const {
  // A disabled button never looks pushed in, even when latched down.
  if (!isEnabled()) return FractionRect(faceXOffset_, faceYOffset_, faceWidth_, faceHeight_);
  return FractionRect(faceXOffset_ + DownShiftX(), faceYOffset_ + DownShiftY(), faceWidth_, faceHeight_);
}

QRect TBaseBtn::ShadowRect() const {
  return FractionRect(faceXOffset_ + shadowXOffset_, faceYOffset_ + shadowYOffset_, faceWidth_, faceHeight_);
}

void TBaseBtn::PaintRoundedBox(QPainter& painter, const QRect& box) const {
  if (box.isEmpty()) return;
  const bool rounded = captionXRound_ > 0 && captionYRound_ > 0;
  const bool outlined = painter.pen().style() != Qt::NoPen;
  painter.setRenderHint(QPainter::Antialiasing, rounded);
  if (!rounded) {
    painter.drawRect(outlined ? box.adjusted(0, 0, -1, -1) : box);
    return;
  }
  // Half-pixel insets put a one-pixel outline exactly on the box's edge pixels.
  const QRectF area = outlined ? QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(box);
  painter.drawRoundedRect(area, captionXRound_ / 2.0, captionYRound_ / 2.0);
}

void TBaseBtn::PaintGlyph(QPainter& painter, const QPixmap& glyph) const {
  if (glyph.isNull()) return;
  const double sx = DownShiftX();
  const double sy = DownShiftY();
  if (glyphStretched_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(FractionRect(glyphXOffset_ + sx, glyphYOffset_ + sy, glyphWidth_, glyphHeight_), glyph);
  } else if (glyphCentered_) {
    painter.drawPixmap((width() - glyph.width()) / 2 + RoundPixel(width() * sx),
                       (height() - glyph.height()) / 2 + RoundPixel(height() * sy), glyph);
  } else {
    painter.drawPixmap(RoundPixel((glyphXOffset_ + sx) * width()), RoundPixel((glyphYOffset_ + sy) * height()),
                       glyph);
  }
}

void TBaseBtn::PaintFrame(QPainter& painter, bool sunken) const {
  const QColor grey = ColorFromStoredColor(FrameGrey);
  const QColor topLeft = sunken ? grey : QColor(Qt::white);
  const QColor bottomRight = sunken ? QColor(Qt::white) : grey;
  const int right = width() - 1;
  const int bottom = height() - 1;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(topLeft, 1));
  painter.drawLine(right, 0, 0, 0);
  painter.drawLine(0, 0, 0, bottom);
  painter.setPen(QPen(bottomRight, 1));
  painter.drawLine(0, bottom, right, bottom);
  painter.drawLine(right, bottom, right, 0);
}

namespace {

// Every centred caption centres the same band, ascenders to descenders, so
// that captions side by side share their baseline.
const QString kCaptionBand = QStringLiteral("Hdfg");

}  // namespace

// A picture face is the whole button; a drawn one is its face box.
QRect TBaseBtn::CaptionFace() const {
  return glyphUp_.isNull() ? FractionRect(faceXOffset_, faceYOffset_, faceWidth_, faceHeight_) : rect();
}

QFont TBaseBtn::CaptionFont() const {
  QFont shown = font();
  if (!captionCentred_ || shown.pixelSize() <= 0) return shown;
  const QRect face = CaptionFace();
  // The rounded ends take at most half the face's height each; a border and
  // a pixel of air lie above and below.
  constexpr int kSmallestPixels = 7;
  while (shown.pixelSize() > kSmallestPixels) {
    const QFontMetrics metrics(shown);
    if (metrics.horizontalAdvance(caption_) <= face.width() - face.height() &&
        metrics.tightBoundingRect(kCaptionBand).height() <= face.height() - 4)
      break;
    shown.setPixelSize(shown.pixelSize() - 1);
  }
  return shown;
}

QPoint TBaseBtn::CaptionOrigin() const {
  if (!captionCentred_) return {RoundPixel(captionXOffset_ * width()), RoundPixel(captionYOffset_ * height())};
  const QRect face = CaptionFace();
  const QFontMetrics metrics(CaptionFont());
  const QRect band = metrics.tightBoundingRect(kCaptionBand);
  const int baseline = face.top() + (face.height() - band.height() + 1) / 2 - band.top();
  return {face.left() + (face.width() - metrics.horizontalAdvance(caption_) + 1) / 2, baseline - metrics.ascent()};
}

void TBaseBtn::PaintCaption(QPainter& painter) const {
  if (caption_.isEmpty()) return;
  const QPoint origin = CaptionOrigin();
  const int x = captionCentred_ ? origin.x() + RoundPixel(DownShiftX() * width())
                                : RoundPixel((captionXOffset_ + DownShiftX()) * width());
  const int y = captionCentred_ ? origin.y() + RoundPixel(DownShiftY() * height())
                                : RoundPixel((captionYOffset_ + DownShiftY()) * height());
  // The offsets alone place the caption: no centring, wrapping or clipping.
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
  const QRect area(x, y, 10000, 10000);
  painter.setFont(CaptionFont());
  painter.setBrush(Qt::NoBrush);
  if (captionPenVisible_) {
    painter.setPen(captionPenColor_);
    painter.drawText(area.translated(-1, -1), flags, caption_);
  }
  painter.setPen(isEnabled() ? fontColor_ : palette().color(QPalette::Disabled, QPalette::WindowText));
  painter.drawText(area, flags, caption_);
}

void TBaseBtn::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool down = IsDownLook();
  if (!down && faceVisible_) {
    painter.setBrush(QBrush(shadowColor_, brush_.style()));
    painter.setPen(pen_.style() == Qt::NoPen ? QPen(Qt::NoPen) : QPen(shadowColor_, pen_.widthF()));
    PaintRoundedBox(painter, ShadowRect());
  }
  painter.setBrush(brush_);
  painter.setPen(pen_);
  if (faceVisible_) PaintRoundedBox(painter, FaceRect());
  if (!isEnabled()) {
    PaintGlyph(painter, glyphDisabled_);
  } else if (down) {
    PaintGlyph(painter, glyphUpIsGlyphDown_ ? glyphUp_ : glyphDown_);
    if (!faceVisible_) PaintFrame(painter, true);
  } else {
    PaintGlyph(painter, glyphUp_);
    if (!faceVisible_ && buttonIsHot_) PaintFrame(painter, false);
  }
  PaintCaption(painter);
}

void TBaseBtn::Click() {
  if (isEnabled()) emit clicked();
}

void TBaseBtn::mousePressEvent(QMouseEvent*) {
  pressed_ = true;
  update();
}

void TBaseBtn::mouseReleaseEvent(QMouseEvent* event) {
  // The pressed look ends before the click runs, so a box opened by the
  // click does not show the button still held down behind it.
  pressed_ = false;
  update();
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}

void TBaseBtn::mouseDoubleClickEvent(QMouseEvent*) {
  pressed_ = true;
  update();
  if (isEnabled()) emit doubleClicked();
}

}  // namespace novlet
