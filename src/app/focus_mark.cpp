#include "app/focus_mark.h"

#include <QPainter>

#include "form/layout.h"

namespace vpa {

FocusMark::FocusMark(QWidget* form) : QWidget(form) {
  setObjectName("FocusMark");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void FocusMark::Frame(QWidget* control) {
  if (control == nullptr) return hide();
  setGeometry(control->geometry());
  raise();
  show();
  update();
}

void FocusMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Qt scales its own pixels: the width at 96 dpi is the one to give.
  const int width = FocusMarkWidth(96);
  const Colour& colour = kFocusMarkColour;
  painter.setPen(QPen(QColor(colour.red, colour.green, colour.blue), width));
  painter.setBrush(Qt::NoBrush);
  const qreal half = width / 2.0;
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace vpa
