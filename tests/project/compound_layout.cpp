#include "tests/project/compound_layout.h"

#include <algorithm>
#include <cstring>

namespace taskvane::project::testing {
namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoEntry = 0xFFFFFFFF;
constexpr std::size_t kEntrySize = 128;

class Layout {
 public:
  explicit Layout(std::span<const std::uint8_t> file) : file_(file) {}

  std::vector<StreamExtent> Streams() {
    std::vector<StreamExtent> streams;
    if (file_.size() < 512) return streams;
    sector_size_ = std::size_t{1} << U16(0x1E);
    mini_sector_size_ = std::size_t{1} << U16(0x20);
    mini_cutoff_ = U32(0x38);
    if (sector_size_ != 512 && sector_size_ != 4096) return streams;
    ReadAllocationTable();
    const std::vector<std::uint32_t> directory_chain = Chain(fat_, U32(0x30));
    for (std::uint32_t sector : directory_chain) {
      for (std::size_t at = Offset(sector); at + kEntrySize <= Offset(sector) + sector_size_;
           at += kEntrySize) {
        if (at + kEntrySize > file_.size()) break;
        entries_.push_back(at);
      }
    }
    if (entries_.empty()) return streams;
    mini_fat_ = TableFrom(Chain(fat_, U32(0x3C)));
    mini_stream_ = Chain(fat_, U32(entries_[0] + 116));
    Walk(U32(entries_[0] + 76), "", streams, 0);
    return streams;
  }

 private:
  std::uint16_t U16(std::size_t at) const {
    std::uint16_t v = 0;
    if (at + 2 <= file_.size()) std::memcpy(&v, file_.data() + at, 2);
    return v;
  }
  std::uint32_t U32(std::size_t at) const {
    std::uint32_t v = 0;
    if (at + 4 <= file_.size()) std::memcpy(&v, file_.data() + at, 4);
    return v;
  }
  std::size_t Offset(std::uint32_t sector) const {
    return (std::size_t{sector} + 1) * sector_size_;
  }

  // The sector numbers of a chain, stopping at its end, a loop or the file's end.
  std::vector<std::uint32_t> Chain(const std::vector<std::uint32_t>& table,
                                   std::uint32_t start) const {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t s = start; s < table.size() && chain.size() <= table.size(); s = table[s]) {
      chain.push_back(s);
    }
    return chain;
  }

  std::vector<std::uint32_t> TableFrom(const std::vector<std::uint32_t>& sectors) const {
    std::vector<std::uint32_t> table;
    for (std::uint32_t sector : sectors) {
      for (std::size_t i = 0; i < sector_size_ / 4; ++i)
        table.push_back(U32(Offset(sector) + 4 * i));
    }
    return table;
  }

  void ReadAllocationTable() {
    std::vector<std::uint32_t> fat_sectors;
    const std::uint32_t count = U32(0x2C);
    for (std::size_t i = 0; i < 109 && fat_sectors.size() < count; ++i) {
      fat_sectors.push_back(U32(0x4C + 4 * i));
    }
    // Further entries of the sector list continue in its own sectors, the last word of
    // each naming the next.
    std::uint32_t next = U32(0x44);
    for (std::uint32_t n = 0; n < U32(0x48) && next < kEndOfChain; ++n) {
      const std::size_t base = Offset(next);
      for (std::size_t i = 0; i + 1 < sector_size_ / 4 && fat_sectors.size() < count; ++i) {
        fat_sectors.push_back(U32(base + 4 * i));
      }
      next = U32(base + sector_size_ - 4);
    }
    fat_ = TableFrom(fat_sectors);
  }

  void AddRanges(StreamExtent& stream, std::uint32_t start) const {
    std::size_t left = stream.size;
    if (stream.size < mini_cutoff_) {
      for (std::uint32_t mini : Chain(mini_fat_, start)) {
        if (left == 0) break;
        const std::size_t in_stream = std::size_t{mini} * mini_sector_size_;
        const std::size_t sector = in_stream / sector_size_;
        if (sector >= mini_stream_.size()) break;
        const std::size_t length = std::min(left, mini_sector_size_);
        stream.ranges.emplace_back(Offset(mini_stream_[sector]) + in_stream % sector_size_, length);
        left -= length;
      }
    } else {
      for (std::uint32_t sector : Chain(fat_, start)) {
        if (left == 0) break;
        const std::size_t length = std::min(left, sector_size_);
        stream.ranges.emplace_back(Offset(sector), length);
        left -= length;
      }
    }
    // Ranges past the file's end are dropped: the file does not hold them.
    std::erase_if(stream.ranges,
                  [this](const auto& range) { return range.first + range.second > file_.size(); });
  }

  std::string Name(std::size_t entry) const {
    std::string name;
    const std::size_t units = std::min<std::size_t>(U16(entry + 64) / 2, 32);
    for (std::size_t i = 0; i + 1 < units; ++i) {
      const std::uint16_t unit = U16(entry + 2 * i);
      name += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return name;
  }

  // The entries of one storage form a tree through their left and right links; `child`
  // leads into a storage's own tree.
  void Walk(std::uint32_t index, const std::string& folder, std::vector<StreamExtent>& streams,
            int depth) {
    if (index == kNoEntry || index >= entries_.size() || depth > 64 ||
        ++visited_ > entries_.size()) {
      return;
    }
    const std::size_t entry = entries_[index];
    Walk(U32(entry + 68), folder, streams, depth + 1);
    const std::string path = folder + Name(entry);
    const std::uint8_t type = file_[entry + 66];
    if (type == 1) {
      Walk(U32(entry + 76), path + "/", streams, depth + 1);
    } else if (type == 2) {
      StreamExtent stream;
      stream.path = path;
      stream.size = U32(entry + 120);
      AddRanges(stream, U32(entry + 116));
      streams.push_back(std::move(stream));
    }
    Walk(U32(entry + 72), folder, streams, depth + 1);
  }

  std::span<const std::uint8_t> file_;
  std::size_t sector_size_ = 512;
  std::size_t mini_sector_size_ = 64;
  std::size_t mini_cutoff_ = 4096;
  std::vector<std::uint32_t> fat_;
  std::vector<std::uint32_t> mini_fat_;
  std::vector<std::uint32_t> mini_stream_;
  std::vector<std::size_t> entries_;
  std::size_t visited_ = 0;
};

}  // namespace

std::vector<StreamExtent> StreamExtents(std::span<const std::uint8_t> file) {
  return Layout(file).Streams();
}

}  // namespace taskvane::project::testing
