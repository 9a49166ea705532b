#include <gtest/gtest.h>

#include "framework/entity.h"
#include "framework/framework_classes.h"
#include "framework/property_text.h"
#include "framework/values/element_index.h"
#include "framework/values/key_callbacks.h"
#include "framework/values/typed_values.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

// An element with a SPACEID property, as the spatial elements have.
class TSpaced : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSpaced)
  int32_t space_id = 0;
};

void DefineSpaced(std::vector<TPropInfo>& out) {
  TPropDefs<TSpaced> d(out);
  d.Integer(
      "SPACEID", [](TSpaced& s) { return s.space_id; }, nullptr);
}

TARNIK_DEFINE_CLASS(TSpaced, TOwnerEntity, DefineSpaced)

class ElementIndexTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  TSpaced* Add(const std::string& name, int32_t id) {
    auto* e = new TSpaced();
    e->SetName(name);
    e->space_id = id;
    entity_.AddElement(e);
    return e;
  }
  std::vector<std::string> Keys(const TElementIndex& index) {
    std::vector<std::string> keys;
    for (int i = 0; i < index.Count(); ++i) keys.push_back(index.KeyAt(i));
    return keys;
  }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TOwnerEntity entity_;
};

TEST_F(ElementIndexTest, DefaultKeyIsNameAndSpaceIdSortedUnderCzechRules) {
  TSpaced* b = Add("b", 2);
  Add("Č", 1);
  TSpaced* first_c = Add("c", 1);
  Add("C", 1);  // same key in other letter case: the first one stays
  Add("a", 7);
  entity_.AddElement(new TIntegerElement(5));  // no SPACEID: the key is its name
  TElementIndex index;
  EXPECT_EQ(index.GetPropertyText("OnAddElement"), "1;0");
  ASSERT_TRUE(SetPropertyObject(&index, "Entity", &entity_));
  // Upper-cased code points in order: "Č" comes after the ASCII letters.
  EXPECT_EQ(Keys(index), (std::vector<std::string>{"a7", "b2", "c1", "TIntegerElement", "Č1"}));
  EXPECT_EQ(index.GetPropertyInteger("Count"), 5);

  index.SetPropertyText("Value", "C1");
  EXPECT_EQ(index.Element(), first_c);
  EXPECT_EQ(index.GetPropertyInteger("ElementIndex"), 2);
  index.SetPropertyText("Value", "č1");
  EXPECT_EQ(index.ElementIndex(), 4);
  index.SetPropertyInteger("ElementIndex", 1);
  EXPECT_EQ(index.Value(), "b2");
  EXPECT_EQ(index.Element(), b);
  index.SetElementIndex(99);
  EXPECT_EQ(index.Value(), "b2");
  index.SetValue("");
  EXPECT_EQ(index.ElementIndex(), -1);
  EXPECT_EQ(index.Element(), nullptr);
  index.SetValue("zz");
  EXPECT_EQ(index.ElementIndex(), -1);

  // Adding one more keeps the order; a destroyed element reads as nil.
  index.AddElement(Add("aa", 0));
  EXPECT_EQ(index.KeyAt(1), "aa0");
  index.SetValue("b2");
  entity_.FreeElement(b);
  EXPECT_EQ(index.Element(), nullptr);
  index.SetPropertyText("Sorted", "False");
  EXPECT_EQ(index.GetPropertyText("Sorted"), "True");
  EXPECT_EQ(index.KeyAt(0), "a7");
}

TEST_F(ElementIndexTest, ClassFilterCallbacksAndProgress) {
  for (int i = 0; i < 250; ++i) Add("e" + std::to_string(1000 + i), 0);
  entity_.AddElement(new TIntegerElement(1));
  TElementIndex index;
  index.SetClassFilter(&TSpaced::StaticClass());
  int32_t code = RegisterKeyCallback([](TElement& e, TElement* bound) {
    return (bound ? bound->GetName() + ":" : std::string()) + e.GetName();
  });
  TOwnerEntity prefix;
  prefix.SetName("P");
  index.SetOnAddElement(TMethod{code, prefix.Handle()});
  index.SetEntity(&entity_);
  EXPECT_EQ(index.Count(), 250);
  EXPECT_EQ(index.KeyAt(0), "P:e1000");
  std::vector<std::string> progress;
  for (const auto& s : ui_.shown) {
    if (s.kind == "progress") progress.push_back(s.text);
  }
  EXPECT_EQ(progress, (std::vector<std::string>{"0/251", "100/251", "200/251", "0/0"}));

  TElementIndex unset;
  unset.SetPropertyText("OnAddElement", "0;0");
  unset.SetEntity(&entity_);
  unset.AddElement(entity_.GetElement(0));
  EXPECT_EQ(unset.Count(), 0);
  unset.SetPropertyText("OnAddElement", "999;0");  // unknown code: nothing is added either
  unset.SetEntity(&entity_);
  EXPECT_EQ(unset.Count(), 0);
}

}  // namespace
}  // namespace tarnik::framework
