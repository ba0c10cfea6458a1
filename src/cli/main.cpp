// vpa-macro's entry point: finds the program folder (the executable's own).
#include <iostream>

#include "cli/cli.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::filesystem::path ExecutableFolder(const char* argv0) {
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

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return vpa::RunCli(args, ExecutableFolder(argv[0]), std::cout, std::cerr);
}
