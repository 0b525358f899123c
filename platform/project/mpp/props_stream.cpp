#include "platform/project/mpp/props_stream.h"

namespace taskvane::project::mpp {

PropsStream::PropsStream(ByteView stream) {
  const std::uint16_t count = stream.U16(12).value_or(0);
  std::size_t offset = 16;
  items_.reserve(count);
  for (std::uint16_t i = 0; i < count; ++i) {
    const auto size = stream.U32(offset);
    const auto key = stream.U32(offset + 4);
    if (!size || !key || *size < 1 || !stream.Contains(offset + 12, *size)) break;
    items_.Add(*key, stream.Sub(offset + 12, *size));
    offset += 12 + *size + (*size & 1);
  }
  items_.Seal();
}

std::optional<ByteView> PropsStream::Find(std::uint32_t key) const {
  return items_.Find(key);
}

}  // namespace taskvane::project::mpp
