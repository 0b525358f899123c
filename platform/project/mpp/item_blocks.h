#pragma once

// The streams of one kind of item (tasks, resources or assignments) in a binary schedule,
// read once and kept together: the fixed items, the parallel Fixed2 items where the
// format has them, the var block and the field map that says where each field lives.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/project/mpp/field_map.h"
#include "platform/project/mpp/fixed_block.h"
#include "platform/project/mpp/mpp_file.h"
#include "platform/project/mpp/var_block.h"

namespace taskvane::project::mpp {

struct ItemKind {
  std::string_view storage;          // "TBkndTask"
  std::uint32_t field_class;         // kTaskClass
  std::size_t meta_item_bytes;       // kTaskMetaItemBytes
  std::uint32_t field_map_key;       // project Props key of the field map
  std::uint32_t field_map_key_2000;  // the key Project 2000 files use instead
  bool parallel_items;               // whether the Fixed2 items are needed
  bool var_values;                   // whether the var block is needed
  std::size_t placeholders;          // items the data stream starts with that hold nothing
  std::string_view name;             // "작업", for damage messages
};

inline constexpr ItemKind kTaskKind{
    "TBkndTask", kTaskClass, kTaskMetaItemBytes, 0x00020014, 0x03000014, true, true, 3, "작업"};
inline constexpr ItemKind kResourceKind{
    "TBkndRsc", kResourceClass, kResourceMetaItemBytes, 0x00020015, 0x03000015, false, true,
    3,          "리소스"};
// Assignments are read from their fixed records alone.
inline constexpr ItemKind kAssignmentKind{"TBkndAssn",
                                          kAssignmentClass,
                                          kAssignmentMetaItemBytes,
                                          0x00020017,
                                          0x03000017,
                                          false,
                                          false,
                                          0,
                                          "할당"};

class ItemBlocks {
 public:
  // Reads the streams `kind` needs from `file`. FixedMeta, FixedData, the field map and,
  // when needed, VarMeta and Var2Data must exist, and the data must start with its
  // placeholders (else AutomationError 432, damaged file); the Fixed2 pair is read when
  // needed and the file has it.
  ItemBlocks(const MppFile& file, const ItemKind& kind);
  ItemBlocks(const ItemBlocks&) = delete;
  ItemBlocks& operator=(const ItemBlocks&) = delete;

  const FieldMap& map() const { return map_; }
  const std::vector<FixedItem>& items() const { return items_; }
  // Items parallel to items(): the same index describes the same task; may be empty.
  const std::vector<FixedItem>& items2() const { return items2_; }
  const VarBlock& var() const { return var_; }
  // The whole FixedData stream, for records found by their offset alone.
  ByteView fixed_data() const { return ByteView(fixed_data_); }

  // The field values of item `index` whose unique ID is `unique_id`.
  ItemFields Fields(std::size_t index, std::int64_t unique_id) const;

 private:
  std::uint32_t field_class_;
  std::vector<std::uint8_t> fixed_meta_, fixed_data_, fixed2_meta_, fixed2_data_;
  std::vector<std::uint8_t> var_meta_, var_data_;
  FieldMap map_;
  std::vector<FixedItem> items_, items2_;
  VarBlock var_;
};

}  // namespace taskvane::project::mpp
