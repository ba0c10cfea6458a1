// Lines and dots ignore the mouse, so clicks reach what lies below them.
#include "app/drawn_widgets.h"

#include <QImageReader>
#include <QPainter>

namespace vpa {

namespace {

// Read as PNG outright: left to guess, Qt loads every image plugin to ask
// each whether it knows the file.
QPixmap LoadPicture(const QString& name, const QString& suffix) {
  QImageReader reader(":/pictures/" + name + suffix + ".png", "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

}  // namespace

PictureWidget::PictureWidget(const QString& name, QWidget* parent)
    : QWidget(parent), name_(name) {}

void PictureWidget::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF() > 1 ? 2 : 1;
  if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio) {
    pixmap_ = LoadPicture(name_, ratio > 1 ? "@2x" : "");
    pixmap_.setDevicePixelRatio(ratio);
  }
  QSize size = pixmap_.deviceIndependentSize().toSize();
  size.scale(this->size(), Qt::KeepAspectRatio);
  QRect place(QPoint(), size);
  place.moveCenter(rect().center());
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(place, pixmap_);
}

QIcon PictureIcon(const QString& name) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    icon.addPixmap(LoadPicture(name, "-" + QString::number(size)));
  }
  return icon;
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
