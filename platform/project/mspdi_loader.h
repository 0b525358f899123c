#pragma once

// Reading a schedule from the bytes of a Project XML file.

#include <cstddef>
#include <string_view>

#include "platform/project/schedule_data.h"

namespace taskvane::project {

// The largest file this loader reads. The file is held whole while it is read: 512 MB
// holds some 170,000 tasks as Project writes them (100,000 take 298 MB), and keeps the
// memory of any document that reaches the limits below under 1 GB.
inline constexpr std::size_t kMaxScheduleFileBytes = std::size_t{512} << 20;

// What reading a document may cost; a document that needs more is refused. Measured on a
// schedule Project saved, grown to 100,000 tasks (298 MB, 8.4 million elements): the
// parser needs 0.2 MB, and what is kept of the schedule counts 82 MB.
struct MspdiLimits {
  // The parser's own memory (open elements, each distinct element name, the token being
  // read) and the texts being gathered. An open element takes about 125 bytes and a
  // distinct name about 80: 64 MB admits half a million levels of nesting, 800,000
  // names, or a tag or comment of some 30 MB.
  std::size_t parser_bytes;
  // What is kept of the schedule while it is read: tasks with their texts, baselines,
  // fields and assignments, resources, the calendars, the task being read. Schedules
  // count 0.27 (the grown one) to 0.49 (project_open_bench's, which leaves out what is
  // never read) bytes per byte of file, so 256 MB holds any of them at the largest file.
  std::size_t kept_bytes;
  // Elements: Project writes 34 to 45 bytes per element. A document with far more for
  // its size is a flood of empty elements, which takes the parser 2.5 times as long per
  // byte: beyond `free_elements`, one element per `bytes_per_element` bytes read so far
  // is allowed.
  std::size_t free_elements;
  std::size_t bytes_per_element;
};

inline constexpr MspdiLimits kMspdiLimits{std::size_t{64} << 20, std::size_t{256} << 20, 1000000,
                                          8};

// Reads the schedule held in `buffer` (the whole file; UTF-8 or UTF-16, with or without
// a byte-order mark) as it streams through the parser, keeping only what the schedule
// holds; the buffer is left as it is. Raises AutomationError 432 naming `path` when the
// bytes are not a readable Project XML document or need more than kMspdiLimits.
ProjectData LoadMspdi(char* buffer, std::size_t size, std::string_view path);

// The same within other limits.
ProjectData LoadMspdi(const char* buffer, std::size_t size, std::string_view path,
                      const MspdiLimits& limits);

}  // namespace taskvane::project
