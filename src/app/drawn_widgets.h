// The passive pieces of the form: pictures, straight lines and dots, and
// the focus mark. Each is a widget of its own so that it has a name, a
// place and a stacking order; it only draws itself.
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
QWidget* NewPicture(const std::string& name, QWidget* parent);

// The window icon at the sizes it was rendered in.
QIcon PictureIcon(const std::string& name);

// A one-pixel line between two points given in the parent's coordinates.
QWidget* NewLine(const QLine& line, const QColor& colour, QWidget* parent);

// A filled circle (an ellipse when its box is not square) with a thin rim.
QWidget* NewDot(const QRect& box, const QColor& fill, QWidget* parent);

// A clear mark around the focused control: a 2 px frame in a colour that
// stands out on the slate background and on every row band. Hidden until
// the window places it over a control.
QWidget* NewFocusMark(QWidget* form);

}  // namespace vpa

#endif  // VPA_APP_DRAWN_WIDGETS_H_
