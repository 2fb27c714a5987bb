// Draws every skin bitmap of the program and the resource list that builds
// them in. Run it after changing the artwork and commit what it writes:
//   make_skins <repository>/data/skins

#include "bmp_writer.h"
#include "palette_quantizer.h"
#include "skin_painters.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

struct TSizedFamily {
  const char* Suffix;
  QSize Background;
  QSize LargeButton;
  QSize SmallButton;
};

const TSizedFamily Sizes[] = {
    {"", {568, 405}, {120, 35}, {85, 15}},
    {"_sm8x6", {710, 506}, {150, 44}, {106, 19}},
    {"_sm10x7", {909, 648}, {192, 56}, {136, 24}},
};

const struct {
  const char* Name;
  TFaceState State;
} FaceStates[] = {{"up", TFaceState::Up}, {"down", TFaceState::Down}, {"disabled", TFaceState::Disabled}};

class TSkinWriter {
 public:
  explicit TSkinWriter(const QDir& folder) : folder_(folder) {}

  bool WriteBitmap(const QString& name, const QImage& picture) {
    const QString fileName = name + ".bmp";
    return Written(fileName, WriteIndexedBmp(ToIndexed8(picture), folder_.filePath(fileName)));
  }
  bool WritePng(const QString& name, const QImage& picture) {
    const QString fileName = name + ".png";
    return Written(fileName, picture.save(folder_.filePath(fileName), "PNG"));
  }

  bool WriteResourceList() {
    QFile file(folder_.filePath("skins.qrc"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/skins\">\n";
    for (const QString& name : written_) out << "    <file>" << name << "</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
  }

 private:
  bool Written(const QString& fileName, bool ok) {
    if (!ok) {
      std::fprintf(stderr, "make_skins: cannot write %s\n", qPrintable(folder_.filePath(fileName)));
      return false;
    }
    written_ << fileName;
    return true;
  }

  QDir folder_;
  QStringList written_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_skins <output folder>\n");
    return EXIT_FAILURE;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "make_skins: cannot create %s\n", argv[1]);
    return EXIT_FAILURE;
  }

  TSkinWriter writer(folder);
  bool ok = true;
  for (const TSizedFamily& size : Sizes) {
    const QString suffix = QString::fromLatin1(size.Suffix);
    ok = writer.WriteBitmap("background" + suffix, PaintBackground(size.Background)) && ok;
    for (const auto& face : FaceStates) {
      const QString state = QString::fromLatin1(face.Name);
      ok = writer.WriteBitmap("but_" + state + suffix, PaintButtonFace(size.LargeButton, {120, 35}, face.State)) && ok;
      ok = writer.WriteBitmap("but85x15_" + state + suffix,
                              PaintButtonFace(size.SmallButton, {85, 15}, face.State)) &&
           ok;
    }
  }
  ok = writer.WriteBitmap("intro", PaintIntro()) && ok;
  ok = writer.WriteBitmap("about", PaintAbout()) && ok;
  for (int iconSize : {16, 24, 32, 48, 64, 128, 256})
    ok = writer.WritePng(QStringLiteral("novlet_icon_%1").arg(iconSize), PaintIcon(iconSize)) && ok;
  ok = writer.WriteResourceList() && ok;
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
