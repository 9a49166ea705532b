#include <gtest/gtest.h>

#include <memory>

#include "framework/entity.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"
#include "framework/values/dynamic_properties.h"
#include "framework/values/instance_properties.h"
#include "framework/values/property_list.h"
#include "framework/values/string_element.h"
#include "framework/values/typed_values.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

// A model-like class with a few published properties.
class TSampleItem : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSampleItem)
  int32_t count = 0;
  std::string label;
};

void DefineSampleItem(std::vector<TPropInfo>& out) {
  TPropDefs<TSampleItem> d(out);
  d.Integer(
      "Pocet", [](TSampleItem& s) { return s.count; },
      [](TSampleItem& s, int32_t v) { s.count = v; });
  d.String(
      "Popis", [](TSampleItem& s) { return s.label; },
      [](TSampleItem& s, const std::string& v) { s.label = v; });
  d.String(
      "Zaporny", [](TSampleItem&) { return std::string("-5"); }, nullptr);
}

TARNIK_DEFINE_CLASS(TSampleItem, TOwnerEntity, DefineSampleItem)

class PropertyBagsTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TEST_F(PropertyBagsTest, PropertyListFillsAndNegatesBySign) {
  TSampleItem item;
  item.SetName("PSK 1");
  item.count = 5;
  item.label = "";
  TPropertyList list;
  list.NextName("Name");
  list.NextName("-Pocet");
  list.NextName("-Zaporny");
  list.NextName("-Popis");
  list.NextName("Neznama");
  list.SetDelimiter(";");
  ASSERT_TRUE(SetPropertyObject(&list, "Element", &item));
  EXPECT_EQ(list.ValuesToStringList(), (std::vector<std::string>{"PSK 1", "-5", "5", "", ""}));
  EXPECT_EQ(list.GetPropertyText("Catenation"), "PSK 1;-5;5;;");
  list.SetPropertyText("Delimiter", "/");
  EXPECT_EQ(list.Catenation(), "PSK 1/-5/5//");
  list.SetElement(nullptr);  // nothing to read: the texts stay
  EXPECT_EQ(list.GetValue("Name"), "PSK 1");
  EXPECT_EQ(TPropertyList().Catenation(), "");
}

TEST_F(PropertyBagsTest, PropertyDesignatesOnePropertyOfALiveObject) {
  auto* item = new TSampleItem();
  item->count = 3;
  int index = TSampleItem::StaticClass().IndexOf("Pocet");
  TProperty prop(item, index);
  EXPECT_EQ(prop.GetName(), "Pocet");
  EXPECT_EQ(prop.PropString(), "3");
  EXPECT_EQ(prop.PropLongInt(), 3);
  EXPECT_EQ(prop.TypeKind(), static_cast<int>(TTypeKind::tkInteger));
  EXPECT_TRUE(prop.IsStored());
  prop.SetPropertyText("PropString", "12");
  EXPECT_EQ(item->count, 12);
  prop.SetPropIndex(TSampleItem::StaticClass().IndexOf("Zaporny"));
  EXPECT_FALSE(prop.IsStored());     // read-only
  EXPECT_EQ(prop.PropLongInt(), 0);  // not ordinal
  delete item;
  EXPECT_EQ(prop.PropString(), "");
  EXPECT_EQ(prop.TypeKind(), 0);
  prop.SetPropString("1");  // no object: nothing happens
}

TEST_F(PropertyBagsTest, InstancePropertiesSelectAndForward) {
  TSampleItem item;
  item.count = 7;
  TInstanceProperties adapter;
  EXPECT_EQ(adapter.InstClassName(), "Unknown class");
  adapter.SetPropIndex(0);  // no instance: nothing
  EXPECT_EQ(adapter.PropIndex(), -1);

  adapter.SetInstance(&item);
  EXPECT_EQ(adapter.GetName(), "TSampleItem_Instance");
  EXPECT_EQ(adapter.GetPropertyText("InstClassName"), "TSampleItem");
  EXPECT_EQ(adapter.PropCount(), TSampleItem::StaticClass().PropCount());

  adapter.SetPropertyText("PropName", "POCET");
  EXPECT_EQ(adapter.GetPropertyText("PropName"), "Pocet");
  EXPECT_EQ(adapter.PropIndex(), TSampleItem::StaticClass().IndexOf("Pocet"));
  EXPECT_EQ(adapter.GetPropertyText("PropString"), "7");
  EXPECT_EQ(adapter.PropKind(), static_cast<int>(TTypeKind::tkInteger));
  ASSERT_NE(adapter.ActualProperty(), nullptr);
  {
    // A list that takes the selection and frees it leaves the adapter without one.
    TEntity list;
    list.AddElement(adapter.ActualProperty());
  }
  EXPECT_EQ(adapter.ActualProperty(), nullptr);
  EXPECT_EQ(adapter.PropIndex(), -1);
  adapter.SetPropName("Pocet");
  adapter.SetPropName("Pocet");  // the previous selection is freed (ASan watches)

  adapter.SetPropIndex(-1);  // ignored: the selection stays
  EXPECT_EQ(adapter.PropName(), "Pocet");
  adapter.SetPropIndex(adapter.PropCount());
  EXPECT_EQ(adapter.PropName(), "Pocet");
  adapter.SetPropName("Nic");  // an unknown name selects nothing
  EXPECT_EQ(adapter.PropIndex(), -1);
  EXPECT_EQ(adapter.PropName(), "");
  EXPECT_EQ(adapter.GetPropertyText("PropString"), "");

  // Names the adapter does not publish go to the instance.
  adapter.SetPropertyText("Popis", "smrk");
  EXPECT_EQ(item.label, "smrk");
  EXPECT_EQ(adapter.GetPropertyText("popis"), "smrk");
  EXPECT_EQ(adapter.PropName(), "Popis");
  EXPECT_EQ(adapter.GetPropertyText("Nic"), "");  // not the previous selection's text
  // The adapter's own names win.
  EXPECT_EQ(adapter.GetPropertyText("Name"), "TSampleItem_Instance");
}

TEST_F(PropertyBagsTest, InstancePropertiesAsListAndDeadInstance) {
  auto* item = new TSampleItem();
  item->SetName("X");
  item->label = "buk";
  TInstanceProperties adapter;
  adapter.SetInstance(item);
  adapter.SetPropertyText("IsList", "True");
  ASSERT_EQ(adapter.GetCount(), adapter.PropCount());
  EXPECT_EQ(adapter.GetValue("Popis"), "buk");
  EXPECT_EQ(adapter.GetValue("Name"), "X");
  adapter.SetPropertyText("IsList", "False");
  EXPECT_EQ(adapter.GetCount(), 0);

  adapter.SetPropName("Popis");
  delete item;
  EXPECT_EQ(adapter.Instance(), nullptr);
  EXPECT_EQ(adapter.InstClassName(), "Unknown class");
  EXPECT_EQ(adapter.PropString(), "");
  EXPECT_EQ(adapter.PropIndex(), -1);
  adapter.SetPropertyText("Popis", "x");
  adapter.SetIsList(true);
  EXPECT_EQ(adapter.GetCount(), 0);
}

TEST_F(PropertyBagsTest, DynamicPropertiesCreateTypedChildren) {
  TDynamicProperties bag;
  EXPECT_FALSE(bag.HasProperty("Druh"));
  EXPECT_EQ(bag.GetPropertyText("Druh"), "");
  EXPECT_EQ(bag.GetPropertyInteger("Druh"), 0);
  EXPECT_FALSE(bag.GetPropertyBoolean("Druh"));

  bag.SetPropertyInteger("Druh", 110);
  ASSERT_EQ(bag.GetCount(), 1);
  EXPECT_TRUE(bag.GetElement(0)->Is<TIntegerElement>());
  EXPECT_EQ(bag.GetPropertyInteger("DRUH"), 110);
  EXPECT_TRUE(bag.HasProperty("druh"));
  bag.SetPropertyText("druh", "abc");  // the integer child keeps its value
  EXPECT_EQ(bag.GetPropertyInteger("Druh"), 110);
  bag.SetPropertyText("druh", "120");
  EXPECT_EQ(bag.GetPropertyText("Druh"), "120");

  bag.SetPropertyBoolean("Čistá", true);
  EXPECT_TRUE(bag.GetElement(1)->Is<TBooleanElement>());
  EXPECT_TRUE(bag.GetPropertyBoolean("čISTÁ"));  // Czech letters ignore case
  bag.SetPropertyText("Popis", "jedle");
  EXPECT_TRUE(bag.GetElement(2)->Is<TStringElement>());
  EXPECT_EQ(bag.GetCount(), 3);
  bag.SetPropertyText("", "x");
  EXPECT_EQ(bag.GetCount(), 3);
}

TEST_F(PropertyBagsTest, SharedValueSurvivesOneBag) {
  auto* bag1 = new TDynamicProperties();
  TDynamicProperties bag2;
  bag1->SetPropertyText("Spolecna", "ano");
  TElement* shared = bag1->GetElement(0);
  bag2.AddElement(shared);
  delete bag1;
  ASSERT_EQ(bag2.GetCount(), 1);
  EXPECT_EQ(shared->GetOwnersCount(), 1);
  EXPECT_EQ(bag2.GetPropertyText("spolecna"), "ano");
}

}  // namespace
}  // namespace tarnik::framework
