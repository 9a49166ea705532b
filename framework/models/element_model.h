// Element and tool models: the descriptions of model objects that the model scripts build
// (which element class, which property it hangs on, its property models and sub-models). A model
// owns its sub-entities "ELEMENTS", "PROPERTIES", "IMAGES" and "TOOLS", created on first use;
// pointers it answers stay valid while the model keeps them.
#pragma once

#include <string>

#include "framework/element.h"
#include "framework/entity.h"

namespace tarnik::framework {

class TStringListElement;

// One property of an element model: an alias and a value.
class TPropertyModel : public TOwnerElement {
 public:
  TARNIK_ELEMENT_CLASS(TPropertyModel)
  const std::string& Alias() const { return alias_; }
  void SetAlias(const std::string& v) { alias_ = v; }
  const std::string& Value() const { return value_; }
  void SetValue(const std::string& v) { value_ = v; }

 private:
  std::string alias_;
  std::string value_;
};

class TElementModel : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TElementModel)
  static constexpr const char* kElements = "ELEMENTS";
  static constexpr const char* kProperties = "PROPERTIES";
  static constexpr const char* kImages = "IMAGES";

  const std::string& ElementClassName() const { return element_class_name_; }
  void SetElementClassName(const std::string& v) { element_class_name_ = v; }
  const std::string& AttachToPropertyName() const { return attach_to_; }
  void SetAttachToPropertyName(const std::string& v) { attach_to_ = v; }
  const std::string& Alias() const { return alias_; }
  void SetAlias(const std::string& v) { alias_ = v; }
  const std::string& Comment() const { return comment_; }
  void SetComment(const std::string& v) { comment_ = v; }
  int32_t ImageIndex() const { return image_index_; }
  void SetImageIndex(int32_t v) { image_index_ = v; }

  // The sub-entities, created on first call.
  TOwnerEntity* ModelProperties();
  TOwnerEntity* ModelElements();
  TStringListElement* Images();
  // True while the sub-entity is absent or empty (never creates it).
  bool NoModelProperties() const;
  bool NoModelElements() const;
  bool NoImages() const;
  // The last child of "PROPERTIES", nil when none.
  TElement* LastPropertyModel() const;

  // Append a new TPropertyModel / TElementModel of that name.
  void NewPropertyName(const std::string& name);
  void NewElementName(const std::string& name);
  // Appends the text as an unnamed value to "IMAGES".
  void NewImage(const std::string& text);

 private:
  std::string element_class_name_;
  std::string attach_to_;
  std::string alias_;
  std::string comment_;
  int32_t image_index_ = 0;
};

// An element model that also describes tools run over the element ("TOOLS").
class TToolModel : public TElementModel {
 public:
  TARNIK_ELEMENT_CLASS(TToolModel)
  static constexpr const char* kTools = "TOOLS";

  bool DynamicTool() const { return dynamic_tool_; }
  void SetDynamicTool(bool v) { dynamic_tool_ = v; }
  TOwnerEntity* ModelTools();
  bool NoModelTools() const;
  TElement* LastToolModel() const;
  // Appends a new TToolModel of that name to "TOOLS".
  void NewToolName(const std::string& name);

 private:
  bool dynamic_tool_ = false;
};

}  // namespace tarnik::framework
