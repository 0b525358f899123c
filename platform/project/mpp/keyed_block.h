#pragma once

// The keyed block of a task in format 9: one var value holding the fields that format's
// field map has no entry for (Baseline1..10, physical percent complete), each found by its
// full field identifier.

#include <cstdint>
#include <optional>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/keyed_values.h"

namespace taskvane::project::mpp {

class KeyedBlock {
 public:
  KeyedBlock() = default;
  // Reads `item` (which must outlive this object): u32 length, u32 count, then count pairs
  // of u32 field identifier and u32 offset of its value in the item. A value runs from its
  // offset to the next larger offset, the last one to the item's end. Pairs whose offset
  // lies outside the item are left out; the first pair of an identifier counts.
  explicit KeyedBlock(ByteView item);

  std::optional<ByteView> Find(std::uint32_t field_id) const { return values_.Find(field_id); }
  bool empty() const { return values_.empty(); }

 private:
  KeyedValues<ByteView> values_;
};

}  // namespace taskvane::project::mpp
