// The row commands: one routine for all five rows, reading only its own row
// and the end choice. The core stages the row and replaces the macro file
// whole, so a refused row or a file error leaves everything as it was.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QToolTip>

#include "app/main_window.h"
#include "app/storable_text.h"
#include "app/text_bytes.h"
#include "form/fields.h"
#include "form/row_feedback.h"
#include "form/run_row.h"

namespace vpa {
void MainWindow::RunRow(int row) { run_.Run(row, ReadState(), *this); }

void MainWindow::ShowFailure(const RunOutcome& outcome) {
  ShowError(kFormCaption, QString::fromStdString(outcome.message));
}

// One warning for every refusing entry; then the first of them is ready to
// be mended.
void MainWindow::ShowRefusal(const RunOutcome& outcome) {
  ShowError(kFormCaption, QString::fromStdString(outcome.message),
            QMessageBox::Warning);
  QWidget* control = findChild<QWidget*>(QString::fromStdString(outcome.focus));
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* box = qobject_cast<QLineEdit*>(control);
      box && outcome.select_all) {
    box->selectAll();
  }
}

void MainWindow::MarkWritten(const RunOutcome& outcome) {
  marked_row_ = outcome.marked_row;
  for (int n = 1; n <= kRowCount; ++n) {
    const RowControls& controls = controls_.rows[n - 1];
    QPalette palette = controls.number->palette();
    palette.setColor(QPalette::WindowText,
                     n == marked_row_ ? ColourOf(kMarkColour) : Qt::white);
    controls.number->setPalette(palette);
    ShowHint(controls.go, QString::fromStdString(outcome.run_tooltips[n - 1]));
  }
}

// The macro path goes to the clipboard through the carrier's selection; it
// is there only if the clipboard gives it back.
bool MainWindow::PutPathOnClipboard(const RunOutcome&) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  QLineEdit* carrier = controls_.clipboard_carrier;
  carrier->setText(MacroPath());
  carrier->setFocus();
  carrier->setSelection(0, int(carrier->text().size()));
  clipboard->setText(carrier->selectedText());
  return clipboard->text() == carrier->text();
}

// The window steps aside for the host program. The focus goes back to the
// row's Run! button, so keys typed after a restore never reach the carrier.
void MainWindow::StepAside(const RunOutcome& outcome) {
  controls_.rows[outcome.marked_row - 1].go->setFocus();
  showMinimized();
}

void MainWindow::ShowUnclipped(const RunOutcome& outcome) {
  controls_.rows[outcome.marked_row - 1].go->setFocus();
  ShowError(kFormCaption,
            QString::fromStdString(outcome.message) + "\n\n" + MacroPath());
}

// What the row command will make of the box's entry, as the detailer types.
void MainWindow::ShowReading(QLineEdit* box, const QPalette& band) {
  const StoredField* field = FieldOfControl(To1252(box->objectName()));
  if (field == nullptr) return;
  EntryReading reading = ReadEntry(field->field, To1252(box->text()));
  QPalette palette = band;
  if (reading.refused) {
    palette.setColor(QPalette::Text, ColourOf(kRefusalColour));
  }
  ShowHint(box, From1252(reading.tooltip));
  box->setPalette(palette);
}

// A key or a paste the box did not take: its reading says why, in red, at
// once and where the detailer is looking.
void MainWindow::ShowRefusedEdit(QLineEdit* box) {
  const auto* storable = qobject_cast<const StorableText*>(box->validator());
  if (storable == nullptr) return;
  const QString reading = QString::fromStdString(
      RefusedEditReading(To1252(storable->kept()), storable->refusal()));
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, ColourOf(kRefusalColour));
  box->setPalette(palette);
  ShowHint(box, reading);
  QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), reading, box);
  QApplication::beep();
}

}  // namespace vpa
