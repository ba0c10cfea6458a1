// The preview in the Qt window: it follows the row that holds or last held
// the focus, redraws as its entries change, and gives way to the logo for a
// row a Run would refuse.
#include <sys/stat.h>

#include <QApplication>

#include "store/field_store.h"

#include "window_fixture.h"

namespace vpa::testing {
namespace {

class PreviewTest : public WindowTest {
 protected:
  void OpenActive() {
    Open().show();
    QApplication::setActiveWindow(window_.get());
  }
  QWidget* Preview() const { return window_->findChild<QWidget*>("Preview"); }
  QString Spoken() const { return Preview()->accessibleDescription(); }
};

TEST_F(PreviewTest, FollowsTheFocusedRowAndEachChange) {
  OpenActive();
  ASSERT_NE(Preview(), nullptr);
  EXPECT_FALSE(Preview()->isVisible());  // empty rows: the logo
  Box("zzH2")->setFocus();
  Box("zzH2")->setText("1-0 1/2");
  Box("zzV2")->setText("6");
  Box("zzW2")->setText("9");
  List("MAT2")->setCurrentIndex(64);
  List("OSL2")->setCurrentIndex(1);
  List("Pair2")->setCurrentIndex(1);
  List("BS")->setCurrentIndex(2);
  EXPECT_FALSE(Preview()->isVisible());  // no L yet: a Run would refuse
  Box("zzL2")->setText("120");
  ASSERT_TRUE(Preview()->isVisible());
  EXPECT_EQ(Preview()->geometry(),
            window_->findChild<QWidget*>("Image2")->geometry());
  EXPECT_TRUE(Spoken().startsWith(
      "L4x4x1/2. Right end, near face: angle 12.5 in from the end, 6 in to "
      "126 in below the top of steel, long leg out. Right end, far face:"))
      << Spoken().toStdString();
  List("BS")->setCurrentIndex(1);
  EXPECT_TRUE(Spoken().contains("Left end, far face"))
      << Spoken().toStdString();
  List("OSL2")->setCurrentIndex(0);
  EXPECT_TRUE(Spoken().endsWith("short leg out.")) << Spoken().toStdString();
  // A control outside the rows keeps the row; another row takes over.
  Button("CmdHelp")->setFocus();
  EXPECT_TRUE(Preview()->isVisible());
  Box("zzH4")->setFocus();
  EXPECT_FALSE(Preview()->isVisible());
  Box("zzL2")->setText("");  // not the followed row: nothing changes
  Button("Go2")->setFocus();
  EXPECT_FALSE(Preview()->isVisible());  // row 2 now refused
}

// A stored entry that could not be read shows as empty; a Run refuses its
// row until the detailer gives the entry again, and so does the preview.
TEST_F(PreviewTest, RowWithAnUnreadableStoredEntryShowsTheLogo) {
  ASSERT_EQ(mkfifo(folder_.folder().FieldFile("H3").c_str(), 0600), 0);
  const std::pair<const char*, const char*> texts[] = {
      {"V3", "6"}, {"W3", "9"}, {"L3", "120"}};
  for (const auto& [name, text] : texts) SaveField(folder_.folder(), name, text);
  for (const auto& [name, index] :
       {std::pair{"MAT3", 64}, {"OSL3", 1}, {"Pair3", 1}, {"BS", 2}}) {
    SaveField(folder_.folder(), name, index);
  }
  OpenActive();
  Box("zzL3")->setFocus();
  EXPECT_FALSE(Preview()->isVisible());
  Box("zzH3")->setText("0");
  EXPECT_TRUE(Preview()->isVisible());
}

}  // namespace
}  // namespace vpa::testing
