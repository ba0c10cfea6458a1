// A file system that fails one kind of call, as a denied folder, a full
// disk or a read-only disk would, whoever runs the test.
#ifndef VPA_TESTS_FAILING_FILE_SYSTEM_H_
#define VPA_TESTS_FAILING_FILE_SYSTEM_H_

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "base/file_system.h"

namespace vpa::testing {

class FailingFileSystem : public FileSystem {
 public:
  // kShortWrite writes half the bytes and reports no error.
  enum class Call {
    kOpenToRead,
    kRead,
    kCreateNew,
    kWrite,
    kShortWrite,
    kFlush,
    kRename,
    kClose,
    kList,
    kRemove
  };

  // Fails `call` with `error`; a call that names a file fails only for
  // files whose name starts with `name`.
  FailingFileSystem(Call call, std::errc error, std::string name = "")
      : call_(call),
        error_(std::make_error_code(error)),
        name_(name),
        installed_(*this) {}

  File OpenToRead(const std::filesystem::path& path,
                  std::error_code& error) override {
    if (Fails(Call::kOpenToRead, path, error)) return nullptr;
    return FileSystem::OpenToRead(path, error);
  }
  size_t ReadAt(std::FILE* file, int64_t at, char* into, size_t count,
                std::error_code& error) override {
    if (Fails(Call::kRead, "", error)) return 0;
    return FileSystem::ReadAt(file, at, into, count, error);
  }
  File CreateNew(const std::filesystem::path& path,
                 std::error_code& error) override {
    if (Fails(Call::kCreateNew, path, error)) return nullptr;
    return FileSystem::CreateNew(path, error);
  }
  size_t Write(std::FILE* file, std::string_view bytes,
               std::error_code& error) override {
    if (call_ == Call::kShortWrite) bytes = bytes.substr(0, bytes.size() / 2);
    if (Fails(Call::kWrite, "", error)) return 0;
    return FileSystem::Write(file, bytes, error);
  }
  void Flush(std::FILE* file, std::error_code& error) override {
    if (!Fails(Call::kFlush, "", error)) FileSystem::Flush(file, error);
  }
  void Rename(const std::filesystem::path& from,
              const std::filesystem::path& to,
              std::error_code& error) override {
    if (!Fails(Call::kRename, to, error)) FileSystem::Rename(from, to, error);
  }
  // The file is closed all the same; only the report fails.
  void Close(File file, std::error_code& error) override {
    FileSystem::Close(std::move(file), error);
    Fails(Call::kClose, "", error);
  }
  std::vector<std::filesystem::path> List(const std::filesystem::path& folder,
                                          std::error_code& error) override {
    if (Fails(Call::kList, "", error)) return {};
    return FileSystem::List(folder, error);
  }
  void Remove(const std::filesystem::path& path,
              std::error_code& error) override {
    if (!Fails(Call::kRemove, path, error)) FileSystem::Remove(path, error);
  }

 private:
  bool Fails(Call call, const std::filesystem::path& path,
             std::error_code& error) const {
    bool named = path.empty() || path.filename().string().starts_with(name_);
    if (call != call_ || !named) return false;
    error = error_;
    return true;
  }

  Call call_;
  std::error_code error_;
  std::string name_;
  ScopedFileSystem installed_;
};

}  // namespace vpa::testing

#endif  // VPA_TESTS_FAILING_FILE_SYSTEM_H_
