#include "platform/project/mpp/exceptions.h"

#include <algorithm>
#include <optional>

#include "platform/project/mpp/day_records.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kListHeaderBytes = 4;

// The record's first and last day as a plain range; std::nullopt when either is not set or
// the last comes before the first.
std::optional<Recurrence> PlainRange(ByteView record) {
  const std::optional<DaySerial> first = DayNumber(record);
  const std::optional<DaySerial> last = DayNumber(record.Sub(2));
  if (!first || !last || *last < *first) return std::nullopt;
  Recurrence range;
  range.type = Recurrence::kDaily;
  range.first_day = *first;
  range.last_day = *last;
  range.occurrences = static_cast<int>(*last - *first + 1);
  return range;
}

// The pattern fields at +76..+79 of a record of formats 12 and 14, by type. A month or a
// kind of day outside the known ones makes the record a plain range.
void ReadPattern(ByteView record, Recurrence& r) {
  const int b76 = record.U8(76).value_or(0);
  const int b77 = record.U8(77).value_or(0);
  const int b78 = record.U8(78).value_or(0);
  const int u78 = record.U16(78).value_or(1);
  switch (r.type) {
    case Recurrence::kEveryNDays:
      r.period = record.U16(76).value_or(1);
      break;
    case Recurrence::kWeekly:
      r.days_of_week = b76 & 0x7F;  // the byte after the mask holds leftovers
      r.period = u78;
      break;
    case Recurrence::kMonthlyByDay:
      r.month_day = b76;
      r.period = u78;
      break;
    case Recurrence::kMonthlyByPosition:
      r.month_position = b76;
      r.month_item = b77;
      r.period = u78;
      break;
    case Recurrence::kYearlyByDay:
      r.month = b76;
      r.month_day = b77;
      break;
    case Recurrence::kYearlyByPosition:
      r.month = b76;
      r.month_position = b77;
      r.month_item = b78;
      break;
    default:
      break;
  }
  if (r.month > 11 || r.month_item > 9) r.type = 0;
}

}  // namespace

std::vector<ExceptionRecord> ReadMpp9Exceptions(ByteView records, std::size_t count) {
  std::vector<ExceptionRecord> exceptions;
  for (std::size_t i = 0;
       i < count && records.Contains(i * kMpp9ExceptionBytes, kMpp9ExceptionBytes); ++i) {
    const ByteView record = records.Sub(i * kMpp9ExceptionBytes, kMpp9ExceptionBytes);
    std::optional<Recurrence> range = PlainRange(record);
    if (!range) continue;
    exceptions.push_back({*range, ReadWorkingPeriods(record.Sub(4, kDayRecordBytes))});
  }
  return exceptions;
}

ExceptionList ReadExceptionList(ByteView area) {
  ExceptionList list;
  const std::size_t count = area.U16(0).value_or(0);
  std::size_t at = kListHeaderBytes;
  for (std::size_t i = 0; i < count && area.Contains(at, kExceptionBytes); ++i) {
    const ByteView record = area.Sub(at, kExceptionBytes);
    const std::size_t name_bytes = (std::size_t{record.U32(88).value_or(0)} + 3) & ~std::size_t{3};
    if (std::optional<Recurrence> r = PlainRange(record)) {
      r->type = record.U16(72).value_or(Recurrence::kDaily);
      r->occurrences = record.U16(4).value_or(0);
      ReadPattern(record, *r);
      list.records.push_back({*r, ReadWorkingPeriods(record.Sub(12, kDayRecordBytes))});
    }
    if (!area.Contains(at + kExceptionBytes, name_bytes)) {
      at = area.size();  // the name runs past the end: nothing readable follows
      break;
    }
    at += kExceptionBytes + name_bytes;
  }
  list.end = std::min(at, area.size());
  return list;
}

}  // namespace taskvane::project::mpp
