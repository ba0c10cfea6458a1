// The command line vpa-macro: the core behind flags, for scripts and for
// checking entries without the window.
#ifndef VPA_CLI_CLI_H_
#define VPA_CLI_CLI_H_

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vpa {

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitBadInput = 2;

// Runs one command line (without the program name). `default_folder` is the
// program folder when no --folder is given.
int RunCli(const std::vector<std::string>& args,
           const std::filesystem::path& default_folder, std::ostream& out,
           std::ostream& err);

}  // namespace vpa

#endif  // VPA_CLI_CLI_H_
