#include "render/icon_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace novlet {

QImage LoadIconFile(const QString& path, int side) {
  if (!QFileInfo(path).isFile()) return {};
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);

  // An icon file may carry several sizes; take the exact one, else the largest.
  QImage best;
  const int imageCount = qMax(1, reader.imageCount());
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
  if (best.size() != QSize(side, side)) {
    best = best.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return best.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace novlet
