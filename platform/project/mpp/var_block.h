#pragma once

// VarMeta and Var2Data: the variable-length values of a binary schedule, found by the
// unique ID of their task, resource or calendar and a key.

#include <cstdint>
#include <optional>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/keyed_values.h"

namespace taskvane::project::mpp {

class VarBlock {
 public:
  VarBlock() = default;
  // Reads the entries of `meta` (a 24-byte header with the entry count at +8; entries of
  // u24 unique ID, u8 key, u32 offset in format 9, or u32 unique ID, u32 offset, u16 key,
  // u16 in the later formats). Exactly the counted entries are read, as far as the stream
  // holds them; of two entries for one (unique ID, key) the later counts. Both views must
  // outlive this object. A meta stream that is not empty and has no block signature, and
  // values that overlap (together longer than the data stream), raise AutomationError 432.
  VarBlock(ByteView meta, ByteView data, int format);

  // The value stored for (unique ID, key): the bytes after the u32 length at the entry's
  // offset. std::nullopt when there is no entry, or when its length or offset points
  // outside the data stream.
  std::optional<ByteView> Find(std::int64_t unique_id, std::uint16_t key) const;
  bool HasEntries(std::int64_t unique_id) const {
    return offsets_.HasAnyIn(Key(unique_id, 0), Key(unique_id, 0xFFFF));
  }

 private:
  static std::uint64_t Key(std::int64_t unique_id, std::uint16_t key) {
    return (static_cast<std::uint64_t>(unique_id) << 16) | key;
  }
  std::optional<ByteView> ValueAt(std::uint32_t offset) const;

  ByteView data_;
  KeyedValues<std::uint32_t, std::uint64_t> offsets_;
};

}  // namespace taskvane::project::mpp
