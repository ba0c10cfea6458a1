// The form as the detailer meets it: names, lists, places, fonts, tab order
// and the live reading of entries.
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include "catalogue/angle_catalogue.h"
#include "window_fixture.h"

namespace vpa::testing {
namespace {

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

template <size_t N>
QStringList Items(const std::array<std::string_view, N>& items) {
  QStringList texts;
  for (std::string_view item : items) texts << QString::fromLatin1(item);
  return texts;
}

QStringList RowNames(const QStringList& stems) {
  QStringList names;
  for (int row = 1; row <= 5; ++row) {
    for (const QString& stem : stems) names << stem + QString::number(row);
  }
  return names;
}

TEST_F(WindowTest, EveryControlCarriesItsName) {
  Open();
  EXPECT_EQ(window_->objectName(), "Form1");
  EXPECT_EQ(window_->windowTitle(), "SDS/2 Macro. Vertical Plain Angles");
  QStringList names =
      RowNames({"zzH", "zzV", "zzW", "MAT", "zzL", "OSL", "Pair", "Go"});
  names << "BS"
        << "CmdHelp"
        << "CmdWeb"
        << "CmdExit"
        << "Text2"
        << "txtClipboard"
        << "Image1"
        << "Image2"
        << "Shape1"
        << "Shape2";
  for (int i = 1; i <= 23; ++i) names << "Label" + QString::number(i);
  for (int i = 1; i <= 4; ++i) names << "Line" + QString::number(i);
  for (const QString& name : names) {
    EXPECT_EQ(window_->findChildren<QWidget*>(name).size(), 1)
        << name.toStdString();
  }
}

TEST_F(WindowTest, ListsHoldTheirItemsInOrder) {
  Open();
  const struct {
    QString stem;
    QStringList items;
  } lists[] = {{"OSL", Items(kLegChoices)},
               {"Pair", Items(kPairChoices)},
               {"MAT", Items(kAngleCatalogue)}};
  for (const auto& list : lists) {
    for (int row = 1; row <= 5; ++row) {
      QComboBox* box = List(list.stem + QString::number(row));
      EXPECT_EQ(Items(box), list.items) << box->objectName().toStdString();
      EXPECT_FALSE(box->isEditable());
    }
  }
  EXPECT_EQ(Items(List("BS")),
            QStringList({"BOTH Ends", "Left End", "Right End"}));
  QComboBox* sections = List("MAT3");
  ASSERT_EQ(sections->count(), 131);
  EXPECT_EQ(sections->itemText(0), "L1x1x1/8");
  EXPECT_EQ(sections->itemText(13), "L2 1/2x2x3/16");
  EXPECT_EQ(sections->itemText(106), "L7x4x7/16");
  EXPECT_EQ(sections->itemText(130), "L8x8x1 1/8");
}

TEST_F(WindowTest, ControlsSitAtTheirPlaces) {
  Open();
  EXPECT_EQ(window_->size(), QSize(1131, 594));
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  // Twips / 15, rounded.
  const struct {
    const char* name;
    QRect place;
  } places[] = {{"zzH1", {576, 376, 55, 23}},   {"MAT2", {744, 408, 129, 23}},
                {"Go3", {1064, 438, 57, 31}},   {"BS", {744, 536, 129, 24}},
                {"Image1", {8, 8, 539, 578}},   {"Image2", {720, 24, 256, 164}},
                {"Text2", {600, 256, 487, 87}}, {"Label8", {392, 331, 41, 25}},
                {"Line3", {560, 352, 497, 1}}};
  for (const auto& [name, place] : places) {
    EXPECT_EQ(window_->findChild<QWidget*>(name)->geometry(), place) << name;
  }
  const QRect client = window_->rect();
  for (QWidget* child :
       window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (child->objectName() == "txtClipboard") {
      EXPECT_GE(child->y(), client.bottom());
      EXPECT_TRUE(child->isVisible());
    } else {
      EXPECT_TRUE(client.contains(child->geometry()))
          << child->objectName().toStdString();
    }
  }
}

TEST_F(WindowTest, TextsAreArialBoldAtTheirSizes) {
  Open();
  const struct {
    const char* name;
    double points;
  } fonts[] = {{"zzV2", 9},       {"MAT4", 9},        {"BS", 9.75},
               {"Label22", 9.75}, {"Label11", 11.25}, {"Label5", 11.25}};
  for (const auto& [name, points] : fonts) {
    QFont font = window_->findChild<QWidget*>(name)->font();
    EXPECT_TRUE(font.bold()) << name;
    EXPECT_DOUBLE_EQ(font.pointSizeF(), points) << name;
    QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans")
        << name << " shows in " << family.toStdString();
  }
}

TEST_F(WindowTest, NoLabelIsClipped) {
  Open();
  for (QLabel* label : window_->findChildren<QLabel*>()) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    EXPECT_LE(needed, label->contentsRect().width())
        << label->objectName().toStdString();
  }
}

// The pictures' texts name only the window's font, in bold; a list of
// families would be taken as one unknown name by the SVG renderer.
TEST(Pictures, TextsAreArialBold) {
  for (const char* picture : {"diagram.svg", "logo.svg"}) {
    QFile file(QString(VPA_SOURCE_DATA) + "/" + picture);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << picture;
    const QString svg = QString::fromUtf8(file.readAll());
    const QStringList texts = svg.split("<text ").mid(1);
    EXPECT_FALSE(texts.isEmpty()) << picture;
    for (const QString& text : texts) {
      const QString tag = text.left(text.indexOf('>'));
      EXPECT_TRUE(tag.contains("font-family=\"Arial\""))
          << picture << ": " << tag.toStdString();
      EXPECT_TRUE(tag.contains("font-weight=\"bold\""))
          << picture << ": " << tag.toStdString();
    }
  }
}

TEST_F(WindowTest, TabRunsAlongEachRowThenToTheNext) {
  Open();
  QStringList expected =
      RowNames({"zzH", "zzV", "zzW", "MAT", "zzL", "OSL", "Pair", "Go"});
  expected << "BS"
           << "CmdHelp"
           << "CmdExit"
           << "CmdWeb";
  QStringList order;
  QWidget* widget = Box("zzH1");
  do {
    if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
    widget = widget->nextInFocusChain();
  } while (widget != Box("zzH1"));
  EXPECT_EQ(order, expected);
}

TEST_F(WindowTest, InstructionsNameSupportOnlyWhenThereIsAnAddress) {
  const QString first_lines =
      "1. Click on 'Run' button.\n"
      "2. In SDS/2 'Run macro'; Press Ctrl+V- Enter in 'Open' dialog window\n"
      "3. Click each beam; right click when done.\n"
      "Use SDS/2 format of numbers (1.5 or 1 1/2 or 1-0 1/2)";
  Open({"www.maker.com", ""});
  auto* text = window_->findChild<QPlainTextEdit*>("Text2");
  EXPECT_EQ(text->toPlainText(), first_lines);
  Open({"www.maker.com", "help@maker.com"});
  text = window_->findChild<QPlainTextEdit*>("Text2");
  EXPECT_EQ(text->toPlainText(), first_lines + "\nSupport: help@maker.com");
  EXPECT_EQ(Button("CmdWeb")->toolTip(), "www.maker.com");
}

TEST_F(WindowTest, EntriesShowWhatTheyWillBeReadAs) {
  Open();
  EXPECT_EQ(Box("zzH5")->toolTip(), "(empty)\n= 0 in, no digits");
  QLineEdit* box = Box("zzL3");
  box->setText("1");
  const QColor usual = box->palette().color(QPalette::Text);
  const struct {
    const char* entry;
    const char* tip;
  } good[] = {{"1-0 1/2", "1-0 1/2\n= 12.5 in"},
              {"1 1/2", "1 1/2\n= 1.5 in"},
              {"18.50", "18.50\n= 18.5 in"},
              {"10-11 15/16", "10-11 15/16\n= 131.9375 in"}};
  for (const auto& [entry, tip] : good) {
    box->setText(entry);
    EXPECT_EQ(box->toolTip(), tip) << entry;
    EXPECT_EQ(box->palette().color(QPalette::Text), usual) << entry;
  }
  const struct {
    const char* entry;
    const char* tip;
  } bad[] = {{"a-b", "a-b\ncannot read \"a-b\""},
             {"x-1", "x-1\ncannot read \"x-1\""},
             {"", "(empty)\nan angle's length must be more than 0"},
             {"0", "0\nan angle's length must be more than 0"},
             // A long reason wraps at a blank, to be read at a glance.
             {"1,5",
              "1,5\n,5 is not part of a dimension; 1,5 would be read as 1 "
              "in (write\ndecimals with a point and no thousands "
              "separator)"}};
  for (const auto& [entry, tip] : bad) {
    box->setText(entry);
    EXPECT_EQ(box->toolTip(), tip) << entry;
    EXPECT_NE(box->palette().color(QPalette::Text), usual) << entry;
  }
  // H has no bound: the empty entry reads as 0, and says it has no digits.
  Box("zzH3")->setText("");
  EXPECT_EQ(Box("zzH3")->toolTip(), "(empty)\n= 0 in, no digits");
}

}  // namespace
}  // namespace vpa::testing
