// Atomic replacement: a temporary file beside the target, flushed to the
// disk, then renamed over it. A temporary file's name carries the writer's
// process id, so a later writer can tell a killed writer's leftovers from a
// write still under way in another process.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>
#include <system_error>

#include "base/files.h"
#include "base/system_reason.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
// windows.h names its own ReplaceFile as a macro.
#undef ReplaceFile
#else
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vpa {
namespace {

namespace fs = std::filesystem;

Error WriteError(const fs::path& path, int error_number) {
  return Error{"Cannot write " + PathText(path) + ": " +
               SystemReason(error_number)};
}

#ifdef _WIN32
long long OwnProcess() { return _getpid(); }

bool ProcessRuns(long long id) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                               static_cast<DWORD>(id));
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  bool runs = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
  CloseHandle(process);
  return runs;
}

std::FILE* OpenNew(const fs::path& path) {
  return _wfopen(path.c_str(), L"wb");
}
bool FlushToDisk(std::FILE* file) { return _commit(_fileno(file)) == 0; }

// Write-through, so the rename itself is on the disk when it returns.
bool MoveIn(const fs::path& from, const fs::path& to) {
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// An existing file is replaced in place, so that it keeps its ACL and
// attributes. The former file is set aside under a name of the writer's
// own, so that a failed replacement leaves nothing unknown behind, and a
// replacement that failed half way is finished or undone.
std::error_code Rename(const fs::path& from, const fs::path& to) {
  DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    if (MoveIn(from, to)) return {};
    return std::error_code(int(GetLastError()), std::system_category());
  }
  fs::path former = from;
  former += L"-former";
  bool replaced =
      ReplaceFileW(to.c_str(), from.c_str(), former.c_str(),
                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  DWORD error = GetLastError();
  if (!replaced && GetFileAttributesW(to.c_str()) == INVALID_FILE_ATTRIBUTES) {
    replaced = MoveIn(from, to);
    if (!replaced) MoveIn(former, to);
  }
  if (!replaced) return std::error_code(int(error), std::system_category());
  DeleteFileW(former.c_str());
  return {};
}

// ReplaceFileW carries the former file's ACL and attributes over.
void KeepOwnership(std::FILE*, const fs::path&) {}
#else
long long OwnProcess() { return getpid(); }

bool ProcessRuns(long long id) {
  if (id <= 0 || id != static_cast<pid_t>(id)) return false;
  return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

std::FILE* OpenNew(const fs::path& path) {
  return std::fopen(path.c_str(), "wbx");
}
bool FlushToDisk(std::FILE* file) { return fdatasync(fileno(file)) == 0; }

std::error_code Rename(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  return error;
}

// The new file takes the former file's group where the writer may give it
// (root, or a member of that group; anyone else keeps their own) and then
// its mode, so that a folder shared by a group stays shared. chown may
// clear set-id bits: the mode comes last.
void KeepOwnership(std::FILE* file, const fs::path& former) {
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

std::string LitterPrefix(const fs::path& path) {
  return path.filename().string() + ".tmp";
}

fs::path TemporaryBeside(const fs::path& path) {
  std::random_device seed;
  std::uniform_int_distribution<unsigned> pick;
  return path.parent_path() /
         (LitterPrefix(path) + std::to_string(OwnProcess()) + "-" +
          std::to_string(pick(seed)));
}

// Removes the temporary files of `path` whose writer no longer runs. A name
// that carries no process id counts as no one's.
void RemoveLitter(const fs::path& path) {
  const std::string prefix = LitterPrefix(path);
  std::error_code error;
  for (fs::directory_iterator entry(path.parent_path(), error), end;
       !error && entry != end; entry.increment(error)) {
    std::string name = entry->path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    long long writer = 0;
    const char* digits = name.data() + prefix.size();
    std::from_chars(digits, name.data() + name.size(), writer);
    if (ProcessRuns(writer)) continue;
    std::error_code ignored;
    fs::remove(entry->path(), ignored);
  }
}

// A rename replaces even a read-only file on POSIX systems; a file marked
// read-only is kept, as Windows keeps it.
bool IsReadOnlyFile(const fs::path& path) {
  std::error_code ignored;
  fs::file_status status = fs::status(path, ignored);
  return fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Writes `bytes` to a new file at `path`, owned and permitted as `former`,
// and flushes it to the disk; errno describes a failure.
bool WriteNewFile(const fs::path& path, const std::string& bytes,
                  const fs::path& former) {
  std::FILE* file = OpenNew(path);
  if (file == nullptr) return false;
  KeepOwnership(file, former);
  bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
      std::fflush(file) == 0 && FlushToDisk(file);
  int write_errno = errno;
  bool closed = std::fclose(file) == 0;
  if (!written) errno = write_errno;
  return written && closed;
}

}  // namespace

Status ReplaceFile(const fs::path& path, const std::string& bytes) {
  if (IsReadOnlyFile(path)) return WriteError(path, EACCES);
  RemoveLitter(path);
  fs::path temporary = TemporaryBeside(path);
  errno = 0;
  if (!WriteNewFile(temporary, bytes, path)) {
    int write_errno = errno ? errno : EIO;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return WriteError(path, write_errno);
  }
  std::error_code renamed = Rename(temporary, path);
  if (renamed) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return Error{"Cannot write " + PathText(path) + ": " +
                 SystemReason(renamed)};
  }
  return Ok();
}

}  // namespace vpa
