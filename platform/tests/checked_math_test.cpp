#include "platform/checked_math.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarnik::platform {
namespace {

constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();

TEST(CheckedMathTest, ClampKeepsInt32AndSticksAtItsBounds) {
  EXPECT_EQ(ClampToInt32(-7), -7);
  EXPECT_EQ(ClampToInt32(kMax32), kMax32);
  EXPECT_EQ(ClampToInt32(int64_t{kMax32} + 1), kMax32);
  EXPECT_EQ(ClampToInt32(int64_t{kMin32} - 1), kMin32);
  EXPECT_EQ(ClampToInt32(kMin64), kMin32);
  // The difference of two stored int32 values taken wide, then brought back.
  EXPECT_EQ(ClampToInt32(int64_t{kMax32} - int64_t{kMin32}), kMax32);
}

TEST(CheckedMathTest, RoundingHalvesToEvenAndOutOfRangeValuesStickAtTheBounds) {
  EXPECT_EQ(RoundToInt64(2.5), 2);
  EXPECT_EQ(RoundToInt64(3.5), 4);
  EXPECT_EQ(RoundToInt64(-2.5), -2);
  EXPECT_EQ(RoundToInt64(-0.0), 0);
  EXPECT_EQ(RoundToInt64(std::nan("")), 0);
  EXPECT_EQ(RoundToInt64(1e308), kMax64);
  EXPECT_EQ(RoundToInt64(-1e308), kMin64);
  EXPECT_EQ(RoundToInt64(std::numeric_limits<double>::infinity()), kMax64);
  EXPECT_EQ(RoundToInt64(-std::numeric_limits<double>::infinity()), kMin64);
  EXPECT_EQ(RoundToInt64(9223372036854775808.0), kMax64);                 // 2^63
  EXPECT_EQ(RoundToInt64(-9223372036854775808.0), kMin64);                // -2^63 fits
  EXPECT_EQ(RoundToInt64(9223372036854774784.0), 9223372036854774784LL);  // largest below 2^63

  EXPECT_EQ(RoundToInt32(2147483647.4), kMax32);
  EXPECT_EQ(RoundToInt32(2147483648.0), kMax32);
  EXPECT_EQ(RoundToInt32(-2147483648.4), kMin32);
  EXPECT_EQ(RoundToInt32(-1e19), kMin32);
  EXPECT_EQ(RoundToInt32(12.5), 12);
}

}  // namespace
}  // namespace tarnik::platform
