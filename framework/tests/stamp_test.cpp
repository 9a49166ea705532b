#include "framework/stamp.h"

#include <gtest/gtest.h>

namespace tarnik::framework {
namespace {

TEST(StampTest, StampsStrictlyDecreaseAndStayBelowMinusOne) {
  int32_t previous = NewTraversalStamp();
  EXPECT_LT(previous, -1);
  for (int i = 0; i < 100000; ++i) {
    int32_t next = NewTraversalStamp();
    ASSERT_LT(next, previous);
    ASSERT_LT(next, -1);
    previous = next;
  }
  EXPECT_EQ(CurrentTraversalStamp(), previous);
}

}  // namespace
}  // namespace tarnik::framework
