// Lines, dots and the focus mark ignore the mouse, so clicks reach what
// lies below them.
#include "app/drawn_widgets.h"

#include <QPainter>
#include <functional>

#include "app/picture_strips.h"
#include "app/window_layout.h"

namespace vpa {
namespace {

// Rows unpacked at a time. A multiple of 8, so that strips scaled by any
// eighth still meet on whole device pixels.
constexpr int kStripRows = 32;

// A widget drawn by `paint`, given the widget and a painter on it.
class DrawnWidget : public QWidget {
 public:
  using Paint = std::function<void(const QWidget& self, QPainter& painter)>;
  DrawnWidget(QWidget* parent, Paint paint)
      : QWidget(parent), paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(*this, painter);
  }

 private:
  Paint paint_;
};

QWidget* Untouchable(QWidget* widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  return widget;
}

}  // namespace

QWidget* NewPicture(const std::string& name, QWidget* parent) {
  return new DrawnWidget(
      parent, [name](const QWidget& self, QPainter& painter) {
        // The rendering at one device pixel a pixel, or at two on any denser
        // screen; the painter scales it to the place.
        const int ratio = self.devicePixelRatioF() > 1 ? 2 : 1;
        const PackedPicture* picture = FindPicture(name, ratio * self.width());
        if (picture == nullptr) return;
        QSize size(picture->width, picture->height);
        size.scale(self.size(), Qt::KeepAspectRatio);
        QRect place(QPoint(), size);
        place.moveCenter(self.rect().center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(place.topLeft());
        painter.scale(qreal(size.width()) / picture->width,
                      qreal(size.height()) / picture->height);
        UnpackStrips(*picture, kStripRows,
                     [&painter](const QImage& strip, int top) {
                       painter.drawImage(QPoint(0, top), strip);
                     });
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

QWidget* NewLine(const QLine& line, const QColor& colour, QWidget* parent) {
  const QRect box = QRect(line.p1(), line.p2()).normalized();
  auto* widget =
      new DrawnWidget(parent, [=](const QWidget&, QPainter& painter) {
        painter.setPen(QPen(colour, 1));
        painter.drawLine(line.translated(-box.topLeft()));
      });
  widget->setGeometry(box);
  return Untouchable(widget);
}

QWidget* NewDot(const QRect& box, const QColor& fill, QWidget* parent) {
  auto* dot =
      new DrawnWidget(parent, [fill](const QWidget& self, QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(fill);
        painter.drawEllipse(QRectF(self.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
      });
  dot->setGeometry(box);
  return Untouchable(dot);
}

QWidget* NewFocusMark(QWidget* form) {
  auto* mark = new DrawnWidget(form, [](const QWidget& self,
                                        QPainter& painter) {
    // Qt scales its own pixels: the width at 96 dpi is the one to give.
    const int width = FocusMarkWidth(96);
    painter.setPen(QPen(ColourOf(kFocusMarkColour), width));
    const qreal half = width / 2.0;
    painter.drawRect(QRectF(self.rect()).adjusted(half, half, -half, -half));
  });
  mark->setObjectName("FocusMark");
  mark->hide();
  return Untouchable(mark);
}

}  // namespace vpa
