// The window against odd field files, long and 8-bit entries, failed saves,
// signals and other users.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "app/end_signals.h"
#include "app/single_instance.h"
#include "failing_file_system.h"
#include "window_fixture.h"

namespace vpa::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(WindowTest, EveryByteAndLongEntriesSurviveAStartAndAClose) {
  std::string every_byte;
  for (int b = 1; b < 256; ++b) {
    if (b != '\r' && b != '\n' && b != ' ') every_byte += char(b);
  }
  every_byte = "1\xe9 1/2" + every_byte;
  const std::string long_entry = std::string(40000, '0') + "1";
  folder_.Write("TextFiles/H1.TXT", every_byte + "\r\n");
  folder_.Write("TextFiles/L1.TXT", long_entry + "\r\n");
  folder_.Write("TextFiles/V1.TXT", std::string("\0x", 2) + "\r\n");
  Open();
  EXPECT_EQ(Box("zzL1")->text().size(), 40001);
  Close();
  EXPECT_EQ(Field("H1"), every_byte + "\r\n");
  EXPECT_EQ(Field("L1"), long_entry + "\r\n");
  EXPECT_EQ(Field("V1"), std::string("\0x", 2) + "\r\n");
}

TEST_F(WindowTest, CharacterWithoutAByteIsRefusedAsTyped) {
  Open();
  QLineEdit* box = Box("zzH1");
  box->setFocus();
  for (QChar c : QString::fromUtf16(u"1\u0100\u20ac2")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
    QApplication::sendEvent(box, &press);
  }
  EXPECT_EQ(box->text(), QString::fromUtf16(u"1?\u20ac2"));
  box->clear();
  box->insert(QString::fromUtf16(u"12\U0001F600"));  // a paste
  EXPECT_EQ(box->text(), "12?");
  Close();
  EXPECT_EQ(Field("H1"), "12?\r\n");
}

// Typed by an input method or pasted from a word processor, a character
// the store lacks shows as its plain twin, or is refused where the
// detailer looks; a paste takes its first line that holds anything.
TEST_F(WindowTest, NoTypedCharacterVanishes) {
  Open();
  QLineEdit* box = Box("zzH1");
  box->setFocus();
  const QColor usual = box->palette().color(QPalette::Text);
  const struct {
    std::u16string typed;
    const char* shown;
  } typed[] = {{u"1⁄2", "1/2"}, {u"10−6 1/2", "10-6 1/2"}, {u"１２", "12"}};
  for (const auto& [keys, shown] : typed) {
    box->clear();
    for (QChar c : QString::fromStdU16String(keys)) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
      QApplication::sendEvent(box, &press);
    }
    EXPECT_EQ(box->text(), shown);
  }
  box->clear();
  QInputMethodEvent composed;  // an input method's commit, as it shows
  composed.setCommitString(QString::fromUtf16(u"\u2212\uFF16\u2153"));
  QApplication::sendEvent(box, &composed);
  EXPECT_EQ(box->text(), "-6?");
  // A character without a twin stands as "?", told at once, and the box
  // stays red and its row refused however the typing goes on.
  box->clear();
  for (QChar c : QString::fromUtf16(u"12⅓")) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
    QApplication::sendEvent(box, &press);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(box->toolTip().startsWith(
      QString::fromUtf16(u"12?\n\"\u2153\" (U+2153) cannot be kept")))
      << box->toolTip().toStdString();
  QTest::keyClicks(box, "5");
  EXPECT_EQ(box->text(), "12?5");
  EXPECT_NE(box->palette().color(QPalette::Text), usual);
  EXPECT_TRUE(box->toolTip().contains("12?5 would be read as 12 in"));

  box->selectAll();
  QGuiApplication::clipboard()->setText("\r\n1\r\n");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "1");
  QGuiApplication::clipboard()->setText("\r\n \r\n");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "1");
  QCoreApplication::processEvents();
  EXPECT_TRUE(box->toolTip().contains("held no text"));
  // An empty clipboard never clears the selection, and a paste the box
  // took in part is undone in one step.
  box->selectAll();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "1");
  QGuiApplication::clipboard()->setText(" 7\n8");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "7");
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "1");
}

// Entries are saved as they are typed: within about a second, and at once
// when the focus leaves the box; a failure is told at once, once.
TEST_F(WindowTest, EntriesAreSavedAsTheyAreTyped) {
  Open();
  QLineEdit* box = Box("zzH1");
  box->setFocus();
  QTest::keyClicks(box, "4-4");
  EXPECT_EQ(Field("H1"), "<missing>");
  EXPECT_TRUE(QTest::qWaitFor([&] { return Field("H1") == "4-4\r\n"; }, 3000));
  QTest::keyClicks(box, "1");
  Box("zzV1")->setFocus();
  EXPECT_EQ(Field("H1"), "4-41\r\n");

  fs::remove_all(folder_.root() / "TextFiles");
  QTest::keyClicks(Box("zzV1"), "6");
  Box("zzL1")->setFocus();
  QTest::keyClicks(Box("zzL1"), "9");
  Box("zzV1")->setFocus();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].text.contains("could not be saved"));
}

// A cell pasted from a spreadsheet brings its line break; the box keeps the
// line, and the entry comes back after a restart.
TEST_F(WindowTest, PastedLineBreakIsDroppedAndTheEntryKept) {
  Open();
  QLineEdit* box = Box("zzH1");
  box->setFocus();
  QGuiApplication::clipboard()->setText("1-0 1/2\r\n");
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "1-0 1/2");
  box->selectAll();
  QGuiApplication::clipboard()->setText("2\t6");  // two cells
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->text(), "2?6");
  Close();
  Open();
  EXPECT_EQ(Box("zzH1")->text(), "2?6");
}

TEST_F(WindowTest, UnreadableFieldFilesAreLeftAloneUnlessChanged) {
  fs::path fifo = folder_.folder().FieldFile("H1");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(folder_.folder().FieldFile("MAT1").c_str(), 0600), 0);
  folder_.Write("TextFiles/V1.TXT", "6\r\n");
  FailingFileSystem denied(FailingFileSystem::Call::kOpenToRead,
                           std::errc::permission_denied, "V1.");
  Open();  // the FIFO does not hold start-up
  EXPECT_EQ(Box("zzH1")->text(), "");
  EXPECT_TRUE(Box("zzH1")->toolTip().contains("cannot be read"));
  window_->RunRow(1);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(errors_[0].text.contains("H1.TXT"));
  errors_.clear();
  List("MAT1")->setCurrentIndex(5);
  Close();
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Field("V1"), "6\r\n");
  EXPECT_EQ(Field("MAT1"), " 5 \r\n");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(WindowTest, FailedSaveIsToldAtCloseOnly) {
  Open();
  Box("zzH1")->setText("12");
  fs::remove_all(folder_.root() / "TextFiles");
  Close();
  ASSERT_EQ(errors_.size(), 1u);
  const QString text = errors_[0].text;
  EXPECT_TRUE(text.contains(Root() + "/TextFiles")) << text.toStdString();
  EXPECT_TRUE(text.contains("No such file or directory")) << text.toStdString();
  EXPECT_FALSE(text.contains('\n'));

  errors_.clear();
  Open();
  window_->ShutDown();  // the session ends
  Close();
  EXPECT_TRUE(errors_.empty());
}

// A logout that is cancelled leaves the window open: what is typed after it
// is saved at the close as ever.
TEST_F(WindowTest, CancelledLogoutDoesNotStopLaterSaves) {
  Open();
  Box("zzH1")->setText("6");
  window_->ShutDown();  // the session asks to save, then goes on
  Box("zzH1")->setText("1-0 1/2");
  Close();
  EXPECT_EQ(Field("H1"), "1-0 1/2\r\n");
}

TEST_F(WindowTest, EndSignalArrivesOnTheWindowsThread) {
  Open();
  Box("zzH1")->setText("1-0 1/2");
  EndSignals ends;
  bool received = false;
  QObject::connect(&ends, &EndSignals::Received, [&] {
    window_->ShutDown();
    received = true;
  });
  std::raise(SIGTERM);
  QDeadlineTimer deadline(5000);
  while (!received && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  EXPECT_TRUE(received);
  EXPECT_EQ(Field("H1"), "1-0 1/2\r\n");
}

// The real program in a folder of its own: a FIFO among its field files
// does not stop it, and SIGTERM ends it cleanly.
TEST_F(WindowTest, ProgramSavesWhenTerminated) {
  fs::copy_file(VPA_WINDOW_PROGRAM, folder_.root() / "vpa");
  ASSERT_EQ(mkfifo(folder_.folder().FieldFile("H2").c_str(), 0600), 0);
  folder_.Write("TextFiles/H1.TXT", "7\r\n");
  QTemporaryDir runtime;
  ASSERT_EQ(chmod(QFile::encodeName(runtime.path()).constData(), 0700), 0);
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("XDG_RUNTIME_DIR", runtime.path());
  program.setProcessEnvironment(environment);
  program.start(Root() + "/vpa", {});
  ASSERT_TRUE(program.waitForStarted(5000));
  ASSERT_TRUE(WaitUntilListening(folder_.root(), 15000))
      << "the window never came up";
  program.terminate();  // SIGTERM
  ASSERT_TRUE(program.waitForFinished(10000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  // Nothing changed in the window, so nothing is written over.
  EXPECT_EQ(Field("H1"), "7\r\n");
  EXPECT_EQ(Field("BS"), "<missing>");
  EXPECT_TRUE(fs::is_fifo(folder_.folder().FieldFile("H2")));
}

}  // namespace
}  // namespace vpa::testing
