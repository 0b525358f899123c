#pragma once

// Damage found inside a binary schedule. The decoders raise it without the file's path;
// the loader adds the path before it reaches the caller. `detail` is a short noun phrase
// ("작업 VarMeta 스트림 없음").

#include <string>

#include "platform/runtime/automation_error.h"

namespace taskvane::project::mpp {

[[noreturn]] inline void ThrowDamaged(std::string detail) {
  throw AutomationError(kErrFileOpen, "파일이 손상되었습니다. (" + detail + ")");
}

}  // namespace taskvane::project::mpp
