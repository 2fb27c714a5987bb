// The hand-over between two starts: in one process through the socket, and
// with the real program started twice.
#include "app/single_instance.h"
#include "app/uninstaller.h"
#include "store/account_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

#include <vector>

namespace novlet {
namespace {

QString UniqueName(const char* test) {
  return TSingleInstance::ServerName(QStringLiteral("tester"),
                                     QStringLiteral("/tmp/%1-%2").arg(test).arg(QCoreApplication::applicationPid()));
}

TEST(SingleInstance, TheNameHoldsClassAccountAndDataFolder) {
  const QString name = TSingleInstance::ServerName("ann/b", "/home/ann/.local/share/corvex-novlet");
  EXPECT_TRUE(QFileInfo(name).fileName().startsWith("Corvex Novlet-ann_b-")) << name.toStdString();
  EXPECT_EQ(QFileInfo(name).path(), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
  EXPECT_NE(name, TSingleInstance::ServerName("ann/b", "/tmp/other"));
  EXPECT_EQ(name, TSingleInstance::ServerName("ann/b", "/home/ann/.local/share/corvex-novlet"));
}

TEST(SingleInstance, RequestsReachTheFirstInstanceInOrderAndNobodyListeningMeansAFirstStart) {
  const QString name = UniqueName("order");
  TSingleInstance first(name);
  ASSERT_TRUE(first.Listen());
  std::vector<TInstanceRequest> received;
  EXPECT_TRUE(TSingleInstance(name).SendToRunningInstance(TInstanceRequest::Raise));
  // Requests that come while the window is still being made wait for it.
  QTest::qWait(50);
  first.HandleRequests([&received](TInstanceRequest request) { received.push_back(request); });
  EXPECT_TRUE(received.empty()) << "queued requests run from the event loop";
  EXPECT_TRUE(TSingleInstance(name).SendToRunningInstance(TInstanceRequest::Close));
  EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 2000));
  EXPECT_EQ(received, (std::vector<TInstanceRequest>{TInstanceRequest::Raise, TInstanceRequest::Close}));

  EXPECT_FALSE(TSingleInstance(UniqueName("nobody")).SendToRunningInstance(TInstanceRequest::Raise));
}

TEST(SingleInstance, ALeftoverSocketOfACrashedRunIsTakenOver) {
  const QString name = UniqueName("leftover");
  // A file nobody answers on, in the socket's place, as a killed run leaves it.
  QFile leftover(name);
  ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  leftover.close();
  EXPECT_FALSE(TSingleInstance(name).SendToRunningInstance(TInstanceRequest::Raise));
  TSingleInstance second(name);
  EXPECT_TRUE(second.Listen());
  EXPECT_TRUE(TSingleInstance(name).SendToRunningInstance(TInstanceRequest::Raise));
}

TEST(SingleInstance, UnknownTextOnTheSocketDoesNothing) {
  const QString name = UniqueName("garbage");
  TSingleInstance first(name);
  ASSERT_TRUE(first.Listen());
  int requests = 0;
  first.HandleRequests([&requests](TInstanceRequest) { ++requests; });
  QLocalSocket socket;
  socket.connectToServer(name);
  ASSERT_TRUE(socket.waitForConnected(1000));
  socket.write("raise now\nRAISE\n" + QByteArray(500, 'x'));
  socket.waitForBytesWritten(1000);
  QTest::qWait(100);
  EXPECT_EQ(requests, 0);
}

// The real program, started from a copy in a folder of its own with an
// uninstall script that leaves a mark.
class TwoProcessesTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    program_ = folder_.filePath("corvex-novlet");
    ASSERT_TRUE(QFile::copy(NOVLET_PROGRAM_PATH, program_));
    QFile script(folder_.filePath(kUninstallScriptName));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/uninstalled\"\n");
    script.close();
    QDir().mkpath(Home());
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("QT_QPA_PLATFORM", "offscreen");
    environment_.insert("NOVLET_HOME", Home());
    environment_.insert("HOME", folder_.path());
  }

  void TearDown() override {
    for (QProcess* process : {&first_, &second_}) {
      if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(5000);
      }
    }
  }

  QString Home() const { return folder_.filePath("home"); }

  void Start(QProcess& process, const QStringList& arguments) {
    process.setProcessEnvironment(environment_);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program_, arguments);
    ASSERT_TRUE(process.waitForStarted(5000));
  }
  // Starts the program and waits for its end: its exit code, or -1 when it
  // did not end normally in time.
  int Run(QProcess& process, const QStringList& arguments, int timeout = 10000) {
    Start(process, arguments);
    return process.waitForFinished(timeout) && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }

  // The first instance is up once it answers on its socket.
  bool FirstListens() {
    const QString name =
        TSingleInstance::ServerName(QString::fromStdString(CurrentUserName()), QDir(Home()).absolutePath());
    return QTest::qWaitFor(
        [&] {
          QLocalSocket probe;
          probe.connectToServer(name);
          return probe.waitForConnected(100);
        },
        15000);
  }

  QTemporaryDir folder_;
  QString program_;
  QProcessEnvironment environment_;
  QProcess first_;
  QProcess second_;
};

TEST_F(TwoProcessesTest, ASecondStartHandsOverAndUninstallClosesTheFirst) {
  Start(first_, {});
  ASSERT_TRUE(FirstListens());

  EXPECT_EQ(Run(second_, {}), 0) << "the second start leaves at once";
  EXPECT_EQ(first_.state(), QProcess::Running);

  EXPECT_EQ(Run(second_, {"UnInstall"}), 0);
  ASSERT_TRUE(first_.waitForFinished(10000)) << "uninstall closes the running game";
  EXPECT_EQ(first_.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(first_.exitCode(), 0);
  EXPECT_TRUE(QFile::exists(QDir(Home()).filePath("novlet.ini"))) << "closing went through the close query";
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder_.filePath("uninstalled")); }, 5000));
}

TEST_F(TwoProcessesTest, AStopSignalClosesAndKeepsTheGame) {
  for (int signal : {SIGTERM, SIGHUP}) {
    QFile::remove(QDir(Home()).filePath("novlet.ini"));
    Start(first_, {});
    ASSERT_TRUE(FirstListens());
    ::kill(static_cast<pid_t>(first_.processId()), signal);
    ASSERT_TRUE(first_.waitForFinished(10000));
    EXPECT_EQ(first_.exitStatus(), QProcess::NormalExit) << signal;
    EXPECT_EQ(first_.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(QDir(Home()).filePath("novlet.ini"))) << "closing went through the close query";
  }
}

TEST_F(TwoProcessesTest, UninstallWithNothingRecordedDoesNothing) {
  QFile::remove(folder_.filePath(kUninstallScriptName));
  EXPECT_EQ(Run(second_, {"uninstall"}), 0);
  EXPECT_FALSE(RunUninstaller(folder_.path().toStdString()));
}

TEST_F(TwoProcessesTest, ABookletIsPrintedToAPdfFileWithoutADisplay) {
  environment_.remove("QT_QPA_PLATFORM");
  environment_.remove("DISPLAY");
  environment_.remove("XDG_RUNTIME_DIR");
  const QString pdf = folder_.filePath("booklet.pdf");
  first_.setProcessEnvironment(environment_);
  first_.start(program_, {"--booklet", pdf, "--shape", "3x3", "--level", "normal", "--count", "5", "--per-page", "2",
                          "--solutions", "--seed", "3"});
  ASSERT_TRUE(first_.waitForFinished(30000));
  ASSERT_EQ(first_.exitCode(), 0);
  EXPECT_EQ(first_.readAllStandardOutput().toStdString(),
            pdf.toStdString() + ": 5 puzzles on 4 pages (1 with the solutions)\n");
  EXPECT_EQ(first_.readAllStandardError().toStdString(), "") << "no toolkit notes";
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray content = file.readAll();
  EXPECT_TRUE(content.startsWith("%PDF"));
  EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page "), 4) << "3 pages of puzzles, 1 answer page";

  for (const QStringList& wrong : {QStringList{"--booklet", pdf, "--shape", "3x9", "--level", "1", "--count", "1"},
                                   QStringList{"--booklet", pdf, "--level", "1", "--count", "1"},
                                   QStringList{"--shape", "2x2", "--booklet"}}) {
    EXPECT_EQ(Run(first_, wrong), 2) << wrong.join(' ').toStdString();
  }
  const QString missing = folder_.filePath("missing/booklet.pdf");
  EXPECT_EQ(Run(first_, {"--booklet", missing, "--shape", "2x2", "--level", "0", "--count", "1"}), 1)
      << "a file that cannot be written";
}

TEST_F(TwoProcessesTest, WithoutADisplayTheProgramSaysSoAndFails) {
  environment_.remove("QT_QPA_PLATFORM");
  environment_.remove("WAYLAND_DISPLAY");
  environment_.remove("DISPLAY");
  first_.setProcessEnvironment(environment_);
  first_.start(program_, {});
  ASSERT_TRUE(first_.waitForFinished(10000));
  EXPECT_EQ(first_.exitCode(), 1);
  const QString message = QString::fromLocal8Bit(first_.readAllStandardError());
  EXPECT_TRUE(message.startsWith("corvex-novlet: Corvex Novlet needs a graphical display")) << message.toStdString();
  EXPECT_EQ(message.count('\n'), 1) << "one plain line, no toolkit report";
}

}  // namespace
}  // namespace novlet
