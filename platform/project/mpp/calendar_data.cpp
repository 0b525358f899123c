#include "platform/project/mpp/calendar_data.h"

#include "platform/project/mpp/damaged_file.h"
#include "platform/project/mpp/day_records.h"
#include "platform/project/mpp/exceptions.h"
#include "platform/project/mpp/work_weeks.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kMpp9HeaderBytes = 4;

}  // namespace

CalendarLayer ReadCalendarData(ByteView item, int format) {
  const std::size_t week_at = format == 9 ? kMpp9HeaderBytes : 0;
  if (!item.Contains(week_at, kWeekRecordBytes)) ThrowDamaged("달력 데이터 길이 오류");
  CalendarLayer calendar;
  calendar.week = ReadWeekRecords(item.Sub(week_at, kWeekRecordBytes));
  const ByteView rest = item.Sub(week_at + kWeekRecordBytes);
  if (format == 9) {
    const std::vector<ExceptionRecord> records = ReadMpp9Exceptions(rest, *item.U16(0));
    calendar.exceptions = ResolveExceptions(records, kMaxExceptionDays);
    return calendar;
  }
  const ExceptionList list = ReadExceptionList(rest);
  calendar.exceptions = ResolveExceptions(list.records, kMaxExceptionDays);
  calendar.work_weeks = ReadWorkWeeks(rest.Sub(list.end), kMaxWorkWeeks);
  return calendar;
}

}  // namespace taskvane::project::mpp
