#include "spatial/registers.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/models/world.h"
#include "framework/values/dynamic_properties.h"
#include "spatial/space_elements.h"
#include "spatial/space_props.h"
#include "testing/spatial_fixture.h"

namespace tarnik::spatial {
namespace {

using framework::TElementRef;
using testing::Own;
using testing::SpatialTest;

// A holder with a fixed object number and an attribute table of one field, "PLOCHA".
class TTestProps : public TSpaceEntityProps {
 public:
  TARNIK_ELEMENT_CLASS(TTestProps)
  int32_t number = 0;
  std::string plocha = "12,5";
  bool broken = false;
  int32_t GetSpaceID() override { return number; }
  bool HasExtraProperty(std::string_view name) override {
    if (broken) throw std::runtime_error("tabulka");
    return name == "PLOCHA";
  }
  bool HasExtraProperties() override { return true; }
  std::string GetExtraProperty(std::string_view name) override {
    if (broken) throw std::runtime_error("tabulka");
    return name == "PLOCHA" ? plocha : std::string();
  }
  void SetExtraProperty(std::string_view name, const std::string& value) override {
    if (broken) throw std::runtime_error("tabulka");
    if (name == "PLOCHA") plocha = value;
  }
};
void DefineTestProps(std::vector<framework::TPropInfo>& out) {
  framework::TPropDefs<TTestProps> d(out);
  d.Integer(
      "Cislo", [](TTestProps& p) { return p.number; },
      [](TTestProps& p, int32_t v) { p.number = v; });
}
TARNIK_DEFINE_CLASS(TTestProps, TSpaceEntityProps, DefineTestProps)

template <class T>
T* Numbered(int32_t number) {
  auto* element = new T();
  auto* props = new TTestProps();
  props->number = number;
  element->SetProperties(props);
  return element;
}

TEST_F(SpatialTest, ElementsAreFiledByLetterAndNumber) {
  TRegister map;
  TBlockRegister* block = map.GetOrCreateBlock("Blok", "TBlockRegister");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(map.FindBlock("BLOK"), block);
  EXPECT_EQ(map.GetOrCreateBlock("blok", "TBlockRegister"), block);
  EXPECT_EQ(map.FindBlock(""), nullptr);
  EXPECT_EQ(map.FindBlock("Jiny"), nullptr);
  EXPECT_EQ(map.GetOrCreateBlock("Jiny", "TOwnerEntity"), nullptr);  // no block register
  EXPECT_EQ(map.GetCount(), 1);

  auto* area = Numbered<TAreaElement>(3);
  area->AddPoint(0, 0);
  area->AddPoint(10, 10);
  auto* line = Numbered<TPolyLineElement>(3);
  auto* text = Numbered<TTextElement>(1);
  auto* point = Numbered<TPointElement>(2);
  auto* other = Numbered<TSpaceEntity>(1);
  auto* ring = Numbered<TPolyLineAreaElement>(4);
  for (framework::TElement* e :
       std::vector<framework::TElement*>{area, line, text, point, other, ring}) {
    EXPECT_TRUE(block->Register(e)) << e->ClassName();
  }
  EXPECT_EQ(block->GetObject("P", 3), area);
  EXPECT_EQ(block->GetObject("p", 4), ring);
  EXPECT_EQ(block->GetObject("L", 3), line);
  EXPECT_EQ(block->GetObject("T", 1), text);
  EXPECT_EQ(block->GetObject("B", 2), point);
  EXPECT_EQ(block->GetObject("X", 1), other);
  // Slot 0 exists but is never read; letters outside the five and numbers past the slots are nil.
  ASSERT_NE(block->FindObjectRegister("P")->Slot(0), nullptr);
  EXPECT_EQ(block->GetObject("P", 0), nullptr);
  EXPECT_EQ(block->GetObject("P", 5), nullptr);
  EXPECT_EQ(block->GetObject("P", -1), nullptr);
  EXPECT_EQ(block->GetObject("Q", 1), nullptr);
  EXPECT_EQ(block->GetObjectRegister("Q"), nullptr);
  EXPECT_EQ(block->FindObjectRegister("Q"), nullptr);
  // The block's and the register's rectangles cover what they file.
  EXPECT_EQ(block->bounds(), (Bounds{0, 0, 10, 10}));
  EXPECT_EQ(block->FindObjectRegister("P")->bounds(), (Bounds{0, 0, 10, 10}));
  EXPECT_EQ(block->FindObjectRegister("P")->GetPropertyText("BlockName"), "Blok");

  // What the holders know of their filing.
  auto* props = framework::ClassCast<TSpaceEntityProps>(area->Properties());
  EXPECT_EQ(props->GetObjectRegister(), block->FindObjectRegister("P"));
  EXPECT_EQ(props->GetBlockRegister(), block);
  EXPECT_EQ(props->GetPropertyText("OrigNo"), "3");
  EXPECT_EQ(props->GetPropertyText("BlockName"), "Blok");
  EXPECT_EQ(props->GetFirstProps(), props);
  TSpaceEntityProps loose;
  EXPECT_EQ(loose.GetOrigNo(), -1);
  EXPECT_EQ(loose.GetBlockName(), "");
  EXPECT_EQ(loose.GetObjectRegister(), nullptr);

  block->FreeObject("P", 3);
  EXPECT_EQ(block->GetObject("P", 3), nullptr);
  EXPECT_EQ(block->GetObject("P", 4), ring);
}

TEST_F(SpatialTest, TheSlotPositionIsTheFirstOneWhereverTheNumberPoints) {
  TBlockRegister block;
  auto* area = Numbered<TAreaElement>(4);
  ASSERT_TRUE(block.Register(area));
  TObjectRegister* objects = block.FindObjectRegister("P");
  auto* props = framework::ClassCast<TTestProps>(area->Properties());
  TObjectOwner* slot = objects->Slot(4);
  EXPECT_EQ(props->GetOrigNo(), 4);
  EXPECT_EQ(objects->PositionOf(slot, 4), 4);
  EXPECT_EQ(objects->PositionOf(slot, 2), 4);
  EXPECT_EQ(objects->PositionOf(slot, 99), 4);
  EXPECT_EQ(objects->PositionOf(slot, -1), 4);
  EXPECT_EQ(objects->PositionOf(nullptr, 4), -1);
  // The number changed after filing: found by the search.
  props->number = 1;
  EXPECT_EQ(props->GetOrigNo(), 4);
  // The slot put once more in front: the first place counts, not the one of the number.
  objects->InsertElement(1, slot);
  EXPECT_EQ(objects->Slot(5), slot);
  props->number = 5;
  EXPECT_EQ(props->GetOrigNo(), 1);
  EXPECT_EQ(objects->PositionOf(slot, 5), 1);
  objects->RemoveElement(slot);
  EXPECT_EQ(props->GetOrigNo(), 4);
}

TEST_F(SpatialTest, NumbersOutsideTheRangeAreNotFiled) {
  TBlockRegister block;
  std::vector<std::unique_ptr<TPointElement>> unfiled;
  for (int32_t number : {0, -1, -7, kMaxObjectNumber + 1}) {
    unfiled.emplace_back(Numbered<TPointElement>(number));
    EXPECT_FALSE(block.Register(unfiled.back().get())) << number;
  }
  TObjectRegister objects;
  TPointElement point;
  EXPECT_FALSE(objects.Put(-5, &point));
  EXPECT_FALSE(objects.Put(0, &point));
  EXPECT_FALSE(objects.Put(kMaxObjectNumber + 1, &point));
  EXPECT_EQ(objects.GetCount(), 0);
  EXPECT_FALSE(block.IsValid());
  // Without a holder an element has no number.
  TPointElement bare;
  EXPECT_FALSE(block.Register(&bare));
}

TEST_F(SpatialTest, ASlotReadsThroughToItsFirstElement) {
  TObjectRegister objects;
  auto* first = Numbered<TAreaElement>(2);
  auto* second = Numbered<TAreaElement>(2);
  ASSERT_TRUE(objects.Put(2, first));
  ASSERT_TRUE(objects.Put(2, second));
  TObjectOwner* slot = objects.Slot(2);
  ASSERT_EQ(slot->GetCount(), 2);
  EXPECT_EQ(slot->GetPropertyText("Cislo"), "2");  // the first element's holder answers
  EXPECT_TRUE(slot->HasProperty("cislo"));
  EXPECT_FALSE(slot->HasProperty("Nic"));
  EXPECT_EQ(slot->GetPropertyText("Count"), "2");  // its own property first
  // Of two elements in one slot, the second's first holder is the first one's.
  auto* second_props = framework::ClassCast<TSpaceEntityProps>(second->Properties());
  EXPECT_EQ(second_props->GetFirstProps(), first->Properties());
  EXPECT_EQ(second_props->GetOrigNo(), 2);
}

TEST_F(SpatialTest, FiledHoldersReachTheirExtraProperties) {
  TObjectRegister objects;
  auto* area = Numbered<TAreaElement>(17);
  auto* props = static_cast<TTestProps*>(area->Properties());
  // Not filed: no extra properties.
  EXPECT_FALSE(area->HasProperty("PLOCHA"));
  EXPECT_EQ(area->GetPropertyText("PLOCHA"), "");
  objects.Put(17, area);
  EXPECT_TRUE(area->HasProperty("PLOCHA"));
  EXPECT_EQ(area->GetPropertyText("PLOCHA"), "12,5");
  area->SetPropertyText("PLOCHA", "13");
  EXPECT_EQ(props->plocha, "13");
  // The element's own and the holder's published properties come first.
  EXPECT_EQ(area->GetPropertyText("Cislo"), "17");
  EXPECT_EQ(area->GetPropertyText("IsHole"), "False");
  // A failing table reads as nothing and ignores writes.
  props->broken = true;
  EXPECT_FALSE(area->HasProperty("PLOCHA"));
  EXPECT_EQ(area->GetPropertyText("PLOCHA"), "");
  area->SetPropertyText("PLOCHA", "99");
  EXPECT_EQ(props->plocha, "13");
}

TEST_F(SpatialTest, ClonedHoldersCopyTheirOwnProperties) {
  TTestProps props;
  props.number = 42;
  props.SetIsDone(true);
  props.SetName("Drzak");
  std::unique_ptr<TSpaceEntityProps> copy(props.CloneProps());
  ASSERT_EQ(copy->ClassName(), "TTestProps");
  EXPECT_EQ(copy->GetPropertyText("Cislo"), "42");
  EXPECT_TRUE(copy->IsDone());
  // Properties up to LastIndex (the name among them) are not the holder's own.
  EXPECT_EQ(copy->OwnName(), "");
}

TEST_F(SpatialTest, TheSelectorFindsAnObjectOfTheWorldsRegister) {
  framework::ResetWorld();
  auto* map = new TRegister();
  framework::World().ObjectModel()->AddElement(map);
  TBlockRegister* block = map->GetOrCreateBlock("B", "TBlockRegister");
  auto* area = Numbered<TAreaElement>(17);
  block->Register(area);
  TRegisterObjectSelector selector;
  selector.SetPropertyText("BlockName", "b");
  selector.SetPropertyText("ObjectType", "Plocha");
  selector.SetPropertyInteger("ObjectNo", 17);
  selector.Execute();
  EXPECT_EQ(selector.Output(), area);
  selector.SetPropertyInteger("ObjectNo", 18);
  selector.Execute();
  EXPECT_EQ(selector.Output(), nullptr);
  selector.SetPropertyInteger("ObjectNo", 17);
  selector.SetPropertyText("BlockName", "C");
  selector.Execute();
  EXPECT_EQ(selector.Output(), nullptr);
  framework::ResetWorld();
  selector.SetPropertyText("BlockName", "B");
  selector.Execute();
  EXPECT_EQ(selector.Output(), nullptr);
  framework::ResetWorld();
}

}  // namespace
}  // namespace tarnik::spatial
