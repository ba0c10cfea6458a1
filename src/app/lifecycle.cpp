// Start-up and shut-down through the form state: the form decides which
// fields are stored, under which names and in which order; the window only
// moves their values into and out of its widgets. The lists already hold
// their items when start-up runs. A field file that cannot be read is left
// as it is at close unless its control changed.
#include <QCloseEvent>

#include "app/main_window.h"
#include "app/text_bytes.h"
#include "form/form_state.h"

namespace vpa {

void MainWindow::StartUp() {
  const FormState state = stored_.Load();
  for (const StoredField& field : StoredFields()) {
    QWidget* control = controls_.Holding(field);
    if (field.items.empty()) {
      static_cast<QLineEdit*>(control)->setText(From1252(TextOf(state, field)));
    } else {
      static_cast<QComboBox*>(control)->setCurrentIndex(IndexOf(state, field));
    }
  }
  controls_.clipboard_carrier->setText(MacroPath());
}

void MainWindow::ShutDown() { SaveFields(); }

// A stored entry that could not be read shows empty: its control's reading
// says why, in red, until the detailer gives it again.
void MainWindow::MarkUnreadable() {
  for (const UnreadableField& each : stored_.Unreadable(ReadState())) {
    const QString name =
        QString::fromStdString(ControlName(each.field->row, each.field->field));
    auto* control = findChild<QWidget*>(name);
    if (control == nullptr) continue;
    QPalette palette = control->palette();
    palette.setColor(QPalette::Text, ColourOf(kRefusalColour));
    control->setPalette(palette);
    ShowHint(control, QString::fromStdString(UnreadableReading(each)));
  }
}

void MainWindow::SaveSoon() {
  if (!save_timer_->isActive()) save_timer_->start(kSaveDelayMs);
}

void MainWindow::SaveNow() {
  save_timer_->stop();
  const std::string unsaved = stored_.SaveAsTyped(ReadState());
  if (!unsaved.empty()) TellUnsaved(unsaved);
}

FormState MainWindow::ReadState() const {
  FormState state;
  for (const StoredField& field : StoredFields()) {
    QWidget* control = controls_.Holding(field);
    if (field.items.empty()) {
      TextOf(state, field) = To1252(static_cast<QLineEdit*>(control)->text());
    } else {
      SetIndex(state, field, static_cast<QComboBox*>(control)->currentIndex());
    }
  }
  return state;
}

Status MainWindow::SaveFields() { return stored_.Save(ReadState()); }

// The detailer closed the window and is there to read why entries were not
// kept; at the end of a session no one is.
void MainWindow::closeEvent(QCloseEvent* event) {
  Status saved = SaveFields();
  if (!saved.ok()) {
    ShowError(kFormCaption, QString::fromStdString(SaveFailureMessage(
                                core_folder_, saved.failure())));
  }
  event->accept();
}

}  // namespace vpa
