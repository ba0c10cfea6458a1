// Ends the application once its window has painted for the first time, so a
// start-up can be timed from launch to the first picture on screen and out.
#ifndef VPA_BENCH_START_QUIT_AFTER_PAINT_H_
#define VPA_BENCH_START_QUIT_AFTER_PAINT_H_

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vpa::bench {

class QuitAfterPaint : public QObject {
 public:
  explicit QuitAfterPaint(QWidget* window) : QObject(window) {
    window->installEventFilter(this);
  }

 protected:
  // The quit is queued, so the whole first paint reaches the screen first.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }

 private:
  bool painted_ = false;
};

}  // namespace vpa::bench

#endif  // VPA_BENCH_START_QUIT_AFTER_PAINT_H_
