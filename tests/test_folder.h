// A throw-away program folder for tests: PythonFiles, 0PY and TextFiles
// under a fresh temporary folder, removed again at the end of the test.
#ifndef VPA_TESTS_TEST_FOLDER_H_
#define VPA_TESTS_TEST_FOLDER_H_

#include <filesystem>
#include <string>
#include <string_view>

#include "base/program_folder.h"

namespace vpa::testing {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const ProgramFolder& folder() const { return folder_; }
  const std::filesystem::path& root() const { return folder_.root(); }

  // Writes `bytes` to `relative` under the folder.
  void Write(const std::filesystem::path& relative, std::string_view bytes);
  // The bytes of `relative`, or "<missing>".
  std::string Read(const std::filesystem::path& relative) const;
  // Copies the shipped templates into PythonFiles.
  void InstallShippedTemplates();
  // Templates that name themselves and show their tokens' values:
  // "# NAME", "v=zzV1 fs=FSV01" (indented), "h=zzH l=zzL s=ANGLESHAPE k=VT.".
  void InstallNamedTemplates();

 private:
  ProgramFolder folder_;
};

}  // namespace vpa::testing

#endif  // VPA_TESTS_TEST_FOLDER_H_
