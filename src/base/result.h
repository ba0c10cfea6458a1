// Result: a value or an error a caller can decide by and a detailer can act
// on.
#ifndef VPA_BASE_RESULT_H_
#define VPA_BASE_RESULT_H_

#include <filesystem>
#include <string>
#include <utility>
#include <variant>

namespace vpa {

// What kind of failure an Error is; callers decide by this, never by the
// message's words.
enum class ErrorCode {
  kRefusedEntry,        // an entry or a choice the program cannot use
  kNotFound,            // no such file or folder
  kNotRegularFile,      // a folder, FIFO or device where a file belongs
  kNoAccess,            // permission denied, or the file is in use
  kNoSpace,             // the disk or the quota is full
  kReadOnlyFileSystem,  // the disk is mounted or protected read-only
  kTooLarge,            // a file or a line beyond the program's limit
  kLineBreak,           // a value that holds a line break, refused a save
  kNotText,             // a file that is not 8-bit text (UTF-16, NUL bytes)
  kOtherSystemFailure,  // any other failure the system reported
};

// Why a call failed. `message` is the whole text meant for the detailer
// (UTF-8); a file's failure also names the file and gives the reason alone,
// the system's words or the program's, so that callers can word their own.
struct Error {
  std::string message;
  ErrorCode code = ErrorCode::kRefusedEntry;
  std::filesystem::path path = {};
  std::string reason = {};
};

// Either a value of type T or an Error. Errors travel as values so that no
// exception crosses a layer.
template <typename T>
class Result {
 public:
  Result(T value) : state_(std::move(value)) {}  // NOLINT: implicit by design
  Result(Error error) : state_(std::move(error)) {}  // NOLINT

  bool ok() const { return std::holds_alternative<T>(state_); }
  const T& value() const { return std::get<T>(state_); }
  T& value() { return std::get<T>(state_); }
  // The failure whole, to hand on; error() is its message, for showing.
  const Error& failure() const { return std::get<Error>(state_); }
  const std::string& error() const { return failure().message; }
  ErrorCode code() const { return failure().code; }
  const std::filesystem::path& path() const { return failure().path; }
  const std::string& reason() const { return failure().reason; }

 private:
  std::variant<T, Error> state_;
};

// A result that carries no value: success or an error.
struct Done {};
using Status = Result<Done>;
inline Status Ok() { return Done{}; }

}  // namespace vpa

#endif  // VPA_BASE_RESULT_H_
