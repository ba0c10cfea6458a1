// Failures of the file layer carry their kind, the file and the reason, and
// the message is made of them.
#include "base/files.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_folder.h"

namespace vpa {
namespace {

namespace fs = std::filesystem;

template <typename T>
Status AsStatus(const Result<T>& result) {
  return result.ok() ? Ok() : Status(result.failure());
}

TEST(FileErrors, CarryTheirKindFileAndReason) {
  testing::TestFolder test;
  const fs::path root = test.root();
  test.Write("0PY/big", std::string(40, 'x'));
  test.Write("0PY/long", std::string(40, 'x') + "\r\n");
  test.Write("0PY/kept", "kept");
  fs::permissions(root / "0PY/kept", fs::perms::owner_read);
  struct Case {
    const char* what;
    std::function<Status()> call;
    fs::path path;
    ErrorCode code;
  } cases[] = {
      {"read a missing file",
       [&] { return AsStatus(ReadFile(root / "none", 9)); }, root / "none",
       ErrorCode::kNotFound},
      {"read a folder", [&] { return AsStatus(ReadHead(root / "0PY", 3)); },
       root / "0PY", ErrorCode::kNotRegularFile},
      {"read past the limit",
       [&] { return AsStatus(ReadFile(root / "0PY/big", 39)); },
       root / "0PY/big", ErrorCode::kTooLarge},
      {"an overlong last line",
       [&] { return AsStatus(ReadLastLine(root / "0PY/long", 39)); },
       root / "0PY/long", ErrorCode::kTooLarge},
      {"write into a missing folder",
       [&] { return ReplaceFile(root / "none/file", "x"); }, root / "none/file",
       ErrorCode::kNotFound},
      {"replace a read-only file",
       [&] { return ReplaceFile(root / "0PY/kept", "x"); }, root / "0PY/kept",
       ErrorCode::kNoAccess},
  };
  for (const Case& c : cases) {
    Status status = c.call();
    ASSERT_FALSE(status.ok()) << c.what;
    EXPECT_EQ(status.code(), c.code) << c.what;
    EXPECT_EQ(status.path(), c.path) << c.what;
    EXPECT_TRUE(
        status.error().ends_with(PathText(c.path) + ": " + status.reason()))
        << c.what << ": " << status.error();
  }
  fs::permissions(root / "0PY/kept", fs::perms::owner_all);
}

}  // namespace
}  // namespace vpa
