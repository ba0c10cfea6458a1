// A replaced file keeps who may read and write it, and a link stays a link.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

#include "base/files.h"
#include "store/field_store.h"
#include "test_folder.h"

namespace vpa {
namespace {

#ifndef _WIN32
// A group other than the writer's own that it may give a file: any for
// root, else one of its other groups; its own when it has none.
gid_t GroupToKeep() {
  if (geteuid() == 0) return 4242;
  std::vector<gid_t> groups(getgroups(0, nullptr));
  groups.resize(getgroups(int(groups.size()), groups.data()));
  for (gid_t group : groups) {
    if (group != getegid()) return group;
  }
  return getegid();
}

TEST(ReplaceFile, KeepsTheFormerFilesModeAndGroup) {
  const mode_t modes[] = {0664, 0660, 0644, 0600, 0666};
  const gid_t group = GroupToKeep();
  const mode_t writers_umask = umask(077);
  for (mode_t mode : modes) {
    SCOPED_TRACE(mode);
    testing::TestFolder test;
    const std::filesystem::path macro = test.folder().MacroFile();
    test.Write("0PY/0.PY", "old\r\n");
    ASSERT_EQ(chown(macro.c_str(), static_cast<uid_t>(-1), group), 0);
    ASSERT_EQ(chmod(macro.c_str(), mode), 0);
    ASSERT_TRUE(ReplaceFile(macro, "new\r\n").ok());
    struct stat info;
    ASSERT_EQ(stat(macro.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
    EXPECT_EQ(info.st_gid, group);
    EXPECT_EQ(test.Read("0PY/0.PY"), "new\r\n");
  }
  umask(writers_umask);
}

// A link the detailer made to share a file stays a link; the file it leads
// to is replaced, atomically, in its own folder.
TEST(ReplaceFile, WritesThroughASymbolicLink) {
  namespace fs = std::filesystem;
  const struct {
    const char* link;    // under the program folder
    const char* target;  // the link's text; "ABS/" stands for the shared folder
    const char* chain;   // a second link the first leads to, or ""
    bool target_exists;
  } cases[] = {
      {"0PY/0.PY", "../shared/0.PY", "", true},
      {"0PY/0.PY", "ABS/0.PY", "", true},
      {"0PY/0.PY", "../shared/0.PY", "", false},
      {"TextFiles/H1.TXT", "../0PY/hop", "../shared/H1.TXT", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    testing::TestFolder test;
    const fs::path shared = test.root() / "shared";
    fs::create_directory(shared);
    std::string target = c.target;
    if (target.starts_with("ABS/"))
      target = (shared / target.substr(4)).string();
    fs::create_symlink(target, test.root() / c.link);
    if (*c.chain) fs::create_symlink(c.chain, test.root() / "0PY" / "hop");
    const fs::path final_file = shared / fs::path(c.link).filename();
    if (c.target_exists) test.Write(final_file, "old\r\n");
    ASSERT_TRUE(ReplaceFile(test.root() / c.link, "new\r\n").ok());
    EXPECT_TRUE(fs::is_symlink(test.root() / c.link));
    EXPECT_EQ(fs::read_symlink(test.root() / c.link), target);
    EXPECT_EQ(test.Read(final_file), "new\r\n");
    EXPECT_EQ(
        std::distance(fs::directory_iterator(shared), fs::directory_iterator()),
        1);
  }
  testing::TestFolder test;
  fs::create_symlink("../shared/H1.TXT", test.root() / "TextFiles" / "H1.TXT");
  fs::create_directory(test.root() / "shared");
  ASSERT_TRUE(SaveField(test.folder(), "H1", "1-6").ok());
  EXPECT_TRUE(fs::is_symlink(test.root() / "TextFiles" / "H1.TXT"));
  EXPECT_EQ(test.Read("shared/H1.TXT"), "1-6\r\n");
}

TEST(ReplaceFile, LinkLoopWritesNothing) {
  namespace fs = std::filesystem;
  testing::TestFolder test;
  fs::create_symlink("b", test.root() / "0PY" / "0.PY");
  fs::create_symlink("0.PY", test.root() / "0PY" / "b");
  Status replaced = ReplaceFile(test.folder().MacroFile(), "new\r\n");
  ASSERT_FALSE(replaced.ok());
  EXPECT_NE(replaced.error().find("0.PY"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(test.root() / "0PY"),
                          fs::directory_iterator()),
            2);
}
#endif

}  // namespace
}  // namespace vpa
