#include <gtest/gtest.h>

#include "framework/class_register.h"
#include "framework/framework_classes.h"
#include "framework/models/element_model.h"
#include "framework/models/register_models.h"
#include "framework/values/string_list.h"
#include "platform/recording_ui.h"

namespace tarnik::framework {
namespace {

class ElementModelTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFrameworkClasses(); }
  platform::RecordingUi ui_;
  platform::ScopedUi scoped_{&ui_};
};

TEST_F(ElementModelTest, NoFlagsNeverCreateTheSubEntities) {
  TElementModel model;
  EXPECT_EQ(model.GetPropertyText("NoModelProperties"), "True");
  EXPECT_EQ(model.GetPropertyText("NoModelElements"), "True");
  EXPECT_EQ(model.GetPropertyText("LastPropertyModel"), "0");
  EXPECT_EQ(model.GetCount(), 0);
  // An empty sub-entity still counts as none.
  model.ModelProperties();
  EXPECT_EQ(model.GetCount(), 1);
  EXPECT_TRUE(model.NoModelProperties());
}

TEST_F(ElementModelTest, NewNamesAppendModelsInOrder) {
  TElementModel model;
  model.SetPropertyText("NewPropertyName", "PLOCHA");
  model.SetPropertyText("NewPropertyName", "VEK");
  model.SetPropertyText("NewElementName", "ETZ");
  TOwnerEntity* props = model.ModelProperties();
  ASSERT_EQ(props->GetCount(), 2);
  EXPECT_EQ(props->GetElement(0)->GetName(), "PLOCHA");
  EXPECT_TRUE(props->GetElement(1)->Is<TPropertyModel>());
  EXPECT_EQ(model.LastPropertyModel(), props->GetElement(1));
  EXPECT_FALSE(model.NoModelProperties());
  ASSERT_EQ(model.ModelElements()->GetCount(), 1);
  EXPECT_EQ(model.ModelElements()->GetElement(0)->ClassName(), "TElementModel");
  EXPECT_EQ(model.GetPropertyText("ModelProperties"), std::to_string(props->Handle()));
}

TEST_F(ElementModelTest, SubEntitiesIgnoreChildrenOfOtherClassesWithTheSameName) {
  TElementModel model;
  auto* stray = new TPropertyModel();
  stray->SetName("properties");
  model.AddElement(stray);
  model.NewPropertyName("A");
  EXPECT_NE(static_cast<TElement*>(model.ModelProperties()), stray);
  EXPECT_EQ(model.ModelProperties()->GetCount(), 1);
}

TEST_F(ElementModelTest, ImagesAreAppendedAsUnnamedValues) {
  TElementModel model;
  EXPECT_TRUE(model.NoImages());
  model.SetPropertyText("NewImage", "les.bmp");
  model.SetPropertyText("NewImage", "porost.bmp");
  EXPECT_EQ(model.GetPropertyText("NoImages"), "False");
  TStringListElement* images = model.Images();
  EXPECT_EQ(images->GetName(), "IMAGES");
  EXPECT_EQ(images->ValuesToStringList(), (std::vector<std::string>{"les.bmp", "porost.bmp"}));
  EXPECT_EQ(GetPropertyObject(&model, "Images"), images);
}

TEST_F(ElementModelTest, PublishedOrderOfTheElementModel) {
  const TClassInfo& c = TElementModel::StaticClass();
  std::vector<std::string> own;
  for (int i = c.IndexOf("ElementClassName"); i < c.PropCount(); ++i) {
    own.push_back(c.Properties()[static_cast<size_t>(i)].name);
  }
  EXPECT_EQ(
      own, (std::vector<std::string>{
               "ElementClassName", "AttachToPropertyName", "Alias", "Comment", "ImageIndex",
               "ModelProperties", "ModelElements", "Images", "NoModelProperties", "NoModelElements",
               "NoImages", "LastPropertyModel", "NewPropertyName", "NewElementName", "NewImage"}));
}

TEST_F(ElementModelTest, ToolModelsNestToolsAndElements) {
  TToolModel tool;
  EXPECT_TRUE(tool.NoModelTools());
  tool.SetPropertyText("NewToolName", "Export");
  tool.SetPropertyText("NewElementName", "DATA");
  tool.SetPropertyText("DynamicTool", "True");
  EXPECT_TRUE(tool.DynamicTool());
  ASSERT_NE(tool.LastToolModel(), nullptr);
  EXPECT_EQ(tool.LastToolModel()->ClassName(), "TToolModel");
  EXPECT_EQ(tool.LastToolModel()->GetName(), "Export");
  EXPECT_EQ(tool.ModelElements()->GetElement(0)->ClassName(), "TElementModel");
  EXPECT_FALSE(tool.NoModelTools());
}

TEST_F(ElementModelTest, WriteOnlyAndReadOnlyPropertiesAreNeverStored) {
  const TClassInfo& c = TToolModel::StaticClass();
  for (const char* name : {"NewPropertyName", "NewElementName", "ModelProperties",
                           "LastPropertyModel", "NewToolName", "NoModelTools"}) {
    ASSERT_NE(c.Find(name), nullptr) << name;
    EXPECT_FALSE(c.Find(name)->DeclaredStored()) << name;
  }
  EXPECT_TRUE(c.Find("DynamicTool")->DeclaredStored());
  // Inherited properties come first.
  EXPECT_LT(c.IndexOf("ElementClassName"), c.IndexOf("DynamicTool"));
}

TEST_F(ElementModelTest, RegisterClassModelCreatesItsSubEntitiesOnFirstRead) {
  TRegisterClassModel model;
  EXPECT_EQ(model.GetCount(), 0);
  TElement* shell = GetPropertyObject(&model, "Shell");
  TElement* props = GetPropertyObject(&model, "PropertyModels");
  ASSERT_NE(shell, nullptr);
  EXPECT_EQ(shell->GetName(), "SHELL");
  EXPECT_EQ(props->GetName(), "PROPERTY MODELS");
  EXPECT_EQ(GetPropertyObject(&model, "Shell"), shell);
  EXPECT_EQ(model.GetCount(), 2);
}

TEST_F(ElementModelTest, SystemRegisterClassModelsMakeRegisterClassModels) {
  TSystemRegister reg;
  EXPECT_EQ(reg.Images()->GetName(), "IMAGES");
  EXPECT_EQ(reg.Cursors()->GetName(), "CURSORS");
  EXPECT_NE(reg.Images(), reg.Cursors());
  EXPECT_TRUE(GetPropertyObject(&reg, "Cursors")->Is<TStringListElement>());
  TRegisterClassModels* models = reg.ClassModels();
  EXPECT_EQ(models->GetName(), "CLASS MODELS");
  EXPECT_EQ(reg.ClassModels(), models);
  EXPECT_EQ(models->GetPropertyText("ItemClassName"), "TRegisterClassModel");
  models->SetPropertyText("NewClassName", "TOwnerEntity");
  ASSERT_NE(models->ActualClassModel(), nullptr);
  EXPECT_EQ(models->ActualClassModel()->GetName(), "TOwnerEntity");
  // An unusable item class falls back to the entity's own item class.
  models->SetItemClassName("TOwnerEntity");
  EXPECT_EQ(models->ItemClassName(), "TRegisterClassModel");
}

}  // namespace
}  // namespace tarnik::framework
