// The calls through which the file layer reaches the disk. The system's own
// are the default; a test installs a FileSystem of its own for a scope, to
// fail a call as a denied folder, a full disk or a read-only disk would,
// whoever runs the test.
#ifndef VPA_BASE_FILE_SYSTEM_H_
#define VPA_BASE_FILE_SYSTEM_H_

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

namespace vpa {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Each call sets `error` to the system's error when it fails. A test's
// FileSystem overrides the calls it fails and leaves the others be.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens the regular file `path` to read, without waiting on a FIFO or a
  // device. Anything else yields no file and no error.
  virtual File OpenToRead(const std::filesystem::path& path,
                          std::error_code& error);
  // The size of the file `file`, opened to read.
  virtual int64_t Size(std::FILE* file, std::error_code& error);
  // Reads up to `count` bytes from `at` into `into` and says how many it
  // read: fewer only at the file's end.
  virtual size_t ReadAt(std::FILE* file, int64_t at, char* into, size_t count,
                        std::error_code& error);
  // Creates `path`, which must not exist yet, to write.
  virtual File CreateNew(const std::filesystem::path& path,
                         std::error_code& error);
  // Writes `bytes` and says how many were written.
  virtual size_t Write(std::FILE* file, std::string_view bytes,
                       std::error_code& error);
  // Flushes what was written to the disk.
  virtual void Flush(std::FILE* file, std::error_code& error);
  // The file a replacement of `path` is to write: `path` itself, or where
  // the symbolic link `path` leads, followed to its end (the target need
  // not exist). Windows: `path` itself.
  virtual std::filesystem::path LinkTarget(const std::filesystem::path& path,
                                           std::error_code& error);
  // Moves `from` over `to`, replacing it.
  virtual void Rename(const std::filesystem::path& from,
                      const std::filesystem::path& to, std::error_code& error);
  // Closes a file that was written; a failure here is a failed write.
  virtual void Close(File file, std::error_code& error);
  // Gives the new file `file` the group and the mode of the file `former`,
  // where the writer may give them (root, or a member of that group).
  // Windows: nothing, for the replacement itself carries them over.
  virtual void KeepOwnership(std::FILE* file,
                             const std::filesystem::path& former);
  // What `path` is, and its permissions.
  virtual std::filesystem::file_status Status(const std::filesystem::path& path,
                                              std::error_code& error);
  // The entries of the folder `folder`.
  virtual std::vector<std::filesystem::path> List(
      const std::filesystem::path& folder, std::error_code& error);
  // Removes the file `path`.
  virtual void Remove(const std::filesystem::path& path,
                      std::error_code& error);

  // The clock's time now. It sits here with the files so that a test sets
  // the time as it sets a failure.
  virtual std::time_t Now();

  // The file system in use: the system's own, unless a test installed
  // another.
  static FileSystem& Current();
};

// Makes `replacement` the file system in use for this object's lifetime.
// For tests: production code always runs on the system's own.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(FileSystem& replacement);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  FileSystem* former_;
};

}  // namespace vpa

#endif  // VPA_BASE_FILE_SYSTEM_H_
