#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace taskvane::ooxml {

// Where the bytes of a zip file go: appended in order, and the fixed-size fields of an
// entry's header rewritten once its data is known. Failures raise AutomationError.
class ZipOutput {
 public:
  virtual ~ZipOutput() = default;
  virtual void Append(std::string_view bytes) = 0;
  virtual void Overwrite(std::uint64_t offset, std::string_view bytes) = 0;
};

// Writes a zip file entry by entry, each deflated as its content arrives. Entries carry
// a fixed timestamp (1980-01-01 00:00) and a local header completed in place (no data
// descriptors, no Zip64 fields), so the same entries always give the same bytes. An entry
// or a file of 4 GiB or more cannot be written: that raises AutomationError(error_number).
class ZipWriter {
 public:
  ZipWriter(ZipOutput& out, long error_number);
  ~ZipWriter();
  ZipWriter(const ZipWriter&) = delete;
  ZipWriter& operator=(const ZipWriter&) = delete;

  // Starts an entry; its content follows through Write, then EndEntry.
  void BeginEntry(const std::string& name);
  void Write(std::string_view bytes);
  void EndEntry();
  // Writes the central directory; the zip file is then complete.
  void Finish();

 private:
  struct Entry {
    std::string name;
    std::uint32_t crc = 0;
    std::uint64_t compressed = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;
  };
  class Deflater;

  void Emit(std::string_view bytes);
  void CheckFits(std::uint64_t value) const;

  ZipOutput& out_;
  const long error_number_;
  std::unique_ptr<Deflater> deflater_;
  std::vector<Entry> entries_;
  std::uint64_t position_ = 0;
  bool in_entry_ = false;
};

}  // namespace taskvane::ooxml
