#pragma once

// A field map of a binary schedule: for each field of one kind of item (task, resource,
// assignment), where its value is kept. Offsets and keys differ from writer to writer,
// even within one format, so every value is found through the file's own map.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/keyed_values.h"

namespace taskvane::project::mpp {

// The class part (high 16 bits) of a field identifier.
inline constexpr std::uint32_t kTaskClass = 0x0B40;
inline constexpr std::uint32_t kResourceClass = 0x0C40;
inline constexpr std::uint32_t kAssignmentClass = 0x0F40;

struct FieldLocation {
  enum class Kind { kFixed, kVar, kFlag };
  Kind kind = Kind::kVar;
  int block = 0;               // kFixed: 0 = the FixedData item, 1 = the Fixed2Data item
  std::uint16_t offset = 0;    // kFixed: offset in the item
  std::uint16_t size = 0;      // kFixed: the value's size in bytes
  std::uint16_t var_key = 0;   // kVar: key of the value in the var block
  std::uint16_t category = 0;  // how the value is stored (0x13 timestamp, 0x08 text, ...)
};

class FieldMap {
 public:
  FieldMap() = default;
  // Reads the 28-byte entries of a field map item. In format 9 a var field's key is the
  // entry's byte +6, in later formats the field index.
  FieldMap(ByteView item, int format);

  // Where the field with this class and index lives; std::nullopt for a field the map does
  // not place (absent, or var data under key 0).
  std::optional<FieldLocation> Find(std::uint32_t field_class, std::uint16_t index) const;

  // The largest offset + size over the fixed fields of `block` (0 or 1): how long a full
  // item of that block is.
  std::size_t Extent(int block) const { return block == 0 || block == 1 ? extents_[block] : 0; }

 private:
  // The fields of the map's own class (that of its first entry) by index, the others by
  // identifier; of two entries for one field the first counts.
  std::uint32_t class_ = 0;
  std::vector<std::optional<FieldLocation>> by_index_;
  KeyedValues<FieldLocation> other_classes_;
  std::array<std::size_t, 2> extents_{};
};

// The bytes of one item's field values: its FixedData item, its Fixed2Data item, and its
// entries in the var block. Reads never leave the item.
class VarBlock;
class ItemFields {
 public:
  ItemFields(const FieldMap& map, std::uint32_t field_class, ByteView block0, ByteView block1,
             const VarBlock* var, std::int64_t unique_id)
      : map_(&map),
        class_(field_class),
        blocks_{block0, block1},
        var_(var),
        unique_id_(unique_id) {}

  // The raw value of a field: a fixed field's `size` bytes when they lie wholly inside
  // the item, a var field's stored value; std::nullopt when not set or not placed.
  std::optional<ByteView> Value(std::uint16_t index) const;
  // The same for a location found in the map beforehand, so that readers of many items
  // look each field up once.
  std::optional<ByteView> Value(const FieldLocation& location) const;
  std::optional<FieldLocation> Location(std::uint16_t index) const {
    return map_->Find(class_, index);
  }

 private:
  const FieldMap* map_;
  std::uint32_t class_;
  std::array<ByteView, 2> blocks_;
  const VarBlock* var_;
  std::int64_t unique_id_;
};

}  // namespace taskvane::project::mpp
