#include "platform/project/mpp/field_map.h"

#include <algorithm>

#include "platform/project/mpp/var_block.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kEntryBytes = 28;
constexpr std::uint16_t kNotFixed = 0xFFFF;

bool IsFlagCategory(std::uint16_t category) {
  return category == 0x0B || category == 0x64;
}

}  // namespace

FieldMap::FieldMap(ByteView item, int format) {
  class_ = item.U32(12).value_or(0) >> 16;
  int block = 0;
  std::uint16_t previous_offset = 0;
  for (std::size_t at = 0; item.Contains(at, kEntryBytes); at += kEntryBytes) {
    const ByteView entry = item.Sub(at, kEntryBytes);
    const std::uint16_t offset = *entry.U16(4);
    const std::uint32_t field_id = *entry.U32(12);
    FieldLocation location;
    location.category = *entry.U16(20);
    location.size = *entry.U16(22);
    if (IsFlagCategory(location.category)) {
      location.kind = FieldLocation::Kind::kFlag;
    } else if (offset != kNotFixed) {
      // Fixed fields come in two runs; the first offset smaller than its predecessor's
      // starts the Fixed2Data block.
      if (offset < previous_offset && block == 0) block = 1;
      previous_offset = offset;
      location.kind = FieldLocation::Kind::kFixed;
      location.block = block;
      location.offset = offset;
      extents_[block] = std::max<std::size_t>(extents_[block], std::size_t{offset} + location.size);
    } else {
      location.kind = FieldLocation::Kind::kVar;
      location.var_key = format == 9 ? *entry.U8(6) : static_cast<std::uint16_t>(field_id & 0xFFFF);
      if (location.var_key == 0) continue;
    }
    const std::uint16_t index = field_id & 0xFFFF;
    if ((field_id >> 16) != class_) {
      other_classes_.Add(field_id, location);
    } else {
      if (index >= by_index_.size()) by_index_.resize(std::size_t{index} + 1);
      if (!by_index_[index]) by_index_[index] = location;
    }
  }
  other_classes_.Seal();
}

std::optional<FieldLocation> FieldMap::Find(std::uint32_t field_class, std::uint16_t index) const {
  if (field_class == class_) {
    return index < by_index_.size() ? by_index_[index] : std::nullopt;
  }
  return other_classes_.Find((field_class << 16) | index);
}

std::optional<ByteView> ItemFields::Value(std::uint16_t index) const {
  const std::optional<FieldLocation> location = map_->Find(class_, index);
  if (!location) return std::nullopt;
  return Value(*location);
}

std::optional<ByteView> ItemFields::Value(const FieldLocation& location) const {
  switch (location.kind) {
    case FieldLocation::Kind::kFixed: {
      const ByteView& block = blocks_[location.block];
      if (!block.Contains(location.offset, location.size)) return std::nullopt;
      return block.Sub(location.offset, location.size);
    }
    case FieldLocation::Kind::kVar:
      if (var_ == nullptr) return std::nullopt;
      return var_->Find(unique_id_, location.var_key);
    case FieldLocation::Kind::kFlag:
      break;
  }
  return std::nullopt;
}

}  // namespace taskvane::project::mpp
