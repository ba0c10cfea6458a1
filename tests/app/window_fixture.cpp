#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include "app/single_instance.h"

namespace vpa::testing {

WindowTest::WindowTest() {
  folder_.InstallShippedTemplates();
  QGuiApplication::clipboard()->setText("before");
}

WindowTest::~WindowTest() { window_.reset(); }

MainWindow& WindowTest::Open(const Maker& maker,
                             const std::filesystem::path& folder) {
  window_ = std::make_unique<MainWindow>(
      folder.empty() ? folder_.root() : folder, maker);
  window_->SetErrorShower([this](QMessageBox::Icon icon, const QString& title,
                                 const QString& text) {
    errors_.push_back({icon, title, text});
  });
  window_->show();
  return *window_;
}

void WindowTest::Close() {
  window_->close();
  window_.reset();
}

QLineEdit* WindowTest::Box(const QString& name) const {
  auto* box = window_->findChild<QLineEdit*>(name);
  EXPECT_NE(box, nullptr) << name.toStdString();
  return box;
}

QComboBox* WindowTest::List(const QString& name) const {
  auto* list = window_->findChild<QComboBox*>(name);
  EXPECT_NE(list, nullptr) << name.toStdString();
  return list;
}

QPushButton* WindowTest::Button(const QString& name) const {
  auto* button = window_->findChild<QPushButton*>(name);
  EXPECT_NE(button, nullptr) << name.toStdString();
  return button;
}

QString WindowTest::Root() const {
  return QString::fromStdString(folder_.root().string());
}

std::string WindowTest::Field(const std::string& name) const {
  return folder_.Read(std::filesystem::path("TextFiles") / (name + ".TXT"));
}

// The kernel lists every Unix socket, abstract names with a leading "@".
bool WaitUntilListening(const std::filesystem::path& folder, int ms) {
  const QByteArray name =
      "@" + QByteArray::fromStdString(SingleInstance(folder).name());
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QFile sockets("/proc/net/unix");
    if (sockets.open(QIODevice::ReadOnly) && sockets.readAll().contains(name)) {
      return true;
    }
    QTest::qWait(20);
  }
  return false;
}

}  // namespace vpa::testing
