#pragma once

// Reading a schedule from the bytes of a binary Project file (.mpp: Project 2000 and
// later).

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

// Reads the schedule held in `bytes` (the whole file). Raises AutomationError 432 naming
// `path` when the file is not a binary schedule this reader reads (Project 98 and older,
// other programs' files), needs a password to be opened, is encrypted or is damaged.
ProjectData LoadMpp(std::span<const std::uint8_t> bytes, std::string_view path);

}  // namespace taskvane::project::mpp
