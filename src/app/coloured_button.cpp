#include "app/coloured_button.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace vpa {

ColouredButton::ColouredButton(const QString& caption, const QColor& back,
                               const QColor& text, QWidget* parent)
    : QPushButton(caption, parent), back_(back), text_(text) {
  setAttribute(Qt::WA_Hover);
}

void ColouredButton::paintEvent(QPaintEvent*) {
  QStyleOptionButton option;
  initStyleOption(&option);
  const bool pressed = (option.state & QStyle::State_Sunken) != 0;
  const bool hovered = (option.state & QStyle::State_MouseOver) != 0;
  // The face fills the whole button; the rim lies over it as four smoothed
  // bands, so that it scales with the screen as a style sheet's border does.
  const QRect inside = rect().adjusted(1, 1, -1, -1);
  const qreal w = width(), h = height();
  QPainter painter(this);
  painter.fillRect(rect(), pressed   ? back_.darker(116)
                           : hovered ? back_.lighter(112)
                                     : back_);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const QRectF& band : {QRectF(1, 0, w - 2, 1), QRectF(1, h - 1, w - 2, 1),
                             QRectF(0, 0, 1, h), QRectF(w - 1, 0, 1, h)}) {
    painter.fillRect(band, text_);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(text_);
  QFont font = this->font();
  font.setUnderline(true);
  painter.setFont(font);
  QRect caption = inside;
  if (pressed) {
    caption.translate(
        style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace vpa
