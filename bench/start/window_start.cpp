// The window vpa started as the program (app/main.cpp) starts it, on the
// program folder given as its argument, ending after its first paint (with
// shut-down's saving, as a close would).
#include <QApplication>
#include <filesystem>

#include "app/end_signals.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "quit_after_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("vpa");
  if (argc != 2) return 2;
  const std::filesystem::path folder = argv[1];
  vpa::EndSignals end_signals;

  vpa::SingleInstance instance(folder);
  if (!instance.Start()) return 1;
  vpa::MainWindow window(folder);
  vpa::bench::QuitAfterPaint quit(&window);
  window.show();
  return app.exec();
}
