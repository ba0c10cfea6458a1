// A command button in colours of its own: flat, with a one-pixel rim in
// the text's colour and its caption underlined, a shade lighter under the
// mouse and darker while pressed. Drawn here rather than by a style sheet,
// whose machinery would be loaded and parsed at every start for one
// button.
#ifndef VPA_APP_COLOURED_BUTTON_H_
#define VPA_APP_COLOURED_BUTTON_H_

#include <QColor>
#include <QPushButton>

namespace vpa {

class ColouredButton : public QPushButton {
 public:
  ColouredButton(const QString& caption, const QColor& back, const QColor& text,
                 QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor back_;
  QColor text_;
};

}  // namespace vpa

#endif  // VPA_APP_COLOURED_BUTTON_H_
