#pragma once

// The OLE2 compound-file container of binary schedules, read through libgsf. Only the
// container: what the streams hold is decoded elsewhere.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace taskvane::project::mpp {

// True when `bytes` start with the compound-file signature.
bool HasCompoundFileSignature(std::span<const std::uint8_t> bytes);

// True when a compound file holds fewer sectors than its allocation table hands out, or
// the table itself lies past the end: the file was cut short. Other damage to the header is
// left to CompoundFile::Open.
bool IsCutShort(std::span<const std::uint8_t> bytes);

class CompoundFile {
 public:
  // Opens the container held in `bytes`, which must outlive the object; std::nullopt when
  // the bytes are not a readable compound file.
  static std::optional<CompoundFile> Open(std::span<const std::uint8_t> bytes);

  CompoundFile(CompoundFile&&) noexcept;
  CompoundFile& operator=(CompoundFile&&) noexcept;
  ~CompoundFile();

  // Names of the entries (streams and storages) directly below the root.
  std::vector<std::string> RootNames() const;

  // Whether a stream or storage exists at `path`: names joined by "/", from the root.
  bool Has(std::string_view path) const;

  // The whole stream at `path`; std::nullopt when there is none, when it is a storage, when
  // it is larger than `max_bytes` or when its sectors cannot be read.
  std::optional<std::vector<std::uint8_t>> ReadStream(std::string_view path,
                                                      std::size_t max_bytes) const;

 private:
  struct Handle;
  explicit CompoundFile(std::unique_ptr<Handle> handle);
  std::unique_ptr<Handle> handle_;
};

}  // namespace taskvane::project::mpp
