#include "app/program_folders.h"
#include "game/main_form.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("corvex-novlet"));
  QApplication::setApplicationDisplayName(QStringLiteral("Corvex Novlet"));

  novlet::TMainFormSetup setup;
  setup.Folders = novlet::ResolveProgramFolders(
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
  novlet::TMainForm mainForm(std::move(setup));
  mainForm.show();
  return QApplication::exec();
}
