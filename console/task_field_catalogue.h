#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace taskvane {

// One task field of the schedule that the user can add to a workbook as an extra column.
struct TaskField {
  std::string_view Category;     // one of kTaskFieldCategories
  std::string_view DisplayName;  // shown in the lists; the caption of the column
  long Identifier;               // nine decimal digits, passed to Task.GetField
};

// The categories of the field chooser, in the order of cmbField's entries.
inline constexpr std::array<std::string_view, 8> kTaskFieldCategories = {
    "기본", "초기 계획", "실제 작업", "기간", "완료율", "번호", "텍스트", "비용"};

// The fixed catalogue, category by category in the order above and in list order within
// each: 85 entries with 79 distinct identifiers. Six fields ("기간", "남은 기간", "완료율",
// "초기 기간", "실제 기간", "실제 완료율") stand in two categories under the same name
// and identifier.
std::span<const TaskField> TaskFieldCatalogue();

// The key of a field's list items: "Key" followed at once by the identifier, so that the
// identifier is the key's last nine characters ("Key188743715").
std::string TaskFieldKey(long identifier);

}  // namespace taskvane
