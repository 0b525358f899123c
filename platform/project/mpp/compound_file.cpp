#include "platform/project/mpp/compound_file.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

#include "platform/project/mpp/byte_view.h"

namespace taskvane::project::mpp {
namespace {

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::uint32_t kNoSibling = 0xFFFFFFFF;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
// The header's own list of allocation-table sectors: 109 entries from 0x4C.
constexpr std::size_t kHeaderFatList = 0x4C;
constexpr std::size_t kHeaderFatEntries = 109;

// The sector size of a header with a readable sector shift (2^7 to 2^16 bytes), else 0.
std::size_t SectorBytes(const ByteView& header) {
  const std::optional<std::uint16_t> shift = header.U16(0x1E);
  if (!shift || *shift < 7 || *shift > 16) return 0;
  return std::size_t{1} << *shift;
}

// Whether the directory's root entry, the first entry of its first sector, names siblings.
// A root has none; libgsf reads entries linked there as belonging to no storage and never
// frees them, so such a file is refused before it reaches the library. A header or
// directory that cannot be read is left to the library to refuse.
bool RootHasSiblings(std::span<const std::uint8_t> bytes) {
  const ByteView view(bytes);
  const std::size_t sector_bytes = SectorBytes(view);
  const std::optional<std::uint32_t> directory_sector = view.U32(0x30);
  if (sector_bytes == 0 || !directory_sector) return false;
  const std::size_t root = (std::size_t{*directory_sector} + 1) * sector_bytes;
  const std::optional<std::uint32_t> left = view.U32(root + 68);
  const std::optional<std::uint32_t> right = view.U32(root + 72);
  return left && right && (*left != kNoSibling || *right != kNoSibling);
}

// The sectors of the allocation table: the header's list, then the chain of list sectors
// that continues it (each ends with the number of the next). At most `limit` of them, and
// the chain is followed no further than the file could hold; `false` when a list sector
// lies past the end of the file.
bool FatSectors(const ByteView& file, std::size_t sector_bytes, std::size_t limit,
                std::vector<std::uint32_t>& sectors) {
  for (std::size_t i = 0; i < kHeaderFatEntries && sectors.size() < limit; ++i) {
    sectors.push_back(*file.U32(kHeaderFatList + 4 * i));
  }
  std::uint32_t next = file.U32(0x44).value_or(kFreeSector);
  const std::size_t per_sector = sector_bytes / 4 - 1;
  for (std::size_t hops = 0; sectors.size() < limit && next < 0xFFFFFFFA; ++hops) {
    if (hops > file.size() / sector_bytes) return true;  // a loop: left to the library
    const std::size_t at = (std::size_t{next} + 1) * sector_bytes;
    if (!file.Contains(at, sector_bytes)) return false;
    for (std::size_t i = 0; i < per_sector && sectors.size() < limit; ++i) {
      sectors.push_back(*file.U32(at + 4 * i));
    }
    next = *file.U32(at + 4 * per_sector);
  }
  return true;
}

struct ObjectRelease {
  void operator()(gpointer object) const {
    if (object != nullptr) g_object_unref(object);
  }
};
using InputPtr = std::unique_ptr<GsfInput, ObjectRelease>;
using InfilePtr = std::unique_ptr<GsfInfile, ObjectRelease>;

bool IsStorage(GsfInput* input) {
  // Streams are infiles too, without children (-1).
  return GSF_IS_INFILE(input) && gsf_infile_num_children(GSF_INFILE(input)) >= 0;
}

}  // namespace

struct CompoundFile::Handle {
  InputPtr source;
  InfilePtr root;
  // Storages opened so far, by path: each stream of a storage is found without opening
  // the storages above it again.
  std::unordered_map<std::string, InputPtr> storages;

  GsfInfile* Storage(std::string_view path);
  InputPtr Find(std::string_view path);
};

// The storage at `path` ("" = the root), or null.
GsfInfile* CompoundFile::Handle::Storage(std::string_view path) {
  if (path.empty()) return root.get();
  auto cached = storages.find(std::string(path));
  if (cached != storages.end()) return GSF_INFILE(cached->second.get());
  const size_t slash = path.rfind('/');
  GsfInfile* parent = Storage(slash == std::string_view::npos ? "" : path.substr(0, slash));
  if (parent == nullptr) return nullptr;
  const std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  InputPtr child(gsf_infile_child_by_name(parent, name.c_str()));
  if (!child || !IsStorage(child.get())) return nullptr;
  GsfInfile* storage = GSF_INFILE(child.get());
  storages.emplace(std::string(path), std::move(child));
  return storage;
}

// The entry at `path` below the root, or null.
InputPtr CompoundFile::Handle::Find(std::string_view path) {
  const size_t slash = path.rfind('/');
  GsfInfile* parent = Storage(slash == std::string_view::npos ? "" : path.substr(0, slash));
  if (parent == nullptr) return nullptr;
  const std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  return InputPtr(gsf_infile_child_by_name(parent, name.c_str()));
}

bool HasCompoundFileSignature(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= sizeof kSignature &&
         std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

bool IsCutShort(std::span<const std::uint8_t> bytes) {
  const ByteView file(bytes);
  const std::size_t sector_bytes = SectorBytes(file);
  const std::optional<std::uint32_t> fat_count = file.U32(0x2C);
  if (sector_bytes == 0 || !fat_count || !file.Contains(0, 512)) return false;
  // A table sector can describe at most the sectors a file of this size could have.
  const std::size_t limit = std::min<std::size_t>(*fat_count, file.size() / sector_bytes + 1);
  std::vector<std::uint32_t> fat_sectors;
  if (!FatSectors(file, sector_bytes, limit, fat_sectors)) return true;
  // The last sector the table hands out, whatever to; the file must reach its end.
  std::size_t highest_used = 0;
  bool any_used = false;
  const std::size_t per_sector = sector_bytes / 4;
  for (std::size_t k = 0; k < fat_sectors.size(); ++k) {
    if (fat_sectors[k] >= 0xFFFFFFFA) continue;
    const std::size_t at = (std::size_t{fat_sectors[k]} + 1) * sector_bytes;
    if (!file.Contains(at, sector_bytes)) return true;
    for (std::size_t i = per_sector; i-- > 0;) {
      if (*file.U32(at + 4 * i) == kFreeSector) continue;
      highest_used = std::max(highest_used, k * per_sector + i);
      any_used = true;
      break;
    }
  }
  return any_used && file.size() < (highest_used + 2) * sector_bytes;
}

std::optional<CompoundFile> CompoundFile::Open(std::span<const std::uint8_t> bytes) {
  if (!HasCompoundFileSignature(bytes) || RootHasSiblings(bytes)) return std::nullopt;
  auto handle = std::make_unique<Handle>();
  handle->source.reset(gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()),
                                            /*needs_free=*/FALSE));
  if (!handle->source) return std::nullopt;
  GError* error = nullptr;
  handle->root.reset(gsf_infile_msole_new(handle->source.get(), &error));
  if (error != nullptr) g_error_free(error);
  if (!handle->root) return std::nullopt;
  return CompoundFile(std::move(handle));
}

CompoundFile::CompoundFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
CompoundFile::CompoundFile(CompoundFile&&) noexcept = default;
CompoundFile& CompoundFile::operator=(CompoundFile&&) noexcept = default;
CompoundFile::~CompoundFile() = default;

std::vector<std::string> CompoundFile::RootNames() const {
  std::vector<std::string> names;
  const int count = gsf_infile_num_children(handle_->root.get());
  for (int i = 0; i < count; ++i) {
    const char* name = gsf_infile_name_by_index(handle_->root.get(), i);
    if (name != nullptr) names.emplace_back(name);
  }
  return names;
}

bool CompoundFile::Has(std::string_view path) const {
  return handle_->Find(path) != nullptr;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::ReadStream(std::string_view path,
                                                                  std::size_t max_bytes) const {
  InputPtr input = handle_->Find(path);
  // A storage has no bytes of its own.
  if (!input || IsStorage(input.get())) return std::nullopt;
  const gsf_off_t size = gsf_input_size(input.get());
  if (size < 0 || static_cast<unsigned long long>(size) > max_bytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && gsf_input_read(input.get(), bytes.size(), bytes.data()) == nullptr) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace taskvane::project::mpp
