#include "app/desktop_links.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace novlet {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& content) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(content);
}

class DesktopLinksTest : public testing::Test {
 protected:
  QTemporaryDir home_;
  QString Desktop() const { return home_.filePath("Desktop"); }
  TDesktopLinks Links(const QString& program = "/opt/Corvex Novlet/bin/corvex-novlet") const {
    return TDesktopLinks({Desktop(), program, "/opt/Corvex Novlet/bin", "/opt/icon.png"});
  }
};

TEST_F(DesktopLinksTest, CreatesAnExecutableLauncherThatStartsTheProgramFromItsFolder) {
  TDesktopLinks links = Links();
  EXPECT_FALSE(links.DesktopShortcutExists());
  ASSERT_TRUE(links.CreateDesktopShortcut()) << "a missing desktop folder is made";
  EXPECT_TRUE(links.DesktopShortcutExists());
  const QString path = QDir(Desktop()).filePath("Corvex Novlet.desktop");
  EXPECT_TRUE(QFileInfo(path).isExecutable());
  const QByteArray text = ReadAll(path);
  EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(text.contains("\nExec=\"/opt/Corvex Novlet/bin/corvex-novlet\"\n"));
  EXPECT_TRUE(text.contains("\nPath=/opt/Corvex Novlet/bin\n"));
  EXPECT_TRUE(text.contains("\nIcon=/opt/icon.png\n"));
  EXPECT_TRUE(links.LauncherIsOurs());
  ASSERT_TRUE(links.RemoveDesktopShortcut());
  EXPECT_FALSE(links.DesktopShortcutExists());
  EXPECT_FALSE(links.RemoveDesktopShortcut()) << "nothing to remove";
}

TEST_F(DesktopLinksTest, ReservedCharactersInTheProgramPathAreEscaped) {
  const QByteArray text = Links("/home/a$b/100%\"x\\y/corvex-novlet").LauncherText().toUtf8();
  EXPECT_TRUE(text.contains("Exec=\"/home/a\\\\$b/100%%\\\\\"x\\\\\\\\y/corvex-novlet\"\n")) << text.constData();
}

TEST_F(DesktopLinksTest, AFileThatIsNotOursIsNeverReplacedNorRemoved) {
  QDir().mkpath(Desktop());
  const QString path = QDir(Desktop()).filePath("Corvex Novlet.desktop");
  const QByteArray mine = "[Desktop Entry]\nType=Application\nName=My own launcher\nExec=/usr/bin/true\n";
  WriteAll(path, mine);
  TDesktopLinks links = Links();
  EXPECT_TRUE(links.DesktopShortcutExists());
  EXPECT_FALSE(links.LauncherIsOurs());
  EXPECT_FALSE(links.CreateDesktopShortcut());
  EXPECT_FALSE(links.RemoveDesktopShortcut());
  EXPECT_EQ(ReadAll(path), mine);
}

TEST_F(DesktopLinksTest, NoDesktopFolderMeansNoLauncher) {
  TDesktopLinks links({QString(), "/usr/bin/corvex-novlet", "/usr/bin", QString()});
  EXPECT_FALSE(links.DesktopShortcutExists());
  EXPECT_FALSE(links.CreateDesktopShortcut());
}

}  // namespace
}  // namespace novlet
