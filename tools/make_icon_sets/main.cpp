// Draws the program's own icon sets into a "Display Sets" folder: for each
// set a subfolder with 00.ico..09.ico at 32 x 32 and 00s.ico..09s.ico at
// 16 x 16. The same sources always give the same files.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <functional>

#include "gem_icons.h"
#include "shape_icons.h"

namespace {

struct TIconSet {
  const char* Folder;
  std::function<QImage(int number, int side)> Draw;
};

bool WriteIcon(const QImage& image, const QString& path) {
  QImageWriter writer(path, "ico");
  return writer.write(image);
}

bool WriteIconSet(const QDir& displaySets, const TIconSet& set) {
  if (!displaySets.mkpath(set.Folder)) return false;
  const QDir folder(displaySets.filePath(set.Folder));
  for (int number = 0; number <= 9; ++number) {
    const QString name = QStringLiteral("0%1").arg(number);
    if (!WriteIcon(set.Draw(number, 32), folder.filePath(name + ".ico"))) return false;
    if (!WriteIcon(set.Draw(number, 16), folder.filePath(name + "s.ico"))) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: make_icon_sets <Display Sets folder>\n";
    return 2;
  }
  const QDir displaySets(QString::fromLocal8Bit(argv[1]));
  const TIconSet sets[] = {{"Gems", novlet::DrawGemIcon}, {"Shapes", novlet::DrawShapeIcon}};
  for (const TIconSet& set : sets) {
    if (!WriteIconSet(displaySets, set)) {
      err << "Unable to write to " << displaySets.filePath(set.Folder) << "\n";
      return 1;
    }
  }
  return 0;
}
