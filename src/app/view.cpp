// The view's primitives in Qt widgets, each control found by its object
// name. The controller decides; these only do.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>
#include <QToolTip>
#include <QUrl>

#include "app/main_window.h"
#include "app/text_bytes.h"

namespace vpa {

QWidget* MainWindow::Widget(std::string_view name) const {
  return findChild<QWidget*>(From1252(name));
}

QLineEdit* MainWindow::Box(std::string_view name) const {
  return qobject_cast<QLineEdit*>(Widget(name));
}

std::string MainWindow::Text(std::string_view control) const {
  QLineEdit* box = Box(control);
  return box ? To1252(box->text()) : std::string();
}

void MainWindow::SetText(std::string_view control, std::string_view text) {
  if (QLineEdit* box = Box(control)) box->setText(From1252(text));
}

int MainWindow::Index(std::string_view control) const {
  auto* list = qobject_cast<QComboBox*>(Widget(control));
  return list ? list->currentIndex() : -1;
}

void MainWindow::SetIndex(std::string_view control, int index) {
  if (auto* list = qobject_cast<QComboBox*>(Widget(control))) {
    list->setCurrentIndex(index);
  }
}

void MainWindow::Select(std::string_view control, int start, int length) {
  QLineEdit* box = Box(control);
  if (box == nullptr) return;
  if (length == 0) return box->setCursorPosition(start);
  box->setSelection(start,
                    length == kToTheEnd ? int(box->text().size()) : length);
}

void MainWindow::Focus(std::string_view control) {
  if (QWidget* widget = Widget(control)) widget->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Press(std::string_view button) {
  if (auto* pressed = qobject_cast<QPushButton*>(Widget(button))) {
    pressed->click();
  }
}

// A box's text in red when refused, else in its band's: the table gives a
// field's Text and WindowText that one colour, and only Text is changed.
void MainWindow::ShowReading(std::string_view control, const std::string& hint,
                             bool refused, bool alert) {
  QWidget* widget = Widget(control);
  if (widget == nullptr) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Text, refused
                                       ? ColourOf(kRefusalColour)
                                       : palette.color(QPalette::WindowText));
  widget->setPalette(palette);
  const QString text = QString::fromStdString(hint);
  ShowHint(widget, text);
  if (!alert) {
    // What was told at the box goes with the next edit.
    if (QToolTip::isVisible()) QToolTip::hideText();
    return;
  }
  QToolTip::showText(widget->mapToGlobal(QPoint(0, widget->height())), text,
                     widget);
  QApplication::beep();
}

void MainWindow::ShowPreview(const PreviewDrawing* drawing) {
  preview_->Show(drawing);
}

void MainWindow::SetHint(std::string_view control, const std::string& hint) {
  if (QWidget* widget = Widget(control)) {
    ShowHint(widget, QString::fromStdString(hint));
  }
}

void MainWindow::MarkRow(int row) {
  for (const FormControl& control : layout_) {
    if (control.role != Role::kRowNumber) continue;
    QWidget* number = Widget(control.name);
    QPalette palette = number->palette();
    palette.setColor(QPalette::WindowText, control.row == row
                                               ? ColourOf(kMarkColour)
                                               : ColourOf(control.text));
    number->setPalette(palette);
  }
}

void MainWindow::MarkFocus(std::string_view control) {
  QWidget* framed = control.empty() ? nullptr : Widget(control);
  if (framed == nullptr) return focus_mark_->hide();
  focus_mark_->setGeometry(framed->geometry());
  focus_mark_->raise();
  focus_mark_->show();
  focus_mark_->update();
}

// The path is on the clipboard only if the clipboard gives it back.
bool MainWindow::CopySelection(std::string_view box) {
  QLineEdit* carrier = Box(box);
  if (carrier == nullptr) return false;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(carrier->selectedText());
  return clipboard->text() == carrier->selectedText();
}

// The help page and the maker's web site open through the desktop's own
// associations; the page from its path's bytes, which a decoded name may
// not give back.
bool MainWindow::OpenDocument(const std::filesystem::path& file) {
  const QByteArray path(file.c_str());
  return QDesktopServices::openUrl(
      QUrl::fromEncoded("file://" + path.toPercentEncoding("/")));
}

void MainWindow::OpenAddress(const std::string& address) {
  QDesktopServices::openUrl(QUrl(From1252(address), QUrl::TolerantMode));
}

}  // namespace vpa
