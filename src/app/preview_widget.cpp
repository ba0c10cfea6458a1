// The widget only walks the display list; what to draw, and when a row
// shows none, is the form's.
#include "app/preview_widget.h"

#include <QApplication>
#include <QPainter>

#include "app/window_layout.h"

namespace vpa {
namespace {

QPen PenOf(const PreviewItem& item) {
  QPen pen(ColourOf(item.pen), 0, item.dashed ? Qt::DashLine : Qt::SolidLine);
  pen.setCosmetic(true);
  return pen;
}

}  // namespace

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {
  setObjectName("Preview");
  setAccessibleName("Preview of the row");
  hide();
}

void PreviewWidget::Show(const PreviewDrawing* drawing) {
  if (drawing == nullptr) {
    hide();
    return;
  }
  drawing_ = *drawing;
  setAccessibleDescription(QString::fromStdString(drawing_.description));
  show();
  update();
}

void PreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const double sx = double(width()) / kPreviewWidth;
  const double sy = double(height()) / kPreviewHeight;
  auto box = [&](const PreviewItem& item) {
    return QRectF(QPointF(item.x1 * sx, item.y1 * sy),
                  QPointF(item.x2 * sx, item.y2 * sy));
  };
  for (const PreviewItem& item : drawing_.items) {
    switch (item.kind) {
      case PreviewItem::Kind::kLine:
        painter.setPen(PenOf(item));
        painter.drawLine(QPointF(item.x1 * sx, item.y1 * sy),
                         QPointF(item.x2 * sx, item.y2 * sy));
        break;
      case PreviewItem::Kind::kRect:
        painter.setPen(PenOf(item));
        painter.setBrush(item.fill.source == Colour::Source::kRgb
                             ? QBrush(ColourOf(item.fill))
                             : QBrush(Qt::NoBrush));
        painter.drawRect(box(item));
        break;
      case PreviewItem::Kind::kText: {
        // A point is 20 twips; the zone is 256 pixels wide at 96 dpi.
        painter.setFont(
            ArialBold(item.points * width() * 15.0 / kPreviewWidth));
        painter.setPen(ColourOf(item.pen));
        painter.drawText(box(item),
                         AlignmentOf(item.align) | Qt::AlignVCenter |
                             Qt::TextDontClip | Qt::TextSingleLine,
                         QString::fromStdString(item.text));
        break;
      }
    }
  }
}

}  // namespace vpa
