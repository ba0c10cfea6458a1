// Whole-file reads and atomic replacement through C stdio, which reports the
// system's error for every step (a folder opened as a file included).
#include "base/files.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace vpa {
namespace {

namespace fs = std::filesystem;

std::FILE* OpenFile(const fs::path& path, bool for_writing) {
#ifdef _WIN32
  return _wfopen(path.c_str(), for_writing ? L"wb" : L"rb");
#else
  return std::fopen(path.c_str(), for_writing ? "wb" : "rb");
#endif
}

Error FileError(const char* what, const fs::path& path, int error_number) {
  return Error{std::string("Cannot ") + what + " " + path.string() + ": " +
               std::generic_category().message(error_number)};
}

fs::path TemporaryBeside(const fs::path& path) {
  std::random_device seed;
  std::uniform_int_distribution<unsigned> pick;
  return path.parent_path() / (path.filename().string() + ".tmp" +
                               std::to_string(pick(seed)));
}

// A rename replaces even a read-only file on POSIX systems; a file marked
// read-only is kept, as Windows keeps it.
bool IsReadOnlyFile(const fs::path& path) {
  std::error_code ignored;
  fs::file_status status = fs::status(path, ignored);
  return fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Writes `bytes` to a new file at `path`; errno describes a failure.
bool WriteNewFile(const fs::path& path, const std::string& bytes) {
  std::FILE* file = OpenFile(path, true);
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) ==
                 bytes.size();
  int write_errno = errno;
  bool closed = std::fclose(file) == 0;
  if (!written) errno = write_errno;
  return written && closed;
}

}  // namespace

Result<std::string> ReadFile(const fs::path& path) {
  errno = 0;
  std::FILE* file = OpenFile(path, false);
  if (file == nullptr) return FileError("read", path, errno);
  std::string bytes;
  char buffer[1 << 16];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, count);
  }
  int read_errno = errno;
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return FileError("read", path, read_errno ? read_errno : EIO);
  return bytes;
}

Status ReplaceFile(const fs::path& path, const std::string& bytes) {
  if (IsReadOnlyFile(path)) return FileError("write", path, EACCES);
  fs::path temporary = TemporaryBeside(path);
  errno = 0;
  if (!WriteNewFile(temporary, bytes)) {
    int write_errno = errno ? errno : EIO;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileError("write", path, write_errno);
  }
  std::error_code renamed;
  fs::rename(temporary, path, renamed);
  if (renamed) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Error{"Cannot write " + path.string() + ": " + renamed.message()};
  }
  return Ok();
}

}  // namespace vpa
