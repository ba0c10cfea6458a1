// A replaced file keeps who may read and write it.
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
#endif

}  // namespace
}  // namespace vpa
