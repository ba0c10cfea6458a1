// The row commands: one routine for all five rows, reading only its own row
// and the end choice. The core stages the row and replaces the macro file
// whole, so a refused row or a file error leaves everything as it was.
#include <QClipboard>
#include <QGuiApplication>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/row_glue.h"
#include "staging/row_command.h"

namespace vpa {

void MainWindow::RunRow(int row) {
  // A message box runs its own event loop; a click that arrives meanwhile
  // must not start a second command.
  if (running_ || row < 1 || row > kRowCount) return;
  running_ = true;
  Status written = RunFormRow(core_folder_, row, ReadRow(row),
                              controls_.end->currentIndex());
  if (written.ok()) {
    Finish();
  } else {
    ShowError(kFormCaption, FromBytes(written.error()));
  }
  running_ = false;
}

// The macro path goes to the clipboard through the carrier's selection, and
// the window steps aside for the host program.
void MainWindow::Finish() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  QLineEdit* carrier = controls_.clipboard_carrier;
  carrier->setFocus();
  carrier->setSelection(0, int(carrier->text().size()));
  clipboard->setText(carrier->selectedText());
  showMinimized();
}

// What the row command will make of the box's entry, as the detailer types.
void MainWindow::ShowReading(QLineEdit* box, const QPalette& band) {
  Result<std::string> staged = StageDimension(ToBytes(box->text()));
  QPalette palette = band;
  if (staged.ok()) {
    box->setToolTip("= " + FromBytes(staged.value()) + " in");
  } else {
    palette.setColor(QPalette::Text, QColor(204, 0, 0));
    box->setToolTip(FromBytes(staged.error()));
  }
  box->setPalette(palette);
}

}  // namespace vpa
