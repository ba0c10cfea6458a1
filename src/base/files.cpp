// Reads through C stdio, on files the file system has checked to be
// regular.
#include "base/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "base/file_system.h"
#include "base/system_reason.h"

namespace vpa {
namespace {

namespace fs = std::filesystem;

constexpr size_t kChunk = 1 << 16;

Error ReadError(const fs::path& path, int error_number) {
  return FileError("read", path,
                   std::error_code(error_number, std::generic_category()));
}

Error NotRegular(const fs::path& path) {
  return FileError("read", ErrorCode::kNotRegularFile, path,
                   "it is not a regular file");
}

Result<File> OpenRegular(const fs::path& path) {
  std::error_code error;
  File file = FileSystem::Current().OpenToRead(path, error);
  if (error) return FileError("read", path, error);
  if (!file) return NotRegular(path);
  return file;
}

#ifdef _WIN32
int64_t Tell(std::FILE* file) { return _ftelli64(file); }
int Seek(std::FILE* file, int64_t at, int whence) {
  return _fseeki64(file, at, whence);
}
#else
int64_t Tell(std::FILE* file) { return ftello(file); }
int Seek(std::FILE* file, int64_t at, int whence) {
  return fseeko(file, at, whence);
}
#endif

Result<int64_t> FileSize(std::FILE* file, const fs::path& path) {
  if (Seek(file, 0, SEEK_END) != 0) return ReadError(path, errno);
  int64_t size = Tell(file);
  if (size < 0 || Seek(file, 0, SEEK_SET) != 0) return ReadError(path, errno);
  return size;
}

// Reads `count` bytes at `at` into `out`.
bool ReadAt(std::FILE* file, int64_t at, size_t count, std::string& out) {
  out.resize(count);
  return Seek(file, at, SEEK_SET) == 0 &&
         std::fread(out.data(), 1, count, file) == count;
}

std::string SizeText(size_t bytes) {
  return bytes % (1 << 20) == 0 ? std::to_string(bytes >> 20) + " MiB"
                                : std::to_string(bytes) + " bytes";
}

}  // namespace

Result<std::string> ReadFile(const fs::path& path, size_t max_bytes) {
  Result<File> file = OpenRegular(path);
  if (!file.ok()) return file.failure();
  std::FILE* stream = file.value().get();
  Result<int64_t> size = FileSize(stream, path);
  if (!size.ok()) return size.failure();
  Error too_large = FileError("read", ErrorCode::kTooLarge, path,
                              "it is larger than " + SizeText(max_bytes) +
                                  " and too large for this program");
  if (static_cast<uint64_t>(size.value()) > max_bytes) return too_large;
  std::string bytes;
  bytes.reserve(static_cast<size_t>(size.value()));
  char buffer[kChunk];
  errno = 0;
  // The file may grow while it is read; the limit holds all the same.
  for (size_t count; (count = std::fread(buffer, 1, kChunk, stream)) > 0;) {
    if (bytes.size() + count > max_bytes) return too_large;
    bytes.append(buffer, count);
  }
  if (std::ferror(stream)) return ReadError(path, errno ? errno : EIO);
  return bytes;
}

Result<std::string> ReadLastLine(const fs::path& path, size_t max_line) {
  Result<File> file = OpenRegular(path);
  if (!file.ok()) return file.failure();
  std::FILE* stream = file.value().get();
  Result<int64_t> size = FileSize(stream, path);
  if (!size.ok()) return size.failure();
  int64_t end = size.value();
  std::string chunk;
  if (!ReadAt(stream, std::max<int64_t>(0, end - 2), std::min<int64_t>(2, end),
              chunk)) {
    return ReadError(path, EIO);
  }
  if (!chunk.empty() && chunk.back() == '\n') chunk.pop_back(), --end;
  if (!chunk.empty() && chunk.back() == '\r') --end;
  std::string line;
  for (int64_t at = end; at > 0;) {
    size_t count = static_cast<size_t>(std::min<int64_t>(kChunk, at));
    at -= count;
    if (!ReadAt(stream, at, count, chunk)) return ReadError(path, EIO);
    size_t line_end = chunk.find_last_of("\r\n");
    bool found = line_end != std::string::npos;
    line.insert(0, found ? chunk.substr(line_end + 1) : chunk);
    if (line.size() > max_line) {
      return FileError("read", ErrorCode::kTooLarge, path,
                       "its last line is longer than " + SizeText(max_line));
    }
    if (found) break;
  }
  return line;
}

Result<std::string> ReadHead(const fs::path& path, size_t count) {
  Result<File> file = OpenRegular(path);
  if (!file.ok()) return file.failure();
  std::string head(count, '\0');
  head.resize(std::fread(head.data(), 1, count, file.value().get()));
  if (std::ferror(file.value().get())) return ReadError(path, EIO);
  return head;
}

Error FileError(std::string_view verb, ErrorCode code, const fs::path& path,
                std::string reason) {
  std::string message =
      "Cannot " + std::string(verb) + " " + PathText(path) + ": " + reason;
  return Error{std::move(message), code, path, std::move(reason)};
}

Error FileError(std::string_view verb, const fs::path& path,
                const std::error_code& error) {
  return FileError(verb, SystemErrorCode(error), path, SystemReason(error));
}

std::string PathText(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

fs::path PathFromText(const std::string& text) {
#ifdef _WIN32
  return fs::path(std::u8string(text.begin(), text.end()));
#else
  return fs::path(text);
#endif
}

}  // namespace vpa
