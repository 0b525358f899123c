#include "platform/project/mpp/item_blocks.h"

#include <string>

#include "platform/project/mpp/damaged_file.h"

namespace taskvane::project::mpp {

ItemBlocks::ItemBlocks(const MppFile& file, const ItemKind& kind) : field_class_(kind.field_class) {
  const std::string storage = std::string(kind.storage) + "/";
  fixed_meta_ = file.RequireStream(storage + "FixedMeta");
  fixed_data_ = file.RequireStream(storage + "FixedData");
  if (kind.var_values) {
    var_meta_ = file.RequireStream(storage + "VarMeta");
    var_data_ = file.RequireStream(storage + "Var2Data");
  }
  if (kind.parallel_items && file.Format() != 9) {
    if (auto meta2 = file.FindStream(storage + "Fixed2Meta")) {
      fixed2_meta_ = std::move(*meta2);
      fixed2_data_ = file.FindStream(storage + "Fixed2Data").value_or(std::vector<std::uint8_t>());
    }
  }

  std::optional<ByteView> map_item = file.ProjectProps().Find(kind.field_map_key);
  if (!map_item) map_item = file.ProjectProps().Find(kind.field_map_key_2000);
  if (!map_item) ThrowDamaged(std::string(kind.name) + " 필드 맵 없음");
  map_ = FieldMap(*map_item, file.Format());

  items_ = ReadFixedItems(ByteView(fixed_meta_), ByteView(fixed_data_), kind.meta_item_bytes);
  if (!StartsWithPlaceholders(items_, kind.placeholders)) {
    ThrowDamaged(std::string(kind.name) + " 고정 데이터 오류");
  }
  const std::size_t meta2_item_bytes = ParallelMetaItemBytes(ByteView(fixed2_meta_), items_.size());
  items2_ = ReadFixedItems(ByteView(fixed2_meta_), ByteView(fixed2_data_), meta2_item_bytes);
  var_ = VarBlock(ByteView(var_meta_), ByteView(var_data_), file.Format());
}

ItemFields ItemBlocks::Fields(std::size_t index, std::int64_t unique_id) const {
  const ByteView block0 = index < items_.size() ? items_[index].data : ByteView();
  const ByteView block1 = index < items2_.size() ? items2_[index].data : ByteView();
  return ItemFields(map_, field_class_, block0, block1, &var_, unique_id);
}

}  // namespace taskvane::project::mpp
