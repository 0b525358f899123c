#pragma once

// The values of one task line of a binary schedule: name, outline level, percentages,
// dates, durations, work, costs, baselines and custom fields, found through the file's
// field map. The map is consulted once per file; each task then reads its values.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/project/mpp/item_blocks.h"
#include "platform/project/mpp/keyed_block.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::mpp {

class TaskFieldReader {
 public:
  // `blocks` must outlive the reader. `application_major` is the version of the
  // application that saved the file (it decides where format 14 keeps the task mode).
  TaskFieldReader(const ItemBlocks& blocks, int format, int application_major);

  // The values of the task in item `index` with unique ID `unique_id`. The summary flag,
  // the inserted-project path and the assignments are not values of the item alone and
  // are left for the caller.
  TaskData Read(std::size_t index, std::int64_t unique_id) const;

 private:
  // One field: its index, and where the map places it (nothing: look in the keyed block).
  struct Slot {
    std::uint16_t index = 0;
    std::optional<FieldLocation> location;
  };
  struct BaselineSlots {
    Slot start, finish, duration, work, cost;
    // The later formats' own baseline start, finish and duration, used when set.
    Slot own_start, own_finish, own_duration;
  };
  struct CustomSlot {
    long field_id = 0;
    bool text = false;  // else a number (costs are numbers of hundredths)
    Slot slot;
  };
  // The bytes of the values of one task.
  struct Source {
    ItemFields fields;
    KeyedBlock keyed;
  };

  Slot Place(std::uint16_t index);
  static std::optional<ByteView> Value(const Source& source, const Slot& slot);
  bool ManuallyScheduled(std::size_t index) const;
  void ReadBaselines(const Source& source, TaskData& task) const;
  void ReadCustomFields(const Source& source, TaskData& task) const;

  const ItemBlocks& blocks_;
  std::uint8_t manual_bit_ = 0;  // in byte 8 of the Fixed2Meta item; 0 = no task mode
  bool keyed_block_needed_ = false;
  Slot keyed_block_, name_, outline_level_;
  Slot percent_complete_, percent_work_complete_, physical_percent_complete_;
  Slot duration_, remaining_duration_, actual_duration_, duration_units_;
  Slot start_, finish_, manual_start_, manual_finish_, manual_duration_;
  Slot actual_start_, actual_finish_, stop_, work_, cost_, actual_cost_;
  std::array<BaselineSlots, 11> baselines_;
  std::vector<CustomSlot> custom_;  // by field identifier
};

}  // namespace taskvane::project::mpp
