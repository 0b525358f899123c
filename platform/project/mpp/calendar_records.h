#pragma once

// The list of calendars of a binary schedule: one record per calendar in the calendar
// block's fixed data, giving its unique ID, its base calendar and the resource it belongs to.

#include <cstdint>
#include <vector>

#include "platform/project/mpp/byte_view.h"

namespace taskvane::project::mpp {

struct CalendarRecord {
  std::int32_t unique_id = 0;
  std::int32_t base_id = 0;  // 0 or less: none
  std::int32_t resource_id = 0;
  // A base calendar has no base (files write -1 or 0, rarely its own ID).
  bool IsBase() const { return base_id <= 0 || base_id == unique_id; }
};

// The records of the calendar block (FixedMeta `meta`, FixedData `data`): every whole
// 12-byte record of every item that is not a placeholder, in order, the first of each unique
// ID, records without a positive unique ID left out. The fields are three i32: unique ID,
// base, resource; or base, resource, unique ID when `unique_id_last` (format 14 as written
// by Project 2013 and later).
std::vector<CalendarRecord> ReadCalendarRecords(ByteView meta, ByteView data, bool unique_id_last);

}  // namespace taskvane::project::mpp
