#include "spatial/space_entity.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/message.h"
#include "framework/values/dynamic_properties.h"
#include "framework/values/typed_values.h"
#include "spatial/space_elements.h"
#include "spatial/space_props.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using framework::TDynamicProperties;
using framework::TElementRef;
using testing::SpatialTest;

TEST_F(SpatialTest, PropertiesFallThroughToTheHolder) {
  TTextElement text;
  EXPECT_EQ(text.GetSpaceID(), -1);
  EXPECT_EQ(text.GetGroup(), -1);
  EXPECT_FALSE(text.HasProperty("DRUH"));
  text.SetPropertyText("DRUH", "110");  // no holder: nowhere to go
  EXPECT_EQ(text.GetPropertyText("DRUH"), "");

  auto* holder = new TDynamicProperties();
  holder->SetPropertyInteger("SPACEID", 17);
  holder->SetPropertyInteger("GROUP", 3);
  holder->SetPropertyText("Text", "z držáku");
  text.SetProperties(holder);
  EXPECT_EQ(text.GetSpaceID(), 17);
  EXPECT_EQ(text.GetPropertyText("SpaceID"), "17");
  EXPECT_EQ(text.GetPropertyInteger("Group"), 3);
  // Own properties first; an own property reading empty asks the holder.
  EXPECT_EQ(text.GetPropertyText("Text"), "z držáku");
  text.SetPropertyText("Text", "vlastní");
  EXPECT_EQ(text.Text(), "vlastní");
  EXPECT_EQ(holder->GetPropertyText("Text"), "z držáku");
  // Names the element does not publish go to the holder.
  text.SetPropertyText("druh", "110");
  EXPECT_TRUE(text.HasProperty("DRUH"));
  EXPECT_EQ(holder->GetPropertyText("DRUH"), "110");
  EXPECT_EQ(text.GetPropertyInteger("Druh"), 110);
  text.SetPropertyInteger("SpaceID", 18);
  EXPECT_EQ(holder->GetPropertyInteger("SPACEID"), 18);
}

TEST_F(SpatialTest, AHolderIsOwnedAndReplacedHoldersAreFreed) {
  TElementRef first_ref;
  TElementRef second_ref;
  {
    TPointElement point;
    auto* first = new TSpaceEntityProps();
    first_ref = first;
    point.SetProperties(first);
    EXPECT_EQ(first->SpaceEntity(), &point);
    EXPECT_EQ(first->FindOwnerByClass(TPointElement::StaticClass()), &point);
    // The element publishes its holder by handle like any element property.
    EXPECT_EQ(point.GetPropertyText("Properties"), std::to_string(first->Handle()));
    auto* second = new TSpaceEntityProps();
    second_ref = second;
    point.SetPropertyText("Properties", std::to_string(second->Handle()));
    EXPECT_EQ(first_ref.Get(), nullptr);
    EXPECT_EQ(point.Properties(), second);
    EXPECT_EQ(second->SpaceEntity(), &point);
    // The holder's own SpaceID (-1 here) answers for the element.
    EXPECT_EQ(point.GetSpaceID(), -1);
    point.SetProperties(&point);  // refused
    EXPECT_EQ(point.Properties(), second);
    // The holder is no child: it does not count among the element's children.
    EXPECT_EQ(point.GetCount(), 0);
  }
  EXPECT_EQ(second_ref.Get(), nullptr);

  // A holder that another entity keeps survives its element.
  framework::TOwnerEntity keeper;
  auto* shared = new TSpaceEntityProps();
  keeper.AddElement(shared);
  {
    TPointElement point;
    point.SetProperties(shared);
    EXPECT_EQ(shared->GetOwnersCount(), 2);
  }
  EXPECT_EQ(keeper.GetCount(), 1);
  EXPECT_EQ(shared->GetOwnersCount(), 1);
  EXPECT_EQ(shared->SpaceEntity(), nullptr);
}

TEST_F(SpatialTest, HolderChainsLeadingBackEndTheLookup) {
  framework::TOwnerEntity keeper;
  auto* a = new TPointElement();
  keeper.AddElement(a);
  auto* b = new TPointElement();
  TElementRef b_ref(b);
  a->SetProperties(b);
  b->SetProperties(a);  // a cycle: each holds the other
  EXPECT_EQ(a->GetPropertyText("UNKNOWN"), "");
  EXPECT_FALSE(a->HasProperty("UNKNOWN"));
  a->SetPropertyText("UNKNOWN", "1");
  EXPECT_EQ(a->GetSpaceID(), -1);
  EXPECT_EQ(b->GetGroup(), -1);
  b->SetProperties(nullptr);  // a stays: the keeper holds it
  ASSERT_EQ(keeper.GetCount(), 1);
  keeper.FreeAll();
  EXPECT_EQ(b_ref.Get(), nullptr);

  // Destroying one end of a cycle frees the other without freeing itself twice.
  auto* c = new TPointElement();
  auto* d = new TPointElement();
  TElementRef d_ref(d);
  c->SetProperties(d);
  d->SetProperties(c);
  delete c;
  EXPECT_EQ(d_ref.Get(), nullptr);
}

TEST_F(SpatialTest, IsDoneMirrorsTheID) {
  TPointElement point;
  EXPECT_FALSE(point.IsDone());
  point.SetPropertyBoolean("IsDone", true);
  EXPECT_EQ(point.ID(), 0);
  EXPECT_EQ(point.GetPropertyText("IsDone"), "True");
  point.SetPropertyBoolean("IsDone", false);
  EXPECT_EQ(point.ID(), -1);
}

TEST_F(SpatialTest, StringsCreateABagForUnknownPropertiesAndTakeNewParts) {
  TPointString string;
  string.SetPropertyText("BlockName", "B");
  string.SetPropertyText("TYPE", "B");
  auto* bag = framework::ClassCast<TDynamicProperties>(string.Properties());
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->GetCount(), 2);
  EXPECT_EQ(string.GetPropertyText("blockname"), "B");
  string.SetPropertyText("Angle", "1,5");  // published: stays with the string
  EXPECT_EQ(bag->GetCount(), 2);
  EXPECT_DOUBLE_EQ(string.Angle(), 1.5);

  // The new part a member announces joins the string.
  auto* member = new TPointElement();
  string.AddElement(member);
  auto* part = new TPointElement();
  framework::TKelvaMessage message(kNewPartMessage, part, &string, member);
  bool handled = false;
  string.HandleMessage(message, handled);
  EXPECT_TRUE(handled);
  ASSERT_EQ(string.GetCount(), 2);
  EXPECT_EQ(string.GetElement(1), part);
  framework::TKelvaMessage other(56, member, &string, member);
  handled = false;
  string.HandleMessage(other, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(string.GetCount(), 2);

  // Plain elements do not create a bag.
  TPointElement point;
  point.SetPropertyText("TYPE", "B");
  EXPECT_EQ(point.Properties(), nullptr);
}

TEST_F(SpatialTest, HitTestOfAPointMeasuresFromTheReferencePoint) {
  TPointElement point;
  point.SetX(10);
  point.SetY(20);
  EXPECT_TRUE(point.HitTest({10.5, 20.5}, 1));
  EXPECT_TRUE(point.HitTest({10.5, 20.5}, -1));  // the tolerance counts by its size
  EXPECT_FALSE(point.HitTest({11, 20}, 1));
  EXPECT_FALSE(point.HitTest({12, 20}, 1));
}

TEST_F(SpatialTest, SpaceRectsStartAsLast) {
  TSpaceLineBegEndCell cell;
  EXPECT_TRUE(cell.Last());
  EXPECT_EQ(cell.GetPropertyText("Last"), "True");
  cell.SetPropertyText("Count", "7");
  EXPECT_EQ(cell.Count(), 7);
  // Count is the cell's own number, not the number of children.
  cell.AddElement(new TPointElement());
  EXPECT_EQ(cell.GetPropertyText("Count"), "7");
}

}  // namespace
}  // namespace tarnik::spatial
