// The system's own file calls. Reads open only what was checked to be a
// regular file: opening a FIFO waits for a writer and a device may never
// end.
#include "base/file_system.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vpa {
namespace {

namespace fs = std::filesystem;

std::error_code LastErrno(int otherwise = EIO) {
  return std::error_code(errno ? errno : otherwise, std::generic_category());
}

#ifdef _WIN32
std::error_code LastWindowsError() {
  return std::error_code(int(GetLastError()), std::system_category());
}

// Write-through, so the rename itself is on the disk when it returns.
bool MoveIn(const fs::path& from, const fs::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
#endif

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

FileSystem*& Installed() {
  static FileSystem* installed = nullptr;
  return installed;
}

}  // namespace

#ifdef _WIN32
// Windows opens no FIFOs by these names; a folder or device is refused here.
File FileSystem::OpenToRead(const fs::path& path, std::error_code& error) {
  fs::file_status status = fs::status(path, error);
  if (error || !fs::is_regular_file(status)) return nullptr;
  errno = 0;
  File file(_wfopen(path.c_str(), L"rb"));
  if (!file) error = LastErrno();
  return file;
}

File FileSystem::CreateNew(const fs::path& path, std::error_code& error) {
  errno = 0;
  File file(_wfopen(path.c_str(), L"wb"));
  if (!file) error = LastErrno();
  return file;
}

void FileSystem::Flush(std::FILE* file, std::error_code& error) {
  errno = 0;
  if (std::fflush(file) != 0 || _commit(_fileno(file)) != 0) {
    error = LastErrno();
  }
}

// An existing file is replaced in place, so that it keeps its ACL and
// attributes. The former file is set aside under a name of the writer's
// own, so that a failed replacement leaves nothing unknown behind, and a
// replacement that failed half way is finished or undone.
void FileSystem::Rename(const fs::path& from, const fs::path& to,
                        std::error_code& error) {
  DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    if (!MoveIn(from, to)) error = LastWindowsError();
    return;
  }
  fs::path former = from;
  former += L"-former";
  bool replaced =
      ReplaceFileW(to.c_str(), from.c_str(), former.c_str(),
                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  std::error_code failure = LastWindowsError();
  if (!replaced && GetFileAttributesW(to.c_str()) == INVALID_FILE_ATTRIBUTES) {
    replaced = MoveIn(from, to);
    if (!replaced) MoveIn(former, to);
  }
  if (!replaced) {
    error = failure;
    return;
  }
  DeleteFileW(former.c_str());
}
#else
// Non-blocking, so that a FIFO swapped in after the check cannot hold the
// open; the type is checked again on what was actually opened.
File FileSystem::OpenToRead(const fs::path& path, std::error_code& error) {
  struct stat info;
  errno = 0;
  if (stat(path.c_str(), &info) != 0) {
    error = LastErrno();
    return nullptr;
  }
  if (!S_ISREG(info.st_mode)) return nullptr;
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = LastErrno();
    return nullptr;
  }
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return nullptr;
  }
  File file(fdopen(fd, "rb"));
  if (!file) {
    error = LastErrno();
    close(fd);
  }
  return file;
}

File FileSystem::CreateNew(const fs::path& path, std::error_code& error) {
  errno = 0;
  File file(std::fopen(path.c_str(), "wbx"));
  if (!file) error = LastErrno();
  return file;
}

void FileSystem::Flush(std::FILE* file, std::error_code& error) {
  errno = 0;
  if (std::fflush(file) != 0 || fdatasync(fileno(file)) != 0) {
    error = LastErrno();
  }
}

void FileSystem::Rename(const fs::path& from, const fs::path& to,
                        std::error_code& error) {
  fs::rename(from, to, error);
}
#endif

#ifdef _WIN32
// ReplaceFileW carries the former file's ACL and attributes over.
void FileSystem::KeepOwnership(std::FILE*, const fs::path&) {}
#else
// So that a folder shared by a group stays shared. chown may clear set-id
// bits: the mode comes last.
void FileSystem::KeepOwnership(std::FILE* file, const fs::path& former) {
  struct stat info;
  int saved_errno = errno;
  if (stat(former.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
    int fd = fileno(file);
    [[maybe_unused]] int chowned =
        fchown(fd, static_cast<uid_t>(-1), info.st_gid);
    fchmod(fd, info.st_mode & 07777);
  }
  errno = saved_errno;
}
#endif

int64_t FileSystem::Size(std::FILE* file, std::error_code& error) {
  errno = 0;
  const int64_t size = Seek(file, 0, SEEK_END) == 0 ? Tell(file) : -1;
  if (size < 0) error = LastErrno();
  return size;
}

size_t FileSystem::ReadAt(std::FILE* file, int64_t at, char* into,
                          size_t count, std::error_code& error) {
  errno = 0;
  if (Seek(file, at, SEEK_SET) != 0) {
    error = LastErrno();
    return 0;
  }
  const size_t read = std::fread(into, 1, count, file);
  if (std::ferror(file)) error = LastErrno();
  return read;
}

void FileSystem::Close(File file, std::error_code& error) {
  errno = 0;
  if (std::fclose(file.release()) != 0) error = LastErrno();
}

fs::file_status FileSystem::Status(const fs::path& path,
                                   std::error_code& error) {
  return fs::status(path, error);
}

std::vector<fs::path> FileSystem::List(const fs::path& folder,
                                       std::error_code& error) {
  std::vector<fs::path> entries;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    entries.push_back(entry->path());
  }
  return entries;
}

void FileSystem::Remove(const fs::path& path, std::error_code& error) {
  fs::remove(path, error);
}

#ifdef _WIN32
// Links are rare there and need rights to make; a replacement keeps
// replacing the path itself.
fs::path FileSystem::LinkTarget(const fs::path& path, std::error_code&) {
  return path;
}
#else
// A relative link leads from its own folder. A loop fails as the system
// fails it.
fs::path FileSystem::LinkTarget(const fs::path& path, std::error_code& error) {
  constexpr int kMaxLinks = 40;
  fs::path at = path;
  for (int links = 0; links < kMaxLinks; ++links) {
    std::error_code status_error;
    if (!fs::is_symlink(fs::symlink_status(at, status_error))) return at;
    fs::path target = fs::read_symlink(at, error);
    if (error) return path;
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return path;
}
#endif

size_t FileSystem::Write(std::FILE* file, std::string_view bytes,
                         std::error_code& error) {
  errno = 0;
  size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  if (written != bytes.size()) error = LastErrno();
  return written;
}

FileSystem& FileSystem::Current() {
  static FileSystem system;
  return Installed() ? *Installed() : system;
}

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement)
    : former_(Installed()) {
  Installed() = &replacement;
}

ScopedFileSystem::~ScopedFileSystem() { Installed() = former_; }

std::time_t FileSystem::Now() { return std::time(nullptr); }

}  // namespace vpa
