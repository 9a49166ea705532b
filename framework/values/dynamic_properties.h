// Property bags. TProperties is an entity of typed value children; TDynamicProperties treats
// those children as its properties: the text interface reads and writes the child of that name
// (Czech case-insensitive) and creates a typed value of the matching kind on the first write.
// Children are owned by the owner protocol.
#pragma once

#include <string>
#include <string_view>

#include "framework/entity.h"

namespace tarnik::framework {

class TTypeElement;

class TProperties : public TOwnerEntity {
 public:
  TARNIK_ELEMENT_CLASS(TProperties)
};

class TDynamicProperties : public TProperties {
 public:
  TARNIK_ELEMENT_CLASS(TDynamicProperties)

  // The first typed-value child of that name, nil when none. Unnamed children are no
  // properties; writes with an empty name do nothing.
  TTypeElement* FindProperty(std::string_view name) const;

  bool HasProperty(std::string_view name) const override;
  std::string GetPropertyText(std::string_view name) override;
  void SetPropertyText(std::string_view name, const std::string& value) override;
  int32_t GetPropertyInteger(std::string_view name) override;
  void SetPropertyInteger(std::string_view name, int32_t value) override;
  bool GetPropertyBoolean(std::string_view name) override;
  void SetPropertyBoolean(std::string_view name, bool value) override;
};

}  // namespace tarnik::framework
