// Several writers on one program folder, and writers killed half way: every
// finished write leaves one whole macro, and the next write removes what a
// killed one left without touching a write still under way.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "base/files.h"
#include "catalogue/angle_catalogue.h"
#include "form/run_row.h"
#include "test_folder.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace vpa {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

// The names in `folder` other than `kept`.
std::vector<std::string> Others(const fs::path& folder,
                                const std::string& kept) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename() != kept) {
      names.push_back(entry.path().filename().string());
    }
  }
  return names;
}

#ifndef _WIN32
// Starts vpa-macro writing row entries with H `h` into `folder`. When it
// cannot be started the test fails and 0 comes back: never a negative id, as
// kill(-1, ...) would signal every process the test may signal.
pid_t StartWrite(const fs::path& folder, const std::string& h) {
  std::vector<std::string> args = {VPA_MACRO_PROGRAM,
                                   "--folder",
                                   folder.string(),
                                   "write",
                                   "--end",
                                   "both",
                                   "--section",
                                   "L4x4x1/2",
                                   "--leg",
                                   "Long",
                                   "--pair",
                                   "2",
                                   "--h",
                                   h,
                                   "--v1",
                                   "6",
                                   "--v2",
                                   "9",
                                   "--l",
                                   "120"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int error =
      posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0 || child <= 0) {
    ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(error);
    return 0;
  }
  return child;
}

// The exit status of a child this test started, or -1.
int ExitStatus(pid_t child) {
  int status = 0;
  if (child <= 0 || waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Ends a child this test started; any other id is left alone.
void KillChild(pid_t child) {
  if (child > 0) kill(child, SIGKILL);
}

// A process id that just ended.
pid_t EndedProcess() {
  pid_t child = fork();
  if (child == 0) _exit(0);
  if (child < 0) {
    ADD_FAILURE() << "cannot fork: " << std::strerror(errno);
    return 0;
  }
  waitpid(child, nullptr, 0);
  return child;
}

std::string Macro(const TestFolder& test, const std::string& h) {
  TestFolder alone;
  alone.InstallShippedTemplates();
  RowEntries row = {h, "6", "9", "L4x4x1/2", "120", "Long", "2"};
  EXPECT_EQ(WriteRow(alone.folder(), 0, row, std::string(kBothEnds), "").kind,
            RunOutcome::Kind::kWritten);
  return alone.Read("0PY/0.PY");
}

TEST(Writers, TwentyAtOnceEachLeaveOneWholeMacro) {
  TestFolder test;
  test.InstallShippedTemplates();
  std::vector<pid_t> writers;
  for (int i = 1; i <= 20; ++i) {
    writers.push_back(StartWrite(test.root(), std::to_string(i)));
  }
  for (pid_t writer : writers) EXPECT_EQ(ExitStatus(writer), 0);
  std::string macro = test.Read("0PY/0.PY");
  bool whole = false;
  for (int i = 1; i <= 20 && !whole; ++i) {
    whole = macro == Macro(test, std::to_string(i));
  }
  EXPECT_TRUE(whole) << "the macro is no one writer's";
  EXPECT_TRUE(Others(test.root() / "0PY", "0.PY").empty());
}

TEST(Writers, LitterOfEndedWritersGoesAndLiveWritesStay) {
  TestFolder test;
  test.InstallShippedTemplates();
  std::string ended = std::to_string(EndedProcess());
  std::string running = std::to_string(getpid());
  const struct {
    std::string name;
    bool stays;
  } files[] = {
      {"0.PY.tmp" + ended + "-12345", false},
      {"0.PY.tmp3861234567", false},  // an id no process can have
      {"0.PY.tmp", false},
      {"0.PY.tmp" + running + "-777", true},
      {"other.tmp" + ended, true},  // not the macro's
  };
  for (const auto& file : files) test.Write("0PY/" + file.name, "half");
  ASSERT_EQ(ExitStatus(StartWrite(test.root(), "12")), 0);
  for (const auto& file : files) {
    EXPECT_EQ(fs::exists(test.root() / "0PY" / file.name), file.stays)
        << file.name;
  }
}

TEST(Writers, KilledWriteIsClearedByTheNext) {
  TestFolder test;
  test.InstallShippedTemplates();
  // Large enough that the write takes a while.
  std::string line = "h=zzH l=zzL s=ANGLESHAPE\r\n";
  std::string big;
  while (big.size() < (48u << 20)) big += line;
  test.Write("PythonFiles/WALLBEARANG.PY", big);
  pid_t writer = StartWrite(test.root(), "12");
  ASSERT_GT(writer, 0);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (Others(test.root() / "0PY", "0.PY").empty() &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  KillChild(writer);
  ExitStatus(writer);
  test.Write("PythonFiles/WALLBEARANG.PY", "# small\r\n");
  ASSERT_EQ(ExitStatus(StartWrite(test.root(), "12")), 0);
  EXPECT_TRUE(Others(test.root() / "0PY", "0.PY").empty());
  EXPECT_NE(test.Read("0PY/0.PY").find("# small"), std::string::npos);
}
#endif

TEST(ReplaceFile, FieldLitterGoesWithTheNextSave) {
  TestFolder test;
  test.Write("TextFiles/H1.TXT.tmp3861234567", "half");
  test.Write("TextFiles/V1.TXT.tmp3861234567", "half");
  ASSERT_TRUE(ReplaceFile(test.folder().FieldFile("H1"), "6\r\n").ok());
  EXPECT_FALSE(fs::exists(test.root() / "TextFiles/H1.TXT.tmp3861234567"));
  // Each save clears its own file's leftovers.
  EXPECT_TRUE(fs::exists(test.root() / "TextFiles/V1.TXT.tmp3861234567"));
}

}  // namespace
}  // namespace vpa
