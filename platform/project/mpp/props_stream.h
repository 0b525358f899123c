#pragma once

// A Props stream of a binary schedule: items of bytes found by a 32-bit key.

#include <cstdint>
#include <optional>

#include "platform/project/mpp/byte_view.h"
#include "platform/project/mpp/keyed_values.h"

namespace taskvane::project::mpp {

class PropsStream {
 public:
  PropsStream() = default;
  // Reads the items of `stream` (which must outlive this object): a 16-byte header with the
  // item count at +12, then per item u32 size, u32 key, u32 attribute, the value and one
  // pad byte after an odd size. Reading stops at the count or at an item that would run
  // past the end; the first item of a key counts.
  explicit PropsStream(ByteView stream);

  std::optional<ByteView> Find(std::uint32_t key) const;
  std::size_t ItemCount() const { return items_.size(); }

 private:
  KeyedValues<ByteView> items_;
};

}  // namespace taskvane::project::mpp
