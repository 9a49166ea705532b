#include "spatial/rect_entity.h"

#include <gtest/gtest.h>

#include <memory>

#include "spatial/coordinate.h"
#include "spatial/rectangle.h"
#include "spatial/space_elements.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using testing::SpatialTest;

// A rectangle entity over (10, 20) .. (30, 60).
std::unique_ptr<TRectEntity> Box() {
  auto box = std::make_unique<TRectEntity>();
  box->bounds() = Bounds{10, 20, 30, 60};
  return box;
}

TEST_F(SpatialTest, RectangleStartsEmptyAndIsValidAfterOnePoint) {
  TRectangle r;
  EXPECT_FALSE(r.IsValid());
  EXPECT_EQ(r.GetPropertyText("MinX"), "1E30");
  EXPECT_EQ(r.GetPropertyText("MaxY"), "-1E30");
  r.Extend(3, 4);
  EXPECT_TRUE(r.IsValid());
  EXPECT_EQ(r.bounds(), (Bounds{3, 4, 3, 4}));
  r.SetPropertyText("Width", "2,5");
  r.SetPropertyText("Height", "6");
  EXPECT_EQ(r.bounds(), (Bounds{3, 4, 5.5, 10}));
  EXPECT_EQ(r.GetPropertyText("Width"), "2,5");
  std::unique_ptr<TRectangle> copy(r.Clone());
  EXPECT_EQ(copy->bounds(), r.bounds());
  EXPECT_TRUE(copy->Intersects(r));
  r.Reset();
  EXPECT_FALSE(r.IsValid());
  EXPECT_FALSE(copy->Intersects(r));
}

TEST_F(SpatialTest, RefPositionPlacesTheReferencePointOnTheRectangle) {
  auto box = Box();
  box->SetPropertyInteger("RefPosition", 5);
  EXPECT_DOUBLE_EQ(box->X(), 20);
  EXPECT_DOUBLE_EQ(box->Y(), 40);
  EXPECT_EQ(box->GetPropertyText("CenterX"), "20");
  EXPECT_EQ(box->GetPropertyText("HorizAllign"), "CENTER");
  EXPECT_EQ(box->GetPropertyText("VertAllign"), "CENTER");
  box->SetPropertyInteger("RefPosition", 9);
  EXPECT_EQ(box->GetPropertyText("X"), "30");
  EXPECT_EQ(box->GetPropertyText("Y"), "60");
  EXPECT_EQ(box->GetPropertyText("HorizAllign"), "RIGHT");
  EXPECT_EQ(box->GetPropertyText("VertAllign"), "TOP");
  box->SetPropertyInteger("RefPosition", 2);
  EXPECT_EQ(box->GetPropertyText("X"), "10");
  EXPECT_EQ(box->GetPropertyText("Y"), "40");
  // 0 and values outside 1..9 change nothing.
  box->SetPropertyInteger("RefPosition", 0);
  box->SetPropertyInteger("RefPosition", 10);
  EXPECT_EQ(box->RefPosition(), 2);
  // The rectangle itself never moved.
  EXPECT_EQ(box->bounds(), (Bounds{10, 20, 30, 60}));

  box->SetPropertyText("RelRefX", "0,25");
  EXPECT_EQ(box->GetPropertyText("HorizAllign"), "OTHER");
  EXPECT_EQ(box->RefPosition(), 0);
  box->SetPropertyText("HorizAllign", "left");
  box->SetPropertyText("VertAllign", "Down");
  EXPECT_EQ(box->RefPosition(), 1);
  box->SetPropertyText("HorizAllign", "OTHER");
  box->SetPropertyText("VertAllign", "middle");
  EXPECT_EQ(box->RefPosition(), 1);
}

TEST_F(SpatialTest, WritingTheReferencePointMovesAValidRectangle) {
  auto box = Box();
  box->SetRefPosition(5);
  box->SetPropertyText("X", "100");
  box->SetPropertyText("Y", "0");
  EXPECT_EQ(box->bounds(), (Bounds{90, -20, 110, 20}));
  // Relative reference: the absolute point stays, the rectangle moves under it.
  box->SetPropertyText("RelRefX", "0");
  EXPECT_DOUBLE_EQ(box->X(), 100);
  EXPECT_EQ(box->bounds(), (Bounds{100, -20, 120, 20}));
  // Delta and absolute reference change the relative reference only.
  box->SetPropertyText("DeltaRefX", "5");
  EXPECT_DOUBLE_EQ(box->RelRefX(), 0.25);
  box->SetPropertyText("AbsRefY", "10");
  EXPECT_DOUBLE_EQ(box->RelRefY(), 0.75);
  EXPECT_EQ(box->bounds(), (Bounds{100, -20, 120, 20}));
  EXPECT_EQ(box->GetPropertyText("DeltaRefY"), "30");
  box->SetPropertyText("DeltaX", "-100");
  box->SetPropertyText("DeltaY", "20");
  EXPECT_EQ(box->bounds(), (Bounds{0, 0, 20, 40}));
}

TEST_F(SpatialTest, AnEmptyRectangleTakesTheReferencePointAsItsExtent) {
  TPointElement point;
  point.SetPropertyText("X", "-600000");
  EXPECT_FALSE(point.IsValid());
  point.SetPropertyText("Y", "-1100000");
  EXPECT_TRUE(point.IsValid());
  EXPECT_EQ(point.bounds(), (Bounds{-600000, -1100000, -600000, -1100000}));
  EXPECT_EQ(point.GetPropertyText("X"), "-600000");
  // Sizes of zero give a relative reference of 0 instead of a division by zero.
  point.SetPropertyText("AbsRefX", "7");
  point.SetPropertyText("DeltaRefY", "3");
  EXPECT_EQ(point.RelRefX(), 0);
  EXPECT_EQ(point.RelRefY(), 0);
  EXPECT_EQ(point.GetPropertyText("IsValid"), "True");
}

TEST_F(SpatialTest, BoundsFollowWhatIsAddedNotWhatIsMoved) {
  TRectEntity box;
  box.AddWithBounds(new T2DCoordinate(1, 2));
  box.AddWithBounds(new T3DCoordinate(-3, 5, 100));
  box.AddWithBounds(new TCoordinate());  // no point: no extent
  auto* inner = new TRectEntity();
  inner->bounds() = Bounds{0, 0, 10, 1};
  box.AddWithBounds(inner);
  box.AddWithBounds(new TRectEntity());  // empty: no extent
  EXPECT_EQ(box.bounds(), (Bounds{-3, 0, 10, 5}));
  EXPECT_EQ(box.GetCount(), 5);
  // Moving the box does not move its children.
  box.SetPropertyText("DeltaX", "100");
  EXPECT_EQ(inner->bounds().min_x, 0);
  box.SetPropertyBoolean("UpdateNoReset", false);
  EXPECT_FALSE(box.IsValid());
  box.SetPropertyBoolean("UpdateNoReset", true);
  EXPECT_EQ(box.bounds(), (Bounds{-3, 0, 10, 5}));
  box.MoveBy(1, 1);
  box.RecomputeBounds();
  EXPECT_EQ(box.bounds(), (Bounds{-3, 0, 10, 5}));
}

TEST_F(SpatialTest, CoordinatesCopyTheirClassAndValues) {
  T3DCoordinate c(1.5, -2, 300);
  c.SetCS(1);
  std::unique_ptr<TCoordinate> copy(c.CopyCoordinate());
  EXPECT_EQ(copy->ClassName(), "T3DCoordinate");
  EXPECT_EQ(copy->CS(), 1);
  EXPECT_EQ(copy->Z(), 300);
  std::unique_ptr<framework::TElement> envelope(c.CreateEnvelope());
  EXPECT_EQ(envelope->GetPropertyText("X"), "1,5");
  EXPECT_EQ(envelope->GetPropertyText("Y"), "-2");
  EXPECT_EQ(envelope->GetPropertyText("CS"), "1");
  // Without a point the axes read -1 and ignore writes; a 2D coordinate has no Z.
  TCoordinate bare;
  bare.SetPropertyText("X", "5");
  EXPECT_EQ(bare.GetPropertyText("X"), "-1");
  T2DCoordinate flat(4, 5);
  flat.SetPropertyText("Z", "9");
  EXPECT_EQ(flat.GetPropertyText("Z"), "-1");
  EXPECT_EQ(flat.GetPropertyText("Y"), "5");
}

}  // namespace
}  // namespace tarnik::spatial
