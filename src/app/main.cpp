// vpa's entry point. The program folder is the executable's own; a second
// launch for the same folder brings the running window forward and ends.
// Ended by a signal or by the loss of its display, the window saves as a
// close does, without a word.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "app/end_signals.h"
#include "app/main_window.h"
#include "app/single_instance.h"

namespace {

// The folder's name as the file system holds it: bytes that need not be
// UTF-8 (a vfat or CIFS mount in Latin-1) and would not survive a QString.
std::filesystem::path ExecutableFolder() {
  std::error_code error;
  std::filesystem::path self =
      std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return QFile::encodeName(QCoreApplication::applicationDirPath())
      .toStdString();
}

// When the X server goes, Qt ends the program with exit(): what was typed
// since the last save is saved then.
vpa::MainWindow* open_window = nullptr;
void SaveAtExit() {
  if (open_window != nullptr) open_window->ShutDown();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("vpa");
  const std::filesystem::path folder = ExecutableFolder();
  // From the start: a signal during start-up is handled once the window
  // stands.
  vpa::EndSignals end_signals;

  vpa::SingleInstance instance(folder);
  if (!instance.Start()) return 0;

  vpa::MainWindow window(folder);
  QObject::connect(&instance, &vpa::SingleInstance::ActivationRequested,
                   &window, &vpa::MainWindow::BringToFront);
  QObject::connect(&end_signals, &vpa::EndSignals::Received, &window, [&] {
    window.ShutDown();
    QCoreApplication::quit();
  });
  open_window = &window;
  std::atexit(SaveAtExit);
  window.show();
  QTimer::singleShot(0, &window, &vpa::MainWindow::TellMissingFolders);
  const int status = app.exec();
  open_window = nullptr;
  return status;
}
