// Result: a value or an error message a detailer can act on.
#ifndef VPA_BASE_RESULT_H_
#define VPA_BASE_RESULT_H_

#include <string>
#include <utility>
#include <variant>

namespace vpa {

// Why a call failed, in words meant for the detailer.
struct Error {
  std::string message;
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
  const std::string& error() const { return std::get<Error>(state_).message; }

 private:
  std::variant<T, Error> state_;
};

// A result that carries no value: success or an error.
struct Done {};
using Status = Result<Done>;
inline Status Ok() { return Done{}; }

}  // namespace vpa

#endif  // VPA_BASE_RESULT_H_
