#pragma once

// Little-endian bytes built field by field, for crafted records of binary schedules.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/project/mpp/byte_view.h"

namespace taskvane::project::testing {

class Bytes {
 public:
  Bytes& U8(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  Bytes& U16(std::uint16_t v) { return Raw(&v, 2); }
  Bytes& U32(std::uint32_t v) { return Raw(&v, 4); }
  Bytes& I32(std::int32_t v) { return Raw(&v, 4); }
  Bytes& F64(double v) { return Raw(&v, 8); }
  Bytes& Zeros(std::size_t n) {
    bytes_.insert(bytes_.end(), n, 0);
    return *this;
  }
  // UTF-16LE code units of `text` (ASCII) and a terminator.
  Bytes& Utf16(std::string_view text) {
    for (char c : text) U16(static_cast<std::uint8_t>(c));
    return U16(0);
  }
  // `text` byte by byte, without a terminator.
  Bytes& Text8(std::string_view text) { return Raw(text.data(), text.size()); }
  // One 28-byte field-map entry: fixed offset (0xFFFF: var), format-9 var key, field
  // identifier, storage category and value size.
  Bytes& MapEntry(std::uint16_t offset, std::uint8_t key6, std::uint32_t id, std::uint16_t category,
                  std::uint16_t size) {
    return U32(0).U16(offset).U8(key6).Zeros(5).U32(id).Zeros(4).U16(category).U16(size).U32(0);
  }
  Bytes& Append(const Bytes& other) {
    bytes_.insert(bytes_.end(), other.bytes_.begin(), other.bytes_.end());
    return *this;
  }
  std::size_t size() const { return bytes_.size(); }
  mpp::ByteView view() const { return mpp::ByteView(bytes_); }
  std::vector<std::uint8_t>& vector() { return bytes_; }

 private:
  Bytes& Raw(const void* p, std::size_t n) {
    const auto* b = static_cast<const std::uint8_t*>(p);
    bytes_.insert(bytes_.end(), b, b + n);
    return *this;
  }
  std::vector<std::uint8_t> bytes_;
};

}  // namespace taskvane::project::testing
