#include "platform/project/mpp/resources.h"

#include <algorithm>
#include <unordered_set>

#include "platform/project/mpp/item_blocks.h"
#include "platform/project/mpp/mpp_values.h"

namespace taskvane::project::mpp {
namespace {

enum : std::uint16_t { kIdField = 0, kNameField = 1, kUniqueIdField = 27 };
constexpr std::uint8_t kDeletedFlag = 0x02;

struct Resource {
  std::int64_t id = 0;
  std::int64_t unique_id = 0;
  std::size_t index = 0;
};

}  // namespace

ResourceNames ReadResourceNames(const MppFile& file) {
  const ItemBlocks blocks(file, kResourceKind);
  const FieldMap& map = blocks.map();
  const std::optional<FieldLocation> unique_id = map.Find(kResourceClass, kUniqueIdField);
  const std::optional<FieldLocation> id = map.Find(kResourceClass, kIdField);
  const std::optional<FieldLocation> name = map.Find(kResourceClass, kNameField);
  ResourceNames result;
  if (!unique_id) return result;

  // Placeholders are shorter than a full item; a resource Project lists has var values.
  const std::size_t full_bytes = map.Extent(0);
  std::vector<Resource> resources;
  std::unordered_set<std::int64_t> seen;
  for (std::size_t i = 0; i < blocks.items().size(); ++i) {
    const FixedItem& item = blocks.items()[i];
    if ((item.flags() & kDeletedFlag) != 0 || item.data.size() < full_bytes) continue;
    const ItemFields fields = blocks.Fields(i, 0);
    const std::optional<std::int32_t> read_unique_id =
        fields.Value(*unique_id).value_or(ByteView()).I32(0);
    if (!read_unique_id || !seen.insert(*read_unique_id).second) continue;
    if (!blocks.var().HasEntries(*read_unique_id)) continue;
    Resource resource{0, *read_unique_id, i};
    if (id) resource.id = fields.Value(*id).value_or(ByteView()).I32(0).value_or(0);
    resources.push_back(resource);
  }
  std::stable_sort(resources.begin(), resources.end(),
                   [](const Resource& a, const Resource& b) { return a.id < b.id; });

  for (const Resource& resource : resources) {
    if (!name) break;
    const std::optional<ByteView> bytes =
        blocks.Fields(resource.index, resource.unique_id).Value(*name);
    std::string text = bytes ? Text(*bytes) : std::string();
    if (text.empty()) continue;
    result.index_of_unique_id.emplace(resource.unique_id, static_cast<int>(result.names.size()));
    result.names.push_back(std::move(text));
  }
  return result;
}

}  // namespace taskvane::project::mpp
