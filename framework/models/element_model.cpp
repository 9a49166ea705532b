#include "framework/models/element_model.h"

#include "framework/models/sub_entity.h"
#include "framework/values/string_list.h"

namespace tarnik::framework {
namespace {

void DefinePropertyModel(std::vector<TPropInfo>& out) {
  TPropDefs<TPropertyModel> d(out);
  d.String("Alias", &TPropertyModel::Alias, &TPropertyModel::SetAlias);
  d.String("Value", &TPropertyModel::Value, &TPropertyModel::SetValue);
}

void DefineElementModel(std::vector<TPropInfo>& out) {
  using M = TElementModel;
  TPropDefs<M> d(out);
  d.String("ElementClassName", &M::ElementClassName, &M::SetElementClassName);
  d.String("AttachToPropertyName", &M::AttachToPropertyName, &M::SetAttachToPropertyName);
  d.String("Alias", &M::Alias, &M::SetAlias);
  d.String("Comment", &M::Comment, &M::SetComment);
  d.Integer("ImageIndex", &M::ImageIndex, &M::SetImageIndex);
  d.Object("ModelProperties", TOwnerEntity::StaticClass(), &M::ModelProperties, nullptr);
  d.Object("ModelElements", TOwnerEntity::StaticClass(), &M::ModelElements, nullptr);
  d.Object("Images", TStringListElement::StaticClass(), &M::Images, nullptr);
  d.Boolean("NoModelProperties", &M::NoModelProperties, nullptr);
  d.Boolean("NoModelElements", &M::NoModelElements, nullptr);
  d.Boolean("NoImages", &M::NoImages, nullptr);
  d.Object("LastPropertyModel", TPropertyModel::StaticClass(), &M::LastPropertyModel, nullptr);
  d.String("NewPropertyName", nullptr, &M::NewPropertyName);
  d.String("NewElementName", nullptr, &M::NewElementName);
  d.String("NewImage", nullptr, &M::NewImage);
}

void DefineToolModel(std::vector<TPropInfo>& out) {
  using M = TToolModel;
  TPropDefs<M> d(out);
  d.Boolean("DynamicTool", &M::DynamicTool, &M::SetDynamicTool);
  d.Object("ModelTools", TOwnerEntity::StaticClass(), &M::ModelTools, nullptr);
  d.Boolean("NoModelTools", &M::NoModelTools, nullptr);
  // A class cannot name itself while its table is being built; the tool models are element models.
  d.Object("LastToolModel", TElementModel::StaticClass(), &M::LastToolModel, nullptr);
  d.String("NewToolName", nullptr, &M::NewToolName);
}

template <class T>
void AppendNamed(TEntity& list, const std::string& name) {
  auto* model = new T();
  model->SetName(name);
  list.AddElement(model);
}

}  // namespace

TARNIK_DEFINE_CLASS(TPropertyModel, TOwnerElement, DefinePropertyModel)
TARNIK_DEFINE_CLASS(TElementModel, TOwnerEntity, DefineElementModel)
TARNIK_DEFINE_CLASS(TToolModel, TElementModel, DefineToolModel)

TOwnerEntity* TElementModel::ModelProperties() {
  return SubEntity<TOwnerEntity>(*this, kProperties);
}
TOwnerEntity* TElementModel::ModelElements() { return SubEntity<TOwnerEntity>(*this, kElements); }

TStringListElement* TElementModel::Images() {
  return SubEntity<TStringListElement>(*this, kImages);
}

bool TElementModel::NoModelProperties() const {
  return SubEntityEmpty<TOwnerEntity>(*this, kProperties);
}
bool TElementModel::NoModelElements() const {
  return SubEntityEmpty<TOwnerEntity>(*this, kElements);
}

bool TElementModel::NoImages() const { return SubEntityEmpty<TStringListElement>(*this, kImages); }

TElement* TElementModel::LastPropertyModel() const {
  return LastOfSubEntity<TOwnerEntity>(*this, kProperties);
}

void TElementModel::NewPropertyName(const std::string& name) {
  AppendNamed<TPropertyModel>(*ModelProperties(), name);
}

void TElementModel::NewElementName(const std::string& name) {
  AppendNamed<TElementModel>(*ModelElements(), name);
}

void TElementModel::NewImage(const std::string& text) { Images()->NextValue(text); }

TOwnerEntity* TToolModel::ModelTools() { return SubEntity<TOwnerEntity>(*this, kTools); }
bool TToolModel::NoModelTools() const { return SubEntityEmpty<TOwnerEntity>(*this, kTools); }
TElement* TToolModel::LastToolModel() const { return LastOfSubEntity<TOwnerEntity>(*this, kTools); }

void TToolModel::NewToolName(const std::string& name) {
  AppendNamed<TToolModel>(*ModelTools(), name);
}

}  // namespace tarnik::framework
