// What a screen reader hears: each control's name from the form's table and
// its pop-up hint as its description, also after the hint has changed.
#include <QAccessible>
#include <QAccessibleInterface>

#include "form/layout.h"
#include "window_fixture.h"

namespace vpa::testing {
namespace {

QString Spoken(QWidget* widget, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(text) : "<no interface>";
}

// The name a reader speaks: a list's is its label's, as Qt tells its
// current item as its name on Linux.
QString SpokenName(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  if (face == nullptr) return "<no interface>";
  if (face->role() != QAccessible::ComboBox)
    return face->text(QAccessible::Name);
  const auto labels = face->relations(QAccessible::Label);
  return labels.size() == 1 ? labels.front().first->text(QAccessible::Name)
                            : "<" + QString::number(labels.size()) + " labels>";
}

// Every named control of the table, with the hint it shows now.
void ExpectNamesAndHints(const MainWindow& window, const Maker& maker) {
  for (const FormControl& control : FormLayout(maker)) {
    if (control.accessible_name.empty()) continue;
    auto* widget = window.findChild<QWidget*>(control.name.c_str());
    ASSERT_NE(widget, nullptr) << control.name;
    EXPECT_EQ(widget->accessibleName(), control.accessible_name.c_str())
        << control.name;
    EXPECT_EQ(SpokenName(widget), control.accessible_name.c_str())
        << control.name;
    EXPECT_EQ(widget->accessibleDescription(), widget->toolTip())
        << control.name;
  }
}

TEST_F(WindowTest, ControlsCarryTheTablesNamesAndTheirHints) {
  const Maker maker{"www.maker.com", "help@maker.com"};
  Open(maker);
  ExpectNamesAndHints(*window_, maker);
  const struct {
    const char* control;
    const char* name;
  } spoken[] = {{"zzH1", "Row 1, H"},
                {"MAT3", "Row 3, material"},
                {"OSL4", "Row 4, outstanding leg"},
                {"Go2", "Row 2, Run"},
                {"BS", "Add angles to"},
                {"CmdHelp", "Help"},
                {"txtClipboard", "Macro path"}};
  for (const auto& [control, name] : spoken) {
    EXPECT_EQ(SpokenName(window_->findChild<QWidget*>(control)), name);
  }
  EXPECT_EQ(Spoken(Button("CmdWeb"), QAccessible::Description),
            "www.maker.com");
}

TEST_F(WindowTest, DescriptionsFollowChangedHints) {
  Open();
  Box("zzL2")->setText("1,5");
  Box("zzH2")->setText("8");
  Box("zzV2")->setText("3");
  Box("zzW2")->setText("7");
  Box("zzL2")->setText("1-4");
  List("MAT2")->setCurrentIndex(38);
  List("OSL2")->setCurrentIndex(0);
  List("Pair2")->setCurrentIndex(0);
  List("BS")->setCurrentIndex(0);
  Button("Go2")->click();
  ASSERT_TRUE(Button("Go2")->toolTip().contains("this row wrote"));
  ExpectNamesAndHints(*window_, {});
}

}  // namespace
}  // namespace vpa::testing
