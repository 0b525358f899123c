#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "console/task_field_catalogue.h"

namespace taskvane {
namespace {

std::vector<TaskField> EntriesOf(std::string_view category) {
  std::vector<TaskField> out;
  for (const TaskField& f : TaskFieldCatalogue()) {
    if (f.Category == category) out.push_back(f);
  }
  return out;
}

TEST(TaskFieldCatalogue, HoldsEightContiguousCategoriesInChooserOrder) {
  const auto catalogue = TaskFieldCatalogue();
  ASSERT_EQ(catalogue.size(), 85u);

  // Each category forms one run, and the runs follow cmbField's order.
  std::vector<std::string_view> runs;
  std::vector<size_t> sizes;
  for (const TaskField& f : catalogue) {
    if (runs.empty() || runs.back() != f.Category) {
      runs.push_back(f.Category);
      sizes.push_back(0);
    }
    ++sizes.back();
  }
  EXPECT_EQ(runs, std::vector<std::string_view>(kTaskFieldCategories.begin(),
                                                kTaskFieldCategories.end()));
  EXPECT_EQ(sizes, (std::vector<size_t>{8, 5, 5, 4, 3, 20, 30, 10}));
}

TEST(TaskFieldCatalogue, SixFieldsStandInTwoCategoriesUnderOneNameAndIdentifier) {
  std::map<long, std::set<std::string_view>> names_by_id;
  std::map<long, int> uses;
  for (const TaskField& f : TaskFieldCatalogue()) {
    names_by_id[f.Identifier].insert(f.DisplayName);
    ++uses[f.Identifier];
    EXPECT_GE(f.Identifier, 100000000L) << f.DisplayName;
    EXPECT_LE(f.Identifier, 999999999L) << f.DisplayName;
  }
  EXPECT_EQ(names_by_id.size(), 79u);

  std::set<std::string_view> shared;
  for (const auto& [id, count] : uses) {
    EXPECT_EQ(names_by_id[id].size(), 1u) << id;
    if (count > 1) {
      EXPECT_EQ(count, 2) << id;
      shared.insert(*names_by_id[id].begin());
    }
  }
  EXPECT_EQ(shared, (std::set<std::string_view>{"기간", "남은 기간", "완료율", "초기 기간",
                                                "실제 기간", "실제 완료율"}));
}

// The numbered families: member N is named word + N and takes its identifier from the
// blocks of the field numbering.
TEST(TaskFieldCatalogue, NumberedFamiliesFollowTheirIdentifierBlocks) {
  auto expected_id = [](std::string_view family, long n) -> long {
    if (family == "번호") return n <= 5 ? 188743767 + (n - 1) : 188743982 + (n - 6);
    if (family == "텍스트") {
      if (n <= 6) return 188743731 + 3 * (n - 1);
      return n <= 10 ? 188743747 + (n - 7) : 188743997 + (n - 11);
    }
    return n <= 3 ? 188743786 + (n - 1) : 188743938 + (n - 4);
  };
  for (std::string_view family : {"번호", "텍스트", "비용"}) {
    const auto entries = EntriesOf(family);
    for (size_t i = 0; i < entries.size(); ++i) {
      const long n = static_cast<long>(i) + 1;
      EXPECT_EQ(entries[i].DisplayName, std::string(family) + std::to_string(n));
      EXPECT_EQ(entries[i].Identifier, expected_id(family, n)) << entries[i].DisplayName;
    }
  }
  EXPECT_EQ(EntriesOf("텍스트").back().Identifier, 188744016);
}

}  // namespace
}  // namespace taskvane
