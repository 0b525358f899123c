#pragma once

// Reading a schedule from the bytes of a Project XML file.

#include <cstddef>
#include <string_view>

#include "platform/project/schedule_data.h"

namespace taskvane::project {

// The largest file this loader reads, and the most memory its document tree may take.
inline constexpr std::size_t kMaxScheduleFileBytes = std::size_t{400} << 20;
inline constexpr std::size_t kMaxTreeBytes = std::size_t{768} << 20;

// An upper estimate, within a factor of two, of the memory the document tree of these
// bytes would take; a document estimated above kMaxTreeBytes is refused unparsed.
std::size_t EstimatedTreeBytes(const char* buffer, std::size_t size);

// Reads the schedule held in `buffer` (the whole file; UTF-8 or UTF-16, with or without
// a byte-order mark), using the buffer as scratch space. Raises AutomationError 432
// naming `path` when the bytes are not a readable Project XML document.
ProjectData LoadMspdi(char* buffer, std::size_t size, std::string_view path);

}  // namespace taskvane::project
