#pragma once

// The errors of opening a schedule file: AutomationError 432 naming the file and the
// reason.

#include <string>
#include <string_view>

#include "platform/runtime/automation_error.h"

namespace taskvane::project {

// "'<path>' 파일을 열 수 없습니다. <reason>"
inline AutomationError FileOpenError(std::string_view path, std::string_view reason) {
  std::string description = "'";
  description.append(path).append("' 파일을 열 수 없습니다. ").append(reason);
  return AutomationError(kErrFileOpen, std::move(description));
}

}  // namespace taskvane::project
