#include "platform/clock.h"

#include <gtest/gtest.h>

namespace tarnik::platform {
namespace {

TEST(Clock, ASetDateHoldsForItsScopeOnly) {
  const Date system = Today();
  EXPECT_TRUE(IsValidDate(system));
  {
    ScopedToday fixed(Date{29, 2, 2024});
    EXPECT_EQ(DateToText(Today()), "29.2.2024");
    {
      ScopedToday inner(Date{1, 1, 1999});
      EXPECT_EQ(Today(), (Date{1, 1, 1999}));
    }
    EXPECT_EQ(Today(), (Date{29, 2, 2024}));
  }
  EXPECT_FALSE(SetToday(std::nullopt));
}

}  // namespace
}  // namespace tarnik::platform
