#include "platform/project/mpp/fixed_block.h"

#include <algorithm>

#include "platform/project/mpp/damaged_file.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::uint32_t kBlockSignature = 0xFADFADBA;
constexpr std::size_t kHeaderBytes = 16;

}  // namespace

std::vector<FixedItem> ReadFixedItems(ByteView meta, ByteView data, std::size_t meta_item_bytes) {
  std::vector<FixedItem> items;
  if (meta.empty() || meta_item_bytes == 0) return items;
  if (meta.U32(0) != kBlockSignature) ThrowDamaged("고정 블록 머리글 오류");
  const std::size_t count = (meta.size() - std::min(meta.size(), kHeaderBytes)) / meta_item_bytes;
  items.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    FixedItem item;
    item.meta = meta.Sub(kHeaderBytes + i * meta_item_bytes, meta_item_bytes);
    items.push_back(item);
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t start = items[i].data_offset();
    std::size_t end = data.size();
    if (i + 1 < count) {
      const std::size_t next = items[i + 1].data_offset();
      if (next >= start && next <= data.size()) end = next;
    }
    if (start < end) items[i].data = data.Sub(start, end - start);
  }
  return items;
}

bool StartsWithPlaceholders(const std::vector<FixedItem>& items, std::size_t count) {
  if (items.size() < count) return false;
  for (std::size_t i = 0; i < count; ++i) {
    if (items[i].data.U16(0) != i || items[i].data.U16(2) != 0xFFFF) return false;
  }
  return true;
}

std::size_t ParallelMetaItemBytes(ByteView fixed2_meta, std::size_t item_count) {
  if (item_count == 0 || fixed2_meta.size() <= kHeaderBytes) return 0;
  const std::size_t body = fixed2_meta.size() - kHeaderBytes;
  return body / item_count;
}

}  // namespace taskvane::project::mpp
