// Views of another object's published properties. TProperty designates one property of one
// object; TInstanceProperties lists the properties of an object and reads and writes them by
// name or by the selected index. Both keep the object by handle only: once it is destroyed they
// behave as if no object were set. TInstanceProperties owns its selected TProperty.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/values/property_list.h"

namespace tarnik::framework {

class TProperty : public TNameElement {
 public:
  TARNIK_ELEMENT_CLASS(TProperty)
  TProperty() = default;
  TProperty(TElement* instance, int prop_index);

  TElement* Instance() const { return instance_.Get(); }
  void SetInstance(TElement* instance);
  int PropIndex() const { return prop_index_; }
  void SetPropIndex(int index);
  // The designated property, nil without a live object or with an index outside its table.
  const TPropInfo* Prop() const;

  // The value by the text rules; empty / nothing without a property.
  std::string PropString();
  void SetPropString(const std::string& text);
  int TypeKind() const;   // kind code, 0 without a property
  bool IsStored();        // the property's stored test on the object, false without one
  int32_t PropLongInt();  // the ordinal value, 0 without a reader, object or ordinal kind

 private:
  void NameAfterProperty();
  TElementRef instance_;
  int prop_index_ = -1;
};

class TInstanceProperties : public TPropertyList {
 public:
  TARNIK_ELEMENT_CLASS(TInstanceProperties)
  TInstanceProperties() = default;
  ~TInstanceProperties() override;

  TElement* Instance() const { return instance_.Get(); }
  // Takes the object's property table and names the adapter class name + "_Instance"; nil leaves
  // the adapter without instance. The selection is cleared.
  void SetInstance(TElement* instance);
  std::string InstClassName() const;  // "Unknown class" without instance
  int PropCount() const;

  // The selection: -1 and empty when nothing is selected.
  int PropIndex() const;
  void SetPropIndex(int index);  // a negative or too large index, or no instance, does nothing
  std::string PropName() const;
  void SetPropName(const std::string& name);  // an unknown name clears the selection
  TProperty* ActualProperty() const { return actual_.As<TProperty>(); }

  std::string PropString();
  void SetPropString(const std::string& text);
  int PropKind() const;
  // Frees the children; true with an instance appends one named text per instance property.
  void SetIsList(bool list);

  // The adapter's own published properties first, else the instance's property of that name
  // (which becomes the selection).
  std::string GetPropertyText(std::string_view name) override;
  void SetPropertyText(std::string_view name, const std::string& value) override;

 private:
  // Replaces the selection (nil clears it), freeing the previous one.
  void Select(TProperty* property);

  TElementRef instance_;
  // Owned; held by handle so that it is never freed twice when some list freed it already.
  TElementRef actual_;
};

}  // namespace tarnik::framework
