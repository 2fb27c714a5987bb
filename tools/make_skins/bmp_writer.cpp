// Writes 8-bit bitmap files with their colour tables.
#include "bmp_writer.h"

#include <QByteArray>
#include <QSaveFile>

namespace {

void PutLittleEndian(QByteArray& out, quint32 value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool WriteIndexedBmp(const QImage& indexed, const QString& path) {
  if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256) return false;
  const quint32 colors = static_cast<quint32>(indexed.colorCount());
  const quint32 rowBytes = (static_cast<quint32>(indexed.width()) + 3) & ~3u;
  const quint32 pixelOffset = 14 + 40 + colors * 4;
  const quint32 pixelBytes = rowBytes * static_cast<quint32>(indexed.height());

  QByteArray out;
  out.append("BM");
  PutLittleEndian(out, pixelOffset + pixelBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, pixelOffset, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<quint32>(indexed.width()), 4);
  PutLittleEndian(out, static_cast<quint32>(indexed.height()), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 8, 2);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, pixelBytes, 4);
  PutLittleEndian(out, 3780, 4);  // 96 dots per inch
  PutLittleEndian(out, 3780, 4);
  PutLittleEndian(out, colors, 4);
  PutLittleEndian(out, 0, 4);
  for (QRgb color : indexed.colorTable()) {
    out.append(static_cast<char>(qBlue(color)));
    out.append(static_cast<char>(qGreen(color)));
    out.append(static_cast<char>(qRed(color)));
    out.append('\0');
  }
  const QByteArray padding(static_cast<int>(rowBytes) - indexed.width(), '\0');
  for (int y = indexed.height() - 1; y >= 0; --y) {
    out.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width());
    out.append(padding);
  }

  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.commit();
}
