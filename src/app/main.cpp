// vpa's entry point. The program folder is the executable's own; a second
// launch for the same folder brings the running window forward and ends.
#include <QApplication>

#include "app/main_window.h"
#include "app/single_instance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("vpa");
  const QString folder = QCoreApplication::applicationDirPath();

  vpa::SingleInstance instance(folder);
  if (!instance.Start()) return 0;

  vpa::MainWindow window(folder);
  QObject::connect(&instance, &vpa::SingleInstance::ActivationRequested,
                   &window, &vpa::MainWindow::BringToFront);
  window.show();
  return app.exec();
}
