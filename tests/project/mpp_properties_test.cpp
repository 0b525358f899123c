// Project-level values of binary schedules: crafted Props items, and every sample against
// its Project XML twin.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/project/mpp/mpp_file.h"
#include "platform/project/mpp/mpp_values.h"
#include "platform/project/mpp/project_properties.h"
#include "platform/project/mpp/props_stream.h"
#include "tests/project/byte_builder.h"
#include "tests/project/mpp_samples.h"

namespace taskvane::project::mpp {
namespace {

using testing::Bytes;

// A Props stream holding the given (key, value) items.
Bytes PropsOf(const std::vector<std::pair<std::uint32_t, Bytes>>& items) {
  Bytes props;
  props.Zeros(12).U16(static_cast<std::uint16_t>(items.size())).Zeros(2);
  for (const auto& [key, value] : items) {
    props.U32(static_cast<std::uint32_t>(value.size())).U32(key).U32(0).Append(value);
    if (value.size() % 2 == 1) props.U8(0);
  }
  return props;
}

Bytes Stamp(DateTime at) {
  return Bytes()
      .U16(static_cast<std::uint16_t>(at.minute * 10))
      .U16(static_cast<std::uint16_t>(at.day - kDayNumberBase));
}

const DaySerial kToday = DateSerial(2025, 3, 14);

TEST(MppProperties, EachValueComesFromItsItem) {
  const DateTime start{DateSerial(2024, 1, 1), 8 * 60};
  const DateTime finish{DateSerial(2024, 6, 28), 17 * 60 + 35};
  const DateTime status{DateSerial(2024, 3, 1), 17 * 60 + 35};
  const Bytes bytes = PropsOf({
      {0x02400002, Stamp(start)},
      {0x02400003, Stamp(finish)},
      {0x02400045, Stamp(status)},
      {0x02400010, Bytes().U16(0x20AC).U16(0).U16(0)},  // "€" padded with zeros
      {0x02400011, Bytes().U16(3)},
      {0x02400012, Bytes().U16(1)},
      {0x0240001C, Bytes().U16(5150)},  // 08:35
      {0x0240001D, Bytes().U32(420)},
      {0x02400021, Bytes().U16(10550)},  // 17:35
  });
  ProjectData project;
  ReadProjectProperties(PropsStream(bytes.view()), kToday, project);
  EXPECT_EQ(project.start, start);
  EXPECT_EQ(project.finish, finish);
  EXPECT_EQ(project.status_date, status);
  EXPECT_EQ(project.current_date, (DateTime{kToday, 8 * 60 + 35}));
  EXPECT_EQ(project.minutes_per_day, 420);
  EXPECT_EQ(project.default_finish_minute, 17 * 60 + 35);
  EXPECT_EQ(project.currency.symbol, "€");
  EXPECT_EQ(project.currency.position, 3);
  EXPECT_EQ(project.currency.digits, 1);
}

TEST(MppProperties, MissingOrOutOfRangeItemsTakeWhatAnXmlFileWithoutThemGives) {
  const ProjectData fresh;
  for (const Bytes& bytes : {PropsOf({}), PropsOf({
                                              {0x02400002, Bytes().U32(0xFFFFFFFF)},
                                              {0x02400045, Bytes().U32(0xFFFFFFFF)},
                                              {0x02400010, Bytes().U16(0)},
                                              {0x02400011, Bytes().U16(4)},
                                              {0x02400012, Bytes().U16(9)},
                                              {0x0240001D, Bytes().U32(0)},
                                              {0x02400021, Bytes().U8(1)},  // too short
                                          })}) {
    ProjectData project;
    project.status_date = DateTime{1, 0};
    ReadProjectProperties(PropsStream(bytes.view()), kToday, project);
    EXPECT_EQ(project.start, std::nullopt);
    EXPECT_EQ(project.finish, std::nullopt);
    EXPECT_EQ(project.status_date, std::nullopt);
    EXPECT_EQ(project.current_date, (DateTime{kToday, 8 * 60}));
    EXPECT_EQ(project.minutes_per_day, 480);
    EXPECT_EQ(project.default_finish_minute, 17 * 60);
    EXPECT_EQ(project.currency.symbol, fresh.currency.symbol);
    EXPECT_EQ(project.currency.position, 0);
    EXPECT_EQ(project.currency.digits, 2);
  }
}

TEST(MppSampleProperties, EverySampleReadsLikeItsTwin) {
  const bool any = testing::ForEachSampleWithTwin([](const MppFile& file, const ProjectData& twin) {
    ProjectData project;
    ReadProjectProperties(file, kToday, project);
    ASSERT_TRUE(project.start);
    EXPECT_EQ(project.start, twin.start);
    EXPECT_EQ(project.finish, twin.finish);
    EXPECT_EQ(project.status_date, twin.status_date);
    EXPECT_EQ(project.minutes_per_day, twin.minutes_per_day);
    EXPECT_EQ(project.default_finish_minute, twin.default_finish_minute);
    EXPECT_EQ(project.currency.symbol, twin.currency.symbol);
    EXPECT_EQ(project.currency.position, twin.currency.position);
    EXPECT_EQ(project.currency.digits, twin.currency.digits);
    ASSERT_TRUE(project.current_date);
    EXPECT_EQ(project.current_date->day, kToday);
  });
  if (!any) GTEST_SKIP() << testing::kNoMppSamples;
}

}  // namespace
}  // namespace taskvane::project::mpp
