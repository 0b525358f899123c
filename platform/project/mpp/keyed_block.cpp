#include "platform/project/mpp/keyed_block.h"

#include <algorithm>
#include <vector>

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kHeaderBytes = 8;
constexpr std::size_t kPairBytes = 8;

struct Pair {
  std::uint32_t field_id;
  std::uint32_t offset;
};

}  // namespace

KeyedBlock::KeyedBlock(ByteView item) {
  const std::size_t stored = item.U32(4).value_or(0);
  const std::size_t fits = (item.size() - std::min(item.size(), kHeaderBytes)) / kPairBytes;
  const std::size_t count = std::min(stored, fits);
  std::vector<Pair> pairs;
  pairs.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kHeaderBytes + i * kPairBytes;
    const Pair pair{*item.U32(at), *item.U32(at + 4)};
    if (pair.offset < item.size()) pairs.push_back(pair);
  }
  // A value ends where the next larger offset begins, the last ones at the item's end.
  std::vector<std::uint32_t> offsets(pairs.size());
  std::transform(pairs.begin(), pairs.end(), offsets.begin(),
                 [](const Pair& p) { return p.offset; });
  std::sort(offsets.begin(), offsets.end());
  values_.reserve(pairs.size());
  for (const Pair& pair : pairs) {
    auto next = std::upper_bound(offsets.begin(), offsets.end(), pair.offset);
    const std::size_t end = next == offsets.end() ? item.size() : *next;
    values_.Add(pair.field_id, item.Sub(pair.offset, end - pair.offset));
  }
  values_.Seal();
}

}  // namespace taskvane::project::mpp
