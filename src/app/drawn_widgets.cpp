// Lines and dots ignore the mouse, so clicks reach what lies below them.
#include "app/drawn_widgets.h"

#include <QPainter>

namespace vpa {

PictureWidget::PictureWidget(const QString& resource, QWidget* parent)
    : QWidget(parent), renderer_(resource) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_.render(&painter, QRectF(rect()));
}

LineWidget::LineWidget(const QLine& line, const QColor& colour, QWidget* parent)
    : QWidget(parent), line_(line), colour_(colour) {
  setGeometry(QRect(line.p1(), line.p2()).normalized());
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(colour_, 1));
  painter.drawLine(line_.translated(-pos()));
}

DotWidget::DotWidget(const QRect& box, const QColor& fill, QWidget* parent)
    : QWidget(parent), fill_(fill) {
  setGeometry(box);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DotWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill_);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace vpa
