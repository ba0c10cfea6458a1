// The row commands: one routine for all five rows, reading only its own row
// and the end choice. The core stages the row and replaces the macro file
// whole, so a refused row or a file error leaves everything as it was.
#include <QClipboard>
#include <QGuiApplication>
#include <QTime>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/fields.h"
#include "form/row_feedback.h"
#include "form/row_glue.h"
#include "staging/row_command.h"

namespace vpa {
namespace {

// The row that wrote the current macro stands out from the white labels.
const QColor kMarkColour(255, 214, 0);

}  // namespace

void MainWindow::RunRow(int row) {
  // A message box runs its own event loop; a click that arrives meanwhile
  // must not start a second command.
  if (running_ || row < 1 || row > kRowCount) return;
  running_ = true;
  const RowEntries entries = EntriesOf(ReadRow(row));
  const std::string end = EndChoiceAt(controls_.end->currentIndex());
  std::vector<FieldRefusal> refusals = RowRefusals(entries, end);
  if (!refusals.empty()) {
    Refuse(row, refusals);
  } else if (Status written = RunRowCommand(core_folder_, row, entries, end);
             written.ok()) {
    // A crash or a killed session later on keeps the rows that were run.
    SaveFields();
    MarkRow(row);
    Finish(row);
  } else {
    ShowError(kFormCaption, QString::fromStdString(written.error()));
  }
  running_ = false;
}

// One warning for every refusing entry; then the first of them is ready to
// be mended.
void MainWindow::Refuse(int row, const std::vector<FieldRefusal>& refusals) {
  ShowError(kFormCaption, FromBytes(RefusalMessage(row, refusals)),
            QMessageBox::Warning);
  const QString name = FromBytes(FirstRefusedControl(row, refusals));
  QWidget* control = findChild<QWidget*>(name);
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
}

void MainWindow::MarkRow(int row) {
  marked_row_ = row;
  const QString time = QTime::currentTime().toString("HH:mm:ss");
  for (int n = 1; n <= kRowCount; ++n) {
    const RowControls& controls = controls_.rows[n - 1];
    QPalette palette = controls.number->palette();
    palette.setColor(QPalette::WindowText, n == row ? kMarkColour : Qt::white);
    controls.number->setPalette(palette);
    controls.go->setToolTip(FromBytes(
        n == row ? WrittenTooltip(n, ToBytes(time), ToBytes(MacroPath()))
                 : RunTooltip(n)));
  }
}

// The macro path goes to the clipboard through the carrier's selection, and
// the window steps aside for the host program. The focus goes back to the
// row's Run! button, so keys typed after a restore never reach the carrier.
void MainWindow::Finish(int row) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  QLineEdit* carrier = controls_.clipboard_carrier;
  carrier->setText(MacroPath());
  carrier->setFocus();
  carrier->setSelection(0, int(carrier->text().size()));
  clipboard->setText(carrier->selectedText());
  controls_.rows[row - 1].go->setFocus();
  showMinimized();
}

// What the row command will make of the box's entry, as the detailer types.
void MainWindow::ShowReading(QLineEdit* box, const QPalette& band) {
  const StoredField* field = FieldOfControl(ToBytes(box->objectName()));
  if (field == nullptr) return;
  EntryReading reading = ReadEntry(field->field, ToBytes(box->text()));
  QPalette palette = band;
  if (reading.refused) palette.setColor(QPalette::Text, QColor(204, 0, 0));
  box->setToolTip(FromBytes(reading.tooltip));
  box->setPalette(palette);
}

}  // namespace vpa
