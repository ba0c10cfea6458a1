// The yardstick for vpa's start: an empty Qt window of the same client size
// and caption, ending after its first paint.
#include <QApplication>
#include <QWidget>

#include "quit_after_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("SDS/2 Macro. Vertical Plain Angles");
  window.setFixedSize(1131, 594);
  vpa::bench::QuitAfterPaint quit(&window);
  window.show();
  return app.exec();
}
