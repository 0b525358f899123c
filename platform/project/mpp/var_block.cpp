#include "platform/project/mpp/var_block.h"

#include "platform/project/mpp/damaged_file.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::uint32_t kBlockSignature = 0xFADFADBA;
constexpr std::size_t kHeaderBytes = 24;

}  // namespace

VarBlock::VarBlock(ByteView meta, ByteView data, int format) : data_(data) {
  if (meta.empty()) return;
  const std::uint32_t signature = meta.U32(0).value_or(1);
  if (signature != kBlockSignature && signature != 0) ThrowDamaged("가변 블록 머리글 오류");
  const std::uint32_t count = meta.U32(8).value_or(0);
  const std::size_t entry_bytes = format == 9 ? 8 : 12;
  const std::size_t fits =
      meta.size() > kHeaderBytes ? (meta.size() - kHeaderBytes) / entry_bytes : 0;
  const std::size_t entries = count < fits ? count : fits;
  offsets_.reserve(entries);
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t at = kHeaderBytes + i * entry_bytes;
    std::int64_t unique_id = 0;
    std::uint16_t key = 0;
    std::uint32_t offset = 0;
    if (format == 9) {
      unique_id = *meta.U16(at) | (std::int64_t{*meta.U8(at + 2)} << 16);
      key = *meta.U8(at + 3);
      offset = *meta.U32(at + 4);
    } else {
      unique_id = *meta.I32(at);
      offset = *meta.U32(at + 4);
      key = *meta.U16(at + 8);
    }
    offsets_[Key(unique_id, key)] = offset;
    unique_ids_.insert(unique_id);
  }
}

std::optional<ByteView> VarBlock::Find(std::int64_t unique_id, std::uint16_t key) const {
  auto found = offsets_.find(Key(unique_id, key));
  if (found == offsets_.end()) return std::nullopt;
  const auto length = data_.U32(found->second);
  if (!length || !data_.Contains(std::size_t{found->second} + 4, *length)) return std::nullopt;
  return data_.Sub(std::size_t{found->second} + 4, *length);
}

}  // namespace taskvane::project::mpp
