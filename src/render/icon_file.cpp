// Reads icon files at the sizes the display sets need.
#include "render/icon_file.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace novlet {
namespace {

// Icon files hold a handful of sizes; a file claiming more is not read further.
constexpr int kMostImagesRead = 16;

// The picture scaled to fit side x side and centred on a clear square, so the
// image lists always hold their own size whatever the file's proportions.
QImage FitToSquare(const QImage& image, int side) {
  if (image.width() == side && image.height() == side) return image;
  const QImage scaled = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  QPainter painter(&square);
  painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
  return square;
}

}  // namespace

QImage LoadIconFile(const QString& path, int side) {
  if (!QFileInfo(path).isFile()) return {};
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);

  // Take the image of the exact size, else the largest one.
  QImage best;
  const int imageCount = qBound(1, reader.imageCount(), kMostImagesRead);
  for (int i = 0; i < imageCount; ++i) {
    if (i > 0 && !reader.jumpToImage(i)) break;
    QImage image = reader.read();
    if (image.isNull()) continue;
    if (image.width() == side && image.height() == side) {
      best = std::move(image);
      break;
    }
    if (best.isNull() || image.width() * image.height() > best.width() * best.height()) best = std::move(image);
  }
  if (best.isNull()) return {};
  return FitToSquare(best, side).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace novlet
