// A program folder whose name is not UTF-8 (a vfat or CIFS mount named in
// Latin-1) is reached by its bytes.
#include <sys/stat.h>

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "store/field_store.h"
#include "window_fixture.h"

namespace vpa::testing {
namespace {

namespace fs = std::filesystem;

// A program folder named `name` inside the test folder, with the templates.
ProgramFolder MakeFolder(const TestFolder& test, const char* name) {
  const fs::path root = test.root() / name;
  fs::create_directories(root / "0PY");
  fs::create_directories(root / "TextFiles");
  fs::copy(test.root() / "PythonFiles", root / "PythonFiles");
  return ProgramFolder(root);
}

TEST_F(WindowTest, Latin1FolderKeepsItsOwnEntriesAndMacro) {
  const ProgramFolder cafe = MakeFolder(folder_, "caf\xe9");
  const std::pair<const char*, const char*> texts[] = {
      {"H1", "1-0 1/2"}, {"V1", "6"}, {"L1", "120"}};
  for (const auto& [name, text] : texts) SaveField(cafe, name, text);
  const std::pair<const char*, int> positions[] = {
      {"MAT1", 64}, {"OSL1", 1}, {"Pair1", 1}, {"BS", 2}};
  for (const auto& [name, index] : positions) SaveField(cafe, name, index);
  Open({}, cafe.root());
  EXPECT_EQ(Box("zzH1")->text(), "1-0 1/2");
  Box("zzW1")->setText("9");
  window_->RunRow(1);
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(fs::exists(cafe.MacroFile()));
  EXPECT_EQ(LoadField(cafe, "W1"), "9");
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QFile::decodeName(cafe.MacroFile().c_str()));
  EXPECT_EQ(Field("H1"), "<missing>");
}

// The real program, from two folders whose names differ only in a Latin-1
// byte, started from a third: each runs as its own instance and saves
// into its own folder when terminated.
TEST_F(WindowTest, ProgramInLatin1FoldersRunsAndSavesAsItself) {
  QTemporaryDir runtime;
  ASSERT_EQ(chmod(QFile::encodeName(runtime.path()).constData(), 0700), 0);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("XDG_RUNTIME_DIR", runtime.path());
  const char* names[] = {"caf\xe9", "caf\xe8"};
  QProcess programs[2];
  for (int i = 0; i < 2; ++i) {
    const ProgramFolder folder = MakeFolder(folder_, names[i]);
    SaveField(folder, "H1", std::to_string(i + 7));
    fs::copy_file(VPA_WINDOW_PROGRAM, folder.root() / "vpa");
    // Started through a link with a UTF-8 name; /proc/self/exe names the
    // folder the program lies in.
    const fs::path link = folder_.root() / ("vpa" + std::to_string(i));
    fs::create_symlink(folder.root() / "vpa", link);
    programs[i].setProcessEnvironment(environment);
    programs[i].setWorkingDirectory(Root());
    programs[i].start(QString::fromStdString(link.string()), {});
    ASSERT_TRUE(programs[i].waitForStarted(5000));
  }
  for (const char* name : names) {
    EXPECT_TRUE(WaitUntilListening(folder_.root() / name, 15000))
        << "a window never came up";
  }
  for (QProcess& program : programs) {
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(10000));
  }
  for (int i = 0; i < 2; ++i) {
    const ProgramFolder folder(folder_.root() / names[i]);
    EXPECT_EQ(LoadField(folder, "H1"), std::to_string(i + 7));
  }
  EXPECT_EQ(Field("BS"), "<missing>");
}

}  // namespace
}  // namespace vpa::testing
