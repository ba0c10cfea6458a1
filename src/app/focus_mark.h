// A clear mark around the focused control: a 2 px frame in a colour that
// stands out on the slate background and on every row band.
#ifndef VPA_APP_FOCUS_MARK_H_
#define VPA_APP_FOCUS_MARK_H_

#include <QWidget>

namespace vpa {

class FocusMark : public QWidget {
 public:
  // Follows the focus among the direct children of `form`.
  explicit FocusMark(QWidget* form);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Follow(QWidget* focused);
};

}  // namespace vpa

#endif  // VPA_APP_FOCUS_MARK_H_
