#include <gtest/gtest.h>

#include "framework/framework_classes.h"
#include "framework/models/wcs.h"
#include "framework/models/world.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

// A coordinate-like element: float X and Y, an integer Z.
class TSamplePoint : public TElement {
 public:
  TARNIK_ELEMENT_CLASS(TSamplePoint)
  double x = 0, y = 0;
  int32_t z = 0;
};

void DefineSamplePoint(std::vector<TPropInfo>& out) {
  TPropDefs<TSamplePoint> d(out);
  d.Float(
      "X", [](TSamplePoint& p) { return p.x; }, [](TSamplePoint& p, double v) { p.x = v; });
  d.Float(
      "Y", [](TSamplePoint& p) { return p.y; }, [](TSamplePoint& p, double v) { p.y = v; });
  d.Integer(
      "Z", [](TSamplePoint& p) { return p.z; }, [](TSamplePoint& p, int32_t v) { p.z = v; });
}
TARNIK_DEFINE_CLASS(TSamplePoint, TElement, DefineSamplePoint)

// Only X, and read-only.
class TFixedPoint : public TElement {
 public:
  TARNIK_ELEMENT_CLASS(TFixedPoint)
};
void DefineFixedPoint(std::vector<TPropInfo>& out) {
  TPropDefs<TFixedPoint> d(out);
  d.Float(
      "X", [](TFixedPoint&) { return 5.0; }, nullptr);
}
TARNIK_DEFINE_CLASS(TFixedPoint, TElement, DefineFixedPoint)

class WcsTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  void TearDown() override { ResetWorld(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TEST_F(WcsTest, JtskNegatesAllThreeValuesBothWays) {
  TWCS* wcs = World().GetWCS(1);
  ASSERT_NE(wcs, nullptr);
  EXPECT_TRUE(wcs->Is<TJTSK>());
  EXPECT_EQ(wcs->Code(), 1);
  EXPECT_EQ(wcs->AxisName(0), "Y");
  EXPECT_EQ(wcs->AxisName(1), "X");
  EXPECT_EQ(wcs->AxisName(2), "Vyska");
  double x = 600000, y = 1100000, z = 300;
  wcs->ToInternal(x, y, z);
  EXPECT_EQ(x, -600000);
  EXPECT_EQ(y, -1100000);
  EXPECT_EQ(z, -300);
  wcs->FromInternal(x, y, z);
  EXPECT_EQ(x, 600000);
  EXPECT_EQ(y, 1100000);
  EXPECT_EQ(z, 300);
}

TEST_F(WcsTest, TheWorldKeepsOneSystemPerCode) {
  TWCSWorld& world = World();
  TWCS* first = world.GetWCS(1);
  EXPECT_EQ(world.GetWCS(1), first);
  EXPECT_EQ(world.GetWCS(0), nullptr);
  EXPECT_EQ(world.GetWCS(7), nullptr);
  EXPECT_EQ(world.CountOfClass(TWCSLibrary::StaticClass()), 1);
  EXPECT_EQ(world.WCSLibrary()->GetCount(), 1);
  EXPECT_EQ(first->GetPropertyText("Code"), "1");
}

TEST_F(WcsTest, ElementsAreConvertedInPlaceWithoutLosingPrecision) {
  const TWCS& jtsk = *World().GetWCS(1);
  TSamplePoint p;
  p.x = 654321.123456789;
  p.y = 1123456.987654321;
  p.z = 300;
  jtsk.ToInternal(p);
  EXPECT_EQ(p.x, -654321.123456789);
  EXPECT_EQ(p.y, -1123456.987654321);
  EXPECT_EQ(p.z, -300);
  jtsk.FromInternal(p);
  EXPECT_EQ(p.x, 654321.123456789);
  EXPECT_EQ(p.z, 300);

  TFixedPoint fixed;  // read-only and missing axes are left alone
  jtsk.ToInternal(fixed);
  EXPECT_EQ(fixed.GetPropertyText("X"), "5");

  TWCS identity;
  identity.ToInternal(p);
  EXPECT_EQ(p.x, 654321.123456789);
}

}  // namespace
}  // namespace tarnik::framework
