#include "platform/project/mpp/calendar_reader.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/project/mpp/calendar_set.h"
#include "platform/project/mpp/day_records.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::uint32_t kCalendarNameKey = 0x0240000E;
constexpr std::string_view kStandardName = "Standard";

// The calendar block's streams, read once and kept while the set looks at them.
class CalendarBlock {
 public:
  explicit CalendarBlock(const MppFile& file)
      : fixed_meta_(file.RequireStream("TBkndCal/FixedMeta")),
        fixed_data_(file.RequireStream("TBkndCal/FixedData")),
        var_meta_(file.RequireStream("TBkndCal/VarMeta")),
        var_data_(file.RequireStream("TBkndCal/Var2Data")),
        set_({ByteView(fixed_meta_), ByteView(fixed_data_), ByteView(var_meta_),
              ByteView(var_data_)},
             file.Format(), file.Format() == 14 && file.ApplicationMajor() >= 15,
             ProjectDefaultWeek(file.ProjectProps(), file.Format())) {}
  CalendarBlock(const CalendarBlock&) = delete;
  CalendarBlock& operator=(const CalendarBlock&) = delete;

  const CalendarSet& set() const { return set_; }

 private:
  std::vector<std::uint8_t> fixed_meta_;
  std::vector<std::uint8_t> fixed_data_;
  std::vector<std::uint8_t> var_meta_;
  std::vector<std::uint8_t> var_data_;
  CalendarSet set_;
};

}  // namespace

CalendarData ReadProjectCalendar(const MppFile& file) {
  const CalendarBlock block(file);
  const CalendarSet& set = block.set();
  const std::optional<ByteView> name_item = file.ProjectProps().Find(kCalendarNameKey);
  const CalendarRecord* chosen = name_item ? set.FindBase(Text(*name_item)) : nullptr;
  if (chosen == nullptr) chosen = set.FindBase(kStandardName);
  if (chosen == nullptr) chosen = set.FirstBase();
  if (chosen == nullptr) return CalendarData::Standard();
  return set.Resolve(*chosen);
}

std::optional<CalendarData> ReadBaseCalendar(const MppFile& file, std::string_view name) {
  const CalendarBlock block(file);
  const CalendarRecord* found = block.set().FindBase(name);
  if (found == nullptr) return std::nullopt;
  return block.set().Resolve(*found);
}

}  // namespace taskvane::project::mpp
