#include <gtest/gtest.h>

#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "framework/models/inheritance_model.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

class InheritanceModelTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }

  // The item models of a model, in order.
  static std::vector<TInheritanceModel*> ItemsOf(TInheritanceModel& model) {
    std::vector<TInheritanceModel*> out;
    if (TModelItems* items = model.FindItems()) {
      for (TElement* e : items->Children()) out.push_back(dynamic_cast<TInheritanceModel*>(e));
    }
    return out;
  }
  static std::string Shape(TInheritanceModel& model) {
    std::string s = model.ElementClassName();
    auto items = ItemsOf(model);
    if (items.empty()) return s;
    s += "{";
    for (size_t i = 0; i < items.size(); ++i) {
      if (i) s += ",";
      s += Shape(*items[i]);
    }
    return s + "}";
  }

  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
  TInheritanceModelEntity tree_;
};

TEST_F(InheritanceModelTest, InsertionOrdersModelsByInheritance) {
  tree_.NewClassName("TEntity");
  tree_.NewClassName("TOwnerEntity");
  tree_.NewClassName("TNameEntity");
  EXPECT_EQ(Shape(tree_), "{TEntity{TNameEntity{TOwnerEntity}}}");
  TInheritanceModel* entity = ItemsOf(tree_)[0];
  TInheritanceModel* owner = ItemsOf(*ItemsOf(*entity)[0])[0];
  EXPECT_EQ(tree_.FindModel(&TOwnerEntity::StaticClass()), owner);
  EXPECT_EQ(tree_.FindModel(&TQuickEntity::StaticClass()), entity);
  EXPECT_EQ(tree_.FindModel(&TElement::StaticClass()), nullptr);
  EXPECT_EQ(tree_.GetPropertyText("Error"), "0");
}

TEST_F(InheritanceModelTest, AModelForABaseClassTakesTheDerivedModelsBelowIt) {
  tree_.NewClassName("TOwnerEntity");
  tree_.NewClassName("TEnvelopeEntity");
  tree_.NewClassName("TOwnerElement");
  tree_.NewClassName("TEntity");
  // Walked from the last item to the first, so the moved models arrive in reverse.
  EXPECT_EQ(Shape(tree_), "{TOwnerElement,TEntity{TEnvelopeEntity,TOwnerEntity}}");
  tree_.NewClassName("TElement");
  EXPECT_EQ(Shape(tree_), "{TElement{TEntity{TEnvelopeEntity,TOwnerEntity},TOwnerElement}}");
  EXPECT_EQ(tree_.FindModel(&TNameEntity::StaticClass())->ElementClassName(), "TEntity");
}

TEST_F(InheritanceModelTest, ErrorCodesOfTheEntity) {
  EXPECT_EQ(tree_.GetPropertyText("ActualClassName"), "NIL");
  EXPECT_EQ(tree_.Error(), 3);
  EXPECT_EQ(tree_.GetPropertyText("IsError"), "True");

  tree_.SetPropertyText("NewClassName", "TNoSuchClass");
  EXPECT_EQ(tree_.Error(), 2);
  tree_.SetPropertyText("NewClassName", "");
  EXPECT_EQ(tree_.Error(), 0);
  EXPECT_EQ(tree_.ActualItem(), nullptr);

  tree_.NewClassName("TEntity");
  EXPECT_EQ(tree_.Error(), 0);
  EXPECT_EQ(tree_.GetPropertyText("ActualClassName"), "TEntity");
  tree_.SetPropertyText("FindClassName", "TElement");  // registered, not accepted
  EXPECT_EQ(tree_.Error(), 1);
  EXPECT_EQ(tree_.ActualItem(), nullptr);
  tree_.SetPropertyText("FindClassName", "Nothing");
  EXPECT_EQ(tree_.Error(), 2);
  tree_.SetPropertyText("FindClassName", "tOwnerEntity");
  EXPECT_EQ(tree_.Error(), 0);
  EXPECT_EQ(tree_.GetPropertyText("ActualClassName"), "TEntity");

  TInheritanceModelEntity empty;
  empty.FindClassName("TEntity");
  EXPECT_EQ(empty.Error(), 1);
  empty.SetActualClassName("TEntity");
  EXPECT_EQ(empty.Error(), 3);
  EXPECT_TRUE(empty.NoItems());
}

TEST_F(InheritanceModelTest, DeletingAModelKeepsTheModelsOfDerivedClasses) {
  tree_.NewClassName("TEntity");
  tree_.NewClassName("TNameEntity");
  tree_.NewClassName("TOwnerEntity");
  TElementRef owner(tree_.ActualItem());
  tree_.FindClassName("TNameEntity");
  TElementRef name_model(tree_.ActualItem());
  tree_.SetPropertyText("DeleteActualItem", "True");
  EXPECT_FALSE(name_model);
  EXPECT_EQ(tree_.Error(), 3);
  EXPECT_EQ(tree_.ActualItem(), nullptr);
  ASSERT_TRUE(owner);
  EXPECT_EQ(Shape(tree_), "{TEntity{TOwnerEntity}}");
  EXPECT_EQ(tree_.FindModel(&TOwnerEntity::StaticClass()), owner.Get());
}

TEST_F(InheritanceModelTest, RenamingTheActualItemReplacesIt) {
  tree_.NewClassName("TEntity");
  tree_.NewClassName("TOwnerEntity");
  TElementRef old(tree_.ActualItem());
  tree_.SetPropertyText("ActualClassName", "TNameEntity");
  EXPECT_FALSE(old);
  EXPECT_EQ(tree_.Error(), 0);
  EXPECT_EQ(tree_.ActualClassName(), "TNameEntity");
  EXPECT_EQ(Shape(tree_), "{TEntity{TNameEntity}}");
}

TEST_F(InheritanceModelTest, AModelCannotBePlacedBelowItself) {
  tree_.NewClassName("TEntity");
  auto* entity = tree_.ActualItem();
  tree_.NewClassName("TOwnerEntity");
  auto* owner = tree_.ActualItem();
  owner->NextItem(entity);
  owner->NextItem(owner);
  entity->NextItem(entity);
  EXPECT_EQ(Shape(tree_), "{TEntity{TOwnerEntity}}");
  // The same model inserted twice stays where it is.
  tree_.NextItem(owner);
  EXPECT_EQ(Shape(tree_), "{TEntity{TOwnerEntity}}");
}

TEST_F(InheritanceModelTest, WalksEndOnATreeMadeCyclicByHand) {
  tree_.NewClassName("TEntity");
  TInheritanceModel* entity = tree_.ActualItem();
  tree_.NewClassName("TNameEntity");
  TInheritanceModel* name = tree_.ActualItem();
  name->Items()->AddElement(entity);  // plain entity operation, bypassing NextItem
  EXPECT_EQ(tree_.FindModel(&TOwnerEntity::StaticClass()), name);
  auto* owner = new TInheritanceModel();
  owner->SetElementClass(&TOwnerEntity::StaticClass());
  tree_.NextItem(owner);
  EXPECT_FALSE(owner->HasNoOwners());
  name->Items()->RemoveElement(entity);
}

TEST_F(InheritanceModelTest, TheEntityItselfAsActualItemIsNeverFreed) {
  tree_.SetElementClassName("TEntity");
  EXPECT_EQ(tree_.GetName(), "TEntity");
  tree_.FindClassName("TOwnerEntity");
  EXPECT_EQ(tree_.ActualItem(), &tree_);
  tree_.DeleteActualItem(true);
  EXPECT_EQ(tree_.Error(), 3);
  tree_.FindClassName("TEntity");
  tree_.SetActualClassName("TOwnerEntity");
  EXPECT_EQ(tree_.ActualClassName(), "TOwnerEntity");
  EXPECT_EQ(Shape(tree_), "TEntity{TOwnerEntity}");
}

TEST_F(InheritanceModelTest, AcceptsAndClassNames) {
  TInheritanceModel model;
  EXPECT_TRUE(model.Accepts(&TElement::StaticClass()));
  model.SetPropertyText("ElementClassName", "tnameentity");
  EXPECT_EQ(model.GetPropertyText("ElementClassName"), "TNameEntity");
  EXPECT_EQ(model.GetName(), "TNameEntity");
  EXPECT_TRUE(model.Accepts(&TOwnerEntity::StaticClass()));
  EXPECT_FALSE(model.Accepts(&TEntity::StaticClass()));
  EXPECT_FALSE(model.Accepts(nullptr));
  model.SetElementClassName("Unknown");
  EXPECT_EQ(model.ElementClass(), nullptr);
  EXPECT_EQ(model.Items()->GetName(), "ITEMS");
  EXPECT_EQ(model.Items()->Wrapped(), &model);

  tree_.SetItemClassName("TNoSuch");
  EXPECT_EQ(tree_.ItemClassName(), "TInheritanceModel");
  tree_.SetItemClassName("TRegisterClassModel");
  EXPECT_EQ(tree_.ItemClassName(), "TRegisterClassModel");
  tree_.NewClassName("TEntity");
  EXPECT_EQ(tree_.ActualItem()->ClassName(), "TRegisterClassModel");
}

}  // namespace
}  // namespace tarnik::framework
