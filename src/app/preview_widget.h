// The preview in the Qt window: a widget over the logo that draws the
// form's display list.
#ifndef VPA_APP_PREVIEW_WIDGET_H_
#define VPA_APP_PREVIEW_WIDGET_H_

#include <QWidget>

#include "form/preview.h"

namespace vpa {

// Draws a PreviewDrawing scaled from its zone's twips to the widget.
class PreviewWidget : public QWidget {
 public:
  explicit PreviewWidget(QWidget* parent);

  // Shows `drawing`, or hides the widget (and so shows the logo) for none.
  void Show(const PreviewDrawing* drawing);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PreviewDrawing drawing_;
};

}  // namespace vpa

#endif  // VPA_APP_PREVIEW_WIDGET_H_
