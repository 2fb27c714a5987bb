// The desktop launcher the program makes and removes, and the web pages it opens.
#include "app/desktop_links.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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

TEST_F(DesktopLinksTest, AFileThatIsNotOursIsNeverReplacedNorRemovedAndNoDesktopMeansNoLauncher) {
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
  // Nor is there a launcher without a desktop folder.
  TDesktopLinks nowhere({QString(), "/usr/bin/corvex-novlet", "/usr/bin", QString()});
  EXPECT_FALSE(nowhere.DesktopShortcutExists());
  EXPECT_FALSE(nowhere.CreateDesktopShortcut());
}

// The desktop's opener gets a plain file address it can open: a stand-in for
// it on the path opens only what exists under that exact name.
TEST_F(DesktopLinksTest, WebPagesReachTheDesktopsOpenerAsFilesItCanOpen) {
  const QString opener = home_.filePath("bin/xdg-open");
  QDir().mkpath(home_.filePath("bin"));
  WriteAll(opener, "#!/bin/sh\ncase \"$1\" in file://*) [ -f \"${1#file://}\" ] || exit 2 ;; esac\n"
                   "printf '%s' \"$1\" > \"$(dirname \"$0\")/opened\"\n");
  QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", home_.filePath("bin").toLocal8Bit() + ":" + path);
  const QString page = home_.filePath("help/index.html");
  QDir().mkpath(home_.filePath("help"));
  WriteAll(page, "<html></html>");

  EXPECT_TRUE(Links().OpenWebPage(QUrl::fromLocalFile(page).toString()));
  const QString opened = home_.filePath("bin/opened");
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(opened); }, 5000));
  EXPECT_EQ(ReadAll(opened), QUrl::fromLocalFile(page).toString().toUtf8());
  qputenv("PATH", path);
}

}  // namespace
}  // namespace novlet
