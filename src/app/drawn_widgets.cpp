// Lines and dots ignore the mouse, so clicks reach what lies below them.
#include "app/drawn_widgets.h"

#include <QPainter>

#include "app/picture_strips.h"

namespace vpa {
namespace {

// Rows unpacked at a time. A multiple of 8, so that strips scaled by any
// eighth still meet on whole device pixels.
constexpr int kStripRows = 32;

}  // namespace

PictureWidget::PictureWidget(const std::string& name, QWidget* parent)
    : QWidget(parent), name_(name) {}

void PictureWidget::paintEvent(QPaintEvent*) {
  // The rendering at one device pixel a pixel, or at two on any denser
  // screen; the painter scales it to the place.
  const int ratio = devicePixelRatioF() > 1 ? 2 : 1;
  const PackedPicture* picture = FindPicture(name_, ratio * width());
  if (picture == nullptr) return;
  QSize size(picture->width, picture->height);
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
  for (const PackedPicture& picture : PackedPictures()) {
    if (picture.name == name)
      icon.addPixmap(QPixmap::fromImage(UnpackImage(picture)));
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
