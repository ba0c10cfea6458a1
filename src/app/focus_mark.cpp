#include "app/focus_mark.h"

#include <QApplication>
#include <QPainter>

namespace vpa {

FocusMark::FocusMark(QWidget* form) : QWidget(form) {
  setObjectName("FocusMark");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { Follow(now); });
}

// Only controls inside the client area get the mark; the carrier below it
// never shows one.
void FocusMark::Follow(QWidget* focused) {
  QWidget* form = parentWidget();
  if (!focused || focused->parentWidget() != form ||
      !form->rect().contains(focused->geometry())) {
    hide();
    return;
  }
  setGeometry(focused->geometry());
  raise();
  show();
  update();
}

void FocusMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(QColor(255, 120, 0), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace vpa
