// Bounded reads of regular files and durable, atomic whole-file replacement,
// with the system's own description of any failure. Every call reaches the
// disk through FileSystem::Current().
#ifndef VPA_BASE_FILES_H_
#define VPA_BASE_FILES_H_

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "base/result.h"

namespace vpa {

// Reads every byte of the regular file `path`. Anything else (a FIFO, a
// device, a folder) is refused without waiting on it, and so is a file of
// more than `max_bytes`.
Result<std::string> ReadFile(const std::filesystem::path& path,
                             size_t max_bytes);

// The last line of the regular file `path` (a line end at the very end
// starts no line; CR LF, LF and a lone CR end a line), read from the end so
// that the file's size does not matter. A last line longer than `max_line`
// bytes is an error, as is a file that is not regular.
Result<std::string> ReadLastLine(const std::filesystem::path& path,
                                 size_t max_line);

// The first `count` bytes of the regular file `path`, or all of a shorter
// file.
Result<std::string> ReadHead(const std::filesystem::path& path, size_t count);

// What `path` is (a folder, a file...), following links; not_found when it
// cannot be looked at.
std::filesystem::file_type TypeOf(const std::filesystem::path& path);

// Replaces `path` with `bytes`: writes a temporary file in the same folder,
// flushes it to the disk and renames it over `path`, so neither a failure
// nor a power cut leaves anything but the former or the new file. A file
// marked read-only is not replaced. Temporary files left by writers that no
// longer run are removed first. Never creates a folder. A symbolic link
// stays: the file it leads to is replaced so, in that file's folder.
Status ReplaceFile(const std::filesystem::path& path, const std::string& bytes);

// A failure to `verb` ("read" or "write") `path`, worded
// "Cannot read PATH: reason".
Error FileError(std::string_view verb, ErrorCode code,
                const std::filesystem::path& path, std::string reason);
// The same for the system's error `error`, with its reason and kind.
Error FileError(std::string_view verb, const std::filesystem::path& path,
                const std::error_code& error);

// `path` as the messages above name it: in UTF-8 on every system, so that a
// window can show a folder under any user name as it is spelled.
std::string PathText(const std::filesystem::path& path);

// The path a text names, as a command line gives it: UTF-8 on Windows,
// where names are Unicode; elsewhere its bytes are the name.
std::filesystem::path PathFromText(const std::string& text);

}  // namespace vpa

#endif  // VPA_BASE_FILES_H_
