// The passive pieces of the form: pictures, straight lines and dots. Each is
// a widget of its own so that it has a name, a place and a stacking order.
#ifndef VPA_APP_DRAWN_WIDGETS_H_
#define VPA_APP_DRAWN_WIDGETS_H_

#include <QColor>
#include <QIcon>
#include <QLine>
#include <QWidget>
#include <string>

namespace vpa {

// A picture of the form's (rendered at build time, at one and at two device
// pixels per pixel), centred in the widget at its proportions.
class PictureWidget : public QWidget {
 public:
  PictureWidget(const std::string& name, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string name_;
};

// The window icon at the sizes it was rendered in.
QIcon PictureIcon(const std::string& name);

// A one-pixel line between two points given in the parent's coordinates.
class LineWidget : public QWidget {
 public:
  LineWidget(const QLine& line, const QColor& colour, QWidget* parent);

  // The line in the parent's coordinates.
  QLine line() const { return line_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLine line_;
  QColor colour_;
};

// A filled circle (an ellipse when its box is not square) with a thin rim.
class DotWidget : public QWidget {
 public:
  DotWidget(const QRect& box, const QColor& fill, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace vpa

#endif  // VPA_APP_DRAWN_WIDGETS_H_
