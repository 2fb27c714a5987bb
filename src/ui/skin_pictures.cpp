// The skin bitmaps: built in, or loose files that replace them.
#include "ui/skin_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

// Resources compiled into a static library register only when asked to.
static void InitSkinResources() { Q_INIT_RESOURCE(skins); }

namespace novlet {

namespace {

void EnsureResources() {
  static const bool initialised = (InitSkinResources(), true);
  (void)initialised;
}

// Loose files come from the user's hands: a misspelt case should still count.
QString FindFileIgnoringCase(const QString& folder, const QString& fileName) {
  const QDir dir(folder);
  if (dir.exists(fileName)) return dir.filePath(fileName);
  const QStringList entries = dir.entryList(QDir::Files);
  for (const QString& entry : entries)
    if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return QString();
}

// Bitmaps carry no transparency; pure magenta marks what is not part of a
// picture, such as the corners outside a rounded button face.
constexpr QRgb TransparentKey = 0xFFFF00FF;

QImage KeyOutMagenta(QImage image) {
  if (image.format() == QImage::Format_Indexed8) {
    QList<QRgb> colors = image.colorTable();
    for (QRgb& color : colors)
      if ((color | 0xFF000000) == TransparentKey) color = 0;
    image.setColorTable(colors);
    return image;
  }
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == TransparentKey) line[x] = 0;
  }
  return image;
}

QPixmap ReadPicture(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  return image.isNull() ? QPixmap() : QPixmap::fromImage(KeyOutMagenta(image));
}

}  // namespace

QPixmap LoadResourceBitmap(const QString& resourceName) {
  EnsureResources();
  if (resourceName.isEmpty()) return QPixmap();
  return ReadPicture(QStringLiteral(":/skins/") + resourceName.toLower() + QStringLiteral(".bmp"));
}

QPixmap LoadSkinPicture(const QString& overrideFolder, const QString& fileName, const QString& resourceName) {
  if (!overrideFolder.isEmpty()) {
    const QString path = FindFileIgnoringCase(overrideFolder, fileName);
    if (!path.isEmpty()) {
      const QPixmap picture = ReadPicture(path);
      if (!picture.isNull()) return picture;
    }
  }
  return LoadResourceBitmap(resourceName);
}

QIcon ApplicationIcon() {
  EnsureResources();
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/skins/novlet_icon_%1.png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace novlet
