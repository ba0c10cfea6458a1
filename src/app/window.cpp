// The window's construction, and how it shows an error.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <limits>

#include "app/main_window.h"
#include "app/text_bytes.h"

namespace vpa {

MainWindow::MainWindow(const QString& folder, const Maker& maker,
                       QWidget* parent)
    : QWidget(parent),
      folder_(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())),
      core_folder_(ToPath(folder_)),
      maker_(maker) {
  controls_ = BuildForm(this, maker_);
  LimitEntries();
  ConnectCommands();
  InstallKeyboard();
  StartUp();
  // A box restored empty saw no change; it gets its reading all the same.
  // A long entry shows its start, not its end.
  for (const RowControls& row : controls_.rows) {
    for (QLineEdit* box : row.DimensionBoxes()) {
      ShowReading(box, row.band);
      box->setCursorPosition(0);
    }
  }
}

// Entries of any length, and only characters the field files can hold.
void MainWindow::LimitEntries() {
  for (const RowControls& row : controls_.rows) {
    for (QLineEdit* box : row.DimensionBoxes()) {
      box->setMaxLength(std::numeric_limits<int>::max());
      box->setValidator(new StorableText(box));
    }
  }
}

void MainWindow::ConnectCommands() {
  for (int row = 1; row <= kRowCount; ++row) {
    const RowControls& controls = controls_.rows[row - 1];
    connect(controls.go, &QPushButton::clicked, this,
            [this, row] { RunRow(row); });
    for (QLineEdit* box : controls.DimensionBoxes()) {
      connect(box, &QLineEdit::textChanged, this,
              [this, box, band = controls.band] { ShowReading(box, band); });
    }
  }
  connect(controls_.help, &QPushButton::clicked, this, &MainWindow::OpenHelp);
  connect(controls_.web, &QPushButton::clicked, this, &MainWindow::OpenWebSite);
  // Exit takes the same road as the close box, through closeEvent.
  connect(controls_.exit, &QPushButton::clicked, this, &QWidget::close);
  // The session may end without closing the window first.
  connect(qApp, &QGuiApplication::commitDataRequest, this,
          &MainWindow::ShutDown);
  connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::ShutDown);
}

QString MainWindow::MacroPath() const {
  return QDir::toNativeSeparators(folder_ + "/0PY/0.PY");
}

void MainWindow::ShowError(const QString& title, const QString& text,
                           QMessageBox::Icon icon) {
  if (show_error_) {
    show_error_(icon, title, text);
    return;
  }
  QMessageBox box(icon, title, text, QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::BringToFront() {
  showNormal();
  raise();
  activateWindow();
}

// Back from minimised, the detailer is where the last Run left off.
void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && !isMinimized() &&
      marked_row_ > 0) {
    controls_.rows[marked_row_ - 1].go->setFocus();
  }
}

}  // namespace vpa
