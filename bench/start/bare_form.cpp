// The floor under vpa's start: a window holding the form's native widgets at
// their places (boxes, lists with their items, buttons, labels) and nothing
// else, ending after its first paint. What vpa takes beyond it is what our
// code adds: the pictures, the colours, the stored entries, the readings.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "form/layout.h"
#include "quit_after_paint.h"

namespace {

constexpr int kDpi = 96;

QWidget* Bare(const vpa::FormControl& control, QWidget* form) {
  switch (control.kind) {
    case vpa::ControlKind::kTextBox:
      return new QLineEdit(QString::fromStdString(control.caption), form);
    case vpa::ControlKind::kList: {
      auto* list = new QComboBox(form);
      for (std::string_view item : control.items) {
        list->addItem(QString::fromUtf8(item.data(), qsizetype(item.size())));
      }
      return list;
    }
    case vpa::ControlKind::kButton:
      return new QPushButton(QString::fromStdString(control.caption), form);
    case vpa::ControlKind::kLabel:
    case vpa::ControlKind::kMultiLineText:
      return new QLabel(QString::fromStdString(control.caption), form);
    default:
      return nullptr;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(vpa::kFormCaption);
  window.setFixedSize(vpa::TwipsToPixels(vpa::kClientWidthTwips, kDpi),
                      vpa::TwipsToPixels(vpa::kClientHeightTwips, kDpi));
  for (const vpa::FormControl& control : vpa::FormLayout({})) {
    if (QWidget* widget = Bare(control, &window)) {
      const vpa::TwipRect& p = control.place;
      widget->setGeometry(vpa::TwipsToPixels(p.left, kDpi),
                          vpa::TwipsToPixels(p.top, kDpi),
                          vpa::TwipsToPixels(p.width, kDpi),
                          vpa::TwipsToPixels(p.height, kDpi));
    }
  }
  vpa::bench::QuitAfterPaint quit(&window);
  window.show();
  return app.exec();
}
