// The preview in the Qt window: a widget over the logo that draws the
// form's display list, and the follower that keeps it on the row that holds
// or last held the focus.
#ifndef VPA_APP_PREVIEW_WIDGET_H_
#define VPA_APP_PREVIEW_WIDGET_H_

#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/window_layout.h"
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

// Redraws the preview as the focus moves between rows and as the focused
// row's entries, lists or the end choice change.
class PreviewFollower : public QObject {
 public:
  // What a row shows: nothing for a row a Run would refuse.
  using RowPreview = std::function<std::optional<PreviewRow>(int row)>;

  // Places the preview over the logo picture of `form`.
  PreviewFollower(QWidget* form, const FormControls& controls,
                  RowPreview preview);

  // The row the preview follows, 0 before any row had the focus.
  int row() const { return row_; }

 private:
  void FocusMoved(QWidget* now);
  void Redraw();

  FormControls controls_;
  RowPreview preview_;
  PreviewWidget* widget_;
  int row_ = 0;
};

}  // namespace vpa

#endif  // VPA_APP_PREVIEW_WIDGET_H_
