#include "platform/project/mpp/calendar_set.h"

#include <algorithm>
#include <optional>

#include "platform/project/calendar.h"
#include "platform/project/mpp/calendar_data.h"
#include "platform/project/mpp/damaged_file.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

// Keys of the calendar block's var data.
constexpr std::uint16_t kNameKey = 1;
constexpr std::uint16_t kMpp9DataKey = 3;
constexpr std::uint16_t kDataKey = 8;

constexpr std::size_t kMaxBaseDepth = 16;

}  // namespace

CalendarSet::CalendarSet(const CalendarStreams& streams, int format, bool unique_id_last,
                         const std::array<DayPattern, 7>& default_week)
    : format_(format),
      records_(ReadCalendarRecords(streams.fixed_meta, streams.fixed_data, unique_id_last)),
      var_(streams.var_meta, streams.var_data, format),
      default_week_(default_week) {
  if (records_.empty()) ThrowDamaged("달력 목록 없음");
}

const CalendarRecord* CalendarSet::FindBase(std::string_view name) const {
  for (const CalendarRecord& record : records_) {
    if (record.IsBase() && NameOf(record) == name) return &record;
  }
  return nullptr;
}

const CalendarRecord* CalendarSet::FirstBase() const {
  auto found = std::find_if(records_.begin(), records_.end(),
                            [](const CalendarRecord& record) { return record.IsBase(); });
  return found == records_.end() ? nullptr : &*found;
}

const CalendarRecord* CalendarSet::Find(std::int32_t unique_id) const {
  auto found = std::find_if(records_.begin(), records_.end(), [&](const CalendarRecord& record) {
    return record.unique_id == unique_id;
  });
  return found == records_.end() ? nullptr : &*found;
}

std::string CalendarSet::NameOf(const CalendarRecord& calendar) const {
  const std::optional<ByteView> name = var_.Find(calendar.unique_id, kNameKey);
  return name ? Text(*name) : std::string();
}

CalendarData CalendarSet::Resolve(const CalendarRecord& calendar) const {
  std::vector<const CalendarRecord*> chain{&calendar};
  while (chain.size() < kMaxBaseDepth && !chain.back()->IsBase()) {
    const CalendarRecord* base = Find(chain.back()->base_id);
    if (base == nullptr || std::find(chain.begin(), chain.end(), base) != chain.end()) break;
    chain.push_back(base);
  }
  // From the deepest base up, each calendar overrides what it defines.
  CalendarData result;
  result.week = default_week_;
  const std::uint16_t data_key = format_ == 9 ? kMpp9DataKey : kDataKey;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const std::optional<ByteView> item = var_.Find((*it)->unique_id, data_key);
    // A calendar without data leaves every weekday at default and has no exceptions.
    if (item) OverlayCalendar(result, ReadCalendarData(*item, format_), kMaxWorkWeeks);
  }
  return result;
}

}  // namespace taskvane::project::mpp
