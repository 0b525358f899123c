#include "platform/qt/file_filter.h"

#include <gtest/gtest.h>

namespace taskvane::qt {
namespace {

TEST(FileFilterTest, PatternsComeFromThePatternFieldNotTheDescription) {
  // Qt reads patterns from the last parentheses and separates them by spaces: a ";" list
  // left in the description would match nothing.
  const auto schedule = ConvertFilter("MS Project 파일 (*.xml;*.mpp)|*.xml;*.mpp");
  ASSERT_EQ(schedule.size(), 1u);
  EXPECT_EQ(schedule[0].qt_filter, "MS Project 파일 (*.xml *.mpp)");
  EXPECT_EQ(schedule[0].default_suffix, "xml");

  const auto workbook = ConvertFilter("엑셀 파일 (*.xlsx)|*.xlsx");
  ASSERT_EQ(workbook.size(), 1u);
  EXPECT_EQ(workbook[0].qt_filter, "엑셀 파일 (*.xlsx)");
  EXPECT_EQ(workbook[0].default_suffix, "xlsx");

  // A description without a list gets one; the pattern field wins over a stale list.
  EXPECT_EQ(ConvertFilter("그림 파일|*.jpg")[0].qt_filter, "그림 파일 (*.jpg)");
  EXPECT_EQ(ConvertFilter("파워포인트 파일 (*.ppt)|*.pptx")[0].qt_filter,
            "파워포인트 파일 (*.pptx)");
}

TEST(FileFilterTest, SeveralEntriesOddFieldsAndWildcards) {
  const auto filters = ConvertFilter("그림 (*.jpg)|*.jpg|모든 파일 (*.*)|*.*");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[1].qt_filter, "모든 파일 (*.*)");
  EXPECT_EQ(filters[1].default_suffix, "");
  EXPECT_TRUE(ConvertFilter("").empty());
  // A description without its pattern field matches everything rather than nothing.
  const auto lone = ConvertFilter("문서");
  ASSERT_EQ(lone.size(), 1u);
  EXPECT_EQ(lone[0].qt_filter, "문서 (*)");
  EXPECT_EQ(ConvertFilter("|*.xlsx")[0].qt_filter, "(*.xlsx)");
  EXPECT_EQ(ConvertFilter("데이터 (*.d?t)|*.d?t")[0].default_suffix, "");
}

}  // namespace
}  // namespace taskvane::qt
