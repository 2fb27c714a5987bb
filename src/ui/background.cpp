// The description of a skinned surface: a picture and what is drawn over it.
#include "ui/background.h"

namespace novlet {

TBackground::TBackground() : brush_(Qt::white, Qt::SolidPattern), pen_(Qt::black, 1) {}

void TBackground::Assign(const TBackground& source) {
  SetPen(source.pen_);
  SetBrush(source.brush_);
  SetImage(source.image_);
  SetImageDrawStyle(source.imageDrawStyle_);
}

void TBackground::SetBrush(const QBrush& brush) {
  if (brush == brush_) return;
  brush_ = brush;
  NotifyOwner();
}

void TBackground::SetImage(const QPixmap& image) {
  if (image.cacheKey() == image_.cacheKey()) return;
  image_ = image;
  NotifyOwner();
}

void TBackground::SetImageDrawStyle(TImageDrawStyle style) {
  if (style == imageDrawStyle_) return;
  imageDrawStyle_ = style;
  if (OnChange) OnChange();
  NotifyOwner();
}

void TBackground::SetPen(const QPen& pen) {
  if (pen == pen_) return;
  pen_ = pen;
  NotifyOwner();
}

void TBackground::NotifyOwner() {
  if (OnOwnerChange) OnOwnerChange();
}

}  // namespace novlet
