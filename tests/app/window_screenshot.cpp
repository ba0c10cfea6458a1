// Draws the window, with a few sample rows, into the PNG file named on the
// command line. Runs on any Qt platform; scripts/screenshot uses offscreen.
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTextStream>
#include <cstdlib>

#include "app/main_window.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace {

void StoreSampleRows(const vpa::ProgramFolder& folder) {
  struct Field {
    const char* name;
    const char* text;
  };
  const Field texts[] = {{"H1", "1-0 1/2"}, {"V1", "6"},     {"W1", "9"},
                         {"L1", "120"},     {"H2", "8"},     {"V2", "3 1/2"},
                         {"W2", "7"},       {"L2", "1-4"},   {"H3", "10-11 15/16"},
                         {"V3", "4"},       {"W3", "10.25"}, {"L3", "96"}};
  for (const Field& field : texts)
    vpa::SaveField(folder, field.name, field.text);
  const std::pair<const char*, int> positions[] = {
      {"MAT1", 64}, {"OSL1", 1},  {"Pair1", 1}, {"MAT2", 35}, {"OSL2", 0},
      {"Pair2", 0}, {"MAT3", 82}, {"OSL3", 1},  {"Pair3", 1}, {"BS", 2}};
  for (const auto& [name, index] : positions) {
    vpa::SaveField(folder, name, index);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    QTextStream(stderr)
        << "usage: vpa_window_screenshot OUTPUT.png [END_POSITION]\n";
    return 2;
  }
  vpa::testing::TestFolder folder;
  folder.InstallShippedTemplates();
  StoreSampleRows(folder.folder());
  // Another end choice (0 BOTH, 1 Left, 2 Right) shows its preview.
  if (argc == 3) vpa::SaveField(folder.folder(), "BS", std::atoi(argv[2]));
  vpa::Maker maker = vpa::BuiltInMaker();
  if (maker.web_address.empty()) maker.web_address = "www.example.com";
  if (maker.support_email.empty()) maker.support_email = "support@example.com";
  vpa::MainWindow window(folder.root(), maker);
  window.show();
  QApplication::setActiveWindow(&window);
  // After a Run of row 2, restored: row 2 is marked and its Run! focused,
  // and it shows in preview. With an end choice given, row 1's pair shows
  // instead, as a detailer checks it before its Run.
  if (argc == 2) {
    window.RunRow(2);
    window.showNormal();
  } else {
    window.findChild<QWidget*>("zzL1")->setFocus();
  }
  QApplication::processEvents();

  QFont font = window.findChild<QLabel*>("Label11")->font();
  QTextStream(stdout) << "Arial resolves to " << QFontInfo(font).family()
                      << "\n";
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    QTextStream(stderr) << "cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
