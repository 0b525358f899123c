#include "platform/project/mpp/task_fields.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "platform/project/mpp/mpp_values.h"
#include "platform/project/task_lines.h"

namespace taskvane::project::mpp {
namespace {

// Task field indexes: the low 16 bits of the field identifiers.
enum : std::uint16_t {
  kWork = 0,
  kBaselineWork = 1,
  kCost = 5,
  kBaselineCost = 6,
  kActualCost = 7,
  kName = 14,
  kBaselineDuration = 27,
  kActualDuration = 28,
  kDuration = 29,
  kRemainingDuration = 31,
  kPercentComplete = 32,
  kPercentWorkComplete = 33,
  kStart = 35,
  kFinish = 36,
  kActualStart = 41,
  kActualFinish = 42,
  kBaselineStart = 43,
  kBaselineFinish = 44,
  kStop = 100,
  kDurationUnits = 181,
  kOutlineLevel = 249,
  kKeyedBlock = 481,
  kPhysicalPercentComplete = 1119,
  kManualStart = 1283,
  kManualFinish = 1284,
  kManualDuration = 1288,
  kOwnBaselineStart = 1299,  // then finish and duration; Baseline1..10 follow in threes
};

// Baseline1..10 keep start, finish, cost, work and duration at these indexes + 0, 1, 2,
// 3 and 5.
constexpr std::array<std::uint16_t, 10> kNumberedBaselines{482, 493, 504, 515, 526,
                                                           544, 555, 566, 577, 588};

constexpr std::array<std::uint16_t, 30> kTextFields{
    51,  54,  57,  60,  63,  66,  67,  68,  69,  70,  317, 318, 319, 320, 321,
    322, 323, 324, 325, 326, 327, 328, 329, 330, 331, 332, 333, 334, 335, 336};
constexpr std::array<std::uint16_t, 20> kNumberFields{
    87, 88, 89, 90, 91, 302, 303, 304, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 316};
constexpr std::array<std::uint16_t, 10> kCostFields{106, 107, 108, 258, 259,
                                                    260, 261, 262, 263, 264};

constexpr std::uint8_t kEstimatedBit = 0x20;

long FieldId(std::uint16_t index) {
  return static_cast<long>((kTaskClass << 16) | index);
}

// A number as the shortest decimal text that reads back as the same number.
std::string DecimalText(double value) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::optional<DateTime> DateOf(std::optional<ByteView> bytes) {
  return bytes ? Timestamp(*bytes) : std::nullopt;
}

std::optional<double> DurationOf(std::optional<ByteView> bytes) {
  return bytes ? DurationMinutes(*bytes) : std::nullopt;
}

double Minutes(std::optional<double> minutes) {
  return BelievableMinutes(minutes.value_or(0));
}

double WorkOf(std::optional<ByteView> bytes) {
  return bytes ? Minutes(WorkMinutes(*bytes)) : 0;
}

double AmountOf(std::optional<ByteView> bytes) {
  return bytes ? BelievableAmount(Currency(*bytes).value_or(0)) : 0;
}

int PercentOf(std::optional<ByteView> bytes) {
  return bytes ? Percent(*bytes).value_or(0) : 0;
}

}  // namespace

TaskFieldReader::TaskFieldReader(const ItemBlocks& blocks, int format, int application_major)
    : blocks_(blocks) {
  // Format 14 keeps the task mode in the Fixed2 meta item; Project 2010 and its
  // successors use different bits of the same byte.
  if (format == 14) manual_bit_ = application_major <= 14 ? 0x08 : 0x80;
  keyed_block_ = Place(kKeyedBlock);
  name_ = Place(kName);
  outline_level_ = Place(kOutlineLevel);
  percent_complete_ = Place(kPercentComplete);
  percent_work_complete_ = Place(kPercentWorkComplete);
  physical_percent_complete_ = Place(kPhysicalPercentComplete);
  duration_ = Place(kDuration);
  remaining_duration_ = Place(kRemainingDuration);
  actual_duration_ = Place(kActualDuration);
  duration_units_ = Place(kDurationUnits);
  start_ = Place(kStart);
  finish_ = Place(kFinish);
  manual_start_ = Place(kManualStart);
  manual_finish_ = Place(kManualFinish);
  manual_duration_ = Place(kManualDuration);
  actual_start_ = Place(kActualStart);
  actual_finish_ = Place(kActualFinish);
  stop_ = Place(kStop);
  work_ = Place(kWork);
  cost_ = Place(kCost);
  actual_cost_ = Place(kActualCost);

  baselines_[0] = {Place(kBaselineStart),        Place(kBaselineFinish),
                   Place(kBaselineDuration),     Place(kBaselineWork),
                   Place(kBaselineCost),         Place(kOwnBaselineStart),
                   Place(kOwnBaselineStart + 1), Place(kOwnBaselineStart + 2)};
  for (std::size_t n = 1; n <= 10; ++n) {
    const std::uint16_t base = kNumberedBaselines[n - 1];
    const auto own = static_cast<std::uint16_t>(kOwnBaselineStart + 3 * n);
    baselines_[n] = {Place(base),     Place(base + 1), Place(base + 5), Place(base + 3),
                     Place(base + 2), Place(own),      Place(own + 1),  Place(own + 2)};
  }

  for (std::uint16_t index : kTextFields) custom_.push_back({FieldId(index), true, Place(index)});
  for (std::uint16_t index : kNumberFields)
    custom_.push_back({FieldId(index), false, Place(index)});
  for (std::uint16_t index : kCostFields) custom_.push_back({FieldId(index), false, Place(index)});
  std::sort(custom_.begin(), custom_.end(),
            [](const CustomSlot& a, const CustomSlot& b) { return a.field_id < b.field_id; });
}

TaskFieldReader::Slot TaskFieldReader::Place(std::uint16_t index) {
  Slot slot{index, blocks_.map().Find(kTaskClass, index)};
  // A field the map does not place may be in the keyed block.
  if (!slot.location && index != kKeyedBlock) keyed_block_needed_ = true;
  return slot;
}

std::optional<ByteView> TaskFieldReader::Value(const Source& source, const Slot& slot) {
  if (slot.location) return source.fields.Value(*slot.location);
  return source.keyed.Find(static_cast<std::uint32_t>(FieldId(slot.index)));
}

bool TaskFieldReader::ManuallyScheduled(std::size_t index) const {
  if (manual_bit_ == 0 || index >= blocks_.items2().size()) return false;
  return (blocks_.items2()[index].meta.U8(8).value_or(0) & manual_bit_) != 0;
}

TaskData TaskFieldReader::Read(std::size_t index, std::int64_t unique_id) const {
  Source source{blocks_.Fields(index, unique_id), KeyedBlock()};
  if (keyed_block_needed_ && keyed_block_.location) {
    if (auto keyed = source.fields.Value(*keyed_block_.location)) source.keyed = KeyedBlock(*keyed);
  }
  auto value = [&](const Slot& slot) { return Value(source, slot); };

  TaskData task;
  if (auto name = value(name_)) task.name = Text(*name);
  if (auto level = value(outline_level_); level && level->U16(0))
    task.outline_level = *level->U16(0);
  task.percent_complete = PercentOf(value(percent_complete_));
  task.percent_work_complete = PercentOf(value(percent_work_complete_));
  task.physical_percent_complete = PercentOf(value(physical_percent_complete_));

  std::optional<DateTime> start = DateOf(value(start_));
  std::optional<DateTime> finish = DateOf(value(finish_));
  std::optional<double> duration = DurationOf(value(duration_));
  // A manually scheduled task shows what was typed for it where that is set; the other
  // values are what scheduling computed.
  if (ManuallyScheduled(index)) {
    if (auto manual = DateOf(value(manual_start_))) start = manual;
    if (auto manual = DateOf(value(manual_finish_))) finish = manual;
    if (auto manual = DurationOf(value(manual_duration_))) duration = manual;
  }
  task.start = start;
  task.finish = finish;
  task.duration = Minutes(duration);
  const std::optional<double> remaining = DurationOf(value(remaining_duration_));
  task.remaining_duration =
      remaining ? Minutes(remaining) : task.duration * (100 - task.percent_complete) / 100.0;
  task.actual_duration = Minutes(DurationOf(value(actual_duration_)));
  if (auto units = value(duration_units_)) {
    task.estimated = (units->U16(0).value_or(0) & kEstimatedBit) != 0;
  }
  task.actual_start = DateOf(value(actual_start_));
  task.actual_finish = DateOf(value(actual_finish_));
  task.stop = DateOf(value(stop_));
  task.work = WorkOf(value(work_));
  task.cost = AmountOf(value(cost_));
  task.actual_cost = AmountOf(value(actual_cost_));
  ReadBaselines(source, task);
  ReadCustomFields(source, task);
  return task;
}

void TaskFieldReader::ReadBaselines(const Source& source, TaskData& task) const {
  for (std::size_t n = 0; n < baselines_.size(); ++n) {
    const BaselineSlots& slots = baselines_[n];
    BaselineData baseline;
    baseline.number = static_cast<int>(n);
    baseline.start = DateOf(Value(source, slots.own_start));
    if (!baseline.start) baseline.start = DateOf(Value(source, slots.start));
    baseline.finish = DateOf(Value(source, slots.own_finish));
    if (!baseline.finish) baseline.finish = DateOf(Value(source, slots.finish));
    std::optional<double> duration = DurationOf(Value(source, slots.own_duration));
    if (!duration) duration = DurationOf(Value(source, slots.duration));
    baseline.duration = Minutes(duration);
    baseline.work = WorkOf(Value(source, slots.work));
    baseline.cost = AmountOf(Value(source, slots.cost));
    // A baseline that was never saved holds no date and no amount.
    if (baseline.start || baseline.finish || baseline.duration != 0 || baseline.work != 0 ||
        baseline.cost != 0) {
      task.baselines.push_back(baseline);
    }
  }
}

void TaskFieldReader::ReadCustomFields(const Source& source, TaskData& task) const {
  for (const CustomSlot& custom : custom_) {
    const std::optional<ByteView> bytes = Value(source, custom.slot);
    if (!bytes) continue;  // a custom field has a value only once it is set
    if (custom.text) {
      task.custom_fields.push_back({custom.field_id, Text(*bytes)});
    } else if (const std::optional<double> number = Number(*bytes)) {
      // Costs stay in hundredths, as the XML format writes them.
      task.custom_fields.push_back({custom.field_id, DecimalText(*number)});
    }
  }
}

}  // namespace taskvane::project::mpp
