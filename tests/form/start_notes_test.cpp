// What the windows say at start about the program folder.
#include "form/start_notes.h"

#include <gtest/gtest.h>

#include "test_folder.h"

namespace vpa {
namespace {

using testing::TestFolder;

// vpa.exe started from inside its zip finds none of its folders.
TEST(MissingFoldersMessage, NamesEachMissingFolderInOneMessage) {
  const struct {
    std::vector<const char*> removed;
    const char* named;  // nullptr: no message
  } cases[] = {
      {{}, nullptr},
      {{"0PY"}, "has no 0PY folder."},
      {{"PythonFiles", "TextFiles"},
       "has no PythonFiles and TextFiles folders."},
      {{"PythonFiles", "0PY", "TextFiles"},
       "has no PythonFiles, 0PY and TextFiles folders."},
  };
  for (const auto& c : cases) {
    TestFolder test;
    for (const char* name : c.removed) {
      std::filesystem::remove_all(test.root() / name);
    }
    std::optional<std::string> message = MissingFoldersMessage(test.folder());
    if (c.named == nullptr) {
      EXPECT_FALSE(message.has_value()) << *message;
      continue;
    }
    ASSERT_TRUE(message.has_value()) << c.named;
    EXPECT_NE(message->find(c.named), std::string::npos) << *message;
    EXPECT_NE(message->find("not from inside the zip"), std::string::npos);
  }
}

}  // namespace
}  // namespace vpa
