// The window as a detailer drives it: the carrier after a restore, Enter,
// lists, the focus mark, saving at Run and the marked row.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QTest>

#include "window_fixture.h"

namespace vpa::testing {
namespace {

class DetailerTest : public WindowTest {
 protected:
  void OpenActive() {
    Open();
    QApplication::setActiveWindow(window_.get());
  }
  void FillRow(int row) {
    const QString n = QString::number(row);
    Box("zzH" + n)->setText("10-11 15/16");
    Box("zzV" + n)->setText("6");
    Box("zzW" + n)->setText("9");
    Box("zzL" + n)->setText("120");
    List("MAT" + n)->setCurrentIndex(64);
    List("OSL" + n)->setCurrentIndex(1);
    List("Pair" + n)->setCurrentIndex(1);
    List("BS")->setCurrentIndex(2);
  }
  QString Path() const { return window_->MacroPath(); }
};

TEST_F(DetailerTest, CarrierTakesNoKeysAndTheRestoredFocusIsOnRun) {
  OpenActive();
  FillRow(3);
  Button("Go3")->click();
  ASSERT_TRUE(window_->isMinimized());
  window_->showNormal();
  QApplication::setActiveWindow(window_.get());
  EXPECT_EQ(window_->focusWidget(), Button("Go3"));

  QLineEdit* carrier = Box("txtClipboard");
  QTest::keyClicks(window_->focusWidget(), "abc");
  QTest::keyClicks(carrier, "abc");
  QGuiApplication::clipboard()->setText("pasted");
  QTest::keyClick(carrier, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(carrier, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(carrier->text().toStdString(), Path().toStdString());
  Button("Go3")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            Path().toStdString());
}

// Brought forward by a second launch, also when it was not minimised.
TEST_F(DetailerTest, BroughtToFrontTheFocusIsOnTheLastRunOrWhereItWas) {
  OpenActive();
  Box("zzV4")->setFocus();
  window_->BringToFront();
  EXPECT_EQ(window_->focusWidget(), Box("zzV4"));
  FillRow(2);
  Button("Go2")->click();
  window_->showNormal();
  QApplication::setActiveWindow(window_.get());
  Box("zzH1")->setFocus();
  window_->BringToFront();
  EXPECT_EQ(window_->focusWidget(), Button("Go2"));
}

TEST_F(DetailerTest, EnterPressesTheFocusedButton) {
  OpenActive();
  FillRow(2);
  Button("Go2")->setFocus();
  QTest::keyClick(Button("Go2"), Qt::Key_Return);
  EXPECT_TRUE(window_->isMinimized());
  EXPECT_NE(folder_.Read("0PY/0.PY"), "<missing>");
  window_->showNormal();
  Button("CmdExit")->setFocus();
  QTest::keyClick(Button("CmdExit"), Qt::Key_Enter);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(DetailerTest, ListsFindNamesWithBlanksAndDeleteClearsTheChoice) {
  OpenActive();
  QComboBox* section = List("MAT1");
  section->setFocus();
  QTest::keyClicks(section, "L3 1/2x2 1/2x1/4");
  EXPECT_EQ(section->currentText(), "L3 1/2x2 1/2x1/4");
  QTest::keyClick(section, Qt::Key_Delete);
  EXPECT_EQ(section->currentIndex(), -1);
  QTest::keyClick(List("Pair1"), Qt::Key_2);
  EXPECT_EQ(List("Pair1")->currentText(), "2");
  QTest::keyClick(List("Pair1"), Qt::Key_Delete);
  EXPECT_EQ(List("Pair1")->currentIndex(), -1);

  section->showPopup();
  auto* view = qobject_cast<QListView*>(section->view());
  ASSERT_NE(view, nullptr);
  const int row_height = view->sizeHintForRow(0);
  EXPECT_LE(view->height(), 21 * row_height + 10);
  EXPECT_GE(view->height(), 15 * row_height);
  section->hidePopup();
}

// A pause longer than the system's keyboard input interval starts a new
// search: "5" alone finds nothing, where "L5" would.
TEST_F(DetailerTest, TypeAheadPauseIsTheSystemsKeyboardInterval) {
  OpenActive();
  QComboBox* section = List("MAT1");
  section->setFocus();
  const int interval = QApplication::keyboardInputInterval();
  QApplication::setKeyboardInputInterval(20);
  QTest::keyClicks(section, "L");
  QTest::qWait(100);
  QTest::keyClicks(section, "5");
  EXPECT_EQ(section->currentText(), "L1x1x1/8");
  QApplication::setKeyboardInputInterval(interval);
}

// Pop-ups are built only when first opened, after the lists took their
// font, colours and style: they must show those all the same.
TEST_F(DetailerTest, OpenedListShowsTheListsFontAndColours) {
  OpenActive();
  for (const char* name : {"MAT1", "OSL2", "Pair4", "BS"}) {
    SCOPED_TRACE(name);
    QComboBox* list = List(name);
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible());
    EXPECT_EQ(view->font().family(), list->font().family());
    EXPECT_DOUBLE_EQ(view->font().pointSizeF(), list->font().pointSizeF());
    EXPECT_TRUE(view->font().bold());
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text}) {
      EXPECT_EQ(view->palette().color(role), list->palette().color(role));
    }
    EXPECT_EQ(view->height() / view->sizeHintForRow(0),
              std::min(list->count(), 20));
    list->hidePopup();
  }
}

TEST_F(DetailerTest, LongEntryShowsItsStartOnceLeft) {
  folder_.Write("TextFiles/H1.TXT", "10-11 15/16\r\n");
  OpenActive();
  EXPECT_EQ(Box("zzH1")->cursorPosition(), 0);
  QLineEdit* box = Box("zzH2");
  box->setFocus();
  QTest::keyClicks(box, "10-11 15/16 and more");
  Box("zzV2")->setFocus();
  EXPECT_EQ(box->cursorPosition(), 0);
  EXPECT_TRUE(box->toolTip().startsWith("10-11 15/16 and more\nand more"));
}

TEST_F(DetailerTest, FocusMarkFramesTheFocusedControl) {
  OpenActive();
  auto* mark = window_->findChild<QWidget*>("FocusMark");
  ASSERT_NE(mark, nullptr);
  for (QWidget* control : std::initializer_list<QWidget*>{
           Box("zzH4"), List("MAT5"), Button("Go1"), Button("CmdHelp")}) {
    control->setFocus();
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->geometry(), control->geometry());
  }
}

TEST_F(DetailerTest, RunSavesTheFieldsAndARefusalDoesNot) {
  OpenActive();
  FillRow(4);
  Box("zzH1")->setText("typed");
  Button("Go1")->click();  // refused: row 1 is empty
  EXPECT_EQ(Field("H1"), "<missing>");
  Button("Go4")->click();
  EXPECT_EQ(Field("H1"), "typed\r\n");
  EXPECT_EQ(Field("H4"), "10-11 15/16\r\n");
  EXPECT_EQ(Field("MAT4"), " 64 \r\n");
  EXPECT_EQ(Field("BS"), " 2 \r\n");
}

TEST_F(DetailerTest, RowThatWroteTheMacroIsMarked) {
  OpenActive();
  auto label_colour = [this](const char* name) {
    return window_->findChild<QLabel*>(name)->palette().color(
        QPalette::WindowText);
  };
  EXPECT_EQ(Button("Go3")->toolTip(),
            "Write row 3's macro, copy its path, minimise; then in SDS/2 "
            "pick the beams and right click");
  EXPECT_EQ(window_->MarkedRow(), 0);
  FillRow(3);
  Button("Go3")->click();
  EXPECT_EQ(window_->MarkedRow(), 3);
  EXPECT_NE(label_colour("Label21"), QColor(Qt::white));  // "3."
  EXPECT_EQ(label_colour("Label19"), QColor(Qt::white));  // "1."
  const QString tip = Button("Go3")->toolTip();
  EXPECT_TRUE(tip.contains("this row wrote " + Path())) << tip.toStdString();
  EXPECT_TRUE(tip.contains("the path is on the clipboard"));

  FillRow(1);
  window_->showNormal();
  Button("Go1")->click();
  EXPECT_EQ(window_->MarkedRow(), 1);
  EXPECT_EQ(label_colour("Label21"), QColor(Qt::white));
  EXPECT_EQ(Button("Go3")->toolTip(),
            "Write row 3's macro, copy its path, minimise; then in SDS/2 "
            "pick the beams and right click");
}

}  // namespace
}  // namespace vpa::testing
