// The system's own description of a failure, in UTF-8 under any locale,
// and its kind.
#ifndef VPA_BASE_SYSTEM_REASON_H_
#define VPA_BASE_SYSTEM_REASON_H_

#include <string>
#include <system_error>

#include "base/result.h"

namespace vpa {

// The reason errno `error_number` stands for, in the language of the
// current locale and in UTF-8 whatever that locale's character set is
// (a window shows every message as UTF-8).
std::string SystemReason(int error_number);
std::string SystemReason(const std::error_code& error);

// The kind of failure a system error is, on Windows as on POSIX systems.
ErrorCode SystemErrorCode(const std::error_code& error);

}  // namespace vpa

#endif  // VPA_BASE_SYSTEM_REASON_H_
