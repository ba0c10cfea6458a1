// The Run! buttons: the same bytes as vpa-macro for the same row, then the
// clipboard and the minimised window; a refused row changes nothing.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "window_fixture.h"

namespace vpa::testing {
namespace {

struct RowCase {
  int row;
  const char* h;
  const char* v1;
  const char* v2;
  int section;  // list positions; -1 selects nothing
  const char* l;
  int leg;
  int pair;
  int end;
};

// Right End pair (the road of one request), BOTH Ends single, Left End with
// a passed-through entry.
const RowCase kRows[] = {
    {1, "1-0 1/2", "6", "9", 64, "120", 1, 1, 2},
    {3, "8", "3 1/2", "7", 38, "1-4", 0, 0, 0},
    {5, "-6.50", "1/3", "", 130, "96", 0, 1, 1},
};

class RowCommandTest : public WindowTest {
 protected:
  // Every other row holds entries that would be refused, so a command that
  // read another row would fail.
  void FillRows(const RowCase& c) {
    for (int row = 1; row <= 5; ++row) {
      const QString n = QString::number(row);
      const bool own = row == c.row;
      Box("zzH" + n)->setText(own ? c.h : "a-b");
      Box("zzV" + n)->setText(own ? c.v1 : "a-b");
      Box("zzW" + n)->setText(own ? c.v2 : "a-b");
      Box("zzL" + n)->setText(own ? c.l : "a-b");
      List("MAT" + n)->setCurrentIndex(own ? c.section : -1);
      List("OSL" + n)->setCurrentIndex(own ? c.leg : -1);
      List("Pair" + n)->setCurrentIndex(own ? c.pair : -1);
    }
    List("BS")->setCurrentIndex(c.end);
  }

  // What vpa-macro writes over the same macro file for the same row: its
  // bytes and the path it prints.
  std::pair<std::string, std::string> CommandLine(const RowCase& c) {
    std::vector<std::string> args = {"write"};
    auto flag = [&](const char* name, const QString& value) {
      args.insert(args.end(), {name, value.toStdString()});
    };
    // A list with nothing selected gives no flag, as it gives no text.
    auto list_flag = [&](const char* name, const char* list, int index) {
      if (index >= 0)
        flag(name, List(list + QString::number(c.row))->itemText(index));
    };
    flag("--end", List("BS")->itemText(c.end));
    flag("--h", c.h);
    flag("--v1", c.v1);
    flag("--v2", c.v2);
    flag("--l", c.l);
    list_flag("--section", "MAT", c.section);
    list_flag("--leg", "OSL", c.leg);
    list_flag("--pair", "Pair", c.pair);
    std::ostringstream out, err;
    folder_.Write("0PY/0.PY", "");
    EXPECT_EQ(RunCli(args, folder_.root(), out, err), 0) << err.str();
    return {folder_.Read("0PY/0.PY"), out.str()};
  }
};

TEST_F(RowCommandTest, RunWritesWhatTheCommandLineWritesAndStepsAside) {
  for (const RowCase& c : kRows) {
    SCOPED_TRACE("row " + std::to_string(c.row));
    Open();
    FillRows(c);
    Button("Go" + QString::number(c.row))->click();

    EXPECT_TRUE(errors_.empty()) << errors_.front().text.toStdString();
    const std::string written = folder_.Read("0PY/0.PY");
    auto [bytes, printed] = CommandLine(c);
    EXPECT_EQ(written, bytes);
    const QString path = QGuiApplication::clipboard()->text();
    EXPECT_EQ(path.toStdString() + "\n", printed);
    EXPECT_EQ(path, QDir::toNativeSeparators(Root() + "/0PY/0.PY"));
    EXPECT_TRUE(window_->isMinimized());
    EXPECT_EQ(Box("zzH" + QString::number(c.row))->text(), c.h);
    window_.reset();
    QGuiApplication::clipboard()->setText("before");
  }
}

TEST_F(RowCommandTest, RefusedRowShowsOneWarningAndChangesNothing) {
  const struct {
    const char* what;
    void (*spoil)(RowCommandTest&);
    const char* message;
    QMessageBox::Icon icon;
  } cases[] = {
      {"unreadable H", [](RowCommandTest& t) { t.Box("zzH1")->setText("a-b"); },
       "row 1:\nH: cannot read \"a-b\".", QMessageBox::Warning},
      {"unreadable L", [](RowCommandTest& t) { t.Box("zzL1")->setText("x-1"); },
       "L: cannot read \"x-1\".", QMessageBox::Warning},
      {"no length", [](RowCommandTest& t) { t.Box("zzL1")->setText("0"); },
       "L: an angle's length must be more than 0.", QMessageBox::Warning},
      {"H read in part",
       [](RowCommandTest& t) { t.Box("zzH1")->setText("1'6\""); },
       "H: '6\" is not part of a dimension; 1'6\" would be read as 1 in "
       "(write feet and inches as 1-6).",
       QMessageBox::Warning},
      {"V1 + L too large",
       [](RowCommandTest& t) {
         t.Box("zzV1")->setText("999999");
         t.Box("zzL1")->setText("2");
       },
       "V1: V1 + L is 1000001 in", QMessageBox::Warning},
      {"no section",
       [](RowCommandTest& t) { t.List("MAT1")->setCurrentIndex(-1); },
       "MATERIAL: choose the angle section.", QMessageBox::Warning},
      {"no leg", [](RowCommandTest& t) { t.List("OSL1")->setCurrentIndex(-1); },
       "OSL: choose the outstanding leg", QMessageBox::Warning},
      {"no pair choice",
       [](RowCommandTest& t) { t.List("Pair1")->setCurrentIndex(-1); },
       "Pairs: choose 1", QMessageBox::Warning},
      {"no end", [](RowCommandTest& t) { t.List("BS")->setCurrentIndex(-1); },
       "ADD ANGLES TO: choose", QMessageBox::Warning},
      {"missing template",
       [](RowCommandTest& t) {
         std::filesystem::remove(t.folder_.root() / "PythonFiles" /
                                 "WALLBEARANGr2.PY");
       },
       "WALLBEARANGr2.PY", QMessageBox::Critical},
  };
  folder_.Write("0PY/0.PY", "former macro\r\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    errors_.clear();
    Open();
    FillRows(kRows[0]);
    c.spoil(*this);
    Button("Go1")->click();

    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].title, "SDS/2 Macro. Vertical Plain Angles");
    EXPECT_EQ(errors_[0].icon, c.icon);
    EXPECT_TRUE(errors_[0].text.contains(c.message))
        << errors_[0].text.toStdString();
    EXPECT_EQ(folder_.Read("0PY/0.PY"), "former macro\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_EQ(window_->MarkedRow(), 0);
  }
}

TEST_F(RowCommandTest, RefusalNamesEveryBadFieldAndFocusesTheFirst) {
  Open();
  window_->SetErrorShower(nullptr);
  FillRows(kRows[0]);
  Box("zzV1")->setText("a-b");
  Box("zzH1")->setText("x-1");
  Box("zzL1")->setText("-6");
  List("Pair1")->setCurrentIndex(-1);
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QMessageBox::StandardButtons buttons;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    icon = box->icon();
    text = box->text();
    buttons = box->standardButtons();
    box->accept();
  });
  Button("Go1")->setFocus();
  Button("Go1")->click();
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(text.toStdString(),
            "No macro was written for row 1:\n"
            "H: cannot read \"x-1\".\n"
            "V1: cannot read \"a-b\".\n"
            "L: an angle's length must be more than 0.\n"
            "Pairs: choose 1 (one angle at each end) or 2 (a pair).\n"
            "Use 1.5 (inches), 1 1/2 (inches and a fraction) or 1-0 1/2 (feet "
            "and inches).");
  EXPECT_EQ(buttons, QMessageBox::Ok);
  EXPECT_EQ(window_->focusWidget(), Box("zzH1"));
  EXPECT_EQ(Box("zzH1")->selectedText(), "x-1");
}

TEST_F(RowCommandTest, RefusedListGetsTheFocus) {
  Open();
  FillRows(kRows[0]);
  List("OSL1")->setCurrentIndex(-1);
  Button("Go1")->click();
  EXPECT_EQ(window_->focusWidget(), List("OSL1"));
  List("OSL1")->setCurrentIndex(0);
  List("BS")->setCurrentIndex(-1);
  Button("Go1")->click();
  EXPECT_EQ(window_->focusWidget(), List("BS"));
}

TEST_F(RowCommandTest, ClickDuringAMessageDoesNotStartAnotherCommand) {
  Open();
  FillRows(kRows[0]);
  Box("zzH2")->setText("8");
  Box("zzV2")->setText("6");
  Box("zzW2")->setText("9");
  Box("zzL2")->setText("120");
  List("MAT2")->setCurrentIndex(3);
  List("OSL2")->setCurrentIndex(0);
  List("Pair2")->setCurrentIndex(0);
  Box("zzH1")->setText("a-b");
  window_->SetErrorShower(
      [this](QMessageBox::Icon icon, const QString&, const QString& text) {
        errors_.push_back({icon, {}, text});
        Button("Go2")->click();  // arrives while the message is up
      });
  Button("Go1")->click();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(folder_.Read("0PY/0.PY"), "<missing>");
  Button("Go2")->click();
  EXPECT_NE(folder_.Read("0PY/0.PY"), "<missing>");
}

}  // namespace
}  // namespace vpa::testing
