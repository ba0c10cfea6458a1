// SIGTERM, SIGHUP and SIGINT as a Qt signal on the window's thread, so that
// the window saves before the program ends.
#ifndef VPA_APP_END_SIGNALS_H_
#define VPA_APP_END_SIGNALS_H_

#include <QObject>

namespace vpa {

class EndSignals : public QObject {
  Q_OBJECT

 public:
  // Catches the three signals from now on; one object per program.
  explicit EndSignals(QObject* parent = nullptr);
  ~EndSignals() override;

 signals:
  // One of the signals arrived. A second one ends the program at once.
  void Received();
};

}  // namespace vpa

#endif  // VPA_APP_END_SIGNALS_H_
