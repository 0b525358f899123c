#pragma once

// Inserted projects of a binary schedule: which task line stands for another schedule
// file, and that file's path, from the list of linked files in the project's Props.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/project/mpp/byte_view.h"

namespace taskvane::project::mpp {

// The project Props key of the list of linked files.
inline constexpr std::uint32_t kLinkedFilesKey = 0x024000A2;

struct InsertedProject {
  std::int64_t task_unique_id = 0;
  std::string path;  // as Project keeps it, e.g. "C:\plans\part-a.mpp"
};

// The inserted projects listed in `item` (the Props value under kLinkedFilesKey). Links
// that are not inserted projects, and entries that point outside the item, are skipped.
std::vector<InsertedProject> ReadInsertedProjects(ByteView item, int format);

}  // namespace taskvane::project::mpp
