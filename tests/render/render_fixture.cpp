// Icon sets and pixel counts for the render tests.
#include "render/render_fixture.h"

#include <QDir>

#include <cstdlib>

namespace novlet::test {

int TRecordingPage::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmDepth: return 32;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi_;
    case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default: return 1;
  }
}

void TRecordingPage::TEngine::drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) {
  page_.Pictures.push_back(target.toAlignedRect().size());
}

void TRecordingPage::TEngine::drawImage(const QRectF& target, const QImage&, const QRectF&, Qt::ImageConversionFlags) {
  page_.Pictures.push_back(target.toAlignedRect().size());
}

QColor IconColour(int number) { return QColor::fromHsv(number * 36 + 18, 255, 200).toRgb(); }

void WriteIconSet(const QString& folder, const QString& missing) {
  QDir().mkpath(folder);
  for (int i = 0; i <= 9; ++i) {
    for (const auto& [suffix, side] : {std::pair{QString(".ico"), 32}, std::pair{QString("s.ico"), 16}}) {
      const QString name = QStringLiteral("0%1").arg(i) + suffix;
      if (name == missing) continue;
      // A square in the middle of a clear icon, a different hue per number.
      QImage icon(side, side, QImage::Format_ARGB32);
      icon.fill(Qt::transparent);
      QPainter painter(&icon);
      painter.fillRect(side / 4, side / 4, side / 2, side / 2, IconColour(i));
      painter.end();
      icon.save(QDir(folder).filePath(name), "ico");
    }
  }
}

QColor CellBackgroundAt(const QImage& image, const QRect& cell) {
  // Inside the frame, past the focus frame, the bevel and the last note slot.
  return image.pixelColor(cell.left() + cell.width() - 2, cell.top() + cell.height() - 2);
}

int CountPixels(const QImage& image, const QRect& rect, const QColor& colour, int tolerance) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) <= tolerance && std::abs(pixel.green() - colour.green()) <= tolerance &&
          std::abs(pixel.blue() - colour.blue()) <= tolerance) {
        ++count;
      }
    }
  }
  return count;
}

}  // namespace novlet::test
