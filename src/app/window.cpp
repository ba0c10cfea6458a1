// The window's construction, and how it shows an error.
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <limits>

#include "app/main_window.h"
#include "app/preview_widget.h"
#include "form/preview_row.h"
#include "app/storable_text.h"
#include "app/text_bytes.h"

namespace vpa {

MainWindow::MainWindow(const std::filesystem::path& folder, const Maker& maker,
                       QWidget* parent)
    : QWidget(parent),
      core_folder_(std::filesystem::absolute(folder).lexically_normal()),
      maker_(maker),
      stored_(core_folder_),
      save_timer_(new QTimer(this)) {
  save_timer_->setSingleShot(true);
  connect(save_timer_, &QTimer::timeout, this, &MainWindow::SaveNow);
  controls_ = BuildForm(this, maker_);
  LimitEntries();
  ConnectCommands();
  InstallKeyboard();
  StartUp();
  // A box restored empty saw no change; it gets its reading all the same.
  // A long entry shows its start, not its end. A stored entry the rule
  // would not take (written by another program) is shown as it is, and
  // only the detailer's edits are refused out loud.
  for (const RowControls& row : controls_.rows) {
    for (QLineEdit* box : row.DimensionBoxes()) {
      ShowReading(box, row.band);
      box->setCursorPosition(0);
      connect(box, &QLineEdit::inputRejected, this,
              [this, box] { ShowRefusedEdit(box); });
    }
  }
  MarkUnreadable();
  new PreviewFollower(this, controls_, [this](int row) {
    return PreviewFormRow(stored_, row, ReadState());
  });
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
      connect(box, &QLineEdit::textChanged, this, &MainWindow::SaveSoon);
    }
  }
  for (QComboBox* list : findChildren<QComboBox*>()) {
    connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::SaveSoon);
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

// Named as the file system names it; a name that is not UTF-8 is shown as
// best it can be, while the files are reached by its bytes.
QString MainWindow::MacroPath() const {
  return QFile::decodeName(core_folder_.MacroFile().c_str());
}

void MainWindow::ShowError(const QString& title, const QString& text,
                           QMessageBox::Icon icon) {
  if (show_error_) {
    show_error_(icon, title, text);
    return;
  }
  QMessageBox box(icon, title, text, QMessageBox::Ok, this);
  // A path or an entry in the text can be copied from it.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse |
                              Qt::TextSelectableByKeyboard);
  box.exec();
}

// Typing and Run go on while this shows: it takes no focus and waits for
// no answer.
void MainWindow::TellUnsaved(const std::string& message) {
  const QString text = QString::fromStdString(message);
  if (show_error_) {
    show_error_(QMessageBox::Warning, kFormCaption, text);
    return;
  }
  // A window of its own: a Run minimises the form right after.
  auto* box = new QMessageBox(QMessageBox::Warning, kFormCaption, text,
                              QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setAttribute(Qt::WA_QuitOnClose, false);
  box->setAttribute(Qt::WA_ShowWithoutActivating);
  box->setWindowModality(Qt::NonModal);
  box->show();
}

void MainWindow::BringToFront() {
  showNormal();
  raise();
  activateWindow();
  FocusOnReturn();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
    FocusOnReturn();
  }
}

// Back from minimised or brought forward, the detailer is where the last
// Run left off.
void MainWindow::FocusOnReturn() {
  QWidget* last = focusWidget();
  const std::string name = FocusOnRestore(
      marked_row_, last ? last->objectName().toStdString() : std::string());
  if (auto* control = findChild<QWidget*>(QString::fromStdString(name))) {
    control->setFocus(Qt::ActiveWindowFocusReason);
  }
}

}  // namespace vpa
