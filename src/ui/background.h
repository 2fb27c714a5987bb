// The description of a skinned surface: a picture and what is drawn over it.
#pragma once

#include <QBrush>
#include <QPen>
#include <QPixmap>

#include <functional>

namespace novlet {

enum class TImageDrawStyle { idsAlongside, idsCenter, idsHide, idsStretch, idsTopLeft };

// A description of a surface: an image placed by a draw style, then a
// rectangle drawn over it with the brush and pen (clear both to show the
// image alone, or give a solid brush for a plain colour).
class TBackground {
 public:
  TBackground();
  TBackground(const TBackground&) = delete;
  TBackground& operator=(const TBackground&) = delete;

  // Copies pen, brush, image and draw style, not the change events.
  void Assign(const TBackground& source);

  const QBrush& Brush() const { return brush_; }
  void SetBrush(const QBrush& brush);
  const QPixmap& Image() const { return image_; }
  void SetImage(const QPixmap& image);
  TImageDrawStyle ImageDrawStyle() const { return imageDrawStyle_; }
  void SetImageDrawStyle(TImageDrawStyle style);
  const QPen& Pen() const { return pen_; }
  void SetPen(const QPen& pen);

  // Fired after the draw style changes.
  std::function<void()> OnChange;
  // Fired after any change; the control that paints this surface repaints.
  std::function<void()> OnOwnerChange;

 private:
  void NotifyOwner();

  QBrush brush_;
  QPixmap image_;
  TImageDrawStyle imageDrawStyle_ = TImageDrawStyle::idsAlongside;
  QPen pen_;
};

}  // namespace novlet
