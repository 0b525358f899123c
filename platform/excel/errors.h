#pragma once

#include <string>

#include "platform/runtime/automation_error.h"

namespace taskvane::excel {

// The application refused an operation (error 1004).
[[noreturn]] inline void Refuse(const std::string& description) {
  throw AutomationError(kErrExcelRefused, description);
}

// A member used through a range variable that refers to nothing (error 91).
inline constexpr long kErrObjectNotSet = 91;
// Reading a setting that differs between the cells of a range (error 94).
inline constexpr long kErrInvalidUseOfNull = 94;

}  // namespace taskvane::excel
