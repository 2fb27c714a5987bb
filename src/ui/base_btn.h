// The skinned push button every page and box uses.
#pragma once

#include "ui/graphic_control.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPixmap>
#include <QRect>
#include <QString>

namespace novlet {

// The one push button of the interface. Everything it draws (shadow, rounded
// face, glyph, caption) is placed by fractions of its own width (X) and
// height (Y), so the look survives any scaling of the window. It takes no
// focus and reacts to the mouse only.
class TBaseBtn : public GGraphicControl {
  Q_OBJECT

 public:
  explicit TBaseBtn(QWidget* parent = nullptr);

  const QBrush& Brush() const { return brush_; }
  void SetBrush(const QBrush& brush);
  bool ButtonIsDown() const { return buttonIsDown_; }
  void SetButtonIsDown(bool down);
  bool ButtonIsHot() const { return buttonIsHot_; }
  void SetButtonIsHot(bool hot);
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  const QColor& CaptionPenColor() const { return captionPenColor_; }
  void SetCaptionPenColor(const QColor& color);
  bool CaptionPenVisible() const { return captionPenVisible_; }
  void SetCaptionPenVisible(bool visible);
  double CaptionXOffset() const { return captionXOffset_; }
  void SetCaptionXOffset(double offset);
  double CaptionYOffset() const { return captionYOffset_; }
  void SetCaptionYOffset(double offset);
  // A centred caption ignores the offsets: it stands in the middle of the
  // face as drawn at the button's present size, in the button's font made
  // smaller where a long caption would reach the rounded ends, so that it
  // keeps clear of them and of the borders in any language and at any scale.
  bool CaptionCentred() const { return captionCentred_; }
  void SetCaptionCentred(bool centred);
  QFont CaptionFont() const;
  // Where the caption's text box starts (its top left) with the button up.
  QPoint CaptionOrigin() const;
  int CaptionXRound() const { return captionXRound_; }
  void SetCaptionXRound(int pixels);
  int CaptionYRound() const { return captionYRound_; }
  void SetCaptionYRound(int pixels);
  double FaceHeight() const { return faceHeight_; }
  void SetFaceHeight(double fraction);
  bool FaceVisible() const { return faceVisible_; }
  void SetFaceVisible(bool visible);
  double FaceWidth() const { return faceWidth_; }
  void SetFaceWidth(double fraction);
  double FaceXOffset() const { return faceXOffset_; }
  void SetFaceXOffset(double offset);
  double FaceYOffset() const { return faceYOffset_; }
  void SetFaceYOffset(double offset);
  // The caption's colour (the font's colour); disabled captions use the
  // palette's grey text instead.
  const QColor& FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& color);
  bool GlyphCentered() const { return glyphCentered_; }
  void SetGlyphCentered(bool centered);
  const QPixmap& GlyphDisabled() const { return glyphDisabled_; }
  void SetGlyphDisabled(const QPixmap& glyph);
  const QPixmap& GlyphDown() const { return glyphDown_; }
  void SetGlyphDown(const QPixmap& glyph);
  double GlyphHeight() const { return glyphHeight_; }
  void SetGlyphHeight(double fraction);
  bool GlyphStretched() const { return glyphStretched_; }
  void SetGlyphStretched(bool stretched);
  const QPixmap& GlyphUp() const { return glyphUp_; }
  void SetGlyphUp(const QPixmap& glyph);
  bool GlyphUpIsGlyphDown() const { return glyphUpIsGlyphDown_; }
  void SetGlyphUpIsGlyphDown(bool same);
  double GlyphWidth() const { return glyphWidth_; }
  void SetGlyphWidth(double fraction);
  double GlyphXOffset() const { return glyphXOffset_; }
  void SetGlyphXOffset(double offset);
  double GlyphYOffset() const { return glyphYOffset_; }
  void SetGlyphYOffset(double offset);
  const QPen& Pen() const { return pen_; }
  void SetPen(const QPen& pen);
  const QColor& ShadowColor() const { return shadowColor_; }
  void SetShadowColor(const QColor& color);
  double ShadowXOffset() const { return shadowXOffset_; }
  void SetShadowXOffset(double offset);
  double ShadowYOffset() const { return shadowYOffset_; }
  void SetShadowYOffset(double offset);

  // True from a mouse press on the button until its release.
  bool Pressed() const { return pressed_; }

  // Where Paint puts the face and the shadow for the present state; the
  // right and bottom edges are exclusive.
  QRect FaceRect() const;
  QRect ShadowRect() const;

  // Does what a click does, when the button is enabled: for the keyboard and
  // the accessibility interface.
  void Click();

 signals:
  // The left button was released over the enabled button, after the pressed
  // look has ended. Each press of a double click is a click of its own;
  // doubleClicked comes in addition on the second press.
  void clicked();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool IsDownLook() const { return pressed_ || buttonIsDown_; }
  double DownShiftX() const { return IsDownLook() ? shadowXOffset_ : 0.0; }
  double DownShiftY() const { return IsDownLook() ? shadowYOffset_ : 0.0; }
  QRect FractionRect(double x, double y, double w, double h) const;
  QRect CaptionFace() const;
  void PaintRoundedBox(QPainter& painter, const QRect& box) const;
  void PaintGlyph(QPainter& painter, const QPixmap& glyph) const;
  void PaintFrame(QPainter& painter, bool sunken) const;
  void PaintCaption(QPainter& painter) const;

  template <typename T>
  void Store(T& field, const T& value);

  QBrush brush_{Qt::white, Qt::SolidPattern};
  bool buttonIsDown_ = false;
  bool buttonIsHot_ = false;
  QString caption_;
  QColor captionPenColor_{Qt::black};
  bool captionPenVisible_ = false;
  double captionXOffset_ = 0;
  double captionYOffset_ = 0;
  bool captionCentred_ = false;
  int captionXRound_ = 0;
  int captionYRound_ = 0;
  double faceHeight_ = 0.5;
  bool faceVisible_ = true;
  double faceWidth_ = 0.8;
  double faceXOffset_ = 0;
  double faceYOffset_ = 0;
  QColor fontColor_{Qt::black};
  bool glyphCentered_ = false;
  QPixmap glyphDisabled_;
  QPixmap glyphDown_;
  double glyphHeight_ = 0.8;
  bool glyphStretched_ = false;
  QPixmap glyphUp_;
  bool glyphUpIsGlyphDown_ = false;
  double glyphWidth_ = 0.2;
  double glyphXOffset_ = 0;
  double glyphYOffset_ = 0;
  QPen pen_{Qt::black, 1};
  QColor shadowColor_{0x80, 0x80, 0x80};
  double shadowXOffset_ = 0;
  double shadowYOffset_ = 0;
  bool pressed_ = false;
};

}  // namespace novlet
