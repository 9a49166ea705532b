// The system register and its class models: per element class an alias, an editor, an
// interpreter and images, ordered by inheritance (TRegisterClassModels), plus the object model
// that holds the named top-level models. Every sub-entity is owned by the element that holds it
// and created on first read.
#pragma once

#include <string>

#include "framework/entity.h"
#include "framework/models/inheritance_model.h"

namespace tarnik::framework {

class TStringListElement;

class TRegisterPropertyModel : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TRegisterPropertyModel)
  const std::string& Alias() const { return alias_; }
  void SetAlias(const std::string& v) { alias_ = v; }
  const std::string& Editor() const { return editor_; }
  void SetEditor(const std::string& v) { editor_ = v; }
  int32_t ImageIndex() const { return image_index_; }
  void SetImageIndex(int32_t v) { image_index_ = v; }

 private:
  std::string alias_;
  std::string editor_;
  int32_t image_index_ = 0;
};

class TRegisterClassModel : public TInheritanceModel {
 public:
  TARNIK_ELEMENT_CLASS(TRegisterClassModel)
  static constexpr const char* kPropertyModels = "PROPERTY MODELS";
  static constexpr const char* kShell = "SHELL";

  const std::string& Alias() const { return alias_; }
  void SetAlias(const std::string& v) { alias_ = v; }
  const std::string& Editor() const { return editor_; }
  void SetEditor(const std::string& v) { editor_ = v; }
  const std::string& Interpret() const { return interpret_; }
  void SetInterpret(const std::string& v) { interpret_ = v; }
  const std::string& SubClass() const { return sub_class_; }
  void SetSubClass(const std::string& v) { sub_class_ = v; }
  int32_t ImageIndex() const { return image_index_; }
  void SetImageIndex(int32_t v) { image_index_ = v; }
  int32_t ImageSelectedIndex() const { return image_selected_index_; }
  void SetImageSelectedIndex(int32_t v) { image_selected_index_ = v; }

  // Created on first call.
  TOwnerEntity* PropertyModels();
  TOwnerEntity* Shell();

 private:
  std::string alias_;
  std::string editor_;
  std::string interpret_;
  std::string sub_class_;
  int32_t image_index_ = 0;
  int32_t image_selected_index_ = 0;
};

// The inheritance tree of the class models; its items are TRegisterClassModels.
class TRegisterClassModels : public TInheritanceModelEntity {
 public:
  TARNIK_ELEMENT_CLASS(TRegisterClassModels)
  TRegisterClassModels() { InitItemClass(); }
  // The current item when it is a class model, else nil.
  TRegisterClassModel* ActualClassModel() const;

 protected:
  const TClassInfo& DefaultItemClass() const override;
};

class TSystemRegister : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TSystemRegister)
  static constexpr const char* kImages = "IMAGES";
  static constexpr const char* kCursors = "CURSORS";
  static constexpr const char* kClassModels = "CLASS MODELS";

  // Created on first call.
  TStringListElement* Images();
  TStringListElement* Cursors();
  TRegisterClassModels* ClassModels();
};

// The named models that the model scripts add ("DATA", "DATAMODEL", "HIERARCHY", ...).
class TObjectModel : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TObjectModel)
};

}  // namespace tarnik::framework
