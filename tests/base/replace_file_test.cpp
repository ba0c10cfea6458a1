// A replaced file keeps who may read and write it, and a link stays a link.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

#include "base/files.h"
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

// A link stays a link; the file it leads to is replaced in its own folder,
// whether it exists or not, through a chain of links too. A loop fails.
TEST(ReplaceFile, WritesThroughASymbolicLink) {
  namespace fs = std::filesystem;
  testing::TestFolder test;
  const fs::path shared = test.root() / "shared",
                 macro = test.folder().MacroFile();
  fs::create_directory(shared);
  fs::create_symlink("../shared/0.PY", test.root() / "0PY" / "hop");
  test.Write("shared/0.PY", "old\r\n");
  for (std::string link : {"../shared/0.PY", "hop", "ABS", "../shared/1.PY"}) {
    if (link == "ABS") link = (shared / "0.PY").string();
    fs::remove(macro);
    fs::create_symlink(link, macro);
    ASSERT_TRUE(ReplaceFile(macro, link + "\r\n").ok()) << link;
    EXPECT_EQ(fs::read_symlink(macro), link);
    EXPECT_EQ(test.Read(macro.lexically_relative(test.root())), link + "\r\n");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(shared), {}), 2);
  fs::remove(macro);
  fs::create_symlink("loop", macro);
  fs::create_symlink("0.PY", test.root() / "0PY" / "loop");
  EXPECT_FALSE(ReplaceFile(macro, "new\r\n").ok());
  EXPECT_EQ(std::distance(fs::directory_iterator(test.root() / "0PY"), {}), 3);
}
#endif

}  // namespace
}  // namespace vpa
