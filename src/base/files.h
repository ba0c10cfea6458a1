// Whole-file reads and atomic whole-file replacement, with the system's own
// description of any failure.
#ifndef VPA_BASE_FILES_H_
#define VPA_BASE_FILES_H_

#include <filesystem>
#include <string>

#include "base/result.h"

namespace vpa {

// Reads every byte of `path`.
Result<std::string> ReadFile(const std::filesystem::path& path);

// Replaces `path` with `bytes`: writes a temporary file in the same folder and
// renames it over `path`, so a failure leaves the former file as it was. A
// file marked read-only is not replaced. Never creates a folder.
Status ReplaceFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace vpa

#endif  // VPA_BASE_FILES_H_
