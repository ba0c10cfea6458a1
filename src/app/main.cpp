// vpa's entry point. The program folder is the executable's own; a second
// launch for the same folder brings the running window forward and ends.
// Ended by a signal, the window saves as a close does, without a word.
#include <QApplication>

#include "app/end_signals.h"
#include "app/main_window.h"
#include "app/single_instance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("vpa");
  const QString folder = QCoreApplication::applicationDirPath();
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
  window.show();
  return app.exec();
}
