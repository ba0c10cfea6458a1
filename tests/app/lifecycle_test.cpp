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

// Every launch for the folder finds the running window, whatever its
// environment and however it names the folder; a run that is gone, or one
// that never answers, does not keep the next from starting.
TEST_F(WindowTest, EveryLaunchForTheFolderFindsTheRunningOne) {
  const std::filesystem::path link = folder_.root().string() + "-link";
  std::filesystem::create_directory_symlink(folder_.root(), link);
  int asked = 0;
  {
    SingleInstance running(folder_.root());
    ASSERT_TRUE(running.Start());
    QObject::connect(&running, &SingleInstance::ActivationRequested,
                     [&asked] { ++asked; });
    const QByteArray saved_home = qgetenv("HOME");
    const char* kVariables[] = {"XDG_RUNTIME_DIR", "TMPDIR", "HOME"};
    for (const char* variable : kVariables) qputenv(variable, "/nonexistent");
    const std::filesystem::path names[] = {folder_.root(), link,
                                           folder_.root() / "TextFiles" / ".."};
    for (const auto& name : names) {
      EXPECT_FALSE(SingleInstance(name).Start()) << name;
    }
    qunsetenv("XDG_RUNTIME_DIR");
    qunsetenv("TMPDIR");
    qputenv("HOME", saved_home);
    QDeadlineTimer deadline(5000);
    while (asked < 3 && !deadline.hasExpired()) {
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_EQ(asked, 3);
  }
  // Gone: its name went with it.
  EXPECT_TRUE(SingleInstance(folder_.root()).Start());
  // A holder that never answers: the next run starts all the same.
  const int hung = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  const std::string name = SingleInstance(folder_.root()).name();
  memcpy(address.sun_path + 1, name.data(), name.size());
  ASSERT_EQ(bind(hung, reinterpret_cast<sockaddr*>(&address),
                 socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size())),
            0);
  EXPECT_TRUE(SingleInstance(folder_.root()).Start());
  close(hung);
  std::filesystem::remove(link);
}

}  // namespace
}  // namespace vpa::testing
