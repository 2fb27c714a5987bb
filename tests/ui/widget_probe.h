// Helpers for looking at what a control really painted.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace novlet::test {

// A shown, solid-coloured parent for controls that paint on their parent.
class THost : public QWidget {
 public:
  explicit THost(QColor fill = QColor(0, 160, 0), QSize size = QSize(200, 100)) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, fill);
    setPalette(colours);
    setAutoFillBackground(true);
    resize(size);
    show();
  }
};

// The control as it appears on its parent.
inline QImage Render(QWidget* control) {
  return control->parentWidget()->grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor PixelAt(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

inline bool Contains(const QImage& image, QColor color) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == color) return true;
  return false;
}

inline QPixmap SolidPicture(QColor color, QSize size = QSize(10, 10)) {
  QPixmap picture(size);
  picture.fill(color);
  return picture;
}

}  // namespace novlet::test
