#pragma once

// FixedMeta and FixedData (and their Fixed2 pair): the fixed-size records of the tasks,
// resources, assignments and calendars of a binary schedule.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/project/mpp/byte_view.h"

namespace taskvane::project::mpp {

// Meta item sizes of the FixedMeta streams.
inline constexpr std::size_t kTaskMetaItemBytes = 47;
inline constexpr std::size_t kResourceMetaItemBytes = 37;
inline constexpr std::size_t kAssignmentMetaItemBytes = 34;
inline constexpr std::size_t kCalendarMetaItemBytes = 10;

struct FixedItem {
  ByteView meta;  // the whole meta item
  ByteView data;  // the item's bytes in the data stream; may be empty
  // The low byte of the meta item's first u32: 0x02 deleted, 0x04 blank row or placeholder.
  std::uint8_t flags() const { return meta.U8(0).value_or(0); }
  // The offset of the data in its stream, as the meta item gives it.
  std::uint32_t data_offset() const { return meta.U32(4).value_or(0); }
};

// The items described by `meta` (a 16-byte header, then meta items of `meta_item_bytes`),
// their data in `data`. The number of items is what the stream holds (its header count can
// be smaller). Item i's data runs from its offset to the next item's offset, or to the end
// of the data stream for the last item and for an item whose successor starts before it;
// an offset outside the data stream gives an empty item. Both views must outlive the
// result. An empty meta stream gives no items; a meta stream without the block signature
// raises AutomationError 432.
std::vector<FixedItem> ReadFixedItems(ByteView meta, ByteView data, std::size_t meta_item_bytes);

// Whether the first `count` items are placeholders, as every task, resource and calendar
// stream has them: data that starts with the item's index as u16, then 0xFFFF.
bool StartsWithPlaceholders(const std::vector<FixedItem>& items, std::size_t count);

// The meta item size of a Fixed2Meta stream whose items run parallel to `item_count`
// FixedMeta items: what the stream holds divided by the count, as a whole number (its
// header count is not reliable); 0 when there are no items.
std::size_t ParallelMetaItemBytes(ByteView fixed2_meta, std::size_t item_count);

}  // namespace taskvane::project::mpp
