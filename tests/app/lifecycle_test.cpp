// Start-up and shut-down through the field store, and the one running
// instance per program folder.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSysInfo>
#include <filesystem>
#include <map>

#include "app/single_instance.h"
#include "store/field_store.h"
#include "window_fixture.h"

namespace vpa::testing {
namespace {

// Every stored field, by file name.
std::map<std::string, std::string> StoredFields(const TestFolder& folder) {
  std::map<std::string, std::string> fields;
  for (const auto& entry :
       std::filesystem::directory_iterator(folder.root() / "TextFiles")) {
    fields[entry.path().filename().string()] = folder.Read(
        std::filesystem::path("TextFiles") / entry.path().filename());
  }
  return fields;
}

TEST_F(WindowTest, RowComesBackAfterCloseAndRestart) {
  // The close box and the Exit button take the same road.
  for (bool by_exit : {false, true}) {
    SCOPED_TRACE(by_exit ? "Exit" : "close box");
    Open();
    Box("zzH2")->setText("1-0 1/2");
    Box("zzL2")->setText("  96 ");
    List("MAT2")->setCurrentIndex(7);
    List("OSL2")->setCurrentIndex(1);
    List("Pair2")->setCurrentIndex(1);
    List("BS")->setCurrentIndex(1);
    List("OSL4")->setCurrentIndex(-1);
    if (by_exit) {
      Button("CmdExit")->click();
      EXPECT_FALSE(window_->isVisible());
      window_.reset();
    } else {
      Close();
    }
    EXPECT_EQ(Field("H2"), "1-0 1/2\r\n");
    EXPECT_EQ(Field("MAT2"), " 7 \r\n");
    // Only what changed in the window is written.
    EXPECT_EQ(Field("OSL4"), "<missing>");
    EXPECT_EQ(StoredFields(folder_).size(), 6u);

    Open();
    EXPECT_EQ(Box("zzH2")->text(), "1-0 1/2");
    EXPECT_EQ(Box("zzL2")->text(), "96");
    EXPECT_EQ(List("MAT2")->currentIndex(), 7);
    EXPECT_EQ(List("OSL2")->currentText(), "Long");
    EXPECT_EQ(List("Pair2")->currentText(), "2");
    EXPECT_EQ(List("BS")->currentText(), "Left End");
    EXPECT_EQ(List("OSL4")->currentIndex(), -1);
    EXPECT_EQ(Box("txtClipboard")->text(),
              QDir::toNativeSeparators(Root() + "/0PY/0.PY"));
    window_.reset();
    std::filesystem::remove_all(folder_.root() / "TextFiles");
    std::filesystem::create_directory(folder_.root() / "TextFiles");
  }
}

TEST_F(WindowTest, UnusableStoredPositionSelectsNothing) {
  const struct {
    const char* stored;
    int section;  // what MAT1 shows
    int leg;      // what OSL1 shows
  } cases[] = {
      {"<no file>", -1, -1}, {"abc", -1, -1}, {"1.5", -1, -1}, {"-2", -1, -1},
      {"2", 2, -1},          {"131", -1, -1}, {"1", 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    std::filesystem::remove(folder_.root() / "TextFiles" / "MAT1.TXT");
    std::filesystem::remove(folder_.root() / "TextFiles" / "OSL1.TXT");
    if (std::string(c.stored) != "<no file>") {
      SaveField(folder_.folder(), "MAT1", c.stored);
      SaveField(folder_.folder(), "OSL1", c.stored);
    }
    Open();
    EXPECT_EQ(List("MAT1")->currentIndex(), c.section);
    EXPECT_EQ(List("OSL1")->currentIndex(), c.leg);
    window_.reset();
  }
}

TEST_F(WindowTest, SecondStartBringsTheFirstForwardAndTouchesNothing) {
  SingleInstance first(folder_.root());
  ASSERT_TRUE(first.Start());
  Open();
  QObject::connect(&first, &SingleInstance::ActivationRequested, window_.get(),
                   &MainWindow::BringToFront);
  SaveField(folder_.folder(), "H3", "1-2");
  SaveField(folder_.folder(), "BS", 2);
  const auto before = StoredFields(folder_);
  window_->showMinimized();

  SingleInstance second(folder_.root());
  EXPECT_FALSE(second.Start());
  QDeadlineTimer deadline(5000);
  while (window_->isMinimized() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  EXPECT_FALSE(window_->isMinimized());
  EXPECT_EQ(StoredFields(folder_), before);

  TestFolder elsewhere;
  SingleInstance other_folder(elsewhere.root());
  EXPECT_TRUE(other_folder.Start());
}

TEST_F(WindowTest, LockLeftByAGoneRunDoesNotBlockTheNextStart) {
  SingleInstance instance(folder_.root());
  // A crashed run: its process is gone. A live process of the same name
  // that never answers: a hung run, or a process id reused.
  const struct {
    qint64 pid;
    QString name;
  } holders[] = {{2147483646, "vpa"},
                 {QCoreApplication::applicationPid(),
                  QCoreApplication::applicationName()}};
  for (const auto& holder : holders) {
    SCOPED_TRACE(holder.pid);
    QFile lock(instance.LockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write(QByteArray::number(holder.pid) + "\n" + holder.name.toUtf8() +
               "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance next(folder_.root());
    EXPECT_TRUE(next.Start());
  }
}

// A crashed run leaves its lock and its socket file behind; the next run
// takes both over, answers later launches and removes the socket as it ends.
TEST_F(WindowTest, SocketLeftByACrashedRunIsTakenOver) {
  const QString socket_path = SingleInstance(folder_.root()).SocketPath();
  {
    QFile lock(SingleInstance(folder_.root()).LockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write("2147483646\nvpa\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
  }
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  const QByteArray path = QFile::encodeName(socket_path);
  ASSERT_LT(size_t(path.size()), sizeof address.sun_path);
  memcpy(address.sun_path, path.constData(), path.size());
  const int left = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(bind(left, reinterpret_cast<sockaddr*>(&address), sizeof address),
            0);
  close(left);  // the file stays, with no one listening

  int asked = 0;
  {
    SingleInstance running(folder_.root());
    ASSERT_TRUE(running.Start());
    QObject::connect(&running, &SingleInstance::ActivationRequested,
                     [&asked] { ++asked; });
    for (int launch = 1; launch <= 2; ++launch) {
      EXPECT_FALSE(SingleInstance(folder_.root()).Start());
      QDeadlineTimer deadline(5000);
      while (asked < launch && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
      }
      EXPECT_EQ(asked, launch);
    }
  }
  EXPECT_FALSE(QFile::exists(socket_path));
}

}  // namespace
}  // namespace vpa::testing
