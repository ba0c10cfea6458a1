// Atomic replacement: a temporary file beside the target, flushed to the
// disk, then renamed over it. A temporary file's name carries the writer's
// process id, so a later writer can tell a killed writer's leftovers from a
// write still under way in another process.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

#include "base/file_system.h"
#include "base/files.h"

#ifdef _WIN32
#include <windows.h>
#include <process.h>
// windows.h names its own ReplaceFile as a macro.
#undef ReplaceFile
#else
#include <signal.h>
#include <unistd.h>
#endif

namespace vpa {
namespace {

namespace fs = std::filesystem;

Error WriteError(const fs::path& path, const std::error_code& error) {
  return FileError("write", path, error);
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
#else
long long OwnProcess() { return getpid(); }

bool ProcessRuns(long long id) {
  if (id <= 0 || id != static_cast<pid_t>(id)) return false;
  return kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
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
  FileSystem& system = FileSystem::Current();
  const std::string prefix = LitterPrefix(path);
  std::error_code ignored;
  for (const fs::path& entry : system.List(path.parent_path(), ignored)) {
    std::string name = entry.filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    long long writer = 0;
    const char* digits = name.data() + prefix.size();
    std::from_chars(digits, name.data() + name.size(), writer);
    if (ProcessRuns(writer)) continue;
    system.Remove(entry, ignored);
  }
}

// A rename replaces even a read-only file on POSIX systems; a file marked
// read-only is kept, as Windows keeps it.
bool IsReadOnlyFile(const fs::path& path) {
  std::error_code ignored;
  fs::file_status status = FileSystem::Current().Status(path, ignored);
  return fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Writes `bytes` to a new file at `path`, owned and permitted as `former`,
// and flushes it to the disk.
std::error_code WriteNewFile(const fs::path& path, const std::string& bytes,
                             const fs::path& former) {
  FileSystem& system = FileSystem::Current();
  std::error_code error;
  File file = system.CreateNew(path, error);
  if (!file) return error ? error : std::make_error_code(std::errc::io_error);
  system.KeepOwnership(file.get(), former);
  // A short write with no error of its own is the disk's failure.
  if (system.Write(file.get(), bytes, error) != bytes.size() && !error) {
    error = std::make_error_code(std::errc::io_error);
  }
  if (!error) system.Flush(file.get(), error);
  std::error_code closed;
  system.Close(std::move(file), closed);
  return error ? error : closed;
}

}  // namespace

// A link stays a link: the file it leads to is replaced, beside itself.
Status ReplaceFile(const fs::path& path, const std::string& bytes) {
  std::error_code error;
  const fs::path target = FileSystem::Current().LinkTarget(path, error);
  if (error) return WriteError(path, error);
  if (IsReadOnlyFile(target)) {
    return WriteError(path, std::make_error_code(std::errc::permission_denied));
  }
  RemoveLitter(target);
  fs::path temporary = TemporaryBeside(target);
  error = WriteNewFile(temporary, bytes, target);
  if (!error) FileSystem::Current().Rename(temporary, target, error);
  if (error) {
    std::error_code ignored;
    FileSystem::Current().Remove(temporary, ignored);
    return WriteError(path, error);
  }
  return Ok();
}

}  // namespace vpa
