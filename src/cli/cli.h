// The command line vpa-macro: the core behind flags, for scripts and for
// checking entries without the window.
#ifndef VPA_CLI_CLI_H_
#define VPA_CLI_CLI_H_

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vpa {

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitBadInput = 2;

// What stands between the standard output and the UTF-8 `text` (such as
// "the console's code page 850"), or nothing when the output can carry it.
using OutputCheck =
    std::function<std::optional<std::string>(const std::string& text)>;

// Runs one command line (without the program name), in UTF-8.
// `default_folder` is the program folder when no --folder is given. A
// macro path that `check` refuses is not printed: the command fails,
// saying so.
int RunCli(const std::vector<std::string>& args,
           const std::filesystem::path& default_folder, std::ostream& out,
           std::ostream& err, const OutputCheck& check = nullptr);

}  // namespace vpa

#endif  // VPA_CLI_CLI_H_
