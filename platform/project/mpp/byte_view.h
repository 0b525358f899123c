#pragma once

// A read-only window on bytes of a binary schedule, with little-endian reads that never
// reach outside the window: a read that does not fit gives std::nullopt.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

namespace taskvane::project::mpp {

class ByteView {
 public:
  ByteView() = default;
  explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  ByteView(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::span<const std::uint8_t> span() const { return bytes_; }

  // Whether `count` bytes from `offset` lie inside the window (no overflow for any input).
  bool Contains(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }

  // The bytes from `offset`, at most `count` of them; empty when `offset` is outside.
  ByteView Sub(std::size_t offset, std::size_t count = SIZE_MAX) const {
    if (offset >= bytes_.size()) return ByteView();
    const std::size_t left = bytes_.size() - offset;
    return ByteView(bytes_.subspan(offset, count < left ? count : left));
  }

  std::optional<std::uint8_t> U8(std::size_t offset) const { return Read<std::uint8_t>(offset); }
  std::optional<std::uint16_t> U16(std::size_t offset) const { return Read<std::uint16_t>(offset); }
  std::optional<std::uint32_t> U32(std::size_t offset) const { return Read<std::uint32_t>(offset); }
  std::optional<std::int32_t> I32(std::size_t offset) const { return Read<std::int32_t>(offset); }
  std::optional<double> F64(std::size_t offset) const { return Read<double>(offset); }

 private:
  template <class T>
  std::optional<T> Read(std::size_t offset) const {
    static_assert(std::endian::native == std::endian::little,
                  "binary schedules are little-endian; this build assumes a little-endian host");
    if (!Contains(offset, sizeof(T))) return std::nullopt;
    T value;
    std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return value;
  }

  std::span<const std::uint8_t> bytes_;
};

}  // namespace taskvane::project::mpp
