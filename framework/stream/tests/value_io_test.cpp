#include "framework/stream/value_io.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarnik::framework::stream {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(ValueIo, IntegersUseTheSmallestForm) {
  ValueWriter w;
  w.WriteInteger(127);
  EXPECT_EQ(w.bytes(), Bytes({0x02, 0x7F}));
  w = ValueWriter();
  w.WriteInteger(128);
  EXPECT_EQ(w.bytes(), Bytes({0x03, 0x80, 0x00}));
  w = ValueWriter();
  w.WriteInteger(-128);
  EXPECT_EQ(w.bytes(), Bytes({0x02, 0x80}));
  w = ValueWriter();
  w.WriteInteger(-129);
  EXPECT_EQ(w.bytes(), Bytes({0x03, 0x7F, 0xFF}));
  w = ValueWriter();
  w.WriteInteger(32768);
  EXPECT_EQ(w.bytes(), Bytes({0x04, 0x00, 0x80, 0x00, 0x00}));

  for (int32_t v : {0, 1, -1, 127, 128, -32768, 32767, 65535, std::numeric_limits<int32_t>::min(),
                    std::numeric_limits<int32_t>::max()}) {
    ValueWriter vw;
    vw.WriteInteger(v);
    ValueReader r(vw.bytes());
    EXPECT_EQ(r.ReadInteger(), v);
    EXPECT_TRUE(r.AtEnd());
  }
}

TEST(ValueIo, StringsShortAndLong) {
  ValueWriter w;
  w.WriteString("Tarnik");
  EXPECT_EQ(w.bytes(), Bytes({0x06, 6}) + "Tarnik");
  const std::string long_text(300, 'x');
  w = ValueWriter();
  w.WriteString(long_text);
  EXPECT_EQ(w.bytes().substr(0, 5), Bytes({0x0C, 0x2C, 0x01, 0x00, 0x00}));
  EXPECT_EQ(w.size(), 305u);
  ValueReader r(w.bytes());
  EXPECT_EQ(r.ReadString(), long_text);
}

TEST(ValueIo, ExtendedFloats) {
  uint8_t ext[10];
  DoubleToExtended(1.0, ext);
  // 1.0 = mantissa 0x8000000000000000, exponent 0x3FFF.
  EXPECT_EQ(std::string(reinterpret_cast<char*>(ext), 10),
            Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  for (double v : {0.0, 1.5, -2.25, 1e300, -1e-300, 4.9e-324, 123456.789,
                   std::numeric_limits<double>::infinity()}) {
    DoubleToExtended(v, ext);
    EXPECT_EQ(ExtendedToDouble(ext), v);
  }
  DoubleToExtended(std::nan(""), ext);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(ext)));
  // Extended values beyond the double range saturate instead of misbehaving.
  const std::string huge = Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F});
  EXPECT_TRUE(std::isinf(ExtendedToDouble(reinterpret_cast<const uint8_t*>(huge.data()))));
  const std::string tiny = Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_EQ(ExtendedToDouble(reinterpret_cast<const uint8_t*>(tiny.data())), 0.0);
}

TEST(ValueIo, FloatReadingAcceptsIntegers) {
  ValueWriter w;
  w.WriteInteger(-7);
  w.WriteFloat(0.5);
  ValueReader r(w.bytes());
  EXPECT_EQ(r.ReadFloat(), -7.0);
  EXPECT_EQ(r.ReadFloat(), 0.5);
}

TEST(ValueIo, DamagedInputThrowsInsteadOfReadingOn) {
  // A long string claiming 4 GB with three bytes behind it.
  const std::string huge_bytes = Bytes({0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'});
  ValueReader huge(huge_bytes);
  EXPECT_THROW(huge.ReadString(), StreamFormatError);
  const std::string short_bytes = Bytes({0x04, 0x01, 0x02});
  ValueReader short_int(short_bytes);
  EXPECT_THROW(short_int.ReadInteger(), StreamFormatError);
  const std::string wrong_bytes = Bytes({0x06, 0x01, 'x'});
  ValueReader wrong_tag(wrong_bytes);
  EXPECT_THROW(wrong_tag.ReadInteger(), StreamFormatError);
  EXPECT_EQ(wrong_tag.position(), 0u);  // a failed read does not move on
  ValueReader empty(std::string_view{});
  EXPECT_THROW(empty.PeekTag(), StreamFormatError);
  EXPECT_THROW(empty.ReadListBegin(), StreamFormatError);
  const std::string unknown_bytes = Bytes({0x07});
  ValueReader unknown(unknown_bytes);
  EXPECT_THROW(unknown.SkipValue(), StreamFormatError);
  // Deep nesting is refused, not followed down the stack.
  const std::string deep_bytes(10000, '\x01');
  ValueReader deep(deep_bytes);
  EXPECT_THROW(deep.SkipValue(), StreamFormatError);
}

TEST(ValueIo, SkipValueCrossesNestedLists) {
  ValueWriter w;
  w.WriteListBegin();
  w.WriteInteger(1000);
  w.WriteString("a");
  w.WriteListBegin();
  w.WriteFloat(2.0);
  w.WriteListEnd();
  w.WriteListEnd();
  w.WriteInteger(5);
  ValueReader r(w.bytes());
  r.SkipValue();
  EXPECT_EQ(r.ReadInteger(), 5);
}

}  // namespace
}  // namespace tarnik::framework::stream
