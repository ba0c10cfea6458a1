// Reads through C stdio, on files the file system has checked to be
// regular.
#include "base/files.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "base/file_system.h"
#include "base/system_reason.h"

namespace vpa {
namespace {

namespace fs = std::filesystem;

constexpr size_t kChunk = 1 << 16;

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

Result<int64_t> FileSize(std::FILE* file, const fs::path& path) {
  std::error_code error;
  const int64_t size = FileSystem::Current().Size(file, error);
  if (error) return FileError("read", path, error);
  return size;
}

// Reads up to `count` bytes at `at` into `out`: fewer only at the file's
// end. `whole`: fewer is an error, for the file was cut while being read.
Status ReadAt(std::FILE* file, const fs::path& path, int64_t at, size_t count,
              std::string& out, bool whole = false) {
  out.resize(count);
  std::error_code error;
  out.resize(FileSystem::Current().ReadAt(file, at, out.data(), count, error));
  if (!error && whole && out.size() != count) {
    error = std::make_error_code(std::errc::io_error);
  }
  if (error) return FileError("read", path, error);
  return Ok();
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
  std::string chunk;
  // The file may grow while it is read; the limit holds all the same.
  do {
    Status read = ReadAt(stream, path, int64_t(bytes.size()), kChunk, chunk);
    if (!read.ok()) return read.failure();
    if (bytes.size() + chunk.size() > max_bytes) return too_large;
    bytes += chunk;
  } while (!chunk.empty());
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
  Status read = ReadAt(stream, path, std::max<int64_t>(0, end - 2),
                       std::min<int64_t>(2, end), chunk, true);
  if (!read.ok()) return read.failure();
  if (!chunk.empty() && chunk.back() == '\n') chunk.pop_back(), --end;
  if (!chunk.empty() && chunk.back() == '\r') --end;
  std::string line;
  for (int64_t at = end; at > 0;) {
    size_t count = static_cast<size_t>(std::min<int64_t>(kChunk, at));
    at -= count;
    read = ReadAt(stream, path, at, count, chunk, true);
    if (!read.ok()) return read.failure();
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
  std::string head;
  Status read = ReadAt(file.value().get(), path, 0, count, head);
  if (!read.ok()) return read.failure();
  return head;
}

fs::file_type TypeOf(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = FileSystem::Current().Status(path, error);
  return error ? fs::file_type::not_found : status.type();
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
