// Files that are not what they should be: FIFOs, devices, huge or oversized
// files. Nothing waits on them, nothing reads them whole, and a field file
// that cannot be read is marked so that shut-down leaves it alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "catalogue/angle_catalogue.h"
#include "macro/macro_writers.h"
#include "staging/row_check.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

constexpr std::string_view kFormer = "former macro\r\n";

// A "BOTH Ends" pair row, which reads all four templates of a pair.
CheckedRow Row() {
  return *CheckRow({"12.5", "6", "9", "L4x4x1/2", "120", "Long", "2"},
                   kBothEnds)
              .row;
}

// A file of `size` bytes that takes no room on the disk, ending in `tail`.
void MakeSparse(const fs::path& path, uintmax_t size, const std::string& tail) {
  { std::ofstream create(path, std::ios::binary); }
  fs::resize_file(path, size - tail.size());
  std::ofstream(path, std::ios::binary | std::ios::app) << tail;
}

struct OddFile {
  const char* what;
  std::function<void(const fs::path&)> make;
  bool usable_template;    // a template pass may read it
  const char* field_text;  // what it loads as, as a field file
};

std::vector<OddFile> OddFiles() {
  std::vector<OddFile> files = {
      {"a huge file whose last line is short",
       [](const fs::path& p) { MakeSparse(p, 300u << 20, "\r\n7 \r\n"); },
       false, "7"},
      {"a template one byte over 64 MiB",
       [](const fs::path& p) { MakeSparse(p, (64u << 20) + 1, "x"); }, false,
       ""},
      {"a last line over 1 MiB",
       [](const fs::path& p) {
         std::ofstream(p, std::ios::binary)
             << "6\r\n"
             << std::string((1 << 20) + 1, '9') << "\r\n";
       },
       true, ""},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }, false,
       ""},
#ifndef _WIN32
      {"a FIFO", [](const fs::path& p) { mkfifo(p.c_str(), 0600); }, false, ""},
      {"a symbolic link to a FIFO",
       [](const fs::path& p) {
         fs::path fifo = p.string() + ".fifo";
         mkfifo(fifo.c_str(), 0600);
         fs::create_symlink(fifo, p);
       },
       false, ""},
      {"a symbolic link to /dev/zero",
       [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false,
       ""},
#endif
  };
  return files;
}

TEST(OddFiles, AsFieldFiles) {
  for (const OddFile& odd : OddFiles()) {
    SCOPED_TRACE(odd.what);
    TestFolder test;
    odd.make(test.folder().FieldFile("H1"));
    EXPECT_EQ(LoadField(test.folder(), "H1"), odd.field_text);
  }
}

TEST(OddFiles, AsTemplates) {
  for (const OddFile& odd : OddFiles()) {
    if (odd.usable_template) continue;
    SCOPED_TRACE(odd.what);
    TestFolder test;
    test.InstallShippedTemplates();
    test.Write("0PY/0.PY", kFormer);
    fs::path second = test.folder().Template("WALLBEARANGr2.PY");
    fs::remove(second);
    odd.make(second);
    Status written = WriteMacro(test.folder(), Row());
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().find("Cannot read " + second.string() + ": "),
              std::string::npos)
        << written.error();
    EXPECT_EQ(test.Read("0PY/0.PY"), kFormer);
  }
}

// The windows show these messages as UTF-8: a folder named after a detailer
// reads as it is spelled, even beyond Windows-1252.
TEST(FileErrors, NameAFolderUnderAnyNameInUtf8) {
  TestFolder test;
  const fs::path root = test.root() / fs::path(u8"D\u00e9tailleur \u0416");
  fs::create_directories(root / "0PY");
  Status written = WriteMacro(ProgramFolder(root), Row());
  ASSERT_FALSE(written.ok());
  EXPECT_NE(written.error().find("D\xc3\xa9tailleur \xd0\x96"),
            std::string::npos)
      << written.error();
}

}  // namespace
}  // namespace vpa
