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

}  // namespace
}  // namespace taskvane
