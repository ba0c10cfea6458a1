// vpa-macro's entry point: finds the program folder (the executable's own).
// On Windows the arguments arrive in UTF-16 (wmain), so that a folder under
// any user's name gets through, and the output goes out as the console or
// a batch file reads it.
#include <iostream>
#include <sstream>

#include "base/system_reason.h"
#include "cli/cli.h"

#ifdef _WIN32
#include <windows.h>

#include "cli/console_output.h"
#endif

namespace {

std::filesystem::path ExecutableFolder(const std::filesystem::path& argv0) {
#ifdef _WIN32
  wchar_t buffer[32768];
  DWORD size = GetModuleFileNameW(nullptr, buffer, 32768);
  if (size > 0 && size < 32768) {
    return std::filesystem::path(buffer).parent_path();
  }
#else
  std::error_code error;
  auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
#endif
  return std::filesystem::absolute(argv0).parent_path();
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(vpa::Utf8FromWide(argv[i]));
  const vpa::ConsoleOutput standard_output(STD_OUTPUT_HANDLE);
  const vpa::ConsoleOutput standard_error(STD_ERROR_HANDLE);
  std::ostringstream out, err;
  int status = vpa::RunCli(args, ExecutableFolder(argv[0]), out, err,
                           [&](const std::string& text) {
                             return standard_output.CannotCarry(text);
                           });
  // A path that never reached its reader is no success.
  if (!standard_output.Write(out.str())) {
    err << "vpa-macro: cannot write to standard output: "
        << vpa::SystemReason(
               std::error_code(int(GetLastError()), std::system_category()))
        << "\n";
    status = vpa::kExitFileError;
  }
  standard_error.Write(err.str());
  return status;
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return vpa::RunCli(args, ExecutableFolder(argv[0]), std::cout, std::cerr);
}
#endif
