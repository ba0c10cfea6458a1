// A clear mark around the focused control: a 2 px frame in a colour that
// stands out on the slate background and on every row band. The form's
// controller says which control it frames.
#ifndef VPA_APP_FOCUS_MARK_H_
#define VPA_APP_FOCUS_MARK_H_

#include <QWidget>

namespace vpa {

class FocusMark : public QWidget {
 public:
  explicit FocusMark(QWidget* form);

  // Frames `control`, a child of the form; nullptr hides the mark.
  void Frame(QWidget* control);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vpa

#endif  // VPA_APP_FOCUS_MARK_H_
