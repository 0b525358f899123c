#include "platform/project/mpp/subprojects.h"

#include <cstring>
#include <string_view>

#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::size_t kFirstEntry = 12;
constexpr std::size_t kTypeOffset = 16;  // in the entry's header, after a 16-byte identifier
// A unique-ID list ends at this word, where the path block begins.
constexpr std::uint32_t kListEnd = 0x00000303;

// What follows an entry's header pointer, one letter per u32: 'u' the unique-ID list,
// 'p' the path block, 'n' the file-name block, '-' a pointer not needed here. Entries
// without 'u' link files that have no task line (a resource pool, a removed insertion);
// their pointers are stepped over all the same, three for a type not known here.
std::string_view EntryLayout(std::uint8_t type, int format) {
  const bool nine = format == 9;
  switch (type) {
    case 0x01:
    case 0x05:
    case 0x08:
    case 0x0A:
      return "upn";
    case 0x03:
    case 0x11:
      return nine ? "upn" : "upn-";
    case 0x09:
    case 0x0D:
    case 0x99:
      return "u-pn";
    case 0x0B:
      return nine ? "---" : "u-pn";
    case 0x41:
    case 0x81:
      return "up-n";
    case 0x83:
      return nine ? "---" : "up-n";
    case 0x45:
    case 0x91:
      return "upn-";
    case 0xC0:
      return "pn-";
    case 0x8D:
      return "u-p-n";
    case 0x89:
      return nine ? "---" : "u-p-n";
    case 0x04:
      return "pn";
    case 0x44:
      return "p-n";
    case 0x02:
      return nine ? "pn" : "--";
    case 0x00:
    case 0x10:
      return "--";
    default:
      return "---";
  }
}

// Pointers are offsets in the item kept in the low 16 bits (format 9) or 17 bits.
std::optional<std::size_t> Pointer(ByteView item, std::size_t at, int format) {
  const std::optional<std::uint32_t> value = item.U32(at);
  if (!value) return std::nullopt;
  return *value & (format == 9 ? 0xFFFFu : 0x1FFFFu);
}

// How many bytes the list may read in all: each path and unique-ID list once, and some
// over. Entries pointing at the same bytes again and again cannot make the reading slow.
class Budget {
 public:
  explicit Budget(std::size_t item_bytes) : left_(2 * item_bytes + 4096) {}
  bool Spend(std::size_t bytes) {
    if (bytes > left_) {
      left_ = 0;
      return false;
    }
    left_ -= bytes;
    return true;
  }

 private:
  std::size_t left_;
};

// The path block: 18 bytes, a u32, the 8-bit short path ending in NUL, 24 bytes, then a
// u32 that is 0 when the short path is all there is; else a u32 byte count, 2 bytes and
// the full path in UTF-16LE.
std::optional<std::string> PathAt(ByteView item, std::size_t at, Budget& budget) {
  const std::size_t short_path = at + 22;
  if (!item.Contains(short_path, 1)) return std::nullopt;
  const ByteView rest = item.Sub(short_path);
  const std::uint8_t* nul =
      static_cast<const std::uint8_t*>(std::memchr(rest.data(), 0, rest.size()));
  if (nul == nullptr) return std::nullopt;
  const std::size_t short_bytes = static_cast<std::size_t>(nul - rest.data());
  if (!budget.Spend(short_bytes)) return std::nullopt;
  const std::size_t after = short_path + short_bytes + 1 + 24;
  const std::optional<std::uint32_t> has_full = item.U32(after);
  if (!has_full) return std::nullopt;
  if (*has_full == 0) return Latin1Text(rest.Sub(0, short_bytes));
  const std::optional<std::uint32_t> bytes = item.U32(after + 4);
  if (!bytes || !item.Contains(after + 10, *bytes) || !budget.Spend(*bytes)) return std::nullopt;
  return Text(item.Sub(after + 10, *bytes));
}

}  // namespace

std::vector<InsertedProject> ReadInsertedProjects(ByteView item, int format) {
  std::vector<InsertedProject> projects;
  Budget budget(item.size());
  const std::size_t end = std::min<std::size_t>(item.U32(8).value_or(0), item.size());
  std::size_t at = kFirstEntry;
  while (at + 4 <= end) {
    const std::optional<std::size_t> header = Pointer(item, at, format);
    at += 4;
    const std::optional<std::uint8_t> type = item.U8(*header + kTypeOffset);
    if (!type) break;  // without its type the rest of the list cannot be followed
    std::optional<std::size_t> list, path;
    for (char part : EntryLayout(*type, format)) {
      if (part == 'u') list = Pointer(item, at, format);
      if (part == 'p') path = Pointer(item, at, format);
      at += 4;
    }
    if (*type == 0xC0) list = header;
    if (!list || !path) continue;
    const std::optional<std::string> text = PathAt(item, *path, budget);
    if (!text) continue;
    // (u32 task unique ID, u32 marker) pairs up to the path block.
    const std::size_t list_end = *path > *list ? *path : item.size();
    for (std::size_t pair = *list; pair + 8 <= list_end && budget.Spend(8 + text->size());
         pair += 8) {
      const std::uint32_t unique_id = *item.U32(pair);
      if (unique_id == kListEnd) break;
      if (unique_id > 0 && unique_id <= 0x7FFFFFFF) projects.push_back({unique_id, *text});
    }
  }
  return projects;
}

}  // namespace taskvane::project::mpp
