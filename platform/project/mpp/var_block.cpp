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
  if (signature != kBlockSignature) ThrowDamaged("가변 블록 머리글 오류");
  const std::uint32_t count = meta.U32(8).value_or(0);
  const std::size_t entry_bytes = format == 9 ? 8 : 12;
  const std::size_t fits =
      meta.size() > kHeaderBytes ? (meta.size() - kHeaderBytes) / entry_bytes : 0;
  const std::size_t entries = count < fits ? count : fits;
  offsets_.reserve(entries);
  // From the last entry back, so that the later of two entries for one key counts.
  for (std::size_t i = entries; i-- > 0;) {
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
    offsets_.Add(Key(unique_id, key), offset);
  }
  offsets_.Seal();
  // Each value is its own stretch of the data stream. Values sharing bytes would let a
  // small file decode into far more text than it holds, so they count as damage.
  // Every value holds at least one byte (an empty text keeps its terminator); values of
  // no length are what a wiped data stream reads as.
  std::uint64_t total = 0;
  bool empty_value = false;
  offsets_.ForEach([&](std::uint64_t, std::uint32_t offset) {
    if (const std::optional<ByteView> value = ValueAt(offset)) {
      total += 4 + value->size();
      empty_value = empty_value || value->empty();
    }
  });
  if (total > data_.size()) ThrowDamaged("가변 블록 값이 겹침");
  if (empty_value) ThrowDamaged("가변 블록 값 길이 오류");
}

std::optional<ByteView> VarBlock::Find(std::int64_t unique_id, std::uint16_t key) const {
  const std::optional<std::uint32_t> offset = offsets_.Find(Key(unique_id, key));
  if (!offset) return std::nullopt;
  return ValueAt(*offset);
}

std::optional<ByteView> VarBlock::ValueAt(std::uint32_t offset) const {
  const auto length = data_.U32(offset);
  if (!length || !data_.Contains(std::size_t{offset} + 4, *length)) return std::nullopt;
  return data_.Sub(std::size_t{offset} + 4, *length);
}

}  // namespace taskvane::project::mpp
