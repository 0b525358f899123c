#include "platform/runtime/rounding.h"

#include <gtest/gtest.h>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

TEST(RoundingTest, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.135, 2), 0.14);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.666666, 2), 0.67);
  EXPECT_EQ(CInt32(74.5), 74);
  EXPECT_EQ(CInt32(75.5), 76);
  EXPECT_THROW(CInt32(1e12), AutomationError);
}

// Halves as decimals, whose binary values lie a unit in the last place above or below the
// half once scaled, still go to the even neighbour.
TEST(RoundingTest, DecimalHalvesAreTiesWhateverTheirBinaryValue) {
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.125, 2), 0.12);  // a report ratio of 12 %
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.625, 2), 0.62);  // 62 %
  EXPECT_DOUBLE_EQ(RoundHalfEven(8.25, 1), 8.2);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.145, 2), 0.14);  // 14.499999999999998 once scaled
  EXPECT_DOUBLE_EQ(RoundHalfEven(1.005, 2), 1.0);   // 100.49999999999999
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.285, 2), 0.28);  // 28.499999999999996
  EXPECT_DOUBLE_EQ(RoundHalfEven(-0.125, 2), -0.12);
}

// A value just off a half by more than the arithmetic's error rounds to the nearer side.
TEST(RoundingTest, NearHalvesAreNoTies) {
  EXPECT_DOUBLE_EQ(RoundHalfEven(42.45000001666, 1), 42.5);
  EXPECT_DOUBLE_EQ(RoundHalfEven(42.44999998334, 1), 42.4);
  EXPECT_DOUBLE_EQ(RoundHalfEven(0.1250000001, 2), 0.13);
  EXPECT_DOUBLE_EQ(RoundHalfEven(1e6 + 0.5000001), 1e6 + 1);
  EXPECT_EQ(CInt32(2.5000001), 3);
}

}  // namespace
}  // namespace taskvane
