// Settling the local time zone at start: the system's zone named in TZ, the same local
// times as before, and a zone the user chose left alone.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/runtime/local_time_zone.h"

namespace taskvane {
namespace {

std::tm LocalTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

TEST(LocalTimeZone, AnUnsetZoneBecomesTheSystemsWithTheSameLocalTimes) {
  ::unsetenv("TZ");
  ::tzset();
  const std::time_t when = 1733700000;  // a winter day
  const std::time_t summer = when + 200 * 86400;
  const std::tm before = LocalTime(when);
  const std::tm before_summer = LocalTime(summer);

  SettleLocalTimeZone();
  ASSERT_NE(std::getenv("TZ"), nullptr);
  EXPECT_STREQ(std::getenv("TZ"), ":/etc/localtime");
  const std::tm after = LocalTime(when);
  const std::tm after_summer = LocalTime(summer);
  EXPECT_EQ(after.tm_hour, before.tm_hour);
  EXPECT_EQ(after.tm_gmtoff, before.tm_gmtoff);
  EXPECT_EQ(after_summer.tm_gmtoff, before_summer.tm_gmtoff);
}

TEST(LocalTimeZone, AZoneTheUserChoseIsKept) {
  ::setenv("TZ", "Asia/Seoul", 1);
  SettleLocalTimeZone();
  EXPECT_STREQ(std::getenv("TZ"), "Asia/Seoul");
}

}  // namespace
}  // namespace taskvane
