#include "platform/project/mpp/work_weeks.h"

#include <optional>

#include "platform/project/mpp/day_records.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kAreaHeaderBytes = 4;
// Seven day records, two days, 8 bytes and the name length.
constexpr std::size_t kWorkWeekBytes = kWeekRecordBytes + 2 + 2 + 8 + 4;

}  // namespace

std::vector<WorkWeek> ReadWorkWeeks(ByteView area, std::size_t max_weeks) {
  std::vector<WorkWeek> weeks;
  std::size_t at = kAreaHeaderBytes;
  while (area.Contains(at, kWorkWeekBytes)) {
    const ByteView record = area.Sub(at);
    const std::size_t name_bytes =
        (std::size_t{record.U32(kWorkWeekBytes - 4).value_or(0)} + 3) & ~std::size_t{3};
    if (!record.Contains(kWorkWeekBytes, name_bytes)) return {};
    const std::optional<DaySerial> first = DayNumber(record.Sub(kWeekRecordBytes));
    const std::optional<DaySerial> last = DayNumber(record.Sub(kWeekRecordBytes + 2));
    if (first && last && *first <= *last && weeks.size() < max_weeks) {
      weeks.push_back({*first, *last, ReadWeekRecords(record)});
    }
    at += kWorkWeekBytes + name_bytes;
  }
  if (at != area.size()) return {};
  return weeks;
}

}  // namespace taskvane::project::mpp
