// The window's construction, how it tells the controller of changes, and
// how it shows a message.
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/main_window.h"
#include "app/storable_text.h"
#include "app/text_bytes.h"
#include "form/fields.h"

namespace vpa {

MainWindow::MainWindow(const std::filesystem::path& folder, const Maker& maker,
                       QWidget* parent)
    : QWidget(parent),
      core_folder_(std::filesystem::absolute(folder).lexically_normal()),
      layout_(FormLayout(maker)),
      save_timer_(new QTimer(this)),
      controller_(core_folder_, *this, maker) {
  save_timer_->setSingleShot(true);
  connect(save_timer_, &QTimer::timeout, this,
          [this] { controller_.SaveTimerFired(); });
  BuildForm(this, layout_);
  preview_ = new PreviewWidget(this);
  if (QWidget* logo = Widget("Image2")) preview_->setGeometry(logo->geometry());
  ConnectCommands();
  InstallKeyboard();
  Box(kClipboardCarrier)->setText(MacroPath());
  controller_.Start();
  for (const StoredField& field : StoredFields()) {
    if (field.items.empty()) KeepStorable(Box(field.control));
  }
}

// The base class's destructor hides the window and deletes the controls,
// which moves the focus and may change a list: by then the controller is
// gone, so nothing reaches it any more.
MainWindow::~MainWindow() {
  disconnect(qApp, nullptr, this, nullptr);
  for (QObject* child : findChildren<QObject*>()) {
    child->removeEventFilter(this);
    child->disconnect(this);
  }
}

// From now on the box takes only what the field files can hold, and tells
// of what it does not take as it is; the entry restored into it is left as
// it was stored (written by another program, perhaps).
void MainWindow::KeepStorable(QLineEdit* box) {
  auto* storable = new StorableText(box);
  box->setValidator(storable);
  const auto tell = [this, box, storable](const QString& reason) {
    controller_.RefusedEdit(To1252(box->objectName()), To1252(storable->kept()),
                            reason.toStdString());
  };
  connect(box, &QLineEdit::inputRejected, this, [storable, tell] {
    tell(QString::fromStdString(storable->reason()));
  });
  connect(storable, &StorableText::StoodIn, this, tell, Qt::QueuedConnection);
}

void MainWindow::ConnectCommands() {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    connect(button, &QPushButton::clicked, this, [this, button] {
      controller_.Clicked(To1252(button->objectName()));
    });
  }
  for (QLineEdit* box : findChildren<QLineEdit*>()) {
    connect(box, &QLineEdit::textChanged, this,
            [this, box] { controller_.Changed(To1252(box->objectName())); });
  }
  for (QComboBox* list : findChildren<QComboBox*>()) {
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, list] { controller_.Changed(To1252(list->objectName())); });
  }
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

// Typing and Run go on while this shows: it takes no focus and waits for
// no answer.
void MainWindow::ShowNotice(const QString& title, const QString& text) {
  // A window of its own: a Run minimises the form right after.
  auto* box =
      new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setAttribute(Qt::WA_QuitOnClose, false);
  box->setAttribute(Qt::WA_ShowWithoutActivating);
  box->setWindowModality(Qt::NonModal);
  box->show();
}

// A warning or an error waits for the detailer; one with the path names
// the macro under its text.
void MainWindow::ShowMessage(Tone tone, const std::string& title,
                             const std::string& text) {
  const QString caption = QString::fromStdString(title);
  QString shown = QString::fromStdString(text);
  if (tone == Tone::kWithPath) shown += "\n\n" + MacroPath();
  const bool error = tone == Tone::kError || tone == Tone::kWithPath;
  const QMessageBox::Icon icon =
      error ? QMessageBox::Critical : QMessageBox::Warning;
  if (show_error_) return show_error_(icon, caption, shown);
  if (tone == Tone::kNotice) return ShowNotice(caption, shown);
  QMessageBox box(icon, caption, shown, QMessageBox::Ok, this);
  // A path or an entry in the text can be copied from it.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse |
                              Qt::TextSelectableByKeyboard);
  box.exec();
}

void MainWindow::BringToFront() {
  showNormal();
  raise();
  activateWindow();
  FocusOnReturn();
}

// Back from minimised, the detailer is where the last Run left off.
void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
    FocusOnReturn();
  }
}

void MainWindow::FocusOnReturn() {
  QWidget* last = focusWidget();
  controller_.Returned(last ? To1252(last->objectName()) : std::string());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  controller_.Close();
  event->accept();
}

}  // namespace vpa
