#include "platform/project/mpp/calendar_records.h"

#include <unordered_set>

#include "platform/project/mpp/fixed_block.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kRecordBytes = 12;
constexpr std::uint8_t kPlaceholderFlag = 0x04;
// Items may overlap, so a hostile block could make every item run to the end of the data;
// the records read in all are capped well above what a real schedule holds.
constexpr std::size_t kMaxRecordsRead = std::size_t{1} << 20;

}  // namespace

std::vector<CalendarRecord> ReadCalendarRecords(ByteView meta, ByteView data, bool unique_id_last) {
  std::vector<CalendarRecord> records;
  std::unordered_set<std::int32_t> seen;
  std::size_t budget = kMaxRecordsRead;
  for (const FixedItem& item : ReadFixedItems(meta, data, kCalendarMetaItemBytes)) {
    if (item.flags() & kPlaceholderFlag) continue;
    for (std::size_t at = 0; budget > 0 && item.data.Contains(at, kRecordBytes);
         at += kRecordBytes, --budget) {
      const std::int32_t a = *item.data.I32(at);
      const std::int32_t b = *item.data.I32(at + 4);
      const std::int32_t c = *item.data.I32(at + 8);
      const CalendarRecord record =
          unique_id_last ? CalendarRecord{c, a, b} : CalendarRecord{a, b, c};
      if (record.unique_id <= 0 || !seen.insert(record.unique_id).second) continue;
      records.push_back(record);
    }
  }
  return records;
}

}  // namespace taskvane::project::mpp
