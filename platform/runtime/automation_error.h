#pragma once

#include <stdexcept>
#include <string>

namespace taskvane {

// The one exception type of the system: a failure reported by an automation layer
// (schedule, workbook, presentation, dialogs) with the number and description that the
// callers test and show. Well-known numbers: 13 type mismatch, 429 server cannot be
// created, 432 file cannot be opened, 1004 refused by the workbook application.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(long number, std::string description)
      : std::runtime_error(description), Number(number), Description(std::move(description)) {}

  long Number;
  std::string Description;
};

inline constexpr long kErrTypeMismatch = 13;
inline constexpr long kErrOverflow = 6;
inline constexpr long kErrDivisionByZero = 11;
inline constexpr long kErrSubscript = 9;
inline constexpr long kErrCannotCreateObject = 429;
inline constexpr long kErrFileOpen = 432;
inline constexpr long kErrExcelRefused = 1004;

// Runs one statement and swallows an AutomationError it raises: the "ignore errors
// statement by statement" mode of the writers. Nothing else is swallowed.
template <class F>
void IgnoreErrors(F&& statement) {
  try {
    statement();
  } catch (const AutomationError&) {
  }
}

}  // namespace taskvane
