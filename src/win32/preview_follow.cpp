// The preview follows the row that holds or last held the focus, and
// redraws as that row's entries or the end choice change.
#include "form/preview_row.h"
#include "win32/form_window.h"
#include "win32/wide_text.h"

namespace vpa {
namespace {

bool TakesFocus(int code) {
  return code == EN_SETFOCUS || code == CBN_SETFOCUS || code == BN_SETFOCUS;
}

bool Changes(int code) { return code == EN_CHANGE || code == CBN_SELCHANGE; }

}  // namespace

void FormWindow::FollowPreview(HWND control, int code) {
  for (const Placed& placed : controls_) {
    if (placed.hwnd != control || placed.hwnd == nullptr) continue;
    const int row = placed.design.row;
    const bool moved = row != 0 && row != preview_row_ && TakesFocus(code);
    if (moved) preview_row_ = row;
    const bool end = placed.design.role == Role::kEnd && Changes(code);
    if (moved || end || (row == preview_row_ && Changes(code))) {
      RedrawPreview();
    }
    return;
  }
}

void FormWindow::RedrawPreview() {
  if (preview_row_ == 0) return;
  const std::optional<PreviewRow> row =
      PreviewFormRow(stored_, preview_row_, ReadState());
  if (!row) {
    preview_.Show(nullptr);
    return;
  }
  const PreviewDrawing drawing = DrawPreview(*row);
  preview_.Show(&drawing);
  spoken_.Describe(preview_.hwnd(), FromUtf8(drawing.description));
}

}  // namespace vpa
