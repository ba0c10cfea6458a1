// Lines and dots ignore the mouse, so clicks reach what lies below them.
#include "app/drawn_widgets.h"

#include <QPainter>

#include "app/packed_picture.h"

namespace vpa {
namespace {

// Rows unpacked at a time. A multiple of 8, so that strips scaled by any
// eighth still meet on whole device pixels.
constexpr int kStripRows = 32;

}  // namespace

PictureWidget::PictureWidget(const std::string& name, QWidget* parent)
    : QWidget(parent), name_(name) {}

void PictureWidget::paintEvent(QPaintEvent*) {
  const bool dense = devicePixelRatioF() > 1;
  const PackedPicture* picture = FindPicture(name_ + (dense ? "@2x" : ""));
  if (picture == nullptr) return;
  const int ratio = dense ? 2 : 1;
  QSize size(picture->width / ratio, picture->height / ratio);
  size.scale(this->size(), Qt::KeepAspectRatio);
  QRect place(QPoint(), size);
  place.moveCenter(rect().center());
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.translate(place.topLeft());
  painter.scale(qreal(size.width()) / picture->width,
                qreal(size.height()) / picture->height);
  UnpackStrips(*picture, kStripRows, [&painter](const QImage& strip, int top) {
    painter.drawImage(QPoint(0, top), strip);
  });
}

QIcon PictureIcon(const std::string& name) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    const PackedPicture* picture =
        FindPicture(name + "-" + std::to_string(size));
    if (picture != nullptr)
      icon.addPixmap(QPixmap::fromImage(Unpack(*picture)));
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
