#include "platform/project/mpp/day_records.h"

#include <algorithm>
#include <cstdint>

#include "platform/project/calendar.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::uint32_t kDefaultWeekKey = 0x02401388;
constexpr std::uint16_t kDefaultFlag = 1;
constexpr int kMaxPeriods = 5;
constexpr std::uint32_t kTenthsPerDay = 14400;

}  // namespace

DayPattern ReadWorkingPeriods(ByteView record) {
  const int count = std::min<int>(record.U16(2).value_or(0), kMaxPeriods);
  DayPattern pattern;
  for (int i = 0; i < count; ++i) {
    const auto start = record.U16(8 + 2 * i);
    const auto duration = record.U32(20 + 4 * i);
    if (!start || !duration) break;
    const std::uint32_t from = *start % kTenthsPerDay;
    const std::uint32_t to = std::min(from + std::min(*duration, kTenthsPerDay), kTenthsPerDay);
    pattern.push_back({static_cast<int>(from / 10), static_cast<int>(to / 10)});
  }
  return NormalizePattern(std::move(pattern));
}

std::optional<DayPattern> ReadDayRecord(ByteView record) {
  const auto flag = record.U16(0);
  if (!flag || *flag == kDefaultFlag) return std::nullopt;
  return ReadWorkingPeriods(record);
}

DefinedWeek ReadWeekRecords(ByteView records) {
  DefinedWeek week;
  for (std::size_t d = 0; d < 7; ++d) {
    week[d] = ReadDayRecord(records.Sub(d * kDayRecordBytes, kDayRecordBytes));
  }
  return week;
}

std::array<DayPattern, 7> ProjectDefaultWeek(const PropsStream& props, int format) {
  std::array<DayPattern, 7> week = CalendarData::Standard().week;
  const std::optional<ByteView> item = props.Find(kDefaultWeekKey);
  if (!item) return week;
  // Format 9 puts a 4-byte header before the records.
  const DefinedWeek defined = ReadWeekRecords(item->Sub(format == 9 ? 4 : 0));
  for (std::size_t d = 0; d < 7; ++d) {
    if (defined[d]) week[d] = *defined[d];
  }
  return week;
}

}  // namespace taskvane::project::mpp
