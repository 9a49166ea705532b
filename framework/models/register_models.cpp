#include "framework/models/register_models.h"

#include "framework/models/sub_entity.h"
#include "framework/values/string_list.h"

namespace tarnik::framework {
namespace {

void DefineRegisterPropertyModel(std::vector<TPropInfo>& out) {
  using M = TRegisterPropertyModel;
  TPropDefs<M> d(out);
  d.String("Alias", &M::Alias, &M::SetAlias);
  d.String("Editor", &M::Editor, &M::SetEditor);
  d.Integer("ImageIndex", &M::ImageIndex, &M::SetImageIndex);
}

void DefineRegisterClassModel(std::vector<TPropInfo>& out) {
  using M = TRegisterClassModel;
  TPropDefs<M> d(out);
  d.String("Alias", &M::Alias, &M::SetAlias);
  d.String("Editor", &M::Editor, &M::SetEditor);
  d.String("Interpret", &M::Interpret, &M::SetInterpret);
  d.String("SubClass", &M::SubClass, &M::SetSubClass);
  d.Integer("ImageIndex", &M::ImageIndex, &M::SetImageIndex);
  d.Integer("ImageSelectedIndex", &M::ImageSelectedIndex, &M::SetImageSelectedIndex);
  d.Object("PropertyModels", TOwnerEntity::StaticClass(), &M::PropertyModels, nullptr);
  d.Object("Shell", TOwnerEntity::StaticClass(), &M::Shell, nullptr);
}

void DefineRegisterClassModels(std::vector<TPropInfo>& out) {
  using M = TRegisterClassModels;
  TPropDefs<M> d(out);
  d.Object("ActualClassModel", TRegisterClassModel::StaticClass(), &M::ActualClassModel, nullptr);
}

void DefineSystemRegister(std::vector<TPropInfo>& out) {
  using M = TSystemRegister;
  TPropDefs<M> d(out);
  d.Object("Images", TStringListElement::StaticClass(), &M::Images, nullptr);
  d.Object("Cursors", TStringListElement::StaticClass(), &M::Cursors, nullptr);
  d.Object("ClassModels", TRegisterClassModels::StaticClass(), &M::ClassModels, nullptr);
}

}  // namespace

TARNIK_DEFINE_CLASS(TRegisterPropertyModel, TOwnerEntity, DefineRegisterPropertyModel)
TARNIK_DEFINE_CLASS(TRegisterClassModel, TInheritanceModel, DefineRegisterClassModel)
TARNIK_DEFINE_CLASS(TRegisterClassModels, TInheritanceModelEntity, DefineRegisterClassModels)
TARNIK_DEFINE_CLASS(TSystemRegister, TOwnerEntity, DefineSystemRegister)
TARNIK_DEFINE_CLASS(TObjectModel, TOwnerEntity, nullptr)

TOwnerEntity* TRegisterClassModel::PropertyModels() {
  return SubEntity<TOwnerEntity>(*this, kPropertyModels);
}

TOwnerEntity* TRegisterClassModel::Shell() { return SubEntity<TOwnerEntity>(*this, kShell); }

TRegisterClassModel* TRegisterClassModels::ActualClassModel() const {
  return dynamic_cast<TRegisterClassModel*>(ActualItem());
}

const TClassInfo& TRegisterClassModels::DefaultItemClass() const {
  return TRegisterClassModel::StaticClass();
}

TStringListElement* TSystemRegister::Images() {
  return SubEntity<TStringListElement>(*this, kImages);
}

TStringListElement* TSystemRegister::Cursors() {
  return SubEntity<TStringListElement>(*this, kCursors);
}

TRegisterClassModels* TSystemRegister::ClassModels() {
  return SubEntity<TRegisterClassModels>(*this, kClassModels);
}

}  // namespace tarnik::framework
